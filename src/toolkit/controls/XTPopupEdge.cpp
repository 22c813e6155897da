#include "toolkit/controls/XTPopupEdge.h"

#include "framework/Pen.h"
#include "framework/Wnd.h"
#include "framework/WindowDC.h"

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

void DrawJoinedPopupFrame(CWnd* pWnd, const CRect& rcAnchor, COLORREF clrFrame, COLORREF clrJoint)
{
    CWindowDC dc(pWnd);
    CRect rcWindow;
    pWnd->GetWindowRect(&rcWindow);
    dc.Draw3dRect(0, 0, rcWindow.Width(), rcWindow.Height(), clrFrame, clrFrame);
    const CRect& a = rcAnchor;
    const CRect edges[] = { CRect(a.left, a.bottom, a.right, a.bottom), CRect(a.left, a.top - 1, a.right, a.top - 1),
                            CRect(a.right, a.top, a.right, a.bottom), CRect(a.left - 1, a.top, a.left - 1, a.bottom) };
    for (const CRect& edge : edges)
        DrawBorderRect(&dc, clrJoint, edge, rcWindow);
}

