// The temporary folder's variables TEMP and TMP, put back as they were when
// the scope ends.
#pragma once

#include "framework/String.h"

#include <windows.h>

namespace support_testing {

class TempVariables
{
public:
    TempVariables() : m_strTemp(Get("TEMP")), m_strTmp(Get("TMP")) {}
    // Both point at the folder.
    explicit TempVariables(LPCSTR lpszFolder) : TempVariables()
    {
        Set("TEMP", lpszFolder);
        Set("TMP", lpszFolder);
    }
    ~TempVariables()
    {
        Set("TEMP", m_strTemp);
        Set("TMP", m_strTmp);
    }
    TempVariables(const TempVariables&) = delete;
    TempVariables& operator=(const TempVariables&) = delete;

    // An empty value removes the variable.
    static void Set(LPCSTR lpszName, const CString& strValue)
    {
        ::SetEnvironmentVariableA(lpszName, strValue.IsEmpty() ? nullptr : (LPCSTR)strValue);
    }

private:
    static CString Get(LPCSTR lpszName)
    {
        char szValue[MAX_PATH] = "";
        ::GetEnvironmentVariableA(lpszName, szValue, MAX_PATH);
        return szValue;
    }

    CString m_strTemp;
    CString m_strTmp;
};

} // namespace support_testing
