#include "shared/support/ScreenDepth.h"

#include "framework/WinApp.h"

namespace {

int g_nOverrideBits = 0;

} // namespace

int GetScreenBitsPerPixel()
{
    if (g_nOverrideBits != 0)
        return g_nOverrideBits;
    CWinApp* pApp = AfxGetApp();
    HWND hWnd = pApp != nullptr ? pApp->GetMainWndHandle() : nullptr;
    HDC hDC = GetDC(hWnd);
    if (hDC == nullptr)
        return 24;
    const int nBits = GetDeviceCaps(hDC, BITSPIXEL) * GetDeviceCaps(hDC, PLANES);
    ReleaseDC(hWnd, hDC);
    return nBits;
}

void SetScreenBitsPerPixelOverride(int nBits)
{
    g_nOverrideBits = nBits;
}
