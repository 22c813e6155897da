// Messages that the object windows of a menu page send to the page window
// (the player's menu window, the editor's view); the same in both programs.
#pragma once

#include <windows.h>

// An object window's notice to the page. In design mode an AVI clip sends each
// of its mouse button and key messages so (lParam: its AVI_INPUT_RECORD).
const UINT WM_TARNIX_OBJNOTIFY = WM_USER + 103;
// Run the page's script list box. wParam: the sender's control id; lParam:
// the button's create struct, or 0 from the list box itself.
const UINT WM_TARNIX_RUNLISTBOX = WM_USER + 104;
// Show the button's popup menu. wParam: the button's control id; lParam: its
// create struct.
const UINT WM_TARNIX_SHOWPOPUP = 0x77;
