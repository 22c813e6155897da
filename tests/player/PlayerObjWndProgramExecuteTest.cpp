// What a clicked player button does, seen from the page window it reports to.
#include "player/PlayerObjWndProgram.h"

#include "framework/Afx.h"
#include "player/MessageDlg.h"
#include "player/PlayerApp.h"
#include "player/TarnixDoc.h"
#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/ButWin.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/support/ProjectSettings.h"

#include "PageWndRecorder.h"
#include "PlayerTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using player_test::CPageWndRecorder;
using player_test::CurrentFolder;
using player_test::PageRequest;
using Requests = player_test::RequestSummary;
using testing_support::MessageBoxRecorder;
using testing_support::ProgramStartRecorder;
using testing_support::TempFolder;
using testing_support::TestDataPath;

namespace {

class CTestButton : public CButWin
{
public:
    void Disable() { m_bEnabled = 0; }
};

// One button on a recording page, the player's execution installed, the
// program folder and the project in a folder of the test's own.
class PlayerButtonExecuteTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pPrevious = CObjWndProgram::Set(&m_program);
        GetPlayerApp()->m_strAppFolder = m_programFolder.Path();
        UseProject("[WINDOW]\r\nERROR=0\r\n");
        ASSERT_TRUE(m_button.CreateButton("", WS_CHILD, CRect(10, 10, 90, 40), &m_page, 5003));
        m_button.SetCreateStruct(&m_but);
        m_page.Take();
    }
    void TearDown() override { CObjWndProgram::Set(m_pPrevious); }

    void UseProject(LPCSTR text)
    {
        CString name;
        name.Format("Page%d.ini", ++m_nProjects);
        GetPlayerApp()->m_settings.SetProjectFile(m_projectFolder.Write(name, text));
    }
    void Action(int nAction, LPCSTR document = "", LPCSTR application = "", LPCSTR parameter = "")
    {
        m_but.m_nAction = nAction;
        m_but.m_strDocument = document;
        m_but.m_strApplication = application;
        m_but.m_strParameter = parameter;
    }
    // The message dialog's text and title, the dialog ended at once; empty
    // when no dialog ran.
    std::vector<CString> ExecuteWatchingDialogs()
    {
        std::vector<CString> shown;
        CDialog::ModalHook previous = CDialog::SetModalHook([&shown](CDialog* pDialog) {
            CMessageDlg* pDlg = dynamic_cast<CMessageDlg*>(pDialog);
            if (pDlg != nullptr)
            {
                shown.push_back(pDlg->m_strText);
                shown.push_back(pDlg->m_strTitle);
            }
            pDialog->EndDialog(IDOK);
        });
        m_button.Execute();
        CDialog::SetModalHook(previous);
        return shown;
    }

    player_test::AppStateScope m_app;
    testing_support::ScopedCurrentFolder m_current{ CurrentFolder() };
    CPlayerObjWndProgram m_program;
    CObjWndProgram* m_pPrevious = nullptr;
    TempFolder m_programFolder;
    TempFolder m_projectFolder;
    int m_nProjects = 0;
    CPageWndRecorder m_page;
    CMButCreateStruct m_but;
    CTestButton m_button;
    MessageBoxRecorder m_boxes;
};

// A press and release at the point of the button, queued as the mouse queues them.
void PostClick(CWnd& button, int x, int y)
{
    button.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    button.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

TEST_F(PlayerButtonExecuteTest, MessageButtonShowsItsTextOrQuestionMarksUnderItsTitleOrMessage)
{
    ProgramStartRecorder starts;
    // The editor stores the text as the document; a parameter goes first.
    Action(ACTION_MESSAGE, "Willkommen auf der CD");
    EXPECT_EQ((std::vector<CString>{ "Willkommen auf der CD", "Message" }), ExecuteWatchingDialogs());
    Action(ACTION_MESSAGE, "Dokument", "", "Parameter");
    EXPECT_EQ((std::vector<CString>{ "Parameter", "Message" }), ExecuteWatchingDialogs());
    Action(ACTION_MESSAGE);
    EXPECT_EQ((std::vector<CString>{ "???", "Message" }), ExecuteWatchingDialogs());

    Action(ACTION_MESSAGE, "", "Hinweis", "Erste Zeile<BR>Zweite");
    EXPECT_EQ((std::vector<CString>{ "Erste Zeile<BR>Zweite", "Hinweis" }), ExecuteWatchingDialogs());

    // A message starts nothing and asks nothing of the page without sounds.
    EXPECT_TRUE(starts.Starts().empty());
    EXPECT_TRUE(m_page.Take().empty());
}

TEST_F(PlayerButtonExecuteTest, DemoProjectsMessageButtonShowsItsText)
{
    CProjectSettings settings;
    settings.SetProjectFile(TestDataPath("..\\..\\examples\\demo\\Velconf.ini"));
    std::unique_ptr<CTarnixDoc> pDoc(static_cast<CTarnixDoc*>(RUNTIME_CLASS(CTarnixDoc)->CreateObject()));
    pDoc->LoadPage(&settings, CWnd::GetDesktopWindow());
    CMButCreateStruct* pMessage = nullptr;
    for (int i = 0; i < pDoc->m_buttons.GetSize(); ++i)
    {
        CMButCreateStruct* pStruct = static_cast<CMButCreateStruct*>(pDoc->m_buttons[i]);
        if (pStruct->m_nAction == ACTION_MESSAGE)
            pMessage = pStruct;
    }
    ASSERT_NE(nullptr, pMessage);
    m_button.SetCreateStruct(pMessage);
    EXPECT_EQ((std::vector<CString>{ "Tarnix Demo<BR>Ein Menü für CDs.", "Message" }), ExecuteWatchingDialogs());
    m_button.SetCreateStruct(&m_but);
}

TEST_F(PlayerButtonExecuteTest, ADoubleClickRunsTheActionOnce)
{
    ProgramStartRecorder starts;
    Action(ACTION_NONE, "setup.exe");
    PostClick(m_button, 5, 5);
    ::Sleep(20);
    PostClick(m_button, 6, 5);
    m_page.Take();
    EXPECT_EQ(1u, starts.Starts().size());

    // The first click changed the page: the second lands on the new page's
    // button at that spot and runs nothing either.
    CTestButton next;
    ASSERT_TRUE(next.CreateButton("", WS_CHILD, CRect(10, 10, 90, 40), &m_page, 5004));
    next.SetCreateStruct(&m_but);
    PostClick(m_button, 30, 20);
    ::Sleep(20);
    PostClick(next, 30, 20);
    m_page.Take();
    EXPECT_EQ(2u, starts.Starts().size());

    // A click elsewhere is a click of its own.
    ::Sleep(20);
    PostClick(next, 60, 5);
    m_page.Take();
    EXPECT_EQ(3u, starts.Starts().size());
}

TEST_F(PlayerButtonExecuteTest, SoundFlagsStopTheBackgroundAndPlayTheButtonsFile)
{
    ProgramStartRecorder starts;
    Action(ACTION_MESSAGE);
    m_but.m_bStopSound = 1;
    m_but.m_bStartSound = 1;
    m_but.m_strSoundFile = "klick.wav";
    ExecuteWatchingDialogs();
    EXPECT_EQ((Requests{ { 0x7A, "" }, { 0x6E, "" }, { 0x6E, "klick.wav" } }), m_page.TakeSummary());

    // The same after a start; an empty sound file plays nothing.
    Action(ACTION_NONE, "liesmich.txt");
    m_button.Execute();
    EXPECT_EQ(3u, m_page.Take().size());
    m_but.m_strSoundFile.Empty();
    m_button.Execute();
    EXPECT_EQ((Requests{ { 0x7A, "" } }), m_page.TakeSummary());
}

TEST_F(PlayerButtonExecuteTest, ListBoxAndPopupDocumentsGoBackToThePageAndNeverToTheStarter)
{
    ProgramStartRecorder starts;
    struct Case
    {
        LPCSTR document;
        UINT message;
    } cases[] = {
        { "<LISTBOX>", WM_USER + 104 },
        { "<POPUPMENU00>", 0x77 },
        { "<POPUPMENU", 0x77 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.document);
        Action(ACTION_NEWPAGE, c.document, "prog.exe");
        m_button.Execute();
        std::vector<PageRequest> requests = m_page.Take();
        ASSERT_EQ(1u, requests.size());
        EXPECT_EQ(c.message, requests[0].message);
        EXPECT_EQ(5003u, requests[0].wParam);
        EXPECT_EQ((LPARAM)&m_but, requests[0].lParam);
    }
    EXPECT_TRUE(starts.Starts().empty());

    // Only at the start of the document.
    Action(ACTION_NONE, " <LISTBOX>");
    m_button.Execute();
    EXPECT_EQ(1u, starts.Starts().size());
}

TEST_F(PlayerButtonExecuteTest, ActionsStartFromTheProgramFolderThroughTheStarter)
{
    ProgramStartRecorder starts;
    ::SetCurrentDirectoryA(m_projectFolder.Path());
    Action(ACTION_NONE, "docs\\liesmich.txt", "notepad.exe", "x");
    m_button.Execute();
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_EQ(AFX_PROGRAM_START::shellExecute, starts.Starts()[0].kind);
    EXPECT_EQ("docs\\liesmich.txt", starts.Starts()[0].strFile);
    EXPECT_EQ(0, CurrentFolder().CompareNoCase(m_programFolder.Path()));

    // Page and video share the starter's request buffer: each is taken at once.
    Action(ACTION_NEWPAGE, "seite2.ini");
    m_button.Execute();
    EXPECT_EQ((Requests{ { 0x6F, "seite2.ini" } }), m_page.TakeSummary());
    Action(ACTION_PLAYAVI, "film.avi");
    m_button.Execute();
    EXPECT_EQ((Requests{ { 0x6D, "film.avi" } }), m_page.TakeSummary());
    EXPECT_EQ(1u, starts.Starts().size());
}

// The player's buttons click with their own command and show its hand cursor.
TEST_F(PlayerButtonExecuteTest, ClickTellsThePageBeforeTheActionRuns)
{
    EXPECT_NE(nullptr, m_program.LoadHandCursor());
    ProgramStartRecorder starts;
    Action(ACTION_NEWPAGE, "seite2.ini");
    m_button.OnBnClicked();
    EXPECT_EQ((Requests{ { WM_COMMAND, "114" }, { 0x6F, "seite2.ini" } }), m_page.TakeSummary());
}

TEST_F(PlayerButtonExecuteTest, ExitClosesTheMenuEvenWithNothingToStart)
{
    ProgramStartRecorder starts;
    UseProject("[WINDOW]\r\nERROR=1\r\n");
    Action(ACTION_EXIT);
    m_button.Execute();
    const Requests requests = m_page.TakeSummary();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(Requests(requests.size(), { WM_COMMAND, "108" }), requests);
    EXPECT_TRUE(starts.Starts().empty());
    EXPECT_EQ(0u, m_boxes.Count());

    // A document is opened on the way out.
    Action(ACTION_EXIT, "tschuess.txt");
    m_button.Execute();
    EXPECT_EQ(1u, starts.Starts().size());
    const Requests onTheWayOut = m_page.TakeSummary();
    ASSERT_FALSE(onTheWayOut.empty());
    EXPECT_EQ(Requests::value_type(WM_COMMAND, "108"), onTheWayOut.back());
}

TEST_F(PlayerButtonExecuteTest, StartFailuresAreShownOnlyWhenThePageAsksForErrors)
{
    ProgramStartRecorder starts(2);   // the file is not found
    Action(ACTION_NONE, "fehlt.txt");
    m_button.Execute();
    EXPECT_EQ(0u, m_boxes.Count());

    UseProject("[WINDOW]\r\nERROR=1\r\n");
    m_button.Execute();
    ASSERT_EQ(1u, m_boxes.Count());
    EXPECT_EQ(0, m_boxes.Last().strText.Find("F E H L E R"));
    EXPECT_GE(m_boxes.Last().strText.Find("Dokument=fehlt.txt"), 0);
    EXPECT_GE(m_boxes.Last().strText.Find("The specified file was not found."), 0);

    // Buttons that start nothing have nothing to report: one without a
    // function, and a sound button (as a PLAYSOUND button is read).
    Action(ACTION_NONE);
    m_button.Execute();
    m_but.m_bStopSound = m_but.m_bStartSound = 1;
    m_but.m_strSoundFile = "klick.wav";
    m_button.Execute();
    EXPECT_EQ(1u, m_boxes.Count());
    EXPECT_EQ(2u, starts.Starts().size());
}

TEST_F(PlayerButtonExecuteTest, DisabledButtonsDesignModeAndButtonsWithoutPageDoNothing)
{
    ProgramStartRecorder starts;
    Action(ACTION_EXIT, "liesmich.txt");
    m_but.m_bStopSound = 1;
    m_button.SetEditMode(TRUE);
    m_button.Execute();
    m_button.SetEditMode(FALSE);
    m_button.Disable();
    EXPECT_TRUE(ExecuteWatchingDialogs().empty());
    Action(ACTION_MESSAGE);
    EXPECT_TRUE(ExecuteWatchingDialogs().empty());

    // A button without a page window skips the page's requests.
    CMButCreateStruct but;
    but.m_strDocument = "<LISTBOX>";
    CTestButton button;
    button.SetCreateStruct(&but);
    button.Execute();
    EXPECT_TRUE(starts.Starts().empty());
    EXPECT_TRUE(m_page.Take().empty());
}

} // namespace
