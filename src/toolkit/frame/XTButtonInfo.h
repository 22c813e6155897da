// The drop-down record of a tool bar command: its menu, colour popup and the
// colours shown under its image.
#pragma once

#include <windows.h>

// Stands for "no colour" in the record's colour fields.
#define XT_NO_COLOR ((COLORREF)0xFF000000)

struct CXTButtonInfo
{
    UINT nCommandID = 0;
    UINT nMenuID = 0;              // 0: none
    BOOL bColorBar = FALSE;        // draws the selected colour under the image
    BOOL bManagerPopup = FALSE;    // the customisation manager supplies the popup
    BOOL bColorPopup = FALSE;
    BOOL bArrow = FALSE;           // draws the drop-down arrow
    DWORD dwPopupStyle = 0;
    COLORREF clrDefault = XT_NO_COLOR;
    COLORREF clrSelected = XT_NO_COLOR;
    UINT nPopupID = 0;

    BOOL HasColor() const { return clrSelected != XT_NO_COLOR; }
};
