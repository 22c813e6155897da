#include "toolkit/bars/XTMenuShadow.h"
#include "toolkit/bars/XTShadowBitmap.h"

#include "toolkit/XTTestCanvas.h"

#include <gtest/gtest.h>

namespace {

using toolkit_test::CCanvas;

// A plain top-level window to cast a shadow: 100 x 50 at 200, 150.
HWND CreateOwner(DWORD dwStyle = WS_POPUP | WS_VISIBLE, HWND hWndParent = nullptr, int x = 200, int y = 150)
{
    return ::CreateWindowExA(0, "STATIC", "", dwStyle, x, y, 100, 50, hWndParent, nullptr, nullptr, nullptr);
}

CRect WindowRect(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

// A bitmap of the given colour for the shadow to darken instead of the screen.
HBITMAP SolidBitmap(int cx, int cy, COLORREF clr)
{
    HDC hScreen = ::GetDC(nullptr);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    RECT rc = { 0, 0, cx, cy };
    ::SetBkColor(hDC, clr);
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return hBitmap;
}

TEST(XTShadowBitmap, DrawsTheDarkenedStripsOnly)
{
    CXTShadowBitmap bitmap;
    bitmap.SetSource(SolidBitmap(104, 54, RGB(255, 255, 255)));
    ASSERT_TRUE(bitmap.Capture(CRect(300, 300, 404, 354), 100));
    CCanvas canvas(110, 60, RGB(0, 0, 255));
    bitmap.Draw(canvas.dc, CRect(0, 0, 104, 54));
    struct Row { int x, y; COLORREF clr; };
    const Row rows[] = {
        { 100, 4, RGB(195, 195, 195) },     // innermost ring of the right strip
        { 103, 30, RGB(240, 240, 240) },    // its outer edge
        { 4, 50, RGB(195, 195, 195) },      // the bottom strip starts 4 right of the owner's edge
        { 99, 53, RGB(240, 240, 240) },
        { 100, 3, RGB(0, 0, 255) },         // above the right strip: not drawn
        { 3, 50, RGB(0, 0, 255) },          // left of the bottom strip
        { 50, 25, RGB(0, 0, 255) },         // under the owner
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.y);
        EXPECT_EQ(row.clr, canvas.At(row.x, row.y));
    }
}

TEST(XTMenuShadow, CoversAnLBehindItsOwner)
{
    HWND hWndOwner = CreateOwner();
    CXTMenuShadow* pShadow = new CXTMenuShadow(hWndOwner, TRUE, TRUE, SolidBitmap(104, 54, RGB(255, 255, 255)));
    ASSERT_TRUE(pShadow->IsCreated());
    HWND hWndShadow = pShadow->GetShadowWnd().GetSafeHwnd();
    EXPECT_EQ(CRect(200, 150, 304, 204), WindowRect(hWndShadow));
    EXPECT_TRUE(::IsWindowVisible(hWndShadow));
    EXPECT_EQ(hWndShadow, ::GetWindow(hWndOwner, GW_HWNDNEXT));

    HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetWindowRgn(hWndShadow, hRegion));
    struct Row { int x, y; BOOL bIn; };
    const Row rows[] = {
        { 100, 4, TRUE }, { 103, 53, TRUE }, { 4, 50, TRUE }, { 99, 53, TRUE },
        { 100, 3, FALSE }, { 3, 50, FALSE }, { 50, 25, FALSE }, { 99, 49, FALSE },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.y);
        EXPECT_EQ(row.bIn, ::PtInRegion(hRegion, row.x, row.y));
    }
    ::DeleteObject(hRegion);

    // It follows the owner: hidden, shown, moved.
    ::ShowWindow(hWndOwner, SW_HIDE);
    EXPECT_FALSE(::IsWindowVisible(hWndShadow));
    ::ShowWindow(hWndOwner, SW_SHOWNA);
    EXPECT_TRUE(::IsWindowVisible(hWndShadow));
    ::SetWindowPos(hWndOwner, nullptr, 250, 160, 120, 60, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(CRect(250, 160, 374, 224), WindowRect(hWndShadow));
    EXPECT_EQ(hWndShadow, ::GetWindow(hWndOwner, GW_HWNDNEXT));

    // And goes with it, the controller too.
    ::DestroyWindow(hWndOwner);
    EXPECT_FALSE(::IsWindow(hWndShadow));
}

TEST(XTMenuShadow, ChildOwnerGetsASiblingShadowInClientCoordinates)
{
    HWND hWndParent = CreateOwner(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 100, 100);
    ::SetWindowPos(hWndParent, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
    HWND hWndOwner = CreateOwner(WS_CHILD | WS_VISIBLE, hWndParent, 20, 30);
    {
        CXTMenuShadow shadow(hWndOwner, FALSE, FALSE);
        HWND hWndShadow = shadow.GetShadowWnd().GetSafeHwnd();
        EXPECT_EQ(hWndParent, ::GetParent(hWndShadow));
        CRect rc = WindowRect(hWndShadow);
        ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_EQ(CRect(20, 30, 124, 84), rc);
        EXPECT_FALSE(::IsWindowVisible(hWndShadow));   // told to wait
        shadow.Show();
        EXPECT_TRUE(::IsWindowVisible(hWndShadow));
    }
    ::DestroyWindow(hWndParent);
}

} // namespace
