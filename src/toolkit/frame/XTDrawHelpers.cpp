#include "toolkit/frame/XTDrawHelpers.h"

#include "toolkit/frame/XTDCValueSaver.h"
#include "toolkit/frame/XTGlobalData.h"

namespace {

// Paints the brush where the source is black and keeps the target where it is white.
const DWORD kRopBrushWhereBlack = 0x00B8074A;

void BlitThroughBrush(HDC hDC, int x, int y, int cx, int cy, HDC hSrcDC, COLORREF clr)
{
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    CXTObjectSaver brush(hDC, hBrush);
    ::BitBlt(hDC, x, y, cx, cy, hSrcDC, 0, 0, kRopBrushWhereBlack);
    brush.Restore();
    ::DeleteObject(hBrush);
}

} // namespace

void DrawEmbossedImage(CDC* pDC, HIMAGELIST hImageList, int nImage, int x, int y, BOOL bColor)
{
    IMAGEINFO info = {};
    if (pDC == nullptr || !ImageList_GetImageInfo(hImageList, nImage, &info))
        return;
    int cx = info.rcImage.right - info.rcImage.left;
    int cy = info.rcImage.bottom - info.rcImage.top;
    HDC hMemDC = ::CreateCompatibleDC(pDC->m_hDC);
    HBITMAP hBitmap = bColor ? ::CreateCompatibleBitmap(pDC->m_hDC, cx, cy) : ::CreateBitmap(cx, cy, 1, 1, nullptr);
    if (hMemDC != nullptr && hBitmap != nullptr)
    {
        CXTObjectSaver bitmap(hMemDC, hBitmap);
        ::PatBlt(hMemDC, 0, 0, cx, cy, WHITENESS);
        ImageList_Draw(hImageList, nImage, hMemDC, 0, 0, ILD_TRANSPARENT);
        CXTTextColorSaver text(pDC->m_hDC, RGB(0, 0, 0));
        CXTBkColorSaver back(pDC->m_hDC, RGB(255, 255, 255));
        BlitThroughBrush(pDC->m_hDC, x + 1, y + 1, cx, cy, hMemDC, xtAfxData.m_clr3DHilight);
        BlitThroughBrush(pDC->m_hDC, x, y, cx, cy, hMemDC, xtAfxData.m_clr3DShadow);
    }
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    if (hMemDC != nullptr)
        ::DeleteDC(hMemDC);
}

void FillDitheredRect(CDC* pDC, const RECT& rect)
{
    WORD pattern[8];
    for (int i = 0; i < 8; ++i)
        pattern[i] = (i % 2 == 0) ? 0x55 : 0xAA;
    HBITMAP hPattern = ::CreateBitmap(8, 8, 1, 1, pattern);
    HBRUSH hBrush = hPattern != nullptr ? ::CreatePatternBrush(hPattern) : nullptr;
    if (hBrush != nullptr)
    {
        CXTBkColorSaver back(pDC->m_hDC, xtAfxData.m_clr3DFace);
        CXTTextColorSaver text(pDC->m_hDC, xtAfxData.m_clr3DHilight);
        CXTObjectSaver brush(pDC->m_hDC, hBrush);
        ::PatBlt(pDC->m_hDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATCOPY);
        brush.Restore();
        ::DeleteObject(hBrush);
    }
    if (hPattern != nullptr)
        ::DeleteObject(hPattern);
}

CRect ExcludeClientArea(CWnd* pWnd, CDC* pDC)
{
    CRect rectWindow, rectClient;
    pWnd->GetWindowRect(&rectWindow);
    pWnd->GetClientRect(&rectClient);
    pWnd->ClientToScreen(&rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    pDC->ExcludeClipRect(&rectClient);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    return rectWindow;
}

void FillGradient(CDC* pDC, const CRect& rect, COLORREF clrFrom, COLORREF clrTo, BOOL bAlongX)
{
    // Channel steps in fixed point with 6 fraction bits.
    const int nLength = bAlongX ? rect.Width() : rect.Height();
    const int r0 = GetRValue(clrFrom), g0 = GetGValue(clrFrom), b0 = GetBValue(clrFrom);
    const int dr = GetRValue(clrTo) - r0, dg = GetGValue(clrTo) - g0, db = GetBValue(clrTo) - b0;
    for (int i = 0; i < 64; ++i)
    {
        int nStart = (nLength * i) >> 6;
        int nEnd = (nLength * (i + 1)) >> 6;
        if (nEnd <= nStart)
            continue;
        COLORREF clr = RGB((r0 * 64 + i * dr) / 64, (g0 * 64 + i * dg) / 64, (b0 * 64 + i * db) / 64);
        if (bAlongX)
            pDC->FillSolidRect(rect.left + nStart, rect.top, nEnd - nStart, rect.Height(), clr);
        else
            pDC->FillSolidRect(rect.left, rect.bottom - nEnd, rect.Width(), nEnd - nStart, clr);
    }
}

void FrameSolid(CDC* pDC, const CRect& rc, COLORREF clr)
{
    pDC->Draw3dRect(&rc, clr, clr);
}

void DrawDownArrow(CDC* pDC, int x, int y, COLORREF clr)
{
    for (int row = 0; row < 3; ++row)
        pDC->FillSolidRect(x + row, y + row, 5 - 2 * row, 1, clr);
}

