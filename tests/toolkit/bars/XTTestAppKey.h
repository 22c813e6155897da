// Points the test application at a registry key of its own while it lives,
// and removes that key afterwards.
#pragma once

#include "framework/String.h"
#include "framework/WinApp.h"

namespace toolkit_test {

class AppKeyScope
{
public:
    AppKeyScope(LPCSTR pszCompany, LPCSTR pszProfile)
        : m_strKey(CString("Software\\") + pszCompany), m_pszSavedKey(AfxGetApp()->m_pszRegistryKey),
          m_pszSavedProfile(AfxGetApp()->m_pszProfileName)
    {
        AfxGetApp()->m_pszRegistryKey = pszCompany;
        AfxGetApp()->m_pszProfileName = pszProfile;
    }
    AppKeyScope(const AppKeyScope&) = delete;
    AppKeyScope& operator=(const AppKeyScope&) = delete;
    ~AppKeyScope()
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, m_strKey);
        AfxGetApp()->m_pszRegistryKey = m_pszSavedKey;
        AfxGetApp()->m_pszProfileName = m_pszSavedProfile;
    }

private:
    CString m_strKey;
    LPCSTR m_pszSavedKey;
    LPCSTR m_pszSavedProfile;
};

} // namespace toolkit_test
