#include "shared/support/BmpFileReader.h"

#include "shared/support/DibLayout.h"
#include "shared/support/FileHandle.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace {

const DWORD kFileHeaderBytes = sizeof(BITMAPFILEHEADER);
const DWORD kMaxHeaderBytes = sizeof(BITMAPV5HEADER);
const DWORD kMaskBytes = 3 * sizeof(DWORD);

// The stored header as read from the file, with room for the masks that
// may follow a 40-byte one.
struct StoredHeader
{
    BYTE bytes[kMaxHeaderBytes + kMaskBytes] = {};
    DWORD nRead = 0;
};

// Bytes of padding at the end of each row.
DWORD RowPadding(const DibLayout& layout)
{
    const DWORD nUsed = DWORD((ULONGLONG(layout.nWidth) * layout.nBitCount + 7) / 8);
    return layout.nRowBytes - nUsed;
}

// Writes one pixel index into a bottom-up row of 4 or 8 bits per pixel.
void PutIndex(BYTE* pRow, LONG x, WORD nBitCount, BYTE index)
{
    if (nBitCount == 8)
    {
        pRow[x] = index;
        return;
    }
    BYTE& b = pRow[x / 2];
    b = x % 2 == 0 ? BYTE((b & 0x0F) | (index << 4)) : BYTE((b & 0xF0) | (index & 0x0F));
}

// Decodes RLE8 or RLE4 codes into zeroed bottom-up rows. Every read stays
// within the codes and every write within the picture, whatever they say.
class RleDecoder
{
public:
    RleDecoder(const DibLayout& layout, BYTE* pBits) : m_layout(layout), m_pBits(pBits) {}

    void Decode(const BYTE* pCodes, size_t nCodes)
    {
        size_t nPos = 0;
        while (nPos + 1 < nCodes && m_y < m_layout.nHeight)
        {
            const BYTE nCount = pCodes[nPos];
            const BYTE value = pCodes[nPos + 1];
            nPos += 2;
            if (nCount > 0)
            {
                Run(nCount, value);
                continue;
            }
            switch (value)
            {
            case 0:     // end of line
                m_x = 0;
                ++m_y;
                break;
            case 1:     // end of picture
                return;
            case 2:     // move right and up
                if (nPos + 1 >= nCodes)
                    return;
                m_x = std::min<LONG>(m_x + pCodes[nPos], m_layout.nWidth);
                m_y = std::min<LONG>(m_y + pCodes[nPos + 1], m_layout.nHeight);
                nPos += 2;
                break;
            default:    // value pixels as they stand, padded to a whole word
                nPos = Literal(pCodes, nCodes, nPos, value);
                break;
            }
        }
    }

private:
    // Pixels past the right edge are dropped up to the next line end.
    void Put(BYTE index)
    {
        if (m_x >= m_layout.nWidth)
            return;
        PutIndex(m_pBits + size_t(m_y) * m_layout.nRowBytes, m_x, m_layout.nBitCount, index);
        ++m_x;
    }

    // RLE4 runs alternate the two halves of the value.
    void Run(BYTE nCount, BYTE value)
    {
        for (int i = 0; i < nCount && m_x < m_layout.nWidth; ++i)
            Put(m_layout.nBitCount == 8 ? value : BYTE(i % 2 == 0 ? value >> 4 : value & 0x0F));
    }

    size_t Literal(const BYTE* pCodes, size_t nCodes, size_t nPos, BYTE nCount)
    {
        const size_t nBytes = m_layout.nBitCount == 8 ? nCount : (size_t(nCount) + 1) / 2;
        for (int i = 0; i < nCount; ++i)
        {
            const size_t nAt = nPos + (m_layout.nBitCount == 8 ? size_t(i) : size_t(i) / 2);
            if (nAt >= nCodes)
                break;
            const BYTE b = pCodes[nAt];
            Put(m_layout.nBitCount == 8 ? b : BYTE(i % 2 == 0 ? b >> 4 : b & 0x0F));
        }
        return nPos + (nBytes + 1) / 2 * 2;
    }

    const DibLayout& m_layout;
    BYTE* m_pBits;
    LONG m_x = 0;
    LONG m_y = 0;
};

// Reads the stored header (and the masks behind a 40-byte one) after the
// file header.
BmpReadResult ReadStoredHeader(BmpSource& source, ULONGLONG nFileSize, StoredHeader& header)
{
    if (nFileSize < kFileHeaderBytes + sizeof(DWORD))
        return BmpReadResult::readFailed;
    header.nRead = DWORD(std::min<ULONGLONG>(sizeof(header.bytes), nFileSize - kFileHeaderBytes));
    if (!source.ReadAt(kFileHeaderBytes, header.bytes, header.nRead))
        return BmpReadResult::readFailed;
    DWORD nSize;
    memcpy(&nSize, header.bytes, sizeof(nSize));
    if (nSize == sizeof(BITMAPCOREHEADER))
        return BmpReadResult::oldStyleHeader;
    const size_t nNeeded = DibHeaderReadBytes(header.bytes);
    if (nNeeded == 0)
        return BmpReadResult::notBmp;
    return nNeeded <= header.nRead ? BmpReadResult::ok : BmpReadResult::readFailed;
}

// The DIB's own header: the classic 40 bytes of the stored one, and the
// masks of bit-field pixels behind it.
struct DibHeader
{
    BITMAPINFOHEADER info;
    DWORD masks[3];
};

// An RLE header without an image size: the codes run to the end of the file,
// which PlanPixels finds.
void ProvideRleSize(StoredHeader& stored, ULONGLONG nFileSize)
{
    BITMAPINFOHEADER* pInfo = reinterpret_cast<BITMAPINFOHEADER*>(stored.bytes);
    if (stored.nRead >= sizeof(BITMAPINFOHEADER) && pInfo->biSize != sizeof(BITMAPCOREHEADER) &&
        (pInfo->biCompression == BI_RLE8 || pInfo->biCompression == BI_RLE4) && pInfo->biSizeImage == 0)
        pInfo->biSizeImage = DWORD(std::min<ULONGLONG>(nFileSize, 0x7FFF0000));
}

struct PixelPlan
{
    ULONGLONG nStart = 0;      // where the pixels start in the file
    DWORD nRead = 0;           // bytes to read there
};

// Where the pixels lie and how many bytes of them the file holds.
BmpReadResult PlanPixels(const BITMAPFILEHEADER& bfh, const DibLayout& stored, ULONGLONG nFileSize, PixelPlan& plan)
{
    const ULONGLONG nTableStart = kFileHeaderBytes + ULONGLONG(stored.TableOffset());
    plan.nStart = bfh.bfOffBits != 0 ? bfh.bfOffBits : kFileHeaderBytes + ULONGLONG(stored.BitsOffset());
    if (plan.nStart < kFileHeaderBytes + ULONGLONG(stored.nHeaderBytes) ||
        nTableStart + stored.nPaletteBytes > nFileSize || plan.nStart > nFileSize)
        return BmpReadResult::readFailed;
    const ULONGLONG nHeld = nFileSize - plan.nStart;
    if (stored.nCompression == BI_RLE8 || stored.nCompression == BI_RLE4)
    {
        plan.nRead = DWORD(std::min<ULONGLONG>(stored.nImageBytes, nHeld));
        return plan.nRead != 0 ? BmpReadResult::ok : BmpReadResult::readFailed;
    }
    if (nHeld + RowPadding(stored) < stored.nImageBytes)
        return BmpReadResult::readFailed;
    plan.nRead = DWORD(std::min<ULONGLONG>(nHeld, stored.nImageBytes));
    return BmpReadResult::ok;
}

bool ReadRleCodes(BmpSource& source, const PixelPlan& plan, std::vector<BYTE>& codes)
{
    try
    {
        codes.resize(plan.nRead);
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
    return source.ReadAt(plan.nStart, codes.data(), plan.nRead);
}

// What the file's headers say, checked: the stored DIB header, its layout and
// where the pixels lie.
struct CheckedHeaders
{
    StoredHeader stored;
    DibLayout storedLayout;
    PixelPlan plan;
};

BmpReadResult CheckHeaders(BmpSource& source, const BmpReadOptions& options, CheckedHeaders& checked)
{
    // 1. The file header.
    const ULONGLONG nFileSize = source.GetSize();
    BITMAPFILEHEADER bfh;
    if (nFileSize < kFileHeaderBytes || !source.ReadAt(0, &bfh, kFileHeaderBytes))
        return BmpReadResult::readFailed;
    if (bfh.bfType != kBmpFileType || (options.bZeroReservedFields && (bfh.bfReserved1 != 0 || bfh.bfReserved2 != 0)))
        return BmpReadResult::notBmp;

    // 2. The DIB header, checked as it is stored.
    const BmpReadResult headerResult = ReadStoredHeader(source, nFileSize, checked.stored);
    if (headerResult != BmpReadResult::ok)
        return headerResult;
    ProvideRleSize(checked.stored, nFileSize);
    if (!GetDibLayout(checked.stored.bytes, checked.stored.nRead, checked.storedLayout))
        return BmpReadResult::notBmp;
    return PlanPixels(bfh, checked.storedLayout, nFileSize, checked.plan);
}

} // namespace

ULONGLONG BmpHandleSource::GetSize()
{
    LARGE_INTEGER size;
    return GetFileSizeEx(m_hFile, &size) ? ULONGLONG(size.QuadPart) : 0;
}

bool BmpHandleSource::ReadAt(ULONGLONG nOffset, void* pBuffer, DWORD nCount)
{
    LARGE_INTEGER offset;
    offset.QuadPart = LONGLONG(nOffset);
    return SetFilePointerEx(m_hFile, offset, nullptr, FILE_BEGIN) && ReadExactly(m_hFile, pBuffer, nCount);
}

bool BmpMemorySource::ReadAt(ULONGLONG nOffset, void* pBuffer, DWORD nCount)
{
    if (nOffset > m_nSize || nCount > m_nSize - nOffset)
        return false;
    memcpy(pBuffer, m_pBytes + nOffset, nCount);
    return true;
}

BmpReadResult CheckBmp(BmpSource& source, const BmpReadOptions& options)
{
    CheckedHeaders checked;
    return CheckHeaders(source, options, checked);
}

BmpReadResult ReadBmp(BmpSource& source, const BmpReadOptions& options, const DibAllocator& allocate)
{
    // 1. and 2. File header, DIB header and where the pixels lie.
    CheckedHeaders checked;
    const BmpReadResult checkResult = CheckHeaders(source, options, checked);
    if (checkResult != BmpReadResult::ok)
        return checkResult;
    const StoredHeader& stored = checked.stored;
    const DibLayout& storedLayout = checked.storedLayout;
    const PixelPlan& plan = checked.plan;

    // 3. The DIB's header: 40 bytes, masks behind it, RLE decoded or keeping
    // the bytes the file holds.
    const bool bRle = storedLayout.nCompression == BI_RLE8 || storedLayout.nCompression == BI_RLE4;
    DibHeader header = {};
    memcpy(&header.info, stored.bytes, sizeof(header.info));
    header.info.biSize = sizeof(header.info);
    memcpy(header.masks, storedLayout.masks, sizeof(header.masks));
    if (bRle && options.bDecodeRle)
    {
        header.info.biCompression = BI_RGB;
        header.info.biSizeImage = storedLayout.nRowBytes * DWORD(storedLayout.nHeight);
    }
    else if (bRle)
    {
        header.info.biSizeImage = plan.nRead;
    }
    DibLayout layout;
    if (!GetDibLayout(&header, sizeof(header), layout))
        return BmpReadResult::notBmp;

    // 4. Header, colour table and pixels into the caller's memory.
    BYTE* pDib = allocate(layout.TotalBytes());
    if (pDib == nullptr)
        return BmpReadResult::noMemory;
    memcpy(pDib, &header, layout.TableOffset());
    if (!source.ReadAt(kFileHeaderBytes + storedLayout.TableOffset(), pDib + layout.TableOffset(),
                       layout.nPaletteBytes))
        return BmpReadResult::readFailed;
    BYTE* pBits = pDib + layout.BitsOffset();
    if (bRle && options.bDecodeRle)
    {
        std::vector<BYTE> codes;
        if (!ReadRleCodes(source, plan, codes))
            return BmpReadResult::readFailed;
        RleDecoder(layout, pBits).Decode(codes.data(), codes.size());
    }
    else if (!source.ReadAt(plan.nStart, pBits, plan.nRead))
    {
        return BmpReadResult::readFailed;
    }
    MakeDibBottomUp(pDib, layout);
    return BmpReadResult::ok;
}
