#include "shared/menuobj/ButUrl.h"

#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/TipText.h"

#include <algorithm>

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
    // The lines of a caption typed on several lines stand one below the
    // other, each centred on the widest.
    CStringArray lines;
    SplitAtBreakTags(strCaption, lines);
    int nWidest = 0;
    for (int i = 0; i < lines.GetSize(); ++i)
        nWidest = std::max(nWidest, int(pDC->GetTextExtent(lines[i]).cx));
    const int nLineHeight = pDC->GetTextExtent(CString("Ag")).cy;
    for (int i = 0; i < lines.GetSize(); ++i, y += nLineHeight)
        pFont->TextOutEffect(pDC, x + (nWidest - pDC->GetTextExtent(lines[i]).cx) / 2, y, lines[i]);
    pFont->RestoreFont(pDC);
}
