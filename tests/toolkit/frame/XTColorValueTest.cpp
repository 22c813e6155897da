#include "toolkit/frame/XTColorValue.h"

#include <gtest/gtest.h>

namespace {

TEST(XTColorValue, HslOfPureColours)
{
    struct Row { COLORREF clr; double h, s, l; };
    const Row rows[] = {
        { RGB(255, 0, 0), 0.0, 1.0, 0.5 },
        { RGB(0, 0, 255), 2.0 / 3, 1.0, 0.5 },
        { RGB(0, 255, 0), 1.0 / 3, 1.0, 0.5 },
        { RGB(255, 0, 128), 0.9163, 1.0, 0.5 },   // negative sixths wrap around
        { RGB(128, 128, 128), 0.0, 0.0, 0.502 },
        { RGB(64, 32, 32), 0.0, 0.3333, 0.1882 },  // dark: saturation over max + min
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(testing::Message() << std::hex << row.clr);
        double h, s, l;
        CXTColorValue(row.clr).RGBtoHSL(h, s, l);
        EXPECT_NEAR(row.h, h, 1e-3);
        EXPECT_NEAR(row.s, s, 1e-3);
        EXPECT_NEAR(row.l, l, 1e-3);
    }
}

TEST(XTColorValue, HslRoundTrips)
{
    EXPECT_EQ(RGB(255, 0, 0), (COLORREF)CXTColorValue::HSLtoRGB(0, 1, 0.5));
    const COLORREF colours[] = { RGB(0, 0, 0), RGB(128, 128, 128), RGB(200, 200, 200), RGB(255, 255, 255),
                                 RGB(0, 0, 255), RGB(255, 255, 0) };
    for (COLORREF clr : colours)
    {
        SCOPED_TRACE(testing::Message() << std::hex << clr);
        double h, s, l;
        CXTColorValue(clr).RGBtoHSL(h, s, l);
        COLORREF back = CXTColorValue::HSLtoRGB(h, s, l);
        // Truncation may cost a channel one step, never more.
        EXPECT_NEAR(GetRValue(clr), GetRValue(back), 1);
        EXPECT_NEAR(GetGValue(clr), GetGValue(back), 1);
        EXPECT_NEAR(GetBValue(clr), GetBValue(back), 1);
        if (GetRValue(clr) == GetGValue(clr) && GetGValue(clr) == GetBValue(clr))
        {
            EXPECT_EQ(0.0, s);
        }
    }
}

TEST(XTColorValue, ArithmeticClampsEachChannel)
{
    struct Row { const char* name; COLORREF got, want; };
    const Row rows[] = {
        { "blend truncates", CXTColorValue(RGB(255, 255, 255)).Blend(RGB(0, 0, 0), 50), RGB(127, 127, 127) },
        { "blend 0", CXTColorValue(RGB(10, 20, 30)).Blend(RGB(200, 0, 0), 0), RGB(10, 20, 30) },
        { "blend 100", CXTColorValue(RGB(10, 20, 30)).Blend(RGB(200, 0, 0), 100), RGB(200, 0, 0) },
        { "blend beyond 100", CXTColorValue(RGB(0, 255, 100)).Blend(RGB(255, 0, 100), 150), RGB(255, 0, 100) },
        { "blend below 0", CXTColorValue(RGB(0, 255, 100)).Blend(RGB(255, 0, 100), -50), RGB(0, 255, 100) },
        { "add gray stops at 255", CXTColorValue(RGB(240, 240, 240)).AddGray(18), RGB(255, 255, 255) },
        { "add gray 250", CXTColorValue(RGB(250, 250, 250)).AddGray(18), RGB(255, 255, 255) },
        { "negative gray is 0", CXTColorValue(RGB(1, 2, 3)).AddGray(-40), RGB(1, 2, 3) },
        { "no carry", CXTColorValue(RGB(255, 0, 0)).Add(RGB(1, 0, 0)), RGB(255, 0, 0) },
        { "make clamps", CXTColorValue::MakeColor(-5, 300, 7), RGB(0, 255, 7) },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.want, row.got);
    }
}

} // namespace
