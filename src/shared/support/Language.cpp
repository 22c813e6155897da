#include "shared/support/Language.h"

namespace {

char g_chLanguage = 'E';

} // namespace

void SetLanguageLetter(char chLetter)
{
    g_chLanguage = (chLetter == 'E' || chLetter == 'F') ? chLetter : 'G';
}

char GetLanguageLetter()
{
    return g_chLanguage;
}

bool IsGerman()
{
    return g_chLanguage == 'G';
}

bool IsEnglish()
{
    return g_chLanguage == 'E';
}
