// The base of the bars a frame lays out around its view: tool bars, status
// bars, dock bars, dialog bars. A bar takes its room from the frame's layout
// (WM_SIZEPARENT), updates its items from the frame in idle time and passes
// its children's commands and notifications on to its owner.
#pragma once

#include "framework/Ids.h"
#include "framework/Wnd.h"

class CCmdUI;
class CToolTipCtrl;
class CDockBar;
class CDockContext;
class CControlBarInfo;

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    // Construction
    CControlBar();
    ~CControlBar() override;

    // Attributes
    int GetCount() const { return m_nCount; }
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle);
    DWORD GetBarStyleEx() const { return m_dwStyleEx; }
    BOOL ModifyBarStyleEx(DWORD dwRemove, DWORD dwAdd);
    BOOL m_bAutoDelete;   // deleted with its window
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect) { SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    CRect GetBorders() const { return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder); }
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const;
    BOOL IsDockBar() const { return m_bDockBar; }
    // Visible, or about to be shown at idle time (and not about to be hidden).
    BOOL IsVisible() const;
    // The sides the bar may dock at (CBRS_ALIGN_..., CBRS_FLOAT_MULTI); the
    // first call makes its dock context.
    void EnableDocking(DWORD dwDockStyle);
    virtual void DelayShow(BOOL bShow);
    // CBRS_FLYBY: the prompt of the tool (-1: the idle prompt back) in the frame's status line.
    virtual BOOL SetStatusText(INT_PTR nHit);

    // Overridables
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    virtual void DoPaint(CDC* pDC);
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    virtual void DrawGripper(CDC* pDC, const CRect& rect);
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    virtual void GetBarInfo(CControlBarInfo* pInfo);
    virtual void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd);
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
    // Mouse messages of a bar that is no common control show its tools'
    // tips (CBRS_TOOLTIPS) and prompts (CBRS_FLYBY).
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Implementation
public:
    // State bits of m_nStateFlags.
    enum StateFlags { delayHide = 1, delayShow = 2, tempHide = 4, statusSet = 8 };
    int m_cxLeftBorder, m_cxRightBorder;
    int m_cyTopBorder, m_cyBottomBorder;
    int m_cxDefaultGap;
    UINT m_nMRUWidth;       // the floating width the user chose last
    int m_nCount;           // items of the bar
    void* m_pData;          // the items' records, as the derived bar keeps them
    UINT m_nStateFlags;
    DWORD m_dwStyle;        // CBRS_... styles
    DWORD m_dwStyleEx;
    DWORD m_dwDockStyle;    // the sides it may dock at (CBRS_ALIGN_...)
    CFrameWnd* m_pDockSite; // the frame it docks in
    CDockBar* m_pDockBar;   // the dock bar holding it, or NULL
    CDockContext* m_pDockContext;   // its drag state, once docking is enabled
    BOOL m_bDockBar;        // this bar is a dock bar
    // Shows or hides the window now as a pending delayed show asks.
    void ApplyDelayedShow();

protected:
    BOOL m_bOverControl;    // the window is a common control that paints and handles its children itself
    // Creates the window and joins the frame's bar list (the frame is the
    // parent or the parent's frame).
    BOOL CreateBar(LPCSTR lpszClassName, DWORD dwStyle, DWORD dwBarStyle, CWnd* pParentWnd, UINT nID,
                   DWORD dwExStyle = 0);
    // The tip and prompt of the tool under the mouse message's point: the
    // tool is added to the thread's tool tip when it changes. A tool text
    // OnToolHitTest allocated with malloc is freed here.
    void FilterToolTipMessage(MSG* pMsg);
    // For WM_NCCALCSIZE of bars that draw their borders and gripper outside
    // the client area: the client is what CalcInsideRect leaves, never negative.
    void CalcInsideNcRect(NCCALCSIZE_PARAMS* lpncsp) const;

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    // A press outside any tool drags the bar; a double click there toggles docking.
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// The tool tip the thread's bars share for their tools (made on first use).
CToolTipCtrl* AfxGetThreadToolTip();
