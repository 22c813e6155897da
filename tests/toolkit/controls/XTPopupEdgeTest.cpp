#include "toolkit/controls/XTPopupEdge.h"

#include "toolkit/XTTestCanvas.h"

#include <gtest/gtest.h>

using toolkit_test::CCanvas;

TEST(XTPopupEdge, DrawsOnlyLinesClippedToTheWindow)
{
    const COLORREF kLine = RGB(200, 0, 0);
    const struct
    {
        const char* pszName;
        CRect rcEdge, rcWindow;
        CRect rcPainted;   // the pixels expected in the line colour; empty: none
    } rows[] = {
        { "horizontal", CRect(5, 10, 15, 10), CRect(0, 0, 20, 20), CRect(6, 10, 15, 11) },
        { "moved into the window", CRect(5, 10, 15, 10), CRect(2, 3, 22, 23), CRect(4, 7, 13, 8) },
        { "clipped at the window's right", CRect(5, 10, 40, 10), CRect(0, 0, 20, 20), CRect(6, 10, 20, 11) },
        { "vertical", CRect(7, 2, 7, 12), CRect(0, 0, 20, 20), CRect(7, 3, 8, 12) },
        { "two pixels long", CRect(5, 10, 7, 10), CRect(0, 0, 20, 20), CRect() },
        { "a rectangle", CRect(5, 5, 10, 10), CRect(0, 0, 20, 20), CRect() },
        { "outside the window", CRect(5, 30, 15, 30), CRect(0, 0, 20, 20), CRect() },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.pszName);
        CCanvas canvas(24, 24, RGB(255, 255, 255));
        DrawBorderRect(&canvas.dc, kLine, row.rcEdge, row.rcWindow);
        EXPECT_EQ(row.rcPainted.Width() * row.rcPainted.Height(), canvas.Count(kLine, CRect(0, 0, 24, 24)));
        if (!row.rcPainted.IsRectEmpty())
            EXPECT_EQ(row.rcPainted.Width() * row.rcPainted.Height(), canvas.Count(kLine, row.rcPainted));
    }
}
