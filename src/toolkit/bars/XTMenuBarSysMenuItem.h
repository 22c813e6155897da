// The maximised MDI child's system-menu icon at the start of the menu bar.
#pragma once

#include "toolkit/bars/XTMenuBarItem.h"

class CXTMenuBarSysMenuItem : public CXTMenuBarItem
{
public:
    explicit CXTMenuBarSysMenuItem(CXTMenuBar* pBar) : CXTMenuBarItem(pBar) {}

    BOOL IsHidden() const override;
    void Draw(CDC* pDC) override;
    CSize GetSize() const override;
    int GetGap() const override { return 2; }
    void OnClick() override;
    void OnDblClick() override;

    // The size of the icon item and of the MDI buttons.
    static CSize GetButtonSize();
};
