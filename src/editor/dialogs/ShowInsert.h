// Puts a picture show onto the menu medium: a folder of pictures in the
// project, a show settings file made by the show-authoring program Pelmora,
// and a copy of the picture-show player Lumivane in that folder, which a menu
// button then starts. Both programs are found through Pelmora's registry
// entries, read on construction.
#pragma once

#include "framework/String.h"

class CWnd;

class CShowInsert
{
public:
    CShowInsert();

    // Where the programs are, when they count as installed.
    struct PROGRAMS
    {
        CString strVersion;
        CString strPlayerPath;
        CString strAuthoringPath;
        BOOL bInstalled = FALSE;
    };
    // Reads Pelmora's settings key of the current user: a version from 122 on
    // and both program files readable make the programs installed.
    static PROGRAMS LookUpPrograms();
    // A version text that the programs must at least have.
    static BOOL IsVersionSupported(LPCSTR lpszVersion);

    BOOL IsInstalled() const { return m_bInstalled; }

    // Runs the wizard on the project folder and copies the player into the
    // show folder; TRUE when the copy is in place.
    BOOL Run(const CString& strTargetFolder, CWnd* pParentWnd = nullptr);

    // The player's parameter that opens the show: its settings file, named
    // relative to the show folder when it lies there; empty without one.
    CString GetShowParameter() const;

    // Results
    CString m_strShowFolder;
    CString m_strPlayerCopy;       // full path of the copied player
    CString m_strButtonCaption;
    CString m_strSettingsFile;
    // Found in the registry
    CString m_strVersion;
    CString m_strPlayerPath;       // LUMIVANE_APP_PATHNAME
    CString m_strAuthoringPath;    // PELMORA_APP_PATHNAME
    BOOL m_bInstalled;
    CString m_strTargetFolder;

    static const char kPlayerName[];
};
