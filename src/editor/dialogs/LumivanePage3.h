// Picture-show wizard: the player's basic settings, or configuring the show.
// With the basic settings the wizard skips the configuring pages.
#pragma once

#include "editor/dialogs/LumivanePage.h"

class CLumivanePage3 : public CLumivanePage
{
    DECLARE_DYNAMIC(CLumivanePage3)
public:
    explicit CLumivanePage3(CLumivaneSheet* pWizard);

    int m_nChoice;

    LRESULT OnWizardNext() override;
    BOOL CheckAndStore() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
