// What the editor's dialogs ask of the application, answered by the editor's
// application object: help pages, folders, relative paths, the button-image
// program and the SETTINGS values of its registry key.
#pragma once

#include "editor/dialogs/EditorServices.h"

class CTarnixEdApp;

class CEditorAppServices : public IEditorServices
{
public:
    explicit CEditorAppServices(CTarnixEdApp& app) : m_app(app) {}
    CEditorAppServices(const CEditorAppServices&) = delete;
    CEditorAppServices& operator=(const CEditorAppServices&) = delete;

    // Makes these the dialogs' services, and gives them up again.
    void Install();
    void Uninstall();

    void ShowHelpPage(LPCSTR lpszPage) override;
    void ShowQuickInfo(LPCSTR lpszPage) override;
    CString GetProjectFolder() override;
    CString GetEditorFolder() override;
    void MakeProjectRelativePath(CString& strPath, BOOL bWarn) override;
    void OpenInOrvenna(LPCSTR lpszFile) override;
    CString TakeReturnedImageFile() override;
    void CloseOrvenna() override;
    int GetSettingInt(LPCSTR lpszKey, int nDefault) override;
    void WriteSettingInt(LPCSTR lpszKey, int nValue) override;
    CString GetSettingString(LPCSTR lpszKey, LPCSTR lpszDefault) override;
    void WriteSettingString(LPCSTR lpszKey, LPCSTR lpszValue) override;

private:
    CTarnixEdApp& m_app;
    IEditorServices* m_pPrevious = nullptr;
    bool m_bInstalled = false;
};
