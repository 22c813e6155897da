#include "framework/DC.h"

#include "framework/HandleMap.h"
#include "framework/Wnd.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

namespace {

CHandleMap<HDC, CDC>& DCMap()
{
    thread_local CHandleMap<HDC, CDC> map;
    return map;
}

} // namespace

CDC::~CDC()
{
    if (m_hDC != nullptr && m_bOwnsDC)
        DeleteDC();
    else
        Detach();
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    if (!Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr)))
        return FALSE;
    m_bOwnsDC = TRUE;
    return TRUE;
}

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const DEVMODEA* lpInitData)
{
    if (!Attach(::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, lpInitData)))
        return FALSE;
    m_bOwnsDC = TRUE;
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    HDC h = Detach();
    return h != nullptr ? ::DeleteDC(h) : FALSE;
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr)
        return FALSE;
    m_hDC = hDC;
    m_bOwnsDC = FALSE;
    DCMap().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC h = m_hDC;
    DCMap().RemovePermanent(h, this);
    m_hDC = nullptr;
    m_bOwnsDC = FALSE;
    return h;
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return DCMap().FromHandle(hDC, &CDC::m_hDC);
}

void PASCAL CDC::DeleteTempMap()
{
    DCMap().DeleteTemp(&CDC::m_hDC);
}

CWnd* CDC::GetWindow() const
{
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return CPen::FromHandle((HPEN)::SelectObject(m_hDC, AfxHgdiobj(pPen)));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return CBrush::FromHandle((HBRUSH)::SelectObject(m_hDC, AfxHgdiobj(pBrush)));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return CFont::FromHandle((HFONT)::SelectObject(m_hDC, AfxHgdiobj(pFont)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return CBitmap::FromHandle((HBITMAP)::SelectObject(m_hDC, AfxHgdiobj(pBitmap)));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, AfxHgdiobj(pObject)));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    return CPalette::FromHandle(::SelectPalette(m_hDC, (HPALETTE)AfxHgdiobj(pPalette), bForceBackground));
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT old = {};
    ::SetBrushOrgEx(m_hDC, x, y, &old);
    return old;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT old = {};
    ::SetViewportOrgEx(m_hDC, x, y, &old);
    return old;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT old = {};
    ::SetWindowOrgEx(m_hDC, x, y, &old);
    return old;
}

CPoint CDC::GetViewportOrg() const
{
    POINT pt = {};
    ::GetViewportOrgEx(m_hDC, &pt);
    return pt;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT old = {};
    ::MoveToEx(m_hDC, x, y, &old);
    return old;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    CRect rc(lpRect);
    rc.NormalizeRect();
    COLORREF old = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    CRect rc(x, y, x + cx, y + cy);
    FillSolidRect(&rc, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE size = {};
    ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return size;
}
