#include "toolkit/controls/XTPaintFlickerFree.h"

#include "toolkit/frame/XTMemDC.h"

#include "framework/PaintDC.h"
#include "framework/Wnd.h"

void XTPaintFlickerFree(CWnd* pWnd, COLORREF clrBack)
{
    CPaintDC dc(pWnd);
    CRect rcClient;
    pWnd->GetClientRect(&rcClient);
    CXTMemDC memDC(&dc, rcClient, clrBack);
    pWnd->DefWindowProc(WM_PAINT, (WPARAM)memDC.m_hDC, 0);
}
