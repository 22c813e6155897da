#include "shared/menuobj/GrabToBitmap.h"

#include "framework/DC.h"
#include "shared/support/NewBitmap.h"

BOOL GrabToBitmap(CDC* pDC, int left, int top, int right, int bottom, CBitmap& bitmap)
{
    const int cx = right - left;
    const int cy = bottom - top;
    return PaintNewBitmap(pDC, bitmap, cx, cy,
                          [&](CDC& memDC) { return memDC.BitBlt(0, 0, cx, cy, pDC, left, top, SRCCOPY); });
}
