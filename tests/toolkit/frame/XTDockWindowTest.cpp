// The dock window: its sizes by docking state, the caption buttons' places,
// states and tips, the hide and expand commands, focus from a caption click,
// the floating initial update, "Bar Position" in the registry, a view made
// inside it, and its caption's grip lines, fill and gradient.
#include "toolkit/frame/XTBarButton.h"
#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTDockWindow.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/Afx.h"
#include "framework/Edit.h"
#include "framework/View.h"
#include "framework/WinApp.h"
#include "toolkit/XTTestCanvas.h"
#include "toolkit/frame/XTDockTestFrame.h"
#include "toolkit/bars/XTTestAppKey.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using toolkit_test::CDockTestFrame;

void PumpMessages() { testing_support::PumpPendingMessages(); }

// The rectangle of a caption button in its dock window's client coordinates.
CRect ButtonRect(CXTDockWindow* pWindow, CWnd* pButton)
{
    CRect rect;
    pButton->GetWindowRect(&rect);
    pWindow->ScreenToClient(&rect);
    return rect;
}

void IdleUpdate(CWnd* pBar)
{
    pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
}

// A second window docked on the left just below the first, in the same row.
CXTDockWindow* AddBelow(CDockTestFrame& frame, CXTDockWindow* pFirst)
{
    CRect rect;
    pFirst->GetWindowRect(&rect);
    rect.OffsetRect(0, 10);
    CXTDockWindow* pSecond = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 150, 100, &rect);
    frame.RecalcLayout();
    return pSecond;
}

TEST(XTDockWindow, CreateTurnsTheDockedSizesBySide)
{
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    struct Case
    {
        const char* name;
        DWORD dwStyle;
        CSize sizeVert, sizeHorz;
    };
    const Case cases[] = {
        { "left", CBRS_ALIGN_LEFT, CSize(200, 100), CSize(100, 200) },
        { "right border", CBRS_BORDER_RIGHT, CSize(200, 100), CSize(100, 200) },
        { "top", CBRS_ALIGN_TOP, CSize(100, 200), CSize(200, 100) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CXTDockWindow window;
        ASSERT_TRUE(window.Create(&frame, 0xE860, "Sizes", 200, 100, WS_CHILD | WS_VISIBLE | c.dwStyle));
        EXPECT_EQ(c.sizeVert, window.m_sizeVertDocked);
        EXPECT_EQ(c.sizeHorz, window.m_sizeHorzDocked);
        EXPECT_EQ(CSize(300, 150), window.m_sizeMRUFloat);
        EXPECT_NE(0u, window.GetBarStyle() & CBRS_SIZE_DYNAMIC);
        // A floating resize below 50 gives 50.
        EXPECT_EQ(50, window.CalcDynamicLayout(20, LM_HORZ).cx);
        EXPECT_EQ(50, window.CalcDynamicLayout(10, LM_HORZ | LM_LENGTHY).cy);
    }
}

TEST(XTDockWindow, CaptionButtonsSitAtTheCaptionsEnd)
{
    toolkit_test::FlatLookScope look;
    xtAfxData.m_bFlatLook = FALSE;
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CXTDockWindow* pLeft = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 200, 120);
    CXTDockWindow* pTop = frame.AddWindow(XT_IDW_DOCKBAR_TOP, 300, 100);
    ASSERT_NE(nullptr, pLeft);
    ASSERT_NE(nullptr, pTop);
    frame.RecalcLayout();
    CRect rectClient;
    pLeft->GetClientRect(&rectClient);
    ASSERT_EQ(200, rectClient.Width());
    {
        SCOPED_TRACE("docked left: expand, then hide, along the top strip");
        EXPECT_EQ(CRect(171, 6, 183, 18), ButtonRect(pLeft, pLeft->GetExpandButton()));
        EXPECT_EQ(CRect(185, 6, 197, 18), ButtonRect(pLeft, pLeft->GetHideButton()));
    }
    {
        SCOPED_TRACE("docked at the top: hide above expand down the left strip");
        EXPECT_EQ(CRect(3, 3, 15, 15), ButtonRect(pTop, pTop->GetHideButton()));
        EXPECT_EQ(CRect(3, 17, 15, 29), ButtonRect(pTop, pTop->GetExpandButton()));
    }
    EXPECT_EQ(24, pLeft->GetCaptionSize());
    EXPECT_EQ(18, pTop->GetCaptionSize());
}

TEST(XTDockWindow, AWindowAloneInItsRowCannotExpand)
{
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CXTDockWindow* pFirst = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 150, 100);
    ASSERT_NE(nullptr, pFirst);
    frame.RecalcLayout();
    IdleUpdate(pFirst);
    EXPECT_TRUE(pFirst->IsAloneInRow());
    EXPECT_EQ(3, pFirst->GetButtonState());
    EXPECT_FALSE(pFirst->GetExpandButton()->IsWindowEnabled());

    // The button stays disabled until the dock bar clears the flag.
    IdleUpdate(pFirst);
    EXPECT_FALSE(pFirst->GetExpandButton()->IsWindowEnabled());
    ASSERT_NE(nullptr, AddBelow(frame, pFirst));
    IdleUpdate(pFirst);
    EXPECT_FALSE(pFirst->IsAloneInRow());
    EXPECT_EQ(4, pFirst->GetButtonState());
    EXPECT_TRUE(pFirst->GetExpandButton()->IsWindowEnabled());
}

TEST(XTDockWindow, HideAndExpandCommands)
{
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CXTDockBar* pLeft = frame.DockBar(XT_IDW_DOCKBAR_LEFT);
    CXTDockWindow* pFirst = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 150, 100);
    ASSERT_NE(nullptr, pFirst);
    frame.RecalcLayout();
    CXTDockWindow* pSecond = AddBelow(frame, pFirst);
    ASSERT_NE(nullptr, pSecond);
    CRect rectClient;
    pLeft->GetClientRect(&rectClient);
    const int nHeight = rectClient.Height();
    const int nFirst = CDockTestFrame::RectIn(pFirst, pLeft).Height();
    const int nSecond = CDockTestFrame::RectIn(pSecond, pLeft).Height();

    {
        SCOPED_TRACE("5512 expands: the other goes down to its caption");
        pFirst->SendMessage(WM_COMMAND, XT_IDC_BTN_EXPAND);
        EXPECT_TRUE(pFirst->IsExpanded());
        EXPECT_EQ(pSecond->GetCaptionSize(), CDockTestFrame::RectIn(pSecond, pLeft).Height());
        EXPECT_EQ(nHeight - XT_SPLITTER_SIZE - pSecond->GetCaptionSize(),
                  CDockTestFrame::RectIn(pFirst, pLeft).Height());
        IdleUpdate(pFirst);
        EXPECT_EQ(8, pFirst->GetButtonState());
    }
    {
        SCOPED_TRACE("the frame lays out again: the expansion holds");
        frame.RecalcLayout();
        EXPECT_EQ(pSecond->GetCaptionSize(), CDockTestFrame::RectIn(pSecond, pLeft).Height());
    }
    {
        SCOPED_TRACE("5512 again contracts: both back");
        pFirst->SendMessage(WM_COMMAND, XT_IDC_BTN_EXPAND);
        EXPECT_FALSE(pFirst->IsExpanded());
        EXPECT_EQ(nFirst, CDockTestFrame::RectIn(pFirst, pLeft).Height());
        EXPECT_EQ(nSecond, CDockTestFrame::RectIn(pSecond, pLeft).Height());
    }
    {
        SCOPED_TRACE("an expanded window that is hidden gives the row back");
        pFirst->SendMessage(WM_COMMAND, XT_IDC_BTN_EXPAND);
        pFirst->SendMessage(WM_COMMAND, XT_IDC_BTN_HIDE);
        EXPECT_FALSE(pFirst->IsWindowVisible());
        EXPECT_FALSE(pFirst->IsExpanded());
        EXPECT_EQ(nHeight, CDockTestFrame::RectIn(pSecond, pLeft).Height());
    }
    {
        SCOPED_TRACE("the button's click hides the bar");
        pSecond->GetHideButton()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        pSecond->GetHideButton()->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        EXPECT_FALSE(pSecond->IsWindowVisible());
    }
}

TEST(XTDockWindow, ACaptionClickFocusesTheLargestChild)
{
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    frame.ShowWindow(SW_SHOW);
    ::SetForegroundWindow(frame.m_hWnd);
    CXTDockWindow* pWindow = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 200, 200);
    ASSERT_NE(nullptr, pWindow);
    frame.RecalcLayout();
    CEdit small, large, hidden;
    ASSERT_TRUE(small.Create(WS_CHILD | WS_VISIBLE, CRect(10, 30, 40, 50), pWindow, 1));
    ASSERT_TRUE(large.Create(WS_CHILD | WS_VISIBLE, CRect(10, 60, 150, 150), pWindow, 2));
    ASSERT_TRUE(hidden.Create(WS_CHILD, CRect(0, 0, 190, 190), pWindow, 3));
    EXPECT_FALSE(pWindow->IsActive());
    // The press starts the dock context's drag, which the release ends.
    pWindow->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 10));
    pWindow->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 10));
    EXPECT_EQ(large.m_hWnd, ::GetFocus());
    EXPECT_TRUE(pWindow->IsActive());
}

// Counts the initial updates a window receives.
struct InitialUpdateCounter
{
    static int nCount;
    static WNDPROC pfnOld;
    static LRESULT CALLBACK Proc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        if (nMsg == WM_INITIALUPDATE)
            ++nCount;
        return ::CallWindowProcA(pfnOld, hWnd, nMsg, wParam, lParam);
    }
};
int InitialUpdateCounter::nCount = 0;
WNDPROC InitialUpdateCounter::pfnOld = nullptr;

TEST(XTDockWindow, AFloatingBarsInitialUpdateComesOnceAndNotAfterAnother)
{
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    for (BOOL bEarlyUpdate : { FALSE, TRUE })
    {
        SCOPED_TRACE(bEarlyUpdate ? "a WM_INITIALUPDATE came first" : "the posted one");
        PumpMessages();
        CXTDockWindow window;   // not docked: floating
        ASSERT_TRUE(window.Create(&frame, 0xE861, "Float", 120, 80, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT));
        CWnd child;
        ASSERT_TRUE(child.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &window, 1));
        InitialUpdateCounter::nCount = 0;
        InitialUpdateCounter::pfnOld =
            (WNDPROC)::SetWindowLongPtrA(child.m_hWnd, GWLP_WNDPROC, (LONG_PTR)InitialUpdateCounter::Proc);
        if (bEarlyUpdate)
            window.SendMessage(WM_INITIALUPDATE);
        PumpMessages();
        EXPECT_EQ(bEarlyUpdate ? 0 : 1, InitialUpdateCounter::nCount);
        ::SetWindowLongPtrA(child.m_hWnd, GWLP_WNDPROC, (LONG_PTR)InitialUpdateCounter::pfnOld);
    }
}

const char kSection[] = "Layout-Bar0";

TEST(XTDockWindow, BarPositionRoundTripAndWrongLengthsIgnored)
{
    toolkit_test::AppKeyScope key("TarnixDockWindowTest", "DockWindow");
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CXTDockWindow* pWindow = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 180, 90);
    ASSERT_NE(nullptr, pWindow);
    pWindow->m_sizeVertDocked = CSize(181, 91);
    pWindow->m_sizeHorzDocked = CSize(92, 182);
    pWindow->m_sizeMRUFloat = CSize(301, 151);
    pWindow->m_sizeFloat = CSize(183, 93);
    pWindow->m_bAloneInRow = TRUE;
    pWindow->m_bExpanded = TRUE;
    pWindow->SaveBarSize(kSection);

    BYTE* pData = nullptr;
    UINT nBytes = 0;
    CXTRegistryStore store;
    ASSERT_TRUE(store.GetProfileBinary(kSection, "Bar Position", &pData, &nBytes));
    ASSERT_EQ(44u, nBytes);
    const int expected[11] = { 181, 91, 92, 182, 301, 151, 183, 93, 1, 1, (int)pWindow->GetBarStyleEx() };
    EXPECT_EQ(0, memcmp(expected, pData, sizeof(expected)));
    delete[] pData;

    pWindow->m_sizeVertDocked = pWindow->m_sizeHorzDocked = pWindow->m_sizeMRUFloat = pWindow->m_sizeFloat =
        CSize(10, 10);
    pWindow->m_bAloneInRow = pWindow->m_bExpanded = FALSE;
    pWindow->LoadBarSize(kSection);
    EXPECT_EQ(CSize(181, 91), pWindow->m_sizeVertDocked);
    EXPECT_EQ(CSize(92, 182), pWindow->m_sizeHorzDocked);
    EXPECT_EQ(CSize(301, 151), pWindow->m_sizeMRUFloat);
    EXPECT_EQ(CSize(183, 93), pWindow->m_sizeFloat);
    EXPECT_TRUE(pWindow->m_bAloneInRow);
    EXPECT_TRUE(pWindow->IsExpanded());

    struct Case
    {
        const char* name;
        UINT nBytes;
        int nFirst;
    };
    const Case cases[] = {
        { "40 bytes", 40, 5 },
        { "48 bytes", 48, 5 },
        { "a size below 0", 44, -5 },
        { "a size above 32767", 44, 40000 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        int values[12] = { c.nFirst, 5, 5, 5, 5, 5, 5, 5, 0, 0, 0, 0 };
        ASSERT_TRUE(store.WriteProfileBinary(kSection, "Bar Position",
                                             reinterpret_cast<const BYTE*>(values), c.nBytes));
        pWindow->LoadBarSize(kSection);
        EXPECT_EQ(CSize(181, 91), pWindow->m_sizeVertDocked);
        EXPECT_EQ(CSize(183, 93), pWindow->m_sizeFloat);
    }
    // No value at all: the sizes stay too.
    pWindow->LoadBarSize("No-Such-Section");
    EXPECT_EQ(CSize(181, 91), pWindow->m_sizeVertDocked);
}

TEST(XTDockWindowPaint, TheCaptionsGripLineStartsAfterTheTitle)
{
    toolkit_test::FlatLookScope look;
    xtAfxData.m_bFlatLook = FALSE;
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CXTDockWindow* pWindow = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 200, 150, nullptr, "Eins");
    ASSERT_NE(nullptr, pWindow);
    frame.RecalcLayout();
    CRect rectClient;
    pWindow->GetClientRect(&rectClient);
    CRect rectGrip;
    pWindow->GetGripperRect(rectGrip);
    // The title's width in the caption font, from the line's start.
    toolkit_test::CCanvas canvas(rectClient.Width(), rectClient.Height(), RGB(255, 0, 255));
    CFont* pOld = canvas.dc.SelectObject(&pWindow->m_fontHorz);
    const int nTitle = canvas.dc.GetTextExtent(CString("Eins")).cx + 5;
    canvas.dc.SelectObject(pOld);
    canvas.dc.FillSolidRect(&rectClient, xtAfxData.m_clr3DFace);
    pWindow->DoPaint(&canvas.dc);

    CRect rectLine(rectGrip.left + nTitle, rectGrip.top + 2, rectGrip.right, rectGrip.bottom + 2);
    ASSERT_GT(rectLine.Width(), 10);
    EXPECT_EQ(xtAfxData.m_clr3DHilight, canvas.At(rectLine.left, rectLine.top));
    EXPECT_EQ(xtAfxData.m_clr3DHilight, canvas.At(rectLine.right - 2, rectLine.top));
    EXPECT_EQ(xtAfxData.m_clr3DShadow, canvas.At(rectLine.right - 1, rectLine.bottom - 1));
    EXPECT_EQ(xtAfxData.m_clr3DShadow, canvas.At(rectLine.left + 1, rectLine.bottom - 1));
    // Nothing of the line where the title is.
    EXPECT_NE(xtAfxData.m_clr3DHilight, canvas.At(rectGrip.left + 1, rectLine.top));
}

TEST(XTDockWindowPaint, AFilledCaptionTakesTheCaptionColoursOrTheirGradient)
{
    toolkit_test::FlatLookScope look;
    xtAfxData.m_bFlatLook = FALSE;
    // End colours far from the start colours, which the system may give alike.
    const COLORREF clrSavedActive = xtAfxData.m_clrGradActiveCapt, clrSavedInactive = xtAfxData.m_clrGradInactiveCapt;
    auto opposite = [](COLORREF clr) { return RGB(255 - GetRValue(clr), 255 - GetGValue(clr), 255 - GetBValue(clr)); };
    xtAfxData.m_clrGradActiveCapt = opposite(xtAfxData.m_clrActiveCaption);
    xtAfxData.m_clrGradInactiveCapt = opposite(xtAfxData.m_clrInactiveCaption);
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CXTDockWindow* pWindow = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 200, 150, nullptr, "");
    ASSERT_NE(nullptr, pWindow);
    frame.RecalcLayout();
    struct Case
    {
        const char* name;
        DWORD dwStyle;
        BOOL bActive;
        BOOL bGradient;
        COLORREF clrLeft, clrRight;
    };
    const Case cases[] = {
        { "filled, active", BARSTYLE_CAPTION_FILL, TRUE, TRUE, xtAfxData.m_clrActiveCaption,
          xtAfxData.m_clrActiveCaption },
        { "filled, inactive", BARSTYLE_CAPTION_FILL, FALSE, TRUE, xtAfxData.m_clrInactiveCaption,
          xtAfxData.m_clrInactiveCaption },
        { "gradient, active", BARSTYLE_CAPTION_FILL | BARSTYLE_CAPTION_GRADIENT, TRUE, TRUE,
          xtAfxData.m_clrActiveCaption, xtAfxData.m_clrGradActiveCapt },
        { "gradient, inactive", BARSTYLE_CAPTION_FILL | BARSTYLE_CAPTION_GRADIENT, FALSE, TRUE,
          xtAfxData.m_clrInactiveCaption, xtAfxData.m_clrGradInactiveCapt },
        { "gradient, but the system shows none", BARSTYLE_CAPTION_FILL | BARSTYLE_CAPTION_GRADIENT, TRUE, FALSE,
          xtAfxData.m_clrActiveCaption, xtAfxData.m_clrActiveCaption },
    };
    CRect rectClient, rectGrip;
    pWindow->GetClientRect(&rectClient);
    pWindow->GetGripperRect(rectGrip);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        toolkit_test::GradientScope gradient(c.bGradient);
        if (!gradient.Taken())
        {
            ADD_FAILURE() << "the system keeps its gradient setting";
            continue;
        }
        pWindow->SetBarStyleEx(BARSTYLE_CAPTION | BARSTYLE_BUTTONS | c.dwStyle);
        pWindow->SetActive(c.bActive);
        toolkit_test::CCanvas canvas(rectClient.Width(), rectClient.Height(), RGB(255, 0, 255));
        pWindow->DoPaint(&canvas.dc);
        // Docked left the fill runs along the strip, left to right; no grip line crosses it.
        const int y = rectGrip.top + 1;
        EXPECT_EQ(c.clrLeft, canvas.At(rectGrip.left, y));
        EXPECT_TRUE(toolkit_test::Near(c.clrRight, canvas.At(rectGrip.right - 1, y), 24))
            << std::hex << canvas.At(rectGrip.right - 1, y);
    }
    xtAfxData.m_clrGradActiveCapt = clrSavedActive;
    xtAfxData.m_clrGradInactiveCapt = clrSavedInactive;
}

class CPaneView : public CView
{
    DECLARE_DYNCREATE(CPaneView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CPaneView, CView)

// The caption buttons' tips, which follow the expand button's state.
CString TipOf(CXTDockWindow* pWindow, CWnd* pButton)
{
    struct Access : CXTDockWindow
    {
        static CToolTipCtrl& Tip(CXTDockWindow* p) { return p->*(&Access::m_toolTip); }
    };
    CString str;
    Access::Tip(pWindow).GetText(str, pButton);
    return str;
}

TEST(XTDockWindow, AViewMadeInsideHasThePaneIdAndTheFrameAsOwnerAndTheButtonsHaveTips)
{
    CDockTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CXTDockWindow* pWindow = frame.AddWindow(XT_IDW_DOCKBAR_LEFT, 200, 150);
    CXTDockWindow* pSecond = AddBelow(frame, pWindow);
    ASSERT_NE(nullptr, pSecond);

    CView* pView = pWindow->CreateView(RUNTIME_CLASS(CPaneView));
    ASSERT_NE(nullptr, pView);
    EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CPaneView)));
    EXPECT_EQ(pWindow->m_hWnd, ::GetParent(pView->m_hWnd));
    EXPECT_EQ(AFX_IDW_PANE_FIRST, pView->GetDlgCtrlID());
    EXPECT_EQ((DWORD)(WS_CHILD | WS_VISIBLE | WS_BORDER), pView->GetStyle() & (WS_CHILD | WS_VISIBLE | WS_BORDER));
    ASSERT_NE(nullptr, pView->GetOwner());
    EXPECT_EQ(frame.m_hWnd, pView->GetOwner()->m_hWnd);
    // A class that makes no view gives none.
    EXPECT_EQ(nullptr, pWindow->CreateView(RUNTIME_CLASS(CObject)));

    EXPECT_EQ("Hide docked window", std::string(TipOf(pWindow, pWindow->GetHideButton())));
    IdleUpdate(pWindow);
    EXPECT_EQ("Expand docked window", std::string(TipOf(pWindow, pWindow->GetExpandButton())));
    pWindow->SendMessage(WM_COMMAND, XT_IDC_BTN_EXPAND);
    IdleUpdate(pWindow);
    EXPECT_EQ("Contract docked window", std::string(TipOf(pWindow, pWindow->GetExpandButton())));
}

} // namespace
