// The pixels of a drop shadow: a copy of what lay under the shadow's
// rectangle, darkened by the shadow ramp, from which the two strips are drawn.
#pragma once

#include <windows.h>

class CXTShadowBitmap
{
public:
    // Construction
    CXTShadowBitmap() = default;
    CXTShadowBitmap(const CXTShadowBitmap&) = delete;
    CXTShadowBitmap& operator=(const CXTShadowBitmap&) = delete;
    ~CXTShadowBitmap();

    // Attributes
    BOOL IsCaptured() const { return m_hBitmap != nullptr; }
    BOOL HasSource() const { return m_hSource != nullptr; }

    // Operations
    // Takes ownership of a picture of the background (its top-left corner at
    // the shadow rectangle's) to capture from instead of the screen.
    void SetSource(HBITMAP hSource);
    // Copies the background under the rectangle (screen coordinates) and
    // darkens its shadow strips.
    BOOL Capture(const RECT& rect, int nDarkness);
    // Copies the right strip (from top + 4) and the bottom strip (left + 4 to
    // right - 4) into the DC at the rectangle.
    void Draw(HDC hDC, const RECT& rect) const;
    void Free();

    // A new bitmap (the caller deletes it) holding the screen under the rectangle.
    static HBITMAP CopyScreen(const RECT& rect);

private:
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    HBITMAP m_hSource = nullptr;
};
