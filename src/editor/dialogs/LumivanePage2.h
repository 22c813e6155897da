// Picture-show wizard: opens the show folder, so that the author copies the
// pictures into it.
#pragma once

#include "editor/dialogs/LumivanePage.h"

class CLumivanePage2 : public CLumivanePage
{
    DECLARE_DYNAMIC(CLumivanePage2)
public:
    explicit CLumivanePage2(CLumivaneSheet* pWizard);

protected:
    BOOL OnInitDialog() override;
    void OnCopyPictures();

    DECLARE_MESSAGE_MAP()
};
