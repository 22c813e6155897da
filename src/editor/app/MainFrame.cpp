#include "editor/app/MainFrame.h"

#include "editor/resource.h"

IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    // void OnPopupItem()
    ON_COMMAND(ID_POPUP_ITEM, OnPopupItem)
END_MESSAGE_MAP()

void CMainFrame::UpdateExplorer(CTarnixEdDoc* /*pDoc*/)
{
}

void CMainFrame::ShowProjectFolder(CTarnixEdDoc* /*pDoc*/)
{
}

void CMainFrame::ClearProject()
{
}

void CMainFrame::OnPopupItem()
{
}
