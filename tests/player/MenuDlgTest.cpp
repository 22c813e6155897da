#include "player/MenuDlg.h"

#include "framework/Afx.h"
#include "player/PlayerApp.h"
#include "player/PlayerMessages.h"
#include "player/StartWnd.h"
#include "player/TarnixDoc.h"
#include "player/resource.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/PageMessages.h"
#include "shared/support/Starter.h"

#include "MciScript.h"
#include "PlayerTestFiles.h"
#include "PlayerTestSupport.h"
#include "helpers/TestSupport.h"
#include "shared/menuobj/PopupMenuWatcher.h"
#include "shared/menuobj/TestWindows.h"

#include <gtest/gtest.h>

#include <memory>

using menuobj_testing::CPopupMenuWatcher;
using menuobj_testing::MenuEntries;
using player_test::TakeCommands;
using testing_support::Lines;
using testing_support::MciScript;
using testing_support::ProgramStartRecorder;
using testing_support::PumpPendingMessages;
using testing_support::TempFolder;

namespace {

// A press and release of the left mouse button in the middle of the window.
void Click(HWND hWnd)
{
    // A click within the double-click time of the one before at the same spot
    // is its second click, which buttons ignore: a test run again at once
    // clicks where it clicked before, so it waits until that click is old.
    static DWORD dwLastClick = 0;
    while (dwLastClick != 0 && GetTickCount() - dwLastClick <= GetDoubleClickTime())
        Sleep(10);
    dwLastClick = GetTickCount();
    RECT rc;
    GetClientRect(hWnd, &rc);
    LPARAM lParam = MAKELPARAM(rc.right / 2, rc.bottom / 2);
    SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    SendMessageA(hWnd, WM_LBUTTONUP, 0, lParam);
}

BOOL Started(const ProgramStartRecorder& starts, LPCSTR lpszName)
{
    for (const AFX_PROGRAM_START& start : starts.Starts())
        if ((start.strFile + " " + start.strParameters).Find(lpszName) >= 0)
            return TRUE;
    return FALSE;
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
    void SetUp() override { m_pDoc.reset(static_cast<CTarnixDoc*>(RUNTIME_CLASS(CTarnixDoc)->CreateObject())); }
    void TearDown() override { Close(); }
    void Close()
    {
        if (IsWindow(m_hMenu))
            m_pMenu->DestroyWindow();
        m_startWnd.reset();
        PumpPendingMessages();
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
    // Offers the message to the menu window as the message loop does.
    BOOL Offer(HWND hWnd, UINT message, WPARAM wParam, POINT pt)
    {
        MSG msg = { hWnd, message, wParam, 0, 0, pt };
        return static_cast<CWnd*>(m_pMenu)->PreTranslateMessage(&msg);
    }
    CRect WindowRect() const
    {
        CRect rect;
        GetWindowRect(m_hMenu, &rect);
        return rect;
    }

    TempFolder m_folder;
    testing_support::ScopedCurrentFolder m_current{ m_folder.Path() };
    player_test::AppStateScope m_app;
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

TEST_F(MenuDlgTest, ClientAreaTakesThePageSizeOrTheSmallestAndTheTitle)
{
    struct Case
    {
        CString page;
        CSize size;
        LPCSTR title;
    } cases[] = {
        { Lines({ "[WINDOWPOS]", "X=30", "Y=40", "[WINDOWSIZE]", "SIZETYPE=1", "W=300", "H=200", "[WINDOW]",
                  "TITLE=Hauptmenü" }),
          CSize(300, 200), "Hauptmenü" },
        { Lines({ "[WINDOW]", "BORDER=1" }), CSize(CTarnixDoc::kMinWindowW, CTarnixDoc::kMinWindowH), "Tarnix" },
        // Sized by a picture smaller than the smallest page.
        { Lines({ "[WINDOWSIZE]", "SIZETYPE=0", "W=320", "H=200", "[WINDOW]", "TITLE=Klein", "IMAGE=1",
                  "IMAGEFILE=_CURRENTDIR_\\klein.bmp" }),
          CSize(CTarnixDoc::kMinWindowW, CTarnixDoc::kMinWindowH), "Klein" },
    };
    player_test::WriteBmp(m_folder, "klein.bmp", 8, 8);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.title);
        Open(c.page);
        EXPECT_EQ(c.size, ClientSize(m_hMenu));
        CString title;
        m_pMenu->GetWindowText(title);
        EXPECT_STREQ(c.title, title);
        EXPECT_FALSE(IsWindowVisible(m_hMenu));
        Close();
    }
}

TEST_F(MenuDlgTest, BorderlessPageWithImageIsTheImageWithRoundedOutline)
{
    player_test::WriteBmp(m_folder, "back.bmp", 160, 90, RGB(0, 128, 0));
    Open(Lines({ "[WINDOWSIZE]", "SIZETYPE=0", "[WINDOW]", "BORDER=0", "CORNERWIDTH=20", "CORNERHEIGHT=20", "IMAGE=1",
                 "IMAGEFILE=" + m_folder.File("back.bmp"), "[BUTTON1]", "ENABLE=1", "X=40", "Y=30", "W=20", "H=15",
                 "TEXT=x" }),
         IDD_MENU_NOBORDER);
    ASSERT_TRUE(m_pDoc->m_bHasBgImage);
    EXPECT_EQ(CSize(160, 90), ClientSize(m_hMenu));
    HRGN hRgn = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(ERROR, GetWindowRgn(m_hMenu, hRgn));
    EXPECT_FALSE(PtInRegion(hRgn, 0, 0));   // the corner is cut off
    EXPECT_TRUE(PtInRegion(hRgn, 80, 45));
    DeleteObject(hRgn);
    // The window is its picture and nothing else.
    EXPECT_EQ(0, GetWindowLongA(m_hMenu, GWL_STYLE) & WS_CAPTION);
    CRect window;
    GetWindowRect(m_hMenu, &window);
    EXPECT_EQ(CSize(160, 90), window.Size());

    // The image is painted into the client area.
    Show();
    HDC hdc = GetDC(m_hMenu);
    EXPECT_EQ(RGB(0, 128, 0), GetPixel(hdc, 80, 45) & 0xFFFFFF);
    ReleaseDC(m_hMenu, hdc);

    // The background drags the window; a press on an object drags nothing.
    const CRect before = WindowRect();
    Offer(m_hMenu, WM_LBUTTONDOWN, MK_LBUTTON, CPoint(before.left + 30, before.top + 20));
    EXPECT_TRUE(m_pMenu->m_bDragging);
    Offer(m_hMenu, WM_MOUSEMOVE, MK_LBUTTON, CPoint(before.left + 40, before.top + 25));
    Offer(m_hMenu, WM_LBUTTONUP, MK_LBUTTON, CPoint(before.left + 40, before.top + 25));
    EXPECT_FALSE(m_pMenu->m_bDragging);
    EXPECT_EQ(CPoint(before.left + 10, before.top + 5), WindowRect().TopLeft());
    CPoint ptButton(45, 35);
    ClientToScreen(m_hMenu, &ptButton);
    Offer(m_hMenu, WM_LBUTTONDOWN, MK_LBUTTON, ptButton);
    EXPECT_FALSE(m_pMenu->m_bDragging);
}

// A button pressed or hovered repaints only its part of the page: that part
// shows what the paint of the whole page showed there, over the window's
// colour and over a picture that covers part of the page.
TEST_F(MenuDlgTest, APartRepaintedAloneShowsWhatTheWholePageShowedThere)
{
    player_test::WriteBmp(m_folder, "back.bmp", 120, 70, RGB(0, 128, 0));
    static const struct
    {
        const char* pszName;
        const char* pszImage;
    } kCases[] = { { "window colour", "IMAGE=0" }, { "picture", "IMAGE=1" } };
    const CSize size(300, 200);
    auto capture = [&](menuobj_testing::BitmapCanvas& canvas) {
        HDC hdc = GetDC(m_hMenu);
        BitBlt(canvas.DC()->m_hDC, 0, 0, size.cx, size.cy, hdc, 0, 0, SRCCOPY);
        ReleaseDC(m_hMenu, hdc);
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszName);
        Open(Lines({ "[WINDOWSIZE]", "SIZETYPE=1", "W=300", "H=200", "[WINDOWBGCOLOR]", "RED=0", "GREEN=64", "BLUE=128",
                     "[WINDOW]", c.pszImage, "IMAGEFILE=_CURRENTDIR_\\back.bmp", "IMAGE_X=30", "IMAGE_Y=20",
                     "[BUTTON1]", "ENABLE=1", "X=20", "Y=20", "W=120", "H=30", "TEXT=Eins", "[BUTTON2]", "ENABLE=1",
                     "X=100", "Y=80", "W=120", "H=30", "TEXT=Zwei", "[TEXT1]", "X=160", "Y=30", "TEXT=Text" }));
        ASSERT_EQ(size, ClientSize(m_hMenu));
        Show();
        menuobj_testing::BitmapCanvas whole(size.cx, size.cy, RGB(255, 0, 255));
        capture(whole);

        // The part, across the edges of both buttons, the text and the
        // picture, is blacked out on the screen and repainted alone.
        const CRect part(70, 35, 190, 95);
        HDC hdc = GetDC(m_hMenu);
        FillRect(hdc, &part, (HBRUSH)GetStockObject(BLACK_BRUSH));
        ReleaseDC(m_hMenu, hdc);
        ValidateRect(m_hMenu, nullptr);
        InvalidateRect(m_hMenu, &part, FALSE);
        UpdateWindow(m_hMenu);
        menuobj_testing::BitmapCanvas again(size.cx, size.cy, RGB(255, 0, 255));
        capture(again);
        int nDiffering = 0;
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x)
                nDiffering += whole.Pixel(x, y) != again.Pixel(x, y);
        EXPECT_EQ(0, nDiffering);
        EXPECT_NE(whole.Pixel(75, 40), whole.Pixel(75, 60)) << "the part holds a button's edge";
        Close();
    }
}

TEST_F(MenuDlgTest, ADragEndsWhenTheCaptureIsLostOrTheButtonIsUp)
{
    Open(Lines({ "[WINDOW]", "BORDER=0" }), IDD_MENU_NOBORDER);
    Show();
    const CRect before = WindowRect();
    const CPoint ptPress(before.left + 5, before.top + 5), ptMove(before.left + 25, before.top + 25);

    // Another window takes the capture: the drag is over, later moves move nothing.
    Offer(m_hMenu, WM_LBUTTONDOWN, MK_LBUTTON, ptPress);
    ASSERT_TRUE(m_pMenu->m_bDragging);
    ASSERT_EQ(m_hMenu, GetCapture());
    {
        player_test::TestWindow other(CRect(0, 0, 10, 10));
        other.m_wnd.SetCapture();
        EXPECT_FALSE(m_pMenu->m_bDragging);
        ReleaseCapture();
    }
    Offer(m_hMenu, WM_MOUSEMOVE, MK_LBUTTON, ptMove);
    EXPECT_EQ(before, WindowRect());

    // A move without the left button (its release went elsewhere) ends the drag.
    Offer(m_hMenu, WM_LBUTTONDOWN, MK_LBUTTON, ptPress);
    ASSERT_TRUE(m_pMenu->m_bDragging);
    Offer(m_hMenu, WM_MOUSEMOVE, 0, ptMove);
    EXPECT_FALSE(m_pMenu->m_bDragging);
    EXPECT_NE(m_hMenu, GetCapture());
    EXPECT_EQ(before, WindowRect());
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
        EXPECT_EQ(0, player_test::CurrentFolder().CompareNoCase(m_folder.Path()));
    }
}

TEST_F(MenuDlgTest, BackgroundAndActionSoundsShareTheChannels)
{
    MciScript mci;
    mci.Reply("open \"back.wav\"", "7");
    mci.Reply("open \"knopf.wav\"", "8");
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

    // Another sound's end, a click sound's say, leaves the background paused;
    // the action sound's own successful end resumes it.
    SendMessageA(m_hMenu, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 9);
    SendMessageA(m_hMenu, MM_MCINOTIFY, MCI_NOTIFY_ABORTED, 8);
    EXPECT_TRUE(m_pMenu->m_bBgSoundPaused);
    SendMessageA(m_hMenu, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 8);
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

TEST_F(MenuDlgTest, EscWithEscExitAndTheExitChoiceEndTheMenuAndEnterNever)
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
    Close();

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

// Entry k of the context menu is the k-th button listed: enabled, with a caption.
TEST_F(MenuDlgTest, ContextMenuListsTheVisibleButtonsWithCaptionsAndRunsTheOneChosen)
{
    Open(Lines({ "[TEXT1]", "X=5", "Y=5", "TEXT=Hallo", "[BUTTON1]", "ENABLE=1", "TEXT=%Start%", "DOKUMENT=eins.txt",
                 "FUNKTION=KEINE", "[BUTTON2]", "ENABLE=1", "TEXT=", "DOKUMENT=zwei.txt", "FUNKTION=KEINE",
                 "[BUTTON3]", "ENABLE=0", "TEXT=Versteckt", "[BUTTON4]", "ENABLE=1", "TEXT= Ende ",
                 "DOKUMENT=vier.txt", "FUNKTION=KEINE", "[BUTTON5]", "ENABLE=1", "TEXT=Zwei<br>Zeilen" }));
    CStringArray captions;
    m_pMenu->ContextCaptions(captions);
    ASSERT_EQ(3, captions.GetSize());
    EXPECT_STREQ("Start", captions[0]);
    EXPECT_STREQ("Ende", captions[1]);
    EXPECT_STREQ("Zwei Zeilen", captions[2]);

    ProgramStartRecorder starts;
    SendMessageA(m_hMenu, WM_TARNIX_MENUCHOICE, 1, 0);
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_TRUE(Started(starts, "vier.txt"));
    SendMessageA(m_hMenu, WM_TARNIX_MENUCHOICE, 0, 0);
    EXPECT_TRUE(Started(starts, "eins.txt"));
    SendMessageA(m_hMenu, WM_TARNIX_MENUCHOICE, 3, 0);
    EXPECT_EQ(2u, starts.Starts().size()) << "no fourth entry";
    EXPECT_EQ(0, TakeCommands(m_hMenu, CMenuDlg::ID_CLOSE_MENU));
}

TEST_F(MenuDlgTest, PageChangeReloadsTheDocumentAndKeepsTheWindowSize)
{
    Open(Lines({ "[WINDOWSIZE]", "SIZETYPE=1", "W=300", "H=200", "[WINDOW]", "TITLE=Eins", "[BUTTON1]", "ENABLE=1",
                 "X=10", "Y=40", "W=80", "H=23", "TEXT=Mehr", "DOKUMENT=<POPUPMENU00>", "[POPUPMENU00]",
                 "ITEM00=TEXT=A:DOCUMENT=a.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE" }));
    EXPECT_EQ(1, m_pMenu->m_objects.GetPopupMenuCount());
    CString second = m_folder.Write("Page2.ini", Lines({ "[WINDOWSIZE]", "SIZETYPE=1", "W=500", "H=400", "[WINDOW]",
                                                         "TITLE=Zwei", "[BUTTON1]", "ENABLE=1", "X=10", "Y=40",
                                                         "W=80", "H=23", "TEXT=Neu", "[BUTTON2]", "ENABLE=1", "X=10",
                                                         "Y=70", "W=80", "H=23", "TEXT=Auch neu", "[BUTTON3]",
                                                         "ENABLE=1", "X=400", "Y=300", "W=80", "H=23",
                                                         "TEXT=Draussen" }));
    CString quoted = "\"" + second + "\"";
    SendMessageA(m_hMenu, WM_TARNIX_SHOWPAGE, 0, (LPARAM)(LPCSTR)quoted);
    EXPECT_STREQ("Zwei", m_pDoc->m_strTitle);
    EXPECT_EQ(1, TakeCommands(m_hMenu, CMenuDlg::ID_BUILD_PAGE));
    SendMessageA(m_hMenu, WM_COMMAND, CMenuDlg::ID_BUILD_PAGE, 0);
    CString title;
    m_pMenu->GetWindowText(title);
    EXPECT_STREQ("Zwei", title);
    EXPECT_EQ(CSize(300, 200), ClientSize(m_hMenu));
    // The new page's objects replace the old ones; its popup slot is free.
    // One beyond the window's size is brought onto the window, which keeps
    // the first page's size.
    EXPECT_EQ(3, m_pMenu->m_objects.GetObjectCount());
    ASSERT_EQ(3, m_pDoc->m_buttons.GetSize());
    EXPECT_EQ(CRect(220, 177, 300, 200), CRect(static_cast<CMObjCreateStruct*>(m_pDoc->m_buttons[2])->m_rect));
    EXPECT_NE(nullptr, m_pMenu->GetDlgItem(5001));
    EXPECT_EQ(0, m_pMenu->m_objects.GetPopupMenuCount());

    // An empty path changes nothing.
    SendMessageA(m_hMenu, WM_TARNIX_SHOWPAGE, 0, (LPARAM)"");
    EXPECT_STREQ("Zwei", m_pDoc->m_strTitle);
}

// Buttons name their pages as the editor writes them: a bare file name.
TEST_F(MenuDlgTest, APageNamedWithoutFolderIsFoundBesideTheProject)
{
    player_test::WriteIcon(m_folder, "eins.ico", { { 16, 4 }, { 32, 4 } });
    player_test::WriteIcon(m_folder, "zwei.ico", { { 16, 8 }, { 32, 8 } });
    Open(Lines({ "[WINDOW]", "TITLE=Eins", "[WELCOME]", "ICON=_CURRENTDIR_\\eins.ico" }));
    m_folder.Write("Page2.ini", Lines({ "[WINDOW]", "TITLE=Zwei", "[WELCOME]", "ICON=_CURRENTDIR_\\zwei.ico" }));
    m_folder.Write("Page3.ini", Lines({ "[WINDOW]", "TITLE=Drei" }));

    SendMessageA(m_hMenu, WM_TARNIX_SHOWPAGE, 0, (LPARAM) "Page2.ini");
    EXPECT_STREQ("Zwei", m_pDoc->m_strTitle);
    // The window shows the new page's icon, not the one the load destroyed.
    HICON hIcon = (HICON)SendMessageA(m_hMenu, WM_GETICON, ICON_SMALL, 0);
    ASSERT_NE(nullptr, hIcon);
    EXPECT_EQ(m_pDoc->m_hIconSmall, hIcon);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hIcon, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    // A page without an icon leaves the window none of the last page's.
    SendMessageA(m_hMenu, WM_TARNIX_SHOWPAGE, 0, (LPARAM) ".\\Page3.ini");
    EXPECT_STREQ("Drei", m_pDoc->m_strTitle);
    EXPECT_EQ(nullptr, (HICON)SendMessageA(m_hMenu, WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(nullptr, (HICON)SendMessageA(m_hMenu, WM_GETICON, ICON_BIG, 0));
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

TEST_F(MenuDlgTest, PageObjectsAreChildWindowsAndEnterOrAClickRunsAButton)
{
    Open(Lines({ "[WINDOWSIZE]", "SIZETYPE=1", "W=300", "H=200", "[TOOLTIP]", "ENABLE=1", "X=200", "Y=10", "W=100",
                 "H=30", "DEFAULTTEXT=Willkommen", "[TEXT1]",
                 "X=5", "Y=5", "TEXT=Hallo", "[BUTTON1]", "ENABLE=1", "X=10", "Y=40", "W=80", "H=23", "TEXT=Eins",
                 "TOOLTIP=Erster Knopf", "DOKUMENT=eins.txt", "FUNKTION=KEINE", "[BUTTON2]", "ENABLE=1", "X=10", "Y=70",
                 "W=80", "H=23", "TEXT=Zwei", "DOKUMENT=zwei.txt", "FUNKTION=KEINE" }));
    Show();
    // Texts first, then the buttons, numbered from 5000 on.
    ASSERT_EQ(3, m_pMenu->m_objects.GetObjectCount());
    CWnd* pFirst = m_pMenu->GetDlgItem(5001);
    CWnd* pSecond = m_pMenu->GetDlgItem(5002);
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    EXPECT_TRUE(pFirst->IsWindowVisible());
    RECT rc;
    pSecond->GetWindowRect(&rc);
    m_pMenu->ScreenToClient(&rc);
    EXPECT_EQ(10, rc.left);
    EXPECT_EQ(70, rc.top);

    // The hit test finds the button at its place and nothing beside it.
    EXPECT_NE(nullptr, m_pMenu->m_objects.FindObjectAt(20, 50));
    EXPECT_EQ(nullptr, m_pMenu->m_objects.FindObjectAt(150, 150));

    // Enter on a focused button runs it; a click runs the button clicked.
    {
        ProgramStartRecorder starts;
        pFirst->SetFocus();
        EXPECT_TRUE(Offer(pFirst->m_hWnd, WM_KEYDOWN, VK_RETURN, {}));
        EXPECT_TRUE(Started(starts, "eins.txt"));
    }
    ProgramStartRecorder starts;
    Click(pSecond->m_hWnd);
    EXPECT_TRUE(Started(starts, "zwei.txt"));
    EXPECT_FALSE(Started(starts, "eins.txt"));
    // After the click the focus is back on the default button.
    EXPECT_EQ(m_pMenu->GetDlgItem(CMenuDlg::ID_DEFAULT_BUTTON)->m_hWnd, GetFocus());
}

// The object windows paint nothing themselves: the page paints every object
// over them. A page that clipped its children would leave a hole (black under
// Wine) wherever a button or text stands.
TEST_F(MenuDlgTest, BothMenuTemplatesLetThePagePaintOverItsObjectWindows)
{
    for (UINT nTemplate : { (UINT)IDD_MENU_BORDER, (UINT)IDD_MENU_NOBORDER })
    {
        SCOPED_TRACE(nTemplate);
        Open(Lines({ "[BUTTON1]", "ENABLE=1", "X=10", "Y=40", "W=120", "H=30", "TEXT=Eins", "FUNKTION=KEINE" }),
             nTemplate);
        EXPECT_EQ(0u, m_pMenu->GetStyle() & WS_CLIPCHILDREN);
        Close();
    }
}

TEST_F(MenuDlgTest, PopupButtonOpensItsMenuAndTheChosenItemRuns)
{
    Open(Lines({ "[BUTTON1]", "ENABLE=1", "X=10", "Y=40", "W=80", "H=23", "TEXT=Mehr", "DOKUMENT=<POPUPMENU00>",
                 "[POPUPMENU00]", "ITEM00=TEXT=Liesmich:DOCUMENT=liesmich.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE" }));
    Show();
    ASSERT_EQ(1, m_pDoc->m_buttons.GetSize());
    CMButCreateStruct* pStruct = static_cast<CMButCreateStruct*>(m_pDoc->m_buttons[0]);
    ASSERT_NE(nullptr, pStruct->m_pPopupMenu);
    EXPECT_EQ(1, pStruct->m_pPopupMenu->GetItemCount());

    CWnd* pButton = m_pMenu->GetDlgItem(5000);
    ASSERT_NE(nullptr, pButton);
    ProgramStartRecorder starts;
    {
        CPopupMenuWatcher owner;
        owner.Track([&] { Click(pButton->m_hWnd); });
        EXPECT_TRUE(m_pMenu->m_bPopupActive);
        ASSERT_NE(nullptr, m_pMenu->m_pPopupMenu);
        EXPECT_EQ(pStruct, m_pMenu->m_pPopupMenu->GetButtonStruct());
        EXPECT_EQ((MenuEntries{ { (UINT)ID_CONTEXT_FIRST, "Liesmich" } }), owner.entries);
    }
    // The main frame hands the entry's command back as the menu choice.
    SendMessageA(m_hMenu, WM_TARNIX_MENUCHOICE, 0, 0);
    EXPECT_FALSE(m_pMenu->m_bPopupActive);
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_TRUE(Started(starts, "liesmich.txt"));
    EXPECT_TRUE(Started(starts, m_pDoc->m_strProjectFolder)) << "below the project folder";
}

TEST_F(MenuDlgTest, ListBoxEnterRunsTheSelectedEntryAndItsHintIsShown)
{
    m_folder.Write("List001.ini", Lines({ "[SCRIPT]", "DOCUMENT=%1", "APPLICATION=", "PARAMETER=", "FOLDER=.\\",
                                          "[LIST]", "LISTITEM=Alpha:FILE=alpha.txt:TOOLTIP=Start: Alpha",
                                          "LISTITEM=Beta:FILE=beta.txt:TOOLTIP=Start: Beta" }));
    Open(Lines({ "[TOOLTIP]", "ENABLE=1", "X=200", "Y=10", "W=100", "H=30", "DEFAULTTEXT=Willkommen" }));
    // The player's pages hold no list box; the test hands one to the page.
    CMButCreateStruct* pList = new CMButCreateStruct;
    pList->m_strText = m_folder.File("List001.ini");
    pList->m_rect = CRect(10, 10, 150, 100);
    pList->m_bEnable = 1;
    ASSERT_TRUE(m_pDoc->m_fileLists.Add(pList));
    SendMessageA(m_hMenu, WM_COMMAND, CMenuDlg::ID_BUILD_PAGE, 0);
    Show();

    CWnd* pListWnd = m_pMenu->GetDlgItem(CMenuDlg::ID_LISTBOX);
    ASSERT_NE(nullptr, pListWnd);
    ASSERT_EQ(2, (int)pListWnd->SendMessage(LB_GETCOUNT));
    pListWnd->SendMessage(LB_SETCURSEL, 1);
    SendMessageA(m_hMenu, WM_COMMAND, MAKEWPARAM(CMenuDlg::ID_LISTBOX, LBN_SELCHANGE), (LPARAM)pListWnd->m_hWnd);
    EXPECT_STREQ("Start: Beta", m_pMenu->m_infoBox.GetText());

    pListWnd->SetFocus();
    ProgramStartRecorder starts;
    Offer(pListWnd->m_hWnd, WM_KEYDOWN, VK_RETURN, {});
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_TRUE(Started(starts, "beta.txt"));

    // A list-box button's request runs it as well.
    SendMessageA(m_hMenu, WM_TARNIX_RUNLISTBOX, 5000, 0);
    EXPECT_EQ(2u, starts.Starts().size());
}

} // namespace
