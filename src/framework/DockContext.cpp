#include "framework/DockContext.h"

#include "framework/ControlBar.h"
#include "framework/DC.h"
#include "framework/DockBar.h"
#include "framework/FrameWnd.h"
#include "framework/MiniDockFrameWnd.h"

#include "framework/DragFeedback.h"

#include <algorithm>

namespace {

BOOL IsHorz(DWORD dwStyle) { return (dwStyle & CBRS_ORIENT_HORZ) != 0; }
BOOL IsVert(DWORD dwStyle) { return (dwStyle & CBRS_ORIENT_VERT) != 0; }

// Moves the rectangle the least so that it holds the point.
void AdjustRectangle(CRect& rect, CPoint pt)
{
    int dx = pt.x < rect.left ? pt.x - rect.left : pt.x > rect.right ? pt.x - rect.right : 0;
    int dy = pt.y < rect.top ? pt.y - rect.top : pt.y > rect.bottom ? pt.y - rect.bottom : 0;
    rect.OffsetRect(dx, dy);
}

} // namespace

CDockContext::CDockContext(CControlBar* pBar)
    : m_ptLast(0, 0), m_rectLast(0, 0, 0, 0), m_sizeLast(0, 0), m_bDitherLast(FALSE), m_rectDragHorz(0, 0, 0, 0),
      m_rectDragVert(0, 0, 0, 0), m_rectFrameDragHorz(0, 0, 0, 0), m_rectFrameDragVert(0, 0, 0, 0), m_pBar(pBar),
      m_pDockSite(pBar != nullptr ? pBar->m_pDockSite : nullptr), m_dwDockStyle(0), m_dwOverDockStyle(0),
      m_dwStyle(0), m_bFlip(FALSE), m_bForceFrame(FALSE), m_pDC(nullptr), m_bDragging(FALSE), m_nHitTest(0),
      m_uMRUDockID(0), m_rectMRUDockPos(0, 0, 0, 0), m_dwMRUFloatStyle(0), m_ptMRUFloatPos(-1, -1),
      m_rectRequestedSize(0, 0, 0, 0), m_rectActualSize(0, 0, 0, 0), m_rectActualFrameSize(0, 0, 0, 0),
      m_rectFrameBorders(0, 0, 0, 0), m_bCancelled(FALSE)
{
}

CDockContext::~CDockContext()
{
    if (m_pDC != nullptr)
    {
        ::ReleaseDC(nullptr, m_pDC->Detach());
        delete m_pDC;
    }
}

BOOL CDockContext::IsHorzNow() const
{
    return (IsHorz(m_dwStyle) && !m_bFlip) || (IsVert(m_dwStyle) && m_bFlip);
}

void CDockContext::InitLoop()
{
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bDitherLast = FALSE;
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
    if (m_pDC == nullptr)
    {
        m_pDC = new CDC;
        m_pDC->Attach(::GetDC(nullptr));
    }
}

void CDockContext::CancelLoop()
{
    DrawFocusRect(TRUE);
    if (::GetCapture() == m_pBar->m_hWnd)
        ::ReleaseCapture();
    if (m_pDC != nullptr)
    {
        ::ReleaseDC(nullptr, m_pDC->Detach());
        delete m_pDC;
        m_pDC = nullptr;
    }
}

void CDockContext::StartDrag(CPoint pt)
{
    if (m_pDockSite == nullptr && m_pBar->m_pDockSite == nullptr)
        return;
    m_bDragging = TRUE;
    InitLoop();

    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;
    InitDragRects(rect, pt);

    m_dwOverDockStyle = CanDock();
    DrawFocusRect();
    Track();
}

// The drag rectangles of a bar standing at rect, grabbed at pt: docked
// either way and in its floating frame either way.
void CDockContext::InitDragRects(const CRect& rect, CPoint pt)
{
    BOOL bHorz = IsHorz(m_dwStyle);
    DWORD dwBarStyle = m_pBar->GetBarStyle();
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
    {
        // Docked in either orientation at the bar's corner; floating at the width the user chose last.
        CSize sizeHorz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
        CSize sizeVert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
        CSize sizeFloat = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
        m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
        m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
        m_rectFrameDragHorz = CRect(rect.TopLeft(), sizeFloat);
        m_rectFrameDragVert = CRect(rect.TopLeft(), sizeFloat);
    }
    else if (dwBarStyle & CBRS_SIZE_FIXED)
    {
        CSize sizeHorz = m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
        CSize sizeVert = m_pBar->CalcDynamicLayout(-1, LM_VERTDOCK);
        m_rectFrameDragHorz = m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
        m_rectFrameDragVert = m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
    }
    else
    {
        // The present orientation as the bar stands; the other one across
        // the cursor, starting half the bar's depth before it.
        CSize sizeOther = m_pBar->CalcFixedLayout(FALSE, !bHorz);
        if (bHorz)
        {
            m_rectDragHorz = rect;
            m_rectDragVert = CRect(CPoint(pt.x - rect.Height() / 2, rect.top), sizeOther);
        }
        else
        {
            m_rectDragVert = rect;
            m_rectDragHorz = CRect(CPoint(rect.left, pt.y - rect.Width() / 2), sizeOther);
        }
        m_rectFrameDragHorz = m_rectDragHorz;
        m_rectFrameDragVert = m_rectDragVert;
    }
    // The floating rectangles are those of a captioned, sizable frame around the bar.
    CMiniFrameWnd::CalcBorders(&m_rectFrameDragHorz);
    CMiniFrameWnd::CalcBorders(&m_rectFrameDragVert);
    int cxBorder = ::GetSystemMetrics(SM_CXBORDER), cyBorder = ::GetSystemMetrics(SM_CYBORDER);
    m_rectFrameDragHorz.InflateRect(-cxBorder, -cyBorder);
    m_rectFrameDragVert.InflateRect(-cxBorder, -cyBorder);

    AdjustRectangle(m_rectDragHorz, pt);
    AdjustRectangle(m_rectDragVert, pt);
    AdjustRectangle(m_rectFrameDragHorz, pt);
    AdjustRectangle(m_rectFrameDragVert, pt);
}

void CDockContext::Move(CPoint pt)
{
    CPoint ptOffset(pt.x - m_ptLast.x, pt.y - m_ptLast.y);
    m_rectDragHorz.OffsetRect(ptOffset);
    m_rectDragVert.OffsetRect(ptOffset);
    m_rectFrameDragHorz.OffsetRect(ptOffset);
    m_rectFrameDragVert.OffsetRect(ptOffset);
    m_ptLast = pt;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

void CDockContext::OnKey(int nChar, BOOL bDown)
{
    if (nChar == VK_CONTROL)
        UpdateState(&m_bForceFrame, bDown);
    if (nChar == VK_SHIFT)
        UpdateState(&m_bFlip, bDown);
}

void CDockContext::UpdateState(BOOL* pFlag, BOOL bNewValue)
{
    bNewValue = bNewValue != FALSE;
    if (*pFlag == bNewValue)
        return;
    *pFlag = bNewValue;
    // Only a bar that may dock both ways flips.
    if (!(IsHorz(m_dwDockStyle) && IsVert(m_dwDockStyle)))
        m_bFlip = FALSE;
    m_dwOverDockStyle = (m_bDragging && !m_bForceFrame) ? CanDock() : 0;
    DrawFocusRect();
}

void CDockContext::EndDrag()
{
    CancelLoop();
    if (m_dwOverDockStyle != 0)
    {
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
        m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
        m_pDockSite->RecalcLayout();
        return;
    }
    // Horizontal when the bar sizes itself or stands (or is flipped to) horizontally.
    BOOL bHorzFloat = (m_pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) || IsHorzNow();
    Float(bHorzFloat ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
}

void CDockContext::Float(DWORD dwFloatStyle)
{
    BOOL bHorz = (dwFloatStyle & CBRS_ORIENT_HORZ) != 0;
    m_dwMRUFloatStyle = (bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT) | (m_dwDockStyle & CBRS_FLOAT_MULTI);
    m_ptMRUFloatPos = (bHorz ? m_rectFrameDragHorz : m_rectFrameDragVert).TopLeft();
    m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
}

void CDockContext::StartResize(int nHitTest, CPoint pt)
{
    if (m_pDockSite == nullptr && m_pBar->m_pDockSite == nullptr)
        return;
    m_bDragging = FALSE;
    m_nHitTest = nHitTest;
    InitLoop();

    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;
    m_rectRequestedSize = rect;
    m_rectActualSize = rect;
    CRect rectFrame = rect;
    CMiniDockFrameWnd::CalcBorders(&rectFrame);
    m_rectActualFrameSize = rectFrame;
    m_rectFrameBorders = CRect(rect.left - rectFrame.left, rect.top - rectFrame.top, rectFrame.right - rect.right,
                               rectFrame.bottom - rect.bottom);
    DrawFocusRect();
    Track();
}

void CDockContext::Stretch(CPoint pt)
{
    CPoint ptOffset(pt.x - m_ptLast.x, pt.y - m_ptLast.y);
    int nLength = 0;
    DWORD dwMode = LM_HORZ;
    switch (m_nHitTest)
    {
    case HTLEFT:
    case HTTOPLEFT:
    case HTBOTTOMLEFT:
        m_rectRequestedSize.left += ptOffset.x;
        nLength = m_rectRequestedSize.Width();
        break;
    case HTRIGHT:
    case HTTOPRIGHT:
    case HTBOTTOMRIGHT:
        m_rectRequestedSize.right += ptOffset.x;
        nLength = m_rectRequestedSize.Width();
        break;
    }
    switch (m_nHitTest)
    {
    case HTTOP:
    case HTTOPLEFT:
    case HTTOPRIGHT:
        m_rectRequestedSize.top += ptOffset.y;
        nLength = m_rectRequestedSize.Height();
        dwMode |= LM_LENGTHY;
        break;
    case HTBOTTOM:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
        m_rectRequestedSize.bottom += ptOffset.y;
        nLength = m_rectRequestedSize.Height();
        dwMode |= LM_LENGTHY;
        break;
    }
    m_ptLast = pt;
    if (nLength < 0)
        nLength = 0;
    CSize size = m_pBar->CalcDynamicLayout(nLength, dwMode);

    // The corner opposite the dragged border stays.
    CRect rectActual = m_rectActualSize;
    switch (m_nHitTest)
    {
    case HTLEFT:
    case HTTOP:
    case HTTOPLEFT:
        rectActual = CRect(rectActual.right - size.cx, rectActual.bottom - size.cy, rectActual.right, rectActual.bottom);
        break;
    case HTTOPRIGHT:
        rectActual = CRect(rectActual.left, rectActual.bottom - size.cy, rectActual.left + size.cx, rectActual.bottom);
        break;
    case HTBOTTOMLEFT:
        rectActual = CRect(rectActual.right - size.cx, rectActual.top, rectActual.right, rectActual.top + size.cy);
        break;
    default:
        rectActual = CRect(rectActual.left, rectActual.top, rectActual.left + size.cx, rectActual.top + size.cy);
        break;
    }
    CRect rectFrame(rectActual.left - m_rectFrameBorders.left, rectActual.top - m_rectFrameBorders.top,
                    rectActual.right + m_rectFrameBorders.right, rectActual.bottom + m_rectFrameBorders.bottom);
    // Never off the screen altogether.
    CRect rectDesktop, rectCommon;
    ::GetWindowRect(::GetDesktopWindow(), &rectDesktop);
    if (rectCommon.IntersectRect(&rectDesktop, &rectFrame))
    {
        m_rectActualSize = rectActual;
        m_rectActualFrameSize = rectFrame;
    }
    DrawFocusRect();
}

void CDockContext::EndResize()
{
    CancelLoop();
    m_pBar->CalcDynamicLayout(m_rectActualSize.Width(), LM_HORZ | LM_COMMIT);
    m_pDockSite->FloatControlBar(m_pBar, m_rectActualFrameSize.TopLeft(),
                                 CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI) | CBRS_SIZE_DYNAMIC);
}

void CDockContext::ToggleDocking()
{
    if (m_pDockSite == nullptr)
        m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr)
        return;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    if (m_pBar->IsFloating())
    {
        // Back where it docked last, else at the first side it may dock at.
        if (!(m_dwDockStyle & CBRS_ALIGN_ANY))
            return;
        CDockBar* pDockBar = m_uMRUDockID != 0 ? dynamic_cast<CDockBar*>(m_pDockSite->GetControlBar(m_uMRUDockID))
                                               : nullptr;
        if (pDockBar != nullptr && (pDockBar->GetBarStyle() & m_dwDockStyle & CBRS_ALIGN_ANY))
        {
            CRect rect = m_rectMRUDockPos;
            pDockBar->ClientToScreen(&rect);
            m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
        }
        else
            m_pDockSite->DockControlBar(m_pBar);
        m_pDockSite->RecalcLayout();
        return;
    }
    CPoint ptFloat = m_ptMRUFloatPos;
    if (ptFloat.x < 0 || ptFloat.y < 0)
    {
        // Never floated yet: where it stands.
        CRect rect;
        m_pBar->GetWindowRect(&rect);
        ptFloat = rect.TopLeft();
    }
    DWORD dwStyle = m_dwMRUFloatStyle != 0 ? m_dwMRUFloatStyle : (CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI));
    m_pDockSite->FloatControlBar(m_pBar, ptFloat, dwStyle);
}

BOOL CDockContext::Track()
{
    // Somebody else holds the mouse: no drag.
    if (::GetCapture() != nullptr)
    {
        CancelLoop();
        return FALSE;
    }
    HWND hWndBar = m_pBar->m_hWnd;
    ::SetCapture(hWndBar);
    while (::GetCapture() == hWndBar)
    {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0))
        {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        switch (msg.message)
        {
        case WM_LBUTTONUP:
            if (m_bDragging)
                EndDrag();
            else
                EndResize();
            return TRUE;
        case WM_MOUSEMOVE:
        {
            // Only moves with the button count: a move the system makes up
            // (the cursor placed, a window moved under it) carries none.
            if (!(msg.wParam & MK_LBUTTON))
                break;
            CPoint pt = AfxMessageScreenPoint(msg);
            if (m_bDragging)
            {
                // The keys held with the move count like their own messages.
                BOOL bForce = (msg.wParam & MK_CONTROL) != 0, bFlip = (msg.wParam & MK_SHIFT) != 0;
                if (bForce != m_bForceFrame)
                    UpdateState(&m_bForceFrame, bForce);
                if (bFlip != m_bFlip)
                    UpdateState(&m_bFlip, bFlip);
                if (pt != m_ptLast)
                    Move(pt);
            }
            else if (pt != m_ptLast)
                Stretch(pt);
            break;
        }
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (msg.wParam == VK_ESCAPE && msg.message == WM_KEYDOWN)
            {
                CancelLoop();
                return FALSE;
            }
            if (m_bDragging)
                OnKey((int)msg.wParam, msg.message == WM_KEYDOWN);
            break;
        case WM_RBUTTONDOWN:
            CancelLoop();
            return FALSE;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    CancelLoop();
    return FALSE;
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    if (m_pDC == nullptr)
        return;
    CSize size(::GetSystemMetrics(SM_CXBORDER), ::GetSystemMetrics(SM_CYBORDER));
    CRect rect;
    BOOL bDither = FALSE;
    if (!m_bDragging)
    {
        rect = m_rectActualFrameSize;
        size = CSize(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
        bDither = TRUE;
    }
    else if (m_dwOverDockStyle != 0)
        rect = IsVert(m_dwOverDockStyle) ? m_rectDragVert : m_rectDragHorz;
    else
    {
        rect = IsHorzNow() ? m_rectFrameDragHorz : m_rectFrameDragVert;
        size = CSize(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
        bDither = TRUE;
    }
    if (bRemoveRect)
        size = CSize(0, 0);
    if (rect == m_rectLast && size == m_sizeLast)
        return;
    // Inverting again takes the last frame off.
    AfxInvertFrame(m_pDC->m_hDC, m_rectLast, m_sizeLast);
    AfxInvertFrame(m_pDC->m_hDC, rect, size);
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDitherLast = bDither;
}

DWORD CDockContext::CanDock()
{
    if (m_pDockSite == nullptr)
        return 0;
    BOOL bStyleHorz = IsHorz(m_dwStyle);
    if (m_bFlip)
        bStyleHorz = !bStyleHorz;
    DWORD dwDock = 0;
    // The orientation it stands in (or is flipped to) first.
    if (bStyleHorz && IsHorz(m_dwDockStyle))
        dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
    else if (IsVert(m_dwDockStyle))
        dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
    if (!m_bFlip)
    {
        // The other orientation only where both rectangles agree on the side.
        if (dwDock == 0 && IsHorz(m_dwDockStyle))
        {
            DWORD dwCurr = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_VERT);
            dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
            dwDock = dwDock == dwCurr ? dwDock : 0;
        }
        if (dwDock == 0 && IsVert(m_dwDockStyle))
        {
            DWORD dwCurr = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
            dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
            dwDock = dwDock == dwCurr ? dwDock : 0;
        }
    }
    return dwDock;
}

CDockBar* CDockContext::GetDockBar(DWORD dwOverDockStyle)
{
    CDockBar* pDockBar = nullptr;
    DWORD dw = 0;
    if (IsHorz(dwOverDockStyle))
        dw = m_pDockSite->CanDock(m_rectDragHorz, dwOverDockStyle & ~CBRS_ORIENT_VERT, &pDockBar);
    if (dw == 0 && IsVert(dwOverDockStyle))
        dw = m_pDockSite->CanDock(m_rectDragVert, dwOverDockStyle & ~CBRS_ORIENT_HORZ, &pDockBar);
    return dw != 0 ? pDockBar : nullptr;
}
