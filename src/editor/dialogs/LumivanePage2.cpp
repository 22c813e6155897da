#include "editor/dialogs/LumivanePage2.h"

#include "editor/dialogs/LumivaneSheet.h"
#include "framework/ProgramStart.h"

#include "editor/ShowIds.h"

IMPLEMENT_DYNAMIC(CLumivanePage2, CLumivanePage)

BEGIN_MESSAGE_MAP(CLumivanePage2, CLumivanePage)
    // void OnCopyPictures()
    ON_BN_CLICKED(IDC_SHOW_COPY_PICTURES, OnCopyPictures)
END_MESSAGE_MAP()

CLumivanePage2::CLumivanePage2(CLumivaneSheet* pWizard)
    : CLumivanePage(IDD_LUMIVANE_PAGE2, pWizard, PSWIZB_BACK | PSWIZB_NEXT)
{
}

BOOL CLumivanePage2::OnInitDialog()
{
    CLumivanePage::OnInitDialog();
    CLumivaneSheet::SetButtonIcon(this, IDC_SHOW_COPY_PICTURES, IDI_LUMIVANE_PICTURES);
    return TRUE;
}

void CLumivanePage2::OnCopyPictures()
{
    AfxShellExecute(m_hWnd, "explore", m_pWizard->m_strShowFolder, nullptr, nullptr, SW_SHOWNORMAL);
}
