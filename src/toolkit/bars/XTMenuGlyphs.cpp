#include "toolkit/bars/XTMenuGlyphs.h"

namespace {

// Each row a string of the glyph's width: 'X' marks a pixel.
void DrawPattern(HDC hDC, int x, int y, COLORREF clr, const char* const* pRows, int nRows)
{
    for (int row = 0; row < nRows; ++row)
        for (int col = 0; pRows[row][col] != '\0'; ++col)
            if (pRows[row][col] == 'X')
                ::SetPixelV(hDC, x + col, y + row, clr);
}

} // namespace

void DrawMenuCheck(HDC hDC, int x, int y, COLORREF clr)
{
    static const char* const kRows[] = {
        "......X",
        ".....XX",
        "X...XX.",
        "XX.XX..",
        ".XXX...",
        "..X....",
    };
    DrawPattern(hDC, x, y, clr, kRows, 6);
}

void DrawMenuRadioDot(HDC hDC, int x, int y, COLORREF clr)
{
    static const char* const kRows[] = {
        ".XXXX.",
        "XXXXXX",
        "XXXXXX",
        "XXXXXX",
        ".XXXX.",
    };
    DrawPattern(hDC, x, y, clr, kRows, 5);
}

void DrawChevronGlyph(HDC hDC, int x, int y, COLORREF clr)
{
    static const char* const kRows[] = {
        "X...X",
        "XX.XX",
        ".XXX.",
        "..X..",
    };
    DrawPattern(hDC, x, y, clr, kRows, 4);
}
