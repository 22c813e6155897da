// Test pictures written as BMP files or packed DIBs, with the colour every
// pixel must show when drawn, and a 32-bit drawing surface to check them on.
#pragma once

#include "framework/DC.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace bmp_test {

struct TestBmp
{
    int nWidth = 0;
    int nHeight = 0;
    int nBitCount = 0;
    bool bTopDown = false;
    DWORD nColorsUsed = 0;              // as written into the header
    std::vector<RGBQUAD> table;         // the colour table written
    std::vector<DWORD> pixels;          // index or 0x00RRGGBB, row by row from the top

    COLORREF ColorAt(int x, int y) const
    {
        const DWORD v = pixels[size_t(y) * nWidth + x];
        if (nBitCount <= 8)
            return RGB(table[v].rgbRed, table[v].rgbGreen, table[v].rgbBlue);
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    DWORD RowBytes() const { return DWORD((nWidth * nBitCount + 31) / 32 * 4); }
};

// A pattern in which neighbouring pixels differ. With colours-used 0 an indexed
// picture gets a full table; otherwise a table of that many colours.
inline TestBmp MakePattern(int nWidth, int nHeight, int nBitCount, DWORD nColorsUsed = 0, bool bTopDown = false)
{
    TestBmp bmp;
    bmp.nWidth = nWidth;
    bmp.nHeight = nHeight;
    bmp.nBitCount = nBitCount;
    bmp.bTopDown = bTopDown;
    bmp.nColorsUsed = nColorsUsed;
    if (nBitCount <= 8)
    {
        const DWORD nColors = nColorsUsed != 0 ? nColorsUsed : (1u << nBitCount);
        for (DWORD i = 0; i < nColors; ++i)
            bmp.table.push_back(RGBQUAD{ BYTE(i * 53 + 7), BYTE(i * 91 + 40), BYTE(255 - i * 37), 0 });
        for (int y = 0; y < nHeight; ++y)
            for (int x = 0; x < nWidth; ++x)
                bmp.pixels.push_back(DWORD(x * 3 + y * 5 + (x * y) % 7) % nColors);
    }
    else
    {
        for (int y = 0; y < nHeight; ++y)
            for (int x = 0; x < nWidth; ++x)
                bmp.pixels.push_back((DWORD(x * 40 + 10) & 0xFF) << 16 | (DWORD(y * 50 + 20) & 0xFF) << 8 |
                                     (DWORD((x + y) * 30) & 0xFF));
    }
    return bmp;
}

inline void PutPixel(const TestBmp& bmp, BYTE* pRow, int x, DWORD v)
{
    switch (bmp.nBitCount)
    {
    case 1: pRow[x / 8] |= BYTE(v << (7 - x % 8)); break;
    case 4: pRow[x / 2] |= BYTE(v << (x % 2 == 0 ? 4 : 0)); break;
    case 8: pRow[x] = BYTE(v); break;
    case 24: pRow[x * 3] = BYTE(v); pRow[x * 3 + 1] = BYTE(v >> 8); pRow[x * 3 + 2] = BYTE(v >> 16); break;
    case 32: memcpy(pRow + x * 4, &v, 4); break;
    }
}

// Header, colour table and pixel rows (bottom-up, or top-down when asked).
inline std::vector<BYTE> PackedDibBytes(const TestBmp& bmp)
{
    BITMAPINFOHEADER bih = { sizeof(bih), bmp.nWidth, bmp.bTopDown ? -bmp.nHeight : bmp.nHeight, 1,
                             WORD(bmp.nBitCount), BI_RGB, 0, 0, 0, bmp.nColorsUsed, 0 };
    std::vector<BYTE> out(sizeof(bih) + bmp.table.size() * sizeof(RGBQUAD) + size_t(bmp.RowBytes()) * bmp.nHeight);
    memcpy(out.data(), &bih, sizeof(bih));
    if (!bmp.table.empty())
        memcpy(out.data() + sizeof(bih), bmp.table.data(), bmp.table.size() * sizeof(RGBQUAD));
    BYTE* pBits = out.data() + sizeof(bih) + bmp.table.size() * sizeof(RGBQUAD);
    for (int y = 0; y < bmp.nHeight; ++y)
    {
        const int nRow = bmp.bTopDown ? y : bmp.nHeight - 1 - y;
        for (int x = 0; x < bmp.nWidth; ++x)
            PutPixel(bmp, pBits + size_t(nRow) * bmp.RowBytes(), x, bmp.pixels[size_t(y) * bmp.nWidth + x]);
    }
    return out;
}

// A BMP file: the 14-byte file header (pixel offset as given, or the real one
// when -1) in front of the packed DIB.
inline std::vector<BYTE> BmpFileBytes(const std::vector<BYTE>& dib, LONG nPixelOffset = -1)
{
    const BITMAPINFOHEADER* pHeader = reinterpret_cast<const BITMAPINFOHEADER*>(dib.data());
    const size_t nTable = dib.size() - sizeof(BITMAPINFOHEADER) -
                          size_t((pHeader->biWidth * pHeader->biBitCount + 31) / 32 * 4) *
                              size_t(pHeader->biHeight < 0 ? -pHeader->biHeight : pHeader->biHeight);
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42;
    bfh.bfSize = DWORD(sizeof(bfh) + dib.size());
    bfh.bfOffBits = nPixelOffset >= 0 ? DWORD(nPixelOffset) : DWORD(sizeof(bfh) + sizeof(BITMAPINFOHEADER) + nTable);
    std::vector<BYTE> out(sizeof(bfh) + dib.size());
    memcpy(out.data(), &bfh, sizeof(bfh));
    memcpy(out.data() + sizeof(bfh), dib.data(), dib.size());
    return out;
}

inline std::vector<BYTE> BmpFileBytes(const TestBmp& bmp)
{
    return BmpFileBytes(PackedDibBytes(bmp));
}

// The picture as a BMP file with a 124-byte header.
inline std::vector<BYTE> V5FileBytes(const TestBmp& bmp)
{
    const std::vector<BYTE> dib = PackedDibBytes(bmp);
    BITMAPV5HEADER v5 = {};
    memcpy(&v5, dib.data(), sizeof(BITMAPINFOHEADER));
    v5.bV5Size = sizeof(v5);
    std::vector<BYTE> file(14 + sizeof(v5) + dib.size() - 40);
    const BITMAPFILEHEADER bfh = { 0x4D42, DWORD(file.size()), 0, 0, DWORD(14 + sizeof(v5) + bmp.table.size() * 4) };
    memcpy(file.data(), &bfh, sizeof(bfh));
    memcpy(file.data() + 14, &v5, sizeof(v5));
    memcpy(file.data() + 14 + sizeof(v5), dib.data() + 40, dib.size() - 40);
    return file;
}

// A 32-bit top-down surface in a memory device context, filled with a colour,
// whose pixels can be read back exactly.
class Surface
{
public:
    Surface(int nWidth, int nHeight, COLORREF crFill = RGB(1, 2, 3)) : m_nWidth(nWidth), m_nHeight(nHeight)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader = { sizeof(BITMAPINFOHEADER), nWidth, -nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
        m_hBitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_pBits), nullptr, 0);
        m_hDC = CreateCompatibleDC(nullptr);
        m_hOld = SelectObject(m_hDC, m_hBitmap);
        HBRUSH hBrush = CreateSolidBrush(crFill);
        RECT rc = { 0, 0, nWidth, nHeight };
        FillRect(m_hDC, &rc, hBrush);
        DeleteObject(hBrush);
    }
    ~Surface()
    {
        SelectObject(m_hDC, m_hOld);
        DeleteDC(m_hDC);
        DeleteObject(m_hBitmap);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC DC() const { return m_hDC; }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const DWORD v = m_pBits[size_t(y) * m_nWidth + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }

private:
    int m_nWidth;
    int m_nHeight;
    HBITMAP m_hBitmap = nullptr;
    HDC m_hDC = nullptr;
    HGDIOBJ m_hOld = nullptr;
    DWORD* m_pBits = nullptr;
};

// A framework device context over a handle that someone else owns.
class BorrowedDC : public CDC
{
public:
    explicit BorrowedDC(HDC hDC) { Attach(hDC); }
    ~BorrowedDC() override { Detach(); }
};

} // namespace bmp_test
