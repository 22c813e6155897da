#include "framework/RegKey.h"

LONG CRegKey::Open(HKEY hKeyParent, LPCSTR lpszKeyName, REGSAM samDesired)
{
    HKEY hKey = nullptr;
    LONG lResult = ::RegOpenKeyExA(hKeyParent, lpszKeyName, 0, samDesired, &hKey);
    if (lResult == ERROR_SUCCESS)
    {
        Close();
        m_hKey = hKey;
    }
    return lResult;
}

LONG CRegKey::Create(HKEY hKeyParent, LPCSTR lpszKeyName, REGSAM samDesired)
{
    HKEY hKey = nullptr;
    LONG lResult = ::RegCreateKeyExA(hKeyParent, lpszKeyName, 0, nullptr, REG_OPTION_NON_VOLATILE, samDesired,
                                     nullptr, &hKey, nullptr);
    if (lResult == ERROR_SUCCESS)
    {
        Close();
        m_hKey = hKey;
    }
    return lResult;
}

LONG CRegKey::Close()
{
    if (m_hKey == nullptr)
        return ERROR_SUCCESS;
    LONG lResult = ::RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return lResult;
}

LONG CRegKey::QueryValue(LPSTR szValue, LPCSTR lpszValueName, DWORD* pdwCount)
{
    DWORD nCapacity = *pdwCount;
    DWORD dwType = 0;
    DWORD cb = nCapacity;
    LONG lResult = ::RegQueryValueExA(m_hKey, lpszValueName, nullptr, &dwType, reinterpret_cast<LPBYTE>(szValue), &cb);
    *pdwCount = cb;
    if (lResult != ERROR_SUCCESS)
        return lResult;
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ)
        return ERROR_INVALID_DATA;
    if (szValue == nullptr || nCapacity == 0)
        return ERROR_SUCCESS;
    // A value stored without its ending zero gets one, when it fits.
    if (cb < nCapacity)
        szValue[cb] = '\0';
    else if (szValue[nCapacity - 1] != '\0')
    {
        szValue[nCapacity - 1] = '\0';
        *pdwCount = cb + 1;
        return ERROR_MORE_DATA;
    }
    return ERROR_SUCCESS;
}

LONG CRegKey::QueryValue(DWORD& dwValue, LPCSTR lpszValueName)
{
    DWORD dwType = 0;
    DWORD cb = sizeof(dwValue);
    LONG lResult = ::RegQueryValueExA(m_hKey, lpszValueName, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue), &cb);
    if (lResult == ERROR_SUCCESS && dwType != REG_DWORD)
        return ERROR_INVALID_DATA;
    return lResult;
}

LONG CRegKey::SetValue(LPCSTR lpszValue, LPCSTR lpszValueName)
{
    return ::RegSetValueExA(m_hKey, lpszValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                            (DWORD)lstrlenA(lpszValue) + 1);
}

LONG CRegKey::SetValue(DWORD dwValue, LPCSTR lpszValueName)
{
    return ::RegSetValueExA(m_hKey, lpszValueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                            sizeof(dwValue));
}
