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
    // drive (mode 0, drive roots only), last path component (mode 1) or whole
    // path (other modes) matches the text, ignoring case, is made visible and
    // selected.
    BOOL SearchTree(HTREEITEM hItem, LPCSTR lpszText, int nMode) override;

    // The string an item's file-system path is compared by in a mode.
    static CString CompareTextOf(const CString& strPath, int nMode);
};
