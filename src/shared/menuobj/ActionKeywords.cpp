#include "shared/menuobj/ActionKeywords.h"

#include "shared/support/Language.h"

namespace {

const LPCSTR kMarkText = "TEXT=";
const LPCSTR kMarkDocument = ":DOCUMENT=";
const LPCSTR kMarkApplication = ":APPLICATION=";
const LPCSTR kMarkParameter = ":PARAMETER=";
const LPCSTR kMarkFunction = ":FUNCTION=";

BOOL BeginsWith(const CString& str, LPCSTR pszPrefix)
{
    return str.Left(lstrlenA(pszPrefix)) == pszPrefix;
}

// The text after the first start marker, up to the first end marker after it
// (to the end when the end marker is empty). A missing end marker, or one right
// at the start, gives an empty field; a missing start marker leaves it alone.
void TakeField(const CString& strItem, LPCSTR pszStart, LPCSTR pszEnd, CString& strField)
{
    int nStart = strItem.Find(pszStart);
    if (nStart < 0)
        return;
    CString strRest = strItem.Mid(nStart + lstrlenA(pszStart));
    if (*pszEnd == '\0')
    {
        strField = strRest;
        return;
    }
    int nEnd = strRest.Find(pszEnd);
    strField = nEnd > 0 ? strRest.Left(nEnd) : CString();
}

// One string of the resource module's string table in the given language.
BOOL LoadStringInLanguage(UINT nID, LANGID wLanguage, CString& strText)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceExA(hInst, RT_STRING, MAKEINTRESOURCEA(nID / 16 + 1), wLanguage);
    HGLOBAL hBlock = hRes ? ::LoadResource(hInst, hRes) : nullptr;
    const WCHAR* p = hBlock ? static_cast<const WCHAR*>(::LockResource(hBlock)) : nullptr;
    if (!p)
        return FALSE;
    // A block holds 16 strings, each a length followed by that many characters.
    const WCHAR* pEnd = p + ::SizeofResource(hInst, hRes) / sizeof(WCHAR);
    for (UINT i = 0; i < nID % 16 && p < pEnd; ++i)
        p += 1 + *p;
    if (p >= pEnd || *p == 0 || p + 1 + *p > pEnd)
        return FALSE;
    int nLength = *p;
    int nBytes = ::WideCharToMultiByte(1252, 0, p + 1, nLength, nullptr, 0, nullptr, nullptr);
    ::WideCharToMultiByte(1252, 0, p + 1, nLength, strText.GetBufferSetLength(nBytes), nBytes, nullptr, nullptr);
    strText.ReleaseBuffer(nBytes);
    return TRUE;
}

} // namespace

int GetActionCount()
{
    return 5;
}

int ParseActionKeyword(const CString& strKeyword)
{
    CString str(strKeyword);
    str.MakeUpper();
    str.TrimLeft(' ');

    int nCode = ACTION_NONE;
    if (BeginsWith(str, "KEINE"))
        nCode = ACTION_NONE;
    else if (BeginsWith(str, "NEUE"))
        nCode = ACTION_NEWPAGE;
    else if (BeginsWith(str, "EXIT"))
        nCode = ACTION_EXIT;

    // The English keywords override the German ones.
    static const struct { LPCSTR pszKeyword; int nCode; } kEnglish[] = {
        { "NONE", ACTION_NONE },       { "NEWPAGE", ACTION_NEWPAGE }, { "MESSAGE", ACTION_MESSAGE },
        { "PLAYAVI", ACTION_PLAYAVI }, { "EXIT", ACTION_EXIT },
    };
    for (const auto& entry : kEnglish)
    {
        if (BeginsWith(str, entry.pszKeyword))
            return entry.nCode;
    }
    return nCode;
}

void GetActionKeyword(int nCode, CString& strKeyword)
{
    switch (nCode)
    {
    case ACTION_NEWPAGE: strKeyword = "NEWPAGE"; break;
    case ACTION_MESSAGE: strKeyword = "MESSAGE"; break;
    case ACTION_PLAYAVI: strKeyword = "PLAYAVI"; break;
    case ACTION_EXIT: strKeyword = "EXIT"; break;
    default: strKeyword = "NONE"; break;
    }
}

void GetActionCaption(int nCode, const ActionCaptionIds& ids, CString& strCaption)
{
    UINT nID = ids.nNone;
    switch (nCode)
    {
    case ACTION_NEWPAGE: nID = ids.nNewPage; break;
    case ACTION_MESSAGE: nID = ids.nMessage; break;
    case ACTION_PLAYAVI: nID = ids.nPlayAvi; break;
    case ACTION_EXIT: nID = ids.nExit; break;
    }
    LANGID wLanguage = IsGerman() ? MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)
                                  : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    strCaption.Empty();
    if (!LoadStringInLanguage(nID, wLanguage, strCaption))
        strCaption.LoadString(nID);
}

void ParsePopupItem(const CString& strItem, CString& strText, CString& strDocument,
                    CString& strApplication, CString& strParameter, CString& strKeyword, int& nCode)
{
    TakeField(strItem, kMarkText, kMarkDocument, strText);
    TakeField(strItem, kMarkDocument, kMarkApplication, strDocument);
    TakeField(strItem, kMarkApplication, kMarkParameter, strApplication);
    TakeField(strItem, kMarkParameter, kMarkFunction, strParameter);
    TakeField(strItem, kMarkFunction, "", strKeyword);
    nCode = ParseActionKeyword(strKeyword);
}

void ComposePopupItem(CString& strItem, const CString& strText, const CString& strDocument,
                      const CString& strApplication, const CString& strParameter, int nCode)
{
    CString strKeyword;
    GetActionKeyword(nCode, strKeyword);
    strItem = kMarkText + strText + kMarkDocument + strDocument + kMarkApplication + strApplication
              + kMarkParameter + strParameter + kMarkFunction + strKeyword;
}

CString GetPopupItemCaption(const CString& strItem)
{
    CString strCaption;
    if (BeginsWith(strItem, kMarkText))
        TakeField(strItem, kMarkText, kMarkDocument, strCaption);
    return strCaption;
}
