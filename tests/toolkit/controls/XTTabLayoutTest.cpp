#include "toolkit/controls/XTTabLayout.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

TEST(XTTabLayoutTest, ThePageLiesBesideTheTabsOnEachSide)
{
    const CRect rcClient(0, 0, 200, 100);
    const CSize sizeTab(40, 20);
    struct Row { DWORD dwStyle; int nRows; CRect rc; LPCSTR name; } rows[] = {
        { 0, 1, CRect(3, 25, 197, 97), "top" },
        { TCS_MULTILINE, 2, CRect(3, 45, 197, 97), "top, two rows" },
        { TCS_BOTTOM, 1, CRect(3, 3, 197, 75), "bottom" },
        { TCS_VERTICAL, 1, CRect(45, 3, 197, 97), "left" },
        { TCS_VERTICAL | TCS_RIGHT, 1, CRect(3, 3, 155, 97), "right" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.rc, XTTabChildRect(rcClient, row.dwStyle, sizeTab, row.nRows));
    }
}

// Ten pixels a character: a tab is 12 + 10 per character wide, the strip 4 more.
int Measure(const CString& s)
{
    return 10 * s.GetLength();
}

std::vector<CString> Condense(int nAvailable)
{
    return XTCondenseTabLabels({ { "Explorer", FALSE }, { "Documents and Settings", FALSE }, { "Tree", FALSE } },
                               nAvailable, FALSE, 2, Measure);
}

TEST(XTTabLayoutTest, NarrowingShortensTheWidestLabelFirstDownToTheMinimumWidth)
{
    // Full widths: 92 + 232 + 52 + 4 = 380.
    EXPECT_EQ((std::vector<CString>{ "Explorer", "Documents and Settings", "Tree" }), Condense(380));
    // 379: one pass on the widest; "..." goes on and characters come off until it is narrower.
    EXPECT_EQ((std::vector<CString>{ "Explorer", "Documents and Sett...", "Tree" }), Condense(379));
    // The widest loses one character a pass; the others stay while it is wider.
    EXPECT_EQ((std::vector<CString>{ "Explorer", "Documents a...", "Tree" }), Condense(300));
    // Of equally wide tabs the first shrinks first.
    EXPECT_EQ((std::vector<CString>{ "Exp...", "Doc...", "Tree" }), Condense(200));
    // They stop shrinking at the minimum: 6 x 2 + 12 = 24 pixels, so every
    // label ends as "..." or one character before it.
    for (const CString& label : Condense(10))
    {
        SCOPED_TRACE((LPCSTR)label);
        EXPECT_TRUE(label.GetLength() <= 4 && label.Right(3) == "...");
    }
}

} // namespace
