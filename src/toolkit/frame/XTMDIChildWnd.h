// A document child frame on the toolkit: the framework's MDI child with a
// frame helper, a cool menu of its own, docking a bar beside another, the
// main window's customise sheet, and its first view made active whenever
// the frame is.
#pragma once

#include "toolkit/frame/XTFrameHelper.h"

#include "framework/MDIChildWnd.h"

class CXTMDIChildWnd : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CXTMDIChildWnd)
public:
    // Construction
    CXTMDIChildWnd() = default;

    // Overridables, in slot order
    virtual void DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf);
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs, UINT nIconID);
    using CMDIChildWnd::PreCreateWindow;

    // The bar layout in the toolkit's settings, with the dock windows' sizes.
    void LoadBarState(LPCSTR lpszProfileName) override;
    void SaveBarState(LPCSTR lpszProfileName) const override;
    void ActivateFrame(int nCmdShow = -1) override;

    // Attributes
    CXTFrameHelper& GetFrameHelper() { return m_helper; }
    CXTCoolMenu& GetChildCoolMenu() { return m_coolMenu; }

protected:
    CXTFrameHelper m_helper;
    CXTCoolMenu m_coolMenu;

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnCustomizeBar();
    void OnUpdateCustomizeBar(CCmdUI* pCmdUI);
    void OnUpdateEnabled(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
