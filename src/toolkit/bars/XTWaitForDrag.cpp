#include "toolkit/bars/XTWaitForDrag.h"

#include "framework/Rect.h"

BOOL XTWaitForDrag(HWND hWnd, CPoint ptScreen, CPoint* pptDetected)
{
    CRect rcStill(ptScreen, ptScreen);
    rcStill.InflateRect(::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG));
    ::SetCapture(hWnd);
    BOOL bDrag = FALSE;
    while (::GetCapture() == hWnd)
    {
        MSG msg;
        if (!::PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE))
        {
            ::WaitMessage();
            continue;
        }
        if (msg.message == WM_MOUSEMOVE && !rcStill.PtInRect(msg.pt))
        {
            if (pptDetected != nullptr)
                *pptDetected = msg.pt;
            bDrag = TRUE;
            break;
        }
        if (msg.message != WM_MOUSEMOVE)
            break;   // the button came up, or another one went down
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    return bDrag;
}
