// The 3-D edge around an image-style button: raised when up, sunken when
// pressed.
#pragma once

#include "framework/Object.h"

class CDC;

class CEdgePainter : public CObject
{
    DECLARE_DYNAMIC(CEdgePainter)
public:
    void SetRect(const RECT& rect) { m_rect = rect; }

    // White on the left and top, grey on the right and bottom.
    void DrawRaised(CDC* pDC) const;
    // Grey on the left and top, white on the right and bottom.
    void DrawSunken(CDC* pDC) const;

private:
    void DrawEdges(CDC* pDC, HPEN hTopLeft, HPEN hBottomRight) const;

    RECT m_rect = {};
};
