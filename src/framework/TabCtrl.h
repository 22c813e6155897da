// A tab control: one line per message.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

class CToolTipCtrl;

class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl() = default;
    // Creates the control as a child; its messages reach this object's map first.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(WC_TABCONTROLA, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    // Attributes
    int GetItemCount() const { return (int)SendMessage(TCM_GETITEMCOUNT); }
    BOOL GetItem(int nItem, TCITEMA* pTabCtrlItem) const { return (BOOL)SendMessage(TCM_GETITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem); }
    BOOL SetItem(int nItem, TCITEMA* pTabCtrlItem) { return (BOOL)SendMessage(TCM_SETITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem); }
    BOOL SetItemExtra(int nBytes) { return (BOOL)SendMessage(TCM_SETITEMEXTRA, (WPARAM)nBytes); }
    BOOL GetItemRect(int nItem, LPRECT lpRect) const { return (BOOL)SendMessage(TCM_GETITEMRECT, (WPARAM)nItem, (LPARAM)lpRect); }
    int GetCurSel() const { return (int)SendMessage(TCM_GETCURSEL); }
    int SetCurSel(int nItem) { return (int)SendMessage(TCM_SETCURSEL, (WPARAM)nItem); }
    int GetCurFocus() const { return (int)SendMessage(TCM_GETCURFOCUS); }
    void SetCurFocus(int nItem) { SendMessage(TCM_SETCURFOCUS, (WPARAM)nItem); }
    CSize SetItemSize(CSize size)
    {
        DWORD dw = (DWORD)SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy));
        return CSize(LOWORD(dw), HIWORD(dw));
    }
    void SetPadding(CSize size) { SendMessage(TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy)); }
    int SetMinTabWidth(int cx) { return (int)SendMessage(TCM_SETMINTABWIDTH, 0, cx); }
    int GetRowCount() const { return (int)SendMessage(TCM_GETROWCOUNT); }
    HIMAGELIST GetImageList() const { return (HIMAGELIST)SendMessage(TCM_GETIMAGELIST); }
    HIMAGELIST SetImageList(HIMAGELIST hImageList) { return (HIMAGELIST)SendMessage(TCM_SETIMAGELIST, 0, (LPARAM)hImageList); }
    CToolTipCtrl* GetToolTips() const;
    void SetToolTips(CToolTipCtrl* pWndTip);
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(TCM_GETEXTENDEDSTYLE); }
    DWORD SetExtendedStyle(DWORD dwNewStyle, DWORD dwExMask = 0)
    {
        return (DWORD)SendMessage(TCM_SETEXTENDEDSTYLE, dwExMask, (LPARAM)dwNewStyle);
    }

    // Operations
    LONG InsertItem(int nItem, TCITEMA* pTabCtrlItem) { return (LONG)SendMessage(TCM_INSERTITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem); }
    LONG InsertItem(int nItem, LPCSTR lpszItem, int nImage = -1);
    BOOL DeleteItem(int nItem) { return (BOOL)SendMessage(TCM_DELETEITEM, (WPARAM)nItem); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(TCM_DELETEALLITEMS); }
    void AdjustRect(BOOL bLarger, LPRECT lpRect) { SendMessage(TCM_ADJUSTRECT, bLarger, (LPARAM)lpRect); }
    void RemoveImage(int nImage) { SendMessage(TCM_REMOVEIMAGE, (WPARAM)nImage); }
    int HitTest(TCHITTESTINFO* pHitTestInfo) const { return (int)SendMessage(TCM_HITTEST, 0, (LPARAM)pHitTestInfo); }
    void DeselectAll(BOOL fExcludeFocus) { SendMessage(TCM_DESELECTALL, fExcludeFocus); }
    BOOL HighlightItem(int idItem, BOOL fHighlight = TRUE)
    {
        return (BOOL)SendMessage(TCM_HIGHLIGHTITEM, (WPARAM)idItem, MAKELPARAM(fHighlight, 0));
    }
};
