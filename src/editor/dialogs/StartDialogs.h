// The project start dialogs as the application runs them. They live in the
// dialogs layer above the application, so the program hands the application
// an implementation at start-up; without one the dialogs report Cancel.
#pragma once

#include "framework/String.h"

class CStartDialogs
{
public:
    enum StartChoice
    {
        choiceNone = 0,        // Escape, Cancel or back to the editor
        choiceNewProject,
        choiceOpenProject,
        choiceExit,
    };

    virtual ~CStartDialogs() = default;

    // The Start Center; the first choice made, tested in the dialog's order.
    virtual StartChoice RunStartCenter() = 0;
    // The open-project dialog; TRUE with a path on OK.
    virtual BOOL RunOpenProject(CString& strPath) = 0;
    // The new-project dialog preset with the folder; TRUE with the folder on OK.
    virtual BOOL RunNewProject(CString& strFolder) = 0;
};
