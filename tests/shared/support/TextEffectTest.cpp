#include "shared/support/TextEffect.h"

#include <gtest/gtest.h>

TEST(TextEffect, KeywordsParseByTheirBeginning)
{
    struct Case
    {
        LPCSTR text;
        int effect;
    } cases[] = {
        { "NONE", TEXT_EFFECT_NONE },
        { "RAISED", TEXT_EFFECT_RAISED },
        { "EMBOSSED", TEXT_EFFECT_EMBOSSED },
        { "raised", TEXT_EFFECT_RAISED },
        { "   Embossed", TEXT_EFFECT_EMBOSSED },
        // The German keywords of older projects.
        { "Normal", TEXT_EFFECT_NONE },
        { "Erhaben", TEXT_EFFECT_RAISED },
        { "geprägt", TEXT_EFFECT_EMBOSSED },
        { "RAISE", TEXT_EFFECT_RAISED },
        { "EMBOSS", TEXT_EFFECT_EMBOSSED },
        // Unknown or misplaced words give no effect.
        { "", TEXT_EFFECT_NONE },
        { "SHADOW", TEXT_EFFECT_NONE },
        { "XRAISED", TEXT_EFFECT_NONE },
        { "RAIS", TEXT_EFFECT_NONE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.effect, ParseTextEffect(c.text));
    }
}

TEST(TextEffect, NamesRoundTrip)
{
    EXPECT_STREQ("NONE", TextEffectName(TEXT_EFFECT_NONE));
    EXPECT_STREQ("RAISED", TextEffectName(TEXT_EFFECT_RAISED));
    EXPECT_STREQ("EMBOSSED", TextEffectName(TEXT_EFFECT_EMBOSSED));
    EXPECT_STREQ("NONE", TextEffectName(3));
    EXPECT_STREQ("NONE", TextEffectName(-1));
    for (int effect = 0; effect <= 2; ++effect)
        EXPECT_EQ(effect, ParseTextEffect(TextEffectName(effect)));
}
