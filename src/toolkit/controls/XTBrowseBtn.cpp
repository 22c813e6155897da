#include "toolkit/controls/XTBrowseBtn.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/controls/XTBrowseEdit.h"
#include "toolkit/frame/XTGlobalData.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CXTBrowseBtn, CXTButton)

namespace {

const int kArrowImage = 4;   // the drop-down arrow of the 11-pixel strip
const int kArrowStripSize = 11;

HICON LoadDropDownArrow()
{
    HIMAGELIST hList = ImageList_LoadImageA(xtAfxData.m_hInstance, MAKEINTRESOURCEA(XT_IDB_ARROWSTRIP), kArrowStripSize,
                                            0, RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (hList == nullptr)
        return nullptr;
    HICON hIcon = ImageList_GetIcon(hList, kArrowImage, ILD_NORMAL);
    ImageList_Destroy(hList);
    return hIcon;
}

} // namespace

BEGIN_MESSAGE_MAP(CXTBrowseBtn, CXTButton)
    // void OnLButtonUp(UINT nFlags, CPoint point)
    ON_WM_LBUTTONUP()
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYDOWN()
    // UINT OnGetDlgCode()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CXTBrowseBtn::CXTBrowseBtn() : m_pEditWnd(nullptr), m_dwBStyle(0), m_nMenu(0), m_nSubMenuIndx(0)
{
}

BOOL CXTBrowseBtn::Create(CXTBrowseEdit* pEditWnd, DWORD dwBStyle, UINT nMenu, int nSubMenuIndx)
{
    m_pEditWnd = pEditWnd;
    m_dwBStyle = dwBStyle;
    m_nMenu = nMenu;
    m_nSubMenuIndx = nSubMenuIndx;
    BOOL bPopup = (dwBStyle & BES_XT_POPUPMENU) != 0;
    CString strText = bPopup ? CString() : LoadToolkitString(XT_IDS_DOT3, "...");
    DWORD dwStyle = WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_OWNERDRAW;
    if (pEditWnd->GetStyle() & WS_VISIBLE)
        dwStyle |= WS_VISIBLE;
    if (!CXTButton::Create(strText, dwStyle, CRect(0, 0, 0, 0), pEditWnd->GetParent(), XT_IDC_BTN_BROWSE))
        return FALSE;
    if (bPopup)
        SetIcon(CSize(10, 10), LoadDropDownArrow());
    SetFont(&xtAfxData.m_fontNormal);
    // Next in the tab order after its edit.
    SetWindowPos(pEditWnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EnableWindow(pEditWnd->IsWindowEnabled());
    return TRUE;
}

void CXTBrowseBtn::OnLButtonUp(UINT nFlags, CPoint point)
{
    BOOL bPressed = (GetState() & BST_PUSHED) != 0;
    CXTButton::OnLButtonUp(nFlags, point);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (bPressed && rcClient.PtInRect(point) && m_pEditWnd != nullptr)
        m_pEditWnd->Browse();
}

void CXTBrowseBtn::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if ((nChar == VK_RETURN || nChar == VK_SPACE) && m_pEditWnd != nullptr)
    {
        m_pEditWnd->Browse();
        return;
    }
    CXTButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT CXTBrowseBtn::OnGetDlgCode()
{
    // Enter belongs to the button, not to the dialog's default button.
    UINT nCode = CXTButton::OnGetDlgCode();
    const MSG* pMsg = reinterpret_cast<const MSG*>(GetCurrentMessage()->lParam);
    if (pMsg != nullptr && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        nCode |= DLGC_WANTMESSAGE;
    return nCode;
}
