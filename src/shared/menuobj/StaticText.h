// The window of a text on a menu page: the create struct's text in its font
// description, in a rectangle as large as the text.
#pragma once

#include "shared/menuobj/StaticBasis.h"

class CStaticText : public CStaticBasis
{
    DECLARE_DYNAMIC(CStaticText)
public:
    CStaticText();

    // Attributes
    BOOL IsMeasured() const { return m_bMeasured; }
    const RECT& GetTextRect() const { return m_rcText; }

    // Measures the text, makes the create struct's rectangle the text's and
    // draws the text centred in it.
    void Draw(CDC* pDC) override;

private:
    BOOL m_bMeasured;
    RECT m_rcText;
    int m_nTextWidth;
    int m_nTextHeight;
};
