#include "toolkit/bars/XTMenuShadow.h"

CXTMenuShadow::CXTMenuShadow(HWND hWndOwner, BOOL bShowAtOnce, BOOL bHook, HBITMAP hSource)
    : m_hWndOwner(hWndOwner), m_bShowAtOnce(bShowAtOnce), m_hook(this)
{
    m_wndShadow.GetShadowBitmap().SetSource(hSource);
    m_bCreated = m_wndShadow.Create(hWndOwner);
    if (bHook && m_hook.HookWindow(hWndOwner))
    {
        char szClass[16] = "";
        ::GetClassNameA(hWndOwner, szClass, sizeof(szClass));
        m_hook.m_bPopupMenu = lstrcmpA(szClass, "#32768") == 0;
    }
    if (m_bCreated && bShowAtOnce && ::IsWindowVisible(hWndOwner))
        Show();
}

CXTMenuShadow::~CXTMenuShadow()
{
    m_hook.HookWindow(static_cast<HWND>(nullptr));
    m_wndShadow.DestroyWindow();
}

void CXTMenuShadow::Hide()
{
    if (m_bCreated)
        m_wndShadow.ShowWindow(SW_HIDE);
}

void CXTMenuShadow::Show()
{
    if (!m_bCreated || m_wndShadow.IsWindowVisible())
        return;
    m_wndShadow.Invalidate(FALSE);
    m_wndShadow.ShowWindow(SW_SHOWNA);
    // Showing brings a window to the top: back behind the owner.
    m_wndShadow.PutBehindOwner();
}

void CXTMenuShadow::Refresh()
{
    if (!m_bCreated)
        return;
    m_wndShadow.Update(m_hWndOwner, m_wndShadow.GetDarkness());
    m_wndShadow.PutBehindOwner();
}

LRESULT CXTMenuShadow::COwnerHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    ++m_nDepth;
    switch (message)
    {
    case WM_SHOWWINDOW:
        if (wParam)
            m_pShadow->Show();
        else
            m_pShadow->Hide();
        break;
    case WM_WINDOWPOSCHANGED:
    {
        const WINDOWPOS* pPos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if ((pPos->flags & SWP_NOMOVE) == 0 || (pPos->flags & SWP_NOSIZE) == 0)
            m_pShadow->Refresh();
        if (pPos->flags & SWP_SHOWWINDOW)
            m_pShadow->Show();
        else if (pPos->flags & SWP_HIDEWINDOW)
            m_pShadow->Hide();
        break;
    }
    case WM_DESTROY:
        m_pShadow->Hide();
        m_bDeletePending = TRUE;
        break;
    }
    LRESULT lResult = CXTWndHook::WindowProc(message, wParam, lParam);
    if (--m_nDepth == 0 && m_bDeletePending)
        delete m_pShadow;   // and with it this hook: nothing of it is touched after
    return lResult;
}
