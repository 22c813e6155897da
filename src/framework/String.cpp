#include "framework/String.h"

#include "framework/WinApp.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <algorithm>

namespace {

bool IsAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsAsciiLower(char c) { return c >= 'a' && c <= 'z'; }
char AsciiLower(char c) { return IsAsciiUpper(c) ? (char)(c - 'A' + 'a') : c; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

LPCSTR Safe(LPCSTR psz) { return psz ? psz : ""; }

} // namespace

CString::CString(LPCSTR psz) : m_str(Safe(psz)) {}

CString::CString(LPCSTR pch, int nLength)
{
    if (pch != nullptr && nLength > 0)
        m_str.assign(pch, (size_t)nLength);
}

CString::CString(char ch, int nRepeat)
{
    if (nRepeat > 0)
        m_str.assign((size_t)nRepeat, ch);
}

CString& CString::operator=(LPCSTR psz)
{
    m_str = Safe(psz);
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        return '\0';
    return m_str[(size_t)nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex >= 0 && nIndex < GetLength())
        m_str[(size_t)nIndex] = ch;
}

CString& CString::operator+=(const CString& str) { m_str += str.m_str; return *this; }
CString& CString::operator+=(LPCSTR psz) { m_str += Safe(psz); return *this; }
CString& CString::operator+=(char ch) { m_str += ch; return *this; }

CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, LPCSTR b) { CString r(a); r += b; return r; }
CString operator+(LPCSTR a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }

int CString::Compare(LPCSTR psz) const
{
    return strcmp(m_str.c_str(), Safe(psz));
}

int CString::CompareNoCase(LPCSTR psz) const
{
    const unsigned char* a = (const unsigned char*)m_str.c_str();
    const unsigned char* b = (const unsigned char*)Safe(psz);
    for (;; ++a, ++b)
    {
        int ca = (unsigned char)AsciiLower((char)*a);
        int cb = (unsigned char)AsciiLower((char)*b);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

int CString::Collate(LPCSTR psz) const
{
    return lstrcmpA(m_str.c_str(), Safe(psz));
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0 || nFirst >= GetLength())
        return CString();
    nCount = std::min(nCount, GetLength() - nFirst);
    return CString(m_str.c_str() + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount <= 0)
        return CString();
    nCount = std::min(nCount, GetLength());
    return Mid(GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const
{
    return Left((int)strspn(m_str.c_str(), Safe(pszCharSet)));
}

CString CString::SpanExcluding(LPCSTR pszCharSet) const
{
    return Left((int)strcspn(m_str.c_str(), Safe(pszCharSet)));
}

CString& CString::MakeUpper()
{
    for (char& c : m_str)
        if (IsAsciiLower(c))
            c = (char)(c - 'a' + 'A');
    return *this;
}

CString& CString::MakeLower()
{
    for (char& c : m_str)
        c = AsciiLower(c);
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
    return *this;
}

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_str.size() && IsBlank(m_str[i]))
        ++i;
    m_str.erase(0, i);
    return *this;
}

CString& CString::TrimLeft(char chTarget)
{
    size_t i = 0;
    while (i < m_str.size() && m_str[i] == chTarget)
        ++i;
    m_str.erase(0, i);
    return *this;
}

CString& CString::TrimLeft(LPCSTR pszTargets)
{
    m_str.erase(0, strspn(m_str.c_str(), Safe(pszTargets)));
    return *this;
}

CString& CString::TrimRight()
{
    while (!m_str.empty() && IsBlank(m_str.back()))
        m_str.pop_back();
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    while (!m_str.empty() && m_str.back() == chTarget)
        m_str.pop_back();
    return *this;
}

CString& CString::TrimRight(LPCSTR pszTargets)
{
    LPCSTR targets = Safe(pszTargets);
    while (!m_str.empty() && m_str.back() != '\0' && strchr(targets, m_str.back()) != nullptr)
        m_str.pop_back();
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    int n = 0;
    for (char& c : m_str)
    {
        if (c == chOld)
        {
            c = chNew;
            ++n;
        }
    }
    return n;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    size_t oldLen = strlen(Safe(pszOld));
    if (oldLen == 0)
        return 0;
    std::string replacement = Safe(pszNew);
    int n = 0;
    size_t pos = 0;
    while ((pos = m_str.find(pszOld, pos, oldLen)) != std::string::npos)
    {
        m_str.replace(pos, oldLen, replacement);
        pos += replacement.size();
        ++n;
    }
    return n;
}

int CString::Remove(char ch)
{
    size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return (int)(before - m_str.size());
}

int CString::Insert(int nIndex, char ch)
{
    nIndex = std::max(0, std::min(nIndex, GetLength()));
    m_str.insert((size_t)nIndex, 1, ch);
    return GetLength();
}

int CString::Insert(int nIndex, LPCSTR psz)
{
    nIndex = std::max(0, std::min(nIndex, GetLength()));
    m_str.insert((size_t)nIndex, Safe(psz));
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > 0 && nIndex < GetLength())
        m_str.erase((size_t)nIndex, (size_t)nCount);
    return GetLength();
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    size_t pos = m_str.find(ch, (size_t)nStart);
    return pos == std::string::npos ? -1 : (int)pos;
}

int CString::Find(LPCSTR pszSub, int nStart) const
{
    if (nStart < 0 || nStart > GetLength())
        return -1;
    size_t pos = m_str.find(Safe(pszSub), (size_t)nStart);
    return pos == std::string::npos ? -1 : (int)pos;
}

int CString::ReverseFind(char ch) const
{
    size_t pos = m_str.rfind(ch);
    return pos == std::string::npos ? -1 : (int)pos;
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    size_t pos = m_str.find_first_of(Safe(pszCharSet));
    return pos == std::string::npos ? -1 : (int)pos;
}

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int n = vsnprintf(nullptr, 0, Safe(pszFormat), copy);
    va_end(copy);
    if (n < 0)
    {
        m_str.clear();
        return;
    }
    std::string buf((size_t)n + 1, '\0');
    vsnprintf(&buf[0], buf.size(), Safe(pszFormat), args);
    buf.resize((size_t)n);
    m_str.swap(buf);
}

void CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::Format(UINT nFormatID, ...)
{
    CString format;
    format.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(LPCSTR pszFormat, ...)
{
    CString more;
    va_list args;
    va_start(args, pszFormat);
    more.FormatV(pszFormat, args);
    va_end(args);
    m_str += more.m_str;
}

CString AfxLoadFrameworkText(UINT nID, LPCSTR lpszDefault)
{
    CString text;
    if (!text.LoadString(nID))
        text = lpszDefault;
    return text;
}

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hModules[2] = { AfxGetResourceHandle(), GetModuleHandleA(nullptr) };
    for (HINSTANCE hModule : hModules)
    {
        // A string table entry is at most 4097 characters long.
        char buf[4097];
        int n = ::LoadStringA(hModule, nID, buf, (int)sizeof(buf));
        if (n > 0)
        {
            m_str.assign(buf, (size_t)n);
            return TRUE;
        }
    }
    return FALSE;
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize((size_t)nMinBufLength);
    return &m_str[0];
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    m_str.resize((size_t)std::max(0, nNewLength));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = (int)strlen(m_str.c_str());
    m_str.resize((size_t)std::min(nNewLength, GetLength()));
}

bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, LPCSTR b) { return !(a == b); }
bool operator!=(LPCSTR a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
