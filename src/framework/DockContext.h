// The user's moving of a control bar: dragging it onto another side of its
// frame or out into a floating frame, resizing a floating bar, docking or
// floating it on a double click. The drag runs its own message loop while the
// bar holds the mouse capture; the mouse buttons and the Ctrl and Shift keys
// are read from the messages themselves, never from the device state.
#pragma once

#include "framework/Rect.h"

class CControlBar;
class CDC;
class CDockBar;
class CFrameWnd;

class CDockContext
{
public:
    // Construction
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();

    // Attributes
    CPoint m_ptLast;            // the last mouse point (screen)
    CRect m_rectLast;           // the feedback rectangle drawn last
    CSize m_sizeLast;           // its frame width
    BOOL m_bDitherLast;         // drawn with the floating frame's (wider) border

    // The rectangles the bar would take: docked horizontally or vertically,
    // and as a floating frame of either orientation (screen coordinates).
    CRect m_rectDragHorz;
    CRect m_rectDragVert;
    CRect m_rectFrameDragHorz;
    CRect m_rectFrameDragVert;

    CControlBar* m_pBar;        // the bar being moved
    CFrameWnd* m_pDockSite;     // the frame it docks in
    DWORD m_dwDockStyle;        // the sides it may dock at (CBRS_ALIGN_..., CBRS_FLOAT_MULTI)
    DWORD m_dwOverDockStyle;    // the side the drag is over, 0 when floating
    DWORD m_dwStyle;            // the bar's alignment style when the loop began
    BOOL m_bFlip;               // Shift: the other orientation
    BOOL m_bForceFrame;         // Ctrl: float even over a dock bar
    CDC* m_pDC;                 // where the feedback is drawn (the screen)
    BOOL m_bDragging;           // TRUE: a move, FALSE: a resize
    int m_nHitTest;             // the sizing border of a resize (HTLEFT...)

    // Where the bar docked and floated last.
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;     // in the dock bar's client coordinates
    DWORD m_dwMRUFloatStyle;    // CBRS_ALIGN_TOP or CBRS_ALIGN_LEFT, with CBRS_FLOAT_MULTI
    CPoint m_ptMRUFloatPos;     // the floating frame's top-left corner

    // Resizing: the size asked for, the size the bar answered and its frame.
    CRect m_rectRequestedSize;
    CRect m_rectActualSize;
    CRect m_rectActualFrameSize;
    CRect m_rectFrameBorders;   // the frame's borders around the bar

    // Drag (a press on the bar or on its floating frame's caption)
    virtual void StartDrag(CPoint pt);
    virtual void Move(CPoint pt);
    virtual void EndDrag();
    // Ctrl and Shift pressed or released during a drag.
    virtual void OnKey(int nChar, BOOL bDown);

    // Resize (a press on the floating frame's sizing border)
    virtual void StartResize(int nHitTest, CPoint pt);
    virtual void Stretch(CPoint pt);
    virtual void EndResize();

    // Double click: a docked bar floats at its last floating place, a
    // floating one docks at its last docked place.
    virtual void ToggleDocking();

    // Implementation
    virtual void InitLoop();
    virtual void CancelLoop();
    // The loop itself: TRUE when it ended with the button released, FALSE
    // when cancelled (Escape, the right button, lost capture).
    virtual BOOL Track();
    virtual void DrawFocusRect(BOOL bRemoveRect = FALSE);
    // The side the bar would dock at now (CBRS_ALIGN_...), 0 for floating.
    virtual DWORD CanDock();
    // The dock bar of the frame that takes the bar at that side, or NULL.
    virtual CDockBar* GetDockBar(DWORD dwOverDockStyle);
    // Sets a flag; a change recomputes the side and redraws the feedback.
    virtual void UpdateState(BOOL* pFlag, BOOL bNewValue);
    // Floats the bar at the top-left of its floating rectangle for the style
    // (CBRS_ALIGN_TOP horizontal, CBRS_ALIGN_LEFT vertical) and remembers it.
    virtual void Float(DWORD dwFloatStyle);

protected:
    // The four drag rectangles of the bar standing at rect, grabbed at pt.
    void InitDragRects(const CRect& rect, CPoint pt);
    // The rectangle of the drag in the orientation it shows now.
    BOOL IsHorzNow() const;
    BOOL m_bCancelled;
};
