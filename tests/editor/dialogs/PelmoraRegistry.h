// The show-authoring program's registry entries as a test wants them, under the
// current user of the test prefix; the key is removed again at the end, or its
// former values are put back.
#pragma once

#include "framework/RegKey.h"
#include "framework/String.h"

#include <shlwapi.h>

#include <map>
#include <string>

namespace dialog_tests {

class PelmoraRegistry
{
public:
    static constexpr const char* kKey = "Software\\Morvadeth\\Pelmora\\Settings";
    static constexpr const char* kProductKey = "Software\\Morvadeth\\Pelmora";

    PelmoraRegistry()
    {
        CRegKey key;
        m_bExisted = key.Open(HKEY_CURRENT_USER, kProductKey, KEY_READ) == ERROR_SUCCESS;
        if (m_bExisted && key.Open(HKEY_CURRENT_USER, kKey, KEY_READ) == ERROR_SUCCESS)
            for (LPCSTR name : kNames)
            {
                char szValue[300] = "";
                DWORD nCount = sizeof(szValue);
                if (key.QueryValue(szValue, name, &nCount) == ERROR_SUCCESS)
                    m_saved[name] = szValue;
            }
        Clear();
    }
    ~PelmoraRegistry()
    {
        Clear();
        if (!m_bExisted)
        {
            ::SHDeleteKeyA(HKEY_CURRENT_USER, kProductKey);
            return;
        }
        CRegKey key;
        key.Create(HKEY_CURRENT_USER, kKey);
        for (const auto& value : m_saved)
            key.SetValue(value.second.c_str(), value.first.c_str());
    }
    PelmoraRegistry(const PelmoraRegistry&) = delete;
    PelmoraRegistry& operator=(const PelmoraRegistry&) = delete;

    // The three values; an empty one is left out.
    void Set(LPCSTR lpszVersion, LPCSTR lpszPlayer, LPCSTR lpszAuthoring)
    {
        Clear();
        CRegKey key;
        key.Create(HKEY_CURRENT_USER, kKey);
        LPCSTR values[] = { lpszVersion, lpszPlayer, lpszAuthoring };
        for (int i = 0; i < 3; ++i)
            if (values[i] != nullptr && *values[i] != '\0')
                key.SetValue(values[i], kNames[i]);
    }
    void Clear() { ::SHDeleteKeyA(HKEY_CURRENT_USER, kKey); }

private:
    static constexpr LPCSTR kNames[3] = { "VERSION", "LUMIVANE_APP_PATHNAME", "PELMORA_APP_PATHNAME" };
    BOOL m_bExisted = FALSE;
    std::map<std::string, std::string> m_saved;
};

} // namespace dialog_tests
