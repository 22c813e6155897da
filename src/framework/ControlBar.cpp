#include "framework/ControlBar.h"

#include "framework/ControlBarInfo.h"

#include "framework/BarLayout.h"
#include "framework/CmdUI.h"
#include "framework/DockBar.h"
#include "framework/DockContext.h"
#include "framework/FrameWnd.h"
#include "framework/PaintDC.h"
#include "framework/ToolTipCtrl.h"
#include "framework/WindowDC.h"

#include <climits>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

namespace {

// The one-pixel lines of the CBRS_BORDER_... sides.
void DeflateByBorderLines(CRect& rect, DWORD dwStyle)
{
    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left += 1;
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top += 1;
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= 1;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= 1;
}

// The tool the thread's tool tip shows now.
struct ThreadTipState
{
    HWND hWndTool = nullptr;   // the bar whose tool it is
    UINT_PTR uIdTool = 0;
    INT_PTR nLastHit = -1;
    HWND hWndLastHit = nullptr;
};

ThreadTipState& TipState()
{
    thread_local ThreadTipState state;
    return state;
}

void RemoveThreadTool(CToolTipCtrl* pTip)
{
    ThreadTipState& state = TipState();
    if (state.hWndTool != nullptr && pTip != nullptr)
    {
        TOOLINFOA ti = {};
        ti.cbSize = sizeof(ti);
        ti.hwnd = state.hWndTool;
        ti.uId = state.uIdTool;
        pTip->SendMessage(TTM_DELTOOLA, 0, (LPARAM)&ti);
    }
    state.hWndTool = nullptr;
    state.uIdTool = 0;
}

} // namespace

CToolTipCtrl* AfxGetThreadToolTip()
{
    thread_local CToolTipCtrl* pTip = nullptr;
    if (pTip != nullptr && !::IsWindow(pTip->m_hWnd))
    {
        // Its window went (destroyed with the windows of the thread): a new one.
        pTip->m_hWnd = nullptr;
        delete pTip;
        pTip = nullptr;
        TipState() = ThreadTipState();
    }
    if (pTip == nullptr)
    {
        pTip = new CToolTipCtrl;
        if (!pTip->Create(nullptr, TTS_ALWAYSTIP))
        {
            delete pTip;
            pTip = nullptr;
            return nullptr;
        }
        pTip->SetMaxTipWidth(SHRT_MAX);
    }
    return pTip;
}

// void OnPaint() and the others: see CWnd.
BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUIMessage)
END_MESSAGE_MAP()

CControlBar::CControlBar()
    : m_bAutoDelete(FALSE), m_cxLeftBorder(6), m_cxRightBorder(6), m_cyTopBorder(1), m_cyBottomBorder(1),
      m_cxDefaultGap(2), m_nMRUWidth(32767), m_nCount(0), m_pData(nullptr), m_nStateFlags(0), m_dwStyle(0),
      m_dwStyleEx(0), m_dwDockStyle(0), m_pDockSite(nullptr), m_pDockBar(nullptr), m_pDockContext(nullptr),
      m_bDockBar(FALSE), m_bOverControl(FALSE)
{
}

CControlBar::~CControlBar()
{
    // The window goes first: its destruction takes the bar out of its frame's lists.
    if (m_hWnd != nullptr)
        DestroyWindow();
    delete m_pDockContext;
}

BOOL CControlBar::CreateBar(LPCSTR lpszClassName, DWORD dwStyle, DWORD dwBarStyle, CWnd* pParentWnd, UINT nID,
                            DWORD dwExStyle)
{
    m_dwStyle = dwBarStyle & CBRS_ALL;
    // The frame of a bar made in a frame's dock bar is that frame; a bar
    // told its frame beforehand (a floating frame's dock bar) keeps it.
    if (m_pDockSite == nullptr)
        m_pDockSite = dynamic_cast<CFrameWnd*>(pParentWnd);
    if (m_pDockSite == nullptr && pParentWnd != nullptr)
        m_pDockSite = pParentWnd->GetParentFrame();
    CRect rect(0, 0, 0, 0);
    return CWnd::CreateEx(dwExStyle, lpszClassName, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

int CControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (m_pDockSite != nullptr)
        m_pDockSite->AddControlBar(this);
    return 0;
}

void CControlBar::OnDestroy()
{
    // The thread's tip forgets this bar's tool.
    ThreadTipState& state = TipState();
    if (state.hWndTool == m_hWnd)
        RemoveThreadTool(AfxGetThreadToolTip());
    if (state.hWndLastHit == m_hWnd)
    {
        state.hWndLastHit = nullptr;
        state.nLastHit = -1;
    }
    if (m_pDockSite != nullptr)
        m_pDockSite->RemoveControlBar(this);
    if (m_pDockBar != nullptr)
        m_pDockBar->RemoveControlBar(this);
    CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    DWORD dwOld = m_dwStyle;
    m_dwStyle = dwStyle & CBRS_ALL;
    if (dwOld != m_dwStyle)
        OnBarStyleChange(dwOld, m_dwStyle);
}

BOOL CControlBar::ModifyBarStyleEx(DWORD dwRemove, DWORD dwAdd)
{
    DWORD dwNew = (m_dwStyleEx & ~dwRemove) | dwAdd;
    if (dwNew == m_dwStyleEx)
        return FALSE;
    m_dwStyleEx = dwNew;
    return TRUE;
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != nullptr ? pFrame : m_pDockSite;
}

BOOL CControlBar::IsFloating() const
{
    return (m_dwStyle & CBRS_FLOATING) != 0;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) || (GetStyle() & WS_VISIBLE);
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == nullptr)
        m_pDockContext = new CDockContext(this);
    if (m_hWndOwner == nullptr && m_pDockSite != nullptr)
        SetOwner(m_pDockSite);
}

void CControlBar::OnLButtonDown(UINT, CPoint point)
{
    // A press on a tool belongs to the tool (the control handles it).
    if (m_pDockContext != nullptr && OnToolHitTest(point, nullptr) == -1)
    {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    Default();
}

void CControlBar::OnLButtonDblClk(UINT, CPoint point)
{
    if (m_pDockContext != nullptr && OnToolHitTest(point, nullptr) == -1)
    {
        m_pDockContext->ToggleDocking();
        return;
    }
    Default();
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

void CControlBar::ApplyDelayedShow()
{
    if (m_nStateFlags & delayShow)
        ShowWindow(SW_SHOWNOACTIVATE);
    else if (m_nStateFlags & delayHide)
        ShowWindow(SW_HIDE);
    m_nStateFlags &= ~(delayHide | delayShow);
}

BOOL CControlBar::SetStatusText(INT_PTR nHit)
{
    CWnd* pOwner = GetOwner();
    if (!(m_dwStyle & CBRS_FLYBY) || pOwner == nullptr)
        return FALSE;
    if (nHit == -1)
    {
        if (m_nStateFlags & statusSet)
            pOwner->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        m_nStateFlags &= ~statusSet;
    }
    else
    {
        pOwner->SendMessage(WM_SETMESSAGESTRING, (WPARAM)nHit);
        m_nStateFlags |= statusSet;
    }
    return TRUE;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size;
    size.cx = (bStretch && bHorz) ? 32767 : 0;
    size.cy = (bStretch && !bHorz) ? 32767 : 0;
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    DWORD dwStyle = m_dwStyle;
    DeflateByBorderLines(rect, dwStyle);
    // The borders run along the bar; the gripper sits at its start.
    if (bHorz)
    {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
        if ((dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER)
            rect.left += 8;
    }
    else
    {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
        if ((dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER)
            rect.top += 8;
    }
}

void CControlBar::OnBarStyleChange(DWORD, DWORD)
{
}

void CControlBar::GetBarInfo(CControlBarInfo* pInfo)
{
    pInfo->m_pBar = this;
    pInfo->m_nBarID = (UINT)GetDlgCtrlID();
    pInfo->m_bVisible = IsVisible();
    pInfo->m_nMRUWidth = m_nMRUWidth;
    // Where it stands in its dock bar.
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rect);
    pInfo->m_pointPos = rect.TopLeft();
    pInfo->m_bDocking = m_pDockContext != nullptr;
    if (m_pDockContext != nullptr)
    {
        pInfo->m_uMRUDockID = m_pDockContext->m_uMRUDockID;
        pInfo->m_rectMRUDockPos = m_pDockContext->m_rectMRUDockPos;
        pInfo->m_dwMRUFloatStyle = m_pDockContext->m_dwMRUFloatStyle;
        pInfo->m_ptMRUFloatPos = m_pDockContext->m_ptMRUFloatPos;
    }
}

void CControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd*)
{
    UINT nFlags = SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER | (pInfo->m_bVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (pInfo->m_pointPos.x == -1 && pInfo->m_pointPos.y == -1)
        nFlags |= SWP_NOMOVE;
    m_nStateFlags &= ~(delayHide | delayShow);
    SetWindowPos(nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0, nFlags);
    m_nMRUWidth = pInfo->m_nMRUWidth;
    if (m_pDockContext != nullptr && pInfo->m_bDocking)
    {
        m_pDockContext->m_uMRUDockID = pInfo->m_uMRUDockID;
        m_pDockContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
        m_pDockContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle;
        m_pDockContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
    }
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    DWORD dwStyle = m_dwStyle;
    if (!(dwStyle & CBRS_BORDER_ANY))
        return;
    HBRUSH hShadow = ::GetSysColorBrush(COLOR_BTNSHADOW);
    HBRUSH hHilite = ::GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    HDC hDC = pDC->m_hDC;
    CRect r = rect;
    if (dwStyle & CBRS_BORDER_TOP)
        ::FillRect(hDC, CRect(r.left, r.top, r.right, r.top + 1), hShadow);
    if (dwStyle & CBRS_BORDER_LEFT)
        ::FillRect(hDC, CRect(r.left, r.top, r.left + 1, r.bottom), hShadow);
    if (dwStyle & CBRS_BORDER_BOTTOM)
        ::FillRect(hDC, CRect(r.left, r.bottom - 1, r.right, r.bottom), hShadow);
    if (dwStyle & CBRS_BORDER_RIGHT)
        ::FillRect(hDC, CRect(r.right - 1, r.top, r.right, r.bottom), hShadow);
    if ((dwStyle & CBRS_BORDER_3D) && r.Width() > 2 && r.Height() > 2)
        ::FillRect(hDC, CRect(r.left + 1, r.top + 1, r.right - 1, r.top + 2), hHilite);
    DeflateByBorderLines(rect, dwStyle);
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) != CBRS_GRIPPER)
        return;
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    CRect r;
    if (m_dwStyle & CBRS_ORIENT_HORZ)
        r.SetRect(rect.left + m_cyTopBorder, rect.top + m_cyTopBorder, rect.left + m_cyTopBorder + 3,
                  rect.bottom - m_cyBottomBorder);
    else
        r.SetRect(rect.left + m_cyTopBorder, rect.top + m_cyTopBorder, rect.right - m_cyBottomBorder,
                  rect.top + m_cyTopBorder + 3);
    pDC->Draw3dRect(&r, clrHilite, clrShadow);
}

void CControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
    DrawGripper(pDC, rect);
}

void CControlBar::OnPaint()
{
    // A bar over a common control lets the control paint.
    if (m_bOverControl)
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    DoPaint(&dc);
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC)
{
    if (m_bOverControl)
        return (BOOL)Default();
    CRect rect;
    GetClientRect(&rect);
    ::FillRect(pDC->m_hDC, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    DWORD dwStyle = GetStyle();
    // A pending show or hide takes effect with the layout.
    BOOL bVisible = IsVisible();
    if (m_nStateFlags & (delayHide | delayShow))
    {
        dwStyle = bVisible ? (dwStyle | WS_VISIBLE) : (dwStyle & ~WS_VISIBLE);
        ApplyDelayedShow();
    }
    if (!(dwStyle & WS_VISIBLE) || !(m_dwStyle & CBRS_ALIGN_ANY))
        return 0;
    CRect rectLayout(lpLayout->rect);
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CSize size = CalcFixedLayout(lpLayout->bStretch, bHorz);
    CRect rect = AfxTakeBarRoom(rectLayout, size, m_dwStyle & CBRS_ALIGN_ANY);
    lpLayout->rect = rectLayout;
    lpLayout->sizeTotal.cx += bHorz ? 0 : rect.Width();
    lpLayout->sizeTotal.cy += bHorz ? rect.Height() : 0;
    if (lpLayout->hDWP != nullptr)
        AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM)
{
    // A show or hide the layout did not apply yet is applied now.
    if (m_nStateFlags & (delayHide | delayShow))
    {
        ApplyDelayedShow();
        if (CFrameWnd* pFrame = GetDockingFrame())
            pFrame->DelayRecalcLayout();
    }
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    // The owner is the target (the parent when none was set).
    CWnd* pTarget = GetOwner();
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(pTarget);
    if (pFrame == nullptr && pTarget != nullptr)
        pFrame = pTarget->GetParentFrame();
    if (pFrame != nullptr)
        OnUpdateCmdUI(pFrame, (BOOL)wParam);
    return 0;
}

BOOL CControlBar::PreTranslateMessage(MSG* pMsg)
{
    // A common control shows its own tips.
    if (!m_bOverControl && (m_dwStyle & (CBRS_TOOLTIPS | CBRS_FLYBY)))
    {
        if ((pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST) || pMsg->message == WM_NCMOUSEMOVE)
            FilterToolTipMessage(pMsg);
        else if (pMsg->message == WM_MOUSELEAVE && pMsg->hwnd == m_hWnd)
        {
            // Out of the bar: no tool any more.
            MSG msg = *pMsg;
            msg.message = WM_NCMOUSEMOVE;
            FilterToolTipMessage(&msg);
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CControlBar::FilterToolTipMessage(MSG* pMsg)
{
    // The point in this bar's client area (the message may be a child's).
    CPoint pt((int)(short)LOWORD(pMsg->lParam), (int)(short)HIWORD(pMsg->lParam));
    if (pMsg->message == WM_NCMOUSEMOVE)
        ScreenToClient(&pt);
    else if (pMsg->hwnd != m_hWnd)
        ::MapWindowPoints(pMsg->hwnd, m_hWnd, &pt, 1);
    CRect rectClient;
    GetClientRect(&rectClient);
    TOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    INT_PTR nHit = -1;
    if (rectClient.PtInRect(pt) && pMsg->message != WM_NCMOUSEMOVE && IsWindowEnabled())
        nHit = OnToolHitTest(pt, &ti);
    ThreadTipState& state = TipState();
    BOOL bChanged = nHit != state.nLastHit || m_hWnd != state.hWndLastHit;
    LPSTR lpszHeapText = (ti.lpszText != LPSTR_TEXTCALLBACKA) ? ti.lpszText : nullptr;

    if (bChanged && state.hWndLastHit != m_hWnd && state.nLastHit != -1)
    {
        // The prompt of the bar the mouse came from goes first.
        if (CControlBar* pLast = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(state.hWndLastHit)))
            pLast->SetStatusText(-1);
    }
    if (bChanged && (m_dwStyle & CBRS_FLYBY))
        SetStatusText(nHit);
    CToolTipCtrl* pTip = (m_dwStyle & CBRS_TOOLTIPS) ? AfxGetThreadToolTip() : nullptr;
    if (pTip != nullptr)
    {
        if (bChanged)
        {
            RemoveThreadTool(pTip);
            if (nHit != -1)
            {
                if (ti.hwnd == nullptr)
                    ti.hwnd = m_hWnd;
                if (ti.uId == 0)
                    ti.uId = (UINT_PTR)nHit;
                if (ti.lpszText == nullptr)
                    ti.lpszText = LPSTR_TEXTCALLBACKA;
                if (::IsRectEmpty(&ti.rect) && !(ti.uFlags & TTF_IDISHWND))
                    ti.rect = rectClient;
                pTip->SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
                state.hWndTool = ti.hwnd;
                state.uIdTool = ti.uId;
                pTip->Activate(TRUE);
            }
            else
                pTip->Activate(FALSE);
        }
        if (nHit != -1)
        {
            // The tip times its showing from the mouse messages of the tool's window.
            MSG msg = *pMsg;
            msg.hwnd = m_hWnd;
            msg.lParam = MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y);
            pTip->RelayEvent(&msg);
        }
    }
    // Told when the mouse leaves the bar, to take the tool and prompt back.
    if (bChanged && nHit != -1)
    {
        TRACKMOUSEEVENT tme = { sizeof(tme), TME_LEAVE, m_hWnd, 0 };
        ::TrackMouseEvent(&tme);
    }
    // The control copied the text.
    if (lpszHeapText != nullptr)
        free(lpszHeapText);
    state.nLastHit = nHit;
    state.hWndLastHit = m_hWnd;
}

LRESULT CControlBar::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    {
        // A bar over a common control leaves the rest to the control.
        if (m_bOverControl)
            return CWnd::WindowProc(nMsg, wParam, lParam);
        // The control that sent it and this bar's map first, then the owner.
        LRESULT lResult = 0;
        if (OnWndMsg(nMsg, wParam, lParam, &lResult))
            return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner != nullptr && pOwner->m_hWnd != m_hWnd)
            return pOwner->SendMessage(nMsg, wParam, lParam);
        return DefWindowProc(nMsg, wParam, lParam);
    }
    default:
        return CWnd::WindowProc(nMsg, wParam, lParam);
    }
}

void CControlBar::CalcInsideNcRect(NCCALCSIZE_PARAMS* lpncsp) const
{
    CRect rect(lpncsp->rgrc[0]);
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    lpncsp->rgrc[0] = rect;
}
