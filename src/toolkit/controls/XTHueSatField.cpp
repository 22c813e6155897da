#include "toolkit/controls/XTHueSatField.h"

#include "toolkit/frame/XTColorValue.h"

IMPLEMENT_DYNAMIC(CXTHueSatField, CXTColorFieldBase)

CSize CXTHueSatField::FieldSize() const
{
    CRect rc;
    GetClientRect(&rc);
    return CSize(rc.Width(), rc.Height());
}

COLORREF CXTHueSatField::ColorAt(int x, int y) const
{
    CSize size = FieldSize();
    if (size.cx <= 0 || size.cy <= 0)
        return m_clr;
    CPoint pt = ClampMarker(CPoint(x, y));
    int nRowFromBottom = size.cy - 1 - pt.y;
    return CXTColorValue::HSLtoRGB((double)pt.x / size.cx, (double)nRowFromBottom / size.cy, 0.5);
}

CPoint CXTHueSatField::ClampMarker(CPoint point) const
{
    CSize size = FieldSize();
    point.x = point.x < 0 ? 0 : (point.x >= size.cx ? size.cx - 1 : point.x);
    point.y = point.y < 0 ? 0 : (point.y >= size.cy ? size.cy - 1 : point.y);
    return point;
}

void CXTHueSatField::MoveMarkerToColor()
{
    CSize size = FieldSize();
    m_ptMarker = ClampMarker(CPoint((int)(size.cx * m_dHue), (int)(size.cy - size.cy * m_dSaturation)));
}

void CXTHueSatField::MoveToHue(double dHue)
{
    m_ptMarker.x = (int)(FieldSize().cx * dHue);
    UpdateFromPoint(m_ptMarker, FALSE);
}

void CXTHueSatField::MoveToSaturation(double dSaturation)
{
    CSize size = FieldSize();
    m_ptMarker.y = (int)(size.cy - size.cy * dSaturation);
    UpdateFromPoint(m_ptMarker, FALSE);
}

void CXTHueSatField::OnArrowKey(UINT nChar)
{
    CPoint pt = m_ptMarker;
    pt.x += nChar == VK_LEFT ? -1 : (nChar == VK_RIGHT ? 1 : 0);
    pt.y += nChar == VK_UP ? -1 : (nChar == VK_DOWN ? 1 : 0);
    UpdateFromPoint(pt, TRUE);
}

void CXTHueSatField::Draw(CDC* pDC)
{
    CSize size = FieldSize();
    if (m_cache.Width() != size.cx || m_cache.Height() != size.cy)
    {
        m_cache.Resize(size.cx, size.cy, 0);
        for (int x = 0; x < size.cx; ++x)
            for (int y = 0; y < size.cy; ++y)
                m_cache.SetPixel(x, y, ColorAt(x, y));
    }
    m_cache.Draw(pDC, 0, 0);

    // A cross of four 3-pixel-wide arms, 5 to 10 pixels from the point.
    COLORREF clrMarker = GetFocusPicker() == FocusId() ? RGB(255, 255, 255) : RGB(0, 0, 0);
    int x = m_ptMarker.x, y = m_ptMarker.y;
    pDC->FillSolidRect(x - 10, y - 1, 5, 3, clrMarker);
    pDC->FillSolidRect(x + 6, y - 1, 5, 3, clrMarker);
    pDC->FillSolidRect(x - 1, y - 10, 3, 5, clrMarker);
    pDC->FillSolidRect(x - 1, y + 6, 3, 5, clrMarker);
}
