// Drawing helpers of the toolkit's tests: a memory DC whose pixels the test
// reads, a small image list, a scope that switches the flat look on, and a
// cursor move that waits until the system reports the new place.
#pragma once

#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTPainters.h"

#include "framework/DC.h"
#include "helpers/TestSupport.h"

#include <commctrl.h>
#include <stdio.h>
#include <vector>

namespace toolkit_test {

class CCanvas
{
public:
    CCanvas(int cx, int cy, COLORREF clr) : m_cx(cx), m_cy(cy)
    {
        HDC hScreen = ::GetDC(nullptr);
        dc.Attach(::CreateCompatibleDC(hScreen));
        m_hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
        ::ReleaseDC(nullptr, hScreen);
        m_hOld = ::SelectObject(dc, m_hBitmap);
        dc.FillSolidRect(0, 0, cx, cy, clr);
    }
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;
    ~CCanvas()
    {
        ::SelectObject(dc, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(dc.Detach());
    }

    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
    int Count(COLORREF clr, const RECT& rc) const
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += At(x, y) == clr;
        return n;
    }
    // The rightmost column holding the colour, or -1.
    int RightmostOf(COLORREF clr) const
    {
        for (int x = m_cx - 1; x >= 0; --x)
            for (int y = 0; y < m_cy; ++y)
                if (At(x, y) == clr)
                    return x;
        return -1;
    }
    // Takes the bitmap out for a moment (to select it elsewhere) and puts it back.
    HBITMAP Release() { return (HBITMAP)::SelectObject(dc, ::CreateCompatibleBitmap(dc, 1, 1)); }
    void PutBack(HBITMAP hBitmap) { ::DeleteObject(::SelectObject(dc, hBitmap)); }
    void SaveBmp(LPCSTR pszPath) const
    {
        BITMAPINFOHEADER header = { sizeof(header), m_cx, m_cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0 };
        int stride = ((m_cx * 3 + 3) / 4) * 4;
        std::vector<BYTE> bits((size_t)stride * m_cy);
        ::GetDIBits(dc, m_hBitmap, 0, m_cy, bits.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
        BITMAPFILEHEADER file = { 0x4D42, (DWORD)(sizeof(file) + sizeof(header) + bits.size()), 0, 0,
                                  (DWORD)(sizeof(file) + sizeof(header)) };
        FILE* f = fopen(pszPath, "wb");
        if (f == nullptr)
            return;
        fwrite(&file, sizeof(file), 1, f);
        fwrite(&header, sizeof(header), 1, f);
        fwrite(bits.data(), 1, bits.size(), f);
        fclose(f);
    }

    CDC dc;

private:
    int m_cx, m_cy;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

// One 16 x 16 image: a red 8 x 8 square at 4,4 on a transparent ground.
inline HIMAGELIST SquareImageList()
{
    HIMAGELIST hList = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
    CCanvas image(16, 16, RGB(255, 0, 255));
    image.dc.FillSolidRect(4, 4, 8, 8, RGB(255, 0, 0));
    HBITMAP hBitmap = image.Release();
    ImageList_AddMasked(hList, hBitmap, RGB(255, 0, 255));
    image.PutBack(hBitmap);
    return hList;
}

// An icon of the size, with or without a colour bitmap (a mask of both halves).
inline HICON MakeIcon(int cx = 16, int cy = 16, BOOL bColor = TRUE)
{
    ICONINFO info = {};
    info.fIcon = TRUE;
    HDC hScreen = ::GetDC(nullptr);
    info.hbmMask = ::CreateBitmap(cx, bColor ? cy : cy * 2, 1, 1, nullptr);
    info.hbmColor = bColor ? ::CreateCompatibleBitmap(hScreen, cx, cy) : nullptr;
    ::ReleaseDC(nullptr, hScreen);
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    return hIcon;
}

// The flat look for the test's scope, out of design mode afterwards.
class FlatLookScope
{
public:
    FlatLookScope() : m_bSaved(xtAfxData.m_bFlatLook) { xtAfxData.m_bFlatLook = TRUE; }
    FlatLookScope(const FlatLookScope&) = delete;
    FlatLookScope& operator=(const FlatLookScope&) = delete;
    ~FlatLookScope()
    {
        GetPainter()->SetDesignMode(FALSE);
        xtAfxData.m_bFlatLook = m_bSaved;
    }

private:
    BOOL m_bSaved;
};

// Wine moves the pointer asynchronously, and a late pointer event from an
// earlier move can put it back: wait (briefly) until the new place holds.
inline void MoveCursorTo(int x, int y)
{
    int nSteady = 0;
    for (int i = 0; i < 300 && nSteady < 5; ++i)
    {
        if (nSteady == 0)
            ::SetCursorPos(x, y);
        testing_support::PumpPendingMessages();
        ::Sleep(2);
        POINT pt = {};
        ::GetCursorPos(&pt);
        nSteady = (pt.x == x && pt.y == y) ? nSteady + 1 : 0;
    }
}

} // namespace toolkit_test
