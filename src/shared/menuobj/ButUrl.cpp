#include "shared/menuobj/ButUrl.h"

#include "shared/menuobj/MButCreateStruct.h"

IMPLEMENT_DYNAMIC(CButUrl, CButBasis)

CButUrl::CButUrl() : m_bFontsTaken(FALSE)
{
}

// The window keeps the size its menu object gave it.
void CButUrl::Draw(CDC* pDC)
{
    if (!m_bFontsTaken && m_pButCrStruct != nullptr)
    {
        m_fontIdle.Assign(m_pButCrStruct->m_fontIdle);
        m_fontOver.Assign(m_pButCrStruct->m_fontOver);
        m_fontDown.Assign(m_pButCrStruct->m_fontDown);
        m_bFontsTaken = TRUE;
    }
    if (!m_bEnabled)
        return;
    CString strCaption = GetCaption();
    StripEnclosingMarkers(strCaption);
    CFontDesc* pFont = &m_fontIdle;
    int x = m_rcObject.left;
    int y = m_rcObject.top;
    if (m_bPressed)
    {
        pFont = &m_fontDown;
        ++x;
        ++y;
    }
    else if (IsRaised())
    {
        pFont = &m_fontOver;
    }
    pDC->SetBkMode(TRANSPARENT);
    pFont->SelectInto(pDC);
    pFont->TextOutEffect(pDC, x, y, strCaption);
    pFont->RestoreFont(pDC);
}
