// The main window of a program with several documents on the toolkit: the
// framework's MDI frame with the toolkit's dock bars, menu bar and cool
// menus, hidden commands, customisation, user tools, shortcut texts in its
// popups and the "Windows" list.
#pragma once

#include "toolkit/frame/XTFrameBase.h"

#include "framework/MDIFrameWnd.h"

// The command of the "Windows" list (the MDI client's "More Windows...").
#define XT_IDC_WINDOWLIST 65289

class CXTMDIFrameWnd : public CXTFrameBase<CMDIFrameWnd>
{
    DECLARE_DYNCREATE(CXTMDIFrameWnd)
public:
    CXTMDIFrameWnd() = default;

protected:
    void OnWindowList();

    DECLARE_MESSAGE_MAP()
};
