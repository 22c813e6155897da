#include "toolkit/controls/XTShellPidl.h"

#include "framework/MessageBox.h"
#include "framework/Wnd.h"

#include <commctrl.h>

#include <atomic>
#include <memory>
#include <string.h>

namespace {

std::atomic<int> g_nLiveItemData{ 0 };

} // namespace

XT_SHELLITEMDATA* CXTShellPidl::NewItemData(IShellFolder* lpsfParent, LPCITEMIDLIST lpi, LPCITEMIDLIST lpifq)
{
    XT_SHELLITEMDATA* pData = static_cast<XT_SHELLITEMDATA*>(::CoTaskMemAlloc(sizeof(XT_SHELLITEMDATA)));
    if (pData == nullptr)
        return nullptr;
    memset(pData, 0, sizeof(*pData));
    pData->lpsfParent = lpsfParent;
    if (lpsfParent != nullptr)
        lpsfParent->AddRef();
    pData->lpi = CopyPidl(lpi);
    pData->lpifq = CopyPidl(lpifq);
    ++g_nLiveItemData;
    return pData;
}

void CXTShellPidl::FreeItemData(XT_SHELLITEMDATA* pData)
{
    if (pData == nullptr)
        return;
    if (pData->lpsfParent != nullptr)
        pData->lpsfParent->Release();
    ::CoTaskMemFree(pData->lpi);
    ::CoTaskMemFree(pData->lpifq);
    ::CoTaskMemFree(pData);
    --g_nLiveItemData;
}

int CXTShellPidl::GetLiveItemDataCount()
{
    return g_nLiveItemData;
}

LPITEMIDLIST CXTShellPidl::GetNextPidlItem(LPCITEMIDLIST pidl)
{
    return pidl == nullptr ? nullptr : (LPITEMIDLIST)((const BYTE*)pidl + pidl->mkid.cb);
}

UINT CXTShellPidl::GetPidlItemCount(LPCITEMIDLIST pidl)
{
    if (pidl == nullptr)
        return 0;
    UINT cbTotal = sizeof(USHORT);
    for (; pidl->mkid.cb != 0; pidl = GetNextPidlItem(pidl))
        cbTotal += pidl->mkid.cb;
    return cbTotal;
}

LPITEMIDLIST CXTShellPidl::CreatePidl(UINT cbSize)
{
    LPITEMIDLIST pidl = static_cast<LPITEMIDLIST>(::CoTaskMemAlloc(cbSize));
    if (pidl != nullptr)
        memset(pidl, 0, cbSize);
    return pidl;
}

LPITEMIDLIST CXTShellPidl::ConcatPidls(LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2)
{
    UINT cb1 = pidl1 != nullptr ? GetPidlItemCount(pidl1) - sizeof(USHORT) : 0;
    UINT cb2 = GetPidlItemCount(pidl2);
    LPITEMIDLIST pidlNew = CreatePidl(cb1 + (cb2 != 0 ? cb2 : sizeof(USHORT)));
    if (pidlNew == nullptr)
        return nullptr;
    if (cb1 != 0)
        memcpy(pidlNew, pidl1, cb1);
    if (cb2 != 0)
        memcpy((BYTE*)pidlNew + cb1, pidl2, cb2);
    return pidlNew;
}

LPITEMIDLIST CXTShellPidl::CopyItemID(LPCITEMIDLIST pidl)
{
    if (pidl == nullptr)
        return nullptr;
    UINT cb = pidl->mkid.cb + sizeof(USHORT);
    LPITEMIDLIST pidlNew = CreatePidl(cb);
    if (pidlNew != nullptr)
        memcpy(pidlNew, pidl, pidl->mkid.cb);
    return pidlNew;
}

LPITEMIDLIST CXTShellPidl::CopyPidl(LPCITEMIDLIST pidl)
{
    UINT cb = GetPidlItemCount(pidl);
    if (cb == 0)
        return nullptr;
    LPITEMIDLIST pidlNew = CreatePidl(cb);
    if (pidlNew != nullptr)
        memcpy(pidlNew, pidl, cb);
    return pidlNew;
}

CString CXTShellPidl::StrRetToText(STRRET& str, LPCITEMIDLIST pidl)
{
    char szText[MAX_PATH] = "";
    switch (str.uType)
    {
    case STRRET_WSTR:
        ::WideCharToMultiByte(CP_ACP, 0, str.pOleStr, -1, szText, sizeof(szText), nullptr, nullptr);
        szText[sizeof(szText) - 1] = '\0';
        ::CoTaskMemFree(str.pOleStr);
        str.pOleStr = nullptr;
        break;
    case STRRET_OFFSET:
        lstrcpynA(szText, (LPCSTR)pidl + str.uOffset, sizeof(szText));
        break;
    case STRRET_CSTR:
        lstrcpynA(szText, str.cStr, sizeof(szText));
        break;
    }
    return szText;
}

CString CXTShellPidl::GetDisplayName(IShellFolder* lpsf, LPCITEMIDLIST lpi, DWORD dwFlags)
{
    STRRET str = {};
    if (lpsf == nullptr || FAILED(lpsf->GetDisplayNameOf(lpi, dwFlags, &str)))
        return CString();
    return StrRetToText(str, lpi);
}

int CXTShellPidl::GetItemIcon(LPCITEMIDLIST lpifq, UINT uFlags)
{
    SHFILEINFOA sfi = {};
    ::SHGetFileInfoA((LPCSTR)lpifq, 0, &sfi, sizeof(sfi), uFlags);
    return sfi.iIcon;
}

IShellFolder* CXTShellPidl::BindToFolder(const XT_SHELLITEMDATA* pData)
{
    IShellFolder* lpsf = nullptr;
    HRESULT hr = pData->lpsfParent != nullptr
                     ? pData->lpsfParent->BindToObject(pData->lpi, nullptr, IID_IShellFolder, (void**)&lpsf)
                     : ::SHGetDesktopFolder(&lpsf);
    return SUCCEEDED(hr) ? lpsf : nullptr;
}

BOOL CXTShellPidl::GetOverlayState(ULONG ulAttribs, UINT& nState, UINT& nMask)
{
    // TVIS_CUT and LVIS_CUT, and the overlay masks, are the same bits.
    if (ulAttribs & SFGAO_GHOSTED)
        nState = nMask = LVIS_CUT;
    else if (ulAttribs & (SFGAO_LINK | SFGAO_SHARE))
    {
        nState = INDEXTOOVERLAYMASK((ulAttribs & SFGAO_LINK) ? 2 : 1);
        nMask = LVIS_OVERLAYMASK;
    }
    else
        return FALSE;
    return TRUE;
}

CString CXTShellPidl::GetPath(LPCITEMIDLIST lpifq)
{
    char szPath[MAX_PATH] = "";
    if (lpifq == nullptr || !::SHGetPathFromIDListA(lpifq, szPath))
        return CString();
    return szPath;
}

namespace {

// The owner's window procedure while a shell menu of version 2 or 3 is up:
// owner-drawn items and submenus the shell fills late need the menu's own
// handler, and a highlighted command shows its help in the status line.
class ShellMenuOwnerHook
{
public:
    ShellMenuOwnerHook(HWND hWndOwner, IContextMenu* pMenu, IContextMenu2* pMenu2)
        : m_hWnd(hWndOwner), m_pMenu(pMenu), m_pMenu2(pMenu2), m_pPrevious(s_pActive)
    {
        s_pActive = this;
        // The previous procedure lives with the window, so that a chain that
        // someone builds on top of ours still reaches it after the menu.
        ::SetPropA(m_hWnd, kOldProcProp, (HANDLE)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)&WindowProc);
    }
    ~ShellMenuOwnerHook()
    {
        if ((WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == &WindowProc)
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)::RemovePropA(m_hWnd, kOldProcProp));
        s_pActive = m_pPrevious;
    }
    ShellMenuOwnerHook(const ShellMenuOwnerHook&) = delete;
    ShellMenuOwnerHook& operator=(const ShellMenuOwnerHook&) = delete;

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        ShellMenuOwnerHook* pHook = s_pActive;
        while (pHook != nullptr && pHook->m_hWnd != hWnd)
            pHook = pHook->m_pPrevious;
        LRESULT lResult = 0;
        if (pHook != nullptr && pHook->Handle(nMsg, wParam, lParam, lResult))
            return lResult;
        WNDPROC pfnOld = (WNDPROC)::GetPropA(hWnd, kOldProcProp);
        if (nMsg == WM_NCDESTROY)
            ::RemovePropA(hWnd, kOldProcProp);
        return pfnOld != nullptr ? ::CallWindowProcA(pfnOld, hWnd, nMsg, wParam, lParam)
                                 : ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    }

    BOOL Handle(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
    {
        switch (nMsg)
        {
        case WM_INITMENUPOPUP:
            m_pMenu2->HandleMenuMsg(nMsg, wParam, lParam);
            return TRUE;
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
            // wParam 0 is a menu's, but a list view's header has id 0 too.
            if (lParam == 0 || *reinterpret_cast<const UINT*>(lParam) != ODT_MENU)
                return FALSE;
            m_pMenu2->HandleMenuMsg(nMsg, wParam, lParam);
            lResult = TRUE;
            return TRUE;
        case WM_MENUSELECT:
            ShowHelpText(LOWORD(wParam), HIWORD(wParam));
            return FALSE;
        }
        return FALSE;
    }

    void ShowHelpText(UINT nID, UINT nFlags)
    {
        if ((nFlags & (MF_POPUP | MF_SEPARATOR)) != 0 || nFlags == 0xFFFF || nID < 1 || nID > 0x7FFF)
            return;
        char szHelp[260] = {};
        if (FAILED(m_pMenu->GetCommandString(nID - 1, GCS_HELPTEXTA, nullptr, szHelp, sizeof(szHelp))))
            return;
        szHelp[sizeof(szHelp) - 1] = '\0';
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != nullptr)
            pMainWnd->SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)szHelp);
    }

    static thread_local ShellMenuOwnerHook* s_pActive;
    HWND m_hWnd;
    IContextMenu* m_pMenu;
    IContextMenu2* m_pMenu2;
    ShellMenuOwnerHook* m_pPrevious;
    static constexpr LPCSTR kOldProcProp = "XTShellMenuOwnerProc";
};

thread_local ShellMenuOwnerHook* ShellMenuOwnerHook::s_pActive = nullptr;

// The newest menu interface the object offers: 3, 2 or 1. The returned
// interface (version 2 or 3) is the caller's to release.
int QueryMenuVersion(IContextMenu* pMenu, IContextMenu2*& pMenu2)
{
    pMenu2 = nullptr;
    IContextMenu3* pMenu3 = nullptr;
    if (SUCCEEDED(pMenu->QueryInterface(IID_IContextMenu3, (void**)&pMenu3)) && pMenu3 != nullptr)
    {
        pMenu2 = pMenu3;
        return 3;
    }
    if (SUCCEEDED(pMenu->QueryInterface(IID_IContextMenu2, (void**)&pMenu2)) && pMenu2 != nullptr)
        return 2;
    pMenu2 = nullptr;
    return 1;
}

void ShowHresultBox(CWnd* pOwner, LPCSTR pszFormat, HRESULT hr)
{
    CString strText;
    strText.Format(pszFormat, (unsigned long)hr);
    AfxShowMessageBox(pOwner->GetSafeHwnd(), strText, nullptr, MB_OK);
}

} // namespace

void CXTShellPidl::ShowContextMenu(CWnd* pOwner, IShellFolder* lpsfParent, LPCITEMIDLIST lpi, CPoint point)
{
    // 1. The menu object and its newest interface.
    IContextMenu* pMenu = nullptr;
    HRESULT hr = lpsfParent->GetUIObjectOf(pOwner->GetSafeHwnd(), 1, &lpi, IID_IContextMenu, nullptr, (void**)&pMenu);
    if (FAILED(hr) || pMenu == nullptr)
    {
        ShowHresultBox(pOwner, "GetUIObjectOf failed! hr=%lx", hr);
        return;
    }
    IContextMenu2* pMenu2 = nullptr;
    QueryMenuVersion(pMenu, pMenu2);

    // 2. The popup the shell fills.
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu != nullptr && SUCCEEDED(pMenu->QueryContextMenu(hMenu, 0, 1, 0x7FFF, CMF_EXPLORE)))
    {
        // 3. The owner hands menu messages to the shell while the menu is up.
        std::unique_ptr<ShellMenuOwnerHook> pHook;
        if (pMenu2 != nullptr)
            pHook.reset(new ShellMenuOwnerHook(pOwner->GetSafeHwnd(), pMenu, pMenu2));
        UINT nCmd = ::TrackPopupMenu(hMenu, TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0,
                                     pOwner->GetSafeHwnd(), nullptr);
        pHook.reset();

        // 4. The chosen command runs.
        if (nCmd != 0)
        {
            CMINVOKECOMMANDINFO ici = {};
            ici.cbSize = sizeof(ici);
            ici.hwnd = pOwner->GetSafeHwnd();
            ici.lpVerb = MAKEINTRESOURCEA(nCmd - 1);
            ici.nShow = SW_SHOWNORMAL;
            hr = pMenu->InvokeCommand(&ici);
            if (FAILED(hr))
                ShowHresultBox(pOwner, "InvokeCommand failed. hr=%lx", hr);
        }
    }
    if (hMenu != nullptr)
        ::DestroyMenu(hMenu);
    if (pMenu2 != nullptr)
        pMenu2->Release();
    pMenu->Release();
}
