#include "editor/dialogs/ButDlg_Page2.h"

#include "editor/dialogs/DialogTexts.h"

#include "framework/DataExchange.h"
#include "shared/menuobj/ActionKeywords.h"
#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CButDlg_Page2, CButDlgPage)

// void OnXxx()
BEGIN_MESSAGE_MAP(CButDlg_Page2, CButDlgPage)
    ON_BN_CLICKED(IDC_BUT_BROWSE_DOCUMENT, OnBrowseDocument)
    ON_BN_CLICKED(IDC_BUT_BROWSE_APP, OnBrowseApplication)
    ON_BN_CLICKED(IDC_BUT_FUNCTION_INFO, OnFunctionInfo)
    ON_BN_CLICKED(IDC_BUT_LINK_INFO, OnLinkInfo)
END_MESSAGE_MAP()

CButDlg_Page2::CButDlg_Page2() : CButDlgPage(IDD_BUT_PAGE_LINK, 2), m_nFunction(0) {}

void CButDlg_Page2::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_BUT_APPLICATION, m_strApplication);
    DDV_MaxChars(pDX, m_strApplication, kMaxField);
    DDX_Text(pDX, IDC_BUT_DOCUMENT, m_strDocument);
    DDV_MaxChars(pDX, m_strDocument, kMaxField);
    DDX_Text(pDX, IDC_BUT_PARAMETER, m_strParameter);
    DDV_MaxChars(pDX, m_strParameter, kMaxParameter);
}

BOOL CButDlg_Page2::OnInitDialog()
{
    m_strProjectFolder = EditorServices().GetProjectFolder();
    m_documentEdit.SubclassItem(IDC_BUT_DOCUMENT, this, m_strProjectFolder, "*");
    m_applicationEdit.SubclassItem(IDC_BUT_APPLICATION, this, m_strProjectFolder, "*");
    for (int nCode = 0; nCode < GetActionCount(); ++nCode)
    {
        CString caption;
        GetEditorActionCaption(nCode, caption);
        SendDlgItemMessage(IDC_BUT_FUNCTION, CB_ADDSTRING, 0, (LPARAM)(LPCSTR)caption);
    }
    SendDlgItemMessage(IDC_BUT_FUNCTION, CB_SETCURSEL, (WPARAM)m_nFunction);
    return CButDlgPage::OnInitDialog();
}

void CButDlg_Page2::BrowseInto(CString& strField)
{
    CString path;
    if (!BrowseForFile(this, "Alle Dateien (*.*)|*.*||", "alle", nullptr, m_strProjectFolder, path) ||
        !UpdateData(TRUE))
        return;
    // The path stays even when the check warns that it lies outside the project.
    strField = path;
    CFileEdit::CheckFile(strField, "*", m_strProjectFolder, TRUE);
    UpdateData(FALSE);
}

void CButDlg_Page2::OnFunctionInfo()
{
    if (m_showQuickInfoFile)
        m_showQuickInfoFile("infotext\\but_info_function.txt");
}

void CButDlg_Page2::OnLinkInfo()
{
    if (m_showQuickInfoFile)
        m_showQuickInfoFile("infotext\\but_info_link.txt");
}

void CButDlg_Page2::OnOK()
{
    UpdateData(TRUE);
    const int nSelection = (int)SendDlgItemMessage(IDC_BUT_FUNCTION, CB_GETCURSEL);
    if (nSelection >= 0)
        m_nFunction = nSelection;
    CButDlgPage::OnOK();
}
