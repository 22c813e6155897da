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
};
