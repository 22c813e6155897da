// Packed DIBs in movable global memory: format queries, palettes, painting,
// reading BMP files and turning device-dependent bitmaps into DIBs. A DIB is a
// memory block handle; whoever receives one from these functions owns it and
// frees it with GlobalFree. None of them shows a message: failures give null
// or FALSE.
#pragma once

#include "shared/support/DibLayout.h"

class CDC;
class CFile;
class CPalette;

// Header queries. The header must lie in readable memory of at least its own
// size; a header that GetDibLayout refuses gives 0 everywhere.
WORD DibNumColors(const void* pHeader);
WORD DibPaletteSize(const void* pHeader);
LONG DibWidth(const void* pHeader);
LONG DibHeight(const void* pHeader);
// Header address + header size + palette size.
BYTE* FindDibBits(void* pHeader);

// Locks a DIB block for the scope and checks that the block holds what its
// header promises. IsValid() is false for a null, unlockable or bad block.
class DibLock
{
public:
    explicit DibLock(HGLOBAL hDib);
    ~DibLock();
    DibLock(const DibLock&) = delete;
    DibLock& operator=(const DibLock&) = delete;

    bool IsValid() const { return m_bValid; }
    const DibLayout& Layout() const { return m_layout; }
    BITMAPINFO* Info() const { return reinterpret_cast<BITMAPINFO*>(m_pDib); }
    BYTE* Bits() const { return m_pDib + m_layout.BitsOffset(); }

private:
    HGLOBAL m_hDib;
    BYTE* m_pDib = nullptr;
    DibLayout m_layout;
    bool m_bValid = false;
};

// Reads a BMP file into a new DIB (40-byte header, rows bottom-up, RLE codes
// decoded, colours-used filled in for up to 8 bits per pixel); null on any
// failure.
HGLOBAL ReadDibFile(LPCSTR lpszPath);
// Reads a BMP file from an open framework file into a new DIB of the same
// form; null when the file is not a BMP this system can show. File
// exceptions pass to the caller.
HGLOBAL ReadDibFromFile(CFile& file);

// A palette of the DIB's colour table; null when it has none.
HPALETTE CreateDibPalette(HGLOBAL hDib);
// The same into a palette object; FALSE when the DIB has no colour table.
BOOL CreateDibPaletteObject(HGLOBAL hDib, CPalette* pPalette);
// A palette holding the screen's system palette (at most 256 entries); null on
// a screen that has none.
HPALETTE GetSystemPalette();

// A new DIB of the bitmap, at 1, 4, 8 or 24 bits per pixel, its colours
// mapped through the palette (the default palette when none is given).
HGLOBAL BitmapToDib(HBITMAP hBitmap, HPALETTE hPalette);

// Draws the source rectangle of the DIB into the target rectangle; unscaled
// when both have the same size, else stretched (colour-on-colour). The palette,
// when given, is selected as a background palette for the call.
BOOL PaintDib(CDC* pDC, const RECT& rcTarget, HGLOBAL hDib, const RECT& rcSource, HPALETTE hPalette);
// The same, always through stretching and without setting a stretch mode.
BOOL PaintDibStretched(CDC* pDC, const RECT& rcTarget, HGLOBAL hDib, const RECT& rcSource, HPALETTE hPalette);
