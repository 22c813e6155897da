// What the flat-look painter needs of a tool bar beyond its window: the
// button records as the toolkit's tool bar keeps them, its text rules, its
// open drop-down and its colour commands.
#pragma once

#include "framework/String.h"

#include <windows.h>
#include <commctrl.h>

struct CXTButtonInfo;

// Set in a button record's state returned by GetButton when the button is disabled.
#define XT_TBSTATE_DISABLED 0x04

class IXTToolBar
{
public:
    virtual ~IXTToolBar() = default;

    // The tool bar control's window.
    virtual HWND GetToolBarHwnd() const = 0;
    // The record of a button with the enabled bit turned into XT_TBSTATE_DISABLED;
    // FALSE for a bad index.
    virtual BOOL GetButton(int nIndex, TBBUTTON* pButton) const = 0;
    // Style in the low word, state in the high word.
    virtual DWORD GetButtonStyle(int nIndex) const = 0;
    virtual CString GetButtonText(int nIndex) const = 0;
    // The text drawing flags with the bar's own text mask applied.
    virtual UINT ApplyDrawTextFlags(UINT nFlags) const = 0;
    // The button whose drop-down menu is open, else -1.
    virtual int GetDroppedIndex() const = 0;
    // The drop-down record of a command, or none.
    virtual CXTButtonInfo* FindDropDownInfo(UINT nCommandID) const = 0;
    virtual COLORREF GetBackgroundColor() const = 0;
};
