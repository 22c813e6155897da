// The framework's splitter with the toolkit's look and cursors, style flags,
// and a whole row or column hidden and shown again or a pane's view exchanged.
// Bars are dragged live when the system drags full windows, else as an
// inverted tracker that sizes the panes only when the mouse is released.
#pragma once

#include "framework/SplitterWnd.h"

// Splitter style flags.
#define SPLITSTYLE_DOTTRACKER   0x01
#define SPLITSTYLE_NOFULLDRAG   0x02
#define SPLITSTYLE_NOBORDER     0x04
#define SPLITSTYLE_NOSIZE       0x08    // bars answer HTBORDER: they cannot be dragged

class CXTSplitterWnd : public CSplitterWnd
{
    DECLARE_DYNAMIC(CXTSplitterWnd)
public:
    // Construction
    CXTSplitterWnd();

    // Operations
    // One row or column at a time is hidden; hiding another shows the first again.
    virtual void RestoreColumn();
    virtual void CollapseColumn(int nCol);
    virtual void RestoreRow();
    virtual void CollapseRow(int nRow);
    // FALSE when the window already is that pane's view.
    virtual BOOL SwapPaneViews(int nRow, int nCol, CWnd* pWnd);
    // The old view, hidden with id 0; null when the window already is the pane's view.
    virtual CWnd* SubstituteView(int nRow, int nCol, CWnd* pWnd);
    // Puts a new view of the class, on the old view's document, in the pane.
    // The old view (hidden, id 0) is the caller's to dispose of; null when the
    // pane's view already is of that class or the new one cannot be made.
    virtual CWnd* ChangeView(int nRow, int nCol, const CRuntimeClass* pViewClass);
    virtual void SetSplitStyle(DWORD dwStyle);
    virtual DWORD GetSplitStyle() const { return m_dwSplitStyle; }
    virtual void SetFlatSplitters(BOOL bFlat);
    // Draws (and, drawn again, erases) a tracker on the window; nothing while dragging live.
    virtual void DrawTracker(const CRect& rect, HBRUSH hBrush);
    int GetCollapsedColumn() const { return m_nCollapsedCol; }
    int GetCollapsedRow() const { return m_nCollapsedRow; }
    BOOL IsLiveDrag() const { return m_bLiveDrag; }

    // Overridables
    void RecalcLayout() override;
    void OnDrawSplitter(CDC* pDC, int nType, const CRect& rect) override;
    void StartTracking(int ht) override;
    void StopTracking(BOOL bAccept) override;
    // The tracker drawn or erased: white in the flat look, else a halftone.
    virtual void OnInvertTracker(const CRect& rect);
    // The trackers of a drag in progress (client coordinates); empty when none.
    const CRect& GetTrackerRect() const { return m_rectTracker; }
    const CRect& GetTrackerRect2() const { return m_rectTracker2; }

    // Implementation
protected:
    int m_nCollapsedCol;
    int m_nCollapsedRow;
    DWORD m_dwSplitStyle;
    BOOL m_bLiveDrag;
    BOOL m_bFlatSplitters;
    int m_xLastTrack, m_yLastTrack;   // the last position applied while dragging live
    CRect m_rectTracker;              // the row bar tracked, or the column bar
    CRect m_rectTracker2;             // the column bar tracked where bars cross
    int m_nTrackRow, m_nTrackCol;     // the bars tracked, -1 when none

    void ReadLiveDrag();
    // Rows and columns are the same arithmetic with the axes exchanged.
    int PaneID(BOOL bColumn, int nLine, int nIndex) const
    {
        return bColumn ? IdFromRowCol(nLine, nIndex) : IdFromRowCol(nIndex, nLine);
    }
    void Collapse(BOOL bColumn, int nIndex);
    void Restore(BOOL bColumn);
    // Where the bar after pane nIndex may go: from that pane's minimum to the
    // next pane's minimum (client coordinates along the axis).
    void GetTrackLimits(BOOL bColumn, int nIndex, LONG& nMin, LONG& nMax) const;
    void InvertTrackers();
    // A dotted frame with SPLITSTYLE_DOTTRACKER, else the bar's right (or
    // bottom) 4 pixels inverted with the brush.
    void DrawTrackerOn(HDC hDC, const CRect& rect, HBRUSH hBrush) const;
    void EndTrackerDrag();

    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    LRESULT OnNcHitTest(CPoint point);
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCaptureChanged(CWnd* pWnd);

    DECLARE_MESSAGE_MAP()
};
