// The chevron's popup with real input: a bar too short for its buttons opens
// it with the hidden buttons in rows, a chosen command reaches the frame and
// closes it, a borrowed control returns, and the chevron's click opens no
// customise sheet.
#include "toolkit/bars/XTExpMenuWnd.h"
#include "toolkit/bars/XTToolBar.h"
#include "toolkit/controls/XTExpButton.h"

#include "framework/Edit.h"
#include "framework/FrameWnd.h"
#include "toolkit/XTRealInput.h"
#include "toolkit/bars/XTTestBarIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace toolkit_test;

namespace {

const UINT ID_TEST_FIRST = 3920;

class CChevronFrame : public CFrameWnd
{
public:
    BOOL CreateFrame() { return Create(nullptr, "Chevron", WS_OVERLAPPEDWINDOW, CRect(40, 40, 640, 340)); }
    void PostNcDestroy() override {}

    std::vector<UINT> commands;
    int nCustomize = 0;

protected:
    void OnTestCommand(UINT nID) { commands.push_back(nID); }
    void OnCustomize() { ++nCustomize; }
    DECLARE_MESSAGE_MAP()
};

// void OnTestCommand(UINT); void OnCustomize()
BEGIN_MESSAGE_MAP(CChevronFrame, CFrameWnd)
    ON_COMMAND_RANGE(ID_TEST_FIRST, ID_TEST_FIRST + 19, OnTestCommand)
    ON_COMMAND(XT_IDC_CUSTOMIZE, OnCustomize)
END_MESSAGE_MAP()

class XTExpMenuWndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateFrame());
        ASSERT_TRUE(m_dock.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 60), &m_frame,
                                  XT_IDW_DOCKBAR_TOP));
        ASSERT_TRUE(m_bar.CreateEx(&m_dock, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0),
                                   0xE800));
        ASSERT_TRUE(m_bar.LoadToolBar(IDR_TEST_BAR));
        m_bar.SetOwner(&m_frame);
        BringToFront(m_frame.m_hWnd);
    }
    void TearDown() override
    {
        m_frame.DestroyWindow();
        ParkMouse();
    }

    // nCount buttons nWidth wide.
    void SetButtonCount(int nCount, int nWidth)
    {
        std::vector<UINT> ids;
        for (int i = 0; i < nCount; ++i)
            ids.push_back(ID_TEST_FIRST + (UINT)i);
        ASSERT_TRUE(m_bar.SetButtons(ids.data(), nCount));
        m_bar.SetSizes(CSize(nWidth, 22), CSize(16, 15));
    }
    // All but the first hidden behind the chevron.
    void HideAllButFirst(size_t nHidden)
    {
        const int nNeeded = m_bar.CalcFixedLayout(FALSE, TRUE).cx;
        const int nLength = m_bar.HideButtonsToFit(nNeeded, 1, TRUE);
        m_bar.SetWindowPos(nullptr, 0, 0, nLength, 30, SWP_NOZORDER | SWP_NOACTIVATE);
        m_bar.Layout();
        PumpFor(20);
        ASSERT_EQ(nHidden, m_bar.GetHiddenButtons().size());
    }
    CPoint CentreOf(CWnd& wnd)
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        return rect.CenterPoint();
    }
    CXTExpMenuWnd* OpenByClick()
    {
        CXTExpButton* pChevron = m_bar.GetChevron();
        Click(CentreOf(*pChevron));
        PumpUntil([&] { return pChevron->GetPopup() != nullptr; });
        return pChevron->GetPopup();
    }
    // The copies' rows: the width of each as the control places the buttons.
    std::vector<int> RowWidths(CXTToolBar& bar)
    {
        std::vector<int> rows;
        int yRow = -1;
        for (int i = 0; i < bar.GetCount(); ++i)
        {
            TBBUTTON button;
            bar.GetButton(i, &button);
            if (button.fsStyle & TBSTYLE_SEP)
                continue;
            CRect rect;
            bar.GetItemRect(i, &rect);
            if (rect.top != yRow)
                rows.push_back(0);
            yRow = rect.top;
            rows.back() += rect.Width();
        }
        return rows;
    }
    CChevronFrame m_frame;
    CWnd m_dock;
    CXTToolBar m_bar;
};

TEST_F(XTExpMenuWndTest, RowsWrapAtSixButtonsOrAt250PixelsForWideButtons)
{
    struct Case
    {
        int nWidth;
        int nLimit;
        size_t nRows;
    };
    // Twelve hidden buttons: two full rows of six at 180 pixels; wide ones
    // need three rows within 250.
    const Case cases[] = {
        { 30, 180, 2 },
        { 42, 250, 3 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nWidth);
        SetButtonCount(13, c.nWidth);
        HideAllButFirst(12);
        ASSERT_EQ(c.nWidth, m_bar.GetHiddenButtons().at(12));
        CXTExpMenuWnd* pPopup = OpenByClick();
        ASSERT_NE(nullptr, pPopup);
        std::vector<int> rows = RowWidths(pPopup->GetHiddenBar());
        EXPECT_EQ(c.nRows, rows.size());
        for (int cx : rows)
            EXPECT_LE(cx, c.nLimit);
        EXPECT_GT(c.nWidth + *std::max_element(rows.begin(), rows.end()), c.nLimit);
        // Not customisable: no "Customize..." entry.
        EXPECT_EQ(nullptr, pPopup->GetCustomizeBar().m_hWnd);
        m_bar.GetChevron()->ClosePopup();
        PumpFor(20);
        m_bar.ShowAllHidden();
    }
    EXPECT_EQ(0, m_frame.nCustomize);
}

TEST_F(XTExpMenuWndTest, AChosenHiddenCommandReachesTheFrameAndClosesThePopup)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 50, 20), &m_bar, ID_TEST_FIRST + 9));
    SetButtonCount(10, 23);
    ASSERT_TRUE(m_bar.SetButtonCtrl(&edit));
    HideAllButFirst(9);
    CXTExpMenuWnd* pPopup = OpenByClick();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(0, m_frame.nCustomize);
    CXTHiddenButtonsToolbar& hidden = pPopup->GetHiddenBar();
    // The borrowed control sits on the popup's bar.
    EXPECT_EQ(hidden.m_hWnd, ::GetParent(edit.m_hWnd));

    CRect rcButton;
    hidden.GetItemRect(hidden.CommandToIndex(ID_TEST_FIRST + 4), &rcButton);
    hidden.ClientToScreen(&rcButton);
    Click(rcButton.CenterPoint());
    PumpUntil([&] { return !m_frame.commands.empty(); });
    EXPECT_EQ(std::vector<UINT>{ ID_TEST_FIRST + 4 }, m_frame.commands);
    EXPECT_EQ(nullptr, m_bar.GetChevron()->GetPopup());
    EXPECT_EQ(m_bar.m_hWnd, ::GetParent(edit.m_hWnd));
    EXPECT_EQ(0, m_frame.nCustomize);
}

} // namespace
