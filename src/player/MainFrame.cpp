#include "player/MainFrame.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)
