#include "player/PictureDlg.h"

#include "framework/Afx.h"
#include "player/resource.h"

#include "PlayerTestFiles.h"
#include "PlayerTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

using player_test::ScreenSize;
using testing_support::PumpPendingMessages;
using testing_support::TempFolder;

namespace {

TEST(PictureDlgColors, TextIsWhiteOnDarkAndBlackOnLight)
{
    struct Case
    {
        COLORREF background;
        COLORREF text;
    } cases[] = {
        { RGB(255, 255, 255), RGB(0, 0, 0) },
        { RGB(0, 0, 128), RGB(255, 255, 255) },
        { RGB(160, 160, 160), RGB(0, 0, 0) },     // an average of 160 counts as light
        { RGB(159, 160, 160), RGB(255, 255, 255) },
        { RGB(255, 255, 0), RGB(0, 0, 0) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.background);
        EXPECT_EQ(c.text, CPictureDlg::TextColorFor(c.background));
    }
}

// A welcome window made as the start window makes it, shown and painted.
class PictureDlgTest : public ::testing::Test
{
protected:
    void Show()
    {
        ASSERT_TRUE(m_dlg.Create());
        m_dlg.ShowWindow(SW_SHOW);
        m_dlg.UpdateWindow();
        PumpPendingMessages();
        m_hdc = GetDC(m_dlg.m_hWnd);
    }
    void TearDown() override
    {
        if (m_hdc != nullptr)
            ReleaseDC(m_dlg.m_hWnd, m_hdc);
        m_dlg.DestroyWindow();
    }
    int Count(const CRect& rc, COLORREF crColor) const { return player_test::CountPixels(m_hdc, rc, crColor); }
    CRect Client() const
    {
        CRect client;
        m_dlg.GetClientRect(&client);
        return client;
    }
    CSize Extent(int nRow) const
    {
        CClientDC dc(const_cast<CPictureDlg*>(&m_dlg));
        CFont* pOld = dc.SelectObject(m_dlg.GetFont());
        CSize extent = dc.GetTextExtent(m_dlg.m_strText[nRow]);
        dc.SelectObject(pOld);
        return extent;
    }
    CRect TextRow(int nRow) const
    {
        return CRect(0, CPictureDlg::kTextTops[nRow], Client().right, CPictureDlg::kTextTops[nRow] + Extent(nRow).cy);
    }

    CPictureDlg m_dlg;
    HDC m_hdc = nullptr;
};

// Shown for its time, the window stands centred at its template's size,
// ignores Enter and Esc, and paints its texts itself in place of its controls.
TEST_F(PictureDlgTest, CentredItIgnoresEnterAndEscAndPaintsItsTexts)
{
    m_dlg.m_crBackground = RGB(0, 0, 128);
    m_dlg.m_strText[0] = "Willkommen";
    m_dlg.m_strText[3] = "Viel Spaß";
    Show();
    CRect window;
    m_dlg.GetWindowRect(&window);
    CSize screen = ScreenSize();
    EXPECT_EQ((screen.cx - window.Width()) / 2, window.left);
    EXPECT_EQ((screen.cy - window.Height()) / 2, window.top);
    EXPECT_EQ(window.left, m_dlg.m_nX);
    EXPECT_EQ(window.top, m_dlg.m_nY);
    m_dlg.SendMessage(WM_COMMAND, IDOK);
    m_dlg.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(IsWindow(m_dlg.m_hWnd));
    for (int nID = IDC_WELCOME_TEXT1; nID <= IDC_WELCOME_TEXT4; ++nID)
    {
        SCOPED_TRACE(nID);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(m_dlg.m_hWnd, nID)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(m_dlg.m_hWnd, nID)));
    }

    // Light and centred on the dark background; empty rows show only the background.
    for (int nRow : { 0, 3 })
    {
        SCOPED_TRACE(nRow);
        const CRect row = TextRow(nRow);
        const int nLeft = (row.Width() - Extent(nRow).cx) / 2;
        EXPECT_GT(Count(CRect(nLeft, row.top, nLeft + Extent(nRow).cx, row.bottom), RGB(255, 255, 255)), 0);
        EXPECT_EQ(0, Count(row, RGB(0, 0, 0)));
        EXPECT_EQ(0, Count(CRect(0, row.top, nLeft - 1, row.bottom), RGB(255, 255, 255)));
        EXPECT_EQ(0, Count(CRect(nLeft + Extent(nRow).cx + 1, row.top, row.right, row.bottom), RGB(255, 255, 255)));
    }
    CRect row = TextRow(1);
    EXPECT_EQ(row.Width() * row.Height(), Count(row, RGB(0, 0, 128)));
}

TEST_F(PictureDlgTest, AMissingPictureFallsBackToTextsAndIcon)
{
    TempFolder folder;
    testing_support::MessageBoxRecorder boxes;
    m_dlg.m_bImage = TRUE;
    m_dlg.m_strImageFile = folder.File("missing.jpg");
    m_dlg.m_crBackground = RGB(255, 255, 255);
    m_dlg.m_strText[0] = "Willkommen";
    Show();
    EXPECT_FALSE(m_dlg.m_bPictureLoaded);
    EXPECT_EQ(0u, boxes.Count());

    // The template's icon, painted where its control stood.
    EXPECT_NE(nullptr, m_dlg.m_hIcon);
    HWND hIcon = GetDlgItem(m_dlg.m_hWnd, IDC_WELCOME_ICON);
    EXPECT_FALSE(IsWindowVisible(hIcon));
    RECT control;
    GetWindowRect(hIcon, &control);
    MapWindowPoints(nullptr, m_dlg.m_hWnd, (POINT*)&control, 2);
    EXPECT_EQ(control.left, m_dlg.m_nIconX);
    EXPECT_EQ(control.top, m_dlg.m_nIconY);
    CRect icon(m_dlg.m_nIconX, m_dlg.m_nIconY, m_dlg.m_nIconX + 32, m_dlg.m_nIconY + 32);
    EXPECT_LT(Count(icon, RGB(255, 255, 255)), 32 * 32);
    EXPECT_GT(Count(TextRow(0), RGB(0, 0, 0)), 0);

    // With errors shown the failure is reported.
    CPictureDlg reporting;
    reporting.m_bImage = TRUE;
    reporting.m_bShowErrors = TRUE;
    reporting.m_strImageFile = folder.File("missing.jpg");
    ASSERT_TRUE(reporting.Create());
    EXPECT_EQ(1u, boxes.Count());
}

TEST_F(PictureDlgTest, APictureFillsTheWindowInsteadOfTheTexts)
{
    TempFolder folder;
    m_dlg.m_bImage = TRUE;
    m_dlg.m_strImageFile = player_test::WriteBmp(folder, "welcome.bmp", 200, 120, RGB(0, 0, 255));
    m_dlg.m_strText[0] = "Willkommen";
    Show();
    ASSERT_TRUE(m_dlg.m_bDibLoaded);
    CRect window;
    m_dlg.GetWindowRect(&window);
    CSize screen = ScreenSize();
    EXPECT_EQ(CRect((screen.cx - 200) / 2, (screen.cy - 120) / 2, (screen.cx + 200) / 2, (screen.cy + 120) / 2),
              window);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(m_dlg.m_hWnd, IDC_WELCOME_ICON)));
    CRect client = Client();
    EXPECT_EQ(client.Width() * client.Height(), Count(client, RGB(0, 0, 255)));
}

} // namespace
