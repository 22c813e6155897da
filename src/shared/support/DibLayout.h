// The checked layout of a packed DIB: what its header says about the sizes of
// the colour table and the pixels. Every reader and painter of DIBs asks this
// before it allocates or indexes, so a crafted header can never make it reach
// past a block.
#pragma once

#include <windows.h>

#include <cstddef>

struct DibLayout
{
    bool bCoreHeader = false;     // the 12-byte old-style header
    DWORD nHeaderBytes = 0;       // 40 or 12
    LONG nWidth = 0;
    LONG nHeight = 0;             // number of rows, always positive
    bool bTopDown = false;        // an info header with a negative height
    WORD nBitCount = 0;
    DWORD nCompression = BI_RGB;
    DWORD nColors = 0;            // entries of the colour table
    DWORD nPaletteBytes = 0;      // 4 bytes an entry after an info header, 3 after a core header
    DWORD nRowBytes = 0;          // uncompressed row, padded to 4 bytes
    DWORD nImageBytes = 0;        // rows x row bytes, or the stored size of compressed pixels

    DWORD BitsOffset() const { return nHeaderBytes + nPaletteBytes; }
    DWORD TotalBytes() const { return BitsOffset() + nImageBytes; }
};

// Checks the header at pHeader (nAvailable bytes may be read there) and fills
// the layout. Refused: header sizes other than 40 and 12, widths and heights of
// 0, planes other than 1, bit counts other than 1, 4, 8, 16, 24 and 32, more
// colours used than the bit count can index (256 at most above 8 bits),
// compressions other than none and RLE (RLE needs its stored size and cannot be
// top-down), and blocks of 2 GB or more. Sizes are computed in 64 bits.
// The colours-used field counts only up to 8 bits per pixel when it is 0: a
// deeper DIB has then no colour table.
bool GetDibLayout(const void* pHeader, size_t nAvailable, DibLayout& layout);

// Checks a whole packed DIB of nSize bytes: a valid header whose colour table
// and pixels lie within the block.
bool GetPackedDibLayout(const void* pDib, size_t nSize, DibLayout& layout);

// Turns the rows of a top-down DIB (info header, uncompressed) upside down in
// place and makes its height positive, so that every routine sees the usual
// bottom-up layout. The block must hold layout.TotalBytes() bytes.
void MakeDibBottomUp(void* pDib, DibLayout& layout);
