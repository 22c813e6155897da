#include "toolkit/frame/XTSplitterWnd.h"

#include "toolkit/frame/XTGlobalData.h"

#include "framework/DragFeedback.h"
#include "framework/CreateContext.h"
#include "framework/DC.h"
#include "framework/Exceptions.h"
#include "framework/View.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTSplitterWnd, CSplitterWnd)

// Handler signatures: see CWnd.
BEGIN_MESSAGE_MAP(CXTSplitterWnd, CSplitterWnd)
    ON_WM_SETCURSOR()
    ON_WM_NCHITTEST()
    ON_WM_SETTINGCHANGE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CXTSplitterWnd::CXTSplitterWnd()
    : m_nCollapsedCol(-1), m_nCollapsedRow(-1), m_dwSplitStyle(SPLITSTYLE_NOFULLDRAG), m_bLiveDrag(FALSE),
      m_bFlatSplitters(TRUE), m_xLastTrack(-1), m_yLastTrack(-1), m_rectTracker(0, 0, 0, 0),
      m_rectTracker2(0, 0, 0, 0), m_nTrackRow(-1), m_nTrackCol(-1)
{
    m_cxSplitter = m_cySplitter = 6;
    m_cxSplitterGap = m_cySplitterGap = 6;
    ReadLiveDrag();
}

void CXTSplitterWnd::ReadLiveDrag()
{
    BOOL bFullDrag = FALSE;
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &bFullDrag, 0);
    m_bLiveDrag = (m_dwSplitStyle & SPLITSTYLE_NOFULLDRAG) ? FALSE : bFullDrag;
}

void CXTSplitterWnd::SetSplitStyle(DWORD dwStyle)
{
    m_dwSplitStyle = dwStyle;
    ReadLiveDrag();
}

void CXTSplitterWnd::SetFlatSplitters(BOOL bFlat)
{
    m_bFlatSplitters = bFlat;
    const int nSize = bFlat ? 6 : 7;
    m_cxSplitter = m_cySplitter = nSize;
    m_cxSplitterGap = m_cySplitterGap = nSize;
    if (m_hWnd != nullptr)
        RecalcLayout();
}

void CXTSplitterWnd::RecalcLayout()
{
    // The base lays out every row and column it has records for; a hidden
    // one keeps its record (and its size) beyond the shown ones.
    std::vector<CRowColInfo> rowsKept(m_pRowInfo.begin() + std::min<size_t>(m_nRows, m_pRowInfo.size()), m_pRowInfo.end());
    std::vector<CRowColInfo> colsKept(m_pColInfo.begin() + std::min<size_t>(m_nCols, m_pColInfo.size()), m_pColInfo.end());
    m_pRowInfo.resize(m_pRowInfo.size() - rowsKept.size());
    m_pColInfo.resize(m_pColInfo.size() - colsKept.size());
    CSplitterWnd::RecalcLayout();
    m_pRowInfo.insert(m_pRowInfo.end(), rowsKept.begin(), rowsKept.end());
    m_pColInfo.insert(m_pColInfo.end(), colsKept.begin(), colsKept.end());
}

void CXTSplitterWnd::Collapse(BOOL bColumn, int nIndex)
{
    int& nCount = bColumn ? m_nCols : m_nRows;
    int& nCollapsed = bColumn ? m_nCollapsedCol : m_nCollapsedRow;
    const int nLines = bColumn ? m_nRows : m_nCols;
    std::vector<CRowColInfo>& info = bColumn ? m_pColInfo : m_pRowInfo;
    // A line outside the panes, or the only one, stays.
    const int nAll = nCount + (nCollapsed != -1 ? 1 : 0);
    if (nCollapsed == nIndex || nIndex < 0 || nIndex >= nAll || nAll <= 1)
        return;
    if (nCollapsed != -1)
        Restore(bColumn);
    // The active pane moves on to the next line, after the last to the first.
    int nActiveRow = -1, nActiveCol = -1;
    if (GetActivePane(&nActiveRow, &nActiveCol) != nullptr && (bColumn ? nActiveCol : nActiveRow) == nIndex)
    {
        int nNext = nIndex + 1 < nCount ? nIndex + 1 : 0;
        if (bColumn)
            SetActivePane(nActiveRow, nNext);
        else
            SetActivePane(nNext, nActiveCol);
    }
    nCollapsed = nIndex;
    for (int nLine = 0; nLine < nLines; ++nLine)
    {
        std::vector<CWnd*> panes;
        for (int i = nIndex; i < nCount; ++i)
            panes.push_back(GetDlgItem(PaneID(bColumn, nLine, i)));
        if (panes[0] != nullptr)
            panes[0]->ShowWindow(SW_HIDE);
        for (size_t i = 1; i < panes.size(); ++i)
            if (panes[i] != nullptr)
                panes[i]->SetDlgCtrlID(PaneID(bColumn, nLine, nIndex + (int)i - 1));
        if (panes[0] != nullptr)
            panes[0]->SetDlgCtrlID(PaneID(bColumn, nLine, nCount - 1));
    }
    // The hidden line's record moves behind the shown ones, keeping its size.
    CRowColInfo hidden = info[(size_t)nIndex];
    hidden.nIdealSize = hidden.nCurSize;
    info.erase(info.begin() + nIndex);
    info.insert(info.begin() + (nCount - 1), hidden);
    --nCount;
    RecalcLayout();
}

void CXTSplitterWnd::Restore(BOOL bColumn)
{
    int& nCount = bColumn ? m_nCols : m_nRows;
    int& nCollapsed = bColumn ? m_nCollapsedCol : m_nCollapsedRow;
    const int nLines = bColumn ? m_nRows : m_nCols;
    std::vector<CRowColInfo>& info = bColumn ? m_pColInfo : m_pRowInfo;
    if (nCollapsed == -1)
        return;
    const int nIndex = nCollapsed;
    for (int nLine = 0; nLine < nLines; ++nLine)
    {
        std::vector<CWnd*> panes;
        for (int i = nIndex; i <= nCount; ++i)
            panes.push_back(GetDlgItem(PaneID(bColumn, nLine, i)));
        for (size_t i = 0; i + 1 < panes.size(); ++i)
            if (panes[i] != nullptr)
                panes[i]->SetDlgCtrlID(PaneID(bColumn, nLine, nIndex + (int)i + 1));
        if (CWnd* pHidden = panes.back())
        {
            pHidden->SetDlgCtrlID(PaneID(bColumn, nLine, nIndex));
            pHidden->ShowWindow(SW_SHOWNA);
        }
    }
    // The lines right of (or below) it keep their sizes; it gets back its own.
    for (int i = nIndex; i < nCount; ++i)
        info[(size_t)i].nIdealSize = info[(size_t)i].nCurSize;
    CRowColInfo hidden = info[(size_t)nCount];
    info.erase(info.begin() + nCount);
    info.insert(info.begin() + nIndex, hidden);
    ++nCount;
    nCollapsed = -1;
    RecalcLayout();
}

void CXTSplitterWnd::CollapseColumn(int nCol)
{
    Collapse(TRUE, nCol);
}

void CXTSplitterWnd::RestoreColumn()
{
    Restore(TRUE);
}

void CXTSplitterWnd::CollapseRow(int nRow)
{
    Collapse(FALSE, nRow);
}

void CXTSplitterWnd::RestoreRow()
{
    Restore(FALSE);
}

BOOL CXTSplitterWnd::SwapPaneViews(int nRow, int nCol, CWnd* pWnd)
{
    CWnd* pView = GetPane(nRow, nCol);
    if (pWnd == nullptr || pView == nullptr || pView->m_hWnd == pWnd->m_hWnd)
        return FALSE;
    const int nViewID = pView->GetDlgCtrlID();
    const int nWndID = pWnd->GetDlgCtrlID();
    pView->ShowWindow(SW_HIDE);
    pWnd->ShowWindow(SW_HIDE);
    pView->SetDlgCtrlID(nWndID);
    pWnd->SetDlgCtrlID(nViewID);
    pView->ShowWindow(SW_SHOW);
    pWnd->ShowWindow(SW_SHOW);
    RecalcLayout();
    return TRUE;
}

CWnd* CXTSplitterWnd::SubstituteView(int nRow, int nCol, CWnd* pWnd)
{
    CWnd* pView = GetPane(nRow, nCol);
    if (pWnd == nullptr || (pView != nullptr && pView->m_hWnd == pWnd->m_hWnd))
        return nullptr;
    pWnd->SetDlgCtrlID(IdFromRowCol(nRow, nCol));
    if (pView != nullptr)
    {
        pView->SetDlgCtrlID(0);
        pView->ShowWindow(SW_HIDE);
    }
    pWnd->ShowWindow(SW_SHOW);
    RecalcLayout();
    return pView;
}

CWnd* CXTSplitterWnd::ChangeView(int nRow, int nCol, const CRuntimeClass* pViewClass)
{
    CWnd* pOld = GetPane(nRow, nCol);
    if (pViewClass == nullptr || (pOld != nullptr && pOld->IsKindOf(pViewClass)))
        return nullptr;
    CView* pOldView = dynamic_cast<CView*>(pOld);
    CCreateContext context;
    context.m_pNewViewClass = pViewClass;
    context.m_pCurrentDoc = pOldView != nullptr ? pOldView->GetDocument() : nullptr;
    CWnd* pNew = nullptr;
    try
    {
        CObject* pObject = pViewClass->CreateObject();
        pNew = dynamic_cast<CWnd*>(pObject);
        if (pNew == nullptr)
            delete pObject;
    }
    catch (CException* e)
    {
        e->Delete();
    }
    if (pNew == nullptr)
        return nullptr;
    // The pane keeps its size while the view changes.
    const CRowColInfo rowInfo = m_pRowInfo[(size_t)nRow];
    const CRowColInfo colInfo = m_pColInfo[(size_t)nCol];
    if (pOld != nullptr)
        pOld->SetDlgCtrlID(0);
    CRect rect(0, 0, colInfo.nCurSize, rowInfo.nCurSize);
    if (!pNew->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, this, (UINT)IdFromRowCol(nRow, nCol), &context))
    {
        // A view whose window failed has deleted itself; the old one stays.
        if (pOld != nullptr)
            pOld->SetDlgCtrlID(IdFromRowCol(nRow, nCol));
        return nullptr;
    }
    if (pOld != nullptr)
        pOld->ShowWindow(SW_HIDE);
    m_pRowInfo[(size_t)nRow].nIdealSize = rowInfo.nCurSize;
    m_pColInfo[(size_t)nCol].nIdealSize = colInfo.nCurSize;
    RecalcLayout();
    if (CView* pView = dynamic_cast<CView*>(pNew))
        pView->OnInitialUpdate();
    return pOld;
}

void CXTSplitterWnd::OnDrawSplitter(CDC* pDC, int nType, const CRect& rect)
{
    if (pDC == nullptr)
    {
        RedrawWindow(&rect, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
        return;
    }
    const CXTGlobalData& data = xtAfxData;
    const BOOL bFlat = m_bFlatSplitters && data.m_bFlatLook;
    CRect r = rect;
    switch (nType)
    {
    case 0:   // split box
        pDC->Draw3dRect(&r, data.m_clr3DFace, bFlat ? data.m_clr3DFace : data.m_clrWindowFrame);
        r.DeflateRect(1, 1);
        if (bFlat)
            pDC->Draw3dRect(&r, data.m_clr3DShadow, data.m_clr3DHilight);
        else
            pDC->Draw3dRect(&r, data.m_clr3DHilight, data.m_clr3DShadow);
        r.DeflateRect(1, 1);
        pDC->FillSolidRect(&r, data.m_clr3DFace);
        break;
    case 1:   // border around a pane
        if (bFlat)
        {
            if (m_dwSplitStyle & SPLITSTYLE_NOBORDER)
                break;
            pDC->Draw3dRect(&r, data.m_clr3DFace, data.m_clr3DFace);
            r.DeflateRect(1, 1);
            pDC->Draw3dRect(&r, data.m_clr3DShadow, data.m_clr3DHilight);
        }
        else
        {
            pDC->Draw3dRect(&r, data.m_clr3DShadow, data.m_clr3DHilight);
            r.DeflateRect(1, 1);
            pDC->Draw3dRect(&r, data.m_clrWindowFrame, data.m_clr3DFace);
        }
        break;
    default:  // bars and where they cross
        pDC->FillSolidRect(&r, data.m_clr3DFace);
        break;
    }
}

BOOL CXTSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && pWnd == this)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        const int ht = HitTest(point);
        HCURSOR hCursor = nullptr;
        if (ht >= 101 && ht <= 115)
            hCursor = xtAfxData.m_hCursorSizeRow;
        else if (ht >= 201 && ht <= 215)
            hCursor = xtAfxData.m_hCursorSizeCol;
        if (hCursor != nullptr)
        {
            ::SetCursor(hCursor);
            return TRUE;
        }
    }
    return CSplitterWnd::OnSetCursor(pWnd, nHitTest, message);
}

LRESULT CXTSplitterWnd::OnNcHitTest(CPoint point)
{
    if (m_dwSplitStyle & SPLITSTYLE_NOSIZE)
        return HTBORDER;
    return CSplitterWnd::OnNcHitTest(point);
}

void CXTSplitterWnd::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    CSplitterWnd::OnSettingChange(uFlags, lpszSection);
    ReadLiveDrag();
}

// ---------------------------------------------------------------------------
// Dragging the bars

namespace {

// The bar rows and columns of a hit code: -1 where the code names none.
void BarsOfHit(int ht, int& nRow, int& nCol)
{
    nRow = nCol = -1;
    if (ht >= 101 && ht <= 115)
        nRow = ht - 101;
    else if (ht >= 201 && ht <= 215)
        nCol = ht - 201;
    else if (ht >= 301 && ht <= 525)
    {
        nRow = (ht - 301) / 15;
        nCol = (ht - 301) % 15;
    }
}

} // namespace

void CXTSplitterWnd::GetTrackLimits(BOOL bColumn, int nIndex, LONG& nMin, LONG& nMax) const
{
    const std::vector<CRowColInfo>& info = bColumn ? m_pColInfo : m_pRowInfo;
    const int nGap = bColumn ? m_cxSplitterGap : m_cySplitterGap;
    int nStart = 0;
    for (int i = 0; i < nIndex; ++i)
        nStart += info[(size_t)i].nCurSize + nGap;
    const CRowColInfo& before = info[(size_t)nIndex];
    const CRowColInfo& after = info[(size_t)nIndex + 1];
    nMin = nStart + before.nMinSize;
    nMax = std::max<LONG>(nMin, nStart + before.nCurSize + after.nCurSize - after.nMinSize);
}

void CXTSplitterWnd::StartTracking(int ht)
{
    m_xLastTrack = m_yLastTrack = -1;
    if (m_bLiveDrag)
    {
        CSplitterWnd::StartTracking(ht);
        return;
    }
    BarsOfHit(ht, m_nTrackRow, m_nTrackCol);
    if (m_nTrackRow >= m_nRows - 1 || m_nTrackCol >= m_nCols - 1 || (m_nTrackRow < 0 && m_nTrackCol < 0))
    {
        m_nTrackRow = m_nTrackCol = -1;
        return;
    }
    m_htTrack = ht;
    // The limit rectangle: where the tracked bars may go.
    GetClientRect(&m_rectLimit);
    if (m_nTrackRow >= 0)
        GetTrackLimits(FALSE, m_nTrackRow, m_rectLimit.top, m_rectLimit.bottom);
    if (m_nTrackCol >= 0)
        GetTrackLimits(TRUE, m_nTrackCol, m_rectLimit.left, m_rectLimit.right);
    m_rectTracker = m_nTrackRow >= 0 ? GetHitRect(101 + m_nTrackRow) : GetHitRect(201 + m_nTrackCol);
    m_rectTracker2 = m_nTrackRow >= 0 && m_nTrackCol >= 0 ? GetHitRect(201 + m_nTrackCol) : CRect(0, 0, 0, 0);
    SetCapture();
    m_bTracking = TRUE;
    InvertTrackers();
}

void CXTSplitterWnd::InvertTrackers()
{
    OnInvertTracker(m_rectTracker);
    if (!m_rectTracker2.IsRectEmpty())
        OnInvertTracker(m_rectTracker2);
}

void CXTSplitterWnd::EndTrackerDrag()
{
    // Cleared before the capture goes: its loss must not end the drag twice.
    m_bTracking = FALSE;
    InvertTrackers();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CXTSplitterWnd::StopTracking(BOOL bAccept)
{
    if (m_bLiveDrag || (m_nTrackRow < 0 && m_nTrackCol < 0))
    {
        CSplitterWnd::StopTracking(bAccept);
        return;
    }
    if (!m_bTracking)
        return;
    int nActiveRow = -1, nActiveCol = -1;
    CWnd* pActive = GetActivePane(&nActiveRow, &nActiveCol);
    EndTrackerDrag();
    const CRect rectRow = m_rectTracker;
    const CRect rectCol = m_rectTracker2.IsRectEmpty() ? m_rectTracker : m_rectTracker2;
    const int nRow = m_nTrackRow, nCol = m_nTrackCol;
    m_rectTracker.SetRectEmpty();
    m_rectTracker2.SetRectEmpty();
    m_nTrackRow = m_nTrackCol = -1;
    if (!bAccept)
        return;
    if (nRow >= 0)
        TrackRowSize(rectRow.top, nRow);
    if (nCol >= 0)
        TrackColumnSize(rectCol.left, nCol);
    RecalcLayout();
    if (pActive != nullptr)
        SetActivePane(nActiveRow, nActiveCol);
}

void CXTSplitterWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bTracking)
        return;
    if (m_bLiveDrag)
    {
        // Each new position is applied and shown at once.
        if (point.x == m_xLastTrack && point.y == m_yLastTrack)
            return;
        m_xLastTrack = point.x;
        m_yLastTrack = point.y;
        CSplitterWnd::OnMouseMove(nFlags, point);
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        return;
    }
    if (m_nTrackRow < 0 && m_nTrackCol < 0)
        return;
    const CPoint ptBar(point.x - m_ptTrackOffset.x, point.y - m_ptTrackOffset.y);
    InvertTrackers();
    if (m_nTrackRow >= 0)
    {
        const int y = std::min(std::max((int)ptBar.y, (int)m_rectLimit.top), (int)m_rectLimit.bottom);
        m_rectTracker.OffsetRect(0, y - m_rectTracker.top);
    }
    if (m_nTrackCol >= 0)
    {
        CRect& rectCol = m_nTrackRow >= 0 ? m_rectTracker2 : m_rectTracker;
        const int x = std::min(std::max((int)ptBar.x, (int)m_rectLimit.left), (int)m_rectLimit.right);
        rectCol.OffsetRect(x - rectCol.left, 0);
    }
    InvertTrackers();
}

void CXTSplitterWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    CSplitterWnd::OnLButtonUp(nFlags, point);
    Invalidate();
}

void CXTSplitterWnd::OnCaptureChanged(CWnd* pWnd)
{
    // Capture taken away during a tracker drag ends it without sizing anything.
    if (m_bTracking && !m_bLiveDrag && AfxHwnd(pWnd) != m_hWnd)
    {
        EndTrackerDrag();
        m_rectTracker.SetRectEmpty();
        m_rectTracker2.SetRectEmpty();
        m_nTrackRow = m_nTrackCol = -1;
        return;
    }
    CSplitterWnd::OnCaptureChanged(pWnd);
}

void CXTSplitterWnd::OnInvertTracker(const CRect& rect)
{
    if (m_bFlatSplitters && xtAfxData.m_bFlatLook)
    {
        DrawTracker(rect, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        return;
    }
    DrawTracker(rect, AfxGetHalftoneBrush());
}

void CXTSplitterWnd::DrawTracker(const CRect& rect, HBRUSH hBrush)
{
    if (m_bLiveDrag || rect.IsRectEmpty() || m_hWnd == nullptr)
        return;
    // Over the panes too: the window's DC without its children clipped.
    HDC hDC = ::GetDCEx(m_hWnd, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (hDC == nullptr)
        return;
    DrawTrackerOn(hDC, rect, hBrush);
    ::ReleaseDC(m_hWnd, hDC);
}

void CXTSplitterWnd::DrawTrackerOn(HDC hDC, const CRect& rect, HBRUSH hBrush) const
{
    if (m_dwSplitStyle & SPLITSTYLE_DOTTRACKER)
    {
        ::DrawFocusRect(hDC, &rect);
        return;
    }
    // The right (or bottom) 4 pixels of the bar.
    CRect bar = rect;
    if (rect.Width() < rect.Height())
        bar.left = std::max<LONG>(bar.left, bar.right - 4);
    else
        bar.top = std::max<LONG>(bar.top, bar.bottom - 4);
    HGDIOBJ hOld = ::SelectObject(hDC, hBrush);
    ::PatBlt(hDC, bar.left, bar.top, bar.Width(), bar.Height(), PATINVERT);
    ::SelectObject(hDC, hOld);
}
