#include "shared/support/DibImage.h"

#include "framework/DC.h"
#include "shared/support/DibFunctions.h"
#include "shared/support/ScreenDepth.h"

IMPLEMENT_DYNAMIC(CDibImage, CObject)

CDibImage::~CDibImage()
{
    FreeDib();
    FreePalette();
}

BOOL CDibImage::LoadFile(LPCSTR lpszPath)
{
    FreeDib();
    m_hDib = ReadDibFile(lpszPath);
    return InitFromDib();
}

BOOL CDibImage::InitFromDib()
{
    m_bValid = FALSE;
    DibLock dib(m_hDib);
    if (!dib.IsValid())
        return FALSE;
    m_nScreenBits = GetScreenBitsPerPixel();
    m_nColors = int(dib.Layout().nColors);

    // A DIB with a colour table is drawn with it; a deeper one needs a
    // palette only on a palette screen.
    FreePalette();
    if (m_nColors > 0)
    {
        m_hPalette = CreateDibPalette(m_hDib);
    }
    else if (m_nScreenBits <= 8)
    {
        HDC hScreen = GetDC(nullptr);
        m_hPalette = CreateHalftonePalette(hScreen);
        ReleaseDC(nullptr, hScreen);
    }
    if (m_hPalette == nullptr && m_nScreenBits <= 8)
        m_hPalette = GetSystemPalette();
    m_bOwnsPalette = m_hPalette != nullptr;
    TakeSizeFromDib();
    return m_bValid;
}

BOOL CDibImage::CreateFromBitmap(CBitmap* pBitmap, CPalette* pPalette)
{
    m_bValid = FALSE;
    FreeDib();
    FreePalette();
    m_hPalette = pPalette != nullptr ? static_cast<HPALETTE>(pPalette->GetSafeHandle()) : nullptr;
    m_bOwnsPalette = false;
    m_hDib = BitmapToDib(pBitmap != nullptr ? static_cast<HBITMAP>(pBitmap->GetSafeHandle()) : nullptr, m_hPalette);
    DibLock dib(m_hDib);
    if (!dib.IsValid())
        return FALSE;
    m_nScreenBits = GetScreenBitsPerPixel();
    m_nColors = int(dib.Layout().nColors);
    if (m_hPalette == nullptr && m_nScreenBits <= 8)
    {
        m_hPalette = GetSystemPalette();
        m_bOwnsPalette = m_hPalette != nullptr;
    }
    TakeSizeFromDib();
    return m_bValid;
}

void CDibImage::Draw(CDC* pDC, int x, int y)
{
    DrawRect(pDC, CRect(x, y, x + m_nWidth, y + m_nHeight));
}

void CDibImage::DrawRect(CDC* pDC, const RECT& rcTarget)
{
    if (m_nColors > 0 || m_nScreenBits > 8)
        PaintDib(pDC, rcTarget, m_hDib, m_rcSource, m_hPalette);
    else
        PaintDibStretched(pDC, rcTarget, m_hDib, m_rcSource, nullptr);
}

void CDibImage::FreeDib()
{
    if (m_hDib != nullptr)
        GlobalFree(m_hDib);
    m_hDib = nullptr;
}

void CDibImage::FreePalette()
{
    if (m_hPalette != nullptr && m_bOwnsPalette)
        DeleteObject(m_hPalette);
    m_hPalette = nullptr;
    m_bOwnsPalette = false;
}

void CDibImage::TakeSizeFromDib()
{
    DibLock dib(m_hDib);
    m_nHeight = dib.Layout().nHeight;
    m_nWidth = dib.Layout().nWidth;
    m_rcSource = CRect(0, 0, m_nWidth, m_nHeight);
    m_bValid = m_nWidth != 0 && m_nHeight != 0;
}

BOOL LoadDibImage(CDibImage& image, LPCSTR lpszPath)
{
    return image.LoadFile(lpszPath);
}
