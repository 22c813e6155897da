// What the flat-look painter needs of the customisation command list: its
// window, the width of its icon column and each item's command and icon.
#pragma once

#include <windows.h>

class IXTCommandList
{
public:
    virtual ~IXTCommandList() = default;

    virtual HWND GetListHwnd() const = 0;
    virtual int GetIconColumnWidth() const = 0;
    // 0 for an entry that opens a sub-menu.
    virtual UINT GetItemCommand(int nIndex) const = 0;
    // The command's icon, owned by the list; none when it has none.
    virtual HICON GetItemIcon(int nIndex) const = 0;
};
