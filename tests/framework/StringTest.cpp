#include "framework/String.h"

#include <gtest/gtest.h>

namespace {

TEST(String, FindFromAnIndex)
{
    CString s("a.ini.d\\Start.ini");
    EXPECT_EQ(1, s.Find(".ini"));
    EXPECT_EQ(13, s.Find(".ini", 2));
    EXPECT_EQ(-1, s.Find(".ini", 14));
    EXPECT_EQ(5, s.Find('.', 2));
    EXPECT_EQ(-1, s.Find('x'));
    EXPECT_EQ(-1, s.Find('a', 100));
    EXPECT_EQ(13, s.ReverseFind('.'));
}

TEST(String, ExtractionClampsToTheText)
{
    CString s("Tarnix");
    EXPECT_EQ(CString(""), s.Mid(10));
    EXPECT_EQ(CString("nix"), s.Mid(3, 100));
    EXPECT_EQ(CString("Tar"), s.Mid(-2, 3));
    EXPECT_EQ(CString("Tarnix"), s.Left(50));
    EXPECT_EQ(CString(""), s.Left(-1));
    EXPECT_EQ(CString("ix"), s.Right(2));
    EXPECT_EQ(CString("Tarnix"), s.Right(9));
}

TEST(String, CaseChangesOnlyAsciiLetters)
{
    CString s("ÄRGER über");
    s.MakeLower();
    EXPECT_EQ(CString("Ärger über"), s);   // the accented capital stays
    s.MakeUpper();
    EXPECT_EQ(CString("ÄRGER üBER"), s);
    EXPECT_EQ(10, s.GetLength());
    EXPECT_EQ(0, CString("Velconf.INI").CompareNoCase("VELCONF.ini"));
    EXPECT_NE(0, CString("Ä").CompareNoCase("ä"));
}

TEST(String, FormatHasNoLengthLimit)
{
    CString longText('x', 5000);
    CString s;
    s.Format("[%s] %d %c", (LPCSTR)longText, 42, 'z');
    EXPECT_EQ(5000 + 7, s.GetLength());
    EXPECT_EQ(CString("] 42 z"), s.Right(6));
    s.AppendFormat("%05.1f", 2.5);
    EXPECT_EQ(CString("002.5"), s.Right(5));
}

TEST(String, EditingOperations)
{
    CString s("  \tHallo Welt \r\n");
    s.TrimLeft();
    s.TrimRight();
    EXPECT_EQ(CString("Hallo Welt"), s);
    EXPECT_EQ(1, s.Replace("Welt", "Tarnix"));
    EXPECT_EQ(CString("Hallo Tarnix"), s);
    EXPECT_EQ(2, s.Remove('a'));
    EXPECT_EQ(CString("Hllo Trnix"), s);
    s.Insert(1, 'a');
    s.Insert(100, "!");
    EXPECT_EQ(CString("Hallo Trnix!"), s);
    s.Delete(5, 100);
    EXPECT_EQ(CString("Hallo"), s);
    EXPECT_EQ(0, CString("aaaa").Replace("", "b"));
    CString dots("xx..xx");
    dots.TrimLeft('x');
    dots.TrimRight("x.");
    EXPECT_EQ(CString(""), dots);
}

TEST(String, BufferAccessAndComparison)
{
    CString s;
    char* p = s.GetBuffer(10);
    lstrcpyA(p, "abc");
    s.ReleaseBuffer();
    EXPECT_EQ(3, s.GetLength());
    EXPECT_TRUE(s == "abc");
    EXPECT_TRUE("abc" == s);
    EXPECT_TRUE(s < CString("abd"));
    EXPECT_EQ(CString("abcdef"), s + "def");
    EXPECT_EQ(CString("xabc"), 'x' + s);
    CString fromNull((LPCSTR)nullptr);
    EXPECT_TRUE(fromNull.IsEmpty());
}

TEST(String, LoadStringReportsMissingStrings)
{
    CString s("unchanged");
    EXPECT_FALSE(s.LoadString(54321));
    EXPECT_TRUE(s.LoadString(1001));
    EXPECT_EQ(CString("Grüße aus der Stringtabelle"), s);
}

} // namespace
