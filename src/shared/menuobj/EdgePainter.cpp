#include "shared/menuobj/EdgePainter.h"

#include "framework/DC.h"

IMPLEMENT_DYNAMIC(CEdgePainter, CObject)

namespace {

const COLORREF kEdgeGrey = RGB(128, 128, 128);

} // namespace

void CEdgePainter::DrawRaised(CDC* pDC) const
{
    CPen grey(PS_SOLID, 1, kEdgeGrey);
    DrawEdges(pDC, static_cast<HPEN>(GetStockObject(WHITE_PEN)), static_cast<HPEN>(grey.GetSafeHandle()));
}

void CEdgePainter::DrawSunken(CDC* pDC) const
{
    CPen grey(PS_SOLID, 1, kEdgeGrey);
    DrawEdges(pDC, static_cast<HPEN>(grey.GetSafeHandle()), static_cast<HPEN>(GetStockObject(WHITE_PEN)));
}

void CEdgePainter::DrawEdges(CDC* pDC, HPEN hTopLeft, HPEN hBottomRight) const
{
    HGDIOBJ hOldPen = pDC->SelectObject(hTopLeft);
    pDC->MoveTo(m_rect.left, m_rect.bottom - 1);
    pDC->LineTo(m_rect.left, m_rect.top);
    pDC->LineTo(m_rect.right, m_rect.top);
    pDC->SelectObject(hBottomRight);
    pDC->LineTo(m_rect.right, m_rect.bottom);
    pDC->LineTo(m_rect.left, m_rect.bottom);
    pDC->SelectObject(hOldPen);
}
