// Test pictures written as BMP files or packed DIBs, with the colour every
// pixel must show when drawn, and a 32-bit drawing surface to check them on.
#pragma once

#include "framework/DC.h"

#include <windows.h>

#include <algorithm>
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
    DWORD masks[3] = {};                // red, green and blue of 16 and 32 bits; none: 5-5-5 or 8-8-8

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

// The bits of a mask: where it starts and how many.
inline int MaskShift(DWORD nMask)
{
    int n = 0;
    while (nMask != 0 && (nMask & 1) == 0)
    {
        nMask >>= 1;
        ++n;
    }
    return n;
}

inline int MaskWidth(DWORD nMask)
{
    int n = 0;
    for (nMask >>= MaskShift(nMask); nMask & 1; nMask >>= 1)
        ++n;
    return n;
}

// The masks a pixel of 16 or 32 bits is read with.
inline void PixelMasks(const TestBmp& bmp, DWORD masks[3])
{
    static const DWORD k555[3] = { 0x7C00, 0x03E0, 0x001F };
    static const DWORD k888[3] = { 0xFF0000, 0x00FF00, 0x0000FF };
    const DWORD* pMasks = bmp.masks[0] != 0 ? bmp.masks : bmp.nBitCount == 16 ? k555 : k888;
    memcpy(masks, pMasks, 3 * sizeof(DWORD));
}

// A pattern of 16 or 32 bits whose colours the masks hold exactly: each
// channel of n bits shows as those bits repeated to fill 8, as drawing
// widens them.
inline TestBmp MakeFieldPattern(int nWidth, int nHeight, int nBitCount, const DWORD masks[3])
{
    TestBmp bmp;
    bmp.nWidth = nWidth;
    bmp.nHeight = nHeight;
    bmp.nBitCount = nBitCount;
    if (masks != nullptr)
        memcpy(bmp.masks, masks, sizeof(bmp.masks));
    DWORD used[3];
    PixelMasks(bmp, used);
    for (int y = 0; y < nHeight; ++y)
    {
        for (int x = 0; x < nWidth; ++x)
        {
            const DWORD seeds[3] = { DWORD(x * 11 + 3), DWORD(y * 7 + x * 5 + 1), DWORD((x + y) * 13 + 9) };
            DWORD rgb = 0;
            for (int c = 0; c < 3; ++c)
            {
                const int n = MaskWidth(used[c]);
                const DWORD v = seeds[c] & ((1u << n) - 1);
                const DWORD v8 = n >= 8 ? v >> (n - 8) : (v << (8 - n)) | (v >> (2 * n - 8));
                rgb |= (v8 & 0xFF) << (16 - 8 * c);
            }
            bmp.pixels.push_back(rgb);
        }
    }
    return bmp;
}

// A pixel of 16 or 32 bits packed through the masks.
inline DWORD PackFields(const TestBmp& bmp, DWORD rgb)
{
    DWORD masks[3];
    PixelMasks(bmp, masks);
    DWORD packed = 0;
    for (int c = 0; c < 3; ++c)
    {
        const DWORD v8 = (rgb >> (16 - 8 * c)) & 0xFF;
        const int n = MaskWidth(masks[c]);
        const DWORD v = n >= 8 ? v8 << (n - 8) : v8 >> (8 - n);
        packed |= v << MaskShift(masks[c]);
    }
    return packed;
}

inline void PutPixel(const TestBmp& bmp, BYTE* pRow, int x, DWORD v)
{
    switch (bmp.nBitCount)
    {
    case 1: pRow[x / 8] |= BYTE(v << (7 - x % 8)); break;
    case 4: pRow[x / 2] |= BYTE(v << (x % 2 == 0 ? 4 : 0)); break;
    case 8: pRow[x] = BYTE(v); break;
    case 16: { const WORD w = WORD(PackFields(bmp, v)); memcpy(pRow + x * 2, &w, 2); break; }
    case 24: pRow[x * 3] = BYTE(v); pRow[x * 3 + 1] = BYTE(v >> 8); pRow[x * 3 + 2] = BYTE(v >> 16); break;
    case 32: { const DWORD d = PackFields(bmp, v); memcpy(pRow + x * 4, &d, 4); break; }
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

// How a BMP file is written: the size of its info header (40, 52, 56, 108
// or 124) and the compression of its pixels. Bit fields take the picture's
// masks; RLE8 and RLE4 take a picture of 8 and 4 bits.
struct BmpFormat
{
    DWORD nHeaderSize = sizeof(BITMAPINFOHEADER);
    DWORD nCompression = BI_RGB;
};

// Masks of the usual bit-field pictures.
const DWORD k565[3] = { 0xF800, 0x07E0, 0x001F };
const DWORD k555[3] = { 0x7C00, 0x03E0, 0x001F };
const DWORD k888[3] = { 0xFF0000, 0x00FF00, 0x0000FF };

// A picture and how it is written, for tables of test cases.
struct FormatCase
{
    const char* name;
    TestBmp bmp;
    BmpFormat format;
};

// RLE codes of one row of pixel indices: runs of equal pixels as runs, other
// stretches of three or more as literal pixels, the rest as runs of one.
inline void AppendRleRow(const TestBmp& bmp, int y, std::vector<BYTE>& codes)
{
    const bool b4 = bmp.nBitCount == 4;
    auto px = [&](int x) { return BYTE(bmp.pixels[size_t(y) * bmp.nWidth + x]); };
    auto runAt = [&](int x) {
        int n = 1;
        while (x + n < bmp.nWidth && n < 255 && px(x + n) == px(x))
            ++n;
        return n;
    };
    for (int x = 0; x < bmp.nWidth;)
    {
        const int nRun = runAt(x);
        int nLiteral = 0;
        while (x + nLiteral < bmp.nWidth && nLiteral < 254 && runAt(x + nLiteral) == 1)
            ++nLiteral;
        if (nRun >= 2 || nLiteral < 3)
        {
            const int n = nRun >= 2 ? nRun : 1;
            codes.push_back(BYTE(n));
            codes.push_back(b4 ? BYTE(px(x) << 4 | px(x)) : px(x));
            x += n;
            continue;
        }
        codes.push_back(0);
        codes.push_back(BYTE(nLiteral));
        std::vector<BYTE> data;
        for (int i = 0; i < nLiteral; ++i)
        {
            if (!b4)
                data.push_back(px(x + i));
            else if (i % 2 == 0)
                data.push_back(BYTE(px(x + i) << 4));
            else
                data.back() |= px(x + i);
        }
        if (data.size() % 2 != 0)
            data.push_back(0);
        codes.insert(codes.end(), data.begin(), data.end());
        x += nLiteral;
    }
}

inline std::vector<BYTE> RleCodes(const TestBmp& bmp)
{
    std::vector<BYTE> codes;
    for (int y = bmp.nHeight - 1; y >= 0; --y)
    {
        AppendRleRow(bmp, y, codes);
        codes.push_back(0);
        codes.push_back(y == 0 ? 1 : 0);   // end of picture, or of the line
    }
    return codes;
}

// The picture as a BMP file of the given format.
inline std::vector<BYTE> BmpFileBytes(const TestBmp& bmp, const BmpFormat& format)
{
    const std::vector<BYTE> dib = PackedDibBytes(bmp);
    const size_t nTable = bmp.table.size() * sizeof(RGBQUAD);
    std::vector<BYTE> pixels(dib.begin() + 40 + nTable, dib.end());
    if (format.nCompression == BI_RLE8 || format.nCompression == BI_RLE4)
        pixels = RleCodes(bmp);

    std::vector<BYTE> header(std::max<size_t>(format.nHeaderSize, sizeof(BITMAPINFOHEADER)), 0);
    memcpy(header.data(), dib.data(), 40);
    BITMAPINFOHEADER* pInfo = reinterpret_cast<BITMAPINFOHEADER*>(header.data());
    pInfo->biSize = format.nHeaderSize;
    pInfo->biCompression = format.nCompression;
    pInfo->biSizeImage = DWORD(pixels.size());
    std::vector<BYTE> masks;
    if (format.nCompression == BI_BITFIELDS)
    {
        DWORD fields[3];
        PixelMasks(bmp, fields);
        if (format.nHeaderSize >= 52)
            memcpy(header.data() + 40, fields, sizeof(fields));
        else
            masks.assign(reinterpret_cast<const BYTE*>(fields), reinterpret_cast<const BYTE*>(fields) + sizeof(fields));
    }

    const DWORD nPixelOffset = DWORD(14 + header.size() + masks.size() + nTable);
    const BITMAPFILEHEADER bfh = { 0x4D42, DWORD(nPixelOffset + pixels.size()), 0, 0, nPixelOffset };
    std::vector<BYTE> file(reinterpret_cast<const BYTE*>(&bfh), reinterpret_cast<const BYTE*>(&bfh) + 14);
    for (const std::vector<BYTE>* pPart : { &header, &masks })
        file.insert(file.end(), pPart->begin(), pPart->end());
    file.insert(file.end(), dib.begin() + 40, dib.begin() + 40 + nTable);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

// The file with a field of the given size at the offset set to the value.
inline std::vector<BYTE> WithField(std::vector<BYTE> file, size_t offset, DWORD value, size_t size = 4)
{
    memcpy(file.data() + offset, &value, size);
    return file;
}

// The picture as a BMP file with a 124-byte header.
inline std::vector<BYTE> V5FileBytes(const TestBmp& bmp)
{
    return BmpFileBytes(bmp, BmpFormat{ sizeof(BITMAPV5HEADER), BI_RGB });
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
