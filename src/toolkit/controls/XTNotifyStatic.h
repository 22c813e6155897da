// A static that the toolkit paints itself, off screen on the face colour, and
// that takes the mouse and the arrow keys: SS_NOTIFY is added once after
// creation (without it a static lets clicks through to its parent).
#pragma once

#include "framework/Static.h"

class CXTNotifyStatic : public CStatic
{
    DECLARE_DYNAMIC(CXTNotifyStatic)
public:
    CXTNotifyStatic();

    // Overridables
    // Paints the control into pDC, which covers the client area.
    virtual void Draw(CDC* pDC) = 0;

protected:
    int m_nNotifyInit;   // 1 until SS_NOTIFY was added

    void PreSubclassWindow() override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam)
    LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    UINT OnGetDlgCode();

    DECLARE_MESSAGE_MAP()
};
