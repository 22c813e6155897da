// Tells a click from a drag: holds the mouse until it leaves the drag
// distance around the press.
#pragma once

#include "framework/Point.h"

#include <windows.h>

// TRUE when a move with the button down leaves the drag distance around the
// screen point of the press, with that move's screen point in *pptDetected;
// FALSE when a button changes first or the window loses the mouse. The
// window holds the capture while it waits and lets it go on return.
// The system's drag detection neither says where the drag was seen nor
// compares points of one kind (a move's client point with the screen point
// given), so a quick hand's drag would seem to start where the pointer is
// when the drag loop starts.
BOOL XTWaitForDrag(HWND hWnd, CPoint ptScreen, CPoint* pptDetected = nullptr);
