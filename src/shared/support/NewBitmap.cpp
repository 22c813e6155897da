#include "shared/support/NewBitmap.h"

#include "framework/DC.h"

BOOL PaintNewBitmap(CDC* pDC, CBitmap& bitmap, int cx, int cy, const std::function<BOOL(CDC& memDC)>& paint)
{
    bitmap.DeleteObject();
    if (!bitmap.CreateCompatibleBitmap(pDC, cx, cy))
        return FALSE;
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return FALSE;
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    const BOOL bPainted = paint(memDC);
    memDC.SelectObject(pOldBitmap);
    return bPainted;
}
