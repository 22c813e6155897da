// The toolkit's tree control: optional multiple selection by Shift and Ctrl
// clicks, keys and a rubber band; item colours and fonts painted by the control;
// navigation in display order and a text search with wrap-around. It tracks
// clicks and drags itself and reports NM_CLICK, NM_RCLICK, TVN_BEGINDRAGA and
// TVN_BEGINRDRAGA to its parent.
#pragma once

#include "framework/TreeCtrl.h"

#include <map>
#include <vector>

// Pseudo state bit of CXTTreeCtrl::GetItemState/SetItemState: the caret item.
#define TVIS_XT_CARET 0x0001

class CXTTreeCtrl : public CTreeCtrl
{
    DECLARE_DYNAMIC(CXTTreeCtrl)
public:
    // Construction
    CXTTreeCtrl();
    ~CXTTreeCtrl() override;

    // Attributes
    BOOL IsMultiSelect() const { return m_bMultiSelect; }
    void SetBandLabel(BOOL bLabelOnly) { m_bBandLabel = bLabelOnly; }
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);

    // Operations
    HTREEITEM GetFirstSelectedItem() const;
    HTREEITEM GetNextSelectedItem(HTREEITEM hItem) const;
    UINT GetSelectedCount() const;
    BOOL SelectItemEx(HTREEITEM hItem, BOOL bSelect = TRUE);
    void ClearSelection();
    BOOL SelectItems(HTREEITEM hFromItem, HTREEITEM hToItem, BOOL bOnly = TRUE);
    void CollectSelected(std::vector<HTREEITEM>& items) const;

    // Overridables
    virtual HTREEITEM GetNextItem(HTREEITEM hItem) const;
    virtual HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const { return CTreeCtrl::GetNextItem(hItem, nCode); }
    virtual HTREEITEM GetPrevItem(HTREEITEM hItem) const;
    virtual HTREEITEM GetLastItem(HTREEITEM hItem) const;
    virtual HTREEITEM FindItem(LPCSTR lpszSearch, BOOL bCaseSensitive = FALSE, BOOL bDownDir = TRUE,
                               BOOL bWholeWord = FALSE, HTREEITEM hItem = nullptr);
    virtual void SetItemFont(HTREEITEM hItem, const LOGFONTA& logfont);
    virtual BOOL GetItemFont(HTREEITEM hItem, LOGFONTA* plogfont) const;
    virtual void SetItemBold(HTREEITEM hItem, BOOL bBold = TRUE);
    virtual BOOL GetItemBold(HTREEITEM hItem) const;
    virtual void SetItemColor(HTREEITEM hItem, COLORREF color);
    virtual COLORREF GetItemColor(HTREEITEM hItem) const;
    virtual BOOL EnableMultiSelect(BOOL bMultiSelect = TRUE);
    virtual HTREEITEM GetPrevSelectedItem(HTREEITEM hItem) const;
    virtual LRESULT SendNotify(NMHDR* pNMHDR);
    virtual void SelectAll(BOOL bSelect = TRUE, HTREEITEM hExceptItem = nullptr);
    virtual BOOL OnButtonDown(BOOL bLeft, UINT nFlags, CPoint point);
    virtual void SelectOnClick(HTREEITEM hItem, BOOL bLeft, UINT nFlags);
    virtual void TrackClick(HTREEITEM hItem, BOOL bLeft, UINT nFlags, CPoint point);
    virtual void TrackRubberBand(UINT nFlags, CPoint point);
    virtual void SelectItemsInRect(CRect rect, UINT nFlags, std::vector<HTREEITEM>* pPrevious);
    virtual BOOL IsFindValid(HTREEITEM hItem);
    // Called for every item the control deletes, with its item data.
    virtual void OnItemDeleted(HTREEITEM hItem, LPARAM lParam);

protected:
    struct ItemStyle
    {
        COLORREF color;     // -1: the window-text colour
        LOGFONTA logfont;   // empty face name: the control's font
    };

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // The next message of a tracking loop; FALSE when the loop must end
    // (lost capture, or WM_QUIT, which is posted again).
    BOOL NextTrackingMessage(MSG& msg);
    void InvalidateSelected();
    void DeselectDescendants(HTREEITEM hItem, BOOL& bCaretAmong);
    void DrawStyledItem(CDC* pDC, HTREEITEM hItem, const ItemStyle& style);
    BOOL HasStyle(HTREEITEM hItem) const { return m_mapStyles.find(hItem) != m_mapStyles.end(); }

    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    BOOL OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult);

    BOOL m_bMultiSelect;
    BOOL m_bBandLabel;          // the rubber band tests labels, not whole rows
    HTREEITEM m_hSelect;        // anchor of Shift ranges
    std::map<HTREEITEM, ItemStyle> m_mapStyles;
    BOOL m_bPassOn;             // the last click tracking lets the default button handling run

    DECLARE_MESSAGE_MAP()
};
