// The toolkit frames with the real bars behind them: the menu bar the frame
// helper holds becomes the frame's menu bar window, the frame's menu and
// keys reach it, and the frames' bar state brings dock windows' sizes back.
#include "toolkit/bars/XTMenuBar.h"
#include "toolkit/bars/XTMenuBarMenuItem.h"
#include "toolkit/bars/XTMenuState.h"
#include "toolkit/frame/XTDockWindow.h"
#include "toolkit/frame/XTMDIChildWnd.h"
#include "toolkit/frame/XTMDIFrameWnd.h"

#include "XTStateTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CXTMDIFrameWnd* MakeMDIFrame()
{
    CXTMDIFrameWnd* pFrame = new CXTMDIFrameWnd;
    if (!pFrame->Create(nullptr, "Wired frame", WS_OVERLAPPEDWINDOW, CRect(30, 30, 630, 480)))
        return nullptr;
    return pFrame;
}

HMENU MakeMenu(const std::vector<const char*>& entries)
{
    HMENU hMenu = ::CreateMenu();
    UINT nID = 100;
    for (const char* pszEntry : entries)
    {
        HMENU hPopup = ::CreatePopupMenu();
        ::AppendMenuA(hPopup, MF_STRING, nID++, "Item");
        ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hPopup, pszEntry);
    }
    return hMenu;
}

// The texts of the bar's menu entries, in order.
std::vector<std::string> EntryTexts(CXTMenuBar* pBar)
{
    std::vector<std::string> texts;
    for (int i = 0; i < pBar->GetItemCount(); ++i)
        if (auto* pItem = dynamic_cast<CXTMenuBarMenuItem*>(pBar->GetItem(i)))
            texts.push_back((LPCSTR)pItem->GetText());
    return texts;
}

BOOL PressKey(CFrameWnd* pFrame, UINT message, WPARAM nKey, BOOL bAlt)
{
    LPARAM lParam = 1 | (bAlt ? (1 << 29) : 0);
    if (message == WM_KEYUP || message == WM_SYSKEYUP)
        lParam |= (LPARAM)0xC0000000u;
    MSG msg = { pFrame->m_hWnd, message, nKey, lParam, 0, { 0, 0 } };
    return pFrame->PreTranslateMessage(&msg);
}

TEST(XTFrameWiring, TheHelpersMenuBarBecomesTheFramesMenuBar)
{
    CXTMDIFrameWnd* pFrame = MakeMDIFrame();
    ASSERT_NE(nullptr, pFrame);
    const HMENU hMenu = MakeMenu({ "&File", "&Edit", "&Window" });
    ::SetMenu(pFrame->m_hWnd, hMenu);

    // Every toolkit frame holds a menu bar object from its construction on.
    IXTMenuBar* pMenuBar = pFrame->GetFrameHelper().GetMenuBar();
    CXTMenuBar* pBar = dynamic_cast<CXTMenuBar*>(pMenuBar);
    ASSERT_NE(nullptr, pBar);
    EXPECT_EQ(nullptr, pMenuBar->GetMenuBarHwnd());
    ASSERT_TRUE(pBar->Create(pFrame));

    // The bar is the frame's control bar of the menu bar's id and shows the menu.
    EXPECT_EQ(59480, ::GetDlgCtrlID(pBar->m_hWnd));
    EXPECT_EQ(pBar, pFrame->GetControlBar(XT_IDW_MENUBAR));
    EXPECT_EQ(pMenuBar, CXTFrameHelper::FindMenuBar(pFrame));
    EXPECT_EQ(pBar->m_hWnd, pMenuBar->GetMenuBarHwnd());
    EXPECT_EQ((std::vector<std::string>{ "&File", "&Edit", "&Window" }), EntryTexts(pBar));

    // The window has no menu now: the frame's menu is the bar's, for its children too.
    EXPECT_EQ(nullptr, ::GetMenu(pFrame->m_hWnd));
    ASSERT_NE(nullptr, pFrame->GetMenu());
    EXPECT_EQ(hMenu, pFrame->GetMenu()->m_hMenu);
    CXTMDIChildWnd* pChild = new CXTMDIChildWnd;
    ASSERT_TRUE(pChild->Create(nullptr, "Doc", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                               pFrame));
    CMenu* pChildMenu = pChild->GetFrameHelper().GetMenu(pChild);
    ASSERT_NE(nullptr, pChildMenu);
    EXPECT_EQ(hMenu, pChildMenu->m_hMenu);

    // The frame's keys reach the bar: Alt alone enters its keyboard mode, Escape leaves it.
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_TRUE(PressKey(pFrame, WM_SYSKEYDOWN, VK_MENU, TRUE));
    EXPECT_TRUE(PressKey(pFrame, WM_SYSKEYUP, VK_MENU, FALSE));
    EXPECT_EQ(CXTMenuBar::trackKeyboard, pBar->GetTrackedItem());
    EXPECT_TRUE(PressKey(pFrame, WM_KEYDOWN, VK_ESCAPE, FALSE));
    EXPECT_EQ(CXTMenuBar::trackNone, pBar->GetTrackedItem());
    GetXTMenuState().bAltPressed = FALSE;

    // The frame goes first; its helper then deletes the bar object. The
    // menu left the window, so it is the program's to destroy.
    pFrame->DestroyWindow();
    ::DestroyMenu(hMenu);
}

// ---------------------------------------------------------------------------

class XTFrameWiringState : public state_test::StateTest
{
};

std::string SizesText(const CXTDockWindow* pWindow)
{
    auto text = [](const CSize& size) { return std::to_string(size.cx) + "x" + std::to_string(size.cy); };
    return text(pWindow->m_sizeVertDocked) + " " + text(pWindow->m_sizeHorzDocked) + " " +
           text(pWindow->m_sizeMRUFloat) + " " + text(pWindow->m_sizeFloat);
}

// An MDI frame with the toolkit's dock bars and one dock window.
struct DockWindowFrame
{
    CXTMDIFrameWnd* pFrame = nullptr;
    CXTDockWindow window;
    BOOL Create(UINT nSide, CSize size)
    {
        pFrame = MakeMDIFrame();
        if (pFrame == nullptr)
            return FALSE;
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        if (!window.Create(pFrame, 201, "Window"))
            return FALSE;
        window.EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(&window, nSide);
        pFrame->ShowWindow(SW_SHOWNOACTIVATE);
        window.SetBarSize(size);
        pFrame->RecalcLayout();
        return TRUE;
    }
    UINT Side() const { return window.m_pDockBar != nullptr ? (UINT)window.m_pDockBar->GetDlgCtrlID() : 0; }
    int Width() const
    {
        CRect rect;
        window.GetWindowRect(&rect);
        return rect.Width();
    }
    ~DockWindowFrame()
    {
        if (pFrame != nullptr && pFrame->m_hWnd != nullptr)
            pFrame->DestroyWindow();
    }
};

TEST_F(XTFrameWiringState, AnMDIFramesBarStateBringsItsDockWindowBack)
{
    std::string strSizes;
    {
        DockWindowFrame saved;
        ASSERT_TRUE(saved.Create(AFX_IDW_DOCKBAR_LEFT, CSize(150, 300)));
        ASSERT_EQ(150, saved.Width());
        strSizes = SizesText(&saved.window);
        // Through the framework's virtual, as a program saves its layout.
        static_cast<CFrameWnd*>(saved.pFrame)->SaveBarState("Test");
    }

    DockWindowFrame loaded;
    ASSERT_TRUE(loaded.Create(AFX_IDW_DOCKBAR_RIGHT, CSize(90, 200)));
    ASSERT_NE(strSizes, SizesText(&loaded.window));
    static_cast<CFrameWnd*>(loaded.pFrame)->LoadBarState("Test");
    loaded.pFrame->RecalcLayout();
    EXPECT_EQ(strSizes, SizesText(&loaded.window));
    EXPECT_EQ((UINT)AFX_IDW_DOCKBAR_LEFT, loaded.Side());
    EXPECT_EQ(150, loaded.Width());
}

} // namespace
