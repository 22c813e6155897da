// Packed DIBs in ordinary heap memory: the BMP reader that reports each
// failure in a message box, the DIB format converter behind the icon
// builder, its colour-table filler and a pixel setter for 1-bit masks.
#pragma once

#include <windows.h>

#include <vector>

// A packed DIB with a 40-byte info header (bit-field masks behind it); empty
// stands for none.
typedef std::vector<BYTE> PackedDib;

// The DIB rules used here; pHeader must be a checked info header.
DWORD GetDibRowBytes(const BITMAPINFOHEADER* pHeader);
DWORD GetDibColorCount(const BITMAPINFOHEADER* pHeader);
DWORD GetDibPaletteSize(const BITMAPINFOHEADER* pHeader);
BYTE* GetDibBitsPointer(BITMAPINFOHEADER* pHeader);

// Reads a BMP file into a DIB with a 40-byte header (rows bottom-up, RLE codes
// kept as the file holds them); on failure shows why in a box captioned with
// the path and returns an empty DIB. Only the 12-byte old-style header is
// refused as such.
PackedDib ReadBmpFile(LPCSTR lpszPath);

// The source picture in a new DIB of the given size and bit count (1, 4, 8,
// 16, 24 or 32), stretched when asked and the sizes differ, else copied from
// the top left. Empty when the source is not an uncompressed DIB or the
// drawing surfaces cannot be made.
PackedDib ConvertDibFormat(const PackedDib& source, int nWidth, int nHeight, int nBitCount, BOOL bStretch);

// Fills the colour table behind pTarget (room for 256 entries) for its bit
// count: black and white for 1 bit; for 4 and 8 bits the source's colours
// when it has the same bit count (as many as it really has), else the default
// palette's 16 or the screen's halftone palette's 256 colours.
BOOL CopyColorTable(BITMAPINFO* pTarget, const BITMAPINFO* pSource);

// Sets or clears one pixel of a bottom-up 1-bit image; y counts from the top.
// Points outside the image are ignored.
void SetMonoDibPixel(BYTE* pBits, int nWidth, int nHeight, int x, int y, BOOL bOn);

// The message for a file that cannot be found, in the interface language.
int ShowFileNotFound(LPCSTR lpszPath);
