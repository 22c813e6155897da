// Owns one icon and destroys it. The process-wide count of icons held by
// these wrappers shows whether copies made for a moment are freed again.
#pragma once

#include "framework/Size.h"

#include <windows.h>

class CXTIconHandle
{
public:
    // Construction
    CXTIconHandle() = default;
    explicit CXTIconHandle(HICON hIcon) { SetHandle(hIcon); }   // takes ownership
    CXTIconHandle(const CXTIconHandle&) = delete;
    CXTIconHandle& operator=(const CXTIconHandle&) = delete;
    ~CXTIconHandle();

    // Attributes
    HICON GetHandle() const { return m_hIcon; }
    operator HICON() const { return m_hIcon; }
    // The icon's size from its mask; 0 x 0 for none or an unreadable icon.
    CSize GetExtent() const { return GetExtent(m_hIcon); }
    static CSize GetExtent(HICON hIcon);
    // The icons all wrappers hold now.
    static long GetLiveCount();

    // Operations
    // Destroys the held icon and takes ownership of the new one.
    void SetHandle(HICON hIcon);
    // A new icon (the caller owns it) that fits cx x cy with the icon's aspect
    // ratio kept; null for an empty request or an empty icon.
    HICON ScaleToFit(int cx, int cy) const { return ScaleToFit(m_hIcon, cx, cy); }
    static HICON ScaleToFit(HICON hIcon, int cx, int cy);
    // The icon to draw within cx x cy: hIcon itself when it fits, else a
    // smaller copy that holder keeps.
    static HICON ShrinkToFit(HICON hIcon, int cx, int cy, CXTIconHandle& holder);

private:
    HICON m_hIcon = nullptr;
};
