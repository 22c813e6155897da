// The base of the buttons composed from their picture (monochrome and office
// styles): the button is as large as the whole picture, which is drawn with
// 1-pixel frames for the looks. The three pens of the frames exist once for
// all such buttons.
#pragma once

#include "shared/menuobj/ButBasis.h"

class CImgBasisButton : public CButBasis
{
    DECLARE_DYNAMIC(CImgBasisButton)
public:
    // Construction
    CImgBasisButton();
    ~CImgBasisButton() override;

    // Loads the whole picture of the create struct's image file (no message
    // on failure, and then no window), sizes the struct's rectangle to it and
    // creates the window from the struct.
    BOOL CreateFromStruct(CMButCreateStruct* pCrStruct, CWnd* pParent);

    // Attributes
    int GetFrameMode() const { return m_nFrameMode; }
    CBitmap* GetImage() const { return m_pImage; }

    // Overridables
    // Remembers the frame mode and the picture, and creates the window at (x,
    // y) in the picture's size.
    virtual BOOL CreateImageButton(LPCSTR lpszCaption, DWORD dwStyle, int nFrameMode, int x, int y, CBitmap* pImage,
                                   CWnd* pParent, UINT nID);
    // The picture at the object's top-left corner moved by (dx, dy): a
    // positive offset is clipped on the right and bottom, a negative one takes
    // the picture from (-dx, -dy). With both pens, a frame of the picture's
    // size: the first pen on the left and top, the second on the right and
    // bottom.
    virtual void DrawImage(CDC* pDC, int dx, int dy, CPen* pTopLeft, CPen* pBottomRight, CBitmap* pImage);

protected:
    // The shared pens: grey RGB(128,128,128), white and dark blue RGB(10,36,106).
    static CPen* GreyPen();
    static CPen* WhitePen();
    static CPen* BluePen();
    // A black frame on the object rectangle (the focus).
    void DrawFocusFrame(CDC* pDC);

    int m_nFrameMode;
    CBitmap* m_pImage;       // the picture handed in; m_image for this class's own
    CBitmap m_image;         // the picture loaded from the create struct
    int m_nImageWidth;
    int m_nImageHeight;

private:
    static int s_nInstances;
    static CPen* s_pGreyPen;
    static CPen* s_pWhitePen;
    static CPen* s_pBluePen;
};
