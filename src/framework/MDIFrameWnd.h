// The main frame of a program with several documents: an MDI client fills its
// client area and holds a child frame per document view.
#pragma once

#include "framework/FrameWnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();

    // Attributes
    HWND m_hWndMDIClient;
    // The active child; *pbMaximized tells whether it is maximised.
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    CDocument* GetActiveDocument() override;
    // The popup of a menu bar that lists the children: the one holding the
    // window commands, else the last but one (the last is Help).
    static HMENU PASCAL GetWindowMenuPopup(HMENU hMenuBar);

    // Operations
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDINext();
    void MDIPrev();
    void MDICascade();
    void MDITile(int nType = MDITILE_HORIZONTAL);
    void MDIIconArrange();
    // Puts the menu bar (and the popup that lists the children) in place.
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);
    // The menu bar for the active child: its template's shared menu, else the frame's own.
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);

    // Overridables
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnMDIWindowCmd(UINT nID);
    void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
