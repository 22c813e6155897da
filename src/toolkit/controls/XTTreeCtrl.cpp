#include "toolkit/controls/XTTreeCtrl.h"

#include "toolkit/controls/XTViewText.h"
#include "toolkit/frame/XTMemDC.h"

#include "framework/ClientDC.h"
#include "framework/Font.h"
#include "framework/PaintDC.h"
#include "framework/ToolTipCtrl.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTTreeCtrl, CTreeCtrl)

CXTTreeCtrl::CXTTreeCtrl() : m_bMultiSelect(FALSE), m_bBandLabel(TRUE), m_hSelect(nullptr), m_bPassOn(FALSE) {}

CXTTreeCtrl::~CXTTreeCtrl() = default;

BEGIN_MESSAGE_MAP(CXTTreeCtrl, CTreeCtrl)
    // void OnLButtonDown(UINT nFlags, CPoint point) and the same for the right button
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    // void OnSetFocus(CWnd* pOldWnd), void OnKillFocus(CWnd* pNewWnd)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYDOWN()
    // void OnPaint(), BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    // BOOL OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult); FALSE lets the parent see it too
    ON_NOTIFY_REFLECT_EX(TVN_ITEMEXPANDINGA, OnItemExpanding)
    ON_NOTIFY_REFLECT_EX(TVN_ITEMEXPANDINGW, OnItemExpanding)
    // BOOL OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY_REFLECT_EX(TVN_DELETEITEMA, OnDeleteItem)
    ON_NOTIFY_REFLECT_EX(TVN_DELETEITEMW, OnDeleteItem)
END_MESSAGE_MAP()

// ---------------------------------------------------------------------------
// Item state with the caret pseudo bit

UINT CXTTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const
{
    UINT nState = CTreeCtrl::GetItemState(hItem, nStateMask & ~TVIS_XT_CARET);
    if ((nStateMask & TVIS_XT_CARET) && hItem != nullptr && hItem == GetSelectedItem())
        nState |= TVIS_XT_CARET;
    return nState;
}

BOOL CXTTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
    if (!m_bMultiSelect)
        return CTreeCtrl::SetItemState(hItem, nState, nStateMask);
    if (nStateMask & TVIS_XT_CARET)
    {
        HTREEITEM hCaret = GetSelectedItem();
        if (nState & TVIS_XT_CARET)
        {
            if (hCaret != hItem)
            {
                // Moving the caret never changes the selection by itself.
                BOOL bOldSelected = hCaret != nullptr && CTreeCtrl::GetItemState(hCaret, TVIS_SELECTED);
                BOOL bNewSelected = CTreeCtrl::GetItemState(hItem, TVIS_SELECTED) != 0;
                Select(hItem, TVGN_CARET);
                if (bOldSelected)
                {
                    CTreeCtrl::SetItemState(hCaret, TVIS_SELECTED, TVIS_SELECTED);
                    UpdateWindow();
                }
                BOOL bSelectsToo = (nStateMask & TVIS_SELECTED) && (nState & TVIS_SELECTED);
                if (!bNewSelected && !bSelectsToo)
                    CTreeCtrl::SetItemState(hItem, 0, TVIS_SELECTED);
            }
        }
        else if (hCaret == hItem)
        {
            BOOL bSelected = CTreeCtrl::GetItemState(hItem, TVIS_SELECTED) != 0;
            Select(nullptr, TVGN_CARET);
            if (bSelected)
                CTreeCtrl::SetItemState(hItem, TVIS_SELECTED, TVIS_SELECTED);
        }
        nStateMask &= ~TVIS_XT_CARET;
    }
    if (nStateMask & TVIS_SELECTED)
    {
        UINT nNew = nState & TVIS_SELECTED;
        if (CTreeCtrl::GetItemState(hItem, TVIS_SELECTED) != nNew)
        {
            NMTREEVIEWA nmtv = {};
            nmtv.hdr.hwndFrom = m_hWnd;
            nmtv.hdr.idFrom = GetDlgCtrlID();
            nmtv.hdr.code = TVN_SELCHANGINGA;
            TVITEMA& item = nNew ? nmtv.itemNew : nmtv.itemOld;
            item.mask = TVIF_HANDLE | TVIF_PARAM;
            item.hItem = hItem;
            item.lParam = (LPARAM)GetItemData(hItem);
            if (SendNotify(&nmtv.hdr) != 0)
                return FALSE;
            CTreeCtrl::SetItemState(hItem, nNew, TVIS_SELECTED);
            nmtv.hdr.code = TVN_SELCHANGEDA;
            SendNotify(&nmtv.hdr);
        }
        nStateMask &= ~TVIS_SELECTED;
    }
    return nStateMask == 0 || CTreeCtrl::SetItemState(hItem, nState, nStateMask);
}

// ---------------------------------------------------------------------------
// Navigation in display order

HTREEITEM CXTTreeCtrl::GetNextItem(HTREEITEM hItem) const
{
    if (hItem == nullptr)
        return nullptr;
    HTREEITEM hNext = GetChildItem(hItem);
    if (hNext != nullptr)
        return hNext;
    for (HTREEITEM h = hItem; h != nullptr; h = GetParentItem(h))
    {
        hNext = GetNextSiblingItem(h);
        if (hNext != nullptr)
            return hNext;
    }
    return nullptr;
}

HTREEITEM CXTTreeCtrl::GetPrevItem(HTREEITEM hItem) const
{
    HTREEITEM hPrev = GetPrevSiblingItem(hItem);
    if (hPrev == nullptr)
        return GetParentItem(hItem);
    return GetLastItem(hPrev);
}

HTREEITEM CXTTreeCtrl::GetLastItem(HTREEITEM hItem) const
{
    if (hItem == nullptr)
    {
        // The last root.
        hItem = GetRootItem();
        for (HTREEITEM h = hItem; h != nullptr; h = GetNextSiblingItem(h))
            hItem = h;
        if (hItem == nullptr)
            return nullptr;
    }
    for (HTREEITEM hChild = GetChildItem(hItem); hChild != nullptr; hChild = GetChildItem(hItem))
    {
        hItem = hChild;
        for (HTREEITEM h = GetNextSiblingItem(hChild); h != nullptr; h = GetNextSiblingItem(h))
            hItem = h;
    }
    return hItem;
}

HTREEITEM CXTTreeCtrl::FindItem(LPCSTR lpszSearch, BOOL bCaseSensitive, BOOL bDownDir, BOOL bWholeWord,
                                HTREEITEM hItem)
{
    if (lpszSearch == nullptr || *lpszSearch == '\0' || GetCount() == 0)
        return nullptr;
    // No start and no caret: the first root.
    if (hItem == nullptr)
        hItem = GetSelectedItem();
    if (hItem == nullptr)
        hItem = GetRootItem();
    HTREEITEM hStart = hItem;
    do
    {
        if (XTTextContains(GetItemText(hItem), lpszSearch, bCaseSensitive, bWholeWord) && IsFindValid(hItem))
            return hItem;
        hItem = bDownDir ? GetNextItem(hItem) : GetPrevItem(hItem);
        if (hItem == nullptr)
            hItem = bDownDir ? GetRootItem() : GetLastItem(nullptr);
    } while (hItem != hStart && hItem != nullptr);
    return nullptr;
}

BOOL CXTTreeCtrl::IsFindValid(HTREEITEM)
{
    return TRUE;
}

void CXTTreeCtrl::OnItemDeleted(HTREEITEM, LPARAM) {}

// ---------------------------------------------------------------------------
// Item colours and fonts

void CXTTreeCtrl::SetItemFont(HTREEITEM hItem, const LOGFONTA& logfont)
{
    auto it = m_mapStyles.find(hItem);
    if (it == m_mapStyles.end())
        it = m_mapStyles.emplace(hItem, ItemStyle{ (COLORREF)-1, LOGFONTA() }).first;
    it->second.logfont = logfont;
    Invalidate();
}

BOOL CXTTreeCtrl::GetItemFont(HTREEITEM hItem, LOGFONTA* plogfont) const
{
    auto it = m_mapStyles.find(hItem);
    if (it == m_mapStyles.end() || it->second.logfont.lfFaceName[0] == '\0')
        return FALSE;
    *plogfont = it->second.logfont;
    return TRUE;
}

void CXTTreeCtrl::SetItemBold(HTREEITEM hItem, BOOL bBold)
{
    CTreeCtrl::SetItemState(hItem, bBold ? TVIS_BOLD : 0, TVIS_BOLD);
    Invalidate();
}

BOOL CXTTreeCtrl::GetItemBold(HTREEITEM hItem) const
{
    return CTreeCtrl::GetItemState(hItem, TVIS_BOLD) != 0;
}

void CXTTreeCtrl::SetItemColor(HTREEITEM hItem, COLORREF color)
{
    auto it = m_mapStyles.find(hItem);
    if (it == m_mapStyles.end())
        it = m_mapStyles.emplace(hItem, ItemStyle{ color, LOGFONTA() }).first;
    it->second.color = color;
    Invalidate();
}

COLORREF CXTTreeCtrl::GetItemColor(HTREEITEM hItem) const
{
    auto it = m_mapStyles.find(hItem);
    return it == m_mapStyles.end() ? (COLORREF)-1 : it->second.color;
}

// Item handles are reused: a new item must not inherit a deleted one's style.
BOOL CXTTreeCtrl::OnDeleteItem(NMHDR* pNMHDR, LRESULT*)
{
    // The handle and data sit at the same places in the A and W records.
    const TVITEMA& itemOld = reinterpret_cast<NMTREEVIEWA*>(pNMHDR)->itemOld;
    HTREEITEM hItem = itemOld.hItem;
    m_mapStyles.erase(hItem);
    OnItemDeleted(hItem, itemOld.lParam);
    if (m_hSelect == hItem)
        m_hSelect = nullptr;
    return FALSE;
}

// ---------------------------------------------------------------------------
// Multiple selection

BOOL CXTTreeCtrl::EnableMultiSelect(BOOL bMultiSelect)
{
    BOOL bPrevious = m_bMultiSelect;
    m_bMultiSelect = bMultiSelect;
    if (bPrevious && !bMultiSelect)
    {
        HTREEITEM hCaret = GetSelectedItem();
        BOOL bCaretSelected = hCaret != nullptr && CTreeCtrl::GetItemState(hCaret, TVIS_SELECTED);
        SelectAll(FALSE, hCaret);
        if (bCaretSelected)
            CTreeCtrl::SetItemState(hCaret, TVIS_SELECTED, TVIS_SELECTED);
    }
    return bPrevious;
}

HTREEITEM CXTTreeCtrl::GetFirstSelectedItem() const
{
    for (HTREEITEM h = GetRootItem(); h != nullptr; h = GetNextVisibleItem(h))
        if (CTreeCtrl::GetItemState(h, TVIS_SELECTED))
            return h;
    return nullptr;
}

HTREEITEM CXTTreeCtrl::GetNextSelectedItem(HTREEITEM hItem) const
{
    for (HTREEITEM h = GetNextVisibleItem(hItem); h != nullptr; h = GetNextVisibleItem(h))
        if (CTreeCtrl::GetItemState(h, TVIS_SELECTED))
            return h;
    return nullptr;
}

HTREEITEM CXTTreeCtrl::GetPrevSelectedItem(HTREEITEM hItem) const
{
    for (HTREEITEM h = GetPrevVisibleItem(hItem); h != nullptr; h = GetPrevVisibleItem(h))
        if (CTreeCtrl::GetItemState(h, TVIS_SELECTED))
            return h;
    return nullptr;
}

UINT CXTTreeCtrl::GetSelectedCount() const
{
    UINT nCount = 0;
    for (HTREEITEM h = GetFirstSelectedItem(); h != nullptr; h = GetNextSelectedItem(h))
        ++nCount;
    return nCount;
}

void CXTTreeCtrl::CollectSelected(std::vector<HTREEITEM>& items) const
{
    for (HTREEITEM h = GetFirstSelectedItem(); h != nullptr; h = GetNextSelectedItem(h))
        items.push_back(h);
}

BOOL CXTTreeCtrl::SelectItemEx(HTREEITEM hItem, BOOL bSelect)
{
    if (!m_bMultiSelect)
        return Select(hItem, TVGN_CARET);
    UINT nState = bSelect ? (TVIS_SELECTED | TVIS_XT_CARET) : TVIS_XT_CARET;
    return SetItemState(hItem, nState, TVIS_SELECTED | TVIS_XT_CARET);
}

void CXTTreeCtrl::ClearSelection()
{
    SetFocus();
    for (HTREEITEM h = GetFirstSelectedItem(); h != nullptr; h = GetNextSelectedItem(h))
        SetItemState(h, 0, TVIS_SELECTED);
}

void CXTTreeCtrl::SelectAll(BOOL bSelect, HTREEITEM hExceptItem)
{
    for (HTREEITEM h = GetRootItem(); h != nullptr; h = GetNextVisibleItem(h))
        if (h != hExceptItem)
            SetItemState(h, bSelect ? TVIS_SELECTED : 0, TVIS_SELECTED);
}

BOOL CXTTreeCtrl::SelectItems(HTREEITEM hFromItem, HTREEITEM hToItem, BOOL bOnly)
{
    // Which of the two comes first in display order decides the range.
    HTREEITEM hFirst = nullptr, hLast = nullptr;
    for (HTREEITEM h = GetRootItem(); h != nullptr && hFirst == nullptr; h = GetNextVisibleItem(h))
        if (h == hFromItem || h == hToItem)
        {
            hFirst = h;
            hLast = h == hFromItem ? hToItem : hFromItem;
        }
    if (hFirst == nullptr)
        return FALSE;
    BOOL bInside = FALSE;
    for (HTREEITEM h = GetRootItem(); h != nullptr; h = GetNextVisibleItem(h))
    {
        if (h == hFirst)
            bInside = TRUE;
        if (bInside)
            SetItemState(h, TVIS_SELECTED, TVIS_SELECTED);
        else if (bOnly)
            SetItemState(h, 0, TVIS_SELECTED);
        if (h == hLast)
            bInside = FALSE;
    }
    return TRUE;
}

LRESULT CXTTreeCtrl::SendNotify(NMHDR* pNMHDR)
{
    CWnd* pParent = GetParent();
    return pParent == nullptr ? 0 : pParent->SendMessage(WM_NOTIFY, pNMHDR->idFrom, (LPARAM)pNMHDR);
}

// ---------------------------------------------------------------------------
// Mouse

void CXTTreeCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bMultiSelect || OnButtonDown(TRUE, nFlags, point))
        Default();
}

void CXTTreeCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    UINT nHitFlags = 0;
    HTREEITEM hItem = HitTest(point, &nHitFlags);
    if (hItem == nullptr || !(nHitFlags & TVHT_ONITEM))
        ClearSelection();
    else if (!CTreeCtrl::GetItemState(hItem, TVIS_SELECTED))
    {
        ClearSelection();
        SelectItemEx(hItem);
    }
    (void)nFlags;
    NMHDR nmh = { m_hWnd, (UINT_PTR)GetDlgCtrlID(), (UINT)NM_RCLICK };
    CWnd* pTarget = GetOwner();
    if (pTarget == nullptr)
        pTarget = GetParent();
    if (pTarget != nullptr)
        pTarget->SendMessage(WM_NOTIFY, nmh.idFrom, (LPARAM)&nmh);
}

BOOL CXTTreeCtrl::OnButtonDown(BOOL bLeft, UINT nFlags, CPoint point)
{
    if (!m_bMultiSelect)
        return TRUE;
    UINT nHitFlags = 0;
    HTREEITEM hItem = HitTest(point, &nHitFlags);
    if (nHitFlags & TVHT_ONITEMBUTTON)
        return TRUE;
    if (bLeft && (nHitFlags & TVHT_ONITEMSTATEICON) && (GetStyle() & TVS_CHECKBOXES))
        return TRUE;
    if (hItem != nullptr && !(nHitFlags & (TVHT_NOWHERE | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT)))
    {
        SelectOnClick(hItem, bLeft, nFlags);
        TrackClick(hItem, bLeft, nFlags, point);
        return m_bPassOn;
    }
    TrackRubberBand(nFlags, point);
    return TRUE;
}

void CXTTreeCtrl::SelectOnClick(HTREEITEM hItem, BOOL bLeft, UINT nFlags)
{
    BOOL bShift = (nFlags & MK_SHIFT) != 0, bCtrl = (nFlags & MK_CONTROL) != 0;
    if (bLeft && bShift)
    {
        if (m_hSelect == nullptr)
            m_hSelect = GetSelectedItem();
        SelectItems(m_hSelect != nullptr ? m_hSelect : hItem, hItem, !bCtrl);
        SetItemState(hItem, TVIS_XT_CARET, TVIS_XT_CARET);
        return;
    }
    if (!bLeft && (bShift || bCtrl))
    {
        if (!bShift)
            m_hSelect = hItem;
        return;
    }
    if (!bCtrl && !CTreeCtrl::GetItemState(hItem, TVIS_SELECTED))
    {
        SelectAll(FALSE, hItem);
        SelectItemEx(hItem);
    }
    m_hSelect = nullptr;
}

BOOL CXTTreeCtrl::NextTrackingMessage(MSG& msg)
{
    if (::GetCapture() != m_hWnd)
        return FALSE;
    if (!::GetMessageA(&msg, nullptr, 0, 0))
    {
        ::PostQuitMessage((int)msg.wParam);
        return FALSE;
    }
    if (::GetCapture() != m_hWnd)
    {
        ::DispatchMessageA(&msg);
        return FALSE;
    }
    return TRUE;
}

// The button is up (or the drag reported) when the loop ends: the default
// button-down handling must not run afterwards, or it would track a second
// click of its own, start its own drag on the next move and undo a Ctrl toggle.
void CXTTreeCtrl::TrackClick(HTREEITEM hItem, BOOL bLeft, UINT nFlags, CPoint point)
{
    m_bPassOn = FALSE;
    SetCapture();
    const int cxDrag = ::GetSystemMetrics(SM_CXDRAG), cyDrag = ::GetSystemMetrics(SM_CYDRAG);
    enum { none, click, drag } outcome = none;
    MSG msg;
    while (outcome == none && NextTrackingMessage(msg))
    {
        if (msg.message == WM_MOUSEMOVE)
        {
            CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
            if (abs(pt.x - point.x) > cxDrag || abs(pt.y - point.y) > cyDrag)
                outcome = drag;
        }
        else if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP)
            outcome = click;
        else
            ::DispatchMessageA(&msg);
    }
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();

    if (outcome == click)
    {
        if (bLeft && !(nFlags & MK_SHIFT))
        {
            if (nFlags & MK_CONTROL)
                SetItemState(hItem, CTreeCtrl::GetItemState(hItem, TVIS_SELECTED) ^ TVIS_SELECTED, TVIS_SELECTED);
            else
            {
                SelectAll(FALSE, hItem);
                SetItemState(hItem, TVIS_SELECTED, TVIS_SELECTED);
            }
            SetItemState(hItem, TVIS_XT_CARET, TVIS_XT_CARET);
        }
        SetFocus();
        NMHDR nmh = { m_hWnd, (UINT_PTR)GetDlgCtrlID(), (UINT)(bLeft ? NM_CLICK : NM_RCLICK) };
        SendNotify(&nmh);
    }
    else if (outcome == drag)
    {
        SelectItemEx(hItem);
        if (!(GetStyle() & TVS_DISABLEDRAGDROP))
        {
            NMTREEVIEWA nmtv = {};
            nmtv.hdr.hwndFrom = m_hWnd;
            nmtv.hdr.idFrom = GetDlgCtrlID();
            nmtv.hdr.code = bLeft ? TVN_BEGINDRAGA : TVN_BEGINRDRAGA;
            nmtv.itemNew.mask = TVIF_HANDLE | TVIF_PARAM;
            nmtv.itemNew.hItem = hItem;
            nmtv.itemNew.lParam = (LPARAM)GetItemData(hItem);
            nmtv.ptDrag = point;
            SendNotify(&nmtv.hdr);
        }
    }
}

void CXTTreeCtrl::TrackRubberBand(UINT nFlags, CPoint point)
{
    SetFocus();
    SetCapture();
    const BOOL bModifier = (nFlags & (MK_CONTROL | MK_SHIFT)) != 0;
    std::vector<HTREEITEM> previous;
    if (bModifier)
        CollectSelected(previous);
    SetTimer(1, 75, nullptr);

    // The start point in scrolled coordinates, so that it stays put while the tree scrolls.
    CRect rcRoot;
    int cyRow = GetRootItem() != nullptr && GetItemRect(GetRootItem(), &rcRoot, FALSE) ? rcRoot.Height() : 1;
    CPoint ptStart(point.x + GetScrollPos(SB_HORZ), point.y + GetScrollPos(SB_VERT) * cyRow);
    const int cxDrag = ::GetSystemMetrics(SM_CXDRAG), cyDrag = ::GetSystemMetrics(SM_CYDRAG);
    BOOL bStarted = FALSE, bBandDrawn = FALSE;
    CRect rcBand;
    CClientDC dc(this);

    MSG msg;
    while (NextTrackingMessage(msg))
    {
        CPoint pt;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
        {
            ClearSelection();
            break;
        }
        if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP)
            break;
        if (msg.message == WM_MOUSEMOVE)
            pt = CPoint((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
        else if (msg.message == WM_TIMER && msg.hwnd == m_hWnd && msg.wParam == 1)
        {
            CRect rcClient;
            GetClientRect(&rcClient);
            ::GetCursorPos(&pt);
            ScreenToClient(&pt);
            if (rcClient.PtInRect(pt))
                continue;
        }
        else
        {
            ::DispatchMessageA(&msg);
            continue;
        }
        CPoint ptNow(ptStart.x - GetScrollPos(SB_HORZ), ptStart.y - GetScrollPos(SB_VERT) * cyRow);
        if (!bStarted)
        {
            if (abs(pt.x - ptNow.x) <= cxDrag && abs(pt.y - ptNow.y) <= cyDrag)
                continue;
            bStarted = TRUE;
            if (!bModifier)
                ClearSelection();
        }
        if (bBandDrawn)
            dc.DrawFocusRect(&rcBand);
        CRect rcClient;
        GetClientRect(&rcClient);
        if (pt.y < rcClient.top)
            SendMessage(WM_VSCROLL, SB_LINEUP);
        else if (pt.y >= rcClient.bottom)
            SendMessage(WM_VSCROLL, SB_LINEDOWN);
        if (pt.x < rcClient.left)
            SendMessage(WM_HSCROLL, SB_LINELEFT);
        else if (pt.x >= rcClient.right)
            SendMessage(WM_HSCROLL, SB_LINERIGHT);
        ptNow = CPoint(ptStart.x - GetScrollPos(SB_HORZ), ptStart.y - GetScrollPos(SB_VERT) * cyRow);
        rcBand = CRect(std::min(ptNow.x, pt.x), std::min(ptNow.y, pt.y), std::max(ptNow.x, pt.x),
                       std::max(ptNow.y, pt.y));
        SelectItemsInRect(rcBand, nFlags, bModifier ? &previous : nullptr);
        dc.DrawFocusRect(&rcBand);
        bBandDrawn = TRUE;
    }
    KillTimer(1);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (bBandDrawn)
        dc.DrawFocusRect(&rcBand);
    if (!bBandDrawn && !bModifier)
        ClearSelection();
}

void CXTTreeCtrl::SelectItemsInRect(CRect rect, UINT nFlags, std::vector<HTREEITEM>* pPrevious)
{
    for (HTREEITEM h = GetFirstVisibleItem(); h != nullptr; h = GetNextVisibleItem(h))
    {
        CRect rcItem;
        if (!GetItemRect(h, &rcItem, m_bBandLabel))
            continue;
        auto itPrev = pPrevious != nullptr ? std::find(pPrevious->begin(), pPrevious->end(), h)
                                           : std::vector<HTREEITEM>::iterator();
        BOOL bWasSelected = pPrevious != nullptr && itPrev != pPrevious->end();
        BOOL bSelected = CTreeCtrl::GetItemState(h, TVIS_SELECTED) != 0;
        CRect rcHit;
        if (rcHit.IntersectRect(&rcItem, &rect))
        {
            if (bSelected || bWasSelected)
            {
                if ((nFlags & MK_CONTROL) && bWasSelected)
                    SetItemState(h, 0, TVIS_SELECTED);
                else if ((nFlags & MK_SHIFT) && bWasSelected)
                    pPrevious->erase(itPrev);
            }
            else
                SetItemState(h, TVIS_SELECTED, TVIS_SELECTED);
        }
        else if (bWasSelected)
            SetItemState(h, TVIS_SELECTED, TVIS_SELECTED);
        else if (bSelected)
            SetItemState(h, 0, TVIS_SELECTED);
    }
    UpdateWindow();
}

// ---------------------------------------------------------------------------
// Focus, keys, collapse

void CXTTreeCtrl::InvalidateSelected()
{
    for (HTREEITEM h = GetFirstSelectedItem(); h != nullptr; h = GetNextSelectedItem(h))
    {
        CRect rc;
        if (GetItemRect(h, &rc, TRUE))
            InvalidateRect(&rc);
    }
}

void CXTTreeCtrl::OnSetFocus(CWnd*)
{
    if (m_bMultiSelect)
        InvalidateSelected();
    Default();
}

void CXTTreeCtrl::OnKillFocus(CWnd*)
{
    Default();
    if (m_bMultiSelect)
        InvalidateSelected();
}

void CXTTreeCtrl::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (!m_bMultiSelect || (nChar != VK_UP && nChar != VK_DOWN))
    {
        Default();
        return;
    }
    HTREEITEM hCaret = GetSelectedItem();
    if (m_hSelect == nullptr)
        m_hSelect = hCaret;
    const BOOL bShift = ::GetKeyState(VK_SHIFT) < 0, bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    if (!bShift && !bCtrl)
    {
        m_hSelect = nullptr;
        if (GetSelectedCount() < 2 && hCaret != nullptr)
            SelectItemEx(hCaret);
        else
            ClearSelection();
        Default();
        return;
    }
    Default();
    if (hCaret == nullptr)
        return;
    HTREEITEM hNext = nChar == VK_DOWN ? GetNextVisibleItem(hCaret) : GetPrevVisibleItem(hCaret);
    if (hNext == nullptr)
        hNext = hCaret;
    if (bShift)
        SelectItems(m_hSelect, hNext, TRUE);
    SetItemState(hNext, TVIS_XT_CARET, TVIS_XT_CARET);
}

void CXTTreeCtrl::DeselectDescendants(HTREEITEM hItem, BOOL& bCaretAmong)
{
    HTREEITEM hCaret = GetSelectedItem();
    for (HTREEITEM h = GetChildItem(hItem); h != nullptr; h = GetNextSiblingItem(h))
    {
        if (CTreeCtrl::GetItemState(h, TVIS_SELECTED))
        {
            SetItemState(h, 0, TVIS_SELECTED);
            bCaretAmong = bCaretAmong || h == hCaret;
        }
        if (CTreeCtrl::GetItemState(h, TVIS_EXPANDED))
            DeselectDescendants(h, bCaretAmong);
    }
}

BOOL CXTTreeCtrl::OnItemExpanding(NMHDR* pNMHDR, LRESULT*)
{
    if (!m_bMultiSelect)
        return FALSE;
    // The action and item sit at the same places in the A and W records.
    NMTREEVIEWA* pNMTV = reinterpret_cast<NMTREEVIEWA*>(pNMHDR);
    UINT nAction = pNMTV->action & 0x0003;   // collapse, expand or toggle
    if (nAction == TVE_COLLAPSE || (pNMTV->action & TVE_COLLAPSERESET))
    {
        HTREEITEM hItem = pNMTV->itemNew.hItem;
        BOOL bCaretAmong = FALSE;
        DeselectDescendants(hItem, bCaretAmong);
        if (bCaretAmong && !CTreeCtrl::GetItemState(hItem, TVIS_SELECTED))
            Select(nullptr, TVGN_CARET);
    }
    return FALSE;
}

BOOL CXTTreeCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if ((pNMHDR->code == TTN_SHOW) && GetToolTips() != nullptr && pNMHDR->hwndFrom == GetToolTips()->GetSafeHwnd())
        ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return CTreeCtrl::OnNotify(wParam, lParam, pResult);
}

// ---------------------------------------------------------------------------
// Painting

BOOL CXTTreeCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTTreeCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTMemDC memDC(&dc, rcClient, ::GetSysColor(COLOR_WINDOW));
    int nSaved = memDC.SaveDC();
    DefWindowProc(WM_PAINT, (WPARAM)memDC.m_hDC, 0);

    HTREEITEM hItem = GetFirstVisibleItem();
    for (UINT n = GetVisibleCount() + 1; hItem != nullptr && n > 0; --n, hItem = GetNextVisibleItem(hItem))
    {
        auto it = m_mapStyles.find(hItem);
        if (it != m_mapStyles.end())
            DrawStyledItem(&memDC, hItem, it->second);
    }
    HTREEITEM hCaret = GetSelectedItem();
    CRect rcCaret;
    if (hCaret != nullptr && GetItemRect(hCaret, &rcCaret, TRUE))
        memDC.DrawFocusRect(&rcCaret);
    memDC.RestoreDC(nSaved);
}

void CXTTreeCtrl::DrawStyledItem(CDC* pDC, HTREEITEM hItem, const ItemStyle& style)
{
    CRect rcLabel;
    if (!GetItemRect(hItem, &rcLabel, TRUE))
        return;
    rcLabel.OffsetRect(2, 0);
    pDC->FillSolidRect(&rcLabel, ::GetSysColor(COLOR_WINDOW));

    LOGFONTA lf;
    if (style.logfont.lfFaceName[0] != '\0')
        lf = style.logfont;
    else
        ::GetObjectA((HFONT)SendMessage(WM_GETFONT), sizeof(lf), &lf);
    if (GetItemBold(hItem))
        lf.lfWeight = FW_BOLD;
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOldFont = pDC->SelectObject(&font);

    CString strText = GetItemText(hItem);
    CSize sizeText = pDC->GetTextExtent(strText);
    rcLabel.right = rcLabel.left + sizeText.cx;
    rcLabel.top += (rcLabel.Height() - sizeText.cy) / 2;
    rcLabel.bottom = rcLabel.top + sizeText.cy;
    CRect rcBack(rcLabel.left - 2, rcLabel.top, rcLabel.right + 2, rcLabel.bottom);
    if (CTreeCtrl::GetItemState(hItem, TVIS_SELECTED))
    {
        pDC->FillSolidRect(&rcBack, ::GetSysColor(COLOR_HIGHLIGHT));
        pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    else
    {
        pDC->FillSolidRect(&rcBack, ::GetSysColor(COLOR_WINDOW));
        pDC->SetTextColor(style.color == (COLORREF)-1 ? ::GetSysColor(COLOR_WINDOWTEXT) : style.color);
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, &rcLabel, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
}
