#include "framework/DockBar.h"

#include "framework/BarLayout.h"
#include "framework/ControlBarInfo.h"
#include "framework/DockContext.h"
#include "framework/FrameWnd.h"
#include "framework/MiniDockFrameWnd.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

// LRESULT OnSizeParent(WPARAM, LPARAM)
BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CDockBar::CDockBar(BOOL bFloating)
    : m_bFloating(bFloating), m_bLayoutQuery(FALSE), m_rectLayout(0, 0, 0, 0), m_rectAvailable(0, 0, 0, 0)
{
    m_bDockBar = TRUE;
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    if (!CreateBar(AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW)),
                   WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, dwStyle, pParentWnd, nID))
        return FALSE;
    // Commands and notifications of the docked bars go to the frame.
    if (m_pDockSite != nullptr)
        SetOwner(m_pDockSite);
    return TRUE;
}

CControlBar* PASCAL CDockBar::BarAt(void* pEntry)
{
    return pEntry == nullptr || IsPlaceHolder(pEntry) ? nullptr : static_cast<CControlBar*>(pEntry);
}

int CDockBar::GetDockedCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (BarAt(m_arrBars[i]) != nullptr)
            ++nCount;
    return nCount;
}

int CDockBar::GetDockedVisibleCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (CControlBar* pBar = BarAt(m_arrBars[i]))
            if (pBar->IsVisible())
                ++nCount;
    return nCount;
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude) const
{
    UINT_PTR nID = pBar->m_hWnd != nullptr ? (UINT_PTR)pBar->GetDlgCtrlID() : 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
    {
        void* pEntry = m_arrBars[i];
        if (i != nPosExclude && pEntry != nullptr && (pEntry == pBar || (IsPlaceHolder(pEntry) && (UINT_PTR)pEntry == nID)))
            return (int)i;
    }
    return -1;
}

void CDockBar::RemovePlaceHolder(CControlBar* pBar)
{
    for (INT_PTR i = m_arrBars.GetSize() - 1; i >= 0; --i)
        if (IsPlaceHolder(m_arrBars[i]) && (UINT_PTR)m_arrBars[i] == (UINT_PTR)pBar->GetDlgCtrlID())
            m_arrBars.RemoveAt(i);
    Compact();
}

void CDockBar::Compact()
{
    // No empty rows, no row of nothing at the start, a NULL at the end.
    std::vector<void*> entries;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
    {
        void* pEntry = m_arrBars[i];
        if (pEntry == nullptr && (entries.empty() || entries.back() == nullptr))
            continue;
        entries.push_back(pEntry);
    }
    if (!entries.empty() && entries.back() != nullptr)
        entries.push_back(nullptr);
    m_arrBars.RemoveAll();
    for (void* pEntry : entries)
        m_arrBars.Add(pEntry);
}

int CDockBar::Insert(CControlBar* pBar, CRect rect, CPoint ptMid)
{
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    int nMid = bHorz ? ptMid.y : ptMid.x;
    int nAlong = bHorz ? rect.left : rect.top;
    int nCount = (int)m_arrBars.GetSize();
    for (int i = 0; i < nCount;)
    {
        int nEnd = i;
        while (nEnd < nCount && m_arrBars[nEnd] != nullptr)
            ++nEnd;
        // The row's extent across the dock bar, from its visible bars.
        int nTop = INT_MAX, nBottom = INT_MIN;
        for (int k = i; k < nEnd; ++k)
        {
            CControlBar* pOther = BarAt(m_arrBars[k]);
            if (pOther == nullptr || pOther == pBar || !pOther->IsVisible())
                continue;
            CRect rectOther;
            pOther->GetWindowRect(&rectOther);
            ScreenToClient(&rectOther);
            nTop = std::min<int>(nTop, bHorz ? rectOther.top : rectOther.left);
            nBottom = std::max<int>(nBottom, bHorz ? rectOther.bottom : rectOther.right);
        }
        if (nTop != INT_MAX)
        {
            if (nMid < nTop)
            {
                // A new row before this one.
                m_arrBars.InsertAt(i, nullptr);
                m_arrBars.InsertAt(i, pBar);
                return i;
            }
            if (nMid < nBottom)
            {
                int k = i;
                for (; k < nEnd; ++k)
                {
                    CControlBar* pOther = BarAt(m_arrBars[k]);
                    if (pOther == nullptr || !pOther->IsVisible())
                        continue;
                    CRect rectOther;
                    pOther->GetWindowRect(&rectOther);
                    ScreenToClient(&rectOther);
                    if ((bHorz ? rectOther.left : rectOther.top) >= nAlong)
                        break;
                }
                m_arrBars.InsertAt(k, pBar);
                return k;
            }
        }
        i = nEnd + 1;
    }
    if (nCount > 0 && m_arrBars[nCount - 1] != nullptr)
        m_arrBars.Add(nullptr);
    m_arrBars.Add(pBar);
    m_arrBars.Add(nullptr);
    return (int)m_arrBars.GetSize() - 2;
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    if (pOldDockBar == this && lpRect == nullptr)
        return;
    // The old dock bar keeps the bar's place for its return; a floating one keeps none.
    if (pOldDockBar != nullptr)
        pOldDockBar->RemoveControlBar(pBar, -1, (pOldDockBar != this && !pOldDockBar->m_bFloating) ? 1 : 0);
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    CRect rect(0, 0, 0, 0);
    if (lpRect != nullptr)
    {
        RemovePlaceHolder(pBar);
        rect = *lpRect;
        ScreenToClient(&rect);
        Insert(pBar, rect, rect.CenterPoint());
    }
    else
    {
        // Back to the row it left, or a new last row.
        int nPlace = FindBar(pBar);
        if (nPlace >= 0)
            m_arrBars[nPlace] = pBar;
        else
            Insert(pBar, CRect(0, 0, 0, 0), CPoint(INT_MAX / 2, INT_MAX / 2));
    }
    pBar->SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    DWORD dwStyle = (pBar->GetBarStyle() & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY) |
                    (m_bFloating ? CBRS_FLOATING : 0);
    pBar->m_pDockBar = this;
    pBar->SetBarStyle(dwStyle);
    Compact();
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int nAddPlaceHolder)
{
    int nPos = -1;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (m_arrBars[i] == pBar && i != nPosExclude)
            nPos = (int)i;
    if (nPos < 0)
        return FALSE;
    if (nAddPlaceHolder && pBar->m_hWnd != nullptr)
    {
        RemovePlaceHolder(pBar);
        nPos = FindBar(pBar, nPosExclude);
        m_arrBars[nPos] = reinterpret_cast<void*>((UINT_PTR)pBar->GetDlgCtrlID());
    }
    else
        m_arrBars.RemoveAt(nPos);
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
    Compact();
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
    // A floating frame without bars goes, but only after the message that took
    // the bar away: the bar's own handler may still run on its window.
    if (m_bFloating && GetDockedCount() == 0 && m_hWnd != nullptr)
        ::PostMessageA(::GetParent(m_hWnd), WM_FLOATFRAMECHECK, 0, 0);
    return TRUE;
}

void CDockBar::GetBarInfo(CControlBarInfo* pInfo)
{
    pInfo->m_pBar = this;
    pInfo->m_nBarID = (UINT)GetDlgCtrlID();
    pInfo->m_bDockBar = TRUE;
    pInfo->m_bVisible = TRUE;
    pInfo->m_bFloating = m_bFloating;
    pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    pInfo->m_pointPos = CPoint(-1, -1);
    if (m_bFloating)
    {
        // The floating frame's place, and whether it shows at all.
        CWnd* pFrame = GetParent();
        CRect rect;
        pFrame->GetWindowRect(&rect);
        pInfo->m_pointPos = rect.TopLeft();
        pInfo->m_bVisible = GetDockedVisibleCount() != 0;
    }
    pInfo->m_arrBarID.RemoveAll();
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
    {
        void* pEntry = m_arrBars[i];
        UINT_PTR nID = 0;
        if (IsPlaceHolder(pEntry))
            nID = (UINT_PTR)pEntry | 0x10000;
        else if (CControlBar* pBar = BarAt(pEntry))
            nID = (UINT_PTR)pBar->GetDlgCtrlID();
        pInfo->m_arrBarID.Add(reinterpret_cast<void*>(nID));
    }
}

void CDockBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    std::vector<void*> entries;
    std::vector<CControlBar*> taken;
    for (INT_PTR i = 0; i < pInfo->m_arrBarID.GetSize(); ++i)
    {
        UINT_PTR nID = (UINT_PTR)pInfo->m_arrBarID[i];
        if (nID == 0)
        {
            entries.push_back(nullptr);
            continue;
        }
        CControlBar* pBar = pFrameWnd->GetControlBar((UINT)(nID & 0xFFFF));
        // A bar the frame no longer has leaves neither itself nor its place.
        if (pBar == nullptr || pBar->IsDockBar())
            continue;
        if (nID > 0xFFFF)
        {
            entries.push_back(reinterpret_cast<void*>(nID & 0xFFFF));
            continue;
        }
        if (std::find(taken.begin(), taken.end(), pBar) != taken.end())
            continue;
        if (pBar->m_pDockBar != nullptr && pBar->m_pDockBar != this)
            pBar->m_pDockBar->RemoveControlBar(pBar);
        if (pBar->GetParent() != this)
            pBar->SetParent(this);
        pBar->m_pDockBar = this;
        pBar->m_pDockSite = pFrameWnd;
        pBar->SetBarStyle((pBar->GetBarStyle() & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY) |
                          (m_bFloating ? CBRS_FLOATING : 0));
        taken.push_back(pBar);
        entries.push_back(pBar);
    }
    // Bars of this dock bar the record does not name stay, in a last row.
    std::vector<CControlBar*> kept;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
    {
        CControlBar* pBar = BarAt(m_arrBars[i]);
        if (pBar != nullptr && pBar->m_pDockBar == this && std::find(taken.begin(), taken.end(), pBar) == taken.end())
            kept.push_back(pBar);
    }
    if (!kept.empty())
    {
        entries.push_back(nullptr);
        for (CControlBar* pBar : kept)
            entries.push_back(pBar);
    }
    m_arrBars.RemoveAll();
    for (void* pEntry : entries)
        m_arrBars.Add(pEntry);
    Compact();
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
}

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    m_rectAvailable = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam)->rect;
    return CControlBar::OnSizeParent(wParam, lParam);
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // The room along the dock bar: the layout's when set, else what the frame offers.
    CRect rectRoom = !m_rectLayout.IsRectEmpty() ? m_rectLayout : m_rectAvailable;
    if (rectRoom.IsRectEmpty())
    {
        if (CWnd* pParent = GetParent())
            pParent->GetClientRect(&rectRoom);
    }
    int nLength = bHorz ? rectRoom.Width() : rectRoom.Height();
    if (m_bFloating)
        nLength = 32767;

    std::vector<AFX_DOCKITEM> items;
    std::vector<INT_PTR> indexes;
    BOOL bRowStart = TRUE;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
    {
        void* pEntry = m_arrBars[i];
        if (pEntry == nullptr)
        {
            bRowStart = TRUE;
            continue;
        }
        CControlBar* pBar = BarAt(pEntry);
        if (pBar == nullptr || !pBar->IsVisible())
            continue;
        // A bar that sizes itself floats at the width the user chose; others
        // stand as the dock bar does.
        BOOL bDynamic = (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) != 0;
        DWORD dwMode = bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
        if (m_bFloating && bDynamic)
            dwMode = LM_HORZ | LM_MRUWIDTH;
        CSize size = bDynamic ? pBar->CalcDynamicLayout(-1, dwMode) : pBar->CalcFixedLayout(FALSE, bHorz);
        CRect rectBar;
        pBar->GetWindowRect(&rectBar);
        ScreenToClient(&rectBar);
        AFX_DOCKITEM item;
        item.size = bHorz ? size : CSize(size.cy, size.cx);
        item.nPos = m_bFloating ? 0 : (bHorz ? rectBar.left : rectBar.top);
        item.bRowStart = bRowStart;
        items.push_back(item);
        indexes.push_back(i);
        bRowStart = FALSE;
    }
    CSize sizeRows;
    std::vector<AFX_DOCKPLACE> places = AfxLayoutDockRows(items, nLength, &sizeRows);

    // A bar that wrapped starts a row of its own from now on.
    BOOL bWrapped = FALSE;
    for (size_t k = places.size(); k-- > 0;)
    {
        if (!places[k].bWrapped)
            continue;
        m_arrBars.InsertAt(indexes[k], nullptr);
        bWrapped = TRUE;
    }
    if (!m_bLayoutQuery)
    {
        size_t k = 0;
        for (INT_PTR i = 0; i < m_arrBars.GetSize() && k < places.size(); ++i)
        {
            CControlBar* pBar = BarAt(m_arrBars[i]);
            if (pBar == nullptr || !pBar->IsVisible())
                continue;
            CRect rect = places[k++].rect;
            if (!bHorz)
                rect = CRect(rect.top, rect.left, rect.bottom, rect.right);
            AfxRepositionWindow(nullptr, pBar->m_hWnd, &rect);
            // Where it stands now is where it docks again after floating.
            if (!m_bFloating && pBar->m_pDockContext != nullptr)
            {
                pBar->m_pDockContext->m_uMRUDockID = (UINT)GetDlgCtrlID();
                pBar->m_pDockContext->m_rectMRUDockPos = rect;
            }
        }
    }
    if (bWrapped)
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->DelayRecalcLayout();

    CSize size = bHorz ? sizeRows : CSize(sizeRows.cy, sizeRows.cx);
    if (bStretch && bHorz)
        size.cx = 32767;
    if (bStretch && !bHorz)
        size.cy = 32767;
    return size;
}

void CDockBar::DoPaint(CDC* pDC)
{
    CControlBar::DoPaint(pDC);
}
