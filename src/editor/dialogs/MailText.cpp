#include "editor/dialogs/MailText.h"

#include "editor/dialogs/EditorMessages.h"

void ReplaceAllText(CString& strText, LPCSTR lpszSearch, LPCSTR lpszReplacement, BOOL bIgnoreCase)
{
    CString search(lpszSearch);
    CString replacement(lpszReplacement);
    if (search.IsEmpty())
        return;
    if (bIgnoreCase)
    {
        MakeLowerGerman(strText);
        MakeLowerGerman(search);
    }
    CString comparedReplacement(replacement);
    if (bIgnoreCase)
        MakeLowerGerman(comparedReplacement);
    // Scanning from the start again would find such a replacement forever.
    const BOOL bScanOn = comparedReplacement.Find(search) >= 0;
    int nFound = strText.Find(search);
    while (nFound >= 0)
    {
        strText = strText.Left(nFound) + replacement + strText.Mid(nFound + search.GetLength());
        nFound = strText.Find(search, bScanOn ? nFound + replacement.GetLength() : 0);
    }
}

void EscapeMailText(CString& strText)
{
    static const char* const kEscapes[][2] = {
        { "ä", "%E4" }, { "ö", "%F6" }, { "ü", "%FC" }, { "Ä", "%C4" },
        { "Ö", "%D6" }, { "Ü", "%DC" }, { "ß", "%DF" }, { ":", "%3A" },
    };
    for (const auto& escape : kEscapes)
        ReplaceAllText(strText, escape[0], escape[1], FALSE);
}
