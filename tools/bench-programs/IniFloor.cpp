// Floor for the editor's open and save of a project: a multiple-document
// frame that, on command 1, reads every .ini file in the folder named on its
// command line whole, splits it into sections, keys and values, and shows the
// main page in a document window holding its buttons and texts; on command 2
// it writes the main page's file back whole, as the editor's save of the page
// being edited does.
#include "IniPage.h"

static LRESULT CALLBACK FrameProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_CREATE:
        g_hClient = CreateMdiClient(hWnd, lParam);
        return 0;
    }
    return IniFrameProc(hWnd, nMsg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    StartIniFloor(hInstance, lpCmdLine);
    RegisterFloorClass(hInstance, "BenchIniFloor", FrameProc, COLOR_APPWORKSPACE);
    HWND hWnd = CreateWindowA("BenchIniFloor", "Bench INI", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, hInstance, nullptr);
    return RunFloor(hWnd, nCmdShow, g_hClient);
}
