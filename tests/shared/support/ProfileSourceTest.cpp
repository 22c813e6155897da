#include "shared/support/ProjectFiles.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

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

// Sections and keys match without case, values keep theirs; keys match whole
// in the first occurrence of their section; empty values are empty and values
// are cut; integers take the leading number.
TEST_F(WholeFileTest, LookupsOfSectionsKeysAndIntegers)
{
    const struct
    {
        LPCSTR section, key;
        int size;
        LPCSTR expected;
    } cases[] = {
        { "WINDOW", "TITLE", 256, "Mein Menü" },
        { "window", "title", 256, "Mein Menü" },
        { "TARNIXPRO", "language", 256, "e" },
        { "WINDOW", "MISSING", 256, "dflt" },
        { "NOSECTION", "TITLE", 256, "dflt" },
        { "WINDOW", "X", 256, "3" },                  // not the end of "IMAGE_X="
        { "WINDOW", "ONLYHERE", 256, "dflt" },        // a key of a later section
        { "BUTTON1", "TEXT", 256, "Erster" },         // the first of a repeated section
        { "LAST", "KEY", 256, "no line break" },
        { "WINDOW", "EMPTY", 256, "" },
        { "WINDOW", "TITLE", 5, "Mein" },
        { "WINDOW", "MISSING", 3, "df" },
        { "WINDOW", "TITLE", 1, "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.expected), Lookup(m_source, c.section, c.key, "dflt", c.size)) << c.section << " " << c.key;
    // No digits, none at all, or no key: 0 or the default.
    EXPECT_EQ((std::vector<int>{ 42, -7, 0, -3, 5 }),
              (std::vector<int>{ m_source.GetInt("WINDOW", "COUNT", 0), m_source.GetInt("WINDOW", "NEG", 0),
                                 m_source.GetInt("WINDOW", "TITLE", 9), m_source.GetInt("WINDOW", "MISSING", -3),
                                 m_source.GetInt("WINDOW", "EMPTY", 5) }));

    // Closing keeps the mode and the text.
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

TEST(ProfileSource, OversizedFileIsReadThroughTheProfileFunctions)
{
    TempFolder folder;
    CString text = Lines({ "[TARNIXPRO]", "LANGUAGE=E" });
    text += CString('x', (int)CProfileSource::kMaxWholeFileSize);
    CString path = folder.Write("Huge.ini", text);
    CProfileSource source;
    EXPECT_FALSE(source.OpenFile(path));
    EXPECT_EQ(CString("E"), Lookup(source, "TarnixPro", "LANGUAGE"));
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
    EXPECT_EQ(CString("3"), Lookup(files, "WINDOW", "X"));
}

// Both ways of the programs to read a project file from memory (the player's
// section cache and the editor's whole-file read) must answer every key as the
// profile functions answer it, whatever the file's line ends and odd corners.
TEST(ProjectFiles, MemoryReadersAnswerAsTheProfileFunctions)
{
    const std::string odd = std::string("BEFORE=1\r\n[TarnixPro]\r\nLANGUAGE=E\r\n \r\n[ SPACED ]\r\nX=4\r\n[BROKEN\r\nDUP\r\n"
                            "DUP=5\r\n;NOTE=6\r\n\tTABBED\t=\tzwei W\xC3\xB6rter\t\r\n \r\n[window]\r\n"
                            "  Title = Mein Men\xFC  \r\nX=12\r\nEMPTY=\r\nQUOTED=\"a b\"\r\nSINGLE='c'\r\nHALF=\"d\r\n"
                            "BLANKQ= \" q \" \r\nNEG=-42\r\nPLUS=+7\r\nHEX=0x1F\r\nWORD=abc\r\nTAIL=15px\r\n"
                            "SPACEY=  8\r\nx=99\r\nNOVALUE\r\n \r\n[WINDOW]\r\nLATE=1\r\n \r\n[EMPTYSECTION]\r\n \r\n");
    const struct
    {
        const char* name;
        std::string text;
    } files[] = {
        { "odd corners", odd },
        { "LF only", "[TarnixPro]\nLANGUAGE=E\n[BUTTON1]\nENABLE=1\nTEXT=Klang\nSTYLE=WINDOWS\n[WINDOW]\nX=3\n" },
        { "lone CR", "[TarnixPro]\rLANGUAGE=E\r[WINDOW]\rX=7\r Y = 8 \r" },
        { "CR mixed with LF", "[TarnixPro]\r\nLANGUAGE=E\r\n[BUTTON1]\rENABLE=1\rTEXT=Eins\r[BUTTON2]\rENABLE=1\r"
                              "TEXT=Zwei\n[WINDOW]\nX=5\r\rY=6\n\r\n" },
        { "CR CR LF", "[TarnixPro]\r\r\nLANGUAGE=F\r\r\n[WINDOW]\r\r\nX=9\r\r\nTITLE=a\r\r\n" },
        { "NUL in a value", std::string("[TarnixPro]\r\nLANGUAGE=E\r\n[WINDOW]\r\nTITLE=ab\0cd\r\nX=1\0" "2\r\n"
                                        "QUOTED=\"x\0y\"\r\n[BUTTON1]\r\nTEXT=z\r\n", 89) },
        { "NUL in a name", std::string("[TarnixPro]\r\nLANGUAGE=E\r\n[WIN\0DOW]\r\nX=1\r\n[WINDOW]\r\nTI\0TLE=t\r\nY=2\r\n",
                                       69) },
        { "no line end at the end", "[TarnixPro]\r\n[WINDOW]\r\nTITLE=last" },
        { "no-break spaces", "[TarnixPro]\r\nLANGUAGE=E\r\n[WINDOW]\r\nTITLE=\xA0" "a\xA0" "b\xA0\r\nX=\xA0" "5\r\n"
                             "\xA0Y=6\r\nWORD\xA0=7\r\nTAIL= \xA0\r\n\xA0[BUTTON1]\r\nTEXT=t\r\n[\xA0SPACED]\r\nX=3\r\n" },
        { "UTF-8", "\xEF\xBB\xBF[TarnixPro]\r\n[WINDOW]\r\nX=9\r\nTITLE=Gr\xC3\xBC\xC3\x9F" "e\r\n" },
    };
    const LPCSTR sections[] = { "WINDOW", "window", "TarnixPro", "EMPTYSECTION", "MISSING", "SPACED", " SPACED ",
                                "BUTTON1", "BUTTON2", "WIN" };
    const LPCSTR keys[] = { "TITLE", "title", "X", "Y", "EMPTY", "QUOTED", "SINGLE", "HALF", "BLANKQ", "NEG", "PLUS",
                            "HEX", "WORD", "TAIL", "SPACEY", "NOVALUE", "LATE", "LANGUAGE", "MISSING", "BEFORE",
                            "[BROKEN", "DUP", ";NOTE", "TABBED", " X ", "ENABLE", "TEXT", "STYLE", "TI" };
    TempFolder folder;
    for (const auto& file : files)
    {
        SCOPED_TRACE(file.name);
        CString path = folder.Write("Page.ini", file.text.data(), file.text.size());
        CProfileSource plain;
        plain.SetIniFile(path);
        CProjectFiles cached, whole;
        cached.Open(path, nullptr);
        whole.OpenWholeFileFirst(path);
        for (LPCSTR section : sections)
            for (LPCSTR key : keys)
            {
                SCOPED_TRACE(CString(section) + " " + key);
                for (CProfileSource* pSource : { (CProfileSource*)&cached, (CProfileSource*)&whole })
                {
                    EXPECT_EQ(Lookup(plain, section, key, "dflt  "), Lookup(*pSource, section, key, "dflt  "));
                    EXPECT_EQ(Lookup(plain, section, key, "dflt", 4), Lookup(*pSource, section, key, "dflt", 4));
                    EXPECT_EQ(plain.GetInt(section, key, -5), pSource->GetInt(section, key, -5));
                }
            }
    }
}

TEST(ProjectFiles, ClosedCacheReadsTheFileAsItIsNow)
{
    TempFolder folder;
    CString path = folder.Write("Page.ini", "[WINDOW]\r\nX=12\r\n");
    CProjectFiles opened;
    opened.Open(path, nullptr);
    EXPECT_EQ(12, opened.GetInt("WINDOW", "X", 0));
    opened.Close();
    folder.Write("Page.ini", "[WINDOW]\r\nX=13\r\n");
    EXPECT_EQ(13, opened.GetInt("WINDOW", "X", 0));
}

} // namespace
