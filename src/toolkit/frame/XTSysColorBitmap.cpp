#include "toolkit/frame/XTSysColorBitmap.h"

#include "toolkit/frame/XTDCValueSaver.h"

#include <string.h>
#include <vector>

namespace {

struct GreyMapping
{
    COLORREF clrResource;
    int nSysColor;
};

const GreyMapping kGreys[4] = {
    { RGB(0, 0, 0), COLOR_BTNTEXT },
    { RGB(128, 128, 128), COLOR_BTNSHADOW },
    { RGB(192, 192, 192), COLOR_BTNFACE },
    { RGB(255, 255, 255), COLOR_BTNHIGHLIGHT },
};

// What a grey becomes: its system colour, or in mono mode white (black stays black).
COLORREF TargetColor(int nGrey, BOOL bMono)
{
    if (bMono)
        return kGreys[nGrey].nSysColor == COLOR_BTNTEXT ? RGB(0, 0, 0) : RGB(255, 255, 255);
    return ::GetSysColor(kGreys[nGrey].nSysColor);
}

void MapColorTable(RGBQUAD* pTable, DWORD nColors, BOOL bMono)
{
    for (DWORD i = 0; i < nColors; ++i)
    {
        COLORREF clr = RGB(pTable[i].rgbRed, pTable[i].rgbGreen, pTable[i].rgbBlue);
        for (int nGrey = 0; nGrey < 4; ++nGrey)
        {
            if (clr != kGreys[nGrey].clrResource)
                continue;
            COLORREF clrTarget = TargetColor(nGrey, bMono);
            pTable[i].rgbRed = GetRValue(clrTarget);
            pTable[i].rgbGreen = GetGValue(clrTarget);
            pTable[i].rgbBlue = GetBValue(clrTarget);
            break;
        }
    }
}

// A monochrome mask of the image: 1 where its pixel has the colour.
HBITMAP MakeColorMask(HDC hImageDC, int cx, int cy, COLORREF clr)
{
    HBITMAP hMask = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    HDC hMaskDC = hMask != nullptr ? ::CreateCompatibleDC(hImageDC) : nullptr;
    if (hMaskDC == nullptr)
    {
        if (hMask != nullptr)
            ::DeleteObject(hMask);
        return nullptr;
    }
    {
        CXTObjectSaver mask(hMaskDC, hMask);
        CXTBkColorSaver back(hImageDC, clr);
        ::BitBlt(hMaskDC, 0, 0, cx, cy, hImageDC, 0, 0, SRCCOPY);
    }
    ::DeleteDC(hMaskDC);
    return hMask;
}

// Paints clrTarget where the mask is 1 and leaves the rest of the image.
void PaintThroughMask(HDC hImageDC, HBITMAP hMask, int cx, int cy, COLORREF clrTarget)
{
    HDC hMaskDC = ::CreateCompatibleDC(hImageDC);
    if (hMaskDC == nullptr)
        return;
    CXTObjectSaver mask(hMaskDC, hMask);
    {
        // Blacken the masked pixels, keep the others.
        CXTBkColorSaver back(hImageDC, RGB(0, 0, 0));
        CXTTextColorSaver text(hImageDC, RGB(255, 255, 255));
        ::BitBlt(hImageDC, 0, 0, cx, cy, hMaskDC, 0, 0, SRCAND);
    }
    if (clrTarget != RGB(0, 0, 0))
    {
        CXTBkColorSaver back(hImageDC, clrTarget);
        CXTTextColorSaver text(hImageDC, RGB(0, 0, 0));
        ::BitBlt(hImageDC, 0, 0, cx, cy, hMaskDC, 0, 0, SRCPAINT);
    }
    mask.Restore();
    ::DeleteDC(hMaskDC);
}

// Replaces the greys of an image without colour table as the device shows
// them. All masks are taken from the unchanged image, so that a grey mapped
// to another grey is not mapped twice.
BOOL ReplaceDeviceGreys(HDC hImageDC, int cx, int cy, BOOL bMono)
{
    HDC hProbeDC = ::CreateCompatibleDC(hImageDC);
    HBITMAP hProbe = ::CreateCompatibleBitmap(hImageDC, 4, 1);
    COLORREF device[4] = {};
    if (hProbeDC != nullptr && hProbe != nullptr)
    {
        CXTObjectSaver probe(hProbeDC, hProbe);
        for (int i = 0; i < 4; ++i)
        {
            ::SetPixel(hProbeDC, i, 0, kGreys[i].clrResource);
            device[i] = ::GetPixel(hProbeDC, i, 0);
        }
    }
    if (hProbe != nullptr)
        ::DeleteObject(hProbe);
    if (hProbeDC != nullptr)
        ::DeleteDC(hProbeDC);
    else
        return FALSE;

    HBITMAP masks[4] = {};
    BOOL bOk = TRUE;
    for (int i = 0; i < 4 && bOk; ++i)
    {
        if (device[i] == TargetColor(i, bMono))
            continue;
        masks[i] = MakeColorMask(hImageDC, cx, cy, device[i]);
        bOk = masks[i] != nullptr;
    }
    for (int i = 0; i < 4; ++i)
    {
        if (masks[i] == nullptr)
            continue;
        if (bOk)
            PaintThroughMask(hImageDC, masks[i], cx, cy, TargetColor(i, bMono));
        ::DeleteObject(masks[i]);
    }
    return bOk;
}

} // namespace

HBITMAP CreateSysColorBitmap(const void* pData, DWORD cbData, BOOL bMono)
{
    // Step 1: the header and colour table, each size checked against the data.
    if (pData == nullptr || cbData < sizeof(BITMAPINFOHEADER))
        return nullptr;
    const BYTE* pBytes = static_cast<const BYTE*>(pData);
    BITMAPINFOHEADER header;
    memcpy(&header, pBytes, sizeof(header));
    WORD nBits = header.biBitCount;
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > cbData || header.biWidth <= 0 ||
        header.biHeight == 0 || header.biHeight < -0x7FFF || header.biHeight > 0x7FFF || header.biWidth > 0x7FFF ||
        header.biPlanes != 1 ||
        (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 16 && nBits != 24 && nBits != 32))
        return nullptr;
    DWORD nColors = 0;
    if (nBits <= 8)
    {
        DWORD nMax = 1u << nBits;
        nColors = header.biClrUsed != 0 && header.biClrUsed < nMax ? header.biClrUsed : nMax;
    }
    BOOL bPlain = header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS;
    DWORD cbMasks = header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER) ? 12 : 0;
    unsigned long long cbInfo = (unsigned long long)header.biSize + cbMasks + nColors * sizeof(RGBQUAD);
    int cx = header.biWidth;
    int cy = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    unsigned long long cbBits = bPlain ? (unsigned long long)(((cx * nBits + 31) / 32) * 4) * cy : header.biSizeImage;
    if (cbBits == 0 || cbInfo + cbBits > cbData)
        return nullptr;
    std::vector<BYTE> info(pBytes, pBytes + cbInfo);
    reinterpret_cast<BITMAPINFOHEADER*>(info.data())->biClrUsed = nColors;

    // Step 2: the greys of the colour table.
    MapColorTable(reinterpret_cast<RGBQUAD*>(info.data() + header.biSize + cbMasks), nColors, bMono);

    // Step 4: the image in a bitmap the screen can show.
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HDC hMemDC = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    BOOL bOk = hBitmap != nullptr && hMemDC != nullptr;
    if (bOk)
    {
        CXTObjectSaver bitmap(hMemDC, hBitmap);
        int nLines = ::StretchDIBits(hMemDC, 0, 0, cx, cy, 0, 0, cx, cy, pBytes + cbInfo,
                                     reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, SRCCOPY);
        bOk = nLines != 0 && nLines != (int)GDI_ERROR;
        // Step 3: without a colour table, the greys as the device shows them.
        if (bOk && nColors == 0)
            bOk = ReplaceDeviceGreys(hMemDC, cx, cy, bMono);
    }
    if (hMemDC != nullptr)
        ::DeleteDC(hMemDC);
    if (!bOk && hBitmap != nullptr)
    {
        ::DeleteObject(hBitmap);
        hBitmap = nullptr;
    }
    return hBitmap;
}

HBITMAP LoadSysColorBitmap(HINSTANCE hInst, LPCSTR lpszResource, BOOL bMono)
{
    HRSRC hResource = ::FindResourceA(hInst, lpszResource, RT_BITMAP);
    HGLOBAL hData = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    const void* pData = hData != nullptr ? ::LockResource(hData) : nullptr;
    if (pData == nullptr)
        return nullptr;
    return CreateSysColorBitmap(pData, ::SizeofResource(hInst, hResource), bMono);
}
