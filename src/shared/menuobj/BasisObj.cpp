#include "shared/menuobj/BasisObj.h"

IMPLEMENT_DYNAMIC(CBasisObj, CWnd)

BEGIN_MESSAGE_MAP(CBasisObj, CWnd)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CBasisObj::CBasisObj() : m_rcObject{ 0, 0, 0, 0 }, m_bFocus(0)
{
}

CBasisObj::~CBasisObj()
{
    DestroyWindow();
}

BOOL CBasisObj::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID, void* lpParam)
{
    m_rcObject = rect;
    return CWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, lpParam);
}

void CBasisObj::MoveTo(int x, int y, int cx, int cy)
{
    RECT rc = { x, y, x + cx, y + cy };
    SetObjectRect(rc);
}

void CBasisObj::SetObjectRect(const RECT& rc)
{
    m_rcObject = rc;
    if (m_hWnd != nullptr)
        MoveWindow(&m_rcObject, TRUE);
}

void CBasisObj::InvalidateInParent()
{
    HWND hParent = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (hParent == nullptr)
        return;
    ::InvalidateRect(hParent, &m_rcObject, TRUE);
    ::UpdateWindow(hParent);
}

void CBasisObj::Draw(CDC* /*pDC*/)
{
}

void CBasisObj::OnBnClicked()
{
}

// The page paints the object; nothing of the window is erased.
BOOL CBasisObj::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}
