#include "toolkit/bars/XTMenu.h"

#include "toolkit/bars/XTMenuState.h"
#include "toolkit/bars/XTPopupWndHook.h"

#include "framework/Wnd.h"

namespace {

// Lets pending messages run (a closed popup's last ones among them), keeping a quit for the caller's loop.
void PumpPendingMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

} // namespace

CXTMenu::CXTMenu()
{
    ++GetXTMenuState().nToolkitMenus;
}

CXTMenu::~CXTMenu()
{
    --GetXTMenuState().nToolkitMenus;
    DestroyMenu();
}

UINT CXTMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd)
{
    return TrackPopupMenuEx(nFlags, x, y, pWnd, nullptr, (nFlags & TPM_RETURNCMD) == 0);
}

UINT CXTMenu::TrackPopupMenuEx(UINT nFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm, BOOL bNotify)
{
    return TrackPopupMenuEx(nFlags, x, y, AfxHwnd(pWnd), lptpm, bNotify);
}

UINT CXTMenu::TrackPopupMenuEx(UINT nFlags, int x, int y, HWND hWnd, LPTPMPARAMS lptpm, BOOL bNotify)
{
    XT_MENU_STATE& state = GetXTMenuState();
    CRect rcItem = state.rcMenuBarItem;
    UINT nAlign = state.nMenuBarAlign;
    for (;;)
    {
        HWND hWndPrevious = state.hWndTracking;
        HMENU hMenuPrevious = state.hMenuTracking;
        state.hWndTracking = hWnd;
        state.hMenuTracking = m_hMenu;
        if (!CXTPopupWndHook::GetLiveHooks().empty())
        {
            CXTPopupWndHook::CloseAll();
            PumpPendingMessages();
        }
        UINT nCommand = (UINT)::TrackPopupMenuEx(m_hMenu, nFlags | TPM_RETURNCMD, x, y, hWnd, lptpm);
        state.hWndTracking = hWndPrevious;
        state.hMenuTracking = hMenuPrevious;
        if (nCommand != XT_IDC_CHEVRON)
        {
            if (bNotify && nCommand != 0)
                ::PostMessageA(hWnd, WM_COMMAND, nCommand, 0);
            return nCommand;
        }
        // The chevron: the same popup again, this time in full.
        state.rcMenuBarItem = rcItem;
        state.nMenuBarAlign = nAlign;
        ::SendMessageA(hWnd, WM_COMMAND, XT_IDC_CHEVRON, 0);
    }
}
