#include "toolkit/bars/XTMBarMDIWndHook.h"

#include "toolkit/bars/XTMenuBar.h"

IMPLEMENT_DYNAMIC(CXTMBarMDIWndHook, CXTMBarWndHook)

LRESULT CXTMBarMDIWndHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (IsMenuBarAlive() && OnSharedMessage(message, wParam, lParam, lResult))
        return lResult;
    return CXTWndHook::WindowProc(message, wParam, lParam);
}
