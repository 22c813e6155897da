#include "toolkit/controls/XTShellPidl.h"

#include "framework/MessageBox.h"
#include "framework/Wnd.h"

#include <commctrl.h>

#include <atomic>
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

void CXTShellPidl::ShowContextMenu(CWnd* pOwner, IShellFolder* lpsfParent, LPCITEMIDLIST lpi, CPoint point)
{
    IContextMenu* pMenu = nullptr;
    HRESULT hr = lpsfParent->GetUIObjectOf(pOwner->GetSafeHwnd(), 1, &lpi, IID_IContextMenu, nullptr, (void**)&pMenu);
    if (FAILED(hr) || pMenu == nullptr)
    {
        CString strText;
        strText.Format("GetUIObjectOf failed! hr=%lx", (unsigned long)hr);
        AfxShowMessageBox(pOwner->GetSafeHwnd(), strText, nullptr, MB_OK);
        return;
    }
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu != nullptr && SUCCEEDED(pMenu->QueryContextMenu(hMenu, 0, 1, 0x7FFF, CMF_EXPLORE)))
    {
        UINT nCmd = ::TrackPopupMenu(hMenu, TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0,
                                     pOwner->GetSafeHwnd(), nullptr);
        if (nCmd != 0)
        {
            CMINVOKECOMMANDINFO ici = {};
            ici.cbSize = sizeof(ici);
            ici.hwnd = pOwner->GetSafeHwnd();
            ici.lpVerb = MAKEINTRESOURCEA(nCmd - 1);
            ici.nShow = SW_SHOWNORMAL;
            hr = pMenu->InvokeCommand(&ici);
            if (FAILED(hr))
            {
                CString strText;
                strText.Format("InvokeCommand failed. hr=%lx", (unsigned long)hr);
                AfxShowMessageBox(pOwner->GetSafeHwnd(), strText, nullptr, MB_OK);
            }
        }
    }
    if (hMenu != nullptr)
        ::DestroyMenu(hMenu);
    pMenu->Release();
}
