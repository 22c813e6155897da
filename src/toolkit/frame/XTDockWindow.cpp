#include "toolkit/frame/XTDockWindow.h"

#include "toolkit/frame/XTDrawHelpers.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/XTBarButton.h"
#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/ClientDC.h"
#include "framework/CmdUI.h"
#include "framework/CreateContext.h"
#include "framework/Document.h"
#include "framework/Exceptions.h"
#include "framework/FrameWnd.h"
#include "framework/MiniFrameWnd.h"
#include "framework/View.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CXTDockWindow, CXTControlBar)

// Handler signatures: see CWnd; void OnX() for ON_COMMAND, void OnX(CCmdUI*)
// for ON_UPDATE_COMMAND_UI, LRESULT OnX(WPARAM, LPARAM) for ON_MESSAGE.
BEGIN_MESSAGE_MAP(CXTDockWindow, CXTControlBar)
    ON_WM_CREATE()
    ON_WM_NCHITTEST()
    ON_WM_NCCALCSIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_WINDOWPOSCHANGED()
    ON_COMMAND(XT_IDC_BTN_HIDE, OnHide)
    ON_COMMAND(XT_IDC_BTN_EXPAND, OnExpand)
    ON_UPDATE_COMMAND_UI(XT_IDC_BTN_HIDE, OnUpdateButton)
    ON_UPDATE_COMMAND_UI(XT_IDC_BTN_EXPAND, OnUpdateButton)
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdate)
    ON_MESSAGE(XTWM_INITIALUPDATE, OnFloatInitialUpdate)
END_MESSAGE_MAP()

namespace {

const int kIconSize = 10;
const int kButtonStep = 14;   // from one caption button to the next

// The caption buttons' pictures, in the order of their bitmap.
enum ButtonImage
{
    imageHide = 0,
    imageExpandOffH = 1,
    imageExpandH = 2,
    imageExpandOffV = 3,
    imageExpandV = 4,
    imageContractH = 6,
    imageContractV = 8,
};

BOOL IsBarOrDockWindow(CWnd* pWnd)
{
    return pWnd->IsKindOf(RUNTIME_CLASS(CControlBar));
}

// The visible, enabled child with the largest client area that is no bar.
CWnd* LargestChild(CWnd* pParent)
{
    CWnd* pBest = nullptr;
    int nBestArea = -1;
    for (HWND hChild = ::GetWindow(pParent->m_hWnd, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (!::IsWindowVisible(hChild) || !::IsWindowEnabled(hChild))
            continue;
        CWnd* pChild = CWnd::FromHandle(hChild);
        if (IsBarOrDockWindow(pChild))
            continue;
        CRect rect;
        ::GetClientRect(hChild, &rect);
        int nArea = rect.Width() * rect.Height();
        if (nArea > nBestArea)
        {
            nBestArea = nArea;
            pBest = pChild;
        }
    }
    return pBest;
}

BOOL GradientCaptionsOn()
{
    BOOL bOn = FALSE;
    ::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &bOn, 0);
    return bOn;
}

BOOL IsPlausibleSize(const SIZE& size)
{
    return size.cx >= 0 && size.cx <= 32767 && size.cy >= 0 && size.cy <= 32767;
}

} // namespace

CXTDockWindow::CXTDockWindow()
    : m_nBtnState(0), m_pChildWnd(nullptr), m_pBtnHide(nullptr), m_pBtnExpand(nullptr), m_bActive(FALSE),
      m_bSysMenuRemoved(FALSE), m_pParentWnd(nullptr), m_hButtonImages(nullptr), m_nInitSeq(1)
{
}

CXTDockWindow::~CXTDockWindow()
{
    // The window goes first, while this class's handlers still run; the
    // buttons die with it.
    if (m_hWnd != nullptr)
        DestroyWindow();
    delete m_pBtnHide;
    delete m_pBtnExpand;
    if (m_hButtonImages != nullptr)
        ::ImageList_Destroy(m_hButtonImages);
}

HICON CXTDockWindow::MakeButtonIcon(int nImage)
{
    if (m_hButtonImages == nullptr)
        m_hButtonImages = ::ImageList_LoadImageA(xtAfxData.m_hInstance, MAKEINTRESOURCEA(XT_IDB_BARBUTTONS), kIconSize,
                                                 0, RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (m_hButtonImages == nullptr || nImage >= ::ImageList_GetImageCount(m_hButtonImages))
        return nullptr;
    return ::ImageList_GetIcon(m_hButtonImages, nImage, ILD_NORMAL);
}

BOOL CXTDockWindow::Create(CWnd* pParentWnd, UINT nID, LPCSTR lpszCaption, int cx, int cy, DWORD dwStyle,
                           DWORD dwBarStyleEx)
{
    // Step 1: the bar style, always dynamic, hidden in place and many per floating frame.
    m_pParentWnd = pParentWnd;
    m_dwStyle = ((dwStyle & 0x40FFB3) | CBRS_SIZE_DYNAMIC | CBRS_HIDE_INPLACE | CBRS_FLOAT_MULTI) & CBRS_ALL;

    // Step 2: the sizes; the side the style names decides which docked size is (cx, cy).
    m_sizeFloat = CSize(cx, cy);
    m_sizeMRUFloat = CSize(300, 150);
    if (dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT | CBRS_BORDER_RIGHT))
    {
        m_sizeVertDocked = CSize(cx, cy);
        m_sizeHorzDocked = CSize(cy, cx);
    }
    else
    {
        m_sizeHorzDocked = CSize(cx, cy);
        m_sizeVertDocked = CSize(cy, cx);
    }

    // Step 3.
    m_dwBarStyleEx = dwBarStyleEx;

    // Steps 4 and 5: the window, joining its frame's bars.
    m_pDockSite = dynamic_cast<CFrameWnd*>(pParentWnd);
    if (m_pDockSite == nullptr && pParentWnd != nullptr)
        m_pDockSite = pParentWnd->GetParentFrame();
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_CLASSDC, nullptr,
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
    DWORD dwWndStyle = (dwStyle & 0xFFBF0000) | WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    if (!CWnd::CreateEx(0, lpszClass, lpszCaption, dwWndStyle, CRect(0, 0, cx, cy), pParentWnd, nID))
        return FALSE;

    // Step 6: a floating bar's windows get their initial update once the
    // frame has had its own chance.
    ++m_nInitSeq;
    PostMessage(XTWM_INITIALUPDATE, 0, m_nInitSeq);
    return TRUE;
}

BOOL CXTDockWindow::HasCaptionButtons() const
{
    return (m_dwBarStyleEx & (BARSTYLE_CAPTION | BARSTYLE_BUTTONS)) == (BARSTYLE_CAPTION | BARSTYLE_BUTTONS);
}

CXTDockBar* CXTDockWindow::GetXTDockBar() const
{
    return dynamic_cast<CXTDockBar*>(m_pDockBar);
}

// ---------------------------------------------------------------------------
// Sizes

int CXTDockWindow::GetCaptionSize()
{
    if (!(m_dwBarStyleEx & BARSTYLE_CAPTION))
        return 5;
    return IsHorzDocked() ? 18 : 24;
}

void CXTDockWindow::SetBarSize(CSize size)
{
    m_sizeFloat = size;
    if (IsHorzDocked())
        m_sizeHorzDocked = size;
    else if (IsVertDocked())
        m_sizeVertDocked = size;
    else
        m_sizeMRUFloat = size;
}

CSize CXTDockWindow::RestoreMRUSize()
{
    m_sizeFloat = m_sizeMRUFloat;
    return m_sizeFloat;
}

void CXTDockWindow::RestoreSize()
{
    if (IsHorzDocked())
        m_sizeFloat.cx = m_sizeHorzDocked.cx;
    else if (IsVertDocked())
        m_sizeFloat.cy = m_sizeVertDocked.cy;
    m_bExpanded = FALSE;
}

int CXTDockWindow::Contract()
{
    m_bExpanded = FALSE;
    const int nCaption = GetCaptionSize();
    if (IsHorzDocked())
    {
        m_sizeFloat.cx = nCaption;
        return m_sizeHorzDocked.cx - nCaption;
    }
    if (IsVertDocked())
    {
        m_sizeFloat.cy = nCaption;
        return m_sizeVertDocked.cy - nCaption;
    }
    return 0;
}

void CXTDockWindow::Expand(int nLength)
{
    if (IsHorzDocked())
        m_sizeFloat.cx = nLength;
    else if (IsVertDocked())
        m_sizeFloat.cy = nLength;
    m_bExpanded = TRUE;
}

CSize CXTDockWindow::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if (nMode & LM_HORZDOCK)
        return m_sizeHorzDocked;
    if (nMode & LM_VERTDOCK)
        return m_sizeVertDocked;
    if (nMode & LM_MRUWIDTH)
        return m_sizeMRUFloat;
    if (nLength < 50)
        nLength = 50;
    if (nMode == LM_HORZ)
        m_sizeFloat.cx = nLength;
    else if (nMode == (LM_HORZ | LM_LENGTHY))
        m_sizeFloat.cy = nLength;
    CSize size = m_sizeFloat;
    if (nMode & LM_COMMIT)
        m_sizeMRUFloat = m_sizeFloat;
    return size;
}

void CXTDockWindow::EnableDocking(DWORD dwDockStyle)
{
    CXTControlBar::EnableDocking(dwDockStyle);
}

void CXTDockWindow::SetBarInfo(const XT_BARPLACEMENT* pInfo)
{
    m_sizeVertDocked = pInfo->sizeVertDocked;
    m_sizeHorzDocked = pInfo->sizeHorzDocked;
    m_sizeMRUFloat = pInfo->sizeMRUFloat;
    m_sizeFloat = pInfo->sizeFloat;
    m_bAloneInRow = pInfo->bAloneInRow;
    m_bExpanded = pInfo->bExpanded;
    RefreshButtons();
}

void CXTDockWindow::SaveBarSize(LPCSTR lpszSection)
{
    if (m_hWnd == nullptr)
        return;
    XT_BARPLACEMENT info;
    info.sizeVertDocked = m_sizeVertDocked;
    info.sizeHorzDocked = m_sizeHorzDocked;
    info.sizeMRUFloat = m_sizeMRUFloat;
    info.sizeFloat = m_sizeFloat;
    info.bAloneInRow = m_bAloneInRow;
    info.bExpanded = m_bExpanded;
    info.dwBarStyleEx = m_dwBarStyleEx;
    CXTRegistryStore store(HKEY_CURRENT_USER);
    store.WriteProfileBinary(lpszSection, LoadToolkitString(XT_IDS_BARPOSITION, "Bar Position"),
                             reinterpret_cast<const BYTE*>(&info), (UINT)sizeof(info));
}

void CXTDockWindow::LoadBarSize(LPCSTR lpszSection)
{
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    CXTRegistryStore store(HKEY_CURRENT_USER);
    if (!store.GetProfileBinary(lpszSection, LoadToolkitString(XT_IDS_BARPOSITION, "Bar Position"), &pData, &nBytes))
        return;
    // Only a whole record with sizes a window can have is taken.
    XT_BARPLACEMENT info;
    BOOL bValid = pData != nullptr && nBytes == sizeof(info);
    if (bValid)
    {
        memcpy(&info, pData, sizeof(info));
        bValid = IsPlausibleSize(info.sizeVertDocked) && IsPlausibleSize(info.sizeHorzDocked) &&
                 IsPlausibleSize(info.sizeMRUFloat) && IsPlausibleSize(info.sizeFloat);
    }
    delete[] pData;
    if (bValid)
        SetBarInfo(&info);
}

// ---------------------------------------------------------------------------
// Geometry

void CXTDockWindow::GetButtonRect(CRect& rect)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    if (IsHorzDocked())
        rect.SetRect(rectClient.left + 3, rectClient.top + 3, rectClient.left + 15, rectClient.top + 15);
    else
        rect.SetRect(rectClient.right - 29, rectClient.top + 6, rectClient.right - 17, rectClient.top + 18);
    if (xtAfxData.m_bFlatLook)
    {
        if (IsHorzDocked())
            rect.OffsetRect(0, 2);
        else
            rect.OffsetRect(-2, 0);
    }
}

void CXTDockWindow::GetGripperRect(CRect& rect)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    const BOOL bButtons = HasCaptionButtons();
    if (IsHorzDocked())
    {
        rectClient.DeflateRect(3, 3);
        rect.SetRect(rectClient.left + 2, rectClient.top + (bButtons ? 30 : 1), rectClient.left + 5,
                     rectClient.bottom - 1);
    }
    else
    {
        rectClient.DeflateRect(4, 4);
        rect.SetRect(rectClient.left, rectClient.top + 4, rectClient.right - 2 - (bButtons ? 28 : 0),
                     rectClient.top + 7);
    }
}

void CXTDockWindow::GetInsideRect(CRect& rect)
{
    GetClientRect(&rect);
    if (IsFloating())
    {
        rect.DeflateRect(3, 3);
        return;
    }
    const int nCaption = GetCaptionSize();
    rect.DeflateRect(3, 6);
    if (IsVertDocked())
        rect.top += nCaption - 3;
    else
        rect.left += nCaption - 3;
    if (rect.right < rect.left || rect.bottom < rect.top)
        rect.SetRectEmpty();
    if (rect.IsRectEmpty())
    {
        if (IsVertDocked())
            rect.OffsetRect(0, nCaption + 2);
        else
            rect.OffsetRect(nCaption + 2, 0);
    }
    else if (IsVertDocked())
        rect.top -= 5;
    if (xtAfxData.m_bFlatLook)
    {
        if (IsVertDocked())
            rect.InflateRect(4, 0);
        else
            rect.InflateRect(0, 3);
        if (IsKindOfName(this, "CXTTabCtrlBar"))
            rect.bottom += 5;
    }
}

// ---------------------------------------------------------------------------
// Painting

void CXTDockWindow::DoNcPaint()
{
    // No non-client area.
}

void CXTDockWindow::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
    CRect rectInside;
    GetInsideRect(rectInside);
    if (m_dwBarStyleEx & BARSTYLE_CLIENT_ETCHED)
        pDC->DrawEdge(&rectInside, EDGE_ETCHED, BF_RECT);
    else if (m_dwBarStyleEx & BARSTYLE_CLIENT_SUNKEN)
        pDC->DrawEdge(&rectInside, BDR_SUNKENOUTER, BF_RECT);
    else if (m_dwBarStyleEx & BARSTYLE_CLIENT_RAISED)
        pDC->DrawEdge(&rectInside, EDGE_RAISED, BF_RECT);
}

void CXTDockWindow::DrawBorders(CDC* pDC, CRect& rect)
{
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), xtAfxData.m_clr3DShadow);
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, xtAfxData.m_clr3DShadow);
    if (m_dwStyle & CBRS_BORDER_TOP)
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, xtAfxData.m_clr3DHilight);
    if (m_dwStyle & CBRS_BORDER_LEFT)
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), xtAfxData.m_clr3DHilight);
    DrawCaption(pDC);
}

void CXTDockWindow::DrawCaption(CDC* pDC)
{
    if (IsFloating() || !(m_dwBarStyleEx & BARSTYLE_CAPTION))
        return;
    const BOOL bHorz = IsHorzDocked();   // the caption runs down the left side

    // Step 1: both grip lines and the caption's background around them.
    CRect rectFirst;
    GetGripperRect(rectFirst);
    CRect rectSecond = rectFirst;
    rectSecond.OffsetRect(bHorz ? 4 : 0, bHorz ? 0 : 4);
    CRect rectBack(rectFirst.TopLeft(), rectSecond.BottomRight());
    if (bHorz)
        rectBack.InflateRect(2, 0);
    else
        rectBack.InflateRect(0, 2);
    DrawCaptionBack(pDC, rectBack);

    // Step 2: a filled caption has no grip lines.
    if (xtAfxData.m_bFlatLook || (m_dwBarStyleEx & BARSTYLE_CAPTION_FILL))
        return;

    // Step 3: the title takes its width from the start of the lines.
    CString strText;
    GetWindowText(strText);
    if ((m_dwBarStyleEx & BARSTYLE_CAPTION_TEXT) && !strText.IsEmpty())
    {
        CFont* pOldFont = pDC->SelectObject(bHorz ? &m_fontVert : &m_fontHorz);
        int nWidth = pDC->GetTextExtent(strText).cx + 5;
        pDC->SelectObject(pOldFont);
        if (bHorz)
        {
            rectFirst.bottom -= nWidth;
            rectSecond.bottom -= nWidth;
        }
        else
        {
            rectFirst.left += nWidth;
            rectSecond.left += nWidth;
        }
    }

    // Step 4: the raised lines where room remains.
    if (rectFirst.Width() <= 0 || rectFirst.Height() <= 0)
        return;
    const COLORREF clrLight = xtAfxData.m_clr3DHilight, clrDark = xtAfxData.m_clr3DShadow;
    if (m_dwBarStyleEx & BARSTYLE_CAPTION_3D)
    {
        pDC->Draw3dRect(&rectFirst, clrLight, clrDark);
        pDC->Draw3dRect(&rectSecond, clrLight, clrDark);
    }
    else
    {
        CRect rectLine = rectFirst;
        rectLine.OffsetRect(bHorz ? 2 : 0, bHorz ? 0 : 2);
        pDC->Draw3dRect(&rectLine, clrLight, clrDark);
    }
}

void CXTDockWindow::DrawCaptionBack(CDC* pDC, CRect& rect)
{
    const BOOL bHorz = IsHorzDocked();
    const int nButtons = HasCaptionButtons() ? 29 : 0;
    COLORREF clrText;
    if (xtAfxData.m_bFlatLook)
    {
        if (bHorz)
        {
            rect.InflateRect(2, 0);
            rect.top -= 1 + nButtons;
        }
        else
        {
            rect.InflateRect(3, 2);
            rect.right += 1 + nButtons;
        }
        pDC->FillSolidRect(&rect, xtAfxData.m_clr3DFace);
        if (m_bActive)
        {
            clrText = xtAfxData.m_clrActiveCaptText;
            pDC->FillSolidRect(&rect, xtAfxData.m_clrActiveCaption);
        }
        else
        {
            clrText = xtAfxData.m_clrMenuText;
            pDC->Draw3dRect(&rect, xtAfxData.m_clr3DShadow, xtAfxData.m_clr3DShadow);
            pDC->SetPixel(rect.left, rect.top, xtAfxData.m_clr3DFace);
            pDC->SetPixel(rect.right - 1, rect.top, xtAfxData.m_clr3DFace);
            pDC->SetPixel(rect.left, rect.bottom - 1, xtAfxData.m_clr3DFace);
            pDC->SetPixel(rect.right - 1, rect.bottom - 1, xtAfxData.m_clr3DFace);
        }
    }
    else if (m_dwBarStyleEx & BARSTYLE_CAPTION_FILL)
    {
        COLORREF clrCaption = m_bActive ? xtAfxData.m_clrActiveCaption : xtAfxData.m_clrInactiveCaption;
        if ((m_dwBarStyleEx & BARSTYLE_CAPTION_GRADIENT) && GradientCaptionsOn())
            FillGradient(pDC, rect, clrCaption,
                         m_bActive ? xtAfxData.m_clrGradActiveCapt : xtAfxData.m_clrGradInactiveCapt, !bHorz);
        else
            pDC->FillSolidRect(&rect, clrCaption);
        clrText = m_bActive ? xtAfxData.m_clrActiveCaptText : xtAfxData.m_clrInactiveCaptText;
    }
    else
        clrText = xtAfxData.m_clr3DShadow;

    // The title.
    CString strText;
    GetWindowText(strText);
    if ((m_dwBarStyleEx & (BARSTYLE_CAPTION | BARSTYLE_CAPTION_TEXT)) != (BARSTYLE_CAPTION | BARSTYLE_CAPTION_TEXT) ||
        strText.IsEmpty())
        return;
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOld = pDC->SetTextColor(clrText);
    if (!bHorz)
    {
        CFont* pOldFont = pDC->SelectObject(&m_fontHorz);
        CRect rectText = rect;
        rectText.OffsetRect(2, 0);
        // The whole caption is the text's room: a rectangle cut to the
        // measured extent can be a pixel short of what DrawText needs, and
        // the ellipsis then takes the last letter of a title that fits.
        rectText.right = rect.right;
        pDC->DrawText(strText, &rectText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
        pDC->SelectObject(pOldFont);
    }
    else
    {
        CFont* pOldFont = pDC->SelectObject(&m_fontVert);
        CSize sizeText = pDC->GetTextExtent(strText);
        CRect rectText = rect;
        rectText.OffsetRect(0, -3);
        if (rectText.bottom - sizeText.cx > rectText.top)
            rectText.top = rectText.bottom - sizeText.cx;
        const int x = rectText.left + (rectText.right - sizeText.cy - rectText.left) / 2;
        ::ExtTextOutA(pDC->m_hDC, x, rectText.bottom, ETO_CLIPPED, &rectText, strText, (UINT)strText.GetLength(), nullptr);
        pDC->SelectObject(pOldFont);
    }
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

// ---------------------------------------------------------------------------
// Caption buttons and the active state

void CXTDockWindow::SetActive(BOOL bActive)
{
    if (m_bActive == bActive)
        return;
    m_bActive = bActive;
    // Only a caption that shows colour changes with the state.
    const BOOL bColour = (xtAfxData.m_bFlatLook && (m_dwBarStyleEx & BARSTYLE_CAPTION)) ||
                         (m_dwBarStyleEx & BARSTYLE_CAPTION_FILL);
    if (IsFloating() || !bColour || m_hWnd == nullptr)
        return;
    CClientDC dc(this);
    DrawCaption(&dc);
    if (m_pBtnHide != nullptr && m_pBtnHide->m_hWnd != nullptr)
        m_pBtnHide->Invalidate();
    if (m_pBtnExpand != nullptr && m_pBtnExpand->m_hWnd != nullptr)
        m_pBtnExpand->Invalidate();
}

void CXTDockWindow::RefreshButtons()
{
    if (!HasCaptionButtons() || m_pBtnHide == nullptr || m_pBtnExpand == nullptr || m_pBtnHide->m_hWnd == nullptr ||
        m_pBtnExpand->m_hWnd == nullptr)
        return;
    DWORD dwFlags = 0;
    if ((m_dwBarStyleEx & BARSTYLE_BUTTON_LOOK2) && !xtAfxData.m_bFlatLook)
        dwFlags |= BS_XT_FLAT;
    if ((m_dwBarStyleEx & BARSTYLE_BUTTON_LOOK1) || xtAfxData.m_bFlatLook)
        dwFlags |= BS_XT_HILITEPRESSED;
    m_pBtnHide->SetStyleFlags(dwFlags, TRUE);
    m_pBtnExpand->SetStyleFlags(dwFlags, TRUE);
}

BOOL CXTDockWindow::ModifyBarStyleEx(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw)
{
    CXTControlBar::ModifyBarStyleEx(dwRemove, dwAdd, bRedraw);
    if (m_pBtnHide != nullptr && m_pBtnExpand != nullptr && m_pBtnHide->m_hWnd != nullptr &&
        m_pBtnExpand->m_hWnd != nullptr)
    {
        RefreshButtons();
        const int nShow = HasCaptionButtons() ? SW_SHOW : SW_HIDE;
        m_pBtnHide->ShowWindow(nShow);
        m_pBtnExpand->ShowWindow(nShow);
    }
    return TRUE;
}

void CXTDockWindow::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    // Step 1: the caption follows the focus.
    HWND hFocus = ::GetFocus();
    BOOL bInside = hFocus != nullptr && ::IsChild(m_hWnd, hFocus);
    if (bInside != m_bActive)
        SetActive(bInside);

    // Step 2: floating bars show no caption buttons.
    if (!HasCaptionButtons() || m_pBtnHide == nullptr || m_pBtnExpand == nullptr)
        return;
    if (IsFloating())
    {
        BOOL bWasVisible = m_pBtnHide->IsWindowVisible() || m_pBtnExpand->IsWindowVisible();
        m_pBtnHide->ShowWindow(SW_HIDE);
        m_pBtnExpand->ShowWindow(SW_HIDE);
        if (bWasVisible && m_pChildWnd != nullptr && m_pChildWnd->m_hWnd != nullptr)
            m_pChildWnd->Invalidate();
        return;
    }

    // Step 3: docked, the expand button shows what a click would do.
    if (!m_pBtnHide->IsWindowVisible())
        m_pBtnHide->ShowWindow(SW_SHOW);
    if (!m_pBtnExpand->IsWindowVisible())
        m_pBtnExpand->ShowWindow(SW_SHOW);
    const BOOL bHorz = IsHorzDocked();
    int nState;
    int nImage;
    BOOL bEnable = TRUE;
    UINT nTip = XT_IDS_BTN_EXPAND;
    LPCSTR lpszTip = "Expand docked window";
    if (IsAloneInRow())
    {
        nState = bHorz ? 1 : 3;
        nImage = bHorz ? imageExpandOffH : imageExpandOffV;
        bEnable = FALSE;
    }
    else if (IsExpanded())
    {
        nState = bHorz ? 6 : 8;
        nImage = bHorz ? imageContractH : imageContractV;
        nTip = XT_IDS_BTN_CONTRACT;
        lpszTip = "Contract docked window";
    }
    else
    {
        nState = bHorz ? 2 : 4;
        nImage = bHorz ? imageExpandH : imageExpandV;
    }
    if (nState == m_nBtnState)
        return;
    m_nBtnState = nState;
    m_pBtnExpand->SetIcon(CSize(kIconSize, kIconSize), MakeButtonIcon(nImage), nullptr, TRUE);
    m_pBtnExpand->EnableWindow(bEnable);
    if (m_toolTip.m_hWnd != nullptr)
        m_toolTip.UpdateTipText(LoadToolkitString(nTip, lpszTip), m_pBtnExpand);
}

// ---------------------------------------------------------------------------
// Showing, hiding, expanding

void CXTDockWindow::ReleaseExpansion()
{
    if (!m_bExpanded)
        return;
    CXTDockBar* pDockBar = GetXTDockBar();
    if (pDockBar != nullptr)
    {
        int nRowStart = pDockBar->GetRowStart(this);
        if (nRowStart >= 0)
            pDockBar->RestoreRowSizes(nRowStart);
    }
    RestoreSize();
}

void CXTDockWindow::DelayShow(BOOL bShow)
{
    if (bShow)
        ModifyBarStyleEx(0, BARSTYLE_SHOWN, FALSE);
    else
        ReleaseExpansion();
    CXTControlBar::DelayShow(bShow);
}

void CXTDockWindow::OnHide()
{
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->ShowControlBar(this, FALSE, FALSE);
}

void CXTDockWindow::OnExpand()
{
    CXTDockBar* pDockBar = GetXTDockBar();
    if (pDockBar == nullptr)
        return;
    if (IsExpanded())
    {
        pDockBar->ContractBar(this);
        m_bExpanded = FALSE;
    }
    else
    {
        pDockBar->ExpandBar(this);
        m_bExpanded = TRUE;
    }
}

void CXTDockWindow::OnUpdateButton(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

// ---------------------------------------------------------------------------
// Messages

int CXTDockWindow::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CXTControlBar::OnCreate(lpcs) == -1)
        return -1;
    if (!HasCaptionButtons())
        return 0;

    // Step 1: the two buttons.
    CRect rectEmpty(0, 0, 0, 0);
    const DWORD dwButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
    m_pBtnHide = new CXTBarButton;
    m_pBtnHide->m_pDockWindow = this;
    m_pBtnExpand = new CXTBarButton;
    m_pBtnExpand->m_pDockWindow = this;
    if (!m_pBtnHide->Create(nullptr, dwButtonStyle, rectEmpty, this, XT_IDC_BTN_HIDE) ||
        !m_pBtnExpand->Create(nullptr, dwButtonStyle, rectEmpty, this, XT_IDC_BTN_EXPAND))
        return -1;

    // Step 2: their looks.
    RefreshButtons();
    m_pBtnHide->SetIcon(CSize(kIconSize, kIconSize), MakeButtonIcon(imageHide), nullptr, TRUE);

    // Step 3: their tips.
    if (m_toolTip.Create(this))
    {
        m_toolTip.Activate(TRUE);
        m_toolTip.AddTool(m_pBtnHide, LoadToolkitString(XT_IDS_BTN_HIDE, "Hide docked window"));
        m_toolTip.AddTool(m_pBtnExpand, LoadToolkitString(XT_IDS_BTN_EXPAND, "Expand docked window"));
    }
    return 0;
}

BOOL CXTDockWindow::PreTranslateMessage(MSG* pMsg)
{
    if (HasCaptionButtons() && m_toolTip.m_hWnd != nullptr)
        m_toolTip.RelayEvent(pMsg);
    return CXTControlBar::PreTranslateMessage(pMsg);
}

LRESULT CXTDockWindow::OnNcHitTest(CPoint)
{
    HCURSOR hArrow = ::LoadCursor(nullptr, IDC_ARROW);
    if (::GetCursor() != hArrow)
        ::SetCursor(hArrow);
    return HTCLIENT;
}

void CXTDockWindow::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
{
    // The whole window is client area: borders and caption are painted in it.
}

void CXTDockWindow::OnLButtonDown(UINT nFlags, CPoint point)
{
    // The deepest window of largest children takes the focus.
    CWnd* pFocus = nullptr;
    for (CWnd* pLevel = this; (pLevel = LargestChild(pLevel)) != nullptr;)
        pFocus = pLevel;
    if (pFocus != nullptr)
        pFocus->SetFocus();
    SetActive(TRUE);
    CXTControlBar::OnLButtonDown(nFlags, point);
}

void CXTDockWindow::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    const DWORD dwStyle = m_dwStyle;
    m_dwStyle &= ~CBRS_BORDER_ANY;
    CXTControlBar::OnWindowPosChanging(lpwndpos);
    m_dwStyle = dwStyle;

    if (!(lpwndpos->flags & SWP_NOSIZE) && (m_dwStyle & CBRS_SIZE_DYNAMIC))
    {
        CRect rect;
        GetWindowRect(&rect);
        if (rect.Width() != lpwndpos->cx || rect.Height() != lpwndpos->cy)
            Invalidate();
    }
    if (IsFloating())
        ModifyStyle(WS_CLIPCHILDREN, 0);
    else
        ModifyStyle(0, WS_CLIPCHILDREN);
}

void CXTDockWindow::OnWindowPosChanged(WINDOWPOS*)
{
    Default();
    LayoutChildren();
}

void CXTDockWindow::LayoutChildren()
{
    HDWP hDWP = ::BeginDeferWindowPos(8);
    if (hDWP == nullptr)
        return;   // no room to move anything: this layout is skipped
    const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    auto place = [&](CWnd* pWnd, const CRect& rect) {
        if (hDWP == nullptr || pWnd == nullptr || pWnd->m_hWnd == nullptr)
            return;
        UINT nShow = rect.IsRectEmpty() ? SWP_HIDEWINDOW : SWP_SHOWWINDOW;
        hDWP = ::DeferWindowPos(hDWP, pWnd->m_hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                nFlags | nShow);
    };
    auto hide = [&](CWnd* pWnd) {
        if (hDWP == nullptr || pWnd == nullptr || pWnd->m_hWnd == nullptr || !pWnd->IsWindowVisible())
            return;
        hDWP = ::DeferWindowPos(hDWP, pWnd->m_hWnd, nullptr, 0, 0, 0, 0,
                                nFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW);
    };

    // Steps 1 and 2: the caption buttons, docked only.
    const BOOL bFloating = IsFloating();
    if (HasCaptionButtons() && !bFloating)
    {
        CRect rectHide, rectExpand;
        GetButtonRect(rectHide);
        rectExpand = rectHide;
        if (IsHorzDocked())
            rectExpand.OffsetRect(0, kButtonStep);
        else
            rectHide.OffsetRect(kButtonStep, 0);
        place(m_pBtnHide, rectHide);
        place(m_pBtnExpand, rectExpand);
    }
    else
    {
        hide(m_pBtnHide);
        hide(m_pBtnExpand);
    }
    if (bFloating)
    {
        CFrameWnd* pFrame = GetParentFrame();
        if (!m_bSysMenuRemoved && pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
        {
            pFrame->ModifyStyle(WS_SYSMENU, 0);
            m_bSysMenuRemoved = TRUE;
        }
    }
    else
        m_bSysMenuRemoved = FALSE;

    // Step 3: the hosted window.
    if (m_pChildWnd != nullptr && m_pChildWnd->m_hWnd != nullptr)
    {
        CRect rectInside;
        GetInsideRect(rectInside);
        rectInside.DeflateRect(1, 1);
        if (rectInside.right < rectInside.left || rectInside.bottom < rectInside.top)
            rectInside.SetRectEmpty();
        place(m_pChildWnd, rectInside);
    }
    if (hDWP != nullptr)
        ::EndDeferWindowPos(hDWP);
}

LRESULT CXTDockWindow::OnInitialUpdate(WPARAM, LPARAM)
{
    Default();
    ++m_nInitSeq;
    return 0;
}

LRESULT CXTDockWindow::OnFloatInitialUpdate(WPARAM, LPARAM lParam)
{
    // A WM_INITIALUPDATE since the post made this one stale.
    if ((int)lParam == m_nInitSeq && IsFloating())
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    return 0;
}

// ---------------------------------------------------------------------------
// Views

CView* CXTDockWindow::CreateView(const CRuntimeClass* pViewClass, CCreateContext* pContext)
{
    CCreateContext context;
    if (pContext == nullptr)
    {
        context.m_pCurrentFrame = GetParentFrame();
        context.m_pNewViewClass = pViewClass;
        context.m_pCurrentDoc = context.m_pCurrentFrame != nullptr ? context.m_pCurrentFrame->GetActiveDocument()
                                                                   : nullptr;
        pContext = &context;
    }
    CObject* pObject = nullptr;
    try
    {
        pObject = pViewClass != nullptr ? pViewClass->CreateObject() : nullptr;
    }
    catch (CException* e)
    {
        e->Delete();
        return nullptr;
    }
    CView* pView = dynamic_cast<CView*>(pObject);
    if (pView == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this,
                       AFX_IDW_PANE_FIRST, pContext))
        return nullptr;   // a view whose window failed has deleted itself
    pView->SetOwner(GetParentFrame());
    return pView;
}
