#include "toolkit/bars/XTShadowRamp.h"

#include <algorithm>

namespace {

// The weight of the innermost of the rectangles shrunk by 3, 2, 1 and 0 that holds the pixel.
int RampWeight(int x, int y, int left, int top, int right, int bottom)
{
    static const int kWeights[4] = { 15, 30, 45, 60 };
    for (int nShrink = 3; nShrink > 0; --nShrink)
        if (x >= left + nShrink && x < right - nShrink && y >= top + nShrink && y < bottom - nShrink)
            return kWeights[nShrink];
    return kWeights[0];
}

int Darken(int nChannel, int nAmount)
{
    int n = nChannel - nAmount;
    return n < 0 ? 0 : (n > 255 ? 255 : n);
}

void DarkenPixel(HDC hDC, int x, int y, int nAmount)
{
    COLORREF clr = ::GetPixel(hDC, x, y);
    if (clr == CLR_INVALID)
        return;
    ::SetPixel(hDC, x, y, RGB(Darken(GetRValue(clr), nAmount), Darken(GetGValue(clr), nAmount),
                              Darken(GetBValue(clr), nAmount)));
}

} // namespace

void DrawShadowRamp(HDC hDC, int left, int top, int right, int bottom, int nDarkness)
{
    for (int y = top + 4; y < bottom; ++y)
        for (int x = right - 4; x < right; ++x)
            DarkenPixel(hDC, x, y, nDarkness * RampWeight(x, y, left, top, right, bottom) / 100);
    for (int y = bottom - 4; y < bottom; ++y)
        for (int x = left + 4; x < right - 4; ++x)
            DarkenPixel(hDC, x, y, nDarkness * RampWeight(x, y, left, top, right, bottom) / 100);
}

void DrawSoftShadow(HDC hDC, const RECT& rcShadow, const RECT& rcFace)
{
    const int kRings = 5, kStep = 15;
    for (int y = rcShadow.top; y < rcShadow.bottom; ++y)
        for (int x = rcShadow.left; x < rcShadow.right; ++x)
        {
            POINT pt = { x, y };
            if (::PtInRect(&rcFace, pt))
                continue;
            int nRing = (int)std::min<long>({ rcShadow.right - x, rcShadow.bottom - y, x - rcShadow.left + 1,
                                              y - rcShadow.top + 1, (long)kRings });
            DarkenPixel(hDC, x, y, kStep * nRing);
        }
}
