#include "shared/support/Starter.h"

#include "helpers/TestSupport.h"
#include "shared/support/Values.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using testing_support::MessageBoxRecorder;
using testing_support::ProgramFolder;
using testing_support::ReadFileText;
using testing_support::TempFolder;
using testing_values::Ints;
using testing_values::Texts;

// Records every start and answers ShellExecute and WinExec with results of
// the test's choice.
class ScriptedStarts
{
public:
    ScriptedStarts(INT_PTR nShellResult, INT_PTR nWinExecResult)
    {
        m_previous = AfxSetProgramStarter([this, nShellResult, nWinExecResult](const AFX_PROGRAM_START& start) {
            m_starts.push_back(start);
            return start.kind == AFX_PROGRAM_START::shellExecute ? nShellResult : nWinExecResult;
        });
    }
    ~ScriptedStarts() { AfxSetProgramStarter(m_previous); }
    ScriptedStarts(const ScriptedStarts&) = delete;
    ScriptedStarts& operator=(const ScriptedStarts&) = delete;

    const std::vector<AFX_PROGRAM_START>& Starts() const { return m_starts; }

private:
    AfxProgramStarter m_previous;
    std::vector<AFX_PROGRAM_START> m_starts;
};

struct Posted
{
    UINT nMessage;
    WPARAM wParam;
    CString strText;   // the text lParam points to (empty for a null lParam)
    LPARAM lParam;
};

// Runs with a window that receives the requests, in the current folder it
// found, which it puts back.
class StarterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_notify.CreateEx(0, nullptr, "Menu", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    }
    void TearDown() override { m_notify.DestroyWindow(); }

    static std::vector<Posted> TakePosted(HWND hWnd)
    {
        std::vector<Posted> posted;
        MSG msg;
        // The window is hidden, so it gets no paint request that would stay queued.
        while (posted.size() < 100 && PeekMessageA(&msg, hWnd, 0, 0, PM_REMOVE))
            posted.push_back({ msg.message, msg.wParam,
                               msg.lParam != 0 && msg.message != WM_COMMAND ? CString((LPCSTR)msg.lParam) : CString(),
                               msg.lParam });
        return posted;
    }
    std::vector<Posted> TakePosted() { return TakePosted(m_notify.m_hWnd); }

    static CString CurrentFolder()
    {
        char szFolder[MAX_PATH] = "";
        GetCurrentDirectoryA(MAX_PATH, szFolder);
        return szFolder;
    }

    testing_support::ScopedCurrentFolder m_keepFolder{ "." };
    CWnd m_notify;
};

TEST_F(StarterTest, OpensADocumentWithTheShellsOpenVerb)
{
    ScriptedStarts starts(42, 42);
    MessageBoxRecorder boxes;
    CStarter starter;
    EXPECT_EQ(-1, starter.ShellOpen("C:\\menu\\readme.txt", "", FALSE));
    ASSERT_EQ(1u, starts.Starts().size());
    const AFX_PROGRAM_START& start = starts.Starts()[0];
    EXPECT_EQ(GetDesktopWindow(), start.hWnd);
    EXPECT_EQ(Texts({ "open", "C:\\menu\\readme.txt", "", "" }),
              Texts({ start.strOperation, start.strFile, start.strParameters, start.strDirectory }));
    EXPECT_EQ((Ints{ AFX_PROGRAM_START::shellExecute, SW_SHOWNORMAL, -1 }),
              (Ints{ start.kind, start.nShowCmd, starter.GetOpenResult() }));
    EXPECT_TRUE(starter.GetOpenError().IsEmpty());
    EXPECT_EQ(0u, boxes.Count());
}

TEST_F(StarterTest, EachShellFailureHasItsTextAndBox)
{
    const struct
    {
        int nCode;
        const char* pszText;
    } cases[] = {
        { 0, "The operating system is out of memory or resources." },
        { 2, "  The specified file was not found." },
        { 3, "  The specified path was not found. " },
        { 5, "  The operating system denied access to the specified file.  " },
        { 8, "  There was not enough memory to complete the operation. " },
        { 11, "  The .exe file is invalid (non-Win32\xAE .exe or error in .exe image). " },
        { 26, "  A sharing violation occurred. " },
        { 27, "  The file name association is incomplete or invalid. " },
        { 28, "  The DDE transaction could not be completed because the request timed out. " },
        { 29, "  The DDE transaction failed." },
        { 30, "  The DDE transaction could not be completed because other DDE transactions were being "
              "processed. " },
        { 31, "  There is no application associated with the given file name extension. " },
        { 4, "" },
        { 32, "  The specified dynamic-link library was not found. " },
        { 33, nullptr },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nCode);
        ScriptedStarts starts(c.nCode, 42);
        MessageBoxRecorder boxes;
        CStarter starter;
        const int nResult = starter.ShellOpen("a.doc", "", FALSE);
        if (c.pszText == nullptr)
        {
            EXPECT_EQ(-1, nResult);
            EXPECT_EQ(0u, boxes.Count());
            continue;
        }
        EXPECT_EQ(c.nCode, nResult);
        EXPECT_EQ(c.nCode, starter.GetOpenResult());
        EXPECT_STREQ(c.pszText, starter.GetOpenError());
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_STREQ(c.pszText, boxes.Last().strText);
        EXPECT_EQ(UINT(MB_OK), boxes.Last().nType & 0xF);

        // Without error boxes the outcome is the same, and silent.
        MessageBoxRecorder silent;
        starter.SetShowErrors(FALSE);
        EXPECT_EQ(c.nCode, starter.ShellOpen("a.doc", "", FALSE));
        EXPECT_STREQ(c.pszText, starter.GetOpenError());
        EXPECT_EQ(0u, silent.Count());
    }
}

TEST_F(StarterTest, AFallbackProgramOpensWhatTheShellCannot)
{
    for (int nCode : { 31, 11, 27 })
    {
        SCOPED_TRACE(nCode);
        ScriptedStarts starts(nCode, 33);
        MessageBoxRecorder boxes;
        CStarter starter;
        EXPECT_EQ(-1, starter.ShellOpen("C:\\docs\\a.xyz", "C:\\tools\\viewer.exe", FALSE));
        ASSERT_EQ(2u, starts.Starts().size());
        EXPECT_EQ(AFX_PROGRAM_START::winExec, starts.Starts()[1].kind);
        EXPECT_STREQ("C:\\tools\\viewer.exe C:\\docs\\a.xyz", starts.Starts()[1].strParameters);
        EXPECT_EQ(-1, starter.GetOpenResult());
        EXPECT_TRUE(starter.GetOpenError().IsEmpty());
        EXPECT_EQ(0u, boxes.Count());
    }
    {
        // Other failures are not handed on.
        ScriptedStarts starts(2, 33);
        MessageBoxRecorder boxes;
        EXPECT_EQ(2, CStarter().ShellOpen("a.xyz", "viewer.exe", FALSE));
        EXPECT_EQ(1u, starts.Starts().size());
    }
    {
        // A failed fallback leaves the open failure, with both boxes.
        ScriptedStarts starts(31, 2);
        MessageBoxRecorder boxes;
        CStarter starter;
        EXPECT_EQ(31, starter.ShellOpen("a.xyz", "viewer.exe", FALSE));
        EXPECT_EQ(2, starter.GetProgramResult());
        ASSERT_EQ(2u, boxes.Count());
        EXPECT_STREQ("WinExec failed\nFile = viewer.exe a.xyz\nerror code = 2", boxes.Boxes()[0].strText);
        EXPECT_STREQ("  There is no application associated with the given file name extension. ",
                     boxes.Boxes()[1].strText);
    }
    // Without a fallback nothing is started, and the failure is not hidden.
    ScriptedStarts starts(31, 33);
    MessageBoxRecorder boxes;
    EXPECT_EQ(31, CStarter().ShellOpen("a.xyz", "", FALSE));
    EXPECT_EQ(1u, starts.Starts().size());
    EXPECT_EQ(1u, boxes.Count());
}

TEST_F(StarterTest, ProgramStartJoinsProgramAndParameterWithABlank)
{
    ScriptedStarts starts(42, 32);
    MessageBoxRecorder boxes;
    CStarter starter;
    EXPECT_EQ(-1, starter.WinExecProgram("C:\\menu\\setup.exe", "/q", FALSE));
    EXPECT_EQ(-1, starter.WinExecProgram("setup.exe", "", FALSE));
    EXPECT_EQ(-1, starter.WinExecProgram("", "/q", FALSE));
    ASSERT_EQ(2u, starts.Starts().size());
    EXPECT_STREQ("C:\\menu\\setup.exe /q", starts.Starts()[0].strParameters);
    EXPECT_EQ(SW_SHOW, starts.Starts()[0].nShowCmd);
    EXPECT_STREQ("setup.exe ", starts.Starts()[1].strParameters);
    EXPECT_TRUE(starter.GetProgramError().IsEmpty());
    EXPECT_EQ(0u, boxes.Count());
}

TEST_F(StarterTest, AFailedProgramStartKeepsCommandLineAndCode)
{
    ScriptedStarts starts(42, 31);
    MessageBoxRecorder boxes;
    CStarter starter;
    EXPECT_EQ(31, starter.WinExecProgram("setup.exe", "/q", FALSE));
    const char* pszText = "WinExec failed\nFile = setup.exe /q\nerror code = 31";
    EXPECT_STREQ(pszText, starter.GetProgramError());
    EXPECT_EQ(31, starter.GetProgramResult());
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_STREQ(pszText, boxes.Last().strText);

    starter.SetShowErrors(FALSE);
    EXPECT_EQ(31, starter.WinExecProgram("setup.exe", "/q", FALSE));
    EXPECT_EQ(1u, boxes.Count());
}

TEST_F(StarterTest, WorkingFolderIsTheFolderOfThePath)
{
    TempFolder folder;
    const CString strFolder = folder.Path();
    const CString strRoot = strFolder.Left(3);   // "C:\"
    const struct
    {
        CString strPath;
        CString strExpected;
    } cases[] = {
        { strFolder + "\\readme.txt", strFolder },
        { "\"" + strFolder + "\\readme.txt\"", strFolder },
        { strFolder.Left(2) + "\\setup.exe", strRoot },
        { "\"" + strFolder.Left(2) + "\\setup.exe\"", strRoot },
        // No folder, or one that does not exist: the folder stays.
        { "readme.txt", strFolder },
        { strFolder + "\\gone\\readme.txt", strFolder },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE((LPCSTR)c.strPath);
        SetCurrentDirectoryA(strFolder);
        CStarter::SetWorkingDir(c.strPath);
        EXPECT_EQ(0, CurrentFolder().CompareNoCase(c.strExpected));
    }
}

TEST_F(StarterTest, TheFlagSetsTheFolderOfDocumentAndProgram)
{
    TempFolder docs;
    TempFolder tools;
    ScriptedStarts starts(31, 33);
    CStarter starter;
    starter.SetShowErrors(FALSE);
    starter.ShellOpen(docs.File("a.xyz"), "", TRUE);
    EXPECT_EQ(0, CurrentFolder().CompareNoCase(docs.Path()));
    // The fallback program always starts in its own folder.
    starter.ShellOpen(docs.File("a.xyz"), tools.File("viewer.exe"), FALSE);
    EXPECT_EQ(0, CurrentFolder().CompareNoCase(tools.Path()));
    starter.WinExecProgram(tools.File("setup.exe"), "", FALSE);
    SetCurrentDirectoryA(docs.Path());
    starter.WinExecProgram(tools.File("setup.exe"), "", TRUE);
    EXPECT_EQ(0, CurrentFolder().CompareNoCase(tools.Path()));
}

TEST_F(StarterTest, NewPageAndVideoActionsBecomeRequests)
{
    ScriptedStarts starts(42, 42);
    CStarter starter;
    starter.SetNotifyWnd(&m_notify);
    CString strError = "untouched";
    EXPECT_EQ(-1, starter.Start("C:\\menu\\page2.ini", "app.exe", "", 1, strError, TRUE));
    EXPECT_EQ(-1, starter.Start("C:\\menu\\intro.avi", "app.exe", "", 3, strError, TRUE));
    EXPECT_TRUE(starts.Starts().empty());
    EXPECT_STREQ("untouched", strError);
    const std::vector<Posted> posted = TakePosted();
    ASSERT_EQ(2u, posted.size());
    // The two requests share the document buffer, which holds the last text.
    EXPECT_EQ(WM_STARTER_SHOWPAGE, posted[0].nMessage);
    EXPECT_EQ(WM_STARTER_PLAYVIDEO, posted[1].nMessage);
    EXPECT_EQ(0u, posted[0].wParam);
    EXPECT_EQ(posted[0].lParam, posted[1].lParam);
    EXPECT_STREQ("C:\\menu\\intro.avi", posted[1].strText);

    // A video action without document starts the application.
    EXPECT_EQ(-1, starter.Start("", "player.exe", "clip.avi", 3, strError, FALSE));
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_STREQ("player.exe clip.avi", starts.Starts()[0].strParameters);
    EXPECT_TRUE(TakePosted().empty());
}

TEST_F(StarterTest, ALongDocumentIsCutToTheBuffer)
{
    CStarter starter;
    starter.SetNotifyWnd(&m_notify);
    CString strError;
    const CString strLong('x', 400);
    starter.Start(strLong, "", "", 1, strError, FALSE);
    const std::vector<Posted> posted = TakePosted();
    ASSERT_EQ(1u, posted.size());
    EXPECT_EQ(STARTER_DOCUMENT_BUFFER - 1, posted[0].strText.GetLength());

    starter.PostPlaySound(CString('s', 400));
    const std::vector<Posted> sounds = TakePosted();
    ASSERT_EQ(2u, sounds.size());
    EXPECT_EQ(STARTER_SOUND_BUFFER - 1, sounds[1].strText.GetLength());
}

TEST_F(StarterTest, TheApplicationStartsOnlyWhenTheDocumentFails)
{
    {
        ScriptedStarts starts(42, 42);
        CStarter starter;
        CString strError;
        EXPECT_EQ(-1, starter.Start("a.txt", "edit.exe", "a.txt", 0, strError, FALSE));
        ASSERT_EQ(1u, starts.Starts().size());
        EXPECT_EQ(AFX_PROGRAM_START::shellExecute, starts.Starts()[0].kind);
    }
    ScriptedStarts starts(31, 42);
    MessageBoxRecorder boxes;
    CStarter starter;
    CString strError = "untouched";
    EXPECT_EQ(-1, starter.Start("a.xyz", "edit.exe", "b.txt", 0, strError, FALSE));
    ASSERT_EQ(2u, starts.Starts().size());
    EXPECT_STREQ("edit.exe b.txt", starts.Starts()[1].strParameters);
    EXPECT_STREQ("untouched", strError);
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_FALSE(starter.GetShowErrors());
}

TEST_F(StarterTest, AFailedActionIsDescribedWithoutABox)
{
    ScriptedStarts starts(31, 2);
    MessageBoxRecorder boxes;
    CStarter starter;
    CString strError;
    EXPECT_EQ(31, starter.Start("a.xyz", "", "p", 0, strError, FALSE));
    EXPECT_STREQ("F E H L E R   !\n\nDokument=a.xyz\nApplikation=\nParameter=p\n\n"
                 "  There is no application associated with the given file name extension. \n\n",
                 strError);
    EXPECT_EQ(2, starter.Start("a.xyz", "edit.exe", "p", 0, strError, FALSE));
    EXPECT_STREQ("F E H L E R   !\n\nDokument=a.xyz\nApplikation=edit.exe\nParameter=p\n\n"
                 "  There is no application associated with the given file name extension. \n"
                 "WinExec failed\nFile = edit.exe p\nerror code = 2\n",
                 strError);
    EXPECT_EQ(0u, boxes.Count());

    // Nothing to start at all is no failure.
    CStarter empty;
    strError = "untouched";
    EXPECT_EQ(-1, empty.Start("", "", "p", 0, strError, FALSE));
    EXPECT_EQ(-1, empty.Start("", "", "", 3, strError, FALSE));
    EXPECT_STREQ("untouched", strError);
}

TEST_F(StarterTest, AnExitActionOpensItsDocumentAndLeavesTheMenu)
{
    ScriptedStarts starts(42, 42);
    CStarter starter;
    starter.SetNotifyWnd(&m_notify);
    CString strError;
    EXPECT_EQ(-1, starter.Start("bye.txt", "", "", 4, strError, FALSE));
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_STREQ("bye.txt", starts.Starts()[0].strFile);
    std::vector<Posted> posted = TakePosted();
    ASSERT_EQ(1u, posted.size());
    EXPECT_EQ((Ints{ WM_COMMAND, ID_STARTER_EXIT }), (Ints{ int(posted[0].nMessage), int(posted[0].wParam) }));

    // A failure on the way out still leaves, and reports; with nothing to
    // start there is nothing to report.
    ScriptedStarts failing(2, 2);
    CStarter exit;
    exit.SetNotifyWnd(&m_notify);
    strError.Empty();
    EXPECT_EQ(-1, exit.Start("fehlt.txt", "", "", 4, strError, FALSE));
    EXPECT_FALSE(strError.IsEmpty());
    strError.Empty();
    EXPECT_EQ(-1, exit.Start("", "", "", 4, strError, FALSE));
    EXPECT_TRUE(strError.IsEmpty());
    posted = TakePosted();
    ASSERT_EQ(2u, posted.size());
    EXPECT_EQ(ID_STARTER_EXIT, posted[0].wParam);
    EXPECT_EQ(ID_STARTER_EXIT, posted[1].wParam);
}

TEST_F(StarterTest, WithoutNotifyWindowTheMainWindowIsAsked)
{
    CWinThread* pApp = AfxGetApp();
    CWnd* pOldMain = pApp->m_pMainWnd;
    CString strError;
    {
        pApp->m_pMainWnd = nullptr;
        CStarter starter;
        EXPECT_EQ(-1, starter.Start("", "", "", 4, strError, FALSE));
        EXPECT_EQ(-1, starter.Start("p.ini", "", "", 1, strError, FALSE));
        MSG msg;
        EXPECT_FALSE(PeekMessageA(&msg, (HWND)-1, 0, 0, PM_REMOVE));
    }
    pApp->m_pMainWnd = &m_notify;
    CStarter starter;
    starter.Start("", "", "", 4, strError, FALSE);
    starter.Start("p.ini", "", "", 1, strError, FALSE);
    starter.PostStopSound();
    pApp->m_pMainWnd = pOldMain;
    const std::vector<Posted> posted = TakePosted();
    ASSERT_EQ(3u, posted.size());
    EXPECT_EQ((Ints{ WM_COMMAND, ID_APP_EXIT, int(WM_STARTER_SHOWPAGE), int(WM_STARTER_CLOSESOUND) }),
              (Ints{ int(posted[0].nMessage), int(posted[0].wParam), int(posted[1].nMessage),
                     int(posted[2].nMessage) }));
}

TEST_F(StarterTest, SoundRequestsStopTheBackgroundFirst)
{
    CStarter starter;
    starter.SetNotifyWnd(&m_notify);
    starter.PostPlaySound("");
    EXPECT_TRUE(TakePosted().empty());
    starter.PostPlaySound("sound\\hello.wav");
    starter.PostStopSound();
    const std::vector<Posted> posted = TakePosted();
    ASSERT_EQ(3u, posted.size());
    EXPECT_EQ((std::vector<UINT>{ WM_STARTER_SOUND, WM_STARTER_SOUND, WM_STARTER_CLOSESOUND }),
              (std::vector<UINT>{ posted[0].nMessage, posted[1].nMessage, posted[2].nMessage }));
    EXPECT_NE(0, posted[0].lParam);
    EXPECT_EQ(0, posted[2].lParam);
    EXPECT_EQ(Texts({ "", "sound\\hello.wav" }), Texts({ posted[0].strText, posted[1].strText }));
}

// Runs the start with the helper program recording into the folder, and gives
// its record (command line, then folder) once it has written both lines.
CString EchoOf(const TempFolder& folder, const std::function<void(CStarter&)>& start)
{
    const CString strOut = folder.File("echo.out");
    SetEnvironmentVariableA("ECHOARGS_OUT", strOut);
    MessageBoxRecorder boxes;
    CStarter starter;
    start(starter);
    CString text;
    for (int i = 0; i < 100 && text.Find("\r\n", text.Find("\r\n") + 2) < 0; ++i)
    {
        Sleep(50);
        text = ReadFileText(strOut);
    }
    SetEnvironmentVariableA("ECHOARGS_OUT", nullptr);
    EXPECT_EQ(0u, boxes.Count());
    return text;
}

TEST_F(StarterTest, RealProgramsStartWithTheirParameterInTheirFolderAndOpenUnassociatedDocuments)
{
    TempFolder folder;
    CString text = EchoOf(folder, [](CStarter& starter) {
        EXPECT_EQ(-1, starter.WinExecProgram(ProgramFolder() + "\\EchoArgs.exe", "\"a b\" c", TRUE));
    });
    EXPECT_NE(-1, text.Find("EchoArgs.exe \"a b\" c\r\n"));
    EXPECT_NE(-1, text.Find("\r\n" + ProgramFolder() + "\r\n"));

    const CString strDocument = folder.Write("notes.tnxzq", CString("x"));
    ::DeleteFileA(folder.File("echo.out"));
    text = EchoOf(folder, [&](CStarter& starter) {
        EXPECT_EQ(-1, starter.ShellOpen(strDocument, ProgramFolder() + "\\EchoArgs.exe", FALSE));
    });
    EXPECT_NE(-1, text.Find(" " + strDocument + "\r\n"));
}

} // namespace
