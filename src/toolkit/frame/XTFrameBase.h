// What the toolkit's single- and multi-document main windows share, on
// either framework frame: the dock bars, menu bar and cool menus of the frame
// helper, hidden commands, customisation, user tools, the bar state in the
// toolkit's settings and shortcut texts in popups. The frames derive from
// this and list the handlers in their own message maps.
#pragma once

#include "toolkit/bars/XTAccelManager.h"
#include "toolkit/frame/XTBarState.h"
#include "toolkit/frame/XTFrameHelper.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/CmdUI.h"
#include "framework/Menu.h"

template <class TBase>
class CXTFrameBase : public TBase
{
public:
    // Overridables, in slot order
    virtual void DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf)
    {
        m_helper.DockControlBarLeftOf(this, pBar, pLeftOf);
    }
    // The menu as the user sees it: the window's, else the menu bar's.
    virtual CMenu* GetMenu() const { return m_helper.GetMenu(const_cast<CXTFrameBase*>(this)); }
    virtual BOOL HideCommand(UINT nID) { return m_helper.HideCommand(this, nID); }
    virtual BOOL HideCommands(const UINT* pIDs, int nCount) { return m_helper.HideCommands(this, pIDs, nCount); }
    // The framework's window class preparation, then a class of our own with the icon.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs, UINT nIconID)
    {
        return TBase::PreCreateWindow(cs) && CXTFrameHelper::RegisterIconClass(cs, nIconID);
    }
    using TBase::PreCreateWindow;

    // Operations
    BOOL InstallCoolMenus(const UINT* pIDToolBars, int nCount)
    {
        return m_helper.InstallCoolMenus(this, pIDToolBars, nCount);
    }
    void EnableDocking(DWORD dwDockStyle, DWORD dwFlatStyle = 0) { m_helper.EnableDocking(this, dwDockStyle, dwFlatStyle); }
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr)
    {
        m_helper.DockControlBar(this, pBar, nDockBarID, lpRect);
    }
    CXTFrameHelper& GetFrameHelper() { return m_helper; }

    // The bar layout in the toolkit's settings, with the dock windows' sizes.
    void LoadBarState(LPCSTR lpszProfileName) override { CXTBarState::LoadBarState(this, lpszProfileName); }
    void SaveBarState(LPCSTR lpszProfileName) const override { CXTBarState::SaveBarState(this, lpszProfileName); }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        return m_helper.PreTranslateByMenuBar(this, pMsg) || TBase::PreTranslateMessage(pMsg);
    }

protected:
    CXTFrameHelper m_helper;

    void OnSysColorChange()
    {
        TBase::OnSysColorChange();
        xtAfxData.UpdateSysColors();
    }
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection)
    {
        TBase::OnSettingChange(uFlags, lpszSection);
        xtAfxData.UpdateSysColors();
    }
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
    {
        // The system menu keeps its own key texts.
        if (GetAccelManager().IsEnabled() && !bSysMenu && pPopupMenu != nullptr)
            m_helper.AddShortcutTexts(pPopupMenu->m_hMenu);
        TBase::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    }
    void OnCustomizeBar() { m_helper.RunCustomizeSheet(this); }
    void OnUpdateCustomizeBar(CCmdUI* pCmdUI) { pCmdUI->Enable(CXTFrameHelper::CanCustomize()); }
    void OnUserTool(UINT nID) { m_helper.RunUserTool(nID); }
    void OnUpdateUserTool(CCmdUI* pCmdUI) { pCmdUI->ContinueRouting(); }
    void OnUpdateEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
};

// The message-map rows of the shared handlers, for either frame's map.
#define XT_FRAME_BASE_MESSAGES() \
    ON_WM_SYSCOLORCHANGE() \
    ON_WM_SETTINGCHANGE() \
    ON_WM_INITMENUPOPUP() \
    ON_COMMAND(XT_IDC_CUSTOMIZE, OnCustomizeBar) \
    ON_UPDATE_COMMAND_UI(XT_IDC_CUSTOMIZE, OnUpdateCustomizeBar) \
    ON_COMMAND_RANGE(XT_IDC_FIRSTTOOL, XT_IDC_LASTTOOL, OnUserTool) \
    ON_UPDATE_COMMAND_UI_RANGE(XT_IDC_FIRSTTOOL, XT_IDC_LASTTOOL, OnUpdateUserTool) \
    ON_UPDATE_COMMAND_UI(XT_IDC_CHEVRON, OnUpdateEnabled)
