#include "toolkit/frame/XTMDIChildWnd.h"

#include "toolkit/bars/XTMenuState.h"
#include "toolkit/bars/XTToolsManager.h"
#include "toolkit/frame/XTBarState.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/CmdUI.h"
#include "framework/FrameWnd.h"
#include "framework/View.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNCREATE(CXTMDIChildWnd, CMDIChildWnd)

// Handler signatures: see CWnd and CCmdTarget.
BEGIN_MESSAGE_MAP(CXTMDIChildWnd, CMDIChildWnd)
    ON_WM_CREATE()
    ON_COMMAND(XT_IDC_CUSTOMIZE, OnCustomizeBar)
    ON_UPDATE_COMMAND_UI(XT_IDC_CUSTOMIZE, OnUpdateCustomizeBar)
    ON_UPDATE_COMMAND_UI(XT_IDC_CHEVRON, OnUpdateEnabled)
END_MESSAGE_MAP()

void CXTMDIChildWnd::LoadBarState(LPCSTR lpszProfileName)
{
    CXTBarState::LoadBarState(this, lpszProfileName);
}

void CXTMDIChildWnd::SaveBarState(LPCSTR lpszProfileName) const
{
    CXTBarState::SaveBarState(this, lpszProfileName);
}

void CXTMDIChildWnd::DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf)
{
    m_helper.DockControlBarLeftOf(this, pBar, pLeftOf);
}

BOOL CXTMDIChildWnd::PreCreateWindow(CREATESTRUCTA& cs, UINT nIconID)
{
    if (!CMDIChildWnd::PreCreateWindow(cs))
        return FALSE;
    return CXTFrameHelper::RegisterIconClass(cs, nIconID);
}

int CXTMDIChildWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CMDIChildWnd::OnCreate(lpcs) == -1)
        return -1;
    // The child's own menus are owner-drawn too; whether cool menus are
    // installed stays the main window's business.
    const BOOL bAttached = xtAfxData.m_bCoolMenuAttached;
    m_coolMenu.Install(this);
    xtAfxData.m_bCoolMenuAttached = bAttached;
    return 0;
}

void CXTMDIChildWnd::ActivateFrame(int nCmdShow)
{
    // The first view among the frame's children becomes the active one.
    for (CWnd* pChild = GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetWindow(GW_HWNDNEXT))
    {
        CView* pView = dynamic_cast<CView*>(pChild);
        if (pView == nullptr)
            continue;
        if (GetActiveView() != pView)
            SetActiveView(pView, TRUE);
        break;
    }
    CMDIChildWnd::ActivateFrame(nCmdShow);
}

void CXTMDIChildWnd::OnCustomizeBar()
{
    CFrameWnd* pMainFrame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    m_helper.RunCustomizeSheet(pMainFrame != nullptr ? pMainFrame : this);
}

void CXTMDIChildWnd::OnUpdateCustomizeBar(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CXTFrameHelper::CanCustomize());
}

void CXTMDIChildWnd::OnUpdateEnabled(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}
