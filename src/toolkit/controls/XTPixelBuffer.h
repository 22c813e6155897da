// A top-down picture of 32-bit pixels held in memory, for fields that are
// computed pixel by pixel and drawn in one call.
#pragma once

#include "framework/DC.h"

#include <vector>

class CXTPixelBuffer
{
public:
    // Operations
    void Resize(int cx, int cy, COLORREF clrFill);
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    BOOL IsEmpty() const { return m_cx <= 0 || m_cy <= 0; }
    // Points outside the picture are ignored (set) or give -1 (get).
    void SetPixel(int x, int y, COLORREF clr);
    COLORREF GetPixel(int x, int y) const;
    // Copies the picture to pDC with its top-left corner at x, y.
    void Draw(CDC* pDC, int x, int y) const;

private:
    std::vector<DWORD> m_pixels;   // 0x00RRGGBB, rows top to bottom
    int m_cx = 0;
    int m_cy = 0;
};
