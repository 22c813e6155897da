// Sets the interface language for one test and puts the previous one back.
#pragma once

#include "shared/support/Language.h"

namespace support_testing {

class LanguageScope
{
public:
    explicit LanguageScope(char chLetter) : m_chPrevious(GetLanguageLetter()) { SetLanguageLetter(chLetter); }
    ~LanguageScope() { SetLanguageLetter(m_chPrevious); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

private:
    char m_chPrevious;
};

} // namespace support_testing
