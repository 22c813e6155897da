// Lets several objects watch the messages of one window without being its
// class. Each hook subclasses the window through one shared procedure; the
// hooks of a window form a chain that a message walks from the newest hook to
// the oldest and then to the procedure the window had before the first hook.
#pragma once

#include "framework/Object.h"

#include <windows.h>

class CWnd;

class CXTWndHook : public CObject
{
    DECLARE_DYNAMIC(CXTWndHook)
public:
    // Construction
    CXTWndHook() = default;
    CXTWndHook(const CXTWndHook&) = delete;
    CXTWndHook& operator=(const CXTWndHook&) = delete;
    ~CXTWndHook() override;   // unhooks a hook that is still attached

    // Attributes
    HWND GetSafeHwnd() const { return m_hWnd; }

    // Overridables
    virtual BOOL IsWindowHooked() const { return m_hWnd != nullptr; }
    // Makes this the window's newest hook (a hook attached elsewhere is
    // unhooked first); null unhooks. FALSE, with nothing changed, for a handle
    // that is not a window.
    virtual BOOL HookWindow(HWND hWnd);
    virtual BOOL HookWindow(CWnd* pWnd);
    // Passes the message on to the next older hook, or at the end of the chain
    // to the window's own procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    HWND m_hWnd = nullptr;
    WNDPROC m_pOldWndProc = nullptr;   // the window's procedure before the first hook
    CXTWndHook* m_pNext = nullptr;     // the next older hook of the window

    friend class CXTWindowMap;
};
