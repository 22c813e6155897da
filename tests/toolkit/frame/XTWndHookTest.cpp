#include "toolkit/frame/XTWndHook.h"

#include "toolkit/frame/XTWindowMap.h"

#include "framework/Afx.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kPing = WM_APP + 5;

// A framework window that notes what reaches its own procedure.
class CWatchedWnd : public CWnd
{
public:
    std::vector<std::string>* pLog = nullptr;
    BOOL Make()
    {
        return CreateEx(0, nullptr, "Hooked", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (pLog != nullptr && message == kPing)
            pLog->push_back("window");
        if (pLog != nullptr && message == WM_NCDESTROY)
            pLog->push_back("window ncdestroy");
        return message == kPing ? 42 : CWnd::WindowProc(message, wParam, lParam);
    }
};

class CNamedHook : public CXTWndHook
{
public:
    CNamedHook(const char* name, std::vector<std::string>& log) : m_name(name), m_log(log) {}
    UINT nCurrentMessage = 0;
    BOOL bThrow = FALSE;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kPing)
        {
            m_log.push_back(m_name);
            nCurrentMessage = CWnd::GetCurrentMessage()->message;
            if (bThrow)
                throw 7;
        }
        return CXTWndHook::WindowProc(message, wParam, lParam);
    }

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

WNDPROC ProcOf(HWND hWnd)
{
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
}

TEST(XTWndHook, MessagesWalkTheChainNewestFirst)
{
    std::vector<std::string> log;
    CWatchedWnd wnd;
    ASSERT_TRUE(wnd.Make());
    wnd.pLog = &log;
    WNDPROC pOriginal = ProcOf(wnd);
    CNamedHook first("first", log), second("second", log), third("third", log);
    ASSERT_TRUE(first.HookWindow(&wnd));
    ASSERT_TRUE(second.HookWindow(wnd.m_hWnd));
    ASSERT_TRUE(third.HookWindow(wnd.m_hWnd));
    EXPECT_EQ(&third, CXTWindowMap::GetMap().Lookup(wnd));

    EXPECT_EQ(42, wnd.SendMessage(kPing));
    EXPECT_EQ((std::vector<std::string>{ "third", "second", "first", "window" }), log);
    EXPECT_EQ(kPing, third.nCurrentMessage);

    log.clear();
    ASSERT_TRUE(second.HookWindow((HWND) nullptr));
    EXPECT_FALSE(second.IsWindowHooked());
    wnd.SendMessage(kPing);
    EXPECT_EQ((std::vector<std::string>{ "third", "first", "window" }), log);

    // The oldest and then the newest go; the window gets its procedure back.
    first.HookWindow((HWND) nullptr);
    log.clear();
    wnd.SendMessage(kPing);
    EXPECT_EQ((std::vector<std::string>{ "third", "window" }), log);
    EXPECT_EQ(&CXTWindowMap::HookWndProc, ProcOf(wnd));
    third.HookWindow((HWND) nullptr);
    EXPECT_EQ(pOriginal, ProcOf(wnd));
    EXPECT_EQ(nullptr, CXTWindowMap::GetMap().Lookup(wnd));
    wnd.DestroyWindow();
}

LRESULT CALLBACK ForeignProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

TEST(XTWndHook, OnlyTheFirstHookReplacesTheProcedure)
{
    std::vector<std::string> log;
    CWatchedWnd wnd;
    ASSERT_TRUE(wnd.Make());
    CNamedHook first("first", log), second("second", log);
    first.HookWindow(&wnd);
    EXPECT_EQ(&CXTWindowMap::HookWndProc, ProcOf(wnd));
    // Someone else subclasses the window; a second hook leaves that alone.
    WNDPROC pHookProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
    second.HookWindow(&wnd);
    EXPECT_EQ(&ForeignProc, ProcOf(wnd));
    ::SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pHookProc));
    wnd.DestroyWindow();
}

TEST(XTWndHook, DestroyingTheWindowLetsEveryHookGo)
{
    std::vector<std::string> log;
    CWatchedWnd wnd;
    ASSERT_TRUE(wnd.Make());
    wnd.pLog = &log;
    HWND hWnd = wnd;
    CNamedHook first("first", log), second("second", log);
    first.HookWindow(&wnd);
    second.HookWindow(&wnd);
    wnd.DestroyWindow();
    EXPECT_EQ(nullptr, CXTWindowMap::GetMap().Lookup(hWnd));
    EXPECT_FALSE(first.IsWindowHooked());
    EXPECT_FALSE(second.IsWindowHooked());
    EXPECT_EQ((std::vector<std::string>{ "window ncdestroy" }), log);
    EXPECT_EQ(nullptr, wnd.m_hWnd);   // the framework let go of it too
}

TEST(XTWndHook, HookingElsewhereOrNothing)
{
    std::vector<std::string> log;
    CWatchedWnd one, two;
    ASSERT_TRUE(one.Make());
    ASSERT_TRUE(two.Make());
    one.pLog = &log;
    two.pLog = &log;
    CNamedHook hook("hook", log);
    ASSERT_TRUE(hook.HookWindow(&one));
    // A handle that is not a window changes nothing.
    HWND hGone = ::CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ::DestroyWindow(hGone);
    EXPECT_FALSE(hook.HookWindow(hGone));
    EXPECT_EQ(one.m_hWnd, hook.GetSafeHwnd());
    // Moving to another window unhooks the first.
    ASSERT_TRUE(hook.HookWindow(&two));
    EXPECT_EQ(nullptr, CXTWindowMap::GetMap().Lookup(one));
    one.SendMessage(kPing);
    two.SendMessage(kPing);
    EXPECT_EQ((std::vector<std::string>{ "window", "hook", "window" }), log);
    EXPECT_TRUE(hook.HookWindow((CWnd*)nullptr));
    EXPECT_FALSE(hook.IsWindowHooked());
    one.DestroyWindow();
    two.DestroyWindow();
}

TEST(XTWndHook, NoExceptionLeavesTheProcedure)
{
    std::vector<std::string> log;
    CWatchedWnd wnd;
    ASSERT_TRUE(wnd.Make());
    {
        CNamedHook hook("thrower", log);
        hook.bThrow = TRUE;
        hook.HookWindow(&wnd);
        EXPECT_EQ(0, wnd.SendMessage(kPing));
        EXPECT_NE(kPing, CWnd::GetCurrentMessage()->message);   // the record was put back
    }
    // The destroyed hook unhooked itself.
    EXPECT_EQ(nullptr, CXTWindowMap::GetMap().Lookup(wnd));
    EXPECT_EQ(42, wnd.SendMessage(kPing));
    wnd.DestroyWindow();
}

} // namespace
