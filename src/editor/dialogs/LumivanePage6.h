// Picture-show wizard: the caption of the button that starts the show.
#pragma once

#include "editor/dialogs/LumivanePage.h"

class CLumivanePage6 : public CLumivanePage
{
    DECLARE_DYNAMIC(CLumivanePage6)
public:
    explicit CLumivanePage6(CLumivaneSheet* pWizard);

    CString m_strCaption;

    BOOL OnSetActive() override;
    LRESULT OnWizardBack() override;
    BOOL CheckAndStore() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_strOffered;   // the default caption last put into the field
};
