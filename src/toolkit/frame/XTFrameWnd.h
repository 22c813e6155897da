// The main window of a program with one document on the toolkit: the
// framework's frame with the toolkit's dock bars, menu bar and cool menus,
// hidden commands, customisation, user tools and shortcut texts in its popups.
#pragma once

#include "toolkit/frame/XTFrameHelper.h"

#include "framework/FrameWnd.h"

class CXTFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CXTFrameWnd)
public:
    // Construction
    CXTFrameWnd() = default;

    // Overridables, in slot order
    virtual void DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf);
    // The menu as the user sees it: the window's, else the menu bar's.
    virtual CMenu* GetMenu() const;
    virtual BOOL HideCommand(UINT nID);
    virtual BOOL HideCommands(const UINT* pIDs, int nCount);
    // The framework's window class preparation, then a class of our own with the icon.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs, UINT nIconID);
    using CFrameWnd::PreCreateWindow;

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

    DECLARE_MESSAGE_MAP()
};
