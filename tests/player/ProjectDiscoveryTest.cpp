#include "player/ProjectDiscovery.h"

#include "shared/support/Language.h"
#include "shared/support/ProjectSettings.h"

#include "PlayerTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

using player_test::CurrentFolder;
using testing_support::TempFolder;

namespace {

// A program folder of the test's own; the current folder is put back afterwards.
class ProjectDiscoveryTest : public ::testing::Test
{
protected:
    void SetUp() override { GetCurrentDirectoryA(MAX_PATH, m_savedFolder); }
    void TearDown() override
    {
        SetCurrentDirectoryA(m_savedFolder);
        SetLanguageLetter('E');
    }

    CString AppFolder() const { return m_app.Path(); }
    void WriteAutorun(const CString& text) { m_app.Write("autorun.inf", text); }
    CString Select(const CString& cmdLineFile)
    {
        CString chosen = SelectProject(cmdLineFile, AppFolder(), m_settings);
        CString stored;
        m_settings.GetProjectFile(stored);
        EXPECT_EQ(chosen, stored);
        return chosen;
    }

    TempFolder m_app;
    CProjectSettings m_settings;
    char m_savedFolder[MAX_PATH] = "";
};

const char kEditorProject[] = "[Tarnix]\r\nINTERNET=x\r\nLANGUAGE=G\r\n \r\n";
const char kAutorun[] = "[autorun]\r\nopen=Tarnix.exe\r\nicon=Tarnix.ico\r\nparameter=Menu.INI\r\n";

TEST_F(ProjectDiscoveryTest, CommandLineNames)
{
    struct Case
    {
        LPCSTR name;
        LPCSTR expectedInApp;    // relative to the program folder
        LPCSTR expected;         // or taken as is
    } cases[] = {
        { "D:\\proj\\Start.INI", nullptr, "D:\\proj\\Start.INI" },
        { "Start.ini", "\\Start.ini", nullptr },
        // A folder whose name holds ".ini" does not end the name.
        { "D:\\a.ini.d\\Start.ini", nullptr, "D:\\a.ini.d\\Start.ini" },
        // Anything but ".ini" is no project: the default one is used.
        { "start.txt", "\\Velconf.ini", nullptr },
        { "D:\\proj\\Start.ini.bak", "\\Velconf.ini", nullptr },
        { "ini", "\\Velconf.ini", nullptr },
    };
    m_app.Write("start.txt", "[Tarnix]\r\nsomething long enough\r\n");
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected ? CString(c.expected) : AppFolder() + c.expectedInApp, Select(c.name));
    }
}

// autorun.inf may name the project in the program folder; a name on the
// command line wins over it. Only the default project changes the current folder.
TEST_F(ProjectDiscoveryTest, AutorunNamesAProjectAndOnlyTheDefaultChangesTheCurrentFolder)
{
    TempFolder elsewhere;
    ASSERT_TRUE(SetCurrentDirectoryA(elsewhere.Path()));
    Select("C:\\proj\\Start.ini");
    EXPECT_EQ(0, CurrentFolder().CompareNoCase(elsewhere.Path()));

    WriteAutorun(kAutorun);
    m_app.Write("menu.ini", kEditorProject);
    EXPECT_EQ(AppFolder() + "\\menu.ini", Select(""));
    EXPECT_EQ(0, CurrentFolder().CompareNoCase(elsewhere.Path()));
    EXPECT_EQ(AppFolder() + "\\Other.ini", Select("Other.ini"));

    ASSERT_TRUE(DeleteFileA(m_app.File("autorun.inf")));
    EXPECT_EQ(AppFolder() + "\\Velconf.ini", Select(""));
    EXPECT_EQ(0, CurrentFolder().CompareNoCase(AppFolder()));
}

TEST_F(ProjectDiscoveryTest, AutorunFileMustBeLongEnoughAndOpenTheSection)
{
    m_app.Write("menu.ini", kEditorProject);
    struct Case
    {
        CString autorun;
        bool used;
    } cases[] = {
        // 34 bytes are too few, 35 are enough.
        { "[autorun]\r\nparameter=menu.ini\r\n---", false },
        { "[autorun]\r\nparameter=menu.ini\r\n----", true },
        // At most two characters before the section, besides a UTF-8 byte-order mark.
        { "\xEF\xBB[autorun]\r\nopen=Tarnix.exe\r\nparameter=menu.ini\r\n", true },
        { "\xEF\xBB\xBF[autorun]\r\nopen=Tarnix.exe\r\nparameter=menu.ini\r\n", true },
        { "\xEF\xBB\xBF\r\n[autorun]\r\nopen=Tarnix.exe\r\nparameter=menu.ini\r\n", true },
        { "\xEF\xBB\xBF \r\n[autorun]\r\nopen=Tarnix.exe\r\nparameter=menu.ini\r\n", false },
        { "\r\n\r\n[autorun]\r\nopen=Tarnix.exe\r\nparameter=menu.ini\r\n", false },
        { "[AUTORUN]\r\nOpen=Tarnix.exe\r\nPARAMETER=MENU.INI\r\n", true },
        { "[autorun]\r\nopen=Tarnix.exe\r\nicon=Tarnix.ico\r\n", false },
        { "[autorun]\r\nopen=Tarnix.exe\r\nparameter=\r\n\r\n", false },
        { "[autorun]\r\nopen=Tarnix.exe\r\nparameter=menu.txt\r\n", false },
        { "[autorun]\r\nopen=Tarnix.exe\r\nparameter=.ini\r\n", false },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.autorun);
        WriteAutorun(c.autorun);
        EXPECT_EQ(AppFolder() + (c.used ? "\\menu.ini" : "\\Velconf.ini"), Select(""));
    }
}

TEST_F(ProjectDiscoveryTest, AutorunCandidateMustExistAndLookLikeAProject)
{
    WriteAutorun(kAutorun);
    struct Case
    {
        CString content;
        bool used;
    } cases[] = {
        { kEditorProject, true },
        { "[TarnixPro]\r\nLANGUAGE=E\r\n", true },
        { "\xEF\xBB\xBF[Tarnix]\r\nLANGUAGE=E\r\n", true },
        { "  \r\n[TARNIX]\r\nLANGUAGE=E\r\n", true },
        // 20 bytes are too few even for a project head, 21 are enough.
        { "[Tarnix]\r\nLANG=G\r\n  ", false },
        { "[Tarnix]\r\nLANG=G\r\n   ", true },
        { "[autorun]\r\nopen=Tarnix.exe\r\n", false },
        { "This is no project file at all.", false },
    };
    Select("");
    EXPECT_EQ(AppFolder() + "\\Velconf.ini", Select(""));   // no menu.ini yet
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.content);
        m_app.Write("menu.ini", c.content);
        EXPECT_EQ(AppFolder() + (c.used ? "\\menu.ini" : "\\Velconf.ini"), Select(""));
    }
}

TEST(ProjectDiscovery, HeadTest)
{
    EXPECT_TRUE(HasProjectHead("[Tarnix]", 8));
    EXPECT_TRUE(HasProjectHead("\t [tarnixpro]", 13));
    EXPECT_FALSE(HasProjectHead("[Tarni", 6));
    EXPECT_FALSE(HasProjectHead("x[Tarnix]", 9));
    EXPECT_FALSE(HasProjectHead("", 0));
}

TEST_F(ProjectDiscoveryTest, LanguageComesFromTheProjectsTarnixProSection)
{
    struct Case
    {
        LPCSTR project;
        char letter;
    } cases[] = {
        { "[TarnixPro]\r\nLANGUAGE=E\r\n", 'E' },
        { "[TarnixPro]\r\nLANGUAGE=French\r\n", 'F' },
        { "[TarnixPro]\r\nLANGUAGE=e\r\n", 'G' },
        { "[TarnixPro]\r\nLANGUAGE=\r\n", 'G' },
        // The editor's own section does not count.
        { "[Tarnix]\r\nLANGUAGE=E\r\n", 'G' },
        { nullptr, 'G' },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.project ? c.project : "no project file");
        TempFolder app;
        if (c.project)
            app.Write("Velconf.ini", c.project);
        SetLanguageLetter('E');
        CProjectSettings settings;
        SelectProject("", app.Path(), settings);
        ReadInterfaceLanguage(settings, nullptr);
        EXPECT_EQ(c.letter, GetLanguageLetter());
        SetCurrentDirectoryA(m_savedFolder);
    }
}

} // namespace
