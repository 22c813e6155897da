// The toolkit's frames and their helper: dock bars made once per side,
// docking beside a bar and by the bar's side, shortcut texts in popups, the
// menu as the user sees it, hidden commands, keyboard access of the menu
// bar, the customise sheet, user tools, the "Windows" list, the child
// frame's active view, the window class with an icon and the managers' flags.
#include "toolkit/bars/XTAccelManager.h"
#include "toolkit/bars/XTToolsManager.h"
#include "toolkit/controls/XTWindowList.h"
#include "toolkit/frame/XTControlBar.h"
#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTFrameWnd.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMDIChildWnd.h"
#include "toolkit/frame/XTMDIFrameWnd.h"
#include "toolkit/frame/XTMiniDockFrameWnd.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/Afx.h"
#include "helpers/TestSupport.h"
#include "toolkit/bars/XTTestAppKey.h"
#include "toolkit/frame/XTDockTestFrame.h"

#include "XTResource.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const UINT kTopBar = 0xE81B, kLeftBar = 0xE81C, kRightBar = 0xE81D, kBottomBar = 0xE81E;

class CTestBar : public toolkit_test::CFixedBar
{
public:
    CTestBar() : CFixedBar(CSize(60, 24)) {}
};

// A menu bar as the frames see it: it records what it is offered.
class CTestMenuBar : public CTestBar, public IXTMenuBar
{
public:
    BOOL Create(CFrameWnd* pFrame) { return CTestBar::Create(pFrame, CBRS_ALIGN_TOP, XT_IDW_MENUBAR); }
    HWND GetMenuBarHwnd() const override { return m_hWnd; }
    BOOL HideCommands(const UINT* pIDs, int nCount) override
    {
        hidden.insert(hidden.end(), pIDs, pIDs + nCount);
        return TRUE;
    }
    BOOL TranslateFrameMessage(MSG* pMsg) override
    {
        offered.push_back(pMsg->wParam);
        return bConsume;
    }
    HMENU GetMenuBarMenu() const override { return hMenu; }

    std::vector<UINT> hidden;
    std::vector<WPARAM> offered;
    BOOL bConsume = FALSE;
    HMENU hMenu = nullptr;
};

class CTestView : public CView
{
    DECLARE_DYNCREATE(CTestView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CTestView, CView)

// A frame made and destroyed by the test; the frame deletes itself.
template <class TFrame> TFrame* MakeFrame(LPCSTR lpszTitle = "Frame")
{
    TFrame* pFrame = new TFrame;
    if (!pFrame->Create(nullptr, lpszTitle, WS_OVERLAPPEDWINDOW, CRect(30, 30, 530, 430)))
        return nullptr;
    return pFrame;
}

int CountChildrenWithId(HWND hWndParent, UINT nID)
{
    int nCount = 0;
    for (HWND h = ::GetWindow(hWndParent, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        nCount += (UINT)::GetDlgCtrlID(h) == nID ? 1 : 0;
    return nCount;
}

UINT ParentId(CWnd* pBar)
{
    return (UINT)::GetDlgCtrlID(::GetParent(pBar->m_hWnd));
}

struct CTestCmdUI : public CCmdUI
{
    int nEnabled = -1;
    void Enable(BOOL bOn) override
    {
        nEnabled = bOn ? 1 : 0;
        m_bEnableChanged = TRUE;
    }
};

int UpdateEnabled(CCmdTarget* pTarget, UINT nID)
{
    CTestCmdUI ui;
    ui.m_nID = nID;
    ui.DoUpdate(pTarget, TRUE);
    return ui.nEnabled;
}

std::string ItemText(HMENU hMenu, int nPos)
{
    char szText[256] = "";
    ::GetMenuStringA(hMenu, nPos, szText, sizeof(szText), MF_BYPOSITION);
    return szText;
}

// ---------------------------------------------------------------------------

TEST(XTFrameDocking, EnablingDockingTwiceMakesOneToolkitDockBarPerSide)
{
    CXTMDIFrameWnd* pFrame = MakeFrame<CXTMDIFrameWnd>();
    ASSERT_NE(nullptr, pFrame);
    pFrame->EnableDocking(CBRS_ALIGN_TOP, XT_DOCKBAR_PLAINSPLITTERS);
    pFrame->EnableDocking(CBRS_ALIGN_ANY, XT_DOCKBAR_NOSPLITTERLINE);
    pFrame->EnableDocking(CBRS_ALIGN_ANY, XT_DOCKBAR_NOSPLITTERLINE);
    for (UINT nID : { kTopBar, kLeftBar, kRightBar, kBottomBar })
    {
        SCOPED_TRACE(nID);
        EXPECT_EQ(1, CountChildrenWithId(pFrame->m_hWnd, nID));
        CXTDockBar* pDockBar = dynamic_cast<CXTDockBar*>(pFrame->GetControlBar(nID));
        ASSERT_NE(nullptr, pDockBar);
        EXPECT_EQ((DWORD)XT_DOCKBAR_NOSPLITTERLINE, pDockBar->GetDockBarStyle());
    }
    EXPECT_EQ(RUNTIME_CLASS(CXTMiniDockFrameWnd), pFrame->m_pFloatingFrameClass);
    pFrame->DestroyWindow();
}

TEST(XTFrameDocking, TheDockBarsKeepTheFramesStyleWhileTheirWindowsAreHiddenShownAndRestyled)
{
    // What the frame gave its dock bars stays whatever a dock window does:
    // its bits share values with the dock bar's (button look 2 with "no
    // splitter line").
    struct Step
    {
        const char* name;
        std::function<void(CXTMDIFrameWnd*, CXTDockWindow&)> run;
    };
    const Step steps[] = {
        { "docked", [](CXTMDIFrameWnd*, CXTDockWindow&) {} },
        { "hidden",
          [](CXTMDIFrameWnd* pFrame, CXTDockWindow& window) { pFrame->ShowControlBar(&window, FALSE, FALSE); } },
        { "shown",
          [](CXTMDIFrameWnd* pFrame, CXTDockWindow& window) { pFrame->ShowControlBar(&window, TRUE, FALSE); } },
        { "hidden and shown at idle",
          [](CXTMDIFrameWnd* pFrame, CXTDockWindow& window) {
              pFrame->ShowControlBar(&window, FALSE, TRUE);
              window.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
              pFrame->ShowControlBar(&window, TRUE, TRUE);
              window.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
              pFrame->RecalcLayout();
          } },
        { "button look 2",
          [](CXTMDIFrameWnd*, CXTDockWindow& window) { window.ModifyBarStyleEx(0, BARSTYLE_BUTTON_LOOK2); } },
        { "button look 2 taken away",
          [](CXTMDIFrameWnd*, CXTDockWindow& window) { window.ModifyBarStyleEx(BARSTYLE_BUTTON_LOOK2, 0); } },
    };
    for (DWORD dwFrameStyle : { (DWORD)XT_DOCKBAR_PLAINSPLITTERS, (DWORD)XT_DOCKBAR_NOSPLITTERLINE, (DWORD)0 })
    {
        SCOPED_TRACE(dwFrameStyle);
        CXTMDIFrameWnd* pFrame = MakeFrame<CXTMDIFrameWnd>();
        ASSERT_NE(nullptr, pFrame);
        pFrame->EnableDocking(CBRS_ALIGN_ANY, dwFrameStyle);
        CXTDockWindow window;
        ASSERT_TRUE(window.Create(pFrame, 0xE920, "Window", 120, 100, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT));
        window.EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(&window, kLeftBar);
        pFrame->RecalcLayout();
        CXTDockBar* pDockBar = dynamic_cast<CXTDockBar*>(pFrame->GetControlBar(kLeftBar));
        ASSERT_NE(nullptr, pDockBar);
        for (const Step& step : steps)
        {
            SCOPED_TRACE(step.name);
            step.run(pFrame, window);
            EXPECT_EQ(dwFrameStyle, pDockBar->GetDockBarStyle());
        }
        EXPECT_TRUE(window.GetStyle() & WS_VISIBLE);
        window.DestroyWindow();
        pFrame->DestroyWindow();
    }
}

TEST(XTFrameDocking, BarDockedBesideABarAtTheBottomJoinsItsRowOnTheRight)
{
    CXTMDIFrameWnd* pFrame = MakeFrame<CXTMDIFrameWnd>();
    ASSERT_NE(nullptr, pFrame);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CTestBar left, right;
    ASSERT_TRUE(left.Create(pFrame, CBRS_ALIGN_TOP, 0xE900));
    ASSERT_TRUE(right.Create(pFrame, CBRS_ALIGN_TOP, 0xE901));
    left.EnableDocking(CBRS_ALIGN_ANY);
    right.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&left, kBottomBar);
    pFrame->DockControlBarLeftOf(&right, &left);
    pFrame->RecalcLayout();
    EXPECT_EQ(kBottomBar, ParentId(&right));
    CRect rcLeft, rcRight;
    left.GetWindowRect(&rcLeft);
    right.GetWindowRect(&rcRight);
    EXPECT_EQ(rcLeft.top, rcRight.top);
    EXPECT_GE(rcRight.left, rcLeft.right - 2);
    pFrame->DestroyWindow();
}

TEST(XTFrameDocking, DockBarOfIdZeroFollowsTheBarsSideElseTheFirstAllowed)
{
    struct Case
    {
        const char* name;
        DWORD dwBarStyle;
        DWORD dwDockStyle;
        UINT nExpected;   // 0: not docked
    };
    const Case cases[] = {
        { "named side", CBRS_ALIGN_LEFT, CBRS_ALIGN_ANY, kLeftBar },
        { "named side even where docking is not allowed", CBRS_ALIGN_BOTTOM, CBRS_ALIGN_RIGHT, kBottomBar },
        { "no single side: the first allowed", CBRS_ALIGN_ANY, CBRS_ALIGN_RIGHT, kRightBar },
        { "no single side and none allowed", CBRS_ALIGN_ANY, 0, 0 },
    };
    CXTMDIFrameWnd* pFrame = MakeFrame<CXTMDIFrameWnd>();
    ASSERT_NE(nullptr, pFrame);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    UINT nID = 0xE910;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTestBar bar;
        ASSERT_TRUE(bar.Create(pFrame, c.dwBarStyle, nID++));
        bar.m_dwDockStyle = c.dwDockStyle;
        pFrame->DockControlBar(&bar, 0);
        if (c.nExpected != 0)
            EXPECT_EQ(c.nExpected, ParentId(&bar));
        else
            EXPECT_EQ(pFrame->m_hWnd, ::GetParent(bar.m_hWnd));
        bar.DestroyWindow();
    }
    pFrame->DestroyWindow();
}

// ---------------------------------------------------------------------------

class XTFrameShortcutTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CXTAccelManager& accel = GetAccelManager();
        m_savedTable = accel.GetTable();
        while (!accel.GetTable().empty())
            accel.RemoveShortcut(accel.GetTable()[0].fVirt, accel.GetTable()[0].key);
        accel.AddShortcut(100, FVIRTKEY | FCONTROL, 'O');
        accel.AddShortcut(100, FVIRTKEY | FCONTROL, 'P');
        accel.AddShortcut(101, FVIRTKEY, VK_F5);
        accel.SetEnabled(TRUE);
        m_pFrame = MakeFrame<CXTMDIFrameWnd>();
        ASSERT_NE(nullptr, m_pFrame);
    }
    void TearDown() override
    {
        CXTAccelManager& accel = GetAccelManager();
        accel.SetEnabled(FALSE);
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
        while (!accel.GetTable().empty())
            accel.RemoveShortcut(accel.GetTable()[0].fVirt, accel.GetTable()[0].key);
        for (const ACCEL& a : m_savedTable)
            accel.AddShortcut(a.cmd, a.fVirt, a.key);
        accel.SetChanged(FALSE);
    }

    CXTMDIFrameWnd* m_pFrame = nullptr;
    std::vector<ACCEL> m_savedTable;
};

TEST_F(XTFrameShortcutTest, PopupItemsShowTheFirstShortcutAfterATabButNotInTheSystemMenuOrWithoutTheManager)
{
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenuA(hSub, MF_STRING, 101, "Inner");
    HMENU hPopup = ::CreatePopupMenu();
    ::AppendMenuA(hPopup, MF_STRING, 100, "&Open\tCtrl+X");
    ::AppendMenuA(hPopup, MF_STRING, 101, "Refresh");
    ::AppendMenuA(hPopup, MF_STRING, 102, "Stale\tAlt+S");
    ::AppendMenuA(hPopup, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hPopup, MF_STRING | MF_POPUP, (UINT_PTR)hSub, "More\tF5");
    ::AppendMenuA(hPopup, MF_STRING | MF_CHECKED, 103, "Plain");
    // As the system menu, and without the manager, the texts stay.
    m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, MAKELPARAM(0, TRUE));
    EXPECT_EQ("&Open\tCtrl+X", ItemText(hPopup, 0));
    GetAccelManager().SetEnabled(FALSE);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, MAKELPARAM(0, FALSE));
    EXPECT_EQ("&Open\tCtrl+X", ItemText(hPopup, 0));
    GetAccelManager().SetEnabled(TRUE);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, MAKELPARAM(0, FALSE));

    EXPECT_EQ("&Open\tCtrl+O", ItemText(hPopup, 0));
    EXPECT_EQ("Refresh\tF5", ItemText(hPopup, 1));
    EXPECT_EQ("Stale", ItemText(hPopup, 2));
    EXPECT_EQ("More\tF5", ItemText(hPopup, 4));
    EXPECT_EQ(hSub, ::GetSubMenu(hPopup, 4));
    EXPECT_EQ("Plain", ItemText(hPopup, 5));
    EXPECT_TRUE(::GetMenuState(hPopup, 5, MF_BYPOSITION) & MF_CHECKED);
    ::DestroyMenu(hPopup);
}

TEST_F(XTFrameShortcutTest, ManagerKeysPassTheMenuBarOthersAreOfferedToIt)
{
    CTestMenuBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame));
    MSG msg = { m_pFrame->m_hWnd, WM_KEYDOWN, VK_F5, 0, 0, { 0, 0 } };
    m_pFrame->PreTranslateMessage(&msg);
    EXPECT_TRUE(bar.offered.empty());

    msg.wParam = VK_F6;
    bar.bConsume = TRUE;
    EXPECT_TRUE(m_pFrame->PreTranslateMessage(&msg));
    bar.bConsume = FALSE;
    EXPECT_FALSE(m_pFrame->PreTranslateMessage(&msg));
    EXPECT_EQ((std::vector<WPARAM>{ VK_F6, VK_F6 }), bar.offered);
}

// ---------------------------------------------------------------------------

TEST(XTFrameMenu, MenuIsTheWindowsElseTheMenuBarsElseNone)
{
    CXTMDIFrameWnd* pFrame = MakeFrame<CXTMDIFrameWnd>();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(nullptr, pFrame->GetMenu());

    HMENU hWindowMenu = ::CreateMenu();
    ::AppendMenuA(hWindowMenu, MF_STRING, 100, "&File");
    ::SetMenu(pFrame->m_hWnd, hWindowMenu);
    CMenu* pMenu = pFrame->GetMenu();
    ASSERT_NE(nullptr, pMenu);
    EXPECT_EQ(hWindowMenu, pMenu->m_hMenu);

    // The menu bar in use: the window's menu goes.
    CTestMenuBar bar;
    bar.hMenu = ::CreateMenu();
    ASSERT_TRUE(bar.Create(pFrame));
    EXPECT_EQ(hWindowMenu, pFrame->GetMenu()->m_hMenu);
    ::SetMenu(pFrame->m_hWnd, nullptr);
    pMenu = pFrame->GetMenu();
    ASSERT_NE(nullptr, pMenu);
    EXPECT_EQ(bar.hMenu, pMenu->m_hMenu);

    // A child frame shows its parent frame's menu bar.
    CXTMDIChildWnd* pChild = new CXTMDIChildWnd;
    ASSERT_TRUE(pChild->Create(nullptr, "Doc", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                               pFrame));
    EXPECT_EQ(bar.hMenu, CXTFrameHelper().GetMenu(pChild)->m_hMenu);

    bar.DestroyWindow();
    EXPECT_EQ(nullptr, pFrame->GetMenu());
    pFrame->DestroyWindow();
    ::DestroyMenu(hWindowMenu);
    ::DestroyMenu(bar.hMenu);
}

TEST(XTFrameMenu, CoolMenusTakeTheToolBarImagesUpToTheFirstThatFails)
{
    CXTMDIFrameWnd* pFrame = MakeFrame<CXTMDIFrameWnd>();
    ASSERT_NE(nullptr, pFrame);
    const BOOL bSaved = xtAfxData.m_bCoolMenuAttached;
    // The cool menu tests' tool bar 3901 holds commands 100 and 101.
    const UINT ids[] = { XT_IDR_EDITMENU, 4999, 3901 };
    EXPECT_FALSE(pFrame->InstallCoolMenus(ids, 3));
    EXPECT_TRUE(xtAfxData.m_bCoolMenuAttached);
    CXTCoolMenu& coolMenu = pFrame->GetFrameHelper().GetCoolMenu();
    EXPECT_EQ(pFrame->m_hWnd, coolMenu.GetSafeHwnd());
    EXPECT_GE(coolMenu.GetImageIndex(XT_ID_EDIT_CUT), 0);
    EXPECT_EQ(-1, coolMenu.GetImageIndex(100));
    EXPECT_TRUE(pFrame->InstallCoolMenus(ids + 2, 1));
    EXPECT_GE(coolMenu.GetImageIndex(100), 0);
    pFrame->DestroyWindow();
    xtAfxData.m_bCoolMenuAttached = bSaved;
}

TEST(XTFrameMenu, HiddenCommandsGoToTheMenuBarAndToCoolMenusWhenInstalled)
{
    // A helper without a menu bar object of its own hands them to the frame's.
    const XT_MENUBAR_FACTORY pfnSaved = CXTFrameHelper::GetMenuBarFactory();
    CXTFrameHelper::SetMenuBarFactory(nullptr);
    CXTMDIFrameWnd* pFrame = MakeFrame<CXTMDIFrameWnd>();
    CXTFrameHelper::SetMenuBarFactory(pfnSaved);
    ASSERT_NE(nullptr, pFrame);
    CTestMenuBar bar;
    ASSERT_TRUE(bar.Create(pFrame));
    const BOOL bSaved = xtAfxData.m_bCoolMenuAttached;
    xtAfxData.m_bCoolMenuAttached = FALSE;
    const UINT ids[] = { 200, 201 };
    EXPECT_TRUE(pFrame->HideCommands(ids, 2));
    EXPECT_FALSE(pFrame->GetFrameHelper().GetCoolMenu().IsHiddenCommand(200));
    xtAfxData.m_bCoolMenuAttached = TRUE;
    EXPECT_TRUE(pFrame->HideCommand(202));
    EXPECT_TRUE(pFrame->GetFrameHelper().GetCoolMenu().IsHiddenCommand(202));
    EXPECT_EQ((std::vector<UINT>{ 200, 201, 202 }), bar.hidden);
    xtAfxData.m_bCoolMenuAttached = bSaved;
    pFrame->DestroyWindow();
}

// ---------------------------------------------------------------------------

// A customise sheet whose modal run is a callback.
struct SheetLog
{
    static SheetLog* pActive;
    std::vector<CFrameWnd*> frames;
    int nDeleted = 0;
    std::function<void()> onModal;
    IXTCustomizeSheet* pSeenOpen = nullptr;
};
SheetLog* SheetLog::pActive = nullptr;

class CTestSheet : public IXTCustomizeSheet
{
public:
    ~CTestSheet() override { ++SheetLog::pActive->nDeleted; }
    INT_PTR DoModal() override
    {
        SheetLog::pActive->pSeenOpen = CXTFrameHelper::GetOpenCustomizeSheet();
        if (SheetLog::pActive->onModal)
            SheetLog::pActive->onModal();
        return IDOK;
    }
};

IXTCustomizeSheet* MakeTestSheet(CFrameWnd* pFrame)
{
    SheetLog::pActive->frames.push_back(pFrame);
    return new CTestSheet;
}

class XTFrameCustomizeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        SheetLog::pActive = &m_log;
        CXTFrameHelper::SetCustomizeSheetFactory(MakeTestSheet);
        m_pFrame = MakeFrame<CXTMDIFrameWnd>();
        ASSERT_NE(nullptr, m_pFrame);
    }
    void TearDown() override
    {
        CXTFrameHelper::SetCustomizeSheetFactory(nullptr);
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
        SheetLog::pActive = nullptr;
    }

    SheetLog m_log;
    CXTMDIFrameWnd* m_pFrame = nullptr;
};

TEST_F(XTFrameCustomizeTest, SheetIsOpenWhileItRunsAndDeletedAfterAndWithoutOneTheCommandIsDisabled)
{
    EXPECT_EQ(1, UpdateEnabled(m_pFrame, XT_IDC_CUSTOMIZE));
    m_pFrame->SendMessage(WM_COMMAND, XT_IDC_CUSTOMIZE);
    EXPECT_EQ((std::vector<CFrameWnd*>{ m_pFrame }), m_log.frames);
    EXPECT_NE(nullptr, m_log.pSeenOpen);
    EXPECT_EQ(1, m_log.nDeleted);
    EXPECT_EQ(nullptr, CXTFrameHelper::GetOpenCustomizeSheet());

    CXTFrameHelper::SetCustomizeSheetFactory(nullptr);
    EXPECT_EQ(0, UpdateEnabled(m_pFrame, XT_IDC_CUSTOMIZE));
    m_pFrame->SendMessage(WM_COMMAND, XT_IDC_CUSTOMIZE);
    EXPECT_EQ(1u, m_log.frames.size());
    EXPECT_EQ(1, UpdateEnabled(m_pFrame, 53783));
    EXPECT_EQ(1, UpdateEnabled(m_pFrame, XT_IDC_WINDOWLIST));
}

TEST_F(XTFrameCustomizeTest, ChildFrameOpensTheMainWindowsSheet)
{
    CWnd* pSavedMain = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = m_pFrame;
    CXTMDIChildWnd* pChild = new CXTMDIChildWnd;
    ASSERT_TRUE(pChild->Create(nullptr, "Doc", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                               m_pFrame));
    EXPECT_EQ(1, UpdateEnabled(pChild, XT_IDC_CUSTOMIZE));
    pChild->SendMessage(WM_COMMAND, XT_IDC_CUSTOMIZE);
    AfxGetApp()->m_pMainWnd = pSavedMain;
    EXPECT_EQ((std::vector<CFrameWnd*>{ m_pFrame }), m_log.frames);
}

TEST_F(XTFrameCustomizeTest, FrameThatGoesWhileTheSheetIsOpenLeavesItToItsRunner)
{
    CXTMDIFrameWnd* pOther = MakeFrame<CXTMDIFrameWnd>("Other");
    ASSERT_NE(nullptr, pOther);
    m_log.onModal = [pOther]() { pOther->DestroyWindow(); };
    m_pFrame->SendMessage(WM_COMMAND, XT_IDC_CUSTOMIZE);
    EXPECT_EQ(1, m_log.nDeleted);
    EXPECT_EQ(nullptr, CXTFrameHelper::GetOpenCustomizeSheet());
}

// ---------------------------------------------------------------------------

TEST(XTFrameCommands, UserToolStartsWithItsRecord)
{
    char szProgram[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    CXTToolsManager& tools = GetToolsManager();
    XT_TOOL tool = {};
    lstrcpynA(tool.szTitle, "Tool", sizeof(tool.szTitle));
    lstrcpynA(tool.szCommand, szProgram, sizeof(tool.szCommand));
    lstrcpynA(tool.szArguments, "-x", sizeof(tool.szArguments));
    lstrcpynA(tool.szDirectory, "C:\\", sizeof(tool.szDirectory));
    tool.nCmdID = 53010;
    tools.AddTool(tool);

    CXTMDIFrameWnd* pFrame = MakeFrame<CXTMDIFrameWnd>();
    ASSERT_NE(nullptr, pFrame);
    {
        testing_support::ProgramStartRecorder starts;
        pFrame->SendMessage(WM_COMMAND, 53010);
        pFrame->SendMessage(WM_COMMAND, 53011);   // no tool: nothing
        // The start's fields are the manager's tests' to check.
        ASSERT_EQ(1u, starts.Starts().size());
        EXPECT_EQ(nullptr, starts.Starts()[0].hWnd);
        EXPECT_STREQ(szProgram, starts.Starts()[0].strFile);
        EXPECT_STREQ("-x", starts.Starts()[0].strParameters);
    }
    pFrame->DestroyWindow();
    tools.RemoveAll();
    tools.SetChanged(FALSE);
    tools.SetResetAll(FALSE);
}

TEST(XTFrameCommands, WindowListShowsTheFramesSmallIcon)
{
    CXTMDIFrameWnd* pFrame = MakeFrame<CXTMDIFrameWnd>();
    ASSERT_NE(nullptr, pFrame);
    HICON hIcon = ::LoadIconA(nullptr, IDI_QUESTION);
    pFrame->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    BOOL bSeen = FALSE;
    HICON hDialogIcon = nullptr;
    CDialog::ModalHook saved = CDialog::SetModalHook([&](CDialog* pDlg) {
        bSeen = dynamic_cast<CXTWindowList*>(pDlg) != nullptr;
        hDialogIcon = reinterpret_cast<HICON>(pDlg->SendMessage(WM_GETICON, ICON_SMALL, 0));
        pDlg->EndDialog(IDCANCEL);
    });
    pFrame->SendMessage(WM_COMMAND, XT_IDC_WINDOWLIST);
    CDialog::SetModalHook(saved);
    EXPECT_TRUE(bSeen);
    EXPECT_EQ(hIcon, hDialogIcon);
    pFrame->DestroyWindow();
}

TEST(XTFrameChild, ActivatedChildMakesItsFirstViewActive)
{
    CXTMDIFrameWnd* pFrame = MakeFrame<CXTMDIFrameWnd>();
    ASSERT_NE(nullptr, pFrame);
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTestView);
    CXTMDIChildWnd* pChild = new CXTMDIChildWnd;
    ASSERT_TRUE(pChild->Create(nullptr, "Doc", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                               pFrame, &context));
    CView* pView = dynamic_cast<CView*>(pChild->GetDlgItem(AFX_IDW_PANE_FIRST));
    ASSERT_NE(nullptr, pView);
    pChild->SetActiveView(nullptr, FALSE);
    pChild->ActivateFrame();
    EXPECT_EQ(pView, pChild->GetActiveView());
    pFrame->DestroyWindow();
}

TEST(XTFrameColors, ColourAndSettingChangesRefreshTheGlobalColours)
{
    struct Case
    {
        const char* name;
        UINT message;
        BOOL bMDI;
    };
    const Case cases[] = {
        { "colours, MDI frame", WM_SYSCOLORCHANGE, TRUE },
        { "settings, MDI frame", WM_SETTINGCHANGE, TRUE },
        { "colours, single-document frame", WM_SYSCOLORCHANGE, FALSE },
        { "settings, single-document frame", WM_SETTINGCHANGE, FALSE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CFrameWnd* pFrame = c.bMDI ? static_cast<CFrameWnd*>(MakeFrame<CXTMDIFrameWnd>())
                                   : static_cast<CFrameWnd*>(MakeFrame<CXTFrameWnd>());
        ASSERT_NE(nullptr, pFrame);
        xtAfxData.m_clr3DFace = RGB(1, 2, 3);
        pFrame->SendMessage(c.message, 0, 0);
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), xtAfxData.m_clr3DFace);
        pFrame->DestroyWindow();
    }
}

// A frame whose window class carries the toolkit's window-list icon.
class CIconFrame : public CXTFrameWnd
{
public:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override { return CXTFrameWnd::PreCreateWindow(cs, XT_IDI_WINDOWLIST); }
};

TEST(XTFrameClass, ClassWithAnIconHasNoStyleCursorOrBackground)
{
    CIconFrame* pFrame = MakeFrame<CIconFrame>();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_NE(0u, ::GetClassLongPtrA(pFrame->m_hWnd, GCLP_HICON));
    EXPECT_EQ(0u, ::GetClassLongPtrA(pFrame->m_hWnd, GCLP_HCURSOR));
    EXPECT_EQ(0u, ::GetClassLongPtrA(pFrame->m_hWnd, GCLP_HBRBACKGROUND));
    EXPECT_EQ(0u, ::GetClassLongPtrA(pFrame->m_hWnd, GCL_STYLE));
    pFrame->DestroyWindow();
}

TEST(XTFrameHelperManagers, HelperClearsSaveOnDestroyAndSavesWhatIsEnabled)
{
    toolkit_test::AppKeyScope key("TarnixFrameTest", "Frames");
    CXTAccelManager& accel = GetAccelManager();
    CXTToolsManager& tools = GetToolsManager();
    accel.SetSaveOnDestroy(TRUE);
    tools.SetSaveOnDestroy(TRUE);
    accel.SetEnabled(TRUE);
    tools.SetEnabled(FALSE);
    {
        CXTFrameHelper helper;
        EXPECT_FALSE(accel.IsSaveOnDestroy());
        EXPECT_FALSE(tools.IsSaveOnDestroy());
        EXPECT_TRUE(accel.IsEnabled());
        accel.AddShortcut(300, FVIRTKEY, VK_F9);
        tools.SetChanged(TRUE);
    }
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    EXPECT_TRUE(CXTRegistryStore().GetProfileBinary("Settings", "Accelerators", &pData, &nBytes));
    delete[] pData;
    EXPECT_FALSE(accel.IsChanged());
    EXPECT_TRUE(tools.IsChanged());   // not enabled: not saved
    EXPECT_FALSE(CXTRegistryStore().GetProfileBinary("Settings", "Tools", &pData, &nBytes));
    accel.RemoveShortcut(FVIRTKEY, VK_F9);
    accel.SetEnabled(FALSE);
    accel.SetChanged(FALSE);
    tools.SetChanged(FALSE);
}

} // namespace
