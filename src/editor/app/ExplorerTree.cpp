#include "editor/app/ExplorerTree.h"

#include <mbstring.h>
#include <shlobj.h>

IMPLEMENT_DYNAMIC(CExplorerTree, CXTShellFolderTree)

CString CExplorerTree::CompareTextOf(const CString& strPath, int nMode)
{
    if (nMode == 0)
    {
        // Only a drive root ("C:\") stands for its drive.
        return strPath.GetLength() == 3 && strPath[1] == ':' ? strPath.Left(2) : CString();
    }
    if (nMode == 1)
    {
        const int nSlash = strPath.ReverseFind('\\');
        return nSlash >= 0 ? strPath.Mid(nSlash + 1) : CString();
    }
    return strPath;
}

HTREEITEM CExplorerTree::FindSiblingItem(HTREEITEM hItem, LPCSTR lpszText, int nMode)
{
    for (; hItem != nullptr; hItem = GetNextSiblingItem(hItem))
    {
        XT_SHELLITEMDATA* pData = GetShellItemData(hItem);
        if (pData == nullptr || pData->lpsfParent == nullptr || pData->lpi == nullptr)
            continue;
        ULONG ulAttribs = SFGAO_FILESYSTEM;
        LPCITEMIDLIST lpi = pData->lpi;
        if (FAILED(pData->lpsfParent->GetAttributesOf(1, &lpi, &ulAttribs)) || (ulAttribs & SFGAO_FILESYSTEM) == 0)
            continue;
        // The name on disk comes from the parent folder; the whole path is
        // built only where it is compared.
        CString strPath;
        if (nMode == 1)
        {
            const CString strName = CXTShellPidl::GetDisplayName(pData->lpsfParent, pData->lpi,
                                                                 SHGDN_INFOLDER | SHGDN_FORPARSING);
            strPath = strName.IsEmpty() ? CString() : "\\" + strName;
        }
        else
        {
            char path[MAX_PATH] = "";
            if (pData->lpifq != nullptr && ::SHGetPathFromIDListA(pData->lpifq, path))
                strPath = path;
        }
        if (strPath.IsEmpty())
            continue;
        const CString strCompare = CompareTextOf(strPath, nMode);
        if (strCompare.IsEmpty() ||
            _mbsicmp((const unsigned char*)(LPCSTR)strCompare, (const unsigned char*)lpszText) != 0)
            continue;
        return hItem;
    }
    return nullptr;
}
