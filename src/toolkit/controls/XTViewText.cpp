#include "toolkit/controls/XTViewText.h"

#include <ctype.h>
#include <oleauto.h>
#include <stdlib.h>
#include <string.h>

namespace {

BOOL IsWordChar(char ch)
{
    return ch == '_' || isalnum((unsigned char)ch) || (unsigned char)ch >= 0xC0;
}

int Sign(LONGLONG n)
{
    return n < 0 ? -1 : (n > 0 ? 1 : 0);
}

// The text as an OLE date in the user's locale; FALSE when it does not parse.
BOOL ParseUserDate(LPCSTR pszText, DATE* pDate)
{
    WCHAR szWide[256];
    if (::MultiByteToWideChar(CP_ACP, 0, pszText, -1, szWide, 256) == 0)
        return FALSE;
    return SUCCEEDED(::VarDateFromStr(szWide, LOCALE_USER_DEFAULT, 0, pDate));
}

} // namespace

BOOL XTTextContains(LPCSTR pszText, LPCSTR pszFind, BOOL bCaseSensitive, BOOL bWholeWord)
{
    CString strText(pszText), strFind(pszFind);
    if (strFind.IsEmpty())
        return FALSE;
    if (!bCaseSensitive)
    {
        strText.MakeLower();
        strFind.MakeLower();
    }
    for (int nPos = strText.Find(strFind); nPos >= 0; nPos = strText.Find(strFind, nPos + 1))
    {
        if (!bWholeWord)
            return TRUE;
        int nEnd = nPos + strFind.GetLength();
        BOOL bBefore = nPos > 0 && IsWordChar(strText[nPos - 1]);
        BOOL bAfter = nEnd < strText.GetLength() && IsWordChar(strText[nEnd]);
        if (!bBefore && !bAfter)
            return TRUE;
    }
    return FALSE;
}

int XTGetListField(LPCSTR pszList, int nField)
{
    if (pszList == nullptr || nField < 0)
        return 0;
    LPCSTR p = pszList;
    for (int i = 0; i < nField; ++i)
    {
        p = strchr(p, ',');
        if (p == nullptr)
            return 0;
        ++p;
    }
    return atoi(p);
}

CString XTFormatColumnWidths(const std::vector<int>& widths)
{
    CString strWidths;
    for (int nWidth : widths)
        strWidths.AppendFormat("%d,", nWidth);
    return strWidths;
}

CString XTFormatFileSizeKB(ULONGLONG nBytes)
{
    CString strSize;
    strSize.Format("%I64uKB", (nBytes + 1024) / 1024);
    return strSize;
}

CString XTFormatFileTime(const FILETIME& ftUtc)
{
    FILETIME ftLocal;
    SYSTEMTIME st;
    if (!::FileTimeToLocalFileTime(&ftUtc, &ftLocal) || !::FileTimeToSystemTime(&ftLocal, &st))
        return CString();
    int nHour12 = st.wHour % 12 == 0 ? 12 : st.wHour % 12;
    CString strTime;
    strTime.Format("%02d/%02d/%02d %02d:%02d %s", st.wMonth, st.wDay, st.wYear % 100, nHour12, st.wMinute,
                   st.wHour < 12 ? "AM" : "PM");
    return strTime;
}

int XTCompareValues(LONGLONG a, LONGLONG b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

int XTCompareTyped(LPCSTR pszA, LPCSTR pszB, int nType)
{
    switch (nType)
    {
    case xtSortInt:
        return XTCompareValues(_atoi64(pszA), _atoi64(pszB));
    case xtSortString:
        return Sign(_stricmp(pszA, pszB));
    case xtSortDate:
    {
        DATE a, b;
        if (!ParseUserDate(pszA, &a) || !ParseUserDate(pszB, &b))
            return 0;
        return a < b ? -1 : (a > b ? 1 : 0);
    }
    case xtSortDecimal:
    {
        double a = atof(pszA), b = atof(pszB);
        return a < b ? -1 : (a > b ? 1 : 0);
    }
    default:
        return 0;
    }
}
