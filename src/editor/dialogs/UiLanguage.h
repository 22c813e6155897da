// The editor's names for the interface language of the process (one letter:
// 'G' German, 'E' English, 'F' French; 'E' until start-up sets it).
#pragma once

#include "framework/String.h"

// 'E' and 'F' select English and French, any other letter German.
void SetUiLanguage(char chLetter);
char GetUiLanguage();
// "German", "English", "French"; "?????" for any other letter.
void GetUiLanguageName(CString& strName);
bool IsGermanUi();
