#include "editor/dialogs/FolderBrowserDlg.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/NewFolderDlg.h"
#include "framework/DataExchange.h"

#include "editor/ShowIds.h"

#include <direct.h>
#include <io.h>

BEGIN_MESSAGE_MAP(CFolderBrowserDlg, CDialog)
    // void OnCreateFolder()
    ON_BN_CLICKED(IDC_FOLDER_CREATE, OnCreateFolder)
    // void OnFolderChanged()
    ON_COMMAND(ID_FOLDER_SELCHANGED, OnFolderChanged)
END_MESSAGE_MAP()

CFolderBrowserDlg::CFolderBrowserDlg(CWnd* pParent) : CDialog(IDD_FOLDER_BROWSER, pParent) {}

CString CFolderBrowserDlg::JoinFolder(const CString& strFolder, const CString& strName)
{
    CString path = strFolder;
    if (path.IsEmpty() || path[path.GetLength() - 1] != '\\')
        path += "\\";
    return path + strName;
}

void CFolderBrowserDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FOLDER_PATH, m_strFolderPath);
    DDV_MaxChars(pDX, m_strFolderPath, kMaxPathChars);
    DDX_Text(pDX, IDC_FOLDER_PROMPT, m_strPrompt);
}

BOOL CFolderBrowserDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    BeginWaitCursor();
    if (!m_strTitle.IsEmpty())
        SetWindowText(m_strTitle);
    m_tree.SubclassDlgItem(IDC_FOLDER_TREE, this);
    // Filled before the command is set: the fill's own first selection is
    // not the caller's start folder.
    m_tree.Fill();
    m_tree.SetNotifyCommand(ID_FOLDER_SELCHANGED);
    if (!m_strFolderPath.IsEmpty())
    {
        if (m_tree.SelectPath(m_strFolderPath))
            m_tree.Expand(m_tree.GetSelectedItem(), TVE_EXPAND);
    }
    else
        EnableDlgItem(this, IDC_FOLDER_CREATE, FALSE);
    EndWaitCursor();
    return TRUE;
}

void CFolderBrowserDlg::TakeTreeFolder()
{
    CString path;
    if (!m_tree.GetSelectedFolderPath(path))
        path.Empty();
    m_strFolderPath = path;
    SetDlgItemText(IDC_FOLDER_PATH, m_strFolderPath);
    // A drive root such as C:\ counts already.
    EnableDlgItem(this, IDC_FOLDER_CREATE, m_strFolderPath.GetLength() > 2);
}

void CFolderBrowserDlg::OnFolderChanged()
{
    TakeTreeFolder();
}

void CFolderBrowserDlg::OnCreateFolder()
{
    // 1. The folder to create the new one in: none on the Desktop's items
    // that are no folders.
    TakeTreeFolder();
    if (m_strFolderPath.GetLength() <= 2)
        return;
    CNewFolderDlg dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    // 2. Create it; a failure is not reported.
    BeginWaitCursor();
    const CString parent = m_strFolderPath;
    ::SetCurrentDirectoryA(parent);
    const CString created = JoinFolder(parent, dlg.m_strName);
    if (_mkdir(created) == 0)
        ::SetCurrentDirectoryA(created);
    // 3. The tree anew, on the new folder when it is there, else where it was.
    m_tree.InitializeTree();
    const CString& select = _access(created, 0) == 0 ? created : parent;
    if (!select.IsEmpty())
        m_tree.SelectPath(select);
    TakeTreeFolder();
    EndWaitCursor();
}
