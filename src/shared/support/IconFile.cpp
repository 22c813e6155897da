#include "shared/support/IconFile.h"

#include "framework/MessageBox.h"
#include "shared/support/DibLayout.h"
#include "shared/support/FileHandle.h"
#include "shared/support/DibSurface.h"
#include "shared/support/Language.h"

#include <cstring>
#include <new>
#include <utility>

namespace {

#pragma pack(push, 1)
struct IconFileHeader
{
    WORD wReserved;
    WORD wType;
    WORD wCount;
};

struct IconDirEntry
{
    BYTE bWidth;
    BYTE bHeight;
    BYTE bColorCount;
    BYTE bReserved;
    WORD wPlanes;
    WORD wBitCount;
    DWORD dwBytesInRes;
    DWORD dwImageOffset;
};
#pragma pack(pop)

const WORD kIconType = 1;

bool WriteAll(HANDLE hFile, const void* pBuffer, DWORD nCount)
{
    DWORD nWritten = 0;
    return WriteFile(hFile, pBuffer, nCount, &nWritten, nullptr) && nWritten == nCount;
}

// Where the parts of an icon image's data lie.
struct IconLayout
{
    DibLayout picture;     // the colour picture, at half the header's height
    DWORD nMaskRowBytes = 0;
    DWORD nColorOffset = 0;
    DWORD nMaskOffset = 0;
    DWORD nEndOffset = 0;
};

DWORD MaskRowBytes(LONG nWidth)
{
    return DWORD((ULONGLONG(nWidth) + 31) / 32 * 4);
}

// Checks that data holds a 40-byte header of an uncompressed bottom-up
// picture (height doubled) whose colour table, colour pixels and mask lie
// within it.
bool GetIconLayout(const std::vector<BYTE>& data, IconLayout& layout)
{
    if (data.size() < sizeof(BITMAPINFOHEADER))
        return false;
    BITMAPINFOHEADER header;
    memcpy(&header, data.data(), sizeof(header));
    if (header.biSize != sizeof(BITMAPINFOHEADER) || header.biHeight < 2)
        return false;
    header.biHeight /= 2;
    if (!GetDibLayout(&header, sizeof(header), layout.picture) || layout.picture.nCompression != BI_RGB)
        return false;
    layout.nMaskRowBytes = MaskRowBytes(layout.picture.nWidth);
    const ULONGLONG nMaskBytes = ULONGLONG(layout.nMaskRowBytes) * ULONGLONG(layout.picture.nHeight);
    const ULONGLONG nEnd = ULONGLONG(layout.picture.TotalBytes()) + nMaskBytes;
    if (nEnd > data.size())
        return false;
    layout.nColorOffset = layout.picture.BitsOffset();
    layout.nMaskOffset = layout.picture.TotalBytes();
    layout.nEndOffset = DWORD(nEnd);
    return true;
}

// Sets the image's size and part offsets from its data.
bool SetUpIconImage(IconImage& image)
{
    IconLayout layout;
    if (!GetIconLayout(image.data, layout))
        return false;
    image.nWidth = UINT(layout.picture.nWidth);
    image.nHeight = UINT(layout.picture.nHeight);
    image.nBitsPerPixel = image.Header()->biPlanes * image.Header()->biBitCount;
    image.nColorOffset = layout.nColorOffset;
    image.nMaskOffset = layout.nMaskOffset;
    return true;
}

std::unique_ptr<IconFile> IconReadFailure(LPCSTR lpszText, BOOL bShowErrors)
{
    if (bShowErrors)
        AfxMessageBox(lpszText, MB_OK);
    return nullptr;
}

const char kOpenFailed[] = "Error Opening File for Reading";
const char kNoMemory[] = "Error Allocating Memory";
const char kBadHeader[] = "Error Reading File Header";
const char kReadFailed[] = "Error Reading File";
const char kSeekFailed[] = "Error Seeking in File";
const char kBadImage[] = "Error Converting to Internal Format";

bool AllocateBytes(std::vector<BYTE>& data, size_t nSize)
{
    try
    {
        data.assign(nSize, 0);
        return true;
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
}

// The entry's image block read from its offset; returns the failure's text or null.
LPCSTR ReadIconImage(HANDLE hFile, ULONGLONG nFileSize, const IconDirEntry& entry, IconImage& image)
{
    if (entry.dwBytesInRes < sizeof(BITMAPINFOHEADER))
        return kBadImage;
    if (ULONGLONG(entry.dwImageOffset) + entry.dwBytesInRes > nFileSize)
        return kReadFailed;
    if (!AllocateBytes(image.data, entry.dwBytesInRes))
        return kNoMemory;
    LARGE_INTEGER offset;
    offset.QuadPart = entry.dwImageOffset;
    if (!SetFilePointerEx(hFile, offset, nullptr, FILE_BEGIN))
        return kSeekFailed;
    if (!ReadExactly(hFile, image.data.data(), entry.dwBytesInRes))
        return kReadFailed;
    return SetUpIconImage(image) ? nullptr : kBadImage;
}

// The images of an icon as the file holds them; returns the failure's text or null.
LPCSTR ReadIconImages(HANDLE hFile, IconFile& icon)
{
    LARGE_INTEGER fileSize;
    if (!GetFileSizeEx(hFile, &fileSize))
        return kReadFailed;
    const size_t nCount = icon.images.size();
    if (nCount == 0)
        return nullptr;
    // The directory must be in the file before it is allocated.
    if (sizeof(IconFileHeader) + ULONGLONG(nCount) * sizeof(IconDirEntry) > ULONGLONG(fileSize.QuadPart))
        return kReadFailed;
    std::vector<IconDirEntry> directory;
    try
    {
        directory.resize(nCount);
    }
    catch (const std::bad_alloc&)
    {
        return kNoMemory;
    }
    if (!ReadExactly(hFile, directory.data(), DWORD(nCount * sizeof(IconDirEntry))))
        return kReadFailed;
    // An image this reader cannot use (a PNG image, say) is left out; the
    // icon keeps the others and fails only when none is left.
    std::vector<IconImage> usable;
    for (size_t i = 0; i < nCount; ++i)
    {
        LPCSTR lpszFailure = ReadIconImage(hFile, ULONGLONG(fileSize.QuadPart), directory[i], icon.images[i]);
        if (lpszFailure == nullptr)
            usable.push_back(std::move(icon.images[i]));
        else if (lpszFailure != kBadImage)
            return lpszFailure;
    }
    if (usable.empty())
        return kBadImage;
    icon.images = std::move(usable);
    return nullptr;
}

BYTE DirectoryColorCount(const BITMAPINFOHEADER* pHeader)
{
    const UINT nBits = pHeader != nullptr ? UINT(pHeader->biPlanes) * pHeader->biBitCount : 0;
    return nBits < 8 ? BYTE(1u << nBits) : 0;
}

bool WriteIconImages(HANDLE hFile, const IconFile& icon)
{
    DWORD nOffset = DWORD(sizeof(IconFileHeader) + icon.images.size() * sizeof(IconDirEntry));
    for (const IconImage& image : icon.images)
    {
        const BITMAPINFOHEADER* pHeader = image.Header();
        IconDirEntry entry = {};
        entry.bWidth = BYTE(image.nWidth);
        entry.bHeight = BYTE(image.nHeight);
        entry.bColorCount = DirectoryColorCount(pHeader);
        entry.wPlanes = pHeader != nullptr ? pHeader->biPlanes : 0;
        entry.wBitCount = pHeader != nullptr ? pHeader->biBitCount : 0;
        entry.dwBytesInRes = image.DataSize();
        entry.dwImageOffset = nOffset;
        if (!WriteAll(hFile, &entry, sizeof(entry)))
            return false;
        nOffset += image.DataSize();
    }
    for (const IconImage& image : icon.images)
    {
        if (image.data.size() < sizeof(BITMAPINFOHEADER))
        {
            if (!WriteAll(hFile, image.data.data(), image.DataSize()))
                return false;
            continue;
        }
        // The file's headers carry no image size.
        BITMAPINFOHEADER header = *image.Header();
        header.biSizeImage = 0;
        if (!WriteAll(hFile, &header, sizeof(header)) ||
            !WriteAll(hFile, image.data.data() + sizeof(header), DWORD(image.data.size() - sizeof(header))))
            return false;
    }
    return true;
}

void ShowCompressedBitmapRefused()
{
    if (IsGerman())
        AfxMessageBox("FEHLER:\n\nDie Bitmapdatei wurde komprimiert abgespeichert !\n"
                      "Bitte speichern Sie die Datei im RGB-Format.\n",
                      MB_OK);
    else
        AfxMessageBox("ERROR:\n\nThe bitmap file is RLE kompressed !\nPlease save your bitmap in RGB-format.\n", MB_OK);
}

// The colour table of an icon image's picture with the header's height halved.
struct PictureInfo
{
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

} // namespace

std::unique_ptr<IconFile> ReadIconFile(LPCSTR lpszPath, BOOL bShowErrors)
{
    CFileHandle file(CreateFileA(lpszPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return IconReadFailure(kOpenFailed, bShowErrors);
    IconFileHeader header;
    if (!ReadExactly(file.Get(), &header, sizeof(header)) || header.wReserved != 0 || header.wType != kIconType)
        return IconReadFailure(kBadHeader, bShowErrors);

    std::unique_ptr<IconFile> icon(new (std::nothrow) IconFile);
    if (!icon)
        return IconReadFailure(kNoMemory, bShowErrors);
    lstrcpynA(icon->szFileName, lpszPath, sizeof(icon->szFileName));
    try
    {
        icon->images.resize(header.wCount);
    }
    catch (const std::bad_alloc&)
    {
        return IconReadFailure(kNoMemory, bShowErrors);
    }
    if (LPCSTR lpszFailure = ReadIconImages(file.Get(), *icon))
        return IconReadFailure(lpszFailure, bShowErrors);
    return icon;
}

HICON CreateIconFromImage(const IconImage* pImage)
{
    IconLayout layout;
    if (pImage == nullptr || !GetIconLayout(pImage->data, layout))
        return nullptr;
    BYTE* pData = const_cast<BYTE*>(pImage->data.data());
    HICON hIcon = CreateIconFromResourceEx(pData, pImage->DataSize(), TRUE, 0x30000, int(pImage->nWidth),
                                           int(pImage->nHeight), LR_DEFAULTCOLOR);
    if (hIcon == nullptr && pImage->nBitsPerPixel != 16)
        hIcon = CreateIconFromResource(pData, pImage->DataSize(), TRUE, 0x30000);
    return hIcon;
}

void WriteIconFile(const IconFile& icon, LPCSTR lpszPath)
{
    CFileHandle file(CreateFileA(lpszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
    {
        AfxMessageBox("Error Opening File for Writing", MB_OK);
        return;
    }
    const IconFileHeader header = { 0, kIconType, WORD(icon.images.size()) };
    if (!WriteAll(file.Get(), &header, sizeof(header)))
    {
        AfxMessageBox("Error Writing ICO File", MB_OK);
        return;
    }
    WriteIconImages(file.Get(), icon);
}

bool IconImageFromBmpFile(LPCSTR lpszPath, IconImage& image, BOOL bStretch)
{
    const PackedDib dib = ReadBmpFile(lpszPath);
    return !dib.empty() && IconImageFromDib(image, dib, bStretch);
}

bool IconImageFromDib(IconImage& image, const PackedDib& dib, BOOL bStretch)
{
    if (dib.size() < sizeof(BITMAPINFOHEADER))
        return false;
    // Bit-field pixels convert like plain ones; only RLE codes are refused.
    const DWORD nCompression = reinterpret_cast<const BITMAPINFOHEADER*>(dib.data())->biCompression;
    if (nCompression == BI_RLE8 || nCompression == BI_RLE4)
    {
        ShowCompressedBitmapRefused();
        return false;
    }
    const PackedDib converted =
        ConvertDibFormat(dib, int(image.nWidth), int(image.nHeight), int(image.nBitsPerPixel), bStretch);
    DibLayout layout;
    if (!GetPackedDibLayout(converted.data(), converted.size(), layout))
        return false;

    // Header and colour table with the height doubled, the colour pixels, and
    // a cleared mask: every pixel opaque.
    const size_t nMaskBytes = size_t(MaskRowBytes(layout.nWidth)) * size_t(layout.nHeight);
    image.data.clear();
    if (!AllocateBytes(image.data, size_t(layout.TotalBytes()) + nMaskBytes))
        return false;
    memcpy(image.data.data(), converted.data(), layout.TotalBytes());
    image.Header()->biHeight *= 2;
    return SetUpIconImage(image);
}

bool CreateBlankIconImage(IconImage& image)
{
    const BITMAPINFOHEADER header = { sizeof(BITMAPINFOHEADER), LONG(image.nWidth), LONG(image.nHeight) * 2, 1,
                                      WORD(image.nBitsPerPixel), BI_RGB, 0, 0, 0, 0, 0 };
    BITMAPINFOHEADER picture = header;
    picture.biHeight = LONG(image.nHeight);
    DibLayout layout;
    if (image.nWidth > 0x7FFFFFFF || image.nHeight > 0x3FFFFFFF || !GetDibLayout(&picture, sizeof(picture), layout))
        return false;
    const size_t nMaskBytes = size_t(MaskRowBytes(layout.nWidth)) * size_t(layout.nHeight);
    if (!AllocateBytes(image.data, size_t(layout.TotalBytes()) + nMaskBytes))
        return false;
    memcpy(image.data.data(), &header, sizeof(header));
    return SetUpIconImage(image);
}

bool MakeColorTransparentAt(IconImage& image, int x, int y)
{
    IconLayout layout;
    if (!GetIconLayout(image.data, layout))
        return false;
    const int nWidth = layout.picture.nWidth;
    const int nHeight = layout.picture.nHeight;
    if (x < 0 || y < 0 || x >= nWidth || y >= nHeight)
        return false;

    // The colour picture alone on a drawing surface with its colour table.
    PictureInfo info = {};
    memcpy(&info, image.data.data(), layout.nColorOffset);
    info.header.biHeight = nHeight;
    DibSurface surface(reinterpret_cast<const BITMAPINFO*>(&info));
    if (!surface.IsReady())
        return false;
    BYTE* pColorBits = image.data.data() + layout.nColorOffset;
    BYTE* pMask = image.data.data() + layout.nMaskOffset;
    memcpy(surface.Bits(), pColorBits, layout.picture.nImageBytes);

    const COLORREF crKey = GetPixel(surface.DC(), x, y);
    std::vector<bool> transparent(size_t(nWidth) * size_t(nHeight));
    for (int py = 0; py < nHeight; ++py)
        for (int px = 0; px < nWidth; ++px)
            transparent[size_t(py) * nWidth + px] = GetPixel(surface.DC(), px, py) == crKey;

    for (int py = 0; py < nHeight; ++py)
    {
        for (int px = 0; px < nWidth; ++px)
        {
            const bool bTransparent = transparent[size_t(py) * nWidth + px];
            SetMonoDibPixel(pMask, nWidth, nHeight, px, py, bTransparent);
            if (!bTransparent)
                continue;
            if (layout.picture.nBitCount == 1)
                SetMonoDibPixel(surface.Bits(), nWidth, nHeight, px, py, FALSE);
            else
                SetPixel(surface.DC(), px, py, RGB(0, 0, 0));
        }
    }
    GdiFlush();
    memcpy(pColorBits, surface.Bits(), layout.picture.nImageBytes);
    return true;
}
