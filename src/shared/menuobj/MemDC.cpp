#include "shared/menuobj/MemDC.h"

#include "framework/Wnd.h"

IMPLEMENT_DYNAMIC(CMemDC, CDC)

CMemDC::CMemDC(CDC* pTarget, const RECT& rect, COLORREF crFill)
{
    Init(pTarget, rect, crFill);
}

CMemDC::CMemDC(CDC* pTarget, CWnd* pWnd, COLORREF crFill)
{
    CRect rcClient;
    pWnd->GetClientRect(rcClient);
    Init(pTarget, rcClient, crFill);
}

CMemDC::~CMemDC()
{
    if (m_hOldBitmap != nullptr)
        SelectObject(m_hOldBitmap);
}

void CMemDC::Init(CDC* pTarget, const RECT& rect, COLORREF crFill)
{
    m_rect = rect;
    if (!CreateCompatibleDC(pTarget))
        return;
    SetMapMode(::GetMapMode(pTarget->GetSafeHdc()));
    if (!m_bitmap.CreateCompatibleBitmap(pTarget, m_rect.Width(), m_rect.Height()))
        return;
    m_hOldBitmap = SelectObject(m_bitmap.GetSafeHandle());
    m_brush.CreateSolidBrush(crFill);
    const CRect rcFill(0, 0, m_rect.Width(), m_rect.Height());
    FillRect(rcFill, &m_brush);
}

void CMemDC::CopyTo(CDC* pTarget)
{
    pTarget->BitBlt(0, 0, m_rect.Width(), m_rect.Height(), this, 0, 0, SRCCOPY);
}

void CMemDC::CopyToAt(CDC* pTarget, int x, int y, int xSrc, int ySrc)
{
    pTarget->BitBlt(x, y, m_rect.Width(), m_rect.Height(), this, xSrc, ySrc, SRCCOPY);
}
