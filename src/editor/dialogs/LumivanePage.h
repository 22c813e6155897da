// What the pages of the picture-show wizard share: the sheet whose values
// they read and write, their wizard buttons, and one check for Next and
// Finish.
#pragma once

#include "framework/PropertyPage.h"

class CLumivaneSheet;

class CLumivanePage : public CPropertyPage
{
    DECLARE_DYNAMIC(CLumivanePage)
public:
    CLumivanePage(UINT nIDTemplate, CLumivaneSheet* pWizard, DWORD dwWizardButtons);

    // The page's check of its fields, done alike by Next and Finish; TRUE
    // lets the wizard go on.
    virtual BOOL CheckAndStore() { return TRUE; }

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    BOOL OnWizardFinish() override;

protected:
    CLumivaneSheet* m_pWizard;
    DWORD m_dwWizardButtons;
};
