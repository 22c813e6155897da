#include "shared/support/ButtonSounds.h"

#include "shared/support/SoundObject.h"

#include "MciCommandRecorder.h"
#include "helpers/TestSupport.h"
#include "shared/support/Values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using support_testing::MciCommandRecorder;
using testing_support::MessageBoxRecorder;
using testing_support::TempFolder;
using testing_values::Ints;

// Records the built-in sounds instead of playing them.
class CRecordingButtonSounds : public CButtonSounds
{
public:
    std::vector<std::string> m_builtIn;

protected:
    void PlayBuiltInSound(LPCSTR lpszName) override { m_builtIn.push_back(lpszName); }
};

// Runs in a fresh project folder as the current folder, with the MCI recorded.
class ButtonSoundsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_notify.CreateEx(0, nullptr, "Menu", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    }
    void TearDown() override { m_notify.DestroyWindow(); }

    TempFolder m_project;
    testing_support::ScopedCurrentFolder m_current{ m_project.Path() };
    CWnd m_notify;
    MciCommandRecorder m_mci;
    MessageBoxRecorder m_boxes;
    CSoundObject m_channels;
};

TEST_F(ButtonSoundsTest, ASoundThatIsNotWantedIsNeitherLookedUpNorPlayed)
{
    m_project.Write("click.wav", CString("RIFF"));
    m_project.Write("over.wav", CString("RIFF"));
    CRecordingButtonSounds sounds;
    sounds.Init(FALSE, FALSE, &m_channels, &m_notify);
    sounds.PlayClick();
    sounds.PlayOver();
    EXPECT_TRUE(sounds.GetClickFile().IsEmpty());
    EXPECT_EQ((Ints{ 0, -1, -1 }),
              (Ints{ sounds.IsClickFileFound(), sounds.GetClickChannel(), sounds.GetOverChannel() }));
    EXPECT_TRUE(m_mci.Commands().empty());
    EXPECT_TRUE(sounds.m_builtIn.empty());
}

TEST_F(ButtonSoundsTest, TheProjectsFilesPlayOnTheirChannels)
{
    m_project.Write("click.wav", CString("RIFF"));
    m_project.Write("sound\\over.wav", CString("RIFF"));
    {
        CRecordingButtonSounds sounds;
        sounds.Init(TRUE, TRUE, &m_channels, &m_notify);
        EXPECT_EQ(testing_values::Texts({ "click.wav", "sound\\over.wav" }),
                  testing_values::Texts({ sounds.GetClickFile(), sounds.GetOverFile() }));
        EXPECT_EQ((Ints{ 1, 0, 1, 1 }), (Ints{ sounds.IsClickFileFound(), sounds.GetClickChannel(),
                                              sounds.IsOverFileFound(), sounds.GetOverChannel() }));
        sounds.PlayClick();
        sounds.PlayOver();
        EXPECT_TRUE(sounds.m_builtIn.empty());
    }
    const std::vector<std::string> expected = {
        "open \"click.wav\" type WaveAudio alias CLICK wait",
        "open \"sound\\over.wav\" type WaveAudio alias OVER wait",
        "play CLICK from 0 notify",
        "play OVER from 0 notify",
        // The channels close with the object.
        "stop CLICK wait",
        "close CLICK wait",
        "stop OVER wait",
        "close OVER wait",
    };
    EXPECT_EQ(expected, m_mci.Texts());
    ASSERT_FALSE(m_mci.Commands().empty());
    EXPECT_EQ(m_notify.m_hWnd, m_mci.Commands()[0].hWndNotify);
    EXPECT_EQ(0u, m_boxes.Count());
}

TEST_F(ButtonSoundsTest, AMissingFilePlaysTheBuiltInSound)
{
    CRecordingButtonSounds sounds;
    sounds.Init(TRUE, TRUE, &m_channels, &m_notify);
    EXPECT_STREQ("sound\\click.wav", sounds.GetClickFile());
    EXPECT_EQ((Ints{ 0, 0, -1 }),
              (Ints{ sounds.IsClickFileFound(), sounds.IsOverFileFound(), sounds.GetClickChannel() }));
    sounds.PlayClick();
    sounds.PlayOver();
    sounds.PlayClick();
    const std::vector<std::string> expected = { "WAVECLICK", "WAVEOVER", "WAVECLICK" };
    EXPECT_EQ(expected, sounds.m_builtIn);
    EXPECT_TRUE(m_mci.Commands().empty());
    EXPECT_EQ(0u, m_boxes.Count());
}

TEST_F(ButtonSoundsTest, AFileThatDoesNotOpenAsAChannelPlaysNothing)
{
    m_project.Write("click.wav", CString("not a sound"));
    m_mci.Fail("open", MCIERR_INVALID_FILE);
    CRecordingButtonSounds sounds;
    sounds.Init(TRUE, FALSE, &m_channels, &m_notify);
    EXPECT_TRUE(sounds.IsClickFileFound());
    EXPECT_EQ(-1, sounds.GetClickChannel());
    m_mci.Clear();
    sounds.PlayClick();
    EXPECT_TRUE(m_mci.Commands().empty());
    EXPECT_TRUE(sounds.m_builtIn.empty());
    EXPECT_EQ(0u, m_boxes.Count());
}

TEST_F(ButtonSoundsTest, InitAgainClosesTheChannelsAndForgetsTheFiles)
{
    m_project.Write("click.wav", CString("RIFF"));
    CRecordingButtonSounds sounds;
    sounds.Init(TRUE, FALSE, &m_channels, &m_notify);
    EXPECT_EQ(0, sounds.GetClickChannel());
    m_mci.Clear();
    sounds.Init(FALSE, TRUE, &m_channels, &m_notify);
    const std::vector<std::string> expected = { "stop CLICK wait", "close CLICK wait" };
    EXPECT_EQ(expected, m_mci.Texts());
    EXPECT_EQ((Ints{ 0, -1 }), (Ints{ sounds.IsClickFileFound(), sounds.GetClickChannel() }));
    sounds.PlayClick();
    sounds.PlayOver();
    EXPECT_EQ(std::vector<std::string>{ "WAVEOVER" }, sounds.m_builtIn);
}

} // namespace
