#include "shared/menuobj/LineStore.h"

#include "helpers/TestSupport.h"
#include "shared/support/Language.h"
#include "shared/support/LanguageScope.h"

#include "StoredLines.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

using testing_support::MessageBoxRecorder;
using testing_support::ReadFileText;
using testing_support::TempFolder;

using menuobj_testing::StoredLines;
using support_testing::LanguageScope;

namespace {

std::vector<std::string> LoadText(const CString& strText)
{
    TempFolder folder;
    CLineStore store;
    EXPECT_TRUE(store.LoadFile(folder.Write("text.txt", strText), TRUE));
    return StoredLines(store);
}

// A store that holds at most three lines, so that the limit can be reached.
class CSmallLineStore : public CLineStore
{
public:
    CSmallLineStore() { m_nMaxCount = 3; }
};

typedef std::vector<std::string> Lines;

} // namespace

TEST(LineStoreTest, GetLineWalksFromTheFirstLineAfterRewind)
{
    CLineStore store;
    CString strLine("x");
    EXPECT_EQ(0, store.GetFirst(strLine));
    EXPECT_EQ("", strLine);

    store.AddLine("one");
    store.AddLine("two");
    EXPECT_TRUE(store.IsChanged());
    for (LPCSTR lpszExpected : { "one", "two" })
    {
        EXPECT_EQ(1, store.GetLine(strLine));
        EXPECT_EQ(lpszExpected, strLine);
    }
    EXPECT_EQ(0, store.GetLine(strLine));
    EXPECT_EQ("", strLine);

    store.Rewind();
    EXPECT_EQ(1, store.GetLine(strLine));
    EXPECT_EQ("one", strLine);

    store.RemoveAll();
    EXPECT_FALSE(store.IsChanged());
    EXPECT_EQ(0, store.GetCount());
    EXPECT_EQ(0, store.GetNext(strLine));
}

TEST(LineStoreTest, TheLineAfterTheMaximumIsRefusedWithAMessage)
{
    MessageBoxRecorder boxes;
    CSmallLineStore store;
    for (int i = 0; i < 3; ++i)
        store.AddLine("line");
    EXPECT_EQ(0u, boxes.Count());
    {
        LanguageScope english('E');
        store.AddLine("one too many");
    }
    {
        LanguageScope german('G');
        store.AddLine("one too many");
    }
    EXPECT_EQ(3, store.GetCount());
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_EQ("Max line count reached", boxes.Boxes()[0].strText);
    EXPECT_EQ("Maximale Filelaenge (3 Eintraege) erreicht", boxes.Boxes()[1].strText);
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, boxes.Last().nType & MB_ICONMASK);
}

TEST(LineStoreTest, SaveFileWritesEveryLineWithCrLf)
{
    TempFolder folder;
    CLineStore store;
    store.AddLine("[A]");
    store.AddLine("");
    store.AddLine(" ");
    store.AddLine("top\nbottom");
    store.AddLine("dos\r\nline");
    store.AddLine("Grüße");
    CString strPath = folder.File("out.ini");
    EXPECT_TRUE(store.SaveFile(strPath));
    EXPECT_EQ("[A]\r\n \r\ntop\r\nbottom\r\ndos\r\nline\r\nGrüße\r\n", ReadFileText(strPath));

    // A second save replaces the file.
    store.RemoveAll();
    store.AddLine("new");
    EXPECT_TRUE(store.SaveFile(strPath));
    EXPECT_EQ("new\r\n", ReadFileText(strPath));

    // Nothing is written without lines or a path.
    EXPECT_FALSE(store.SaveFile(""));
    EXPECT_FALSE(store.SaveFile(folder.File("no such folder\\x.ini")));
    store.RemoveAll();
    EXPECT_FALSE(store.SaveFile(folder.File("empty.ini")));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.File("empty.ini")));
}

// Letters above ASCII are kept and controls before a line dropped.
TEST(LineStoreTest, LoadFileReadsCrLfLfAndMixedLineEnds)
{
    // A text that ends with a line end gives one last empty line.
    EXPECT_EQ((Lines{ "[A]", "B=1", "" }), LoadText("[A]\r\nB=1\r\n"));
    EXPECT_EQ((Lines{ "[A]", "B=1" }), LoadText("[A]\r\nB=1"));
    // An empty line in between is kept as a single blank.
    EXPECT_EQ((Lines{ "one", " ", "two" }), LoadText("one\r\n\r\ntwo"));
    EXPECT_EQ((Lines{ "one", " ", " ", "two", "" }), LoadText("one\r\n\r\n\r\ntwo\r\n"));
    // Line feeds alone and carriage returns alone end lines in the same way.
    EXPECT_EQ((Lines{ "one", "two", "" }), LoadText("one\ntwo\n"));
    EXPECT_EQ((Lines{ "one", " ", "two" }), LoadText("one\n\ntwo"));
    EXPECT_EQ((Lines{ "one", " ", "two" }), LoadText("one\r\rtwo"));
    EXPECT_EQ((Lines{ "a", "b", " ", "c", " ", "d" }), LoadText("a\nb\r\n\nc\r\r\nd"));
    // A file that begins with an empty line.
    EXPECT_EQ((Lines{ " ", "x" }), LoadText("\r\nx"));
    EXPECT_EQ((Lines{ "" }), LoadText(""));
    EXPECT_EQ((Lines{ "Ärger", "Öl" }), LoadText("Ärger\r\n\x01\tÖl"));
    EXPECT_EQ((Lines{ "a\tb" }), LoadText("a\tb"));
}

TEST(LineStoreTest, LoadFileFollowsLinesAcrossReadBlocks)
{
    // Line ends and empty lines that fall on the 1999-byte block boundary.
    for (int nPad = 1990; nPad <= 2002; ++nPad)
    {
        SCOPED_TRACE(nPad);
        CString strLong('x', nPad);
        EXPECT_EQ((Lines{ (LPCSTR)strLong, " ", "next", "" }), LoadText(strLong + "\r\n\r\nnext\r\n"));
    }
    CString strText;
    Lines expected;
    for (int i = 0; i < 1000; ++i)
    {
        CString strLine;
        strLine.Format("KEY%d=%d", i, i * 7);
        strText += strLine + "\r\n";
        expected.push_back((LPCSTR)strLine);
    }
    expected.push_back("");
    EXPECT_EQ(expected, LoadText(strText));
}

TEST(LineStoreTest, LoadFileReportsAFileThatCannotBeOpenedOnlyWhenAsked)
{
    TempFolder folder;
    CString strPath = folder.File("missing.txt");
    MessageBoxRecorder boxes;
    CLineStore store;
    store.AddLine("old");
    EXPECT_FALSE(store.LoadFile(strPath, FALSE));
    EXPECT_EQ(0, store.GetCount());
    EXPECT_EQ(0u, boxes.Count());

    {
        LanguageScope english('E');
        EXPECT_FALSE(store.LoadFile(strPath, TRUE));
    }
    {
        LanguageScope german('G');
        EXPECT_FALSE(store.LoadFile(strPath, TRUE));
    }
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_EQ("Error !\n\nCannot open file: \"" + strPath + "\" !", boxes.Boxes()[0].strText);
    EXPECT_EQ("Fehler !\n\nDie Datei:\"" + strPath + "\" kann nicht geöffnet werden !", boxes.Boxes()[1].strText);
}

TEST(LineStoreTest, TakeLineCutsTheFirstLine)
{
    CLineStore store;
    CString strBuffer("no line end");
    EXPECT_EQ(0, store.TakeLine(strBuffer));
    EXPECT_EQ("no line end", strBuffer);
    strBuffer.Empty();
    EXPECT_EQ(0, store.TakeLine(strBuffer));

    strBuffer = "first\r\n\r\nsecond";
    EXPECT_EQ(1, store.TakeLine(strBuffer));
    EXPECT_EQ("second", strBuffer);
    EXPECT_EQ((Lines{ "first", " " }), StoredLines(store));
}

TEST(LineStoreTest, LoadFileReadsLongLinesWholeAndManyLinesInOnePass)
{
    // 4 MB without a line break is one line, not cut anywhere; the time is
    // printed for the record (growing with the square of the size, it took
    // tens of seconds).
    TempFolder folder;
    std::string text(4 * 1024 * 1024, 'x');
    text[123456] = 'y';
    const CString strPath = folder.Write("long.txt", text.data(), text.size());
    CLineStore store;
    const DWORD dwStart = GetTickCount();
    ASSERT_TRUE(store.LoadFile(strPath, FALSE));
    std::cout << "[ figure   ] 4 MB single line loaded in " << (GetTickCount() - dwStart) << " ms\n";
    ASSERT_EQ(1, store.GetCount());
    CString strLine;
    store.GetFirst(strLine);
    ASSERT_EQ(int(text.size()), strLine.GetLength());
    EXPECT_EQ('y', strLine[123456]);

    // Many short lines: every one of them, in order.
    std::string many;
    for (int i = 0; i < 200000; ++i)
        many += std::to_string(i % 10) + "\r\n";
    store.LoadFile(folder.Write("many.txt", many.data(), many.size()), FALSE);
    ASSERT_EQ(200001, store.GetCount());
    store.GetFirst(strLine);
    for (int i = 1; i < 200000; ++i)
        store.GetNext(strLine);
    EXPECT_EQ("9", strLine);
}
