#include "shared/menuobj/StaticLink.h"

#include "ObjWndTesting.h"
#include "shared/support/Values.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using testing_support::ProgramStartRecorder;
using testing_values::Ints;

namespace {

class StaticLinkTest : public testing::Test
{
protected:
    void Create(CStaticLink& link, LPCSTR lpszText = "www.example.org", DWORD dwType = SS_LEFT)
    {
        ASSERT_TRUE(link.Create(lpszText, WS_CHILD | WS_VISIBLE | dwType, CRect(10, 10, 150, 30), &m_page, 5015));
    }
    void Click(CStaticLink& link) { link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3)); }

    CTestPage m_page;
};

class CCountedLink : public CStaticLink
{
public:
    explicit CCountedLink(int& nDeleted) : CStaticLink("x", TRUE), m_nDeleted(nDeleted) {}
    ~CCountedLink() override { ++m_nDeleted; }

private:
    int& m_nDeleted;
};

} // namespace

TEST_F(StaticLinkTest, AClickOpensTheTargetAndTurnsTheLinkPurple)
{
    CStaticLink link("https://example.org/");
    Create(link);
    EXPECT_EQ(RGB(0, 0, 255), link.GetLinkColor());
    ProgramStartRecorder starts;
    Click(link);
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_EQ(testing_values::Texts({ "open", "https://example.org/" }),
              testing_values::Texts({ starts.Starts()[0].strOperation, starts.Starts()[0].strFile }));
    EXPECT_EQ(SW_SHOWNORMAL, starts.Starts()[0].nShowCmd);
    EXPECT_EQ(RGB(128, 0, 128), link.GetLinkColor());
}

TEST_F(StaticLinkTest, TheLabelsTextIsTriedWhenTheTargetFailsOrIsEmpty)
{
    CStaticLink failing("https://example.org/");
    Create(failing);
    ProgramStartRecorder refused(2);
    Click(failing);
    ASSERT_EQ(2u, refused.Starts().size());
    EXPECT_EQ("https://example.org/", refused.Starts()[0].strFile);
    EXPECT_EQ("www.example.org", refused.Starts()[1].strFile);
    EXPECT_EQ(RGB(0, 0, 255), failing.GetLinkColor()) << "nothing opened: the link only beeps";

    CStaticLink empty;
    Create(empty);
    ProgramStartRecorder opened;
    Click(empty);
    ASSERT_EQ(1u, opened.Starts().size());
    EXPECT_EQ("www.example.org", opened.Starts()[0].strFile);
    EXPECT_EQ(RGB(128, 0, 128), empty.GetLinkColor());
}

TEST_F(StaticLinkTest, TheWholeLabelTakesTheMouseWithTheHandCursor)
{
    CRecordingProgram program;
    CStaticLink link("x");
    Create(link);
    EXPECT_EQ(LRESULT(HTCLIENT), link.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(15, 15)));
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    EXPECT_TRUE(link.SendMessage(WM_SETCURSOR, (WPARAM)link.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(kTestHandCursor)), ::GetCursor());
}

TEST_F(StaticLinkTest, TextLabelsAreColouredUnderlinedAndOnWhiteUnlessTransparent)
{
    CStaticLink link("x");
    Create(link);
    CClientDC dc(&link);
    HBRUSH hBrush = (HBRUSH)m_page.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.GetSafeHdc(), (LPARAM)link.m_hWnd);
    EXPECT_EQ(::GetStockObject(WHITE_BRUSH), hBrush);
    EXPECT_EQ((Ints{ int(RGB(0, 0, 255)), TRANSPARENT }), (Ints{ int(dc.GetTextColor()), dc.GetBkMode() }));
    LOGFONTA lf = {};
    ::GetObjectA(::GetCurrentObject(dc, OBJ_FONT), sizeof(lf), &lf);
    EXPECT_TRUE(lf.lfUnderline);

    link.SetTransparent();
    hBrush = (HBRUSH)m_page.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.GetSafeHdc(), (LPARAM)link.m_hWnd);
    EXPECT_EQ(::GetStockObject(HOLLOW_BRUSH), hBrush);

    CStaticLink frame("x");
    Create(frame, "", SS_BLACKFRAME);
    CClientDC frameDC(&frame);
    hBrush = (HBRUSH)m_page.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)frameDC.GetSafeHdc(), (LPARAM)frame.m_hWnd);
    EXPECT_NE(::GetStockObject(WHITE_BRUSH), hBrush) << "only text labels are links";
    EXPECT_NE(RGB(0, 0, 255), frameDC.GetTextColor());
}

TEST_F(StaticLinkTest, ALinkMadeToDeleteItselfGoesWithItsWindow)
{
    int nDeleted = 0;
    CCountedLink* pLink = new CCountedLink(nDeleted);
    Create(*pLink);
    pLink->DestroyWindow();
    EXPECT_EQ(1, nDeleted);
}
