// The interface language of the running program: one letter for the whole
// process, 'G' German, 'E' English, 'F' French. Until start-up has read it from
// the project the letter is 'E', so early messages come in English. Each message
// site keeps its texts in both languages and picks one with these queries.
#pragma once

// 'E' and 'F' select English and French; any other character, a lower-case
// letter or the terminator of an empty value included, selects German.
void SetLanguageLetter(char chLetter);
char GetLanguageLetter();
bool IsGerman();
bool IsEnglish();
