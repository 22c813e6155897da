#include "toolkit/controls/XTEditGroup.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/controls/XTEditListBox.h"
#include "toolkit/controls/XTItemEdit.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"

#include "framework/PaintDC.h"

IMPLEMENT_DYNAMIC(CXTEditGroup, CStatic)

namespace {

const UINT kButtonIDs[CXTEditGroup::ButtonCount] = { XT_IDC_BTN_NEW, XT_IDC_BTN_DELETE, XT_IDC_BTN_UP,
                                                     XT_IDC_BTN_DOWN };
const char* const kTips[CXTEditGroup::ButtonCount] = { "New (Insert)", "Delete (Delete)",
                                                       "Move Item Up (Alt+Up Arrow)",
                                                       "Move Item Down (Alt+Down Arrow)" };
const int kImageSize = 14;

} // namespace

BEGIN_MESSAGE_MAP(CXTEditGroup, CStatic)
    // void OnNew() and the other buttons
    ON_BN_CLICKED(XT_IDC_BTN_NEW, OnNew)
    ON_BN_CLICKED(XT_IDC_BTN_DELETE, OnDelete)
    ON_BN_CLICKED(XT_IDC_BTN_UP, OnMoveUp)
    ON_BN_CLICKED(XT_IDC_BTN_DOWN, OnMoveDown)
    // void OnSize(UINT nType, int cx, int cy)
    ON_WM_SIZE()
    // void OnPaint()
    ON_WM_PAINT()
    // BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_ERASEBKGND()
    // void OnEnable(BOOL bEnable)
    ON_WM_ENABLE()
    // void OnShowWindow(BOOL bShow, UINT nStatus)
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CXTEditGroup::CXTEditGroup() : m_pListBox(nullptr)
{
}

CXTEditGroup::~CXTEditGroup() = default;

CRect CXTEditGroup::ButtonRect(const CRect& rcClient, int nButton)
{
    CRect rcInside(rcClient);
    rcInside.DeflateRect(1, 1);
    // From the right edge leftwards: Move Item Down, Move Item Up, Delete, New.
    int nRight = rcInside.right - (ButtonCount - 1 - nButton) * ButtonWidth;
    return CRect(nRight - ButtonWidth, rcInside.top, nRight, rcInside.bottom);
}

BOOL CXTEditGroup::Init(CXTEditListBox* pListBox)
{
    m_pListBox = pListBox;
    HIMAGELIST hList = ImageList_LoadImageA(xtAfxData.m_hInstance, MAKEINTRESOURCEA(XT_IDB_EDITGROUP), kImageSize, 0,
                                            RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (hList != nullptr)
        m_imageList.Attach(hList);
    CRect rcClient;
    GetClientRect(&rcClient);
    DWORD dwStyle = WS_CHILD | BS_PUSHBUTTON | BS_OWNERDRAW | (GetStyle() & WS_VISIBLE);
    for (int i = 0; i < ButtonCount; ++i)
    {
        if (!m_buttons[i].Create("", dwStyle, ButtonRect(rcClient, i), this, kButtonIDs[i]))
            return FALSE;
        m_buttons[i].SetStyleFlags(BS_XT_FLAT);
        if (m_imageList.GetSafeHandle() != nullptr)
            m_buttons[i].SetIcon(CSize(kImageSize, kImageSize), m_imageList.ExtractIcon(i));
    }
    if (m_tooltip.Create(this))
    {
        m_tooltip.Activate(TRUE);
        for (int i = 0; i < ButtonCount; ++i)
        {
            TOOLINFOA ti = { sizeof(ti) };
            ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            ti.hwnd = m_hWnd;
            ti.uId = (UINT_PTR)m_buttons[i].m_hWnd;
            CString strTip = LoadToolkitString(kButtonIDs[i], kTips[i]);
            ti.lpszText = const_cast<LPSTR>((LPCSTR)strTip);
            m_tooltip.SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
        }
    }
    SetFont(&xtAfxData.m_fontNormal);
    return TRUE;
}

void CXTEditGroup::MoveButtons()
{
    CRect rcClient;
    GetClientRect(&rcClient);
    for (int i = 0; i < ButtonCount; ++i)
        if (m_buttons[i].m_hWnd != nullptr)
            m_buttons[i].MoveWindow(ButtonRect(rcClient, i));
}

void CXTEditGroup::SendToList(UINT nCode)
{
    if (m_pListBox != nullptr && m_pListBox->m_hWnd != nullptr)
        m_pListBox->SendMessage(WM_COMMAND, MAKEWPARAM(XT_IDC_EDIT_GROUP, nCode), (LPARAM)m_hWnd);
}

void CXTEditGroup::OnNew()
{
    SendToList(XT_LBN_NEWITEM);
}

void CXTEditGroup::OnDelete()
{
    SendToList(XT_LBN_DELETEITEM);
}

void CXTEditGroup::OnMoveUp()
{
    SendToList(XT_LBN_MOVEITEMUP);
}

void CXTEditGroup::OnMoveDown()
{
    SendToList(XT_LBN_MOVEITEMDOWN);
}

void CXTEditGroup::OnSize(UINT nType, int cx, int cy)
{
    CStatic::OnSize(nType, cx, cy);
    MoveButtons();
}

void CXTEditGroup::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    // The buttons paint themselves.
    for (int i = 0; i < ButtonCount; ++i)
    {
        CRect rc = ButtonRect(rcClient, i);
        ::ExcludeClipRect(dc.m_hDC, rc.left, rc.top, rc.right, rc.bottom);
    }
    CXTMemDC memDC(&dc, rcClient, xtAfxData.m_clr3DFace);
    DefWindowProc(WM_PAINT, (WPARAM)memDC.m_hDC, 0);
}

BOOL CXTEditGroup::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTEditGroup::OnEnable(BOOL bEnable)
{
    CStatic::OnEnable(bEnable);
    for (CXTButton& button : m_buttons)
        if (button.m_hWnd != nullptr)
            button.EnableWindow(bEnable);
}

void CXTEditGroup::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CStatic::OnShowWindow(bShow, nStatus);
    for (CXTButton& button : m_buttons)
        if (button.m_hWnd != nullptr)
            button.ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}
