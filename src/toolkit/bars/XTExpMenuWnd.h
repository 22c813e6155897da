// The chevron's popup: the buttons a tool bar hides for lack of room, as a
// small tool bar under the chevron, and for a customisable bar a second bar
// with the single entry "Customize...". It closes when it loses activation,
// when a command is chosen or when its chevron cancels it; closing hands the
// controls it borrowed back to the owner bar and tells the notify window.
#pragma once

#include "toolkit/bars/XTHiddenButtonsToolbar.h"
#include "toolkit/bars/XTHiddenButtonsWndHook.h"

#include "framework/Wnd.h"

class CXTExpMenuWnd : public CWnd
{
    DECLARE_DYNAMIC(CXTExpMenuWnd)
public:
    // Construction (with new: the object deletes itself with its window).
    // The notify window gets nNotifyMessage when the popup is destroyed.
    CXTExpMenuWnd(CWnd* pNotifyWnd, UINT nNotifyMessage);
    ~CXTExpMenuWnd() override;

    // Operations
    // Opens the popup at the chevron (screen) for the owner bar; FALSE when
    // the window cannot be made.
    BOOL ShowPopup(const CRect& rcChevron, CXTToolBar* pOwnerBar);
    // Destroys the window once.
    void Close();

    // Attributes
    CXTHiddenButtonsToolbar& GetHiddenBar() { return m_wndHidden; }
    CXTHiddenButtonsToolbar& GetCustomizeBar() { return m_wndCustomize; }
    CXTToolBar* GetOwnerBar() const { return m_pOwnerBar; }
    BOOL IsClosing() const { return m_bClosing; }
    // The window that receives the hidden buttons' commands.
    CWnd* GetCommandTarget() const;

    // Implementation
protected:
    CXTHiddenButtonsToolbar m_wndHidden;
    CXTHiddenButtonsToolbar m_wndCustomize;
    CXTHiddenButtonsWndHook m_hook;
    CXTToolBar* m_pOwnerBar;
    UINT m_nNotifyMessage;
    CWnd* m_pNotifyWnd;
    BOOL m_bClosing;
    CRect m_rcChevron;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    void OnKillFocus(CWnd* pNewWnd);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()
};
