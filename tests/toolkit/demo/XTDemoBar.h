// A plain toolkit control bar of a fixed depth, docked at the top of the
// test program's frame.
#pragma once

#include "toolkit/frame/XTControlBar.h"

class CXTDemoBar : public CXTControlBar
{
public:
    BOOL Create(CWnd* pParent, UINT nID);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};
