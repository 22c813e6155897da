// A splitter window: panes in rows and columns with bars between them that
// the user drags. A static splitter has its panes from the start; a pane is
// any child window with the id of its row and column.
#pragma once

#include "framework/Wnd.h"

#include <vector>

struct CCreateContext;

class CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    // Construction
    CSplitterWnd();
    // The splitter as a child of any window (its id by default the frame's pane).
    virtual BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                              UINT nID = AFX_IDW_PANE_FIRST);
    // Makes the pane of that row and column from its class, with its ideal size.
    virtual BOOL CreateView(int row, int col, const CRuntimeClass* pViewClass, SIZE sizeInit,
                            CCreateContext* pContext);

    // Attributes
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    CWnd* GetPane(int row, int col) const;
    BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol);
    int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }
    virtual CWnd* GetActivePane(int* pRow = nullptr, int* pCol = nullptr);
    virtual void SetActivePane(int row, int col, CWnd* pWnd = nullptr);

    // Operations
    virtual void RecalcLayout();

    // Overridables
    // The part under the point: 0 none, 101.. the bar below row 0.., 201..
    // the bar right of column 0.., 301.. where bars cross.
    virtual int HitTest(CPoint pt) const;
    virtual void OnDrawSplitter(CDC* pDC, int nType, const CRect& rect);
    virtual void StartTracking(int ht);
    virtual void StopTracking(BOOL bAccept);
    virtual void TrackRowSize(int y, int row);
    virtual void TrackColumnSize(int x, int col);

    // Implementation
public:
    struct CRowColInfo
    {
        int nMinSize;    // below it the pane is not shown
        int nIdealSize;  // what the user or the program asked for
        int nCurSize;    // what the last layout gave
    };
    int m_nRows, m_nCols;
    int m_cxSplitter, m_cySplitter;       // bar sizes
    int m_cxBorderShare, m_cyBorderShare; // border of each pane
    int m_cxSplitterGap, m_cySplitterGap; // room between panes
    std::vector<CRowColInfo> m_pRowInfo;
    std::vector<CRowColInfo> m_pColInfo;
    BOOL m_bTracking;
    int m_htTrack;
    CPoint m_ptTrackOffset;
    CRect m_rectLimit;

protected:
    // The rectangle of a bar hit code, in client coordinates.
    CRect GetHitRect(int ht) const;

    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCaptureChanged(CWnd* pWnd);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

    DECLARE_MESSAGE_MAP()
};

// One row or column of panes in the splitter's layout, all sizes along one axis.
struct AFX_SPLITINFO
{
    int nMinSize;
    int nIdealSize;
};

// The sizes the panes get along a length with gaps between them: each but the
// last its ideal size while room is left, a pane below its minimum nothing,
// the last what remains.
std::vector<int> AfxLayoutSplitPanes(const std::vector<AFX_SPLITINFO>& panes, int nLength, int nGap);
