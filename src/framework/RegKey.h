// An open registry key, closed when the object goes.
#pragma once

#include "framework/String.h"

class CRegKey
{
public:
    CRegKey() = default;
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    ~CRegKey() { Close(); }

    HKEY m_hKey = nullptr;
    operator HKEY() const { return m_hKey; }

    // Opens an existing key with the access asked for; ERROR_SUCCESS or the error.
    LONG Open(HKEY hKeyParent, LPCSTR lpszKeyName, REGSAM samDesired = KEY_READ | KEY_WRITE);
    LONG Create(HKEY hKeyParent, LPCSTR lpszKeyName, REGSAM samDesired = KEY_READ | KEY_WRITE);
    // Closes the key held (ERROR_SUCCESS, also when none was held).
    LONG Close();
    // Reads a string value into the buffer of *pdwCount characters (ending zero
    // included); *pdwCount gets the characters needed.
    LONG QueryValue(LPSTR szValue, LPCSTR lpszValueName, DWORD* pdwCount);
    LONG QueryValue(DWORD& dwValue, LPCSTR lpszValueName);
    LONG SetValue(LPCSTR lpszValue, LPCSTR lpszValueName);
    LONG SetValue(DWORD dwValue, LPCSTR lpszValueName);
    LONG DeleteValue(LPCSTR lpszValueName) { return ::RegDeleteValueA(m_hKey, lpszValueName); }
};
