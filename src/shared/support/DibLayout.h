// The checked layout of a packed DIB: what its header says about the sizes of
// the colour table and the pixels. Every reader and painter of DIBs asks this
// before it allocates or indexes, so a crafted header can never make it reach
// past a block.
#pragma once

#include <windows.h>

#include <cstddef>

// The largest picture side accepted: more than any menu can show, and small
// enough that a crafted header cannot make a reader, converter or painter
// work for seconds.
const LONG kMaxDibSide = 16384;

struct DibLayout
{
    bool bCoreHeader = false;     // the 12-byte old-style header
    DWORD nHeaderBytes = 0;       // 12, or 40, 52, 56, 108 or 124 for an info header
    DWORD nMaskBytes = 0;         // 12 for bit-field masks that follow a 40-byte header
    LONG nWidth = 0;
    LONG nHeight = 0;             // number of rows, always positive
    bool bTopDown = false;        // an info header with a negative height
    WORD nBitCount = 0;
    DWORD nCompression = BI_RGB;
    DWORD nColors = 0;            // entries of the colour table
    DWORD nPaletteBytes = 0;      // 4 bytes an entry after an info header, 3 after a core header
    DWORD nRowBytes = 0;          // uncompressed row, padded to 4 bytes
    DWORD nImageBytes = 0;        // rows x row bytes, or the stored size of compressed pixels
    DWORD masks[3] = {};          // red, green and blue of bit-field pixels

    DWORD TableOffset() const { return nHeaderBytes + nMaskBytes; }
    DWORD BitsOffset() const { return TableOffset() + nPaletteBytes; }
    DWORD TotalBytes() const { return BitsOffset() + nImageBytes; }
};

// The one check of a DIB header, for every reader and painter of DIBs and BMP
// files. Checks the header at pHeader (nAvailable bytes may be read there,
// the masks behind a 40-byte header included) and fills the layout.
// Accepted: the 12-byte old-style header and info headers of 40, 52, 56, 108
// and 124 bytes; 1, 4, 8, 16, 24 and 32 bits; uncompressed pixels, RLE8 on
// 8 bits, RLE4 on 4 bits (bottom-up only) and bit fields on 16 and 32 bits
// (each mask one run of bits within the pixel, the three not overlapping).
// Refused besides: sides of 0 or above kMaxDibSide, planes other than 1, more
// colours used than the bit count can index (256 at most above 8 bits).
// Sizes are computed in 64 bits. The colours-used field counts only up to 8
// bits per pixel when it is 0: a deeper DIB has then no colour table.
bool GetDibLayout(const void* pHeader, size_t nAvailable, DibLayout& layout);

// The bytes to read at pHeader for GetDibLayout: the header's own size, and
// the masks that follow a 40-byte header of bit-field pixels. 0 when the
// header's size is none GetDibLayout accepts.
size_t DibHeaderReadBytes(const void* pHeader);

// Checks a whole packed DIB of nSize bytes: a valid header whose colour table
// and pixels lie within the block.
bool GetPackedDibLayout(const void* pDib, size_t nSize, DibLayout& layout);

// Turns the rows of a top-down DIB (info header, not RLE) upside down in
// place and makes its height positive, so that every routine sees the usual
// bottom-up layout. The block must hold layout.TotalBytes() bytes.
void MakeDibBottomUp(void* pDib, DibLayout& layout);
