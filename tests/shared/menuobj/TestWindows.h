// Windows and device contexts that the menu object tests draw on.
#pragma once

#include "framework/Afx.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

namespace menuobj_testing {

// A hidden top-level window made the application's main window while it lives.
class MainWindowScope
{
public:
    MainWindowScope()
    {
        EXPECT_TRUE(m_wnd.CreateEx(0, nullptr, "Main", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
        m_pPrevious = AfxGetApp()->m_pMainWnd;
        AfxGetApp()->m_pMainWnd = &m_wnd;
    }
    ~MainWindowScope() { AfxGetApp()->m_pMainWnd = m_pPrevious; }
    MainWindowScope(const MainWindowScope&) = delete;
    MainWindowScope& operator=(const MainWindowScope&) = delete;

    CWnd& Window() { return m_wnd; }

private:
    CWnd m_wnd;
    CWnd* m_pPrevious;
};

// A 24-bit memory bitmap filled with one colour, selected into a memory DC.
class BitmapCanvas
{
public:
    BitmapCanvas(int cx, int cy, COLORREF crFill)
    {
        CClientDC screen(nullptr);
        m_dc.CreateCompatibleDC(&screen);
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 24;
        void* pBits = nullptr;
        m_hBitmap = ::CreateDIBSection(screen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        m_hOld = ::SelectObject(m_dc, m_hBitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, crFill);
        m_dc.SetBkMode(TRANSPARENT);
    }
    ~BitmapCanvas()
    {
        ::SelectObject(m_dc, m_hOld);
        ::DeleteObject(m_hBitmap);
    }
    BitmapCanvas(const BitmapCanvas&) = delete;
    BitmapCanvas& operator=(const BitmapCanvas&) = delete;

    CDC* DC() { return &m_dc; }
    COLORREF Pixel(int x, int y) { return m_dc.GetPixel(x, y); }

private:
    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

// The box of the area's pixels that differ from the background; empty when
// there are none.
inline CRect InkBox(BitmapCanvas& canvas, const CRect& rcArea, COLORREF crBack)
{
    CRect box(rcArea.right, rcArea.bottom, -1, -1);
    for (int y = rcArea.top; y < rcArea.bottom; ++y)
        for (int x = rcArea.left; x < rcArea.right; ++x)
            if (canvas.Pixel(x, y) != crBack)
                box.SetRect(std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                            std::max<LONG>(box.bottom, y + 1));
    return box;
}

// A pixel expected on a canvas.
struct PixelCase
{
    int x, y;
    COLORREF cr;
};

// Checks the pixels of the canvas; a failure names the context and the place.
inline void ExpectPixels(BitmapCanvas& canvas, const std::string& context, std::initializer_list<PixelCase> pixels)
{
    for (const PixelCase& p : pixels)
    {
        SCOPED_TRACE(testing::Message() << context << " at " << p.x << "," << p.y);
        EXPECT_EQ(p.cr, canvas.Pixel(p.x, p.y));
    }
}

// The extent of a text in a font made from the LOGFONT, on the screen.
inline CSize ScreenTextExtent(const LOGFONTA& lf, const CString& strText)
{
    CClientDC screen(nullptr);
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOld = screen.SelectObject(&font);
    CSize extent = screen.GetTextExtent(strText);
    screen.SelectObject(pOld);
    return extent;
}

} // namespace menuobj_testing
