#include "player/TarnixView.h"

#include "framework/Afx.h"
#include "player/MainFrame.h"
#include "player/MenuDlg.h"
#include "player/PlayerApp.h"
#include "player/StartWnd.h"
#include "player/TarnixDoc.h"
#include "player/resource.h"

#include "PlayerTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using player_test::TakeCommands;
using testing_support::PumpPendingMessages;
using testing_support::TempFolder;

namespace {

// The document, frame and view as the player's template makes them, on a page
// of the test's own.
class TarnixViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pApp = GetPlayerApp();
        ASSERT_NE(nullptr, m_pApp);
        ASSERT_EQ(nullptr, m_pApp->m_pMainWnd);
        m_pApp->m_settings.SetProjectFile(m_folder.Write("Velconf.ini", "[DESKTOP]\r\nRED=10\r\nGREEN=20\r\nBLUE=30\r\n"
                                                                         "[BUTTON1]\r\nENABLE=1\r\n"));
        m_nLoadsBefore = m_pApp->m_nLoadCount;
        m_pTemplate.reset(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTarnixDoc), RUNTIME_CLASS(CMainFrame),
                                                 RUNTIME_CLASS(CTarnixView)));
        m_pDoc = dynamic_cast<CTarnixDoc*>(m_pTemplate->OpenDocumentFile(nullptr, FALSE));
        ASSERT_NE(nullptr, m_pDoc);
        m_pFrame = dynamic_cast<CMainFrame*>(m_pApp->m_pMainWnd);
        ASSERT_NE(nullptr, m_pFrame);
        m_hFrame = m_pFrame->m_hWnd;
        m_pView = dynamic_cast<CTarnixView*>(m_pFrame->GetActiveView());
        ASSERT_NE(nullptr, m_pView);
        m_hView = m_pView->m_hWnd;
    }
    void TearDown() override
    {
        if (IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
        PumpPendingMessages();   // the main window's end posts the quit message
        m_pTemplate.reset();
        m_pApp->m_settings.SetProjectFile("Velconf.ini");
        EXPECT_EQ(nullptr, m_pApp->m_pMainWnd);
    }
    void Paint()
    {
        InvalidateRect(m_hView, nullptr, TRUE);
        UpdateWindow(m_hView);
    }

    TempFolder m_folder;
    CPlayerApp* m_pApp = nullptr;
    int m_nLoadsBefore = 0;
    std::unique_ptr<CSingleDocTemplate> m_pTemplate;
    CTarnixDoc* m_pDoc = nullptr;
    CMainFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    CTarnixView* m_pView = nullptr;
    HWND m_hView = nullptr;
};

// The initial update loads the page through the application's settings; the
// frame never shows, so it asks once for the start window.
TEST_F(TarnixViewTest, InitialUpdateLoadsThePageAndAsksOnceForTheStartWindow)
{
    EXPECT_EQ(m_nLoadsBefore + 1, m_pApp->m_nLoadCount);
    EXPECT_EQ(&m_pApp->m_settings, m_pDoc->m_pSettings);
    EXPECT_EQ(1, m_pDoc->m_buttons.GetSize());
    LOGBRUSH brush = {};
    ASSERT_TRUE(m_pView->m_brDesktop.GetObject(sizeof(brush), &brush));
    EXPECT_EQ(RGB(10, 20, 30), brush.lbColor);
    EXPECT_EQ(1, m_pView->m_bStarted);
    m_pFrame->InitialUpdateFrame(m_pDoc, TRUE);
    m_pFrame->ActivateFrame(-1);
    EXPECT_FALSE(IsWindowVisible(m_hFrame));
    EXPECT_EQ(1, TakeCommands(m_hView, 103));

    ShowWindow(m_hFrame, SW_SHOW);
    Paint();
    EXPECT_EQ(0, TakeCommands(m_hView, 103));
    // The view is painted in the desktop colour.
    HDC hdc = GetDC(m_hView);
    EXPECT_EQ(RGB(10, 20, 30), GetPixel(hdc, 2, 2) & 0xFFFFFF);
    ReleaseDC(m_hView, hdc);
}

TEST_F(TarnixViewTest, TheStartWindowRunsUntilTheMenuClosesThenTheProgramEnds)
{
    // The test asks for the start window itself.
    TakeCommands(m_hView, 103);
    ShowWindow(m_hFrame, SW_SHOW);
    CStartWnd* pRunning = nullptr;
    CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog* pDlg) {
        pRunning = dynamic_cast<CStartWnd*>(pDlg);
        if (pRunning == nullptr || AfxHwnd(pRunning->m_pMenuDlg) != nullptr)
        {
            pDlg->EndDialog(IDCANCEL);
            return;
        }
        // It runs with the view's brush, the frame's placement and the document.
        EXPECT_EQ(pRunning, m_pView->m_pStartWnd);
        EXPECT_EQ(&m_pView->m_brDesktop, pRunning->m_pDesktopBrush);
        EXPECT_EQ(m_pDoc, pRunning->m_pDoc);
        EXPECT_EQ(m_pFrame->m_nFrameW, pRunning->m_nFrameW);
        EXPECT_EQ(m_pFrame->m_nFrameY, pRunning->m_nFrameY);
        // Its first paint creates the menu window; closing that ends it.
        pRunning->UpdateWindow();
        pRunning->SendMessage(WM_COMMAND, CStartWnd::ID_CREATE_MENU);
        if (AfxHwnd(pRunning->m_pMenuDlg) != nullptr)
            pRunning->m_pMenuDlg->PostMessage(WM_CLOSE);
        else
            pRunning->EndDialog(IDCANCEL);
    });
    SendMessageA(m_hView, WM_COMMAND, 103, 0);
    CDialog::SetModalHook(previous);
    ASSERT_NE(nullptr, pRunning);
    EXPECT_EQ(nullptr, m_pView->m_pStartWnd);
    EXPECT_FALSE(IsWindowVisible(m_hFrame));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, m_hFrame, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ((WPARAM)ID_APP_EXIT, msg.wParam);

    // The exit command closes the main window, which ends the message loop.
    DispatchMessageA(&msg);
    EXPECT_FALSE(IsWindow(m_hFrame));
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(TarnixViewTest, MenuChoicesGoToTheRunningStartWindow)
{
    // A window that stands in for the start window and notes what it gets.
    struct CNotingWnd : public CWnd
    {
        WPARAM m_nChoice = 0;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_TARNIX_MENUCHOICE)
                m_nChoice = wParam + 1;
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } startWnd;
    ASSERT_TRUE(startWnd.CreateEx(0, AfxDefaultWndClass(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));

    // None is running: the choice goes nowhere.
    SendMessageA(m_hFrame, WM_COMMAND, 1226, 0);
    EXPECT_EQ(0u, startWnd.m_nChoice);
    m_pView->m_pStartWnd = &startWnd;
    SendMessageA(m_hFrame, WM_COMMAND, 1226, 0);
    EXPECT_EQ(3u, startWnd.m_nChoice);
    m_pView->m_pStartWnd = nullptr;
}

} // namespace
