#include "toolkit/bars/XTShadowBitmap.h"

#include "toolkit/bars/XTShadowRamp.h"

CXTShadowBitmap::~CXTShadowBitmap()
{
    Free();
    if (m_hSource != nullptr)
        ::DeleteObject(m_hSource);
}

void CXTShadowBitmap::SetSource(HBITMAP hSource)
{
    if (m_hSource != nullptr && m_hSource != hSource)
        ::DeleteObject(m_hSource);
    m_hSource = hSource;
}

void CXTShadowBitmap::Free()
{
    if (m_hDC == nullptr)
        return;
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_hBitmap = nullptr;
    m_hOldBitmap = nullptr;
}

BOOL CXTShadowBitmap::Capture(const RECT& rect, int nDarkness)
{
    Free();
    int cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (cx <= 0 || cy <= 0)
        return FALSE;
    HDC hScreen = ::GetDC(nullptr);
    m_hDC = ::CreateCompatibleDC(hScreen);
    m_hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    BOOL bOk = m_hDC != nullptr && m_hBitmap != nullptr;
    if (bOk)
    {
        m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
        if (m_hSource != nullptr)
        {
            HDC hSourceDC = ::CreateCompatibleDC(hScreen);
            HGDIOBJ hOld = ::SelectObject(hSourceDC, m_hSource);
            ::BitBlt(m_hDC, 0, 0, cx, cy, hSourceDC, 0, 0, SRCCOPY);
            ::SelectObject(hSourceDC, hOld);
            ::DeleteDC(hSourceDC);
        }
        else
            ::BitBlt(m_hDC, 0, 0, cx, cy, hScreen, rect.left, rect.top, SRCCOPY);
        DrawShadowRamp(m_hDC, 0, 0, cx, cy, nDarkness);
    }
    ::ReleaseDC(nullptr, hScreen);
    if (!bOk)
    {
        if (m_hBitmap != nullptr)
            ::DeleteObject(m_hBitmap);
        if (m_hDC != nullptr)
            ::DeleteDC(m_hDC);
        m_hDC = nullptr;
        m_hBitmap = nullptr;
    }
    return bOk;
}

void CXTShadowBitmap::Draw(HDC hDC, const RECT& rect) const
{
    if (m_hDC == nullptr)
        return;
    int cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    ::BitBlt(hDC, rect.right - 4, rect.top + 4, 4, cy - 4, m_hDC, cx - 4, 4, SRCCOPY);
    ::BitBlt(hDC, rect.left + 4, rect.bottom - 4, cx - 8, 4, m_hDC, 4, cy - 4, SRCCOPY);
}

HBITMAP CXTShadowBitmap::CopyScreen(const RECT& rect)
{
    int cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (cx <= 0 || cy <= 0)
        return nullptr;
    HDC hScreen = ::GetDC(nullptr);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    if (hDC != nullptr && hBitmap != nullptr)
    {
        HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
        ::BitBlt(hDC, 0, 0, cx, cy, hScreen, rect.left, rect.top, SRCCOPY);
        ::SelectObject(hDC, hOld);
    }
    if (hDC != nullptr)
        ::DeleteDC(hDC);
    ::ReleaseDC(nullptr, hScreen);
    return hBitmap;
}
