#include "shared/menuobj/TextViewWnd.h"

#include "helpers/TestSupport.h"
#include "shared/support/BmpTestFiles.h"
#include "shared/menuobj/LineStore.h"
#include "shared/menuobj/MObjScrollet.h"
#include "shared/menuobj/ViewerCreateStruct.h"

#include "TestWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <vector>

namespace {

const COLORREF kBack = RGB(250, 250, 250);
const UINT kViewerId = 5010;

// A visible page window that the viewers are made in.
class Page
{
public:
    Page()
    {
        EXPECT_TRUE(m_wnd.CreateEx(0, nullptr, "Page", WS_POPUP | WS_VISIBLE, 0, 0, 500, 400, nullptr, nullptr));
    }
    ~Page() { m_wnd.DestroyWindow(); }
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    CWnd* Wnd() { return &m_wnd; }

private:
    CWnd m_wnd;
};

CSize ArialExtent(const CString& strText, int nHeight = -12, int nWeight = FW_NORMAL)
{
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfCharSet = ANSI_CHARSET;
    lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
    return menuobj_testing::ScreenTextExtent(lf, strText);
}

void FillLines(CLineStore& store, int nCount, const CString& strLine = "Line of text")
{
    for (int i = 0; i < nCount; ++i)
        store.AddLine(strLine);
}

// A viewer over the lines in the page, with the given flags.
std::unique_ptr<CTextViewWnd> MakeViewer(Page& page, CLineStore& store, const CRect& rect, BOOL bHorz = TRUE,
                                         BOOL bVert = TRUE, BOOL bBorder = TRUE)
{
    auto pViewer = std::make_unique<CTextViewWnd>();
    pViewer->SetScrollBars(bHorz, bVert);
    pViewer->SetBorder(bBorder);
    EXPECT_TRUE(pViewer->CreateViewer(rect, page.Wnd(), kViewerId, &store, "Arial", RGB(0, 0, 0), kBack));
    return pViewer;
}

void Scroll(CTextViewWnd& viewer, UINT nMessage, UINT nCode, UINT nPos = 0)
{
    viewer.SendMessage(nMessage, MAKEWPARAM(nCode, nPos), 0);
}

CSize ClientSize(CWnd& wnd)
{
    CRect rc;
    wnd.GetClientRect(rc);
    return rc.Size();
}

// The first client row of the window, from the top, that holds a pixel other
// than the colour; -1 when there is none.
int FirstInkRow(CWnd& wnd, COLORREF crBack)
{
    CSize client = ClientSize(wnd);
    HDC hdc = ::GetDC(wnd.GetSafeHwnd());
    int nRow = -1;
    for (int y = 0; y < client.cy && nRow < 0; ++y)
        for (int x = 0; x < client.cx; ++x)
            if ((::GetPixel(hdc, x, y) & 0xFFFFFF) != crBack)
            {
                nRow = y;
                break;
            }
    ::ReleaseDC(wnd.GetSafeHwnd(), hdc);
    return nRow;
}

} // namespace

// The object rectangle stays the window rectangle, with or without border.
TEST(TextViewWndTest, StyleFollowsTheBorderAndScrollBarFlagsAndTheRectangleTheWindow)
{
    static const struct { BOOL bHorz, bVert, bBorder; DWORD dwStyle; } kCases[] = {
        { TRUE, TRUE, TRUE, 0x54810984 | WS_HSCROLL | WS_VSCROLL },
        { FALSE, FALSE, TRUE, 0x54810984 },
        { FALSE, FALSE, FALSE, 0x54010984 },
        { TRUE, FALSE, FALSE, 0x54010984 | WS_HSCROLL },
        { FALSE, TRUE, FALSE, 0x54010984 | WS_VSCROLL },
    };
    Page page;
    CLineStore store;
    FillLines(store, 3);
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(testing::Message() << c.bHorz << c.bVert << c.bBorder);
        auto pViewer = MakeViewer(page, store, CRect(20, 30, 220, 130), c.bHorz, c.bVert, c.bBorder);
        EXPECT_EQ(c.dwStyle, pViewer->GetStyle());
        EXPECT_EQ(kViewerId, (UINT)pViewer->GetDlgCtrlID());
        EXPECT_EQ(page.Wnd()->GetSafeHwnd(), ::GetParent(pViewer->GetSafeHwnd()));
        EXPECT_EQ(CRect(20, 30, 220, 130), CRect(pViewer->GetObjectRect()));
        pViewer->MoveWindow(50, 60, 200, 100, TRUE);
        EXPECT_EQ(CRect(50, 60, 250, 160), CRect(pViewer->GetObjectRect()));
        pViewer->SetObjectRect(CRect(5, 6, 105, 56));
        EXPECT_EQ(CRect(5, 6, 105, 56), CRect(pViewer->GetObjectRect()));
    }
}

TEST(TextViewWndTest, TextSizeIsWhatTheWholeTextNeeds)
{
    Page page;
    CLineStore store;
    store.AddLine("Hello");
    store.AddLine("A longer second line");
    auto pViewer = MakeViewer(page, store, CRect(0, 0, 200, 100));
    CSize first = ArialExtent("Hello");
    CSize second = ArialExtent("A longer second line");
    EXPECT_EQ(CSize(5 + second.cx + 10, first.cy + second.cy + 10), pViewer->GetTextSize());
}

TEST(TextViewWndTest, VerticalScrollingStaysWithinTheText)
{
    Page page;
    CLineStore store;
    FillLines(store, 60);
    auto pViewer = MakeViewer(page, store, CRect(0, 0, 200, 150));
    const int nClient = ClientSize(*pViewer).cy;
    const int nMax = pViewer->GetTextSize().cy - nClient;
    ASSERT_GT(nMax, 200);

    for (int i = 0; i < 10; ++i)
        Scroll(*pViewer, WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(100, pViewer->GetScrollPosition().y);
    EXPECT_EQ(100, ::GetScrollPos(pViewer->GetSafeHwnd(), SB_VERT));

    static const struct { UINT nCode; UINT nPos; int nExpected; } kSteps[] = {
        { SB_LINEUP, 0, 90 },
        { SB_PAGEDOWN, 0, 90 + nClient / 2 },
        { SB_PAGEUP, 0, 90 },
        { SB_THUMBTRACK, 37, 37 },
        { SB_THUMBPOSITION, 5000, nMax },
        { SB_TOP, 0, 0 },
        { SB_LINEUP, 0, 0 },
        { SB_BOTTOM, 0, nMax },
        { SB_LINEDOWN, 0, nMax },
        { SB_ENDSCROLL, 0, nMax },
    };
    for (const auto& step : kSteps)
    {
        SCOPED_TRACE(testing::Message() << "code " << step.nCode);
        Scroll(*pViewer, WM_VSCROLL, step.nCode, step.nPos);
        EXPECT_EQ(step.nExpected, pViewer->GetScrollPosition().y);
    }
    EXPECT_EQ(0, pViewer->GetScrollPosition().x);
}

TEST(TextViewWndTest, ATextNarrowerThanTheWindowDoesNotMoveSideways)
{
    Page page;
    CLineStore store;
    FillLines(store, 60, "Short");
    auto pViewer = MakeViewer(page, store, CRect(0, 0, 300, 150));
    for (UINT nCode : { SB_LINERIGHT, SB_PAGERIGHT, SB_RIGHT })
    {
        SCOPED_TRACE(nCode);
        Scroll(*pViewer, WM_HSCROLL, nCode);
        EXPECT_EQ(0, pViewer->GetScrollPosition().x);
    }
}

TEST(TextViewWndTest, ScrollRangesCoverTextAndWindowAndResizingStartsAtTheTop)
{
    Page page;
    CLineStore store;
    FillLines(store, 60, "A line that is wider than the narrow viewer window");
    auto pViewer = MakeViewer(page, store, CRect(0, 0, 120, 150));
    Scroll(*pViewer, WM_VSCROLL, SB_LINEDOWN);
    Scroll(*pViewer, WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(CPoint(10, 10), pViewer->GetScrollPosition());

    pViewer->MoveWindow(0, 0, 400, 200, TRUE);
    EXPECT_EQ(CPoint(0, 0), pViewer->GetScrollPosition());
    SCROLLINFO si = { sizeof(si), SIF_ALL, 0, 0, 0, 0, 0 };
    ASSERT_TRUE(::GetScrollInfo(pViewer->GetSafeHwnd(), SB_HORZ, &si));
    const CSize client = ClientSize(*pViewer);
    SCROLLINFO vert = si;
    ASSERT_TRUE(::GetScrollInfo(pViewer->GetSafeHwnd(), SB_VERT, &vert));
    EXPECT_EQ((std::vector<int>{ std::max<int>(pViewer->GetTextSize().cx, client.cx), client.cx, 0,
                                 pViewer->GetTextSize().cy, client.cy }),
              (std::vector<int>{ si.nMax, int(si.nPage), si.nPos, vert.nMax, int(vert.nPage) }));
}

TEST(TextViewWndTest, PaintsTheTextFromTheScrollPosition)
{
    Page page;
    CLineStore store;
    // Three empty lines of 16 pixels above the text.
    store.AddLine("<html><body bgcolor=\"#000080\" text=\"#FFFF00\">");
    for (int i = 0; i < 3; ++i)
        store.AddLine("");
    FillLines(store, 40, "<h2>Heading text</h2>");
    auto pViewer = MakeViewer(page, store, CRect(0, 0, 300, 200), TRUE, TRUE, FALSE);
    pViewer->UpdateWindow();
    const COLORREF crNavy = RGB(0, 0, 128);
    const int nInkTop = FirstInkRow(*pViewer, crNavy);
    EXPECT_GE(nInkTop, 48);
    EXPECT_LT(nInkTop, 48 + ArialExtent("Heading text", -24, FW_BOLD).cy);

    Scroll(*pViewer, WM_VSCROLL, SB_LINEDOWN);
    Scroll(*pViewer, WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(nInkTop - 20, FirstInkRow(*pViewer, crNavy));

    // Beyond the text's width the window shows the text's background.
    pViewer->MoveWindow(0, 0, 480, 200, TRUE);
    pViewer->UpdateWindow();
    ASSERT_LT(pViewer->GetTextSize().cx, ClientSize(*pViewer).cx);
    HDC hdc = ::GetDC(pViewer->GetSafeHwnd());
    CSize client = ClientSize(*pViewer);
    EXPECT_EQ(crNavy, ::GetPixel(hdc, client.cx - 1, 2) & 0xFFFFFF);
    ::ReleaseDC(pViewer->GetSafeHwnd(), hdc);
}

TEST(TextViewWndTest, TheTextFieldObjectShowsItsFileInAViewer)
{
    Page page;
    testing_support::TempFolder folder;
    CViewerCreateStruct cs;
    cs.m_strDocument = folder.Write("Readme.txt", CString("First line\r\nSecond line\r\n"));
    cs.m_rect = CRect(10, 20, 210, 120);
    cs.m_bScrollVert = 1;
    CMObjScrollet object;
    ASSERT_TRUE(object.Create(&cs, page.Wnd(), 5003, RGB(128, 128, 128), FALSE));
    const CTextViewWnd& viewer = object.GetViewer();
    ASSERT_NE(nullptr, viewer.GetSafeHwnd());
    EXPECT_EQ(CRect(10, 20, 210, 120), CRect(cs.m_rect));
    EXPECT_EQ(CRect(10, 20, 210, 120), CRect(object.GetObjectRect()));
    EXPECT_EQ(DWORD(WS_VSCROLL | WS_BORDER), viewer.GetStyle() & (WS_VSCROLL | WS_HSCROLL | WS_BORDER));
    EXPECT_GT(viewer.GetTextSize().cy, 2 * 10);

    // A missing file gives an empty viewer and no message.
    testing_support::MessageBoxRecorder boxes;
    CViewerCreateStruct missing;
    missing.m_strDocument = folder.File("Missing.txt");
    missing.m_rect = CRect(0, 0, 100, 50);
    CMObjScrollet empty;
    ASSERT_TRUE(empty.Create(&missing, page.Wnd(), 5004, RGB(128, 128, 128), FALSE));
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_EQ(CSize(10, 10), empty.GetViewer().GetTextSize());
}

namespace {

// Counts the pixels of the surface's rectangle that are neither of the two
// colours, and those that are the first.
struct InkCount
{
    int nInk = 0;
    int nBack = 0;
};

InkCount CountInk(const bmp_test::Surface& surface, const CRect& rc, COLORREF crBack, COLORREF crOther)
{
    InkCount count;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
        {
            const COLORREF cr = surface.At(x, y);
            count.nBack += cr == crBack;
            count.nInk += cr != crBack && cr != crOther;
        }
    return count;
}

const COLORREF kOutside = RGB(1, 2, 3);

// Paints the viewer into a surface larger than its client area and checks
// that the client area shows text on the background and nothing else was
// drawn. Returns the time the paint took.
DWORD ExpectClientSizedPaint(CTextViewWnd& viewer)
{
    const CSize client = ClientSize(viewer);
    bmp_test::Surface surface(client.cx * 2, client.cy * 2, kOutside);
    bmp_test::BorrowedDC dc(surface.DC());
    const DWORD dwStart = GetTickCount();
    viewer.Paint(&dc);
    const DWORD dwTime = GetTickCount() - dwStart;
    const InkCount inside = CountInk(surface, CRect(CPoint(0, 0), client), kBack, kOutside);
    EXPECT_GT(inside.nInk, 0);
    EXPECT_GT(inside.nBack, client.cx * client.cy / 4);
    const InkCount right = CountInk(surface, CRect(client.cx, 0, client.cx * 2, client.cy * 2), kBack, kOutside);
    const InkCount below = CountInk(surface, CRect(0, client.cy, client.cx, client.cy * 2), kBack, kOutside);
    EXPECT_EQ(0, right.nInk + right.nBack + below.nInk + below.nBack);
    return dwTime;
}

} // namespace

TEST(TextViewWndTest, ALongTextIsPaintedThroughAClientSizedPicture)
{
    // 3,000 lines of 150 characters: the whole text would need a picture of
    // more than a hundred megabytes.
    Page page;
    CLineStore store;
    CString strLine;
    for (int i = 0; i < 150; ++i)
        strLine += char('a' + i % 26);
    FillLines(store, 3000, strLine);
    auto pViewer = MakeViewer(page, store, CRect(0, 0, 300, 200));
    ASSERT_GT(pViewer->GetTextSize().cx * pViewer->GetTextSize().cy, 25 * 1000 * 1000);

    DWORD dwSlowest = ExpectClientSizedPaint(*pViewer);
    for (UINT nCode : { SB_LINEDOWN, SB_PAGEDOWN, SB_BOTTOM })
    {
        SCOPED_TRACE(nCode);
        Scroll(*pViewer, WM_VSCROLL, nCode);
        Scroll(*pViewer, WM_HSCROLL, SB_LINERIGHT);
        dwSlowest = std::max(dwSlowest, ExpectClientSizedPaint(*pViewer));
    }
    std::cout << "[ figure   ] slowest paint of 3,000 lines: " << dwSlowest << " ms\n";
}

TEST(TextViewWndTest, TextsOfVeryLongLinesShowInsteadOfABlackWindow)
{
    // Headings of thousands of characters: 9 KB lays out tens of thousands
    // of pixels wide and thousands high, 12 KB more than a picture of the
    // whole text can hold.
    struct LongCase
    {
        const char* name;
        int nLongLines;
        int nShortLines;
    } const cases[] = { { "9 KB", 2, 270 }, { "12 KB", 3, 265 } };
    Page page;
    for (const LongCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        CLineStore store;
        store.AddLine("<html><body bgcolor=\"#FAFAFA\"><h1>");
        for (int i = 0; i < c.nLongLines; ++i)
            store.AddLine(CString('W', 2000 + 500 * i));
        for (int i = 0; i < c.nShortLines; ++i)
            store.AddLine("Wide heading text");
        auto pViewer = MakeViewer(page, store, CRect(0, 0, 300, 200));
        ASSERT_GT(pViewer->GetTextSize().cx, 40000);
        ASSERT_GT(pViewer->GetTextSize().cy, 4000);
        ExpectClientSizedPaint(*pViewer);
        Scroll(*pViewer, WM_HSCROLL, SB_RIGHT);
        Scroll(*pViewer, WM_VSCROLL, SB_LINEDOWN);
        ExpectClientSizedPaint(*pViewer);

        // On the screen as well.
        pViewer->Invalidate(TRUE);
        pViewer->UpdateWindow();
        EXPECT_GE(FirstInkRow(*pViewer, kBack), 0);
    }
}
