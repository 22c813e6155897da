// The edge line a popup draws where it meets the control that opened it.
#pragma once

#include "framework/DC.h"

// Clips rcEdge to rcWindow, moves it into the window's client coordinates and,
// when it is a horizontal or vertical line longer than 2 pixels, draws it
// without its first pixel in a 1-pixel pen of clr. Other shapes draw nothing.
void DrawBorderRect(CDC* pDC, COLORREF clr, const CRect& rcEdge, const CRect& rcWindow);

class CWnd;

// The flat look's popup frame: one pixel in clrFrame around the window, and
// where it meets the anchor (screen) a line in clrJoint, so that popup and
// anchor look joined.
void DrawJoinedPopupFrame(CWnd* pWnd, const CRect& rcAnchor, COLORREF clrFrame, COLORREF clrJoint);

