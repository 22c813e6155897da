// An off-screen device context: the page windows draw into it and copy the
// finished picture to the screen at once, so nothing flickers.
#pragma once

#include "framework/DC.h"

class CWnd;

class CMemDC : public CDC
{
    DECLARE_DYNAMIC(CMemDC)
public:
    // A compatible context of the target (with its mapping mode) holding a
    // bitmap of the rectangle's size filled with the colour.
    CMemDC(CDC* pTarget, const RECT& rect, COLORREF crFill);
    // The same over the window's client rectangle.
    CMemDC(CDC* pTarget, CWnd* pWnd, COLORREF crFill);
    ~CMemDC() override;

    // Copies the whole bitmap to the target at (0, 0).
    void CopyTo(CDC* pTarget);
    // Copies the rectangle's width and height from (xSrc, ySrc) to (x, y).
    void CopyToAt(CDC* pTarget, int x, int y, int xSrc, int ySrc);

private:
    void Init(CDC* pTarget, const RECT& rect, COLORREF crFill);

    CRect m_rect;
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap = nullptr;
    CBrush m_brush;
};
