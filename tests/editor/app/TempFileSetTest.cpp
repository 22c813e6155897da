// The document's temporary files: the folder comes from TEMP, else TMP, only
// when it can be written to; the files go with the set unless it keeps them.
#include "editor/app/TempFileSet.h"

#include "helpers/TestSupport.h"
#include "shared/support/TempVariables.h"

#include <gtest/gtest.h>

using support_testing::TempVariables;
using testing_support::ReadFileText;
using testing_support::TempFolder;

TEST(TempFileSetTest, TheFolderIsAWritableTempElseTmpAndWithoutOneNoFileIsMade)
{
    TempFolder temp, tmp, locked;
    // The system lets files be made in a folder marked read-only; a read-only
    // name that is no folder cannot take one.
    const CString markedFolder = locked.File("markiert");
    ASSERT_TRUE(CreateDirectoryA(markedFolder, nullptr));
    ASSERT_TRUE(SetFileAttributesA(markedFolder, FILE_ATTRIBUTE_READONLY));
    const CString readOnly = locked.Write("schreibgeschuetzt", "x");
    ASSERT_TRUE(SetFileAttributesA(readOnly, FILE_ATTRIBUTE_READONLY));
    const struct
    {
        LPCSTR pszCase;
        CString strTemp, strTmp, strExpected;
    } rows[] = {
        { "TEMP", temp.Path(), tmp.Path(), temp.Path() },
        { "TMP", "", tmp.Path(), tmp.Path() },
        { "neither", "", "", "" },
        { "read-only TEMP", readOnly, tmp.Path(), "" },
        { "TEMP marked read-only", markedFolder, "", markedFolder },
        { "TEMP not there", temp.File("gone"), "", "" },
    };
    TempVariables variables;
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.pszCase);
        TempVariables::Set("TEMP", row.strTemp);
        TempVariables::Set("TMP", row.strTmp);
        CTempFileSet files;
        EXPECT_EQ(row.strExpected, files.GetTempFolder());
        const CString path = files.WriteFile(0, ".bmp");
        EXPECT_EQ(row.strExpected.IsEmpty(), path.IsEmpty()) << (LPCSTR)path;
        if (!path.IsEmpty())
        {
            EXPECT_EQ(0, path.Find(row.strExpected + "\\"));
            EXPECT_EQ(".bmp", path.Right(4));
        }
    }
    SetFileAttributesA(readOnly, FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA(markedFolder, FILE_ATTRIBUTE_NORMAL);
}

TEST(TempFileSetTest, TheFilesHoldTheLinesAndGoWithTheSetUnlessKept)
{
    TempFolder temp;
    TempVariables variables(temp.Path());
    CString first, second, kept;
    {
        CTempFileSet files;
        files.GetLines().AddLine("[TEST]");
        first = files.WriteFile(0, ".ini");
        second = files.WriteFile(1, ".ini");
        EXPECT_NE(first, second);
        EXPECT_EQ("[TEST]\r\n", CString(ReadFileText(first)));
        // A file made again in the same place replaces the first.
        const CString again = files.WriteFile(0, ".txt");
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(first));
        first = again;
        EXPECT_EQ(CString(), files.WriteFile(CTempFileSet::kFileCount, ".ini"));
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(first));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(second));
    {
        CTempFileSet files;
        files.SetDeleteFiles(FALSE);
        kept = files.WriteFile(0, ".bmp");
    }
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kept));
}
