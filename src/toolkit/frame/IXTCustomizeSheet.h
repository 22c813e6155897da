// The customise sheet as the toolkit frames run it: made for a frame, shown
// modally, then deleted. The sheet's module registers the factory; without
// one the frames' customise command is disabled.
#pragma once

#include <windows.h>

class CFrameWnd;

class IXTCustomizeSheet
{
public:
    virtual ~IXTCustomizeSheet() = default;
    virtual INT_PTR DoModal() = 0;
};

typedef IXTCustomizeSheet* (*XT_CUSTOMIZESHEET_FACTORY)(CFrameWnd* pFrame);
