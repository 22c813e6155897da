// Item id lists of the shell namespace and the records the shell views keep
// per item: the parent folder (referenced) and the item's ids.
#pragma once

#include "framework/Point.h"
#include "framework/String.h"

#include <shlobj.h>

class CWnd;

// The data of a shell tree or list item; freed with the item.
struct XT_SHELLITEMDATA
{
    IShellFolder* lpsfParent;   // referenced; NULL for the Desktop itself
    LPITEMIDLIST lpi;           // relative to the parent
    LPITEMIDLIST lpifq;         // fully qualified (tree items)
    ULONG ulAttribs;            // shell attributes (list items, and tree items below the Desktop)
    ULONGLONG nSize;            // file size (list items of files)
    FILETIME ftModified;        // last write time (list items of file-system objects)
};

class CXTShellPidl
{
public:
    // Item records: the folder is referenced, the ids copied. Release frees all.
    static XT_SHELLITEMDATA* NewItemData(IShellFolder* lpsfParent, LPCITEMIDLIST lpi, LPCITEMIDLIST lpifq);
    static void FreeItemData(XT_SHELLITEMDATA* pData);
    // Records alive in the process (each new one counts until it is freed).
    static int GetLiveItemDataCount();

    static LPITEMIDLIST GetNextPidlItem(LPCITEMIDLIST pidl);
    static UINT GetPidlItemCount(LPCITEMIDLIST pidl);       // bytes with the terminator; 0 for NULL
    static LPITEMIDLIST CreatePidl(UINT cbSize);
    static LPITEMIDLIST ConcatPidls(LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2);
    static LPITEMIDLIST CopyItemID(LPCITEMIDLIST pidl);      // the first item only
    static LPITEMIDLIST CopyPidl(LPCITEMIDLIST pidl);        // the whole list
    static CString StrRetToText(STRRET& str, LPCITEMIDLIST pidl);
    static CString GetDisplayName(IShellFolder* lpsf, LPCITEMIDLIST lpi, DWORD dwFlags);
    static int GetItemIcon(LPCITEMIDLIST lpifq, UINT uFlags);
    // The folder the record names (the Desktop for the Desktop's own record), referenced; NULL on failure.
    static IShellFolder* BindToFolder(const XT_SHELLITEMDATA* pData);
    // Item state bits shared by tree and list items: ghosted items cut, links
    // overlay 2, shared items overlay 1. FALSE when there is nothing to set.
    static BOOL GetOverlayState(ULONG ulAttribs, UINT& nState, UINT& nMask);
    // The file-system path of a fully qualified list; empty when it has none.
    static CString GetPath(LPCITEMIDLIST lpifq);
    // The shell's menu for the item at the screen point; the chosen command runs.
    static void ShowContextMenu(CWnd* pOwner, IShellFolder* lpsfParent, LPCITEMIDLIST lpi, CPoint point);
};
