// One of the maximised MDI child's Minimize, Restore and Close buttons at
// the end of the menu bar.
#pragma once

#include "toolkit/bars/XTMenuBarItem.h"

class CXTMenuBarMDIButton : public CXTMenuBarItem
{
public:
    // The kinds are the caption button kinds of DrawFrameControl.
    enum Kind { kindClose = 0, kindMinimize = 1, kindRestore = 3 };

    CXTMenuBarMDIButton(CXTMenuBar* pBar, Kind kind, UINT nSysCommand, int nGap)
        : CXTMenuBarItem(pBar), m_kind(kind), m_nSysCommand(nSysCommand), m_nGap(nGap)
    {
    }

    Kind GetKind() const { return m_kind; }
    UINT GetSysCommand() const { return m_nSysCommand; }

    BOOL IsHidden() const override;
    void Draw(CDC* pDC) override;
    CSize GetSize() const override;
    BOOL CanWrap() const override { return m_kind == kindRestore; }
    int GetGap() const override { return m_nGap; }

private:
    Kind m_kind;
    UINT m_nSysCommand;
    int m_nGap;
};
