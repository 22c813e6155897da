// The main window of a program with several documents on the toolkit: the
// framework's MDI frame with the toolkit's dock bars, menu bar and cool
// menus, hidden commands, customisation, user tools, shortcut texts in its
// popups and the "Windows" list.
#pragma once

#include "toolkit/frame/XTFrameHelper.h"

#include "framework/MDIFrameWnd.h"

// The command of the "Windows" list (the MDI client's "More Windows...").
#define XT_IDC_WINDOWLIST 65289

class CXTMDIFrameWnd : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CXTMDIFrameWnd)
public:
    // Construction
    CXTMDIFrameWnd() = default;

    // Overridables, in slot order
    virtual void DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf);
    // The menu as the user sees it: the window's, else the menu bar's.
    virtual CMenu* GetMenu() const;
    virtual BOOL HideCommand(UINT nID);
    virtual BOOL HideCommands(const UINT* pIDs, int nCount);
    // The framework's window class preparation, then a class of our own with the icon.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs, UINT nIconID);
    using CMDIFrameWnd::PreCreateWindow;

    // Operations
    BOOL InstallCoolMenus(const UINT* pIDToolBars, int nCount);
    void EnableDocking(DWORD dwDockStyle, DWORD dwFlatStyle = 0);
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    CXTFrameHelper& GetFrameHelper() { return m_helper; }

    // The bar layout in the toolkit's settings, with the dock windows' sizes.
    void LoadBarState(LPCSTR lpszProfileName) override;
    void SaveBarState(LPCSTR lpszProfileName) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    CXTFrameHelper m_helper;

    void OnSysColorChange();
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnCustomizeBar();
    void OnUpdateCustomizeBar(CCmdUI* pCmdUI);
    void OnUserTool(UINT nID);
    void OnUpdateUserTool(CCmdUI* pCmdUI);
    void OnUpdateEnabled(CCmdUI* pCmdUI);
    void OnWindowList();

    DECLARE_MESSAGE_MAP()
};
