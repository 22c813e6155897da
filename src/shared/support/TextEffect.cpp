#include "shared/support/TextEffect.h"

#include "framework/String.h"

namespace {

struct EffectPrefix
{
    LPCSTR pszPrefix;
    int nEffect;
};

// The German keywords of older projects and the English ones written now.
const EffectPrefix kEffectPrefixes[] = {
    { "NORMAL", TEXT_EFFECT_NONE },   { "ERHAB", TEXT_EFFECT_RAISED }, { "GEPR", TEXT_EFFECT_EMBOSSED },
    { "NONE", TEXT_EFFECT_NONE },     { "EMBOSS", TEXT_EFFECT_EMBOSSED }, { "RAISE", TEXT_EFFECT_RAISED },
};

} // namespace

int ParseTextEffect(LPCSTR lpszText)
{
    CString text(lpszText);
    text.MakeUpper();
    text.TrimLeft(' ');
    for (const EffectPrefix& prefix : kEffectPrefixes)
    {
        if (text.Left(lstrlenA(prefix.pszPrefix)) == prefix.pszPrefix)
            return prefix.nEffect;
    }
    return TEXT_EFFECT_NONE;
}

LPCSTR TextEffectName(int nEffect)
{
    switch (nEffect)
    {
    case TEXT_EFFECT_RAISED: return "RAISED";
    case TEXT_EFFECT_EMBOSSED: return "EMBOSSED";
    default: return "NONE";
    }
}
