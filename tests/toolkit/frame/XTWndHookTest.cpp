#include "toolkit/frame/XTWndHook.h"

#include "toolkit/frame/XTWindowMap.h"

#include "framework/Afx.h"

#include <gtest/gtest.h>

#include <stdexcept>
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
    BOOL bThrowOnPaint = FALSE;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT && bThrowOnPaint)
            throw std::runtime_error("no brush");
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

#ifndef DBG_PRINTEXCEPTION_C
#define DBG_PRINTEXCEPTION_C 0x40010006L
#endif

// The lines written for a debugger while it lives: each one is raised as an
// exception that a vectored handler sees first.
class CDebugOutput
{
public:
    CDebugOutput() : m_hHandler(::AddVectoredExceptionHandler(1, &Collect)) { s_pLines = &m_lines; }
    ~CDebugOutput()
    {
        ::RemoveVectoredExceptionHandler(m_hHandler);
        s_pLines = nullptr;
    }
    // The lines that start with the prefix.
    std::vector<std::string> Lines(const char* pszPrefix) const
    {
        std::vector<std::string> lines;
        for (const std::string& line : m_lines)
            if (line.rfind(pszPrefix, 0) == 0)
                lines.push_back(line);
        return lines;
    }

private:
    static LONG CALLBACK Collect(EXCEPTION_POINTERS* pInfo)
    {
        const EXCEPTION_RECORD* pRecord = pInfo->ExceptionRecord;
        if (s_pLines != nullptr && pRecord->ExceptionCode == (DWORD)DBG_PRINTEXCEPTION_C &&
            pRecord->NumberParameters >= 2 && pRecord->ExceptionInformation[1] != 0)
            s_pLines->push_back(reinterpret_cast<const char*>(pRecord->ExceptionInformation[1]));
        return EXCEPTION_CONTINUE_SEARCH;
    }
    static std::vector<std::string>* s_pLines;
    std::vector<std::string> m_lines;
    PVOID m_hHandler;
};
std::vector<std::string>* CDebugOutput::s_pLines = nullptr;

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
        CDebugOutput output;
        CNamedHook hook("thrower", log);
        hook.bThrow = TRUE;
        hook.HookWindow(&wnd);
        EXPECT_EQ(0, wnd.SendMessage(kPing));
        EXPECT_NE(kPing, CWnd::GetCurrentMessage()->message);   // the record was put back
        // Told once, not swallowed in silence.
        std::vector<std::string> lines = output.Lines("Window hook:");
        ASSERT_EQ(1u, lines.size());
        EXPECT_NE(std::string::npos, lines[0].find("0x8005"));

        // A paint that throws is told once too, and not asked for again.
        hook.bThrow = FALSE;
        hook.bThrowOnPaint = TRUE;
        wnd.ShowWindow(SW_SHOWNOACTIVATE);
        wnd.UpdateWindow();
        wnd.UpdateWindow();
        lines = output.Lines("Window hook:");
        ASSERT_EQ(2u, lines.size());
        EXPECT_NE(std::string::npos, lines[1].find("no brush"));
        EXPECT_FALSE(::GetUpdateRect(wnd, nullptr, FALSE));
    }
    // The destroyed hook unhooked itself.
    EXPECT_EQ(nullptr, CXTWindowMap::GetMap().Lookup(wnd));
    EXPECT_EQ(42, wnd.SendMessage(kPing));
    wnd.DestroyWindow();
}

} // namespace
