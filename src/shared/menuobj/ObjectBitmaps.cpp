#include "shared/menuobj/ObjectBitmaps.h"

#include "shared/menuobj/DibObject.h"
#include "shared/support/Picture.h"

#include <vector>

namespace {

// Raster operation: target AND NOT source.
const DWORD kRopDSna = 0x00220326;

// A 32-bit top-down header for the bitmap's pixels.
BITMAPINFO TopDownInfo(int cx, int cy)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    return bmi;
}

} // namespace

CString GetUpperExtension(const CString& strFile)
{
    int nDot = strFile.ReverseFind('.');
    if (nDot < 0)
        return CString();
    CString strExtension = strFile.Mid(nDot);
    strExtension.MakeUpper();
    return strExtension;
}

BOOL LoadDibBitmap(LPCSTR lpszFile, CBitmap& bitmap, int& cx, int& cy)
{
    bitmap.DeleteObject();
    CDibObject dib;
    if (!LoadDibFile(dib, lpszFile))
        return FALSE;
    HBITMAP hBitmap = dib.CreateDDB();
    if (hBitmap == nullptr)
        return FALSE;
    bitmap.Attach(hBitmap);
    cx = dib.GetWidth();
    cy = dib.GetHeight();
    return TRUE;
}

BOOL LoadPictureBitmap(LPCSTR lpszFile, CBitmap& bitmap, int& cx, int& cy)
{
    bitmap.DeleteObject();
    CPicture picture;
    picture.m_bShowErrors = FALSE;
    if (!picture.Load(lpszFile))
        return FALSE;
    CClientDC screen(nullptr);
    if (!picture.RenderToBitmap(&screen, bitmap, picture.GetWidth(), picture.GetHeight(), nullptr))
    {
        bitmap.DeleteObject();
        return FALSE;
    }
    cx = picture.GetWidth();
    cy = picture.GetHeight();
    return TRUE;
}

COLORREF GetBitmapPixel(CBitmap& bitmap, int x, int y)
{
    CClientDC screen(nullptr);
    CDC dc;
    if (!dc.CreateCompatibleDC(&screen))
        return CLR_INVALID;
    CBitmap* pOld = dc.SelectObject(&bitmap);
    COLORREF cr = dc.GetPixel(x, y);
    dc.SelectObject(pOld);
    return cr;
}

BOOL MakeRecolouredCopy(CBitmap& source, CBitmap& target, const std::function<COLORREF(COLORREF)>& recolour)
{
    target.DeleteObject();
    BITMAP bm = {};
    if (source.GetBitmap(&bm) == 0 || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return FALSE;
    BITMAPINFO bmi = TopDownInfo(bm.bmWidth, bm.bmHeight);
    std::vector<RGBQUAD> pixels(size_t(bm.bmWidth) * size_t(bm.bmHeight));
    CClientDC screen(nullptr);
    if (::GetDIBits(screen, source, 0, bm.bmHeight, pixels.data(), &bmi, DIB_RGB_COLORS) == 0)
        return FALSE;
    for (RGBQUAD& px : pixels)
    {
        COLORREF cr = recolour(RGB(px.rgbRed, px.rgbGreen, px.rgbBlue));
        px.rgbRed = GetRValue(cr);
        px.rgbGreen = GetGValue(cr);
        px.rgbBlue = GetBValue(cr);
        px.rgbReserved = 0;
    }
    if (!target.CreateCompatibleBitmap(&screen, bm.bmWidth, bm.bmHeight))
        return FALSE;
    if (::SetDIBits(screen, target, 0, bm.bmHeight, pixels.data(), &bmi, DIB_RGB_COLORS) == 0)
    {
        target.DeleteObject();
        return FALSE;
    }
    return TRUE;
}

void DrawTransparentBitmap(CDC* pDC, int x, int y, int cx, int cy, CBitmap& image, int xSrc, int ySrc,
                           COLORREF crTransparent)
{
    if (cx <= 0 || cy <= 0)
        return;
    CDC imageDC, maskDC, partDC;
    if (!imageDC.CreateCompatibleDC(pDC) || !maskDC.CreateCompatibleDC(pDC) || !partDC.CreateCompatibleDC(pDC))
        return;
    CBitmap mask, part;
    if (!mask.CreateBitmap(cx, cy, 1, 1, nullptr) || !part.CreateCompatibleBitmap(pDC, cx, cy))
        return;
    CBitmap* pOldImage = imageDC.SelectObject(&image);
    CBitmap* pOldMask = maskDC.SelectObject(&mask);
    CBitmap* pOldPart = partDC.SelectObject(&part);

    // The mask is white where the image has the transparent colour.
    imageDC.SetBkColor(crTransparent);
    maskDC.BitBlt(0, 0, cx, cy, &imageDC, xSrc, ySrc, SRCCOPY);

    // The image part with its transparent pixels black.
    partDC.BitBlt(0, 0, cx, cy, &imageDC, xSrc, ySrc, SRCCOPY);
    partDC.SetBkColor(RGB(255, 255, 255));
    partDC.SetTextColor(RGB(0, 0, 0));
    partDC.BitBlt(0, 0, cx, cy, &maskDC, 0, 0, kRopDSna);

    COLORREF crOldBk = pDC->SetBkColor(RGB(255, 255, 255));
    COLORREF crOldText = pDC->SetTextColor(RGB(0, 0, 0));
    pDC->BitBlt(x, y, cx, cy, &maskDC, 0, 0, SRCAND);
    pDC->BitBlt(x, y, cx, cy, &partDC, 0, 0, SRCPAINT);
    pDC->SetBkColor(crOldBk);
    pDC->SetTextColor(crOldText);

    partDC.SelectObject(pOldPart);
    maskDC.SelectObject(pOldMask);
    imageDC.SelectObject(pOldImage);
}
