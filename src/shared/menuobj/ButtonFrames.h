// The frames and 3-D lines that the drawn button styles (window, transparent)
// share. Every line goes from point to point with move-to and line-to, so the
// end point of each line stays unpainted.
#pragma once

#include "framework/Afx.h"

// The look of a drawn button.
enum ButtonLook
{
    BUTTON_LOOK_NORMAL,
    BUTTON_LOOK_RAISED,    // the mouse is over it or it has the focus
    BUTTON_LOOK_PRESSED,
};

// Two lines in one colour: from a to b and from b to c.
void DrawButtonLines(CDC* pDC, COLORREF cr, POINT a, POINT b, POINT c);

// The black frame on the rectangle and the lines of the look; the transparent
// style's normal look has a light grey line inside the white one.
void DrawWindowStyleFrame(CDC* pDC, const RECT& rc, ButtonLook look, BOOL bTransparentStyle);
