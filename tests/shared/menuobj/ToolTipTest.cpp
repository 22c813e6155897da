#include "shared/menuobj/ToolTip.h"

#include "TestWindows.h"

#include <gtest/gtest.h>

using menuobj_testing::BitmapCanvas;
using menuobj_testing::InkBox;
using menuobj_testing::ScreenTextExtent;

namespace {

const COLORREF kPaper = RGB(200, 200, 200);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 255, 0);

CFontDesc SharpRedFont()
{
    CFontDesc font;
    font.m_logFont.lfHeight = -16;
    font.m_logFont.lfQuality = NONANTIALIASED_QUALITY;
    font.m_crColor = kRed;
    return font;
}

// A visible page window whose update region the tests read.
class PageWindow
{
public:
    PageWindow()
    {
        EXPECT_TRUE(m_wnd.CreateEx(0, nullptr, "Page", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr));
        Validate();
    }
    ~PageWindow() { m_wnd.DestroyWindow(); }
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    CWnd* Wnd() { return &m_wnd; }
    void Validate() { ::ValidateRect(m_wnd.GetSafeHwnd(), nullptr); }
    CRect UpdateRect()
    {
        CRect rc;
        ::GetUpdateRect(m_wnd.GetSafeHwnd(), rc, FALSE);
        return rc;
    }

private:
    CWnd m_wnd;
};

int CountPixels(BitmapCanvas& canvas, const CRect& rc, COLORREF cr)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (canvas.Pixel(x, y) == cr)
                ++n;
    return n;
}

void SetupTip(CToolTip& tip, const CRect& rcArea, CWnd* pParent = nullptr, BOOL bTransparent = TRUE,
              const CString& strDefault = "Default")
{
    tip.Setup(rcArea, bTransparent, kBlue, SharpRedFont(), strDefault, pParent, "C:\\Project", FALSE);
}

} // namespace

TEST(ToolTipTest, ANewTooltipIgnoresTextsUntilSetUp)
{
    CToolTip tip;
    EXPECT_FALSE(tip.IsEnabled());
    EXPECT_TRUE(tip.GetArea().IsRectEmpty());
    tip.NewTip("Hint");
    EXPECT_EQ("", tip.GetText());
    BitmapCanvas canvas(50, 50, kPaper);
    tip.Draw(canvas.DC());
    EXPECT_TRUE(InkBox(canvas, CRect(0, 0, 50, 50), kPaper).IsRectEmpty());

    SetupTip(tip, CRect(10, 20, 110, 60));
    EXPECT_TRUE(tip.IsEnabled());
    EXPECT_EQ(CRect(10, 20, 110, 60), tip.GetArea());
    EXPECT_EQ("Default", tip.GetDefaultText());
    EXPECT_EQ("C:\\Project", tip.GetProjectFolder());
    tip.DefaultTip();
    EXPECT_EQ("Default", tip.GetText());
    EXPECT_EQ("Default", tip.GetLayout().GetText());
    EXPECT_EQ(CRect(10, 20, 110, 60), tip.GetLayout().GetRect());
}

TEST(ToolTipTest, AreasOutsideTheScreenNeverShowAText)
{
    static const struct { CRect rc; bool bShown; } kCases[] = {
        { CRect(1100, 10, 1200, 50), false },
        { CRect(0, 0, 1100, 50), false },
        { CRect(0, 800, 100, 850), false },
        { CRect(0, 0, 100, 800), false },
        { CRect(50, 50, 50, 90), false },
        { CRect(1023, 767, 1100, 800), true },
        { CRect(0, 0, 1024, 768), true },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(testing::Message() << c.rc.left << "," << c.rc.top << "," << c.rc.right << "," << c.rc.bottom);
        CToolTip tip;
        SetupTip(tip, c.rc);
        tip.NewTip("Hint");
        EXPECT_EQ(c.bShown ? "Hint" : "", tip.GetText());
    }
}

TEST(ToolTipTest, NewTipInvalidatesTheAreaInTheParent)
{
    PageWindow page;
    CToolTip tip;
    SetupTip(tip, CRect(30, 40, 130, 80), page.Wnd());
    EXPECT_TRUE(page.UpdateRect().IsRectEmpty());
    tip.NewTip("Hint");
    EXPECT_EQ(CRect(30, 40, 130, 80), page.UpdateRect());
    page.Validate();
    tip.NewTip("");
    EXPECT_EQ(CRect(30, 40, 130, 80), page.UpdateRect());
}

TEST(ToolTipTest, DrawsTheTextInTheFontColourAndRestoresTheDC)
{
    const CRect rcArea(20, 10, 220, 60);
    CToolTip tip;
    SetupTip(tip, rcArea);
    tip.NewTip("Hint text");
    BitmapCanvas canvas(300, 100, kPaper);
    canvas.DC()->SetBkMode(OPAQUE);
    canvas.DC()->SetBkColor(kGreen);
    canvas.DC()->SetTextColor(kGreen);
    HGDIOBJ hFontBefore = ::GetCurrentObject(*canvas.DC(), OBJ_FONT);
    tip.Draw(canvas.DC());

    CRect ink = InkBox(canvas, CRect(0, 0, 300, 100), kPaper);
    CSize extent = ScreenTextExtent(SharpRedFont().m_logFont, "Hint text");
    EXPECT_GE(ink.left, rcArea.left + 2);
    EXPECT_GE(ink.top, rcArea.top);
    EXPECT_LE(ink.right, rcArea.left + 2 + extent.cx);
    EXPECT_LE(ink.bottom, rcArea.top + extent.cy);
    EXPECT_GT(CountPixels(canvas, ink, kRed), 0);
    EXPECT_EQ(0, CountPixels(canvas, CRect(0, 0, 300, 100), kGreen));   // transparent: no text background
    EXPECT_EQ(kGreen, canvas.DC()->GetTextColor());
    EXPECT_EQ(hFontBefore, ::GetCurrentObject(*canvas.DC(), OBJ_FONT));
}

TEST(ToolTipTest, AnOpaqueAreaIsFilledWithItsColour)
{
    const CRect rcArea(20, 10, 220, 60);
    CToolTip tip;
    SetupTip(tip, rcArea, nullptr, FALSE);
    tip.NewTip("Hint");
    BitmapCanvas canvas(300, 100, kPaper);
    tip.Draw(canvas.DC());
    EXPECT_EQ(CRect(20, 10, 220, 60), InkBox(canvas, CRect(0, 0, 300, 100), kPaper));
    EXPECT_EQ(kBlue, canvas.Pixel(20, 10));
    EXPECT_EQ(kBlue, canvas.Pixel(219, 59));
    EXPECT_GT(CountPixels(canvas, rcArea, kRed), 0);
}

TEST(ToolTipTest, AnEmptyTextEmptiesTheAreaButKeepsTheText)
{
    CToolTip tip;
    SetupTip(tip, CRect(20, 10, 220, 60));
    tip.NewTip("Hint");
    tip.NewTip("");
    EXPECT_EQ("Hint", tip.GetText());
    BitmapCanvas canvas(300, 100, kPaper);
    tip.Draw(canvas.DC());
    EXPECT_TRUE(InkBox(canvas, CRect(0, 0, 300, 100), kPaper).IsRectEmpty());
}

TEST(ToolTipTest, APictureTagIsDrawnAsText)
{
    const CString strDefault = "<img src=\"LOGO.BMP\">Hello";
    CToolTip tip;
    SetupTip(tip, CRect(0, 0, 600, 60), nullptr, TRUE, strDefault);
    tip.DefaultTip();
    EXPECT_EQ(strDefault, tip.GetLayout().GetText());
    BitmapCanvas canvas(600, 60, kPaper);
    tip.Draw(canvas.DC());
    CRect ink = InkBox(canvas, CRect(0, 0, 600, 60), kPaper);
    EXPECT_GT(ink.Width(), ScreenTextExtent(SharpRedFont().m_logFont, "<img src=\"LOGO.BMP\">").cx);
}

TEST(ToolTipTest, TheCentreFlagReachesTheLayout)
{
    CToolTip tip;
    tip.Setup(CRect(0, 0, 200, 40), TRUE, kBlue, SharpRedFont(), "Hi", nullptr, "", TRUE);
    tip.DefaultTip();
    BitmapCanvas canvas(200, 40, kPaper);
    tip.Draw(canvas.DC());
    EXPECT_TRUE(tip.GetLayout().IsCentred());
    CRect ink = InkBox(canvas, CRect(0, 0, 200, 40), kPaper);
    EXPECT_NEAR(100, (ink.left + ink.right) / 2, 4);
}
