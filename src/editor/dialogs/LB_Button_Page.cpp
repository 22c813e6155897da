#include "editor/dialogs/LB_Button_Page.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/ListboxWizard.h"
#include "editor/dialogs/LumivaneTipDlg.h"
#include "editor/dialogs/ShowInsert.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"
#include "framework/ProgramStart.h"
#include "shared/support/CurrentDirPaths.h"
#include "shared/support/FileUtils.h"

#include "editor/ShowIds.h"
#include "editor/WizardIds.h"

#include <io.h>

IMPLEMENT_DYNAMIC(CLB_Button_Page, CListboxWizardPage)

namespace {

// The show file of a picture list, beside the pictures.
const char kListShowFile[] = "Show.ini";

} // namespace

// void OnBrowse()
BEGIN_MESSAGE_MAP(CLB_Button_Page, CListboxWizardPage)
    ON_BN_CLICKED(IDC_LB_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CLB_Button_Page::CLB_Button_Page(CListboxWizard* pWizard)
    : CListboxWizardPage(IDD_LB_BUTTON, pWizard), m_bEditMode(FALSE)
{
}

void CLB_Button_Page::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_LB_APPLICATION, m_strApplication);
    DDX_Text(pDX, IDC_LB_BUTTON_TEXT, m_strButtonText);
    DDX_Text(pDX, IDC_LB_DOCUMENT, m_strDocument);
    DDX_Text(pDX, IDC_LB_PARAMETER, m_strParameter);
}

void CLB_Button_Page::FillDefaults()
{
    CString ext(m_pWizard->m_strExt);
    ext.MakeLower();
    UINT nButtonText;
    if (ext.Left(5) == "*.exe")
    {
        m_strApplication = "%1";
        m_strDocument.Empty();
        nButtonText = IDS_LB_START_PROGRAM;
    }
    else
    {
        m_strApplication.Empty();
        m_strDocument = "%1";
        nButtonText = m_pWizard->m_bPictureList ? IDS_LB_SHOW_PICTURE : IDS_LB_SHOW_DOCUMENT;
    }
    if (m_strButtonText.IsEmpty())
        LoadResString(nButtonText, m_strButtonText);
    if (nButtonText == IDS_LB_SHOW_PICTURE)
        OfferPictureShow();
}

// The player shows the folder's pictures with the show file that the
// authoring program makes there; a failed copy leaves the fields alone.
void CLB_Button_Page::OfferPictureShow()
{
    const CShowInsert::PROGRAMS programs = CShowInsert::LookUpPrograms();
    if (!programs.bInstalled)
    {
        CLumivaneTipDlg tip(this);
        tip.DoModal();
        return;
    }
    CString question;
    LoadResString(IDS_LB_USE_LUMIVANE, question);
    if (AfxMessageBox(question, MB_YESNO) != IDYES || !IsReadableFile(programs.strAuthoringPath))
        return;
    const CString folder = m_pWizard->m_strFolder;
    const CString showFile = folder + "\\" + kListShowFile;
    if (_access(showFile, 0) != 0)
        AfxShellExecute(m_hWnd, "open", programs.strAuthoringPath, "/C \"" + showFile + "\"", folder, SW_SHOWNORMAL);
    const CString player = folder + "\\" + CShowInsert::kPlayerName;
    if (!CopyFileAsk(player, programs.strPlayerPath, FALSE, 'E'))
        return;
    m_strApplication = player;
    m_strDocument.Empty();
    m_strParameter = "/SHOW %1";
}

BOOL CLB_Button_Page::OnSetActive()
{
    BeginWaitCursor();
    PostWizardButtons(PSWIZB_BACK | PSWIZB_NEXT | PSWIZB_DISABLEDFINISH);
    if (m_bEditMode)
        m_strButtonText = m_pWizard->m_strButtonText;
    m_strApplication = m_pWizard->m_strApplication;
    m_strDocument = m_pWizard->m_strDocument;
    m_strParameter = m_pWizard->m_strParameter;
    EnableDlgItem(this, IDC_LB_BUTTON_TEXT, !m_bEditMode);
    if (m_strApplication.IsEmpty() && m_strDocument.IsEmpty() && m_strParameter.IsEmpty() && !m_bEditMode)
        FillDefaults();
    CListboxWizardPage::OnSetActive();
    // Shown also on the first activation, which comes after the page's set-up.
    UpdateData(FALSE);
    EndWaitCursor();
    return TRUE;
}

void CLB_Button_Page::OnBrowse()
{
    UpdateData(TRUE);
    CString path;
    if (!BrowseForFile(this, "Exe Files (*.exe)|*.exe||", "*.exe", nullptr, EditorServices().GetProjectFolder(),
                       path))
        return;
    m_strApplication = path;
    m_strDocument.Empty();
    path.MakeLower();
    m_strParameter = path.Find("lumivane.exe") >= 0 ? "/SHOW %1" : "%1";
    UpdateData(FALSE);
}

void CLB_Button_Page::MakeRelative(CString& strPath) const
{
    if (!m_strProjectFolder.IsEmpty() && strPath.GetLength() > m_strProjectFolder.GetLength()
        && IsPathInFolder(strPath, m_strProjectFolder))
        strPath = strPath.Mid(m_strProjectFolder.GetLength() + 1);
}

BOOL CLB_Button_Page::CheckAndStore()
{
    if (!UpdateData(TRUE))
        return FALSE;
    if (m_strButtonText.IsEmpty()
        || (m_strApplication.IsEmpty() && m_strDocument.IsEmpty() && m_strParameter.IsEmpty()))
        return FALSE;
    MakeRelative(m_strApplication);
    MakeRelative(m_strDocument);
    m_pWizard->m_strApplication = m_strApplication;
    m_pWizard->m_strButtonText = m_strButtonText;
    m_pWizard->m_strDocument = m_strDocument;
    m_pWizard->m_strParameter = m_strParameter;
    return TRUE;
}
