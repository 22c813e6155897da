// A header control: one line per message.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() = default;
    // Creates the control as a child; its messages reach this object's map first.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(WC_HEADERA, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    int GetItemCount() const { return (int)SendMessage(HDM_GETITEMCOUNT); }
    BOOL GetItem(int nPos, HDITEMA* pHeaderItem) const { return (BOOL)SendMessage(HDM_GETITEMA, (WPARAM)nPos, (LPARAM)pHeaderItem); }
    BOOL SetItem(int nPos, const HDITEMA* pHeaderItem) { return (BOOL)SendMessage(HDM_SETITEMA, (WPARAM)nPos, (LPARAM)pHeaderItem); }
    int InsertItem(int nPos, const HDITEMA* phdi) { return (int)SendMessage(HDM_INSERTITEMA, (WPARAM)nPos, (LPARAM)phdi); }
    BOOL DeleteItem(int nPos) { return (BOOL)SendMessage(HDM_DELETEITEM, (WPARAM)nPos); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const { return (BOOL)SendMessage(HDM_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect); }
    BOOL Layout(HDLAYOUT* pHeaderLayout) { return (BOOL)SendMessage(HDM_LAYOUT, 0, (LPARAM)pHeaderLayout); }
    int HitTest(HDHITTESTINFO* pHeaderHitTestInfo) { return (int)SendMessage(HDM_HITTEST, 0, (LPARAM)pHeaderHitTestInfo); }
    int OrderToIndex(int nOrder) const { return (int)SendMessage(HDM_ORDERTOINDEX, (WPARAM)nOrder); }
    BOOL GetOrderArray(LPINT piArray, int iCount) const { return (BOOL)SendMessage(HDM_GETORDERARRAY, (WPARAM)iCount, (LPARAM)piArray); }
    BOOL SetOrderArray(int iCount, LPINT piArray) { return (BOOL)SendMessage(HDM_SETORDERARRAY, (WPARAM)iCount, (LPARAM)piArray); }
    HIMAGELIST GetImageList() const { return (HIMAGELIST)SendMessage(HDM_GETIMAGELIST); }
    HIMAGELIST SetImageList(HIMAGELIST hImageList) { return (HIMAGELIST)SendMessage(HDM_SETIMAGELIST, 0, (LPARAM)hImageList); }
    HIMAGELIST CreateDragImage(int nIndex) { return (HIMAGELIST)SendMessage(HDM_CREATEDRAGIMAGE, (WPARAM)nIndex); }
    int SetHotDivider(CPoint pt) { return (int)SendMessage(HDM_SETHOTDIVIDER, TRUE, MAKELPARAM(pt.x, pt.y)); }
    int SetHotDivider(int nIndex) { return (int)SendMessage(HDM_SETHOTDIVIDER, FALSE, nIndex); }
};
