// The splitter between a row of dock windows and the rest of the frame:
// dragging it changes the depth of the row. Its dock bar makes it anew on
// every layout and drives it from its mouse handlers.
#pragma once

#include "framework/Rect.h"

#include <vector>

class CDC;
class CXTDockBar;

class CXTRowSplitter
{
public:
    // Orientations: a vertical line dragged sideways, a horizontal one dragged up and down.
    enum { orientVert = 1, orientHorz = 2 };

    // Construction
    // rect: dock bar client coordinates; nBarIndex: the bar entry it belongs to.
    CXTRowSplitter(CXTDockBar* pDockBar, const CRect& rect, int nOrientation, int nBarIndex);
    CXTRowSplitter(const CXTRowSplitter&) = delete;
    CXTRowSplitter& operator=(const CXTRowSplitter&) = delete;
    virtual ~CXTRowSplitter();

    // Attributes
    CRect m_rect;           // dock bar client coordinates
    CRect m_rectTracker;    // the drag rectangle, frame client coordinates
    CPoint m_ptLast;        // the last mouse point (screen)
    int m_nStartPos;
    int m_nPos;
    int m_nMaxPos;
    int m_nMinPos;
    int m_nOrientation;
    int m_nBarIndex;
    CXTDockBar* m_pDockBar;

    // Operations (points in screen coordinates)
    // Computes the limits, draws the drag rectangle; TRUE when tracking starts.
    virtual BOOL OnLButtonDown(CPoint point);
    virtual void OnMouseMove(CPoint point);
    // Moves to the point, erases the rectangle and applies a changed position.
    virtual void OnLButtonUp(CPoint point);
    // Erases the drag rectangle (when shown) without applying anything.
    void CancelTracking();
    // Paints the splitter into the dock bar's client DC.
    void Draw(CDC* pDC) const;

    // Overridables
    virtual void ApplySize();
    virtual void CalcLimits();

protected:
    // The mouse delta along the drag axis, turned for bottom and right dock bars.
    int DeltaOf(CPoint point) const;
    void MoveTo(CPoint point);
    // Inverts the drag rectangle in the frame's window DC.
    void DrawTracker();
    // The row's dock windows as lengths, and the index of the first after the splitter.
    void GetRowWindows(std::vector<class CXTDockWindow*>& windows, std::vector<struct XT_ROWWINDOW>& lengths,
                       int* pnSplit) const;
    CPoint m_ptStart;       // where the drag began (screen)
    BOOL m_bTrackerShown = FALSE;
    BOOL m_bReversed = FALSE;   // the position moves against the mouse
};
