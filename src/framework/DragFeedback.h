// What every drag draws and reads: the 50 % grey inverted onto the screen as
// feedback, and the screen point of a mouse message.
#pragma once

#include "framework/Point.h"
#include "framework/Rect.h"
#include "framework/Size.h"

#include <windows.h>

// The 8 x 8 checker that marks feedback on any background; made once, shared
// by every caller and never deleted.
HBRUSH AfxGetHalftoneBrush();

// Inverts a frame of the given thickness along the rectangle's inside with
// the brush (the halftone brush when none is given). Inverting it again
// takes it away.
void AfxInvertFrame(HDC hDC, const CRect& rect, CSize size, HBRUSH hBrush = nullptr);

// The screen point of a mouse message (client coordinates of its window).
CPoint AfxMessageScreenPoint(const MSG& msg);
