// The menu bar's hook on its frame: hands the frame's menu messages to the
// menu bar (or to the active document's child frame), keeps the bar's
// active look with the frame's, fills the Window sub-menu, and takes the
// menus the MDI machinery sets instead of the frame.
#pragma once

#include "toolkit/frame/XTWndHook.h"

class CXTMenuBar;

class CXTMBarWndHook : public CXTWndHook
{
    DECLARE_DYNAMIC(CXTMBarWndHook)
public:
    // Construction
    CXTMBarWndHook() = default;

    // Operations
    BOOL Install(CXTMenuBar* pMenuBar, HWND hWnd);

    // Overridables
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // "Display full menus" (the chevron) was the last command a frame got.
    static BOOL IsChevronChosen();
    static void ClearChevronChosen();

protected:
    CXTMenuBar* m_pMenuBar = nullptr;

    BOOL IsMenuBarAlive() const;
    // The messages both hooks handle alike; TRUE with the result when the
    // message goes no further.
    BOOL OnSharedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
};
