#include "toolkit/controls/XTBrowseDialog.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTToolkitString.h"

IMPLEMENT_DYNAMIC(CXTBrowseDialog, CCommonDialog)

CXTBrowseDialog::CXTBrowseDialog(CWnd* pParentWnd) : CCommonDialog(pParentWnd), m_bi(), m_szSelPath(), m_szDisplayName()
{
    m_strTitle = LoadToolkitString(XT_IDS_SELDIR, "Select Directory:");
    m_bi.pszDisplayName = m_szDisplayName;
    m_bi.lpszTitle = m_strTitle;
    m_bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_BROWSEINCLUDEFILES;
    m_bi.lpfn = BrowseCallbackProc;
    m_bi.lParam = reinterpret_cast<LPARAM>(m_szSelPath);
}

void CXTBrowseDialog::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    m_bi.lpszTitle = m_strTitle;
}

void CXTBrowseDialog::SetSelPath(LPCSTR lpszPath)
{
    lstrcpynA(m_szSelPath, lpszPath != nullptr ? lpszPath : "", (int)sizeof(m_szSelPath));
}

int CXTBrowseDialog::Run()
{
    return DoModal() == IDOK ? 1 : 2;
}

BOOL CXTBrowseDialog::RunSystemDialog(HWND hWndOwner)
{
    IMalloc* pMalloc = nullptr;
    if (FAILED(::SHGetMalloc(&pMalloc)) || pMalloc == nullptr)
        return FALSE;
    m_bi.hwndOwner = hWndOwner;
    LPITEMIDLIST pidl = ::SHBrowseForFolderA(&m_bi);
    BOOL bChosen = FALSE;
    if (pidl != nullptr)
    {
        char szPath[MAX_PATH] = {};
        bChosen = ::SHGetPathFromIDListA(pidl, szPath);
        if (bChosen)
            SetSelPath(szPath);
        pMalloc->Free(pidl);
    }
    pMalloc->Release();
    return bChosen;
}

int CALLBACK CXTBrowseDialog::BrowseCallbackProc(HWND hWnd, UINT uMsg, LPARAM lParam, LPARAM lpData)
{
    switch (uMsg)
    {
    case BFFM_INITIALIZED:
    {
        char szPath[MAX_PATH] = {};
        LPCSTR pszPath = reinterpret_cast<LPCSTR>(lpData);
        if (pszPath == nullptr || *pszPath == '\0')
        {
            ::GetCurrentDirectoryA((DWORD)sizeof(szPath), szPath);
            pszPath = szPath;
        }
        ::SendMessageA(hWnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(pszPath));
        break;
    }
    case BFFM_SELCHANGED:
    {
        char szPath[MAX_PATH] = {};
        if (::SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lParam), szPath))
            ::SendMessageA(hWnd, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(szPath));
        break;
    }
    }
    return 0;
}
