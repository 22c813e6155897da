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
    (void)bHorz;
    const BOOL bLayoutHorz = IsHorzDockBar();
    if (m_hWnd != nullptr && !m_bLayoutQuery)
        Invalidate();
    DeleteTrackers();
    CFrameWnd* pFrame = GetDockFrame();

    // A menu bar behind another bar gets a row of its own first.
    if (MoveMenuBarsAhead() && pFrame != nullptr)
        pFrame->DelayRecalcLayout();

    const int nAvailable = GetAvailableLength();
    XT_DOCKROWS rows = XTBeginDockRows(bLayoutHorz, m_dwStyle, m_bFloating, nAvailable,
                                       (m_dwDockBarStyle & XT_DOCKBAR_PLAINSPLITTERS) != 0);
    auto fit = [&](const XT_DOCKENTRY& entry, int nLength, int nRoom) {
        IXTToolBar* pToolBar = dynamic_cast<IXTToolBar*>(BarAt(m_arrBars[entry.nIndex]));
        return nLength > nRoom ? pToolBar->HideButtonsToFit(nLength, nRoom, bLayoutHorz)
                               : pToolBar->ShowButtonsToFit(nLength, nRoom, bLayoutHorz);
    };
    std::vector<CControlBar*> placed;   // the bars of rows.places, in order
    INT_PTR nRowStart = 0;
    while (nRowStart < m_arrBars.GetSize())
    {
        INT_PTR nRowEnd = nRowStart;
        while (nRowEnd < m_arrBars.GetSize() && m_arrBars[nRowEnd] != nullptr)
            ++nRowEnd;
        // A row's dock windows share its length before it is measured.
        if (!m_bFloating && CountDockWindows((int)nRowStart) > 0)
            ShareRow((int)nRowStart, nAvailable);
        std::vector<XT_DOCKENTRY> entries = GatherRow((int)nRowStart);
        size_t nPlaced = XTPlaceDockRow(rows, (int)nRowStart, entries, fit);
        for (size_t k = 0; k < nPlaced; ++k)
            placed.push_back(BarAt(m_arrBars[entries[k].nIndex]));
        if (nPlaced < entries.size())
        {
            // The rest wraps: a new row from the bar that did not fit.
            const int nWrap = entries[nPlaced].nIndex;
            m_arrBars.InsertAt(nWrap, nullptr);
            if (pFrame != nullptr)
                pFrame->m_nIdleFlags |= CFrameWnd::idleLayout | CFrameWnd::idleNotify;
            nRowStart = nWrap + 1;
        }
        else
            nRowStart = nRowEnd + 1;
    }
    const CSize size = XTEndDockRows(rows, bStretch);

    for (const XT_DOCKSPLITTER& splitter : rows.splitters)
    {
        if (splitter.bRow)
            AddSplitter(new CXTRowSplitter(this, splitter.rect,
                                           bLayoutHorz ? CXTRowSplitter::orientHorz : CXTRowSplitter::orientVert,
                                           splitter.nIndex));
        else
            AddSplitter(new CXTBarSplitter(this, splitter.rect,
                                           bLayoutHorz ? CXTRowSplitter::orientVert : CXTRowSplitter::orientHorz,
                                           splitter.nIndex));
    }
    ApplyPlaces(placed, rows.places);
    return size;
}

void CXTDockBar::ShareRow(int nRowStart, int nAvailable)
{
    if (GetRowDockLength(nRowStart) + GetRowOtherLength(nRowStart) != nAvailable ||
        GetRowShownWindow(nRowStart) != nullptr)
        RedistributeRow(nRowStart, nAvailable);
    std::vector<CXTDockWindow*> windows = GetRowDockWindows(nRowStart);
    for (CXTDockWindow* pWindow : windows)
        pWindow->m_bAloneInRow = windows.size() == 1;
}

std::vector<XT_DOCKENTRY> CXTDockBar::GatherRow(int nRowStart) const
{
    const BOOL bHorz = IsHorzDockBar();
    std::vector<XT_DOCKENTRY> entries;
    for (INT_PTR i = nRowStart; i < m_arrBars.GetSize() && m_arrBars[i] != nullptr; ++i)
    {
        CControlBar* pBar = BarAt(m_arrBars[i]);
        if (!Counts(pBar))
            continue;
        XT_DOCKENTRY entry;
        entry.nIndex = (int)i;
        entry.size = Turned(GetBarSize(pBar), bHorz);
        // Toolkit bars meet edge to edge; others share their borders.
        entry.nOverlap = pBar->IsKindOf(RUNTIME_CLASS(CXTControlBar))
                             ? 0
                             : (bHorz ? 2 * ::GetSystemMetrics(SM_CYBORDER) : 2);
        CRect rectOld;
        pBar->GetWindowRect(&rectOld);
        ScreenToClient(&rectOld);
        entry.nOldPos = bHorz ? rectOld.left : rectOld.top;
        entry.bDockWindow = !m_bFloating && AsDockWindow(pBar) != nullptr;
        IXTToolBar* pToolBar = dynamic_cast<IXTToolBar*>(pBar);
        entry.bFitButtons = !m_bFloating && pToolBar != nullptr && pToolBar->SupportsHiddenButtons();
        entries.push_back(entry);
    }
    return entries;
}

void CXTDockBar::ApplyPlaces(const std::vector<CControlBar*>& bars, const std::vector<XT_DOCKPLACE>& places)
{
    HDWP hDWP = nullptr;
    if (!m_bLayoutQuery && !bars.empty())
        hDWP = ::BeginDeferWindowPos((int)bars.size());
    for (size_t k = 0; k < bars.size(); ++k)
    {
        CControlBar* pBar = bars[k];
        const XT_DOCKPLACE& place = places[k];
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
        const CRect& rect = place.rect;
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
