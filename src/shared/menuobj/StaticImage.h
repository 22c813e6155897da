// The window of a picture on a menu page: a BMP file or any picture of the
// picture loader, drawn at the object's top-left corner in its own size. The
// window is disabled, so that it never takes input.
#pragma once

#include "shared/menuobj/StaticBasis.h"

class CStaticImage : public CStaticBasis
{
    DECLARE_DYNAMIC(CStaticImage)
public:
    CStaticImage();

    // Creates the window and loads the picture; when it loaded, the window
    // takes the picture's size at the rectangle's top-left corner. FALSE when
    // the name is empty, the window cannot be made or the picture not loaded.
    BOOL CreateImage(LPCSTR lpszFile, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);

    // Attributes
    BOOL IsLoaded() const { return m_bLoaded; }
    int GetImageWidth() const { return m_nWidth; }
    int GetImageHeight() const { return m_nHeight; }
    const RECT& GetImageRect() const { return m_rcImage; }

    // Operations
    // Loads the picture file; on success the object rectangle takes its size.
    // Nothing is reported on failure.
    BOOL LoadImage();

    // Draws the picture; every paint retries a failed load.
    void Draw(CDC* pDC) override;

private:
    BOOL LoadPicture();

    BOOL m_bSized;           // loaded and sized
    RECT m_rcImage;
    CString m_strFile;
    BOOL m_bLoaded;
    int m_nWidth;
    int m_nHeight;
    CBitmap m_bitmap;        // the picture as drawn
};
