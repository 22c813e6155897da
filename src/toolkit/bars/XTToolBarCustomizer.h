// A tool bar in customise mode: clicking a button selects it, dragging moves
// it within the bar, to another bar or off every bar (which removes it), Ctrl
// copies it between bars, a short sideways drag adds or removes the separator
// before it, and commands dragged from elsewhere are inserted where they are
// dropped. Made when the bar enters customise mode, deleted when it leaves.
#pragma once

#include "toolkit/bars/XTCustomizeManager.h"

#include "framework/Rect.h"

class CDC;
class CXTToolBar;

class CXTToolBarCustomizer : public IXTDropTarget
{
public:
    explicit CXTToolBarCustomizer(CXTToolBar* pBar);
    ~CXTToolBarCustomizer() override;
    CXTToolBarCustomizer(const CXTToolBarCustomizer&) = delete;
    CXTToolBarCustomizer& operator=(const CXTToolBarCustomizer&) = delete;

    // Attributes
    int GetSelected() const { return m_nSelected; }

    // Operations
    // The bar's messages while in customise mode; TRUE when handled here.
    BOOL Filter(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void Select(int nIndex);
    void ClearSelection();
    // Drags the selected button (the loop of the manager) from the screen
    // point where the drag began.
    void BeginDrag(CPoint ptStart);

    // The drop target
    BOOL HitTest(CPoint ptScreen) override;
    BOOL Enter(const CXTCommandItem& item, CPoint ptScreen, BOOL& bCanCopy) override;
    void Over(CPoint ptScreen) override;
    void Leave() override;
    void Drop(const CXTCommandItem& item, CPoint ptScreen) override;

protected:
    CXTToolBar* m_pBar;
    int m_nSelected;
    int m_nSource;
    int m_nInsert;
    CRect m_rcMarker;
    CRect m_rcZone;
    CPoint m_ptZoneStart;
    CPoint m_ptZoneCurrent;
    BOOL m_bInZone;
    BOOL m_bStartRecorded;
    BOOL m_bFromThisBar;

    // The button under the client point; separators count as none.
    int ButtonFromPoint(CPoint point) const;
    BOOL IsVertical() const;
    void ComputeInsertion(CPoint ptClient);
    void InvalidateMarker();
    void RedrawBar();

    static void PaintSelection(void* pContext, CDC* pDC);
    static void PaintMarker(void* pContext, CDC* pDC);
};
