// Drawing into a fresh bitmap through a memory device context.
#pragma once

#include <windows.h>

#include <functional>

class CBitmap;
class CDC;

// Replaces the bitmap by one of cx by cy pixels, compatible with the context,
// selects it into a memory context compatible with pDC and lets paint draw
// on that. Returns what paint returns, FALSE when the bitmap or the memory
// context cannot be made.
BOOL PaintNewBitmap(CDC* pDC, CBitmap& bitmap, int cx, int cy, const std::function<BOOL(CDC& memDC)>& paint);
