#include "toolkit/frame/XTMDIFrameWnd.h"

#include "toolkit/bars/XTAccelManager.h"
#include "toolkit/bars/XTMenuState.h"
#include "toolkit/bars/XTToolsManager.h"
#include "toolkit/controls/XTWindowList.h"
#include "toolkit/frame/XTBarState.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/CmdUI.h"
#include "framework/Menu.h"

IMPLEMENT_DYNCREATE(CXTMDIFrameWnd, CMDIFrameWnd)

// Handler signatures: see CWnd and CCmdTarget.
BEGIN_MESSAGE_MAP(CXTMDIFrameWnd, CMDIFrameWnd)
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_WM_INITMENUPOPUP()
    ON_COMMAND(XT_IDC_CUSTOMIZE, OnCustomizeBar)
    ON_UPDATE_COMMAND_UI(XT_IDC_CUSTOMIZE, OnUpdateCustomizeBar)
    ON_COMMAND_RANGE(XT_IDC_FIRSTTOOL, XT_IDC_LASTTOOL, OnUserTool)
    ON_UPDATE_COMMAND_UI_RANGE(XT_IDC_FIRSTTOOL, XT_IDC_LASTTOOL, OnUpdateUserTool)
    ON_UPDATE_COMMAND_UI(XT_IDC_CHEVRON, OnUpdateEnabled)
    ON_COMMAND(XT_IDC_WINDOWLIST, OnWindowList)
    ON_UPDATE_COMMAND_UI(XT_IDC_WINDOWLIST, OnUpdateEnabled)
END_MESSAGE_MAP()

namespace {

// The "Windows" list with the frame's small icon in its caption.
class CXTFrameWindowList : public CXTWindowList
{
public:
    CXTFrameWindowList(CMDIFrameWnd* pFrame, HICON hIcon) : CXTWindowList(pFrame), m_hFrameIcon(hIcon) {}
    BOOL OnInitDialog() override
    {
        BOOL bResult = CXTWindowList::OnInitDialog();
        if (m_hFrameIcon != nullptr)
        {
            SetIcon(m_hFrameIcon, TRUE);
            SetIcon(m_hFrameIcon, FALSE);
        }
        return bResult;
    }

private:
    HICON m_hFrameIcon;
};

} // namespace

// ---------------------------------------------------------------------------
// Forwarders to the helper

void CXTMDIFrameWnd::DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf)
{
    m_helper.DockControlBarLeftOf(this, pBar, pLeftOf);
}

CMenu* CXTMDIFrameWnd::GetMenu() const
{
    return m_helper.GetMenu(const_cast<CXTMDIFrameWnd*>(this));
}

BOOL CXTMDIFrameWnd::HideCommand(UINT nID)
{
    return m_helper.HideCommand(this, nID);
}

BOOL CXTMDIFrameWnd::HideCommands(const UINT* pIDs, int nCount)
{
    return m_helper.HideCommands(this, pIDs, nCount);
}

BOOL CXTMDIFrameWnd::PreCreateWindow(CREATESTRUCTA& cs, UINT nIconID)
{
    if (!CMDIFrameWnd::PreCreateWindow(cs))
        return FALSE;
    return CXTFrameHelper::RegisterIconClass(cs, nIconID);
}

BOOL CXTMDIFrameWnd::InstallCoolMenus(const UINT* pIDToolBars, int nCount)
{
    return m_helper.InstallCoolMenus(this, pIDToolBars, nCount);
}

void CXTMDIFrameWnd::EnableDocking(DWORD dwDockStyle, DWORD dwFlatStyle)
{
    m_helper.EnableDocking(this, dwDockStyle, dwFlatStyle);
}

void CXTMDIFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    m_helper.DockControlBar(this, pBar, nDockBarID, lpRect);
}

void CXTMDIFrameWnd::LoadBarState(LPCSTR lpszProfileName)
{
    CXTBarState::LoadBarState(this, lpszProfileName);
}

void CXTMDIFrameWnd::SaveBarState(LPCSTR lpszProfileName) const
{
    CXTBarState::SaveBarState(this, lpszProfileName);
}

BOOL CXTMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_helper.PreTranslateByMenuBar(this, pMsg))
        return TRUE;
    return CMDIFrameWnd::PreTranslateMessage(pMsg);
}

// ---------------------------------------------------------------------------
// Messages and commands

void CXTMDIFrameWnd::OnSysColorChange()
{
    CMDIFrameWnd::OnSysColorChange();
    xtAfxData.UpdateSysColors();
}

void CXTMDIFrameWnd::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    CMDIFrameWnd::OnSettingChange(uFlags, lpszSection);
    xtAfxData.UpdateSysColors();
}

void CXTMDIFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    // The system menu keeps its own key texts.
    if (GetAccelManager().m_bEnabled && !bSysMenu && pPopupMenu != nullptr)
        m_helper.AddShortcutTexts(pPopupMenu->m_hMenu);
    CMDIFrameWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
}

void CXTMDIFrameWnd::OnCustomizeBar()
{
    m_helper.RunCustomizeSheet(this);
}

void CXTMDIFrameWnd::OnUpdateCustomizeBar(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CXTFrameHelper::CanCustomize());
}

void CXTMDIFrameWnd::OnUserTool(UINT nID)
{
    m_helper.RunUserTool(nID);
}

void CXTMDIFrameWnd::OnUpdateUserTool(CCmdUI* pCmdUI)
{
    pCmdUI->ContinueRouting();
}

void CXTMDIFrameWnd::OnUpdateEnabled(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void CXTMDIFrameWnd::OnWindowList()
{
    HICON hIcon = reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_SMALL, 0));
    if (hIcon == nullptr)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(m_hWnd, GCLP_HICONSM));
    CXTFrameWindowList dlg(this, hIcon);
    dlg.DoModal();
}
