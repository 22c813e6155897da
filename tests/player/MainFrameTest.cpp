#include "player/MainFrame.h"

#include "framework/Afx.h"
#include "player/resource.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Received
{
    UINT message;
    WPARAM wParam;
};

// A view that notes the messages the frame sends it.
class CNotingView : public CView
{
    DECLARE_DYNCREATE(CNotingView)
public:
    std::vector<Received> m_received;

protected:
    void OnDraw(CDC*) override {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TARNIX_MENUCHOICE || message == WM_USER ||
            (message >= WM_TARNIX_PLAYVIDEO && message <= WM_TARNIX_SHOWPAGE))
            m_received.push_back({ message, wParam });
        return CView::WindowProc(message, wParam, lParam);
    }
};

IMPLEMENT_DYNCREATE(CNotingView, CView)

class MainFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = static_cast<CMainFrame*>(RUNTIME_CLASS(CMainFrame)->CreateObject());
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CNotingView);
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context));
        m_hFrame = m_pFrame->m_hWnd;
        m_pView = dynamic_cast<CNotingView*>(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
        ASSERT_NE(nullptr, m_pView);
        m_pFrame->SetActiveView(m_pView, FALSE);
    }
    void TearDown() override
    {
        if (IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();   // the frame deletes itself
    }

    CMainFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    CNotingView* m_pView = nullptr;
};

TEST_F(MainFrameTest, IsASmallWindowAtTheScreenCentreWithoutMenuAndMaximiseBox)
{
    RECT screen;
    GetClientRect(GetDesktopWindow(), &screen);
    CRect expected((screen.right - 140) / 2, (screen.bottom - 70) / 2, (screen.right - 140) / 2 + 140,
                   (screen.bottom - 70) / 2 + 70);
    CRect window;
    GetWindowRect(m_hFrame, &window);
    EXPECT_EQ(expected, window);
    EXPECT_EQ(expected, CRect(m_pFrame->m_nFrameX, m_pFrame->m_nFrameY, m_pFrame->m_nFrameX + m_pFrame->m_nFrameW,
                              m_pFrame->m_nFrameY + m_pFrame->m_nFrameH));

    char title[32] = "";
    GetWindowTextA(m_hFrame, title, sizeof(title));
    EXPECT_STREQ("Tarnix", title);
    EXPECT_EQ(nullptr, GetMenu(m_hFrame));
    EXPECT_EQ(0u, GetWindowLongA(m_hFrame, GWL_STYLE) & (WS_MAXIMIZEBOX | FWS_ADDTOTITLE));
    EXPECT_NE(0u, GetWindowLongA(m_hFrame, GWL_STYLE) & WS_MINIMIZEBOX);
}

TEST_F(MainFrameTest, ContextMenuCommandsReachTheViewAsMenuChoices)
{
    struct Case
    {
        UINT command;
        WPARAM choice;
    } cases[] = { { 1224, 0 }, { 1226, 2 }, { 1253, 29 }, { 1254, 1254 } };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.command);
        m_pView->m_received.clear();
        SendMessageA(m_hFrame, WM_COMMAND, c.command, 0);
        ASSERT_EQ(1u, m_pView->m_received.size());
        EXPECT_EQ(WM_TARNIX_MENUCHOICE, m_pView->m_received[0].message);
        EXPECT_EQ(c.choice, m_pView->m_received[0].wParam);
    }
}

TEST_F(MainFrameTest, StarterRequestsWithoutAPageWindowHaveNoEffect)
{
    char path[] = "C:\\nowhere\\page.ini";
    for (UINT message : { WM_TARNIX_PLAYVIDEO, WM_TARNIX_ACTIONSOUND, WM_TARNIX_SHOWPAGE })
    {
        SCOPED_TRACE(message);
        EXPECT_EQ(1, SendMessageA(m_hFrame, message, 0, (LPARAM)path));
    }
    EXPECT_TRUE(m_pView->m_received.empty());
    EXPECT_TRUE(IsWindow(m_hFrame));
}

TEST_F(MainFrameTest, PaletteChangesArePassedToTheView)
{
    SendMessageA(m_hFrame, WM_QUERYNEWPALETTE, 0, 0);
    ASSERT_EQ(1u, m_pView->m_received.size());
    EXPECT_EQ((UINT)WM_USER, m_pView->m_received[0].message);
    EXPECT_EQ((WPARAM)m_pView->m_hWnd, m_pView->m_received[0].wParam);

    // Only a change another window caused concerns the view.
    m_pView->m_received.clear();
    SendMessageA(m_hFrame, WM_PALETTECHANGED, (WPARAM)m_hFrame, 0);
    SendMessageA(m_hFrame, WM_PALETTECHANGED, (WPARAM)m_pView->m_hWnd, 0);
    EXPECT_TRUE(m_pView->m_received.empty());
    SendMessageA(m_hFrame, WM_PALETTECHANGED, (WPARAM)GetDesktopWindow(), 0);
    ASSERT_EQ(1u, m_pView->m_received.size());
    EXPECT_EQ((UINT)WM_USER, m_pView->m_received[0].message);
}

} // namespace
