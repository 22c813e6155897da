#include "editor/dialogs/ViewerSetupDlg.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/UiLanguage.h"
#include "framework/DataExchange.h"
#include "shared/menuobj/StaticLink.h"

#include "editor/DialogIds.h"
#include "editor/WizardIds.h"

IMPLEMENT_DYNAMIC(CViewerSetupDlg, CDialog)

// void OnBrowse()
BEGIN_MESSAGE_MAP(CViewerSetupDlg, CDialog)
    ON_BN_CLICKED(IDC_INS_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CViewerSetupDlg::CViewerSetupDlg(const DOCUMENT_INSERT_KIND& kind, CWnd* pParentWnd)
    : CDialog(kind.nViewerTemplate, pParentWnd), m_kind(kind)
{
}

void CViewerSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_INS_SETUP_PATH, m_strSetupPath);
}

void CViewerSetupDlg::AttachLink(UINT nID, LPCSTR lpszTarget)
{
    // The link deletes itself with its window.
    CStaticLink* pLink = new CStaticLink(lpszTarget, TRUE);
    if (!pLink->SubclassDlgItem(nID, this))
    {
        delete pLink;
        return;
    }
    pLink->SetTransparent();
}

BOOL CViewerSetupDlg::OnInitDialog()
{
    int nLanguage = IsGermanUi() ? 0 : 1;
    AttachLink(IDC_INS_LINK_LICENCE, m_kind.pszLicenceLink[nLanguage]);
    AttachLink(IDC_INS_LINK_DOWNLOAD, m_kind.pszDownloadLink[nLanguage]);
    return CDialog::OnInitDialog();
}

void CViewerSetupDlg::OnBrowse()
{
    CString path;
    if (BrowseForFile(this, "Exe Files (exe)|*.exe||", nullptr, nullptr, EditorServices().GetProjectFolder(), path)
        && IsReadableProgram(path))
        SetDlgItemText(IDC_INS_SETUP_PATH, path);
}

void CViewerSetupDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_strSetupPath.IsEmpty() || !IsReadableFile(m_strSetupPath))
    {
        ErrorBoxById(IDS_NO_FILE_GIVEN);
        return;
    }
    EndDialog(IDOK);
}
