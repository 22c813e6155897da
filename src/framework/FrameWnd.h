// A frame window: title, menu, accelerators and icon from one resource id, and
// the view it holds in its client area.
#pragma once

#include "framework/Wnd.h"

class CView;
class CDocument;
struct CCreateContext;

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    static const CRect rectDefault;

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Title (first part of string nIDResource), menu, accelerators and icon of that id.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    // Attributes
    virtual CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    HACCEL m_hAccelTable;
    UINT m_nIDHelp;
    CString m_strTitle;
    HMENU m_hMenuDefault;      // the menu the frame was made with

    // Operations
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void ActivateFrame(int nCmdShow = -1);
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);

    // Overridables
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void PostNcDestroy() override;   // frames live on the heap and delete themselves

protected:
    CView* m_pViewActive;
    UINT m_nIDResource;
    LPCSTR m_lpszMenuName;

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    LRESULT OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM lParam);

    // The help commands (ID_HELP, ID_HELP_FINDER, ID_DEFAULT_HELP,
    // ID_CONTEXT_HELP), for the rows of a program's frame; they end in the
    // application's WinHelp.
    void OnHelp();
    void OnHelpFinder();
    void OnContextHelp();

    DECLARE_MESSAGE_MAP()
};
