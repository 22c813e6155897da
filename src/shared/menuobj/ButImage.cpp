#include "shared/menuobj/ButImage.h"

#include "shared/menuobj/EdgePainter.h"

IMPLEMENT_DYNAMIC(CButImage, CButBasis)

void CButImage::Draw(CDC* pDC)
{
    if (!m_bEnabled)
        return;
    const CRect rc(m_rcObject);
    if (m_bEditMode)
    {
        CBrush black(RGB(0, 0, 0));
        CBrush white(RGB(255, 255, 255));
        pDC->FrameRect(rc, &black);
        CRect rcInner(rc);
        rcInner.DeflateRect(1, 1);
        pDC->FrameRect(rcInner, &white);
    }
    else
    {
        CEdgePainter edge;
        edge.SetRect(CRect(rc.left, rc.top, rc.right - 1, rc.bottom - 1));
        if (m_bPressed)
            edge.DrawSunken(pDC);
        else if (IsRaised())
            edge.DrawRaised(pDC);
    }
    DrawCaptionInset(pDC, 2, 2, m_bPressed);
}
