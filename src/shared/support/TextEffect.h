// Text effects of fonts and their keywords in the project file.
#pragma once

#include <windows.h>

enum TextEffect
{
    TEXT_EFFECT_NONE = 0,
    TEXT_EFFECT_RAISED = 1,
    TEXT_EFFECT_EMBOSSED = 2,
};

// The effect code of a keyword as stored, read by its beginning without regard
// to case or leading blanks; both the German and the English keywords count.
// Unknown text gives TEXT_EFFECT_NONE.
int ParseTextEffect(LPCSTR lpszText);

// The keyword written for an effect code: "RAISED", "EMBOSSED", else "NONE".
LPCSTR TextEffectName(int nEffect);
