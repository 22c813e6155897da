#include "shared/menuobj/ColorButton.h"

#include "shared/menuobj/ObjectBitmaps.h"

IMPLEMENT_DYNAMIC(CColorButton, CImgBasisButton)

CColorButton::CColorButton() : m_bImagesMade(FALSE)
{
}

COLORREF CColorButton::GreyOf(COLORREF cr)
{
    int g = ((GetBValue(cr) * 85) / 256 + (GetGValue(cr) * 450) / 256 + (GetRValue(cr) * 230) / 256) / 3;
    return RGB(g, g, g);
}

void CColorButton::MakeStateImages()
{
    m_bImagesMade = TRUE;
    if (m_pImage != nullptr)
        MakeRecolouredCopy(*m_pImage, m_grey, GreyOf);
}

void CColorButton::Draw(CDC* pDC)
{
    if (!m_bImagesMade)
        MakeStateImages();
    if (!m_bEnabled)
        return;
    if (m_bHover && m_bPressed)
    {
        DrawImage(pDC, 1, 1, GreyPen(), WhitePen(), m_pImage);
    }
    else if (m_bHover)
    {
        DrawImage(pDC, 0, 0, WhitePen(), GreyPen(), m_pImage);
    }
    else
    {
        BOOL bFramed = (m_nFrameMode & 1) != 0;
        DrawImage(pDC, 0, 0, bFramed ? WhitePen() : nullptr, bFramed ? GreyPen() : nullptr, &m_grey);
        if (m_bFocus)
            DrawFocusFrame(pDC);
    }
    DrawCaptionInset(pDC, 3, 2, m_bPressed);
}
