// Floor for the editor's start: a multiple-document frame with its client
// window and an empty menu bar, shown and painted, and nothing else.
#include <windows.h>

static HWND g_hClient;

static LRESULT CALLBACK FrameProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_CREATE:
    {
        CLIENTCREATESTRUCT ccs = {};
        ccs.idFirstChild = 0xFF00;
        g_hClient = CreateWindowA("MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0, hWnd,
                                  nullptr, ((LPCREATESTRUCTA)lParam)->hInstance, &ccs);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefFrameProcA(hWnd, g_hClient, nMsg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = "BenchBareMdi";
    RegisterClassA(&wc);
    HMENU hMenu = CreateMenu();
    AppendMenuA(hMenu, MF_STRING, 1, "&File");
    HWND hWnd = CreateWindowA(wc.lpszClassName, "Bench MDI", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, hMenu, hInstance, nullptr);
    ShowWindow(hWnd, nCmdShow);
    UpdateWindow(hWnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        if (!TranslateMDISysAccel(g_hClient, &msg))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    return 0;
}
