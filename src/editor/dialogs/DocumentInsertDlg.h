// Asks for the document to put into the project, the project folder it goes
// to and the text of the button that will open it. A folder that already
// holds this kind's starter is proposed and kept, so that all documents of a
// kind share one folder and one starter.
#pragma once

#include "editor/dialogs/DocumentInsertKind.h"
#include "editor/dialogs/FileEdit.h"
#include "framework/Dialog.h"

class CMObjList;

class CDocumentInsertDlg : public CDialog
{
    DECLARE_DYNAMIC(CDocumentInsertDlg)
public:
    CDocumentInsertDlg(const DOCUMENT_INSERT_KIND& kind, CWnd* pParentWnd = nullptr);

    // Inputs: the project folder and the page's buttons (create structs).
    CString m_strProjectFolder;
    const CMObjList* m_pObjects;
    // Outputs after IDOK: the document's full path, the folder's name relative
    // to the project and the button text.
    CString m_strDocument;
    CString m_strFolder;
    CString m_strButtonText;
    // Set when a button of the page already starts this kind's starter.
    BOOL m_bStarterFound;

    // The name without folder and without the part from the last dot on.
    static CString FileTitleOf(const CString& strPath);
    // A name the file system takes for one folder inside the project: no
    // drive or path, no "." or "..", none of the characters it refuses, no
    // device name, not ending in a dot or a blank.
    static BOOL IsUsableFolderName(const CString& strName);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBrowse();
    void OnDocumentKillFocus();

    DECLARE_MESSAGE_MAP()

private:
    // The folder of a page button that starts the starter; empty when none.
    CString FindStarterFolder() const;
    BOOL ProjectHasFolder(const CString& strName) const;

    const DOCUMENT_INSERT_KIND& m_kind;
    CFileEdit m_editDocument;
};
