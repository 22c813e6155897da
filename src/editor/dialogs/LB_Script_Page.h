// List-box wizard: writes the list file (or updates its script) when it
// becomes active and shows the file's text.
#pragma once

#include "editor/dialogs/ListboxWizardPage.h"

class CLB_Script_Page : public CListboxWizardPage
{
    DECLARE_DYNAMIC(CLB_Script_Page)
public:
    explicit CLB_Script_Page(CListboxWizard* pWizard);

    CString m_strListFile;
    CString m_strListText;

    BOOL OnSetActive() override;
    BOOL CheckAndStore() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOpenList();

    DECLARE_MESSAGE_MAP()

private:
    BOOL WriteListFile();
};
