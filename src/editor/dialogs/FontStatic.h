// A text label with a font of its own height, weight and underline, painted in
// its own colour on the dialog's background.
#pragma once

#include "framework/Afx.h"

class CFontStatic : public CStatic
{
    DECLARE_DYNAMIC(CFontStatic)
public:
    CFontStatic();

    // Takes effect when the font is made, on the label's first paint.
    void SetFontStyle(int nHeight, int nWeight, BOOL bUnderline, COLORREF crText);

protected:
    // HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

private:
    CFont m_font;
    COLORREF m_crText;
    int m_nHeight;
    int m_nWeight;
    BOOL m_bUnderline;
};
