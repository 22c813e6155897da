// Control bars in frames: the layout arithmetic, the frame's layout of bars
// around its pane, delayed showing, idle update of buttons, tips and prompts.
#include "framework/Afx.h"

#include "TestResources.h"
#include "BarTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bar_test {

using bar_test_support::CBoxBar;
using bar_test_support::RectText;
using bar_test_support::RunIdle;

TEST(BarLayout, ABarTakesItsSideOfTheLayoutRectangle)
{
    struct Case
    {
        const char* name;
        DWORD dwAlign;
        CSize size;
        const char* bar;
        const char* rest;
    };
    const Case cases[] = {
        { "top, stretched", CBRS_ALIGN_TOP, CSize(32767, 26), "0,0,200,26", "0,26,200,100" },
        { "bottom, stretched", CBRS_ALIGN_BOTTOM, CSize(32767, 20), "0,80,200,100", "0,0,200,80" },
        { "left, fixed width", CBRS_ALIGN_LEFT, CSize(40, 32767), "0,0,40,100", "40,0,200,100" },
        { "right, short", CBRS_ALIGN_RIGHT, CSize(30, 50), "170,0,200,50", "0,0,170,100" },
        { "taller than the room", CBRS_ALIGN_TOP, CSize(32767, 500), "0,0,200,100", "0,100,200,100" },
        { "no side", 0, CSize(30, 30), "0,0,0,0", "0,0,200,100" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CRect layout(0, 0, 200, 100);
        CRect bar = AfxTakeBarRoom(layout, c.size, c.dwAlign);
        EXPECT_EQ(c.bar, RectText(bar));
        EXPECT_EQ(c.rest, RectText(layout));
    }
}

TEST(BarLayout, ButtonsWrapIntoRowsAndSeparatorsEndRows)
{
    struct Case
    {
        const char* name;
        std::vector<AFX_WRAPITEM> items;
        int nLength;
        std::vector<int> rows;
    };
    const AFX_WRAPITEM b = { 23, FALSE };
    const AFX_WRAPITEM s = { 6, TRUE };
    const Case cases[] = {
        { "all fit", { b, s, b, b }, 200, { 0 } },
        { "one per row", { b, b, b }, 23, { 0, 1, 2 } },
        { "separator stays at the row's end", { b, s, b }, 23, { 0, 2 } },
        { "wrap after two", { b, b, b, b, b }, 50, { 0, 2, 4 } },
        { "separator fits, next button wraps", { b, b, s, b }, 52, { 0, 3 } },
        { "a button wider than the row", { { 80, FALSE }, b }, 50, { 0, 1 } },
        { "nothing", {}, 50, {} },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.rows, AfxWrapRows(c.items, c.nLength));
    }
}

// A bar of a fixed size.
// A frame with a plain window as its pane and handlers for two commands.
class CBarFrame : public bar_test_support::CPaneFrame
{
public:
    int nHandled = 0;
    BOOL CreateFrame() { return CreatePaneFrame("Bars"); }
    CRect PaneRect()
    {
        CRect rect;
        pane.GetWindowRect(&rect);
        ScreenToClient(&rect);
        return rect;
    }

protected:
    void OnHandled() { ++nHandled; }
    void OnUpdateThird(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBarFrame, CFrameWnd)
    ON_COMMAND(ID_TEST_HANDLED, OnHandled)
    ON_COMMAND(ID_TEST_THIRD, OnHandled)
    ON_UPDATE_COMMAND_UI(ID_TEST_THIRD, OnUpdateThird)
END_MESSAGE_MAP()

// A frame whose status line has the one pane the prompts go to.
bool MakeFrameWithStatusLine(CBarFrame& frame, CStatusBar& status)
{
    const UINT indicators[] = { ID_SEPARATOR };
    return frame.CreateFrame() && status.Create(&frame) && status.SetIndicators(indicators, 1);
}

TEST(FrameLayout, BarsTakeTheirSidesInChildOrderAndThePaneGetsTheRest)
{
    CBarFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CStatusBar status;
    ASSERT_TRUE(status.Create(&frame));
    const UINT indicators[] = { ID_SEPARATOR, ID_TEST_HANDLED };
    ASSERT_TRUE(status.SetIndicators(indicators, 2));
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    ASSERT_TRUE(toolBar.LoadToolBar(IDR_TESTBAR));
    CBoxBar left;
    ASSERT_TRUE(left.Create(&frame, CBRS_LEFT, AFX_IDW_CONTROLBAR_FIRST + 40));
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    frame.RecalcLayout();

    CRect client;
    frame.GetClientRect(&client);
    CRect rectStatus = frame.ChildRect(status);
    CRect rectTool = frame.ChildRect(toolBar);
    CRect rectLeft = frame.ChildRect(left);
    CRect rectPane = frame.PaneRect();
    // Bars come in child order: the status bar first takes the bottom, the
    // tool bar then the top, the left bar what is left between them.
    EXPECT_EQ(RectText(CRect(0, client.bottom - rectStatus.Height(), client.right, client.bottom)), RectText(rectStatus));
    EXPECT_GT(rectStatus.Height(), 0);
    EXPECT_EQ(RectText(CRect(0, 0, client.right, rectTool.Height())), RectText(rectTool));
    EXPECT_GE(rectTool.Height(), 22);
    EXPECT_EQ(RectText(CRect(0, rectTool.bottom, 40, rectStatus.top)), RectText(rectLeft));
    EXPECT_EQ(RectText(CRect(40, rectTool.bottom, client.right, rectStatus.top)), RectText(rectPane));

    // A hidden tool bar gives its height to the pane.
    frame.ShowControlBar(&toolBar, FALSE, FALSE);
    EXPECT_FALSE(toolBar.IsWindowVisible());
    EXPECT_EQ(RectText(CRect(40, 0, client.right, rectStatus.top)), RectText(frame.PaneRect()));
    EXPECT_EQ(RectText(CRect(0, 0, 40, rectStatus.top)), RectText(frame.ChildRect(left)));
    frame.DestroyWindow();
}

TEST(FrameLayout, TheMdiClientGetsWhatTheBarsLeave)
{
    CMDIFrameWnd* pFrame = new CMDIFrameWnd;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_TESTMDI));
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(pFrame));
    ASSERT_TRUE(toolBar.LoadToolBar(IDR_TESTBAR));
    CStatusBar status;
    ASSERT_TRUE(status.Create(pFrame));
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    pFrame->RecalcLayout();
    CRect client, rectClient, rectTool, rectStatus;
    pFrame->GetClientRect(&client);
    ::GetWindowRect(pFrame->m_hWndMDIClient, &rectClient);
    pFrame->ScreenToClient(&rectClient);
    toolBar.GetWindowRect(&rectTool);
    pFrame->ScreenToClient(&rectTool);
    status.GetWindowRect(&rectStatus);
    pFrame->ScreenToClient(&rectStatus);
    EXPECT_EQ(RectText(CRect(0, rectTool.bottom, client.right, rectStatus.top)), RectText(rectClient));
    EXPECT_EQ(0, rectTool.top);
    EXPECT_EQ(client.bottom, rectStatus.bottom);
    pFrame->DestroyWindow();
}

TEST(FrameLayout, DelayedShowWaitsForIdleAndTheBarCommandTogglesIt)
{
    CBarFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CBoxBar bar;
    ASSERT_TRUE(bar.Create(&frame, CBRS_TOP, AFX_IDW_TOOLBAR));
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    frame.RecalcLayout();
    ASSERT_EQ(40, frame.PaneRect().top);

    frame.ShowControlBar(&bar, FALSE, TRUE);
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_FALSE(bar.IsVisible());
    RunIdle(&frame);
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_EQ(0, frame.PaneRect().top);

    // Shown and hidden again before idle: hidden.
    frame.ShowControlBar(&bar, TRUE, TRUE);
    frame.ShowControlBar(&bar, FALSE, TRUE);
    RunIdle(&frame);
    EXPECT_FALSE(bar.IsWindowVisible());

    // The bar's id is its command: it toggles the bar and checks the item.
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, AFX_IDW_TOOLBAR, "Leiste");
    struct Step
    {
        const char* name;
        BOOL bVisible;
    };
    const Step steps[] = { { "shown", TRUE }, { "hidden", FALSE }, { "shown again", TRUE } };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.name);
        frame.SendMessage(WM_COMMAND, AFX_IDW_TOOLBAR);
        EXPECT_EQ(step.bVisible, bar.IsWindowVisible());
        EXPECT_EQ(step.bVisible ? 40 : 0, frame.PaneRect().top);
        AfxUpdateMenuItems(&menu, &frame, TRUE);
        EXPECT_EQ(step.bVisible ? (UINT)MF_CHECKED : 0u, menu.GetMenuState(0, MF_BYPOSITION) & MF_CHECKED);
    }
    frame.DestroyWindow();
}

TEST(ToolBar, IdleDisablesButtonsWithoutHandlerOrDisabledByTheirUpdate)
{
    CBarFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(&frame));
    ASSERT_TRUE(toolBar.LoadToolBar(IDR_TESTBAR));
    ASSERT_EQ(4, toolBar.GetCount());
    EXPECT_EQ(0, toolBar.CommandToIndex(ID_TEST_HANDLED));
    EXPECT_EQ((UINT)ID_SEPARATOR, toolBar.GetItemID(1));
    EXPECT_EQ(3, toolBar.CommandToIndex(ID_TEST_THIRD));
    CBoxBar box;
    ASSERT_TRUE(box.Create(&frame, CBRS_BOTTOM, AFX_IDW_CONTROLBAR_FIRST + 41));
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    RunIdle(&frame);

    struct Case
    {
        UINT nID;
        BOOL bEnabled;
    };
    const Case cases[] = { { ID_TEST_HANDLED, TRUE }, { ID_TEST_UNHANDLED, FALSE }, { ID_TEST_THIRD, FALSE } };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nID);
        EXPECT_EQ(c.bEnabled != FALSE, toolBar.SendMessage(TB_ISBUTTONENABLED, c.nID) != 0);
        int nIndex = toolBar.CommandToIndex(c.nID);
        EXPECT_EQ(c.bEnabled ? 0u : (UINT)TBBS_DISABLED, toolBar.GetButtonStyle(nIndex) & TBBS_DISABLED);
    }
    EXPECT_GT(box.nUpdates, 0);   // bars of any kind are updated

    // A click on a button is the frame's command.
    CRect rect;
    toolBar.GetItemRect(0, &rect);
    toolBar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    toolBar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    EXPECT_EQ(1, frame.nHandled);
    frame.DestroyWindow();
}

TEST(ToolBar, TipAndPromptShowTheTwoPartsOfTheCommandString)
{
    CBarFrame frame;
    CStatusBar status;
    ASSERT_TRUE(MakeFrameWithStatusLine(frame, status));
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY));
    ASSERT_TRUE(toolBar.LoadToolBar(IDR_TESTBAR));

    struct Case
    {
        UINT code;
        const char* name;
    };
    const Case cases[] = { { TTN_NEEDTEXTA, "ANSI" }, { TTN_NEEDTEXTW, "wide" } };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        NMTTDISPINFOW info = {};   // the larger of the two records
        info.hdr.hwndFrom = toolBar.m_hWnd;
        info.hdr.idFrom = ID_TEST_UNHANDLED;
        info.hdr.code = c.code;
        frame.SendMessage(WM_NOTIFY, ID_TEST_UNHANDLED, (LPARAM)&info);
        std::string tip;
        if (c.code == TTN_NEEDTEXTA)
            tip = reinterpret_cast<NMTTDISPINFOA*>(&info)->lpszText;
        else
        {
            char buffer[80] = "";
            ::WideCharToMultiByte(CP_ACP, 0, info.lpszText, -1, buffer, (int)sizeof(buffer), nullptr, nullptr);
            tip = buffer;
        }
        EXPECT_EQ("Ohne", tip);
    }

    EXPECT_TRUE(toolBar.SetStatusText(ID_TEST_HANDLED));
    EXPECT_EQ(CString("Führt den behandelten Befehl aus"), status.GetPaneText(0));
    CString windowText;
    status.GetWindowText(windowText);
    EXPECT_EQ(CString("Führt den behandelten Befehl aus"), windowText);
    EXPECT_TRUE(toolBar.SetStatusText(-1));
    EXPECT_EQ(CString("Bereit"), status.GetPaneText(0));
    frame.DestroyWindow();
}

TEST(StatusBar, PanesTakeTheirTextsWidthAndTheFirstStretches)
{
    CBarFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CStatusBar status;
    ASSERT_TRUE(status.Create(&frame));
    const UINT indicators[] = { ID_SEPARATOR, ID_TEST_UNHANDLED, ID_TEST_THIRD };
    ASSERT_TRUE(status.SetIndicators(indicators, 3));
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    frame.RecalcLayout();
    RunIdle(&frame);

    // The panes of the commands without an enabling handler stay blank.
    EXPECT_EQ((UINT)SBPS_DISABLED, status.GetPaneStyle(1) & SBPS_DISABLED);
    EXPECT_EQ(2, status.CommandToIndex(ID_TEST_THIRD));
    CRect rect0, rect1, rect2, client;
    status.GetItemRect(0, &rect0);
    status.GetItemRect(1, &rect1);
    status.GetItemRect(2, &rect2);
    status.GetClientRect(&client);
    HDC hDC = ::GetDC(status.m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, (HFONT)status.SendMessage(WM_GETFONT));
    SIZE text = {};
    CString strPane;
    strPane.LoadString(ID_TEST_UNHANDLED);
    ::GetTextExtentPoint32A(hDC, strPane, strPane.GetLength(), &text);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(status.m_hWnd, hDC);
    EXPECT_NEAR(text.cx + 8, rect1.right - rect0.right, 2);
    EXPECT_GT(rect0.Width(), rect1.Width());
    EXPECT_LE(rect2.right, client.right);
    frame.DestroyWindow();
}

} // namespace bar_test

namespace bar_test {

class CKeyFrame : public CFrameWnd
{
public:
    int nKeys = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            ++nKeys;
        return CFrameWnd::PreTranslateMessage(pMsg);
    }
    void PostNcDestroy() override {}
};

TEST(FrameKeys, KeysOfAnotherTopLevelWindowReachTheMainFramesAccelerators)
{
    CKeyFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Keys", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, nullptr, "Floating", WS_POPUP | WS_CAPTION, 0, 0, 100, 100, frame.m_hWnd, nullptr));
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &popup, 1));
    CWinApp* pApp = AfxGetApp();
    CWnd* pSaved = pApp->m_pMainWnd;
    pApp->m_pMainWnd = &frame;

    struct Case
    {
        const char* name;
        HWND hWnd;
        BOOL bEnabled;
        int nKeys;
    };
    const Case cases[] = {
        { "in the floating window", child.m_hWnd, TRUE, 1 },
        { "in the frame itself: once, by its own walk", frame.m_hWnd, TRUE, 1 },
        { "under a modal loop (frame disabled)", child.m_hWnd, FALSE, 0 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        frame.nKeys = 0;
        frame.EnableWindow(c.bEnabled);
        MSG msg = { c.hWnd, WM_KEYDOWN, 'A', 0, 0, { 0, 0 } };
        pApp->PreTranslateMessage(&msg);
        EXPECT_EQ(c.nKeys, frame.nKeys);
    }
    frame.EnableWindow(TRUE);
    pApp->m_pMainWnd = pSaved;
    popup.DestroyWindow();
    frame.DestroyWindow();
}

} // namespace bar_test

namespace bar_test {

TEST(ReBar, ABandHoldsTheToolBarAndTheRebarTakesItsDepthFromTheLayout)
{
    CBarFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CReBar rebar;
    ASSERT_TRUE(rebar.Create(&frame));
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
    ASSERT_TRUE(toolBar.LoadToolBar(IDR_TESTBAR));
    ASSERT_TRUE(rebar.AddBar(&toolBar));
    EXPECT_EQ(1u, rebar.GetBandCount());
    EXPECT_EQ(rebar.m_hWnd, ::GetParent(toolBar.m_hWnd));
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    frame.RecalcLayout();
    CRect rectRebar = frame.ChildRect(rebar);
    EXPECT_EQ(0, rectRebar.top);
    EXPECT_GE(rectRebar.Height(), toolBar.CalcFixedLayout(FALSE, TRUE).cy);
    EXPECT_EQ(rectRebar.bottom, frame.PaneRect().top);
    frame.DestroyWindow();
}

} // namespace bar_test

namespace bar_test {

// A bar that is no common control, with two tools side by side: the left
// one's tip comes from the frame, the right one brings its own heap text.
class CTipBar : public CBoxBar
{
public:
    CTipBar() : CBoxBar(CSize(200, 30)) {}
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override
    {
        if (point.y < 0 || point.y >= 20 || point.x < 0 || point.x >= 100)
            return -1;
        BOOL bLeft = point.x < 50;
        UINT nID = bLeft ? ID_TEST_UNHANDLED : ID_TEST_HANDLED;
        if (pTI != nullptr)
        {
            pTI->hwnd = m_hWnd;
            pTI->uId = nID;
            pTI->rect = bLeft ? CRect(0, 0, 50, 20) : CRect(50, 0, 100, 20);
            pTI->lpszText = bLeft ? LPSTR_TEXTCALLBACKA : _strdup("Eigener Tipp");
        }
        return nID;
    }
};

// The status line follows what the menu loop reports, and a reason a
// command put there itself does not outlive the menu.
TEST(StatusBar, TheMenuShowsItsCommandsPromptsAndTheIdleTextWhenItCloses)
{
    CBarFrame frame;
    CStatusBar status;
    ASSERT_TRUE(MakeFrameWithStatusLine(frame, status));
    frame.SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM) "Ein Grund");
    HMENU hMenu = ::CreatePopupMenu();
    struct Step
    {
        const char* name;
        UINT nItem, nFlags;
        HMENU hMenu;
        const char* text;
    };
    const Step steps[] = {
        { "the bar's sub-menu keeps what stands", 0, MF_POPUP, hMenu, "Ein Grund" },
        { "a command", ID_TEST_HANDLED, 0, hMenu, "Führt den behandelten Befehl aus" },
        { "a separator", 0, MF_SEPARATOR, hMenu, "" },
        { "a command again", ID_TEST_HANDLED, MF_HILITE, hMenu, "Führt den behandelten Befehl aus" },
        { "a system command", SC_CLOSE, MF_SYSMENU, hMenu, "" },
        { "the menu closes", 0, 0xFFFF, nullptr, "Bereit" },
    };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.name);
        frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(step.nItem, step.nFlags), (LPARAM)step.hMenu);
        EXPECT_EQ(CString(step.text), status.GetPaneText(0));
    }
    ::DestroyMenu(hMenu);
    frame.DestroyWindow();
}

TEST(BarTips, ABarWithoutCommonControlSharesTheThreadsTipAndShowsPromptsWhileTheMouseIsOverATool)
{
    CBarFrame frame;
    CStatusBar status;
    ASSERT_TRUE(MakeFrameWithStatusLine(frame, status));
    CTipBar bar;
    ASSERT_TRUE(bar.Create(&frame, CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY, AFX_IDW_CONTROLBAR_FIRST + 42));
    bar.SetOwner(&frame);
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    frame.RecalcLayout();
    status.SetPaneText(0, "Bereit");
    CToolTipCtrl* pTip = AfxGetThreadToolTip();
    ASSERT_NE(nullptr, pTip);

    struct Step
    {
        const char* name;
        UINT nMsg;
        int x, y;
        int nTools;
        UINT_PTR uId;
        const char* text;     // the tool's own text, or nullptr for the frame's
        const char* prompt;
    };
    const Step steps[] = {
        { "over the left tool", WM_MOUSEMOVE, 10, 5, 1, ID_TEST_UNHANDLED, nullptr, "Ohne Behandlung" },
        { "within the same tool", WM_MOUSEMOVE, 20, 6, 1, ID_TEST_UNHANDLED, nullptr, "Ohne Behandlung" },
        { "over the right tool", WM_MOUSEMOVE, 60, 5, 1, ID_TEST_HANDLED, "Eigener Tipp",
          "Führt den behandelten Befehl aus" },
        { "beside the tools", WM_MOUSEMOVE, 150, 5, 0, 0, nullptr, "Bereit" },
        { "back over the left tool", WM_MOUSEMOVE, 10, 5, 1, ID_TEST_UNHANDLED, nullptr, "Ohne Behandlung" },
        { "the mouse left the bar", WM_MOUSELEAVE, 0, 0, 0, 0, nullptr, "Bereit" },
    };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.name);
        MSG msg = { bar.m_hWnd, step.nMsg, 0, MAKELPARAM(step.x, step.y), 0, { 0, 0 } };
        AfxGetApp()->PreTranslateMessage(&msg);
        ASSERT_EQ(step.nTools, pTip->GetToolCount());
        EXPECT_EQ(CString(step.prompt), status.GetPaneText(0));
        if (step.nTools == 0)
            continue;
        TOOLINFOA ti = {};
        ti.cbSize = sizeof(ti);
        char text[80] = "";
        ti.lpszText = text;
        ASSERT_TRUE(pTip->SendMessage(TTM_ENUMTOOLSA, 0, (LPARAM)&ti));
        EXPECT_EQ(bar.m_hWnd, ti.hwnd);
        EXPECT_EQ(step.uId, ti.uId);
        if (step.text != nullptr)
            EXPECT_STREQ(step.text, text);
        else
        {
            // A callback tool: the frame answers with the string's second part.
            NMTTDISPINFOA info = {};
            info.hdr.hwndFrom = pTip->m_hWnd;
            info.hdr.idFrom = ti.uId;
            info.hdr.code = TTN_NEEDTEXTA;
            bar.SendMessage(WM_NOTIFY, ti.uId, (LPARAM)&info);
            EXPECT_STREQ("Ohne", info.lpszText);
        }
    }
    frame.DestroyWindow();
    EXPECT_EQ(0, pTip->GetToolCount());
}

TEST(StatusBar, KeyIndicatorsShowWhileTheirKeysAreOnAndTheControlReadsThePanes)
{
    CBarFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CStatusBar status;
    ASSERT_TRUE(status.Create(&frame));
    const UINT indicators[] = { ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL };
    ASSERT_TRUE(status.SetIndicators(indicators, 4));
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    frame.RecalcLayout();
    BYTE saved[256];
    ASSERT_TRUE(::GetKeyboardState(saved));

    struct Case
    {
        const char* name;
        BOOL bCaps, bNum, bScroll;
    };
    const Case cases[] = {
        { "all off", FALSE, FALSE, FALSE },
        { "Caps Lock on", TRUE, FALSE, FALSE },
        { "Num and Scroll Lock on", FALSE, TRUE, TRUE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        BYTE keys[256];
        memcpy(keys, saved, sizeof(keys));
        keys[VK_CAPITAL] = c.bCaps ? 1 : 0;
        keys[VK_NUMLOCK] = c.bNum ? 1 : 0;
        keys[VK_SCROLL] = c.bScroll ? 1 : 0;
        ASSERT_TRUE(::SetKeyboardState(keys));
        RunIdle(&frame);
        const BOOL on[] = { c.bCaps, c.bNum, c.bScroll };
        const char* texts[] = { "UF", "NUM", "RF" };
        for (int i = 0; i < 3; ++i)
        {
            SCOPED_TRACE(texts[i]);
            EXPECT_EQ(on[i] ? 0u : (UINT)SBPS_DISABLED, status.GetPaneStyle(i + 1) & SBPS_DISABLED);
            // What the control itself shows.
            EXPECT_EQ(CString(on[i] ? texts[i] : ""), status.GetStatusBarCtrl().GetText(i + 1));
        }
    }
    ::SetKeyboardState(saved);
    frame.DestroyWindow();
}

TEST(ToolBar, TheBarsControlShowsTheButtonStatesTheIdleUpdateSet)
{
    CBarFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(&frame));
    ASSERT_TRUE(toolBar.LoadToolBar(IDR_TESTBAR));
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    RunIdle(&frame);
    CToolBarCtrl& ctrl = toolBar.GetToolBarCtrl();
    EXPECT_EQ(toolBar.m_hWnd, ctrl.m_hWnd);
    EXPECT_EQ(4, ctrl.GetButtonCount());
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_TEST_HANDLED));
    EXPECT_FALSE(ctrl.IsButtonEnabled(ID_TEST_UNHANDLED));
    ctrl.CheckButton(ID_TEST_HANDLED);
    EXPECT_EQ((UINT)TBBS_CHECKED, toolBar.GetButtonStyle(0) & TBBS_CHECKED);
    // The object the bar is stays the one the handle map knows.
    EXPECT_EQ(&toolBar, CWnd::FromHandlePermanent(toolBar.m_hWnd));
    frame.DestroyWindow();
}

} // namespace bar_test
