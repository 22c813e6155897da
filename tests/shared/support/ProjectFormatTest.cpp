#include "shared/support/ProjectFormat.h"

#include <gtest/gtest.h>

using namespace ProjectFormat;

TEST(ProjectFormatTest, NumberedSectionsAndKeys)
{
    EXPECT_EQ("BUTTON1", ButtonSection(1));
    EXPECT_EQ("BUTTON12", ButtonSection(12));
    EXPECT_EQ("TEXT3", TextSection(3));
    EXPECT_EQ("TEXTFELD1", TextFieldSection(1));
    EXPECT_EQ("IMAGE1", ImageSection(1));
    EXPECT_EQ("POPUPMENU00", PopupSection(0));
    EXPECT_EQ("ITEM00", PopupItemKey(0));
    EXPECT_EQ("<POPUPMENU00>", PopupDocument(0));
    EXPECT_STREQ("MAINMENU", MenuTypeKeyword(0));
    EXPECT_STREQ("SUBMENU", MenuTypeKeyword(1));
}

TEST(ProjectFormatTest, StyleKeywordsByFirstLetter)
{
    static const struct { LPCSTR pszStyle, pszKeyword; } kCases[] = {
        { "B", "BITMAP" }, { "D", "DRAW" },    { "H", "HYPERTEXT" }, { "I", "IMAGE" },
        { "M", "MONOCHROME" }, { "O", "OFFICE" }, { "W", "WINDOWS" }, { "X", "WINDOWS" },
        { "", "WINDOWS" },  { "b", "WINDOWS" }, { "HYPERTEXT", "HYPERTEXT" },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszStyle);
        EXPECT_STREQ(c.pszKeyword, StyleKeyword(c.pszStyle));
        // Readers take the keyword's first letter as the style letter.
        if (CString(c.pszKeyword) != "WINDOWS")
        {
            EXPECT_EQ(c.pszStyle[0], StyleKeyword(c.pszStyle)[0]);
        }
    }
}

TEST(ProjectFormatTest, PopupDocumentsNameTheirNumber)
{
    static const struct { LPCSTR pszDocument; int nNumber; } kCases[] = {
        { "<POPUPMENU00>", 0 }, { "<POPUPMENU01>", 1 }, { "<POPUPMENU42>", 42 }, { "<POPUPMENU7>", -1 },
        { "<POPUPMENU", -1 },   { "<popupmenu00>", -1 }, { "x<POPUPMENU00>", -1 }, { "<LISTBOX>", -1 },
        { "<POPUPMENUab>", -1 },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszDocument);
        EXPECT_EQ(c.nNumber, GetPopupNumber(c.pszDocument));
    }
    EXPECT_TRUE(IsPopupDocument("<POPUPMENU7>"));
    EXPECT_FALSE(IsPopupDocument("<LISTBOX>"));
}

TEST(ProjectFormatTest, LineBreaksOfTheDefaultTextBecomeBackslashN)
{
    EXPECT_EQ("one\\ntwo", EncodeLineBreaks("one\r\ntwo"));
    EXPECT_EQ("one\\ntwo\\nthree", EncodeLineBreaks("one\ntwo\r\nthree"));
    EXPECT_EQ("one<BR>two", EncodeLineBreaks("one<BR>two"));

    EXPECT_EQ("one\r\ntwo\r\n", DecodeLineBreaks("one\\ntwo\\n", "\r\n"));
    EXPECT_EQ("one<BR>two", DecodeLineBreaks(EncodeLineBreaks("one\r\ntwo"), "<BR>"));
}
