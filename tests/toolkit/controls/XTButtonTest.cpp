#include "toolkit/controls/XTButton.h"

#include "toolkit/frame/XTGlobalData.h"

#include "framework/Afx.h"
#include "helpers/TestSupport.h"
#include "toolkit/XTTestCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using toolkit_test::CCanvas;
using toolkit_test::MakeIcon;

const COLORREF kFace = RGB(200, 200, 100);
const COLORREF kHilite = RGB(250, 250, 200);
const COLORREF kShadow = RGB(100, 100, 50);
const COLORREF kText = RGB(0, 0, 128);
const int kWidth = 100;
const int kHeight = 30;

class XTButtonTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "Buttons", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                      nullptr));
        ASSERT_TRUE(m_button.Create("", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 10 + kWidth, 10 + kHeight),
                                    &m_parent, 1));
        testing_support::PumpPendingMessages();
        m_button.SetColors(kFace, kHilite, kShadow, kText);
        MoveCursorAway();
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    void MoveCursorAway()
    {
        toolkit_test::MoveCursorTo(1200, 1000);
        m_button.SendMessage(WM_TIMER, 1);
    }
    void MakeHot()
    {
        CRect rc;
        m_button.GetWindowRect(&rc);
        toolkit_test::MoveCursorTo(rc.CenterPoint().x, rc.CenterPoint().y);
        m_button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(kWidth / 2, kHeight / 2));
    }
    void SetHot(BOOL bHot) { bHot ? MakeHot() : MoveCursorAway(); }
    void Draw(CCanvas& canvas, UINT nState, int x = 0, int y = 0)
    {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.hwndItem = m_button;
        dis.hDC = canvas.dc;
        dis.itemState = nState;
        dis.rcItem = CRect(x, y, x + kWidth, y + kHeight);
        ::SetViewportOrgEx(canvas.dc, 0, 0, nullptr);
        m_button.DrawButton(&dis);
    }

    CWnd m_parent;
    CXTButton m_button;
};

TEST_F(XTButtonTest, BecomesOwnerDrawnWithTheToolkitFont)
{
    EXPECT_EQ((DWORD)BS_OWNERDRAW, m_button.GetStyle() & BS_TYPEMASK);
    EXPECT_EQ((HFONT)xtAfxData.m_fontNormal.m_hObject, (HFONT)m_button.SendMessage(WM_GETFONT));
}

// A button made with a frame is set up by the frame's initial update, before
// the frame is first drawn; the update it posted itself then draws nothing again.
TEST_F(XTButtonTest, TheFrameInitialUpdateSetsUpAButtonMadeWithIt)
{
    CXTButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 50, 10 + kWidth, 50 + kHeight),
                              &m_parent, 2));
    EXPECT_EQ((DWORD)BS_PUSHBUTTON, button.GetStyle() & BS_TYPEMASK);
    m_parent.SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    EXPECT_EQ((DWORD)BS_OWNERDRAW, button.GetStyle() & BS_TYPEMASK);
    EXPECT_EQ((HFONT)xtAfxData.m_fontNormal.m_hObject, (HFONT)button.SendMessage(WM_GETFONT));
    button.UpdateWindow();
    testing_support::PumpPendingMessages();
    EXPECT_FALSE(::GetUpdateRect(button.m_hWnd, nullptr, FALSE));
    button.DestroyWindow();
}

TEST_F(XTButtonTest, LooksAndStatesInTheirColours)
{
    const CXTGlobalData& g = xtAfxData;
    struct Pixel { int x, y; COLORREF clr; };
    struct Row
    {
        const char* name;
        DWORD dwLook;
        BOOL bHot;
        UINT nState;
        std::vector<Pixel> pixels;
    };
    const int r = kWidth - 1, b = kHeight - 1;
    const Row rows[] = {
        { "3D normal", 0x01, FALSE, 0, { { 0, 0, kFace }, { r, b, kFace } } },
        { "3D hot", 0x01, TRUE, 0, { { 0, 0, kHilite }, { r, b, kShadow }, { 1, 1, kFace } } },
        { "3D pressed", 0x01, TRUE, ODS_SELECTED, { { 0, 0, kShadow }, { r, b, kHilite } } },
        { "thin normal", 0x02, FALSE, 0, { { 0, 0, g.m_clr3DHilight }, { r, b, g.m_clr3DShadow } } },
        { "thin pressed", 0x02, FALSE, ODS_SELECTED, { { 0, 0, g.m_clr3DShadow }, { r, b, g.m_clr3DHilight } } },
        { "flat normal", 0x40, FALSE, 0, { { 0, 0, kFace }, { 5, 5, kFace } } },
        { "flat hot", 0x40, TRUE, 0, { { 0, 0, g.m_clrHighlight }, { 5, 5, g.m_clrFlatHighlightLight } } },
        { "flat pressed", 0x40, TRUE, ODS_SELECTED, { { r, b, g.m_clrHighlight }, { 5, 5, g.m_clrFlatHighlight } } },
        { "classic", 0x00, FALSE, 0,
          { { 0, 0, kHilite }, { r, b, g.m_clr3DDkShadow }, { 1, 1, kFace }, { r - 1, b - 1, kShadow } } },
        { "classic pressed", 0x00, FALSE, ODS_SELECTED,
          { { 0, 0, g.m_clr3DDkShadow }, { r, b, kHilite }, { 1, 1, kShadow }, { r - 1, b - 1, kFace } } },
        { "checked pressed", 0x21, FALSE, ODS_SELECTED, { { 5, 5, g.m_clr3DHilight }, { 6, 5, g.m_clr3DFace } } },
        { "disabled", 0x01, FALSE, ODS_DISABLED, { { 0, 0, kFace }, { 5, 5, kFace } } },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_button.SetStyleFlags(row.dwLook);
        SetHot(row.bHot);
        ASSERT_EQ(row.bHot, m_button.IsHot());
        CCanvas canvas(kWidth, kHeight, RGB(0, 255, 0));
        Draw(canvas, row.nState);
        for (const Pixel& pixel : row.pixels)
        {
            SCOPED_TRACE(testing::Message() << pixel.x << "," << pixel.y);
            EXPECT_EQ(pixel.clr, canvas.At(pixel.x, pixel.y));
        }
    }
    MoveCursorAway();
}

TEST_F(XTButtonTest, CheckedLookFollowsTheCursor)
{
    m_button.SetStyleFlags(0x21);
    m_button.SetChecked(TRUE);
    CCanvas outside(kWidth, kHeight, RGB(0, 255, 0));
    Draw(outside, 0);
    EXPECT_NE(outside.At(5, 5), outside.At(6, 5));   // dithered while the cursor is elsewhere
    MakeHot();
    CCanvas inside(kWidth, kHeight, RGB(0, 255, 0));
    Draw(inside, 0);
    EXPECT_EQ(kFace, inside.At(5, 5));
    EXPECT_EQ(kFace, inside.At(6, 5));
    MoveCursorAway();
}

TEST_F(XTButtonTest, CaptionColours)
{
    m_button.SetWindowText("Mm");
    const CXTGlobalData& g = xtAfxData;
    struct Row { const char* name; DWORD dwLook; BOOL bHot; UINT nState; COLORREF clrWant; };
    const Row rows[] = {
        { "normal", 0x01, FALSE, 0, kText },
        { "disabled", 0x01, FALSE, ODS_DISABLED, g.m_clrGrayText },
        { "flat pressed", 0x40, TRUE, ODS_SELECTED, g.m_clrFlatHighlightText },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_button.SetStyleFlags(row.dwLook);
        SetHot(row.bHot);
        CCanvas canvas(kWidth, kHeight, RGB(0, 255, 0));
        Draw(canvas, row.nState);
        CRect rcInside(2, 2, kWidth - 2, kHeight - 2);
        EXPECT_GT(canvas.Count(row.clrWant, rcInside), 3);
        if (row.clrWant != kText)
        {
            EXPECT_EQ(0, canvas.Count(kText, rcInside));
        }
    }
    MoveCursorAway();
}

TEST_F(XTButtonTest, DoubledAmpersandIsMeasuredAsOne)
{
    struct Row { const char* caption; const char* stripped; };
    const Row rows[] = { { "&File", "File" }, { "A&&B", "A&B" }, { "&&&x", "&x" }, { "end&", "end" } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.caption);
        m_button.SetWindowText(row.caption);
        EXPECT_EQ(CString(row.stripped), m_button.GetButtonText(TRUE));
        EXPECT_EQ(CString(row.caption), m_button.GetButtonText(FALSE));
    }

    // Right-aligned text ends at the margin only when measured without the doubled mark.
    m_button.ModifyStyle(BS_CENTER, BS_RIGHT);
    m_button.SetStyleFlags(0x00);
    m_button.SetWindowText("W&&W");
    CCanvas canvas(kWidth, kHeight, RGB(0, 255, 0));
    Draw(canvas, 0);
    CSize sizeAmp;
    {
        CClientDC dc(&m_button);
        CFont* pOld = dc.SelectObject(m_button.GetFont());
        sizeAmp = dc.GetTextExtent("&", 1);
        dc.SelectObject(pOld);
    }
    int nRight = canvas.RightmostOf(kText);
    EXPECT_LT(nRight, kWidth - 4);
    EXPECT_GT(nRight, kWidth - 4 - 1 - sizeAmp.cx / 2);
}

TEST_F(XTButtonTest, HotTrackingFollowsTheCursorAndStops)
{
    m_button.SetStyleFlags(0x01);
    MakeHot();
    EXPECT_TRUE(m_button.IsHot());
    m_button.SendMessage(WM_TIMER, 1);   // still inside: stays hot
    EXPECT_TRUE(m_button.IsHot());
    toolkit_test::MoveCursorTo(1200, 1000);
    m_button.SendMessage(WM_TIMER, 1);
    EXPECT_FALSE(m_button.IsHot());
    EXPECT_FALSE(::KillTimer(m_button, 1));   // the timer was stopped

    // A pressed mouse button ends the hot look too.
    MakeHot();
    ASSERT_TRUE(m_button.IsHot());
    m_button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    m_button.SendMessage(WM_TIMER, 1);
    EXPECT_FALSE(m_button.IsHot());
    m_button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ::ReleaseCapture();

    // The classic look does not track.
    m_button.SetStyleFlags(0x00);
    MakeHot();
    EXPECT_FALSE(m_button.IsHot());
    MoveCursorAway();
}

TEST_F(XTButtonTest, OwnColoursSurviveASystemColourChange)
{
    m_button.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(kFace, m_button.GetFaceColor());

    CXTButton plain;
    ASSERT_TRUE(plain.Create("", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 20, 20), &m_parent, 2));
    plain.SetFaceColor(kFace);
    plain.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), plain.GetFaceColor());
}

BOOL IconAlive(HICON hIcon)
{
    ICONINFO info = {};
    if (!::GetIconInfo(hIcon, &info))
        return FALSE;
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    return TRUE;
}

TEST_F(XTButtonTest, ReplacedImagesAreDestroyed)
{
    HICON hFirst = MakeIcon(), hFirstPushed = MakeIcon(), hSecond = MakeIcon();
    ASSERT_TRUE(m_button.SetIcon(CSize(16, 16), hFirst, hFirstPushed));
    ASSERT_TRUE(m_button.SetIcon(CSize(16, 16), hSecond));
    EXPECT_FALSE(IconAlive(hFirst));
    EXPECT_FALSE(IconAlive(hFirstPushed));
    EXPECT_TRUE(IconAlive(hSecond));

    ASSERT_TRUE(m_button.SetBitmap(CSize(90, 10), 4500));
    EXPECT_FALSE(IconAlive(hSecond));
    HBITMAP hBitmap = m_button.GetBitmapHandle();
    ASSERT_NE(nullptr, hBitmap);
    ASSERT_TRUE(m_button.SetBitmap(CSize(90, 10), 4500));
    EXPECT_EQ(0u, (UINT)::GetObjectType(hBitmap));
    hBitmap = m_button.GetBitmapHandle();
    EXPECT_FALSE(m_button.SetBitmap(CSize(90, 10), 4499));   // no such resource
    EXPECT_EQ(nullptr, m_button.GetBitmapHandle());
    EXPECT_EQ(0u, (UINT)::GetObjectType(hBitmap));

    HICON hLast = MakeIcon();
    m_button.SetIcon(CSize(16, 16), hLast);
    m_button.ClearImages();
    EXPECT_FALSE(IconAlive(hLast));
    EXPECT_EQ(nullptr, m_button.GetIconHandle());
}

TEST_F(XTButtonTest, DisabledBitmapIsTheMonoVariant)
{
    ASSERT_TRUE(m_button.SetBitmap(CSize(90, 10), 4500));
    m_button.SetStyleFlags(0x00);
    CCanvas normal(kWidth, kHeight, RGB(0, 255, 0)), disabled(kWidth, kHeight, RGB(0, 255, 0));
    Draw(normal, 0);
    Draw(disabled, ODS_DISABLED);
    CRect rcImage(4, 10, 94, 20);
    EXPECT_GT(normal.Count(RGB(255, 0, 255), rcImage), 0);   // the image's own colours
    EXPECT_EQ(0, disabled.Count(RGB(255, 0, 255), rcImage));
}

// Paints every look in every state through the real window and keeps a picture of them.
TEST_F(XTButtonTest, ScreenshotOfTheLooks)
{
    m_button.SetWindowText("&Look");
    const DWORD looks[] = { 0x01, 0x02, 0x40, 0x00, 0x21 };
    struct State { BOOL bHot; UINT nState; };
    const State states[] = { { FALSE, 0 }, { TRUE, 0 }, { TRUE, ODS_SELECTED }, { FALSE, ODS_DISABLED } };
    CCanvas sheet(4 * (kWidth + 4), 5 * (kHeight + 4), RGB(0, 255, 0));
    for (int nLook = 0; nLook < 5; ++nLook)
        for (int nState = 0; nState < 4; ++nState)
        {
            m_button.SetStyleFlags(looks[nLook]);
            SetHot(states[nState].bHot);
            Draw(sheet, states[nState].nState, nState * (kWidth + 4), nLook * (kHeight + 4));
        }
    sheet.SaveBmp("XTButtonLooks.bmp");
    MoveCursorAway();

    // The real window paints through the reflected owner draw, off screen first.
    m_button.SetStyleFlags(0x00);
    m_button.SetWindowText("");
    m_button.RedrawWindow();
    HDC hDC = ::GetDC(m_button);
    EXPECT_EQ(kFace, ::GetPixel(hDC, kWidth / 2, kHeight / 2));
    EXPECT_EQ(kHilite, ::GetPixel(hDC, 0, 0));
    EXPECT_EQ(xtAfxData.m_clr3DDkShadow, ::GetPixel(hDC, kWidth - 1, kHeight - 1));
    ::ReleaseDC(m_button, hDC);
}

} // namespace
