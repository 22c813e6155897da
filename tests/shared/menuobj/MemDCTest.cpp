#include "shared/menuobj/MemDC.h"

#include "shared/support/BmpTestFiles.h"
#include "framework/Wnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using bmp_test::BorrowedDC;
using bmp_test::Surface;

const COLORREF kFill = RGB(1, 2, 3);
const COLORREF kPaper = RGB(10, 200, 30);

TEST(MemDCTest, DrawsOffScreenAndCopiesAtOnce)
{
    Surface target(30, 20, kFill);
    BorrowedDC targetDC(target.DC());
    {
        CMemDC memDC(&targetDC, CRect(0, 0, 8, 6), kPaper);
        memDC.SetPixel(2, 1, RGB(255, 0, 0));
        EXPECT_EQ(kFill, target.At(2, 1));   // nothing reaches the target yet
        memDC.CopyTo(&targetDC);
    }
    EXPECT_EQ((std::vector<COLORREF>{ RGB(255, 0, 0), kPaper, kPaper, kFill, kFill }),
              (std::vector<COLORREF>{ target.At(2, 1), target.At(0, 0), target.At(7, 5), target.At(8, 5),
                                      target.At(7, 6) }));
}

TEST(MemDCTest, CopiesAPartToAnotherPlace)
{
    Surface target(30, 20, kFill);
    BorrowedDC targetDC(target.DC());
    CMemDC memDC(&targetDC, CRect(0, 0, 10, 10), kPaper);
    memDC.SetPixel(4, 5, RGB(0, 0, 255));
    // The rectangle's size from (3, 3) lands at (20, 10); what lies beyond the
    // bitmap is not the paper.
    memDC.CopyToAt(&targetDC, 20, 10, 3, 3);
    EXPECT_EQ((std::vector<COLORREF>{ RGB(0, 0, 255), kPaper, kPaper, kFill, kFill }),
              (std::vector<COLORREF>{ target.At(21, 12), target.At(20, 10), target.At(26, 16), target.At(19, 10),
                                      target.At(4, 5) }));
}

TEST(MemDCTest, CoversAWindowsClientArea)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "Page", WS_POPUP, 0, 0, 40, 25, nullptr, nullptr));
    Surface target(60, 40, kFill);
    BorrowedDC targetDC(target.DC());
    {
        CMemDC memDC(&targetDC, &wnd, kPaper);
        memDC.CopyTo(&targetDC);
    }
    EXPECT_EQ((std::vector<COLORREF>{ kPaper, kFill, kFill }),
              (std::vector<COLORREF>{ target.At(39, 24), target.At(40, 24), target.At(39, 25) }));
    wnd.DestroyWindow();
}

} // namespace
