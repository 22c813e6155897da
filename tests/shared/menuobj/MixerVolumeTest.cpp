#include "shared/menuobj/MixerVolume.h"

#include "MixerRecorder.h"

#include <gtest/gtest.h>

using mixer_testing::MixerRecorder;

TEST(MixerVolumeTest, InactiveWrapperAnswersSuccessWithoutTouchingTheMixer)
{
    MixerRecorder recorder;
    {
        CMixerVolume mixer;
        mixer.SetInactive(TRUE);
        CWnd wnd;
        EXPECT_TRUE(mixer.Open(&wnd));
        int nValue = -5;
        EXPECT_TRUE(mixer.GetValue(nValue));
        EXPECT_EQ(-5, nValue);   // nothing written
        EXPECT_TRUE(mixer.SetValue(80));
        EXPECT_TRUE(mixer.Close());
        EXPECT_FALSE(mixer.IsOpen());
    }
    EXPECT_EQ(0, recorder.Total());
}

TEST(MixerVolumeTest, ActiveWrapperReadsAndSetsTheSpeakersVolumeOnAScaleOf100)
{
    MixerRecorder recorder;
    CMixerVolume mixer;
    int nValue = -1;
    EXPECT_FALSE(mixer.GetValue(nValue)) << "closed";
    EXPECT_FALSE(mixer.SetValue(10)) << "closed";
    ASSERT_TRUE(mixer.Open(nullptr));
    EXPECT_TRUE(mixer.IsOpen());
    EXPECT_EQ("Speakers", mixer.GetLineName());
    EXPECT_EQ(CString('V', MIXER_LONG_NAME_CHARS), mixer.GetControlName()) << "an unterminated name is cut";

    ASSERT_TRUE(mixer.GetValue(nValue));
    EXPECT_EQ(25, nValue);
    struct
    {
        int nSet;
        DWORD dwExpected;
    } cases[] = { { 0, 0 }, { 100, 65535 }, { 50, 32767 }, { 150, 65535 }, { -3, 0 } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nSet);
        EXPECT_TRUE(mixer.SetValue(c.nSet));
        EXPECT_EQ(c.dwExpected, MixerRecorder::Volume());
    }
    EXPECT_TRUE(mixer.Close());
    EXPECT_FALSE(mixer.IsOpen());
    EXPECT_EQ(1, recorder.Count("Close"));

    // Destruction closes an open mixer.
    {
        CMixerVolume open;
        ASSERT_TRUE(open.Open(nullptr));
    }
    EXPECT_EQ(2, recorder.Count("Close"));
}
