// Floor for the player's page change: a window holding a page of 10 buttons
// and 10 texts; a click on the first button destroys them and creates the
// next page's, titled "Page N".
#include "FloorWindow.h"

#include <cstdio>

static const int kButtons = 10, kTexts = 10, kFirstId = 5000;
static int g_nPage = 1;

static void BuildPage(HWND hWnd)
{
    for (HWND hChild = GetWindow(hWnd, GW_CHILD); hChild != nullptr; hChild = GetWindow(hWnd, GW_CHILD))
        DestroyWindow(hChild);
    HINSTANCE hInstance = (HINSTANCE)GetWindowLongPtrA(hWnd, GWLP_HINSTANCE);
    HFONT hFont = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    char text[64];
    for (int i = 0; i < kButtons; ++i)
    {
        snprintf(text, sizeof(text), "Page %d button %d", g_nPage, i + 1);
        HWND h = CreateWindowA("BUTTON", text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20 + 36 * i, 160, 28, hWnd,
                               (HMENU)(INT_PTR)(kFirstId + i), hInstance, nullptr);
        SendMessageA(h, WM_SETFONT, (WPARAM)hFont, FALSE);
    }
    for (int i = 0; i < kTexts; ++i)
    {
        snprintf(text, sizeof(text), "Text %d on page %d", i + 1, g_nPage);
        HWND h = CreateWindowA("STATIC", text, WS_CHILD | WS_VISIBLE, 220, 20 + 36 * i, 300, 24, hWnd,
                               (HMENU)(INT_PTR)(kFirstId + kButtons + i), hInstance, nullptr);
        SendMessageA(h, WM_SETFONT, (WPARAM)hFont, FALSE);
    }
    snprintf(text, sizeof(text), "Page %d", g_nPage);
    SetWindowTextA(hWnd, text);
    InvalidateRect(hWnd, nullptr, TRUE);
}

static LRESULT CALLBACK WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_COMMAND:
        if (LOWORD(wParam) == kFirstId && HIWORD(wParam) == BN_CLICKED)
        {
            g_nPage = g_nPage % 30 + 1;
            BuildPage(hWnd);
        }
        return 0;
    }
    return FloorDefault(hWnd, nMsg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow)
{
    RegisterFloorClass(hInstance, "BenchPageWindows", WndProc, COLOR_WINDOW);
    HWND hWnd = CreateWindowA("BenchPageWindows", "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 80, 606, 429,
                              nullptr, nullptr, hInstance, nullptr);
    BuildPage(hWnd);
    return RunFloor(hWnd, nCmdShow);
}
