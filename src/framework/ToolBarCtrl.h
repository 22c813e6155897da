// The common tool bar control ("ToolbarWindow32"): buttons, their states and
// images, one message each.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

class CImageList;
class CToolTipCtrl;

class CToolBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolBarCtrl)
public:
    CToolBarCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Buttons
    void SetButtonStructSize(int nSize) { SendMessage(TB_BUTTONSTRUCTSIZE, (WPARAM)nSize); }
    BOOL AddButtons(int nNumButtons, const TBBUTTON* lpButtons)
    {
        return (BOOL)SendMessage(TB_ADDBUTTONSA, (WPARAM)nNumButtons, (LPARAM)lpButtons);
    }
    BOOL InsertButton(int nIndex, const TBBUTTON* lpButton)
    {
        return (BOOL)SendMessage(TB_INSERTBUTTONA, (WPARAM)nIndex, (LPARAM)lpButton);
    }
    BOOL DeleteButton(int nIndex) { return (BOOL)SendMessage(TB_DELETEBUTTON, (WPARAM)nIndex); }
    BOOL GetButton(int nIndex, TBBUTTON* lpButton) const
    {
        return (BOOL)SendMessage(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)lpButton);
    }
    int GetButtonCount() const { return (int)SendMessage(TB_BUTTONCOUNT); }
    UINT CommandToIndex(UINT nID) const { return (UINT)SendMessage(TB_COMMANDTOINDEX, nID); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
    }
    BOOL GetRect(int nID, LPRECT lpRect) const { return (BOOL)SendMessage(TB_GETRECT, (WPARAM)nID, (LPARAM)lpRect); }
    int HitTest(LPPOINT ppt) const { return (int)SendMessage(TB_HITTEST, 0, (LPARAM)ppt); }
    BOOL GetButtonInfo(int nID, TBBUTTONINFOA* ptbbi) const
    {
        return SendMessage(TB_GETBUTTONINFOA, (WPARAM)nID, (LPARAM)ptbbi) != -1;
    }
    BOOL SetButtonInfo(int nID, TBBUTTONINFOA* ptbbi)
    {
        return (BOOL)SendMessage(TB_SETBUTTONINFOA, (WPARAM)nID, (LPARAM)ptbbi);
    }
    int AddStrings(LPCSTR lpszStrings) { return (int)SendMessage(TB_ADDSTRINGA, 0, (LPARAM)lpszStrings); }

    // States (by command id)
    BOOL EnableButton(int nID, BOOL bEnable = TRUE) { return (BOOL)SendMessage(TB_ENABLEBUTTON, (WPARAM)nID, MAKELPARAM(bEnable, 0)); }
    BOOL CheckButton(int nID, BOOL bCheck = TRUE) { return (BOOL)SendMessage(TB_CHECKBUTTON, (WPARAM)nID, MAKELPARAM(bCheck, 0)); }
    BOOL PressButton(int nID, BOOL bPress = TRUE) { return (BOOL)SendMessage(TB_PRESSBUTTON, (WPARAM)nID, MAKELPARAM(bPress, 0)); }
    BOOL HideButton(int nID, BOOL bHide = TRUE) { return (BOOL)SendMessage(TB_HIDEBUTTON, (WPARAM)nID, MAKELPARAM(bHide, 0)); }
    BOOL Indeterminate(int nID, BOOL bIndeterminate = TRUE)
    {
        return (BOOL)SendMessage(TB_INDETERMINATE, (WPARAM)nID, MAKELPARAM(bIndeterminate, 0));
    }
    BOOL IsButtonEnabled(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONENABLED, (WPARAM)nID); }
    BOOL IsButtonChecked(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONCHECKED, (WPARAM)nID); }
    BOOL IsButtonPressed(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONPRESSED, (WPARAM)nID); }
    BOOL IsButtonHidden(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONHIDDEN, (WPARAM)nID); }
    BOOL SetState(int nID, UINT nState) { return (BOOL)SendMessage(TB_SETSTATE, (WPARAM)nID, MAKELPARAM(nState, 0)); }
    int GetState(int nID) const { return (int)SendMessage(TB_GETSTATE, (WPARAM)nID); }

    // Sizes, images and layout
    BOOL SetButtonSize(CSize size) { return (BOOL)SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy)); }
    BOOL SetBitmapSize(CSize size) { return (BOOL)SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy)); }
    CSize GetButtonSize() const
    {
        DWORD dw = (DWORD)SendMessage(TB_GETBUTTONSIZE);
        return CSize(LOWORD(dw), HIWORD(dw));
    }
    int AddBitmap(int nNumButtons, UINT nBitmapID);
    HIMAGELIST SetImageList(HIMAGELIST hImageList) { return (HIMAGELIST)SendMessage(TB_SETIMAGELIST, 0, (LPARAM)hImageList); }
    HIMAGELIST GetImageList() const { return (HIMAGELIST)SendMessage(TB_GETIMAGELIST); }
    HIMAGELIST SetDisabledImageList(HIMAGELIST hImageList)
    {
        return (HIMAGELIST)SendMessage(TB_SETDISABLEDIMAGELIST, 0, (LPARAM)hImageList);
    }
    HIMAGELIST SetHotImageList(HIMAGELIST hImageList) { return (HIMAGELIST)SendMessage(TB_SETHOTIMAGELIST, 0, (LPARAM)hImageList); }
    void AutoSize() { SendMessage(TB_AUTOSIZE); }
    int GetRows() const { return (int)SendMessage(TB_GETROWS); }
    BOOL GetMaxSize(LPSIZE pSize) const { return (BOOL)SendMessage(TB_GETMAXSIZE, 0, (LPARAM)pSize); }
    BOOL SetIndent(int nIndent) { return (BOOL)SendMessage(TB_SETINDENT, (WPARAM)nIndent); }
    BOOL SetMaxTextRows(int nRows) { return (BOOL)SendMessage(TB_SETMAXTEXTROWS, (WPARAM)nRows); }
    DWORD SetExtendedStyle(DWORD dwExStyle) { return (DWORD)SendMessage(TB_SETEXTENDEDSTYLE, 0, (LPARAM)dwExStyle); }
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(TB_GETEXTENDEDSTYLE); }
    int GetHotItem() const { return (int)SendMessage(TB_GETHOTITEM); }
    int SetHotItem(int nHot) { return (int)SendMessage(TB_SETHOTITEM, (WPARAM)nHot); }
    HWND GetToolTips() const { return (HWND)SendMessage(TB_GETTOOLTIPS); }
    void SetToolTips(HWND hWndTip) { SendMessage(TB_SETTOOLTIPS, (WPARAM)hWndTip); }
};
