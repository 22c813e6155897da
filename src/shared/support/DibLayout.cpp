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

bool IsInfoHeaderSize(DWORD nSize)
{
    switch (nSize)
    {
    case sizeof(BITMAPINFOHEADER):
    case sizeof(BITMAPINFOHEADER) + 12:        // with the three masks
    case sizeof(BITMAPINFOHEADER) + 16:        // with the alpha mask too
    case sizeof(BITMAPV4HEADER):
    case sizeof(BITMAPV5HEADER):
        return true;
    default:
        return false;
    }
}

// One run of set bits within the pixel's bits.
bool IsUsableMask(DWORD nMask, WORD nBitCount)
{
    if (nMask == 0 || (nBitCount < 32 && (nMask >> nBitCount) != 0))
        return false;
    const DWORD nLowest = nMask & (~nMask + 1);
    return ((nMask + nLowest) & nMask) == 0;
}

bool ReadMasks(const BYTE* p, size_t nAvailable, WORD nBitCount, DibLayout& layout)
{
    if (nBitCount != 16 && nBitCount != 32)
        return false;
    // The masks stand in the header from 52 bytes on, else behind it.
    const size_t nMaskAt = sizeof(BITMAPINFOHEADER);
    if (layout.nHeaderBytes == sizeof(BITMAPINFOHEADER))
        layout.nMaskBytes = sizeof(layout.masks);
    if (nAvailable < nMaskAt + sizeof(layout.masks))
        return false;
    memcpy(layout.masks, p + nMaskAt, sizeof(layout.masks));
    for (DWORD nMask : layout.masks)
    {
        if (!IsUsableMask(nMask, nBitCount))
            return false;
    }
    return (layout.masks[0] & layout.masks[1]) == 0 && (layout.masks[0] & layout.masks[2]) == 0 &&
           (layout.masks[1] & layout.masks[2]) == 0;
}

bool ReadInfoHeader(const BYTE* p, size_t nAvailable, DWORD nSize, DibLayout& layout)
{
    if (nAvailable < nSize)
        return false;
    BITMAPINFOHEADER bih;
    memcpy(&bih, p, sizeof(bih));
    if (bih.biPlanes != 1 || !IsValidBitCount(bih.biBitCount))
        return false;
    if (bih.biHeight == LONG(0x80000000))
        return false;
    layout.bCoreHeader = false;
    layout.nHeaderBytes = nSize;
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
    case BI_BITFIELDS:
        return ReadMasks(p, nAvailable, bih.biBitCount, layout);
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
    if (IsInfoHeaderSize(nSize))
        bRead = ReadInfoHeader(p, nAvailable, nSize, layout);
    else if (nSize == sizeof(BITMAPCOREHEADER))
        bRead = ReadCoreHeader(p, nAvailable, layout);
    if (!bRead || layout.nWidth <= 0 || layout.nHeight <= 0 || layout.nWidth > kMaxDibSide ||
        layout.nHeight > kMaxDibSide)
        return false;

    const ULONGLONG nRowBytes = (ULONGLONG(layout.nWidth) * layout.nBitCount + 31) / 32 * 4;
    const ULONGLONG nRawBytes = nRowBytes * ULONGLONG(layout.nHeight);
    if (nRawBytes > kMaxDibBytes)
        return false;
    layout.nRowBytes = DWORD(nRowBytes);
    if (layout.nCompression == BI_RGB || layout.nCompression == BI_BITFIELDS)
        layout.nImageBytes = DWORD(nRawBytes);
    return ULONGLONG(layout.BitsOffset()) + layout.nImageBytes <= kMaxDibBytes;
}

size_t DibHeaderReadBytes(const void* pHeader)
{
    if (pHeader == nullptr)
        return 0;
    DWORD nSize;
    memcpy(&nSize, pHeader, sizeof(nSize));
    if (nSize == sizeof(BITMAPCOREHEADER))
        return nSize;
    if (!IsInfoHeaderSize(nSize))
        return 0;
    const BITMAPINFOHEADER* pInfo = static_cast<const BITMAPINFOHEADER*>(pHeader);
    return nSize == sizeof(BITMAPINFOHEADER) && pInfo->biCompression == BI_BITFIELDS ? nSize + 12 : nSize;
}

bool GetPackedDibLayout(const void* pDib, size_t nSize, DibLayout& layout)
{
    return GetDibLayout(pDib, nSize, layout) && layout.TotalBytes() <= nSize;
}

void MakeDibBottomUp(void* pDib, DibLayout& layout)
{
    if (!layout.bTopDown || layout.bCoreHeader ||
        (layout.nCompression != BI_RGB && layout.nCompression != BI_BITFIELDS))
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
