#include "toolkit/bars/XTPopupWndHook.h"

#include "toolkit/bars/XTCoolMenu.h"
#include "toolkit/bars/XTMenuState.h"

#include "toolkit/XTTestCanvas.h"
#include "toolkit/frame/XTGlobalData.h"

#include <gtest/gtest.h>

namespace {

HWND CreatePopup(int x, DWORD dwStyle = WS_POPUP | WS_VISIBLE)
{
    return ::CreateWindowExA(WS_EX_WINDOWEDGE, "STATIC", "", dwStyle, x, 100, 120, 80, nullptr, nullptr, nullptr,
                             nullptr);
}

CRect WindowRect(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

// Plain windows stand in for popup menu windows: the hooks are made and
// deleted by the test, as the thread's watcher would for "#32768" windows.
TEST(XTPopupWndHook, FlatLookMovesASecondPopupOnceAndFlattensItsFrame)
{
    toolkit_test::FlatLookScope flat;
    HWND hWndFirst = CreatePopup(100), hWndSecond = CreatePopup(200, WS_POPUP | WS_VISIBLE | WS_THICKFRAME | WS_CAPTION);
    CXTPopupWndHook* pFirst = new CXTPopupWndHook(hWndFirst);
    CXTPopupWndHook* pSecond = new CXTPopupWndHook(hWndSecond);
    ASSERT_EQ(2u, CXTPopupWndHook::GetLiveHooks().size());

    ::SetWindowPos(hWndSecond, nullptr, 300, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(CPoint(305, 122), WindowRect(hWndSecond).TopLeft());
    ::SetWindowPos(hWndSecond, nullptr, 300, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(CPoint(300, 120), WindowRect(hWndSecond).TopLeft());   // once per window
    EXPECT_EQ(0, ::GetWindowLongPtrA(hWndSecond, GWL_STYLE) & (WS_THICKFRAME | WS_CAPTION));
    EXPECT_EQ(0, ::GetWindowLongPtrA(hWndSecond, GWL_EXSTYLE) & WS_EX_WINDOWEDGE);

    delete pSecond;
    ::SetWindowPos(hWndFirst, nullptr, 0, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(CPoint(0, 120), WindowRect(hWndFirst).TopLeft());   // alone, and at x below 2
    delete pFirst;
    EXPECT_TRUE(CXTPopupWndHook::GetLiveHooks().empty());
    ::DestroyWindow(hWndFirst);
    ::DestroyWindow(hWndSecond);
}

TEST(XTPopupWndHook, ClickOnAHighlightedChevronShowsFullMenusAndShadowMessageMakesTheShadow)
{
    HWND hWndFrame = CreatePopup(500);
    CXTCoolMenu cool;
    cool.Install(hWndFrame);
    HWND hWndPopup = CreatePopup(100);
    CXTPopupWndHook* pHook = new CXTPopupWndHook(hWndPopup);
    HMENU hMenu = ::CreatePopupMenu();
    CXTPopupWndHook::OfferMenu(hMenu, &cool);
    EXPECT_EQ(hMenu, pHook->GetMenu());
    EXPECT_EQ(&cool, pHook->GetCoolMenu());

    XT_MENU_STATE& state = GetXTMenuState();
    toolkit_test::MoveCursorTo(150, 130);
    struct Row { BOOL bPending; BOOL bFull; const char* pszWhat; };
    const Row rows[] = {
        { FALSE, FALSE, "the chevron is not highlighted: a plain click" },
        { TRUE, TRUE, "highlighted: the frame gets the chevron command" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszWhat);
        state.bShowFullMenus = FALSE;
        state.bChevronHoverPending = row.bPending;
        ::SendMessageA(hWndPopup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 30));
        EXPECT_EQ(row.bFull, state.bShowFullMenus);
    }
    state.bShowFullMenus = FALSE;
    state.bChevronHoverPending = FALSE;

    ::SendMessageA(hWndPopup, XT_WM_POPUP_SHADOW, 0, 0);
    HWND hWndShadow = ::GetWindow(hWndPopup, GW_HWNDNEXT);
    char szClass[16] = "";
    ::GetClassNameA(hWndShadow, szClass, sizeof(szClass));
    EXPECT_STREQ("Shadow", szClass);
    EXPECT_EQ(CRect(100, 100, 224, 184), WindowRect(hWndShadow));

    delete pHook;
    ::DestroyWindow(hWndPopup);   // the shadow goes with it
    EXPECT_FALSE(::IsWindow(hWndShadow));
    ::DestroyMenu(hMenu);
    cool.Destroy();
    ::DestroyWindow(hWndFrame);
}

} // namespace
