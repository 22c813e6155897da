// The custom colour page's hue/saturation field: hue runs left to right,
// saturation bottom to top, all at luminance 0.5; a cross marks the colour.
#pragma once

#include "toolkit/controls/XTColorFieldBase.h"

class CXTHueSatField : public CXTColorFieldBase
{
    DECLARE_DYNAMIC(CXTHueSatField)
public:
    void MoveToHue(double dHue);
    void MoveToSaturation(double dSaturation);
    COLORREF ColorAt(int x, int y) const override;
    void Draw(CDC* pDC) override;

protected:
    void MoveMarkerToColor() override;
    CPoint ClampMarker(CPoint point) const override;
    int FocusId() const override { return 1; }
    void OnArrowKey(UINT nChar) override;
    CSize FieldSize() const;
};
