#include "editor/app/MainFrame.h"

#include "editor/app/TarnixEdApp.h"
#include "framework/MDIChildWnd.h"
#include "framework/View.h"
#include "editor/resource.h"

namespace {

const UINT g_nButtonReadyMessage = ::RegisterWindowMessageA("TARNIX_BUTTON_READY");

// The clipboard's text, empty when it holds none.
CString ClipboardText(HWND hOwner)
{
    CString text;
    if (!::OpenClipboard(hOwner))
        return text;
    if (HANDLE hData = ::GetClipboardData(CF_TEXT))
    {
        if (const char* pText = static_cast<const char*>(::GlobalLock(hData)))
        {
            const SIZE_T nSize = ::GlobalSize(hData);
            SIZE_T nLength = 0;
            while (nLength < nSize && pText[nLength] != '\0')
                ++nLength;
            text = CString(pText, (int)nLength);
            ::GlobalUnlock(hData);
        }
    }
    ::CloseClipboard();
    return text;
}

} // namespace

IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    // void OnPopupItem()
    ON_COMMAND(ID_POPUP_ITEM, OnPopupItem)
    // LRESULT OnButtonImageReady(WPARAM wParam, LPARAM lParam)
    ON_REGISTERED_MESSAGE(g_nButtonReadyMessage, OnButtonImageReady)
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

LRESULT CMainFrame::OnButtonImageReady(WPARAM, LPARAM)
{
    if (CTarnixEdApp* pApp = GetEditorApp())
        pApp->SetReturnedImageFile(ClipboardText(m_hWnd));
    CMDIChildWnd* pChild = MDIGetActive();
    if (CView* pView = pChild != nullptr ? pChild->GetActiveView() : nullptr)
        pView->SendMessage(WM_COMMAND, ID_BUTTON_IMAGE_READY);
    return 0;
}
