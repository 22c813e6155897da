#include "editor/app/EditorAppServices.h"

#include "editor/app/TarnixEdApp.h"

namespace {

const char kSettings[] = "SETTINGS";

} // namespace

void CEditorAppServices::Install()
{
    if (m_bInstalled)
        return;
    m_pPrevious = InstallEditorServices(this);
    m_bInstalled = true;
}

void CEditorAppServices::Uninstall()
{
    if (!m_bInstalled)
        return;
    InstallEditorServices(m_pPrevious);
    m_pPrevious = nullptr;
    m_bInstalled = false;
}

void CEditorAppServices::ShowHelpPage(LPCSTR lpszPage)
{
    m_app.ShowHelpPage(lpszPage);
}

void CEditorAppServices::ShowQuickInfo(LPCSTR lpszPage)
{
    m_app.ShowQuickInfo(lpszPage);
}

CString CEditorAppServices::GetProjectFolder()
{
    return m_app.m_strProjectFolder;
}

CString CEditorAppServices::GetEditorFolder()
{
    return m_app.m_strEditorFolder;
}

void CEditorAppServices::MakeProjectRelativePath(CString& strPath, BOOL bWarn)
{
    m_app.MakeProjectRelativePath(strPath, bWarn);
}

void CEditorAppServices::OpenInOrvenna(LPCSTR lpszFile)
{
    m_app.OpenInOrvenna(lpszFile);
}

CString CEditorAppServices::TakeReturnedImageFile()
{
    return m_app.TakeReturnedImageFile();
}

void CEditorAppServices::CloseOrvenna()
{
    m_app.CloseOrvenna();
}

int CEditorAppServices::GetSettingInt(LPCSTR lpszKey, int nDefault)
{
    return (int)m_app.GetProfileInt(kSettings, lpszKey, nDefault);
}

void CEditorAppServices::WriteSettingInt(LPCSTR lpszKey, int nValue)
{
    m_app.WriteProfileInt(kSettings, lpszKey, nValue);
}

CString CEditorAppServices::GetSettingString(LPCSTR lpszKey, LPCSTR lpszDefault)
{
    return m_app.GetProfileString(kSettings, lpszKey, lpszDefault);
}

void CEditorAppServices::WriteSettingString(LPCSTR lpszKey, LPCSTR lpszValue)
{
    m_app.WriteProfileString(kSettings, lpszKey, lpszValue);
}
