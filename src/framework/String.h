// 8-bit text string (Windows ANSI code page) with the familiar operations.
#pragma once

#include <windows.h>
#include <string>

class CString
{
public:
    // Construction
    CString() = default;
    CString(const CString& other) = default;
    CString(CString&& other) noexcept = default;
    CString(LPCSTR psz);                      // NULL gives the empty string
    CString(LPCSTR pch, int nLength);
    CString(char ch, int nRepeat = 1);
    CString& operator=(const CString& other) = default;
    CString& operator=(CString&& other) noexcept = default;
    CString& operator=(LPCSTR psz);
    CString& operator=(char ch);

    // Attributes
    int GetLength() const { return (int)m_str.size(); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }
    operator LPCSTR() const { return m_str.c_str(); }
    LPCSTR GetString() const { return m_str.c_str(); }

    // Concatenation
    CString& operator+=(const CString& str);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, LPCSTR b);
    friend CString operator+(LPCSTR a, const CString& b);
    friend CString operator+(const CString& a, char b);
    friend CString operator+(char a, const CString& b);

    // Comparison
    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;     // ASCII letters folded only
    int Collate(LPCSTR psz) const;

    // Extraction: out-of-range counts and indexes are clamped
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR pszCharSet) const;
    CString SpanExcluding(LPCSTR pszCharSet) const;

    // Case: only A-Z and a-z change; other bytes (accented letters) stay as they are
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Trimming (blanks, tabs, line ends) and editing
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCSTR pszTargets);
    CString& Trim() { TrimRight(); return TrimLeft(); }
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);
    int Remove(char ch);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR psz);
    int Delete(int nIndex, int nCount = 1);

    // Searching: -1 when not found
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR pszCharSet) const;

    // Formatting (printf rules; any length)
    void Format(LPCSTR pszFormat, ...);
    void Format(UINT nFormatID, ...);
    void FormatV(LPCSTR pszFormat, va_list args);
    void AppendFormat(LPCSTR pszFormat, ...);

    // Resources: FALSE when the string is not in the resource module or the exe
    BOOL LoadString(UINT nID);

    // Raw buffer access
    LPSTR GetBuffer(int nMinBufLength = 0);
    LPSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void Preallocate(int nLength) { m_str.reserve(nLength); }

    const std::string& str() const { return m_str; }

private:
    std::string m_str;
};

// The framework's text nID from the program's resources (its language
// library first), else the text given.
CString AfxLoadFrameworkText(UINT nID, LPCSTR lpszDefault);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCSTR b);
bool operator==(LPCSTR a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, LPCSTR b);
bool operator!=(LPCSTR a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator>(const CString& a, const CString& b);
bool operator<=(const CString& a, const CString& b);
bool operator>=(const CString& a, const CString& b);
