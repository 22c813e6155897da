// The chevron button with its popup: a real double click closes the open
// popup and opens it again, the button looks pressed while its popup is open,
// and a cancel-mode message closes the popup.
#include "toolkit/controls/XTExpButton.h"

#include "toolkit/bars/XTExpMenuWnd.h"
#include "toolkit/bars/XTToolBar.h"

#include "framework/FrameWnd.h"
#include "toolkit/XTRealInput.h"
#include "toolkit/XTTestCanvas.h"
#include "toolkit/bars/XTTestBarIds.h"

#include <gtest/gtest.h>

#include <optional>

using namespace toolkit_test;

namespace {

class CChevronHost : public CFrameWnd
{
public:
    void PostNcDestroy() override {}
};

class XTExpButtonTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ParkMouse();
        ASSERT_TRUE(m_frame.Create(nullptr, "Chevron", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 440, 240)));
        ASSERT_TRUE(m_dock.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 40), &m_frame,
                                  XT_IDW_DOCKBAR_TOP));
        ASSERT_TRUE(m_bar.CreateEx(&m_dock, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
        ASSERT_TRUE(m_bar.LoadToolBar(IDR_TEST_BAR));
        m_bar.SetOwner(&m_frame);
        m_bar.SetWindowPos(nullptr, 0, 0, 400, 30, SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(m_chevron.Create(&m_bar, 3990));
        m_chevron.SetWindowPos(nullptr, 300, 2, 12, 24, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        BringToFront(m_frame.m_hWnd);
    }
    void TearDown() override
    {
        m_chevron.ClosePopup();
        m_frame.DestroyWindow();
    }
    // The button's corner pixels as the screen shows them.
    std::pair<COLORREF, COLORREF> Corners()
    {
        m_chevron.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC hDC = ::GetDC(m_chevron.m_hWnd);
        std::pair<COLORREF, COLORREF> corners(::GetPixel(hDC, 0, 0), ::GetPixel(hDC, 11, 23));
        ::ReleaseDC(m_chevron.m_hWnd, hDC);
        return corners;
    }
    CChevronHost m_frame;
    CWnd m_dock;
    CXTToolBar m_bar;
    CXTExpButton m_chevron;
};

TEST_F(XTExpButtonTest, ADoubleClickClosesThePopupAndOpensItAgain)
{
    CRect rect;
    m_chevron.GetWindowRect(&rect);
    const CPoint pt = rect.CenterPoint();
    // The first click opens the popup; the second, a double click, takes the
    // activation from the popup, which closes, and presses the button again.
    SendAll({ MouseInput(0, pt), MouseInput(MOUSEEVENTF_LEFTDOWN, pt), MouseInput(MOUSEEVENTF_LEFTUP, pt),
              MouseInput(MOUSEEVENTF_LEFTDOWN, pt), MouseInput(MOUSEEVENTF_LEFTUP, pt) });
    PumpFor(50);
    ASSERT_NE(nullptr, m_chevron.GetPopup());
    EXPECT_TRUE(::IsWindowVisible(m_chevron.GetPopup()->m_hWnd));
    ParkMouse();
}

TEST_F(XTExpButtonTest, WhileItsPopupIsOpenItLooksPressedAndCancelModeClosesIt)
{
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    struct Case
    {
        const char* name;
        BOOL bFlat;
        COLORREF clrTopLeft, clrBottomRight;   // while open
    };
    const Case cases[] = {
        { "raised look: sunken", FALSE, clrShadow, ::GetSysColor(COLOR_BTNHIGHLIGHT) },
        { "flat look: framed", TRUE, xtAfxData.m_clr3DShadow, xtAfxData.m_clr3DShadow },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::optional<FlatLookScope> flat;
        if (c.bFlat)
            flat.emplace();
        ASSERT_TRUE(m_chevron.ShowPopup());
        HWND hPopup = m_chevron.GetPopup()->m_hWnd;
        EXPECT_EQ(std::make_pair(c.clrTopLeft, c.clrBottomRight), Corners());

        m_chevron.SendMessage(WM_CANCELMODE);
        EXPECT_EQ(nullptr, m_chevron.GetPopup());
        EXPECT_FALSE(::IsWindow(hPopup));
        const COLORREF clrFace = m_bar.GetBackgroundColor();
        EXPECT_EQ(std::make_pair(clrFace, clrFace), Corners());
    }
}

} // namespace
