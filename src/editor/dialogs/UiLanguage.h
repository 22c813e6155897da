// The editor's names for the interface language of the process (one letter:
// 'G' German, 'E' English, 'F' French; 'E' until start-up sets it). Its name
// is GetUiLanguageName (DialogTexts.h).
#pragma once

#include "framework/String.h"

// 'E' and 'F' select English and French, any other letter German.
void SetUiLanguage(char chLetter);
char GetUiLanguage();
bool IsGermanUi();
