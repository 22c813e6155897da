// The colour dialog's honeycomb: fixed colour cells, small hexagons around a
// centre and a grey row with a big white and a big black cell, chosen with the
// mouse or the arrow keys. Each new choice goes to the parent page as
// WM_XT_UPDATECOLOR.
#pragma once

#include "toolkit/controls/XTColorDialog.h"
#include "toolkit/controls/XTNotifyStatic.h"
#include "toolkit/controls/XTPixelBuffer.h"

#include <vector>

struct XT_HONEYCOMB_CELL
{
    int nLeft = -1;   // neighbour indices, -1 none
    int nUp = -1;
    int nRight = -1;
    int nDown = -1;
    BOOL bBig = FALSE;
    std::vector<POINT> pixels;
    COLORREF clr = 0;
};

class CXTHoneycombCtrl : public CXTNotifyStatic
{
    DECLARE_DYNAMIC(CXTHoneycombCtrl)
public:
    // Construction
    CXTHoneycombCtrl();

    // Attributes
    enum
    {
        CELL_COUNT = 144,
        CELL_CENTRE_WHITE = 63,
        CELL_BIG_WHITE = 142,
        CELL_BIG_BLACK = 143,
        GREY_ROW_TOP = 176   // white markers above it are the centre cell's
    };
    COLORREF GetSelectedColor() const { return m_clrSelected; }
    const std::vector<XT_HONEYCOMB_CELL>& GetCells() const { return m_cells; }
    // The cell the arrow keys move from: the selected colour's, else black.
    int GetCurrentCell() const;

    // Operations
    COLORREF CellColorAt(int x, int y);
    void MarkColor(COLORREF clr);
    void MarkCell(int nIndex);
    // The honeycomb and its selection marker, as painted.
    void Draw(CDC* pDC) override;

    // Layout: the cells in drawing order with their pixels and neighbours.
    static std::vector<XT_HONEYCOMB_CELL> BuildCells();
    // The first cell holding the pixel, or -1.
    static int CellIndexAt(const std::vector<XT_HONEYCOMB_CELL>& cells, int x, int y);
    // The first cell of the colour; white is the centre cell for a marker
    // above the grey row, else the big white cell.
    static int FindCell(const std::vector<XT_HONEYCOMB_CELL>& cells, COLORREF clr, int yMarker);

protected:
    void SelectAt(int x, int y);
    void DrawMarker(CDC* pDC, int nIndex) const;
    BOOL IsMarkerShown() const;

    BOOL m_bTracking;
    BOOL m_bSmallCell;
    CPoint m_ptMarker;
    COLORREF m_clrSelected;      // -1: none
    std::vector<XT_HONEYCOMB_CELL> m_cells;
    CXTPixelBuffer m_cache;      // the drawn cells

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()
};
