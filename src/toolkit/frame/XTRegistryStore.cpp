#include "toolkit/frame/XTRegistryStore.h"

#include "toolkit/frame/XTGlobalData.h"

#include "framework/WinApp.h"

#include <vector>

namespace {

const REGSAM kKeyAccess = KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE;

// Closes a registry key at the end of the scope.
class CRegKeyScope
{
public:
    explicit CRegKeyScope(HKEY hKey) : m_hKey(hKey) {}
    CRegKeyScope(const CRegKeyScope&) = delete;
    CRegKeyScope& operator=(const CRegKeyScope&) = delete;
    ~CRegKeyScope()
    {
        if (m_hKey != nullptr)
            ::RegCloseKey(m_hKey);
    }
    operator HKEY() const { return m_hKey; }

private:
    HKEY m_hKey;
};

// The type and size of a value; FALSE when it is missing.
BOOL QueryValueInfo(HKEY hKey, LPCSTR lpszEntry, DWORD& dwType, DWORD& dwSize)
{
    return ::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, nullptr, &dwSize) == ERROR_SUCCESS;
}

} // namespace

CXTRegistryStore::CXTRegistryStore(HKEY hRootKey)
    : m_hRootKey(hRootKey), m_strIniFile(xtAfxData.m_strIniOverride), m_pApp(AfxGetApp())
{
}

CXTRegistryStore::~CXTRegistryStore()
{
    for (const auto& section : m_mapSectionKeys)
        if (section.second != nullptr)
            ::RegCloseKey(section.second);
}

HKEY CXTRegistryStore::GetOpenSectionKey(LPCSTR lpszSection)
{
    if (lpszSection == nullptr)
        return nullptr;
    auto it = m_mapSectionKeys.find(lpszSection);
    if (it != m_mapSectionKeys.end())
        return it->second;
    // A section that cannot be opened is tried again next time.
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey != nullptr)
        m_mapSectionKeys[lpszSection] = hKey;
    return hKey;
}

void CXTRegistryStore::CloseSectionKey(LPCSTR lpszSection)
{
    auto it = m_mapSectionKeys.find(lpszSection);
    if (it == m_mapSectionKeys.end())
        return;
    ::RegCloseKey(it->second);
    m_mapSectionKeys.erase(it);
}

HKEY CXTRegistryStore::GetAppRegistryKey()
{
    if (m_pApp == nullptr || m_pApp->m_pszRegistryKey == nullptr || m_pApp->m_pszProfileName == nullptr)
        return nullptr;
    HKEY hSoftware = nullptr;
    if (::RegOpenKeyExA(m_hRootKey, "Software", 0, kKeyAccess, &hSoftware) != ERROR_SUCCESS)
        return nullptr;
    CRegKeyScope software(hSoftware);
    HKEY hCompany = nullptr;
    if (::RegCreateKeyExA(software, m_pApp->m_pszRegistryKey, 0, nullptr, REG_OPTION_NON_VOLATILE, kKeyAccess,
                          nullptr, &hCompany, nullptr) != ERROR_SUCCESS)
        return nullptr;
    CRegKeyScope company(hCompany);
    HKEY hApp = nullptr;
    if (::RegCreateKeyExA(company, m_pApp->m_pszProfileName, 0, nullptr, REG_OPTION_NON_VOLATILE, kKeyAccess,
                          nullptr, &hApp, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return hApp;
}

HKEY CXTRegistryStore::GetSectionKey(LPCSTR lpszSection)
{
    if (lpszSection == nullptr)
        return nullptr;
    CRegKeyScope app(GetAppRegistryKey());
    if (app == nullptr)
        return nullptr;
    HKEY hSection = nullptr;
    if (::RegCreateKeyExA(app, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, kKeyAccess, nullptr, &hSection,
                          nullptr) != ERROR_SUCCESS)
        return nullptr;
    return hSection;
}

UINT CXTRegistryStore::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    if (IsIniMode())
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_strIniFile);
    HKEY key = GetOpenSectionKey(lpszSection);
    DWORD dwValue = 0, dwType = 0, dwSize = sizeof(dwValue);
    if (key == nullptr ||
        ::RegQueryValueExA(key, lpszEntry, nullptr, &dwType, (LPBYTE)&dwValue, &dwSize) != ERROR_SUCCESS ||
        dwType != REG_DWORD || dwSize != sizeof(dwValue))
        return (UINT)nDefault;
    return dwValue;
}

BOOL CXTRegistryStore::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    if (IsIniMode())
    {
        CString strValue;
        strValue.Format("%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, strValue, m_strIniFile);
    }
    HKEY key = GetOpenSectionKey(lpszSection);
    DWORD dwValue = (DWORD)nValue;
    return key != nullptr &&
           ::RegSetValueExA(key, lpszEntry, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue)) == ERROR_SUCCESS;
}

CString CXTRegistryStore::GetIniString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault) const
{
    // Grows the buffer until the whole value fits: a cut value would be a wrong one.
    std::vector<char> buffer(4096);
    for (;;)
    {
        DWORD nLength = ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault ? lpszDefault : "",
                                                   buffer.data(), (DWORD)buffer.size(), m_strIniFile);
        if (nLength + 1 < buffer.size() || buffer.size() >= 0x4000000)
            return CString(buffer.data(), (int)nLength);
        buffer.resize(buffer.size() * 4);
    }
}

CString CXTRegistryStore::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    if (IsIniMode())
        return GetIniString(lpszSection, lpszEntry, lpszDefault);
    HKEY key = GetOpenSectionKey(lpszSection);
    DWORD dwType = 0, dwSize = 0;
    if (key == nullptr || !QueryValueInfo(key, lpszEntry, dwType, dwSize) || dwType != REG_SZ)
        return CString(lpszDefault);
    // The stored size may lack the terminator: read it as stored and terminate.
    std::vector<char> buffer(dwSize + 1, '\0');
    if (::RegQueryValueExA(key, lpszEntry, nullptr, &dwType, (LPBYTE)buffer.data(), &dwSize) != ERROR_SUCCESS ||
        dwType != REG_SZ || dwSize >= buffer.size())
        return CString(lpszDefault);
    buffer[dwSize] = '\0';
    return CString(buffer.data());
}

BOOL CXTRegistryStore::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (IsIniMode())
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_strIniFile);
    if (lpszEntry == nullptr)
    {
        if (lpszSection != nullptr)
            CloseSectionKey(lpszSection);
        CRegKeyScope app(GetAppRegistryKey());
        return app != nullptr && lpszSection != nullptr && ::RegDeleteKeyA(app, lpszSection) == ERROR_SUCCESS;
    }
    HKEY key = GetOpenSectionKey(lpszSection);
    if (key == nullptr)
        return FALSE;
    if (lpszValue == nullptr)
        return ::RegDeleteValueA(key, lpszEntry) == ERROR_SUCCESS;
    return ::RegSetValueExA(key, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue, lstrlenA(lpszValue) + 1) ==
           ERROR_SUCCESS;
}

CString CXTRegistryStore::EncodeBinary(const BYTE* pData, UINT nBytes)
{
    std::vector<char> text(nBytes * 2);
    for (UINT i = 0; i < nBytes; ++i)
    {
        text[i * 2] = (char)('A' + (pData[i] & 0x0F));
        text[i * 2 + 1] = (char)('A' + (pData[i] >> 4));
    }
    return CString(text.data(), (int)text.size());
}

BOOL CXTRegistryStore::DecodeBinary(LPCSTR pszText, BYTE** ppData, UINT* pBytes)
{
    size_t nLength = pszText ? strlen(pszText) : 0;
    if (nLength == 0 || nLength % 2 != 0)
        return FALSE;
    for (size_t i = 0; i < nLength; ++i)
        if (pszText[i] < 'A' || pszText[i] > 'P')
            return FALSE;
    UINT nBytes = (UINT)(nLength / 2);
    BYTE* pData = new BYTE[nBytes];
    for (UINT i = 0; i < nBytes; ++i)
        pData[i] = (BYTE)((pszText[i * 2] - 'A') | ((pszText[i * 2 + 1] - 'A') << 4));
    *ppData = pData;
    *pBytes = nBytes;
    return TRUE;
}

BOOL CXTRegistryStore::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, BYTE** ppData, UINT* pBytes)
{
    if (ppData == nullptr || pBytes == nullptr)
        return FALSE;
    *ppData = nullptr;
    *pBytes = 0;
    if (IsIniMode())
        return DecodeBinary(GetIniString(lpszSection, lpszEntry, ""), ppData, pBytes);
    HKEY key = GetOpenSectionKey(lpszSection);
    DWORD dwType = 0, dwSize = 0;
    if (key == nullptr || !QueryValueInfo(key, lpszEntry, dwType, dwSize) || dwType != REG_BINARY || dwSize == 0)
        return FALSE;
    BYTE* pData = new BYTE[dwSize];
    DWORD dwRead = dwSize;
    if (::RegQueryValueExA(key, lpszEntry, nullptr, &dwType, pData, &dwRead) != ERROR_SUCCESS ||
        dwType != REG_BINARY || dwRead > dwSize)
    {
        delete[] pData;
        return FALSE;
    }
    *ppData = pData;
    *pBytes = dwRead;
    return TRUE;
}

BOOL CXTRegistryStore::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, const BYTE* pData, UINT nBytes)
{
    if (IsIniMode())
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, EncodeBinary(pData, nBytes), m_strIniFile);
    HKEY key = GetOpenSectionKey(lpszSection);
    return key != nullptr && ::RegSetValueExA(key, lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}

BOOL CXTRegistryStore::DeleteValue(LPCSTR lpszSection, LPCSTR lpszEntry)
{
    if (IsIniMode())
        return lpszEntry != nullptr && ::WritePrivateProfileStringA(lpszSection, lpszEntry, nullptr, m_strIniFile);
    CRegKeyScope app(GetAppRegistryKey());
    HKEY hSection = nullptr;
    if (app == nullptr || lpszSection == nullptr ||
        ::RegOpenKeyExA(app, lpszSection, 0, KEY_ALL_ACCESS, &hSection) != ERROR_SUCCESS)
        return FALSE;
    CRegKeyScope section(hSection);
    return ::RegDeleteValueA(section, lpszEntry) == ERROR_SUCCESS;
}
