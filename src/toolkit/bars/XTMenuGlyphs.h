// The small glyphs of owner-drawn menus, drawn pixel by pixel in one colour
// with their top-left corner at x, y.
#pragma once

#include <windows.h>

// A tick 7 pixels wide and 6 high, its strokes 2 pixels thick.
void DrawMenuCheck(HDC hDC, int x, int y, COLORREF clr);
// A round dot 6 pixels wide and 5 high.
void DrawMenuRadioDot(HDC hDC, int x, int y, COLORREF clr);
// A downward chevron 5 pixels wide and 4 high.
void DrawChevronGlyph(HDC hDC, int x, int y, COLORREF clr);
