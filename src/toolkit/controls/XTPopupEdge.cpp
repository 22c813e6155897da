#include "toolkit/controls/XTPopupEdge.h"

#include "framework/Pen.h"

#include <algorithm>

void DrawBorderRect(CDC* pDC, COLORREF clr, const CRect& rcEdge, const CRect& rcWindow)
{
    CRect rc(std::max(rcEdge.left, rcWindow.left), std::max(rcEdge.top, rcWindow.top),
             std::min(rcEdge.right, rcWindow.right), std::min(rcEdge.bottom, rcWindow.bottom));
    rc.OffsetRect(-rcWindow.left, -rcWindow.top);
    bool bHorizontal = rc.top == rc.bottom && rc.right - rc.left > 2;
    bool bVertical = rc.left == rc.right && rc.bottom - rc.top > 2;
    if (!bHorizontal && !bVertical)
        return;
    CPen pen(PS_SOLID, 1, clr);
    CPen* pOldPen = pDC->SelectObject(&pen);
    if (bHorizontal)
    {
        pDC->MoveTo(rc.left + 1, rc.top);
        pDC->LineTo(rc.right, rc.top);
    }
    else
    {
        pDC->MoveTo(rc.left, rc.top + 1);
        pDC->LineTo(rc.left, rc.bottom);
    }
    pDC->SelectObject(pOldPen);
}
