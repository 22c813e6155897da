// Windows icon (ICO) files: reading and writing them, and building icon
// images from bitmaps.
#pragma once

#include "shared/support/BmpFile.h"

#include <memory>
#include <vector>

// One image of an icon. Its data block is exactly as it stands in an ICO
// file: a 40-byte bitmap header whose height is twice the picture's, the
// colour table, the colour (XOR) pixels and the transparency (AND) mask.
struct IconImage
{
    UINT nWidth = 0;
    UINT nHeight = 0;              // the picture's height
    UINT nBitsPerPixel = 0;        // planes x bit count
    std::vector<BYTE> data;
    DWORD nColorOffset = 0;        // where the colour pixels start in data
    DWORD nMaskOffset = 0;         // where the mask starts in data

    DWORD DataSize() const { return DWORD(data.size()); }
    BITMAPINFOHEADER* Header() { return data.empty() ? nullptr : reinterpret_cast<BITMAPINFOHEADER*>(data.data()); }
    const BITMAPINFOHEADER* Header() const
    {
        return data.empty() ? nullptr : reinterpret_cast<const BITMAPINFOHEADER*>(data.data());
    }
    BYTE* ColorBits() { return data.empty() ? nullptr : data.data() + nColorOffset; }
    BYTE* Mask() { return data.empty() ? nullptr : data.data() + nMaskOffset; }
};

// A whole icon: where it was read from and its images in file order.
struct IconFile
{
    char szFileName[MAX_PATH] = "";
    std::vector<IconImage> images;
};

// Reads an ICO file; null on failure, which is shown in a box when asked.
std::unique_ptr<IconFile> ReadIconFile(LPCSTR lpszPath, BOOL bShowErrors);

// An icon handle of the image (the caller destroys it); null without data.
HICON CreateIconFromImage(const IconImage* pImage);

// Writes the icon as an ICO file; failures to create or start the file are
// shown in a box.
void WriteIconFile(const IconFile& icon, LPCSTR lpszPath);

// Makes the BMP file (or the packed DIB) the image, at the image's width,
// height and bits per pixel, stretched when asked; all pixels opaque.
bool IconImageFromBmpFile(LPCSTR lpszPath, IconImage& image, BOOL bStretch);
bool IconImageFromDib(IconImage& image, const PackedDib& dib, BOOL bStretch);

// A black, fully opaque picture of the image's width, height and bits per
// pixel.
bool CreateBlankIconImage(IconImage& image);

// Every pixel of the colour found at (x, y), counted from the top left, turns
// transparent (and black in the colour pixels); all others opaque. False for a
// point outside the picture or an image that is not a valid icon image.
bool MakeColorTransparentAt(IconImage& image, int x, int y);
