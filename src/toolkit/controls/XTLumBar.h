// The custom colour page's luminance bar: a 14-pixel strip from black at the
// bottom to white at the top in the colour's hue and saturation, with a
// triangle right of it marking the colour's luminance.
#pragma once

#include "toolkit/controls/XTColorFieldBase.h"

class CXTLumBar : public CXTColorFieldBase
{
    DECLARE_DYNAMIC(CXTLumBar)
public:
    enum { STRIP_MARGIN = 4, STRIP_WIDTH = 14 };

    void MoveToLuminance(double dLuminance);
    COLORREF ColorAt(int x, int y) const override;
    void Draw(CDC* pDC) override;
    // The strip in client coordinates.
    CRect GetStripRect() const;

protected:
    void MoveMarkerToColor() override;
    CPoint ClampMarker(CPoint point) const override;
    int FocusId() const override { return 2; }
    void OnArrowKey(UINT nChar) override;
    int MarkerYFor(double dLuminance) const;
};
