#include "shared/menuobj/ButWin.h"

#include "shared/menuobj/ButtonFrames.h"

IMPLEMENT_DYNAMIC(CButWin, CButBasis)

void CButWin::Draw(CDC* pDC)
{
    if (!m_bEnabled)
        return;
    int nSaved = pDC->SaveDC();
    pDC->FillSolidRect(&m_rcObject, ::GetSysColor(COLOR_BTNFACE));
    ButtonLook look = m_bPressed ? BUTTON_LOOK_PRESSED : IsRaised() ? BUTTON_LOOK_RAISED : BUTTON_LOOK_NORMAL;
    DrawWindowStyleFrame(pDC, m_rcObject, look, FALSE);
    DrawCaptionInset(pDC, 4, 2, m_bPressed);
    pDC->RestoreDC(nSaved);
}
