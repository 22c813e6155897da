#include "shared/support/SoundObject.h"

#include "MciCommandRecorder.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using support_testing::MciCommandRecorder;
using Texts = std::vector<std::string>;

namespace {

// Stands for a menu window: passes the successful completion notices it gets
// to its sound channels, as the menu does.
class CSoundOwnerWnd : public CWnd
{
public:
    explicit CSoundOwnerWnd(CSoundObject& sounds) : m_sounds(sounds)
    {
        EXPECT_TRUE(CreateEx(0, nullptr, "Sounds", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    }

protected:
    LRESULT OnMciNotify(WPARAM wParam, LPARAM lParam)
    {
        if (wParam == MCI_NOTIFY_SUCCESSFUL)
            m_sounds.OnNotify((int)lParam);
        return 0;
    }

    DECLARE_MESSAGE_MAP()

private:
    CSoundObject& m_sounds;
};

BEGIN_MESSAGE_MAP(CSoundOwnerWnd, CWnd)
    ON_MESSAGE(MM_MCINOTIFY, OnMciNotify)
END_MESSAGE_MAP()

} // namespace

// An index outside the four channels is ignored.
TEST(SoundObject, OpenTakesTheLowestFreeChannelAndAFifthOpenAnswersMinusOne)
{
    MciCommandRecorder mci;
    CSoundObject sounds;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(i, sounds.Open("a.wav", ("S" + std::to_string(i)).c_str(), FALSE, nullptr));
    mci.Clear();
    EXPECT_EQ(-1, sounds.Open("b.wav", "FIFTH", FALSE, nullptr));
    for (int nIndex : { -1, 4, 100 })
    {
        sounds.Play(nIndex, TRUE);
        sounds.Resume(nIndex, TRUE);
        sounds.Stop(nIndex);
        sounds.Close(nIndex);
    }
    EXPECT_TRUE(mci.Commands().empty());

    sounds.Close(1);
    EXPECT_EQ(1, sounds.Open("b.wav", "AGAIN", FALSE, nullptr));
    EXPECT_EQ(Texts({ "stop S1 wait", "close S1 wait", "open \"b.wav\" type WaveAudio alias AGAIN wait" }), mci.Texts());
}

TEST(SoundObject, AFailedOpenAnswersMinusOneAndLeavesTheChannelFree)
{
    MciCommandRecorder mci;
    CSoundObject sounds;
    EXPECT_EQ(0, sounds.Open("a.wav", "BGSOUND", FALSE, nullptr));
    mci.Fail("open \"broken", MCIERR_INVALID_FILE);
    EXPECT_EQ(-1, sounds.Open("broken.wav", "CLICK", FALSE, nullptr));

    // The channel the failed open tried is the next one handed out, so its
    // index never names someone else's sound.
    EXPECT_EQ(1, sounds.Open("over.wav", "OVER", FALSE, nullptr));
    mci.Clear();
    sounds.Play(-1, FALSE);
    sounds.Close(-1);
    EXPECT_TRUE(mci.Commands().empty());
}

TEST(SoundObject, PlayResumeStopAndCloseReachTheirChannel)
{
    MciCommandRecorder mci;
    CSoundObject sounds;
    sounds.Open("bg.mid", "BGSOUND", FALSE, nullptr);
    int nAction = sounds.Open("but.wav", "BUT_SOUND", FALSE, nullptr);
    mci.Clear();
    sounds.Play(nAction, FALSE);
    sounds.Stop(nAction);
    sounds.Resume(nAction, FALSE);
    sounds.Close(nAction);
    EXPECT_EQ(Texts({ "play BUT_SOUND from 0 notify", "stop BUT_SOUND wait", "play BUT_SOUND notify",
                      "stop BUT_SOUND wait", "close BUT_SOUND wait" }),
              mci.Texts());
}

TEST(SoundObject, NotificationsToTheOwnerRestartOnlyTheRepeatingChannelOfTheDevice)
{
    MciCommandRecorder mci;
    CSoundObject sounds;
    CSoundOwnerWnd owner(sounds);
    const int nBackgroundID = mci.NextDeviceID();
    const int nButtonID = nBackgroundID + 1;
    int nBackground = sounds.Open("bg.wav", "BGSOUND", FALSE, &owner);
    int nButton = sounds.Open("but.wav", "BUT_SOUND", FALSE, &owner);
    sounds.Play(nBackground, TRUE);
    sounds.Play(nButton, FALSE);
    ASSERT_EQ(4u, mci.Commands().size());
    HWND hWndNotify = mci.Commands()[2].hWndNotify;
    EXPECT_EQ(owner.m_hWnd, hWndNotify);
    mci.Clear();

    // The button sound ends: it does not repeat, the background goes on.
    ::SendMessageA(hWndNotify, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, nButtonID);
    EXPECT_TRUE(mci.Commands().empty());

    // The background ends twice and starts again each time.
    ::SendMessageA(hWndNotify, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, nBackgroundID);
    ::SendMessageA(hWndNotify, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, nBackgroundID);
    EXPECT_EQ(Texts({ "play BGSOUND from 0 notify", "play BGSOUND from 0 notify" }), mci.Texts());

    // Once stopped it stays stopped, even when a notice arrives late.
    mci.Clear();
    sounds.Stop(nBackground);
    ::SendMessageA(hWndNotify, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, nBackgroundID);
    EXPECT_EQ(Texts({ "stop BGSOUND wait" }), mci.Texts());
    sounds.CloseAll();
}

TEST(SoundObject, CloseAllAndTheDestructorCloseEveryOpenChannel)
{
    MciCommandRecorder mci;
    {
        CSoundObject sounds;
        sounds.Open("a.wav", "A", FALSE, nullptr);
        sounds.Open("b.wav", "B", FALSE, nullptr);
        sounds.Open("c.wav", "C", FALSE, nullptr);
        sounds.Close(1);
        sounds.Play(2, FALSE);
        mci.Clear();
        sounds.CloseAll();
        EXPECT_EQ(Texts({ "stop A wait", "close A wait", "stop C wait", "close C wait" }), mci.Texts());
        EXPECT_EQ(0, sounds.Open("d.wav", "D", FALSE, nullptr));
        mci.Clear();
    }
    EXPECT_EQ(Texts({ "stop D wait", "close D wait" }), mci.Texts());
}
