// An extended combo box (items with images): one line per message.
#pragma once

#include "framework/ComboBox.h"

#include <commctrl.h>

class CEdit;

class CComboBoxEx : public CComboBox
{
    DECLARE_DYNAMIC(CComboBoxEx)
public:
    CComboBoxEx() = default;
    // Creates the control as a child; its messages reach this object's map first.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(WC_COMBOBOXEXA, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    int InsertItem(const COMBOBOXEXITEMA* pCBItem) { return (int)SendMessage(CBEM_INSERTITEMA, 0, (LPARAM)pCBItem); }
    int DeleteItem(int iIndex) { return (int)SendMessage(CBEM_DELETEITEM, (WPARAM)iIndex); }
    BOOL GetItem(COMBOBOXEXITEMA* pCBItem) { return (BOOL)SendMessage(CBEM_GETITEMA, 0, (LPARAM)pCBItem); }
    BOOL SetItem(const COMBOBOXEXITEMA* pCBItem) { return (BOOL)SendMessage(CBEM_SETITEMA, 0, (LPARAM)pCBItem); }
    HIMAGELIST GetImageList() const { return (HIMAGELIST)SendMessage(CBEM_GETIMAGELIST); }
    HIMAGELIST SetImageList(HIMAGELIST hImageList) { return (HIMAGELIST)SendMessage(CBEM_SETIMAGELIST, 0, (LPARAM)hImageList); }
    CComboBox* GetComboBoxCtrl() const { return static_cast<CComboBox*>(FromHandle((HWND)SendMessage(CBEM_GETCOMBOCONTROL))); }
    CEdit* GetEditCtrl() const;
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(CBEM_GETEXTENDEDSTYLE); }
    DWORD SetExtendedStyle(DWORD dwExMask, DWORD dwExStyles)
    {
        return (DWORD)SendMessage(CBEM_SETEXTENDEDSTYLE, dwExMask, (LPARAM)dwExStyles);
    }
    BOOL HasEditChanged() { return (BOOL)SendMessage(CBEM_HASEDITCHANGED); }
};
