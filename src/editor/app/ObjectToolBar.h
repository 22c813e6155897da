// The object tool bar: its buttons insert menu objects when clicked and can be
// dragged onto the canvas. While a button of the drag table is dragged the
// table's cursor shows; a release outside the bar is a drop, which the frame
// hands to the view with the command and the screen point.
#pragma once

#include "toolkit/bars/XTToolBar.h"

// One row of a drag table: the command and the cursor resource of its drag.
// A table ends with a row of command 0.
struct OBJECT_DRAG_ENTRY
{
    UINT nCommand;
    UINT nCursor;
};

class CObjectToolBar : public CXTToolBar
{
    DECLARE_DYNAMIC(CObjectToolBar)
public:
    CObjectToolBar() = default;

    void SetDragTable(const OBJECT_DRAG_ENTRY* pTable) { m_pDragTable = pTable; }
    BOOL IsDragging() const { return m_bDragging; }
    // The command of the drag that ended outside the bar, with its release
    // point in screen coordinates; 0 for a click or when nothing was dragged.
    // The drag is taken: a second call returns 0.
    UINT TakeDrop(POINT& ptScreen);

    // The table row of a command, null when it is not dragged.
    static const OBJECT_DRAG_ENTRY* FindDragEntry(const OBJECT_DRAG_ENTRY* pTable, UINT nCommand);

protected:
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCaptureChanged(CWnd* pWnd);

    DECLARE_MESSAGE_MAP()

private:
    const OBJECT_DRAG_ENTRY* m_pDragTable = nullptr;
    BOOL m_bDragging = FALSE;
    BOOL m_bReleased = FALSE;   // the drag ended with the button's release
    UINT m_nDragCommand = 0;
    HCURSOR m_hDragCursor = nullptr;
    CPoint m_ptLast;             // client coordinates of the bar
};
