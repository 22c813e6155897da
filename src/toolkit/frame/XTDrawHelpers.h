// Drawing helpers of the toolkit's bars and buttons.
#pragma once

#include "framework/DC.h"
#include "framework/Wnd.h"

#include <commctrl.h>

// Draws one image of the list in the disabled (embossed) look at x, y: a
// highlight copy one pixel down-right under a shadow copy. bColor keeps the
// image's colours apart while it is masked; otherwise a monochrome mask is used.
void DrawEmbossedImage(CDC* pDC, HIMAGELIST hImageList, int nImage, int x, int y, BOOL bColor = FALSE);
// Fills the rectangle with the face/highlight checker pattern of a latched button.
void FillDitheredRect(CDC* pDC, const RECT& rect);
// For painting a window's frame: clips the window's client area out of the
// window DC and returns the whole window's rectangle in window coordinates.
CRect ExcludeClientArea(CWnd* pWnd, CDC* pDC);
// A gradient from clrFrom to clrTo in 64 bands along x (left to right) or
// along y (bottom to top).
void FillGradient(CDC* pDC, const CRect& rect, COLORREF clrFrom, COLORREF clrTo, BOOL bAlongX);
// A one-pixel frame in one colour.
void FrameSolid(CDC* pDC, const CRect& rc, COLORREF clr);
// A downward triangle of rows 5, 3 and 1 pixels wide from x, y.
void DrawDownArrow(CDC* pDC, int x, int y, COLORREF clr);

