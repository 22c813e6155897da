#include "toolkit/bars/XTCommandListBox.h"

#include "toolkit/bars/XTCommandListOwner.h"
#include "toolkit/bars/XTWaitForDrag.h"
#include "toolkit/controls/XTPaintFlickerFree.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTPainters.h"

// void DrawItem(LPDRAWITEMSTRUCT); void MeasureItem(LPMEASUREITEMSTRUCT); void OnPaint();
// BOOL OnEraseBkgnd(CDC*); void OnLButtonDown(UINT, CPoint)
BEGIN_MESSAGE_MAP(CXTCommandListBox, CListBox)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

UINT CXTCommandListBox::GetItemCommand(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return 0;
    return m_pOwner->GetCommandId(GetItemData(nIndex));
}

HICON CXTCommandListBox::GetItemIcon(int nIndex) const
{
    HICON hIcon = nullptr, hIconHot = nullptr;
    const UINT nID = GetItemCommand(nIndex);
    if (nID != 0)
        m_pOwner->GetIcons(nID, hIcon, hIconHot);
    CXTIconHandle hot(hIconHot);   // not shown in the list
    m_itemIcon.SetHandle(hIcon);
    return m_itemIcon.GetHandle();
}

void CXTCommandListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    lpMIS->itemHeight = itemHeight;
}

void CXTCommandListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (CXTListBoxPainter* pPainter = GetPainter()->GetListBoxPainter())
    {
        pPainter->DrawItem(lpDIS, this);
        m_itemIcon.SetHandle(nullptr);   // the painter is done with it
        return;
    }
    if ((int)lpDIS->itemID < 0)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect rc(lpDIS->rcItem);
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    pDC->FillSolidRect(&rc, xtAfxData.m_clr3DFace);
    CRect rcText(rc.left + iconColumn + 1, rc.top, rc.right, rc.bottom);
    if (bSelected)
        pDC->FillSolidRect(&rcText, xtAfxData.m_clrHighlight);
    if (lpDIS->itemState & ODS_FOCUS)
    {
        CRect rcFocus = rcText;
        rcFocus.DeflateRect(2, 2);
        pDC->DrawFocusRect(&rcFocus);
    }
    CString strText;
    GetText((int)lpDIS->itemID, strText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(bSelected ? xtAfxData.m_clrHighlightText : xtAfxData.m_clrBtnText);
    CRect rcLabel(rc.left + 28, rc.top, rc.right - iconColumn, rc.bottom);
    pDC->DrawText(strText, &rcLabel, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);

    const CRect rcColumn(rc.left, rc.top, rc.left + iconColumn, rc.bottom);
    if (GetItemCommand((int)lpDIS->itemID) == 0)
    {
        // An entry that opens a sub-menu: a small triangle pointing right.
        for (int i = 0; i < 5; ++i)
            pDC->FillSolidRect(rc.right - 11 + i, rc.top + 6 + i, 1, 10 - 2 * i, xtAfxData.m_clrBtnText);
        return;
    }
    HICON hIcon = nullptr, hIconHot = nullptr;
    m_pOwner->GetIcons(GetItemCommand((int)lpDIS->itemID), hIcon, hIconHot);
    CXTIconHandle icon(hIcon), iconHot(hIconHot);   // copies for this drawing only
    DrawIcon(pDC, rcColumn, icon, bSelected);
}

void CXTCommandListBox::DrawIcon(CDC* pDC, const CRect& rcColumn, HICON hIcon, BOOL bSelected)
{
    if (hIcon == nullptr)
        return;
    if (bSelected)
        pDC->Draw3dRect(&rcColumn, xtAfxData.m_clr3DHilight, xtAfxData.m_clr3DShadow);
    CXTIconHandle scaled;
    hIcon = CXTIconHandle::ShrinkToFit(hIcon, xtAfxData.m_cxSmIcon, xtAfxData.m_cySmIcon, scaled);
    const CSize size = CXTIconHandle::GetExtent(hIcon);
    ::DrawStateA(pDC->m_hDC, nullptr, nullptr, (LPARAM)hIcon, 0, rcColumn.left + (rcColumn.Width() - size.cx) / 2,
                 rcColumn.top + (rcColumn.Height() - size.cy) / 2, size.cx, size.cy, DST_ICON | DSS_NORMAL);
}

void CXTCommandListBox::OnPaint()
{
    if (CXTListBoxPainter* pPainter = GetPainter()->GetListBoxPainter())
    {
        pPainter->Paint(this);
        return;
    }
    XTPaintFlickerFree(this, xtAfxData.m_clr3DFace);
}

BOOL CXTCommandListBox::OnEraseBkgnd(CDC*)
{
    return TRUE;   // painting covers everything
}

void CXTCommandListBox::OnLButtonDown(UINT, CPoint point)
{
    BOOL bOutside = TRUE;
    const int nItem = (int)ItemFromPoint(point, bOutside);
    if (bOutside || nItem >= GetCount())
    {
        Default();
        return;
    }
    SetCurSel(nItem);
    SetFocus();
    GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), LBN_SELCHANGE), (LPARAM)m_hWnd);
    // A click selects; only a press that moves drags the command.
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (XTWaitForDrag(m_hWnd, ptScreen))
        m_pOwner->DragCommand(GetItemData(nItem));
}

