#include "shared/menuobj/ArchiveLines.h"

#include "StoredLines.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using menuobj_testing::StoredLines;
using testing_support::ReadFileText;
using testing_support::TempFolder;

namespace {

typedef std::vector<std::string> Lines;

Lines LoadThroughArchive(const CString& strText)
{
    TempFolder folder;
    CString strPath = folder.Write("project.ini", strText);
    CFile file(strPath, CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    CArchiveLines lines;
    lines.AddLine("old");
    lines.Serialize(ar);
    return StoredLines(lines);
}

void StoreThroughArchive(CArchiveLines& lines, const CString& strPath)
{
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    lines.Serialize(ar);
}

} // namespace

// Stored lines load back.
TEST(ArchiveLinesTest, StoringWritesEveryLineWithCrLf)
{
    TempFolder folder;
    CString strPath = folder.File("project.ini");
    CArchiveLines lines;
    for (LPCSTR psz : { "[Tarnix]", "", " " })
        lines.AddLine(psz);
    StoreThroughArchive(lines, strPath);
    EXPECT_EQ("[Tarnix]\r\n\r\n \r\n", ReadFileText(strPath));

    CArchiveLines stored;
    for (LPCSTR psz : { "[Tarnix]", "LANGUAGE=G", " ", "[WINDOW]", "TITLE=Grüße" })
        stored.AddLine(psz);
    StoreThroughArchive(stored, strPath);
    CFile file(strPath, CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    CArchiveLines loaded;
    loaded.Serialize(ar);
    EXPECT_EQ(StoredLines(stored), StoredLines(loaded));
}

// Control characters but tabs are dropped.
TEST(ArchiveLinesTest, LoadingSkipsEmptyLinesWhateverTheLineEnds)
{
    EXPECT_EQ((Lines{ "[A]", " ", "B=1" }), LoadThroughArchive("[A]\r\n \r\n\r\nB=1\r\n"));
    EXPECT_EQ((Lines{ "one", "two", "three" }), LoadThroughArchive("one\ntwo\n\nthree\n"));
    EXPECT_EQ((Lines{ "one", "two", "three", "four" }), LoadThroughArchive("one\rtwo\r\nthree\nfour"));
    EXPECT_EQ((Lines{}), LoadThroughArchive(""));
    EXPECT_EQ((Lines{ "a\tb", "\x7fÄrger" }), LoadThroughArchive("a\x01\tb\x1f\r\n\x02\x7fÄrger\r\n"));
}

TEST(ArchiveLinesTest, LoadingCutsLongLinesAt4093Characters)
{
    CString strLong('a', 5000);
    Lines lines = LoadThroughArchive(strLong + "\r\nnext\r\n");
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(std::string(4093, 'a'), lines[0]);
    EXPECT_EQ("next", lines[1]);
}
