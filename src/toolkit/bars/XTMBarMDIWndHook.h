// The menu bar's hook on the MDI client: the same handling of painting,
// activation, commands and the MDI menu messages as the frame hook, without
// handing messages on to another window.
#pragma once

#include "toolkit/bars/XTMBarWndHook.h"

class CXTMBarMDIWndHook : public CXTMBarWndHook
{
    DECLARE_DYNAMIC(CXTMBarMDIWndHook)
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
