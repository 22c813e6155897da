// A window object attached to a platform window.
#pragma once

#include "framework/CmdTarget.h"

class CWnd : public CCmdTarget
{
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return this ? m_hWnd : nullptr; }
    operator HWND() const { return GetSafeHwnd(); }
};
