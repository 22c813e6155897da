// The one reader of BMP files behind every loader of them: it checks the file
// and DIB headers, reads the colour table and the pixels the file really
// holds, and gives a packed DIB with a 40-byte info header (bit-field masks
// behind it), its rows bottom-up.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>

// "BM", the type of every BMP file.
const WORD kBmpFileType = 0x4D42;

// Where a BMP file is read from.
class BmpSource
{
public:
    virtual ~BmpSource() = default;
    virtual ULONGLONG GetSize() = 0;
    // Exactly nCount bytes from nOffset on; false when they cannot all be read.
    virtual bool ReadAt(ULONGLONG nOffset, void* pBuffer, DWORD nCount) = 0;
};

// A BMP file read through an open file handle, which stays the caller's.
class BmpHandleSource : public BmpSource
{
public:
    explicit BmpHandleSource(HANDLE hFile) : m_hFile(hFile) {}
    ULONGLONG GetSize() override;
    bool ReadAt(ULONGLONG nOffset, void* pBuffer, DWORD nCount) override;

private:
    HANDLE m_hFile;
};

// A BMP file held in memory, which stays the caller's.
class BmpMemorySource : public BmpSource
{
public:
    BmpMemorySource(const BYTE* pBytes, size_t nSize) : m_pBytes(pBytes), m_nSize(nSize) {}
    ULONGLONG GetSize() override { return m_nSize; }
    bool ReadAt(ULONGLONG nOffset, void* pBuffer, DWORD nCount) override;

private:
    const BYTE* m_pBytes;
    size_t m_nSize;
};

enum class BmpReadResult
{
    ok,
    readFailed,         // the file ends before what its headers promise
    notBmp,             // no "BM", or headers no reader here can show
    oldStyleHeader,     // the 12-byte header of the oldest BMP files
    noMemory,
};

struct BmpReadOptions
{
    bool bZeroReservedFields = false;   // the file header's reserved fields must be 0
    bool bDecodeRle = false;            // RLE pixels become uncompressed rows
};

// Memory for the DIB: nBytes zero-filled bytes, or null when there are none.
// The memory is the caller's, also after a failed read.
typedef std::function<BYTE*(size_t nBytes)> DibAllocator;

// Reads the BMP file into a packed DIB. Uncompressed and bit-field pixels may
// end up to the last row's padding early; the missing bytes are 0. RLE pixels
// are the bytes the file holds behind the pixel offset, no more than the
// header's image size says; decoded, pixels that the codes skip are 0.
BmpReadResult ReadBmp(BmpSource& source, const BmpReadOptions& options, const DibAllocator& allocate);
// The checks ReadBmp makes before it allocates: file header, DIB header and
// pixels that lie within the file. Nothing is read beyond the headers.
BmpReadResult CheckBmp(BmpSource& source, const BmpReadOptions& options);
