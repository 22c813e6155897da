// One entry of a popup menu: its caption, the document and application it
// opens, the parameter and the action.
#pragma once

#include "editor/dialogs/FileEdit.h"
#include "framework/Dialog.h"

class CPopupItemDlg : public CDialog
{
    DECLARE_DYNAMIC(CPopupItemDlg)
public:
    explicit CPopupItemDlg(CWnd* pParentWnd = nullptr);

    CString m_strApplication;
    CString m_strDocument;
    CString m_strParameter;
    CString m_strCaption;
    CString m_strItem;        // the entry's text, in and out
    CString m_strKeyword;
    int m_nAction;
    CFileEdit m_documentEdit;
    CFileEdit m_applicationEdit;
    // Empty: the application's folder.
    CString m_strProjectFolder;

    // The longest entry the project keeps.
    enum { MAX_ITEM = 1023 };

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBrowseDocument();
    void OnBrowseApplication();
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    void BrowseInto(CString& strField);
};
