#include "shared/support/ProjectFiles.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>

using testing_support::Lines;
using testing_support::TempFolder;

namespace {

CString Lookup(CProfileSource& source, LPCSTR section, LPCSTR key, LPCSTR def = "dflt", int size = 256)
{
    char buffer[256];
    int n = source.GetString(section, key, def, buffer, size);
    EXPECT_EQ(lstrlenA(buffer), n);
    return buffer;
}

const CString kWholeFile = Lines({
    "[TarnixPro]",
    "LANGUAGE=e",
    " ",
    "[Window]",
    "Title=Mein Menü",
    "IMAGE_X=12",
    "X=3",
    "EMPTY=",
    "COUNT=42abc",
    "NEG=  -7",
    " ",
    "[BUTTON1]",
    "TEXT=Erster",
    "ONLYHERE=1",
    " ",
    "[BUTTON1]",
    "TEXT=Zweiter",
    " ",
    "[LAST]",
}) + "KEY=no line break";

class WholeFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_path = m_folder.Write("Velconf.ini", kWholeFile);
        ASSERT_TRUE(m_source.OpenFile(m_path));
        EXPECT_EQ(CProfileSource::modeWholeFile, m_source.GetMode());
    }
    TempFolder m_folder;
    CString m_path;
    CProfileSource m_source;
};

TEST_F(WholeFileTest, SectionsAndKeysMatchWithoutCaseValuesKeepTheirs)
{
    EXPECT_EQ(CString("Mein Menü"), Lookup(m_source, "WINDOW", "TITLE"));
    EXPECT_EQ(CString("Mein Menü"), Lookup(m_source, "window", "title"));
    EXPECT_EQ(CString("e"), Lookup(m_source, "TARNIXPRO", "language"));
    EXPECT_EQ(CString("dflt"), Lookup(m_source, "WINDOW", "MISSING"));
    EXPECT_EQ(CString("dflt"), Lookup(m_source, "NOSECTION", "TITLE"));
}

TEST_F(WholeFileTest, KeysAreFoundAnywhereInTheFirstOccurrenceOfTheirSection)
{
    // "X=" is first found at the end of "IMAGE_X=".
    EXPECT_EQ(CString("12"), Lookup(m_source, "WINDOW", "X"));
    // A key of a later section is not seen from an earlier one.
    EXPECT_EQ(CString("dflt"), Lookup(m_source, "WINDOW", "ONLYHERE"));
    // A repeated section answers from its first occurrence only.
    EXPECT_EQ(CString("Erster"), Lookup(m_source, "BUTTON1", "TEXT"));
    // The last line without a line break gives its whole value.
    EXPECT_EQ(CString("no line break"), Lookup(m_source, "LAST", "KEY"));
}

TEST_F(WholeFileTest, EmptyValuesGiveTheDefaultAndValuesAreCut)
{
    EXPECT_EQ(CString("dflt"), Lookup(m_source, "WINDOW", "EMPTY"));
    EXPECT_EQ(5, m_source.GetInt("WINDOW", "EMPTY", 5));
    EXPECT_EQ(CString("Mein"), Lookup(m_source, "WINDOW", "TITLE", "dflt", 5));
    EXPECT_EQ(CString("df"), Lookup(m_source, "WINDOW", "MISSING", "dflt", 3));
    EXPECT_EQ(CString(""), Lookup(m_source, "WINDOW", "TITLE", "dflt", 1));
}

TEST_F(WholeFileTest, IntegersTakeTheLeadingNumber)
{
    EXPECT_EQ(42, m_source.GetInt("WINDOW", "COUNT", 0));
    EXPECT_EQ(-7, m_source.GetInt("WINDOW", "NEG", 0));
    EXPECT_EQ(0, m_source.GetInt("WINDOW", "TITLE", 9));     // no digits
    EXPECT_EQ(-3, m_source.GetInt("WINDOW", "MISSING", -3));
}

TEST_F(WholeFileTest, CloseKeepsModeAndText)
{
    m_source.Close();
    EXPECT_EQ(CProfileSource::modeWholeFile, m_source.GetMode());
    EXPECT_EQ(CString("Erster"), Lookup(m_source, "BUTTON1", "TEXT"));
}

TEST(ProfileSource, IniFileModeUsesTheProfileFunctions)
{
    TempFolder folder;
    CString path = folder.Write("Velconf.ini", kWholeFile);
    CProfileSource source;
    EXPECT_EQ(CProfileSource::modeNone, source.GetMode());
    EXPECT_TRUE(source.SetIniFile(path));
    EXPECT_EQ(CProfileSource::modeIniFile, source.GetMode());
    EXPECT_EQ(CString("Mein Menü"), Lookup(source, "window", "title"));
    // Keys match whole at the start of their line here, and an empty value is empty.
    EXPECT_EQ(CString("3"), Lookup(source, "WINDOW", "X"));
    EXPECT_EQ(CString(""), Lookup(source, "WINDOW", "EMPTY"));
    EXPECT_EQ(7, source.GetInt("WINDOW", "EMPTY", 7));
    EXPECT_EQ(CString("Mein"), Lookup(source, "WINDOW", "TITLE", "dflt", 5));
}

TEST(ProfileSource, FilesWithoutHeadOrUnreadableFallBackToIniMode)
{
    TempFolder folder;
    CString plain = folder.Write("Plain.ini", Lines({ "[Tarnix]", "LANGUAGE=G", " ", "[WINDOW]", "TITLE=Flach" }));

    CProjectFiles files;
    EXPECT_FALSE(files.OpenFile(plain));
    EXPECT_TRUE(files.OpenWholeFileFirst(plain));
    EXPECT_EQ(CProfileSource::modeIniFile, files.GetMode());
    EXPECT_EQ(CString("Flach"), Lookup(files, "WINDOW", "TITLE"));

    CString missing = folder.File("Missing.ini");
    EXPECT_FALSE(files.OpenFile(missing));
    EXPECT_TRUE(files.OpenWholeFileFirst(missing));
    EXPECT_EQ(CProfileSource::modeIniFile, files.GetMode());
    EXPECT_EQ(CString("dflt"), Lookup(files, "WINDOW", "TITLE"));
}

TEST(ProfileSource, BinaryFileIsTextUpToItsFirstZero)
{
    TempFolder folder;
    const char bytes[] = "[TARNIXPRO]\r\nLANGUAGE=F\r\n\0[WINDOW]\r\nTITLE=hidden\r\n";
    CString path = folder.Write("Binary.ini", bytes, sizeof(bytes));
    CProfileSource source;
    EXPECT_TRUE(source.OpenFile(path));
    EXPECT_EQ(CString("F"), Lookup(source, "TarnixPro", "LANGUAGE"));
    EXPECT_EQ(CString("dflt"), Lookup(source, "WINDOW", "TITLE"));

    const char head[] = "\0[TARNIXPRO]\r\nLANGUAGE=F\r\n";
    EXPECT_FALSE(source.OpenFile(folder.Write("ZeroFirst.ini", head, sizeof(head))));
    EXPECT_EQ(CString("dflt"), Lookup(source, "TarnixPro", "LANGUAGE"));
}

TEST(ProfileSource, OversizedFileIsNotReadIntoMemory)
{
    TempFolder folder;
    CString text = Lines({ "[TARNIXPRO]", "LANGUAGE=E" });
    text += CString('x', (int)CProfileSource::kMaxWholeFileSize);
    CString path = folder.Write("Huge.ini", text);
    CProfileSource source;
    EXPECT_FALSE(source.OpenFile(path));
    EXPECT_EQ(CString("dflt"), Lookup(source, "TarnixPro", "LANGUAGE"));
}

TEST(ProfileSource, MemoryTextWithoutTextGivesDefaults)
{
    CProfileSource source;
    EXPECT_FALSE(source.SetMemoryText());
    EXPECT_EQ(CProfileSource::modeMemoryText, source.GetMode());
    EXPECT_EQ(CString("dflt"), Lookup(source, "WINDOW", "TITLE"));
    EXPECT_EQ(4, source.GetInt("WINDOW", "W", 4));
    EXPECT_TRUE(source.SetNone());
    EXPECT_EQ(CProfileSource::modeNone, source.GetMode());
    EXPECT_EQ(CString("dflt"), Lookup(source, "TarnixTestNoSuchSection", "KEY"));
}

TEST(ProjectFiles, OpenAlwaysReadsThroughTheProfileFunctions)
{
    TempFolder folder;
    CString path = folder.Write("Velconf.ini", kWholeFile);
    CProjectFiles files;
    int context = 0;
    EXPECT_TRUE(files.Open(path, &context));
    EXPECT_EQ(CProfileSource::modeIniFile, files.GetMode());
    EXPECT_EQ(path, files.GetPath());
    EXPECT_TRUE(files.Open(path, nullptr));
    EXPECT_EQ(CProfileSource::modeIniFile, files.GetMode());
    EXPECT_EQ(CString("3"), Lookup(files, "WINDOW", "X"));

    // The editor's way reads this file, which has the head section, from memory.
    EXPECT_TRUE(files.OpenWholeFileFirst(path));
    EXPECT_EQ(CProfileSource::modeWholeFile, files.GetMode());
    EXPECT_EQ(CString("12"), Lookup(files, "WINDOW", "X"));
}

// An opened project reads each section once and must answer every key as the
// profile functions answer it, in the file's odd corners too.
TEST(ProjectFiles, OpenedSectionsAnswerAsTheProfileFunctions)
{
    TempFolder folder;
    CString path = folder.Write("Page.ini", Lines({
        "BEFORE=1", "[Tarnix]", "LANGUAGE=E", " ", "[ SPACED ]", "X=4", "[BROKEN", "DUP", "DUP=5", ";NOTE=6",
        "\tTABBED\t=\tzwei Wörter\t", " ",
        "[window]", "  Title = Mein Menü  ", "X=12", "EMPTY=", "QUOTED=\"a b\"", "SINGLE='c'", "HALF=\"d",
        "NEG=-42", "PLUS=+7", "HEX=0x1F", "WORD=abc", "TAIL=15px", "SPACEY=  8", "x=99", "NOVALUE", " ",
        "[WINDOW]", "LATE=1", " ",
        "[EMPTYSECTION]", " ",
    }));
    const LPCSTR sections[] = { "WINDOW", "window", "Tarnix", "EMPTYSECTION", "MISSING", "SPACED", " SPACED " };
    const LPCSTR keys[] = { "TITLE", "title", "X", "EMPTY", "QUOTED", "SINGLE", "HALF", "NEG", "PLUS", "HEX",
                            "WORD", "TAIL", "SPACEY", "NOVALUE", "LATE", "LANGUAGE", "MISSING", "BEFORE",
                            "[BROKEN", "DUP", ";NOTE", "TABBED", " X " };
    CProfileSource plain;
    plain.SetIniFile(path);
    CProjectFiles opened;
    opened.Open(path, nullptr);
    for (LPCSTR section : sections)
        for (LPCSTR key : keys)
        {
            SCOPED_TRACE(CString(section) + " " + key);
            EXPECT_EQ(Lookup(plain, section, key, "dflt  "), Lookup(opened, section, key, "dflt  "));
            EXPECT_EQ(Lookup(plain, section, key, "dflt", 4), Lookup(opened, section, key, "dflt", 4));
            EXPECT_EQ(plain.GetInt(section, key, -5), opened.GetInt(section, key, -5));
        }

    // Files with only carriage returns, and Unicode files, read alike.
    CString crOnly = folder.Write("Cr.ini", "[WINDOW]\rX=7\r Y = 8 \r");
    CString utf8 = folder.Write("Utf8.ini", "\xEF\xBB\xBF[WINDOW]\r\nX=9\r\n");
    for (LPCSTR file : { (LPCSTR)crOnly, (LPCSTR)utf8 })
    {
        SCOPED_TRACE(file);
        plain.SetIniFile(file);
        opened.Open(file, nullptr);
        for (LPCSTR key : { "X", "Y" })
            EXPECT_EQ(plain.GetInt("WINDOW", key, -1), opened.GetInt("WINDOW", key, -1));
    }

    // Closed, the source reads the file as it is now.
    opened.Open(path, nullptr);
    EXPECT_EQ(12, opened.GetInt("WINDOW", "X", 0));
    opened.Close();
    folder.Write("Page.ini", "[WINDOW]\r\nX=13\r\n");
    EXPECT_EQ(13, opened.GetInt("WINDOW", "X", 0));
}

} // namespace
