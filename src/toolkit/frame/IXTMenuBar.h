// What a toolkit frame needs of its menu bar: hidden commands, keyboard
// access through the frame's message pre-translation, and the menu the bar
// shows. The menu bar control bar implements it next to its window class; a
// frame finds the bar as its control bar of id XT_IDW_MENUBAR.
#pragma once

#include <windows.h>

// The menu bar's control id.
#define XT_IDW_MENUBAR 59480

class IXTMenuBar
{
public:
    virtual ~IXTMenuBar() = default;

    // The bar's window; none until the bar is created.
    virtual HWND GetMenuBarHwnd() const = 0;
    // Adds the commands to the rarely used ones; FALSE at the first failure.
    virtual BOOL HideCommands(const UINT* pIDs, int nCount) = 0;
    // A frame's message offered to the bar first; TRUE when the bar consumed it.
    virtual BOOL TranslateFrameMessage(MSG* pMsg) = 0;
    // The menu the bar shows now.
    virtual HMENU GetMenuBarMenu() const = 0;
};

// Makes the menu bar object a frame helper holds (no window yet); registered
// by the menu bar's module. The helper deletes it with the frame, so it must
// not delete itself with its window. Without a factory a frame has no menu bar.
typedef IXTMenuBar* (*XT_MENUBAR_FACTORY)();
