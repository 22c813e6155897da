#include "shared/support/ProfileSource.h"

#include "framework/File.h"
#include "shared/support/ProjectFormat.h"

#include <stdlib.h>
#include <vector>

IMPLEMENT_DYNAMIC(CProfileSource, CObject)

namespace {

const char* const kLineBreak = ProjectFormat::kLineEnd;
const char kNextSection[] = "\r\n[";

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

// The leading number of a text: blanks and a sign accepted, reading stops at
// the first non-digit, no digits give 0; out-of-range values are clamped.
int LeadingNumber(LPCSTR pszText)
{
    long long value = strtoll(pszText, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return (int)value;
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
bool IsProfileSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\x1A'
           || ch == '\xA0';
}

} // namespace

BOOL CProfileSource::ParseIniFile()
{
    std::string text;
    {
        CFile file;
        if (!file.Open(m_strPath, CFile::modeRead | CFile::shareDenyNone))
            return FALSE;
        try
        {
            ULONGLONG nLength = file.GetLength();
            if (nLength > kMaxWholeFileSize)
            {
                file.Abort();
                return FALSE;
            }
            text.resize((size_t)nLength);
            text.resize(nLength > 0 ? file.Read(&text[0], (UINT)nLength) : 0);
        }
        catch (CFileException* e)
        {
            e->Delete();
            file.Abort();
            return FALSE;
        }
        file.Abort();
    }
    // Unicode files are converted by the profile functions; they answer those.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0 || text.compare(0, 2, "\xFF\xFE") == 0
        || text.compare(0, 2, "\xFE\xFF") == 0)
        return FALSE;

    // Lines end at line feeds, or at carriage returns in a file without any.
    const char chLineEnd = text.find('\n') != std::string::npos ? '\n' : '\r';
    Section* pSection = nullptr;   // keys before the first header belong to none asked for
    std::set<std::string> seen;
    for (size_t nStart = 0; nStart < text.size();)
    {
        size_t nEnd = text.find(chLineEnd, nStart);
        nEnd = nEnd == std::string::npos ? text.size() : nEnd;
        size_t nFirst = nStart, nLast = nEnd;
        nStart = nEnd + 1;
        while (nFirst < nLast && IsProfileSpace(text[nFirst]))
            ++nFirst;
        while (nLast > nFirst && IsProfileSpace(text[nLast - 1]))
            --nLast;
        if (nFirst >= nLast)
            continue;
        std::string line = text.substr(nFirst, nLast - nFirst);
        size_t nClose = line.rfind(']');
        if (line[0] == '[' && nClose != std::string::npos)
        {
            // Only the first section of a name counts.
            std::string strName = Upper(Trimmed(line.substr(1, nClose - 1)).c_str());
            pSection = seen.insert(strName).second ? &m_sections[strName] : nullptr;
            continue;
        }
        if (pSection == nullptr)
            continue;
        size_t nEquals = line.find('=');
        if (nEquals == std::string::npos)
        {
            pSection->emplace(Upper(line.c_str()), std::make_pair(false, std::string()));
            continue;
        }
        size_t nNameEnd = nEquals;
        while (nNameEnd > 0 && IsProfileSpace(line[nNameEnd - 1]))
            --nNameEnd;
        size_t nValue = nEquals + 1;
        while (nValue < line.size() && IsProfileSpace(line[nValue]))
            ++nValue;
        pSection->emplace(Upper(line.substr(0, nNameEnd).c_str()), std::make_pair(true, line.substr(nValue)));
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
    m_nMode = modeWholeFile;
    m_strPath = lpszPath;
    if (!ReadWholeFile(lpszPath))
        return FALSE;
    return m_strUpperText.Find(ProjectFormat::kWholeFileHead) >= 0;
}

BOOL CProfileSource::ReadWholeFile(LPCSTR lpszPath)
{
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyNone))
        return FALSE;
    BOOL bRead = FALSE;
    try
    {
        ULONGLONG nLength = file.GetLength();
        // The block keeps a zero tail, so the text ends even without a terminator.
        if (nLength <= kMaxWholeFileSize && m_block.Alloc((DWORD)nLength + 100))
        {
            UINT nGot = file.Read(m_block.GetData(), (UINT)nLength);
            m_strText = CString((LPCSTR)m_block.GetData());
            m_nBodyLength = (int)nGot;
            m_strUpperText = m_strText;
            m_strUpperText.MakeUpper();
            bRead = TRUE;
        }
    }
    catch (CFileException* e)
    {
        e->Delete();
    }
    m_block.Free();
    file.Abort();
    return bRead;
}

int CProfileSource::GetString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, LPSTR lpBuffer, int nSize)
{
    if (lpBuffer == nullptr || nSize <= 0)
        return 0;
    switch (m_nMode)
    {
    case modeIniFile:
        if (m_bCacheSections && lpszSection != nullptr && lpszKey != nullptr)
        {
            std::string strValue;
            if (FindCached(lpszSection, lpszKey, strValue))
                return CopyValue(strValue, lpBuffer, nSize);
            std::string strDefault = WithoutTrailingBlanks(lpszDefault != nullptr ? lpszDefault : "");
            return CopyToBuffer(strDefault.c_str(), (int)strDefault.size(), lpBuffer, nSize);
        }
        return (int)GetPrivateProfileStringA(lpszSection, lpszKey, lpszDefault, lpBuffer, (DWORD)nSize, m_strPath);
    case modeMemoryText:
    case modeWholeFile:
        return FindValue(lpszSection, lpszKey, lpszDefault, lpBuffer, nSize);
    default:
        return (int)GetProfileStringA(lpszSection, lpszKey, lpszDefault, lpBuffer, (DWORD)nSize);
    }
}

int CProfileSource::GetInt(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault)
{
    switch (m_nMode)
    {
    case modeIniFile:
        if (m_bCacheSections && lpszSection != nullptr && lpszKey != nullptr)
        {
            std::string strValue;
            char szValue[30] = "";
            if (!FindCached(lpszSection, lpszKey, strValue) || CopyValue(strValue, szValue, sizeof(szValue)) == 0)
                return nDefault;
            return ProfileNumber(szValue);
        }
        return (int)GetPrivateProfileIntA(lpszSection, lpszKey, nDefault, m_strPath);
    case modeMemoryText:
    case modeWholeFile:
        return GetIntFromText(lpszSection, lpszKey, nDefault);
    default:
        return (int)GetProfileIntA(lpszSection, lpszKey, nDefault);
    }
}

int CProfileSource::FindValue(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, LPSTR lpBuffer,
                              int nSize) const
{
    CString strDefault(lpszDefault);
    int nResult = CopyToBuffer(strDefault, strDefault.GetLength(), lpBuffer, nSize);

    // An ordinary section header counts only at the start of a line after the
    // first; the head section may also open the text.
    CString strHeader = CString("[") + lpszSection + "]";
    strHeader.MakeUpper();
    if (CString(lpszSection).CompareNoCase(ProjectFormat::kSecPlayerLanguage) != 0)
        strHeader = kLineBreak + strHeader;
    CString strPattern = CString(lpszKey) + "=";
    strPattern.MakeUpper();

    int nSection = m_strUpperText.Find(strHeader);
    if (nSection < 0)
        return nResult;
    if (strHeader[0] == '\r')
        nSection += 2;
    int nSectionEnd = m_strUpperText.Find(kNextSection, nSection);
    if (nSectionEnd < 0)
        nSectionEnd = m_strUpperText.GetLength();

    // The key is searched anywhere in the section, not only at a line start.
    int nKey = m_strUpperText.Mid(nSection, nSectionEnd - nSection).Find(strPattern);
    if (nKey < 0)
        return nResult;
    int nValue = nSection + nKey + strPattern.GetLength();
    int nValueEnd = m_strText.Find(kLineBreak, nValue);
    if (nValueEnd < 0)
        nValueEnd = m_strText.GetLength();
    if (nValueEnd == nValue)
        return nResult;
    return CopyToBuffer((LPCSTR)m_strText + nValue, nValueEnd - nValue, lpBuffer, nSize);
}

int CProfileSource::GetIntFromText(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault) const
{
    char szDefault[16];
    wsprintfA(szDefault, "%d", nDefault);
    char szValue[256];
    FindValue(lpszSection, lpszKey, szDefault, szValue, sizeof(szValue));
    return LeadingNumber(szValue);
}
