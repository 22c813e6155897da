#include "toolkit/bars/XTPopupWndHook.h"

#include "toolkit/bars/XTCoolMenu.h"
#include "toolkit/bars/XTMenuShadow.h"
#include "toolkit/bars/XTMenuState.h"
#include "toolkit/bars/XTShadowBitmap.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMenuItemInfo.h"

#include <algorithm>

namespace {

// The system's internal popup menu messages that a click on the chevron may arrive as.
const UINT kFirstPopupMouseMessage = 0x1EB;
const UINT kLastPopupMouseMessage = 0x1F0;
const UINT kPopupPaintMessage = 0x1E2;
const UINT kPopupRemeasureTrigger = 0xAF;

struct WatcherState
{
    HHOOK hHook = nullptr;
    int nUsers = 0;
    std::vector<CXTPopupWndHook*> live;
    CXTPopupWndHook* pWaiting = nullptr;
    CXTCoolMenu* pPendingCoolMenu = nullptr;
    BOOL bSavedAnimation = FALSE;
    BOOL bSavedDropShadow = FALSE;
};

WatcherState& Watcher()
{
    static WatcherState state;
    return state;
}

BOOL IsPopupMenuWindow(HWND hWnd)
{
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    return lstrcmpA(szClass, "#32768") == 0;
}

LRESULT CALLBACK PopupWatcherProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode >= 0)
        CXTPopupWndHook::HandleCbt(nCode, wParam, lParam);
    return ::CallNextHookEx(Watcher().hHook, nCode, wParam, lParam);
}

} // namespace

CXTPopupWndHook::CXTPopupWndHook(HWND hWndPopup)
{
    WatcherState& w = Watcher();
    HookWindow(hWndPopup);
    if (w.live.empty())
        SaveAndChangeSettings();
    w.live.push_back(this);
    XT_MENU_STATE& state = GetXTMenuState();
    if (state.hMenuOpening != nullptr)
    {
        SetMenu(state.hMenuOpening, w.pPendingCoolMenu);
        state.hMenuOpening = nullptr;
        w.pPendingCoolMenu = nullptr;
    }
    else
        w.pWaiting = this;
}

CXTPopupWndHook::~CXTPopupWndHook()
{
    WatcherState& w = Watcher();
    auto it = std::find(w.live.begin(), w.live.end(), this);
    if (it != w.live.end())
    {
        w.live.erase(it);
        if (w.live.empty())
            RestoreSettings();
    }
    if (w.pWaiting == this)
        w.pWaiting = nullptr;
    DropSnapshot();
}

void CXTPopupWndHook::SaveAndChangeSettings()
{
    // Changed for this session only (no profile update), so that a program
    // that ends with a popup open leaves the user's settings as they were.
    WatcherState& w = Watcher();
    ::SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &w.bSavedAnimation, 0);
    ::SystemParametersInfoA(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(FALSE), 0);
    if (SystemDrawsMenuShadows())
    {
        ::SystemParametersInfoA(SPI_GETDROPSHADOW, 0, &w.bSavedDropShadow, 0);
        ::SystemParametersInfoA(SPI_SETDROPSHADOW, 0,
                                reinterpret_cast<void*>((INT_PTR)(xtAfxData.m_bMenuDropShadows != FALSE)), 0);
    }
}

void CXTPopupWndHook::RestoreSettings()
{
    WatcherState& w = Watcher();
    ::SystemParametersInfoA(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>((INT_PTR)w.bSavedAnimation), 0);
    if (SystemDrawsMenuShadows())
        ::SystemParametersInfoA(SPI_SETDROPSHADOW, 0, reinterpret_cast<void*>((INT_PTR)w.bSavedDropShadow), 0);
}

void CXTPopupWndHook::SetMenu(HMENU hMenu, CXTCoolMenu* pCoolMenu)
{
    m_hMenu = hMenu;
    m_pCoolMenu = pCoolMenu;
    if (Watcher().pWaiting == this)
        Watcher().pWaiting = nullptr;
}

void CXTPopupWndHook::DropSnapshot()
{
    if (m_hSnapshot != nullptr)
        ::DeleteObject(m_hSnapshot);
    m_hSnapshot = nullptr;
}

void CXTPopupWndHook::InstallWatcher()
{
    WatcherState& w = Watcher();
    if (w.nUsers++ == 0)
        w.hHook = ::SetWindowsHookExA(WH_CBT, PopupWatcherProc, nullptr, ::GetCurrentThreadId());
}

void CXTPopupWndHook::RemoveWatcher()
{
    WatcherState& w = Watcher();
    if (w.nUsers == 0 || --w.nUsers > 0)
        return;
    if (w.hHook != nullptr)
        ::UnhookWindowsHookEx(w.hHook);
    w.hHook = nullptr;
}

void CXTPopupWndHook::HandleCbt(int nCode, WPARAM wParam, LPARAM /*lParam*/)
{
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (nCode == HCBT_CREATEWND)
    {
        if (FindHook(hWnd) == nullptr && IsPopupMenuWindow(hWnd))
            new CXTPopupWndHook(hWnd);
    }
    else if (nCode == HCBT_DESTROYWND)
    {
        CXTPopupWndHook* pHook = FindHook(hWnd);
        if (pHook == nullptr)
            return;
        if (pHook->m_nDepth > 0)
        {
            // Destroyed from inside one of its own messages: it goes when that returns.
            WatcherState& w = Watcher();
            w.live.erase(std::find(w.live.begin(), w.live.end(), pHook));
            if (w.live.empty())
                RestoreSettings();
            pHook->m_bDeletePending = TRUE;
        }
        else
            delete pHook;
    }
}

void CXTPopupWndHook::OfferMenu(HMENU hMenu, CXTCoolMenu* pCoolMenu)
{
    WatcherState& w = Watcher();
    if (w.pWaiting != nullptr)
    {
        w.pWaiting->SetMenu(hMenu, pCoolMenu);
        return;
    }
    GetXTMenuState().hMenuOpening = hMenu;
    w.pPendingCoolMenu = pCoolMenu;
}

void CXTPopupWndHook::ForgetCoolMenu(CXTCoolMenu* pCoolMenu)
{
    WatcherState& w = Watcher();
    for (CXTPopupWndHook* pHook : w.live)
        if (pHook->m_pCoolMenu == pCoolMenu)
            pHook->m_pCoolMenu = nullptr;
    if (w.pPendingCoolMenu == pCoolMenu)
    {
        w.pPendingCoolMenu = nullptr;
        GetXTMenuState().hMenuOpening = nullptr;
    }
}

const std::vector<CXTPopupWndHook*>& CXTPopupWndHook::GetLiveHooks()
{
    return Watcher().live;
}

CXTPopupWndHook* CXTPopupWndHook::FindHook(HWND hWndPopup)
{
    for (CXTPopupWndHook* pHook : Watcher().live)
        if (pHook->GetSafeHwnd() == hWndPopup)
            return pHook;
    return nullptr;
}

void CXTPopupWndHook::CloseAll()
{
    std::vector<HWND> windows;
    for (CXTPopupWndHook* pHook : Watcher().live)
        windows.push_back(pHook->GetSafeHwnd());
    for (HWND hWnd : windows)
        if (::IsWindow(hWnd))
            ::SendMessageA(hWnd, WM_CLOSE, 0, 0);
}

BOOL CXTPopupWndHook::ToolkitDrawsShadow() const
{
    if (!xtAfxData.m_bMenuDropShadows || SystemDrawsMenuShadows())
        return FALSE;
    return m_pCoolMenu == nullptr || !m_pCoolMenu->IsMenuLoop();
}

BOOL CXTPopupWndHook::IsPointInClient() const
{
    POINT pt;
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_hWnd, &pt);
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    return ::PtInRect(&rc, pt);
}

void CXTPopupWndHook::OnWindowPosChanged(const WINDOWPOS* pPos)
{
    if (xtAfxData.m_bFlatLook)
    {
        LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
        LONG_PTR exStyle = ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
        LONG_PTR newStyle = style & ~(LONG_PTR)(WS_CAPTION | WS_THICKFRAME);
        LONG_PTR newExStyle = exStyle & ~(LONG_PTR)(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_STATICEDGE);
        if (newStyle != style)
            ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, newStyle);
        if (newExStyle != exStyle)
            ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, newExStyle);
    }
    BOOL bMoveOrSize = (pPos->flags & SWP_NOMOVE) == 0 || (pPos->flags & SWP_NOSIZE) == 0;
    if (bMoveOrSize && ToolkitDrawsShadow())
    {
        RECT rc;
        ::GetWindowRect(m_hWnd, &rc);
        rc.right += 4;
        rc.bottom += 4;
        DropSnapshot();
        m_hSnapshot = CXTShadowBitmap::CopyScreen(rc);
    }
}

void CXTPopupWndHook::CreateOrRefreshShadow()
{
    if (m_bSkipShadowOnce)
    {
        m_bSkipShadowOnce = FALSE;
        return;
    }
    if (m_pShadow != nullptr)
    {
        m_pShadow->Refresh();
        return;
    }
    // The shadow takes the snapshot over and goes with the window.
    m_pShadow = new CXTMenuShadow(m_hWnd, TRUE, TRUE, m_hSnapshot);
    m_hSnapshot = nullptr;
}

void CXTPopupWndHook::RemeasureItems()
{
    HMENU hMenu = m_hMenu;
    if (!::IsMenu(hMenu))
        return;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        CXTMenuItemInfo info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
        if (::GetMenuItemInfoA(hMenu, i, TRUE, &info))
            ::SetMenuItemInfoA(hMenu, i, TRUE, &info);
    }
}

LRESULT CXTPopupWndHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    XT_MENU_STATE& state = GetXTMenuState();
    ++m_nDepth;
    LRESULT lResult = 0;
    BOOL bDefault = TRUE;
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP
        || (message >= kFirstPopupMouseMessage && message <= kLastPopupMouseMessage))
    {
        if (state.bChevronHoverPending && !state.bOldSystem && m_pCoolMenu != nullptr && IsPointInClient())
        {
            ::SendMessageA(m_pCoolMenu->GetSafeHwnd(), WM_COMMAND, XT_IDC_CHEVRON, 0);
            bDefault = FALSE;
        }
    }
    else if (message == WM_WINDOWPOSCHANGING)
    {
        WINDOWPOS* pPos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (xtAfxData.m_bFlatLook && Watcher().live.size() > 1 && !m_bMoved && (pPos->flags & SWP_NOMOVE) == 0
            && pPos->x >= 2)
        {
            // Off the parent popup's flat frame, so that the two do not merge.
            pPos->x += 5;
            pPos->y += 2;
            m_bMoved = TRUE;
        }
    }
    else if (message == XT_WM_POPUP_REMEASURE)
    {
        RemeasureItems();
        bDefault = FALSE;
    }
    else if (message == XT_WM_POPUP_SHADOW)
    {
        CreateOrRefreshShadow();
        bDefault = FALSE;
    }

    if (bDefault)
        lResult = CXTWndHook::WindowProc(message, wParam, lParam);

    if (m_hWnd != nullptr)
    {
        if ((message == WM_PAINT || message == kPopupPaintMessage) && xtAfxData.m_bMenuDropShadows
            && m_hSnapshot != nullptr)
            ::PostMessageA(m_hWnd, XT_WM_POPUP_SHADOW, 0, 0);
        else if (message == WM_WINDOWPOSCHANGED)
            OnWindowPosChanged(reinterpret_cast<const WINDOWPOS*>(lParam));
        else if (message == kPopupRemeasureTrigger && xtAfxData.m_bFlatLook && state.bRemeasureOnAF)
            ::PostMessageA(m_hWnd, XT_WM_POPUP_REMEASURE, 0, 0);
    }
    if (--m_nDepth == 0 && m_bDeletePending)
        delete this;
    return lResult;
}
