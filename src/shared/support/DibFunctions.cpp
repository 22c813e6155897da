#include "shared/support/DibFunctions.h"

#include "framework/DC.h"
#include "framework/File.h"
#include "shared/support/BmpFileReader.h"
#include "shared/support/FileHandle.h"
#include "shared/support/ScreenDepth.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

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

// The header's own size field tells how much of it there is to read.
bool LayoutOfHeader(const void* pHeader, DibLayout& layout)
{
    const size_t nSize = DibHeaderReadBytes(pHeader);
    return nSize != 0 && GetDibLayout(pHeader, nSize, layout);
}

// The rest of a packed DIB's life is in a movable global block: the reader
// fills it through this allocator and leaves it locked until the end.
class GlobalDibBlock
{
public:
    GlobalDibBlock() = default;
    ~GlobalDibBlock()
    {
        if (m_pDib != nullptr)
            GlobalUnlock(m_block.get());
    }
    GlobalDibBlock(const GlobalDibBlock&) = delete;
    GlobalDibBlock& operator=(const GlobalDibBlock&) = delete;

    BYTE* Allocate(size_t nBytes)
    {
        m_block.reset(GlobalAlloc(GHND, nBytes));
        m_pDib = m_block ? static_cast<BYTE*>(GlobalLock(m_block.get())) : nullptr;
        return m_pDib;
    }
    BYTE* Get() const { return m_pDib; }
    HGLOBAL Release()
    {
        if (m_pDib != nullptr)
            GlobalUnlock(m_block.get());
        m_pDib = nullptr;
        return m_block.release();
    }

private:
    GlobalBlockPtr m_block;
    BYTE* m_pDib = nullptr;
};

// A BMP file as a DIB in a global block, its RLE pixels decoded; null when
// it cannot be read.
HGLOBAL ReadGlobalDib(BmpSource& source)
{
    GlobalDibBlock block;
    BmpReadOptions options;
    options.bDecodeRle = true;
    if (ReadBmp(source, options, [&](size_t nBytes) { return block.Allocate(nBytes); }) != BmpReadResult::ok)
        return nullptr;
    return block.Release();
}

// Fills colours-used for DIBs of up to 8 bits, so that later readers of the
// header see the real table size.
void StoreColorCount(HGLOBAL hDib)
{
    DibLock dib(hDib);
    if (dib.IsValid() && dib.Info()->bmiHeader.biClrUsed == 0 && dib.Layout().nBitCount <= 8)
        dib.Info()->bmiHeader.biClrUsed = dib.Layout().nColors;
}

// A framework file read as a BMP source; its exceptions pass to the caller.
class FrameworkFileSource : public BmpSource
{
public:
    explicit FrameworkFileSource(CFile& file) : m_file(file) {}
    ULONGLONG GetSize() override { return m_file.GetLength(); }
    bool ReadAt(ULONGLONG nOffset, void* pBuffer, DWORD nCount) override
    {
        m_file.Seek(LONGLONG(nOffset), CFile::begin);
        return m_file.Read(pBuffer, nCount) == nCount;
    }

private:
    CFile& m_file;
};

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
    CFileHandle file(CreateFileA(lpszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.IsOpen())
        return nullptr;
    BmpHandleSource source(file.Get());
    HGLOBAL hDib = ReadGlobalDib(source);
    StoreColorCount(hDib);
    return hDib;
}

HGLOBAL ReadDibFromFile(CFile& file)
{
    FrameworkFileSource source(file);
    return ReadGlobalDib(source);
}

HPALETTE CreateDibPalette(HGLOBAL hDib)
{
    DibLock dib(hDib);
    if (!dib.IsValid())
        return nullptr;
    return PaletteFromColorTable(dib.Layout(), reinterpret_cast<const BYTE*>(dib.Info()) + dib.Layout().TableOffset());
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
