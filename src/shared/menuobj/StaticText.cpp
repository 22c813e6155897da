#include "shared/menuobj/StaticText.h"

#include "shared/menuobj/MObjCreateStruct.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CStaticText, CStaticBasis)

CStaticText::CStaticText() : m_bMeasured(FALSE), m_rcText{ 0, 0, 0, 0 }, m_nTextWidth(0), m_nTextHeight(0)
{
}

void CStaticText::Draw(CDC* pDC)
{
    if (m_pCrStruct == nullptr)
        return;
    CFontDesc& font = m_pCrStruct->m_font;
    const CString& strText = m_pCrStruct->m_strText;
    pDC->SetBkMode(TRANSPARENT);
    font.SelectInto(pDC);
    // Room for italic overhang and the text effect.
    CSize extent = pDC->GetTextExtent(strText);
    m_nTextWidth = extent.cx + std::abs(font.m_logFont.lfHeight / 6) + 6;
    m_nTextHeight = extent.cy + 6;
    ::SetRect(&m_rcText, m_rcObject.left, m_rcObject.top, m_rcObject.left + m_nTextWidth,
              m_rcObject.top + m_nTextHeight);
    m_pCrStruct->m_rect = m_rcText;
    m_bMeasured = TRUE;
    font.RestoreFont(pDC);
    font.DrawTextFitted(pDC, m_rcText, strText);
}
