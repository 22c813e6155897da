#include "toolkit/bars/XTExpMenuWnd.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTMenuShadow.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/controls/XTPopupEdge.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/FrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTExpMenuWnd, CWnd)
IMPLEMENT_DYNAMIC(CXTHiddenButtonsWndHook, CXTWndHook)

// Handler signatures: see CWnd; LRESULT OnX(WPARAM, LPARAM) for ON_MESSAGE.
BEGIN_MESSAGE_MAP(CXTExpMenuWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_ACTIVATE()
    ON_WM_KILLFOCUS()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

// The hidden buttons' bar: floating (no chevron, wraps for a width), tips, prompts.
const DWORD kHiddenBarStyle = 0x50002035;
// The customise entry's bar; with a top border below the hidden buttons.
const DWORD kCustomizeBarStyle = 0x50002034;
const DWORD kCustomizeBarStyleBorder = 0x50002234;
// Rows of the popup wrap at six buttons, wide buttons at this width.
const int kWideButtonWrap = 250;
const int kWideButton = 41;

// The flat look's frame lines: the popup's border, and where it meets the chevron.
COLORREF BorderColor()
{
    return xtAfxData.m_clr3DShadow;
}

} // namespace

CXTExpMenuWnd::CXTExpMenuWnd(CWnd* pNotifyWnd, UINT nNotifyMessage)
    : m_hook(this), m_pOwnerBar(nullptr), m_nNotifyMessage(nNotifyMessage), m_pNotifyWnd(pNotifyWnd),
      m_bClosing(FALSE)
{
}

CXTExpMenuWnd::~CXTExpMenuWnd()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

CWnd* CXTExpMenuWnd::GetCommandTarget() const
{
    // The owner bar's commands go to its owner (its frame), and so do the copies'.
    return m_pOwnerBar != nullptr ? m_pOwnerBar->GetOwner() : nullptr;
}

BOOL CXTExpMenuWnd::ShowPopup(const CRect& rcChevron, CXTToolBar* pOwnerBar)
{
    m_pOwnerBar = pOwnerBar;
    m_rcChevron = rcChevron;
    LPCSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS | CS_CLASSDC | CS_HREDRAW | CS_VREDRAW,
                                           ::LoadCursor(nullptr, IDC_ARROW));
    if (!CreateEx(0, lpszClass, "", WS_POPUP | WS_DLGFRAME, CRect(0, 0, 0, 0), pOwnerBar, 0))
        return FALSE;

    CSize sizeButton = pOwnerBar->GetButtonSize();
    DWORD dwSize = (DWORD)pOwnerBar->SendMessage(TB_GETBUTTONSIZE);
    if (LOWORD(dwSize) != 0)
        sizeButton.cx = LOWORD(dwSize);
    const int nWrap = sizeButton.cx > kWideButton ? kWideButtonWrap : 6 * sizeButton.cx;
    pOwnerBar->CopyHiddenButtonsTo(&m_wndHidden, nWrap);
    // The rows themselves wrap at the width: the bar adds its insets.
    CRect rcInside(0, 0, 0, 0);
    m_wndHidden.CalcInsideRect(rcInside, TRUE);
    const int nLength = nWrap - rcInside.Width();
    CSize size(0, 0);
    if (m_wndHidden.GetCount() > 0)
        size = m_wndHidden.CalcDynamicLayout(nLength, LM_HORZ);
    if (m_wndCustomize.m_hWnd != nullptr)
    {
        CSize sizeEntry = m_wndCustomize.CalcDynamicLayout(nLength, LM_HORZ);
        size.cx = std::max<int>(size.cx, sizeEntry.cx);
        size.cy += sizeEntry.cy;
        m_wndCustomize.SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(0, ::GetSystemMetrics(SM_CYMENU)));
        m_wndCustomize.SendMessage(TB_SETBUTTONWIDTH, 0, MAKELPARAM(size.cx, size.cx));
    }
    // The frame around the client.
    NCCALCSIZE_PARAMS params = {};
    params.rgrc[0] = CRect(0, 0, 100, 100);
    SendMessage(WM_NCCALCSIZE, FALSE, (LPARAM)&params);
    size.cx += 100 - (params.rgrc[0].right - params.rgrc[0].left);
    size.cy += 100 - (params.rgrc[0].bottom - params.rgrc[0].top);

    if (CWnd* pTarget = GetCommandTarget())
        if (CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(pTarget))
            m_wndHidden.OnUpdateCmdUI(pFrame, TRUE);
    SetFont(&xtAfxData.m_fontNormal, FALSE);

    int x, y;
    if (pOwnerBar->IsBottomDocked())
    {
        x = rcChevron.right - size.cx - 1;
        y = rcChevron.top - size.cy - 2;
    }
    else if (pOwnerBar->IsRightDocked())
    {
        x = rcChevron.left - size.cx - 1;
        y = rcChevron.bottom - size.cy - 2;
    }
    else if (pOwnerBar->IsLeftDocked())
    {
        x = rcChevron.right;
        y = rcChevron.bottom - size.cy - 2;
    }
    else
    {
        x = rcChevron.right - size.cx - 1;
        y = rcChevron.bottom;
    }
    // A popup at the screen's edge stays on it.
    CRect rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    x = std::max<int>(rcWork.left, std::min<int>(x, rcWork.right - size.cx - 2));
    y = std::max<int>(rcWork.top, std::min<int>(y, rcWork.bottom - size.cy - 3));
    ::SetWindowPos(m_hWnd, HWND_TOP, x, y, size.cx + 2, size.cy + 3, SWP_SHOWWINDOW);
    return TRUE;
}

void CXTExpMenuWnd::Close()
{
    if (m_bClosing || m_hWnd == nullptr)
        return;
    m_bClosing = TRUE;
    DestroyWindow();
}

int CXTExpMenuWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (CWnd* pTarget = GetCommandTarget())
        m_hook.HookWindow(pTarget->m_hWnd);
    if (xtAfxData.m_bFlatLook)
    {
        ModifyStyle(WS_CAPTION | WS_THICKFRAME, 0);
        ModifyStyleEx(WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME, 0, SWP_FRAMECHANGED);
        if (xtAfxData.m_bMenuDropShadows)
            new CXTMenuShadow(m_hWnd, FALSE, TRUE);
    }
    const DWORD dwOwnerStyle = (DWORD)m_pOwnerBar->GetStyle() & (TBSTYLE_FLAT | TBSTYLE_LIST);
    // The bars are no bars of the frame: the frame's list and its look-up by id stay as they were.
    auto leaveFrame = [](CXTToolBar& bar) {
        if (bar.m_pDockSite != nullptr)
            bar.m_pDockSite->RemoveControlBar(&bar);
        bar.m_pDockSite = nullptr;
    };
    m_wndHidden.SetOwnerBar(m_pOwnerBar);
    if (!m_wndHidden.CreateEx(this, dwOwnerStyle, kHiddenBarStyle, CRect(0, 0, 0, 0), 0xE800))
        return 0;
    leaveFrame(m_wndHidden);
    m_wndHidden.SetSizes(m_pOwnerBar->GetButtonSize(), m_pOwnerBar->GetImageSize());
    m_wndHidden.SendMessage(TB_SETEXTENDEDSTYLE, 0, m_pOwnerBar->SendMessage(TB_GETEXTENDEDSTYLE));
    m_wndHidden.SetOwner(GetCommandTarget());
    if (m_pOwnerBar->IsCustomizable())
    {
        const DWORD dwStyle = m_pOwnerBar->HasHiddenButtons() ? kCustomizeBarStyleBorder : kCustomizeBarStyle;
        if (!m_wndCustomize.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_LIST, dwStyle, CRect(0, 0, 0, 0), 0xE800))
            return 0;
        leaveFrame(m_wndCustomize);
        const UINT nCustomize = XT_IDC_CUSTOMIZE;
        m_wndCustomize.SetButtons(&nCustomize, 1);
        m_wndCustomize.SetButtonText(0, LoadToolkitString(XT_IDS_CUSTOMIZE, "Customize..."));
        m_wndCustomize.PostRelayout();
    }
    return 0;
}

void CXTExpMenuWnd::OnDestroy()
{
    m_bClosing = TRUE;
    m_hook.HookWindow((HWND)nullptr);
    // The controls on the copies are the owner's: they go back, hidden.
    if (m_wndHidden.m_hWnd != nullptr && m_pOwnerBar != nullptr && m_pOwnerBar->m_hWnd != nullptr)
    {
        for (HWND hChild = ::GetWindow(m_wndHidden.m_hWnd, GW_CHILD); hChild != nullptr;)
        {
            HWND hNext = ::GetWindow(hChild, GW_HWNDNEXT);
            if (::GetDlgCtrlID(hChild) != XT_IDC_CUSTOMIZE)
            {
                ::ShowWindow(hChild, SW_HIDE);
                ::SetParent(hChild, m_pOwnerBar->m_hWnd);
            }
            hChild = hNext;
        }
    }
    if (m_pNotifyWnd != nullptr && m_pNotifyWnd->m_hWnd != nullptr && m_nNotifyMessage != 0)
        m_pNotifyWnd->SendMessage(m_nNotifyMessage, 0, 0);
    CWnd::OnDestroy();
}

void CXTExpMenuWnd::PostNcDestroy()
{
    // Made with new by whoever opened it; gone with its window.
    delete this;
}

void CXTExpMenuWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CWnd::OnWindowPosChanged(lpwndpos);
    if (lpwndpos->cx <= 0 || lpwndpos->cy <= 0)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int cxClient = rcClient.Width();
    int cyHidden = 0;
    if (m_wndHidden.m_hWnd != nullptr && m_wndHidden.GetCount() > 0)
    {
        CSize size = m_wndHidden.CalcDynamicLayout(cxClient, LM_HORZ | LM_COMMIT);
        m_wndHidden.SetWindowPos(nullptr, 1, 1, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        cyHidden = size.cy;
    }
    if (m_wndCustomize.m_hWnd != nullptr)
    {
        CSize size = m_wndCustomize.CalcDynamicLayout(cxClient, LM_HORZ | LM_COMMIT);
        const int y = cyHidden < 4 ? 1 : cyHidden + 2;
        m_wndCustomize.SetWindowPos(nullptr, 1, y, cxClient - 2, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CXTExpMenuWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE)
        Close();
}

BOOL CXTExpMenuWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == XT_IDC_CUSTOMIZE)
    {
        if (m_pNotifyWnd != nullptr && m_pNotifyWnd->m_hWnd != nullptr)
            m_pNotifyWnd->PostMessage(WM_COMMAND, XT_IDC_CUSTOMIZE);
        Close();
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void CXTExpMenuWnd::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    if (pNewWnd != this && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CXTExpMenuWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (!xtAfxData.m_bFlatLook)
    {
        CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
        return;
    }
    ::InflateRect(&lpncsp->rgrc[0], -1, -1);
}

void CXTExpMenuWnd::OnNcPaint()
{
    if (!xtAfxData.m_bFlatLook)
    {
        Default();
        return;
    }
    // Where the popup meets the chevron, the line takes the popup's colour.
    DrawJoinedPopupFrame(this, m_rcChevron, BorderColor(), CXTHiddenButtonsToolbar::GetPopupColor());
}

BOOL CXTExpMenuWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, CXTHiddenButtonsToolbar::GetPopupColor());
    return TRUE;
}

// ---------------------------------------------------------------------------
// The command target's hook

LRESULT CXTHiddenButtonsWndHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_NCACTIVATE:
        // The popup has the activation; the frame keeps its active caption.
        return CXTWndHook::WindowProc(message, TRUE, lParam);
    case WM_COMMAND:
    {
        // A control of the popup's bar talks to its own handler; a button's
        // command closes the popup first and arrives afterwards.
        HWND hFrom = (HWND)lParam;
        CXTHiddenButtonsToolbar& bar = m_pPopup->GetHiddenBar();
        BOOL bControl = hFrom != nullptr && bar.m_hWnd != nullptr && hFrom != bar.m_hWnd &&
                        ::IsChild(bar.m_hWnd, hFrom);
        if (bControl || m_pPopup->IsClosing())
            break;
        HWND hWnd = m_hWnd;
        ::PostMessageA(hWnd, WM_COMMAND, wParam, 0);
        m_pPopup->Close();
        return 0;
    }
    case XTWM_TOOLBAR_COLORCLOSE:
        if (m_pPopup->m_hWnd != nullptr)
            m_pPopup->PostMessage(WM_CLOSE);
        break;
    default:
        break;
    }
    return CXTWndHook::WindowProc(message, wParam, lParam);
}
