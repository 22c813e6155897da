#include "toolkit/frame/XTFrameWnd.h"

#include "toolkit/bars/XTAccelManager.h"
#include "toolkit/bars/XTMenuState.h"
#include "toolkit/bars/XTToolsManager.h"
#include "toolkit/frame/XTBarState.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/CmdUI.h"
#include "framework/Menu.h"

IMPLEMENT_DYNCREATE(CXTFrameWnd, CFrameWnd)

// Handler signatures: see CWnd and CCmdTarget.
BEGIN_MESSAGE_MAP(CXTFrameWnd, CFrameWnd)
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_WM_INITMENUPOPUP()
    ON_COMMAND(XT_IDC_CUSTOMIZE, OnCustomizeBar)
    ON_UPDATE_COMMAND_UI(XT_IDC_CUSTOMIZE, OnUpdateCustomizeBar)
    ON_COMMAND_RANGE(XT_IDC_FIRSTTOOL, XT_IDC_LASTTOOL, OnUserTool)
    ON_UPDATE_COMMAND_UI_RANGE(XT_IDC_FIRSTTOOL, XT_IDC_LASTTOOL, OnUpdateUserTool)
    ON_UPDATE_COMMAND_UI(XT_IDC_CHEVRON, OnUpdateEnabled)
END_MESSAGE_MAP()

// ---------------------------------------------------------------------------
// Forwarders to the helper

void CXTFrameWnd::DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf)
{
    m_helper.DockControlBarLeftOf(this, pBar, pLeftOf);
}

CMenu* CXTFrameWnd::GetMenu() const
{
    return m_helper.GetMenu(const_cast<CXTFrameWnd*>(this));
}

BOOL CXTFrameWnd::HideCommand(UINT nID)
{
    return m_helper.HideCommand(this, nID);
}

BOOL CXTFrameWnd::HideCommands(const UINT* pIDs, int nCount)
{
    return m_helper.HideCommands(this, pIDs, nCount);
}

BOOL CXTFrameWnd::PreCreateWindow(CREATESTRUCTA& cs, UINT nIconID)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    return CXTFrameHelper::RegisterIconClass(cs, nIconID);
}

BOOL CXTFrameWnd::InstallCoolMenus(const UINT* pIDToolBars, int nCount)
{
    return m_helper.InstallCoolMenus(this, pIDToolBars, nCount);
}

void CXTFrameWnd::EnableDocking(DWORD dwDockStyle, DWORD dwFlatStyle)
{
    m_helper.EnableDocking(this, dwDockStyle, dwFlatStyle);
}

void CXTFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    m_helper.DockControlBar(this, pBar, nDockBarID, lpRect);
}

void CXTFrameWnd::LoadBarState(LPCSTR lpszProfileName)
{
    CXTBarState::LoadBarState(this, lpszProfileName);
}

void CXTFrameWnd::SaveBarState(LPCSTR lpszProfileName) const
{
    CXTBarState::SaveBarState(this, lpszProfileName);
}

BOOL CXTFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_helper.PreTranslateByMenuBar(this, pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

// ---------------------------------------------------------------------------
// Messages and commands

void CXTFrameWnd::OnSysColorChange()
{
    CFrameWnd::OnSysColorChange();
    xtAfxData.UpdateSysColors();
}

void CXTFrameWnd::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    CFrameWnd::OnSettingChange(uFlags, lpszSection);
    xtAfxData.UpdateSysColors();
}

void CXTFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    // The system menu keeps its own key texts.
    if (GetAccelManager().m_bEnabled && !bSysMenu && pPopupMenu != nullptr)
        m_helper.AddShortcutTexts(pPopupMenu->m_hMenu);
    CFrameWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
}

void CXTFrameWnd::OnCustomizeBar()
{
    m_helper.RunCustomizeSheet(this);
}

void CXTFrameWnd::OnUpdateCustomizeBar(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CXTFrameHelper::CanCustomize());
}

void CXTFrameWnd::OnUserTool(UINT nID)
{
    m_helper.RunUserTool(nID);
}

void CXTFrameWnd::OnUpdateUserTool(CCmdUI* pCmdUI)
{
    pCmdUI->ContinueRouting();
}

void CXTFrameWnd::OnUpdateEnabled(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}
