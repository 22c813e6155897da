// Page "Verknüpfung" of the button sheet: the document or program a button
// opens, its parameter and the button's function.
#pragma once

#include "editor/dialogs/ButDlgPage.h"
#include "editor/dialogs/FileEdit.h"

#include <functional>

class CButDlg_Page2 : public CButDlgPage
{
    DECLARE_DYNAMIC(CButDlg_Page2)
public:
    CButDlg_Page2();

    static constexpr int kMaxField = 240;
    // A parameter may be as long as a page keeps it (the reader takes 298
    // characters): a text viewer's command line is one, and a button whose
    // parameter the page holds must still be editable here.
    static constexpr int kMaxParameter = 298;

    CString m_strApplication;
    CString m_strDocument;
    CString m_strParameter;
    int m_nFunction;
    CString m_strProjectFolder;
    CFileEdit m_documentEdit;
    CFileEdit m_applicationEdit;
    // Shows a file of the quick-information help (the sheet's).
    std::function<void(LPCSTR lpszFile)> m_showQuickInfoFile;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void BrowseInto(CString& strField);
    void OnBrowseDocument() { BrowseInto(m_strDocument); }
    void OnBrowseApplication() { BrowseInto(m_strApplication); }
    void OnFunctionInfo();
    void OnLinkInfo();

    DECLARE_MESSAGE_MAP()
};
