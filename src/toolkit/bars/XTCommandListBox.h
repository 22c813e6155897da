// The Commands page's owner-drawn list of a category's commands, each with
// its icon in a column of its own. It paints through the look's list painter
// when there is one, else itself off-screen, and drags an entry onto a bar
// once the mouse moves with the button down.
#pragma once

#include "toolkit/frame/IXTCommandList.h"
#include "toolkit/frame/XTIconHandle.h"

#include "framework/ListBox.h"

class CXTCommandListOwner;

class CXTCommandListBox : public CListBox, public IXTCommandList
{
public:
    explicit CXTCommandListBox(CXTCommandListOwner* pOwner) : m_pOwner(pOwner) {}

    enum { iconColumn = 22, itemHeight = 22 };

    void DrawItem(LPDRAWITEMSTRUCT lpDIS);
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS);

    // IXTCommandList
    HWND GetListHwnd() const override { return m_hWnd; }
    int GetIconColumnWidth() const override { return iconColumn; }
    UINT GetItemCommand(int nIndex) const override;
    // Kept until the next call.
    HICON GetItemIcon(int nIndex) const override;

protected:
    CXTCommandListOwner* m_pOwner;
    mutable CXTIconHandle m_itemIcon;

    void DrawIcon(CDC* pDC, const CRect& rcColumn, HICON hIcon, BOOL bSelected);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
