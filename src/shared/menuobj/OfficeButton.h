// The office button: its picture as it is while idle; under the mouse and
// pressed the picture with its background in the highlight colour, framed in
// dark blue.
#pragma once

#include "shared/menuobj/ImgBasisButton.h"

class COfficeButton : public CImgBasisButton
{
    DECLARE_DYNAMIC(COfficeButton)
public:
    COfficeButton();

    // Sets the highlight colour RGB(182,189,210) as well.
    BOOL CreateImageButton(LPCSTR lpszCaption, DWORD dwStyle, int nFrameMode, int x, int y, CBitmap* pImage,
                           CWnd* pParent, UINT nID) override;
    void Draw(CDC* pDC) override;

private:
    // The highlight copy of the picture, made once at the first Draw: every
    // pixel of the top-left pixel's colour becomes the highlight colour.
    void MakeStateImages();

    COLORREF m_crHighlight;
    BOOL m_bImagesMade;
    CBitmap m_highlight;
};
