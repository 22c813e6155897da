#include "toolkit/controls/XTViewText.h"

#include <gtest/gtest.h>

namespace {

TEST(XTViewTextTest, TextSearchHonoursCaseAndWholeWords)
{
    struct Row { LPCSTR text, find; BOOL bCase, bWhole, bFound; } rows[] = {
        { "table", "tab", FALSE, TRUE, FALSE },
        { "table and tab", "tab", FALSE, TRUE, TRUE },      // a later whole word still counts
        { "a_tab", "tab", FALSE, TRUE, FALSE },
        { "(tab)", "tab", FALSE, TRUE, TRUE },
        { "table", "tab", FALSE, FALSE, TRUE },
        { "Table", "tab", TRUE, FALSE, FALSE },
        { "Table", "tab", FALSE, FALSE, TRUE },
        { "anything", "", FALSE, FALSE, FALSE },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.text << " / " << row.find);
        EXPECT_EQ(row.bFound, XTTextContains(row.text, row.find, row.bCase, row.bWhole));
    }
}

TEST(XTViewTextTest, ColumnWidthsRoundTripThroughTheStoredText)
{
    CString strStored = XTFormatColumnWidths({ 120, 80, 200 });
    EXPECT_STREQ("120,80,200,", strStored);
    int expected[] = { 120, 80, 200, 0 };
    for (int i = 0; i < 4; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i], XTGetListField(strStored, i));
    }
    EXPECT_EQ(0, XTGetListField("", 0));
    EXPECT_EQ(0, XTGetListField("x,5,", 0));
}

TEST(XTViewTextTest, SizesAreWholeKilobytesOfSizePlusOneKilobyte)
{
    struct Row { ULONGLONG nBytes; LPCSTR text; } rows[] = {
        { 0, "1KB" }, { 1024, "2KB" }, { 1500, "2KB" }, { 10240, "11KB" }, { 5000000000ULL, "4882813KB" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.text);
        EXPECT_STREQ(row.text, XTFormatFileSizeKB(row.nBytes));
    }
}

TEST(XTViewTextTest, FileTimesShowInLocalTime)
{
    struct Row { WORD y, mo, d, h, mi; LPCSTR text; } rows[] = {
        { 1999, 12, 31, 23, 30, "12/31/99 11:30 PM" },
        { 2060, 1, 1, 0, 5, "01/01/60 12:05 AM" },
        { 2021, 3, 4, 12, 0, "03/04/21 12:00 PM" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.text);
        SYSTEMTIME st = { row.y, row.mo, 0, row.d, row.h, row.mi, 0, 0 };
        FILETIME ftLocal, ftUtc;
        ASSERT_TRUE(::SystemTimeToFileTime(&st, &ftLocal));
        ASSERT_TRUE(::LocalFileTimeToFileTime(&ftLocal, &ftUtc));
        EXPECT_STREQ(row.text, XTFormatFileTime(ftUtc));
    }
}

TEST(XTViewTextTest, TypedComparisonsOrderAndTreatEqualsAsEqual)
{
    struct Row { LPCSTR a, b; int nType, nResult; } rows[] = {
        { "2KB", "11KB", xtSortInt, -1 },
        { "11KB", "11KB", xtSortInt, 0 },
        { "apple", "Banana", xtSortString, -1 },
        { "ABC", "abc", xtSortString, 0 },
        { "1.5", "1.25", xtSortDecimal, 1 },
        { "1.5", "1.50", xtSortDecimal, 0 },
        { "3/4/2021", "3/4/2021", xtSortDate, 0 },
        { "not a date", "3/4/2021", xtSortDate, 0 },
        { "a", "b", 99, 0 },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.a << " / " << row.b);
        EXPECT_EQ(row.nResult, XTCompareTyped(row.a, row.b, row.nType));
    }
}

} // namespace
