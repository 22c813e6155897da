#include "toolkit/frame/XTDockContext.h"

#include "toolkit/frame/XTControlBar.h"
#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTDockWindow.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMiniDockFrameWnd.h"

#include "framework/ControlBar.h"
#include "framework/DC.h"
#include "framework/DockBar.h"
#include "framework/FrameWnd.h"
#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "framework/DragFeedback.h"
#include "framework/MiniDockFrameWnd.h"
#include "framework/WinApp.h"

#include <algorithm>

namespace {

BOOL IsHorz(DWORD dwStyle) { return (dwStyle & CBRS_ORIENT_HORZ) != 0; }
BOOL IsVert(DWORD dwStyle) { return (dwStyle & CBRS_ORIENT_VERT) != 0; }

BOOL IsAlive(CWnd* pWnd)
{
    return pWnd != nullptr && pWnd->m_hWnd != nullptr && ::IsWindow(pWnd->m_hWnd);
}

} // namespace

CXTDockContext::CXTDockContext(CControlBar* pBar)
    : CDockContext(pBar), m_ptStart(0, 0), m_bLive(FALSE), m_bDone(TRUE), m_bInLoop(FALSE), m_nCallbackSeq(0),
      m_pDockBarOver(nullptr), m_uSavedMRUDockID(0), m_rectSavedMRUDockPos(0, 0, 0, 0), m_dwSavedMRUFloatStyle(0),
      m_ptSavedMRUFloatPos(-1, -1), m_bWasFloating(FALSE), m_pSavedDockSite(nullptr), m_pSavedDockBar(nullptr),
      m_rectSavedBar(0, 0, 0, 0), m_ptSavedFloat(0, 0), m_dwSavedFloatStyle(0), m_bOutlineLast(FALSE)
{
    for (CALLBACKSLOT& slot : m_callbacks)
        slot = CALLBACKSLOT{ nullptr, nullptr, 0 };
}

CXTDockContext::~CXTDockContext() = default;

// ---------------------------------------------------------------------------
// Listeners

int CXTDockContext::AddCallback(CObject* pObject, XT_DOCKCALLBACK pfn)
{
    for (int i = 0; i < maxCallbacks; ++i)
    {
        if (m_callbacks[i].nSeq != 0)
            continue;
        m_callbacks[i] = CALLBACKSLOT{ pObject, pfn, ++m_nCallbackSeq };
        return i;
    }
    return -1;
}

void CXTDockContext::RemoveCallback(CObject* pObject)
{
    for (CALLBACKSLOT& slot : m_callbacks)
        if (slot.nSeq != 0 && slot.pObject == pObject)
            slot = CALLBACKSLOT{ nullptr, nullptr, 0 };
}

void CXTDockContext::RunCallbacks()
{
    // A listener may remove itself (or others) while it is told.
    CALLBACKSLOT slots[maxCallbacks];
    std::copy(std::begin(m_callbacks), std::end(m_callbacks), slots);
    for (const CALLBACKSLOT& slot : slots)
        if (slot.nSeq != 0 && slot.pObject != nullptr && slot.pfn != nullptr)
            (slot.pObject->*slot.pfn)(this);
}

// ---------------------------------------------------------------------------
// The loop

void CXTDockContext::InitLoop()
{
    m_bLive = xtAfxData.m_bShowBarWhileDragging && m_pBar->SendMessage(XTWM_FULLWINDOWDRAG) != 0;
    m_pDockBarOver = nullptr;
    m_arrDelayLayout.clear();
    if (!m_bLive)
    {
        CDockContext::InitLoop();
        m_bOutlineLast = FALSE;
        return;
    }
    // The bar itself is the feedback: no screen DC, nothing drawn.
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bDitherLast = FALSE;
    m_bOutlineLast = FALSE;
    m_bFlip = FALSE;
    m_bForceFrame = FALSE;
    m_bCancelled = FALSE;
    m_dwOverDockStyle = 0;
    m_dwStyle = m_pBar->GetBarStyle() & CBRS_ALIGN_ANY;
    if (m_dwStyle == 0)
        m_dwStyle = CBRS_ALIGN_TOP;
    if (m_pBar->m_pDockSite != nullptr)
        m_pDockSite = m_pBar->m_pDockSite;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
}

void CXTDockContext::CancelLoop()
{
    if (m_bLive)
    {
        if (::GetCapture() == m_pBar->m_hWnd)
            ::ReleaseCapture();
        return;
    }
    CDockContext::CancelLoop();
}

void CXTDockContext::MarkDelayLayout(CFrameWnd* pFrame)
{
    if (pFrame == nullptr)
        return;
    pFrame->DelayRecalcLayout();
    if (std::find(m_arrDelayLayout.begin(), m_arrDelayLayout.end(), pFrame) == m_arrDelayLayout.end())
        m_arrDelayLayout.push_back(pFrame);
}

void CXTDockContext::LayoutDelayed()
{
    std::vector<CFrameWnd*> frames;
    frames.push_back(m_pDockSite);
    frames.insert(frames.end(), m_arrDelayLayout.begin(), m_arrDelayLayout.end());
    m_arrDelayLayout.clear();
    for (CFrameWnd* pFrame : frames)
    {
        if (!IsAlive(pFrame) || !(pFrame->m_nIdleFlags & CFrameWnd::idleLayout))
            continue;
        pFrame->m_nIdleFlags &= ~CFrameWnd::idleLayout;
        pFrame->RecalcLayout();
    }
}

CPoint CXTDockContext::LoopPoint(const MSG& msg) const
{
    // A bar that moves itself has moved since the message was queued: its
    // client point would be converted with the wrong position.
    return m_bLive ? CPoint(msg.pt) : AfxMessageScreenPoint(msg);
}

BOOL CXTDockContext::Track()
{
    HWND hWndBar = m_pBar->m_hWnd;
    HWND hWndFocus = ::GetFocus();
    ::SetFocus(hWndBar);
    m_bInLoop = TRUE;
    m_bDone = FALSE;
    BOOL bCompleted = FALSE;
    BOOL bEnded = FALSE;

    // Somebody else holds the mouse: no drag.
    if (::GetCapture() == nullptr)
    {
        ::SetCapture(hWndBar);
        while (!bEnded && ::GetCapture() == hWndBar)
        {
            // What needs painting first, so that the feedback is drawn over it.
            MSG msg;
            for (int i = 0; i < 64 && ::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
                ::DispatchMessageA(&msg);
            if (!::GetMessageA(&msg, nullptr, 0, 0))
            {
                ::PostQuitMessage((int)msg.wParam);
                break;
            }
            // A bar that moves itself: its frame does not repaint half-way.
            BOOL bLocked = FALSE;
            if (m_bLive && IsAlive(m_pDockSite) && m_pBar->m_pDockBar != nullptr &&
                !m_pBar->m_pDockBar->m_bFloating)
                bLocked = ::LockWindowUpdate(m_pDockSite->m_hWnd);

            switch (msg.message)
            {
            case WM_MOUSEMOVE:
            {
                if (!(msg.wParam & MK_LBUTTON))
                {
                    // The button went up where we did not see it.
                    bEnded = TRUE;
                    break;
                }
                CPoint pt = LoopPoint(msg);
                if (pt == m_ptLast)
                    break;
                if (m_bDragging)
                    Move(pt);
                else
                    Stretch(pt);
                // A bar moving itself into another parent may lose the
                // capture on the way (hidden and shown again): that ends nothing.
                if (m_bLive && ::GetCapture() == nullptr && ::IsWindow(hWndBar))
                    ::SetCapture(hWndBar);
                break;
            }
            case WM_KEYDOWN:
            case WM_KEYUP:
                if (msg.wParam == VK_ESCAPE && msg.message == WM_KEYDOWN)
                {
                    bEnded = TRUE;
                    break;
                }
                if (m_bDragging && msg.wParam == VK_CONTROL)
                    UpdateState(&m_bForceFrame, msg.message == WM_KEYDOWN);
                else if (m_bDragging && msg.wParam == VK_SHIFT)
                    UpdateState(&m_bFlip, msg.message == WM_KEYDOWN);
                break;
            case WM_LBUTTONUP:
            {
                // A busy program may see the button come up where it saw no
                // move (the last moves folded into the release): the bar ends
                // where the mouse is, not where the last move left it.
                const CPoint pt = LoopPoint(msg);
                if (m_bDragging)
                {
                    // A floating bar's caption clicked without a move: its frame
                    // stays as it is, so a double click still finds it.
                    if (!m_bWasFloating || pt != m_ptStart)
                    {
                        if (pt != m_ptLast)
                            Move(pt);
                        EndDrag();
                    }
                }
                else
                {
                    if (pt != m_ptLast)
                        Stretch(pt);
                    EndResize();
                }
                bCompleted = TRUE;
                bEnded = TRUE;
                break;
            }
            case WM_RBUTTONDOWN:
                bEnded = TRUE;
                break;
            default:
                ::DispatchMessageA(&msg);
                break;
            }
            if (bLocked)
                ::LockWindowUpdate(nullptr);
            LayoutDelayed();
        }
    }

    m_bCancelled = !bCompleted;
    RunCallbacks();
    CancelLoop();
    if (IsAlive(m_pDockSite))
        m_pDockSite->RecalcLayout();
    m_bInLoop = FALSE;
    m_bDone = TRUE;
    if (hWndFocus != nullptr && ::IsWindow(hWndFocus))
        ::SetFocus(hWndFocus);
    return bCompleted;
}

// ---------------------------------------------------------------------------
// Drag

void CXTDockContext::StartDrag(CPoint pt)
{
    if (m_pBar->m_pDockSite != nullptr)
        m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr)
        return;

    // What a cancelled or completed drag may have to give back.
    m_uSavedMRUDockID = m_uMRUDockID;
    m_rectSavedMRUDockPos = m_rectMRUDockPos;
    m_dwSavedMRUFloatStyle = m_dwMRUFloatStyle;
    m_ptSavedMRUFloatPos = m_ptMRUFloatPos;
    m_pSavedDockSite = m_pDockSite;
    m_pSavedDockBar = m_pBar->m_pDockBar;
    m_bWasFloating = m_pSavedDockBar != nullptr && m_pSavedDockBar->m_bFloating;
    m_pBar->GetWindowRect(&m_rectSavedBar);
    m_ptSavedFloat = m_rectSavedBar.TopLeft();
    m_dwSavedFloatStyle = CBRS_ALIGN_TOP;
    if (m_bWasFloating)
    {
        if (CFrameWnd* pFloat = m_pSavedDockBar->GetParentFrame())
        {
            CRect rectFloat;
            pFloat->GetWindowRect(&rectFloat);
            m_ptSavedFloat = rectFloat.TopLeft();
        }
        m_dwSavedFloatStyle = (m_pSavedDockBar->GetBarStyle() & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI));
    }

    m_bDragging = TRUE;
    InitLoop();
    m_ptLast = pt;
    m_ptStart = pt;

    InitDragRects(m_rectSavedBar, pt);
    if (m_bWasFloating)
        AlignFrameDragRects();

    // A docked bar may say where its floating frame hangs from the cursor.
    if (!m_bWasFloating)
    {
        SIZE size = { m_rectFrameDragHorz.Width(), m_rectFrameDragHorz.Height() };
        if (m_pBar->SendMessage(XTWM_DRAGRECTQUERY, 0, reinterpret_cast<LPARAM>(&size)) != 0)
            m_rectFrameDragHorz.OffsetRect(pt.x - size.cx - m_rectFrameDragHorz.left,
                                           pt.y - size.cy - m_rectFrameDragHorz.top);
    }

    m_dwOverDockStyle = CanDock();
    m_pBar->PostMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_pBar->m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    DrawFocusRect();

    BOOL bCompleted = Track();
    if (bCompleted)
    {
        BOOL bFloatingNow = m_pBar->m_pDockBar != nullptr && m_pBar->m_pDockBar->m_bFloating;
        if (!m_bWasFloating && bFloatingNow)
        {
            m_uMRUDockID = m_uSavedMRUDockID;
            m_rectMRUDockPos = m_rectSavedMRUDockPos;
        }
        else if (m_bWasFloating && !bFloatingNow)
        {
            m_dwMRUFloatStyle = m_dwSavedMRUFloatStyle;
            m_ptMRUFloatPos = m_ptSavedMRUFloatPos;
        }
        return;
    }

    // Cancelled: a bar that moved itself goes back where it stood.
    if (m_bLive && IsAlive(m_pSavedDockSite) && IsAlive(m_pBar))
    {
        m_pDockSite = m_pSavedDockSite;
        if (m_bWasFloating)
            m_pDockSite->FloatControlBar(m_pBar, m_ptSavedFloat, m_dwSavedFloatStyle);
        else if (m_pSavedDockBar != nullptr && IsAlive(m_pSavedDockBar))
            m_pDockSite->DockControlBar(m_pBar, m_pSavedDockBar, &m_rectSavedBar);
        m_pDockSite->RecalcLayout();
    }
    m_uMRUDockID = m_uSavedMRUDockID;
    m_rectMRUDockPos = m_rectSavedMRUDockPos;
    m_dwMRUFloatStyle = m_dwSavedMRUFloatStyle;
    m_ptMRUFloatPos = m_ptSavedMRUFloatPos;
}

void CXTDockContext::AlignFrameDragRects()
{
    // The rectangles assume the borders of a captioned, sizable frame; the
    // floating frame has its own, and moving it by the difference would
    // shift it with every drag.
    CFrameWnd* pFloat = m_pSavedDockBar->GetParentFrame();
    if (pFloat == nullptr || pFloat->m_hWnd == nullptr)
        return;
    CRect rectFloat;
    pFloat->GetWindowRect(&rectFloat);
    const CRect& rectNow = (m_dwSavedFloatStyle & CBRS_ORIENT_HORZ) ? m_rectFrameDragHorz : m_rectFrameDragVert;
    const CPoint ptShift = rectFloat.TopLeft() - rectNow.TopLeft();
    m_rectFrameDragHorz.OffsetRect(ptShift);
    m_rectFrameDragVert.OffsetRect(ptShift);
}

void CXTDockContext::Move(CPoint pt)
{
    CPoint ptOffset(pt.x - m_ptLast.x, pt.y - m_ptLast.y);
    m_rectDragHorz.OffsetRect(ptOffset);
    m_rectDragVert.OffsetRect(ptOffset);
    m_rectFrameDragHorz.OffsetRect(ptOffset);
    m_rectFrameDragVert.OffsetRect(ptOffset);
    m_ptLast = pt;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    if (m_bLive)
        EndDrag();
    else
        DrawFocusRect();
}

CXTDockWindow* CXTDockContext::GetDockWindow() const
{
    // A dock window or a class derived from one: the bar's runtime class,
    // or one of its bases, is named CXTDockWindow.
    if (m_pBar == nullptr || !IsKindOfName(m_pBar, "CXTDockWindow"))
        return nullptr;
    return static_cast<CXTDockWindow*>(m_pBar);
}

void CXTDockContext::ContractExpanded()
{
    CXTDockWindow* pDockWindow = GetDockWindow();
    if (pDockWindow == nullptr || !pDockWindow->IsExpanded())
        return;
    if (CXTDockBar* pDockBar = dynamic_cast<CXTDockBar*>(m_pBar->m_pDockBar))
        pDockBar->ContractBar(pDockWindow);
}

void CXTDockContext::EndDrag()
{
    if (!m_bLive)
        CancelLoop();
    if (m_dwOverDockStyle != 0)
    {
        // Where the cursor was at the last decision, not where the rectangle lies.
        CDockBar* pDockBar = GetDockBar(m_dwOverDockStyle);
        if (pDockBar == nullptr)
            return;
        CRect rect = IsVert(m_dwOverDockStyle) ? m_rectDragVert : m_rectDragHorz;
        UINT uID = (UINT)pDockBar->GetDlgCtrlID();
        if (uID >= AFX_IDW_DOCKBAR_TOP && uID <= AFX_IDW_DOCKBAR_BOTTOM)
        {
            m_uMRUDockID = uID;
            m_rectMRUDockPos = rect;
            pDockBar->ScreenToClient(&m_rectMRUDockPos);
        }
        if (m_pBar->m_pDockBar != pDockBar && GetDockWindow() != nullptr && GetDockWindow()->IsExpanded())
        {
            ContractExpanded();
            m_pDockSite->RecalcLayout();
        }
        // Into another frame: the bar now belongs to that frame's bars.
        CFrameWnd* pOldSite = m_pBar->m_pDockSite;
        if (pOldSite != nullptr && pOldSite != m_pDockSite)
        {
            pOldSite->RemoveControlBar(m_pBar);
            m_pDockSite->AddControlBar(m_pBar);
            MarkDelayLayout(pOldSite);
        }
        m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
        m_pDockSite->RecalcLayout();
        return;
    }
    BOOL bHorzFloat = (m_pBar->GetBarStyle() & CBRS_FLOATING) || IsHorzNow();
    BOOL bWasFloating = m_pBar->m_pDockBar != nullptr && m_pBar->m_pDockBar->m_bFloating;
    CXTDockWindow* pDockWindow = GetDockWindow();
    // A dock window has one shape in either orientation: moved while it
    // floats, it keeps its frame (and the frame's place among the windows)
    // instead of changing into a new frame of the other orientation.
    if (bWasFloating && pDockWindow != nullptr)
        bHorzFloat = (m_pBar->m_pDockBar->GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
    BOOL bExpanded = pDockWindow != nullptr && pDockWindow->IsExpanded();
    if (bExpanded)
        ContractExpanded();
    Float((bHorzFloat ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT) | (m_dwDockStyle & CBRS_FLOAT_MULTI));
    // Floating, a dock window has its floating size, not the length it had
    // in its row (which its first resize would otherwise bring back).
    if (GetDockWindow() != nullptr && (bExpanded || !bWasFloating))
        GetDockWindow()->RestoreMRUSize();
    if (IsAlive(m_pDockSite))
        m_pDockSite->RecalcLayout();
}

void CXTDockContext::Float(DWORD dwFloatStyle)
{
    if (!IsAlive(m_pDockSite))
        return;
    BOOL bHorz = (dwFloatStyle & CBRS_ORIENT_HORZ) != 0;
    m_ptMRUFloatPos = m_rectFrameDragHorz.TopLeft();
    m_dwMRUFloatStyle = (bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT) | (m_dwDockStyle & CBRS_FLOAT_MULTI);

    // Alone in a floating frame that takes the style: only that frame moves.
    CDockBar* pOldDockBar = m_pBar->m_pDockBar;
    if (pOldDockBar != nullptr && pOldDockBar->m_bFloating && pOldDockBar->GetDockedCount() == 1 &&
        (m_dwMRUFloatStyle & pOldDockBar->GetBarStyle() & CBRS_ALIGN_ANY))
    {
        if (CFrameWnd* pFloat = pOldDockBar->GetParentFrame())
        {
            pFloat->SetWindowPos(nullptr, m_ptMRUFloatPos.x, m_ptMRUFloatPos.y, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pFloat->ModifyStyleEx(0, WS_EX_DLGMODALFRAME);
            return;
        }
    }
    DWORD dwFrameStyle = m_dwMRUFloatStyle | (m_pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC);
    CMiniDockFrameWnd* pFloat = m_pDockSite->CreateFloatingFrame(dwFrameStyle);
    if (pFloat == nullptr)
        return;
    pFloat->SetWindowPos(nullptr, m_ptMRUFloatPos.x, m_ptMRUFloatPos.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (pFloat->m_hWndOwner == nullptr)
        pFloat->m_hWndOwner = m_pBar->m_hWnd;
    m_pDockSite->DockControlBar(m_pBar, &pFloat->m_wndDockBar, nullptr);
    pFloat->RecalcLayout(TRUE);
    if (m_pBar->GetStyle() & WS_VISIBLE)
    {
        pFloat->ShowWindow(SW_SHOWNOACTIVATE);
        pFloat->UpdateWindow();
    }
}

// ---------------------------------------------------------------------------
// The dock decision

DWORD CXTDockContext::FindDockBar(CFrameWnd* pFrame, const CRect& rect, DWORD dwDockStyle,
                                  CDockBar** ppDockBar) const
{
    if (!IsAlive(pFrame))
        return 0;
    POINT ptCursor;
    if (!::GetCursorPos(&ptCursor))
        return pFrame->CanDock(rect, dwDockStyle, ppDockBar);
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CControlBar* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
        CDockBar* pDockBar = pBar->IsDockBar() ? static_cast<CDockBar*>(pBar) : nullptr;
        if (pDockBar == nullptr || pDockBar->m_hWnd == nullptr || !pDockBar->IsWindowVisible() ||
            !(pDockBar->GetBarStyle() & dwDockStyle & CBRS_ALIGN_ANY))
            continue;
        if (pDockBar->m_bFloating && !(pDockBar->GetBarStyle() & dwDockStyle & CBRS_FLOAT_MULTI))
            continue;
        // An empty dock bar has no width: it takes the cursor within 4
        // pixels, as far as its frame's client area reaches.
        CRect rectBar;
        pDockBar->GetWindowRect(&rectBar);
        if (rectBar.Width() == 0)
            rectBar.InflateRect(4, 0);
        if (rectBar.Height() == 0)
            rectBar.InflateRect(0, 4);
        if (HWND hWndParent = ::GetParent(pDockBar->m_hWnd))
        {
            CRect rectParent;
            ::GetClientRect(hWndParent, &rectParent);
            ::MapWindowPoints(hWndParent, nullptr, reinterpret_cast<LPPOINT>(&rectParent), 2);
            rectBar.IntersectRect(&rectBar, &rectParent);
        }
        if (rectBar.PtInRect(ptCursor))
        {
            if (ppDockBar != nullptr)
                *ppDockBar = pDockBar;
            return pDockBar->GetBarStyle() & dwDockStyle & CBRS_ALIGN_ANY;
        }
    }
    return 0;
}

DWORD CXTDockContext::CanDockIn(CFrameWnd* pFrame, CDockBar** ppDockBar) const
{
    BOOL bStyleHorz = IsHorz(m_dwStyle);
    if (m_bFlip)
        bStyleHorz = !bStyleHorz;
    DWORD dwDock = 0;
    // The orientation it stands in (or is flipped to) first.
    if (bStyleHorz && IsHorz(m_dwDockStyle))
        dwDock = FindDockBar(pFrame, m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT, ppDockBar);
    else if (IsVert(m_dwDockStyle))
        dwDock = FindDockBar(pFrame, m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ, ppDockBar);
    if (!m_bFlip)
    {
        // The other orientation where both rectangles agree on the side.
        if (dwDock == 0 && IsHorz(m_dwDockStyle))
        {
            DWORD dwCurr = FindDockBar(pFrame, m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_VERT, nullptr);
            dwDock = FindDockBar(pFrame, m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT, ppDockBar);
            dwDock = dwDock == dwCurr ? dwDock : 0;
        }
        if (dwDock == 0 && IsVert(m_dwDockStyle))
        {
            DWORD dwCurr = FindDockBar(pFrame, m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_HORZ, nullptr);
            dwDock = FindDockBar(pFrame, m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ, ppDockBar);
            dwDock = dwDock == dwCurr ? dwDock : 0;
        }
    }
    if (dwDock == 0 && ppDockBar != nullptr)
        *ppDockBar = nullptr;
    return dwDock;
}

DWORD CXTDockContext::CanDock()
{
    m_pDockBarOver = nullptr;
    // Each decision starts from the bar's own frame: another frame is its
    // site only while the cursor is over one of that frame's dock bars.
    if (m_pBar->m_pDockSite != nullptr && IsAlive(m_pBar->m_pDockSite))
        m_pDockSite = m_pBar->m_pDockSite;
    if (!IsAlive(m_pDockSite))
        return 0;
    CDockBar* pDockBar = nullptr;
    DWORD dwDock = CanDockIn(m_pDockSite, &pDockBar);
    if (dwDock == 0 && m_pBar->IsKindOf(RUNTIME_CLASS(CXTControlBar)))
    {
        // Another frame under the cursor may take the bar.
        CFrameWnd* pOther = GetAlternateDockSite();
        if (pOther != nullptr && pOther != m_pDockSite)
        {
            dwDock = CanDockIn(pOther, &pDockBar);
            if (dwDock != 0)
            {
                MarkDelayLayout(m_pDockSite);
                MarkDelayLayout(pOther);
                m_pDockSite = pOther;
            }
        }
    }
    m_pDockBarOver = dwDock != 0 ? pDockBar : nullptr;
    return dwDock;
}

CDockBar* CXTDockContext::GetDockBar(DWORD dwOverDockStyle)
{
    if (m_pDockBarOver != nullptr && IsAlive(m_pDockBarOver) &&
        (m_pDockBarOver->GetBarStyle() & dwOverDockStyle & CBRS_ALIGN_ANY))
        return m_pDockBarOver;
    return nullptr;
}

CFrameWnd* CXTDockContext::GetAlternateDockSite()
{
    CXTControlBar* pBar = dynamic_cast<CXTControlBar*>(m_pBar);
    if (pBar == nullptr || !IsAlive(m_pDockSite))
        return nullptr;
    POINT ptCursor;
    BOOL bCursor = ::GetCursorPos(&ptCursor);

    // The top-level windows above the dock site, front to back.
    CWnd* pMain = AfxGetMainWnd();
    if (bCursor && pMain != nullptr && pMain->m_hWnd != nullptr)
    {
        for (HWND hWnd = ::GetWindow(pMain->m_hWnd, GW_HWNDFIRST); hWnd != nullptr;
             hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        {
            if (hWnd == m_pDockSite->m_hWnd)
                break;
            CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hWnd));
            if (pFrame == nullptr || pFrame->IsKindOf(RUNTIME_CLASS(CXTMiniDockFrameWnd)) ||
                !::IsWindowVisible(hWnd))
                continue;
            CRect rect;
            pFrame->GetWindowRect(&rect);
            if (!rect.PtInRect(ptCursor))
                continue;
            if (pBar->CanDockInFrame(pFrame))
                return pFrame;
            break;
        }
    }
    // The active child of an MDI frame, then the frame above the dock site.
    CFrameWnd* pActive = nullptr;
    if (CMDIFrameWnd* pMDIFrame = dynamic_cast<CMDIFrameWnd*>(m_pDockSite))
        pActive = pMDIFrame->MDIGetActive();
    if (pActive != nullptr && pActive != m_pDockSite && pBar->CanDockInFrame(pActive))
        return pActive;
    CFrameWnd* pParent = m_pDockSite->GetParentFrame();
    if (pParent != nullptr && pParent != m_pDockSite && pBar->CanDockInFrame(pParent))
        return pParent;
    return nullptr;
}

// ---------------------------------------------------------------------------
// Feedback

void CXTDockContext::InvertFeedback(const CRect& rect, CSize size, BOOL bOutline)
{
    HDC hDC = m_pDC->m_hDC;
    AfxInvertFrame(hDC, rect, size);
    if (bOutline)
    {
        // A white line 1 pixel inside the docked rectangle.
        CRect rectOutline = rect;
        rectOutline.DeflateRect(1, 1);
        AfxInvertFrame(hDC, rectOutline, CSize(1, 1), static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    }
}

void CXTDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    if (m_bLive || m_pDC == nullptr)
        return;
    CSize size(::GetSystemMetrics(SM_CXBORDER), ::GetSystemMetrics(SM_CYBORDER));
    CSize sizeFrame(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
    CRect rect;
    BOOL bDither = FALSE;
    BOOL bOutline = FALSE;
    if (!m_bDragging)
    {
        rect = m_rectActualFrameSize;
        size = sizeFrame;
        bDither = TRUE;
    }
    else if (m_dwOverDockStyle != 0)
    {
        BOOL bVert = IsVert(m_dwOverDockStyle);
        rect = bVert ? m_rectDragVert : m_rectDragHorz;
        bOutline = TRUE;
        // A dock window away from the dock bar's middle: across its whole length.
        if (GetDockWindow() != nullptr && m_pDockBarOver != nullptr && IsAlive(m_pDockBarOver))
        {
            CRect rectDockBar;
            m_pDockBarOver->GetWindowRect(&rectDockBar);
            if (!rectDockBar.PtInRect(rect.CenterPoint()))
            {
                if (bVert)
                {
                    rect.top = rectDockBar.top;
                    rect.bottom = rectDockBar.bottom;
                }
                else
                {
                    rect.left = rectDockBar.left;
                    rect.right = rectDockBar.right;
                }
            }
        }
    }
    else
    {
        rect = IsHorzNow() ? m_rectFrameDragHorz : m_rectFrameDragVert;
        size = sizeFrame;
        bDither = TRUE;
    }
    if (bRemoveRect)
    {
        size = CSize(0, 0);
        bOutline = FALSE;
    }
    if (rect == m_rectLast && size == m_sizeLast && bOutline == m_bOutlineLast)
        return;
    // Inverting again takes the last feedback off.
    InvertFeedback(m_rectLast, m_sizeLast, m_bOutlineLast);
    InvertFeedback(rect, size, bOutline);
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDitherLast = bDither;
    m_bOutlineLast = bOutline;
}

// ---------------------------------------------------------------------------
// Resize of a floating bar

void CXTDockContext::StartResize(int nHitTest, CPoint pt)
{
    if (m_pBar->m_pDockSite != nullptr)
        m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr)
        return;
    m_bDragging = FALSE;
    m_nHitTest = nHitTest;
    InitLoop();
    // The feedback is measured left to right also in a mirrored layout.
    if (m_pDC != nullptr && (::GetLayout(m_pDC->m_hDC) & LAYOUT_RTL))
        ::SetLayout(m_pDC->m_hDC, 0);

    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;
    m_ptStart = pt;
    m_rectRequestedSize = rect;
    m_rectActualSize = rect;
    // The floating frame's own window: a frame computed from the styles and
    // shrunk by the border would move the frame by a pixel with every resize.
    CRect rectFrame = rect;
    CFrameWnd* pFloat = m_pBar->m_pDockBar != nullptr ? m_pBar->m_pDockBar->GetParentFrame() : nullptr;
    if (pFloat != nullptr && m_pBar->m_pDockBar->m_bFloating)
        pFloat->GetWindowRect(&rectFrame);
    else
        CMiniFrameWnd::CalcBorders(&rectFrame, WS_POPUP | WS_CAPTION | WS_THICKFRAME);
    m_rectActualFrameSize = rectFrame;
    m_rectFrameBorders = CRect(rect.left - rectFrame.left, rect.top - rectFrame.top, rectFrame.right - rect.right,
                               rectFrame.bottom - rect.bottom);
    DrawFocusRect();
    Track();
}

void CXTDockContext::Stretch(CPoint pt)
{
    CDockContext::Stretch(pt);
    if (m_bLive)
        EndResize();
}

void CXTDockContext::EndResize()
{
    if (!m_bLive)
        CancelLoop();
    if (!IsAlive(m_pDockSite))
        return;
    m_pBar->CalcDynamicLayout(m_rectActualSize.Width(), LM_HORZ | LM_COMMIT);
    m_pDockSite->FloatControlBar(m_pBar, m_rectActualFrameSize.TopLeft(),
                                 CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC | (m_dwDockStyle & CBRS_FLOAT_MULTI));
}

// ---------------------------------------------------------------------------
// Double click

void CXTDockContext::ToggleDocking()
{
    if (m_pBar->m_pDockSite != nullptr)
        m_pDockSite = m_pBar->m_pDockSite;
    if (!IsAlive(m_pDockSite))
        return;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    BOOL bFloating = m_pBar->m_pDockBar != nullptr && m_pBar->m_pDockBar->m_bFloating;
    if (!bFloating)
    {
        CPoint ptFloat = m_ptMRUFloatPos;
        if (ptFloat.x < 0 || ptFloat.y < 0)
        {
            // Never floated: where it docked last.
            ptFloat = m_rectMRUDockPos.TopLeft();
            if (CWnd* pDockBar = m_pDockSite->GetControlBar(m_uMRUDockID))
                pDockBar->ClientToScreen(&ptFloat);
        }
        CXTDockWindow* pDockWindow = GetDockWindow();
        BOOL bExpanded = pDockWindow != nullptr && pDockWindow->IsExpanded();
        if (bExpanded)
            ContractExpanded();
        m_pDockSite->FloatControlBar(m_pBar, ptFloat, CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI));
        if (GetDockWindow() != nullptr)
            GetDockWindow()->RestoreMRUSize();
        m_pDockSite->RecalcLayout();
        return;
    }
    if (!(m_dwDockStyle & CBRS_ALIGN_ANY))
        return;
    CDockBar* pDockBar =
        m_uMRUDockID != 0 ? dynamic_cast<CDockBar*>(m_pDockSite->GetControlBar(m_uMRUDockID)) : nullptr;
    if (pDockBar != nullptr && (pDockBar->GetBarStyle() & m_dwDockStyle & CBRS_ALIGN_ANY))
    {
        if (CXTDockWindow* pDockWindow = GetDockWindow())
            pDockWindow->SetBarStyleEx(pDockWindow->GetBarStyleEx() | BARSTYLE_SHOWN);
        CRect rect = m_rectMRUDockPos;
        pDockBar->ClientToScreen(&rect);
        m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
    }
    else
        m_pDockSite->DockControlBar(m_pBar);
    m_pDockSite->RecalcLayout();
}
