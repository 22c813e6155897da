// The framework's status bar with the toolkit's font, flicker-free painting,
// flat pane frames in the flat look and a pane-width setter.
#pragma once

#include "framework/StatusBar.h"
#include "toolkit/frame/XTItemRecord.h"

// The right edge of a pane's flat frame. The status control stretches its
// last part over the size grip; a stretched last pane's frame ends left of the
// grip instead, and a fixed last pane's at its own width.
int XTStatusPaneFrameRight(const RECT& rcItem, BOOL bLast, UINT nStyle, int cxWidth, const RECT& rcClient,
                           BOOL bSizeGrip, int cxSmIcon, int cxEdge);

class CXTStatusBar : public CStatusBar
{
    DECLARE_DYNAMIC(CXTStatusBar)
public:
    // Construction
    CXTStatusBar() = default;

    // Operations
    // FALSE for an index outside the panes. The caller frees the record's
    // caption with DestroyItemCaption.
    BOOL GetPaneRecord(int nIndex, XT_ITEM_RECORD& item) const;
    BOOL SetPaneRecord(int nIndex, const XT_ITEM_RECORD& item);
    BOOL SetPaneWidth(int nIndex, int cxWidth);

    // Implementation
protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // The flat frames of the panes that have borders.
    void DrawFlatPaneFrames(CDC* pDC);

    DECLARE_MESSAGE_MAP()
};
