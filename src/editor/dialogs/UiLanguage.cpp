#include "editor/dialogs/UiLanguage.h"

#include "shared/support/Language.h"

void SetUiLanguage(char chLetter)
{
    SetLanguageLetter(chLetter);
}

char GetUiLanguage()
{
    return GetLanguageLetter();
}

void GetUiLanguageName(CString& strName)
{
    switch (GetLanguageLetter())
    {
    case 'G': strName = "German"; break;
    case 'E': strName = "English"; break;
    case 'F': strName = "French"; break;
    default: strName = "?????"; break;
    }
}

bool IsGermanUi()
{
    return IsGerman();
}
