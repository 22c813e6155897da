// First page of the list-box wizard, shown only when a list box is inserted.
#pragma once

#include "editor/dialogs/FontStatic.h"
#include "editor/dialogs/ListboxWizardPage.h"

class CLB_WELCOME_PAGE : public CListboxWizardPage
{
    DECLARE_DYNAMIC(CLB_WELCOME_PAGE)
public:
    explicit CLB_WELCOME_PAGE(CListboxWizard* pWizard);

    BOOL OnInitDialog() override;
    LRESULT OnWizardBack() override;

private:
    CFontStatic m_title;
};
