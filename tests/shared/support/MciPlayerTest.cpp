#include "shared/support/MciPlayer.h"

#include "MciCommandRecorder.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using support_testing::MciCommandRecorder;
using testing_support::MessageBoxRecorder;
using Texts = std::vector<std::string>;

namespace {

// A hidden window that receives the channel's completion notices.
class NotifyWindow
{
public:
    NotifyWindow() { EXPECT_TRUE(m_wnd.CreateEx(0, nullptr, "Notify", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr)); }
    CWnd* Get() { return &m_wnd; }
    HWND Handle() const { return m_wnd.m_hWnd; }

private:
    CWnd m_wnd;
};

std::string ErrorText(MCIERROR dwError)
{
    char szText[255] = "";
    ::mciGetErrorStringA(dwError, szText, sizeof(szText));
    return szText;
}

} // namespace

TEST(MciPlayer, DeviceTypeFollowsTheLastThreeCharactersOfThePath)
{
    struct Row { const char* path; const char* type; };
    const Row rows[] = {
        { "music\\Theme.MID", "sequencer" },  { "theme.mid", "sequencer" },
        { "Track02.cda", "CDAudio" },         { "TRACK03.CdA", "CDAudio" },
        { "click.wav", "WaveAudio" },         { "song.midi", "WaveAudio" },
        { "x", "WaveAudio" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.path);
        MciCommandRecorder mci;
        CMciPlayer player;
        EXPECT_EQ(0u, player.WavOpen(row.path, "SND", FALSE, nullptr));
        ASSERT_EQ(1u, mci.Commands().size());
        EXPECT_EQ(std::string("open \"") + row.path + "\" type " + row.type + " alias SND wait", mci.Commands()[0].text);
    }
}

TEST(MciPlayer, OpenTakesTheDeviceIdAndSendsEveryCommandWithTheNotifyWindow)
{
    MciCommandRecorder mci;
    NotifyWindow notify;
    CMciPlayer player;
    EXPECT_EQ(-1, player.GetDeviceID());
    int nExpectedID = mci.NextDeviceID();

    EXPECT_EQ(0u, player.WavOpen("a.wav", "BGSOUND", TRUE, notify.Get()));
    EXPECT_TRUE(player.IsOpen());
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(nExpectedID, player.GetDeviceID());
    EXPECT_EQ("BGSOUND", std::string(player.GetAlias()));
    EXPECT_EQ(notify.Handle(), player.GetNotifyWindow());

    player.WavPlay();
    player.WavStop();
    for (const MciCommandRecorder::Command& command : mci.Commands())
    {
        SCOPED_TRACE(command.text);
        EXPECT_EQ(notify.Handle(), command.hWndNotify);
    }
}

TEST(MciPlayer, PlayStopResumeAndCloseSendTheirCommandsAndTrackTheState)
{
    MciCommandRecorder mci;
    CMciPlayer player;
    player.WavOpen("a.wav", "A", FALSE, nullptr);
    mci.Clear();

    EXPECT_EQ(0u, player.WavPlay());
    EXPECT_TRUE(player.IsPlaying());
    EXPECT_EQ(Texts({ "play A from 0 notify" }), mci.Texts());

    mci.Clear();
    player.WavPlay();   // playing: stops first
    EXPECT_EQ(Texts({ "stop A wait", "play A from 0 notify" }), mci.Texts());

    mci.Clear();
    player.WavStop();
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(0u, player.WavResume());
    EXPECT_TRUE(player.IsPlaying());
    EXPECT_EQ(Texts({ "stop A wait", "play A notify" }), mci.Texts());

    mci.Clear();
    player.WavClose();
    EXPECT_EQ(Texts({ "stop A wait", "close A wait" }), mci.Texts());
    EXPECT_FALSE(player.IsOpen());
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(-1, player.GetDeviceID());
    EXPECT_EQ(nullptr, player.GetNotifyWindow());
}

TEST(MciPlayer, AClosedChannelSendsNothing)
{
    MciCommandRecorder mci;
    NotifyWindow notify;
    {
        CMciPlayer player;
        EXPECT_EQ(1u, player.WavPlay());
        EXPECT_EQ(1u, player.WavResume());
        player.WavStop();
        player.WavClose();
        player.OnNotify(-1);
        EXPECT_FALSE(player.IsPlaying());

        // A failed open leaves it closed; closing clears the notify window.
        mci.Fail("open", MCIERR_FILE_NOT_FOUND);
        player.WavOpen("gone.wav", "G", FALSE, notify.Get());
        EXPECT_FALSE(player.IsOpen());
        EXPECT_EQ(-1, player.GetDeviceID());
        mci.Clear();
        player.WavPlay();
        player.WavClose();
        EXPECT_EQ(nullptr, player.GetNotifyWindow());
    }
    EXPECT_TRUE(mci.Commands().empty());
}

TEST(MciPlayer, AFailedCommandShowsTheErrorBoxOnlyWhenErrorsAreShown)
{
    MciCommandRecorder mci;
    MessageBoxRecorder boxes;
    mci.Fail("open", MCIERR_FILE_NOT_FOUND);
    CMciPlayer quiet;
    EXPECT_EQ((MCIERROR)MCIERR_FILE_NOT_FOUND, quiet.WavOpen("gone.mid", "Q", FALSE, nullptr));
    EXPECT_EQ((MCIERROR)MCIERR_FILE_NOT_FOUND, quiet.GetLastResult());
    EXPECT_EQ(0u, boxes.Count());

    CMciPlayer loud;
    loud.WavOpen("gone.mid", "L", TRUE, nullptr);
    ASSERT_EQ(1u, boxes.Count());
    std::string expected = "M C I - E R R O R\n\n     Command=open \"gone.mid\" type sequencer alias L wait\n"
                           "     Error=" + std::to_string(MCIERR_FILE_NOT_FOUND) + "\n     " +
                           ErrorText(MCIERR_FILE_NOT_FOUND) + "\n";
    EXPECT_EQ(expected, std::string(boxes.Last().strText));
    EXPECT_EQ((UINT)MB_OK, boxes.Last().nType & 0xF);

    // Played for a window (the menu), the box is that window's and comes to
    // the front rather than opening behind it.
    NotifyWindow notify;
    CMciPlayer owned;
    owned.WavOpen("gone.mid", "O", TRUE, notify.Get());
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_EQ(notify.Handle(), boxes.Last().hWndOwner);
    EXPECT_EQ((UINT)MB_SETFOREGROUND, boxes.Last().nType & MB_SETFOREGROUND);
}

TEST(MciPlayer, AFailedPlayLeavesTheChannelNotPlaying)
{
    MciCommandRecorder mci;
    MessageBoxRecorder boxes;
    CMciPlayer player;
    player.WavOpen("a.wav", "A", TRUE, nullptr);
    mci.Fail("play", MCIERR_DEVICE_NOT_READY);
    EXPECT_EQ((MCIERROR)MCIERR_DEVICE_NOT_READY, player.WavPlay());
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ((MCIERROR)MCIERR_DEVICE_NOT_READY, player.WavResume());
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(2u, boxes.Count());
    EXPECT_TRUE(player.IsOpen());
}

TEST(MciPlayer, CompletionRestartsARepeatingPlayingChannelForItsOwnDeviceOnly)
{
    MciCommandRecorder mci;
    CMciPlayer player;
    player.WavOpen("loop.wav", "LOOP", FALSE, nullptr);
    player.SetRepeat(TRUE);
    player.WavPlay();
    mci.Clear();

    player.OnNotify(player.GetDeviceID() + 1);
    EXPECT_TRUE(mci.Commands().empty());
    EXPECT_TRUE(player.IsPlaying());

    for (int i = 0; i < 2; ++i)
        player.OnNotify(player.GetDeviceID());
    EXPECT_EQ(Texts({ "play LOOP from 0 notify", "play LOOP from 0 notify" }), mci.Texts());
    EXPECT_TRUE(player.IsPlaying());

    // A late notice does not restart a stopped channel; an ended one that
    // does not repeat stays silent.
    player.WavStop();
    for (BOOL bRepeat : { TRUE, FALSE })
    {
        SCOPED_TRACE(bRepeat ? "stopped" : "not repeating");
        player.SetRepeat(bRepeat);
        mci.Clear();
        player.OnNotify(player.GetDeviceID());
        EXPECT_FALSE(player.IsPlaying());
        EXPECT_TRUE(mci.Commands().empty());
        player.WavPlay();
    }
}

// The platform's own MCI: a wave file opens and its end (or, without a sound
// device, its failure) comes back to the notify window with the channel's id;
// a missing file fails with the platform's error in the box.
TEST(MciPlayer, PlatformPlaysAWaveFileAndNotifiesTheWindow)
{
    testing_support::TempFolder folder;
    // A twentieth of a second of 8-bit mono silence.
    CString strPath = testing_support::TestDataPath("projects\\full\\sound\\klick.wav");

    MessageBoxRecorder boxes;
    NotifyWindow notify;
    CMciPlayer player;
    if (player.WavOpen(strPath, "TESTBEEP", TRUE, notify.Get()) != 0)
    {
        // No wave device at all: the failure is reported and the channel stays closed.
        EXPECT_EQ(1u, boxes.Count());
        EXPECT_FALSE(player.IsOpen());
        return;
    }
    ASSERT_GT(player.GetDeviceID(), 0);
    ASSERT_EQ(0u, player.WavPlay());

    MSG msg = {};
    DWORD dwStart = ::GetTickCount();
    BOOL bNotified = FALSE;
    while (!bNotified && ::GetTickCount() - dwStart < 3000)
    {
        if (::PeekMessageA(&msg, notify.Handle(), MM_MCINOTIFY, MM_MCINOTIFY, PM_REMOVE))
            bNotified = TRUE;
        else
            ::Sleep(5);
    }
    ASSERT_TRUE(bNotified);
    EXPECT_EQ(player.GetDeviceID(), (int)msg.lParam);
    player.OnNotify((int)msg.lParam);
    EXPECT_FALSE(player.IsPlaying());
    player.WavClose();
    EXPECT_FALSE(player.IsOpen());

    EXPECT_NE(0u, player.WavOpen(folder.File("missing.wav"), "MISSING", TRUE, nullptr));
    EXPECT_FALSE(player.IsOpen());
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_NE(-1, boxes.Last().strText.Find(ErrorText(player.GetLastResult()).c_str()));
}
