// The toolkit's popup menu: while one exists the cool menus personalise the
// popups they draw; tracking it closes other toolkit popups first, and picking
// its chevron shows the same popup again in full.
#pragma once

#include "framework/Menu.h"

class CWnd;

class CXTMenu : public CMenu
{
public:
    // Construction
    CXTMenu();
    ~CXTMenu() override;

    // Operations
    // As the system's call: without TPM_RETURNCMD the chosen command is
    // posted to the window. Returns the command, 0 for none.
    UINT TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd);
    UINT TrackPopupMenuEx(UINT nFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm = nullptr, BOOL bNotify = TRUE);
    UINT TrackPopupMenuEx(UINT nFlags, int x, int y, HWND hWnd, LPTPMPARAMS lptpm = nullptr, BOOL bNotify = TRUE);
};
