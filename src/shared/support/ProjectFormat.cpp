#include "shared/support/ProjectFormat.h"

namespace ProjectFormat {

namespace {

CString Numbered(LPCSTR pszFormat, int nNumber)
{
    CString str;
    str.Format(pszFormat, nNumber);
    return str;
}

BOOL IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

} // namespace

CString ButtonSection(int nNumber) { return Numbered("BUTTON%d", nNumber); }
CString TextSection(int nNumber) { return Numbered("TEXT%d", nNumber); }
CString TextFieldSection(int nNumber) { return Numbered("TEXTFELD%d", nNumber); }
CString ImageSection(int nNumber) { return Numbered("IMAGE%d", nNumber); }
CString PopupSection(int nNumber) { return Numbered("POPUPMENU%02d", nNumber); }
CString PopupItemKey(int nNumber) { return Numbered("ITEM%02d", nNumber); }
CString PopupDocument(int nNumber) { return Numbered("<POPUPMENU%02d>", nNumber); }

BOOL IsEditorVersion(const CString& strVersion)
{
    const int nLength = lstrlenA(kEditorVersionPrefix);
    return strVersion.GetLength() >= nLength && strVersion.Left(nLength).CompareNoCase(kEditorVersionPrefix) == 0;
}

LPCSTR MenuTypeKeyword(int nLevel)
{
    return nLevel == 0 ? kMainMenu : kSubMenu;
}

LPCSTR StyleKeyword(const CString& strStyle)
{
    switch (strStyle.IsEmpty() ? 'W' : strStyle[0])
    {
    case 'B': return "BITMAP";
    case 'D': return "DRAW";
    case 'H': return "HYPERTEXT";
    case 'I': return "IMAGE";
    case 'M': return "MONOCHROME";
    case 'O': return "OFFICE";
    default: return kStyleWindows;
    }
}

BOOL IsPopupDocument(const CString& strDocument)
{
    return strDocument.Left(lstrlenA(kPopupDocumentPrefix)) == kPopupDocumentPrefix;
}

int GetPopupNumber(const CString& strDocument)
{
    if (!IsPopupDocument(strDocument))
        return -1;
    CString strDigits = strDocument.Mid(lstrlenA(kPopupDocumentPrefix), 2);
    if (strDigits.GetLength() != 2 || !IsDigit(strDigits[0]) || !IsDigit(strDigits[1]))
        return -1;
    return (strDigits[0] - '0') * 10 + (strDigits[1] - '0');
}

// A line feed without a carriage return counts as a line break as well.
CString EncodeLineBreaks(const CString& strText)
{
    CString str(strText);
    str.Replace("\r\n", "\\n");
    str.Replace("\n", "\\n");
    return str;
}

CString DecodeLineBreaks(const CString& strText, LPCSTR lpszBreak)
{
    CString str(strText);
    str.Replace("\\n", lpszBreak);
    return str;
}

} // namespace ProjectFormat
