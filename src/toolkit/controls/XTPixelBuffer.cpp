#include "toolkit/controls/XTPixelBuffer.h"

namespace {

DWORD ToPixel(COLORREF clr)
{
    return ((DWORD)GetRValue(clr) << 16) | ((DWORD)GetGValue(clr) << 8) | GetBValue(clr);
}

} // namespace

void CXTPixelBuffer::Resize(int cx, int cy, COLORREF clrFill)
{
    m_cx = cx > 0 ? cx : 0;
    m_cy = cy > 0 ? cy : 0;
    m_pixels.assign((size_t)m_cx * m_cy, ToPixel(clrFill));
}

void CXTPixelBuffer::SetPixel(int x, int y, COLORREF clr)
{
    if (x >= 0 && y >= 0 && x < m_cx && y < m_cy)
        m_pixels[(size_t)y * m_cx + x] = ToPixel(clr);
}

COLORREF CXTPixelBuffer::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return (COLORREF)-1;
    DWORD dw = m_pixels[(size_t)y * m_cx + x];
    return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
}

void CXTPixelBuffer::Draw(CDC* pDC, int x, int y) const
{
    if (IsEmpty())
        return;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = m_cx;
    bmi.bmiHeader.biHeight = -m_cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    ::SetDIBitsToDevice(pDC->m_hDC, x, y, m_cx, m_cy, 0, 0, 0, m_cy, m_pixels.data(), &bmi, DIB_RGB_COLORS);
}
