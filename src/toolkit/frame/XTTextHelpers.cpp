#include "toolkit/frame/XTTextHelpers.h"

#include <string.h>

void StripMnemonicAmpersands(CString& strText)
{
    CString strResult;
    LPCSTR p = strText;
    while (*p != '\0')
    {
        if (p[0] == '&' && p[1] == '&')
        {
            strResult += "&&";
            p += 2;
            continue;
        }
        if (*p != '&')
            strResult += *p;
        ++p;
    }
    strText = strResult;
}

CString GetTextAfterBackslash(LPCSTR pszText)
{
    if (pszText == nullptr)
        return CString();
    LPCSTR pszBackslash = strchr(pszText, '\\');
    return pszBackslash != nullptr ? CString(pszBackslash + 1) : CString();
}
