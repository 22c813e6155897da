#include "editor/dialogs/LB_FolderPage.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/ListboxWizard.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"

#include "editor/WizardIds.h"

IMPLEMENT_DYNAMIC(CLB_FolderPage, CListboxWizardPage)

// void OnBrowse()
BEGIN_MESSAGE_MAP(CLB_FolderPage, CListboxWizardPage)
    ON_BN_CLICKED(IDC_LB_BROWSE, OnBrowse)
END_MESSAGE_MAP()

namespace {

const char* const kPicturePatterns[] = { "*.gif", "*.jpg", "*.jpeg", "*.bmp", "*.ico", "*.dib", "*.emf", "*.wmf" };
const char kAllPicturePatterns[] = "*.jpg:*.jpeg:*.gif:*.bmp:*.dib:*.ico:*.emf:*.wmf";

} // namespace

CLB_FolderPage::CLB_FolderPage(CListboxWizard* pWizard) : CListboxWizardPage(IDD_LB_FOLDER, pWizard) {}

BOOL CLB_FolderPage::IsPicturePattern(const CString& strPattern)
{
    for (const char* pszPattern : kPicturePatterns)
        if (strPattern == pszPattern)
            return TRUE;
    return strPattern.Find(".gif") >= 0 || strPattern.Find(".GIF") >= 0;
}

void CLB_FolderPage::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_LB_PATTERN, m_strPattern);
    DDX_Text(pDX, IDC_LB_FOLDER, m_strFolder);
}

BOOL CLB_FolderPage::OnInitDialog()
{
    m_strInitialPattern = m_strPattern;
    m_strInitialFolder = m_strFolder;
    return CListboxWizardPage::OnInitDialog();
}

BOOL CLB_FolderPage::OnSetActive()
{
    BOOL bFilled = !m_strPattern.IsEmpty() && !m_strFolder.IsEmpty();
    PostWizardButtons(bFilled ? PSWIZB_BACK | PSWIZB_NEXT | PSWIZB_DISABLEDFINISH
                              : PSWIZB_BACK | PSWIZB_DISABLEDFINISH);
    return CListboxWizardPage::OnSetActive();
}

void CLB_FolderPage::OnBrowse()
{
    // A new list's entries must lie in the project: the chooser starts there.
    const CString& start = m_strFolder.IsEmpty() ? m_strProjectFolder : m_strFolder;
    CString path;
    if (!BrowseForFile(this, nullptr, nullptr, nullptr, start.IsEmpty() ? nullptr : (LPCSTR)start, path))
        return;
    CString name = path.Mid(path.ReverseFind('\\') + 1);
    int nDot = name.ReverseFind('.');
    m_strPattern = nDot >= 0 ? "*." + name.Mid(nDot + 1) : CString();
    int nSlash = path.ReverseFind('\\');
    m_strFolder = nSlash >= 0 ? path.Left(nSlash) : CString();
    if (!m_strFolder.IsEmpty())
        PostWizardButtons(PSWIZB_BACK | PSWIZB_NEXT | PSWIZB_DISABLEDFINISH);
    UpdateData(FALSE);
}

BOOL CLB_FolderPage::CheckAndStore()
{
    if (!UpdateData(TRUE))
        return FALSE;
    m_pWizard->m_bPictureList = FALSE;
    if (m_strPattern.IsEmpty() || m_strFolder.IsEmpty())
    {
        MessageBoxById(IDS_LB_CHOOSE_FOLDER);
        return FALSE;
    }
    if (IsPicturePattern(m_strPattern))
    {
        m_pWizard->m_bPictureList = TRUE;
        CString question;
        LoadResString(IDS_LB_ADD_PICTURE_TYPES, question);
        question += "\n(*.jpg *.gif *.bmp *.dib *.ico *.wmf *.emf)";
        if (AfxMessageBox(question, MB_YESNO) == IDYES)
        {
            m_strPattern = kAllPicturePatterns;
            UpdateData(FALSE);
        }
    }
    m_pWizard->m_strExt = m_strPattern;
    m_pWizard->m_strFolder = m_strFolder;
    if (m_strPattern != m_strInitialPattern || m_strFolder != m_strInitialFolder)
    {
        m_pWizard->m_bListChanged = TRUE;
        m_pWizard->m_strApplication.Empty();
        m_pWizard->m_strDocument.Empty();
        m_pWizard->m_strParameter.Empty();
    }
    return TRUE;
}
