// The toolkit's profile store: integers, strings and binary values by section
// and entry, below HKCU\Software\<registry key>\<profile>\<section> of the
// application, or in the toolkit's INI file when the global data names one.
// Without a registry key and an INI file every read gives its default and
// every write fails; the store never touches the application's own INI file.
#pragma once

#include "framework/String.h"

#include <windows.h>

#include <map>

class CWinApp;

class CXTRegistryStore
{
public:
    // Construction
    explicit CXTRegistryStore(HKEY hRootKey = HKEY_CURRENT_USER);
    CXTRegistryStore(const CXTRegistryStore&) = delete;
    CXTRegistryStore& operator=(const CXTRegistryStore&) = delete;
    virtual ~CXTRegistryStore();

    // Operations
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // A null value deletes the entry, a null entry the whole section.
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    // TRUE and a new buffer (the caller frees it with delete[]) holding the value.
    BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, BYTE** ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, const BYTE* pData, UINT nBytes);
    BOOL DeleteValue(LPCSTR lpszSection, LPCSTR lpszEntry);

    // Binary values as INI text: per byte 'A' + low nibble, then 'A' + high nibble.
    static CString EncodeBinary(const BYTE* pData, UINT nBytes);
    // FALSE for an odd length or a letter outside A..P.
    static BOOL DecodeBinary(LPCSTR pszText, BYTE** ppData, UINT* pBytes);

    // Overridables: keys the caller closes; null when they cannot be opened.
    virtual HKEY GetAppRegistryKey();
    virtual HKEY GetSectionKey(LPCSTR lpszSection);

protected:
    BOOL IsIniMode() const { return !m_strIniFile.IsEmpty(); }
    CString GetIniString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault) const;
    // The section's key, opened once for the store's life and closed with it
    // (opening the path of keys costs more than reading a value); null when
    // it cannot be opened.
    HKEY GetOpenSectionKey(LPCSTR lpszSection);
    void CloseSectionKey(LPCSTR lpszSection);

    HKEY m_hRootKey;
    CString m_strIniFile;
    CWinApp* m_pApp;

private:
    std::map<CString, HKEY> m_mapSectionKeys;
};
