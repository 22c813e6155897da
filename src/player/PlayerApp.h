// The player's application object: finds the project, sets the interface
// language from it and lets the document template create the document, the
// main frame and the view, from which everything visible is driven.
#pragma once

#include "framework/WinApp.h"
#include "shared/support/ProjectSettings.h"

class CLoadingDlg;

class CPlayerApp : public CWinApp
{
public:
    CPlayerApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    // The "Loading..." window while start-up runs.
    CLoadingDlg* ShowSplash();
    void HideSplash();

    CString m_strProjectFile;     // full path of the project in use
    CProjectSettings m_settings;  // every reader of the project goes through it
    CString m_strAppFolder;       // without a trailing backslash
    int m_nLoadCount;             // completed page loads
    void* m_pLoadOwner;           // context of the settings' open: null, INI file mode
    CLoadingDlg* m_pSplash;
};

// The running program's application object; null when the application is
// not the player's.
CPlayerApp* GetPlayerApp();
