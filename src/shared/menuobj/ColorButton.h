// The monochrome button: its picture in grey until the mouse is over it, then
// in colour, sunken while pressed.
#pragma once

#include "shared/menuobj/ImgBasisButton.h"

class CColorButton : public CImgBasisButton
{
    DECLARE_DYNAMIC(CColorButton)
public:
    CColorButton();

    void Draw(CDC* pDC) override;

    // The grey of a colour: the weighted sum of its parts, each term an
    // integer division, divided by 3.
    static COLORREF GreyOf(COLORREF cr);

private:
    // The grey copy of the picture, made once at the first Draw.
    void MakeStateImages();

    BOOL m_bImagesMade;
    CBitmap m_grey;
};
