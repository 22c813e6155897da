// What the cool menus, the toolkit popup menu, the popup-window hooks and the
// menu bar share across one menu loop. The menu bar publishes its side of it
// (its open item, whether it tracks, whether Alt opened the menu); the rest
// is kept by the classes of this folder.
#pragma once

#include "framework/Ids.h"
#include "framework/Rect.h"

#include <windows.h>

// The chevron at the end of a personalised popup, and its string.
#define XT_IDC_CHEVRON 53783
// Posted to a popup menu window: read and set every item again, so that the
// menu measures and draws them anew.
#define XT_WM_POPUP_REMEASURE 32778
// Posted to a popup menu window after painting: create or refresh its shadow.
#define XT_WM_POPUP_SHADOW 32779

struct XT_MENU_STATE
{
    // Set by the chevron command, cleared when the menu loop ends.
    BOOL bShowFullMenus = FALSE;
    // CXTMenu objects alive: personalised menus are on only while one exists.
    int nToolkitMenus = 0;
    // The chevron item is drawn highlighted.
    BOOL bChevronHoverPending = FALSE;
    // The menu-bar item whose popup is being opened (screen) and the bar's
    // side (0 none, else a CBRS_ALIGN_ bit); published by the menu bar.
    CRect rcMenuBarItem;
    UINT nMenuBarAlign = 0;
    // WM_INITMENUPOPUP messages the cool menus let pass unconverted.
    int nInitMenuPopupPassBy = 0;
    // The menu whose popup window is opening, before its window knows it.
    HMENU hMenuOpening = nullptr;
    // Published by the menu bar: it tracks a popup of its own; Alt opened it.
    BOOL bMenuBarTracking = FALSE;
    BOOL bAltPressed = FALSE;
    // Popup menus post XT_WM_POPUP_REMEASURE to themselves on 0xAF.
    BOOL bRemeasureOnAF = FALSE;
    // The window and menu of the toolkit popup being tracked.
    HWND hWndTracking = nullptr;
    HMENU hMenuTracking = nullptr;
    // Windows 95 or NT 4.0: no chevron timer and no chevron click.
    BOOL bOldSystem = FALSE;

    BOOL IsToolkitMenuAlive() const { return nToolkitMenus > 0; }
};

// The one state of the process, made on first use.
XT_MENU_STATE& GetXTMenuState();

// The system's own popup menu shadows: Windows XP and later.
BOOL SystemDrawsMenuShadows();
// Windows 95 (platform 1, 4.0-4.9) or NT 4.0 (platform 2, 4.0).
BOOL IsOldMenuSystem(const OSVERSIONINFOA& os);
