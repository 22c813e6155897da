#include "framework/PaintDC.h"

#include "framework/Exceptions.h"
#include "framework/Wnd.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(AfxHwnd(pWnd)), m_bBorrowed(FALSE)
{
    const MSG* pMsg = CWnd::GetCurrentMessage();
    if (pMsg->hwnd == m_hWnd && pMsg->message == WM_PAINT && pMsg->wParam != 0)
    {
        m_bBorrowed = TRUE;
        m_ps.hdc = reinterpret_cast<HDC>(pMsg->wParam);
        ::GetClientRect(m_hWnd, &m_ps.rcPaint);
        Attach(m_ps.hdc);
        return;
    }
    if (!Attach(::BeginPaint(m_hWnd, &m_ps)))
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    if (!m_bBorrowed)
        ::EndPaint(m_hWnd, &m_ps);
    Detach();
}
