#include "player/LoadingDlg.h"

#include "framework/Afx.h"
#include "player/resource.h"

#include "PlayerTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::PumpPendingMessages;

namespace {

class LoadingDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pDlg = new CLoadingDlg(&m_pDlg);
        ASSERT_TRUE(m_pDlg->Create());
        ASSERT_TRUE(IsWindow(m_pDlg->m_hWnd));
        m_hWnd = m_pDlg->m_hWnd;
    }
    void TearDown() override
    {
        if (m_pDlg != nullptr)
            m_pDlg->DestroyWindow();
        EXPECT_EQ(nullptr, m_pDlg);
    }
    CLoadingDlg* m_pDlg = nullptr;
    HWND m_hWnd = nullptr;
};

TEST_F(LoadingDlgTest, IsCentredWithItsIconBelowTheText)
{
    RECT window;
    GetWindowRect(m_hWnd, &window);
    EXPECT_EQ(CLoadingDlg::kWidth, window.right - window.left);
    EXPECT_EQ(CLoadingDlg::kHeight, window.bottom - window.top);
    RECT desktop;
    GetClientRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ((desktop.right - CLoadingDlg::kWidth) / 2, window.left);
    EXPECT_EQ((desktop.bottom - CLoadingDlg::kHeight) / 2, window.top);

    HWND hIcon = GetDlgItem(m_hWnd, IDC_LOADING_ICON);
    ASSERT_NE(nullptr, hIcon);
    RECT icon;
    GetWindowRect(hIcon, &icon);
    MapWindowPoints(nullptr, m_hWnd, (POINT*)&icon, 2);
    EXPECT_EQ((CLoadingDlg::kWidth - 32) / 2, icon.left);
    EXPECT_EQ(CLoadingDlg::kIconTop, icon.top);
    EXPECT_EQ(32, icon.right - icon.left);
    EXPECT_EQ(32, icon.bottom - icon.top);
}

bool HasInk(HDC hdc, int left, int right, int top, int bottom)
{
    return player_test::HasInk(hdc, CRect(left, top, right, bottom), RGB(255, 255, 255));
}

TEST_F(LoadingDlgTest, PaintsTwoCentredLinesOnWhite)
{
    ShowWindow(m_hWnd, SW_SHOW);
    UpdateWindow(m_hWnd);
    PumpPendingMessages();
    RECT client;
    GetClientRect(m_hWnd, &client);
    HDC hdc = GetDC(m_hWnd);
    SIZE name, loading;
    GetTextExtentPoint32A(hdc, "Tarnix.exe", 10, &name);
    GetTextExtentPoint32A(hdc, "Loading...", 10, &loading);

    struct Line
    {
        LPCSTR text;
        SIZE extent;
        int top;
    } lines[] = {
        { "Tarnix.exe", name, CLoadingDlg::kNameTop },
        { "Loading...", loading, CLoadingDlg::kLoadingTop },
    };
    for (const Line& line : lines)
    {
        SCOPED_TRACE(line.text);
        int left = (client.right - line.extent.cx) / 2;
        int bottom = line.top + line.extent.cy;
        EXPECT_TRUE(HasInk(hdc, left, left + line.extent.cx, line.top, bottom));
        // Nothing beside the centred text.
        EXPECT_FALSE(HasInk(hdc, 0, left - 1, line.top, bottom));
        EXPECT_FALSE(HasInk(hdc, left + line.extent.cx + 1, client.right, line.top, bottom));
    }
    // White above the first line and between the lines.
    EXPECT_FALSE(HasInk(hdc, 0, client.right, 0, CLoadingDlg::kNameTop));
    EXPECT_FALSE(HasInk(hdc, 0, client.right, CLoadingDlg::kNameTop + name.cy, CLoadingDlg::kLoadingTop));
    ReleaseDC(m_hWnd, hdc);
}

// The message loop offers every message to the dialog first: Esc closes it as
// Cancel does, and its owner forgets it.
TEST_F(LoadingDlgTest, EscapeOrCancelDestroysTheWindowAndItsOwnerForgetsIt)
{
    MSG msg = { m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, { 0, 0 } };
    EXPECT_TRUE(m_pDlg->PreTranslateMessage(&msg));
    EXPECT_FALSE(IsWindow(m_hWnd));
    EXPECT_EQ(nullptr, m_pDlg);

    SetUp();
    SendMessageA(m_hWnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindow(m_hWnd));
    EXPECT_EQ(nullptr, m_pDlg);
}

} // namespace
