#include "shared/menuobj/GrabToBitmap.h"

#include "framework/DC.h"

BOOL GrabToBitmap(CDC* pDC, int left, int top, int right, int bottom, CBitmap& bitmap)
{
    bitmap.DeleteObject();
    const int cx = right - left;
    const int cy = bottom - top;
    if (!bitmap.CreateCompatibleBitmap(pDC, cx, cy))
        return FALSE;
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return FALSE;
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    const BOOL bCopied = memDC.BitBlt(0, 0, cx, cy, pDC, left, top, SRCCOPY);
    memDC.SelectObject(pOldBitmap);
    return bCopied;
}
