#include "toolkit/frame/XTDockBar.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTMenu.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/IXTToolBar.h"
#include "toolkit/frame/XTBarSplitter.h"
#include "toolkit/frame/XTControlBar.h"
#include "toolkit/frame/XTDockBarLayout.h"
#include "toolkit/frame/XTDockWindow.h"
#include "toolkit/frame/XTDrawHelpers.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"
#include "toolkit/frame/XTRowSplitter.h"

#include "framework/DockContext.h"
#include "framework/FrameWnd.h"
#include "framework/PaintDC.h"
#include "framework/ReBar.h"
#include "framework/StatusBar.h"
#include "framework/WindowDC.h"

#include <algorithm>
#include <map>

IMPLEMENT_DYNCREATE(CXTDockBar, CDockBar)

// Handler signatures: see CWnd; void OnCancel() for ON_COMMAND.
BEGIN_MESSAGE_MAP(CXTDockBar, CDockBar)
    ON_WM_NCHITTEST()
    ON_WM_SETCURSOR()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_KEYDOWN()
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_WM_RBUTTONDOWN()
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
END_MESSAGE_MAP()

namespace {

const UINT kStatusBarID = AFX_IDW_STATUS_BAR;

CXTDockWindow* AsDockWindow(CControlBar* pBar)
{
    return pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CXTDockWindow)) ? static_cast<CXTDockWindow*>(pBar)
                                                                            : nullptr;
}

// A bar takes part in the rows while its window exists and shows.
BOOL Counts(CControlBar* pBar)
{
    return pBar != nullptr && pBar->m_hWnd != nullptr && ::IsWindow(pBar->m_hWnd) && pBar->IsVisible();
}

// Along and across the row of a size given in x and y.
CSize Turned(CSize size, BOOL bHorz)
{
    return bHorz ? size : CSize(size.cy, size.cx);
}

CRect TurnedRect(const CRect& rect, BOOL bHorz)
{
    return bHorz ? rect : CRect(rect.top, rect.left, rect.bottom, rect.right);
}

} // namespace

CXTDockBar::CXTDockBar(BOOL bFloating)
    : CDockBar(bFloating), m_nHitTracker(-1), m_bTracking(FALSE), m_hWndFocus(nullptr), m_dwDockBarStyle(0)
{
}

CXTDockBar::~CXTDockBar()
{
    DeleteTrackers();
}

void CXTDockBar::DeleteTrackers()
{
    for (CXTRowSplitter* pSplitter : m_arrTrackers)
        delete pSplitter;
    m_arrTrackers.clear();
    m_nHitTracker = -1;
}

CFrameWnd* CXTDockBar::GetDockFrame() const
{
    return m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
}

CXTRowSplitter* CXTDockBar::GetRowSplitter(int nRowStart) const
{
    for (CXTRowSplitter* pSplitter : m_arrTrackers)
        if (pSplitter->m_nBarIndex == nRowStart && dynamic_cast<CXTBarSplitter*>(pSplitter) == nullptr)
            return pSplitter;
    return nullptr;
}

// ---------------------------------------------------------------------------
// Row queries

int CXTDockBar::GetRowStartOf(int nIndex) const
{
    while (nIndex > 0 && m_arrBars[nIndex - 1] != nullptr)
        --nIndex;
    return nIndex;
}

int CXTDockBar::GetBarIndex(CControlBar* pBar) const
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (m_arrBars[i] == pBar)
            return (int)i;
    return -1;
}

int CXTDockBar::GetRowStart(CControlBar* pBar) const
{
    int nIndex = GetBarIndex(pBar);
    return nIndex >= 0 ? GetRowStartOf(nIndex) : -1;
}

std::vector<CXTDockWindow*> CXTDockBar::GetRowDockWindows(int nRowStart) const
{
    std::vector<CXTDockWindow*> windows;
    for (INT_PTR i = nRowStart; i >= 0 && i < m_arrBars.GetSize() && m_arrBars[i] != nullptr; ++i)
    {
        CXTDockWindow* pWindow = AsDockWindow(BarAt(m_arrBars[i]));
        if (pWindow != nullptr && Counts(pWindow))
            windows.push_back(pWindow);
    }
    return windows;
}

int CXTDockBar::CountDockWindows(int nIndex) const
{
    return (int)GetRowDockWindows(nIndex).size();
}

CSize CXTDockBar::GetBarSize(CControlBar* pBar) const
{
    const BOOL bHorz = IsHorzDockBar();
    if (CXTDockWindow* pWindow = AsDockWindow(pBar))
    {
        if (m_bFloating)
            return pWindow->m_sizeFloat;
        // The current length along the row, the docked depth across it.
        return bHorz ? CSize(pWindow->GetCurrentWidth(), pWindow->m_sizeHorzDocked.cy)
                     : CSize(pWindow->m_sizeVertDocked.cx, pWindow->GetCurrentHeight());
    }
    DWORD dwMode;
    if (m_bFloating && (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC))
        dwMode = LM_HORZ | LM_MRUWIDTH;
    else if (pBar->GetBarStyle() & CBRS_ORIENT_HORZ)
        dwMode = LM_HORZ | LM_HORZDOCK;
    else
        dwMode = LM_VERTDOCK;
    return pBar->CalcDynamicLayout(-1, dwMode);
}

int CXTDockBar::GetRowDepth(int nRowStart) const
{
    int nDepth = 0;
    for (INT_PTR i = nRowStart; i >= 0 && i < m_arrBars.GetSize() && m_arrBars[i] != nullptr; ++i)
    {
        CControlBar* pBar = BarAt(m_arrBars[i]);
        if (Counts(pBar))
            nDepth = std::max<int>(nDepth, Turned(GetBarSize(pBar), IsHorzDockBar()).cy);
    }
    return nDepth;
}

int CXTDockBar::GetRowFixedDepth(int nRowStart) const
{
    int nDepth = 2;
    for (INT_PTR i = nRowStart; i >= 0 && i < m_arrBars.GetSize() && m_arrBars[i] != nullptr; ++i)
    {
        CControlBar* pBar = BarAt(m_arrBars[i]);
        if (Counts(pBar) && AsDockWindow(pBar) == nullptr)
            nDepth = std::max<int>(nDepth, Turned(GetBarSize(pBar), IsHorzDockBar()).cy);
    }
    return nDepth;
}

int CXTDockBar::GetRowDockLength(int nRowStart) const
{
    int nLength = 0;
    for (CXTDockWindow* pWindow : GetRowDockWindows(nRowStart))
        nLength += Turned(GetBarSize(pWindow), IsHorzDockBar()).cx;
    return nLength;
}

int CXTDockBar::GetRowMinLength(int nRowStart) const
{
    int nLength = 0;
    for (CXTDockWindow* pWindow : GetRowDockWindows(nRowStart))
        nLength += pWindow->GetCaptionSize();
    return nLength;
}

int CXTDockBar::GetRowOtherLength(int nRowStart) const
{
    // The visible bars of the row, and where its dock windows begin and end.
    std::vector<CControlBar*> bars;
    int nFirstDock = -1, nLastDock = -1;
    for (INT_PTR i = nRowStart; i >= 0 && i < m_arrBars.GetSize() && m_arrBars[i] != nullptr; ++i)
    {
        CControlBar* pBar = BarAt(m_arrBars[i]);
        if (!Counts(pBar))
            continue;
        if (AsDockWindow(pBar) != nullptr)
        {
            if (nFirstDock < 0)
                nFirstDock = (int)bars.size();
            nLastDock = (int)bars.size();
        }
        bars.push_back(pBar);
    }
    int nLength = 0;
    for (int k = 0; k < (int)bars.size(); ++k)
    {
        if (AsDockWindow(bars[(size_t)k]) == nullptr)
            nLength += Turned(GetBarSize(bars[(size_t)k]), IsHorzDockBar()).cx;
        if (k > 0 && k - 1 >= nFirstDock && k <= nLastDock)
            nLength += XT_SPLITTER_SIZE;
    }
    return nLength;
}

CXTDockWindow* CXTDockBar::GetRowShownWindow(int nRowStart) const
{
    for (CXTDockWindow* pWindow : GetRowDockWindows(nRowStart))
        if (pWindow->GetBarStyleEx() & BARSTYLE_SHOWN)
            return pWindow;
    return nullptr;
}

CXTDockWindow* CXTDockBar::GetRowFirstDockWindow(int nRowStart) const
{
    std::vector<CXTDockWindow*> windows = GetRowDockWindows(nRowStart);
    return windows.empty() ? nullptr : windows.front();
}

CXTDockWindow* CXTDockBar::GetRowExpandedWindow(int nRowStart) const
{
    for (CXTDockWindow* pWindow : GetRowDockWindows(nRowStart))
        if (pWindow->IsExpanded() && !pWindow->IsAloneInRow())
            return pWindow;
    return nullptr;
}

int CXTDockBar::GetFrameFreeDepth() const
{
    CFrameWnd* pFrame = GetDockFrame();
    if (pFrame == nullptr)
        return 0;
    CRect rectClient;
    pFrame->GetClientRect(&rectClient);
    const BOOL bHorz = IsHorzDockBar();
    int nFree = bHorz ? rectClient.Height() : rectClient.Width();
    const UINT horzIDs[] = { XT_IDW_DOCKBAR_TOP, XT_IDW_DOCKBAR_BOTTOM, kStatusBarID };
    const UINT vertIDs[] = { XT_IDW_DOCKBAR_LEFT, XT_IDW_DOCKBAR_RIGHT };
    const UINT* pIDs = bHorz ? horzIDs : vertIDs;
    const int nIDs = bHorz ? 3 : 2;
    for (int k = 0; k < nIDs; ++k)
    {
        CWnd* pWnd = CWnd::FromHandle(::GetDlgItem(pFrame->m_hWnd, (int)pIDs[k]));
        if (pWnd == nullptr || !pWnd->IsWindowVisible())
            continue;
        CRect rect;
        pWnd->GetWindowRect(&rect);
        nFree -= bHorz ? rect.Height() : rect.Width();
    }
    return std::max(0, nFree);
}

int CXTDockBar::GetAvailableLength() const
{
    if (m_bFloating)
        return 32767;
    const BOOL bHorz = IsHorzDockBar();
    // The layout's rectangle when set, else the room the frame's layout offered.
    CRect rect = m_rectLayout;
    if (rect.IsRectEmpty())
        rect = m_rectAvailable;
    if (rect.IsRectEmpty())
    {
        if (CFrameWnd* pFrame = GetDockFrame())
            pFrame->GetClientRect(&rect);
        if (!bHorz)
            rect.bottom -= 2;
    }
    return std::max(0, bHorz ? rect.Width() : rect.Height());
}

// ---------------------------------------------------------------------------
// Expanding and sharing

void CXTDockBar::RestoreRowSizes(int nRowStart)
{
    for (CXTDockWindow* pWindow : GetRowDockWindows(nRowStart))
        pWindow->RestoreSize();
}

void CXTDockBar::ApplyExpansion(int nRowStart, CXTDockWindow* pTarget)
{
    CXTDockWindow* pExpanded = pTarget != nullptr ? pTarget : GetRowExpandedWindow(nRowStart);
    if (pExpanded == nullptr)
        return;
    const BOOL bHorz = IsHorzDockBar();
    int nGiven = 0;
    for (CXTDockWindow* pWindow : GetRowDockWindows(nRowStart))
        if (pWindow != pExpanded)
            nGiven += pWindow->Contract();
    pExpanded->Expand((bHorz ? pExpanded->GetCurrentWidth() : pExpanded->GetCurrentHeight()) + nGiven);
}

void CXTDockBar::ExpandBar(CXTDockWindow* pBar)
{
    int nRowStart = GetRowStart(pBar);
    if (nRowStart < 0)
        return;
    RestoreRowSizes(nRowStart);
    ApplyExpansion(nRowStart, pBar);
    if (CFrameWnd* pFrame = GetDockFrame())
        pFrame->RecalcLayout();
}

void CXTDockBar::ContractBar(CXTDockWindow* pBar)
{
    int nRowStart = GetRowStart(pBar);
    if (nRowStart < 0)
        return;
    RestoreRowSizes(nRowStart);
    if (CFrameWnd* pFrame = GetDockFrame())
        pFrame->RecalcLayout();
}

void CXTDockBar::RedistributeRow(int nRowStart, int nAvailable)
{
    const BOOL bHorz = IsHorzDockBar();
    std::vector<CXTDockWindow*> windows = GetRowDockWindows(nRowStart);
    if (windows.empty())
        return;
    // The expanded window goes back to its length with the others, for now.
    CXTDockWindow* pExpanded = GetRowExpandedWindow(nRowStart);
    for (CXTDockWindow* pWindow : windows)
        pWindow->RestoreSize();
    CXTDockWindow* pShown = GetRowShownWindow(nRowStart);
    if (pShown != nullptr)
        pShown->SetBarStyleEx(pShown->GetBarStyleEx() & ~BARSTYLE_SHOWN);

    const int nDepth = GetRowDepth(nRowStart);
    std::vector<XT_ROWWINDOW> lengths;
    int nSetAside = -1;
    for (size_t k = 0; k < windows.size(); ++k)
    {
        lengths.push_back({ Turned(GetBarSize(windows[k]), bHorz).cx, windows[k]->GetCaptionSize() });
        if (windows[k] == pShown)
            nSetAside = (int)k;
    }
    std::vector<int> newLengths = XTShareRowLength(lengths, nAvailable - GetRowOtherLength(nRowStart), nSetAside);
    for (size_t k = 0; k < windows.size(); ++k)
        windows[k]->SetBarSize(Turned(CSize(newLengths[k], nDepth), bHorz));

    if (pExpanded != nullptr)
    {
        ApplyExpansion(nRowStart, pShown != nullptr ? pShown : pExpanded);
        if (CFrameWnd* pFrame = GetDockFrame())
            pFrame->DelayRecalcLayout();
    }
}

// ---------------------------------------------------------------------------
// Docking

void CXTDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    // A dock window that comes takes the rest of its row at the next layout.
    if (CXTDockWindow* pWindow = AsDockWindow(pBar))
        pWindow->ModifyBarStyleEx(0, BARSTYLE_SHOWN, FALSE);
    CDockBar::DockControlBar(pBar, lpRect);
}

// ---------------------------------------------------------------------------
// Layout

BOOL CXTDockBar::MoveMenuBarsAhead()
{
    BOOL bMoved = FALSE;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
    {
        CControlBar* pBar = BarAt(m_arrBars[i]);
        if (!Counts(pBar) || !IsKindOfName(pBar, "CXTMenuBar"))
            continue;
        int nRowStart = GetRowStartOf((int)i);
        BOOL bFirst = TRUE;
        for (INT_PTR k = nRowStart; k < i; ++k)
            if (Counts(BarAt(m_arrBars[k])))
                bFirst = FALSE;
        if (bFirst)
            continue;
        // A row of its own ahead of the row it was in.
        m_arrBars.RemoveAt(i);
        m_arrBars.InsertAt(nRowStart, nullptr);
        m_arrBars.InsertAt(nRowStart, pBar);
        bMoved = TRUE;
    }
    return bMoved;
}

void CXTDockBar::AddSplitter(CXTRowSplitter* pSplitter)
{
    m_arrTrackers.push_back(pSplitter);
}

CSize CXTDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const BOOL bLayoutHorz = IsHorzDockBar();
    (void)bHorz;
    if (m_hWnd != nullptr && !m_bLayoutQuery)
        Invalidate();
    DeleteTrackers();
    CFrameWnd* pFrame = GetDockFrame();

    // Step 2 first: a menu bar behind another bar gets a row of its own.
    if (MoveMenuBarsAhead() && pFrame != nullptr)
        pFrame->DelayRecalcLayout();

    const int nAvailable = GetAvailableLength();
    const BOOL bSplitAfter = (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT)) != 0;
    const int nRowShift = bLayoutHorz ? XT_SPLITTER_SIZE : XT_SPLITTER_SIZE + 1;
    const DWORD dwBorderNear = bLayoutHorz ? CBRS_BORDER_TOP : CBRS_BORDER_LEFT;
    const DWORD dwBorderFar = bLayoutHorz ? CBRS_BORDER_BOTTOM : CBRS_BORDER_RIGHT;
    const DWORD dwBorderBefore = bLayoutHorz ? CBRS_BORDER_LEFT : CBRS_BORDER_TOP;
    const DWORD dwBorderAfter = bLayoutHorz ? CBRS_BORDER_RIGHT : CBRS_BORDER_BOTTOM;

    struct Place
    {
        CRect rect;       // along/across terms
        DWORD dwBorders;
    };
    std::map<CControlBar*, Place> places;
    std::vector<CControlBar*> order;

    // The rows, as they are laid out.
    struct Row
    {
        int nStart = -1;
        std::vector<CControlBar*> bars;
        int nDepth = 0;
        int nDockCount = 0;
    };
    Row prevRow, row;
    int y = 0;            // across: where the current row begins
    int x = 0;            // along: where the next bar may begin
    int nFirstDock = -1, nLastDock = -1;
    int nPrevIndex = -1;
    int nRows = 0;
    int nRight = 0;
    BOOL bWrapNext = FALSE;
    BOOL bRowOpen = FALSE;
    BOOL bSplitter = FALSE;   // a row splitter lies before the current row

    auto overlapOf = [&](CControlBar* pBar) {
        if (pBar->IsKindOf(RUNTIME_CLASS(CXTControlBar)))
            return 0;
        return bLayoutHorz ? 2 * ::GetSystemMetrics(SM_CYBORDER) : 2;
    };
    auto takeFrom = [&](const Row& fromRow, DWORD dwBorder, BOOL bOnlyDockWindows) {
        for (CControlBar* pBar : fromRow.bars)
        {
            BOOL bDock = AsDockWindow(pBar) != nullptr;
            if (!bDock && (bOnlyDockWindows || (m_dwDockBarStyle & XT_DOCKBAR_PLAINSPLITTERS) ||
                           places[pBar].rect.Height() < fromRow.nDepth))
                continue;
            places[pBar].dwBorders &= ~dwBorder;
        }
    };
    auto addRowSplitter = [&](int nBarIndex) {
        CRect rect = TurnedRect(CRect(0, y, nAvailable, y + XT_SPLITTER_SIZE), bLayoutHorz);
        AddSplitter(new CXTRowSplitter(this, rect,
                                       bLayoutHorz ? CXTRowSplitter::orientHorz : CXTRowSplitter::orientVert,
                                       nBarIndex));
        y += nRowShift;
    };
    auto endRow = [&]() {
        if (!bRowOpen)
            return;
        y += row.nDepth;
        nRight = std::max(nRight, x);
        ++nRows;
        prevRow = row;
        row = Row();
        bRowOpen = FALSE;
    };

    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
    {
        void* pEntry = m_arrBars[i];
        if (pEntry == nullptr)
        {
            endRow();
            continue;
        }
        CControlBar* pBar = BarAt(pEntry);
        if (!Counts(pBar))
            continue;
        const BOOL bDock = AsDockWindow(pBar) != nullptr && !m_bFloating;

        // Step 1: the row's start: its splitter, borders and lengths.
        if (!bRowOpen)
        {
            bRowOpen = TRUE;
            row.nStart = GetRowStartOf((int)i);
            row.nDockCount = m_bFloating ? 0 : CountDockWindows(row.nStart);
            x = 0;
            nPrevIndex = -1;
            nFirstDock = nLastDock = -1;
            for (INT_PTR k = row.nStart; k < m_arrBars.GetSize() && m_arrBars[k] != nullptr; ++k)
                if (!m_bFloating && AsDockWindow(BarAt(m_arrBars[k])) != nullptr && Counts(BarAt(m_arrBars[k])))
                {
                    if (nFirstDock < 0)
                        nFirstDock = (int)k;
                    nLastDock = (int)k;
                }
            bSplitter = bSplitAfter ? (nRows > 0 && prevRow.nDockCount > 0) : row.nDockCount > 0;
            if (bSplitter)
            {
                addRowSplitter(bSplitAfter ? prevRow.nStart : row.nStart);
                takeFrom(prevRow, dwBorderFar, FALSE);
            }
            if (row.nDockCount > 0)
            {
                if (GetRowDockLength(row.nStart) + GetRowOtherLength(row.nStart) != nAvailable ||
                    GetRowShownWindow(row.nStart) != nullptr)
                    RedistributeRow(row.nStart, nAvailable);
                for (CXTDockWindow* pWindow : GetRowDockWindows(row.nStart))
                    pWindow->m_bAloneInRow = row.nDockCount == 1;
            }
            if (bWrapNext)
                x = -overlapOf(pBar);
        }
        Place place;
        place.dwBorders = CBRS_BORDER_ANY;
        // The splitter's side of a row next to a row splitter.
        if (bSplitter)
            place.dwBorders &= ~dwBorderNear;

        // Step 3: a splitter between neighbouring bars around dock windows.
        CControlBar* pPrev = row.bars.empty() ? nullptr : row.bars.back();
        if (pPrev != nullptr && (bDock || AsDockWindow(pPrev) != nullptr) && nPrevIndex >= nFirstDock &&
            (int)i <= nLastDock && nFirstDock >= 0)
        {
            CRect rect = TurnedRect(CRect(x, y, x + XT_SPLITTER_SIZE, y), bLayoutHorz);
            AddSplitter(new CXTBarSplitter(this, rect,
                                           bLayoutHorz ? CXTRowSplitter::orientVert : CXTRowSplitter::orientHorz,
                                           (int)i));
            x += XT_SPLITTER_SIZE;
            places[pPrev].dwBorders &= ~dwBorderAfter;
            place.dwBorders &= ~dwBorderBefore;
        }

        // Step 4: the bar's size, along and across.
        CSize size = Turned(GetBarSize(pBar), bLayoutHorz);
        const int nOverlap = overlapOf(pBar);

        // Step 5: placement along the row.
        CRect rectOld;
        pBar->GetWindowRect(&rectOld);
        ScreenToClient(&rectOld);
        rectOld = TurnedRect(rectOld, bLayoutHorz);
        int nPos = x;
        const BOOL bWrapped = bWrapNext;
        bWrapNext = FALSE;
        if (!m_bFloating && !bWrapped && row.nDockCount == 0 && rectOld.left > x)
        {
            nPos = rectOld.left;
            place.dwBorders |= dwBorderBefore;
        }
        if (!m_bFloating && nPos + size.cx > nAvailable)
            nPos = std::max<int>(x, nAvailable - size.cx + nOverlap);
        if (!m_bFloating && pPrev != nullptr && nPos >= nAvailable - nOverlap)
        {
            // Wraps: a new row from here on.
            m_arrBars.InsertAt(i, nullptr);
            if (pFrame != nullptr)
                pFrame->m_nIdleFlags |= CFrameWnd::idleLayout | CFrameWnd::idleNotify;
            bWrapNext = TRUE;
            --i;
            continue;
        }

        // Step 6: a tool bar at the row's end hides or shows buttons to fit.
        if (IXTToolBar* pToolBar = dynamic_cast<IXTToolBar*>(pBar))
        {
            if (pToolBar->SupportsHiddenButtons() && !m_bFloating)
            {
                BOOL bLast = TRUE;
                for (INT_PTR k = i + 1; k < m_arrBars.GetSize() && m_arrBars[k] != nullptr; ++k)
                    if (Counts(BarAt(m_arrBars[k])))
                        bLast = FALSE;
                int nNew;
                if (!bLast)
                    nNew = pToolBar->ShowButtonsToFit(size.cx, 0x7FFF, bLayoutHorz);
                else if (nPos + size.cx > nAvailable)
                    nNew = pToolBar->HideButtonsToFit(size.cx, nAvailable - nPos, bLayoutHorz);
                else
                    nNew = pToolBar->ShowButtonsToFit(size.cx, nAvailable - nPos, bLayoutHorz);
                if (nNew > 0)
                    size.cx = nNew;
            }
        }

        // Steps 7 and 8: the place, and the row moves on.
        place.rect = CRect(nPos, y, nPos + size.cx, y + size.cy);
        places[pBar] = place;
        order.push_back(pBar);
        row.bars.push_back(pBar);
        row.nDepth = std::max<int>(row.nDepth, size.cy);
        x = nPos + size.cx - nOverlap;
        nPrevIndex = (int)i;
    }
    endRow();

    // After the last row: its splitter, or its dock windows' outer border.
    int nExtent = y;
    if (nRows > 0 && prevRow.nDockCount > 0 && !m_bFloating)
    {
        if (bSplitAfter)
        {
            addRowSplitter(prevRow.nStart);
            nExtent = y - nRowShift + 5;
            takeFrom(prevRow, dwBorderFar, FALSE);
        }
        else
            takeFrom(prevRow, dwBorderFar, TRUE);
    }
    if (nRows > 0)
        nExtent += bLayoutHorz ? 1 : ((m_dwStyle & CBRS_ALIGN_LEFT) ? -1 : 0);

    // The bar splitters span their row's depth; row splitters the whole length.
    for (CXTRowSplitter* pSplitter : m_arrTrackers)
    {
        CRect rect = TurnedRect(pSplitter->m_rect, bLayoutHorz);
        if (dynamic_cast<CXTBarSplitter*>(pSplitter) != nullptr)
        {
            int nDepth = 0;
            int nRowStart = GetRowStartOf(pSplitter->m_nBarIndex);
            for (CControlBar* pBar : order)
                if (GetRowStart(pBar) == nRowStart)
                {
                    nDepth = std::max(nDepth, places[pBar].rect.Height());
                    rect.top = places[pBar].rect.top;
                }
            rect.bottom = rect.top + nDepth;
        }
        else
        {
            rect.left = 0;
            rect.right = nAvailable;
            // The last splitter is no deeper than the dock bar shows.
            rect.bottom = std::min<int>(rect.bottom, std::max(nExtent, 0));
        }
        pSplitter->m_rect = TurnedRect(rect, bLayoutHorz);
    }

    // The borders and the moves.
    HDWP hDWP = nullptr;
    if (!m_bLayoutQuery && !order.empty())
        hDWP = ::BeginDeferWindowPos((int)order.size());
    for (CControlBar* pBar : order)
    {
        const Place& place = places[pBar];
        UINT nExtra = 0;
        if (AsDockWindow(pBar) != nullptr || !(m_dwDockBarStyle & XT_DOCKBAR_PLAINSPLITTERS))
        {
            DWORD dwNew = (pBar->GetBarStyle() & ~CBRS_BORDER_ANY) | place.dwBorders;
            if (dwNew != pBar->GetBarStyle() && !m_bLayoutQuery)
            {
                pBar->SetBarStyle(dwNew);
                nExtra = SWP_FRAMECHANGED;
            }
        }
        if (m_bLayoutQuery)
            continue;
        CRect rect = TurnedRect(place.rect, bLayoutHorz);
        CRect rectOld;
        pBar->GetWindowRect(&rectOld);
        ScreenToClient(&rectOld);
        if (rect == rectOld && nExtra == 0)
            continue;
        if (hDWP != nullptr)
            hDWP = ::DeferWindowPos(hDWP, pBar->m_hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                    SWP_NOZORDER | SWP_NOACTIVATE | nExtra);
        // Where it stands now is where it docks again after floating.
        if (!m_bFloating && pBar->m_pDockContext != nullptr)
        {
            pBar->m_pDockContext->m_uMRUDockID = (UINT)GetDlgCtrlID();
            pBar->m_pDockContext->m_rectMRUDockPos = rect;
        }
    }
    if (hDWP != nullptr)
        ::EndDeferWindowPos(hDWP);

    CSize sizeAlong(nRows > 0 ? std::max(nRight, 0) : 0, std::max(nExtent, 0));
    CSize size = Turned(sizeAlong, bLayoutHorz);
    if (bStretch && bLayoutHorz)
        size.cx = 32767;
    if (bStretch && !bLayoutHorz)
        size.cy = 32767;
    if (nRows == 0)
        size = bLayoutHorz ? CSize(size.cx, 0) : CSize(0, size.cy);
    return size;
}

// ---------------------------------------------------------------------------
// Painting

void CXTDockBar::DoPaint(CDC* pDC)
{
    CDockBar::DoPaint(pDC);
    for (CXTRowSplitter* pSplitter : m_arrTrackers)
        pSplitter->Draw(pDC);
}

void CXTDockBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    CXTMemDC memDC(&dc, rect, xtAfxData.m_clr3DFace);
    if (IsWindowVisible() && GetDockedCount() > 0)
        DoPaint(&memDC);
}

CRect CXTDockBar::DrawDockBarBorders(CDC* pDC, CRect rect) const
{
    const DWORD dwStyle = m_dwStyle;
    const BOOL bFlat = xtAfxData.m_bFlatLook;
    const COLORREF clrShadow = bFlat ? xtAfxData.m_clr3DFace : ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF clrHilite = bFlat ? xtAfxData.m_clr3DFace : ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const int cx = ::GetSystemMetrics(SM_CXBORDER), cy = ::GetSystemMetrics(SM_CYBORDER);
    const int nLines = (dwStyle & CBRS_BORDER_3D) ? 2 : 1;
    for (int nLine = 0; nLine < nLines; ++nLine)
    {
        const COLORREF clr = nLine == 0 ? clrShadow : clrHilite;
        if (dwStyle & CBRS_BORDER_LEFT)
        {
            if (pDC != nullptr)
                pDC->FillSolidRect(rect.left, rect.top, cx, rect.Height(), clr);
            rect.left += cx;
        }
        if (dwStyle & CBRS_BORDER_TOP)
        {
            if (pDC != nullptr)
                pDC->FillSolidRect(rect.left, rect.top, rect.Width(), cy, clr);
            rect.top += cy;
        }
        if (dwStyle & CBRS_BORDER_RIGHT)
        {
            if (pDC != nullptr)
                pDC->FillSolidRect(rect.right - cx, rect.top, cx, rect.Height(), clr);
            rect.right -= cx;
        }
        if (dwStyle & CBRS_BORDER_BOTTOM)
        {
            if (pDC != nullptr)
                pDC->FillSolidRect(rect.left, rect.bottom - cy, rect.Width(), cy, clr);
            rect.bottom -= cy;
        }
    }
    return rect;
}

void CXTDockBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect = DrawDockBarBorders(nullptr, CRect(lpncsp->rgrc[0]));
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    lpncsp->rgrc[0] = rect;
}

void CXTDockBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectWindow = ExcludeClientArea(this, &dc);
    CRect rect = DrawDockBarBorders(&dc, rectWindow);
    dc.IntersectClipRect(&rect);
    SendMessage(WM_ERASEBKGND, (WPARAM)dc.m_hDC);
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER)
        DrawGripper(&dc, rect);
}

// ---------------------------------------------------------------------------
// Splitter tracking

int CXTDockBar::HitTestSplitter(CPoint ptScreen)
{
    CPoint point = ptScreen;
    ScreenToClient(&point);
    for (size_t k = 0; k < m_arrTrackers.size(); ++k)
    {
        if (!m_arrTrackers[k]->m_rect.PtInRect(point))
            continue;
        HCURSOR hCursor = m_arrTrackers[k]->m_nOrientation == CXTRowSplitter::orientVert ? xtAfxData.m_hCursorSizeCol
                                                                                       : xtAfxData.m_hCursorSizeRow;
        if (hCursor != nullptr)
            ::SetCursor(hCursor);
        m_nHitTracker = (int)k;
        return m_nHitTracker;
    }
    m_nHitTracker = -1;
    return -1;
}

LRESULT CXTDockBar::OnNcHitTest(CPoint point)
{
    if (::GetCapture() != m_hWnd && HitTestSplitter(point) >= 0)
        return HTBORDER;
    return (LRESULT)Default();
}

BOOL CXTDockBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTBORDER && m_nHitTracker >= 0 && m_nHitTracker < (int)m_arrTrackers.size())
    {
        CPoint point;
        ::GetCursorPos(&point);
        if (HitTestSplitter(point) >= 0)
            return TRUE;
    }
    if (nHitTest == HTCLIENT)
        return CDockBar::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

void CXTDockBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (m_nHitTracker < 0 || m_nHitTracker >= (int)m_arrTrackers.size() || m_bTracking)
    {
        CDockBar::OnNcLButtonDown(nHitTest, point);
        return;
    }
    if (!m_arrTrackers[(size_t)m_nHitTracker]->OnLButtonDown(point))
        return;
    SetCapture();
    CWnd* pOld = SetFocus();
    m_hWndFocus = pOld != nullptr ? pOld->m_hWnd : nullptr;
    m_bTracking = TRUE;
}

void CXTDockBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bTracking || m_nHitTracker < 0 || m_nHitTracker >= (int)m_arrTrackers.size())
    {
        CDockBar::OnMouseMove(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    m_arrTrackers[(size_t)m_nHitTracker]->OnMouseMove(point);
}

void CXTDockBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bTracking || m_nHitTracker < 0 || m_nHitTracker >= (int)m_arrTrackers.size())
    {
        CDockBar::OnLButtonUp(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    EndTracking(TRUE, point);
}

void CXTDockBar::EndTracking(BOOL bApply, CPoint point)
{
    if (!m_bTracking)
        return;
    m_bTracking = FALSE;
    CXTRowSplitter* pSplitter = m_nHitTracker >= 0 && m_nHitTracker < (int)m_arrTrackers.size()
                                    ? m_arrTrackers[(size_t)m_nHitTracker]
                                    : nullptr;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (m_hWndFocus != nullptr && ::IsWindow(m_hWndFocus))
        ::SetFocus(m_hWndFocus);
    m_hWndFocus = nullptr;
    if (pSplitter == nullptr)
        return;
    if (bApply)
        pSplitter->OnLButtonUp(point);
    else
        pSplitter->CancelTracking();
}

void CXTDockBar::OnCaptureChanged(CWnd* pWnd)
{
    // Another window took the mouse: the drag ends without a change.
    if (m_bTracking && (pWnd == nullptr || pWnd->m_hWnd != m_hWnd))
        EndTracking(FALSE, CPoint(0, 0));
    CDockBar::OnCaptureChanged(pWnd);
}

void CXTDockBar::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Escape during a drag is the cancel command.
    if (m_bTracking && nChar == VK_ESCAPE)
    {
        SendMessage(WM_COMMAND, IDCANCEL);
        return;
    }
    CDockBar::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CXTDockBar::OnCancel()
{
    EndTracking(FALSE, CPoint(0, 0));
}

// ---------------------------------------------------------------------------
// Context menu

void CXTDockBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (!xtAfxData.m_bDockBarListMenus)
    {
        CDockBar::OnRButtonDown(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    ShowDockBarMenu(point);
}

void CXTDockBar::ShowDockBarMenu(CPoint ptScreen)
{
    CFrameWnd* pFrame = GetDockFrame();
    if (pFrame == nullptr)
        return;
    // Step 1: the frame's bars, last first, each in the first group it fits.
    enum { groupDock, groupTool, groupOther, groupStatus, groupCount };
    std::vector<CControlBar*> groups[groupCount];
    for (POSITION pos = pFrame->m_listControlBars.GetTailPosition(); pos != nullptr;)
    {
        CControlBar* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetPrev(pos));
        if (pBar->m_hWnd == nullptr || IsKindOfName(pBar, "CXTMenuBar") || pBar->IsKindOf(RUNTIME_CLASS(CReBar)))
            continue;
        if (pBar->IsKindOf(RUNTIME_CLASS(CStatusBar)))
        {
            groups[groupStatus].push_back(pBar);
            continue;
        }
        CXTControlBar* pXTBar = dynamic_cast<CXTControlBar*>(pBar);
        if (pXTBar == nullptr || !xtAfxData.m_bBarListMenus || !pXTBar->m_bContextMenus)
            continue;
        switch (pXTBar->GetBarListGroup())
        {
        case CXTControlBar::barListDockWindow: groups[groupDock].push_back(pBar); break;
        case CXTControlBar::barListToolBar: groups[groupTool].push_back(pBar); break;
        case CXTControlBar::barListOther: groups[groupOther].push_back(pBar); break;
        default: break;
        }
    }

    // Step 2: one item per bar.
    CXTMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    int nAdded = 0;
    BOOL bCustomize = FALSE;
    const struct
    {
        UINT nFallback;
        LPCSTR lpszFallback;
    } names[groupCount] = { { XT_IDS_DOCKWND, "Dock Window" },
                            { XT_IDS_TOOLBAR, "Toolbar" },
                            { XT_IDS_CONTROLBAR, "Control Bar" },
                            { XT_IDS_STATUSBAR, "Status Bar" } };
    for (int nGroup = 0; nGroup < groupCount; ++nGroup)
    {
        for (CControlBar* pBar : groups[nGroup])
        {
            CString strText;
            if (nGroup != groupStatus)
                pBar->GetWindowText(strText);
            if (strText.IsEmpty())
                strText = LoadToolkitString(names[nGroup].nFallback, names[nGroup].lpszFallback);
            menu.AppendMenu(MF_STRING | (pBar->IsVisible() ? MF_CHECKED : MF_UNCHECKED), pBar->GetDlgCtrlID(),
                            strText);
            ++nAdded;
            if (nGroup == groupTool && static_cast<CXTControlBar*>(pBar)->IsCustomizable())
                bCustomize = TRUE;
        }
        if (nGroup == groupDock && !groups[groupDock].empty())
            menu.AppendMenu(MF_SEPARATOR);
    }

    // Step 3: customisation when a listed tool bar allows it, and the menu shown.
    CXTControlBar::TrackBarListMenu(menu, nAdded, bCustomize, ptScreen, pFrame);
}
