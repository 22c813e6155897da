// Customisation of tool bars: buttons dragged with real input between two
// bars in customise mode and with Alt outside it, the sideways gesture for
// separators, drops on a floating bar in rows, the stored button set of a
// bar (round trip, a changed resource, reset, damage, controls on
// separators, a bar in a rebar band), popups of the manager as buttons, and
// the stored names of the user's own bars byte for byte, and a button's
// missing image taken from another bar at the next paint.
#include "toolkit/bars/XTCommandItem.h"
#include "toolkit/bars/XTCrc32.h"
#include "toolkit/bars/XTCustomToolBar.h"
#include "toolkit/bars/XTCustomizeManager.h"
#include "toolkit/bars/XTPersonalOptions.h"
#include "toolkit/bars/XTToolBar.h"
#include "toolkit/bars/XTToolBarCustomizer.h"
#include "toolkit/bars/XTToolBarState.h"
#include "toolkit/frame/XTControlBar.h"
#include "toolkit/frame/XTReBar.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "toolkit/bars/XTTestAppKey.h"

#include "framework/FrameWnd.h"
#include "framework/ToolBar.h"
#include "helpers/TestSupport.h"
#include "toolkit/XTRealInput.h"
#include "toolkit/bars/XTSeenInput.h"
#include "toolkit/bars/XTTestBarIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

using namespace toolkit_test;

namespace {


// A bar's buttons as letters: N O S C Y P, '|' a separator.
std::string Pattern(CXTToolBar& bar)
{
    std::string s;
    for (int i = 0; i < bar.GetCount(); ++i)
    {
        TBBUTTON button;
        bar.GetButton(i, &button);
        if (button.fsStyle & TBSTYLE_SEP)
            s += '|';
        else
            s += "NOSCYP"[button.idCommand - ID_TEST_NEW];
    }
    return s;
}

// The rows the visible buttons lie in.
int Rows(CXTToolBar& bar)
{
    std::set<int> tops;
    for (int i = 0; i < bar.GetCount(); ++i)
    {
        CRect rect;
        bar.GetItemRect(i, &rect);
        if (!(bar.GetButtonStyle(i) & TBBS_HIDDEN))
            tops.insert(rect.top);
    }
    return (int)tops.size();
}

class CCustomizeFrame : public CFrameWnd
{
public:
    void PostNcDestroy() override {}
};

class XTCustomizeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.Create(nullptr, "Customise", WS_OVERLAPPEDWINDOW, CRect(40, 40, 640, 440)));
        ASSERT_TRUE(m_dockTop.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 40), &m_frame,
                                     XT_IDW_DOCKBAR_TOP));
        ASSERT_TRUE(m_dockBottom.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 300, 600, 340), &m_frame,
                                        XT_IDW_DOCKBAR_BOTTOM));
        BringToFront(m_frame.m_hWnd);
    }
    void TearDown() override
    {
        GetCustomizeManager().SetCustomizeMode(FALSE);
        m_frame.DestroyWindow();
        ParkMouse();
    }
    void MakeBars(const std::vector<UINT>& a, const std::vector<UINT>& b)
    {
        MakeBar(m_a, m_dockTop, a, 0xE810);
        MakeBar(m_b, m_dockBottom, b, 0xE811);
    }
    void MakeBar(CXTToolBar& bar, CWnd& dock, const std::vector<UINT>& ids, UINT nID, DWORD dwBarStyle = 0)
    {
        if (bar.m_hWnd != nullptr)
            bar.DestroyWindow();
        ASSERT_TRUE(bar.CreateEx(&dock, TBSTYLE_FLAT | CCS_ADJUSTABLE | TBSTYLE_ALTDRAG,
                                 WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | dwBarStyle, CRect(0, 0, 0, 0), nID));
        ASSERT_TRUE(bar.LoadToolBar(IDR_TEST_BAR));
        ASSERT_TRUE(bar.SetButtons(ids.data(), (int)ids.size()));
        bar.SetOwner(&m_frame);
        bar.RegisterCustomize(TRUE);
        CSize size = bar.CalcFixedLayout(FALSE, TRUE);
        bar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        // As a dock bar's row does: the chevron goes to the bar's end.
        bar.ShowButtonsToFit(size.cx, size.cx, TRUE);
        PumpFor(20);
    }
    // A point on the button of the command (screen): its centre, or near its right edge.
    CPoint On(CXTToolBar& bar, UINT nID, BOOL bRightSide = FALSE)
    {
        CRect rect;
        bar.GetItemRect(bar.CommandToIndex(nID), &rect);
        bar.ClientToScreen(&rect);
        return bRightSide ? CPoint(rect.right - 3, rect.CenterPoint().y) : rect.CenterPoint();
    }

    CCustomizeFrame m_frame;
    CWnd m_dockTop;
    CWnd m_dockBottom;
    CXTToolBar m_a;
    CXTToolBar m_b;
};

const std::vector<UINT> kBarA = { ID_TEST_NEW, ID_TEST_OPEN, 0, ID_TEST_SAVE, ID_TEST_CUT, 0, ID_TEST_COPY, ID_TEST_PASTE };
const std::vector<UINT> kBarB = { ID_TEST_CUT };

TEST_F(XTCustomizeTest, ButtonsMoveCopyAndGoByDragInCustomiseMode)
{
    struct Case
    {
        const char* name;
        std::vector<UINT> a;
        UINT nDragged;
        int nTarget;   // 0: bar A's Cut, 1: bar B's Cut, 2: off every bar
        std::initializer_list<WORD> keys;
        DragEnd end;
        BOOL bCustomizeMode;
        const char* expectedA;
        const char* expectedB;
    };
    const Case cases[] = {
        { "moves within its bar", kBarA, ID_TEST_NEW, 0, {}, DragEnd::release, TRUE, "O|SCN|YP", "C" },
        { "moves to the other bar", kBarA, ID_TEST_SAVE, 1, {}, DragEnd::release, TRUE, "NO|C|YP", "CS" },
        { "Ctrl copies", kBarA, ID_TEST_SAVE, 1, { VK_CONTROL }, DragEnd::release, TRUE, "NO|SC|YP", "CS" },
        { "off every bar removes", { ID_TEST_NEW, 0, ID_TEST_SAVE, 0, ID_TEST_COPY }, ID_TEST_SAVE, 2, {},
          DragEnd::release, TRUE, "N|Y", "C" },
        { "the first button going takes no separator with it", { ID_TEST_NEW, 0, ID_TEST_SAVE }, ID_TEST_NEW, 2, {},
          DragEnd::release, TRUE, "S", "C" },
        // Dropped on a bar that refuses it: nothing is lost either.
        { "a command the target holds is refused", kBarA, ID_TEST_CUT, 1, {}, DragEnd::release, TRUE, "NO|SC|YP",
          "C" },
        { "Escape changes nothing", kBarA, ID_TEST_NEW, 1, {}, DragEnd::escape, TRUE, "NO|SC|YP", "C" },
        { "a right click changes nothing", kBarA, ID_TEST_NEW, 1, {}, DragEnd::rightClick, TRUE, "NO|SC|YP", "C" },
        { "Alt drags outside customise mode", kBarA, ID_TEST_NEW, 1, { VK_MENU }, DragEnd::release, FALSE,
          "O|SC|YP", "CN" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        MakeBars(c.a, kBarB);
        GetCustomizeManager().SetCustomizeMode(c.bCustomizeMode);
        CPoint ptTo;
        if (c.nTarget == 0)
            ptTo = On(m_a, ID_TEST_CUT, TRUE);
        else if (c.nTarget == 1)
            ptTo = On(m_b, ID_TEST_CUT, TRUE);
        else
        {
            CRect rcFrame;
            m_frame.GetClientRect(&rcFrame);
            m_frame.ClientToScreen(&rcFrame);
            ptTo = CPoint(rcFrame.left + 300, rcFrame.top + 200);
        }
        Drag(On(m_a, c.nDragged), ptTo, c.keys, c.end);
        EXPECT_EQ(c.expectedA, Pattern(m_a));
        EXPECT_EQ(c.expectedB, Pattern(m_b));
        GetCustomizeManager().SetCustomizeMode(FALSE);
        EXPECT_EQ(nullptr, m_a.GetCustomizer());
    }
}

TEST_F(XTCustomizeTest, ASidewaysDragOfThreePixelsAddsOrRemovesTheSeparatorBeforeTheButton)
{
    // The press leaves the button for the half-button area after it, where
    // the gesture starts; the pointer then moves along the bar and lets go.
    // Each event waits until the program has taken it; a quick hand has the
    // pointer at its next point before the program has handled the press
    // and the move that tells the drag from a click.
    struct Case
    {
        const char* name;
        std::vector<UINT> a;
        int nStart;   // pixels into the area after the button
        int nMove;
        BOOL bQuick;
        const char* expected;
    };
    const Case cases[] = {
        { "3 pixels on insert a separator", { ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_SAVE }, 4, 3, FALSE, "N|OS" },
        { "2 pixels on do not", { ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_SAVE }, 4, 2, FALSE, "NOS" },
        { "3 pixels back remove it", { ID_TEST_NEW, 0, ID_TEST_OPEN, ID_TEST_SAVE }, 8, -3, FALSE, "NOS" },
        { "2 pixels back do not", { ID_TEST_NEW, 0, ID_TEST_OPEN, ID_TEST_SAVE }, 8, -2, FALSE, "N|OS" },
        { "3 pixels on by a quick hand", { ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_SAVE }, 4, 3, TRUE, "N|OS" },
        { "3 pixels back by a quick hand", { ID_TEST_NEW, 0, ID_TEST_OPEN, ID_TEST_SAVE }, 8, -3, TRUE, "NOS" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        MakeBars(c.a, kBarB);
        GetCustomizeManager().SetCustomizeMode(TRUE);
        CRect rect;
        m_a.GetItemRect(m_a.CommandToIndex(ID_TEST_OPEN), &rect);
        m_a.ClientToScreen(&rect);
        const int y = rect.CenterPoint().y;
        const CPoint ptDown(rect.right - 2, y), ptStart(rect.right + c.nStart, y), ptEnd(ptStart.x + c.nMove, y);
        CSeenInput input;
        ASSERT_TRUE(input.Play({ Seen(0, ptDown), Seen(MOUSEEVENTF_LEFTDOWN, ptDown, c.bQuick),
                                 Seen(0, ptStart, c.bQuick), Seen(0, ptEnd), Seen(MOUSEEVENTF_LEFTUP, ptEnd) }))
            << "step " << input.Unseen() << " not taken";
        EXPECT_EQ(c.expected, Pattern(m_a));
        EXPECT_EQ(m_a.CommandToIndex(ID_TEST_OPEN), m_a.GetCustomizer()->GetSelected());
        GetCustomizeManager().SetCustomizeMode(FALSE);
    }
}

TEST_F(XTCustomizeTest, ACommandDroppedOnAFloatingBarKeepsItsRows)
{
    // Outside every dock bar the bar floats; it wraps at its remembered width.
    CWnd floatPane;
    ASSERT_TRUE(floatPane.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 100, 600, 200), &m_frame, 0xE8F0));
    const std::vector<UINT> ids = { ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_COPY };
    struct Case
    {
        const char* name;
        int nPerRow;   // buttons in a row before the drop; 0: all
        int nRowsBefore;
        int nRowsAfter;
    };
    const Case cases[] = { { "one row takes the new button", 0, 1, 1 },
                           { "rows keep their width", 2, 2, 3 } };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        MakeBar(m_a, floatPane, ids, 0xE810, CBRS_FLOATING | CBRS_SIZE_DYNAMIC);
        MakeBar(m_b, m_dockBottom, kBarB, 0xE811);
        CRect rcButton;
        m_a.GetItemRect(0, &rcButton);
        m_a.m_nMRUWidth = c.nPerRow == 0 ? 32767 : (UINT)(c.nPerRow * rcButton.Width());
        CSize size = m_a.CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
        m_a.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_EQ(c.nRowsBefore, Rows(m_a));
        GetCustomizeManager().SetCustomizeMode(TRUE);
        Drag(On(m_b, ID_TEST_CUT), On(m_a, ID_TEST_COPY, TRUE));
        ASSERT_TRUE(PumpUntil([&] { return Pattern(m_a) == "NOSYC"; }));
        PumpFor(50);
        EXPECT_EQ(c.nRowsAfter, Rows(m_a));
        GetCustomizeManager().SetCustomizeMode(FALSE);
    }
}

TEST_F(XTCustomizeTest, StoredButtonSetRoundTripsAndAChangedResourceVoidsIt)
{
    AppKeyScope key("TarnixCustomizeTest", "Bars");
    MakeBars(kBarA, kBarB);
    ASSERT_FALSE(m_a.LoadBarState("Settings", "Bar-A"));   // nothing stored: the default is taken
    m_a.DeleteButtonAt(0);
    m_a.MoveButton(0, 3);
    m_a.SetButtonText(m_a.CommandToIndex(ID_TEST_PASTE), "Paste it");
    ASSERT_EQ("|SCO|YP", Pattern(m_a));
    m_a.RemoveStraySeparators();
    ASSERT_EQ("SCO|YP", Pattern(m_a));
    ASSERT_TRUE(m_a.SaveBarState("Settings", "Bar-A"));

    // The same resource layout takes the stored set, texts included.
    MakeBar(m_b, m_dockBottom, kBarA, 0xE811);
    EXPECT_TRUE(m_b.LoadBarState("Settings", "Bar-A"));
    EXPECT_EQ("SCO|YP", Pattern(m_b));
    EXPECT_EQ(CString("Paste it"), m_b.GetButtonText(m_b.CommandToIndex(ID_TEST_PASTE)));
    // Reset brings the layout the bar came with.
    m_b.ResetToDefault(FALSE);
    EXPECT_EQ("NO|SC|YP", Pattern(m_b));

    // Another resource layout does not take it.
    MakeBar(m_b, m_dockBottom, { ID_TEST_NEW, ID_TEST_OPEN }, 0xE811);
    EXPECT_FALSE(m_b.LoadBarState("Settings", "Bar-A"));
    EXPECT_EQ("NO", Pattern(m_b));
}

TEST_F(XTCustomizeTest, AControlOnASeparatorStaysWithItThroughAStoredSetAndAReset)
{
    AppKeyScope key("TarnixCustomizeTest", "Bars");
    MakeBars(kBarA, kBarB);
    CWnd edit;
    ASSERT_TRUE(edit.Create("EDIT", "", WS_CHILD | WS_BORDER, CRect(0, 0, 60, 16), &m_a, ID_TEST_SAVE));
    ASSERT_TRUE(m_a.SetButtonCtrl(&edit));
    ASSERT_FALSE(m_a.LoadBarState("Settings", "Bar-A"));   // the default layout holds the control's separator
    m_a.DeleteButtonAt(0);
    ASSERT_TRUE(m_a.SaveBarState("Settings", "Bar-A"));
    const std::pair<const char*, std::function<void()>> steps[] = {
        { "reset", [&] { m_a.ResetToDefault(FALSE); } },
        { "stored set", [&] { ASSERT_TRUE(m_a.LoadBarState("Settings", "Bar-A")); } },
        { "reset again", [&] { m_a.ResetToDefault(FALSE); } },
        { "laid out", [&] { m_a.CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK | LM_COMMIT); } },
    };
    for (const auto& step : steps)
    {
        SCOPED_TRACE(step.first);
        step.second();
        PumpFor(20);
        CRect rcItem, rcControl;
        m_a.GetItemRect(m_a.CommandToIndex(ID_TEST_SAVE), &rcItem);
        edit.GetWindowRect(&rcControl);
        m_a.ScreenToClient(&rcControl);
        EXPECT_EQ(rcItem.left, rcControl.left);
        EXPECT_EQ(60, rcItem.Width());
        EXPECT_TRUE(edit.GetStyle() & WS_VISIBLE);
    }
}

TEST_F(XTCustomizeTest, ACustomisableBarTakesItsStoredSetInARebarBandAndWithADockingStyle)
{
    AppKeyScope key("TarnixCustomizeTest", "Bars");
    // Buttons with images of the bar's own: no image is fixed up at a paint.
    const std::vector<UINT> ids = { ID_TEST_NEW, ID_TEST_OPEN };
    MakeBars(ids, kBarB);
    ASSERT_FALSE(m_a.LoadBarState("Settings", m_a.GetValueName()));
    m_a.DeleteButtonAt(0);
    const CString strValue = m_a.GetValueName();
    m_a.DestroyWindow();   // it stores its button set as it goes
    CXTReBar rebar;
    ASSERT_TRUE(rebar.Create(&m_frame));
    for (BOOL bRebar : { TRUE, FALSE })
    {
        SCOPED_TRACE(bRebar ? "a rebar band" : "a docking style");
        CXTToolBar bar;
        MakeBar(bar, m_dockTop, ids, 0xE810);
        ASSERT_EQ(strValue, bar.GetValueName());
        if (bRebar)
            ASSERT_TRUE(rebar.AddBar(&bar));
        else
            bar.EnableDockingStyle(CBRS_ALIGN_ANY, 0);
        EXPECT_EQ("O", Pattern(bar));
        if (bRebar)
        {
            // The band was measured for the stored set.
            REBARBANDINFOA band = {};
            band.cbSize = sizeof(band);
            band.fMask = RBBIM_IDEALSIZE;
            ASSERT_TRUE(rebar.SendMessage(RB_GETBANDINFOA, 0, (LPARAM)&band));
            EXPECT_EQ((UINT)bar.CalcFixedLayout(FALSE, TRUE).cx, band.cxIdeal);
            rebar.SendMessage(RB_DELETEBAND, 0);
        }
        bar.DestroyWindow();
    }
}

TEST_F(XTCustomizeTest, AManagerPopupBecomesAWholeDropDownButtonWithAnIdOfItsOwnRange)
{
    MakeBars({ ID_TEST_NEW, XT_IDC_MANAGERPOPUP_LAST - 1 }, kBarB);
    CXTCommandItem item;
    item.m_pDropDown = std::make_unique<CXTButtonInfo>();
    item.m_pDropDown->bManagerPopup = TRUE;
    item.m_pDropDown->nPopupID = 7;
    struct Case
    {
        const char* name;
        CXTToolBar* pBar;
        int nExpected;   // the new button's index, -1 refused
        UINT nID;
    };
    const Case cases[] = {
        { "the first", &m_b, 1, XT_IDC_MANAGERPOPUP_FIRST },
        { "the next", &m_b, 0, XT_IDC_MANAGERPOPUP_FIRST + 1 },
        { "the last id", &m_a, 2, XT_IDC_MANAGERPOPUP_LAST },
        { "the range is full", &m_a, -1, 0 },
    };
    // The bar's own button in the range counts once it opens a manager popup.
    m_a.AddDropDown(XT_IDC_MANAGERPOPUP_LAST - 1)->bManagerPopup = TRUE;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        const int nIndex = c.pBar->InsertCommandButton(item, c.nExpected < 0 ? 9 : c.nExpected);
        ASSERT_EQ(c.nExpected, nIndex);
        if (nIndex < 0)
            continue;
        EXPECT_EQ(c.nID, c.pBar->GetItemID(nIndex));
        EXPECT_EQ((DWORD)(TBSTYLE_DROPDOWN | BTNS_WHOLEDROPDOWN), c.pBar->GetButtonStyle(nIndex) & 0xFF);
        const CXTButtonInfo* pInfo = c.pBar->FindDropDownInfo(c.nID);
        ASSERT_NE(nullptr, pInfo);
        EXPECT_TRUE(pInfo->bManagerPopup);
        EXPECT_EQ(7u, pInfo->nPopupID);
        EXPECT_EQ(c.nID, pInfo->nCommandID);
    }
}

TEST_F(XTCustomizeTest, AMissingImageComesFromAnotherBarAndImageAndTextNamesAnInsertedCommand)
{
    MakeBars(kBarA, { ID_TEST_NEW });
    // Bar B's button points past its images: the next paint gives it New's icon from bar A.
    const int nImages = ImageList_GetImageCount((HIMAGELIST)m_b.SendMessage(TB_GETIMAGELIST));
    m_b.SendMessage(TB_CHANGEBITMAP, ID_TEST_NEW, MAKELPARAM(nImages + 5, 0));
    m_b.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    TBBUTTON button = {};
    ASSERT_TRUE(m_b.SendMessage(TB_GETBUTTON, 0, (LPARAM)&button));
    EXPECT_EQ(nImages + 1, ImageList_GetImageCount((HIMAGELIST)m_b.SendMessage(TB_GETIMAGELIST)));
    EXPECT_EQ(nImages, button.iBitmap);
    // A second paint finds nothing missing.
    m_b.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(nImages + 1, ImageList_GetImageCount((HIMAGELIST)m_b.SendMessage(TB_GETIMAGELIST)));

    std::unique_ptr<CXTCommandItem> pItem = m_a.CreateCommandInfo(m_a.CommandToIndex(ID_TEST_NEW));
    ASSERT_NE(nullptr, pItem);
    ASSERT_NE(nullptr, pItem->m_icon.GetHandle());
    ASSERT_FALSE(pItem->m_strText.IsEmpty());
    for (BOOL bImageAndText : { FALSE, TRUE })
    {
        SCOPED_TRACE(bImageAndText);
        MakeBar(m_b, m_dockBottom, kBarB, 0xE811);
        m_b.SetImageAndText(bImageAndText);
        const int nIndex = m_b.InsertCommandButton(*pItem, 1);
        ASSERT_EQ(1, nIndex);
        ASSERT_TRUE(m_b.SendMessage(TB_GETBUTTON, 1, (LPARAM)&button));
        EXPECT_GE(button.iBitmap, 0);
        EXPECT_EQ(bImageAndText ? pItem->m_strText : CString(), m_b.GetButtonText(1));
    }
}

TEST(XTToolBarState, DamagedStoredSetsLoadNothing)
{
    XT_TOOLBAR_STATE state;
    state.entries.resize(2);
    state.entries[0].nID = ID_TEST_NEW;
    state.entries[1].nID = ID_TEST_OPEN;
    state.texts[ID_TEST_NEW] = "New";
    const std::vector<BYTE> blob = state.Serialize();
    const std::vector<BYTE> defaults = blob;
    const std::vector<BYTE> value = XT_TOOLBAR_STATE::MakeStoredValue(blob, defaults);
    std::vector<BYTE> read;
    ASSERT_TRUE(XT_TOOLBAR_STATE::ReadStoredValue(value.data(), (UINT)value.size(), defaults, read));
    ASSERT_EQ(blob, read);
    ASSERT_TRUE(state.Parse(read));
    EXPECT_EQ(2u, state.entries.size());

    struct Case
    {
        const char* name;
        std::vector<BYTE> value;
        std::vector<BYTE> defaults;
    };
    std::vector<BYTE> changed = value;
    changed[value.size() - 2] ^= 1;
    std::vector<BYTE> otherDefaults = defaults;
    otherDefaults[0] ^= 1;
    const Case cases[] = {
        { "a changed byte", changed, defaults },
        { "another default layout", value, otherDefaults },
        { "four bytes", std::vector<BYTE>(value.begin(), value.begin() + 4), defaults },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(XT_TOOLBAR_STATE::ReadStoredValue(c.value.data(), (UINT)c.value.size(), c.defaults, read));
    }
    // A count of entries beyond the data, a text length beyond it.
    std::vector<BYTE> longCount = blob;
    longCount[6] = 0xFE;   // the entry count after version, options and the record size
    EXPECT_FALSE(state.Parse(longCount));
    std::vector<BYTE> longText = blob;
    longText[longText.size() - 4] = 0xFF;   // the text's length byte: 0xFF and a WORD follow
    EXPECT_FALSE(state.Parse(longText));
}

TEST(XTCrc32, IsTheCommonCrc)
{
    EXPECT_EQ(0xCBF43926u, CXTCrc32().Compute("123456789", 9));
    EXPECT_EQ(0u, CXTCrc32().Compute("", 0));
}

TEST(XTCustomizeManager, StoredUserBarsAreExactBytes)
{
    std::vector<BYTE> value = CXTCustomizeManager::FormatCustomBars({ { 0xE802, "Mine" }, { 0xE803, "Two" } });
    const std::vector<BYTE> body = { 1, 0, 0, 0, 2, 0, 0, 0, 0x02, 0xE8, 0, 0, 4, 'M', 'i', 'n', 'e',
                                     0x03, 0xE8, 0, 0, 3, 'T', 'w', 'o' };
    ASSERT_EQ(body.size() + 4, value.size());
    EXPECT_EQ(body, std::vector<BYTE>(value.begin() + 4, value.end()));
    DWORD dwCrc = CXTCrc32().Compute(body.data(), body.size());
    EXPECT_EQ(dwCrc, MAKELONG(MAKEWORD(value[0], value[1]), MAKEWORD(value[2], value[3])));

    // A name of 255 characters takes the long length form.
    value = CXTCustomizeManager::FormatCustomBars({ { 0xE802, CString('x', 255) } });
    EXPECT_EQ((std::vector<BYTE>{ 0xFF, 0xFF, 0x00, 'x' }), std::vector<BYTE>(value.begin() + 16, value.begin() + 20));
    std::vector<std::pair<UINT, CString>> bars;
    ASSERT_TRUE(CXTCustomizeManager::ParseCustomBars(value.data(), (UINT)value.size(), bars));
    ASSERT_EQ(1u, bars.size());
    EXPECT_EQ(255, bars[0].second.GetLength());
}

TEST(XTCustomizeManager, DamagedUserBarValuesCreateNothing)
{
    auto sealed = [](std::vector<BYTE> body) {
        DWORD dwCrc = CXTCrc32().Compute(body.data(), body.size());
        body.insert(body.begin(), { LOBYTE(LOWORD(dwCrc)), HIBYTE(LOWORD(dwCrc)), LOBYTE(HIWORD(dwCrc)),
                                    HIBYTE(HIWORD(dwCrc)) });
        return body;
    };
    std::vector<BYTE> good = CXTCustomizeManager::FormatCustomBars({ { 0xE802, "Mine" } });
    std::vector<BYTE> changed = good;
    changed[good.size() - 1] ^= 0x20;
    struct Case
    {
        const char* name;
        std::vector<BYTE> value;
    };
    const Case cases[] = {
        { "a changed byte", changed },
        { "four zero bytes: no version", { 0, 0, 0, 0 } },
        { "another version", sealed({ 2, 0, 0, 0, 0, 0, 0, 0 }) },
        { "a count beyond the entries", sealed({ 1, 0, 0, 0, 0x40, 0x42, 0x0F, 0, 0x02, 0xE8, 0, 0, 1, 'x' }) },
        { "a 32-bit length beyond the data",
          sealed({ 1, 0, 0, 0, 1, 0, 0, 0, 0x02, 0xE8, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'x' }) },
        { "a negative count", sealed({ 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF }) },
    };
    AppKeyScope key("TarnixCustomizeTest", "Bars");
    CCustomizeFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::vector<std::pair<UINT, CString>> bars;
        EXPECT_FALSE(CXTCustomizeManager::ParseCustomBars(c.value.data(), (UINT)c.value.size(), bars));
        EXPECT_TRUE(bars.empty());
        ASSERT_TRUE(CXTRegistryStore().WriteProfileBinary("Frame", "CustomBars-Info", c.value.data(),
                                                          (UINT)c.value.size()));
        EXPECT_FALSE(GetCustomizeManager().LoadCustomBars(&frame, "Frame"));
        EXPECT_EQ(nullptr, frame.GetControlBar(0xE802));
    }
    // The good value makes the bar; saving with none removes the value.
    ASSERT_TRUE(CXTRegistryStore().WriteProfileBinary("Frame", "CustomBars-Info", good.data(), (UINT)good.size()));
    EXPECT_TRUE(GetCustomizeManager().LoadCustomBars(&frame, "Frame"));
    CXTCustomToolBar* pBar = dynamic_cast<CXTCustomToolBar*>(frame.GetControlBar(0xE802));
    ASSERT_NE(nullptr, pBar);
    EXPECT_EQ(CString("Mine"), pBar->GetName());
    GetCustomizeManager().SaveCustomBars(&frame, "Frame");
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(CXTRegistryStore().GetProfileBinary("Frame", "CustomBars-Info", &pData, &nBytes));
    EXPECT_EQ(good, std::vector<BYTE>(pData, pData + nBytes));
    delete[] pData;
    pBar->Delete();
    GetCustomizeManager().SaveCustomBars(&frame, "Frame");
    EXPECT_FALSE(CXTRegistryStore().GetProfileBinary("Frame", "CustomBars-Info", &pData, &nBytes));
    frame.DestroyWindow();
}

TEST(XTCustomizeManager, UnregisteringAnObjectTakesItOutOfEveryRegistry)
{
    CXTCustomizeManager& manager = GetCustomizeManager();
    int object = 0, other = 0;
    manager.m_categories.Add(&object, [](XT_COMMAND_GROUPS&) {});
    manager.m_commandIcons.Add(&object, [](CXTCommandIconMap&) {});
    manager.m_barEnumeration.Add(&object, [](const std::function<void(const CXTBarInfo&)>&) {});
    manager.m_clearSelection.Add(&object, [] {});
    manager.m_customizeMode.Add(&object, [](BOOL) {});
    manager.m_dragSources.Add(&object, [](XT_DRAG_TARGETS&) {});
    manager.m_barShown.Add(&object, [](CWnd*, BOOL) {});
    manager.m_barAdded.Add(&object, [](const CXTBarInfo&) {});
    manager.m_barRenamed.Add(&object, [](CWnd*, LPCSTR) {});
    manager.m_barRemoved.Add(&object, [](CWnd*) {});
    manager.m_barRemoved.Add(&other, [](CWnd*) {});
    HMENU hPopup = ::CreatePopupMenu();
    manager.SetMenuBarPopup(&object, [hPopup](UINT) { return hPopup; });
    manager.Unregister(&object);
    const std::pair<const char*, BOOL> contained[] = {
        { "categories", manager.m_categories.Contains(&object) },
        { "command icons", manager.m_commandIcons.Contains(&object) },
        { "bar enumeration", manager.m_barEnumeration.Contains(&object) },
        { "clear selection", manager.m_clearSelection.Contains(&object) },
        { "customise mode", manager.m_customizeMode.Contains(&object) },
        { "drag sources", manager.m_dragSources.Contains(&object) },
        { "bar shown", manager.m_barShown.Contains(&object) },
        { "bar added", manager.m_barAdded.Contains(&object) },
        { "bar renamed", manager.m_barRenamed.Contains(&object) },
        { "bar removed", manager.m_barRemoved.Contains(&object) },
        { "menu bar", manager.GetMenuBarPopup(1) != nullptr },
    };
    for (const auto& [name, bContained] : contained)
        EXPECT_FALSE(bContained) << name;
    EXPECT_TRUE(manager.m_barRemoved.Contains(&other));
    manager.Unregister(&other);
    ::DestroyMenu(hPopup);
}

TEST(XTPersonalOptions, AChangeIsStoredAtExitOnlyWhenItsFlagSaysSo)
{
    AppKeyScope key("TarnixCustomizeTest", "Options");
    for (BOOL bSaveOnExit : { TRUE, FALSE })
    {
        SCOPED_TRACE(bSaveOnExit);
        CXTRegistryStore().DeleteValue("Settings", "Options");
        {
            // The options as the toolkit has them now, set again: stored, they change nothing.
            CXTPersonalOptions options;
            options.Load();
            BYTE values[CXTPersonalOptions::count];
            for (int i = 0; i < CXTPersonalOptions::count; ++i)
                values[i] = options.Get(i);
            options.Set(values);
            options.SetSaveOnExit(bSaveOnExit);
        }
        BYTE* pData = nullptr;
        UINT nBytes = 0;
        EXPECT_EQ(bSaveOnExit, CXTRegistryStore().GetProfileBinary("Settings", "Options", &pData, &nBytes));
        delete[] pData;
    }
}

} // namespace
