// Picture-show wizard: the show's settings file, when the author keeps it
// elsewhere or under another name.
#pragma once

#include "editor/dialogs/LumivanePage.h"

class CLumivanePage5 : public CLumivanePage
{
    DECLARE_DYNAMIC(CLumivanePage5)
public:
    explicit CLumivanePage5(CLumivaneSheet* pWizard);

    CString m_strSettingsFile;

    BOOL CheckAndStore() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();

    DECLARE_MESSAGE_MAP()
};
