#include "editor/dialogs/PopupItemDlg.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/EditorMessages.h"
#include "framework/DataExchange.h"
#include "editor/dialogs/DialogTexts.h"
#include "shared/menuobj/ActionKeywords.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CPopupItemDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CPopupItemDlg, CDialog)
    ON_BN_CLICKED(IDC_PITEM_BROWSE_DOC, OnBrowseDocument)
    ON_BN_CLICKED(IDC_PITEM_BROWSE_APP, OnBrowseApplication)
    ON_HELP_BUTTON(IDC_POPUP_HELP, OnHelp)
END_MESSAGE_MAP()

CPopupItemDlg::CPopupItemDlg(CWnd* pParentWnd) : CDialog(IDD_POPUP_ITEM, pParentWnd), m_nAction(ACTION_NONE) {}

void CPopupItemDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_PITEM_APPLICATION, m_strApplication);
    DDX_Text(pDX, IDC_PITEM_DOCUMENT, m_strDocument);
    DDX_Text(pDX, IDC_PITEM_PARAMETER, m_strParameter);
    DDX_Text(pDX, IDC_PITEM_CAPTION, m_strCaption);
}

BOOL CPopupItemDlg::OnInitDialog()
{
    if (m_strProjectFolder.IsEmpty())
        m_strProjectFolder = EditorServices().GetProjectFolder();
    CDialog::OnInitDialog();
    SendDlgItemMessage(IDC_PITEM_ACTION, CB_RESETCONTENT);
    for (int nCode = 0; nCode < GetActionCount(); ++nCode)
    {
        CString caption;
        GetEditorActionCaption(nCode, caption);
        SendDlgItemMessage(IDC_PITEM_ACTION, CB_ADDSTRING, 0, (LPARAM)(LPCSTR)caption);
    }
    int nAction = ACTION_NONE;
    if (!m_strItem.IsEmpty())
        ParsePopupItem(m_strItem, m_strCaption, m_strDocument, m_strApplication, m_strParameter, m_strKeyword,
                       nAction);
    SendDlgItemMessage(IDC_PITEM_ACTION, CB_SETCURSEL, (WPARAM)nAction);
    UpdateData(FALSE);
    m_documentEdit.SubclassItem(IDC_PITEM_DOCUMENT, this, m_strProjectFolder, "*");
    m_applicationEdit.SubclassItem(IDC_PITEM_APPLICATION, this, m_strProjectFolder, "*");
    return TRUE;
}

void CPopupItemDlg::BrowseInto(CString& strField)
{
    // Starts in the current folder: programs often lie outside the project.
    CString path;
    if (!BrowseForFile(this, "All Files (*.*)|*.*||", "alle", nullptr, nullptr, path))
        return;
    UpdateData(TRUE);
    strField = path;
    // Only a warning: a file outside the project is still allowed here.
    CFileEdit::CheckFile(strField, "*", m_strProjectFolder, TRUE);
    UpdateData(FALSE);
}

void CPopupItemDlg::OnBrowseDocument()
{
    BrowseInto(m_strDocument);
}

void CPopupItemDlg::OnBrowseApplication()
{
    BrowseInto(m_strApplication);
}

void CPopupItemDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_popupmenu.htm");
}

void CPopupItemDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    int nSelection = (int)SendDlgItemMessage(IDC_PITEM_ACTION, CB_GETCURSEL);
    m_nAction = nSelection < 0 ? ACTION_NONE : nSelection;
    EditorServices().MakeProjectRelativePath(m_strDocument, TRUE);
    EditorServices().MakeProjectRelativePath(m_strApplication, TRUE);
    CString item;
    ComposePopupItem(item, m_strCaption, m_strDocument, m_strApplication, m_strParameter, m_nAction);
    // A longer entry would lose its end, and with it the action, on reading.
    if (item.GetLength() > MAX_ITEM)
    {
        WarnTooLong(IDS_POPUP_ITEM_TOO_LONG, item.GetLength(), MAX_ITEM);
        return;
    }
    m_strItem = item;
    EndDialog(IDOK);
}
