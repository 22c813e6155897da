// The process-wide map from a hooked window to its newest hook, and the shared
// window procedure of hooked windows.
#pragma once

#include "framework/Collections.h"

class CXTWndHook;

class CXTWindowMap : public CMapPtrToPtr
{
public:
    static CXTWindowMap& GetMap();

    CXTWndHook* Lookup(HWND hWnd) const;
    // Makes the hook the window's newest; only the first hook of a window
    // replaces its procedure.
    void Add(HWND hWnd, CXTWndHook* pHook);
    // Takes the hook out of its window's chain; the last one gives the window
    // its procedure back.
    void Remove(CXTWndHook* pHook);
    // Detaches every hook of a window that is being destroyed.
    void RemoveAll(HWND hWnd);

    static LRESULT CALLBACK HookWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};
