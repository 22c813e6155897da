// The child frame of one project page. Once the view has sized it to the menu
// window, it keeps exactly that size.
#pragma once

#include "toolkit/frame/XTMDIChildWnd.h"

class CChildFrame : public CXTMDIChildWnd
{
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame() = default;

    // The outer size the frame keeps; -1, -1 lets it be sized freely.
    void SetTrackSize(int cx, int cy);

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    // void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);

    DECLARE_MESSAGE_MAP()

private:
    SIZE m_trackSize = { -1, -1 };
};
