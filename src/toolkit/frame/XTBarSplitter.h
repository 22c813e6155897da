// The splitter between two neighbouring bars of a row, at least one of them
// a dock window: dragging it moves length from one side to the other.
#pragma once

#include "toolkit/frame/XTRowSplitter.h"

class CXTBarSplitter : public CXTRowSplitter
{
public:
    // nBarIndex: the entry of the bar after the splitter.
    CXTBarSplitter(CXTDockBar* pDockBar, const CRect& rect, int nOrientation, int nBarIndex);

    // Overridables
    void ApplySize() override;
    void CalcLimits() override;
};
