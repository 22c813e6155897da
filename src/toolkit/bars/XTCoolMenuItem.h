// What a cool menu keeps of each menu item it draws: the item's data points
// at one of these while the item is owner-drawn.
#pragma once

#include "framework/String.h"

#include <windows.h>

// Marks records of the cool menus in an item's data.
#define XT_COOLMENU_SIGNATURE 0x58544D49

// Flags of a record.
#define XT_ITEM_FIRSTHIDDEN 0x01   // first of a run of hideable items
#define XT_ITEM_LASTHIDDEN  0x02   // last of a run of hideable items
#define XT_ITEM_HIDEABLE    0x04

struct XT_COOLMENU_ITEM
{
    CString strText;               // with its ampersands and tab
    HMENU hMenu = nullptr;
    HMENU hSubMenu = nullptr;
    DWORD dwSignature = XT_COOLMENU_SIGNATURE;
    int nPosition = 0;
    int nImage = -1;
    UINT nID = 0;
    UINT fType = 0;                // without MFT_OWNERDRAW
    UINT fState = 0;
    UINT nFlags = 0;
    int nOldPosition = -1;         // where it stood before it was removed
    BOOL bRemoved = FALSE;
    UINT nAlign = 0;               // the menu-bar side it borders: 0 or a CBRS_ALIGN_ bit
    ULONG_PTR dwOldData = 0;       // the item's own data, given back with its string
};
