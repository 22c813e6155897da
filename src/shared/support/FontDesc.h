// The description of a text's look on a menu page: a LOGFONT, a text colour and
// a text effect (TextEffect.h).
#pragma once

#include "framework/Object.h"

class CFontDesc : public CObject
{
    DECLARE_DYNAMIC(CFontDesc)
public:
    CFontDesc();

    // Height 16, weight 400, face "Arial", default character set, black, no effect.
    void SetDefaults();

    LOGFONTA m_logFont;
    COLORREF m_crColor;
    int m_nEffect;
};
