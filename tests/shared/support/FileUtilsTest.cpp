#include "shared/support/FileUtils.h"

#include "helpers/TestSupport.h"
#include "shared/support/TempVariables.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using testing_support::MessageBoxRecorder;
using testing_support::ReadFileBytes;
using testing_support::ReadFileText;
using testing_support::TempFolder;
using support_testing::TempVariables;

// Bytes that cross several copy chunks and end in a part of one.
std::vector<unsigned char> SampleBytes()
{
    std::vector<unsigned char> bytes(3 * 4048 + 17);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = (unsigned char)(i * 7 + i / 251);
    return bytes;
}

TEST(FileUtils, CopyFileToFolderCopiesTheWholeFile)
{
    TempFolder from;
    TempFolder to;
    const std::vector<unsigned char> bytes = SampleBytes();
    from.Write("Tarnix.exe", bytes.data(), bytes.size());
    to.Write("Tarnix.exe", CString("an older, longer file that is replaced without a question ") + CString('x', 20000));
    MessageBoxRecorder boxes;
    EXPECT_TRUE(CopyFileToFolder("Tarnix.exe", from.Path(), to.Path()));
    EXPECT_EQ(bytes, ReadFileBytes(to.File("Tarnix.exe")));
    EXPECT_EQ(0u, boxes.Count());
}

TEST(FileUtils, CopyFileToFolderTakesABareNameFromTheCurrentFolder)
{
    TempFolder from;
    TempFolder to;
    from.Write("click.wav", CString("RIFF"));
    testing_support::ScopedCurrentFolder current(from.Path());
    EXPECT_TRUE(CopyFileToFolder("click.wav", "", to.Path()));
    EXPECT_STREQ("RIFF", ReadFileText(to.File("click.wav")));
}

TEST(FileUtils, CopyFileToFolderFailures)
{
    TempFolder from;
    TempFolder to;
    from.Write("empty.txt", CString());
    from.Write("a.txt", CString("a"));
    // A missing source creates nothing.
    EXPECT_FALSE(CopyFileToFolder("gone.txt", from.Path(), to.Path()));
    EXPECT_FALSE(FileExists(to.File("gone.txt")));
    // An empty source copies no byte.
    EXPECT_FALSE(CopyFileToFolder("empty.txt", from.Path(), to.Path()));
    // A target folder that does not exist.
    EXPECT_FALSE(CopyFileToFolder("a.txt", from.Path(), to.File("gone")));
}

TEST(FileUtils, AFileIsNeverCopiedOntoItself)
{
    TempFolder folder;
    folder.Write("over.wav", CString("the author's sound"));
    EXPECT_FALSE(CopyFileToFolder("over.wav", folder.Path(), folder.Path()));
    EXPECT_FALSE(CopyFileAsk(folder.File("over.wav"), folder.Path() + "\\.\\over.wav", FALSE, 'E'));
    EXPECT_STREQ("the author's sound", ReadFileText(folder.File("over.wav")));
}

TEST(FileUtils, CopyFileAskAsksBeforeOverwritingWhenToldTo)
{
    TempFolder folder;
    const CString strSource = folder.Write("new.txt", CString("new"));
    const CString strTarget = folder.Write("old.txt", CString("old text"));
    MessageBoxRecorder boxes;
    EXPECT_TRUE(CopyFileAsk(folder.Write("other.txt", CString("other")), strSource, FALSE, 'G'));
    EXPECT_STREQ("new", ReadFileText(folder.File("other.txt"))) << "replaced without asking";
    EXPECT_EQ(0u, boxes.Count());

    boxes.Answer(IDNO);
    EXPECT_FALSE(CopyFileAsk(strTarget, strSource, TRUE, 'G'));
    EXPECT_STREQ("old text", ReadFileText(strTarget));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_STREQ("Die Datei: \"" + strTarget + "\" existiert bereits !\nDatei \xFC" "berschreiben ?",
                 boxes.Last().strText);
    EXPECT_EQ(UINT(MB_YESNO), boxes.Last().nType & 0xF);

    boxes.Answer(IDYES);
    EXPECT_TRUE(CopyFileAsk(strTarget, strSource, TRUE, 'E'));
    EXPECT_STREQ("new", ReadFileText(strTarget));
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_STREQ("File: \"" + strTarget + "\" already exist !\nOverwrite file ?", boxes.Last().strText);

    // A new target needs no question.
    EXPECT_TRUE(CopyFileAsk(folder.File("fresh.txt"), strSource, TRUE, 'E'));
    EXPECT_EQ(2u, boxes.Count());
    EXPECT_FALSE(CopyFileAsk(folder.File("other.txt"), folder.File("gone.txt"), TRUE, 'E'));
}

TEST(FileUtils, FolderPartAndExistence)
{
    const struct
    {
        const char* pszPath;
        const char* pszFolder;
    } cases[] = {
        { "C:\\menu\\sound\\click.wav", "C:\\menu\\sound" },
        { "C:\\click.wav", "C:" },
        { "sound\\click.wav", "sound" },
        { "click.wav", "unchanged" },
        { "\\click.wav", "unchanged" },
        { "", "unchanged" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszPath);
        CString strFolder = "unchanged";
        GetFolderPart(c.pszPath, strFolder);
        EXPECT_STREQ(c.pszFolder, strFolder);
    }

    TempFolder folder;
    EXPECT_TRUE(FileExists(folder.Write("a.txt", CString("a"))));
    EXPECT_TRUE(FileExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder.File("gone.txt")));
}

TEST(FileUtils, TempFolderComesFromTempElseTmp)
{
    TempFolder folder;
    TempFolder other;
    TempVariables variables;
    CString strFolder;
    CString strLong;

    TempVariables::Set("TEMP", folder.Path());
    TempVariables::Set("TMP", other.Path());
    EXPECT_TRUE(GetTempFolder(strFolder, strLong));
    EXPECT_STREQ(folder.Path(), strFolder);
    EXPECT_EQ(0, strLong.CompareNoCase(folder.Path()));

    TempVariables::Set("TEMP", "");
    EXPECT_TRUE(GetTempFolder(strFolder, strLong));
    EXPECT_STREQ(other.Path(), strFolder);

    // Neither set, or a folder that is not there: nothing.
    TempVariables::Set("TMP", "");
    EXPECT_FALSE(GetTempFolder(strFolder, strLong));
    EXPECT_TRUE(strFolder.IsEmpty());
    EXPECT_TRUE(strLong.IsEmpty());
    TempVariables::Set("TEMP", folder.File("gone"));
    strFolder = strLong = "x";
    EXPECT_FALSE(GetTempFolder(strFolder, strLong));
    EXPECT_TRUE(strFolder.IsEmpty());
    EXPECT_TRUE(strLong.IsEmpty());
}

TEST(FileUtils, TempFolderGivesTheLongFormOfAShortName)
{
    TempFolder folder;
    const CString strLongName = folder.File("Temporary Files Of Tarnix");
    ASSERT_TRUE(CreateDirectoryA(strLongName, nullptr));
    char szShort[MAX_PATH] = "";
    ASSERT_NE(0u, GetShortPathNameA(strLongName, szShort, MAX_PATH));
    TempVariables variables;
    TempVariables::Set("TEMP", szShort);
    CString strFolder;
    CString strLong;
    const BOOL bFound = GetTempFolder(strFolder, strLong);
    RemoveDirectoryA(strLongName);
    EXPECT_TRUE(bFound);
    EXPECT_STREQ(szShort, strFolder);
    EXPECT_EQ(-1, strFolder.Find("Temporary Files"));
    EXPECT_EQ(0, strLong.Right(26).CompareNoCase("\\Temporary Files Of Tarnix")) << (LPCSTR)strLong;
}

TEST(FileUtils, LongPathNeedsABackslash)
{
    CString strLong = "x";
    EXPECT_FALSE(MakeLongPath("click.wav", strLong));
    EXPECT_TRUE(strLong.IsEmpty());

    TempFolder folder;
    EXPECT_TRUE(MakeLongPath(folder.Path(), strLong));
    EXPECT_EQ(0, strLong.CompareNoCase(folder.Path())) << (LPCSTR)strLong;
    EXPECT_TRUE(MakeLongPath(folder.Path() + "\\", strLong));
    EXPECT_EQ(0, strLong.CompareNoCase(folder.Path())) << (LPCSTR)strLong;
}

} // namespace
