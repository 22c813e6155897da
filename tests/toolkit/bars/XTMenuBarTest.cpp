#include "toolkit/bars/XTMenuBar.h"

#include "toolkit/bars/XTCustCommandsPage.h"
#include "toolkit/bars/XTMenuCommands.h"
#include "toolkit/bars/XTToolBar.h"
#include "toolkit/bars/XTMBarWndHook.h"
#include "toolkit/bars/XTMenuBarItem.h"
#include "toolkit/bars/XTMenuBarMDIButton.h"
#include "toolkit/bars/XTMenuBarMenuItem.h"
#include "toolkit/bars/XTMenuState.h"
#include "toolkit/XTTestCanvas.h"
#include "toolkit/bars/XTSheetRun.h"
#include "toolkit/bars/XTTestAppKey.h"
#include "toolkit/bars/XTTestBarIds.h"
#include "toolkit/XTContextMenuSeen.h"
#include "toolkit/XTRealInput.h"
#include "toolkit/bars/XTToolsManager.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/DockBar.h"
#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

enum { ID_NEW = 100, ID_OPEN, ID_CUT = 110, ID_COPY, ID_TOOLBAR = 120, ID_ZOOM, ID_AB = 130, ID_ABOUT = 140 };

// Items of the test menu: 0 the system menu, 1-6 the entries, 7-9 the MDI buttons.
enum { itemFile = 1, itemEdit, itemView, itemAB, itemWindow, itemHelp, itemMinimize, itemRestore, itemClose };

// A bar that counts its beeps instead of sounding them.
class CQuietMenuBar : public CXTMenuBar
{
public:
    int nBeeps = 0;
    void OnNoMnemonicMatch() override { ++nBeeps; }
};

// An MDI frame that offers its messages to the menu bar first, as the
// toolkit's frames do.
class CMenuBarFrame : public CMDIFrameWnd
{
public:
    CQuietMenuBar m_wndMenuBar;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (m_wndMenuBar.m_hWnd != nullptr && m_wndMenuBar.TranslateFrameMessage(pMsg))
            return TRUE;
        return CMDIFrameWnd::PreTranslateMessage(pMsg);
    }
};

// A document's child frame whose template menu the test sets; it records the
// menu messages and commands that reach it.
class CDocumentChild : public CMDIChildWnd
{
public:
    std::vector<std::string> log;
    void SetSharedMenu(HMENU hMenu) { m_hMenuShared = hMenu; }

protected:
    void OnInitMenuPopup(CMenu*, UINT, BOOL) { log.push_back("init popup"); }
    void OnCut() { log.push_back("cut"); }
    DECLARE_MESSAGE_MAP()
};

// void OnInitMenuPopup(CMenu*, UINT, BOOL); void OnX()
BEGIN_MESSAGE_MAP(CDocumentChild, CMDIChildWnd)
    ON_WM_INITMENUPOPUP()
    ON_COMMAND(ID_CUT, OnCut)
END_MESSAGE_MAP()

HMENU MakePopup(std::initializer_list<std::pair<UINT, const char*>> entries)
{
    HMENU hPopup = ::CreatePopupMenu();
    for (const auto& entry : entries)
        ::AppendMenuA(hPopup, MF_STRING, entry.first, entry.second);
    return hPopup;
}

HMENU MakeTestMenu(HMENU* phWindow = nullptr)
{
    HMENU hMenu = ::CreateMenu();
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)MakePopup({ { ID_NEW, "&New" }, { ID_OPEN, "&Open" } }), "&File");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)MakePopup({ { ID_CUT, "Cu&t" }, { ID_COPY, "&Copy" } }), "&Edit");
    HMENU hView = MakePopup({ { ID_TOOLBAR, "&Toolbar" } });
    ::AppendMenuA(hView, MF_POPUP, (UINT_PTR)MakePopup({ { ID_ZOOM, "&Zoom" } }), "&Size");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hView, "&View");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)MakePopup({ { ID_AB, "Both" } }), "A&&B");
    HMENU hWindow = MakePopup({ { ID_WINDOW_CASCADE, "&Cascade" }, { ID_WINDOW_TILE_HORZ, "&Tile" } });
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hWindow, "&Window");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)MakePopup({ { ID_ABOUT, "&About" } }), "&Help");
    if (phWindow != nullptr)
        *phWindow = hWindow;
    return hMenu;
}

int TextWidth(LPCSTR pszText)
{
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, xtAfxData.m_fontNormal.m_hObject);
    SIZE size = { 0, 0 };
    ::GetTextExtentPoint32A(hDC, pszText, (int)strlen(pszText), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    return size.cx;
}

void Pump() { testing_support::PumpPendingMessages(); }

// Drives the menu loops a test opens: each time a popup of the bar is on the
// screen for an item not seen just before, the tracked item is recorded and
// the next step runs (it posts keys or moves the mouse). After the last step,
// or when a step is missing, the menu is ended, so that no test can hang.
struct PopupScript
{
    explicit PopupScript(CXTMenuBar* pMenuBar) : pBar(pMenuBar) {}
    static PopupScript* pActive;
    CXTMenuBar* pBar;
    std::vector<std::function<void()>> steps;
    std::vector<int> tracked;
    int nTicks = 0;

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        PopupScript& s = *pActive;
        if (++s.nTicks > 60)
        {
            ::EndMenu();
            return;
        }
        HWND hWndPopup = ::FindWindowA("#32768", nullptr);
        int nItem = -1;
        if (hWndPopup == nullptr || !::IsWindowVisible(hWndPopup)
            || s.pBar->GetTrackedItem(&nItem) != CXTMenuBar::trackPopup)
            return;
        if (!s.tracked.empty() && s.tracked.back() == nItem)
            return;
        s.tracked.push_back(nItem);
        size_t nStep = s.tracked.size() - 1;
        if (nStep < s.steps.size())
            s.steps[nStep]();
        else
            ::EndMenu();
    }

    // Runs open (which tracks a popup of the bar) under the script.
    void Run(const std::function<void()>& open)
    {
        pActive = this;
        UINT_PTR nTimer = ::SetTimer(nullptr, 0, 40, &PopupScript::OnTimer);
        open();
        ::KillTimer(nullptr, nTimer);
        Pump();
        pActive = nullptr;
    }
};
PopupScript* PopupScript::pActive = nullptr;

class MenuBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // Away from the frame: a bar made under the pointer gets it as hot item.
        toolkit_test::MoveCursorTo(5, 5);
        m_pFrame = new CMenuBarFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Menu bar test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 640, 440)));
        m_hFrame = m_pFrame->m_hWnd;
        m_hMenu = MakeTestMenu(&m_hWindowMenu);
        ::SetMenu(m_hFrame, m_hMenu);
        ASSERT_TRUE(Bar().Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS));
        m_pFrame->RecalcLayout();
        m_pFrame->SetForegroundWindow();
        Pump();
    }
    void TearDown() override
    {
        GetXTMenuState().bAltPressed = FALSE;
        if (::IsWindow(m_hFrame))
            ::DestroyWindow(m_hFrame);
        ::DestroyMenu(m_hMenu);
    }

    CQuietMenuBar& Bar() { return m_pFrame->m_wndMenuBar; }
    CRect ItemRect(int nItem) { return Bar().GetItem(nItem)->m_rect; }
    CPoint ItemCentre(int nItem) { return ItemRect(nItem).CenterPoint(); }
    int State()
    {
        return Bar().GetTrackedItem();
    }
    BOOL Key(UINT message, WPARAM nKey, BOOL bAlt = FALSE, BOOL bRepeat = FALSE)
    {
        LPARAM lParam = 1 | (bAlt ? (1 << 29) : 0) | (bRepeat ? (1 << 30) : 0);
        if (message == WM_KEYUP || message == WM_SYSKEYUP)
            lParam |= (LPARAM)0xC0000000u;
        MSG msg = { m_hFrame, message, nKey, lParam, 0, { 0, 0 } };
        return Bar().TranslateFrameMessage(&msg);
    }
    void PressAlt()
    {
        Key(WM_SYSKEYDOWN, VK_MENU, TRUE);
        Key(WM_SYSKEYUP, VK_MENU, FALSE);
    }
    CMDIChildWnd* NewChild(LPCSTR pszTitle, DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW)
    {
        CMDIChildWnd* pChild = new CMDIChildWnd;
        EXPECT_TRUE(pChild->Create(nullptr, pszTitle, dwStyle, CFrameWnd::rectDefault, m_pFrame));
        return pChild;
    }
    // Maximises the child and lets the bar's idle update show its buttons.
    BOOL Maximise(CMDIChildWnd* pChild)
    {
        m_pFrame->MDIMaximize(pChild);
        Bar().SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        return Bar().IsMDIChildMaximized();
    }
    void PostKey(WPARAM nKey) { ::PostMessageA(m_hFrame, WM_KEYDOWN, nKey, 1); }
    // The menu of the popup the bar shows for an item, seen by the script.
    HMENU SubMenuOf(int nItem)
    {
        return ::GetSubMenu(m_hMenu, static_cast<CXTMenuBarMenuItem*>(Bar().GetItem(nItem))->GetPosition());
    }

    CMenuBarFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    HMENU m_hMenu = nullptr;
    HMENU m_hWindowMenu = nullptr;
};

TEST_F(MenuBarTest, TakesTheFramesMenuAndMeasuresItsEntries)
{
    EXPECT_EQ(nullptr, ::GetMenu(m_hFrame));
    EXPECT_EQ(m_hMenu, Bar().GetMenu());
    EXPECT_EQ(m_hWindowMenu, Bar().GetWindowMenu());
    EXPECT_EQ(10, Bar().GetItemCount());

    // No child is maximised: the system-menu item and the buttons take no room.
    for (int nItem : { 0, (int)itemMinimize, (int)itemRestore, (int)itemClose })
        EXPECT_TRUE(Bar().GetItem(nItem)->IsHidden()) << nItem;

    struct Row
    {
        int nItem;
        const char* pszMeasured;
        char chMnemonic;
    };
    // "&&" is measured as it stands and gives no mnemonic.
    const Row rows[] = {
        { itemFile, "File", 'F' }, { itemEdit, "Edit", 'E' },     { itemView, "View", 'V' },
        { itemAB, "A&&B", '\0' },  { itemWindow, "Window", 'W' }, { itemHelp, "Help", 'H' },
    };
    const int cyRow = ::GetSystemMetrics(SM_CYMENU);
    int x = 0;
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszMeasured);
        CRect rect = ItemRect(row.nItem);
        EXPECT_EQ(TextWidth(row.pszMeasured) + 14, rect.Width());
        EXPECT_EQ(x, rect.left);
        EXPECT_EQ((cyRow - rect.Height()) / 2, rect.top);
        char chMnemonic = 'x';
        EXPECT_EQ(row.chMnemonic != '\0', Bar().GetItem(row.nItem)->GetMnemonic(chMnemonic));
        EXPECT_EQ(row.chMnemonic, chMnemonic);
        x = rect.right;
    }

    // The bar is one menu row high plus its borders, and as wide as the frame.
    CRect rectBar, rectClient, rectFrame;
    Bar().GetWindowRect(&rectBar);
    Bar().GetClientRect(&rectClient);
    m_pFrame->GetClientRect(&rectFrame);
    EXPECT_EQ(cyRow, rectClient.Height());
    EXPECT_EQ(rectFrame.Width(), rectBar.Width());
    EXPECT_EQ(rectBar.Height(), rectClient.Height() + 3 + 1 + 2 * ::GetSystemMetrics(SM_CYBORDER));
}

TEST_F(MenuBarTest, KeyboardMessagesMoveThroughTheBar)
{
    struct Row
    {
        const char* pszWhat;
        UINT message;
        WPARAM nKey;
        BOOL bAlt;
        BOOL bConsumed;
        int nState;
        int nHot;
        BOOL bUnderlines;
        int nBeeps;
    };
    const int kb = CXTMenuBar::trackKeyboard, none = CXTMenuBar::trackNone;
    const Row rows[] = {
        { "Alt down shows underlines", WM_SYSKEYDOWN, VK_MENU, TRUE, TRUE, none, -1, TRUE, 0 },
        { "Alt up alone: keyboard mode on the first entry", WM_SYSKEYUP, VK_MENU, FALSE, TRUE, kb, itemFile, TRUE, 0 },
        { "Right", WM_KEYDOWN, VK_RIGHT, FALSE, TRUE, kb, itemEdit, TRUE, 0 },
        { "Left", WM_KEYDOWN, VK_LEFT, FALSE, TRUE, kb, itemFile, TRUE, 0 },
        { "Left wraps to the last entry", WM_KEYDOWN, VK_LEFT, FALSE, TRUE, kb, itemHelp, TRUE, 0 },
        { "Right wraps to the first", WM_KEYDOWN, VK_RIGHT, FALSE, TRUE, kb, itemFile, TRUE, 0 },
        { "F1 is the frame's", WM_KEYDOWN, VK_F1, FALSE, FALSE, kb, itemFile, TRUE, 0 },
        { "an unused letter beeps once", WM_KEYDOWN, 'Q', FALSE, TRUE, kb, itemFile, TRUE, 1 },
        { "Escape leaves keyboard mode", WM_KEYDOWN, VK_ESCAPE, FALSE, TRUE, none, -1, FALSE, 1 },
        { "outside keyboard mode a letter is the frame's", WM_KEYDOWN, 'Q', FALSE, FALSE, none, -1, FALSE, 1 },
        { "Alt again", WM_SYSKEYDOWN, VK_MENU, TRUE, TRUE, none, -1, TRUE, 1 },
        { "its repeat changes nothing", WM_SYSKEYDOWN, VK_MENU, TRUE, TRUE, none, -1, TRUE, 1 },
        { "Alt up: keyboard mode", WM_SYSKEYUP, VK_MENU, FALSE, TRUE, kb, itemFile, TRUE, 1 },
        { "Alt down", WM_SYSKEYDOWN, VK_MENU, TRUE, TRUE, kb, itemFile, TRUE, 1 },
        { "a second Alt leaves it", WM_SYSKEYUP, VK_MENU, FALSE, TRUE, none, -1, TRUE, 1 },
        { "Alt down", WM_SYSKEYDOWN, VK_MENU, TRUE, TRUE, none, -1, TRUE, 1 },
        { "Alt with an unused letter is the frame's", WM_SYSKEYDOWN, 'Q', TRUE, FALSE, none, -1, TRUE, 1 },
        { "Alt up after another key: no keyboard mode", WM_SYSKEYUP, VK_MENU, FALSE, TRUE, none, -1, TRUE, 1 },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszWhat);
        BOOL bRepeat = strstr(row.pszWhat, "repeat") != nullptr;
        EXPECT_EQ(row.bConsumed, Key(row.message, row.nKey, row.bAlt, bRepeat));
        EXPECT_EQ(row.nState, State());
        EXPECT_EQ(row.nHot, Bar().GetHotItem());
        EXPECT_EQ(row.bUnderlines, CXTMenuBar::IsShowMnemonics());
        EXPECT_EQ(row.nBeeps, Bar().nBeeps);
    }

    // A click elsewhere ends keyboard mode and the underlines.
    PressAlt();
    ASSERT_EQ(CXTMenuBar::trackKeyboard, State());
    MSG click = { m_hFrame, WM_LBUTTONDOWN, MK_LBUTTON, 0, 0, { 0, 0 } };
    EXPECT_FALSE(Bar().TranslateFrameMessage(&click));
    EXPECT_EQ(CXTMenuBar::trackNone, State());
    EXPECT_FALSE(CXTMenuBar::IsShowMnemonics());
}

TEST_F(MenuBarTest, ArrowKeysMoveBetweenOpenPopupsAndEscapeKeepsKeyboardMode)
{
    PopupScript script(&Bar());
    script.steps = {
        [&] { PostKey(VK_RIGHT); },   // File -> Edit
        [&] { PostKey(VK_LEFT); },    // Edit -> File
        [&] { PostKey(VK_LEFT); },    // File -> Help: wraps
        [&] { PostKey(VK_ESCAPE); },
    };
    PressAlt();
    script.Run([&] { EXPECT_TRUE(Key(WM_KEYDOWN, VK_DOWN)); });
    EXPECT_EQ((std::vector<int>{ itemFile, itemEdit, itemFile, itemHelp }), script.tracked);
    EXPECT_EQ(CXTMenuBar::trackKeyboard, State());
    EXPECT_EQ(itemHelp, Bar().GetHotItem());
    EXPECT_FALSE(GetXTMenuState().bMenuBarTracking);
}

TEST_F(MenuBarTest, RightEntersASubMenuInsteadOfMovingOn)
{
    PopupScript script(&Bar());
    script.steps = {
        [&] {
            // Down twice selects "Size", which opens a sub-menu; Right
            // opens it, then the script looks and ends the loop.
            PostKey(VK_DOWN);
            PostKey(VK_DOWN);
            PostKey(VK_RIGHT);
            ::SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR nID, DWORD) {
                ::KillTimer(nullptr, nID);
                ::EndMenu();
            });
        },
    };
    script.Run([&] { EXPECT_TRUE(Key(WM_SYSKEYDOWN, 'V', TRUE)); });
    EXPECT_EQ((std::vector<int>{ itemView }), script.tracked);
    EXPECT_EQ(CXTMenuBar::trackNone, State());
}

TEST_F(MenuBarTest, AMnemonicWithAltOpensItsEntry)
{
    PopupScript script(&Bar());
    HMENU hShown = nullptr;
    script.steps = { [&] {
        hShown = Bar().GetPopupMenu();
        PostKey(VK_ESCAPE);
    } };
    script.Run([&] { EXPECT_TRUE(Key(WM_SYSKEYDOWN, 'E', TRUE)); });
    EXPECT_EQ((std::vector<int>{ itemEdit }), script.tracked);
    EXPECT_EQ(SubMenuOf(itemEdit), hShown);
    EXPECT_EQ(CXTMenuBar::trackKeyboard, State());
    EXPECT_EQ(itemEdit, Bar().GetHotItem());
}

TEST_F(MenuBarTest, TheMouseMovesTheOpenPopupToTheItemUnderIt)
{
    PopupScript script(&Bar());
    CPoint ptWindow = ItemCentre(itemWindow);
    Bar().ClientToScreen(&ptWindow);
    script.steps = { [&] { ::SetCursorPos(ptWindow.x, ptWindow.y); } };
    script.Run([&] { Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ItemCentre(itemFile).x, ItemCentre(itemFile).y)); });
    EXPECT_EQ((std::vector<int>{ itemFile, itemWindow }), script.tracked);
    EXPECT_EQ(CXTMenuBar::trackNone, State());
}

TEST_F(MenuBarTest, AMaximisedChildShowsItsIconAndButtons)
{
    NewChild("One");
    CMDIChildWnd* pChild = NewChild("Two");
    m_pFrame->MDIMaximize(pChild);
    Pump();
    Bar().SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    ASSERT_TRUE(Bar().IsMDIChildMaximized());
    EXPECT_EQ(pChild->m_hWnd, Bar().GetActiveMDIChild());

    CRect rectClient;
    Bar().GetClientRect(&rectClient);
    const CRect rcIcon = ItemRect(0), rcMin = ItemRect(itemMinimize), rcRestore = ItemRect(itemRestore),
                rcClose = ItemRect(itemClose);
    for (int nItem : { 0, (int)itemMinimize, (int)itemRestore, (int)itemClose })
        EXPECT_FALSE(Bar().GetItem(nItem)->IsHidden()) << nItem;
    EXPECT_EQ(0, rcIcon.left);
    EXPECT_EQ(rcIcon.right + 2, ItemRect(itemFile).left);
    EXPECT_EQ(rectClient.right - ::GetSystemMetrics(SM_CXEDGE), rcClose.right);
    EXPECT_EQ(rcRestore.right + 2, rcClose.left);
    EXPECT_EQ(rcMin.right, rcRestore.left);

    // Restore, then Close, each by a click on its button.
    auto click = [&](int nItem) {
        CPoint point = ItemCentre(nItem);
        Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        Bar().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        Pump();
    };
    click(itemRestore);
    EXPECT_FALSE(::IsZoomed(pChild->m_hWnd));
    Bar().SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(Bar().IsMDIChildMaximized());
    EXPECT_TRUE(Bar().GetItem(itemClose)->IsHidden());

    Maximise(pChild);
    HWND hChild = pChild->m_hWnd;
    click(itemClose);
    EXPECT_FALSE(::IsWindow(hChild));
}

TEST_F(MenuBarTest, ADisabledMinimizeButtonIgnoresTheMouseAndADraggedPressIsNoClick)
{
    CMDIChildWnd* pChild =
        NewChild("No minimise", WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX);
    ASSERT_TRUE(Maximise(pChild));
    CPoint ptMin = ItemCentre(itemMinimize);
    Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptMin.x, ptMin.y));
    EXPECT_EQ(nullptr, ::GetCapture());
    Bar().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptMin.x, ptMin.y));
    Pump();
    EXPECT_TRUE(::IsZoomed(pChild->m_hWnd));

    // Pressed on Close, released elsewhere: nothing happens.
    CPoint ptClose = ItemCentre(itemClose);
    Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClose.x, ptClose.y));
    EXPECT_EQ(Bar().m_hWnd, ::GetCapture());
    Bar().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptClose.x - 40, ptClose.y));
    Bar().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptClose.x - 40, ptClose.y));
    Pump();
    EXPECT_TRUE(::IsWindow(pChild->m_hWnd));
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(MenuBarTest, TheWindowMenuListsNineChildrenAndTheActiveOneLast)
{
    std::vector<CMDIChildWnd*> children;
    for (int i = 1; i <= 12; ++i)
        children.push_back(NewChild(("Doc " + std::to_string(i)).c_str()));
    m_pFrame->MDIActivate(children.back());
    ASSERT_EQ(children.back(), m_pFrame->MDIGetActive());
    auto entries = [&] {
        std::vector<std::pair<UINT, std::string>> list;
        for (int i = 0; i < ::GetMenuItemCount(m_hWindowMenu); ++i)
        {
            char szText[64] = "";
            ::GetMenuStringA(m_hWindowMenu, i, szText, sizeof(szText), MF_BYPOSITION);
            list.emplace_back(::GetMenuItemID(m_hWindowMenu, i), szText);
        }
        return list;
    };
    std::vector<std::pair<UINT, std::string>> expected = {
        { ID_WINDOW_CASCADE, "&Cascade" }, { ID_WINDOW_TILE_HORZ, "&Tile" }, { 0, "" },
    };
    for (int i = 0; i < 8; ++i)
        expected.emplace_back(0xFF00 + i, "&" + std::to_string(i + 1) + "  Doc " + std::to_string(i + 1));
    expected.emplace_back(0xFF0B, "&9  Doc 12");
    expected.emplace_back(0, "");
    expected.emplace_back(0xFF09, "More Windows...");
    // Twice through the frame, as each opening of the popup does: the same list.
    for (int nPass = 0; nPass < 2; ++nPass)
    {
        SCOPED_TRACE(nPass);
        ::SendMessageA(m_hFrame, WM_INITMENUPOPUP, (WPARAM)m_hWindowMenu, 4);
        EXPECT_EQ(expected, entries());
        EXPECT_TRUE(::GetMenuState(m_hWindowMenu, 0xFF0B, MF_BYCOMMAND) & MF_CHECKED);
        EXPECT_FALSE(::GetMenuState(m_hWindowMenu, 0xFF00, MF_BYCOMMAND) & MF_CHECKED);
    }
    // Without children only the old list goes.
    for (CMDIChildWnd* pChild : children)
        pChild->MDIDestroy();
    ::SendMessageA(m_hFrame, WM_INITMENUPOPUP, (WPARAM)m_hWindowMenu, 4);
    expected.resize(3);
    EXPECT_EQ(expected, entries());
}

TEST_F(MenuBarTest, TheHooksFollowTheFramesActivationCommandsAndMDIMenus)
{
    ::SendMessageA(m_hFrame, WM_NCACTIVATE, FALSE, 0);
    EXPECT_FALSE(Bar().IsFrameActive());
    ::SendMessageA(m_hFrame, WM_NCACTIVATE, TRUE, 0);
    EXPECT_TRUE(Bar().IsFrameActive());
    ::EnableWindow(m_hFrame, FALSE);
    ::SendMessageA(m_hFrame, WM_NCACTIVATE, TRUE, 0);
    EXPECT_FALSE(Bar().IsFrameActive());
    ::EnableWindow(m_hFrame, TRUE);
    // A window of the frame's own takes the activation: the frame stays active, and so does the bar
    // (also on a frame without an MDI client to pass the activation on).
    CFrameWnd* pSingle = new CFrameWnd;   // deletes itself
    ASSERT_TRUE(pSingle->Create(nullptr, "Single", WS_OVERLAPPEDWINDOW, CRect(40, 40, 400, 300)));
    CQuietMenuBar singleBar;
    ASSERT_TRUE(singleBar.Create(pSingle, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    for (CFrameWnd* pFrame : { static_cast<CFrameWnd*>(m_pFrame), pSingle })
    {
        HWND hOwned = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, pFrame->m_hWnd, nullptr, nullptr, nullptr);
        ::SendMessageA(pFrame->m_hWnd, WM_NCACTIVATE, FALSE, (LPARAM)hOwned);
        EXPECT_TRUE((pFrame == pSingle ? singleBar : Bar()).IsFrameActive());
        ::DestroyWindow(hOwned);
    }
    pSingle->DestroyWindow();

    // Either hook redraws the bar when the MDI machinery refreshes the menu.
    for (HWND hHooked : { m_hFrame, m_pFrame->m_hWndMDIClient })
    {
        Bar().ValidateRect(nullptr);
        EXPECT_EQ(0, ::SendMessageA(hHooked, WM_MDIREFRESHMENU, 0, 0));
        EXPECT_TRUE(::GetUpdateRect(Bar().m_hWnd, nullptr, FALSE));
    }

    ::SendMessageA(m_hFrame, WM_COMMAND, XT_IDC_CHEVRON, 0);
    EXPECT_TRUE(CXTMBarWndHook::IsChevronChosen());
    ::SendMessageA(m_hFrame, WM_COMMAND, ID_NEW, 0);
    EXPECT_FALSE(CXTMBarWndHook::IsChevronChosen());

    // The MDI machinery sets a menu: the bar takes it, the frame stays without.
    HMENU hWindow = nullptr;
    HMENU hOther = MakeTestMenu(&hWindow);
    ::DeleteMenu(hOther, 0, MF_BYPOSITION);
    EXPECT_EQ(0, ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hOther, (LPARAM)hWindow));
    EXPECT_EQ(hOther, Bar().GetMenu());
    EXPECT_EQ(hWindow, Bar().GetWindowMenu());
    EXPECT_EQ(nullptr, ::GetMenu(m_hFrame));
    EXPECT_EQ(9, Bar().GetItemCount());
    EXPECT_EQ(hOther, Bar().SetMenu(m_hMenu, m_hWindowMenu));
    ::DestroyMenu(hOther);
}

TEST_F(MenuBarTest, PopupsOpenBelowTheirItemOrTowardTheFrameOfADockedBarWhichRunsAlongItsSide)
{
    CRect rcDesktop;
    ::GetWindowRect(::GetDesktopWindow(), &rcDesktop);
    TPMPARAMS tpmFree = {};
    EXPECT_EQ(CPoint(100, 39), Bar().GetPopupPosition(CRect(100, 20, 140, 39), tpmFree));
    EXPECT_EQ(sizeof(TPMPARAMS), tpmFree.cbSize);
    EXPECT_EQ(CRect(rcDesktop.left, rcDesktop.top, rcDesktop.right, 39), CRect(tpmFree.rcExclude));
    // Never at negative coordinates.
    EXPECT_EQ(CPoint(0, 0), Bar().GetPopupPosition(CRect(-30, -50, -10, -20), tpmFree));

    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    Bar().EnableDocking(CBRS_ALIGN_ANY);
    const CRect rcItem(300, 200, 340, 219);
    struct Row
    {
        const char* pszWhat;
        UINT nDockBar;
        CPoint point;
        CRect rcExclude;
        BOOL bHorz;
    };
    const Row rows[] = {
        { "left", AFX_IDW_DOCKBAR_LEFT, CPoint(340, 200), CRect(rcDesktop.left, rcDesktop.top, 340, rcDesktop.bottom), FALSE },
        { "right", AFX_IDW_DOCKBAR_RIGHT, CPoint(300, 200), CRect(300, rcDesktop.top, rcDesktop.right, rcDesktop.bottom), FALSE },
        { "bottom", AFX_IDW_DOCKBAR_BOTTOM, CPoint(300, 200), CRect(rcDesktop.left, 200, rcDesktop.right, rcDesktop.bottom), TRUE },
        { "top", AFX_IDW_DOCKBAR_TOP, CPoint(300, 219), CRect(rcDesktop.left, rcDesktop.top, rcDesktop.right, 219), TRUE },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszWhat);
        m_pFrame->DockControlBar(&Bar(), row.nDockBar);
        m_pFrame->RecalcLayout();
        TPMPARAMS tpm = {};
        EXPECT_EQ(row.point, Bar().GetPopupPosition(rcItem, tpm));
        EXPECT_EQ(row.rcExclude, CRect(tpm.rcExclude));
        // The entries follow each other along the bar, each turned on a side bar.
        const int cxFile = TextWidth("File") + 14, cxEdit = TextWidth("Edit") + 14;
        const CRect rcFile = ItemRect(itemFile), rcEdit = ItemRect(itemEdit);
        if (row.bHorz)
        {
            EXPECT_EQ(cxFile, rcFile.Width());
            EXPECT_EQ(rcFile.right, rcEdit.left);
            EXPECT_EQ(rcFile.top, rcEdit.top);
        }
        else
        {
            EXPECT_EQ(cxFile, rcFile.Height());
            EXPECT_EQ(cxEdit, rcEdit.Height());
            EXPECT_EQ(rcFile.bottom, rcEdit.top);
            EXPECT_EQ(rcFile.left, rcEdit.left);
            CRect rectBar;
            Bar().GetClientRect(&rectBar);
            EXPECT_EQ(::GetSystemMetrics(SM_CYMENU), rectBar.Width());
        }
    }
}

TEST_F(MenuBarTest, TheUserToolsPopupGoesInOnceBeforeItsPosition)
{
    toolkit_test::AppKeyScope key("TarnixMenuBarTest", "Tools");
    CXTToolsManager& tools = GetToolsManager();
    tools.Enable(nullptr, 5, 9);
    struct Row
    {
        const char* pszWhat;
        BOOL bDefault;
        std::vector<std::string> entries;
    };
    const std::vector<std::string> plain = { "&File", "&Edit", "&View", "A&&B", "&Window", "&Help" };
    const Row rows[] = {
        { "the default menu: before its sixth entry", TRUE,
          { "&File", "&Edit", "&View", "A&&B", "&Window", "&Tools", "&Help" } },
        { "set again: not a second time", TRUE, { "&File", "&Edit", "&View", "A&&B", "&Window", "&Tools", "&Help" } },
        { "another menu, a position beyond its end: first", FALSE,
          { "&Tools", "&File", "&Edit", "&View", "A&&B", "&Window", "&Help" } },
    };
    std::vector<HMENU> menus;
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszWhat);
        HMENU hMenu = row.bDefault ? Bar().GetDefaultMenu() : MakeTestMenu();
        menus.push_back(hMenu);
        Bar().SetMenu(hMenu, nullptr);
        std::vector<std::string> entries;
        for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
        {
            char szText[32] = "";
            ::GetMenuStringA(hMenu, i, szText, sizeof(szText), MF_BYPOSITION);
            entries.push_back(szText);
        }
        EXPECT_EQ(row.entries, entries);
        EXPECT_EQ(1 + (int)row.entries.size() + 3, Bar().GetItemCount());
    }
    tools.SetEnabled(FALSE);
    // The tools' popup is the manager's: out of the menus before they go.
    Bar().SetMenu(m_hMenu, m_hWindowMenu);
    for (HMENU hMenu : menus)
    {
        for (int i = ::GetMenuItemCount(hMenu) - 1; i >= 0; --i)
            if (::GetSubMenu(hMenu, i) == tools.GetMenu())
                ::RemoveMenu(hMenu, i, MF_BYPOSITION);
    }
    ::DestroyMenu(menus.back());
}

TEST_F(MenuBarTest, ItemsDrawTheirStatesInBothLooks)
{
    CRect rectClient;
    Bar().GetClientRect(&rectClient);
    const CXTGlobalData& d = xtAfxData;
    auto paint = [&](toolkit_test::CCanvas& canvas) { Bar().DoPaint(&canvas.dc); };
    const CRect rcFile = ItemRect(itemFile);
    struct Row
    {
        const char* pszWhat;
        BOOL bFlat;
        int nHow;   // 0 hot by keyboard, 1 open, 2 frame inactive
        CPoint pt;
        COLORREF clr;
    };
    const Row rows[] = {
        { "classic hot: raised", FALSE, 0, rcFile.TopLeft(), d.m_clr3DHilight },
        { "classic hot: raised, shadow side", FALSE, 0, CPoint(rcFile.right - 1, rcFile.bottom - 1), d.m_clr3DShadow },
        { "classic open: sunken", FALSE, 1, rcFile.TopLeft(), d.m_clr3DShadow },
        { "flat hot: filled", TRUE, 0, CPoint(rcFile.left + 2, rcFile.top + 2), d.m_clrFlatHighlightLight },
        { "flat hot: framed", TRUE, 0, rcFile.TopLeft(), d.m_clrHighlight },
        { "flat open: framed", TRUE, 1, rcFile.TopLeft(), d.m_clrFlatShadowDark },
        { "flat open: open toward the popup", TRUE, 1, CPoint(rcFile.left + 3, rcFile.bottom - 1), d.m_clrFlatWindowFace },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszWhat);
        toolkit_test::FlatLookScope flat;
        xtAfxData.m_bFlatLook = row.bFlat;
        toolkit_test::CCanvas canvas(rectClient.Width(), rectClient.Height(), RGB(1, 2, 3));
        if (row.nHow == 0)
        {
            PressAlt();
            paint(canvas);
            Key(WM_KEYDOWN, VK_ESCAPE);
        }
        else
        {
            PopupScript script(&Bar());
            script.steps = { [&] {
                paint(canvas);
                PostKey(VK_ESCAPE);
            } };
            script.Run([&] { Key(WM_SYSKEYDOWN, 'F', TRUE); });
            Key(WM_KEYDOWN, VK_ESCAPE);
        }
        EXPECT_EQ(row.clr, canvas.At(row.pt.x, row.pt.y));
    }

    // The text: menu text while the frame is active, grey text when not.
    for (BOOL bActive : { TRUE, FALSE })
    {
        SCOPED_TRACE(bActive);
        Bar().SetFrameActive(bActive);
        toolkit_test::CCanvas canvas(rectClient.Width(), rectClient.Height(), RGB(1, 2, 3));
        paint(canvas);
        EXPECT_EQ(bActive, canvas.Count(d.m_clrMenuText, rcFile) > 0);
        EXPECT_EQ(!bActive, canvas.Count(d.m_clrGrayText, rcFile) > 0);
    }
}

TEST_F(MenuBarTest, FlatMDIButtonsDrawTheirGlyphsAndADisabledOneOnlyBesideItsPartner)
{
    toolkit_test::FlatLookScope flat;
    struct Row
    {
        const char* pszWhat;
        DWORD dwBoxes;
        BOOL bMinimizeDrawn;
    };
    const Row rows[] = {
        { "both boxes", WS_MINIMIZEBOX | WS_MAXIMIZEBOX, TRUE },
        { "no minimise box: drawn inactive beside Restore", WS_MAXIMIZEBOX, TRUE },
        { "neither box: not drawn", 0, FALSE },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszWhat);
        CMDIChildWnd* pChild = NewChild("Child", WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | row.dwBoxes);
        ASSERT_TRUE(Maximise(pChild));
        CRect rectClient;
        Bar().GetClientRect(&rectClient);
        toolkit_test::CCanvas canvas(rectClient.Width(), rectClient.Height(), RGB(1, 2, 3));
        Bar().DoPaint(&canvas.dc);
        const CRect rcClose = ItemRect(itemClose), rcMin = ItemRect(itemMinimize);
        // The middle of the cross, the glyph centred in its button.
        const CPoint ptCross(rcClose.left + (rcClose.Width() - 10) / 2 + 4, rcClose.top + (rcClose.Height() - 10) / 2 + 4);
        EXPECT_EQ(xtAfxData.m_clrBtnText, canvas.At(ptCross.x, ptCross.y));
        EXPECT_EQ(row.bMinimizeDrawn, canvas.At(rcMin.left, rcMin.top) == xtAfxData.m_clr3DFace);
        pChild->MDIDestroy();
        Pump();
    }
}

TEST_F(MenuBarTest, ALoadedMenuIsTheDefaultThatANullMenuBringsBack)
{
    EXPECT_FALSE(Bar().LoadMenuBar(3999));
    EXPECT_EQ(m_hMenu, Bar().GetMenu());
    ASSERT_TRUE(Bar().LoadMenuBar(3902));
    HMENU hLoaded = Bar().GetMenu();
    EXPECT_EQ(hLoaded, Bar().GetDefaultMenu());
    EXPECT_EQ(1 + 2 + 3, Bar().GetItemCount());
    EXPECT_EQ("&Datei", static_cast<CXTMenuBarMenuItem*>(Bar().GetItem(1))->GetText());

    EXPECT_EQ(hLoaded, Bar().SetMenu(m_hMenu, m_hWindowMenu));
    EXPECT_EQ(m_hMenu, Bar().SetMenu(nullptr, nullptr));
    EXPECT_EQ(hLoaded, Bar().GetMenu());
    EXPECT_EQ(nullptr, Bar().GetWindowMenu());
}

TEST_F(MenuBarTest, TheDocumentsOwnEntriesReportToItsChildFrame)
{
    // The document's template menu has the File entry of the bar's menu, not
    // its Edit entry: Edit's popup and commands belong to the child frame.
    HMENU hShared = ::CreateMenu();
    ::AppendMenuA(hShared, MF_POPUP, (UINT_PTR)MakePopup({ { ID_NEW, "&New" }, { ID_OPEN, "&Open" } }), "&File");
    CDocumentChild* pChild = new CDocumentChild;
    pChild->SetSharedMenu(hShared);
    ASSERT_TRUE(pChild->Create(nullptr, "Doc", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, m_pFrame));
    m_pFrame->MDIActivate(pChild);
    Bar().SetMenu(m_hMenu, m_hWindowMenu);

    struct Row
    {
        const char* pszWhat;
        char chMnemonic;
        std::vector<std::string> log;
    };
    const Row rows[] = {
        { "the frame's File: the child hears nothing", 'F', {} },
        { "the document's Edit: its popup and its command go to the child", 'E', { "init popup", "cut" } },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszWhat);
        pChild->log.clear();
        PopupScript script(&Bar());
        script.steps = { [&] {
            PostKey(VK_DOWN);
            PostKey(VK_RETURN);
        } };
        script.Run([&] { Key(WM_SYSKEYDOWN, row.chMnemonic, TRUE); });
        Pump();
        EXPECT_EQ(row.log, pChild->log);
    }
    pChild->MDIDestroy();
    ::DestroyMenu(hShared);
}

TEST_F(MenuBarTest, TheChildsSystemMenuOpensFromItsIconAndADoubleClickClosesIt)
{
    CMDIChildWnd* pChild = NewChild("Child");
    ASSERT_TRUE(Maximise(pChild));
    const int nPassBy = GetXTMenuState().nInitMenuPopupPassBy;
    HWND hChild = pChild->m_hWnd;
    const CPoint ptIcon = ItemCentre(0);

    // Its Minimize entry, by its mnemonic, reaches the child.
    PopupScript script(&Bar());
    HMENU hShown = nullptr;
    script.steps = { [&] {
        hShown = Bar().GetPopupMenu();
        ::PostMessageA(m_hFrame, WM_CHAR, 'n', 1);
    } };
    script.Run([&] { Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptIcon.x, ptIcon.y)); });
    EXPECT_EQ((std::vector<int>{ 0 }), script.tracked);
    EXPECT_EQ(::GetSystemMenu(hChild, FALSE), hShown);
    EXPECT_TRUE(::IsIconic(hChild));
    // No cool menu took the pass: the next popup is converted as usual.
    EXPECT_EQ(nPassBy, GetXTMenuState().nInitMenuPopupPassBy);

    // Idle time forgets the item; opened again, and a double click on the
    // item just tracked closes the child.
    Maximise(pChild);
    int nTracked = 0;
    EXPECT_EQ(CXTMenuBar::trackNone, Bar().GetTrackedItem(&nTracked));
    EXPECT_EQ(-1, nTracked);
    PopupScript again(&Bar());
    again.steps = { [&] { ::EndMenu(); } };
    again.Run([&] { Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptIcon.x, ptIcon.y)); });
    EXPECT_EQ((std::vector<int>{ 0 }), again.tracked);
    Bar().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(ptIcon.x, ptIcon.y));
    Pump();
    EXPECT_FALSE(::IsWindow(hChild));
}

TEST_F(MenuBarTest, DynamicLayoutDocksAtTheFixedSizeAndFloatsAtTheRequestedWidth)
{
    const int cyRow = ::GetSystemMetrics(SM_CYMENU);
    CRect rectFrame;
    m_pFrame->GetClientRect(&rectFrame);
    const CSize sizeDocked = Bar().CalcFixedLayout(TRUE, TRUE);
    EXPECT_EQ(rectFrame.Width(), sizeDocked.cx);
    EXPECT_EQ(sizeDocked, Bar().CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK));

    // Floating: the bar wraps to fit the width asked for, in whole rows.
    Bar().SetBarStyle((Bar().GetBarStyle() & ~CBRS_ALIGN_ANY) | CBRS_FLOATING);
    const int cxOneRow = Bar().CalcDynamicLayout(32767, LM_HORZ).cx;
    const int cyBorders = Bar().CalcDynamicLayout(32767, LM_HORZ).cy - cyRow;
    struct Row
    {
        int nRequested;
        int nRows;
    };
    const Row rows[] = { { cxOneRow, 1 }, { cxOneRow - 1, 2 }, { 1, 6 } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.nRequested);
        CSize size = Bar().CalcDynamicLayout(row.nRequested, LM_HORZ | LM_COMMIT);
        EXPECT_EQ(row.nRows * cyRow + cyBorders, size.cy);
        if (row.nRows < 6)
        {
            EXPECT_LE(size.cx, row.nRequested);
        }
        EXPECT_EQ((UINT)row.nRequested, Bar().m_nMRUWidth);
        EXPECT_EQ(size, Bar().CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH));
    }
}

TEST_F(MenuBarTest, CustomiseModeOffersTheMenusGroupsAndItsPopupsToButtonsUntilTheBarGoes)
{
    toolkit_test::AppKeyScope key("TarnixMenuBarTest", "Customise");
    std::vector<std::string> categories;
    toolkit_test::RunCustomizeSheet(m_pFrame, XT_CUST_COMMANDS, [&](CXTCustomizeSheet& sheet) {
        CXTCustCommandsPage* pPage = dynamic_cast<CXTCustCommandsPage*>(sheet.GetActivePage());
        ASSERT_NE(nullptr, pPage);
        categories = toolkit_test::ListTexts(pPage->GetCategories());
    });
    ASSERT_EQ(6u, categories.size());
    categories.erase(categories.begin() + 3);   // "A&&B"
    EXPECT_EQ((std::vector<std::string>{ "File", "Edit", "View", "Window", "Help" }), categories);

    // A tool bar button whose drop-down is the "&Size" popup of "&View".
    CXTToolBar bar;
    const UINT nButton = ID_TEST_SAVE;
    ASSERT_TRUE(bar.CreateEx(m_pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0), 0xE810));
    ASSERT_TRUE(bar.LoadToolBar(IDR_TEST_BAR));
    ASSERT_TRUE(bar.SetButtons(&nButton, 1));
    CXTButtonInfo* pInfo = bar.AddDropDown(nButton);
    ASSERT_NE(nullptr, pInfo);
    pInfo->bManagerPopup = TRUE;
    pInfo->nPopupID = XTMenuPathKey("&Size", XTMenuPathKey("&View"), FALSE);
    m_pFrame->RecalcLayout();
    CRect rcButton;
    bar.GetItemRect(0, &rcButton);
    bar.ClientToScreen(&rcButton);
    std::vector<std::vector<std::string>> opened;
    for (BOOL bMenuBar : { TRUE, FALSE })
    {
        if (!bMenuBar)
            Bar().DestroyWindow();
        bar.OnUpdateCmdUI(m_pFrame, TRUE);
        toolkit_test::ContextMenuSeen seen =
            toolkit_test::MenuOpenedBy([&] { toolkit_test::Click(rcButton.CenterPoint()); });
        opened.push_back(seen.entries);
    }
    const std::vector<std::string> size = { std::to_string(ID_ZOOM) + " &Zoom" };
    EXPECT_EQ((std::vector<std::vector<std::string>>{ size, {} }), opened);
    bar.DestroyWindow();
}

} // namespace
