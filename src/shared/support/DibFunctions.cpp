#include "shared/support/DibFunctions.h"

#include "framework/DC.h"
#include "framework/File.h"
#include "shared/support/ScreenDepth.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

const WORD kBmpType = 0x4D42;   // "BM"

struct GlobalFreer
{
    void operator()(void* hMem) const { GlobalFree(hMem); }
};
typedef std::unique_ptr<void, GlobalFreer> GlobalBlockPtr;

// Locks a block for the scope.
class GlobalLocker
{
public:
    explicit GlobalLocker(HGLOBAL hMem) : m_hMem(hMem), m_p(static_cast<BYTE*>(GlobalLock(hMem))) {}
    ~GlobalLocker()
    {
        if (m_p != nullptr)
            GlobalUnlock(m_hMem);
    }
    GlobalLocker(const GlobalLocker&) = delete;
    GlobalLocker& operator=(const GlobalLocker&) = delete;
    BYTE* Get() const { return m_p; }

private:
    HGLOBAL m_hMem;
    BYTE* m_p;
};

bool LayoutOfHeader(const void* pHeader, DibLayout& layout)
{
    // The header's own size field tells how much of it there is to read.
    DWORD nSize = 0;
    if (pHeader != nullptr)
        memcpy(&nSize, pHeader, sizeof(nSize));
    return nSize <= sizeof(BITMAPINFOHEADER) && GetDibLayout(pHeader, nSize, layout);
}

bool ReadExactly(HANDLE hFile, void* pBuffer, DWORD nCount)
{
    DWORD nRead = 0;
    return ReadFile(hFile, pBuffer, nCount, &nRead, nullptr) && nRead == nCount;
}

// Newer info headers (108 and 124 bytes) add colour-space fields behind the
// classic 40 bytes; the pictures they describe read like those of the classic
// header, which is what the DIB keeps.
bool IsExtendedInfoHeader(DWORD nSize)
{
    return nSize == sizeof(BITMAPV4HEADER) || nSize == sizeof(BITMAPV5HEADER);
}

// Where the pixels of a BMP file start: the file header's pixel offset, or
// directly behind the colour table when that offset is 0. nStoredHeader is
// the size of the header as the file holds it.
ULONGLONG PixelFileOffset(const BITMAPFILEHEADER& bfh, const DibLayout& layout, DWORD nStoredHeader)
{
    return bfh.bfOffBits != 0 ? bfh.bfOffBits
                              : ULONGLONG(sizeof(BITMAPFILEHEADER)) + nStoredHeader + layout.nPaletteBytes;
}

// The file must hold the colour table behind the header and the pixels at
// their offset, which lies behind the headers; checked before anything is
// allocated for them.
bool FileHoldsDib(ULONGLONG nFileSize, const BITMAPFILEHEADER& bfh, const DibLayout& layout, DWORD nStoredHeader)
{
    const ULONGLONG nHeadersEnd = sizeof(BITMAPFILEHEADER) + ULONGLONG(nStoredHeader);
    const ULONGLONG nPixelStart = PixelFileOffset(bfh, layout, nStoredHeader);
    return nPixelStart >= nHeadersEnd && nHeadersEnd + layout.nPaletteBytes <= nFileSize &&
           nPixelStart + layout.nImageBytes <= nFileSize;
}

// Fills colours-used for DIBs of up to 8 bits, so that later readers of the
// header see the real table size.
void StoreColorCount(BITMAPINFOHEADER* pHeader, const DibLayout& layout)
{
    if (pHeader->biClrUsed == 0 && layout.nBitCount <= 8)
        pHeader->biClrUsed = layout.nColors;
}

HGLOBAL ReadDibFromHandle(HANDLE hFile)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(hFile, &size))
        return nullptr;
    BITMAPFILEHEADER bfh;
    BITMAPINFOHEADER bih;
    if (!ReadExactly(hFile, &bfh, sizeof(bfh)) || bfh.bfType != kBmpType)
        return nullptr;
    if (!ReadExactly(hFile, &bih, sizeof(bih)))
        return nullptr;
    const DWORD nStoredHeader = bih.biSize;
    if (IsExtendedInfoHeader(nStoredHeader))
        bih.biSize = sizeof(bih);
    DibLayout layout;
    if (bih.biSize != sizeof(bih) || !GetDibLayout(&bih, sizeof(bih), layout) ||
        !FileHoldsDib(ULONGLONG(size.QuadPart), bfh, layout, nStoredHeader))
        return nullptr;

    GlobalBlockPtr block(GlobalAlloc(GHND, layout.TotalBytes()));
    if (!block)
        return nullptr;
    {
        GlobalLocker lock(block.get());
        BYTE* pDib = lock.Get();
        if (pDib == nullptr)
            return nullptr;
        memcpy(pDib, &bih, sizeof(bih));
        StoreColorCount(reinterpret_cast<BITMAPINFOHEADER*>(pDib), layout);
        LARGE_INTEGER offset;
        offset.QuadPart = LONGLONG(sizeof(bfh) + nStoredHeader);
        if (!SetFilePointerEx(hFile, offset, nullptr, FILE_BEGIN) ||
            !ReadExactly(hFile, pDib + sizeof(bih), layout.nPaletteBytes))
            return nullptr;
        offset.QuadPart = LONGLONG(PixelFileOffset(bfh, layout, nStoredHeader));
        if (!SetFilePointerEx(hFile, offset, nullptr, FILE_BEGIN))
            return nullptr;
        if (!ReadExactly(hFile, pDib + layout.BitsOffset(), layout.nImageBytes))
            return nullptr;
        MakeDibBottomUp(pDib, layout);
    }
    return block.release();
}

// A cursor shown for the scope.
class CursorScope
{
public:
    explicit CursorScope(HCURSOR hCursor) { SetCursor(hCursor); }
    ~CursorScope()
    {
        static const HCURSOR hArrow = LoadCursor(nullptr, IDC_ARROW);
        SetCursor(hArrow);
    }
    CursorScope(const CursorScope&) = delete;
    CursorScope& operator=(const CursorScope&) = delete;
};

HPALETTE PaletteFromColorTable(const DibLayout& layout, const BYTE* pTable)
{
    if (layout.nColors == 0)
        return nullptr;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + layout.nColors * sizeof(PALETTEENTRY));
    LOGPALETTE* pLogPal = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLogPal->palVersion = 0x300;
    pLogPal->palNumEntries = WORD(layout.nColors);
    const DWORD nEntryBytes = layout.bCoreHeader ? sizeof(RGBTRIPLE) : sizeof(RGBQUAD);
    for (DWORD i = 0; i < layout.nColors; ++i)
    {
        const BYTE* pEntry = pTable + i * nEntryBytes;   // blue, green, red
        pLogPal->palPalEntry[i] = PALETTEENTRY{ pEntry[2], pEntry[1], pEntry[0], 0 };
    }
    return CreatePalette(pLogPal);
}

WORD RoundedBitCount(const BITMAP& bm)
{
    const int nBits = bm.bmPlanes * bm.bmBitsPixel;
    if (nBits <= 1)
        return 1;
    if (nBits <= 4)
        return 4;
    if (nBits <= 8)
        return 8;
    return 24;
}

BOOL PaintDibImpl(CDC* pDC, const RECT& rcTarget, HGLOBAL hDib, const RECT& rcSource, HPALETTE hPalette,
                  bool bUnscaledWhenSameSize)
{
    HDC hDC = pDC != nullptr ? pDC->m_hDC : nullptr;
    DibLock dib(hDib);
    if (hDC == nullptr || !dib.IsValid())
        return FALSE;
    HPALETTE hOldPalette = nullptr;
    if (hPalette != nullptr)
    {
        hOldPalette = SelectPalette(hDC, hPalette, TRUE);
        RealizePalette(hDC);
    }
    const int cxTarget = rcTarget.right - rcTarget.left;
    const int cyTarget = rcTarget.bottom - rcTarget.top;
    const int cxSource = rcSource.right - rcSource.left;
    const int cySource = rcSource.bottom - rcSource.top;
    // Rows run bottom-up, so the source's y is counted from the DIB's bottom.
    const int ySource = dib.Layout().nHeight - rcSource.bottom;
    BOOL bDone;
    if (bUnscaledWhenSameSize)
        SetStretchBltMode(hDC, COLORONCOLOR);
    if (bUnscaledWhenSameSize && cxTarget == cxSource && cyTarget == cySource)
        bDone = SetDIBitsToDevice(hDC, rcTarget.left, rcTarget.top, cxTarget, cyTarget, rcSource.left, ySource, 0,
                                  dib.Layout().nHeight, dib.Bits(), dib.Info(), DIB_RGB_COLORS) != 0;
    else
        bDone = StretchDIBits(hDC, rcTarget.left, rcTarget.top, cxTarget, cyTarget, rcSource.left, ySource, cxSource,
                              cySource, dib.Bits(), dib.Info(), DIB_RGB_COLORS, SRCCOPY) != 0;
    if (hOldPalette != nullptr)
        SelectPalette(hDC, hOldPalette, TRUE);
    return bDone;
}

} // namespace

WORD DibNumColors(const void* pHeader)
{
    DibLayout layout;
    return LayoutOfHeader(pHeader, layout) ? WORD(layout.nColors) : 0;
}

WORD DibPaletteSize(const void* pHeader)
{
    DibLayout layout;
    return LayoutOfHeader(pHeader, layout) ? WORD(layout.nPaletteBytes) : 0;
}

LONG DibWidth(const void* pHeader)
{
    DibLayout layout;
    return LayoutOfHeader(pHeader, layout) ? layout.nWidth : 0;
}

LONG DibHeight(const void* pHeader)
{
    DibLayout layout;
    return LayoutOfHeader(pHeader, layout) ? layout.nHeight : 0;
}

BYTE* FindDibBits(void* pHeader)
{
    DibLayout layout;
    return LayoutOfHeader(pHeader, layout) ? static_cast<BYTE*>(pHeader) + layout.BitsOffset() : nullptr;
}

DibLock::DibLock(HGLOBAL hDib) : m_hDib(hDib)
{
    if (hDib == nullptr)
        return;
    m_pDib = static_cast<BYTE*>(GlobalLock(hDib));
    if (m_pDib != nullptr)
        m_bValid = GetPackedDibLayout(m_pDib, GlobalSize(hDib), m_layout);
}

DibLock::~DibLock()
{
    if (m_pDib != nullptr)
        GlobalUnlock(m_hDib);
}

HGLOBAL ReadDibFile(LPCSTR lpszPath)
{
    static const HCURSOR hWait = LoadCursor(nullptr, IDC_WAIT);
    CursorScope wait(hWait);
    HANDLE hFile = CreateFileA(lpszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return nullptr;
    HGLOBAL hDib = ReadDibFromHandle(hFile);
    CloseHandle(hFile);
    return hDib;
}

HGLOBAL ReadDibFromFile(CFile& file)
{
    const ULONGLONG nLength = file.GetLength();
    BITMAPFILEHEADER bfh;
    if (nLength < sizeof(bfh) || file.Read(&bfh, sizeof(bfh)) != sizeof(bfh) || bfh.bfType != kBmpType)
        return nullptr;
    BITMAPINFOHEADER header;   // large enough for either kind of header
    const ULONGLONG nAfterFileHeader = nLength - sizeof(bfh);
    const UINT nHeaderRead = file.Read(&header, UINT(std::min<ULONGLONG>(nAfterFileHeader, sizeof(header))));
    DWORD nStoredHeader = nHeaderRead >= sizeof(DWORD) ? header.biSize : 0;
    if (IsExtendedInfoHeader(nStoredHeader) && nHeaderRead == sizeof(header))
    {
        file.Seek(LONGLONG(nStoredHeader - sizeof(header)), CFile::current);
        header.biSize = sizeof(header);
    }
    DibLayout layout;
    if (!GetDibLayout(&header, nHeaderRead, layout))
        return nullptr;
    if (!IsExtendedInfoHeader(nStoredHeader))
        nStoredHeader = layout.nHeaderBytes;
    if (!FileHoldsDib(nLength, bfh, layout, nStoredHeader))
        return nullptr;

    // The DIB is the rest of the file behind the headers; pixels that the file
    // header places further on are moved to follow the colour table.
    const ULONGLONG nRest = nLength - sizeof(bfh) - (nStoredHeader - layout.nHeaderBytes);
    if (layout.TotalBytes() > nRest || nRest > 0x7FFFFFFF)
        return nullptr;
    GlobalBlockPtr block(GlobalAlloc(GHND, SIZE_T(nRest)));
    if (!block)
        return nullptr;
    GlobalLocker lock(block.get());
    BYTE* pDib = lock.Get();
    if (pDib == nullptr)
        return nullptr;
    memcpy(pDib, &header, nHeaderRead);
    const UINT nBodyBytes = UINT(nRest - nHeaderRead);
    if (file.Read(pDib + nHeaderRead, nBodyBytes) != nBodyBytes)
        return nullptr;
    const ULONGLONG nPixelStart = PixelFileOffset(bfh, layout, nStoredHeader) - sizeof(bfh) -
                                  (nStoredHeader - layout.nHeaderBytes);
    if (nPixelStart != layout.BitsOffset())
        memmove(pDib + layout.BitsOffset(), pDib + nPixelStart, layout.nImageBytes);
    MakeDibBottomUp(pDib, layout);
    return block.release();
}

HPALETTE CreateDibPalette(HGLOBAL hDib)
{
    DibLock dib(hDib);
    if (!dib.IsValid())
        return nullptr;
    return PaletteFromColorTable(dib.Layout(), reinterpret_cast<const BYTE*>(dib.Info()) + dib.Layout().nHeaderBytes);
}

BOOL CreateDibPaletteObject(HGLOBAL hDib, CPalette* pPalette)
{
    HPALETTE hPalette = CreateDibPalette(hDib);
    if (hPalette == nullptr)
        return FALSE;
    pPalette->DeleteObject();
    return pPalette->Attach(hPalette);
}

HPALETTE GetSystemPalette()
{
    const int nBits = GetScreenBitsPerPixel();
    const UINT nEntries = nBits >= 8 ? 256 : (1u << nBits);
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + nEntries * sizeof(PALETTEENTRY));
    LOGPALETTE* pLogPal = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLogPal->palVersion = 0x300;
    pLogPal->palNumEntries = WORD(nEntries);
    HDC hScreen = GetDC(nullptr);
    const UINT nGot = GetSystemPaletteEntries(hScreen, 0, nEntries, pLogPal->palPalEntry);
    ReleaseDC(nullptr, hScreen);
    return nGot == nEntries ? CreatePalette(pLogPal) : nullptr;
}

HGLOBAL BitmapToDib(HBITMAP hBitmap, HPALETTE hPalette)
{
    BITMAP bm;
    if (hBitmap == nullptr || GetObjectA(hBitmap, sizeof(bm), &bm) != sizeof(bm))
        return nullptr;
    BITMAPINFOHEADER bih = { sizeof(BITMAPINFOHEADER), bm.bmWidth, bm.bmHeight, 1, RoundedBitCount(bm), BI_RGB,
                             0, 0, 0, 0, 0 };
    DibLayout layout;
    if (!GetDibLayout(&bih, sizeof(bih), layout))
        return nullptr;
    GlobalBlockPtr block(GlobalAlloc(GHND, layout.TotalBytes()));
    if (!block)
        return nullptr;

    if (hPalette == nullptr)
        hPalette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    HDC hScreen = GetDC(nullptr);
    HPALETTE hOldPalette = SelectPalette(hScreen, hPalette, FALSE);
    RealizePalette(hScreen);
    int nLines = 0;
    {
        GlobalLocker lock(block.get());
        if (BYTE* pDib = lock.Get())
        {
            memcpy(pDib, &bih, sizeof(bih));
            nLines = GetDIBits(hScreen, hBitmap, 0, UINT(bm.bmHeight), pDib + layout.BitsOffset(),
                               reinterpret_cast<BITMAPINFO*>(pDib), DIB_RGB_COLORS);
            // GetDIBits may rewrite these fields; the block keeps the full table.
            reinterpret_cast<BITMAPINFOHEADER*>(pDib)->biClrUsed = 0;
            reinterpret_cast<BITMAPINFOHEADER*>(pDib)->biSizeImage = layout.nImageBytes;
        }
    }
    SelectPalette(hScreen, hOldPalette, TRUE);
    RealizePalette(hScreen);
    ReleaseDC(nullptr, hScreen);
    return nLines == bm.bmHeight ? block.release() : nullptr;
}

BOOL PaintDib(CDC* pDC, const RECT& rcTarget, HGLOBAL hDib, const RECT& rcSource, HPALETTE hPalette)
{
    return PaintDibImpl(pDC, rcTarget, hDib, rcSource, hPalette, true);
}

BOOL PaintDibStretched(CDC* pDC, const RECT& rcTarget, HGLOBAL hDib, const RECT& rcSource, HPALETTE hPalette)
{
    return PaintDibImpl(pDC, rcTarget, hDib, rcSource, hPalette, false);
}
