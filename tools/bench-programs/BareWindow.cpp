// Floor for the player's start: one plain top-level window of the first page's
// size and title, shown and painted, and nothing else.
#include "FloorWindow.h"

static LRESULT CALLBACK WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return FloorDefault(hWnd, nMsg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow)
{
    RegisterFloorClass(hInstance, "BenchBareWindow", WndProc, COLOR_WINDOW);
    HWND hWnd = CreateWindowA("BenchBareWindow", "Page 1", WS_OVERLAPPEDWINDOW, 100, 80, 606, 429, nullptr, nullptr,
                              hInstance, nullptr);
    return RunFloor(hWnd, nCmdShow);
}
