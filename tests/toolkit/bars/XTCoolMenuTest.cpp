#include "toolkit/bars/XTCoolMenu.h"
#include "toolkit/bars/XTMenu.h"
#include "toolkit/bars/XTMenuState.h"
#include "toolkit/bars/XTPopupWndHook.h"

#include "toolkit/XTTestCanvas.h"
#include "toolkit/bars/XTTestAppKey.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMenuItemInfo.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using toolkit_test::CCanvas;

enum { ID_OPEN = 100, ID_SAVE, ID_HIDDEN_A, ID_HIDDEN_B, ID_EXIT };

// A frame window with a cool menu, and a popup menu: Open, Save, separator,
// two commands that can be hidden, separator, Exit. The application's
// registry key is the test's own.
class CoolMenuTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hWndFrame = ::CreateWindowExA(0, "STATIC", "Frame", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                                        nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_cool.Install(m_hWndFrame));
        m_menu.CreatePopupMenu();
        m_menu.AppendMenu(MF_STRING, ID_OPEN, "&Open\tCtrl+O");
        m_menu.AppendMenu(MF_STRING, ID_SAVE, "&Save");
        m_menu.AppendMenu(MF_SEPARATOR);
        m_menu.AppendMenu(MF_STRING, ID_HIDDEN_A, "Hidden &A");
        m_menu.AppendMenu(MF_STRING, ID_HIDDEN_B, "Hidden &B");
        m_menu.AppendMenu(MF_SEPARATOR);
        m_menu.AppendMenu(MF_STRING, ID_EXIT, "E&xit");
    }
    void TearDown() override
    {
        m_cool.Destroy();
        ::DestroyWindow(m_hWndFrame);
    }

    void InitPopup(HMENU hMenu) { ::SendMessageA(m_hWndFrame, WM_INITMENUPOPUP, (WPARAM)hMenu, 0); }
    void EndMenuLoop() { ::SendMessageA(m_hWndFrame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); }
    void HideTwo()
    {
        const UINT ids[] = { ID_HIDDEN_A, ID_HIDDEN_B };
        m_cool.HideCommands(ids, 2);
    }
    std::vector<UINT> Ids(HMENU hMenu) const
    {
        std::vector<UINT> ids;
        for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
            ids.push_back(::GetMenuItemID(hMenu, i));
        return ids;
    }
    static ULONG_PTR ItemData(HMENU hMenu, int nPos)
    {
        CXTMenuItemInfo info;
        info.fMask = MIIM_DATA;
        ::GetMenuItemInfoA(hMenu, nPos, TRUE, &info);
        return info.dwItemData;
    }
    static int RecentItem(int n)
    {
        CString strEntry;
        strEntry.Format("Item%d", n);
        return (int)CXTRegistryStore().GetProfileInt("Recent Item List", strEntry, -1);
    }

    toolkit_test::AppKeyScope m_key { "TarnixCoolMenuTest", "Menus" };
    HWND m_hWndFrame = nullptr;
    CXTCoolMenu m_cool;
    CMenu m_menu;
};

TEST_F(CoolMenuTest, UnusedHiddenCommandsStayOutUntilChosen)
{
    HideTwo();
    const std::vector<UINT> full = { ID_OPEN, ID_SAVE, 0, ID_HIDDEN_A, ID_HIDDEN_B, 0, ID_EXIT };
    {
        SCOPED_TRACE("without a toolkit menu nothing is hidden");
        InitPopup(m_menu);
        EXPECT_EQ(full, Ids(m_menu));
        EXPECT_TRUE(::GetMenuState(m_menu, 3, MF_BYPOSITION) & MF_OWNERDRAW);
        EndMenuLoop();
    }
    CXTMenu alive;   // personalised menus are on while a toolkit menu exists
    {
        SCOPED_TRACE("first opening: the hidden run and one separator go, the chevron ends the popup");
        InitPopup(m_menu);
        EXPECT_EQ((std::vector<UINT>{ ID_OPEN, ID_SAVE, 0, ID_EXIT, XT_IDC_CHEVRON }), Ids(m_menu));
        for (int i = 0; i < ::GetMenuItemCount(m_menu); ++i)
            EXPECT_TRUE(::GetMenuState(m_menu, i, MF_BYPOSITION) & MF_OWNERDRAW) << i;
    }
    {
        SCOPED_TRACE("the loop ends: the menu is as it was, both separators included");
        EndMenuLoop();
        EXPECT_EQ(full, Ids(m_menu));
        char szText[64] = "";
        ::GetMenuStringA(m_menu, 0, szText, sizeof(szText), MF_BYPOSITION);
        EXPECT_STREQ("&Open\tCtrl+O", szText);
        for (int i = 0; i < ::GetMenuItemCount(m_menu); ++i)
        {
            EXPECT_FALSE(::GetMenuState(m_menu, i, MF_BYPOSITION) & MF_OWNERDRAW) << i;
            EXPECT_EQ(0u, ItemData(m_menu, i)) << i;
        }
    }
    {
        SCOPED_TRACE("a hidden command chosen from the full menu is remembered and shows from then on");
        ::SendMessageA(m_hWndFrame, WM_COMMAND, ID_HIDDEN_A, 0);
        EXPECT_EQ(ID_HIDDEN_A, RecentItem(1));
        InitPopup(m_menu);
        EXPECT_EQ((std::vector<UINT>{ ID_OPEN, ID_SAVE, 0, ID_HIDDEN_A, 0, ID_EXIT, XT_IDC_CHEVRON }), Ids(m_menu));
        EndMenuLoop();
    }
    {
        SCOPED_TRACE("the chevron command refills the menu in full");
        InitPopup(m_menu);
        ::SendMessageA(m_hWndFrame, WM_COMMAND, XT_IDC_CHEVRON, 0);
        InitPopup(m_menu);
        EXPECT_EQ(full, Ids(m_menu));
        EndMenuLoop();
        EXPECT_FALSE(GetXTMenuState().bShowFullMenus);
    }
}

TEST_F(CoolMenuTest, RecentListKeepsTheNewestAndIgnoresAccelerators)
{
    const UINT ids[] = { 201, 202, 203, 204, 205, 206 };
    m_cool.HideCommands(ids, 6);
    ::SendMessageA(m_hWndFrame, WM_COMMAND, MAKEWPARAM(201, 1), 0);
    EXPECT_EQ(-1, RecentItem(1));
    ::SendMessageA(m_hWndFrame, WM_COMMAND, ID_OPEN, 0);   // not hidden, not listed: not remembered
    EXPECT_EQ(-1, RecentItem(1));
    for (UINT nID : ids)
        ::SendMessageA(m_hWndFrame, WM_COMMAND, nID, 0);
    ::SendMessageA(m_hWndFrame, WM_COMMAND, 204, 0);
    const int expected[] = { 204, 206, 205, 203, 202, -1 };
    for (int n = 1; n <= 6; ++n)
    {
        SCOPED_TRACE(n);
        EXPECT_EQ(expected[n - 1], RecentItem(n));
    }
    m_cool.ResetUsageData();
    EXPECT_EQ(-1, RecentItem(1));
    EXPECT_EQ(-1, RecentItem(5));
}

TEST_F(CoolMenuTest, ForeignOwnerDrawnItemsAreLeftAlone)
{
    // Item data that is no record of the cool menu is never read.
    ::ModifyMenuA(m_menu, ID_SAVE, MF_BYCOMMAND | MF_OWNERDRAW, ID_SAVE, reinterpret_cast<LPCSTR>(7));
    InitPopup(m_menu);
    EXPECT_EQ(7u, ItemData(m_menu, 1));
    MEASUREITEMSTRUCT mis = { ODT_MENU, 0, ID_SAVE, 0, 0, 7 };
    EXPECT_EQ(0, ::SendMessageA(m_hWndFrame, WM_MEASUREITEM, 0, (LPARAM)&mis));
    EndMenuLoop();
    EXPECT_EQ(7u, ItemData(m_menu, 1));
    EXPECT_TRUE(::GetMenuState(m_menu, 1, MF_BYPOSITION) & MF_OWNERDRAW);
}

TEST_F(CoolMenuTest, TypedLetterSelectsTheNextSharingItOrExecutesTheOnlyOne)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 1, "&Apple");
    menu.AppendMenu(MF_STRING, 2, "A&&B");
    menu.AppendMenu(MF_STRING, 3, "&avocado");
    menu.AppendMenu(MF_STRING, 4, "&Banana");
    menu.AppendMenu(MF_STRING, 5, "Apricot (&A)");
    InitPopup(menu);
    struct Row { int nHighlighted; char ch; LRESULT lResult; };
    const Row rows[] = {
        { -1, 'a', MAKELRESULT(0, MNC_SELECT) },
        { 0, 'A', MAKELRESULT(2, MNC_SELECT) },
        { 2, 'a', MAKELRESULT(4, MNC_SELECT) },
        { 4, 'a', MAKELRESULT(0, MNC_SELECT) },   // wraps to the first
        { 0, 'b', MAKELRESULT(3, MNC_EXECUTE) },  // "&&" is no mnemonic
        { 0, 'z', 0 },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.nHighlighted << " " << row.ch);
        for (int i = 0; i < 5; ++i)
        {
            CXTMenuItemInfo info;
            info.fMask = MIIM_STATE;
            info.fState = i == row.nHighlighted ? MFS_HILITE : 0;
            ::SetMenuItemInfoA(menu, i, TRUE, &info);
        }
        EXPECT_EQ(row.lResult, ::SendMessageA(m_hWndFrame, WM_MENUCHAR, MAKEWPARAM(row.ch, MF_POPUP), (LPARAM)menu.m_hMenu));
    }
    EndMenuLoop();
}

TEST_F(CoolMenuTest, ItemsMeasureFromTheirTextAndTheIconSize)
{
    int cyMenu = ::GetSystemMetrics(SM_CYMENU);
    int cyDlgFrame = ::GetSystemMetrics(SM_CYDLGFRAME);
    auto textWidth = [](LPCSTR pszText) {
        HDC hDC = ::GetDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(hDC, xtAfxData.m_fontNormal.m_hObject);
        RECT rc = { 0, 0, 0, 0 };
        ::DrawTextA(hDC, pszText, -1, &rc, DT_SINGLELINE | DT_CALCRECT);
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(nullptr, hDC);
        return (int)(rc.right - rc.left);
    };
    auto atLeast = [](int n, int nMin) { return n < nMin ? nMin : n; };
    for (BOOL bFlat : { FALSE, TRUE })
    {
        xtAfxData.m_bFlatLook = bFlat;
        InitPopup(m_menu);
        int cyItem = atLeast(16 + 4 + (bFlat ? 2 : 0), cyMenu);
        auto width = [&](LPCSTR pszText) {
            return atLeast(bFlat ? textWidth(pszText) + 16 + 28 : textWidth(pszText) + 2 * 16 + 2, 100);
        };
        struct Row { int nPos; int cx, cy; };
        const Row rows[] = {
            { 0, width("&OpenXXXCtrl+O"), cyItem + (bFlat ? 2 : 0) },    // first
            { 1, width("&Save"), cyItem },
            { 2, 0, cyMenu / 2 },                                         // separator
            { 6, width("E&xit"), cyItem + (bFlat ? 2 - 2 * cyDlgFrame : 0) },   // last
        };
        for (const Row& row : rows)
        {
            SCOPED_TRACE(testing::Message() << (bFlat ? "flat " : "classic ") << row.nPos);
            MEASUREITEMSTRUCT mis = { ODT_MENU, 0, ::GetMenuItemID(m_menu, row.nPos), 0, 0, ItemData(m_menu, row.nPos) };
            EXPECT_EQ(TRUE, ::SendMessageA(m_hWndFrame, WM_MEASUREITEM, 0, (LPARAM)&mis));
            EXPECT_EQ(row.cx, (int)mis.itemWidth);
            EXPECT_EQ(row.cy, (int)mis.itemHeight);
        }
        EndMenuLoop();
    }
    xtAfxData.m_bFlatLook = FALSE;
}

TEST_F(CoolMenuTest, ItemsDrawTheirStatesInBothLooks)
{
    HIMAGELIST hList = toolkit_test::SquareImageList();
    ASSERT_TRUE(m_cool.SetImage(ID_OPEN, ImageList_GetIcon(hList, 0, ILD_NORMAL)));
    ImageList_Destroy(hList);
    const COLORREF clrRed = RGB(255, 0, 0);
    struct Row
    {
        BOOL bFlat;
        int nPos;
        UINT nState;
        UINT fExtraType;
        BOOL bRevealed;   // a hidden item shown in the full menu
        int x, y;
        COLORREF clr;
        const char* pszWhat;
    };
    const CXTGlobalData& d = xtAfxData;
    const Row rows[] = {
        { FALSE, 1, 0, 0, FALSE, 140, 1, d.m_clrMenu, "classic background" },
        { FALSE, 1, ODS_SELECTED, 0, FALSE, 21, 1, d.m_clrHighlight, "classic selection from the cell's right + 2" },
        { FALSE, 1, ODS_CHECKED, 0, FALSE, 6, 11, d.m_clrMenuText, "tick, left stroke" },
        { FALSE, 1, ODS_CHECKED, 0, FALSE, 12, 9, d.m_clrMenuText, "tick, right top" },
        { FALSE, 1, ODS_CHECKED, MFT_RADIOCHECK, FALSE, 7, 8, d.m_clrMenuText, "radio dot" },
        { FALSE, 0, 0, 0, FALSE, 8, 10, clrRed, "image centred in the cell" },
        { TRUE, 1, 0, 0, FALSE, 0, 10, d.m_clrFlatShadowDark, "flat popup frame" },
        { TRUE, 1, 0, 0, FALSE, 5, 10, d.m_clrFlatBarFace, "flat icon column" },
        { TRUE, 1, 0, 0, FALSE, 140, 10, d.m_clrFlatWindowFace, "flat menu face" },
        { TRUE, 1, ODS_SELECTED, 0, FALSE, 30, 10, d.m_clrFlatHighlightLight, "flat selection" },
        { TRUE, 1, ODS_SELECTED, 0, FALSE, 1, 10, d.m_clrHighlight, "flat selection frame" },
        { TRUE, 0, ODS_SELECTED, 0, FALSE, 7, 6, clrRed, "selected image one up-left" },
        { TRUE, 0, ODS_SELECTED, 0, FALSE, 16, 15, d.m_clr3DShadow, "its shadow one down-right" },
        { FALSE, 1, 0, 0, TRUE, 140, 1, d.m_clr3DFaceLight, "classic revealed item dimmed" },
        { TRUE, 1, 0, 0, TRUE, 5, 10, d.m_clrFlatFaceShadow, "flat revealed item's icon column dimmed" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszWhat);
        xtAfxData.m_bFlatLook = row.bFlat;
        InitPopup(m_menu);
        XT_COOLMENU_ITEM* pItem = m_cool.FindItem(ItemData(m_menu, row.nPos));
        ASSERT_NE(nullptr, pItem);
        pItem->fType |= row.fExtraType;
        if (row.bRevealed)
            pItem->nFlags |= XT_ITEM_HIDEABLE;
        GetXTMenuState().bShowFullMenus = row.bRevealed;
        CCanvas canvas(200, 40, RGB(0, 0, 255));
        DRAWITEMSTRUCT dis = { ODT_MENU, 0, ::GetMenuItemID(m_menu, row.nPos), ODA_DRAWENTIRE, row.nState,
                               (HWND)m_menu.m_hMenu, canvas.dc, { 0, 0, 150, 22 }, ItemData(m_menu, row.nPos) };
        EXPECT_EQ(TRUE, ::SendMessageA(m_hWndFrame, WM_DRAWITEM, 0, (LPARAM)&dis));
        EXPECT_EQ(row.clr, canvas.At(row.x, row.y));
        EndMenuLoop();
    }
    xtAfxData.m_bFlatLook = FALSE;
}

TEST_F(CoolMenuTest, ImagesComeFromToolBarsAndTheirResources)
{
    {
        SCOPED_TRACE("a live tool bar: buttons without an image and separators are skipped");
        CXTCoolMenu cool;
        HWND hWndBar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | CCS_NOPARENTALIGN, 0, 0, 200, 30,
                                         m_hWndFrame, nullptr, nullptr, nullptr);
        HIMAGELIST hList = ImageList_Create(20, 18, ILC_COLOR24 | ILC_MASK, 2, 1);
        HIMAGELIST hSquare = toolkit_test::SquareImageList();
        HICON hIcon = ImageList_GetIcon(hSquare, 0, ILD_NORMAL);
        ImageList_AddIcon(hList, hIcon);
        ::DestroyIcon(hIcon);
        ImageList_Destroy(hSquare);
        ::SendMessageA(hWndBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        ::SendMessageA(hWndBar, TB_SETIMAGELIST, 0, (LPARAM)hList);
        TBBUTTON buttons[3] = {};
        buttons[0] = { 0, ID_OPEN, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0 };
        buttons[1] = { 0, 0, 0, TBSTYLE_SEP, {}, 0, 0 };
        buttons[2] = { I_IMAGENONE, ID_SAVE, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0 };
        ::SendMessageA(hWndBar, TB_ADDBUTTONSA, 3, (LPARAM)buttons);
        EXPECT_TRUE(cool.LoadToolbar(hWndBar));
        EXPECT_EQ(CSize(20, 18), cool.GetIconSize());
        EXPECT_EQ(0, cool.GetImageIndex(ID_OPEN));
        EXPECT_EQ(-1, cool.GetImageIndex(ID_SAVE));
        EXPECT_EQ(-1, cool.GetImageIndex(0));
        ::DestroyWindow(hWndBar);
        ImageList_Destroy(hList);
    }
    {
        SCOPED_TRACE("a tool bar resource: its bitmap, one image per button");
        CXTCoolMenu cool;
        const UINT ids[] = { 3901, 3901 };
        EXPECT_TRUE(cool.LoadToolbars(ids, 1));
        EXPECT_EQ(CSize(16, 15), cool.GetIconSize());
        EXPECT_EQ(0, cool.GetImageIndex(100));
        EXPECT_EQ(1, cool.GetImageIndex(101));
        EXPECT_FALSE(cool.LoadToolbar(3999u));
        const UINT bad[] = { 3901, 3999, 3901 };
        EXPECT_FALSE(cool.LoadToolbars(bad, 3));
    }
}

TEST_F(CoolMenuTest, ItemsBorderingTheMenuBarItemFollowTheBarsSide)
{
    struct Row { UINT nAlign; std::vector<UINT> marked; };
    const Row rows[] = {
        { CBRS_ALIGN_TOP, { CBRS_ALIGN_TOP, 0, 0, 0, 0, 0, 0 } },
        { CBRS_ALIGN_LEFT, { CBRS_ALIGN_LEFT, 0, 0, 0, 0, 0, 0 } },
        { CBRS_ALIGN_BOTTOM, { 0, 0, 0, 0, 0, 0, CBRS_ALIGN_BOTTOM } },
        { CBRS_ALIGN_RIGHT, std::vector<UINT>(7, CBRS_ALIGN_RIGHT) },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.nAlign);
        GetXTMenuState().nMenuBarAlign = row.nAlign;
        InitPopup(m_menu);
        std::vector<UINT> marked;
        for (int i = 0; i < ::GetMenuItemCount(m_menu); ++i)
            marked.push_back(m_cool.FindItem(ItemData(m_menu, i))->nAlign);
        EXPECT_EQ(row.marked, marked);
        EXPECT_EQ(0u, GetXTMenuState().nMenuBarAlign);   // used once
        EndMenuLoop();
    }
}

TEST_F(CoolMenuTest, HoveringTheChevronWhileTheMenuBarTracksShowsFullMenusAfterTheDelay)
{
    CXTMenu alive;
    HideTwo();
    XT_MENU_STATE& state = GetXTMenuState();
    InitPopup(m_menu);
    int nChevron = ::GetMenuItemCount(m_menu) - 1;
    ASSERT_EQ(XT_IDC_CHEVRON, ::GetMenuItemID(m_menu, nChevron));
    auto drawChevron = [&](UINT nState) {
        CCanvas canvas(150, 30, RGB(0, 0, 255));
        DRAWITEMSTRUCT dis = { ODT_MENU, 0, XT_IDC_CHEVRON, ODA_DRAWENTIRE, nState, (HWND)m_menu.m_hMenu,
                               canvas.dc, { 0, 0, 150, 20 }, ItemData(m_menu, nChevron) };
        ::SendMessageA(m_hWndFrame, WM_DRAWITEM, 0, (LPARAM)&dis);
        // Two glyphs centred in the 13 pixels at the bottom: the tip of each, the second 4 below the first.
        int x = (150 - 5) / 2 + 2, y = 7 + (13 - 8) / 2 + 3;
        EXPECT_EQ(xtAfxData.m_clrMenuText, canvas.At(x, y));
        EXPECT_EQ(xtAfxData.m_clrMenuText, canvas.At(x, y + 4));
    };
    state.bMenuBarTracking = TRUE;
    drawChevron(ODS_SELECTED);
    EXPECT_TRUE(state.bChevronHoverPending);
    // The delay's timer message: the popup is refilled in full.
    ::SendMessageA(m_hWndFrame, WM_TIMER, CXTCoolMenu::ChevronTimerID, 0);
    EXPECT_TRUE(state.bShowFullMenus);
    InitPopup(m_menu);
    EXPECT_EQ(7, ::GetMenuItemCount(m_menu));
    EndMenuLoop();

    // Without the option the timer does nothing.
    xtAfxData.m_bFullMenusAfterDelay = FALSE;
    InitPopup(m_menu);
    drawChevron(0);
    EXPECT_FALSE(state.bChevronHoverPending);
    ::SendMessageA(m_hWndFrame, WM_TIMER, CXTCoolMenu::ChevronTimerID, 0);
    EXPECT_FALSE(state.bShowFullMenus);
    EndMenuLoop();
    xtAfxData.m_bFullMenusAfterDelay = TRUE;
    state.bMenuBarTracking = FALSE;
}

// Ends a tracked popup from a thread timer: the first tick may run a step
// inside the open menu, the next closes it.
struct TrackScript
{
    static TrackScript* pActive;
    std::vector<int> counts;    // items of the open popup, per opening
    std::vector<size_t> hooks;  // live popup window hooks, per opening
    BOOL bAnimation = TRUE;
    BOOL bPickLastOnFirstOpening = FALSE;
    HMENU hMenu = nullptr;

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND hWndPopup = ::FindWindowA("#32768", nullptr);
        if (hWndPopup == nullptr || !::IsWindowVisible(hWndPopup))
            return;
        TrackScript& s = *pActive;
        s.counts.push_back(::GetMenuItemCount(s.hMenu));
        s.hooks.push_back(CXTPopupWndHook::GetLiveHooks().size());
        ::SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &s.bAnimation, 0);
        if (s.bPickLastOnFirstOpening && s.counts.size() == 1)
        {
            ::PostMessageA(hWndPopup, WM_KEYDOWN, VK_UP, 0);
            ::PostMessageA(hWndPopup, WM_KEYDOWN, VK_RETURN, 0);
        }
        else
            ::EndMenu();
    }
};
TrackScript* TrackScript::pActive = nullptr;

TEST_F(CoolMenuTest, TrackedPopupIsWatchedAndItsChevronShowsItInFull)
{
    BOOL bSavedAnimation = FALSE;
    ::SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &bSavedAnimation, 0);
    ::SystemParametersInfoA(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(TRUE), 0);
    HideTwo();
    CXTMenu menu;
    menu.Attach(m_menu.Detach());
    TrackScript script;
    script.hMenu = menu;
    script.bPickLastOnFirstOpening = TRUE;
    TrackScript::pActive = &script;
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, 50, &TrackScript::OnTimer);
    UINT nCommand = menu.TrackPopupMenu(TPM_LEFTALIGN, 150, 150, CWnd::FromHandle(m_hWndFrame));
    ::KillTimer(nullptr, nTimer);

    EXPECT_EQ(0u, nCommand);
    EXPECT_EQ((std::vector<int>{ 5, 7 }), script.counts);   // the chevron picked: opened again in full
    EXPECT_EQ((std::vector<size_t>{ 1, 1 }), script.hooks);
    EXPECT_FALSE(script.bAnimation);
    EXPECT_TRUE(CXTPopupWndHook::GetLiveHooks().empty());
    BOOL bAnimation = FALSE;
    ::SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &bAnimation, 0);
    EXPECT_TRUE(bAnimation);
    EXPECT_EQ(7, ::GetMenuItemCount(menu));
    ::SystemParametersInfoA(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>((INT_PTR)bSavedAnimation), 0);
}

} // namespace
