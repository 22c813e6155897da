// A text label with a font of its own height, weight and underline, painted in
// its own colour on the dialog's background.
#pragma once

#include "framework/Afx.h"

class CFontStatic : public CStatic
{
    DECLARE_DYNAMIC(CFontStatic)
public:
    CFontStatic();

    // The label takes the font at once when it exists, else when it is made
    // or first painted.
    void SetFontStyle(int nHeight, int nWeight, BOOL bUnderline, COLORREF crText);

protected:
    void PreSubclassWindow() override;
    // HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

private:
    // The label draws with the font it was given, whatever the DC held when
    // it was asked for its colours: the font is given to the label itself.
    void ApplyFont(BOOL bRenew);
    BOOL IsTextLabel();

    CFont m_font;
    COLORREF m_crText;
    int m_nHeight;
    int m_nWeight;
    BOOL m_bUnderline;
};
