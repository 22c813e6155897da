// List-box wizard: the folder of the listed files and their pattern.
#pragma once

#include "editor/dialogs/ListboxWizardPage.h"

class CLB_FolderPage : public CListboxWizardPage
{
    DECLARE_DYNAMIC(CLB_FolderPage)
public:
    explicit CLB_FolderPage(CListboxWizard* pWizard);

    CString m_strPattern;
    CString m_strFolder;
    CString m_strProjectFolder;

    // TRUE when the pattern names picture files.
    static BOOL IsPicturePattern(const CString& strPattern);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL CheckAndStore() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();

    DECLARE_MESSAGE_MAP()

private:
    // The values the page started with: a change asks for a new list file.
    CString m_strInitialPattern;
    CString m_strInitialFolder;
};
