#include "editor/dialogs/LumivaneTipDlg.h"

#include "editor/dialogs/EditorServices.h"
#include "shared/support/Starter.h"

#include "editor/ShowIds.h"

IMPLEMENT_DYNAMIC(CLumivaneTipDlg, CDialog)

const char CLumivaneTipDlg::kCounterKey[] = "TIP_LUMIVANE";
const char CLumivaneTipDlg::kHomePage[] = "http://www.lumivane.example";

BEGIN_MESSAGE_MAP(CLumivaneTipDlg, CDialog)
    // void OnDontShow()
    ON_BN_CLICKED(IDC_TIP_DONT_SHOW, OnDontShow)
    // void OnHomePage()
    ON_BN_CLICKED(IDC_TIP_HOMEPAGE, OnHomePage)
END_MESSAGE_MAP()

CLumivaneTipDlg::CLumivaneTipDlg(CWnd* pParentWnd) : CDialog(IDD_LUMIVANE_TIP, pParentWnd) {}

// The counter: 0 shows the tip; from 1 on it counts the times the tip was
// skipped, and at 20 the tip is shown again.
BOOL CLumivaneTipDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    IEditorServices& services = EditorServices();
    int nCount = services.GetSettingInt(kCounterKey, 0);
    if (nCount > 0)
    {
        ++nCount;
        if (nCount >= kShowEvery)
            nCount = 0;
        services.WriteSettingInt(kCounterKey, nCount);
        if (nCount != 0)
            PostMessage(WM_COMMAND, IDOK);
    }
    CheckDlgButton(IDC_TIP_DONT_SHOW, BST_UNCHECKED);
    return TRUE;
}

void CLumivaneTipDlg::OnDontShow()
{
    if (IsDlgButtonChecked(IDC_TIP_DONT_SHOW) == BST_CHECKED)
        EditorServices().WriteSettingInt(kCounterKey, 1);
}

void CLumivaneTipDlg::OnHomePage()
{
    CStarter starter;
    starter.ShellOpen(kHomePage, "", FALSE);
}
