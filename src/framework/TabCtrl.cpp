#include "framework/TabCtrl.h"

#include "framework/ToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

CToolTipCtrl* CTabCtrl::GetToolTips() const
{
    return static_cast<CToolTipCtrl*>(FromHandle((HWND)SendMessage(TCM_GETTOOLTIPS)));
}

void CTabCtrl::SetToolTips(CToolTipCtrl* pWndTip)
{
    SendMessage(TCM_SETTOOLTIPS, (WPARAM)AfxHwnd(pWndTip));
}

LONG CTabCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage)
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT | (nImage >= 0 ? TCIF_IMAGE : 0);
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    return InsertItem(nItem, &item);
}
