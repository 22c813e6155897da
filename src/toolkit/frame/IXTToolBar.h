// What the flat-look painter and the dock bar need of a tool bar beyond its
// window: the button records as the toolkit's tool bar keeps them, its text
// rules, its open drop-down, its colour commands, and fitting into a row.
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

    // Fitting into a dock bar's row. The dock bar fits only bars that
    // support hidden buttons (every tool bar does).
    virtual BOOL SupportsHiddenButtons() const = 0;
    // Hides buttons from the right end (one always stays) until the bar fits
    // nLength less the chevron; returns the bar's new length.
    virtual int HideButtonsToFit(int nWidth, int nLength, BOOL bHorz) = 0;
    // Shows hidden buttons again while they fit nLength (0x7FFF: all);
    // returns the bar's new length.
    virtual int ShowButtonsToFit(int nWidth, int nLength, BOOL bHorz) = 0;
};
