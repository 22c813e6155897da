// A child frame inside an MDI frame's client: one document view each. Its
// menu and keys are its template's, shown on the main frame while it is active.
#pragma once

#include "framework/FrameWnd.h"

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();

    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CMDIFrameWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    BOOL DestroyWindow() override;

    // Attributes
    CMDIFrameWnd* GetMDIFrame() const;
    // The menu and keys of the child's template (NULL: the frame's own).
    HMENU GetSharedMenu();
    HACCEL GetDefaultAccelerator();

    // Operations
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    // Overridables
    void ActivateFrame(int nCmdShow = -1) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    // Runs after the default child procedure filled in the sizes, so what a
    // derived handler sets before calling it holds.
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);

    HMENU m_hMenuShared;       // the template's; not ours to destroy
    HACCEL m_hAccelShared;

    DECLARE_MESSAGE_MAP()
};
