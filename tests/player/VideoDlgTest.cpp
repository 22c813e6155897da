#include "player/VideoDlg.h"

#include "helpers/TestSupport.h"
#include "shared/menuobj/AviTestFiles.h"
#include "shared/support/Language.h"
#include "shared/support/LanguageScope.h"

#include "MciScript.h"
#include "PlayerTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

using testing_support::MciScript;
using testing_support::MessageBoxRecorder;
using testing_support::PumpPendingMessages;
using testing_support::TempFolder;

using player_test::ChildRect;
using player_test::TestWindow;
using support_testing::LanguageScope;

namespace {

const int kStillRunning = 4711;

// Runs the dialog: shows it as the modal loop would, lets the messages it
// posts itself run, hands it to `whileShown` when it is still running, and
// ends it with kStillRunning when nothing else did.
INT_PTR RunVideo(CVideoDlg& dlg, const std::function<void(CVideoDlg*)>& whileShown = nullptr)
{
    CDialog::ModalHook previous = CDialog::SetModalHook([&whileShown](CDialog* pDialog) {
        CVideoDlg* pDlg = static_cast<CVideoDlg*>(pDialog);
        pDlg->ShowWindow(SW_SHOW);
        PumpPendingMessages();
        if (pDlg->ContinueModal() && whileShown)
            whileShown(pDlg);
        if (pDlg->ContinueModal())
            pDlg->EndDialog(kStillRunning);
    });
    INT_PTR nResult = dlg.DoModal();
    CDialog::SetModalHook(previous);
    return nResult;
}

CString ButtonText(CVideoDlg* pDlg)
{
    CString text;
    pDlg->GetDlgItemText(IDOK, text);
    return text;
}

size_t IndexOf(const std::vector<CString>& commands, LPCSTR lpszPrefix)
{
    for (size_t i = 0; i < commands.size(); ++i)
        if (commands[i].Find(lpszPrefix) == 0)
            return i;
    return commands.size();
}

TEST(VideoDlgLayout, DialogTakesTheReferenceWhenTheVideoFits)
{
    const CRect reference(50, 60, 650, 460);
    const CRect mainWindow(0, 0, 1000, 800);
    struct Case
    {
        LPCSTR name;
        CSize video;
        const CRect* pMain;
        CRect expected;
    } cases[] = {
        { "smaller", CSize(160, 120), &mainWindow, reference },
        // The margins are allowed to overlap the video by up to 20 and 50 pixels.
        { "at the limit", CSize(620, 450), &mainWindow, reference },
        { "100 wider, centred by the main window", CSize(700, 120), &mainWindow,
          CRect(CPoint((1000 - 720) / 2, (800 - 170) / 2), CSize(720, 170)) },
        { "51 higher", CSize(160, 451), &mainWindow, CRect(CPoint((1000 - 180) / 2, (800 - 501) / 2), CSize(180, 501)) },
        { "100 wider, no main window", CSize(700, 120), nullptr, CRect(0, 0, 720, 170) },
        { "main window smaller", CSize(1000, 120), &mainWindow, CRect(0, 0, 1020, 170) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, CVideoDlg::DialogRectFor(reference, c.video, c.pMain));
    }
}

TEST(VideoDlgLayout, VideoCentredAboveTheButtonBand)
{
    EXPECT_EQ(CPoint(220, 125), CVideoDlg::VideoPosFor(CSize(600, 400), CSize(160, 120)));
    EXPECT_EQ(CPoint(10, 10), CVideoDlg::VideoPosFor(CSize(340, 290), CSize(320, 240)));
    EXPECT_EQ(CRect(270, 370, 330, 396), CVideoDlg::ButtonRectFor(CSize(600, 400)));
}

class VideoDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_strFile = m_folder.Write("Mein Film.avi", "RIFF");
        m_mci.MakeMovieWindow();
        m_mci.Reply("where mov source", "0 0 160 120");
    }

    TempFolder m_folder;
    CString m_strFile;
    MciScript m_mci;
    MessageBoxRecorder m_boxes;
};

TEST_F(VideoDlgTest, CheckFileReportsAMissingFileInTheInterfaceLanguageAndFindsAQuotedOne)
{
    struct Case
    {
        char chLanguage;
        LPCSTR text;
    } cases[] = {
        { 'E', "Error\n\nCould not find file:\n%s\n\n" },
        { 'G', "Fehler:\n\nDie angegebene Datei kann nicht geöffnet werden:\n%s\n\n" },
    };
    const CString strMissing = m_folder.File("fehlt.avi");
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.chLanguage);
        LanguageScope language(c.chLanguage);
        MessageBoxRecorder boxes;
        CVideoDlg dlg;
        dlg.m_strVideoFile = strMissing;
        EXPECT_EQ(0, dlg.CheckFile());
        ASSERT_EQ(1u, boxes.Count());
        CString expected;
        expected.Format(c.text, (LPCSTR)strMissing);
        EXPECT_EQ(expected, boxes.Last().strText);
    }

    MessageBoxRecorder boxes;
    CVideoDlg quiet;
    quiet.m_bShowErrors = FALSE;
    quiet.m_strVideoFile = strMissing;
    EXPECT_EQ(0, quiet.CheckFile());
    CVideoDlg unnamed;
    EXPECT_EQ(0, unnamed.CheckFile());
    EXPECT_EQ(0u, boxes.Count());

    // A quoted path is found, and once found it is remembered.
    CVideoDlg dlg;
    dlg.m_strVideoFile = "\"" + m_strFile + "\"";
    EXPECT_NE(0, dlg.CheckFile());
    ASSERT_TRUE(::DeleteFileA(m_strFile));
    EXPECT_NE(0, dlg.CheckFile());
    EXPECT_EQ(0u, boxes.Count());
}

TEST_F(VideoDlgTest, EnsureDeviceOpensTheDeviceOnceAndWithoutItTheDialogEnds)
{
    CVideoDlg dlg;
    EXPECT_NE(0, dlg.EnsureDevice());
    EXPECT_NE(0, dlg.EnsureDevice());
    std::vector<CString> expected = { "open avivideo" };
    EXPECT_EQ(expected, m_mci.Commands());

    // Without the device the dialog ends at once, each failure reported.
    MciScript failing;
    failing.Fail("open avivideo", MCIERR_INVALID_DEVICE_NAME);
    CVideoDlg failed;
    EXPECT_EQ(0, failed.EnsureDevice());
    EXPECT_EQ(1u, m_boxes.Count());
    failed.m_strVideoFile = m_strFile;
    EXPECT_EQ(IDCANCEL, RunVideo(failed));
    expected.push_back("open avivideo");
    EXPECT_EQ(expected, failing.Commands());
    EXPECT_EQ(2u, m_boxes.Count());
}

TEST_F(VideoDlgTest, SmallVideoPlaysCentredInTheReferenceWindow)
{
    TestWindow reference(CRect(50, 60, 650, 460));
    CVideoDlg dlg;
    dlg.m_pReferenceWnd = &reference.m_wnd;
    dlg.m_strVideoFile = m_strFile;
    ASSERT_NE(0, dlg.CheckFile());
    ASSERT_NE(0, dlg.EnsureDevice());

    CRect window, client, movie, button;
    CString textBefore, textAfter, textOtherCode;
    HWND hDlg = nullptr;
    INT_PTR nResult = RunVideo(dlg, [&](CVideoDlg* pDlg) {
        hDlg = pDlg->m_hWnd;
        pDlg->GetWindowRect(&window);
        pDlg->GetClientRect(&client);
        movie = ChildRect(m_mci.MovieWnd());
        button = ChildRect(::GetDlgItem(hDlg, IDOK));
        textBefore = ButtonText(pDlg);
        pDlg->SendMessage(MM_MCINOTIFY, MCI_NOTIFY_ABORTED, 1);
        textOtherCode = ButtonText(pDlg);
        pDlg->SendMessage(MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 1);
        PumpPendingMessages();
        textAfter = ButtonText(pDlg);
        // Without auto close the last frame stays until the button is pressed.
        if (pDlg->ContinueModal())
            pDlg->SendMessage(WM_COMMAND, IDOK);
    });

    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(CRect(50, 60, 650, 460), window);
    const CPoint videoPos = CVideoDlg::VideoPosFor(client.Size(), CSize(160, 120));
    EXPECT_EQ(CRect(videoPos, CSize(160, 120)), movie);
    EXPECT_EQ(CVideoDlg::ButtonRectFor(client.Size()), button);
    EXPECT_EQ(CString("Stop"), textBefore);
    EXPECT_EQ(CString("Stop"), textOtherCode);
    EXPECT_EQ(CString("Close"), textAfter);
    EXPECT_EQ(0u, m_boxes.Count());

    // Opened in the dialog, paused when shown, played from the start with the
    // dialog as notify window, closed with its device by the button.
    const std::vector<CString> commands = m_mci.Commands();
    CString strOpen;
    strOpen.Format("open \"%s\" alias mov style child parent %ld", (LPCSTR)m_strFile, HandleToLong(hDlg));
    const auto open = std::find(commands.begin(), commands.end(), strOpen);
    ASSERT_NE(commands.end(), open);
    const std::vector<CString> expected = { "pause mov", "seek mov to start", "play mov notify", "close mov",
                                            "close avivideo" };
    EXPECT_EQ(expected, std::vector<CString>(std::find(open, commands.end(), expected[0]), commands.end()));
    const size_t nPlay = IndexOf(commands, "play mov notify");
    ASSERT_LT(nPlay, commands.size());
    EXPECT_EQ(hDlg, m_mci.Sent()[nPlay].hWndNotify);
}

TEST_F(VideoDlgTest, ParentIsTheDefaultReference)
{
    TestWindow parent(CRect(30, 40, 530, 440));
    CVideoDlg dlg(&parent.m_wnd);
    dlg.m_strVideoFile = m_strFile;
    CRect window;
    RunVideo(dlg, [&](CVideoDlg* pDlg) { pDlg->GetWindowRect(&window); });
    EXPECT_EQ(CRect(30, 40, 530, 440), window);
}

TEST_F(VideoDlgTest, LargeVideoGetsAWindowOfItsOwnCentredByTheMainWindow)
{
    m_mci.Reply("where mov source", "0 0 300 200");
    TestWindow reference(CRect(100, 100, 300, 250));
    TestWindow mainWindow(CRect(0, 0, 1000, 800));
    TestWindow smallMain(CRect(0, 0, 300, 200));
    struct Case
    {
        LPCSTR name;
        CWnd* pMain;
        CPoint pos;
    } cases[] = {
        { "main window", &mainWindow.m_wnd, CPoint((1000 - 320) / 2, (800 - 250) / 2) },
        { "smaller main window", &smallMain.m_wnd, CPoint(0, 0) },
        { "no main window", nullptr, CPoint(0, 0) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        player_test::AppStateScope app;
        AfxGetApp()->m_pMainWnd = c.pMain;
        CVideoDlg dlg;
        dlg.m_pReferenceWnd = &reference.m_wnd;
        dlg.m_strVideoFile = m_strFile;
        CRect window, client, movie;
        RunVideo(dlg, [&](CVideoDlg* pDlg) {
            pDlg->GetWindowRect(&window);
            pDlg->GetClientRect(&client);
            movie = ChildRect(m_mci.MovieWnd());
        });
        EXPECT_EQ(CRect(c.pos, CSize(320, 250)), window);
        EXPECT_EQ(CRect(CVideoDlg::VideoPosFor(client.Size(), CSize(300, 200)), CSize(300, 200)), movie);
    }
}

TEST_F(VideoDlgTest, AutoCloseEndsTheDialogWhenTheVideoHasPlayed)
{
    CVideoDlg dlg;
    dlg.m_bAutoClose = TRUE;
    dlg.m_strVideoFile = m_strFile;
    INT_PTR nResult = RunVideo(dlg, [](CVideoDlg* pDlg) {
        pDlg->SendMessage(MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 1);
        PumpPendingMessages();
    });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_TRUE(dlg.m_bClosing);
    const std::vector<CString> commands = m_mci.Commands();
    ASSERT_LE(2u, commands.size());
    EXPECT_EQ(CString("close mov"), commands[commands.size() - 2]);
    EXPECT_EQ(CString("close avivideo"), commands.back());
}

TEST_F(VideoDlgTest, UnopenableVideoStillTriesToPlayAndReportsEachFailure)
{
    m_mci.Fail("open \"", MCIERR_FILE_NOT_FOUND);
    m_mci.Fail("pause mov", MCIERR_INVALID_DEVICE_NAME);
    m_mci.Fail("seek mov", MCIERR_INVALID_DEVICE_NAME);
    m_mci.Fail("play mov", MCIERR_INVALID_DEVICE_NAME);
    CVideoDlg dlg;
    dlg.m_strVideoFile = m_strFile;
    EXPECT_EQ(kStillRunning, RunVideo(dlg));
    const std::vector<CString> commands = m_mci.Commands();
    EXPECT_LT(IndexOf(commands, "play mov notify"), commands.size());
    EXPECT_EQ(commands.size(), IndexOf(commands, "where"));
    EXPECT_EQ(4u, m_boxes.Count());
}

TEST_F(VideoDlgTest, EscapeClosesMovieAndDevice)
{
    {
        CVideoDlg dlg;
        dlg.m_strVideoFile = m_strFile;
        EXPECT_EQ(IDCANCEL, RunVideo(dlg, [](CVideoDlg* pDlg) { pDlg->SendMessage(WM_COMMAND, IDCANCEL); }));
        m_mci.Clear();
    }
    std::vector<CString> expected = { "close mov", "close avivideo" };
    EXPECT_EQ(expected, m_mci.Commands());
}

TEST_F(VideoDlgTest, DialogAndControlsOnTheBackgroundColour)
{
    CVideoDlg dlg;
    dlg.m_strVideoFile = m_strFile;
    std::vector<COLORREF> colours;
    RunVideo(dlg, [&colours](CVideoDlg* pDlg) {
        HDC hdc = ::GetDC(pDlg->m_hWnd);
        for (UINT message : { WM_CTLCOLORDLG, WM_CTLCOLORBTN, WM_CTLCOLORSTATIC })
        {
            HWND hCtl = message == WM_CTLCOLORDLG ? pDlg->m_hWnd : ::GetDlgItem(pDlg->m_hWnd, IDOK);
            HBRUSH hBrush = (HBRUSH)pDlg->SendMessage(message, (WPARAM)hdc, (LPARAM)hCtl);
            LOGBRUSH lb = {};
            colours.push_back(::GetObjectA(hBrush, sizeof lb, &lb) == sizeof lb ? lb.lbColor : CLR_INVALID);
        }
        ::ReleaseDC(pDlg->m_hWnd, hdc);
    });
    std::vector<COLORREF> expected(3, RGB(0xFF, 0xFF, 0xEF));
    EXPECT_EQ(expected, colours);
}

CDialog* g_pTimedDialog = nullptr;

void CALLBACK EndTimedDialog(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pTimedDialog != nullptr && g_pTimedDialog->ContinueModal())
        g_pTimedDialog->EndDialog(kStillRunning);
}

// The platform's own video device: the clip opens in the dialog, plays to its
// end and the completion notice closes the dialog.
TEST(VideoDlgOnTheDevice, PlaysAClipToItsEndAndClosesItself)
{
    TempFolder folder;
    menuobj_testing::AviClip clip;
    clip.nFrames = 3;
    clip.dwRate = 30;
    menuobj_testing::AviBytes bytes(clip);
    MessageBoxRecorder boxes;
    TestWindow reference(CRect(20, 20, 420, 320));
    CVideoDlg dlg;
    dlg.m_pReferenceWnd = &reference.m_wnd;
    dlg.m_strVideoFile = folder.Write("Kurzer Film.avi", bytes.Bytes().data(), bytes.Bytes().size());
    dlg.m_bAutoClose = TRUE;
    ASSERT_NE(0, dlg.CheckFile());
    ASSERT_NE(0, dlg.EnsureDevice());

    // Ends the dialog should the notice never come.
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, 5000, EndTimedDialog);
    CDialog::ModalHook previous = CDialog::SetModalHook([](CDialog* pDialog) { g_pTimedDialog = pDialog; });
    const INT_PTR nResult = dlg.DoModal();
    CDialog::SetModalHook(previous);
    ::KillTimer(nullptr, nTimer);
    g_pTimedDialog = nullptr;

    EXPECT_EQ(IDOK, nResult);
    for (const AFX_MESSAGEBOX& box : boxes.Boxes())
        ADD_FAILURE() << (LPCSTR)box.strText;
    EXPECT_FALSE(dlg.m_movie.m_bDeviceOpen);
    EXPECT_FALSE(dlg.m_movie.m_bMovieOpen);
}

} // namespace
