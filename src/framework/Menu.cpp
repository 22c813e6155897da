#include "framework/Menu.h"

#include "framework/HandleMap.h"
#include "framework/String.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

IMPLEMENT_DYNAMIC(CMenu, CObject)

namespace {

CHandleMap<HMENU, CMenu>& MenuMap()
{
    thread_local CHandleMap<HMENU, CMenu> map;
    return map;
}

} // namespace

CMenu::~CMenu()
{
    DestroyMenu();
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEA(nIDResource));
}

BOOL CMenu::LoadMenu(LPCSTR lpszResourceName)
{
    HMENU h = ::LoadMenuA(AfxGetResourceHandle(), lpszResourceName);
    if (h == nullptr)
        h = ::LoadMenuA(GetModuleHandleA(nullptr), lpszResourceName);
    return Attach(h);
}

BOOL CMenu::DestroyMenu()
{
    HMENU h = Detach();
    return h != nullptr ? ::DestroyMenu(h) : FALSE;
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr)
        return FALSE;
    DestroyMenu();
    m_hMenu = hMenu;
    MenuMap().SetPermanent(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU h = m_hMenu;
    MenuMap().RemovePermanent(h, this);
    m_hMenu = nullptr;
    return h;
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    return MenuMap().FromHandle(hMenu, &CMenu::m_hMenu);
}

void PASCAL CMenu::DeleteTempMap()
{
    MenuMap().DeleteTemp(&CMenu::m_hMenu);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int n = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(n + 1), n + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, AfxHwnd(pWnd), lpRect);
}

CMenu* AfxMenuFromHandle(HMENU hMenu)
{
    return CMenu::FromHandle(hMenu);
}
