#include "toolkit/controls/XTLumBar.h"

#include "framework/Brush.h"
#include "framework/Pen.h"
#include "toolkit/frame/XTColorValue.h"
#include "toolkit/frame/XTGlobalData.h"

IMPLEMENT_DYNAMIC(CXTLumBar, CXTColorFieldBase)

CRect CXTLumBar::GetStripRect() const
{
    CRect rc;
    GetClientRect(&rc);
    return CRect(rc.left, rc.top + STRIP_MARGIN, rc.left + STRIP_WIDTH, rc.bottom - STRIP_MARGIN);
}

CPoint CXTLumBar::ClampMarker(CPoint point) const
{
    CRect rcStrip = GetStripRect();
    point.x = 0;
    point.y = point.y < rcStrip.top ? rcStrip.top : (point.y >= rcStrip.bottom ? rcStrip.bottom - 1 : point.y);
    return point;
}

COLORREF CXTLumBar::ColorAt(int x, int y) const
{
    CRect rcStrip = GetStripRect();
    if (rcStrip.Height() <= 0)
        return m_clr;
    // The top row is white and the bottom row black, whatever the height.
    int nRowFromBottom = rcStrip.bottom - 1 - ClampMarker(CPoint(x, y)).y;
    double dLuminance = rcStrip.Height() > 1 ? (double)nRowFromBottom / (rcStrip.Height() - 1) : 0;
    return CXTColorValue::HSLtoRGB(m_dHue, m_dSaturation, dLuminance);
}

int CXTLumBar::MarkerYFor(double dLuminance) const
{
    CRect rcStrip = GetStripRect();
    return ClampMarker(CPoint(0, rcStrip.top + (int)(rcStrip.Height() - rcStrip.Height() * dLuminance))).y;
}

void CXTLumBar::MoveMarkerToColor()
{
    m_ptMarker = CPoint(0, MarkerYFor(m_dLuminance));
}

void CXTLumBar::MoveToLuminance(double dLuminance)
{
    UpdateFromPoint(CPoint(0, MarkerYFor(dLuminance)), FALSE);
}

void CXTLumBar::OnArrowKey(UINT nChar)
{
    if (nChar == VK_UP || nChar == VK_DOWN)
        UpdateFromPoint(CPoint(0, m_ptMarker.y + (nChar == VK_UP ? -1 : 1)), TRUE);
}

void CXTLumBar::Draw(CDC* pDC)
{
    // The strip follows the hue and saturation, so it is made anew each time.
    CRect rcStrip = GetStripRect();
    m_cache.Resize(rcStrip.Width(), rcStrip.Height(), 0);
    for (int y = rcStrip.top; y < rcStrip.bottom; ++y)
    {
        COLORREF clr = ColorAt(0, y);
        for (int x = 0; x < rcStrip.Width(); ++x)
            m_cache.SetPixel(x, y - rcStrip.top, clr);
    }
    m_cache.Draw(pDC, rcStrip.left, rcStrip.top);

    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillSolidRect(CRect(rcStrip.right, rcClient.top, rcClient.right, rcClient.bottom), xtAfxData.m_clr3DFace);

    // A left-pointing triangle, 10 wide and 9 tall, beside the strip.
    int y = m_ptMarker.y;
    POINT pts[3] = { { rcStrip.left + 17, y }, { rcStrip.left + 26, y - 4 }, { rcStrip.left + 26, y + 4 } };
    BOOL bFocus = GetFocusPicker() == FocusId();
    CBrush brush(bFocus ? RGB(0, 0, 0) : xtAfxData.m_clr3DShadow);
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->Polygon(pts, 3);
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
}
