#include "player/MciMovie.h"

#include "helpers/TestSupport.h"
#include "MciScript.h"

#include <gtest/gtest.h>

#include <vector>

using testing_support::MciScript;
using testing_support::MessageBoxRecorder;

namespace {

// A plain top-level window to be the movie's parent.
class ParentWindow
{
public:
    ParentWindow()
        : m_hWnd(::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 400, 300, nullptr, nullptr,
                                   nullptr, nullptr))
    {
    }
    ~ParentWindow() { ::DestroyWindow(m_hWnd); }
    CWnd* Wnd() const { return CWnd::FromHandle(m_hWnd); }
    HWND m_hWnd;
};

CString Decimal(HWND hWnd)
{
    CString text;
    text.Format("%ld", HandleToLong(hWnd));
    return text;
}

TEST(MciMovie, FailedCommandKeepsAndShowsItsErrorText)
{
    MciScript mci;
    mci.Fail("open avivideo", MCIERR_INVALID_DEVICE_NAME);
    MessageBoxRecorder boxes;
    char szExpected[260] = "";
    ASSERT_TRUE(mciGetErrorStringA(MCIERR_INVALID_DEVICE_NAME, szExpected, sizeof szExpected));

    CMciMovie movie;
    EXPECT_FALSE(movie.OpenDevice());
    EXPECT_FALSE(movie.m_bDeviceOpen);
    EXPECT_EQ((MCIERROR)MCIERR_INVALID_DEVICE_NAME, movie.m_dwLastError);
    EXPECT_STREQ(szExpected, movie.m_szErrorText);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(CString(szExpected), boxes.Last().strText);
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, boxes.Last().nType & MB_ICONMASK);

    // Without show errors the text is kept all the same; a success clears it.
    movie.m_bShowErrors = FALSE;
    EXPECT_FALSE(movie.OpenDevice());
    EXPECT_STREQ(szExpected, movie.m_szErrorText);
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_EQ(0u, movie.SendCommand("status avivideo ready"));
    EXPECT_STREQ("", movie.m_szErrorText);
    EXPECT_EQ(0u, movie.m_dwLastError);
}

TEST(MciMovie, DeviceOpensAgainAfterClosingAndClosesOnce)
{
    MciScript mci;
    {
        CMciMovie movie;
        movie.CloseDevice();
        EXPECT_TRUE(mci.Commands().empty());
        EXPECT_TRUE(movie.OpenDevice());
        EXPECT_TRUE(movie.OpenDevice());
        movie.CloseDevice();
        movie.CloseDevice();
    }
    std::vector<CString> expected = { "open avivideo", "close avivideo", "open avivideo", "close avivideo" };
    EXPECT_EQ(expected, mci.Commands());
}

TEST(MciMovie, OpenQuotesThePathAndNamesTheParent)
{
    ParentWindow parent;
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
        EXPECT_TRUE(movie.OpenMovie(parent.Wnd(), c.path));
        std::vector<CString> expected = {
            CString("open ") + c.quoted + " alias mov style child parent " + Decimal(parent.m_hWnd),
            "window mov state show", "status mov window handle" };
        EXPECT_EQ(expected, mci.Commands());
        EXPECT_TRUE(movie.m_bMovieOpen);
        EXPECT_EQ((HWND)(LONG_PTR)4242, movie.m_hMovieWnd);
        movie.m_bMovieOpen = FALSE; // nothing to close at the end
    }
}

TEST(MciMovie, FailedOpenLeavesNoMovie)
{
    ParentWindow parent;
    MciScript mci;
    mci.Fail("open ", MCIERR_FILE_NOT_FOUND);
    MessageBoxRecorder boxes;
    CMciMovie movie;
    EXPECT_FALSE(movie.OpenMovie(parent.Wnd(), "missing.avi"));
    EXPECT_FALSE(movie.m_bMovieOpen);
    EXPECT_EQ(nullptr, movie.m_hMovieWnd);
    EXPECT_EQ(1u, mci.Commands().size());
    EXPECT_EQ(1u, boxes.Count());

    // Without a movie there is no source rectangle and nothing to move or close.
    CRect source(1, 2, 3, 4);
    movie.GetSourceRect(source);
    EXPECT_TRUE(source.IsRectNull());
    movie.MoveMovie(5, 5);
    movie.CloseMovie(parent.Wnd());
    EXPECT_EQ(1u, mci.Commands().size());
}

TEST(MciMovie, OpeningAgainClosesTheFirstMovie)
{
    ParentWindow parent;
    MciScript mci;
    {
        CMciMovie movie;
        movie.OpenMovie(parent.Wnd(), "a.avi");
        mci.Clear();
        movie.OpenMovie(parent.Wnd(), "b.avi");
        ASSERT_LE(2u, mci.Commands().size());
        EXPECT_EQ(CString("close mov"), mci.Commands()[0]);
        EXPECT_EQ(0, mci.Commands()[1].Find("open \"b.avi\""));
        mci.Clear();
    }
    // Destruction closes the movie left open.
    std::vector<CString> expected = { "close mov" };
    EXPECT_EQ(expected, mci.Commands());
}

TEST(MciMovie, PlayPauseTogglesAndNamesTheNotifyWindowOnlyForPlaying)
{
    ParentWindow parent;
    MciScript mci;
    CMciMovie movie;
    movie.PlayPause(parent.Wnd(), 1);
    EXPECT_TRUE(movie.m_bPlaying);
    movie.PlayPause(parent.Wnd(), 1);
    EXPECT_FALSE(movie.m_bPlaying);
    movie.PlayPause(parent.Wnd(), 1);
    movie.PlayPause(parent.Wnd(), 0);
    EXPECT_FALSE(movie.m_bPlaying);
    movie.PlayPause(parent.Wnd(), 0);

    struct Expected
    {
        LPCSTR command;
        HWND hWndNotify;
    } expected[] = {
        { "seek mov to start", nullptr }, { "play mov notify", parent.m_hWnd }, { "pause mov", nullptr },
        { "seek mov to start", nullptr }, { "play mov notify", parent.m_hWnd }, { "pause mov", nullptr },
        { "pause mov", nullptr },
    };
    ASSERT_EQ(std::size(expected), mci.Sent().size());
    for (size_t i = 0; i < mci.Sent().size(); ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(CString(expected[i].command), mci.Sent()[i].command);
        EXPECT_EQ(expected[i].hWndNotify, mci.Sent()[i].hWndNotify);
    }
}

TEST(MciMovie, SourceSizeFromTheWhereReply)
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

TEST(MciMovie, MovesItsWindowToTheSourceSizeAtTheOffset)
{
    ParentWindow parent;
    MciScript mci;
    mci.MakeMovieWindow();
    mci.Reply("where mov source", "3 4 160 120");
    CMciMovie movie;
    ASSERT_TRUE(movie.OpenMovie(parent.Wnd(), "clip.avi"));
    ASSERT_EQ(mci.MovieWnd(), movie.m_hMovieWnd);

    CRect source;
    movie.GetSourceRect(source);
    EXPECT_EQ(CRect(0, 0, 160, 120), source);
    movie.MoveMovie(30, 40);
    CRect placed;
    ::GetWindowRect(movie.m_hMovieWnd, &placed);
    ::MapWindowPoints(nullptr, parent.m_hWnd, (POINT*)&placed, 2);
    EXPECT_EQ(CRect(30, 40, 190, 160), placed);

    mci.Clear();
    movie.CloseMovie(parent.Wnd());
    std::vector<CString> expected = { "close mov" };
    EXPECT_EQ(expected, mci.Commands());
    EXPECT_FALSE(movie.m_bMovieOpen);
    EXPECT_FALSE(movie.m_bPlaying);
    EXPECT_EQ(nullptr, movie.m_hMovieWnd);
}

} // namespace
