#include "shared/support/FontDesc.h"

#include "shared/support/TextEffect.h"

IMPLEMENT_DYNAMIC(CFontDesc, CObject)

CFontDesc::CFontDesc()
{
    SetDefaults();
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
