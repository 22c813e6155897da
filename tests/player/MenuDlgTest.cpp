#include "player/MenuDlg.h"

#include "framework/Afx.h"
#include "player/PlayerApp.h"
#include "player/PlayerMessages.h"
#include "player/StartWnd.h"
#include "player/TarnixDoc.h"
#include "player/resource.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/support/Starter.h"

#include "MciScript.h"
#include "PlayerTestFiles.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <direct.h>
#include <memory>

using testing_support::Lines;
using testing_support::MciScript;
using testing_support::ProgramStartRecorder;
using testing_support::PumpPendingMessages;
using testing_support::TempFolder;

namespace {

// Takes the posted commands of the window from the queue; how many had the id.
int TakeCommands(HWND hWnd, UINT nID)
{
    int nCount = 0;
    MSG msg;
    while (PeekMessageA(&msg, hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE))
        nCount += LOWORD(msg.wParam) == nID;
    return nCount;
}

CSize ClientSize(HWND hWnd)
{
    RECT client;
    GetClientRect(hWnd, &client);
    return CSize(client.right, client.bottom);
}

// A page of the test's own, loaded into a document as the view loads it, with
// the project folder as the current folder (as the player runs); a hidden
// start window parents the menu window.
class MenuDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, _getcwd(m_szOldFolder, sizeof(m_szOldFolder)));
        ASSERT_EQ(0, _chdir(m_folder.Path()));
        m_pDoc.reset(static_cast<CTarnixDoc*>(RUNTIME_CLASS(CTarnixDoc)->CreateObject()));
    }
    void TearDown() override
    {
        if (m_pMenu != nullptr && IsWindow(m_hMenu))
            m_pMenu->DestroyWindow();
        m_startWnd.reset();
        PumpPendingMessages();
        GetPlayerApp()->m_settings.SetProjectFile("Velconf.ini");
        _chdir(m_szOldFolder);
    }

    // Loads the page and creates the menu window for it (hidden, as the start
    // window creates it); the commands it posted itself stay in the queue.
    void Open(const CString& page, UINT nTemplate = IDD_MENU_BORDER)
    {
        CProjectSettings& settings = GetPlayerApp()->m_settings;
        settings.SetProjectFile(m_folder.Write("Velconf.ini", page));
        m_pDoc->LoadPage(&settings, CWnd::GetDesktopWindow());
        m_startWnd.reset(new CStartWnd);
        m_startWnd->m_pDoc = m_pDoc.get();
        ASSERT_TRUE(m_startWnd->Create(IDD_STARTWND));
        m_pMenu = new CMenuDlg(nTemplate, m_startWnd.get());
        m_pMenu->m_pDoc = m_pDoc.get();
        ASSERT_TRUE(m_pMenu->Create());
        m_hMenu = m_pMenu->m_hWnd;
    }
    void Show()
    {
        m_pMenu->ShowWindow(SW_SHOW);
        m_pMenu->UpdateWindow();
    }

    char m_szOldFolder[MAX_PATH] = "";
    TempFolder m_folder;
    std::unique_ptr<CTarnixDoc> m_pDoc;
    std::unique_ptr<CStartWnd> m_startWnd;
    CMenuDlg* m_pMenu = nullptr;   // deletes itself with its window
    HWND m_hMenu = nullptr;
};

TEST_F(MenuDlgTest, CreationNeedsTheStartWindow)
{
    CMenuDlg* pMenu = new CMenuDlg(IDD_MENU_BORDER, nullptr);
    EXPECT_FALSE(pMenu->Create());
    delete pMenu;
}

TEST_F(MenuDlgTest, ClientAreaTakesThePageSizeAndTheTitle)
{
    Open(Lines({ "[WINDOWPOS]", "X=30", "Y=40", "[WINDOWSIZE]", "SIZETYPE=1", "W=300", "H=200", "[WINDOW]",
                 "TITLE=Hauptmenü" }));
    EXPECT_EQ(CSize(300, 200), ClientSize(m_hMenu));
    CString title;
    m_pMenu->GetWindowText(title);
    EXPECT_STREQ("Hauptmenü", title);
    EXPECT_FALSE(IsWindowVisible(m_hMenu));
}

TEST_F(MenuDlgTest, PageWithoutWindowKeysGetsTheSmallestSizeCentred)
{
    Open(Lines({ "[WINDOW]", "BORDER=1" }));
    EXPECT_EQ(CSize(CTarnixDoc::kMinWindowW, CTarnixDoc::kMinWindowH), ClientSize(m_hMenu));
}

TEST_F(MenuDlgTest, BorderlessPageWithImageTakesTheImageSizeAndRoundedOutline)
{
    player_test::WriteBmp(m_folder, "back.bmp", 64, 48, RGB(0, 128, 0));
    Open(Lines({ "[WINDOWSIZE]", "SIZETYPE=0", "[WINDOW]", "BORDER=0", "CORNERWIDTH=20", "CORNERHEIGHT=20", "IMAGE=1",
                 "IMAGEFILE=" + m_folder.File("back.bmp") }),
         IDD_MENU_NOBORDER);
    ASSERT_TRUE(m_pDoc->m_bHasBgImage);
    EXPECT_EQ(CSize(64, 48), ClientSize(m_hMenu));
    HRGN hRgn = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(ERROR, GetWindowRgn(m_hMenu, hRgn));
    EXPECT_FALSE(PtInRegion(hRgn, 0, 0));   // the corner is cut off
    EXPECT_TRUE(PtInRegion(hRgn, 32, 24));
    DeleteObject(hRgn);

    // The image is painted into the client area.
    Show();
    HDC hdc = GetDC(m_hMenu);
    EXPECT_EQ(RGB(0, 128, 0), GetPixel(hdc, 32, 24) & 0xFFFFFF);
    ReleaseDC(m_hMenu, hdc);

    // The background drags the window.
    RECT before;
    GetWindowRect(m_hMenu, &before);
    MSG msg = { m_hMenu, WM_LBUTTONDOWN, MK_LBUTTON, 0, 0, { before.left + 30, before.top + 20 } };
    static_cast<CWnd*>(m_pMenu)->PreTranslateMessage(&msg);
    EXPECT_TRUE(m_pMenu->m_bDragging) << m_pDoc->m_bBorder << " " << before.left << " " << before.top;
    msg.message = WM_MOUSEMOVE;
    msg.pt = { before.left + 40, before.top + 25 };
    static_cast<CWnd*>(m_pMenu)->PreTranslateMessage(&msg);
    msg.message = WM_LBUTTONUP;
    static_cast<CWnd*>(m_pMenu)->PreTranslateMessage(&msg);
    EXPECT_FALSE(m_pMenu->m_bDragging);
    RECT after;
    GetWindowRect(m_hMenu, &after);
    EXPECT_EQ(before.left + 10, after.left);
    EXPECT_EQ(before.top + 5, after.top);
}

TEST_F(MenuDlgTest, BuildPageMakesTheDefaultButtonAndHandsTheButtonsInfoBoxAndSounds)
{
    Open(Lines({ "[TOOLTIP]", "ENABLE=1", "X=10", "Y=10", "W=100", "H=30", "DEFAULTTEXT=Willkommen", "[BUTTON1]",
                 "ENABLE=1", "TEXT=Eins" }));
    CWnd* pDefault = m_pMenu->GetDlgItem(CMenuDlg::ID_DEFAULT_BUTTON);
    ASSERT_NE(nullptr, pDefault);
    EXPECT_EQ(pDefault->m_hWnd, GetFocus());
    EXPECT_TRUE(m_pMenu->m_infoBox.IsEnabled());
    ASSERT_EQ(1, m_pDoc->m_buttons.GetSize());
    CMButCreateStruct* pStruct = static_cast<CMButCreateStruct*>(m_pDoc->m_buttons[0]);
    EXPECT_EQ(&m_pMenu->m_infoBox, pStruct->pToolTip);
    EXPECT_EQ(&m_pMenu->m_buttonSounds, pStruct->m_pSounds);
    EXPECT_EQ(1, TakeCommands(m_hMenu, CMenuDlg::ID_BG_SOUND));

    // The first paint shows the default text and asks once for the start events.
    Show();
    EXPECT_STREQ("Willkommen", m_pMenu->m_infoBox.GetText());
    InvalidateRect(m_hMenu, nullptr, TRUE);
    UpdateWindow(m_hMenu);
    EXPECT_EQ(1, TakeCommands(m_hMenu, CMenuDlg::ID_START_EVENTS));
}

TEST_F(MenuDlgTest, StartEventsPreferTheBatchFileAndElseOpenTheDocument)
{
    Open(Lines({ "[WINDOW]", "BORDER=1" }));
    CreateDirectoryA(m_folder.File("STARTUP"), nullptr);
    m_folder.Write("STARTUP\\ONSTART.HTM", "<html></html>");
    {
        ProgramStartRecorder starts;
        m_pMenu->RunStartEvents();
        ASSERT_EQ(1u, starts.Starts().size());
        EXPECT_STREQ("STARTUP\\ONSTART.HTM", starts.Starts()[0].strFile);
    }
    m_folder.Write("STARTUP\\ONSTART.BAT", "@echo off\r\n");
    {
        ProgramStartRecorder starts;
        m_pMenu->RunStartEvents();
        ASSERT_EQ(1u, starts.Starts().size());
        EXPECT_NE(-1, (starts.Starts()[0].strFile + starts.Starts()[0].strParameters).Find("ONSTART.BAT"));
        char szFolder[MAX_PATH];
        ASSERT_NE(nullptr, _getcwd(szFolder, sizeof(szFolder)));
        EXPECT_STREQ(CString(m_folder.Path()).MakeLower(), CString(szFolder).MakeLower());
    }
}

TEST_F(MenuDlgTest, BackgroundAndActionSoundsShareTheChannels)
{
    MciScript mci;
    m_folder.Write("back.wav", "RIFF");
    m_folder.Write("knopf.wav", "RIFF");
    Open(Lines({ "[SOUND]", "ENABLE=1", "FILE=back.wav", "REPEAT=1", "KEYCLICK=0", "KEYOVER=0" }));
    SendMessageA(m_hMenu, WM_COMMAND, CMenuDlg::ID_BG_SOUND, 0);
    EXPECT_NE(-1, m_pMenu->m_nBgSoundId);
    EXPECT_TRUE(m_pMenu->m_bBgSoundStarted);

    // A button's sound pauses the background sound and plays once.
    CStarter starter;
    starter.SetNotifyWnd(m_pMenu);
    starter.PostPlaySound("knopf.wav");
    PumpPendingMessages();
    EXPECT_TRUE(m_pMenu->m_bBgSoundPaused);
    EXPECT_NE(-1, m_pMenu->m_nActionSoundId);

    // Its successful end resumes the background sound.
    SendMessageA(m_hMenu, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 0);
    EXPECT_FALSE(m_pMenu->m_bBgSoundPaused);

    // The starter's stop closes the background sound.
    starter.PostStopSound();
    PumpPendingMessages();
    EXPECT_EQ(-1, m_pMenu->m_nBgSoundId);

    CString sent;
    for (const CString& command : mci.Commands())
        sent += command + "|";
    EXPECT_NE(-1, sent.Find("alias BGSOUND")) << (LPCSTR)sent;
    EXPECT_NE(-1, sent.Find("alias BUT_SOUND")) << (LPCSTR)sent;
}

TEST_F(MenuDlgTest, EscClosesOnlyWithEscExitAndEnterDoesNothing)
{
    Open(Lines({ "[WINDOW]", "ESCEXIT=0" }));
    SendMessageA(m_hMenu, WM_COMMAND, IDOK, 0);
    SendMessageA(m_hMenu, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(IsWindow(m_hMenu));

    m_pDoc->m_bEscExit = 1;
    SendMessageA(m_hMenu, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindow(m_hMenu));
    EXPECT_TRUE(m_startWnd->m_bMenuGone);
    EXPECT_EQ(nullptr, m_startWnd->m_pMenuDlg);
}

TEST_F(MenuDlgTest, ExitChoiceAndCloseEndTheMenu)
{
    Open(Lines({ "[WINDOW]", "BORDER=1" }));
    SendMessageA(m_hMenu, WM_TARNIX_MENUCHOICE, ID_CONTEXT_EXIT, 0);
    EXPECT_EQ(1, TakeCommands(m_hMenu, CMenuDlg::ID_CLOSE_MENU));
    SendMessageA(m_hMenu, WM_COMMAND, CMenuDlg::ID_CLOSE_MENU, 0);
    EXPECT_FALSE(IsWindow(m_hMenu));
    EXPECT_TRUE(m_startWnd->m_bMenuGone);

    // The start window was told to end.
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, m_startWnd->m_hWnd, WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
    EXPECT_EQ((WPARAM)IDCANCEL, msg.wParam);
}

TEST_F(MenuDlgTest, ContextMenuListsTheVisibleButtonsWithCaptions)
{
    Open(Lines({ "[BUTTON1]", "ENABLE=1", "TEXT=%Start%", "[BUTTON2]", "ENABLE=1", "TEXT=", "[BUTTON3]", "ENABLE=0",
                 "TEXT=Versteckt", "[BUTTON4]", "ENABLE=1", "TEXT= Ende " }));
    CStringArray captions;
    m_pMenu->ContextCaptions(captions);
    ASSERT_EQ(2, captions.GetSize());
    EXPECT_STREQ("Start", captions[0]);
    EXPECT_STREQ("Ende", captions[1]);
}

TEST_F(MenuDlgTest, PageChangeReloadsTheDocumentAndKeepsTheWindowSize)
{
    Open(Lines({ "[WINDOWSIZE]", "SIZETYPE=1", "W=300", "H=200", "[WINDOW]", "TITLE=Eins" }));
    CString second = m_folder.Write("Page2.ini", Lines({ "[WINDOWSIZE]", "SIZETYPE=1", "W=500", "H=400", "[WINDOW]",
                                                         "TITLE=Zwei" }));
    CString quoted = "\"" + second + "\"";
    SendMessageA(m_hMenu, WM_TARNIX_SHOWPAGE, 0, (LPARAM)(LPCSTR)quoted);
    EXPECT_STREQ("Zwei", m_pDoc->m_strTitle);
    EXPECT_EQ(1, TakeCommands(m_hMenu, CMenuDlg::ID_BUILD_PAGE));
    SendMessageA(m_hMenu, WM_COMMAND, CMenuDlg::ID_BUILD_PAGE, 0);
    CString title;
    m_pMenu->GetWindowText(title);
    EXPECT_STREQ("Zwei", title);
    EXPECT_EQ(CSize(300, 200), ClientSize(m_hMenu));

    // An empty path changes nothing.
    SendMessageA(m_hMenu, WM_TARNIX_SHOWPAGE, 0, (LPARAM)"");
    EXPECT_STREQ("Zwei", m_pDoc->m_strTitle);
}

TEST_F(MenuDlgTest, MissingVideoIsSkipped)
{
    Open(Lines({ "[WINDOW]", "ERROR=0" }));
    int nModal = 0;
    CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog* pDlg) {
        ++nModal;
        pDlg->EndDialog(IDCANCEL);
    });
    SendMessageA(m_hMenu, WM_TARNIX_PLAYVIDEO, 0, (LPARAM)"\"fehlt.avi\"");
    CDialog::SetModalHook(previous);
    EXPECT_EQ(0, nModal);
    EXPECT_FALSE(m_pMenu->m_bVideoRunning);
}

} // namespace
