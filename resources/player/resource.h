// Fixed resource numbers of the player.
#pragma once

// Main frame, document template string and program icon.
#define IDR_MAINFRAME 128

// The "Loading..." window shown during start-up, with the program icon.
#define IDD_LOADING 190
#define IDC_LOADING_ICON 1019
