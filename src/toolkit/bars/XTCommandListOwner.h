// What the customise sheet's command list asks of the page that fills it:
// a command's icons, the command of an entry and the drag of an entry onto a bar.
#pragma once

#include <windows.h>

class CXTCommandListOwner
{
public:
    virtual ~CXTCommandListOwner() = default;

    // Copies of the command's icons (the caller destroys them); FALSE without.
    virtual BOOL GetIcons(UINT nID, HICON& hIcon, HICON& hIconHot) = 0;
    // The command of an entry's item data; 0 for an entry that opens a sub-menu.
    virtual UINT GetCommandId(DWORD_PTR dwItemData) = 0;
    // Drags the entry's command onto a bar; TRUE when it was dropped there.
    virtual BOOL DragCommand(DWORD_PTR dwItemData) = 0;
};
