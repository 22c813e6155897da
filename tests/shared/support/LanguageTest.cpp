#include "shared/support/Language.h"

#include <gtest/gtest.h>

namespace {

// Every case leaves the letter as a program finds it before start-up.
class LanguageTest : public ::testing::Test
{
protected:
    void TearDown() override { SetLanguageLetter('E'); }
};

TEST_F(LanguageTest, StartsInEnglish)
{
    EXPECT_EQ('E', GetLanguageLetter());
    EXPECT_TRUE(IsEnglish());
    EXPECT_FALSE(IsGerman());
}

TEST_F(LanguageTest, LetterSelectsLanguage)
{
    struct Case
    {
        char letter;
        char stored;
        bool german;
        bool english;
    } cases[] = {
        { 'G', 'G', true, false },
        { 'E', 'E', false, true },
        // French has no texts of its own: German sites show English, English
        // sites show German.
        { 'F', 'F', false, false },
        // Lower case, unknown letters and an empty value all mean German.
        { 'e', 'G', true, false },
        { 'f', 'G', true, false },
        { 'X', 'G', true, false },
        { '\0', 'G', true, false },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "letter " << (int)c.letter);
        SetLanguageLetter(c.letter);
        EXPECT_EQ(c.stored, GetLanguageLetter());
        EXPECT_EQ(c.german, bool(IsGerman()));
        EXPECT_EQ(c.english, bool(IsEnglish()));
    }
}

} // namespace
