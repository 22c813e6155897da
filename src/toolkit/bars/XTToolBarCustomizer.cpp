#include "toolkit/bars/XTToolBarCustomizer.h"

#include "toolkit/bars/XTToolBar.h"
#include "toolkit/bars/XTWaitForDrag.h"

#include "framework/DC.h"
#include "framework/FrameWnd.h"

#include <windowsx.h>

namespace {

// Movement along the bar that counts as a sideways gesture.
const int kGesture = 2;

} // namespace

CXTToolBarCustomizer::CXTToolBarCustomizer(CXTToolBar* pBar)
    : m_pBar(pBar), m_nSelected(-1), m_nSource(-1), m_nInsert(-1), m_rcMarker(0, 0, 0, 0), m_rcZone(0, 0, 0, 0),
      m_ptZoneStart(0, 0), m_ptZoneCurrent(0, 0), m_bInZone(FALSE), m_bStartRecorded(FALSE), m_bFromThisBar(FALSE)
{
    CXTCustomizeManager& manager = GetCustomizeManager();
    manager.m_clearSelection.Add(this, [this]() { ClearSelection(); });
    manager.m_dragSources.Add(this, [this](XT_DRAG_TARGETS& drag) { drag.targets.push_back(this); });
    m_pBar->PostRelayout();
}

CXTToolBarCustomizer::~CXTToolBarCustomizer()
{
    GetCustomizeManager().Unregister(this);
    m_pBar->RemovePaintCallbacks(this);
    if (m_pBar->m_hWnd != nullptr)
    {
        m_pBar->Invalidate();
        m_pBar->PostRelayout();
    }
}

BOOL CXTToolBarCustomizer::IsVertical() const
{
    return (m_pBar->IsLeftDocked() || m_pBar->IsRightDocked()) && !m_pBar->IsFloating();
}

int CXTToolBarCustomizer::ButtonFromPoint(CPoint point) const
{
    for (int i = 0; i < m_pBar->GetCount(); ++i)
    {
        TBBUTTON button;
        m_pBar->GetButton(i, &button);
        if ((button.fsStyle & TBSTYLE_SEP) || (button.fsState & TBSTATE_HIDDEN))
            continue;
        CRect rect;
        m_pBar->SendMessage(TB_GETITEMRECT, (WPARAM)i, (LPARAM)(LPRECT)&rect);
        if (rect.PtInRect(point))
            return i;
    }
    return -1;
}

void CXTToolBarCustomizer::RedrawBar()
{
    m_pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CXTToolBarCustomizer::Select(int nIndex)
{
    m_pBar->RemovePaintCallbacks(this);
    m_nSelected = nIndex;
    if (nIndex >= 0)
        m_pBar->AddPaintCallback(this, PaintSelection);
    if (m_rcMarker.IsRectEmpty() == FALSE)
        m_pBar->AddPaintCallback(this, PaintMarker);
    m_pBar->Invalidate();
}

void CXTToolBarCustomizer::ClearSelection()
{
    if (m_nSelected < 0)
        return;
    Select(-1);
}

BOOL CXTToolBarCustomizer::Filter(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    *pResult = 0;
    if (message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK)
    {
        CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        int nHit = ButtonFromPoint(point);
        if (nHit < 0)
            return FALSE;
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK)
        {
            CPoint ptScreen = point;
            m_pBar->ClientToScreen(&ptScreen);
            if (nHit == m_nSelected)
                BeginDrag(ptScreen);
            else
            {
                GetCustomizeManager().m_clearSelection.Raise();
                Select(nHit);
                RedrawBar();
                CPoint ptDetected;
                if (XTWaitForDrag(m_pBar->m_hWnd, ptScreen, &ptDetected))
                    BeginDrag(ptDetected);
            }
        }
        return TRUE;
    }
    switch (message)
    {
    case WM_CANCELMODE:
        ClearSelection();
        return FALSE;
    case WM_MOUSEACTIVATE:
        *pResult = MA_NOACTIVATE;
        return TRUE;
    case WM_SETTEXT:
        GetCustomizeManager().m_barRenamed.Raise(m_pBar, (LPCSTR)lParam);
        return FALSE;
    default:
        (void)wParam;
        return FALSE;
    }
}

void CXTToolBarCustomizer::BeginDrag(CPoint ptStart)
{
    if (m_nSelected < 0)
        return;
    std::unique_ptr<CXTCommandItem> pItem = m_pBar->CreateCommandInfo(m_nSelected);
    if (pItem == nullptr)
        return;
    m_nSource = m_nSelected;
    m_bFromThisBar = TRUE;
    m_bInZone = TRUE;
    m_bStartRecorded = FALSE;
    CRect rect;
    m_pBar->SendMessage(TB_GETITEMRECT, (WPARAM)m_nSource, (LPARAM)(LPRECT)&rect);
    if (IsVertical())
        m_rcZone = CRect(rect.left, rect.bottom, rect.right, rect.bottom + rect.Height() / 2);
    else
        m_rcZone = CRect(rect.right, rect.top, rect.right + rect.Width() / 2, rect.bottom);

    // The bar itself may go while the drag runs (it is dropped on no bar and
    // was the last button of a user bar): the window is watched.
    HWND hBar = m_pBar->m_hWnd;
    BOOL bMove = GetCustomizeManager().DoDragDrop(m_pBar, TRUE, *pItem, ptStart);
    if (!::IsWindow(hBar))
        return;
    if (bMove && m_bFromThisBar && m_nSource >= 0 && m_nSource < m_pBar->GetCount())
    {
        m_pBar->DeleteButtonAt(m_nSource);
        m_pBar->RemoveStraySeparators();
        m_pBar->ShowAllHidden();
        m_pBar->PostRelayout();
        ClearSelection();
        m_pBar->RequestSizeNotify();
    }
    m_bFromThisBar = FALSE;
    m_bInZone = FALSE;
    m_bStartRecorded = FALSE;
    m_nSource = -1;
}

// ---------------------------------------------------------------------------
// Drop target

BOOL CXTToolBarCustomizer::HitTest(CPoint ptScreen)
{
    if (::WindowFromPoint(ptScreen) != m_pBar->m_hWnd)
        return FALSE;
    CPoint point = ptScreen;
    m_pBar->ScreenToClient(&point);
    if (m_bInZone && m_bFromThisBar)
    {
        if (m_rcZone.PtInRect(point))
        {
            if (!m_bStartRecorded)
            {
                m_ptZoneStart = point;
                m_bStartRecorded = TRUE;
            }
            m_ptZoneCurrent = point;
        }
        else if (!m_rcZone.PtInRect(point))
        {
            // Left the zone: the gesture is over for this drag, unless the
            // pointer is still on the source button it started from.
            CRect rcSource;
            m_pBar->SendMessage(TB_GETITEMRECT, (WPARAM)m_nSource, (LPARAM)(LPRECT)&rcSource);
            if (!rcSource.PtInRect(point))
                m_bInZone = FALSE;
        }
    }
    CRect rcClient;
    m_pBar->GetClientRect(&rcClient);
    return rcClient.PtInRect(point);
}

BOOL CXTToolBarCustomizer::Enter(const CXTCommandItem& item, CPoint ptScreen, BOOL& bCanCopy)
{
    if (item.m_nID == 0)
    {
        if (item.m_pDropDown == nullptr || !item.m_pDropDown->bManagerPopup)
            return FALSE;
    }
    else if (m_pBar->HoldsCommand(item.m_nID) && !m_bFromThisBar)
        return FALSE;
    bCanCopy = !m_bFromThisBar;
    CPoint point = ptScreen;
    m_pBar->ScreenToClient(&point);
    ComputeInsertion(point);
    m_pBar->AddPaintCallback(this, PaintMarker);
    InvalidateMarker();
    return TRUE;
}

void CXTToolBarCustomizer::Over(CPoint ptScreen)
{
    CPoint point = ptScreen;
    m_pBar->ScreenToClient(&point);
    int nOld = m_nInsert;
    CRect rcOld = m_rcMarker;
    ComputeInsertion(point);
    if (nOld != m_nInsert || rcOld != m_rcMarker)
    {
        m_pBar->InvalidateRect(rcOld);
        InvalidateMarker();
    }
}

void CXTToolBarCustomizer::Leave()
{
    InvalidateMarker();
    m_rcMarker.SetRectEmpty();
    m_nInsert = -1;
    Select(m_nSelected);
}

void CXTToolBarCustomizer::ComputeInsertion(CPoint point)
{
    CRect rcClient;
    m_pBar->GetClientRect(&rcClient);
    const BOOL bVert = IsVertical();
    int nBest = -1;
    long nBestDistance = 0;
    CRect rcBest;
    for (int i = 0; i < m_pBar->GetCount(); ++i)
    {
        TBBUTTON button;
        m_pBar->GetButton(i, &button);
        if (button.fsState & TBSTATE_HIDDEN || (button.fsStyle & TBSTYLE_SEP))
            continue;
        CRect rect;
        m_pBar->SendMessage(TB_GETITEMRECT, (WPARAM)i, (LPARAM)(LPRECT)&rect);
        CPoint c = rect.CenterPoint();
        long d = (long)(c.x - point.x) * (c.x - point.x) + (long)(c.y - point.y) * (c.y - point.y);
        if (nBest < 0 || d < nBestDistance)
        {
            nBest = i;
            nBestDistance = d;
            rcBest = rect;
        }
    }
    if (nBest < 0)
    {
        m_nInsert = 0;
        m_rcMarker = bVert ? CRect(0, 0, rcClient.right, 4) : CRect(0, 0, 4, rcClient.bottom);
        return;
    }
    if (!bVert)
    {
        BOOL bBefore = point.x - rcBest.left < rcBest.right - point.x;
        m_nInsert = bBefore ? nBest : nBest + 1;
        int x = bBefore ? rcBest.left : rcBest.right;
        m_rcMarker = CRect(x - 2, rcBest.top, x + 2, rcBest.bottom);
        if (m_rcMarker.left < 0)
            m_rcMarker.OffsetRect(-m_rcMarker.left, 0);
        if (m_rcMarker.right > rcClient.right)
            m_rcMarker.OffsetRect(rcClient.right - m_rcMarker.right, 0);
    }
    else
    {
        BOOL bBefore = point.y - rcBest.top < rcBest.bottom - point.y;
        m_nInsert = bBefore ? nBest : nBest + 1;
        int y = bBefore ? rcBest.top : rcBest.bottom;
        m_rcMarker = CRect(rcBest.left, y - 2, rcBest.right, y + 2);
        if (m_rcMarker.top < 0)
            m_rcMarker.OffsetRect(0, -m_rcMarker.top);
        if (m_rcMarker.bottom > rcClient.bottom)
            m_rcMarker.OffsetRect(0, rcClient.bottom - m_rcMarker.bottom);
    }
    // No marker over the button being dragged or in its gesture zone.
    CRect rcSource, rcTest;
    if (m_bFromThisBar && m_nSource >= 0)
    {
        m_pBar->SendMessage(TB_GETITEMRECT, (WPARAM)m_nSource, (LPARAM)(LPRECT)&rcSource);
        if (rcTest.IntersectRect(&m_rcMarker, &rcSource) || (m_bInZone && rcTest.IntersectRect(&m_rcMarker, &m_rcZone)))
            m_rcMarker.SetRectEmpty();
    }
}

void CXTToolBarCustomizer::InvalidateMarker()
{
    if (!m_rcMarker.IsRectEmpty())
    {
        CRect rect = m_rcMarker;
        rect.InflateRect(2, 2);
        m_pBar->InvalidateRect(rect);
    }
}

void CXTToolBarCustomizer::Drop(const CXTCommandItem& item, CPoint ptScreen)
{
    CPoint point = ptScreen;
    m_pBar->ScreenToClient(&point);
    ComputeInsertion(point);
    const BOOL bWrapped = m_pBar->WrapsBeforeLastButton();
    m_pBar->ShowAllHidden();
    BOOL bChanged = FALSE;
    int nNewSelection = -1;
    const int nSourceNow = m_bFromThisBar ? m_nSource : -1;
    if (m_bFromThisBar && m_bInZone)
    {
        // A sideways gesture on the bar's own button: the separator before it.
        nNewSelection = m_nSource;
        if (m_bStartRecorded)
        {
            int nDelta = IsVertical() ? m_ptZoneCurrent.y - m_ptZoneStart.y : m_ptZoneCurrent.x - m_ptZoneStart.x;
            TBBUTTON before = {};
            BOOL bSeparatorBefore = m_nSource > 0 && m_pBar->GetButton(m_nSource - 1, &before) &&
                                    (before.fsStyle & TBSTYLE_SEP) && before.idCommand == 0;
            if (nDelta < -kGesture && bSeparatorBefore)
            {
                m_pBar->DeleteButtonAt(m_nSource - 1);
                nNewSelection = m_nSource - 1;
                bChanged = TRUE;
            }
            else if (nDelta > kGesture && !bSeparatorBefore && m_nSource > 0)
            {
                m_pBar->InsertSeparator(m_nSource);
                nNewSelection = m_nSource + 1;
                bChanged = TRUE;
            }
        }
        m_nSource = nNewSelection;
        m_bFromThisBar = FALSE;   // nothing to delete after the drag
    }
    else if (item.m_nID != 0 && nSourceNow >= 0 && m_pBar->HoldsCommand(item.m_nID))
    {
        int nTo = m_nInsert > nSourceNow ? m_nInsert - 1 : m_nInsert;
        if (nTo != nSourceNow)
        {
            m_pBar->MoveButton(nSourceNow, nTo);
            bChanged = TRUE;
        }
        nNewSelection = nTo;
        m_bFromThisBar = FALSE;
    }
    else
    {
        nNewSelection = m_pBar->InsertCommandButton(item, m_nInsert);
        bChanged = nNewSelection >= 0;
    }
    // The selected button's place after separators at the ends went.
    UINT nSelectedID = 0;
    TBBUTTON selected = {};
    if (nNewSelection >= 0 && m_pBar->GetButton(nNewSelection, &selected))
        nSelectedID = (UINT)selected.idCommand;
    if (m_pBar->RemoveStraySeparators())
        bChanged = TRUE;
    InvalidateMarker();
    m_rcMarker.SetRectEmpty();
    m_nInsert = -1;
    GetCustomizeManager().m_clearSelection.Raise();
    if (nSelectedID != 0)
        Select(m_pBar->CommandToIndex(nSelectedID));
    if (bChanged)
    {
        m_pBar->PostRelayout();
        m_pBar->RequestSizeNotify();
    }
    // A floating bar in one row grows with it; rows the user gave the bar stay.
    if (m_pBar->IsFloating() && !bWrapped)
        m_pBar->FitMRUWidthToRow();
}

// ---------------------------------------------------------------------------
// Painting

void CXTToolBarCustomizer::PaintSelection(void* pContext, CDC* pDC)
{
    CXTToolBarCustomizer* pThis = static_cast<CXTToolBarCustomizer*>(pContext);
    if (pThis->m_nSelected < 0 || pThis->m_nSelected >= pThis->m_pBar->GetCount())
        return;
    CRect rect;
    pThis->m_pBar->SendMessage(TB_GETITEMRECT, (WPARAM)pThis->m_nSelected, (LPARAM)(LPRECT)&rect);
    pDC->Draw3dRect(&rect, RGB(0, 0, 0), RGB(0, 0, 0));
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, RGB(0, 0, 0), RGB(0, 0, 0));
}

void CXTToolBarCustomizer::PaintMarker(void* pContext, CDC* pDC)
{
    CXTToolBarCustomizer* pThis = static_cast<CXTToolBarCustomizer*>(pContext);
    const CRect& m = pThis->m_rcMarker;
    if (m.IsRectEmpty())
        return;
    const COLORREF black = RGB(0, 0, 0);
    if (!pThis->IsVertical())
    {
        const int left = m.left + 1;
        pDC->FillSolidRect(left, m.top, 2, m.Height(), black);
        pDC->FillSolidRect(left - 2, m.top, 6, 1, black);
        pDC->FillSolidRect(left - 2, m.bottom - 1, 6, 1, black);
        pDC->FillSolidRect(left - 1, m.top + 1, 4, 1, black);
        pDC->FillSolidRect(left - 1, m.bottom - 2, 4, 1, black);
    }
    else
    {
        const int top = m.top + 1;
        pDC->FillSolidRect(m.left, top, m.Width(), 2, black);
        pDC->FillSolidRect(m.left, top - 2, 1, 6, black);
        pDC->FillSolidRect(m.right - 1, top - 2, 1, 6, black);
        pDC->FillSolidRect(m.left + 1, top - 1, 1, 4, black);
        pDC->FillSolidRect(m.right - 2, top - 1, 1, 4, black);
    }
}
