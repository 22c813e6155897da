#include "shared/menuobj/ButBasis.h"

#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/ToolTip.h"
#include "shared/support/ButtonSounds.h"

#include "ObjWndTesting.h"
#include "helpers/TestSupport.h"
#include "shared/support/Values.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using testing_values::Ints;

namespace {

class CTestButton : public CButBasis
{
public:
    void Disable() { m_bEnabled = 0; }
};

// Counts the built-in sounds instead of playing them.
class CCountingSounds : public CButtonSounds
{
public:
    CCountingSounds()
    {
        // The program folder holds the editor's "Sound" folder; the counted
        // sounds are the built-in ones that a folder without sounds plays.
        testing_support::TempFolder noSounds;
        testing_support::ScopedCurrentFolder here(noSounds.Path());
        Init(TRUE, TRUE, nullptr, nullptr);
    }
    int m_nClicks = 0;
    int m_nOvers = 0;

protected:
    void PlayBuiltInSound(LPCSTR lpszName) override
    {
        if (CString(lpszName) == "WAVECLICK")
            ++m_nClicks;
        else if (CString(lpszName) == "WAVEOVER")
            ++m_nOvers;
    }
};

// A button at (20, 30) of 100 by 40 pixels on a page.
class ButBasisTest : public testing::Test
{
protected:
    ButBasisTest() : m_program(&m_page)
    {
        m_struct.m_strText = "Go";
        m_button.SetCreateStruct(&m_struct);
    }

    // The page's tooltip area and sounds, handed to the button.
    void GiveTipAndSounds()
    {
        m_tip.Setup(CRect(0, 250, 400, 290), TRUE, RGB(255, 255, 255), CFontDesc(), "Default", &m_page, "", FALSE);
        m_struct.pToolTip = &m_tip;
        m_struct.m_strToolTip = "Starts the setup";
        m_struct.m_pSounds = &m_sounds;
    }
    ~ButBasisTest() override { ::ReleaseCapture(); }

    void Create(BOOL bEditMode)
    {
        m_button.SetEditMode(bEditMode);
        ASSERT_TRUE(m_button.CreateButton("Go", WS_CHILD | WS_VISIBLE, CRect(20, 30, 120, 70), &m_page, 5001));
    }
    BOOL HasCapture() { return ::GetCapture() == m_button.m_hWnd; }
    void Press() { m_button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
    void Release() { m_button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); }
    int Commands() const
    {
        int n = 0;
        for (const auto& m : m_page.m_messages)
            n += m.nMessage == WM_COMMAND ? 1 : 0;
        return n;
    }

    CTestPage m_page;
    CRecordingProgram m_program;
    CToolTip m_tip;
    CCountingSounds m_sounds;
    CMButCreateStruct m_struct;
    CTestButton m_button;
};

} // namespace

TEST(StripEnclosingMarkersTest, OnlyMatchingMarkersAroundAtLeastOneCharacterGo)
{
    static const struct { const char* pszIn; const char* pszOut; } kCases[] = {
        { "%Start%", "Start" }, { "$Start$", "Start" }, { "%A%", "A" }, { "%%", "%%" }, { "$$", "$$" },
        { "%Start$", "%Start$" }, { "$Start%", "$Start%" }, { "%Start", "%Start" }, { "Start%", "Start%" },
        { "", "" }, { "%%%", "%" }, { "A%B%", "A%B%" },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszIn);
        CString str(c.pszIn);
        StripEnclosingMarkers(str);
        EXPECT_STREQ(c.pszOut, str);
    }
}

TEST_F(ButBasisTest, CreationRemembersThePageAndMakesATabStopChild)
{
    Create(FALSE);
    EXPECT_EQ(&m_page, m_button.GetNotifyWnd());
    EXPECT_EQ(CRect(20, 30, 120, 70), CRect(m_button.GetObjectRect()));
    EXPECT_EQ(CRect(20, 30, 120, 70), RectInParent(m_button));
    EXPECT_EQ(DWORD(WS_TABSTOP | WS_CHILD), m_button.GetStyle() & (WS_TABSTOP | WS_CHILD));
    CString strText;
    m_button.GetWindowText(strText);
    EXPECT_STREQ("Go", strText);
}

TEST_F(ButBasisTest, MouseOverTakesTheCaptureUntilTheMouseLeaves)
{
    Create(FALSE);
    HCURSOR hHand = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(kTestHandCursor));
    ASSERT_NE(nullptr, hHand);
    int nPaints = m_page.m_nPaints;

    MouseMove(m_button, 5, 5);
    EXPECT_TRUE(m_button.IsHover());
    EXPECT_TRUE(HasCapture());
    EXPECT_EQ(hHand, ::GetCursor());
    EXPECT_EQ(nPaints + 1, m_page.m_nPaints) << "the page repaints at once";

    // Edges count as inside on every side.
    MouseMove(m_button, 100, 40);
    EXPECT_TRUE(m_button.IsHover());
    EXPECT_EQ(nPaints + 1, m_page.m_nPaints);

    MouseMove(m_button, 101, 10);
    EXPECT_FALSE(m_button.IsHover());
    EXPECT_FALSE(HasCapture());
    EXPECT_EQ(::LoadCursor(nullptr, IDC_ARROW), ::GetCursor());
    EXPECT_EQ(nPaints + 2, m_page.m_nPaints);

    MouseMove(m_button, -1, 10);
    EXPECT_TRUE(m_button.IsHover()) << "a move that reaches the window is a new entry";
    EXPECT_EQ(hHand, ::GetCursor());
}

TEST_F(ButBasisTest, EachEntryShowsTheTipAndPlaysTheOverSoundOnce)
{
    GiveTipAndSounds();
    Create(FALSE);
    for (int nEntry = 1; nEntry <= 2; ++nEntry)
    {
        SCOPED_TRACE(nEntry);
        MouseMove(m_button, 5, 5);
        MouseMove(m_button, 6, 6);
        EXPECT_STREQ("Starts the setup", m_tip.GetText());
        EXPECT_EQ(nEntry, m_sounds.m_nOvers);
        MouseMove(m_button, 200, 6);
        EXPECT_STREQ("Default", m_tip.GetText());
        EXPECT_EQ(nEntry, m_sounds.m_nOvers);
    }
    EXPECT_EQ(0, m_sounds.m_nClicks);

    Press();
    EXPECT_EQ(1, m_sounds.m_nClicks);
    EXPECT_STREQ("Starts the setup", m_tip.GetText()) << "the focus shows the tip";
    Release();
    EXPECT_STREQ("Default", m_tip.GetText());
}

TEST_F(ButBasisTest, InDesignModeTheTipShowsAndOnlyTheClickSoundPlays)
{
    GiveTipAndSounds();
    Create(TRUE);
    MouseMove(m_button, 5, 5);
    EXPECT_STREQ("Starts the setup", m_tip.GetText());
    Press();
    EXPECT_EQ(1, m_sounds.m_nClicks);
    EXPECT_EQ(0, m_sounds.m_nOvers);
    MouseMove(m_button, 5, 200);
    EXPECT_STREQ("Default", m_tip.GetText());
}

TEST_F(ButBasisTest, AClickTellsThePageThenExecutesAndLeavesTheButtonUnhovered)
{
    Create(FALSE);
    MouseMove(m_button, 5, 5);
    Press();
    EXPECT_TRUE(m_button.IsPressed());
    EXPECT_EQ(m_button.m_hWnd, ::GetFocus());
    EXPECT_TRUE(m_button.HasFocus());

    Release();
    ASSERT_EQ(1u, m_program.m_executed.size());
    EXPECT_EQ(&m_button, m_program.m_executed[0]);
    ASSERT_EQ(1u, m_page.m_messages.size());
    EXPECT_EQ(UINT(WM_COMMAND), m_page.m_messages[0].nMessage);
    EXPECT_EQ(WPARAM(kTestClickCommand), m_page.m_messages[0].wParam);
    EXPECT_EQ(1u, m_program.m_nMessagesBeforeExecute) << "the command comes before the execution";
    EXPECT_EQ((Ints{ 0, 0 }), (Ints{ m_button.IsPressed(), m_button.IsHover() })) << "pressed, hovered";
    EXPECT_TRUE(HasCapture()) << "the capture is kept";

    HCURSOR hHand = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(kTestHandCursor));
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    MouseMove(m_button, 6, 6);
    EXPECT_TRUE(m_button.IsHover());
    EXPECT_EQ(hHand, ::GetCursor()) << "the next move is a new entry";
}

// A press repaints the page once, and that paint shows the button pressed,
// whether the press gives the button the focus or it had it already.
TEST_F(ButBasisTest, APressPaintsThePageOnceWithTheButtonPressed)
{
    Create(FALSE);
    std::vector<int> pressedAtPaint;
    m_page.m_onPaint = [&]() { pressedAtPaint.push_back(m_button.IsPressed()); };
    for (bool bFocused : { false, true })
    {
        SCOPED_TRACE(bFocused ? "focused before" : "not focused before");
        if (bFocused)
            m_button.SetFocus();
        else
            m_page.SetFocus();
        m_page.UpdateWindow();
        pressedAtPaint.clear();
        Press();
        EXPECT_EQ(std::vector<int>{ 1 }, pressedAtPaint);
        EXPECT_EQ(m_button.m_hWnd, ::GetFocus());
        Release();
    }
    m_page.m_onPaint = nullptr;
}

TEST_F(ButBasisTest, APressDraggedOutEndsIdleWithoutExecuting)
{
    Create(FALSE);
    MouseMove(m_button, 5, 5);
    Press();
    MouseMove(m_button, 150, 5);
    EXPECT_EQ((Ints{ 0, 0 }), (Ints{ m_button.IsPressed(), m_button.IsHover() })) << "pressed, hovered";
    EXPECT_FALSE(HasCapture()) << "the release goes to the window under the mouse";
    EXPECT_TRUE(m_program.m_executed.empty());
    EXPECT_EQ(0, Commands());
}

TEST_F(ButBasisTest, InDesignModeAClickNeitherTellsThePageNorExecutes)
{
    Create(TRUE);
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    MouseMove(m_button, 5, 5);
    EXPECT_TRUE(m_button.IsHover());
    EXPECT_EQ(::LoadCursor(nullptr, IDC_ARROW), ::GetCursor()) << "no hand cursor";
    Press();
    EXPECT_FALSE(m_button.IsPressed());
    EXPECT_NE(m_button.m_hWnd, ::GetFocus());
    Release();
    m_button.Execute();
    EXPECT_TRUE(m_program.m_executed.empty());
    EXPECT_EQ(0, Commands());
}

// Without a program a click sends no command; a disabled button tells the
// page but executes nothing.
TEST_F(ButBasisTest, WithoutAProgramOrDisabledAClickExecutesNothing)
{
    Create(FALSE);
    CObjWndProgram* pInstalled = CObjWndProgram::Set(nullptr);
    Press();
    Release();
    CObjWndProgram::Set(pInstalled);
    EXPECT_EQ(0, Commands());
    m_button.Disable();
    Press();
    Release();
    EXPECT_EQ(1, Commands());
    EXPECT_TRUE(m_program.m_executed.empty());
}

TEST_F(ButBasisTest, LosingTheFocusEndsHoverPressAndCapture)
{
    GiveTipAndSounds();
    Create(FALSE);
    MouseMove(m_button, 5, 5);
    Press();
    ASSERT_TRUE(m_button.HasFocus());
    m_page.SetFocus();
    EXPECT_EQ((Ints{ 0, 0, 0, 0 }), (Ints{ m_button.HasFocus(), m_button.IsHover(), m_button.IsPressed(), HasCapture() }))
        << "focus, hover, press, capture";
    EXPECT_STREQ("Default", m_tip.GetText());
}

TEST_F(ButBasisTest, ListBoxAndPopupDocumentsAreSentToThePage)
{
    Create(FALSE);
    static const struct { const char* pszDocument; UINT nMessage; } kCases[] = {
        { "<LISTBOX>", WM_TARNIX_RUNLISTBOX },
        { "<POPUPMENU00>", WM_TARNIX_SHOWPOPUP },
        { "<POPUPMENU07>", WM_TARNIX_SHOWPOPUP },
        { "start <LISTBOX>", 0 },
        { "Setup.exe", 0 },
        { "", 0 },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszDocument);
        m_page.m_messages.clear();
        m_struct.m_strDocument = c.pszDocument;
        EXPECT_EQ(c.nMessage != 0, m_button.SendPageRequest());
        if (c.nMessage == 0)
        {
            EXPECT_TRUE(m_page.m_messages.empty());
            continue;
        }
        ASSERT_EQ(1u, m_page.m_messages.size());
        EXPECT_EQ(c.nMessage, m_page.m_messages[0].nMessage);
        EXPECT_EQ(WPARAM(5001), m_page.m_messages[0].wParam);
        EXPECT_EQ(LPARAM(&m_struct), m_page.m_messages[0].lParam);
    }
}

TEST(ButBasisCaptionTest, TheCaptionIsDrawnWithoutMarkersAndOnePixelLowerRightWhenPressed)
{
    menuobj_testing::MainWindowScope mainWindow;
    CFontDesc font;
    CButBasis button;
    auto draw = [&](const char* pszText, BOOL bPressed, menuobj_testing::BitmapCanvas& canvas) {
        CRect rc(0, 0, 100, 30);
        button.DrawCaption(canvas.DC(), rc, &font, pszText, bPressed);
    };
    menuobj_testing::BitmapCanvas plain(100, 30, RGB(255, 255, 255));
    menuobj_testing::BitmapCanvas marked(100, 30, RGB(255, 255, 255));
    menuobj_testing::BitmapCanvas pressed(100, 30, RGB(255, 255, 255));
    draw("Ab", FALSE, plain);
    draw("%Ab%", FALSE, marked);
    draw("Ab", TRUE, pressed);
    int nInk = 0;
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 99; ++x)
        {
            ASSERT_EQ(plain.Pixel(x, y), marked.Pixel(x, y)) << x << "," << y;
            ASSERT_EQ(plain.Pixel(x, y), pressed.Pixel(x + 1, y + 1)) << x << "," << y;
            nInk += plain.Pixel(x, y) != RGB(255, 255, 255) ? 1 : 0;
        }
    EXPECT_GT(nInk, 0);
}
