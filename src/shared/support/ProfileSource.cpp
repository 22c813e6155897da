#include "shared/support/ProfileSource.h"

#include "shared/support/FileUtils.h"
#include "shared/support/ProjectFormat.h"

#include <stdlib.h>
#include <vector>

IMPLEMENT_DYNAMIC(CProfileSource, CObject)

namespace {

// Copies text into a buffer of nSize characters, cut to nSize - 1 and
// terminated; returns the number of characters copied.
int CopyToBuffer(LPCSTR pszText, int nLength, LPSTR lpBuffer, int nSize)
{
    if (lpBuffer == nullptr || nSize <= 0)
        return 0;
    int nCopy = nLength < nSize - 1 ? nLength : nSize - 1;
    memcpy(lpBuffer, pszText, nCopy);
    lpBuffer[nCopy] = '\0';
    return nCopy;
}

std::string Upper(LPCSTR psz)
{
    std::string str(psz != nullptr ? psz : "");
    if (!str.empty())
        CharUpperBuffA(&str[0], (DWORD)str.size());
    return str;
}

// A default as the profile functions hand it out: without trailing blanks.
std::string WithoutTrailingBlanks(const std::string& str)
{
    size_t nLast = str.find_last_not_of(" \t");
    return nLast == std::string::npos ? std::string() : str.substr(0, nLast + 1);
}

std::string Trimmed(const std::string& str)
{
    size_t nFirst = str.find_first_not_of(" \t");
    if (nFirst == std::string::npos)
        return std::string();
    size_t nLast = str.find_last_not_of(" \t");
    return str.substr(nFirst, nLast - nFirst + 1);
}

// Copies a value as the profile functions hand it out: one pair of matching
// single or double quotes around it is dropped, the closing one only when
// the rest fits the buffer.
int CopyValue(const std::string& strValue, LPSTR lpBuffer, int nSize)
{
    std::string str = strValue;
    bool bQuoted = str.size() >= 2 && (str[0] == '"' || str[0] == '\'') && str.back() == str[0];
    if (bQuoted)
        str.erase(0, 1);
    int nCopied = CopyToBuffer(str.c_str(), (int)str.size(), lpBuffer, nSize);
    if (bQuoted && nCopied > 0 && nSize >= (int)str.size())
        lpBuffer[--nCopied] = '\0';
    return nCopied;
}

// An integer value as the profile functions read it: blanks, a sign, a 0x,
// 0o or 0b prefix for other bases, digits up to the first other character.
int ProfileNumber(const std::string& str)
{
    size_t i = str.find_first_not_of(" \t");
    if (i == std::string::npos)
        return 0;
    bool bNegative = false;
    if (str[i] == '+' || str[i] == '-')
        bNegative = str[i++] == '-';
    unsigned nBase = 10;
    if (i + 1 < str.size() && str[i] == '0')
    {
        char chPrefix = str[i + 1];
        nBase = chPrefix == 'x' || chPrefix == 'X' ? 16 : chPrefix == 'o' || chPrefix == 'O' ? 8
              : chPrefix == 'b' || chPrefix == 'B' ? 2 : 10;
        if (nBase != 10)
            i += 2;
    }
    unsigned nValue = 0;
    for (; i < str.size(); ++i)
    {
        char ch = str[i];
        unsigned nDigit = ch >= '0' && ch <= '9' ? unsigned(ch - '0')
                        : ch >= 'a' && ch <= 'f' ? unsigned(ch - 'a' + 10)
                        : ch >= 'A' && ch <= 'F' ? unsigned(ch - 'A' + 10) : 99u;
        if (nDigit >= nBase)
            break;
        nValue = nValue * nBase + nDigit;
    }
    return bNegative ? -(int)nValue : (int)nValue;
}

} // namespace

void CProfileSource::Close()
{
    // A whole file stays in memory; the sections of an INI file are read anew.
    if (m_nMode == modeWholeFile)
        return;
    m_bCacheSections = FALSE;
    ForgetSections();
}

void CProfileSource::ForgetSections()
{
    m_sections.clear();
    m_names.clear();
    m_bNamesRead = FALSE;
    m_bParsed = FALSE;
}

namespace {

// White space as the profile functions skip it around lines, names and values.
// A no-break space (0xA0) is none: it stays part of a name or value.
bool IsProfileSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\x1A';
}

// A name or a value ends at a zero byte, as the profile functions see it.
std::string ValueOf(const std::string& str)
{
    size_t nZero = str.find('\0');
    return nZero == std::string::npos ? str : str.substr(0, nZero);
}

std::string NameOf(const std::string& str)
{
    return Trimmed(ValueOf(str));
}

std::string WithoutProfileSpace(const std::string& str)
{
    size_t nFirst = 0, nLast = str.size();
    while (nFirst < nLast && IsProfileSpace(str[nFirst]))
        ++nFirst;
    while (nLast > nFirst && IsProfileSpace(str[nLast - 1]))
        --nLast;
    return str.substr(nFirst, nLast - nFirst);
}

} // namespace

BOOL CProfileSource::SectionNameOfLine(const std::string& rawLine, std::string& strName)
{
    const std::string line = WithoutProfileSpace(rawLine);
    size_t nClose = line.rfind(']');
    if (line.empty() || line[0] != '[' || nClose == std::string::npos)
        return FALSE;
    strName = Upper(NameOf(line.substr(1, nClose - 1)).c_str());
    return TRUE;
}

std::string CProfileSource::KeyNameOfLine(const std::string& rawLine)
{
    const std::string line = WithoutProfileSpace(rawLine);
    return Upper(NameOf(WithoutProfileSpace(line.substr(0, line.find('=')))).c_str());
}

BOOL CProfileSource::ParseIniFile()
{
    std::string text;
    if (!ReadFileBytes(m_strPath, text, kMaxWholeFileSize))
        return FALSE;
    // Unicode files are converted by the profile functions; they answer those.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0 || text.compare(0, 2, "\xFF\xFE") == 0
        || text.compare(0, 2, "\xFE\xFF") == 0)
        return FALSE;

    // A line ends at the first CR or LF; the run of CRs and LFs after it (empty
    // lines among them) belongs to that end.
    Section* pSection = nullptr;   // keys before the first header belong to none asked for
    std::set<std::string> seen;
    for (size_t nStart = 0; nStart < text.size();)
    {
        size_t nEnd = text.find_first_of("\r\n", nStart);
        nEnd = nEnd == std::string::npos ? text.size() : nEnd;
        size_t nFirst = nStart, nLast = nEnd;
        nStart = text.find_first_not_of("\r\n", nEnd);
        nStart = nStart == std::string::npos ? text.size() : nStart;
        std::string line = WithoutProfileSpace(text.substr(nFirst, nLast - nFirst));
        if (line.empty())
            continue;
        std::string strName;
        if (SectionNameOfLine(line, strName))
        {
            // Only the first section of a name counts.
            pSection = seen.insert(strName).second ? &m_sections[strName] : nullptr;
            continue;
        }
        if (pSection == nullptr)
            continue;
        size_t nEquals = line.find('=');
        if (nEquals == std::string::npos)
        {
            pSection->emplace(KeyNameOfLine(line), std::make_pair(false, std::string()));
            continue;
        }
        size_t nValue = nEquals + 1;
        while (nValue < line.size() && IsProfileSpace(line[nValue]))
            ++nValue;
        pSection->emplace(KeyNameOfLine(line), std::make_pair(true, ValueOf(line.substr(nValue))));
    }
    return TRUE;
}

BOOL CProfileSource::FindCached(LPCSTR lpszSection, LPCSTR lpszKey, std::string& strValue)
{
    const Section& section = CachedSection(lpszSection);
    auto found = section.find(Upper(Trimmed(lpszKey).c_str()));
    if (found == section.end() || !found->second.first)
        return FALSE;
    strValue = found->second.second;
    return TRUE;
}

namespace {

// The strings of a profile function's answer: each ends in a zero, an empty
// one ends the list. The function fills the buffer and answers its length;
// a full buffer is tried again larger.
template <typename Fill>
std::vector<std::string> ProfileStrings(Fill fill)
{
    std::string buffer(4096, '\0');
    DWORD nGot = 0;
    for (;;)
    {
        nGot = fill(&buffer[0], (DWORD)buffer.size());
        if (nGot + 2 < buffer.size() || buffer.size() >= CProfileSource::kMaxWholeFileSize)
            break;
        buffer.assign(buffer.size() * 4, '\0');
    }
    std::vector<std::string> strings;
    for (size_t nStart = 0; nStart < nGot && buffer[nStart] != '\0';)
    {
        strings.emplace_back(buffer.c_str() + nStart);
        nStart += strings.back().size() + 1;
    }
    return strings;
}

} // namespace

const CProfileSource::Section& CProfileSource::CachedSection(LPCSTR lpszSection)
{
    std::string strName = Upper(Trimmed(lpszSection).c_str());
    if (!m_bNamesRead && !m_bParsed)
        m_bParsed = ParseIniFile();
    auto found = m_sections.find(strName);
    if (found != m_sections.end() || m_bParsed)
        return m_sections[strName];
    Section& section = m_sections[strName];
    // A page asks for many sections it does not have (the numbers beyond its
    // last button, say): the file's section names, read once, answer those.
    if (!m_bNamesRead)
    {
        for (const std::string& strSection : ProfileStrings([this](LPSTR lpBuffer, DWORD nSize) {
                 return GetPrivateProfileSectionNamesA(lpBuffer, nSize, m_strPath);
             }))
            m_names.insert(Upper(Trimmed(strSection).c_str()));
        m_bNamesRead = TRUE;
    }
    if (m_names.count(strName) == 0)
        return section;
    // The whole section in one call: "key=value" strings.
    for (const std::string& strEntry : ProfileStrings([this, lpszSection](LPSTR lpBuffer, DWORD nSize) {
             return GetPrivateProfileSectionA(lpszSection, lpBuffer, nSize, m_strPath);
         }))
    {
        size_t nEquals = strEntry.find('=');
        // The first of two equal keys counts, as with the profile functions.
        if (nEquals == std::string::npos)
            section.emplace(Upper(Trimmed(strEntry).c_str()), std::make_pair(false, std::string()));
        else
            section.emplace(Upper(Trimmed(strEntry.substr(0, nEquals)).c_str()),
                            std::make_pair(true, Trimmed(strEntry.substr(nEquals + 1))));
    }
    return section;
}

BOOL CProfileSource::SetIniFile(LPCSTR lpszPath)
{
    m_bCacheSections = FALSE;
    ForgetSections();
    m_nMode = modeIniFile;
    m_strPath = lpszPath;
    return TRUE;
}

BOOL CProfileSource::SetNone()
{
    m_nMode = modeNone;
    return TRUE;
}

BOOL CProfileSource::SetMemoryText()
{
    m_nMode = modeMemoryText;
    return FALSE;
}

BOOL CProfileSource::OpenFile(LPCSTR lpszPath)
{
    ForgetSections();
    m_nMode = modeWholeFile;
    m_strPath = lpszPath;
    m_bParsed = ParseIniFile();
    return m_bParsed && m_sections.count(Upper(ProjectFormat::kSecPlayerLanguage)) > 0;
}

int CProfileSource::GetString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, LPSTR lpBuffer, int nSize)
{
    if (lpBuffer == nullptr || nSize <= 0)
        return 0;
    switch (m_nMode)
    {
    case modeIniFile:
    case modeWholeFile:
        if (UsesCache() && lpszSection != nullptr && lpszKey != nullptr)
        {
            std::string strValue;
            if (FindCached(lpszSection, lpszKey, strValue))
                return CopyValue(strValue, lpBuffer, nSize);
            std::string strDefault = WithoutTrailingBlanks(lpszDefault != nullptr ? lpszDefault : "");
            return CopyToBuffer(strDefault.c_str(), (int)strDefault.size(), lpBuffer, nSize);
        }
        return (int)GetPrivateProfileStringA(lpszSection, lpszKey, lpszDefault, lpBuffer, (DWORD)nSize, m_strPath);
    case modeMemoryText:
        return CopyToBuffer(lpszDefault != nullptr ? lpszDefault : "", lpszDefault != nullptr ? lstrlenA(lpszDefault) : 0,
                            lpBuffer, nSize);
    default:
        return (int)GetProfileStringA(lpszSection, lpszKey, lpszDefault, lpBuffer, (DWORD)nSize);
    }
}

int CProfileSource::GetInt(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault)
{
    switch (m_nMode)
    {
    case modeIniFile:
    case modeWholeFile:
        if (UsesCache() && lpszSection != nullptr && lpszKey != nullptr)
        {
            std::string strValue;
            char szValue[30] = "";
            if (!FindCached(lpszSection, lpszKey, strValue) || CopyValue(strValue, szValue, sizeof(szValue)) == 0)
                return nDefault;
            return ProfileNumber(szValue);
        }
        return (int)GetPrivateProfileIntA(lpszSection, lpszKey, nDefault, m_strPath);
    case modeMemoryText:
        return nDefault;
    default:
        return (int)GetProfileIntA(lpszSection, lpszKey, nDefault);
    }
}
