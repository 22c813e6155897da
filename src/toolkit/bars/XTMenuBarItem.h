// One item of the menu bar: the child's system-menu icon, a top-level menu
// entry or an MDI button. An item knows its size and what a click does; its
// place comes from the bar's layout, and it draws and acts through the bar.
#pragma once

#include "framework/DC.h"
#include "framework/Rect.h"

class CXTMenuBar;

class CXTMenuBarItem
{
public:
    // Construction
    explicit CXTMenuBarItem(CXTMenuBar* pBar) : m_pBar(pBar) {}
    CXTMenuBarItem(const CXTMenuBarItem&) = delete;
    CXTMenuBarItem& operator=(const CXTMenuBarItem&) = delete;
    virtual ~CXTMenuBarItem() = default;

    // Overridables
    virtual BOOL IsHidden() const { return FALSE; }
    virtual void Draw(CDC* pDC) = 0;
    // The upper-case mnemonic character, when the item has one.
    virtual BOOL GetMnemonic(char& chMnemonic) const
    {
        chMnemonic = '\0';
        return FALSE;
    }
    // The size as drawn on a horizontal bar.
    virtual CSize GetSize() const = 0;
    virtual BOOL CanWrap() const { return TRUE; }
    virtual int GetGap() const { return 0; }
    virtual void OnClick() {}
    virtual void OnDblClick() {}

    // Attributes (set by the bar's layout)
    CRect m_rect;           // client coordinates
    BOOL m_bWrap = FALSE;   // a new row starts after it

protected:
    CXTMenuBar* m_pBar;
};
