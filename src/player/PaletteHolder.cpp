#include "player/PaletteHolder.h"

#include "framework/DC.h"

IMPLEMENT_DYNAMIC(CPaletteHolder, CObject)

CPaletteHolder::CPaletteHolder(HPALETTE hPalette) : m_hOldPalette(nullptr), m_hSource(nullptr)
{
    Attach(hPalette);
}

CPaletteHolder::~CPaletteHolder()
{
    Release();
}

void CPaletteHolder::Attach(HPALETTE hPalette)
{
    if (hPalette != nullptr && hPalette == m_palette.GetSafeHandle())
        return;
    Release();
    m_palette.Attach(hPalette);
    m_hSource = hPalette;
}

void CPaletteHolder::Borrow(HPALETTE hPalette)
{
    Release();
    m_hSource = hPalette;
}

void CPaletteHolder::SelectIn(CDC* pDC)
{
    HDC hDC = AfxHdc(pDC);
    if (m_hSource == nullptr || hDC == nullptr)
        return;
    m_hOldPalette = ::SelectPalette(hDC, m_hSource, FALSE);
    ::RealizePalette(hDC);
}

void CPaletteHolder::Restore(CDC* pDC)
{
    HDC hDC = AfxHdc(pDC);
    if (m_hOldPalette == nullptr || hDC == nullptr)
        return;
    ::SelectPalette(hDC, m_hOldPalette, FALSE);
    ::RealizePalette(hDC);
    m_hOldPalette = nullptr;
}

void CPaletteHolder::Release()
{
    m_palette.DeleteObject();
    m_hSource = nullptr;
}
