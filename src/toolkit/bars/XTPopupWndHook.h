// Watches the windows of popup menus ("#32768") of the thread: each gets one
// of these hooks while it lives. The hooks take menu animation off while a
// popup is open, move and flatten popups in the flat look, and give popups
// the toolkit's drop shadow where the system draws none.
#pragma once

#include "toolkit/frame/XTWndHook.h"

#include <vector>

class CXTCoolMenu;
class CXTMenuShadow;

class CXTPopupWndHook : public CXTWndHook
{
public:
    // Construction: hooks the popup window and joins the live list.
    explicit CXTPopupWndHook(HWND hWndPopup);
    ~CXTPopupWndHook() override;

    // Attributes
    HMENU GetMenu() const { return m_hMenu; }
    CXTCoolMenu* GetCoolMenu() const { return m_pCoolMenu; }
    BOOL HasSnapshot() const { return m_hSnapshot != nullptr; }

    // Operations
    void SetMenu(HMENU hMenu, CXTCoolMenu* pCoolMenu);
    void DropSnapshot();
    void SkipShadowOnce() { m_bSkipShadowOnce = TRUE; }

    // Overridables
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The thread's watcher of popup windows: a CBT hook, installed by the
    // first caller and removed after the last.
    static void InstallWatcher();
    static void RemoveWatcher();
    // The watcher's work, for a thread CBT hook that is installed elsewhere;
    // a popup window is hooked once however many hooks report it.
    static void HandleCbt(int nCode, WPARAM wParam, LPARAM lParam);
    // The popup menu opening now: the hook of the window waiting for its menu
    // takes it; without one it waits for the window.
    static void OfferMenu(HMENU hMenu, CXTCoolMenu* pCoolMenu);
    // Forgets a cool menu that goes away before its popups.
    static void ForgetCoolMenu(CXTCoolMenu* pCoolMenu);
    static const std::vector<CXTPopupWndHook*>& GetLiveHooks();
    static CXTPopupWndHook* FindHook(HWND hWndPopup);
    // WM_CLOSE to every open popup window.
    static void CloseAll();

private:
    BOOL ToolkitDrawsShadow() const;
    void OnWindowPosChanged(const WINDOWPOS* pPos);
    void CreateOrRefreshShadow();
    void RemeasureItems();
    BOOL IsPointInClient() const;
    static void SaveAndChangeSettings();
    static void RestoreSettings();

    HMENU m_hMenu = nullptr;
    CXTCoolMenu* m_pCoolMenu = nullptr;
    HBITMAP m_hSnapshot = nullptr;       // the screen under the popup and its shadow
    CXTMenuShadow* m_pShadow = nullptr;  // deletes itself with the popup window
    BOOL m_bMoved = FALSE;
    BOOL m_bSkipShadowOnce = FALSE;
    int m_nDepth = 0;
    BOOL m_bDeletePending = FALSE;
};
