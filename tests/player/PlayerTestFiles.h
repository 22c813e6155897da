// Files the player's tests write on the spot: BMP pictures and ICO icons.
#pragma once

#include "shared/support/IconFile.h"

#include "helpers/TestSupport.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace player_test {

// An 8-bit BMP of the size, every pixel of palette entry 0, which is the colour.
inline std::vector<BYTE> BmpBytes(int nWidth, int nHeight, COLORREF crColor = RGB(0, 0, 255))
{
    const DWORD nRowBytes = DWORD((nWidth + 3) / 4 * 4);
    const DWORD nOffset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD);
    std::vector<BYTE> bytes(nOffset + nRowBytes * nHeight, 0);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfSize = DWORD(bytes.size());
    file.bfOffBits = nOffset;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = nWidth;
    info.biHeight = nHeight;
    info.biPlanes = 1;
    info.biBitCount = 8;
    info.biClrUsed = 256;
    memcpy(bytes.data(), &file, sizeof(file));
    memcpy(bytes.data() + sizeof(file), &info, sizeof(info));
    RGBQUAD first = { GetBValue(crColor), GetGValue(crColor), GetRValue(crColor), 0 };
    memcpy(bytes.data() + sizeof(file) + sizeof(info), &first, sizeof(first));
    return bytes;
}

inline CString WriteBmp(const testing_support::TempFolder& folder, LPCSTR name, int nWidth, int nHeight,
                        COLORREF crColor = RGB(0, 0, 255))
{
    std::vector<BYTE> bytes = BmpBytes(nWidth, nHeight, crColor);
    return folder.Write(name, bytes.data(), bytes.size());
}

// An icon of the given widths (square) and depths; its images black when blank.
inline IconFile Icon(std::initializer_list<std::pair<UINT, UINT>> sizesAndBits, bool bBlank = false)
{
    IconFile icon;
    for (const auto& sizeAndBits : sizesAndBits)
    {
        IconImage image;
        image.nWidth = image.nHeight = sizeAndBits.first;
        image.nBitsPerPixel = sizeAndBits.second;
        if (bBlank)
            CreateBlankIconImage(image);
        icon.images.push_back(std::move(image));
    }
    return icon;
}

// An ICO file with black images of the given widths and depths.
inline CString WriteIcon(const testing_support::TempFolder& folder, LPCSTR name,
                         std::initializer_list<std::pair<UINT, UINT>> sizesAndBits)
{
    CString path = folder.File(name);
    WriteIconFile(Icon(sizesAndBits, true), path);
    return path;
}

} // namespace player_test
