// Picture-show wizard: the author puts the show together in the authoring
// program, which writes the show's settings file.
#pragma once

#include "editor/dialogs/LumivanePage.h"

class CLumivanePage4 : public CLumivanePage
{
    DECLARE_DYNAMIC(CLumivanePage4)
public:
    explicit CLumivanePage4(CLumivaneSheet* pWizard);

    BOOL m_bStarted;

    BOOL CheckAndStore() override;

protected:
    BOOL OnInitDialog() override;
    void OnStartAuthoring();

    DECLARE_MESSAGE_MAP()
};
