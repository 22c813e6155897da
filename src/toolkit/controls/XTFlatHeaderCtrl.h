// The flat header of the toolkit's lists: painted flat, a sort arrow on the
// sorted column, and a context menu that sorts and aligns the clicked column.
#pragma once

#include "toolkit/controls/XTHeaderCtrl.h"

class CXTFlatHeaderCtrl : public CXTHeaderCtrl
{
    DECLARE_DYNAMIC(CXTFlatHeaderCtrl)
public:
    // Construction
    CXTFlatHeaderCtrl();
    ~CXTFlatHeaderCtrl() override;

    // Attributes
    int GetSortedCol() const { return m_nSortedCol; }
    int GetSortDirection() const { return m_nSortDir; }    // 1 ascending, 0 descending, -1 none
    BOOL IsSortArrowShown() const { return m_bSortArrow; }
    void EnableMenus(BOOL bEnable) { m_bEnableMenus = bEnable; }

    // Overridables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);
    virtual void SetPopupMenu(int nMenuID, int nSubIndex = 0);
    virtual void InitializeHeader(BOOL bBoldFont);
    virtual void SetFontBold(BOOL bBoldFont = TRUE);
    virtual int SetSortImage(int nCol, BOOL bAsc);
    virtual void ShowSortArrow(BOOL bSortArrow);
    virtual int HitTest(CPoint pt) const;
    virtual BOOL SetAlignment(int nFlag);
    virtual void DrawBorders(CDC* pDC, CRect& rect);

protected:
    // The list this header belongs to, when its parent is one.
    CWnd* GetParentList() const;
    BOOL ParentAllowsSorting() const;
    void SortFromMenu(int nDirection);
    // The built-in menu: sort and align items of the clicked column.
    void TrackBuiltInMenu(int nCol, CPoint ptScreen);

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnSortAsc();
    void OnSortDsc();
    void OnAlignLeft();
    void OnAlignCenter();
    void OnAlignRight();
    LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);

    CPoint m_pt;            // client point of the last right-button press
    int m_nMenuID;          // owner-supplied context menu; 0 = the built-in one
    int m_nSubMenu;
    int m_nOffset;          // text inset and unit of the sort arrow
    int m_nSortedCol;
    BOOL m_bLBtnDown;
    int m_nSortDir;
    BOOL m_bSortArrow;
    BOOL m_bEnableMenus;
    BOOL m_bInitControl;

    DECLARE_MESSAGE_MAP()
};
