// The toolkit's dock bars: sharing a row among dock windows, the rows'
// layout in a frame, and the splitters dragged between rows and windows.
#include "toolkit/frame/XTBarSplitter.h"
#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTDockBarLayout.h"
#include "toolkit/frame/IXTToolBar.h"
#include "toolkit/frame/XTDockWindow.h"
#include "toolkit/frame/XTRowSplitter.h"

#include "framework/Afx.h"
#include "framework/StatusBar.h"
#include "toolkit/XTContextMenuSeen.h"
#include "toolkit/XTTestCanvas.h"
#include "toolkit/frame/XTDockTestFrame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using toolkit_test::CDockTestFrame;

TEST(XTDockBarLayout, SharesTheFreeLengthOfARow)
{
    struct Case
    {
        const char* name;
        std::vector<XT_ROWWINDOW> windows;
        int nAvailable;
        int nSetAside;
        std::vector<int> expected;
    };
    const Case cases[] = {
        { "a lone window takes all", { { 100, 24 } }, 394, -1, { 394 } },
        { "two share equally and fill", { { 100, 24 }, { 100, 24 } }, 300, -1, { 150, 150 } },
        { "an odd remainder goes to the last", { { 100, 24 }, { 100, 24 } }, 301, -1, { 150, 151 } },
        { "the shown one keeps its length, the others give", { { 300, 24 }, { 100, 24 } }, 300, 1, { 200, 100 } },
        { "the shown one alone takes all", { { 40, 24 } }, 250, 0, { 250 } },
        { "no window below its caption, the shortfall passes on",
          { { 30, 24 }, { 200, 24 }, { 100, 24 } }, 200, -1, { 24, 120, 56 } },
        { "a row too short keeps the minimums", { { 30, 24 }, { 30, 24 } }, 20, -1, { 24, 24 } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, XTShareRowLength(c.windows, c.nAvailable, c.nSetAside));
    }
}

TEST(XTDockBarLayout, SplitterMovesLengthAcrossItsWindows)
{
    struct Case
    {
        const char* name;
        std::vector<XT_ROWWINDOW> windows;
        int nSplit;
        int nDelta;
        std::vector<int> expected;
        int nBack, nOn;
    };
    const Case cases[] = {
        { "on: the nearest before grows, those after shrink in turn",
          { { 100, 24 }, { 50, 24 }, { 100, 24 } }, 2, 60, { 100, 110, 40 }, 102, 76 },
        { "back: the nearest before shrinks to its caption, then the next",
          { { 100, 24 }, { 50, 24 }, { 100, 24 } }, 2, -60, { 66, 24, 160 }, 102, 76 },
        { "back to the limit leaves every window before at its caption",
          { { 100, 24 }, { 50, 24 }, { 100, 24 } }, 2, -102, { 24, 24, 202 }, 102, 76 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, XTMoveRowSplitter(c.windows, c.nSplit, c.nDelta));
        int nBack = 0, nOn = 0;
        XTSplitterLimits(c.windows, c.nSplit, &nBack, &nOn);
        EXPECT_EQ(c.nBack, nBack);
        EXPECT_EQ(c.nOn, nOn);
    }
}

// Rows of bars laid out as a dock bar does, without windows: each row is
// placed, and what wraps is placed again as a row of its own.
TEST(XTDockBarLayout, PlacesRowsOfBars)
{
    // Along, across, where the bar stands now, a dock window, a tool bar's
    // length with all its buttons (0: no tool bar), the overlap.
    struct Bar
    {
        int nLength, nDepth, nOldPos;
        BOOL bDock;
        int nAllButtons, nOverlap;
    };
    struct Splitter
    {
        CRect rect;
        BOOL bRow;
    };
    struct Case
    {
        const char* name;
        DWORD dwStyle;
        BOOL bFloating, bStretch;
        int nAvailable;
        std::vector<std::vector<Bar>> rows;
        std::vector<CRect> places;
        std::vector<DWORD> borders;
        std::vector<Splitter> splitters;
        CSize size;
        int nWraps;
    };
    const DWORD L = CBRS_BORDER_LEFT, T = CBRS_BORDER_TOP, R = CBRS_BORDER_RIGHT, B = CBRS_BORDER_BOTTOM;
    const DWORD all = CBRS_BORDER_ANY;
    const Case cases[] = {
        { "a bar stays where it was left, unless that is past the end", CBRS_ALIGN_TOP, FALSE, FALSE, 300,
          { { { 100, 26, 0, FALSE, 0, 0 }, { 80, 26, 250, FALSE, 0, 0 } } },
          { CRect(0, 0, 100, 26), CRect(220, 0, 300, 26) }, { all, all }, {}, CSize(300, 27), 0 },
        { "a bar that starts at the end wraps; its row begins behind the overlap", CBRS_ALIGN_TOP, FALSE, FALSE,
          200, { { { 200, 26, 0, FALSE, 0, 2 }, { 60, 22, 0, FALSE, 0, 2 } } },
          { CRect(0, 0, 200, 26), CRect(-2, 26, 58, 48) }, { all, all }, {}, CSize(198, 49), 1 },
        { "the last tool bar hides buttons to fit, one before it shows all", CBRS_ALIGN_TOP, FALSE, FALSE, 200,
          { { { 100, 26, 0, FALSE, 150, 0 }, { 120, 26, 0, FALSE, 120, 0 } } },
          { CRect(0, 0, 150, 26), CRect(150, 0, 190, 26) }, { all, all }, {}, CSize(190, 27), 0 },
        { "two dock windows share a row around a splitter, a splitter closes the top", CBRS_ALIGN_TOP, FALSE,
          FALSE, 300, { { { 150, 100, 0, TRUE, 0, 0 }, { 144, 100, 0, TRUE, 0, 0 } } },
          { CRect(0, 0, 150, 100), CRect(156, 0, 300, 100) }, { L | T, T | R },
          { { CRect(150, 0, 156, 100), FALSE }, { CRect(0, 100, 300, 106), TRUE } }, CSize(300, 106), 0 },
        { "at the bottom the splitter comes before the row", CBRS_ALIGN_BOTTOM, FALSE, FALSE, 300,
          { { { 300, 100, 0, TRUE, 0, 0 } } }, { CRect(0, 6, 300, 106) }, { L | R },
          { { CRect(0, 0, 300, 6), TRUE } }, CSize(300, 107), 0 },
        { "on the left rows turn, a splitter shifts the next by 7, stretched", CBRS_ALIGN_LEFT, FALSE, TRUE, 400,
          { { { 400, 120, 0, TRUE, 0, 0 } }, { { 60, 26, 0, FALSE, 0, 0 } } },
          { CRect(0, 0, 120, 400), CRect(127, 0, 153, 60) }, { L | T | B, T | R | B },
          { { CRect(120, 0, 126, 400), TRUE } }, CSize(152, 32767), 0 },
        { "floating: nothing is pushed back or wraps", CBRS_ALIGN_TOP, TRUE, FALSE, 100,
          { { { 80, 20, 50, FALSE, 0, 0 }, { 80, 20, 0, FALSE, 0, 0 } } },
          { CRect(0, 0, 80, 20), CRect(80, 0, 160, 20) }, { all, all }, {}, CSize(160, 21), 0 },
        { "no rows, stretched", CBRS_ALIGN_TOP, FALSE, TRUE, 300, {}, {}, {}, {}, CSize(32767, 0), 0 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        XT_DOCKROWS rows = XTBeginDockRows((c.dwStyle & CBRS_ORIENT_HORZ) != 0, c.dwStyle, c.bFloating,
                                           c.nAvailable, FALSE);
        // A tool bar of 20-pixel buttons.
        std::map<int, int> allButtons;
        auto fit = [&](const XT_DOCKENTRY& entry, int, int nRoom) {
            int nAll = allButtons[entry.nIndex];
            return nRoom >= nAll ? nAll : std::max(20, nRoom - nRoom % 20);
        };
        int nIndex = 0, nWraps = 0;
        for (const std::vector<Bar>& row : c.rows)
        {
            std::vector<XT_DOCKENTRY> entries;
            for (const Bar& bar : row)
            {
                allButtons[nIndex] = bar.nAllButtons;
                entries.push_back({ nIndex++, CSize(bar.nLength, bar.nDepth), bar.nOverlap, bar.nOldPos, bar.bDock,
                                    bar.nAllButtons > 0 });
            }
            ++nIndex;   // the row's end
            for (;;)
            {
                size_t nPlaced = XTPlaceDockRow(rows, entries.front().nIndex, entries, fit);
                if (nPlaced == entries.size())
                    break;
                ++nWraps;
                entries.erase(entries.begin(), entries.begin() + (std::ptrdiff_t)nPlaced);
            }
        }
        EXPECT_EQ(c.size, XTEndDockRows(rows, c.bStretch));
        EXPECT_EQ(c.nWraps, nWraps);
        ASSERT_EQ(c.places.size(), rows.places.size());
        for (size_t k = 0; k < c.places.size(); ++k)
        {
            EXPECT_EQ(c.places[k], rows.places[k].rect) << "bar " << k;
            EXPECT_EQ(c.borders[k], rows.places[k].dwBorders) << "bar " << k;
        }
        ASSERT_EQ(c.splitters.size(), rows.splitters.size());
        for (size_t k = 0; k < c.splitters.size(); ++k)
        {
            EXPECT_EQ(c.splitters[k].rect, rows.splitters[k].rect) << "splitter " << k;
            EXPECT_EQ(c.splitters[k].bRow, rows.splitters[k].bRow) << "splitter " << k;
        }
    }
}

// A plain toolkit bar of a fixed size.
class CPlainBar : public CXTControlBar
{
public:
    BOOL Create(CWnd* pParent, UINT nID) { return CreateBar(nullptr, WS_VISIBLE, CBRS_ALIGN_LEFT, pParent, nID); }
    CSize CalcDynamicLayout(int, DWORD) override { return CSize(30, 80); }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

struct TwoInARow
{
    CDockTestFrame frame;
    CXTDockBar* pLeft = nullptr;
    CXTDockWindow* pFirst = nullptr;
    CXTDockWindow* pSecond = nullptr;

    BOOL Create()
    {
        if (!frame.CreateFrame())
            return FALSE;
        pLeft = frame.DockBar(XT_IDW_DOCKBAR_LEFT);
        pFirst = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 150, 100, nullptr, "Eins");
        if (pFirst == nullptr)
            return FALSE;
        frame.RecalcLayout();
        // Below the first one, in its row.
        CRect rect;
        pFirst->GetWindowRect(&rect);
        rect.OffsetRect(0, 10);
        pSecond = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 150, 100, &rect, "Zwei");
        if (pSecond == nullptr)
            return FALSE;
        frame.RecalcLayout();
        // Equal lengths that no longer fill the row: the next layout shares it.
        pFirst->SetBarSize(CSize(150, 100));
        pSecond->SetBarSize(CSize(150, 100));
        frame.RecalcLayout();
        return TRUE;
    }
    int Height() const
    {
        CRect rect;
        pLeft->GetClientRect(&rect);
        return rect.Height();
    }
};

TEST(XTDockBarRows, TwoDockWindowsShareTheirRowAroundASplitterAndALoneOneTakesAll)
{
    TwoInARow row;
    ASSERT_TRUE(row.Create());
    ASSERT_EQ(row.pLeft->GetRowStart(row.pFirst), row.pLeft->GetRowStart(row.pSecond));
    ASSERT_LT(row.pLeft->GetBarIndex(row.pFirst), row.pLeft->GetBarIndex(row.pSecond));
    CRect rectFirst = CDockTestFrame::RectIn(row.pFirst, row.pLeft);
    CRect rectSecond = CDockTestFrame::RectIn(row.pSecond, row.pLeft);
    const int nHeight = row.Height();
    ASSERT_GT(nHeight, 100);
    EXPECT_EQ(0, rectFirst.top);
    EXPECT_EQ(rectFirst.bottom + XT_SPLITTER_SIZE, rectSecond.top);
    EXPECT_EQ(nHeight, rectSecond.bottom);
    EXPECT_LE(abs(rectFirst.Height() - rectSecond.Height()), 1);
    EXPECT_FALSE(row.pFirst->IsAloneInRow());
    // One bar splitter between them and one row splitter after the row.
    int nBarSplitters = 0, nRowSplitters = 0;
    for (CXTRowSplitter* pSplitter : row.pLeft->m_arrTrackers)
        (dynamic_cast<CXTBarSplitter*>(pSplitter) != nullptr ? nBarSplitters : nRowSplitters)++;
    EXPECT_EQ(1, nBarSplitters);
    EXPECT_EQ(1, nRowSplitters);

    const int nSecond = rectSecond.Height();
    row.frame.ShowControlBar(row.pSecond, FALSE, FALSE);
    {
        SCOPED_TRACE("the other one hidden");
        EXPECT_EQ(nHeight, CDockTestFrame::RectIn(row.pFirst, row.pLeft).Height());
        EXPECT_TRUE(row.pFirst->IsAloneInRow());
    }
    row.frame.ShowControlBar(row.pSecond, TRUE, FALSE);
    {
        SCOPED_TRACE("shown again: it keeps its length");
        rectFirst = CDockTestFrame::RectIn(row.pFirst, row.pLeft);
        rectSecond = CDockTestFrame::RectIn(row.pSecond, row.pLeft);
        EXPECT_EQ(nSecond, rectSecond.Height());
        EXPECT_EQ(rectFirst.bottom + XT_SPLITTER_SIZE, rectSecond.top);
        EXPECT_EQ(nHeight, rectSecond.bottom);
        EXPECT_FALSE(row.pFirst->IsAloneInRow());
        EXPECT_EQ(0u, row.pSecond->GetBarStyleEx() & BARSTYLE_SHOWN);
    }
}

TEST(XTDockBarRows, ARowOfADockWindowAndARowOfPlainBars)
{
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CXTDockBar* pLeft = frame.DockBar(XT_IDW_DOCKBAR_LEFT);
    CXTDockWindow* pWindow = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 120, 100);
    ASSERT_NE(nullptr, pWindow);
    CPlainBar plain;
    ASSERT_TRUE(plain.Create(&frame, 0xE850));
    plain.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&plain, XT_IDW_DOCKBAR_LEFT);
    frame.RecalcLayout();

    CRect rectWindow = CDockTestFrame::RectIn(pWindow, pLeft);
    CRect rectPlain = CDockTestFrame::RectIn(&plain, pLeft);
    CRect rectClient;
    pLeft->GetClientRect(&rectClient);
    EXPECT_EQ(CRect(0, 0, 120, rectClient.Height()), rectWindow);
    // The row splitter after the dock window's row moves the next row by 7.
    EXPECT_EQ(CRect(127, 0, 157, 80), rectPlain);
    EXPECT_TRUE(pWindow->IsAloneInRow());
    // The window's border next to the splitter goes, the plain bar's too.
    EXPECT_EQ(0u, pWindow->GetBarStyle() & CBRS_BORDER_RIGHT);
    EXPECT_EQ(0u, plain.GetBarStyle() & CBRS_BORDER_LEFT);
    EXPECT_NE(0u, plain.GetBarStyle() & CBRS_BORDER_RIGHT);
}

// The screen point in the middle of a splitter.
CPoint SplitterCentre(CXTDockBar* pDockBar, CXTRowSplitter* pSplitter)
{
    CPoint point = pSplitter->m_rect.CenterPoint();
    pDockBar->ClientToScreen(&point);
    return point;
}

// Presses the button on the splitter and moves the mouse by the offset.
void DragSplitter(CXTDockBar* pDockBar, CXTRowSplitter* pSplitter, CSize offset)
{
    CPoint point = SplitterCentre(pDockBar, pSplitter);
    ASSERT_EQ(HTBORDER, pDockBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)));
    pDockBar->SendMessage(WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(point.x, point.y));
    ASSERT_TRUE(pDockBar->m_bTracking);
    point.Offset(offset.cx, offset.cy);
    pDockBar->ScreenToClient(&point);
    pDockBar->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(point.x, point.y));
}

void ReleaseAt(CXTDockBar* pDockBar, CXTRowSplitter* pSplitter, CSize offset)
{
    CPoint point = SplitterCentre(pDockBar, pSplitter);
    point.Offset(offset.cx, offset.cy);
    pDockBar->ScreenToClient(&point);
    pDockBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

CXTRowSplitter* FindSplitter(CXTDockBar* pDockBar, BOOL bBarSplitter)
{
    for (CXTRowSplitter* pSplitter : pDockBar->m_arrTrackers)
        if ((dynamic_cast<CXTBarSplitter*>(pSplitter) != nullptr) == bBarSplitter)
            return pSplitter;
    return nullptr;
}

TEST(XTDockBarSplitters, ARowSplitterStopsAtTheFreeDepthAndCancelAppliesNothing)
{
    TwoInARow row;
    ASSERT_TRUE(row.Create());
    const int nWidth = CDockTestFrame::RectIn(row.pFirst, row.pLeft).Width();
    const int nFree = row.pLeft->GetFrameFreeDepth();
    ASSERT_GT(nFree, 0);

    {
        SCOPED_TRACE("cancelled with command 2");
        CXTRowSplitter* pSplitter = FindSplitter(row.pLeft, FALSE);
        ASSERT_NE(nullptr, pSplitter);
        DragSplitter(row.pLeft, pSplitter, CSize(40, 0));
        row.pLeft->SendMessage(WM_COMMAND, IDCANCEL);
        EXPECT_FALSE(row.pLeft->m_bTracking);
        EXPECT_EQ(nullptr, ::GetCapture());
        row.frame.RecalcLayout();
        EXPECT_EQ(nWidth, CDockTestFrame::RectIn(row.pFirst, row.pLeft).Width());
    }
    {
        SCOPED_TRACE("dragged far past the free depth");
        CXTRowSplitter* pSplitter = FindSplitter(row.pLeft, FALSE);
        ASSERT_NE(nullptr, pSplitter);
        DragSplitter(row.pLeft, pSplitter, CSize(nFree + 300, 0));
        EXPECT_EQ(pSplitter->m_nMaxPos, pSplitter->m_nPos);
        ReleaseAt(row.pLeft, pSplitter, CSize(nFree + 300, 0));
        EXPECT_FALSE(row.pLeft->m_bTracking);
        row.frame.RecalcLayout();
        EXPECT_EQ(nWidth + nFree, CDockTestFrame::RectIn(row.pFirst, row.pLeft).Width());
        EXPECT_EQ(nWidth + nFree, CDockTestFrame::RectIn(row.pSecond, row.pLeft).Width());
    }
}

TEST(XTDockBarSplitters, ABarSplitterNeverTakesAWindowBelowItsCaption)
{
    TwoInARow row;
    ASSERT_TRUE(row.Create());
    const int nHeight = row.Height();
    CXTRowSplitter* pSplitter = FindSplitter(row.pLeft, TRUE);
    ASSERT_NE(nullptr, pSplitter);
    DragSplitter(row.pLeft, pSplitter, CSize(0, -1000));
    ReleaseAt(row.pLeft, pSplitter, CSize(0, -1000));
    row.frame.RecalcLayout();
    CRect rectFirst = CDockTestFrame::RectIn(row.pFirst, row.pLeft);
    CRect rectSecond = CDockTestFrame::RectIn(row.pSecond, row.pLeft);
    EXPECT_EQ(row.pFirst->GetCaptionSize(), rectFirst.Height());
    EXPECT_EQ(rectFirst.bottom + XT_SPLITTER_SIZE, rectSecond.top);
    EXPECT_EQ(nHeight, rectSecond.bottom);
}

// The dock bar knows the menu bar by its class name only.
class CXTMenuBar : public CPlainBar
{
    DECLARE_DYNAMIC(CXTMenuBar)
};
IMPLEMENT_DYNAMIC(CXTMenuBar, CPlainBar)

TEST(XTDockBarRows, AMenuBarBehindAnotherBarGetsARowAhead)
{
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CXTDockBar* pTop = frame.DockBar(XT_IDW_DOCKBAR_TOP);
    CPlainBar tool;
    CXTMenuBar menu;
    ASSERT_TRUE(tool.Create(&frame, 0xE851));
    ASSERT_TRUE(menu.Create(&frame, 0xE852));
    tool.EnableDocking(CBRS_ALIGN_ANY);
    menu.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&tool, XT_IDW_DOCKBAR_TOP);
    CRect rect;
    tool.GetWindowRect(&rect);
    rect.OffsetRect(rect.Width() + 10, 0);
    frame.DockControlBar(&menu, XT_IDW_DOCKBAR_TOP, &rect);
    frame.RecalcLayout();
    EXPECT_EQ(0, pTop->GetBarIndex(&menu));
    EXPECT_LT(pTop->GetRowStart(&menu), pTop->GetRowStart(&tool));
    EXPECT_EQ(0, CDockTestFrame::RectIn(&menu, pTop).top);
    EXPECT_EQ(CDockTestFrame::RectIn(&menu, pTop).bottom, CDockTestFrame::RectIn(&tool, pTop).top);
}

TEST(XTDockBarRows, RowSplittersFaceTheFramesClientOnEverySideAndGrowTheirRowAgainstTheMouse)
{
    struct Case
    {
        const char* name;
        UINT nID;
        CRect rectWindow;    // in the dock bar: with its depth 100 across and the length along
        int nSplitterFrom;   // across: where the row splitter begins
        int nSplitterDepth;
        int nDockBarDepth;
        DWORD dwBorders;     // what is left of the window's borders
        CSize offset;        // a drag of the splitter towards the frame's middle, 30 pixels
    };
    // -1 stands for the dock bar's length (filled in per case).
    const Case cases[] = {
        { "top", XT_IDW_DOCKBAR_TOP, CRect(0, 0, -1, 100), 100, 6, 106,
          CBRS_BORDER_LEFT | CBRS_BORDER_TOP | CBRS_BORDER_RIGHT, CSize(0, 30) },
        { "bottom", XT_IDW_DOCKBAR_BOTTOM, CRect(0, 6, -1, 106), 0, 6, 107, CBRS_BORDER_LEFT | CBRS_BORDER_RIGHT,
          CSize(0, -30) },
        { "left", XT_IDW_DOCKBAR_LEFT, CRect(0, 0, 100, -1), 100, 4, 104,
          CBRS_BORDER_LEFT | CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM, CSize(30, 0) },
        { "right", XT_IDW_DOCKBAR_RIGHT, CRect(7, 0, 107, -1), 0, 6, 107, CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM,
          CSize(-30, 0) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CDockTestFrame frame;
        ASSERT_TRUE(frame.CreateFrame());
        CXTDockBar* pDockBar = frame.DockBar(c.nID);
        const BOOL bHorz = c.nID == XT_IDW_DOCKBAR_TOP || c.nID == XT_IDW_DOCKBAR_BOTTOM;
        CXTDockWindow* pWindow = frame.AddWindow(c.nID, 100, 100);
        ASSERT_NE(nullptr, pWindow);
        frame.RecalcLayout();
        CRect rectClient;
        pDockBar->GetClientRect(&rectClient);
        CRect expected = c.rectWindow;
        if (bHorz)
            expected.right = rectClient.Width();
        else
            expected.bottom = rectClient.Height();
        EXPECT_EQ(expected, CDockTestFrame::RectIn(pWindow, pDockBar));
        EXPECT_EQ(c.nDockBarDepth, bHorz ? rectClient.Height() : rectClient.Width());
        EXPECT_EQ(c.dwBorders, pWindow->GetBarStyle() & CBRS_BORDER_ANY);
        CXTRowSplitter* pSplitter = FindSplitter(pDockBar, FALSE);
        ASSERT_NE(nullptr, pSplitter);
        EXPECT_EQ(c.nSplitterFrom, bHorz ? pSplitter->m_rect.top : pSplitter->m_rect.left);
        EXPECT_EQ(c.nSplitterDepth, bHorz ? pSplitter->m_rect.Height() : pSplitter->m_rect.Width());
        EXPECT_EQ(bHorz ? rectClient.Width() : rectClient.Height(),
                  bHorz ? pSplitter->m_rect.Width() : pSplitter->m_rect.Height());
        EXPECT_EQ(bHorz ? CXTRowSplitter::orientHorz : CXTRowSplitter::orientVert, pSplitter->m_nOrientation);

        DragSplitter(pDockBar, pSplitter, c.offset);
        ReleaseAt(pDockBar, pSplitter, c.offset);
        frame.RecalcLayout();
        const CRect rectAfter = CDockTestFrame::RectIn(pWindow, pDockBar);
        EXPECT_EQ(100 + 30, bHorz ? rectAfter.Height() : rectAfter.Width());
    }
}

// A tool bar that hides and shows buttons to fit, recording what it is asked.
class CFittingBar : public CPlainBar, public IXTToolBar
{
public:
    explicit CFittingBar(int nLength) : m_nFull(nLength), m_nLength(nLength) {}
    CSize CalcDynamicLayout(int, DWORD) override { return CSize(m_nLength, 30); }
    BOOL SupportsHiddenButtons() const override { return TRUE; }
    int HideButtonsToFit(int nWidth, int nLength, BOOL) override
    {
        calls.push_back("hide " + std::to_string(nWidth) + " " + std::to_string(nLength));
        m_nLength = std::max(30, std::min(nWidth, nLength));
        return m_nLength;
    }
    int ShowButtonsToFit(int nWidth, int nLength, BOOL) override
    {
        calls.push_back("show " + std::to_string(nWidth) + " " + std::to_string(nLength));
        m_nLength = std::min(m_nFull, std::max(nWidth, nLength));
        return m_nLength;
    }
    HWND GetToolBarHwnd() const override { return m_hWnd; }
    BOOL GetButton(int, TBBUTTON*) const override { return FALSE; }
    DWORD GetButtonStyle(int) const override { return 0; }
    CString GetButtonText(int) const override { return CString(); }
    UINT ApplyDrawTextFlags(UINT nFlags) const override { return nFlags; }
    int GetDroppedIndex() const override { return -1; }
    CXTButtonInfo* FindDropDownInfo(UINT) const override { return nullptr; }
    COLORREF GetBackgroundColor() const override { return CPlainBar::GetBackgroundColor(); }

    std::vector<std::string> calls;

private:
    int m_nFull;
    int m_nLength;
};

TEST(XTDockBarRows, TheLastToolBarOfARowHidesButtonsInsteadOfWrapping)
{
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CXTDockBar* pTop = frame.DockBar(XT_IDW_DOCKBAR_TOP);
    CFittingBar first(450), last(200);
    ASSERT_TRUE(first.Create(&frame, 0xE853));
    ASSERT_TRUE(last.Create(&frame, 0xE854));
    first.EnableDocking(CBRS_ALIGN_ANY);
    last.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&first, XT_IDW_DOCKBAR_TOP);
    CRect rect;
    first.GetWindowRect(&rect);
    rect.OffsetRect(rect.Width(), 0);
    rect.right = rect.left + 200;
    first.calls.clear();
    frame.DockControlBar(&last, XT_IDW_DOCKBAR_TOP, &rect);
    frame.RecalcLayout();
    CRect rectClient;
    pTop->GetClientRect(&rectClient);
    const int nRoom = rectClient.Width() - 450;
    ASSERT_GT(nRoom, 30);
    ASSERT_LT(nRoom, 200);

    EXPECT_EQ(pTop->GetRowStart(&first), pTop->GetRowStart(&last));
    ASSERT_FALSE(first.calls.empty());
    EXPECT_EQ("show 450 32767", first.calls.back());
    ASSERT_FALSE(last.calls.empty());
    EXPECT_EQ("hide 200 " + std::to_string(nRoom), last.calls[0]);
    EXPECT_EQ(CRect(450, 0, 450 + nRoom, 30), CDockTestFrame::RectIn(&last, pTop));

    // With room again, the hidden buttons come back.
    last.calls.clear();
    frame.ShowControlBar(&first, FALSE, FALSE);
    ASSERT_FALSE(last.calls.empty());
    EXPECT_EQ("show " + std::to_string(nRoom) + " " + std::to_string(rectClient.Width() - 450), last.calls[0]);
}

TEST(XTDockBarPaint, SplittersShowFaceEdgesAndLine)
{
    const BOOL bSavedFlat = xtAfxData.m_bFlatLook;
    const COLORREF clrFace = xtAfxData.m_clr3DFace, clrLight = xtAfxData.m_clr3DHilight,
                   clrDark = xtAfxData.m_clr3DShadow, clrFrame = xtAfxData.m_clrWindowFrame;
    struct Case
    {
        const char* name;
        DWORD dwDockBarStyle;
        BOOL bFlat;
        COLORREF clrTop, clrMiddle, clrNextToLast, clrLast;
    };
    const Case cases[] = {
        { "raised with a line", 0, FALSE, clrLight, clrFace, clrDark, clrFrame },
        { "no line", XT_DOCKBAR_NOSPLITTERLINE, FALSE, clrLight, clrFace, clrDark, clrFace },
        { "plain", XT_DOCKBAR_PLAINSPLITTERS, FALSE, clrFace, clrFace, clrFace, clrFace },
        { "flat look", 0, TRUE, clrFace, clrFace, clrFace, clrFace },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        xtAfxData.m_bFlatLook = c.bFlat;
        CXTDockBar dockBar;
        dockBar.SetDockBarStyle(c.dwDockBarStyle);
        CXTRowSplitter splitter(&dockBar, CRect(0, 2, 40, 8), CXTRowSplitter::orientHorz, 0);
        toolkit_test::CCanvas canvas(40, 10, RGB(255, 0, 255));
        splitter.Draw(&canvas.dc);
        EXPECT_EQ(RGB(255, 0, 255), canvas.At(20, 1));
        EXPECT_EQ(c.clrTop, canvas.At(20, 2));
        EXPECT_EQ(c.clrMiddle, canvas.At(20, 4));
        EXPECT_EQ(c.clrNextToLast, canvas.At(20, 6));
        EXPECT_EQ(c.clrLast, canvas.At(20, 7));
        EXPECT_EQ(RGB(255, 0, 255), canvas.At(20, 8));
    }
    xtAfxData.m_bFlatLook = bSavedFlat;
}

using MenuSeen = toolkit_test::ContextMenuSeen;

using toolkit_test::RightClickMenu;

TEST(XTDockBarMenu, ListsTheFramesBarsByGroupLastMadeFirst)
{
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CXTDockBar* pLeft = frame.DockBar(XT_IDW_DOCKBAR_LEFT);
    CXTDockWindow* pFirst = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 120, 100, nullptr, "Eins", 0xE840);
    CXTDockWindow* pSecond = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 120, 100, nullptr, "Zwei", 0xE841);
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    CPlainBar plain, apart;
    ASSERT_TRUE(plain.Create(&frame, 0xE850));
    ASSERT_TRUE(apart.Create(&frame, 0xE851));
    apart.m_bContextMenus = FALSE;
    CStatusBar status;
    ASSERT_TRUE(status.Create(&frame));
    frame.ShowControlBar(pSecond, FALSE, FALSE);

    MenuSeen seen = RightClickMenu(*pLeft);
    ASSERT_TRUE(seen.bSeen);
    const std::vector<std::string> expected = { "59457 Zwei", "59456 Eins [x]", "0 ", "59472 Control Bar [x]",
                                                "59393 Status Bar [x]" };
    EXPECT_EQ(expected, seen.entries);

    {
        SCOPED_TRACE("the option off: no menu");
        BOOL bSaved = xtAfxData.m_bDockBarListMenus;
        xtAfxData.m_bDockBarListMenus = FALSE;
        EXPECT_FALSE(RightClickMenu(*pLeft).bSeen);
        xtAfxData.m_bDockBarListMenus = bSaved;
    }
    {
        SCOPED_TRACE("bar lists off: only the status bar");
        BOOL bSaved = xtAfxData.m_bBarListMenus;
        xtAfxData.m_bBarListMenus = FALSE;
        MenuSeen statusOnly = RightClickMenu(*pLeft);
        xtAfxData.m_bBarListMenus = bSaved;
        EXPECT_EQ(std::vector<std::string>{ "59393 Status Bar [x]" }, statusOnly.entries);
    }
}

TEST(XTDockBarRows, ABarPastTheRowsEndWrapsToTheNextRow)
{
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CXTDockBar* pTop = frame.DockBar(XT_IDW_DOCKBAR_TOP);
    CFittingBar first(700);   // longer than the row: the next bar starts past its end
    CPlainBar second;         // no hidden buttons: it wraps
    ASSERT_TRUE(first.Create(&frame, 0xE855));
    ASSERT_TRUE(second.Create(&frame, 0xE856));
    first.EnableDocking(CBRS_ALIGN_ANY);
    second.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&first, XT_IDW_DOCKBAR_TOP);
    CRect rectClient;
    pTop->GetClientRect(&rectClient);
    CRect rect;
    first.GetWindowRect(&rect);
    rect.left = rect.right = rect.left + rectClient.Width() + 20;   // past the end, in the row
    rect.right += 30;
    frame.DockControlBar(&second, XT_IDW_DOCKBAR_TOP, &rect);
    ASSERT_LT(rectClient.Width(), 700);
    frame.RecalcLayout();
    // The first row ends before the bar that wrapped.
    EXPECT_EQ(0, pTop->GetBarIndex(&first));
    EXPECT_EQ(2, pTop->GetBarIndex(&second));
    EXPECT_NE(pTop->GetRowStart(&first), pTop->GetRowStart(&second));
    EXPECT_EQ(CRect(0, 30, 30, 110), CDockTestFrame::RectIn(&second, pTop));
}

} // namespace
