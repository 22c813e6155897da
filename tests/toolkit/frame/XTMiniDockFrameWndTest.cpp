// The toolkit's floating frame, read from its non-client pixels: the caption
// buttons each kind of bar gets, buttons hidden in a frame too narrow for
// them, the flat and classic captions with and without gradients, clicks on
// the close button, a caption without a dock context, the tool bar's own
// options popup opened and closed with the mouse; and a tab control in a
// floating bar working for the frame the bar floats from.
#include "toolkit/bars/XTExpMenuWnd.h"
#include "toolkit/bars/XTToolBar.h"
#include "toolkit/controls/XTTabCtrl.h"
#include "toolkit/frame/IXTToolBar.h"
#include "toolkit/frame/XTControlBar.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMiniDockFrameWnd.h"

#include "framework/Afx.h"
#include "toolkit/XTRealInput.h"
#include "toolkit/XTTestCanvas.h"
#include "toolkit/frame/XTDockTestFrame.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

using toolkit_test::FlatLookScope;
using toolkit_test::GradientScope;
using toolkit_test::Near;

const UINT ID_BAR = AFX_IDW_CONTROLBAR_FIRST + 95;

void Pump() { testing_support::PumpPendingMessages(); }

class CBoxBar : public toolkit_test::CFixedBar
{
public:
    using CFixedBar::CFixedBar;
    BOOL Create(CWnd* pParent, UINT nID, LPCSTR lpszText)
    {
        return CFixedBar::Create(pParent, CBRS_TOP | CBRS_TOOLTIPS, nID, lpszText);
    }
};

// A tool bar as the floating frame sees one: the tool bar interface, and
// customisable or not.
class CFakeToolBar : public CBoxBar, public IXTToolBar
{
public:
    explicit CFakeToolBar(BOOL bCustomizable) : m_bCustomizable(bCustomizable) {}
    HWND GetToolBarHwnd() const override { return m_hWnd; }
    BOOL GetButton(int, TBBUTTON*) const override { return FALSE; }
    DWORD GetButtonStyle(int) const override { return 0; }
    CString GetButtonText(int) const override { return CString(); }
    UINT ApplyDrawTextFlags(UINT nFlags) const override { return nFlags; }
    int GetDroppedIndex() const override { return -1; }
    CXTButtonInfo* FindDropDownInfo(UINT) const override { return nullptr; }
    COLORREF GetBackgroundColor() const override { return CXTControlBar::GetBackgroundColor(); }
    BOOL SupportsHiddenButtons() const override { return TRUE; }
    int HideButtonsToFit(int, int nLength, BOOL) override { return nLength; }
    int ShowButtonsToFit(int, int nLength, BOOL) override { return nLength; }
    BOOL IsCustomizable() const override { return m_bCustomizable; }

private:
    BOOL m_bCustomizable;
};

// A bar of the framework's own.
class CPlainBar : public CControlBar
{
public:
    BOOL Create(CWnd* pParent, UINT nID)
    {
        return CreateBar(nullptr, WS_VISIBLE, CBRS_TOP, pParent, nID);
    }
    CSize CalcFixedLayout(BOOL, BOOL) override { return CSize(160, 30); }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

// A floating frame that can be made narrower than its bars.
class CNarrowFloatFrame : public CXTMiniDockFrameWnd
{
    DECLARE_DYNCREATE(CNarrowFloatFrame)
public:
    void ForceWidth(int cx)
    {
        CRect rect;
        GetWindowRect(&rect);
        m_bInRecalcLayout = TRUE;
        SetWindowPos(nullptr, 0, 0, cx, rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_bInRecalcLayout = FALSE;
    }
};
IMPLEMENT_DYNCREATE(CNarrowFloatFrame, CXTMiniDockFrameWnd)

class CHostFrame : public CFrameWnd
{
public:
    CWnd pane;
    BOOL CreateFrame(const CRuntimeClass* pFloatClass = RUNTIME_CLASS(CXTMiniDockFrameWnd))
    {
        if (!Create(nullptr, "Floating", WS_OVERLAPPEDWINDOW, CRect(40, 40, 640, 440)))
            return FALSE;
        m_pFloatingFrameClass = pFloatClass;
        EnableDocking(CBRS_ALIGN_ANY);
        ShowWindow(SW_SHOWNOACTIVATE);
        return pane.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, AFX_IDW_PANE_FIRST);
    }
    void PostNcDestroy() override {}
};

// Floats the bar and lets the frame set its caption up.
CXTMiniDockFrameWnd* FloatBar(CHostFrame& frame, CControlBar& bar, BOOL bDocking = TRUE)
{
    if (bDocking && dynamic_cast<CXTControlBar*>(&bar) != nullptr)
        static_cast<CXTControlBar&>(bar).EnableDocking(CBRS_ALIGN_ANY);
    else if (bDocking)
        bar.EnableDocking(CBRS_ALIGN_ANY);
    frame.FloatControlBar(&bar, CPoint(120, 140), CBRS_ALIGN_TOP);
    Pump();
    return dynamic_cast<CXTMiniDockFrameWnd*>(bar.GetParentFrame());
}

// Pixels of the whole window, non-client area included, as painted now.
class CWindowPixels
{
public:
    explicit CWindowPixels(CWnd& wnd) : m_hWnd(wnd.m_hWnd)
    {
        wnd.SendMessage(WM_NCPAINT, 1);
        m_hDC = ::GetWindowDC(m_hWnd);
    }
    ~CWindowPixels() { ::ReleaseDC(m_hWnd, m_hDC); }
    COLORREF At(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    int Count(COLORREF clr, const CRect& rect) const
    {
        int n = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                n += At(x, y) == clr;
        return n;
    }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// A rectangle in screen coordinates as window coordinates of the window.
CRect InWindow(CWnd& wnd, CRect rect)
{
    CRect rectWindow;
    wnd.GetWindowRect(&rectWindow);
    rect.OffsetRect(-rectWindow.left, -rectWindow.top);
    return rect;
}

std::vector<int> ButtonKinds(CXTMiniDockFrameWnd& frame)
{
    std::vector<int> kinds;
    for (CAPTIONBUTTONINFO* pButton : frame.GetButtons())
        kinds.push_back(pButton->nKind);
    return kinds;
}

TEST(XTMiniDockFrameCaption, EachKindOfBarGetsItsButtons)
{
    FlatLookScope flat;
    enum Kind { plainToolkitBar, toolBar, customToolBar, frameworkBar };
    struct Case
    {
        const char* name;
        Kind kind;
        std::vector<int> kinds;
        BOOL bSysMenu;
    };
    const Case cases[] = {
        { "a toolkit bar: close", plainToolkitBar, { CAPTIONBUTTONINFO::kindClose }, FALSE },
        { "a tool bar that is not customisable: close only", toolBar, { CAPTIONBUTTONINFO::kindClose }, FALSE },
        { "a customisable tool bar: close and options", customToolBar,
          { CAPTIONBUTTONINFO::kindClose, CAPTIONBUTTONINFO::kindOptions }, FALSE },
        { "a framework bar keeps the system's caption", frameworkBar, {}, TRUE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CHostFrame frame;
        ASSERT_TRUE(frame.CreateFrame());
        CBoxBar box;
        CFakeToolBar tool(c.kind == customToolBar);
        CPlainBar plain;
        CControlBar* pBar = c.kind == plainToolkitBar ? static_cast<CControlBar*>(&box)
                            : c.kind == frameworkBar  ? static_cast<CControlBar*>(&plain)
                                                      : &tool;
        ASSERT_TRUE(pBar == &plain ? plain.Create(&frame, ID_BAR)
                                   : static_cast<CBoxBar*>(pBar)->Create(&frame, ID_BAR, "Werkzeug"));
        CXTMiniDockFrameWnd* pFloat = FloatBar(frame, *pBar);
        ASSERT_NE(nullptr, pFloat);
        EXPECT_TRUE(pFloat->IsSetUp());
        EXPECT_EQ(c.kinds, ButtonKinds(*pFloat));
        EXPECT_EQ(c.bSysMenu, (pFloat->GetStyle() & WS_SYSMENU) != 0);
        EXPECT_EQ(c.kind == frameworkBar ? 0 : 1, pFloat->GetCaptionMode());
        if (c.kind != frameworkBar)
        {
            // Each button shows its glyph in the highlight text colour on the caption's shadow.
            CWindowPixels pixels(*pFloat);
            for (CAPTIONBUTTONINFO* pButton : pFloat->GetButtons())
            {
                CRect rect = InWindow(*pFloat, pFloat->GetButtonRect(pButton));
                EXPECT_FALSE(pButton->bHidden);
                EXPECT_GT(pixels.Count(xtAfxData.m_clrHighlightText, rect), 5) << pButton->nKind;
                EXPECT_GT(pixels.Count(xtAfxData.m_clr3DShadow, rect), 5) << pButton->nKind;
            }
            // Wide enough for its buttons, though the bar is narrower.
            CRect rectFloat;
            pFloat->GetWindowRect(&rectFloat);
            EXPECT_GE(rectFloat.Width(), xtAfxData.m_cxSmIcon * (1 + (int)c.kinds.size()));
        }
        frame.DestroyWindow();
        Pump();
    }
}

TEST(XTMiniDockFrameCaption, ATooNarrowFrameHidesItsButtons)
{
    FlatLookScope flat;
    const int w = xtAfxData.m_cxSmIcon, cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    struct Case
    {
        const char* name;
        int cx;
        BOOL bCloseShown;
        BOOL bOptionsShown;
    };
    const Case cases[] = {
        { "room for both", 2 * w + 3 * cxEdge, TRUE, TRUE },
        { "one pixel less: the options button goes", 2 * w + 3 * cxEdge - 1, TRUE, FALSE },
        { "room for the close button only", w + 3 * cxEdge, TRUE, FALSE },
        { "too narrow for either", w + 3 * cxEdge - 1, FALSE, FALSE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CHostFrame frame;
        ASSERT_TRUE(frame.CreateFrame(RUNTIME_CLASS(CNarrowFloatFrame)));
        CFakeToolBar tool(TRUE);
        ASSERT_TRUE(tool.Create(&frame, ID_BAR, "Werkzeug"));
        CNarrowFloatFrame* pFloat = dynamic_cast<CNarrowFloatFrame*>(FloatBar(frame, tool));
        ASSERT_NE(nullptr, pFloat);
        ASSERT_EQ(2u, pFloat->GetButtons().size());
        pFloat->ForceWidth(c.cx);
        CRect rectFloat;
        pFloat->GetWindowRect(&rectFloat);
        ASSERT_EQ(c.cx, rectFloat.Width());

        CWindowPixels pixels(*pFloat);
        CAPTIONBUTTONINFO* pClose = pFloat->FindButton(CAPTIONBUTTONINFO::kindClose);
        CAPTIONBUTTONINFO* pOptions = pFloat->FindButton(CAPTIONBUTTONINFO::kindOptions);
        EXPECT_EQ(!c.bCloseShown, pClose->bHidden != 0);
        EXPECT_EQ(!c.bOptionsShown, pOptions->bHidden != 0);
        // No glyph is drawn over the frame's left edge, and shown ones are drawn.
        CRect rectEdge(0, 0, 2 * cxEdge, rectFloat.Height());
        EXPECT_EQ(0, pixels.Count(xtAfxData.m_clrHighlightText, rectEdge));
        CRect rectClose = InWindow(*pFloat, pFloat->GetButtonRect(pClose));
        rectClose.IntersectRect(&rectClose, CRect(0, 0, c.cx, rectFloat.Height()));
        EXPECT_EQ(c.bCloseShown, pixels.Count(xtAfxData.m_clrHighlightText, rectClose) > 5);
        frame.DestroyWindow();
        Pump();
    }
}

// Switches the system's gradient captions for the scope; FALSE when the
// system does not take the setting.
TEST(XTMiniDockFrameCaption, TheLookAndTheGradientSettingAreReadAtEveryPaint)
{
    struct Case
    {
        const char* name;
        BOOL bFlat;
        BOOL bGradient;
    };
    const Case cases[] = {
        { "classic without gradients: one solid colour", FALSE, FALSE },
        { "classic with gradients: active caption to its gradient colour", FALSE, TRUE },
        { "flat: the shadow colour", TRUE, TRUE },
        { "classic again after flat", FALSE, FALSE },
    };
    FlatLookScope flat;
    // The system's two caption colours may be one: an end colour far from the start.
    const COLORREF clrSavedEnd = xtAfxData.m_clrGradActiveCapt;
    const COLORREF clrStart = xtAfxData.m_clrActiveCaption;
    xtAfxData.m_clrGradActiveCapt = RGB(255 - GetRValue(clrStart), 255 - GetGValue(clrStart), 255 - GetBValue(clrStart));
    CHostFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CBoxBar box(CSize(200, 30));
    ASSERT_TRUE(box.Create(&frame, ID_BAR, " "));
    CXTMiniDockFrameWnd* pFloat = FloatBar(frame, box);
    ASSERT_NE(nullptr, pFloat);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        xtAfxData.m_bFlatLook = c.bFlat;
        GradientScope gradient(c.bGradient);
        if (!gradient.Taken())
        {
            ADD_FAILURE() << "the system keeps its gradient setting";
            continue;
        }
        CWindowPixels pixels(*pFloat);
        // The caption's top row, left of the buttons (the bar's name is a blank).
        CRect rectCaption = InWindow(*pFloat, pFloat->GetCaptionRect());
        CRect rectClose = InWindow(*pFloat, pFloat->GetButtonRect(pFloat->FindButton(CAPTIONBUTTONINFO::kindClose)));
        const int y = rectCaption.top;
        const int xLeft = rectCaption.left, xRight = rectClose.left - 3;
        ASSERT_GT(xRight, xLeft + 64);
        if (c.bFlat)
        {
            EXPECT_EQ(xtAfxData.m_clr3DShadow, pixels.At(xLeft, y));
            EXPECT_EQ(xtAfxData.m_clr3DShadow, pixels.At(xRight, y));
        }
        else if (!c.bGradient)
        {
            for (int x = xLeft; x <= xRight; ++x)
                ASSERT_EQ(xtAfxData.m_clrActiveCaption, pixels.At(x, y)) << x;
        }
        else
        {
            EXPECT_EQ(xtAfxData.m_clrActiveCaption, pixels.At(xLeft, y));
            // Towards the end colour: at this column's share of the band.
            double share = double(xRight - rectCaption.left) / rectCaption.Width();
            COLORREF clrEnd = xtAfxData.m_clrGradActiveCapt;
            COLORREF clrExpected =
                RGB(GetRValue(clrStart) + (GetRValue(clrEnd) - GetRValue(clrStart)) * share,
                    GetGValue(clrStart) + (GetGValue(clrEnd) - GetGValue(clrStart)) * share,
                    GetBValue(clrStart) + (GetBValue(clrEnd) - GetBValue(clrStart)) * share);
            EXPECT_TRUE(Near(clrExpected, pixels.At(xRight, y), 6))
                << std::hex << clrExpected << " " << pixels.At(xRight, y);
        }
    }
    xtAfxData.m_clrGradActiveCapt = clrSavedEnd;
    frame.DestroyWindow();
    Pump();
}

TEST(XTMiniDockFrameMouse, CloseHidesTheBarAndACaptionWithoutDockContextDoesNothing)
{
    FlatLookScope flat;
    enum Where { closeButton, captionClick, captionDoubleClick };
    struct Case
    {
        const char* name;
        Where where;
        BOOL bDocking;
        BOOL bVisibleAfter;
    };
    const Case cases[] = {
        { "clicks on the close button hide bar and frame", closeButton, TRUE, FALSE },
        { "close works without a dock context too", closeButton, FALSE, FALSE },
        { "a caption click without a dock context: nothing", captionClick, FALSE, TRUE },
        { "a caption double click without a dock context: nothing", captionDoubleClick, FALSE, TRUE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CHostFrame frame;
        ASSERT_TRUE(frame.CreateFrame());
        CBoxBar box(CSize(200, 30));
        ASSERT_TRUE(box.Create(&frame, ID_BAR, "Werkzeug"));
        CXTMiniDockFrameWnd* pFloat = FloatBar(frame, box, c.bDocking);
        ASSERT_NE(nullptr, pFloat);
        ASSERT_TRUE(pFloat->IsWindowVisible());
        CRect rectBefore;
        pFloat->GetWindowRect(&rectBefore);
        CPoint pt;
        if (c.where == closeButton)
            pt = pFloat->GetButtonRect(pFloat->FindButton(CAPTIONBUTTONINFO::kindClose)).CenterPoint();
        else
        {
            CRect rectCaption = pFloat->GetCaptionRect();
            pt = CPoint(rectCaption.left + 4, rectCaption.CenterPoint().y);
        }
        LPARAM lParam = MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y);
        pFloat->PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, lParam);
        pFloat->PostMessage(WM_NCLBUTTONUP, HTCAPTION, lParam);
        if (c.where == captionDoubleClick)
        {
            pFloat->PostMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, lParam);
            pFloat->PostMessage(WM_NCLBUTTONUP, HTCAPTION, lParam);
        }
        Pump();

        EXPECT_EQ(c.bVisibleAfter, box.IsWindowVisible());
        EXPECT_EQ(c.bVisibleAfter, pFloat->IsWindowVisible());
        EXPECT_EQ(pFloat, box.GetParentFrame());
        CRect rectAfter;
        pFloat->GetWindowRect(&rectAfter);
        EXPECT_EQ(rectBefore.TopLeft(), rectAfter.TopLeft());
        EXPECT_EQ(nullptr, pFloat->GetPressedButton());
        frame.DestroyWindow();
        Pump();
    }
}

// A floating frame whose options popup is a plain window standing in.
class CPopupFloatFrame : public CXTMiniDockFrameWnd
{
    DECLARE_DYNCREATE(CPopupFloatFrame)
public:
    static CWnd* s_pPopup;
    static CRect s_rect;
    static int s_nOpened;
    CWnd* OpenOptionsPopup(CControlBar*, const CRect& rect) override
    {
        ++s_nOpened;
        s_rect = rect;
        return s_pPopup;
    }
};
IMPLEMENT_DYNCREATE(CPopupFloatFrame, CXTMiniDockFrameWnd)
CWnd* CPopupFloatFrame::s_pPopup = nullptr;
CRect CPopupFloatFrame::s_rect;
int CPopupFloatFrame::s_nOpened = 0;

// Counts the customisation commands it is sent.
class CCountingToolBar : public CFakeToolBar
{
public:
    CCountingToolBar() : CFakeToolBar(TRUE) {}
    int nCustomize = 0;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override
    {
        if (nMsg == WM_COMMAND && LOWORD(wParam) == XT_IDC_CUSTOMIZE)
            ++nCustomize;
        return CFakeToolBar::WindowProc(nMsg, wParam, lParam);
    }
};

TEST(XTMiniDockFrameMouse, ButtonsLightUpDropTheOptionsPopupAndPassCustomisationOn)
{
    FlatLookScope flat;
    CHostFrame frame;
    ASSERT_TRUE(frame.CreateFrame(RUNTIME_CLASS(CPopupFloatFrame)));
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), "Options", WS_POPUP, CRect(0, 0, 20, 20), nullptr, 0));
    CPopupFloatFrame::s_pPopup = &popup;
    CPopupFloatFrame::s_nOpened = 0;
    CCountingToolBar tool;
    ASSERT_TRUE(tool.Create(&frame, ID_BAR, "Werkzeug"));
    CXTMiniDockFrameWnd* pFloat = FloatBar(frame, tool);
    ASSERT_NE(nullptr, pFloat);
    CAPTIONBUTTONINFO* pClose = pFloat->FindButton(CAPTIONBUTTONINFO::kindClose);
    CAPTIONBUTTONINFO* pOptions = pFloat->FindButton(CAPTIONBUTTONINFO::kindOptions);
    ASSERT_TRUE(pClose != nullptr && pOptions != nullptr);
    const CRect rectClose = pFloat->GetButtonRect(pClose), rectOptions = pFloat->GetButtonRect(pOptions);
    CRect rectCaption = pFloat->GetCaptionRect();
    auto At = [](CPoint pt) { return MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y); };

    struct Step
    {
        const char* name;
        UINT nMsg;
        WPARAM wParam;
        CPoint pt;
        BOOL bCloseHot, bOptionsPressed, bPopupOpen;
        int nOpened, nCustomize;
    };
    const Step steps[] = {
        { "over the close button: lit", WM_NCMOUSEMOVE, HTCAPTION, rectClose.CenterPoint(), TRUE, FALSE, FALSE, 0, 0 },
        { "over the caption: out again", WM_NCMOUSEMOVE, HTCAPTION, CPoint(rectCaption.left + 3, rectCaption.top + 3),
          FALSE, FALSE, FALSE, 0, 0 },
        { "options pressed", WM_NCLBUTTONDOWN, HTCAPTION, rectOptions.CenterPoint(), FALSE, TRUE, FALSE, 0, 0 },
        { "options released: the popup opens, the button stays down", WM_NCLBUTTONUP, HTCAPTION,
          rectOptions.CenterPoint(), FALSE, TRUE, TRUE, 1, 0 },
        { "the popup closed", XTWM_POPUPCLOSED, 0, CPoint(0, 0), FALSE, FALSE, FALSE, 1, 0 },
        { "customisation goes to the bar", WM_COMMAND, XT_IDC_CUSTOMIZE, CPoint(0, 0), FALSE, FALSE, FALSE, 1, 1 },
    };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.name);
        pFloat->SendMessage(step.nMsg, step.wParam, step.nMsg == WM_COMMAND ? 0 : At(step.pt));
        Pump();
        EXPECT_EQ(step.bCloseHot, pClose->bHot != 0);
        EXPECT_EQ(step.bOptionsPressed, pOptions->bPressed != 0);
        EXPECT_EQ(step.bPopupOpen, pFloat->GetOptionsPopup() == &popup);
        EXPECT_EQ(step.nOpened, CPopupFloatFrame::s_nOpened);
        EXPECT_EQ(step.nCustomize, tool.nCustomize);
        // A lit button: the highlight frame around the light fill.
        CWindowPixels pixels(*pFloat);
        CRect rect = InWindow(*pFloat, rectClose);
        EXPECT_EQ(step.bCloseHot, pixels.At(rect.left, rect.top + 3) == xtAfxData.m_clrHighlight);
        EXPECT_EQ(step.bCloseHot, pixels.At(rect.left + 1, rect.top + 1) == xtAfxData.m_clrFlatHighlightLight);
    }
    // The tip of the button the mouse went over last.
    CString strTip;
    pFloat->GetTip().GetText(strTip, pFloat);
    EXPECT_STREQ("Close", strTip);
    // A button left lit when the mouse went elsewhere goes out at idle time.
    pFloat->SendMessage(WM_NCMOUSEMOVE, HTCAPTION, At(rectClose.CenterPoint()));
    ASSERT_TRUE(pClose->bActive);
    CRect rectFloat;
    pFloat->GetWindowRect(&rectFloat);
    toolkit_test::MoveCursorTo(rectFloat.right + 40, rectFloat.bottom + 40);
    pFloat->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(pClose->bActive);
    EXPECT_FALSE(pClose->bHot);
    // The popup hangs under the button, a little wider to the left.
    EXPECT_EQ(CRect(rectOptions.left - 2, rectOptions.top, rectOptions.right - 3, rectOptions.bottom - 1),
              CPopupFloatFrame::s_rect);
    CPopupFloatFrame::s_pPopup = nullptr;
    popup.DestroyWindow();
    frame.DestroyWindow();
    Pump();
}

TEST(XTMiniDockFrameMouse, TheOptionsButtonOpensTheToolBarsPopupThatClosesWhenTheFrameIsClicked)
{
    CHostFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    toolkit_test::BringToFront(frame.m_hWnd);
    CXTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS,
                             CRect(0, 0, 0, 0), ID_BAR));
    const UINT ids[] = { 3901, 3902 };
    ASSERT_TRUE(bar.SetButtons(ids, 2));
    bar.RegisterCustomize(TRUE);
    CXTMiniDockFrameWnd* pFloat = FloatBar(frame, bar);
    ASSERT_NE(nullptr, pFloat);
    CAPTIONBUTTONINFO* pOptions = pFloat->FindButton(CAPTIONBUTTONINFO::kindOptions);
    ASSERT_NE(nullptr, pOptions);
    const CRect rectOptions = pFloat->GetButtonRect(pOptions);

    toolkit_test::Click(rectOptions.CenterPoint());
    EXPECT_TRUE(toolkit_test::PumpUntil([&] { return pFloat->GetOptionsPopup() != nullptr; }));
    CXTExpMenuWnd* pPopup = dynamic_cast<CXTExpMenuWnd*>(pFloat->GetOptionsPopup());
    ASSERT_NE(nullptr, pPopup);
    EXPECT_TRUE(pPopup->IsWindowVisible());
    EXPECT_TRUE(pOptions->bPressed);
    CRect rectPopup;
    pPopup->GetWindowRect(&rectPopup);
    EXPECT_EQ(rectOptions.bottom - (xtAfxData.m_bFlatLook ? 1 : 0), rectPopup.top);

    // A click into the frame closes it, and the button comes up.
    CRect rectFrame;
    frame.GetWindowRect(&rectFrame);
    toolkit_test::Click(CPoint(rectFrame.right - 30, rectFrame.bottom - 30));
    EXPECT_TRUE(toolkit_test::PumpUntil([&] { return pFloat->GetOptionsPopup() == nullptr; }));
    EXPECT_FALSE(pOptions->bPressed);
    bar.RegisterCustomize(FALSE);
    toolkit_test::ParkMouse();
    frame.DestroyWindow();
    Pump();
}

class CExposedTabCtrl : public CXTTabCtrl
{
public:
    CFrameWnd* ParentFrame() const { return m_pParentFrame; }
};

TEST(XTTabCtrlFrame, ATabControlInAFloatingBarWorksForTheFrameItFloatsFrom)
{
    for (BOOL bFloating : { FALSE, TRUE })
    {
        SCOPED_TRACE(bFloating ? "floating" : "docked");
        CHostFrame frame;
        ASSERT_TRUE(frame.CreateFrame());
        CBoxBar box(CSize(200, 120));
        ASSERT_TRUE(box.Create(&frame, ID_BAR, "Tabs"));
        CExposedTabCtrl tabs;
        ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 180, 100), &box, 9));
        box.EnableDocking(CBRS_ALIGN_ANY);
        if (bFloating)
            frame.FloatControlBar(&box, CPoint(100, 100), CBRS_ALIGN_TOP);
        else
            frame.DockControlBar(&box, AFX_IDW_DOCKBAR_TOP);
        Pump();
        ASSERT_EQ(bFloating, box.GetParentFrame() != &frame);
        tabs.SendMessage(WM_INITIALUPDATE);
        EXPECT_EQ(&frame, tabs.ParentFrame());
        frame.DestroyWindow();
        Pump();
    }
}

} // namespace
