#include "shared/menuobj/ButTrans.h"

#include "shared/menuobj/ButtonFrames.h"

IMPLEMENT_DYNAMIC(CButTrans, CButBasis)

void CButTrans::Draw(CDC* pDC)
{
    if (!m_bEnabled)
        return;
    ButtonLook look = m_bPressed ? BUTTON_LOOK_PRESSED : IsRaised() ? BUTTON_LOOK_RAISED : BUTTON_LOOK_NORMAL;
    DrawWindowStyleFrame(pDC, m_rcObject, look, TRUE);
    DrawCaptionInset(pDC, 3, 2, m_bPressed);
}
