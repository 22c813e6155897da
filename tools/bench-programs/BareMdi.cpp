// Floor for the editor's start: a multiple-document frame with its client
// window and a menu bar, shown and painted, and nothing else.
#include "FloorWindow.h"

static HWND g_hClient;

static LRESULT CALLBACK FrameProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_CREATE:
        g_hClient = CreateMdiClient(hWnd, lParam);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefFrameProcA(hWnd, g_hClient, nMsg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow)
{
    RegisterFloorClass(hInstance, "BenchBareMdi", FrameProc, COLOR_APPWORKSPACE);
    HMENU hMenu = CreateMenu();
    AppendMenuA(hMenu, MF_STRING, 1, "&File");
    HWND hWnd = CreateWindowA("BenchBareMdi", "Bench MDI", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, hMenu, hInstance, nullptr);
    return RunFloor(hWnd, nCmdShow, g_hClient);
}
