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

bool IsGermanUi()
{
    return IsGerman();
}
