#include "player/StartWnd.h"

#include "framework/Afx.h"
#include "player/MenuDlg.h"
#include "player/PictureDlg.h"
#include "player/PlayerApp.h"
#include "player/PlayerMessages.h"
#include "player/TarnixDoc.h"

#include "PlayerTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using testing_support::Lines;
using testing_support::PumpPendingMessages;
using testing_support::TempFolder;

namespace {

// The start window run modally, as the view runs it, on a page of the test's
// own; the test's steps run in the modal hook, and closing the menu window
// must end the modal loop.
class StartWndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pDoc.reset(static_cast<CTarnixDoc*>(RUNTIME_CLASS(CTarnixDoc)->CreateObject()));
        m_brDesktop.CreateSolidBrush(RGB(10, 20, 30));
    }
    void TearDown() override { PumpPendingMessages(); }

    void Load(const CString& page)
    {
        GetPlayerApp()->m_nLoadCount = 0;   // the welcome window greets the first page only
        CProjectSettings& settings = GetPlayerApp()->m_settings;
        settings.SetProjectFile(m_folder.Write("Velconf.ini", page));
        m_pDoc->LoadPage(&settings, CWnd::GetDesktopWindow());
    }

    // Runs the start window with the steps; the dialog's result.
    INT_PTR Run(std::function<void(CStartWnd&)> steps, CTarnixDoc* pDoc)
    {
        CStartWnd startWnd;
        startWnd.m_pDesktopBrush = &m_brDesktop;
        startWnd.m_pDoc = pDoc;
        startWnd.m_nFrameX = 100;
        startWnd.m_nFrameY = 120;
        startWnd.m_nFrameW = 140;
        startWnd.m_nFrameH = 70;
        CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog* pDlg) {
            if (pDlg != &startWnd)
            {
                pDlg->EndDialog(IDCANCEL);
                return;
            }
            steps(startWnd);
            // Whatever the steps left, the menu's end must end the loop.
            if (AfxHwnd(startWnd.m_pMenuDlg) != nullptr)
                startWnd.m_pMenuDlg->PostMessage(WM_CLOSE);
            else if (!startWnd.m_bMenuGone)
                startWnd.EndDialog(-1);
        });
        INT_PTR nResult = startWnd.DoModal();
        CDialog::SetModalHook(previous);
        EXPECT_EQ(nullptr, startWnd.m_pMenuDlg);
        EXPECT_EQ(nullptr, startWnd.m_pWelcome);
        return nResult;
    }

    static void Paint(CStartWnd& startWnd)
    {
        startWnd.ShowWindow(SW_SHOW);
        startWnd.UpdateWindow();
        PumpPendingMessages();
    }

    player_test::AppStateScope m_app;
    TempFolder m_folder;
    std::unique_ptr<CTarnixDoc> m_pDoc;
    CBrush m_brDesktop;
};

TEST_F(StartWndTest, WithoutDocumentItEndsAtOnce)
{
    bool bStepsRan = false;
    EXPECT_EQ(IDCANCEL, Run([&](CStartWnd&) { bStepsRan = true; }, nullptr));
    EXPECT_FALSE(bStepsRan);
}

TEST_F(StartWndTest, HiddenOverTheFrameTheMenuShowsAtOnceAndClosingItEnds)
{
    Load(Lines({ "[DESKTOP]", "PAINT=0", "[WINDOW]", "BORDER=1", "ESCEXIT=0" }));
    EXPECT_EQ(IDCANCEL, Run(
                            [&](CStartWnd& startWnd) {
                                CRect window;
                                startWnd.GetWindowRect(&window);
                                EXPECT_EQ(CRect(99, 119, 242, 192), window);
                                Paint(startWnd);
                                EXPECT_FALSE(startWnd.IsWindowVisible());
                                ASSERT_NE(nullptr, startWnd.m_pMenuDlg);
                                EXPECT_TRUE(startWnd.m_bMenuCreated);
                                HWND hMenu = startWnd.m_pMenuDlg->m_hWnd;
                                EXPECT_TRUE(IsWindowVisible(hMenu));
                                EXPECT_TRUE(IsWindowEnabled(hMenu));

                                // Esc and Enter do not end it while the menu lives.
                                startWnd.SendMessage(WM_COMMAND, IDCANCEL);
                                startWnd.SendMessage(WM_COMMAND, IDOK);
                                PumpPendingMessages();
                                EXPECT_TRUE(IsWindow(hMenu));
                                PostMessageA(hMenu, WM_CLOSE, 0, 0);
                            },
                            m_pDoc.get()));
}

// Refuses every dialog window that the start window would own while it lives.
class MenuCreationRefused
{
public:
    explicit MenuCreationRefused(HWND hStartWnd)
    {
        s_hStartWnd = hStartWnd;
        m_hHook = SetWindowsHookExA(WH_CBT, Refuse, nullptr, GetCurrentThreadId());
    }
    ~MenuCreationRefused() { UnhookWindowsHookEx(m_hHook); }

private:
    static LRESULT CALLBACK Refuse(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_CREATEWND && reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->hwndParent == s_hStartWnd)
            return 1;
        return CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static HWND s_hStartWnd;
    HHOOK m_hHook;
};

HWND MenuCreationRefused::s_hStartWnd = nullptr;

TEST_F(StartWndTest, WithoutAMenuWindowTheRunEnds)
{
    Load(Lines({ "[DESKTOP]", "PAINT=0" }));
    EXPECT_EQ(IDCANCEL, Run(
                            [&](CStartWnd& startWnd) {
                                MenuCreationRefused refused(startWnd.m_hWnd);
                                Paint(startWnd);
                                EXPECT_FALSE(startWnd.m_bMenuCreated);
                                EXPECT_TRUE(startWnd.m_bMenuGone);
                            },
                            m_pDoc.get()));
}

TEST_F(StartWndTest, DesktopPaintCoversTheScreenAndChoicesReachTheMenu)
{
    Load(Lines({ "[DESKTOP]", "PAINT=1", "RED=10", "GREEN=20", "BLUE=30", "[WINDOW]", "BORDER=0" }));
    Run(
        [&](CStartWnd& startWnd) {
            CRect window, desktop;
            startWnd.GetWindowRect(&window);
            GetClientRect(GetDesktopWindow(), &desktop);
            EXPECT_EQ(desktop, window);
            Paint(startWnd);
            EXPECT_TRUE(startWnd.IsWindowVisible());
            ASSERT_NE(nullptr, startWnd.m_pMenuDlg);

            // The Exit choice passes through to the menu, which closes.
            startWnd.SendMessage(WM_TARNIX_MENUCHOICE, ID_CONTEXT_EXIT);
        },
        m_pDoc.get());
}

TEST_F(StartWndTest, WelcomeWindowShowsUntilItsTimerThenTheMenu)
{
    Load(Lines({ "[WELCOME]", "ENABLE=1", "TIME=3", "TEXT1=Hallo", "[WINDOW]", "BORDER=1" }));
    ASSERT_TRUE(m_pDoc->m_bWelcome);
    Run(
        [&](CStartWnd& startWnd) {
            Paint(startWnd);
            ASSERT_NE(nullptr, startWnd.m_pWelcome);
            ASSERT_NE(nullptr, startWnd.m_pMenuDlg);
            EXPECT_TRUE(IsWindowVisible(startWnd.m_pWelcome->m_hWnd));
            HWND hMenu = startWnd.m_pMenuDlg->m_hWnd;
            EXPECT_FALSE(IsWindowVisible(hMenu));
            EXPECT_FALSE(IsWindowEnabled(hMenu));
            EXPECT_NE(0u, startWnd.m_nWelcomeTimer);

            startWnd.SendMessage(WM_TIMER, CStartWnd::kWelcomeTimer);
            EXPECT_EQ(nullptr, startWnd.m_pWelcome);
            PumpPendingMessages();
            EXPECT_TRUE(IsWindowVisible(hMenu));
            EXPECT_TRUE(IsWindowEnabled(hMenu));
            PostMessageA(hMenu, WM_CLOSE, 0, 0);
        },
        m_pDoc.get());
}

} // namespace
