// What the player's tests share besides written files: windows to stand in
// for parents and references, places and pixels on the screen, the queue,
// and the application's project file put back after a test.
#pragma once

#include "framework/Afx.h"
#include "player/PlayerApp.h"

namespace player_test {

inline CSize ScreenSize()
{
    RECT screen;
    GetWindowRect(GetDesktopWindow(), &screen);
    return CSize(screen.right - screen.left, screen.bottom - screen.top);
}

// The child's place in its parent's client area.
inline CRect ChildRect(HWND hChild)
{
    CRect rect;
    GetWindowRect(hChild, &rect);
    MapWindowPoints(nullptr, GetParent(hChild), (POINT*)&rect, 2);
    return rect;
}

// How many pixels of the rectangle have the colour.
inline int CountPixels(HDC hdc, const CRect& rc, COLORREF crColor)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += (GetPixel(hdc, x, y) & 0xFFFFFF) == crColor;
    return n;
}

// Whether any pixel of the rectangle differs from the background.
inline bool HasInk(HDC hdc, const CRect& rc, COLORREF crBackground)
{
    return rc.left < rc.right && rc.top < rc.bottom && CountPixels(hdc, rc, crBackground) < rc.Width() * rc.Height();
}

inline CString CurrentFolder()
{
    char szFolder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, szFolder);
    return szFolder;
}

// Takes the posted commands of the window from the queue; how many had the id.
inline int TakeCommands(HWND hWnd, UINT nID)
{
    int nCount = 0;
    MSG msg;
    while (PeekMessageA(&msg, hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE))
        nCount += LOWORD(msg.wParam) == nID;
    return nCount;
}

// A visible top-level window of the place, to parent or place what a test shows.
class TestWindow
{
public:
    explicit TestWindow(const CRect& rect)
    {
        m_wnd.Attach(CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, rect.left, rect.top, rect.Width(),
                                     rect.Height(), nullptr, nullptr, nullptr, nullptr));
    }
    ~TestWindow() { DestroyWindow(m_wnd.Detach()); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    CWnd m_wnd;
};

// The application's project file, program folder and main window are the
// test's until the scope ends.
class AppStateScope
{
public:
    AppStateScope() : m_strAppFolder(GetPlayerApp()->m_strAppFolder), m_pMainWnd(AfxGetApp()->m_pMainWnd)
    {
        GetPlayerApp()->m_settings.GetProjectFile(m_strProject);
    }
    ~AppStateScope()
    {
        GetPlayerApp()->m_settings.SetProjectFile(m_strProject);
        GetPlayerApp()->m_strAppFolder = m_strAppFolder;
        AfxGetApp()->m_pMainWnd = m_pMainWnd;
    }
    AppStateScope(const AppStateScope&) = delete;
    AppStateScope& operator=(const AppStateScope&) = delete;

private:
    CString m_strProject;
    CString m_strAppFolder;
    CWnd* m_pMainWnd;
};

} // namespace player_test
