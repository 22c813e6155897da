#include "shared/support/FontDesc.h"

#include "shared/support/TextEffect.h"

IMPLEMENT_DYNAMIC(CFontDesc, CObject)

CFontDesc::CFontDesc()
{
    SetDefaults();
}

CFontDesc::CFontDesc(const CFontDesc& other) : CObject()
{
    SetDefaults();
    Assign(other);
}

CFontDesc& CFontDesc::operator=(const CFontDesc& other)
{
    Assign(other);
    return *this;
}

void CFontDesc::SetDefaults()
{
    ZeroMemory(&m_logFont, sizeof(m_logFont));
    m_logFont.lfHeight = 16;
    m_logFont.lfWeight = FW_NORMAL;
    m_logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(m_logFont.lfFaceName, "Arial", LF_FACESIZE);
    m_crColor = RGB(0, 0, 0);
    m_nEffect = TEXT_EFFECT_NONE;
}

void CFontDesc::Assign(const CFontDesc& other)
{
    if (&other == this)
        return;
    m_logFont = other.m_logFont;
    m_crColor = other.m_crColor;
    m_nEffect = other.m_nEffect;
}
