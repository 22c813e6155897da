// Picture-show wizard: the folder in which the show is made.
#pragma once

#include "editor/dialogs/LumivanePage.h"

class CLumivanePage1 : public CLumivanePage
{
    DECLARE_DYNAMIC(CLumivanePage1)
public:
    explicit CLumivanePage1(CLumivaneSheet* pWizard);

    CString m_strShowFolder;

    BOOL CheckAndStore() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();

    DECLARE_MESSAGE_MAP()
};
