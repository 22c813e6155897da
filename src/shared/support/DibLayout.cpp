#include "shared/support/DibLayout.h"

#include <cstring>
#include <vector>

namespace {

const ULONGLONG kMaxDibBytes = 0x7FFFFFFF;

bool IsValidBitCount(WORD nBitCount)
{
    switch (nBitCount)
    {
    case 1: case 4: case 8: case 16: case 24: case 32:
        return true;
    default:
        return false;
    }
}

// Colour table entries: colours used when given, else a full table up to 8 bits
// and none above.
bool GetColorCount(WORD nBitCount, DWORD nColorsUsed, DWORD& nColors)
{
    const DWORD nFull = nBitCount <= 8 ? (1u << nBitCount) : 0;
    if (nColorsUsed == 0)
    {
        nColors = nFull;
        return true;
    }
    nColors = nColorsUsed;
    return nColorsUsed <= (nBitCount <= 8 ? nFull : 256u);
}

bool ReadCoreHeader(const BYTE* p, size_t nAvailable, DibLayout& layout)
{
    if (nAvailable < sizeof(BITMAPCOREHEADER))
        return false;
    BITMAPCOREHEADER bch;
    memcpy(&bch, p, sizeof(bch));
    if (bch.bcPlanes != 1 || !IsValidBitCount(bch.bcBitCount))
        return false;
    layout.bCoreHeader = true;
    layout.nHeaderBytes = sizeof(BITMAPCOREHEADER);
    layout.nWidth = bch.bcWidth;
    layout.nHeight = bch.bcHeight;
    layout.nBitCount = bch.bcBitCount;
    layout.nColors = bch.bcBitCount <= 8 ? (1u << bch.bcBitCount) : 0;
    layout.nPaletteBytes = layout.nColors * sizeof(RGBTRIPLE);
    return true;
}

bool ReadInfoHeader(const BYTE* p, size_t nAvailable, DibLayout& layout)
{
    if (nAvailable < sizeof(BITMAPINFOHEADER))
        return false;
    BITMAPINFOHEADER bih;
    memcpy(&bih, p, sizeof(bih));
    if (bih.biPlanes != 1 || !IsValidBitCount(bih.biBitCount))
        return false;
    if (bih.biHeight == LONG(0x80000000))
        return false;
    layout.bCoreHeader = false;
    layout.nHeaderBytes = sizeof(BITMAPINFOHEADER);
    layout.nWidth = bih.biWidth;
    layout.bTopDown = bih.biHeight < 0;
    layout.nHeight = layout.bTopDown ? -bih.biHeight : bih.biHeight;
    layout.nBitCount = bih.biBitCount;
    layout.nCompression = bih.biCompression;
    if (!GetColorCount(bih.biBitCount, bih.biClrUsed, layout.nColors))
        return false;
    layout.nPaletteBytes = layout.nColors * sizeof(RGBQUAD);
    switch (bih.biCompression)
    {
    case BI_RGB:
        return true;
    case BI_RLE8:
    case BI_RLE4:
        if (layout.bTopDown || bih.biSizeImage == 0)
            return false;
        if (bih.biBitCount != (bih.biCompression == BI_RLE8 ? 8 : 4))
            return false;
        layout.nImageBytes = bih.biSizeImage;
        return true;
    default:
        return false;
    }
}

} // namespace

bool GetDibLayout(const void* pHeader, size_t nAvailable, DibLayout& layout)
{
    layout = DibLayout();
    if (pHeader == nullptr || nAvailable < sizeof(DWORD))
        return false;
    const BYTE* p = static_cast<const BYTE*>(pHeader);
    DWORD nSize;
    memcpy(&nSize, p, sizeof(nSize));
    bool bRead = false;
    if (nSize == sizeof(BITMAPINFOHEADER))
        bRead = ReadInfoHeader(p, nAvailable, layout);
    else if (nSize == sizeof(BITMAPCOREHEADER))
        bRead = ReadCoreHeader(p, nAvailable, layout);
    if (!bRead || layout.nWidth <= 0 || layout.nHeight <= 0)
        return false;

    const ULONGLONG nRowBytes = (ULONGLONG(layout.nWidth) * layout.nBitCount + 31) / 32 * 4;
    const ULONGLONG nRawBytes = nRowBytes * ULONGLONG(layout.nHeight);
    if (nRawBytes > kMaxDibBytes)
        return false;
    layout.nRowBytes = DWORD(nRowBytes);
    if (layout.nCompression == BI_RGB)
        layout.nImageBytes = DWORD(nRawBytes);
    return ULONGLONG(layout.BitsOffset()) + layout.nImageBytes <= kMaxDibBytes;
}

bool GetPackedDibLayout(const void* pDib, size_t nSize, DibLayout& layout)
{
    return GetDibLayout(pDib, nSize, layout) && layout.TotalBytes() <= nSize;
}

void MakeDibBottomUp(void* pDib, DibLayout& layout)
{
    if (!layout.bTopDown || layout.bCoreHeader || layout.nCompression != BI_RGB)
        return;
    BYTE* pBits = static_cast<BYTE*>(pDib) + layout.BitsOffset();
    std::vector<BYTE> row(layout.nRowBytes);
    for (LONG top = 0, bottom = layout.nHeight - 1; top < bottom; ++top, --bottom)
    {
        BYTE* pTop = pBits + size_t(top) * layout.nRowBytes;
        BYTE* pBottom = pBits + size_t(bottom) * layout.nRowBytes;
        memcpy(row.data(), pTop, layout.nRowBytes);
        memcpy(pTop, pBottom, layout.nRowBytes);
        memcpy(pBottom, row.data(), layout.nRowBytes);
    }
    BITMAPINFOHEADER* pHeader = static_cast<BITMAPINFOHEADER*>(pDib);
    pHeader->biHeight = layout.nHeight;
    layout.bTopDown = false;
}
