#include "toolkit/frame/XTMDIFrameWnd.h"

#include "toolkit/bars/XTMenuState.h"
#include "toolkit/bars/XTToolsManager.h"
#include "toolkit/controls/XTWindowList.h"

IMPLEMENT_DYNCREATE(CXTMDIFrameWnd, CMDIFrameWnd)

// Handler signatures: see CWnd and CCmdTarget.
BEGIN_MESSAGE_MAP(CXTMDIFrameWnd, CMDIFrameWnd)
    XT_FRAME_BASE_MESSAGES()
    ON_COMMAND(XT_IDC_WINDOWLIST, OnWindowList)
    ON_UPDATE_COMMAND_UI(XT_IDC_WINDOWLIST, OnUpdateEnabled)
END_MESSAGE_MAP()

namespace {

// The "Windows" list with the frame's small icon in its caption.
class CXTFrameWindowList : public CXTWindowList
{
public:
    CXTFrameWindowList(CMDIFrameWnd* pFrame, HICON hIcon) : CXTWindowList(pFrame), m_hFrameIcon(hIcon) {}
    BOOL OnInitDialog() override
    {
        BOOL bResult = CXTWindowList::OnInitDialog();
        if (m_hFrameIcon != nullptr)
        {
            SetIcon(m_hFrameIcon, TRUE);
            SetIcon(m_hFrameIcon, FALSE);
        }
        return bResult;
    }

private:
    HICON m_hFrameIcon;
};

} // namespace

void CXTMDIFrameWnd::OnWindowList()
{
    HICON hIcon = reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_SMALL, 0));
    if (hIcon == nullptr)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(m_hWnd, GCLP_HICONSM));
    CXTFrameWindowList dlg(this, hIcon);
    dlg.DoModal();
}
