// The window that casts a drop shadow: borderless, just behind its owner,
// shaped to an L of two 4-pixel strips right of and below the owner, painted
// from a darkened copy of what lay beneath it.
#pragma once

#include "toolkit/bars/XTShadowBitmap.h"

#include "framework/Wnd.h"

class CXTShadowWnd : public CWnd
{
public:
    // Construction
    CXTShadowWnd() = default;
    ~CXTShadowWnd() override = default;
    // Covers the owner's window rectangle grown 4 pixels right and down:
    // a popup on the screen for a popup owner, else a child of the owner's parent.
    BOOL Create(HWND hWndOwner);

    // Attributes
    int GetDarkness() const { return m_nDarkness; }
    void SetDarkness(int nDarkness) { m_nDarkness = nDarkness; }
    CXTShadowBitmap& GetShadowBitmap() { return m_bitmap; }
    HWND GetOwnerHwnd() const { return m_hWndOwner; }

    // Operations
    // The L of the right strip and the bottom strip of the rectangle (window coordinates).
    void SetRegion(const RECT& rect);
    // Follows the owner's rectangle, or darkens anew when only the darkness changed.
    void Update(HWND hWndOwner, int nDarkness);
    // Just behind the owner, without activation.
    void PutBehindOwner();

    // The shadow's rectangle for an owner: screen coordinates for a popup
    // owner, else its parent's client coordinates.
    static CRect ShadowRectOf(HWND hWndOwner, BOOL bOwnerIsPopup);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    DECLARE_MESSAGE_MAP()

private:
    enum { ShowNone, ShowHiddenWhileMoving, ShowShowing };

    CXTShadowBitmap m_bitmap;
    int m_nDarkness = 100;
    int m_nPendingShow = ShowNone;
    HWND m_hWndOwner = nullptr;
    BOOL m_bOwnerIsPopup = FALSE;
    BOOL m_bPainted = FALSE;
};
