#include "shared/support/DibSurface.h"

DibSurface::DibSurface(const BITMAPINFO* pInfo)
{
    HDC hScreen = GetDC(nullptr);
    m_hBitmap = CreateDIBSection(hScreen, pInfo, DIB_RGB_COLORS, &m_pBits, nullptr, 0);
    m_hDC = CreateCompatibleDC(hScreen);
    ReleaseDC(nullptr, hScreen);
    if (m_hBitmap != nullptr && m_hDC != nullptr)
        m_hOld = SelectObject(m_hDC, m_hBitmap);
}

DibSurface::~DibSurface()
{
    if (m_hOld != nullptr)
        SelectObject(m_hDC, m_hOld);
    if (m_hDC != nullptr)
        DeleteDC(m_hDC);
    if (m_hBitmap != nullptr)
        DeleteObject(m_hBitmap);
}
