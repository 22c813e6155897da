#include "player/PopupMenuDef.h"

#include "framework/Afx.h"
#include "player/PlayerApp.h"
#include "player/PlayerObjWndProgram.h"
#include "shared/menuobj/MButCreateStruct.h"

#include "PageWndRecorder.h"
#include "PlayerTestSupport.h"
#include "helpers/TestSupport.h"
#include "shared/menuobj/PopupMenuWatcher.h"

#include <gtest/gtest.h>

#include <vector>

using player_test::CPageWndRecorder;
using menuobj_testing::CPopupMenuWatcher;
using menuobj_testing::MenuEntries;
using Requests = player_test::RequestSummary;
using testing_support::ProgramStartRecorder;
using testing_support::TempFolder;

namespace {

// Shows the definition's menu and closes it once it is on the screen.
void Show(CPopupMenuWatcher& watcher, CPopupMenuDef& def, CMButCreateStruct* pStruct, BOOL bSameId = FALSE)
{
    watcher.Track([&] { def.Show(pStruct, bSameId); });
}

CStringArray& Texts(CStringArray& texts, std::initializer_list<LPCSTR> items)
{
    texts.RemoveAll();
    for (LPCSTR item : items)
        texts.Add(item);
    return texts;
}

TEST(PopupMenuDefTest, KeepsOnlyTheFirstItemAndForgetsEverythingOnClear)
{
    CPopupMenuDef def;
    EXPECT_EQ(-1, def.GetNumber());
    EXPECT_EQ(0, def.GetCount());

    CMButCreateStruct but;
    CWnd owner;
    def.Init(0, &but, &owner);
    EXPECT_EQ(0, def.GetNumber());
    EXPECT_EQ(&but, def.GetButtonStruct());
    EXPECT_EQ(&owner, def.GetOwner());

    CStringArray texts;
    def.SetItems(Texts(texts, { "TEXT=A:DOCUMENT=a.txt", "TEXT=B:DOCUMENT=b.txt" }));
    EXPECT_EQ(1, def.GetCount());
    EXPECT_EQ("TEXT=A:DOCUMENT=a.txt", def.GetItem());
    def.SetItems(Texts(texts, { "", "TEXT=B:DOCUMENT=b.txt" }));
    EXPECT_EQ(0, def.GetCount());
    EXPECT_EQ("", def.GetItem());
    def.SetItems(Texts(texts, {}));
    EXPECT_EQ(0, def.GetCount());

    def.SetItems(Texts(texts, { "TEXT=A:DOCUMENT=a.txt" }));
    def.Clear();
    EXPECT_EQ(-1, def.GetNumber());
    EXPECT_EQ(0, def.GetCount());
    EXPECT_EQ("", def.GetItem());
    EXPECT_EQ(nullptr, def.GetOwner());
    EXPECT_EQ(nullptr, def.GetButtonStruct());
}

// The menu opens just below the button, its caption its only entry; without a
// shown item or on a button that names no popup menu, no menu opens.
TEST(PopupMenuDefTest, ShowsTheCaptionJustBelowThePopupButton)
{
    CPopupMenuWatcher main;
    CPageWndRecorder page;
    CMButCreateStruct but;
    but.m_strDocument = "<POPUPMENU00>";
    but.m_rect = { 20, 30, 120, 56 };
    CPopupMenuDef def;
    def.Init(0, &but, &page);
    CStringArray texts;
    Show(main, def, &but);
    for (LPCSTR item : { "TEXT=Info", "TEXT=:DOCUMENT=a.txt", "Info:DOCUMENT=a.txt" })
    {
        def.SetItems(Texts(texts, { item }));
        Show(main, def, &but);
    }
    EXPECT_EQ(0, main.nPopups);

    def.SetItems(Texts(texts, { "TEXT=Liesmich:DOCUMENT=liesmich.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE" }));
    Show(main, def, nullptr);
    but.m_strDocument = "<LISTBOX>";
    Show(main, def, &but);
    EXPECT_EQ(0, main.nPopups);

    but.m_strDocument = "<POPUPMENU00>";
    Show(main, def, &but);
    EXPECT_EQ(1, main.nPopups);
    EXPECT_EQ((MenuEntries{ { 1224u, "Liesmich" } }), main.entries);
    CPoint pt(25, 56);
    page.ClientToScreen(&pt);
    EXPECT_EQ(pt, main.rcMenu.TopLeft());
    Show(main, def, &but, TRUE);
    EXPECT_EQ(2, main.nPopups);
}

// Runs the item on a recording page and returns what reached the starter.
class PopupMenuDefRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pPrevious = CObjWndProgram::Set(&m_program);
        GetPlayerApp()->m_settings.SetProjectFile(m_project.Write("Tarnix.ini", "[WINDOW]\r\nERROR=0\r\n"));
        m_page.Take();
    }
    void TearDown() override { CObjWndProgram::Set(m_pPrevious); }

    std::vector<AFX_PROGRAM_START> Run(LPCSTR item, int nIndex = 0)
    {
        ProgramStartRecorder starts;
        CPopupMenuDef def;
        def.Init(0, nullptr, &m_page);
        CStringArray texts;
        texts.Add(item);
        def.SetItems(texts);
        def.Run(nIndex, "c:\\projekt", nullptr);
        EXPECT_EQ("c:\\projekt", def.GetFolder());
        return starts.Starts();
    }

    player_test::AppStateScope m_app;
    testing_support::ScopedCurrentFolder m_current{ player_test::CurrentFolder() };
    CPlayerObjWndProgram m_program;
    CObjWndProgram* m_pPrevious = nullptr;
    TempFolder m_project;
    CPageWndRecorder m_page;
};

TEST_F(PopupMenuDefRun, ADocumentWithABlankStartsBelowTheProjectFolderInQuotes)
{
    std::vector<AFX_PROGRAM_START> starts
        = Run("TEXT=Readme:DOCUMENT=docs\\read me.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE");
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(AFX_PROGRAM_START::shellExecute, starts[0].kind);
    EXPECT_EQ("\"c:\\projekt\\docs\\read me.txt\"", starts[0].strFile);
    // The click reached the page first.
    EXPECT_EQ((Requests{ { WM_COMMAND, "114" } }), m_page.TakeSummary());

    // Only held items run.
    EXPECT_TRUE(Run("TEXT=A:DOCUMENT=a.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE", 1).empty());
    EXPECT_TRUE(Run("TEXT=A:DOCUMENT=a.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE", -1).empty());
    EXPECT_TRUE(m_page.Take().empty());
}

TEST_F(PopupMenuDefRun, ProgramsGetTheirPathsAndParametersTheirPlaceholders)
{
    CString strProjectFolder = m_project.Path();
    strProjectFolder.MakeLower();
    std::vector<AFX_PROGRAM_START> starts
        = Run("TEXT=Tool:DOCUMENT=:APPLICATION=.\\tools\\prog.exe:PARAMETER=_CURRENTDIR_\\a.txt:FUNCTION=KEINE");
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ(AFX_PROGRAM_START::winExec, starts[0].kind);
    EXPECT_EQ("c:\\projekt\\tools\\prog.exe " + strProjectFolder + "\\a.txt", starts[0].strParameters);
}

TEST_F(PopupMenuDefRun, PageVideoAndExitItemsBecomeRequestsToThePage)
{
    struct Case
    {
        LPCSTR item;
        UINT message;
        LPCSTR text;   // or the command's id
    } cases[] = {
        { "TEXT=Weiter:DOCUMENT=seite2.ini:APPLICATION=:PARAMETER=:FUNCTION=NEWPAGE", 0x6F, "c:\\projekt\\seite2.ini" },
        { "TEXT=Film:DOCUMENT=D:\\film.avi:APPLICATION=:PARAMETER=:FUNCTION=PLAYAVI", 0x6D, "D:\\film.avi" },
        { "TEXT=Ende:DOCUMENT=:APPLICATION=:PARAMETER=:FUNCTION=EXIT", WM_COMMAND, "108" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.item);
        EXPECT_TRUE(Run(c.item).empty());
        // The click command comes first, then the action's requests.
        const Requests requests = m_page.TakeSummary();
        ASSERT_LE(2u, requests.size());
        EXPECT_EQ((Requests{ { WM_COMMAND, "114" }, { c.message, c.text } }),
                  Requests(requests.begin(), requests.begin() + 2));
    }
}

TEST(PopupMenuDefPaths, RelativePathsGoBelowTheFolderWebAddressesAndDrivesStay)
{
    struct Case
    {
        LPCSTR path;
        LPCSTR expected;
    } cases[] = {
        { "liesmich.txt", "c:\\projekt\\liesmich.txt" },
        { ".\\liesmich.txt", "c:\\projekt\\liesmich.txt" },
        { "C:\\PROJEKT\\liesmich.txt", "C:\\PROJEKT\\liesmich.txt" },
        { "d:\\liesmich.txt", "d:\\liesmich.txt" },
        { "Http://example.org/seite.htm", "Http://example.org/seite.htm" },
        { "http://example.org/a b.htm", "\"http://example.org/a b.htm\"" },
        { "a b.txt", "\"c:\\projekt\\a b.txt\"" },
        { "\\\\server\\share\\setup.exe", "\\\\server\\share\\setup.exe" },
        { "\\\\server\\cd rom\\a.txt", "\"\\\\server\\cd rom\\a.txt\"" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(c.expected, CPopupMenuDef::MakeStartPath(c.path, "c:\\projekt"));
    }
    // Without a project folder nothing is put in front.
    EXPECT_EQ("liesmich.txt", CPopupMenuDef::MakeStartPath("liesmich.txt", ""));
}

} // namespace
