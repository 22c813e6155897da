// One DIB with its palette, ready to draw: the BMP pictures of the player's
// document, picture dialog and menu dialog.
#pragma once

#include "framework/Object.h"
#include "framework/Rect.h"

class CBitmap;
class CDC;
class CPalette;

class CDibImage : public CObject
{
    DECLARE_DYNAMIC(CDibImage)
public:
    CDibImage() = default;
    CDibImage(const CDibImage&) = delete;
    CDibImage& operator=(const CDibImage&) = delete;
    ~CDibImage() override;

    // Attributes
    BOOL IsValid() const { return m_bValid; }   // width and height both non-zero after the last load
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    HGLOBAL GetDib() const { return m_hDib; }
    HPALETTE GetPalette() const { return m_hPalette; }
    int GetColorCount() const { return m_nColors; }

    // Operations
    // Reads a BMP file; returns the valid flag.
    BOOL LoadFile(LPCSTR lpszPath);
    // A DIB of the bitmap; the palette (which stays its owner's) maps its
    // colours and is the one the image is drawn with.
    BOOL CreateFromBitmap(CBitmap* pBitmap, CPalette* pPalette);
    // Sets the palette and size for the DIB just taken; returns the valid flag.
    BOOL InitFromDib();

    void Draw(CDC* pDC, int x, int y);
    void DrawRect(CDC* pDC, const RECT& rcTarget);

private:
    void FreeDib();
    void FreePalette();
    void TakeSizeFromDib();

    BOOL m_bValid = FALSE;
    HGLOBAL m_hDib = nullptr;
    HPALETTE m_hPalette = nullptr;
    bool m_bOwnsPalette = false;
    int m_nHeight = 0;
    int m_nWidth = 0;
    int m_nColors = 0;
    CRect m_rcSource;
    int m_nScreenBits = 0;
};

// Loads a BMP file into the image; the player's pictures are read this way.
BOOL LoadDibImage(CDibImage& image, LPCSTR lpszPath);
