// What the floor programs share: their window classes, their frame's
// document client and their message loop.
#pragma once

#include <windows.h>

// Registers a window class with the arrow cursor and the system colour.
inline void RegisterFloorClass(HINSTANCE hInstance, const char* lpszClass, WNDPROC proc, int nColor)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(INT_PTR)(nColor + 1);
    wc.lpszClassName = lpszClass;
    RegisterClassA(&wc);
}

// A main window's default handling: the program ends with the window.
inline LRESULT FloorDefault(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_DESTROY)
    {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

// The document client of a frame, made from the frame's WM_CREATE.
inline HWND CreateMdiClient(HWND hFrame, LPARAM lCreateParam)
{
    CLIENTCREATESTRUCT ccs = {};
    ccs.idFirstChild = 0xFF00;
    return CreateWindowA("MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0, hFrame, nullptr,
                         ((LPCREATESTRUCTA)lCreateParam)->hInstance, &ccs);
}

// Shows and paints the main window, then runs the messages until it is gone.
inline int RunFloor(HWND hWnd, int nCmdShow, HWND hMdiClient = nullptr)
{
    ShowWindow(hWnd, nCmdShow);
    UpdateWindow(hWnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        if (hMdiClient == nullptr || !TranslateMDISysAccel(hMdiClient, &msg))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    return 0;
}
