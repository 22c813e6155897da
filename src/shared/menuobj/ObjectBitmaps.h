// Loading and drawing the pictures of the image buttons and picture windows:
// files into screen bitmaps, pixel-by-pixel recoloured copies and drawing with
// a transparent colour.
#pragma once

#include "framework/Afx.h"

#include <functional>

// The text of a file name from its last '.' on, upper-cased; empty without one.
CString GetUpperExtension(const CString& strFile);

// A BMP file through the DIB holder, as a screen bitmap made with the DIB's
// palette. FALSE (and the bitmap empty) when it does not load.
BOOL LoadDibBitmap(LPCSTR lpszFile, CBitmap& bitmap, int& cx, int& cy);

// Any picture of the picture loader (its error boxes off), rendered into a
// bitmap of its size compatible with the screen.
BOOL LoadPictureBitmap(LPCSTR lpszFile, CBitmap& bitmap, int& cx, int& cy);

// The colour of one pixel of a bitmap; CLR_INVALID outside it.
COLORREF GetBitmapPixel(CBitmap& bitmap, int x, int y);

// A copy of the source in which every pixel went through the function.
BOOL MakeRecolouredCopy(CBitmap& source, CBitmap& target, const std::function<COLORREF(COLORREF)>& recolour);

// The part (xSrc, ySrc, cx, cy) of the image drawn at (x, y) with the pixels
// of the transparent colour left out: a monochrome mask made with that colour
// as background is ANDed onto the target, then the image ORed.
void DrawTransparentBitmap(CDC* pDC, int x, int y, int cx, int cy, CBitmap& image, int xSrc, int ySrc,
                           COLORREF crTransparent);
