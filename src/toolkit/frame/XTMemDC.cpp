#include "toolkit/frame/XTMemDC.h"

IMPLEMENT_DYNAMIC(CXTMemDC, CDC)

CXTMemDC::CXTMemDC(CDC* pDC, const CRect& rect, COLORREF clrColor) : m_pDC(pDC), m_rc(rect)
{
    if (pDC == nullptr)
        return;
    if (m_rc.IsRectEmpty())
        pDC->GetClipBox(&m_rc);
    if (!CreateCompatibleDC(pDC))
        return;
    ::SetMapMode(m_hDC, ::GetMapMode(pDC->m_hDC));
    if (!m_bitmap.CreateCompatibleBitmap(pDC, m_rc.Width(), m_rc.Height()))
    {
        DeleteDC();
        return;
    }
    m_hOldBitmap = (HBITMAP)::SelectObject(m_hDC, m_bitmap.m_hObject);
    m_bValid = TRUE;
    // Without a fill colour the bitmap starts as a copy of the target, so that
    // what the caller leaves unpainted is not copied back as garbage.
    if (clrColor != (COLORREF)-1)
        FillSolidRect(0, 0, m_rc.Width(), m_rc.Height(), clrColor);
    else
        BitBlt(0, 0, m_rc.Width(), m_rc.Height(), pDC, m_rc.left, m_rc.top, SRCCOPY);
}

CXTMemDC::~CXTMemDC()
{
    if (m_bValid)
        m_pDC->BitBlt(m_rc.left, m_rc.top, m_rc.Width(), m_rc.Height(), this, 0, 0, SRCCOPY);
    if (m_hOldBitmap != nullptr)
        ::SelectObject(m_hDC, m_hOldBitmap);
    m_bitmap.DeleteObject();
    DeleteDC();
}
