// A list whose items are edited in place, with a small bar above it (New,
// Delete, Move Item Up, Move Item Down). Every change reaches the owner as a
// WM_COMMAND notification (XT_LBN_...).
#pragma once

#include "toolkit/controls/XTEditGroup.h"
#include "toolkit/controls/XTItemEdit.h"
#include "toolkit/controls/XTListBox.h"

#include <memory>

// Edit list style: no bar above the list (the low three bits are the in-place
// edit's browse style).
#define LBS_XT_NOTOOLBAR 0x0008

class CXTEditListBox : public CXTListBox
{
    DECLARE_DYNAMIC(CXTEditListBox)
public:
    enum { GroupHeight = 22 };

    // Construction
    CXTEditListBox();
    ~CXTEditListBox() override;

    // Attributes
    void SetEditStyle(LPCSTR lpszCaption, DWORD dwStyle = BES_XT_CHOOSEDIR);
    void SetEditStyle(UINT nIDCaption, DWORD dwStyle = BES_XT_CHOOSEDIR);
    CXTEditGroup* GetEditGroup() const { return m_pEditGroup.get(); }
    CXTItemEdit* GetItemEdit() const { return m_pItemEdit; }
    // The bar's place above a list at rcList (parent coordinates).
    static CRect GroupRect(const CRect& rcList);

    // Operations
    // Opens the in-place edit on the selected item, or on a new empty one.
    void EditItem(BOOL bNewItem);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void Initialize() override;
    void CreateGroup();
    void PlaceGroup();
    void NotifyOwner(UINT nCode);
    void CloseItemEdit(BOOL bCancel);
    void DeleteSelected();
    void MoveSelected(int nStep, UINT nCode);

    void OnLabelEditDone();
    void OnNewItem();
    void OnDeleteItem();
    void OnMoveItemUp();
    void OnMoveItemDown();
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnEnable(BOOL bEnable);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnDestroy();

    int m_nIndex;
    BOOL m_bNewItem;
    CString m_strItemText;
    std::unique_ptr<CXTEditGroup> m_pEditGroup;
    CString m_strCaption;
    DWORD m_dwStyle;
    CXTItemEdit* m_pItemEdit;   // deletes itself when its window goes

    DECLARE_MESSAGE_MAP()
};
