// What the pages of the list-box wizard share: the wizard whose values they
// read and write, the wizard buttons they post, and the help page.
#pragma once

#include "framework/PropertyPage.h"

class CListboxWizard;

class CListboxWizardPage : public CPropertyPage
{
    DECLARE_DYNAMIC(CListboxWizardPage)
public:
    CListboxWizardPage(UINT nIDTemplate, CListboxWizard* pWizard);

    // The page's check of its fields, done alike by Next and Finish; TRUE
    // lets the wizard go on.
    virtual BOOL CheckAndStore() { return TRUE; }

    LRESULT OnWizardNext() override;
    BOOL OnWizardFinish() override;

protected:
    // Buttons are posted, so that they apply after the sheet's own update.
    void PostWizardButtons(DWORD dwFlags);
    void OnHelp();

    CListboxWizard* m_pWizard;

    DECLARE_MESSAGE_MAP()
};
