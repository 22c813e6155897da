#include "shared/menuobj/AviInfo.h"

#include "AviTestFiles.h"
#include "helpers/TestSupport.h"
#include "shared/support/Values.h"

#include <gtest/gtest.h>

#include <string>

using menuobj_testing::AviBytes;
using menuobj_testing::AviClip;
using testing_values::Ints;
using testing_values::Texts;

namespace {

BOOL ProbeBytes(CAviInfo& info, std::vector<BYTE>& bytes)
{
    return info.Probe(bytes.data(), bytes.size());
}

} // namespace

TEST(AviInfo, ReadsTheFieldsOfAnUncompressedClip)
{
    AviClip clip;
    clip.cx = 320;
    clip.cy = 240;
    clip.nFrames = 3;
    clip.dwScale = 1001;
    clip.dwRate = 30000;
    AviBytes avi(clip);
    testing_support::TempFolder folder;
    CString strPath = folder.Write("clip.avi", avi.Bytes().data(), avi.Bytes().size());

    CAviInfo info;
    ASSERT_TRUE(info.ReadFile(strPath));
    EXPECT_TRUE(info.GetResult());
    EXPECT_EQ((Ints{ 320, 240, 3, 1, 29, 24 }),
              (Ints{ int(info.GetFrameWidth()), int(info.GetFrameHeight()), int(info.GetTotalFrames()),
                     int(info.GetStreams()), int(info.GetFramesPerSecond()), int(info.GetBitsPerPixel()) }));
    EXPECT_EQ(Texts({ "", "Uncompressed", "" }), Texts({ info.GetFourCC(), info.GetCodec(), info.GetError() }));
}

TEST(AviInfo, DescribesTheCodecFromCompressionAndHandlerCode)
{
    struct Row { DWORD dwCompression; const char* pszHandler; const char* pszCodec; };
    const Row rows[] = {
        { BI_RGB, "", "Uncompressed" },
        { BI_RGB, "DIB ", "Uncompressed" },
        { BI_RGB, "dib ", "Uncompressed" },
        { BI_RGB, "DIBX", "Unknown" },
        { BI_RLE8, "", "RLE; Microsoft RLE Codec" },
        { BI_RLE8, "xyz", "RLE; Microsoft RLE Codec" },
        { mmioFOURCC('m', 'r', 'l', 'e'), "mrle", "MRLE; Microsoft MRLE Codec" },
        { mmioFOURCC('c', 'v', 'i', 'd'), "cvid", "CVID; Cinepak Codec Radius Inc." },
        { mmioFOURCC('I', 'V', '3', '1'), "IV31", "IV31; Indeo Codec R3.1 by Intel" },
        { mmioFOURCC('I', 'V', '3', '2'), "iv32", "IV32; Indeo Codec R3.2 by Intel" },
        { mmioFOURCC('I', 'V', '5', '0'), "IV50", "IV50; Indeo Codec 5.10 by Intel" },
        { mmioFOURCC('C', 'R', 'A', 'M'), "CRAM", "CRAM; Microsoft Video 1" },
        { mmioFOURCC('M', 'S', 'V', 'C'), "MSVC", "MSVC" },
        { mmioFOURCC('x', 'v', 'i', 'd'), "xv", "xv" },   // a code ends at its first zero byte
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::string(row.pszHandler) + " -> " + row.pszCodec);
        AviClip clip;
        clip.dwCompression = row.dwCompression;
        clip.pszHandler = row.pszHandler;
        AviBytes avi(clip);
        CAviInfo info;
        ASSERT_TRUE(ProbeBytes(info, avi.Bytes()));
        EXPECT_EQ(row.pszCodec, std::string(info.GetCodec()));
    }
}

TEST(AviInfo, FilesShorterThanTheHeadersAreNoClips)
{
    AviBytes avi{ AviClip() };
    testing_support::TempFolder folder;
    CAviInfo info;
    CString strShort = folder.Write("short.avi", avi.Bytes().data(), CAviInfo::headerSize - 1);
    EXPECT_FALSE(info.ReadFile(strShort));
    EXPECT_EQ("Unknown file header", std::string(info.GetError()));
    EXPECT_FALSE(info.ReadFile(folder.Write("empty.avi", "", 0)));
    EXPECT_FALSE(info.ReadFile(folder.File("missing.avi")));
    EXPECT_FALSE(info.GetResult());

    // Exactly the headers, whatever the chunk sizes claim, are enough.
    avi.Set32(4, 0xFFFFFFFF);
    avi.Set32(16, 0xFFFFFFF0);
    CString strHeaders = folder.Write("headers.avi", avi.Bytes().data(), CAviInfo::headerSize);
    EXPECT_TRUE(info.ReadFile(strHeaders));
}

TEST(AviInfo, EachChunkTagMustStandInItsPlace)
{
    struct Row { size_t at; const char* text; BOOL bAccepted; };
    const Row rows[] = {
        { 0, "RIFX", FALSE },   { 0, "riff", TRUE },    { 0, "RI\0F", FALSE }, { 8, "AVIX", TRUE },
        { 8, "avi ", TRUE },    { 8, "WAVE", FALSE },   { 12, "JUNK", FALSE }, { 20, "HDRL", TRUE },
        { 20, "strl", FALSE },  { 24, "AVIH", TRUE },   { 24, "av\0h", FALSE }, { 88, "RIFF", FALSE },
        { 96, "strf", FALSE },  { 100, "strf", FALSE }, { 100, "STRH", TRUE },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::to_string(row.at) + " " + std::string(row.text, 4));
        AviBytes avi{ AviClip() };
        memcpy(&avi.Bytes()[row.at], row.text, 4);
        CAviInfo info;
        EXPECT_EQ(row.bAccepted, ProbeBytes(info, avi.Bytes()));
        if (!row.bAccepted)
        {
            EXPECT_EQ("Unknown file header", std::string(info.GetError()));
        }
    }
}

TEST(AviInfo, LyingFieldsGiveTheirLowWordsAndAZeroScaleNoFrameRate)
{
    AviBytes avi{ AviClip() };
    avi.Set32(menuobj_testing::aviScale, 0);
    avi.Set32(menuobj_testing::aviWidth, 0x12345);
    avi.Set32(menuobj_testing::aviHeight, 0xFFFFFFFF);
    avi.Set32(menuobj_testing::aviTotalFrames, 0x7FFFFFFF);
    avi.Set32(menuobj_testing::aviStreams, 0);
    CAviInfo info;
    ASSERT_TRUE(ProbeBytes(info, avi.Bytes()));
    EXPECT_EQ((Ints{ 0, 0x2345, 0xFFFF, 0xFFFF, 0 }),
              (Ints{ int(info.GetFramesPerSecond()), int(info.GetFrameWidth()), int(info.GetFrameHeight()),
                     int(info.GetTotalFrames()), int(info.GetStreams()) }));
}

TEST(AviInfo, AFailedProbeForgetsTheEarlierClip)
{
    AviBytes avi{ AviClip() };
    CAviInfo info;
    ASSERT_TRUE(ProbeBytes(info, avi.Bytes()));
    avi.SetText(0, "JUNK");
    EXPECT_FALSE(ProbeBytes(info, avi.Bytes()));
    EXPECT_EQ(0, info.GetFrameWidth());
    EXPECT_EQ("", std::string(info.GetCodec()));
    EXPECT_FALSE(info.Probe(nullptr, 1000));
}
