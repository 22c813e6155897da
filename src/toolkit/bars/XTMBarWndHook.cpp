#include "toolkit/bars/XTMBarWndHook.h"

#include "toolkit/bars/XTMenuBar.h"
#include "toolkit/bars/XTMenuState.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/FrameWnd.h"

IMPLEMENT_DYNAMIC(CXTMBarWndHook, CXTWndHook)

namespace {

BOOL g_bChevronChosen = FALSE;

} // namespace

BOOL CXTMBarWndHook::IsChevronChosen()
{
    return g_bChevronChosen;
}

void CXTMBarWndHook::ClearChevronChosen()
{
    g_bChevronChosen = FALSE;
}

BOOL CXTMBarWndHook::Install(CXTMenuBar* pMenuBar, HWND hWnd)
{
    m_pMenuBar = pMenuBar;
    return HookWindow(hWnd);
}

BOOL CXTMBarWndHook::IsMenuBarAlive() const
{
    return m_pMenuBar != nullptr && ::IsWindow(m_pMenuBar->GetSafeHwnd());
}

BOOL CXTMBarWndHook::OnSharedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    switch (message)
    {
    case WM_PAINT:
        m_pMenuBar->UpdateActiveMDIChild(TRUE);
        return FALSE;
    case WM_NCACTIVATE:
    {
        // The frame window of this hook: the hooked window, or the bar's
        // frame for the MDI client. The frame decides first whether it
        // stays active (a window of its own took the activation).
        lResult = CXTWndHook::WindowProc(message, wParam, lParam);
        CFrameWnd* pFrame = m_pMenuBar->GetFrame();
        HWND hFrame = AfxHwnd(pFrame);
        if (hFrame == nullptr)
            hFrame = m_hWnd;
        BOOL bActive = ::IsWindowEnabled(hFrame) ? (BOOL)wParam : FALSE;
        if (pFrame != nullptr && (pFrame->m_nFlags & WF_STAYACTIVE))
            bActive = TRUE;
        m_pMenuBar->SetFrameActive(bActive);
        return TRUE;
    }
    case WM_COMMAND:
        g_bChevronChosen = LOWORD(wParam) == XT_IDC_CHEVRON;
        return FALSE;
    case WM_MDISETMENU:
    {
        m_pMenuBar->SetMenu(reinterpret_cast<HMENU>(wParam), reinterpret_cast<HMENU>(lParam));
        HWND hFrame = AfxHwnd(m_pMenuBar->GetFrame());
        if (hFrame != nullptr && ::GetMenu(hFrame) != nullptr)
            ::SetMenu(hFrame, nullptr);
        lResult = 0;
        return TRUE;
    }
    case WM_MDIREFRESHMENU:
        m_pMenuBar->Invalidate();
        lResult = 0;
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT CXTMBarWndHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsMenuBarAlive())
        return CXTWndHook::WindowProc(message, wParam, lParam);

    BOOL bSend = FALSE;
    HWND hTarget = m_pMenuBar->GetMenuMessageTarget(bSend, message, wParam, lParam);
    if (hTarget != nullptr)
    {
        if (bSend)
            return ::SendMessageA(hTarget, message, wParam, lParam);
        ::PostMessageA(hTarget, message, wParam, lParam);
        return 0;
    }

    LRESULT lResult = 0;
    if (OnSharedMessage(message, wParam, lParam, lResult))
        return lResult;
    switch (message)
    {
    case WM_SYSCOLORCHANGE:
        m_pMenuBar->SendMessage(WM_SETFONT, (WPARAM)xtAfxData.m_fontNormal2.m_hObject, TRUE);
        break;
    case WM_INITMENUPOPUP:
    {
        HMENU hPopup = reinterpret_cast<HMENU>(wParam);
        const BOOL bSysMenu = HIWORD(lParam) != 0;
        if (!bSysMenu && hPopup != nullptr && hPopup == m_pMenuBar->GetWindowMenu())
            m_pMenuBar->RebuildWindowList();
        // The bar's own popup reports the position of its bar item.
        int nPosition = m_pMenuBar->GetOpenMenuPosition();
        if (nPosition >= 0 && hPopup == m_pMenuBar->GetPopupMenu())
            lParam = MAKELPARAM(nPosition, HIWORD(lParam));
        break;
    }
    case WM_MENUSELECT:
    {
        const UINT nFlags = HIWORD(wParam);
        const UINT nItem = (nFlags != 0xFFFF && (nFlags & MF_POPUP)) ? LOWORD(wParam) : (UINT)-1;
        m_pMenuBar->NoteSubMenuSelect(reinterpret_cast<HMENU>(lParam), nItem);
        break;
    }
    default:
        break;
    }
    return CXTWndHook::WindowProc(message, wParam, lParam);
}
