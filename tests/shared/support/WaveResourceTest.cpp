#include "shared/support/WaveResource.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using testing_support::MessageBoxRecorder;

TEST(WaveResource, TheBuiltInSoundsAreWholeWavFiles)
{
    const struct
    {
        const char* pszName;
        DWORD dwSize;
    } cases[] = { { "WAVECLICK", 1192 }, { "WAVEOVER", 3462 } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        DWORD dwSize = 0;
        const BYTE* pData = (const BYTE*)FindWaveResource(c.pszName, dwSize);
        ASSERT_NE(nullptr, pData);
        EXPECT_EQ(c.dwSize, dwSize);
        EXPECT_EQ(0, memcmp(pData, "RIFF", 4));
        EXPECT_EQ(dwSize - 8, *(const DWORD*)(pData + 4));
        EXPECT_EQ(0, memcmp(pData + 8, "WAVEfmt ", 8));
    }
    DWORD dwSize = 1;
    EXPECT_EQ(nullptr, FindWaveResource("WAVEGONE", dwSize));
    EXPECT_EQ(0u, dwSize);
    EXPECT_FALSE(PlayWaveResource("WAVEGONE"));

    // A built-in sound returns (at once where there is no sound device) and
    // shows nothing.
    MessageBoxRecorder boxes;
    PlayWaveResource("WAVECLICK");
    EXPECT_EQ(0u, boxes.Count());
}

} // namespace
