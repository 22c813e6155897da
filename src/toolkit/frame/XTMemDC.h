// Paints off screen and copies the result to the target in one step, to
// avoid flicker. Drawing uses coordinates in which 0,0 is the covered
// rectangle's top-left corner.
#pragma once

#include "framework/DC.h"

class CXTMemDC : public CDC
{
    DECLARE_DYNAMIC(CXTMemDC)
public:
    // Covers rect (the target's clip box when it is empty), filled with
    // clrColor, or for -1 holding a copy of the target's pixels.
    CXTMemDC(CDC* pDC, const CRect& rect = CRect(0, 0, 0, 0), COLORREF clrColor = (COLORREF)-1);
    ~CXTMemDC() override;   // copies the bitmap to the target

    BOOL IsValid() const { return m_bValid; }
    const CRect& GetRect() const { return m_rc; }

private:
    CDC* m_pDC;
    CRect m_rc;
    CBitmap m_bitmap;
    HBITMAP m_hOldBitmap = nullptr;
    BOOL m_bValid = FALSE;
};
