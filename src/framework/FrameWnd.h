// A frame window: title, menu, accelerators and icon from one resource id, and
// the view it holds in its client area.
#pragma once

#include "framework/Collections.h"
#include "framework/Wnd.h"

class CControlBar;
class CDockBar;
class CDockState;
class CMiniDockFrameWnd;
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

    // Control bars
    CPtrList m_listControlBars;   // every bar of this frame, docked or floating
    CControlBar* GetControlBar(UINT nID);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    // Makes the dock bars of the sides named (CBRS_ALIGN_...); bars dock there.
    void EnableDocking(DWORD dwDockStyle);
    // Docks the bar in the dock bar of that id (0: the side its style names,
    // else the first its dock style allows) at the rectangle (screen; NULL:
    // its old place or a new last row).
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // The side (CBRS_ALIGN_...) of the first visible dock bar of the styles
    // that the rectangle (screen) touches, and that dock bar; 0 when none.
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = nullptr);
    // Shows or hides the bar; with bDelay the change waits for idle time.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    // Floats the bar in a floating frame whose top-left corner is at the
    // point (screen), horizontally (CBRS_ALIGN_TOP) or vertically
    // (CBRS_ALIGN_LEFT); a bar alone in a floating frame that takes the
    // style only moves that frame.
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // A new floating frame owned by this frame, of m_pFloatingFrameClass,
    // whose dock bar takes bars of the style; NULL when it cannot be made.
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    const CRuntimeClass* m_pFloatingFrameClass;   // a CMiniDockFrameWnd class

    // The layout of the bars between runs, through the application's profile.
    virtual void LoadBarState(LPCSTR lpszProfileName);
    virtual void SaveBarState(LPCSTR lpszProfileName) const;
    // One record per bar of m_listControlBars, and back.
    virtual void GetDockState(CDockState& state) const;
    virtual void SetDockState(const CDockState& state);

    // Frame flags (m_nFlags).
    UINT m_nFlags;
    // The bar whose first pane shows the frame's prompts (the status bar).
    virtual CWnd* GetMessageBar();
    // The prompt of a command: its string up to the first "\n".
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    UINT m_nIDTracking;      // the prompt shown now
    UINT m_nIDLastMessage;   // the prompt shown last

    // Operations
    // Lays the bars out in child order and gives the rest to the pane
    // (AFX_IDW_PANE_FIRST: view, splitter or MDI client); not re-entered.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Lays out at the next idle time.
    void DelayRecalcLayout(BOOL bNotify = TRUE);
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

    // Idle-time work (m_nIdleFlags).
    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
    UINT m_nIdleFlags;

protected:
    // Takes the frame's resource id (also its help context) and returns the
    // title, the first part of that string.
    CString BeginLoadFrame(UINT nIDResource);
    BOOL m_bInRecalcLayout;
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
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    // Looks active while a window of its own (a floating frame) is active;
    // its floating frames follow (WF_STAYACTIVE, WF_KEEPMINIACTIVE).
    LRESULT OnNcActivateMessage(WPARAM wParam, LPARAM lParam);
    // Sends the message to the floating frames of this frame's bars.
    void SendToFloatingFrames(UINT nMsg, WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    // The bar commands (the bar ids): show or hide the bar, checked while shown.
    BOOL OnBarCheck(UINT nID);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    // The key indicators of the status bar (Caps Lock, Num Lock, Scroll
    // Lock): enabled, and so shown, while their key is toggled on.
    void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
    // Tips of tools: the command string after its "\n".
    BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    // The help commands (ID_HELP, ID_HELP_FINDER, ID_DEFAULT_HELP,
    // ID_CONTEXT_HELP), for the rows of a program's frame; they end in the
    // application's WinHelp.
    void OnHelp();
    void OnHelpFinder();
    void OnContextHelp();

    DECLARE_MESSAGE_MAP()
};

// Flags of CFrameWnd::m_nFlags.
#define WF_STAYACTIVE 0x0020      // the frame looks active while a popup of it has the focus
#define WF_KEEPMINIACTIVE 0x0200  // the frame and its floating frames look active together

// The nIndex-th part of string resource nID, parts separated by "\n" (a
// frame's title, a command's prompt and tip); empty when there is none.
CString AfxLoadStringPart(UINT nID, int nIndex);
