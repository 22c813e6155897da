#include "framework/SplitterWnd.h"

#include "framework/CreateContext.h"
#include "framework/FrameWnd.h"
#include "framework/PaintDC.h"
#include "framework/View.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

// void OnPaint() and the others: see CWnd.
BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

std::vector<int> AfxLayoutSplitPanes(const std::vector<AFX_SPLITINFO>& panes, int nLength, int nGap)
{
    std::vector<int> sizes;
    int nLeft = nLength;
    for (size_t i = 0; i < panes.size(); ++i)
    {
        int nSize;
        if (i + 1 == panes.size())
            nSize = std::max(0, nLeft);
        else
        {
            nSize = std::min(panes[i].nIdealSize, std::max(0, nLeft - nGap));
            if (nSize < panes[i].nMinSize)
                nSize = 0;
            nLeft -= nSize + nGap;
        }
        sizes.push_back(nSize);
    }
    return sizes;
}

CSplitterWnd::CSplitterWnd()
    : m_nRows(0), m_nCols(0), m_cxSplitter(7), m_cySplitter(7), m_cxBorderShare(0), m_cyBorderShare(0),
      m_cxSplitterGap(7), m_cySplitterGap(7), m_bTracking(FALSE), m_htTrack(0), m_ptTrackOffset(0, 0),
      m_rectLimit(0, 0, 0, 0)
{
}

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (nRows < 1 || nCols < 1 || nRows > 16 || nCols > 16)
        return FALSE;
    m_nRows = nRows;
    m_nCols = nCols;
    m_pRowInfo.assign((size_t)nRows, CRowColInfo{ 0, 0, 0 });
    m_pColInfo.assign((size_t)nCols, CRowColInfo{ 0, 0, 0 });
    CRect rect(0, 0, 0, 0);
    if (pParentWnd != nullptr)
        pParentWnd->GetClientRect(&rect);
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(0, lpszClass, nullptr, dwStyle | WS_CHILD | WS_CLIPCHILDREN, rect, pParentWnd, nID);
}

BOOL CSplitterWnd::CreateView(int row, int col, const CRuntimeClass* pViewClass, SIZE sizeInit,
                              CCreateContext* pContext)
{
    if (row < 0 || row >= m_nRows || col < 0 || col >= m_nCols || pViewClass == nullptr)
        return FALSE;
    m_pColInfo[(size_t)col].nIdealSize = sizeInit.cx;
    m_pRowInfo[(size_t)row].nIdealSize = sizeInit.cy;
    CObject* pObject = pViewClass->CreateObject();
    CWnd* pWnd = dynamic_cast<CWnd*>(pObject);
    if (pWnd == nullptr)
    {
        delete pObject;
        return FALSE;
    }
    CRect rect(0, 0, sizeInit.cx, sizeInit.cy);
    if (!pWnd->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, rect, this, (UINT)IdFromRowCol(row, col),
                      pContext))
        return FALSE;   // a view whose window failed has deleted itself
    return TRUE;
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    cyCur = m_pRowInfo[(size_t)row].nCurSize;
    cyMin = m_pRowInfo[(size_t)row].nMinSize;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    m_pRowInfo[(size_t)row].nIdealSize = cyIdeal;
    m_pRowInfo[(size_t)row].nMinSize = cyMin;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    cxCur = m_pColInfo[(size_t)col].nCurSize;
    cxMin = m_pColInfo[(size_t)col].nMinSize;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    m_pColInfo[(size_t)col].nIdealSize = cxIdeal;
    m_pColInfo[(size_t)col].nMinSize = cxMin;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    return GetDlgItem(IdFromRowCol(row, col));
}

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol)
{
    if (pWnd == nullptr || ::GetParent(pWnd->m_hWnd) != m_hWnd)
        return FALSE;
    int nID = pWnd->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    if (nID < 0 || nID / 16 >= m_nRows || nID % 16 >= m_nCols)
        return FALSE;
    if (pRow != nullptr)
        *pRow = nID / 16;
    if (pCol != nullptr)
        *pCol = nID % 16;
    return TRUE;
}

CWnd* CSplitterWnd::GetActivePane(int* pRow, int* pCol)
{
    // The frame's active view when it is a pane of ours, else the pane with the focus.
    CWnd* pView = nullptr;
    if (CFrameWnd* pFrame = GetParentFrame())
        pView = pFrame->GetActiveView();
    if (pView == nullptr || !IsChildPane(pView, pRow, pCol))
    {
        pView = GetFocus();
        if (pView == nullptr || !IsChildPane(pView, pRow, pCol))
            return nullptr;
    }
    return pView;
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd* pWnd)
{
    CWnd* pPane = pWnd != nullptr ? pWnd : GetPane(row, col);
    if (pPane != nullptr)
        pPane->SetFocus();
}

void CSplitterWnd::RecalcLayout()
{
    CRect client;
    GetClientRect(&client);
    std::vector<AFX_SPLITINFO> rows, cols;
    for (const CRowColInfo& info : m_pRowInfo)
        rows.push_back({ info.nMinSize, info.nIdealSize });
    for (const CRowColInfo& info : m_pColInfo)
        cols.push_back({ info.nMinSize, info.nIdealSize });
    std::vector<int> heights = AfxLayoutSplitPanes(rows, client.Height(), m_cySplitterGap);
    std::vector<int> widths = AfxLayoutSplitPanes(cols, client.Width(), m_cxSplitterGap);
    int y = 0;
    for (int row = 0; row < m_nRows; ++row)
    {
        m_pRowInfo[(size_t)row].nCurSize = heights[(size_t)row];
        int x = 0;
        for (int col = 0; col < m_nCols; ++col)
        {
            m_pColInfo[(size_t)col].nCurSize = widths[(size_t)col];
            if (CWnd* pPane = GetPane(row, col))
            {
                CRect rect(x, y, x + widths[(size_t)col], y + heights[(size_t)row]);
                AfxRepositionWindow(nullptr, pPane->m_hWnd, &rect);
            }
            x += widths[(size_t)col] + m_cxSplitterGap;
        }
        y += heights[(size_t)row] + m_cySplitterGap;
    }
    Invalidate();
}

CRect CSplitterWnd::GetHitRect(int ht) const
{
    CRect client;
    GetClientRect(&client);
    if (ht >= 101 && ht <= 115 && ht - 101 < m_nRows - 1)
    {
        int y = 0;
        for (int row = 0; row <= ht - 101; ++row)
            y += m_pRowInfo[(size_t)row].nCurSize + (row < ht - 101 ? m_cySplitterGap : 0);
        return CRect(client.left, y, client.right, y + m_cySplitterGap);
    }
    if (ht >= 201 && ht <= 215 && ht - 201 < m_nCols - 1)
    {
        int x = 0;
        for (int col = 0; col <= ht - 201; ++col)
            x += m_pColInfo[(size_t)col].nCurSize + (col < ht - 201 ? m_cxSplitterGap : 0);
        return CRect(x, client.top, x + m_cxSplitterGap, client.bottom);
    }
    return CRect(0, 0, 0, 0);
}

int CSplitterWnd::HitTest(CPoint pt) const
{
    int nRowBar = 0, nColBar = 0;
    for (int row = 0; row < m_nRows - 1; ++row)
        if (GetHitRect(101 + row).PtInRect(pt))
            nRowBar = 101 + row;
    for (int col = 0; col < m_nCols - 1; ++col)
        if (GetHitRect(201 + col).PtInRect(pt))
            nColBar = 201 + col;
    if (nRowBar != 0 && nColBar != 0)
        return 301 + (nRowBar - 101) * 15 + (nColBar - 201);
    return nRowBar != 0 ? nRowBar : nColBar;
}

void CSplitterWnd::OnDrawSplitter(CDC* pDC, int, const CRect& rect)
{
    ::FillRect(pDC->m_hDC, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
}

void CSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    for (int row = 0; row < m_nRows - 1; ++row)
        OnDrawSplitter(&dc, 2, GetHitRect(101 + row));
    for (int col = 0; col < m_nCols - 1; ++col)
        OnDrawSplitter(&dc, 2, GetHitRect(201 + col));
}

void CSplitterWnd::OnSize(UINT nType, int, int)
{
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CSplitterWnd::StartTracking(int ht)
{
    if (ht == 0)
        return;
    m_htTrack = ht;
    m_bTracking = TRUE;
    SetCapture();
}

void CSplitterWnd::StopTracking(BOOL bAccept)
{
    if (!m_bTracking)
        return;
    m_bTracking = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (bAccept)
        RecalcLayout();
}

namespace {

// Moves the bar after pane nIndex to nPos (along the panes' axis): the pane
// before it and the one after it keep at least their minimum sizes.
void TrackPaneSize(std::vector<CSplitterWnd::CRowColInfo>& panes, int nIndex, int nPos, int nGap)
{
    int nStart = 0;
    for (int i = 0; i < nIndex; ++i)
        nStart += panes[(size_t)i].nCurSize + nGap;
    CSplitterWnd::CRowColInfo& before = panes[(size_t)nIndex];
    CSplitterWnd::CRowColInfo& after = panes[(size_t)nIndex + 1];
    int nBoth = before.nCurSize + nGap + after.nCurSize;
    int nSize = std::min(nPos - nStart, nBoth - nGap - after.nMinSize);
    nSize = std::max(nSize, before.nMinSize);
    before.nIdealSize = std::max(0, nSize);
    // The last pane takes what is left anyway; a middle one keeps the rest.
    if ((size_t)nIndex + 2 < panes.size() || panes.size() == 2)
        after.nIdealSize = std::max(0, nBoth - nGap - nSize);
}

} // namespace

void CSplitterWnd::TrackRowSize(int y, int row)
{
    TrackPaneSize(m_pRowInfo, row, y, m_cySplitterGap);
}

void CSplitterWnd::TrackColumnSize(int x, int col)
{
    TrackPaneSize(m_pColInfo, col, x, m_cxSplitterGap);
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    int ht = HitTest(point);
    if (ht == 0)
        return;
    // Where in the bar it was taken, so the bar does not jump under the mouse.
    CRect rect = GetHitRect(ht >= 301 ? 101 + (ht - 301) / 15 : ht);
    m_ptTrackOffset = CPoint(point.x - rect.left, point.y - rect.top);
    StartTracking(ht);
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point)
{
    if (!m_bTracking)
        return;
    int nRowBar = m_htTrack >= 301 ? 101 + (m_htTrack - 301) / 15 : m_htTrack;
    int nColBar = m_htTrack >= 301 ? 201 + (m_htTrack - 301) % 15 : m_htTrack;
    if (nRowBar >= 101 && nRowBar <= 115)
        TrackRowSize(point.y - m_ptTrackOffset.y, nRowBar - 101);
    if (nColBar >= 201 && nColBar <= 215)
        TrackColumnSize(point.x - m_ptTrackOffset.x, nColBar - 201);
    RecalcLayout();
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint)
{
    StopTracking(TRUE);
}

void CSplitterWnd::OnCaptureChanged(CWnd* pWnd)
{
    // Capture taken away ends the drag where it is.
    if (m_bTracking && AfxHwnd(pWnd) != m_hWnd)
    {
        m_bTracking = FALSE;
        RecalcLayout();
    }
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && pWnd == this)
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        int ht = HitTest(pt);
        if (ht != 0)
        {
            LPCSTR cursor = ht >= 301 ? IDC_SIZEALL : ht >= 201 ? IDC_SIZEWE : IDC_SIZENS;
            ::SetCursor(::LoadCursor(nullptr, cursor));
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}
