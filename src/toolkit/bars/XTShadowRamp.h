// Drop shadows right of and below a rectangle, darkened in place.
#pragma once

#include <windows.h>

// Darkens the right strip (4 wide, from top + 4) and the bottom strip (4 high,
// from left + 4 to right - 4) of the rectangle: each channel loses
// nDarkness * weight / 100, the weight falling from 60 next to the shadowed
// area to 15 at the outer edge.
void DrawShadowRamp(HDC hDC, int left, int top, int right, int bottom, int nDarkness);

// The soft shadow of a popup whose face is rcFace and whose shadow is
// rcShadow (the face moved down and right): each pixel of the shadow outside
// the face loses 15 per channel for each ring it lies inside the shadow's
// outer edge, 15 at the edge up to 75 five pixels in.
void DrawSoftShadow(HDC hDC, const RECT& rcShadow, const RECT& rcFace);
