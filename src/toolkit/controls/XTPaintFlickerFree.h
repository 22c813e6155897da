// The controls' painting without flicker: the window's own painting goes
// into an off-screen buffer filled with a background colour first, which is
// then copied to the screen in one step.
#pragma once

#include <windows.h>

class CWnd;

// Answers WM_PAINT for the window that way.
void XTPaintFlickerFree(CWnd* pWnd, COLORREF clrBack);
