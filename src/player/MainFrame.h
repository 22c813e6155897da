// The player's main frame window.
#pragma once

#include "framework/FrameWnd.h"

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
protected:
    CMainFrame() = default;
};
