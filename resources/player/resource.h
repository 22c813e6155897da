// Fixed resource numbers of the player.
#pragma once

// Main frame, document template string and program icon.
#define IDR_MAINFRAME 128

// A tiny GIF picture (resource type "GIF"): loading it tells whether the
// platform decodes GIF pictures.
#define IDR_GIF_PROBE 190

// The "Loading..." window shown during start-up, with the program icon.
#define IDD_LOADING 190
#define IDC_LOADING_ICON 1019

// The message dialog of MESSAGE buttons.
#define IDD_MESSAGE 140

// The welcome window: four texts and the program icon.
#define IDD_WELCOME 131
#define IDC_WELCOME_TEXT1 1010
#define IDC_WELCOME_TEXT2 1011
#define IDC_WELCOME_TEXT3 1012
#define IDC_WELCOME_TEXT4 1013
#define IDC_WELCOME_ICON 1016

// The video dialog: the video in a child window, one button (Stop, then Close)
// below it; sized and laid out for the video when it opens.
#define IDD_VIDEO 130

// The hand cursor over buttons and links.
#define IDC_BUTTON_HAND 131

// The start window behind the menu: covers the screen in the desktop colour
// or stays out of sight; moved and sized when it opens.
#define IDD_STARTWND 134

// The menu window of a page with a border and of one without; moved and sized
// for the page when it opens.
#define IDD_MENU_BORDER 186
#define IDD_MENU_NOBORDER 187
