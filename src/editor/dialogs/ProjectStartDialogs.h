// The application's project start dialogs: the Start Center, the open-project
// dialog and the new-project dialog, each run modally over the main window.
#pragma once

#include "editor/dialogs/StartDialogs.h"

class CProjectStartDialogs : public CStartDialogs
{
public:
    StartChoice RunStartCenter() override;
    BOOL RunOpenProject(CString& strPath) override;
    BOOL RunNewProject(CString& strFolder) override;
};
