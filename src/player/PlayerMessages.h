// Window messages and commands that travel between the player's windows.
#pragma once

#include "shared/support/Starter.h"

// The starter's requests to a page window (its own numbers): play the video
// named in lParam, play (wParam 0, file in lParam) or stop (wParam 1) an action
// sound, show the page whose project file is in lParam.
const UINT WM_TARNIX_PLAYVIDEO = WM_STARTER_PLAYVIDEO;
const UINT WM_TARNIX_ACTIONSOUND = WM_STARTER_SOUND;
const UINT WM_TARNIX_SHOWPAGE = WM_STARTER_SHOWPAGE;
// A context or popup menu choice on its way to the menu window (wParam the
// entry's index, or ID_CONTEXT_EXIT).
const UINT WM_TARNIX_MENUCHOICE = 0x71;

// A button tells the menu window that its click is about to be executed.
const UINT ID_BUTTON_CLICKED = 114;

// The view runs the start window.
const UINT ID_RUN_STARTWND = 103;
// Context menu entries: one per button caption, then Exit.
const UINT ID_CONTEXT_FIRST = 1224;
const UINT ID_CONTEXT_LAST = 1253;
const UINT ID_CONTEXT_EXIT = 1254;
