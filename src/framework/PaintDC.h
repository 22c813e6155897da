// The device context of a WM_PAINT: BeginPaint on construction, EndPaint on
// destruction. A WM_PAINT that carries a DC in wParam (a parent or a memory DC
// asking a control to draw into it) paints into that DC instead.
#pragma once

#include "framework/DC.h"

class CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
    BOOL m_bBorrowed;   // the DC came with the message: no BeginPaint/EndPaint
};
