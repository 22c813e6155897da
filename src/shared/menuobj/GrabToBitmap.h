// Copies an area of a device context into a bitmap.
#pragma once

#include <windows.h>

class CBitmap;
class CDC;

// Replaces the bitmap by one compatible with the context, of (right - left)
// by (bottom - top) pixels, holding that area of the context.
BOOL GrabToBitmap(CDC* pDC, int left, int top, int right, int bottom, CBitmap& bitmap);
