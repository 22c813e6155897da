#include "toolkit/frame/XTWndHook.h"

#include "toolkit/frame/XTWindowMap.h"

#include "framework/Exceptions.h"
#include "framework/Wnd.h"

#include <stdio.h>

#include <exception>

IMPLEMENT_DYNAMIC(CXTWndHook, CObject)

namespace {

// No exception may cross a window procedure, yet one that is not the
// framework's must not pass unseen: one line for a debugger, and the message
// counts as handled. A paint that failed is validated, or the window would
// ask to be painted (and fail) again at once.
void ReportStrayException(HWND hWnd, UINT message, const char* pszWhat)
{
    if (message == WM_PAINT)
        ::ValidateRect(hWnd, nullptr);
    char szLine[320];
    snprintf(szLine, sizeof(szLine), "Window hook: message 0x%04X of window %p ended in an exception (%.200s)\n",
             message, static_cast<void*>(hWnd), pszWhat != nullptr ? pszWhat : "not a standard one");
    ::OutputDebugStringA(szLine);
}

} // namespace

CXTWndHook::~CXTWndHook()
{
    if (m_hWnd != nullptr)
        CXTWindowMap::GetMap().Remove(this);
}

BOOL CXTWndHook::HookWindow(HWND hWnd)
{
    if (hWnd == nullptr)
    {
        if (m_hWnd != nullptr)
            CXTWindowMap::GetMap().Remove(this);
        m_pOldWndProc = nullptr;
        return TRUE;
    }
    if (!::IsWindow(hWnd))
        return FALSE;
    if (hWnd == m_hWnd)
        return TRUE;
    if (m_hWnd != nullptr)
        CXTWindowMap::GetMap().Remove(this);
    CXTWindowMap::GetMap().Add(hWnd, this);
    return TRUE;
}

BOOL CXTWndHook::HookWindow(CWnd* pWnd)
{
    return HookWindow(pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr);
}

LRESULT CXTWndHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pNext != nullptr)
        return m_pNext->WindowProc(message, wParam, lParam);
    if (m_pOldWndProc != nullptr)
        return ::CallWindowProcA(m_pOldWndProc, m_hWnd, message, wParam, lParam);
    // Unhooked while handling this message: the window's own answer is not known here.
    return ::DefWindowProcA(CWnd::GetCurrentMessage()->hwnd, message, wParam, lParam);
}

CXTWindowMap& CXTWindowMap::GetMap()
{
    static CXTWindowMap map;
    return map;
}

CXTWndHook* CXTWindowMap::Lookup(HWND hWnd) const
{
    void* pHook = nullptr;
    return CMapPtrToPtr::Lookup(hWnd, pHook) ? static_cast<CXTWndHook*>(pHook) : nullptr;
}

void CXTWindowMap::Add(HWND hWnd, CXTWndHook* pHook)
{
    CXTWndHook* pNewest = Lookup(hWnd);
    if (pNewest != nullptr)
        pHook->m_pOldWndProc = pNewest->m_pOldWndProc;
    else
        pHook->m_pOldWndProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CXTWindowMap::HookWndProc)));
    pHook->m_pNext = pNewest;
    pHook->m_hWnd = hWnd;
    SetAt(hWnd, pHook);
}

void CXTWindowMap::Remove(CXTWndHook* pHook)
{
    HWND hWnd = pHook->m_hWnd;
    CXTWndHook* pNewest = Lookup(hWnd);
    if (pNewest == pHook)
    {
        if (pHook->m_pNext != nullptr)
            SetAt(hWnd, pHook->m_pNext);
        else
        {
            RemoveKey(hWnd);
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pHook->m_pOldWndProc));
        }
    }
    else
    {
        CXTWndHook* pBefore = pNewest;
        while (pBefore != nullptr && pBefore->m_pNext != pHook)
            pBefore = pBefore->m_pNext;
        if (pBefore != nullptr)
            pBefore->m_pNext = pHook->m_pNext;
    }
    pHook->m_pNext = nullptr;
    pHook->m_hWnd = nullptr;
}

void CXTWindowMap::RemoveAll(HWND hWnd)
{
    while (CXTWndHook* pHook = Lookup(hWnd))
    {
        if (pHook->m_pNext != nullptr)
            SetAt(hWnd, pHook->m_pNext);
        else
            RemoveKey(hWnd);
        pHook->m_pNext = nullptr;
        pHook->m_hWnd = nullptr;
        pHook->m_pOldWndProc = nullptr;
    }
}

LRESULT CALLBACK CXTWindowMap::HookWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The hooked window's handlers read the message through the framework.
    MSG current = {};
    current.hwnd = hWnd;
    current.message = message;
    current.wParam = wParam;
    current.lParam = lParam;
    MSG previous = CWnd::SetCurrentMessage(current);
    LRESULT lResult = 0;
    CXTWindowMap& map = GetMap();
    CXTWndHook* pHook = map.Lookup(hWnd);
    try
    {
        if (pHook == nullptr)
            lResult = ::DefWindowProcA(hWnd, message, wParam, lParam);
        else if (message == WM_NCDESTROY)
        {
            // The window is going: every hook lets go, and the window's own
            // procedure still sees its last message.
            WNDPROC pOldWndProc = pHook->m_pOldWndProc;
            map.RemoveAll(hWnd);
            lResult = ::CallWindowProcA(pOldWndProc, hWnd, message, wParam, lParam);
        }
        else
            lResult = pHook->WindowProc(message, wParam, lParam);
    }
    catch (CException* e)
    {
        e->ReportError();
        e->Delete();
    }
    catch (const std::exception& e)
    {
        ReportStrayException(hWnd, message, e.what());
    }
    catch (...)
    {
        ReportStrayException(hWnd, message, nullptr);
    }
    CWnd::SetCurrentMessage(previous);
    return lResult;
}
