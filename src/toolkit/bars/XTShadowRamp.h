// The 4-pixel drop shadow right of and below a rectangle, darkened in place.
#pragma once

#include <windows.h>

// Darkens the right strip (4 wide, from top + 4) and the bottom strip (4 high,
// from left + 4 to right - 4) of the rectangle: each channel loses
// nDarkness * weight / 100, the weight falling from 60 next to the shadowed
// area to 15 at the outer edge.
void DrawShadowRamp(HDC hDC, int left, int top, int right, int bottom, int nDarkness);
