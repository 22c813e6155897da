// The folder tree of the explorer side bar: the toolkit's shell folder tree,
// except that a folder is found by its name on disk, not by the name the
// shell shows for it.
#pragma once

#include "toolkit/controls/XTShellFolderTree.h"

class CExplorerTree : public CXTShellFolderTree
{
    DECLARE_DYNAMIC(CExplorerTree)
public:
    CExplorerTree() = default;
    ~CExplorerTree() override = default;

    // Among hItem and its following siblings, the first file-system item whose
    // drive (mode 0, drive roots only), name on disk (mode 1) or whole path
    // (other modes) matches the text, ignoring case; the base's SearchTree
    // makes it visible and selects it.
    HTREEITEM FindSiblingItem(HTREEITEM hItem, LPCSTR lpszText, int nMode) override;

    // The string an item's file-system path is compared by in a mode.
    static CString CompareTextOf(const CString& strPath, int nMode);
};
