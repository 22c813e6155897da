// The toolkit's tool bar on a real tool bar control docked at the top of a
// test frame: loading from resources, button states and their updates,
// drop-down buttons, wrapping and sizes measured from the control, hiding
// buttons behind the chevron and showing them again, tool tip texts, the
// coalesced relayout, the hot item under real input and the image well
// reloaded for new colours.
#include "toolkit/bars/XTToolBar.h"
#include "toolkit/bars/XTAccelManager.h"
#include "toolkit/bars/XTCommandItem.h"
#include "toolkit/bars/XTMenuState.h"
#include "toolkit/controls/XTExpButton.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/XTTestCanvas.h"

#include "framework/ClientDC.h"
#include "framework/CmdUI.h"
#include "framework/FrameWnd.h"
#include "framework/ToolBar.h"
#include "helpers/TestSupport.h"
#include "toolkit/XTContextMenuSeen.h"
#include "toolkit/XTRealInput.h"
#include "toolkit/bars/XTSeenInput.h"
#include "toolkit/bars/XTTestBarIds.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {


// The resource's order: two buttons, a separator, two, a separator, two.
const UINT kLoadedIDs[] = { ID_TEST_NEW, ID_TEST_OPEN, 0, ID_TEST_SAVE, ID_TEST_CUT, 0, ID_TEST_COPY, ID_TEST_PASTE };
const int kButtonCount = 8;

// The frame answers the commands' updates the way a test sets them.
class CTestFrame : public CFrameWnd
{
public:
    BOOL CreateFrame() { return Create(nullptr, "Bar", WS_OVERLAPPEDWINDOW, CRect(30, 30, 730, 330)); }
    void PostNcDestroy() override {}

    BOOL bEnableSave = TRUE;
    int nCheckCut = 0;
    std::vector<std::pair<WPARAM, CRect>> dropDowns;   // XTWM_DROPDOWN_NOPOPUP: command, rectangle
    LRESULT nDropDownAnswer = 0;

protected:
    void OnNew() {}
    void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->Enable(bEnableSave); }
    void OnUpdateCut(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetCheck(nCheckCut);
    }
    LRESULT OnDropDownWithoutPopup(WPARAM wParam, LPARAM lParam)
    {
        const NMTOOLBARA* pNotify = reinterpret_cast<NMTOOLBARA*>(wParam);
        dropDowns.emplace_back((WPARAM)pNotify->iItem, *reinterpret_cast<RECT*>(lParam));
        return nDropDownAnswer;
    }
    DECLARE_MESSAGE_MAP()
};

// void OnNew(); void OnUpdateX(CCmdUI*); LRESULT OnX(WPARAM, LPARAM)
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(ID_TEST_NEW, OnNew)
    ON_UPDATE_COMMAND_UI(ID_TEST_SAVE, OnUpdateSave)
    ON_UPDATE_COMMAND_UI(ID_TEST_CUT, OnUpdateCut)
    ON_MESSAGE(XTWM_DROPDOWN_NOPOPUP, OnDropDownWithoutPopup)
END_MESSAGE_MAP()

// The frame's top dock bar: the bar counts as docked horizontally. It
// records the band resize requests a rebar host would act on.
class CTestDock : public CWnd
{
public:
    std::vector<std::pair<HWND, LPARAM>> resizes;

protected:
    LRESULT OnBandResize(WPARAM wParam, LPARAM lParam)
    {
        resizes.emplace_back((HWND)wParam, lParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

// LRESULT OnBandResize(WPARAM, LPARAM)
BEGIN_MESSAGE_MAP(CTestDock, CWnd)
    ON_MESSAGE(XTWM_BAND_RESIZE, OnBandResize)
END_MESSAGE_MAP()

// Counts the relayouts that act and the entries the control is given.
class CTestToolBar : public CXTToolBar
{
public:
    int nUpdates = 0;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override
    {
        ++nUpdates;
        CXTToolBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    }
    using CXTToolBar::CalcLayout;
    using CXTToolBar::GetInsideInsets;
};

void PumpMessages() { testing_support::PumpPendingMessages(); }

// Counts the buttons the control deletes (each rewrite deletes one).
class DeleteCounter
{
public:
    explicit DeleteCounter(HWND hWnd)
    {
        s_hWnd = hWnd;
        s_nDeletes = 0;
        m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~DeleteCounter() { ::UnhookWindowsHookEx(m_hHook); }
    int Count() const { return s_nDeletes; }

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* p = reinterpret_cast<CWPSTRUCT*>(lParam);
        if (nCode == HC_ACTION && p->hwnd == s_hWnd && p->message == TB_DELETEBUTTON)
            ++s_nDeletes;
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    HHOOK m_hHook;
    static HWND s_hWnd;
    static int s_nDeletes;
};
HWND DeleteCounter::s_hWnd = nullptr;
int DeleteCounter::s_nDeletes = 0;

class XTToolBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateFrame());
        ASSERT_TRUE(m_dock.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 700, 60), &m_frame,
                                  XT_IDW_DOCKBAR_TOP));
    }
    void TearDown() override { m_frame.DestroyWindow(); }

    void CreateBar(DWORD dwCtrlStyle = 0)
    {
        ASSERT_TRUE(m_bar.CreateEx(&m_dock, dwCtrlStyle, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0),
                                   0xE800));
        ASSERT_TRUE(m_bar.LoadToolBar(IDR_TEST_BAR));
        PumpMessages();
    }
    CRect ItemRect(int nIndex)
    {
        CRect rect;
        m_bar.GetItemRect(nIndex, &rect);
        return rect;
    }
    // The sum of the visible entries' widths as the control measures them.
    int RowWidth()
    {
        int cx = 0;
        for (int i = 0; i < m_bar.GetCount(); ++i)
            if (!(m_bar.GetButtonStyle(i) & TBBS_HIDDEN))
                cx += ItemRect(i).Width();
        return cx;
    }
    int InsetsAlong()
    {
        CRect insets = m_bar.GetInsideInsets(TRUE);
        return insets.left + insets.right;
    }
    std::string HiddenPattern()
    {
        std::string s;
        for (int i = 0; i < m_bar.GetCount(); ++i)
            s += (m_bar.GetButtonStyle(i) & TBBS_HIDDEN) ? 'h' : '.';
        return s;
    }

    CTestFrame m_frame;
    CTestDock m_dock;
    CTestToolBar m_bar;
};

TEST_F(XTToolBarTest, LoadsButtonsImagesAndSeparatorsFromTheResource)
{
    struct Case
    {
        const char* name;
        DWORD dwCtrlStyle;
        int cxSeparator;
    };
    // The flat style is off while a resource loads: separators are 8 wide,
    // or 6 with common controls of exactly 4.72.
    const int cxClassic = xtAfxData.QueryComCtlVersion() == 0x40048 ? 6 : 8;
    const Case cases[] = {
        { "flat", TBSTYLE_FLAT, cxClassic },
        { "classic", 0, cxClassic },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CreateBar(c.dwCtrlStyle);
        ASSERT_EQ(kButtonCount, m_bar.GetCount());
        int iImage = 0;
        for (int i = 0; i < kButtonCount; ++i)
        {
            SCOPED_TRACE(i);
            UINT nID, nStyle;
            int iBitmap;
            m_bar.GetButtonInfo(i, nID, nStyle, iBitmap);
            EXPECT_EQ(kLoadedIDs[i], nID);
            EXPECT_EQ(kLoadedIDs[i] == 0 ? (UINT)TBSTYLE_SEP : (UINT)TBSTYLE_BUTTON, LOWORD(nStyle));
            EXPECT_EQ(kLoadedIDs[i] == 0 ? c.cxSeparator : iImage++, iBitmap);
            // Enabled reads as a zero state.
            EXPECT_EQ(0u, HIWORD(nStyle));
        }
        EXPECT_EQ(CSize(23, 22), m_bar.GetButtonSize());
        EXPECT_EQ(CSize(16, 15), m_bar.GetImageSize());
        // The flat style is back after loading.
        EXPECT_EQ(c.dwCtrlStyle, m_bar.GetStyle() & TBSTYLE_FLAT);
        EXPECT_NE(nullptr, (HIMAGELIST)m_bar.SendMessage(TB_GETIMAGELIST));
        // A button set of the flat control's own has narrower separators.
        const UINT ids[] = { ID_TEST_NEW, 0, ID_TEST_OPEN };
        ASSERT_TRUE(m_bar.SetButtons(ids, 3));
        TBBUTTON separator;
        ASSERT_TRUE(m_bar.GetButton(1, &separator));
        EXPECT_EQ(c.dwCtrlStyle ? 6 : cxClassic, separator.iBitmap);
        m_bar.DestroyWindow();
    }
}

TEST_F(XTToolBarTest, WritingAButtonBackUnchangedLeavesTheControlAlone)
{
    CreateBar();
    struct Case
    {
        const char* name;
        int nIndex;
        BYTE fsStateXor;   // applied to the state read
        int nDeletes;
        int nResult;
    };
    const Case cases[] = {
        { "unchanged", 1, 0, 0, 1 },
        { "disabled", 1, XT_TBSTATE_DISABLED, 1, 1 },
        { "checked", 3, TBSTATE_CHECKED, 1, 3 },
        { "no such index", -1, 0, 0, -1 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        TBBUTTON button = {};
        if (c.nIndex >= 0)
        {
            ASSERT_TRUE(m_bar.GetButton(c.nIndex, &button));
        }
        button.fsState ^= c.fsStateXor;
        DeleteCounter counter(m_bar.m_hWnd);
        EXPECT_EQ(c.nResult, m_bar.SetButton(c.nIndex, &button));
        EXPECT_EQ(c.nDeletes, counter.Count());
        if (c.nIndex < 0)
            continue;
        // The control holds the enabled bit the other way round.
        TBBUTTON control = {};
        m_bar.SendMessage(TB_GETBUTTON, (WPARAM)c.nIndex, (LPARAM)&control);
        EXPECT_EQ((button.fsState & XT_TBSTATE_DISABLED) == 0, (control.fsState & TBSTATE_ENABLED) != 0);
        button.fsState ^= c.fsStateXor;
        m_bar.SetButton(c.nIndex, &button);
    }
}

TEST_F(XTToolBarTest, CommandUpdatesSetEnabledCheckedAndIndeterminateStates)
{
    CreateBar();
    struct Case
    {
        const char* name;
        BOOL bEnableSave;
        int nCheckCut;
        DWORD dwSaveState;   // high word of the style
        DWORD dwCutState;
    };
    const Case cases[] = {
        { "enabled, unchecked", TRUE, 0, 0, 0 },
        { "disabled, checked", FALSE, 1, XT_TBSTATE_DISABLED, TBSTATE_CHECKED },
        { "indeterminate", TRUE, 2, 0, TBSTATE_INDETERMINATE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_frame.bEnableSave = c.bEnableSave;
        m_frame.nCheckCut = c.nCheckCut;
        m_bar.OnUpdateCmdUI(&m_frame, TRUE);
        EXPECT_EQ(c.dwSaveState, HIWORD(m_bar.GetButtonStyle(3)));
        EXPECT_EQ(c.dwCutState, HIWORD(m_bar.GetButtonStyle(4)));
        // The check box style stays once a check was set.
        EXPECT_TRUE(LOWORD(m_bar.GetButtonStyle(4)) & TBSTYLE_CHECK);
    }
    // Commands without a handler are disabled; one with a handler is not.
    EXPECT_EQ((DWORD)XT_TBSTATE_DISABLED, HIWORD(m_bar.GetButtonStyle(1)));
    EXPECT_EQ(0u, HIWORD(m_bar.GetButtonStyle(0)));
    // A whole drop-down button is not disabled without its handler.
    m_bar.SetButtonStyle(6, LOWORD(m_bar.GetButtonStyle(6)) | BTNS_WHOLEDROPDOWN | TBBS_PRESSED);
    m_bar.OnUpdateCmdUI(&m_frame, TRUE);
    EXPECT_EQ((DWORD)TBSTATE_PRESSED, HIWORD(m_bar.GetButtonStyle(6)));
    EXPECT_EQ((DWORD)XT_TBSTATE_DISABLED, HIWORD(m_bar.GetButtonStyle(7)));

    // A popup the customisation manager would supply: without one the
    // button stays disabled whatever its handler says.
    m_bar.AddDropDown(ID_TEST_SAVE)->bManagerPopup = TRUE;
    m_frame.bEnableSave = TRUE;
    m_bar.OnUpdateCmdUI(&m_frame, TRUE);
    EXPECT_EQ((DWORD)XT_TBSTATE_DISABLED, HIWORD(m_bar.GetButtonStyle(3)));
}

// What a thread timer sees while a drop-down menu is open, before it closes it.
struct DropDownSeen
{
    static DropDownSeen* pActive;
    CXTToolBar* pBar = nullptr;
    BOOL bSeen = FALSE;
    int nDropped = -2;
    CRect rcPublished;
    UINT nAlign = 0;
    std::vector<std::string> items;

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        HMENU hMenu = toolkit_test::FindOpenPopupMenu();
        if (hMenu == nullptr || pActive->bSeen)
            return;
        for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
        {
            char szText[64] = "";
            ::GetMenuStringA(hMenu, i, szText, sizeof(szText), MF_BYPOSITION);
            pActive->items.push_back(szText);
        }
        pActive->nDropped = pActive->pBar->GetDroppedIndex();
        pActive->rcPublished = GetXTMenuState().rcMenuBarItem;
        pActive->nAlign = GetXTMenuState().nMenuBarAlign;
        pActive->bSeen = TRUE;
        ::EndMenu();
    }
};
DropDownSeen* DropDownSeen::pActive = nullptr;

// The control's drop-down notification as its parent receives it.
void SendDropDown(CWnd& parent, CXTToolBar& bar, UINT nCommand)
{
    NMTOOLBARA notify = {};
    notify.hdr.hwndFrom = bar.m_hWnd;
    notify.hdr.idFrom = (UINT_PTR)bar.GetDlgCtrlID();
    notify.hdr.code = TBN_DROPDOWN;
    notify.iItem = (int)nCommand;
    parent.SendMessage(WM_NOTIFY, notify.hdr.idFrom, (LPARAM)&notify);
}

TEST_F(XTToolBarTest, ADropDownWithAMenuTracksItsFirstPopupUnderTheButton)
{
    CreateBar(TBSTYLE_FLAT);
    CXTButtonInfo* pInfo = m_bar.AddDropDown(ID_TEST_OPEN, TRUE);
    ASSERT_NE(nullptr, pInfo);
    pInfo->nMenuID = IDR_TEST_BARMENU;
    EXPECT_EQ(pInfo, m_bar.FindDropDownInfo(ID_TEST_OPEN));
    EXPECT_EQ(nullptr, m_bar.FindDropDownInfo(ID_TEST_NEW));
    EXPECT_TRUE(LOWORD(m_bar.GetButtonStyle(1)) & TBSTYLE_DROPDOWN);
    EXPECT_TRUE(m_bar.SendMessage(TB_GETEXTENDEDSTYLE) & TBSTYLE_EX_DRAWDDARROWS);
    // A second call keeps the record.
    EXPECT_EQ(pInfo, m_bar.AddDropDown(ID_TEST_OPEN));

    DropDownSeen seen;
    seen.pBar = &m_bar;
    DropDownSeen::pActive = &seen;
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, 30, &DropDownSeen::OnTimer);
    SendDropDown(m_dock, m_bar, ID_TEST_OPEN);
    ::KillTimer(nullptr, nTimer);
    DropDownSeen::pActive = nullptr;

    ASSERT_TRUE(seen.bSeen);
    EXPECT_EQ((std::vector<std::string>{ "First", "Second" }), seen.items);
    EXPECT_EQ(1, seen.nDropped);
    CRect rcButton = ItemRect(1);
    m_bar.ClientToScreen(&rcButton);
    EXPECT_EQ(rcButton, seen.rcPublished);
    EXPECT_EQ((UINT)CBRS_ALIGN_TOP, seen.nAlign);
    // Released after the menu.
    EXPECT_EQ(-1, m_bar.GetDroppedIndex());
}

TEST_F(XTToolBarTest, ADropDownWithoutAPopupAsksTheOwner)
{
    CreateBar(TBSTYLE_FLAT);
    m_bar.AddDropDown(ID_TEST_SAVE);
    m_bar.SetOwner(&m_frame);
    struct Case
    {
        const char* name;
        LRESULT nAnswer;
        int nDroppedAfter;
    };
    const Case cases[] = {
        { "the owner shows nothing: released at once", 0, -1 },
        { "the owner shows its own popup: stays pressed", 1, 3 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_frame.dropDowns.clear();
        m_frame.nDropDownAnswer = c.nAnswer;
        SendDropDown(m_frame, m_bar, ID_TEST_SAVE);
        ASSERT_EQ(1u, m_frame.dropDowns.size());
        EXPECT_EQ((WPARAM)ID_TEST_SAVE, m_frame.dropDowns[0].first);
        CRect rcButton = ItemRect(3);
        m_bar.ClientToScreen(&rcButton);
        EXPECT_EQ(rcButton, m_frame.dropDowns[0].second);
        EXPECT_EQ(c.nDroppedAfter, m_bar.GetDroppedIndex());
    }
}

TEST_F(XTToolBarTest, RowsWrapForTheRequestedWidthFromMeasuredButtonSizes)
{
    CreateBar();
    m_bar.SetBarStyle(m_bar.GetBarStyle() | CBRS_SIZE_DYNAMIC);
    PumpMessages();
    // A text makes its button wider than the others: every width is measured.
    ASSERT_TRUE(m_bar.SetButtonText(0, "A long caption"));
    m_bar.CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    EXPECT_EQ(CString("A long caption"), m_bar.GetButtonText(0));
    EXPECT_EQ(CString(), m_bar.GetButtonText(1));
    std::vector<int> widths;
    for (int i = 0; i < kButtonCount; ++i)
        widths.push_back(ItemRect(i).Width());
    // The control gives every button of a bar without the list style the widest text's width.
    ASSERT_GT(widths[1], m_bar.GetButtonSize().cx);
    const int cyButton = ItemRect(1).Height();
    const CRect insets = m_bar.GetInsideInsets(TRUE);
    const int cxInsets = insets.left + insets.right, cyInsets = insets.top + insets.bottom;
    int cxAll = 0;
    for (int cx : widths)
        cxAll += cx;

    struct Case
    {
        const char* name;
        int nWidth;   // the room for the buttons
        int nRows;
    };
    const Case cases[] = {
        { "one row", cxAll, 1 },
        { "one pixel less: two rows", cxAll - 1, 2 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CSize size = m_bar.CalcDynamicLayout(c.nWidth + cxInsets, LM_HORZ | LM_COMMIT);
        // Rows end at separators, which then lie across the bar; the size
        // follows from the measured widths.
        int nRows = 1, cxRow = 0, cxWidest = 0, cyRows = cyButton;
        for (int i = 0; i < kButtonCount; ++i)
        {
            SCOPED_TRACE(i);
            const BOOL bWrapped = (m_bar.GetButtonStyle(i) & TBBS_WRAPPED) != 0;
            if (!bWrapped)
            {
                cxRow += widths[(size_t)i];
                cxWidest = std::max(cxWidest, cxRow);
                continue;
            }
            EXPECT_EQ(0u, kLoadedIDs[i]);
            cxWidest = std::max(cxWidest, cxRow);
            cyRows += cyButton + widths[(size_t)i];
            cxRow = 0;
            ++nRows;
            // The control starts the next row below.
            EXPECT_GE(ItemRect(i + 1).top, cyButton);
            EXPECT_EQ(0, ItemRect(i + 1).left);
        }
        EXPECT_EQ(c.nRows, nRows);
        EXPECT_LE(cxWidest, c.nWidth);
        EXPECT_EQ(CSize(cxWidest + cxInsets, cyRows + cyInsets), size);
    }
}

TEST_F(XTToolBarTest, HidesButtonsFromTheRightUntilTheRowAndTheChevronFit)
{
    CreateBar(TBSTYLE_FLAT);
    const int nNeeded = m_bar.CalcFixedLayout(FALSE, TRUE).cx;
    ASSERT_EQ(RowWidth() + InsetsAlong(), nNeeded);
    EXPECT_FALSE(m_bar.HasHiddenButtons());
    const int cxLast = ItemRect(7).Width(), cxBeforeLast = ItemRect(6).Width();
    struct Case
    {
        const char* name;
        int nAvailable;
        const char* hidden;
    };
    const Case cases[] = {
        { "exactly the needed length", nNeeded, "........" },
        { "room for all but the last button and the chevron", nNeeded - cxLast + XT_CHEVRON_RESERVE, ".......h" },
        { "one pixel less", nNeeded - cxLast + XT_CHEVRON_RESERVE - 1, "......hh" },
        { "no room keeps the first button", 1, ".hhhhhhh" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_bar.ShowButtonsToFit(nNeeded, 0x7FFF, TRUE);
        ASSERT_EQ("........", HiddenPattern());
        // The bar's length after hiding.
        const int nLength = m_bar.HideButtonsToFit(nNeeded, c.nAvailable, TRUE);
        EXPECT_EQ(m_bar.CalcFixedLayout(FALSE, TRUE).cx, nLength);
        EXPECT_EQ(c.hidden, HiddenPattern());
        if (c.hidden[7] == 'h' && c.nAvailable > 1)
        {
            // The hidden buttons keep the widths they had.
            EXPECT_EQ(cxLast, m_bar.GetHiddenButtons().at(7));
            EXPECT_LE(m_bar.CalcFixedLayout(FALSE, TRUE).cx, c.nAvailable);
        }
        if (c.hidden[6] == 'h')
        {
            EXPECT_EQ(cxBeforeLast, m_bar.GetHiddenButtons().at(6));
        }
    }
    // The chevron shows at the end of the room given, while buttons hide.
    CXTExpButton* pChevron = m_bar.GetChevron();
    ASSERT_NE(nullptr, pChevron);
    m_bar.ShowButtonsToFit(nNeeded, 0x7FFF, TRUE);
    const int nAvailable = nNeeded - cxLast + XT_CHEVRON_RESERVE;
    m_bar.HideButtonsToFit(nNeeded, nAvailable, TRUE);
    PumpMessages();
    EXPECT_TRUE(pChevron->GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(pChevron->IsUseful());
    CRect rcChevron;
    pChevron->GetWindowRect(&rcChevron);
    m_bar.ScreenToClient(&rcChevron);
    EXPECT_EQ(CPoint(nAvailable - InsetsAlong() - 12, 1), rcChevron.TopLeft());
    EXPECT_EQ(12, rcChevron.Width());

    // A new bar style shows them all again.
    m_bar.SetBarStyle(m_bar.GetBarStyle() | CBRS_BORDER_TOP);
    EXPECT_EQ("........", HiddenPattern());
}

TEST_F(XTToolBarTest, TheChevronsRoomCountsWhereTheChevronShowsAlongTheBar)
{
    CreateBar();
    const int cxRow = RowWidth();
    struct Case
    {
        const char* name;
        BOOL bCustomizable;
        BOOL bDocked;
        int cxReserve;
    };
    const Case cases[] = {
        { "docked, nothing to offer", FALSE, TRUE, 0 },
        { "docked and customisable", TRUE, TRUE, XT_CHEVRON_RESERVE },
        { "floating and customisable", TRUE, FALSE, 0 },
    };
    CWnd floating;
    ASSERT_TRUE(floating.Create("STATIC", "", WS_CHILD, CRect(0, 0, 700, 60), &m_frame, 4712));
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_bar.SetParent(c.bDocked ? (CWnd*)&m_dock : &floating);
        m_bar.RegisterCustomize(c.bCustomizable);
        EXPECT_EQ(c.bDocked, m_bar.IsHorizontal());
        EXPECT_EQ(cxRow + InsetsAlong() + c.cxReserve, m_bar.CalcFixedLayout(FALSE, TRUE).cx);
    }
    // Docked on the left: a column of buttons, the chevron's room below it.
    CWnd left;
    ASSERT_TRUE(left.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 500), &m_frame,
                            XT_IDW_DOCKBAR_LEFT));
    m_bar.SetParent(&left);
    m_bar.RegisterCustomize(FALSE);
    EXPECT_FALSE(m_bar.IsHorizontal());
    const CSize sizePlain = m_bar.CalcFixedLayout(FALSE, FALSE);
    EXPECT_LT(sizePlain.cx, sizePlain.cy);
    m_bar.RegisterCustomize(TRUE);
    EXPECT_EQ(CSize(sizePlain.cx, sizePlain.cy + XT_CHEVRON_RESERVE), m_bar.CalcFixedLayout(FALSE, FALSE));
    m_bar.SetParent(&m_dock);
    m_bar.RegisterCustomize(FALSE);
}

TEST_F(XTToolBarTest, PaintsThroughAnOffScreenBitmapAndCallsItsPaintCallbacks)
{
    CreateBar(TBSTYLE_FLAT);
    const CSize size = m_bar.CalcFixedLayout(FALSE, TRUE);
    m_bar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    m_frame.ShowWindow(SW_SHOWNOACTIVATE);
    struct Seen
    {
        int nCalls = 0;
        COLORREF clrAtOrigin = CLR_INVALID;
    } seen;
    m_bar.AddPaintCallback(&seen, [](void* pContext, CDC* pDC) {
        Seen* p = static_cast<Seen*>(pContext);
        ++p->nCalls;
        p->clrAtOrigin = pDC->GetPixel(0, 0);
        // The marker a customise mode would draw lands on the screen with the rest.
        pDC->FillSolidRect(0, 0, 2, 2, RGB(0, 0, 255));
    });
    m_bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(1, seen.nCalls);
    EXPECT_NE(CLR_INVALID, seen.clrAtOrigin);
    CClientDC dc(&m_bar);
    EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(1, 1));
    m_bar.RemovePaintCallbacks(&seen);
    m_bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(1, seen.nCalls);
}

TEST_F(XTToolBarTest, TheHotItemStaysWhileTheLeftButtonIsDown)
{
    using namespace toolkit_test;
    CreateBar(TBSTYLE_FLAT);
    const CSize size = m_bar.CalcFixedLayout(FALSE, TRUE);
    m_bar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    BringToFront(m_frame.m_hWnd);
    CRect rcFrame;
    m_frame.GetClientRect(&rcFrame);
    m_frame.ClientToScreen(&rcFrame);
    const CPoint ptFree(rcFrame.left + 300, rcFrame.top + 150);
    // Save and Cut: buttons the frame enables (a disabled button is never hot).
    CPoint ptFirst = ItemRect(3).CenterPoint(), ptSecond = ItemRect(4).CenterPoint();
    m_bar.ClientToScreen(&ptFirst);
    m_bar.ClientToScreen(&ptSecond);
    // The pointer comes from the frame onto the first button, then the
    // second; the program asks for a hot item of its own on the way. While
    // the left button is down (pressed elsewhere) the hot item only comes
    // and goes, it never moves from one button to another. Leaving the bar
    // is seen a little later (the bar tracks the pointer's leaving): each
    // step waits for its state.
    struct Step
    {
        const char* name;
        DWORD dwFlags;   // the mouse event, with ...
        CPoint pt;       // ... its point (none: the program's TB_SETHOTITEM)
        int nSetHot;
        LRESULT nHot;    // the hot item afterwards
    };
    const CPoint none(-1, -1);
    const struct
    {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        { "the button up",
          { { "on the frame", 0, ptFree, 0, -1 },
            { "onto the first", 0, ptFirst, 0, 3 },
            { "onto the second", 0, ptSecond, 0, 4 },
            { "the program's first", 0, none, 3, 3 },
            { "the program's second", 0, none, 4, 4 } } },
        { "the button down",
          { { "on the frame", 0, ptFree, 0, -1 },
            { "pressed there", MOUSEEVENTF_LEFTDOWN, ptFree, 0, -1 },
            { "onto the first", 0, ptFirst, 0, 3 },
            { "onto the second", 0, ptSecond, 0, 3 },
            { "the program's second", 0, none, 4, 3 },
            { "let go: it follows the pointer again", MOUSEEVENTF_LEFTUP, ptSecond, 0, 4 },
            { "the program's first", 0, none, 3, 3 } } },
    };
    CSeenInput input;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        for (const Step& step : c.steps)
        {
            SCOPED_TRACE(step.name);
            if (step.pt == none)
                m_bar.SendMessage(TB_SETHOTITEM, (WPARAM)step.nSetHot);
            else
                ASSERT_TRUE(input.Play({ Seen(step.dwFlags, step.pt) }));
            EXPECT_TRUE(PumpUntil([&] { return m_bar.SendMessage(TB_GETHOTITEM) == step.nHot; }))
                << m_bar.SendMessage(TB_GETHOTITEM);
        }
    }
    ParkMouse();
}

TEST_F(XTToolBarTest, AColourSchemeChangeReloadsTheImageWell)
{
    CreateBar(TBSTYLE_FLAT);
    HIMAGELIST hImages = (HIMAGELIST)m_bar.SendMessage(TB_GETIMAGELIST);
    const int nImages = ImageList_GetImageCount(hImages);
    // A red icon appended after the well's images keeps its place.
    toolkit_test::CCanvas red(16, 15, RGB(255, 0, 0));
    HBITMAP hRed = red.Release();
    HBITMAP hMask = ::CreateBitmap(16, 15, 1, 1, nullptr);
    ICONINFO info = { TRUE, 0, 0, hMask, hRed };
    CXTCommandItem item;
    item.m_nID = 4711;
    item.m_icon.SetHandle(::CreateIconIndirect(&info));
    ::DeleteObject(hMask);
    ASSERT_EQ(kButtonCount, m_bar.InsertCommandButton(item, kButtonCount));
    auto pixels = [&](int nImage) {
        toolkit_test::CCanvas canvas(16, 15, RGB(1, 2, 3));
        ImageList_Draw((HIMAGELIST)m_bar.SendMessage(TB_GETIMAGELIST), nImage, canvas.dc, 0, 0, ILD_NORMAL);
        std::vector<COLORREF> colours;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 16; ++x)
                colours.push_back(canvas.At(x, y));
        return colours;
    };
    const std::vector<COLORREF> first = pixels(0), appended = pixels(nImages);
    ASSERT_EQ(std::vector<COLORREF>(16 * 15, RGB(255, 0, 0)), appended);
    // The well's first image painted over.
    ASSERT_TRUE(ImageList_Replace(hImages, 0, hRed, nullptr));
    red.PutBack(hRed);
    ASSERT_NE(first, pixels(0));

    m_bar.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(nImages + 1, ImageList_GetImageCount((HIMAGELIST)m_bar.SendMessage(TB_GETIMAGELIST)));
    EXPECT_EQ(first, pixels(0));
    EXPECT_EQ(appended, pixels(nImages));
}

TEST_F(XTToolBarTest, ShowsHiddenButtonsFromTheLeftWhileTheyFit)
{
    CreateBar(TBSTYLE_FLAT);
    const int nNeeded = m_bar.CalcFixedLayout(FALSE, TRUE).cx;
    m_bar.HideButtonsToFit(nNeeded, 1, TRUE);
    ASSERT_EQ(".hhhhhhh", HiddenPattern());

    // Room for the first three entries and the chevron: the fourth does not fit.
    const int nRoom = ItemRect(0).Width() + m_bar.GetHiddenButtons().at(1) + m_bar.GetHiddenButtons().at(2) +
                      InsetsAlong() + XT_CHEVRON_RESERVE;
    EXPECT_EQ(nRoom, m_bar.ShowButtonsToFit(nNeeded, nRoom, TRUE));
    EXPECT_EQ("...hhhhh", HiddenPattern());
    EXPECT_EQ(5u, m_bar.GetHiddenButtons().size());

    // Unlimited room shows them all; the chevron goes.
    m_bar.ShowButtonsToFit(nNeeded, 0x7FFF, TRUE);
    EXPECT_EQ("........", HiddenPattern());
    EXPECT_FALSE(m_bar.HasHiddenButtons());
    EXPECT_EQ(nNeeded, m_bar.CalcFixedLayout(FALSE, TRUE).cx);
    PumpMessages();
    EXPECT_FALSE(m_bar.GetChevron()->GetStyle() & WS_VISIBLE);
}

TEST_F(XTToolBarTest, AMissingResourceKeepsTheButtonsAndANewButtonSetShowsEveryHiddenOne)
{
    CreateBar();
    EXPECT_FALSE(m_bar.LoadToolBar(3999));
    EXPECT_FALSE(m_bar.LoadBitmap(3999));
    EXPECT_EQ(kButtonCount, m_bar.GetCount());
    m_bar.HideButtonsToFit(500, 1, TRUE);
    ASSERT_TRUE(m_bar.HasHiddenButtons());
    const UINT ids[] = { ID_TEST_NEW, 0, ID_TEST_OPEN };
    ASSERT_TRUE(m_bar.SetButtons(ids, 3));
    EXPECT_FALSE(m_bar.HasHiddenButtons());
    EXPECT_EQ("...", HiddenPattern());
}

TEST_F(XTToolBarTest, ToolTipsNameTheCommandAndItsFirstShortcut)
{
    CreateBar();
    const BOOL bTips = xtAfxData.m_bBarTips, bKeys = xtAfxData.m_bBarTipKeys;
    GetAccelManager().AddShortcut(ID_TEST_NEW, FVIRTKEY | FCONTROL, 'N');
    GetAccelManager().AddShortcut(ID_TEST_NEW, FVIRTKEY | FALT, 'K');
    struct Case
    {
        const char* name;
        int nIndex;
        BOOL bTips, bKeys;
        INT_PTR nHit;
        const char* text;   // nullptr: none handed over
    };
    const Case cases[] = {
        { "second line and the first shortcut", 0, TRUE, TRUE, ID_TEST_NEW, "New (Ctrl+N)" },
        { "without shortcut keys", 0, TRUE, FALSE, ID_TEST_NEW, "New" },
        { "only the second line", 1, TRUE, TRUE, ID_TEST_OPEN, "Open" },
        { "a command without a second line", 3, TRUE, TRUE, -1, nullptr },
        { "tips switched off", 0, FALSE, TRUE, -1, nullptr },
        { "a separator", 2, TRUE, TRUE, -1, nullptr },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        xtAfxData.m_bBarTips = c.bTips;
        xtAfxData.m_bBarTipKeys = c.bKeys;
        CRect rect = ItemRect(c.nIndex);
        TOOLINFOA info = {};
        info.cbSize = sizeof(info);
        EXPECT_EQ(c.nHit, m_bar.OnToolHitTest(rect.CenterPoint(), &info));
        if (c.text == nullptr)
            EXPECT_EQ(nullptr, info.lpszText);
        else
        {
            ASSERT_NE(nullptr, info.lpszText);
            EXPECT_STREQ(c.text, info.lpszText);
            EXPECT_EQ(m_bar.m_hWnd, info.hwnd);
            free(info.lpszText);
        }
    }
    // Outside every button.
    TOOLINFOA info = {};
    info.cbSize = sizeof(info);
    EXPECT_EQ(-1, m_bar.OnToolHitTest(CPoint(-5, -5), &info));
    GetAccelManager().RemoveShortcut(FVIRTKEY | FCONTROL, 'N');
    GetAccelManager().RemoveShortcut(FVIRTKEY | FALT, 'K');
    GetAccelManager().SetChanged(FALSE);
    xtAfxData.m_bBarTips = bTips;
    xtAfxData.m_bBarTipKeys = bKeys;
}

TEST_F(XTToolBarTest, SeveralRelayoutRequestsActOnce)
{
    CreateBar();
    PumpMessages();
    m_bar.nUpdates = 0;
    for (int i = 0; i < 3; ++i)
        m_bar.PostRelayout();
    PumpMessages();
    EXPECT_EQ(1, m_bar.nUpdates);
    // A stale counter is ignored.
    m_bar.nUpdates = 0;
    m_bar.SendMessage(XTWM_TOOLBAR_RELAYOUT, 0, 0);
    EXPECT_EQ(0, m_bar.nUpdates);
}

// Every change asks again: a request made while a relayout runs is not
// lost to the relayout's own counter.
TEST_F(XTToolBarTest, EachDelayedLayoutAsksTheHostForTheBarsWidth)
{
    CreateBar();
    PumpMessages();
    // The layout runs when a caller asks for a place first, else in a
    // relayout someone posted.
    for (BOOL bAskPlace : { TRUE, FALSE, FALSE, TRUE })
    {
        SCOPED_TRACE(bAskPlace ? "a place asked" : "laid out by a relayout");
        m_dock.resizes.clear();
        m_bar.SetButtonStyle(1, m_bar.GetButtonStyle(1) ^ TBBS_HIDDEN);
        CRect rect;
        if (bAskPlace)
            m_bar.GetItemRect(0, &rect);
        else
            m_bar.PostRelayout();
        PumpMessages();
        ASSERT_EQ(1u, m_dock.resizes.size());
        EXPECT_EQ(m_bar.m_hWnd, m_dock.resizes[0].first);
        EXPECT_EQ(m_bar.CalcFixedLayout(FALSE, TRUE).cx, m_dock.resizes[0].second);
    }
}

// A button enabled, checked or pressed keeps its size: the control draws
// it anew and the bar is not laid out (nor its host asked) again. Hiding
// one moves the buttons after it.
TEST_F(XTToolBarTest, OnlyAButtonsChangeOfSizeLaysTheBarOut)
{
    CreateBar();
    // The bar's first layouts, and its host's answers, go first.
    for (int i = 0; i < 2; ++i)
    {
        CRect rect;
        m_bar.GetItemRect(0, &rect);
        PumpMessages();
    }
    struct Case
    {
        const char* name;
        UINT nToggle;
        bool bLayout;
    };
    const Case cases[] = {
        { "disabled", TBBS_DISABLED, false }, { "enabled again", TBBS_DISABLED, false },
        { "checked", TBBS_CHECKED, false },   { "pressed", TBBS_PRESSED, false },
        { "hidden", TBBS_HIDDEN, true },      { "shown again", TBBS_HIDDEN, true },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CRect rcBefore;
        m_bar.GetItemRect(2, &rcBefore);
        PumpMessages();
        m_dock.resizes.clear();
        const UINT nStyle = m_bar.GetButtonStyle(1) ^ c.nToggle;
        m_bar.SetButtonStyle(1, nStyle);
        EXPECT_EQ(nStyle, m_bar.GetButtonStyle(1));
        // The control shows the state: its enabled flag is the inverse of ours.
        const UINT nId = m_bar.GetItemID(1);
        EXPECT_EQ(HIWORD(nStyle) ^ TBSTATE_ENABLED,
                  (UINT)m_bar.SendMessage(TB_GETSTATE, nId) & ~(UINT)TBSTATE_WRAP);
        // Asking for a place lays out what waits to be laid out.
        CRect rcAfter;
        m_bar.GetItemRect(2, &rcAfter);
        EXPECT_EQ(c.bLayout, rcBefore != rcAfter);
        PumpMessages();
        EXPECT_EQ(c.bLayout ? 1u : 0u, m_dock.resizes.size());
    }
}

TEST_F(XTToolBarTest, TheChevronDrawsTheArrowsOfWhatTheBarOffers)
{
    CreateBar(TBSTYLE_FLAT);
    CXTExpButton* pChevron = m_bar.GetChevron();
    ASSERT_NE(nullptr, pChevron);
    const COLORREF clrArrow = xtAfxData.m_clrBtnText;
    const COLORREF clrGround = RGB(255, 0, 255);
    ASSERT_NE(clrGround, clrArrow);
    struct Case
    {
        const char* name;
        BOOL bHidden;
        BOOL bCustomizable;
        int nPixels;   // the arrows' drawn pixels: 20 overflow, 9 customise
    };
    const Case cases[] = {
        { "nothing to offer", FALSE, FALSE, 0 },
        { "hidden buttons", TRUE, FALSE, 20 },
        { "customisation", FALSE, TRUE, 9 },
        { "both", TRUE, TRUE, 29 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_bar.ShowButtonsToFit(0, 0x7FFF, TRUE);
        if (c.bHidden)
            m_bar.HideButtonsToFit(500, 1, TRUE);
        m_bar.RegisterCustomize(c.bCustomizable);
        EXPECT_EQ(c.bHidden || c.bCustomizable, pChevron->IsUseful());
        toolkit_test::CCanvas canvas(12, 20, clrGround);
        pChevron->DrawBitmap(&canvas.dc, 0, CRect(0, 0, 12, 20));
        EXPECT_EQ(c.nPixels, canvas.Count(clrArrow, CRect(0, 0, 12, 20)));
        // The overflow arrow starts 2 pixels below the top, the customise
        // arrow ends 2 pixels above the bottom.
        if (c.bHidden)
        {
            EXPECT_EQ(clrArrow, canvas.At(2, 2));
        }
        if (c.bCustomizable)
        {
            EXPECT_EQ(clrArrow, canvas.At(5, 15));
        }
    }
    m_bar.RegisterCustomize(FALSE);
}

TEST_F(XTToolBarTest, AControlTakesItsButtonsPlaceAndMovesWithIt)
{
    CreateBar(TBSTYLE_FLAT);
    CWnd edit;
    ASSERT_TRUE(edit.Create("EDIT", "", WS_CHILD | WS_BORDER, CRect(0, 0, 60, 16), &m_bar, ID_TEST_SAVE));
    CWnd stray;
    ASSERT_TRUE(stray.Create("EDIT", "", WS_CHILD, CRect(0, 0, 40, 16), &m_bar, 4711));
    EXPECT_FALSE(m_bar.SetButtonCtrl(&stray));
    ASSERT_TRUE(m_bar.SetButtonCtrl(&edit));

    auto controlRect = [&]() {
        CRect rect;
        edit.GetWindowRect(&rect);
        m_bar.ScreenToClient(&rect);
        return rect;
    };
    // The button became a separator as wide as the control, which sits on it, centred.
    TBBUTTON button;
    ASSERT_TRUE(m_bar.GetButton(3, &button));
    EXPECT_TRUE(button.fsStyle & TBSTYLE_SEP);
    EXPECT_EQ(60, button.iBitmap);
    CRect rcItem = ItemRect(3);
    EXPECT_EQ(60, rcItem.Width());
    EXPECT_EQ(rcItem.left, controlRect().left);
    EXPECT_EQ(rcItem.top + (rcItem.Height() - 16) / 2, controlRect().top);
    EXPECT_TRUE(edit.GetStyle() & WS_VISIBLE);
    EXPECT_EQ((HFONT)m_bar.m_fontHorz.m_hObject, (HFONT)edit.SendMessage(WM_GETFONT));

    // Wrapped into a second row, it moves with its separator.
    m_bar.SetBarStyle(m_bar.GetBarStyle() | CBRS_SIZE_DYNAMIC);
    m_bar.CalcDynamicLayout(ItemRect(0).Width() + ItemRect(1).Width() + 10, LM_HORZ | LM_COMMIT);
    ASSERT_TRUE(m_bar.GetButtonStyle(2) & TBBS_WRAPPED);
    EXPECT_EQ(ItemRect(3).TopLeft(),
              CPoint(controlRect().left, controlRect().top - (rcItem.Height() - 16) / 2));
    EXPECT_GT(ItemRect(3).top, rcItem.top);
    m_bar.CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    EXPECT_EQ(rcItem.TopLeft(), ItemRect(3).TopLeft());
    EXPECT_EQ(rcItem.left, controlRect().left);

    // A wider button before it: the relayout places it again.
    ASSERT_TRUE(m_bar.SetButtonText(0, "Wider"));
    PumpMessages();
    EXPECT_EQ(ItemRect(3).left, controlRect().left);
    EXPECT_GT(ItemRect(3).left, rcItem.left);

    // Hidden behind the chevron and back.
    const int nNeeded = m_bar.CalcFixedLayout(FALSE, TRUE).cx;
    m_bar.HideButtonsToFit(nNeeded, 1, TRUE);
    EXPECT_FALSE(edit.GetStyle() & WS_VISIBLE);
    m_bar.ShowButtonsToFit(nNeeded, 0x7FFF, TRUE);
    EXPECT_TRUE(edit.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(ItemRect(3).left, controlRect().left);
}

TEST_F(XTToolBarTest, SeparatorsAndTheBackgroundAreDrawnByTheBarItself)
{
    CreateBar(TBSTYLE_FLAT);
    const CSize size = m_bar.CalcFixedLayout(FALSE, TRUE);
    m_bar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rcClient;
    m_bar.GetClientRect(&rcClient);
    ASSERT_FALSE(rcClient.IsRectEmpty());
    const COLORREF clrGround = RGB(255, 0, 255);
    toolkit_test::CCanvas canvas(rcClient.Width(), rcClient.Height(), clrGround);
    m_bar.SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.dc.m_hDC, PRF_CLIENT);

    // An etched line 2 pixels into each separator: shadow, then highlight.
    for (int nIndex : { 2, 5 })
    {
        SCOPED_TRACE(nIndex);
        CRect rc = ItemRect(nIndex);
        for (int y = rc.top; y < std::min<int>(rc.bottom, rcClient.bottom); ++y)
            EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), canvas.At(rc.left + 2, y)) << "y " << y;
        EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), canvas.At(rc.left + 3, rc.top + 1));
        EXPECT_EQ(m_bar.GetBackgroundColor(), canvas.At(rc.left, rc.top + 1));
        EXPECT_EQ(m_bar.GetBackgroundColor(), canvas.At(rc.right - 1, rc.top + 1));
    }
}

TEST_F(XTToolBarTest, TheFlatLookPaintsTheWholeBarInItsBarColour)
{
    toolkit_test::FlatLookScope flat;
    CreateBar(TBSTYLE_FLAT);
    const CSize size = m_bar.CalcFixedLayout(FALSE, TRUE);
    m_bar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(m_bar.FillsBackground());
    const COLORREF clrBar = m_bar.GetBackgroundColor();
    ASSERT_EQ(xtAfxData.m_clrFlatBarFace, clrBar);
    CRect rcClient;
    m_bar.GetClientRect(&rcClient);
    toolkit_test::CCanvas canvas(rcClient.Width(), rcClient.Height(), RGB(255, 0, 255));
    m_bar.SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.dc.m_hDC, PRF_CLIENT);
    // Button corners, separators' ends and the room after the last button.
    for (int nIndex : { 0, 2, 7 })
    {
        SCOPED_TRACE(nIndex);
        CRect rc = ItemRect(nIndex);
        EXPECT_EQ(clrBar, canvas.At(rc.left, rc.top));
    }
    EXPECT_EQ(clrBar, canvas.At(rcClient.right - 1, rcClient.bottom - 1));
}

TEST_F(XTToolBarTest, AnswersTheControlsOwnCustomiseDialog)
{
    CreateBar();
    m_bar.HideButtonsToFit(500, 1, TRUE);
    ASSERT_EQ(".hhhhhhh", HiddenPattern());
    auto notify = [&](UINT nCode, int iItem, NMTOOLBARA& nm) {
        nm.hdr.hwndFrom = m_bar.m_hWnd;
        nm.hdr.idFrom = (UINT_PTR)m_bar.GetDlgCtrlID();
        nm.hdr.code = nCode;
        nm.iItem = iItem;
        if (iItem >= 0 && iItem < m_bar.GetCount())
            m_bar.SendMessage(TB_GETBUTTON, (WPARAM)iItem, (LPARAM)&nm.tbButton);
        return m_dock.SendMessage(WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
    };
    struct Case
    {
        const char* name;
        UINT nCode;
        int iItem;
        LRESULT nResult;
    };
    const Case cases[] = {
        { "deleting a visible button", TBN_QUERYDELETE, 0, TRUE },
        { "deleting a hidden button is refused", TBN_QUERYDELETE, 1, FALSE },
        { "deleting a hidden separator", TBN_QUERYDELETE, 2, TRUE },
        { "inserting", TBN_QUERYINSERT, 0, TRUE },
        { "no more buttons", TBN_GETBUTTONINFOA, kButtonCount, FALSE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        NMTOOLBARA nm = {};
        EXPECT_EQ(c.nResult, notify(c.nCode, c.iItem, nm));
    }

    // The texts offered: the button's own, else the string's second part, else its first.
    ASSERT_TRUE(m_bar.SetButtonText(6, "Copy it"));
    struct Text
    {
        int iItem;
        const char* text;
    };
    const Text texts[] = { { 0, "New" }, { 3, "" }, { 4, "Cut" }, { 6, "Copy it" }, { 7, "" } };
    for (const Text& t : texts)
    {
        SCOPED_TRACE(t.iItem);
        char buffer[8] = "x";
        NMTOOLBARA nm = {};
        nm.pszText = buffer;
        nm.cchText = (int)sizeof(buffer);
        EXPECT_EQ(TRUE, notify(TBN_GETBUTTONINFOA, t.iItem, nm));
        EXPECT_STREQ(t.text, buffer);
        EXPECT_EQ(kLoadedIDs[t.iItem], (UINT)nm.tbButton.idCommand);
    }
    // A long text is cut to the buffer.
    char small[4] = "";
    NMTOOLBARA nm = {};
    nm.pszText = small;
    nm.cchText = (int)sizeof(small);
    notify(TBN_GETBUTTONINFOA, 6, nm);
    EXPECT_STREQ("Cop", small);

    // Opening the dialog shows every hidden button; help is not offered.
    NMTOOLBARA begin = {};
    notify(TBN_BEGINADJUST, -1, begin);
    EXPECT_EQ("........", HiddenPattern());
    EXPECT_EQ(500, m_bar.HideButtonsToFit(500, 1, TRUE));
    EXPECT_EQ("........", HiddenPattern());
    testing_support::MessageBoxRecorder boxes;
    NMTOOLBARA help = {};
    notify(TBN_CUSTHELP, -1, help);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(CString("Help not implemented!"), boxes.Last().strText);
    EXPECT_EQ((UINT)MB_ICONINFORMATION, boxes.Last().nType & MB_ICONMASK);
    NMTOOLBARA end = {};
    notify(TBN_ENDADJUST, -1, end);
    m_bar.HideButtonsToFit(500, 1, TRUE);
    EXPECT_EQ(".hhhhhhh", HiddenPattern());
}

TEST_F(XTToolBarTest, AnswersARebarHostsQueries)
{
    CreateBar(TBSTYLE_FLAT);
    const int nNeeded = m_bar.CalcFixedLayout(FALSE, TRUE).cx;
    const int cyNeeded = m_bar.CalcFixedLayout(FALSE, TRUE).cy;
    REBARBANDINFOA band = {};
    band.cbSize = sizeof(band);
    EXPECT_TRUE(m_bar.SendMessage(XTWM_REBARBANDQUERY, TRUE, (LPARAM)&band));
    const UINT nMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE | RBBIM_SIZE;
    EXPECT_EQ(nMask, band.fMask & nMask);
    // In a band the chevron's room always counts.
    EXPECT_EQ((UINT)nNeeded, band.cxIdeal);
    EXPECT_EQ((UINT)nNeeded + 14, band.cx);
    EXPECT_EQ((UINT)cyNeeded, band.cyMinChild);
    const CRect insets = m_bar.GetInsideInsets(TRUE);
    EXPECT_EQ((UINT)(ItemRect(0).Width() + insets.left + insets.right + XT_CHEVRON_RESERVE), band.cxMinChild);
    EXPECT_TRUE(m_bar.SendMessage(XTWM_FULLWINDOWDRAG));

    // A band narrower than the bar hides buttons; a wider one shows them.
    struct Case
    {
        const char* name;
        int cxChild;
        const char* hidden;
    };
    const Case cases[] = {
        { "narrow band", nNeeded - ItemRect(7).Width() + XT_CHEVRON_RESERVE, ".......h" },
        { "wide band", nNeeded + 100, "........" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        NMREBARCHILDSIZE child = {};
        child.rcChild = CRect(0, 0, c.cxChild, 30);
        m_bar.SendMessage(XTWM_REBARCHILDSIZE, TRUE, (LPARAM)&child);
        EXPECT_EQ(c.hidden, HiddenPattern());
    }
}

} // namespace
