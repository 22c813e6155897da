// Chooses a folder from a tree of drives and folders, and can create a new
// folder inside the chosen one. The folder path is the start folder and, after
// IDOK, the choice; while the dialog is open it follows the tree, so callers
// read it only after IDOK. OK takes the path as the edit shows it: the tree's
// folder, or the start folder while the tree could not select it.
#pragma once

#include "editor/dialogs/FolderBrowserTree.h"
#include "framework/Dialog.h"

class CFolderBrowserDlg : public CDialog
{
public:
    explicit CFolderBrowserDlg(CWnd* pParent = nullptr);

    // Empty keeps the template's caption.
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    void SetPrompt(LPCSTR lpszPrompt) { m_strPrompt = lpszPrompt; }

    CString m_strFolderPath;
    CString m_strPrompt;
    CString m_strTitle;

    static constexpr int kMaxPathChars = 240;

    // The path of a folder named strName inside strFolder: one backslash
    // between them, also after a drive root.
    static CString JoinFolder(const CString& strFolder, const CString& strName);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCreateFolder();
    void OnFolderChanged();

    DECLARE_MESSAGE_MAP()

private:
    // The tree's folder becomes the path and the edit's text.
    void TakeTreeFolder();

    CFolderBrowserTree m_tree;
};
