// The drop shadow of one owner window: creates the shadow window, and, when
// asked to, follows the owner (shown, hidden, moved) through a hook on it and
// deletes itself when the owner is destroyed.
#pragma once

#include "toolkit/bars/XTShadowWnd.h"
#include "toolkit/frame/XTWndHook.h"

class CXTMenuShadow
{
public:
    // Construction. hSource, when given, is a picture of the background under
    // the shadow that the shadow takes over. A hooked controller belongs to
    // its owner from then on: it deletes itself when the owner goes.
    CXTMenuShadow(HWND hWndOwner, BOOL bShowAtOnce, BOOL bHook, HBITMAP hSource = nullptr);
    CXTMenuShadow(const CXTMenuShadow&) = delete;
    CXTMenuShadow& operator=(const CXTMenuShadow&) = delete;
    virtual ~CXTMenuShadow();

    // Attributes
    BOOL IsCreated() const { return m_bCreated; }
    HWND GetOwnerHwnd() const { return m_hWndOwner; }
    CXTShadowWnd& GetShadowWnd() { return m_wndShadow; }

    // Operations
    void Hide();
    // Shows a created shadow that is hidden, without activating it.
    void Show();
    // Follows the owner's present rectangle.
    void Refresh();

private:
    // Watches the owner on the shadow's behalf.
    class COwnerHook : public CXTWndHook
    {
    public:
        explicit COwnerHook(CXTMenuShadow* pShadow) : m_pShadow(pShadow) {}
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

        BOOL m_bPopupMenu = FALSE;   // the owner is a "#32768" popup menu window

    private:
        CXTMenuShadow* m_pShadow;
        int m_nDepth = 0;
        BOOL m_bDeletePending = FALSE;
    };

    HWND m_hWndOwner;
    CXTShadowWnd m_wndShadow;
    BOOL m_bShowAtOnce;
    BOOL m_bCreated = FALSE;
    COwnerHook m_hook;
};
