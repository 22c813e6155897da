#include "shared/support/BmpFile.h"

#include "framework/MessageBox.h"
#include "shared/support/BmpFileReader.h"
#include "shared/support/DibLayout.h"
#include "shared/support/FileHandle.h"
#include "shared/support/DibSurface.h"
#include "shared/support/Language.h"

#include <cstring>
#include <new>

namespace {

PackedDib BmpFailure(LPCSTR lpszPath, LPCSTR lpszText)
{
    AfxShowMessageBox(nullptr, lpszText, lpszPath, MB_OK);
    return PackedDib();
}

const char kErrorOpening[] = "Error opening file";
const char kErrorReading[] = "Error reading file";
const char kNotBmp[] = "Not a recognised BMP format file";
const char kNoMemory[] = "Failed to allocate memory for DIB";
const char kOs2[] = "OS/2 style BMPs Not Supported";

bool ResizeDib(PackedDib& dib, size_t nSize)
{
    try
    {
        dib.resize(nSize);
        return true;
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
}

bool IsValidTargetBitCount(int nBitCount)
{
    switch (nBitCount)
    {
    case 1: case 4: case 8: case 16: case 24: case 32:
        return true;
    default:
        return false;
    }
}

// Pixels a drawing surface takes as they stand: plain rows or bit fields.
bool IsUncompressed(const DibLayout& layout)
{
    return layout.nCompression == BI_RGB || layout.nCompression == BI_BITFIELDS;
}

void CopyPaletteEntries(HPALETTE hPalette, UINT nCount, RGBQUAD* pColors)
{
    PALETTEENTRY entries[256] = {};
    const UINT nGot = GetPaletteEntries(hPalette, 0, nCount, entries);
    for (UINT i = 0; i < nGot && i < nCount; ++i)
        pColors[i] = RGBQUAD{ entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0 };
}

void CopyHalftoneColors(RGBQUAD* pColors)
{
    HDC hScreen = GetDC(nullptr);
    HPALETTE hHalftone = CreateHalftonePalette(hScreen);
    ReleaseDC(nullptr, hScreen);
    if (hHalftone == nullptr)
        return;
    CopyPaletteEntries(hHalftone, 256, pColors);
    DeleteObject(hHalftone);
}

} // namespace

DWORD GetDibRowBytes(const BITMAPINFOHEADER* pHeader)
{
    return (DWORD(pHeader->biPlanes) * DWORD(pHeader->biWidth) * pHeader->biBitCount + 31) / 32 * 4;
}

DWORD GetDibColorCount(const BITMAPINFOHEADER* pHeader)
{
    if (pHeader->biClrUsed != 0)
        return pHeader->biClrUsed;
    switch (pHeader->biBitCount)
    {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

DWORD GetDibPaletteSize(const BITMAPINFOHEADER* pHeader)
{
    return GetDibColorCount(pHeader) * sizeof(RGBQUAD);
}

BYTE* GetDibBitsPointer(BITMAPINFOHEADER* pHeader)
{
    // Bit-field masks stand between a 40-byte header and the colour table.
    const DWORD nMasks = pHeader->biSize == sizeof(BITMAPINFOHEADER) && pHeader->biCompression == BI_BITFIELDS ? 12 : 0;
    return reinterpret_cast<BYTE*>(pHeader) + pHeader->biSize + nMasks + GetDibPaletteSize(pHeader);
}

PackedDib ReadBmpFile(LPCSTR lpszPath)
{
    CFileHandle file(CreateFileA(lpszPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return BmpFailure(lpszPath, kErrorOpening);
    BmpHandleSource source(file.Get());
    BmpReadOptions options;
    options.bZeroReservedFields = true;
    PackedDib dib;
    const BmpReadResult result =
        ReadBmp(source, options, [&](size_t nBytes) { return ResizeDib(dib, nBytes) ? dib.data() : nullptr; });
    switch (result)
    {
    case BmpReadResult::ok:
        return dib;
    case BmpReadResult::notBmp:
        return BmpFailure(lpszPath, kNotBmp);
    case BmpReadResult::oldStyleHeader:
        return BmpFailure(lpszPath, kOs2);
    case BmpReadResult::noMemory:
        return BmpFailure(lpszPath, kNoMemory);
    default:
        return BmpFailure(lpszPath, kErrorReading);
    }
}

PackedDib ConvertDibFormat(const PackedDib& source, int nWidth, int nHeight, int nBitCount, BOOL bStretch)
{
    DibLayout sourceLayout;
    if (!GetPackedDibLayout(source.data(), source.size(), sourceLayout) || sourceLayout.bCoreHeader ||
        !IsUncompressed(sourceLayout) || sourceLayout.bTopDown || !IsValidTargetBitCount(nBitCount))
        return PackedDib();

    // 1. The new header with room for a full colour table.
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } target = {};
    target.header = { sizeof(BITMAPINFOHEADER), nWidth, nHeight, 1, WORD(nBitCount), BI_RGB, 0, 0, 0, 0, 0 };
    DibLayout targetLayout;
    if (!GetDibLayout(&target.header, sizeof(target.header), targetLayout))
        return PackedDib();
    const BITMAPINFO* pSourceInfo = reinterpret_cast<const BITMAPINFO*>(source.data());
    CopyColorTable(reinterpret_cast<BITMAPINFO*>(&target), pSourceInfo);

    // 2.-3. Both pictures as DIB sections in memory device contexts; the
    // sections carry their colour tables.
    DibSurface targetSurface(reinterpret_cast<const BITMAPINFO*>(&target));
    DibSurface sourceSurface(pSourceInfo);
    if (!targetSurface.IsReady() || !sourceSurface.IsReady())
        return PackedDib();
    memcpy(sourceSurface.Bits(), source.data() + sourceLayout.BitsOffset(), sourceLayout.nImageBytes);

    // 4. Copy from the top left, or stretch the whole picture.
    BOOL bDrawn;
    if ((sourceLayout.nWidth == nWidth && sourceLayout.nHeight == nHeight) || !bStretch)
    {
        bDrawn = BitBlt(targetSurface.DC(), 0, 0, nWidth, nHeight, sourceSurface.DC(), 0, 0, SRCCOPY);
    }
    else
    {
        SetStretchBltMode(targetSurface.DC(), COLORONCOLOR);
        bDrawn = StretchBlt(targetSurface.DC(), 0, 0, nWidth, nHeight, sourceSurface.DC(), 0, 0, sourceLayout.nWidth,
                            sourceLayout.nHeight, SRCCOPY);
    }
    GdiFlush();
    if (!bDrawn)
        return PackedDib();

    // 5. Header, colour table and pixels of the new picture.
    PackedDib result;
    if (!ResizeDib(result, targetLayout.TotalBytes()))
        return PackedDib();
    memcpy(result.data(), &target, targetLayout.BitsOffset());
    memcpy(result.data() + targetLayout.BitsOffset(), targetSurface.Bits(), targetLayout.nImageBytes);
    return result;
}

BOOL CopyColorTable(BITMAPINFO* pTarget, const BITMAPINFO* pSource)
{
    RGBQUAD* pColors = pTarget->bmiColors;
    const WORD nBits = pTarget->bmiHeader.biBitCount;
    switch (nBits)
    {
    case 1:
        pColors[0] = RGBQUAD{ 0, 0, 0, 0 };
        pColors[1] = RGBQUAD{ 255, 255, 255, 0 };
        break;
    case 4:
    case 8:
    {
        const UINT nFull = 1u << nBits;
        memset(pColors, 0, nFull * sizeof(RGBQUAD));
        DibLayout sourceLayout;
        if (pSource != nullptr && GetDibLayout(pSource, sizeof(BITMAPINFOHEADER), sourceLayout) &&
            !sourceLayout.bCoreHeader && sourceLayout.nBitCount == nBits)
            memcpy(pColors, pSource->bmiColors, sourceLayout.nColors * sizeof(RGBQUAD));
        else if (nBits == 4)
            CopyPaletteEntries(static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), 16, pColors);
        else
            CopyHalftoneColors(pColors);
        break;
    }
    default:
        break;
    }
    return TRUE;
}

void SetMonoDibPixel(BYTE* pBits, int nWidth, int nHeight, int x, int y, BOOL bOn)
{
    if (x < 0 || y < 0 || x >= nWidth || y >= nHeight)
        return;
    const size_t nRowBytes = (size_t(nWidth) + 31) / 32 * 4;
    BYTE* pByte = pBits + size_t(nHeight - y - 1) * nRowBytes + x / 8;
    const BYTE mask = BYTE(1u << (7 - x % 8));
    if (bOn)
        *pByte |= mask;
    else
        *pByte &= BYTE(~mask);
}

int ShowFileNotFound(LPCSTR lpszPath)
{
    CString strText;
    if (IsGerman())
        strText.Format("Fehler:\n\nDie angegebene Datei kann nicht geöffnet werden:\n%s\n\n", lpszPath);
    else
        strText.Format("Error\n\nCould not find file:\n%s\n\n", lpszPath);
    return AfxMessageBox(strText, MB_OK);
}
