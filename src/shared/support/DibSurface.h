// A DIB section selected into a memory device context of its own for the
// object's lifetime: the drawing surface on which bitmaps are converted.
#pragma once

#include <windows.h>

class DibSurface
{
public:
    // Makes the section from the header and its colour table, compatible with
    // the screen.
    explicit DibSurface(const BITMAPINFO* pInfo);
    ~DibSurface();
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    bool IsReady() const { return m_hOld != nullptr && m_pBits != nullptr; }
    HDC DC() const { return m_hDC; }
    // The section's pixels, bottom-up rows as in a packed DIB.
    BYTE* Bits() const { return static_cast<BYTE*>(m_pBits); }

private:
    HBITMAP m_hBitmap = nullptr;
    HDC m_hDC = nullptr;
    HGDIOBJ m_hOld = nullptr;
    void* m_pBits = nullptr;
};
