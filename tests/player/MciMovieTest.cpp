#include "player/MciMovie.h"

#include "helpers/TestSupport.h"
#include "MciScript.h"
#include "PlayerTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

using testing_support::MciScript;
using testing_support::MessageBoxRecorder;

namespace {

// A movie with a plain top-level window for its parent, its commands scripted.
class MciMovie : public ::testing::Test
{
protected:
    CWnd* Parent() { return &m_parent.m_wnd; }
    HWND ParentHwnd() const { return m_parent.m_wnd.m_hWnd; }

    player_test::TestWindow m_parent{ CRect(10, 10, 410, 310) };
    MciScript m_mci;
    MessageBoxRecorder m_boxes;
};

CString Decimal(HWND hWnd)
{
    CString text;
    text.Format("%ld", HandleToLong(hWnd));
    return text;
}

TEST_F(MciMovie, FailedCommandKeepsAndShowsItsErrorText)
{
    m_mci.Fail("open avivideo", MCIERR_INVALID_DEVICE_NAME);
    char szExpected[260] = "";
    ASSERT_TRUE(mciGetErrorStringA(MCIERR_INVALID_DEVICE_NAME, szExpected, sizeof szExpected));

    CMciMovie movie;
    EXPECT_FALSE(movie.OpenDevice());
    EXPECT_FALSE(movie.m_bDeviceOpen);
    EXPECT_EQ((MCIERROR)MCIERR_INVALID_DEVICE_NAME, movie.m_dwLastError);
    EXPECT_STREQ(szExpected, movie.m_szErrorText);
    ASSERT_EQ(1u, m_boxes.Count());
    EXPECT_EQ(CString(szExpected), m_boxes.Last().strText);
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, m_boxes.Last().nType & MB_ICONMASK);

    // Without show errors the text is kept all the same; a success clears it.
    movie.m_bShowErrors = FALSE;
    EXPECT_FALSE(movie.OpenDevice());
    EXPECT_STREQ(szExpected, movie.m_szErrorText);
    EXPECT_EQ(1u, m_boxes.Count());
    EXPECT_EQ(0u, movie.SendCommand("status avivideo ready"));
    EXPECT_STREQ("", movie.m_szErrorText);
    EXPECT_EQ(0u, movie.m_dwLastError);
}

TEST_F(MciMovie, DeviceOpensAgainAfterClosingAndClosesOnce)
{
    {
        CMciMovie movie;
        movie.CloseDevice();
        EXPECT_TRUE(m_mci.Commands().empty());
        EXPECT_TRUE(movie.OpenDevice());
        EXPECT_TRUE(movie.OpenDevice());
        movie.CloseDevice();
        movie.CloseDevice();
    }
    std::vector<CString> expected = { "open avivideo", "close avivideo", "open avivideo", "close avivideo" };
    EXPECT_EQ(expected, m_mci.Commands());
}

TEST_F(MciMovie, OpenQuotesThePathAndNamesTheParent)
{
    struct Case
    {
        LPCSTR path;
        LPCSTR quoted;
    } cases[] = {
        { "C:\\Videos\\Mein Film.avi", "\"C:\\Videos\\Mein Film.avi\"" },
        { "\"C:\\Videos\\Mein Film.avi\"", "\"C:\\Videos\\Mein Film.avi\"" },
        { "clip.avi", "\"clip.avi\"" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.path);
        MciScript mci;
        mci.Reply("status mov window handle", "4242");
        CMciMovie movie;
        EXPECT_TRUE(movie.OpenMovie(Parent(), c.path));
        std::vector<CString> expected = {
            CString("open ") + c.quoted + " alias mov style child parent " + Decimal(ParentHwnd()),
            "window mov state show", "status mov window handle" };
        EXPECT_EQ(expected, mci.Commands());
        EXPECT_TRUE(movie.m_bMovieOpen);
        EXPECT_EQ((HWND)(LONG_PTR)4242, movie.m_hMovieWnd);
        movie.m_bMovieOpen = FALSE; // nothing to close at the end
    }
}

TEST_F(MciMovie, FailedOpenLeavesNoMovie)
{
    m_mci.Fail("open ", MCIERR_FILE_NOT_FOUND);
    CMciMovie movie;
    EXPECT_FALSE(movie.OpenMovie(Parent(), "missing.avi"));
    EXPECT_FALSE(movie.m_bMovieOpen);
    EXPECT_EQ(nullptr, movie.m_hMovieWnd);
    EXPECT_EQ(1u, m_mci.Commands().size());
    EXPECT_EQ(1u, m_boxes.Count());

    // Without a movie there is no source rectangle and nothing to move or close.
    CRect source(1, 2, 3, 4);
    movie.GetSourceRect(source);
    EXPECT_TRUE(source.IsRectNull());
    movie.MoveMovie(5, 5);
    movie.CloseMovie(Parent());
    EXPECT_EQ(1u, m_mci.Commands().size());
}

TEST_F(MciMovie, OpeningAgainClosesTheFirstMovie)
{
    {
        CMciMovie movie;
        movie.OpenMovie(Parent(), "a.avi");
        m_mci.Clear();
        movie.OpenMovie(Parent(), "b.avi");
        ASSERT_LE(2u, m_mci.Commands().size());
        EXPECT_EQ(CString("close mov"), m_mci.Commands()[0]);
        EXPECT_EQ(0, m_mci.Commands()[1].Find("open \"b.avi\""));
        m_mci.Clear();
    }
    // Destruction closes the movie left open.
    std::vector<CString> expected = { "close mov" };
    EXPECT_EQ(expected, m_mci.Commands());
}

TEST_F(MciMovie, PlayPauseTogglesAndNamesTheNotifyWindowOnlyForPlaying)
{
    CMciMovie movie;
    movie.PlayPause(Parent(), 1);
    EXPECT_TRUE(movie.m_bPlaying);
    movie.PlayPause(Parent(), 1);
    EXPECT_FALSE(movie.m_bPlaying);
    movie.PlayPause(Parent(), 1);
    movie.PlayPause(Parent(), 0);
    EXPECT_FALSE(movie.m_bPlaying);
    movie.PlayPause(Parent(), 0);

    struct Expected
    {
        LPCSTR command;
        HWND hWndNotify;
    } expected[] = {
        { "seek mov to start", nullptr }, { "play mov notify", ParentHwnd() }, { "pause mov", nullptr },
        { "seek mov to start", nullptr }, { "play mov notify", ParentHwnd() }, { "pause mov", nullptr },
        { "pause mov", nullptr },
    };
    ASSERT_EQ(std::size(expected), m_mci.Sent().size());
    for (size_t i = 0; i < m_mci.Sent().size(); ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(CString(expected[i].command), m_mci.Sent()[i].command);
        EXPECT_EQ(expected[i].hWndNotify, m_mci.Sent()[i].hWndNotify);
    }
}

TEST(MciMovieSource, SizeFromTheWhereReply)
{
    struct Case
    {
        LPCSTR reply;
        CSize size;
    } cases[] = {
        { "0 0 320 240", CSize(320, 240) },
        { "5 7 160 120", CSize(160, 120) },
        { "0 0 320", CSize(0, 0) },
        { "", CSize(0, 0) },
        { "a b c d", CSize(0, 0) },
        { "0 0 -5 240", CSize(0, 0) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.reply);
        EXPECT_EQ(c.size, CMciMovie::ParseSourceSize(c.reply));
    }
}

TEST_F(MciMovie, MovesItsWindowToTheSourceSizeAtTheOffset)
{
    m_mci.MakeMovieWindow();
    m_mci.Reply("where mov source", "3 4 160 120");
    CMciMovie movie;
    ASSERT_TRUE(movie.OpenMovie(Parent(), "clip.avi"));
    ASSERT_EQ(m_mci.MovieWnd(), movie.m_hMovieWnd);

    CRect source;
    movie.GetSourceRect(source);
    EXPECT_EQ(CRect(0, 0, 160, 120), source);
    movie.MoveMovie(30, 40);
    CRect placed;
    ::GetWindowRect(movie.m_hMovieWnd, &placed);
    ::MapWindowPoints(nullptr, ParentHwnd(), (POINT*)&placed, 2);
    EXPECT_EQ(CRect(30, 40, 190, 160), placed);

    m_mci.Clear();
    movie.CloseMovie(Parent());
    std::vector<CString> expected = { "close mov" };
    EXPECT_EQ(expected, m_mci.Commands());
    EXPECT_FALSE(movie.m_bMovieOpen);
    EXPECT_FALSE(movie.m_bPlaying);
    EXPECT_EQ(nullptr, movie.m_hMovieWnd);
}

} // namespace
