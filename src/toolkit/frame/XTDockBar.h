// The toolkit's dock bar: one of a frame's four edge windows (or a floating
// frame's one) holding docked bars in rows. Dock windows share a row and
// split its length; splitters between rows and between dock windows of a
// row resize them with the mouse; tool bars at a row's end hide buttons to
// fit; a right click lists the frame's bars.
#pragma once

#include "framework/DockBar.h"

#include <vector>

class CXTDockWindow;
class CXTRowSplitter;
class CFrameWnd;
struct XT_DOCKENTRY;
struct XT_DOCKPLACE;

// Toolkit styles of a dock bar (m_dwDockBarStyle).
#define XT_DOCKBAR_PLAINSPLITTERS   0x0080  // splitters flat, dragged white; other bars keep their borders
#define XT_DOCKBAR_NOSPLITTERLINE   0x0100  // no dark line along the splitters

// The depth of a splitter across its row, and the shift a vertical row gets.
#define XT_SPLITTER_SIZE 6

class CXTDockBar : public CDockBar
{
    DECLARE_DYNCREATE(CXTDockBar)
public:
    // Construction
    explicit CXTDockBar(BOOL bFloating = FALSE);
    ~CXTDockBar() override;

    // Attributes
    int m_nHitTracker;          // the splitter under the cursor, -1 when none
    BOOL m_bTracking;           // a splitter drag runs
    HWND m_hWndFocus;           // the focus before the drag
    DWORD m_dwDockBarStyle;     // XT_DOCKBAR_... (the frame's copy of the bars' toolkit style)
    std::vector<CXTRowSplitter*> m_arrTrackers;   // the splitters of the last layout, owned

    DWORD GetDockBarStyle() const { return m_dwDockBarStyle; }
    void SetDockBarStyle(DWORD dwStyle) { m_dwDockBarStyle = dwStyle; }
    BOOL IsHorzDockBar() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
    // The first splitter of the row starting at nRowStart, or null.
    CXTRowSplitter* GetRowSplitter(int nRowStart) const;

    // The size a bar takes in its row (x and y of the dock bar).
    CSize GetBarSize(CControlBar* pBar) const;

    // Row queries (an entry counts when its bar exists as a window and shows)
    // The first entry of the row holding the bar, -1 when the bar is not here.
    int GetRowStart(CControlBar* pBar) const;
    int GetRowStartOf(int nIndex) const;
    // The entry of the bar, -1 when it is not here.
    int GetBarIndex(CControlBar* pBar) const;
    // The visible dock windows from nIndex to the row's end.
    int CountDockWindows(int nIndex) const;
    // The greatest depth (across the row) of the row's visible bars.
    int GetRowDepth(int nRowStart) const;
    // The greatest depth of the row's bars that are not dock windows, at least 2.
    int GetRowFixedDepth(int nRowStart) const;
    // The lengths of the row's dock windows, and their minimum (caption) lengths.
    int GetRowDockLength(int nRowStart) const;
    int GetRowMinLength(int nRowStart) const;
    // The length of the row's other bars plus the splitters between its bars.
    int GetRowOtherLength(int nRowStart) const;
    CXTDockWindow* GetRowShownWindow(int nRowStart) const;
    CXTDockWindow* GetRowFirstDockWindow(int nRowStart) const;
    CXTDockWindow* GetRowExpandedWindow(int nRowStart) const;
    // The dock windows of the row holding nIndex, visible ones only.
    std::vector<CXTDockWindow*> GetRowDockWindows(int nRowStart) const;
    // How far a row splitter may deepen a row: the frame's client depth less
    // the other dock bars (and the status bar) on this axis.
    int GetFrameFreeDepth() const;
    // The length along the dock bar that a row may fill.
    int GetAvailableLength() const;

    // Operations
    // Docks the bar at the rectangle (screen; null: its old place); a dock
    // window first gets BARSTYLE_SHOWN so that it takes the rest of its row.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr) override;
    // The row's dock windows give up their length to the bar, down to
    // their caption; and the way back to their own lengths.
    virtual void ExpandBar(CXTDockWindow* pBar);
    virtual void ContractBar(CXTDockWindow* pBar);
    // The row's dock windows back at their stored lengths (no expansion).
    void RestoreRowSizes(int nRowStart);
    // Applies the row's expansion again: every other dock window contracts,
    // the expanded one (or pTarget, when given) takes what they gave.
    void ApplyExpansion(int nRowStart, CXTDockWindow* pTarget = nullptr);
    // Finds the splitter under the screen point, sets the cursor and m_nHitTracker.
    virtual int HitTestSplitter(CPoint ptScreen);
    // The frame this dock bar lays out for.
    CFrameWnd* GetDockFrame() const;

    // Overridables
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;

    // Implementation
protected:
    void DeleteTrackers();
    void AddSplitter(CXTRowSplitter* pSplitter);
    // A menu bar behind another bar of its row gets a row of its own ahead of it.
    BOOL MoveMenuBarsAhead();
    // Draws the border lines of the bar style (pDC null: only measures);
    // returns what is left inside them.
    CRect DrawDockBarBorders(CDC* pDC, CRect rect) const;
    // Gives the row's dock windows the available length (see the layout).
    void RedistributeRow(int nRowStart, int nAvailable);
    // Redistributes a row of dock windows that does not fill nAvailable (or
    // has a newly docked one) and tells each whether it is alone in the row.
    void ShareRow(int nRowStart, int nAvailable);
    // The visible bars of the row, measured for the layout.
    std::vector<XT_DOCKENTRY> GatherRow(int nRowStart) const;
    // Gives the bars their places and border styles (one deferred move) and
    // notes where each docks again.
    void ApplyPlaces(const std::vector<CControlBar*>& bars, const std::vector<XT_DOCKPLACE>& places);
    void EndTracking(BOOL bApply, CPoint point);
    void ShowDockBarMenu(CPoint ptScreen);

    LRESULT OnNcHitTest(CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCaptureChanged(CWnd* pWnd);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnCancel();
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnPaint();
    void OnNcPaint();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);

    DECLARE_MESSAGE_MAP()
};
