#include "framework/Archive.h"
#include "framework/File.h"
#include "framework/MemFile.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::TempFolder;

namespace {

TEST(File, ShareExclusiveKeepsOthersOut)
{
    TempFolder folder;
    CString path = folder.Write("locked.txt", CString("data"));
    CFile first;
    ASSERT_TRUE(first.Open(path, CFile::modeRead | CFile::shareExclusive));
    CFile second;
    CFileException error;
    EXPECT_FALSE(second.Open(path, CFile::modeRead | CFile::shareDenyNone, &error));
    EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
    first.Close();
    EXPECT_TRUE(second.Open(path, CFile::modeRead | CFile::shareDenyNone));
}

TEST(File, ShareDenyWriteLetsReadersIn)
{
    TempFolder folder;
    CString path = folder.Write("shared.txt", CString("data"));
    CFile first(path, CFile::modeRead | CFile::shareDenyWrite);
    CFile reader;
    EXPECT_TRUE(reader.Open(path, CFile::modeRead | CFile::shareDenyNone));
    CFile writer;
    EXPECT_FALSE(writer.Open(path, CFile::modeWrite | CFile::shareDenyNone));
}

TEST(File, ReadGivesAShortCountAtTheEnd)
{
    TempFolder folder;
    CString path = folder.File("data.bin");
    {
        CFile out(path, CFile::modeCreate | CFile::modeWrite);
        out.Write("0123456789", 10);
    }
    CFile in(path, CFile::modeRead);
    EXPECT_EQ(10u, in.GetLength());
    char buf[8];
    EXPECT_EQ(8u, in.Read(buf, 8));
    EXPECT_EQ(2u, in.Read(buf, 8));
    EXPECT_EQ(0u, in.Read(buf, 8));
    EXPECT_EQ(3u, in.Seek(3, CFile::begin));
    EXPECT_EQ(1u, in.Read(buf, 1));
    EXPECT_EQ('3', buf[0]);
    EXPECT_EQ(CString("data.bin"), in.GetFileName());
}

TEST(File, CreateWithNoTruncateKeepsTheContent)
{
    TempFolder folder;
    CString path = folder.Write("keep.txt", CString("keep me"));
    {
        CFile f(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(7u, f.GetLength());
    }
    CFile f(path, CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(0u, f.GetLength());
}

TEST(File, OpeningAMissingFileThrowsFromTheConstructor)
{
    TempFolder folder;
    CString path = folder.File("missing.txt");
    bool thrown = false;
    try
    {
        CFile f(path, CFile::modeRead);
    }
    catch (CFileException* e)
    {
        thrown = true;
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        EXPECT_EQ((LONG)ERROR_FILE_NOT_FOUND, e->m_lOsError);
        EXPECT_NE(-1, e->GetErrorMessage().Find("missing.txt"));
        e->Delete();
    }
    EXPECT_TRUE(thrown);
}

TEST(Archive, RoundTripOfNumbersCountsAndStrings)
{
    CMemFile file;
    CString longText('y', 70000);
    {
        CArchive ar(&file, CArchive::store);
        ar << (BYTE)0xAB << (WORD)0x1234 << (DWORD)0xDEADBEEF << -5;
        ar.WriteCount(12);
        ar.WriteCount(100000);
        ar << CString("") << CString("Grüße") << CString('z', 300) << longText;
    }
    // Numbers are little-endian.
    EXPECT_EQ(0xAB, file.GetData()[0]);
    EXPECT_EQ(0x34, file.GetData()[1]);
    EXPECT_EQ(0xEF, file.GetData()[3]);

    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    BYTE b;
    WORD w;
    DWORD dw;
    int i;
    ar >> b >> w >> dw >> i;
    EXPECT_EQ(0xAB, b);
    EXPECT_EQ(0x1234, w);
    EXPECT_EQ(0xDEADBEEFu, dw);
    EXPECT_EQ(-5, i);
    EXPECT_EQ(12u, ar.ReadCount());
    EXPECT_EQ(100000u, ar.ReadCount());
    CString s1, s2, s3, s4;
    ar >> s1 >> s2 >> s3 >> s4;
    EXPECT_EQ(CString(""), s1);
    EXPECT_EQ(CString("Grüße"), s2);
    EXPECT_EQ(300, s3.GetLength());
    EXPECT_EQ(longText, s4);
}

TEST(Archive, TruncatedDataThrowsInsteadOfReadingPastTheEnd)
{
    // A string length of 0xFF 0x00 0x10 (4096) with only three bytes behind it.
    const BYTE bytes[] = { 0xFF, 0x00, 0x10, 'a', 'b', 'c' };
    CMemFile file(bytes, sizeof(bytes));
    CArchive ar(&file, CArchive::load);
    CString s;
    bool thrown = false;
    try
    {
        ar >> s;
    }
    catch (CArchiveException* e)
    {
        thrown = true;
        EXPECT_EQ(CArchiveException::endOfFile, e->m_cause);
        e->Delete();
    }
    EXPECT_TRUE(thrown);
}

TEST(Archive, ReadStringTakesEveryLineEnd)
{
    const char text[] = "one\r\ntwo\nthree\rfour";
    CMemFile file((const BYTE*)text, sizeof(text) - 1);
    CArchive ar(&file, CArchive::load);
    CString line;
    std::vector<CString> lines;
    while (ar.ReadString(line))
        lines.push_back(line);
    ASSERT_EQ(4u, lines.size());
    EXPECT_EQ(CString("two"), lines[1]);
    EXPECT_EQ(CString("three"), lines[2]);
    EXPECT_EQ(CString("four"), lines[3]);
}

} // namespace
