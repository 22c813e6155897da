// The description of a text's look on a menu page: a LOGFONT, a text colour and
// a text effect (TextEffect.h).
#pragma once

#include "framework/Object.h"

class CFontDesc : public CObject
{
    DECLARE_DYNAMIC(CFontDesc)
public:
    CFontDesc();
    // Copies go through Assign.
    CFontDesc(const CFontDesc& other);
    CFontDesc& operator=(const CFontDesc& other);

    // Height 16, weight 400, face "Arial", default character set, black, no effect.
    void SetDefaults();
    // Takes the other's LOGFONT, colour and effect.
    void Assign(const CFontDesc& other);

    LOGFONTA m_logFont;
    COLORREF m_crColor;
    int m_nEffect;
};
