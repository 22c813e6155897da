#include "framework/ReBarCtrl.h"

IMPLEMENT_DYNAMIC(CReBarCtrl, CWnd)

BOOL CReBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    // The common controls' rebar class is registered with the cool bar classes.
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_COOL_CLASSES | ICC_BAR_CLASSES };
    ::InitCommonControlsEx(&icc);
    return CWnd::Create(REBARCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID);
}
