#include "editor/app/ExplorerList.h"

#include "editor/resource.h"

IMPLEMENT_DYNAMIC(CExplorerList, CXTShellFolderList)

BOOL CExplorerList::InitSystemImageLists()
{
    return m_bTakeImages ? CXTShellFolderList::InitSystemImageLists() : TRUE;
}

void CExplorerList::TakeSystemImageLists()
{
    if (GetSafeHwnd() == nullptr || GetImageList(LVSIL_SMALL) != nullptr)
        return;
    m_bTakeImages = TRUE;
    InitSystemImageLists();
}

void CExplorerList::BuildColumns()
{
    struct Column
    {
        UINT nTitle;
        LPCSTR lpszFallback;
        int cx;
        int fmt;
    };
    static const Column columns[] = {
        { IDS_EXPLORER_NAME, "Name", 120, LVCFMT_LEFT },
        { IDS_EXPLORER_SIZE, "Size", 50, LVCFMT_RIGHT },
        { IDS_EXPLORER_TYPE, "Type", 50, LVCFMT_LEFT },
        { IDS_EXPLORER_MODIFIED, "Modified", 50, LVCFMT_LEFT },
    };
    for (const Column& column : columns)
    {
        CString strTitle;
        if (!strTitle.LoadString(column.nTitle))
            strTitle = column.lpszFallback;
        AddColumn(strTitle, column.cx, column.fmt);
    }
}
