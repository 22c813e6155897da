// The floating frame of control bars: a mini frame holding one floating dock
// bar (id AFX_IDW_DOCKBAR_FLOAT) that holds the bars. Created by the frame
// (CFrameWnd::CreateFloatingFrame) through its runtime class, owned by it,
// sized by its bars; it goes away after its last bar left.
#pragma once

#include "framework/DockBar.h"
#include "framework/MiniFrameWnd.h"

// Posted to a floating frame whose dock bar lost a bar: it destroys itself
// when no bar is left (never inside the handler that removed the bar).
#define WM_FLOATFRAMECHECK 0x0376

class CMiniDockFrameWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    // Construction
    CMiniDockFrameWnd();
    // A frame owned by pParent (the dock site) whose dock bar takes bars of
    // the style (CBRS_ALIGN_TOP or CBRS_ALIGN_LEFT, CBRS_SIZE_DYNAMIC,
    // CBRS_FLOAT_MULTI).
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);

    // Attributes
    CDockBar m_wndDockBar;
    // The first bar of the dock bar, NULL when none.
    CControlBar* GetFirstBar() const;

    // Operations
    void RecalcLayout(BOOL bNotify = TRUE) override;

    // Implementation

protected:
    // Close hides the bars (the frame follows at idle time).
    void OnClose();
    // The caption drags the first bar, its double click toggles docking,
    // the borders resize a bar that sizes itself.
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    LRESULT OnNcHitTest(CPoint point);
    // Shown while one of its bars is, after the bars' own update.
    LRESULT OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnFloatFrameCheck(WPARAM wParam, LPARAM lParam);
    // Whether a bar of the frame sizes itself (its borders then resize).
    BOOL HasDynamicBar() const;

    DECLARE_MESSAGE_MAP()
};
