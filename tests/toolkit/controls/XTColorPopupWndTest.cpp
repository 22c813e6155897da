// The colour picker popup: its size, the keys' walk over the cells, each
// outcome's message with its value, real keys and clicks on an open popup, a
// colour from "More Colors..." becoming a custom cell, and a tool bar's colour
// button passing the outcomes on.
#include "toolkit/controls/XTColorPopupWnd.h"

#include "toolkit/bars/XTToolBar.h"
#include "toolkit/controls/XTColorDialog.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/Dialog.h"
#include "framework/FrameWnd.h"
#include "toolkit/XTRealInput.h"
#include "toolkit/bars/XTTestBarIds.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace toolkit_test;

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kAuto = RGB(1, 2, 3);

// Records the popup's messages: message, colour, value.
class CColorOwner : public CWnd
{
public:
    struct Seen
    {
        UINT nMessage;
        COLORREF clr;
        LPARAM lValue;
        bool operator==(const Seen& o) const { return nMessage == o.nMessage && clr == o.clr && lValue == o.lValue; }
    };
    std::vector<Seen> seen;
    BOOL CreateOwner()
    {
        return CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, CRect(100, 100, 300, 140), nullptr, 0);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_CPN_SELNOCHANGE && message <= WM_CPN_NOFILL && message != WM_CPN_DROPDOWN &&
            message != WM_CPN_CLOSEUP)
            seen.push_back({ message, (COLORREF)wParam, lParam });
        return CWnd::WindowProc(message, wParam, lParam);
    }
    // Whatever the popup sent last; none: 0.
    Seen Last() const { return seen.empty() ? Seen{ 0, 0, 0 } : seen.back(); }
};

class XTColorPopupWndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CXTColorPopupWnd::GetCustomColors().clear();
        ASSERT_TRUE(m_owner.CreateOwner());
    }
    void TearDown() override
    {
        CXTColorPopupWnd::GetCustomColors().clear();
        m_owner.DestroyWindow();
    }
    // A popup under the owner; deletes itself when it closes.
    CXTColorPopupWnd* Open(DWORD dwStyle, COLORREF clrCurrent = kRed)
    {
        CXTColorPopupWnd* pPopup = new CXTColorPopupWnd(TRUE, 77);
        CRect rcAnchor;
        m_owner.GetWindowRect(&rcAnchor);
        EXPECT_TRUE(pPopup->Create(rcAnchor, &m_owner, dwStyle, clrCurrent, kAuto));
        return pPopup;
    }
    CColorOwner m_owner;
};

TEST_F(XTColorPopupWndTest, SixteenColoursWithMoreColorsMeasure158By120)
{
    struct Case
    {
        DWORD dwStyle;
        int nCustom;
        CSize size;
    };
    const Case cases[] = {
        { CPS_XT_MORECOLORS, 0, CSize(158, 120) },
        { 0, 0, CSize(158, 92) },
        { CPS_XT_MORECOLORS | CPS_XT_EXTENDED, 0, CSize(158, 154) },
        { CPS_XT_MORECOLORS, 1, CSize(158, 146) },   // a row of custom colours
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.dwStyle << " " << c.nCustom);
        CXTColorPopupWnd::GetCustomColors().assign((size_t)c.nCustom, RGB(9, 9, 9));
        CXTColorPopupWnd* pPopup = Open(c.dwStyle);
        CRect rect;
        pPopup->GetWindowRect(&rect);
        EXPECT_EQ(c.size, rect.Size());
        pPopup->DestroyWindow();
    }
}

TEST_F(XTColorPopupWndTest, ArrowKeysWalkTheCells)
{
    // 16 colours and "More Colors..." (17); the current colour Red is cell 11.
    CXTColorPopupWnd* pPopup = Open(CPS_XT_MORECOLORS);
    ASSERT_EQ(11, pPopup->GetCurSel());
    struct Case
    {
        UINT nKey;
        int nExpected;
    };
    const Case cases[] = {
        { VK_UP, 3 },   { VK_UP, 0 },     { VK_UP, 17 },  { VK_DOWN, 0 },  { VK_DOWN, 8 },   { VK_DOWN, 16 },
        { VK_DOWN, 17 }, { VK_DOWN, 0 }, { VK_LEFT, 17 }, { VK_RIGHT, 0 }, { VK_RIGHT, 1 }, { VK_LEFT, 0 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.nKey << " to " << c.nExpected);
        pPopup->SendMessage(WM_KEYDOWN, c.nKey, 1);
        EXPECT_EQ(c.nExpected, pPopup->GetCurSel());
    }
    pPopup->DestroyWindow();
}

TEST_F(XTColorPopupWndTest, EachOutcomeSendsItsMessageWithItsValue)
{
    typedef CColorOwner::Seen Seen;
    struct Case
    {
        const char* name;
        DWORD dwStyle;
        int nCell;   // -2: Escape
        Seen expected;
    };
    const Case cases[] = {
        { "another colour", CPS_XT_MORECOLORS, 1, { WM_CPN_SELCHANGE, RGB(0, 0, 0), 77 } },
        { "the current colour", CPS_XT_MORECOLORS, 11, { WM_CPN_SELNOCHANGE, kRed, 77 } },
        { "Automatic", 0, 0, { WM_CPN_SELCHANGE, kAuto, 77 } },
        { "No Fill", CPS_XT_NOFILL, 0, { WM_CPN_NOFILL, (COLORREF)-1, 77 } },
        { "cancelled", 0, -1, { WM_CPN_CANCEL, kRed, 77 } },
        { "Escape", 0, -2, { WM_CPN_CANCEL, kRed, 77 } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_owner.seen.clear();
        CXTColorPopupWnd* pPopup = Open(c.dwStyle);
        HWND hPopup = pPopup->m_hWnd;
        if (c.nCell == -2)
            pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
        else
            pPopup->EndSelection(c.nCell);
        ASSERT_EQ(1u, m_owner.seen.size());
        EXPECT_TRUE(c.expected == m_owner.Last());
        PumpUntil([&] { return !::IsWindow(hPopup); });
        EXPECT_FALSE(::IsWindow(hPopup));
    }
}

TEST_F(XTColorPopupWndTest, RealKeysReachThePopupWhateverWindowHasTheFocus)
{
    // The popup opens without activation: the keys go to this edit's window.
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(420, 300, 720, 400), nullptr, 0));
    BringToFront(edit.m_hWnd);
    typedef CColorOwner::Seen Seen;
    struct Case
    {
        const char* name;
        DWORD dwStyle;
        COLORREF clrCurrent;
        WORD wWalk, wEnd;
        int nHot;   // after the walking key
        Seen expected;
    };
    // Red is cell 11; without "More Colors..." the walk ends at Fuchsia, cell 16.
    const Case cases[] = {
        { "Escape", CPS_XT_MORECOLORS, kRed, VK_DOWN, VK_ESCAPE, 17, { WM_CPN_CANCEL, kRed, 77 } },
        { "down to the last colour", 0, kRed, VK_DOWN, VK_RETURN, 16, { WM_CPN_SELCHANGE, RGB(255, 0, 255), 77 } },
        { "right past the last colour", 0, RGB(255, 0, 255), VK_RIGHT, VK_RETURN, 0, { WM_CPN_SELCHANGE, kAuto, 77 } },
        { "left from Automatic", 0, kAuto, VK_LEFT, VK_SPACE, 16, { WM_CPN_SELCHANGE, RGB(255, 0, 255), 77 } },
        { "up and Space", 0, kRed, VK_UP, VK_SPACE, 3, { WM_CPN_SELCHANGE, RGB(128, 0, 0), 77 } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_owner.seen.clear();
        CXTColorPopupWnd* pPopup = Open(c.dwStyle, c.clrCurrent);
        HWND hPopup = pPopup->m_hWnd;
        EXPECT_EQ(edit.m_hWnd, ::GetFocus());
        PressKeys({ c.wWalk });
        EXPECT_EQ(c.nHot, pPopup->GetCurSel());
        PressKeys({ c.wEnd });
        PumpUntil([&] { return !::IsWindow(hPopup); });
        EXPECT_FALSE(::IsWindow(hPopup));
        ASSERT_EQ(1u, m_owner.seen.size());
        EXPECT_TRUE(c.expected == m_owner.Last());
        // The keys were the popup's alone.
        EXPECT_EQ(0, edit.GetWindowTextLength());
    }
    edit.DestroyWindow();
}

TEST_F(XTColorPopupWndTest, RealClicksChooseACellOrCancelOutside)
{
    CRect rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    typedef CColorOwner::Seen Seen;
    struct Case
    {
        const char* name;
        BOOL bAtBottom;   // the owner at the bottom of the work area: the popup opens above it
        int nCell;        // -1: a click beside the popup
        Seen expected;
    };
    const Case cases[] = {
        { "a cell", FALSE, 1, { WM_CPN_SELCHANGE, RGB(0, 0, 0), 77 } },
        { "outside", FALSE, -1, { WM_CPN_CANCEL, kRed, 77 } },
        { "a cell above the button", TRUE, 16, { WM_CPN_SELCHANGE, RGB(255, 0, 255), 77 } },
        { "outside above the button", TRUE, -1, { WM_CPN_CANCEL, kRed, 77 } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_owner.seen.clear();
        m_owner.SetWindowPos(nullptr, 100, c.bAtBottom ? rcWork.bottom - 40 : 100, 200, 40, SWP_NOZORDER);
        BringToFront(m_owner.m_hWnd);
        CXTColorPopupWnd* pPopup = Open(CPS_XT_MORECOLORS);
        HWND hPopup = pPopup->m_hWnd;
        CRect rcOwner, rcPopup;
        m_owner.GetWindowRect(&rcOwner);
        pPopup->GetWindowRect(&rcPopup);
        EXPECT_EQ(c.bAtBottom ? rcOwner.top : rcOwner.bottom, c.bAtBottom ? rcPopup.bottom : rcPopup.top);
        CPoint pt(rcPopup.right + 30, rcPopup.CenterPoint().y);
        if (c.nCell >= 0)
        {
            pt = pPopup->GetCell(c.nCell)->rect.CenterPoint();
            pPopup->ClientToScreen(&pt);
        }
        Click(pt);
        PumpUntil([&] { return !::IsWindow(hPopup); });
        EXPECT_FALSE(::IsWindow(hPopup));
        ASSERT_EQ(1u, m_owner.seen.size());
        EXPECT_TRUE(c.expected == m_owner.Last());
    }
    ParkMouse();
}

TEST_F(XTColorPopupWndTest, AColourFromMoreColorsBecomesACustomCellNextTime)
{
    const COLORREF kChosen = RGB(10, 200, 5);
    CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog* pDlg) {
        CXTColorDialog* pColor = dynamic_cast<CXTColorDialog*>(pDlg);
        ASSERT_NE(nullptr, pColor);
        pColor->UpdateNewColor(kChosen, TRUE);
        CXTColorDialog::EndWithOK(pColor);
    });
    CXTColorPopupWnd* pPopup = Open(CPS_XT_MORECOLORS);
    ASSERT_EQ(nullptr, pPopup->GetCell(17 + 1));
    pPopup->EndSelection(pPopup->GetLastIndex());
    CDialog::SetModalHook(previous);
    EXPECT_TRUE((CColorOwner::Seen{ WM_CPN_SELCHANGE, kChosen, 77 }) == m_owner.Last());
    PumpFor(20);

    pPopup = Open(CPS_XT_MORECOLORS, kChosen);
    const XT_COLOR_CELL* pCustom = pPopup->GetCell(17);
    ASSERT_NE(nullptr, pCustom);
    EXPECT_EQ(kChosen, pCustom->clr);
    EXPECT_TRUE(pCustom->bSelected);
    EXPECT_EQ(18, pPopup->GetLastIndex());
    pPopup->DestroyWindow();

    // Eight are kept, the oldest goes first.
    for (int i = 0; i < 8; ++i)
        CXTColorPopupWnd::AddCustomColor(RGB(i, 0, 0));
    EXPECT_EQ(8u, CXTColorPopupWnd::GetCustomColors().size());
    EXPECT_EQ(RGB(0, 0, 0), CXTColorPopupWnd::GetCustomColors().front());
}

// The frame records what the tool bar passes on from its colour button.
class CColorFrame : public CFrameWnd
{
public:
    std::vector<std::pair<UINT, LPARAM>> seen;
    void PostNcDestroy() override {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_CPN_SELNOCHANGE && message <= WM_CPN_NOFILL)
            seen.emplace_back(message, lParam);
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(XTColorPopupWndTest, AToolBarColourButtonPassesEveryOutcomeOn)
{
    CColorFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Colours", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(30, 30, 530, 230)));
    BringToFront(frame.m_hWnd);
    CWnd dock;
    ASSERT_TRUE(dock.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 40), &frame, XT_IDW_DOCKBAR_TOP));
    CXTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&dock, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
    ASSERT_TRUE(bar.LoadToolBar(IDR_TEST_BAR));
    bar.SetOwner(&frame);
    CXTButtonInfo* pInfo = bar.AddDropDown(ID_TEST_SAVE, TRUE);
    ASSERT_NE(nullptr, pInfo);
    pInfo->bColorPopup = TRUE;
    pInfo->bColorBar = TRUE;
    pInfo->dwPopupStyle = CPS_XT_NOFILL;
    pInfo->clrSelected = kRed;
    struct Case
    {
        UINT nKey;
        UINT nExpected;
    };
    // Escape cancels; Enter on the current colour (Red) changes nothing; on No Fill, no fill.
    const Case cases[] = { { VK_ESCAPE, WM_CPN_CANCEL }, { VK_RETURN, WM_CPN_SELNOCHANGE }, { VK_HOME, WM_CPN_NOFILL } };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nExpected);
        frame.seen.clear();
        NMTOOLBARA notify = {};
        notify.hdr.hwndFrom = bar.m_hWnd;
        notify.hdr.idFrom = (UINT_PTR)bar.GetDlgCtrlID();
        notify.hdr.code = TBN_DROPDOWN;
        notify.iItem = (int)ID_TEST_SAVE;
        dock.SendMessage(WM_NOTIFY, notify.hdr.idFrom, (LPARAM)&notify);
        HWND hPopup = ::GetCapture();
        ASSERT_NE(nullptr, hPopup);
        if (c.nKey == VK_HOME)
        {
            PressKeys({ VK_UP });   // from Red up to the first row ...
            PressKeys({ VK_UP });   // ... and to No Fill
            PressKeys({ VK_RETURN });
        }
        else
            PressKeys({ (WORD)c.nKey });
        PumpUntil([&] { return !::IsWindow(hPopup); });
        ASSERT_FALSE(frame.seen.empty());
        EXPECT_EQ(c.nExpected, frame.seen.front().first);
        EXPECT_EQ((LPARAM)ID_TEST_SAVE, frame.seen.front().second);
        // The close reaches the frame last, with -1.
        EXPECT_EQ(WM_CPN_CLOSEUP, frame.seen.back().first);
    }
    frame.DestroyWindow();
}

} // namespace
