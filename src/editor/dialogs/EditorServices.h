// What the editor's dialogs need of the application: its help pages, the
// project folder and the rule that stores paths relative to it, the editor's
// own folder, the external button-image program and the editor's settings
// (section SETTINGS of its registry key). The application installs its
// implementation at start-up; until then, and when it is gone, a quiet one
// answers with empty values and defaults.
#pragma once

#include "framework/String.h"

class IEditorServices
{
public:
    virtual ~IEditorServices() = default;

    // One page of the main HTML help, e.g. "hilfe_button.htm".
    virtual void ShowHelpPage(LPCSTR lpszPage) = 0;
    // One page of the quick-information help.
    virtual void ShowQuickInfo(LPCSTR lpszPage) = 0;

    // Folders without trailing backslash; empty when not known.
    virtual CString GetProjectFolder() = 0;
    virtual CString GetEditorFolder() = 0;
    // Rewrites a path inside the project folder with "_CURRENTDIR_".
    virtual void MakeProjectRelativePath(CString& strPath, BOOL bWarn) = 0;

    // The external button-image program: open it (on the file when one is
    // given), the file it handed back (empty when none; taking empties it),
    // and end the automation.
    virtual void OpenInOrvenna(LPCSTR lpszFile) = 0;
    virtual CString TakeReturnedImageFile() = 0;
    virtual void CloseOrvenna() = 0;

    // Values of the section SETTINGS.
    virtual int GetSettingInt(LPCSTR lpszKey, int nDefault) = 0;
    virtual void WriteSettingInt(LPCSTR lpszKey, int nValue) = 0;
    virtual CString GetSettingString(LPCSTR lpszKey, LPCSTR lpszDefault) = 0;
    virtual void WriteSettingString(LPCSTR lpszKey, LPCSTR lpszValue) = 0;
};

// Installs the services (null: the quiet ones again); the caller keeps
// ownership and must uninstall them before they go. Returns the previous ones.
IEditorServices* InstallEditorServices(IEditorServices* pServices);

// The installed services, or the quiet ones.
IEditorServices& EditorServices();
