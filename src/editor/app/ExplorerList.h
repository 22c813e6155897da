// The file list of the explorer side bar: the toolkit's shell folder list
// with narrow columns whose titles come from the editor's strings.
#pragma once

#include "toolkit/controls/XTShellFolderList.h"

class CExplorerList : public CXTShellFolderList
{
    DECLARE_DYNAMIC(CExplorerList)
public:
    CExplorerList() = default;
    ~CExplorerList() override = default;

    void BuildColumns() override;
    // The shell's image lists are taken only here, before the list first
    // draws: asked for when the list is made, the shell would keep the open
    // waiting for the side bar's icon loader.
    BOOL InitSystemImageLists() override;
    void TakeSystemImageLists();

private:
    BOOL m_bTakeImages = FALSE;
};
