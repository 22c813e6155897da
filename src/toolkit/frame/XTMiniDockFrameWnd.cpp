#include "toolkit/frame/XTMiniDockFrameWnd.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTExpMenuWnd.h"
#include "toolkit/frame/IXTToolBar.h"
#include "toolkit/frame/XTControlBar.h"
#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTDockWindow.h"
#include "toolkit/frame/XTDrawHelpers.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"

#include "framework/DC.h"
#include "framework/DockContext.h"
#include "framework/WindowDC.h"

#include <algorithm>
#include <vector>


IMPLEMENT_DYNCREATE(CXTMiniDockFrameWnd, CMiniDockFrameWnd)

// Handler signatures: see CWnd; LRESULT OnX(WPARAM, LPARAM) for ON_MESSAGE.
BEGIN_MESSAGE_MAP(CXTMiniDockFrameWnd, CMiniDockFrameWnd)
    ON_WM_NCPAINT()
    ON_MESSAGE(WM_NCACTIVATE, OnNcActivateMessage)
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_NCMOUSEMOVE()
    ON_WM_ERASEBKGND()
    ON_WM_SHOWWINDOW()
    ON_MESSAGE(WM_SETTEXT, OnSetTextMessage)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(XTWM_FLOATSETUP, OnFloatSetUp)
    ON_MESSAGE(XTWM_POPUPCLOSED, OnPopupClosed)
    ON_MESSAGE(XTWM_KEEPABOVEOWNER, OnKeepAboveOwner)
    ON_COMMAND(XT_IDC_CUSTOMIZE, OnCustomize)
END_MESSAGE_MAP()

namespace {

const int kGlyphSize = 10;
const COLORREF kGlyphMask = RGB(255, 0, 255);
const int kCloseGlyph = 2;
const int kDropDownGlyph = 3;
const DWORD kPSDPxax = 0x00B8074A;   // the brush where the source is black, the target elsewhere
const UINT_PTR kKeepAboveTimer = XTWM_KEEPABOVEOWNER;
const int kKeepAboveChecks = 4;
const UINT kKeepAboveDelay = 150;

// Draws image nImage of the list as a one-colour shape: its opaque pixels
// in clr, the rest left as it is.
void DrawGlyph(CDC* pDC, HIMAGELIST hImageList, int nImage, int x, int y, COLORREF clr)
{
    if (hImageList == nullptr || nImage >= ImageList_GetImageCount(hImageList))
        return;
    HDC hScreen = ::GetDC(nullptr);
    HDC hColor = ::CreateCompatibleDC(hScreen);
    HDC hMono = ::CreateCompatibleDC(hScreen);
    HBITMAP hbmColor = ::CreateCompatibleBitmap(hScreen, kGlyphSize, kGlyphSize);
    HBITMAP hbmMono = ::CreateBitmap(kGlyphSize, kGlyphSize, 1, 1, nullptr);
    ::ReleaseDC(nullptr, hScreen);
    if (hColor != nullptr && hMono != nullptr && hbmColor != nullptr && hbmMono != nullptr)
    {
        HGDIOBJ hOldColor = ::SelectObject(hColor, hbmColor);
        HGDIOBJ hOldMono = ::SelectObject(hMono, hbmMono);
        // The image on the mask colour, then mask colour -> white, the shape -> black.
        HBRUSH hMaskBrush = ::CreateSolidBrush(kGlyphMask);
        RECT rc = { 0, 0, kGlyphSize, kGlyphSize };
        ::FillRect(hColor, &rc, hMaskBrush);
        ::DeleteObject(hMaskBrush);
        ImageList_Draw(hImageList, nImage, hColor, 0, 0, ILD_TRANSPARENT);
        ::SetBkColor(hColor, kGlyphMask);
        ::BitBlt(hMono, 0, 0, kGlyphSize, kGlyphSize, hColor, 0, 0, SRCCOPY);

        HBRUSH hBrush = ::CreateSolidBrush(clr);
        HGDIOBJ hOldBrush = ::SelectObject(pDC->m_hDC, hBrush);
        COLORREF clrOldText = ::SetTextColor(pDC->m_hDC, RGB(0, 0, 0));
        COLORREF clrOldBk = ::SetBkColor(pDC->m_hDC, RGB(255, 255, 255));
        ::BitBlt(pDC->m_hDC, x, y, kGlyphSize, kGlyphSize, hMono, 0, 0, kPSDPxax);
        ::SetTextColor(pDC->m_hDC, clrOldText);
        ::SetBkColor(pDC->m_hDC, clrOldBk);
        ::SelectObject(pDC->m_hDC, hOldBrush);
        ::DeleteObject(hBrush);
        ::SelectObject(hColor, hOldColor);
        ::SelectObject(hMono, hOldMono);
    }
    if (hbmColor != nullptr)
        ::DeleteObject(hbmColor);
    if (hbmMono != nullptr)
        ::DeleteObject(hbmMono);
    if (hColor != nullptr)
        ::DeleteDC(hColor);
    if (hMono != nullptr)
        ::DeleteDC(hMono);
}

} // namespace

CXTMiniDockFrameWnd::CXTMiniDockFrameWnd()
    : m_nCaptionMode(0), m_pPopup(nullptr), m_pPressed(nullptr), m_bSetUp(FALSE), m_nKeepAboveChecks(0)
{
    m_imageList.Create(XT_IDB_CAPTIONGLYPHS, kGlyphSize, 0, kGlyphMask);
}

CXTMiniDockFrameWnd::~CXTMiniDockFrameWnd()
{
    DeleteButtons();
    if (m_wndTip.m_hWnd != nullptr)
        m_wndTip.DestroyWindow();
}

void CXTMiniDockFrameWnd::DeleteButtons()
{
    for (CAPTIONBUTTONINFO* pButton : m_listButtons)
        delete pButton;
    m_listButtons.clear();
    m_pPressed = nullptr;
}

BOOL CXTMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    if (!CMiniDockFrameWnd::Create(pParent, dwBarStyle))
        return FALSE;
    // The bar docks after this returns: the caption is set up from the queue
    // (or when the frame is first shown, whichever comes first).
    m_bSetUp = FALSE;
    PostMessage(XTWM_FLOATSETUP);
    m_wndTip.Create(this, TTS_ALWAYSTIP);
    return TRUE;
}

// ---------------------------------------------------------------------------
// What the frame holds

BOOL CXTMiniDockFrameWnd::IsToolkitControlBar(CControlBar* pBar) const
{
    return m_hWnd != nullptr && pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CXTControlBar));
}

BOOL CXTMiniDockFrameWnd::IsToolkitToolBar(CControlBar* pBar) const
{
    return IsToolkitControlBar(pBar) &&
           (dynamic_cast<IXTToolBar*>(pBar) != nullptr || IsKindOfName(pBar, "CXTToolBar"));
}

BOOL CXTMiniDockFrameWnd::IsToolkitMenuBar(CControlBar* pBar) const
{
    return IsToolkitControlBar(pBar) && IsKindOfName(pBar, "CXTMenuBar");
}

BOOL CXTMiniDockFrameWnd::IsToolkitDockWindow(CControlBar* pBar) const
{
    return m_hWnd != nullptr && pBar != nullptr && IsKindOfName(pBar, "CXTDockWindow");
}

CDockBar* CXTMiniDockFrameWnd::GetDockBar()
{
    return &m_wndDockBar;
}

CControlBar* CXTMiniDockFrameWnd::GetFirstBar()
{
    if (m_hWnd == nullptr)
        return nullptr;
    return CMiniDockFrameWnd::GetFirstBar();
}

CDockContext* CXTMiniDockFrameWnd::GetBarDockContext(CControlBar* pBar)
{
    return pBar != nullptr ? pBar->m_pDockContext : nullptr;
}

CAPTIONBUTTONINFO* CXTMiniDockFrameWnd::FindButton(int nKind) const
{
    for (CAPTIONBUTTONINFO* pButton : m_listButtons)
        if (pButton->nKind == nKind)
            return pButton;
    return nullptr;
}

CWnd* CXTMiniDockFrameWnd::OpenOptionsPopup(CControlBar* pBar, const CRect& rect)
{
    CXTToolBar* pToolBar = dynamic_cast<CXTToolBar*>(pBar);
    if (pToolBar == nullptr || (!pToolBar->HasHiddenButtons() && !pToolBar->IsCustomizable()))
        return nullptr;
    CXTExpMenuWnd* pPopup = new CXTExpMenuWnd(this, XTWM_POPUPCLOSED);
    if (pPopup->ShowPopup(rect, pToolBar))
        return pPopup;
    if (pPopup->m_hWnd != nullptr)
        pPopup->DestroyWindow();   // deletes itself
    else
        delete pPopup;
    return nullptr;
}

// ---------------------------------------------------------------------------
// Stacking

void CXTMiniDockFrameWnd::KeepFloatingFramesAbove(HWND hFrame, HWND hActivating)
{
    if (hFrame == nullptr)
        return;
    struct Search { HWND hFrame; std::vector<HWND> floats; } search = { hFrame, {} };
    // The thread's top-level windows come front to back.
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            Search* pSearch = reinterpret_cast<Search*>(lParam);
            if (::GetWindow(hWnd, GW_OWNER) == pSearch->hFrame && ::IsWindowVisible(hWnd) &&
                dynamic_cast<CXTMiniDockFrameWnd*>(CWnd::FromHandlePermanent(hWnd)) != nullptr)
                pSearch->floats.push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (auto it = search.floats.rbegin(); it != search.floats.rend(); ++it)
        if (*it != hActivating)
            ::PostMessageA(*it, XTWM_KEEPABOVEOWNER, 0, 0);
    if (std::find(search.floats.begin(), search.floats.end(), hActivating) != search.floats.end())
        ::PostMessageA(hActivating, XTWM_KEEPABOVEOWNER, 0, 0);
}

BOOL CXTMiniDockFrameWnd::IsOwnerActive() const
{
    // Only while the owner, or one of its floating frames, is still the
    // active window: raised later, the frame would cover whatever took the
    // activation since.
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hOwner == nullptr || !IsWindowVisible())
        return FALSE;
    HWND hActive = ::GetActiveWindow();
    return hActive == hOwner ||
           (hActive != nullptr && ::GetWindow(hActive, GW_OWNER) == hOwner &&
            dynamic_cast<CMiniDockFrameWnd*>(CWnd::FromHandlePermanent(hActive)) != nullptr);
}

std::vector<HWND> CXTMiniDockFrameWnd::GetOwnerDialogs() const
{
    struct Search { HWND hOwner; std::vector<HWND> dialogs; } search = { ::GetWindow(m_hWnd, GW_OWNER), {} };
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            Search* pSearch = reinterpret_cast<Search*>(lParam);
            if (::GetWindow(hWnd, GW_OWNER) == pSearch->hOwner && ::IsWindowVisible(hWnd) &&
                dynamic_cast<CMiniDockFrameWnd*>(CWnd::FromHandlePermanent(hWnd)) == nullptr)
                pSearch->dialogs.push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.dialogs;
}

BOOL CXTMiniDockFrameWnd::IsBuried() const
{
    // Places from the top of the thread's windows: lower is nearer the top.
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    const std::vector<HWND> dialogs = GetOwnerDialogs();
    int nOwner = -1, nFrame = -1, nLowestDialog = -1;
    int nPlace = 0;
    for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT), ++nPlace)
    {
        if (hWnd == hOwner)
            nOwner = nPlace;
        else if (hWnd == m_hWnd)
            nFrame = nPlace;
        else if (std::find(dialogs.begin(), dialogs.end(), hWnd) != dialogs.end())
            nLowestDialog = nPlace;
    }
    return nOwner < nFrame || nLowestDialog > nFrame;
}

void CXTMiniDockFrameWnd::RaiseAboveOwner()
{
    // The owner's own dialogs (a sheet it shows, the customise sheet) stay
    // above its floating frames: each is raised again after this frame, the
    // lowest first, so that they keep their order and still take the clicks
    // meant for them.
    const std::vector<HWND> dialogs = GetOwnerDialogs();
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it)
        ::SetWindowPos(*it, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CXTMiniDockFrameWnd::OnKeepAboveOwner(WPARAM, LPARAM)
{
    if (!IsOwnerActive())
        return 0;
    // Raised also when the platform's order already has it in place: the
    // display may stack the owner above it all the same.
    RaiseAboveOwner();
    // The display may also bury it a moment later: a few looks more.
    m_nKeepAboveChecks = kKeepAboveChecks;
    ::SetTimer(m_hWnd, kKeepAboveTimer, kKeepAboveDelay, &CXTMiniDockFrameWnd::OnKeepAboveTimer);
    return 0;
}

void CALLBACK CXTMiniDockFrameWnd::OnKeepAboveTimer(HWND hWnd, UINT, UINT_PTR, DWORD)
{
    auto* pFrame = dynamic_cast<CXTMiniDockFrameWnd*>(CWnd::FromHandlePermanent(hWnd));
    if (pFrame == nullptr || --pFrame->m_nKeepAboveChecks <= 0)
        ::KillTimer(hWnd, kKeepAboveTimer);
    if (pFrame != nullptr && pFrame->IsOwnerActive() && pFrame->IsBuried())
        pFrame->RaiseAboveOwner();
}

// ---------------------------------------------------------------------------
// Set-up

LRESULT CXTMiniDockFrameWnd::OnFloatSetUp(WPARAM, LPARAM)
{
    if (m_bSetUp || m_hWnd == nullptr)
        return 0;
    CControlBar* pBar = GetFirstBar();
    if (pBar == nullptr)
        return 0;
    m_bSetUp = TRUE;
    if (IsToolkitDockWindow(pBar))
    {
        ModifyStyle(MFS_4THICKFRAME, 0);
        pBar->SetFont(&xtAfxData.m_fontNormal, TRUE);
    }
    if (IsToolkitControlBar(pBar))
    {
        if (!IsToolkitMenuBar(pBar))
        {
            DeleteButtons();
            m_listButtons.push_back(new CAPTIONBUTTONINFO{ 0, 0, 0, 0, CAPTIONBUTTONINFO::kindClose, this, pBar });
            if (IsToolkitToolBar(pBar) && static_cast<CXTControlBar*>(pBar)->IsCustomizable())
                m_listButtons.push_back(
                    new CAPTIONBUTTONINFO{ 0, 0, 0, 0, CAPTIONBUTTONINFO::kindOptions, this, pBar });
        }
        // The system draws no close box of its own.
        ModifyStyle(WS_SYSMENU, 0);
        m_nCaptionMode = xtAfxData.m_bFlatLook ? 1 : 2;
    }
    RecalcLayout();
    if (GetStyle() & WS_VISIBLE)
    {
        Invalidate();
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    return 0;
}

void CXTMiniDockFrameWnd::OnShowWindow(BOOL bShow, UINT)
{
    if (bShow && !m_bSetUp)
        SendMessage(XTWM_FLOATSETUP);
    Default();
}

// ---------------------------------------------------------------------------
// Caption geometry

BOOL CXTMiniDockFrameWnd::IsFlatCaption() const
{
    return xtAfxData.m_bFlatLook;
}

CRect CXTMiniDockFrameWnd::GetCaptionRect()
{
    CRect rect;
    GetWindowRect(&rect);
    int cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    if (IsFlatCaption())
    {
        rect.DeflateRect(cyEdge - 1, cyEdge - 1);
        rect.bottom = rect.top + xtAfxData.m_cySmIcon + cyEdge - 2;
    }
    else
    {
        rect.DeflateRect(cyEdge + 1, cyEdge + 1);
        rect.bottom = rect.top + xtAfxData.m_cySmIcon - cyEdge - 1;
    }
    return rect;
}

CRect CXTMiniDockFrameWnd::GetButtonRect(CAPTIONBUTTONINFO* pButton)
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    const int nWidth = xtAfxData.m_cxSmIcon;
    const BOOL bFlat = IsFlatCaption();
    CRect rect;
    rect.right = rectWindow.right - cxEdge;
    if (pButton->nKind == CAPTIONBUTTONINFO::kindOptions)
        rect.right -= nWidth + (bFlat ? 0 : 2);
    rect.top = rectWindow.top + ::GetSystemMetrics(SM_CYEDGE);
    rect.bottom = rect.top + xtAfxData.m_cySmIcon - 1;
    rect.left = rect.right - nWidth;
    if (!bFlat)
        rect.DeflateRect(2, 2);
    // Never over the frame's left edge: without room the button goes.
    pButton->bHidden = rect.left < rectWindow.left + 2 * cxEdge;
    return rect;
}

CAPTIONBUTTONINFO* CXTMiniDockFrameWnd::ButtonFromPoint(CPoint ptScreen)
{
    for (CAPTIONBUTTONINFO* pButton : m_listButtons)
    {
        CRect rect = GetButtonRect(pButton);
        if (!pButton->bHidden && rect.PtInRect(ptScreen))
            return pButton;
    }
    return nullptr;
}

void CXTMiniDockFrameWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    CMiniDockFrameWnd::CalcWindowRect(lpClientRect, nAdjustType);
    if (m_listButtons.empty())
        return;
    // Room for the buttons: one button's width beyond all of them.
    int nMinWidth = xtAfxData.m_cxSmIcon * (1 + (int)m_listButtons.size());
    if (lpClientRect->right - lpClientRect->left < nMinWidth)
        lpClientRect->right = lpClientRect->left + nMinWidth;
}

// ---------------------------------------------------------------------------
// Painting

void CXTMiniDockFrameWnd::RedrawNonClient()
{
    if (m_hWnd != nullptr)
        SendMessage(WM_NCPAINT, 1);
}

void CXTMiniDockFrameWnd::OnNcPaint()
{
    if (m_nCaptionMode == 0 || !IsToolkitControlBar(GetFirstBar()))
    {
        Default();
        return;
    }
    CWindowDC dc(this);
    PaintNonClient(&dc);
}

void CXTMiniDockFrameWnd::PaintNonClient(CDC* pDC)
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const CPoint ptOrigin = rectWindow.TopLeft();
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    rectClient.OffsetRect(-ptOrigin.x, -ptOrigin.y);
    pDC->ExcludeClipRect(&rectClient);

    const BOOL bFlat = IsFlatCaption();
    CRect rect(0, 0, rectWindow.Width(), rectWindow.Height());
    CXTMemDC memDC(pDC, rect, bFlat ? xtAfxData.m_clrFlatBarFace : xtAfxData.m_clr3DFace);
    if (!memDC.IsValid())
        return;

    CRect rectCaption = GetCaptionRect();
    rectCaption.OffsetRect(-ptOrigin.x, -ptOrigin.y);
    if (bFlat)
    {
        memDC.Draw3dRect(&rect, xtAfxData.m_clr3DShadow, xtAfxData.m_clr3DShadow);
        CRect rectInner = rect;
        rectInner.DeflateRect(1, 1);
        memDC.Draw3dRect(&rectInner, xtAfxData.m_clr3DShadow, xtAfxData.m_clr3DShadow);
        memDC.FillSolidRect(&rectCaption, xtAfxData.m_clr3DShadow);
    }
    else
    {
        CRect rectEdge = rect;
        memDC.DrawEdge(&rectEdge, EDGE_RAISED, BF_RECT);
        BOOL bGradient = FALSE;
        if (!::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &bGradient, 0))
            bGradient = FALSE;
        if (bGradient)
            FillGradient(&memDC, rectCaption, xtAfxData.m_clrActiveCaption, xtAfxData.m_clrGradActiveCapt, TRUE);
        else
            memDC.FillSolidRect(&rectCaption, xtAfxData.m_clrActiveCaption);
    }

    // The bar's name between the left edge and the buttons.
    CRect rectText = rectCaption;
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    rectText.left += cxEdge;
    for (CAPTIONBUTTONINFO* pButton : m_listButtons)
    {
        CRect rectButton = GetButtonRect(pButton);
        if (!pButton->bHidden)
            rectText.right -= rectButton.Width() + cxEdge;
    }
    CString strTitle;
    if (CControlBar* pBar = GetFirstBar())
        pBar->GetWindowText(strTitle);
    if (strTitle.IsEmpty())
        strTitle = "Toolbar";
    if (rectText.right > rectText.left)
    {
        CFont* pOldFont = memDC.SelectObject(&xtAfxData.m_fontBold);
        memDC.SetTextColor(xtAfxData.m_clrActiveCaptText);
        memDC.SetBkMode(TRANSPARENT);
        memDC.DrawText(strTitle, &rectText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        memDC.SelectObject(pOldFont);
    }

    for (CAPTIONBUTTONINFO* pButton : m_listButtons)
    {
        CRect rectButton = GetButtonRect(pButton);
        rectButton.OffsetRect(-ptOrigin.x, -ptOrigin.y);
        DrawCaptionButton(&memDC, rectButton, pButton);
    }
}

void CXTMiniDockFrameWnd::DrawCaptionButton(CDC* pDC, const CRect& rectButton, CAPTIONBUTTONINFO* pButton)
{
    if (pButton->bHidden)
        return;
    const BOOL bFlat = IsFlatCaption();
    const BOOL bPopupOpen = pButton->nKind == CAPTIONBUTTONINFO::kindOptions && m_pPopup != nullptr;
    COLORREF clrBack = bFlat ? xtAfxData.m_clr3DShadow : xtAfxData.m_clr3DFace;
    COLORREF clrGlyph = bFlat ? xtAfxData.m_clrHighlightText : xtAfxData.m_clrMenuText;
    if (bFlat && bPopupOpen)
    {
        clrBack = xtAfxData.m_clrFlatBarFace;
        clrGlyph = xtAfxData.m_clrMenuText;
    }
    else if (bFlat && pButton->bHot)
    {
        clrBack = pButton->bPressed ? xtAfxData.m_clrFlatHighlight : xtAfxData.m_clrFlatHighlightLight;
        clrGlyph = pButton->bPressed ? xtAfxData.m_clrFlatHighlightText : xtAfxData.m_clrMenuText;
    }
    CRect rect = rectButton;
    pDC->FillSolidRect(&rect, clrBack);
    pButton->bActive = FALSE;
    if (!bFlat)
    {
        CRect rectInner = rect;
        rectInner.DeflateRect(1, 1);
        if (pButton->bPressed || bPopupOpen)
        {
            pDC->Draw3dRect(&rect, xtAfxData.m_clrWindowFrame, xtAfxData.m_clr3DFace);
            pDC->Draw3dRect(&rectInner, xtAfxData.m_clr3DShadow, xtAfxData.m_clr3DHilight);
            pButton->bActive = TRUE;
        }
        else
        {
            pDC->Draw3dRect(&rect, xtAfxData.m_clr3DFace, xtAfxData.m_clrWindowFrame);
            pDC->Draw3dRect(&rectInner, xtAfxData.m_clr3DHilight, xtAfxData.m_clr3DShadow);
        }
    }
    else if (pButton->bHot || bPopupOpen)
    {
        COLORREF clrFrame = bPopupOpen ? xtAfxData.m_clrFlatShadowDark : xtAfxData.m_clrHighlight;
        pDC->Draw3dRect(&rect, clrFrame, clrFrame);
        pButton->bActive = TRUE;
    }
    int x = rect.left + (rect.Width() - kGlyphSize) / 2;
    int y = rect.top + (rect.Height() - kGlyphSize) / 2;
    DrawGlyph(pDC, m_imageList.GetSafeHandle(),
              pButton->nKind == CAPTIONBUTTONINFO::kindClose ? kCloseGlyph : kDropDownGlyph, x, y, clrGlyph);
}

BOOL CXTMiniDockFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    CControlBar* pBar = GetFirstBar();
    if (!IsToolkitControlBar(pBar))
        return CMiniDockFrameWnd::OnEraseBkgnd(pDC);
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, static_cast<CXTControlBar*>(pBar)->GetBackgroundColor());
    return TRUE;
}

LRESULT CXTMiniDockFrameWnd::OnSetTextMessage(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    // The system may have drawn its own caption: ours again.
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return lResult;
}

LRESULT CXTMiniDockFrameWnd::OnNcActivateMessage(WPARAM wParam, LPARAM lParam)
{
    if (m_nCaptionMode == 0 || !IsToolkitControlBar(GetFirstBar()))
        return CMiniDockFrameWnd::OnNcActivateMessage(wParam, lParam);
    BOOL bActive = (BOOL)wParam;
    if (GetStyle() & MFS_SYNCACTIVE)
        return (m_nFlags & WF_KEEPMINIACTIVE) ? FALSE : TRUE;
    // Without the visible style the system draws no caption of its own.
    DWORD dwStyle = GetStyle();
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, (LONG_PTR)(dwStyle & ~WS_VISIBLE));
    DefWindowProc(WM_NCACTIVATE, (WPARAM)bActive, lParam);
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, (LONG_PTR)dwStyle);
    m_bActive = bActive;
    RedrawNonClient();
    return TRUE;
}

// ---------------------------------------------------------------------------
// Mouse in the caption

void CXTMiniDockFrameWnd::OnNcMouseMove(UINT, CPoint point)
{
    if (m_nCaptionMode == 0 || !IsToolkitControlBar(GetFirstBar()))
    {
        Default();
        return;
    }
    const BOOL bLeftDown = ::GetKeyState(VK_LBUTTON) < 0;
    BOOL bChanged = FALSE;
    CAPTIONBUTTONINFO* pOver = nullptr;
    for (CAPTIONBUTTONINFO* pButton : m_listButtons)
    {
        CRect rect = GetButtonRect(pButton);
        if (pButton->bHidden || !rect.PtInRect(point))
        {
            if (pButton->bHot || pButton->bPressed || pButton->bActive)
            {
                pButton->bHot = pButton->bPressed = pButton->bActive = FALSE;
                bChanged = TRUE;
            }
            continue;
        }
        pOver = pButton;
        if (bLeftDown && pButton != m_pPressed)
        {
            if (pButton->bHot || pButton->bPressed || pButton->bActive)
            {
                pButton->bHot = pButton->bPressed = pButton->bActive = FALSE;
                bChanged = TRUE;
            }
            continue;
        }
        if (bLeftDown && !pButton->bPressed)
        {
            pButton->bPressed = TRUE;
            bChanged = TRUE;
        }
        else if (!bLeftDown && pButton->bPressed && !(pButton->nKind == CAPTIONBUTTONINFO::kindOptions && m_pPopup))
        {
            pButton->bPressed = FALSE;
            bChanged = TRUE;
        }
        if (!pButton->bHot)
        {
            pButton->bHot = TRUE;
            bChanged = TRUE;
            ShowButtonTip(point.x, point.y, pButton->nKind);
        }
    }
    if (bChanged)
        RedrawNonClient();
    if (pOver == nullptr && m_wndTip.m_hWnd != nullptr)
        m_wndTip.Pop();
    Default();
}

void CXTMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetFirstBar();
    CDockContext* pContext = GetBarDockContext(pBar);
    const BOOL bMulti = (m_wndDockBar.GetBarStyle() & CBRS_FLOAT_MULTI) != 0;
    const BOOL bSizing = nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST;
    if (m_nCaptionMode == 0 || !IsToolkitControlBar(pBar))
    {
        // Nothing to move: no drag, no resize, no system move loop either.
        if ((nHitTest == HTCAPTION || bSizing) && pContext == nullptr)
            return;
        CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    if (nHitTest == HTCAPTION)
    {
        m_pPressed = nullptr;
        for (CAPTIONBUTTONINFO* pButton : m_listButtons)
        {
            CRect rect = GetButtonRect(pButton);
            if (!pButton->bHidden && rect.PtInRect(point))
            {
                pButton->bPressed = TRUE;
                m_pPressed = pButton;
            }
            else
                pButton->bHot = pButton->bPressed = pButton->bActive = FALSE;
        }
        CAPTIONBUTTONINFO* pOptions = FindButton(CAPTIONBUTTONINFO::kindOptions);
        BOOL bOptionsIdle = pOptions != nullptr && !pOptions->bHot && !pOptions->bPressed && !pOptions->bActive;
        if (bOptionsIdle && m_pPopup != nullptr && ::IsWindow(m_pPopup->m_hWnd))
            m_pPopup->SendMessage(WM_CLOSE);
        if (m_pPressed != nullptr)
        {
            RedrawNonClient();
            return;
        }
        if (pContext == nullptr)
            return;
        if (CWnd* pTop = GetTopLevelParent())
            pTop->SetActiveWindow();
        if (bMulti)
        {
            // Several bars share the frame: the frame itself moves.
            CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
            return;
        }
        HWND hWndBar = pBar->m_hWnd;
        pContext->StartDrag(point);
        if (::IsWindow(hWndBar))
            ::SetFocus(hWndBar);
        return;
    }
    if (bSizing)
    {
        if (pContext == nullptr)
            return;
        if (IsToolkitDockWindow(pBar))
        {
            pContext->StartResize((int)nHitTest, point);
            return;
        }
        CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    Default();
}

void CXTMiniDockFrameWnd::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetFirstBar();
    const BOOL bMulti = (m_wndDockBar.GetBarStyle() & CBRS_FLOAT_MULTI) != 0;
    if (m_nCaptionMode != 0 && IsToolkitControlBar(pBar) && !bMulti && m_pPressed != nullptr)
    {
        CAPTIONBUTTONINFO* pButton = nHitTest == HTCAPTION ? ButtonFromPoint(point) : nullptr;
        if (pButton == m_pPressed && pButton->bPressed)
        {
            if (pButton->nKind == CAPTIONBUTTONINFO::kindClose)
            {
                pButton->bPressed = FALSE;
                m_pPressed = nullptr;
                PostMessage(WM_CLOSE);
            }
            else if (m_pPopup == nullptr)
            {
                CRect rect = GetButtonRect(pButton);
                if (IsFlatCaption())
                {
                    rect.left -= 2;
                    rect.right -= 3;
                    rect.bottom -= 1;
                }
                // The button stays dropped down while the popup is open.
                m_pPopup = OpenOptionsPopup(pButton->pBar, rect);
                if (m_pPopup == nullptr)
                {
                    pButton->bPressed = FALSE;
                    m_pPressed = nullptr;
                }
            }
        }
        else if (m_pPopup == nullptr)
        {
            // Released elsewhere: nothing was clicked.
            m_pPressed->bPressed = FALSE;
            m_pPressed = nullptr;
        }
        RedrawNonClient();
    }
    Default();
}

void CXTMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetFirstBar();
    CDockContext* pContext = GetBarDockContext(pBar);
    if (nHitTest != HTCAPTION)
    {
        Default();
        return;
    }
    if (pContext == nullptr)
        return;
    if (m_nCaptionMode == 0 || !IsToolkitControlBar(pBar))
    {
        CMiniDockFrameWnd::OnNcLButtonDblClk(nHitTest, point);
        return;
    }
    // A double click on a button is two clicks of the button.
    if (ButtonFromPoint(point) != nullptr)
        return;
    if (m_wndDockBar.GetBarStyle() & CBRS_FLOAT_MULTI)
        Default();
    else
        pContext->ToggleDocking();
}

// ---------------------------------------------------------------------------
// Tips, idle time, the popup and customisation

void CXTMiniDockFrameWnd::ShowButtonTip(int x, int y, int nKind)
{
    CControlBar* pBar = GetFirstBar();
    if (pBar == nullptr || !(pBar->GetBarStyle() & CBRS_TOOLTIPS) || m_wndTip.m_hWnd == nullptr)
        return;
    m_wndTip.Pop();
    if (m_wndTip.GetToolCount() > 0)
        m_wndTip.DelTool(this);
    m_wndTip.Activate(FALSE);
    m_wndTip.AddTool(this, nKind == CAPTIONBUTTONINFO::kindClose ? "Close" : "Toolbar Options");
    m_wndTip.Activate(TRUE);
    MSG msg = {};
    msg.hwnd = m_hWnd;
    msg.message = WM_MOUSEMOVE;
    msg.lParam = MAKELPARAM((WORD)(short)x, (WORD)(short)y);
    msg.pt.x = x;
    msg.pt.y = y;
    msg.time = ::GetMessageTime();
    m_wndTip.RelayEvent(&msg);
}

LRESULT CXTMiniDockFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    CMiniDockFrameWnd::OnIdleUpdateCmdUIMessage(wParam, lParam);
    if (m_hWnd == nullptr || m_nCaptionMode == 0 || m_pPopup != nullptr)
        return 0;
    CPoint pt;
    CRect rect;
    GetWindowRect(&rect);
    if (!::GetCursorPos(&pt) || rect.PtInRect(pt))
        return 0;
    // The mouse left without a move over the caption: nothing stays lit.
    BOOL bChanged = FALSE;
    for (CAPTIONBUTTONINFO* pButton : m_listButtons)
    {
        if (!pButton->bActive)
            continue;
        pButton->bHot = pButton->bPressed = pButton->bActive = FALSE;
        bChanged = TRUE;
    }
    if (bChanged)
        RedrawNonClient();
    return 0;
}

LRESULT CXTMiniDockFrameWnd::OnPopupClosed(WPARAM, LPARAM)
{
    for (CAPTIONBUTTONINFO* pButton : m_listButtons)
        if (pButton->bActive || pButton->bPressed)
            pButton->bHot = pButton->bPressed = pButton->bActive = FALSE;
    m_pPopup = nullptr;
    m_pPressed = nullptr;
    RedrawNonClient();
    return 0;
}

void CXTMiniDockFrameWnd::OnCustomize()
{
    CAPTIONBUTTONINFO* pButton = FindButton(CAPTIONBUTTONINFO::kindOptions);
    if (pButton == nullptr)
        return;
    pButton->bHot = pButton->bPressed = pButton->bActive = FALSE;
    RedrawNonClient();
    // The button's bar, while it is still the one floating here.
    if (pButton->pBar != nullptr && pButton->pBar == GetFirstBar())
        pButton->pBar->PostMessage(WM_COMMAND, XT_IDC_CUSTOMIZE);
}
