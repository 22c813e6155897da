#include "toolkit/frame/XTFrameWnd.h"

#include "toolkit/bars/XTMenuState.h"
#include "toolkit/bars/XTToolsManager.h"

IMPLEMENT_DYNCREATE(CXTFrameWnd, CFrameWnd)

// Handler signatures: see CWnd and CCmdTarget.
BEGIN_MESSAGE_MAP(CXTFrameWnd, CFrameWnd)
    XT_FRAME_BASE_MESSAGES()
END_MESSAGE_MAP()
