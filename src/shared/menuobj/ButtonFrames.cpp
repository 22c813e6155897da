#include "shared/menuobj/ButtonFrames.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kLightGrey = RGB(192, 192, 192);

void FrameInColour(CDC* pDC, const RECT& rc, COLORREF cr)
{
    CBrush brush(cr);
    pDC->FrameRect(&rc, &brush);
}

} // namespace

void DrawButtonLines(CDC* pDC, COLORREF cr, POINT a, POINT b, POINT c)
{
    CPen pen(PS_SOLID, 1, cr);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(a);
    pDC->LineTo(b);
    pDC->LineTo(c);
    pDC->SelectObject(pOldPen);
}

void DrawWindowStyleFrame(CDC* pDC, const RECT& rc, ButtonLook look, BOOL bTransparentStyle)
{
    const LONG l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    FrameInColour(pDC, rc, kBlack);
    switch (look)
    {
    case BUTTON_LOOK_PRESSED:
        FrameInColour(pDC, CRect(l + 1, t + 1, r - 1, b - 1), kGrey);
        break;
    case BUTTON_LOOK_RAISED:
        DrawButtonLines(pDC, kWhite, { l + 1, b - 3 }, { l + 1, t + 1 }, { r - 2, t + 1 });
        DrawButtonLines(pDC, kBlack, { l + 1, b - 2 }, { r - 2, b - 2 }, { r - 2, t });
        DrawButtonLines(pDC, kGrey, { l + 2, b - 3 }, { r - 3, b - 3 }, { r - 3, t + 1 });
        break;
    case BUTTON_LOOK_NORMAL:
        DrawButtonLines(pDC, kWhite, { l, b - 2 }, { l, t }, { r - 1, t });
        if (bTransparentStyle)
            DrawButtonLines(pDC, kLightGrey, { l + 1, b - 3 }, { l + 1, t + 1 }, { r - 2, t + 1 });
        DrawButtonLines(pDC, kGrey, { l + 1, b - 2 }, { r - 2, b - 2 }, { r - 2, t });
        break;
    }
}
