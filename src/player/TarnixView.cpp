#include "player/TarnixView.h"

#include "framework/FrameWnd.h"
#include "framework/Ids.h"

IMPLEMENT_DYNCREATE(CTarnixView, CView)

void CTarnixView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    // The player ends when its start window has run; until there is a start
    // window, that is at once.
    GetParentFrame()->PostMessage(WM_COMMAND, ID_APP_EXIT);
}

void CTarnixView::OnDraw(CDC* /*pDC*/)
{
}
