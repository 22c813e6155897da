#include "shared/support/ProfileSource.h"

#include "framework/File.h"
#include "shared/support/ProjectFormat.h"

#include <stdlib.h>

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

} // namespace

BOOL CProfileSource::SetIniFile(LPCSTR lpszPath)
{
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
