// Stored names of project files: resolving, contracting and the used-file
// lists' names.
#include "shared/menuobj/ProjectPaths.h"

#include "helpers/TestSupport.h"
#include "shared/menuobj/BuildFileList.h"

#include <gtest/gtest.h>

#include <string>

using testing_support::MessageBoxRecorder;
using testing_support::TempFolder;

TEST(ProjectPathsTest, ResolvesStoredNames)
{
    struct Row { LPCSTR pszIn; LPCSTR pszOut; } rows[] = {
        { "_CURRENTDIR_\\a.wav", "X:\\M\\a.wav" },
        { "\\x.bmp", "X:\\M\\x.bmp" },
        { ".\\y.bmp", "X:\\M\\y.bmp" },
        { "z.bmp", "X:\\M\\z.bmp" },
        { "Y:\\q.bmp", "Y:\\q.bmp" },
        { "", "untouched" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszIn);
        CString out = "untouched";
        ResolveProjectPath(row.pszIn, out, "X:\\M");
        EXPECT_EQ(row.pszOut, std::string(out));
    }
}

TEST(ProjectPathsTest, ContractsPathsInsideTheFolderOnly)
{
    MessageBoxRecorder boxes;
    TempFolder folder;
    TempFolder other;
    CString outside = other.Write("x.bmp", "x");
    struct Row { CString in; CString folder; std::string out; size_t nBoxes; } rows[] = {
        { "x:\\menu\\A.bmp", "X:\\Menu", "_CURRENTDIR_\\A.bmp", 0 },
        { "X:\\ÄRGER\\b.wav", "x:\\ärger", "_CURRENTDIR_\\b.wav", 0 },
        { "X:\\Menu2\\a.bmp", "X:\\Menu", "X:\\Menu2\\a.bmp", 0 },      // a longer name is no boundary
        { "_CURRENTDIR_\\a.bmp", "X:\\Menu", "_CURRENTDIR_\\a.bmp", 0 },
        { "setup.exe", "X:\\Menu", "setup.exe", 0 },                    // a missing relative name stays
        { "Eine Meldung.", "X:\\Menu", "Eine Meldung.", 0 },
        { outside, folder.Path(), (LPCSTR)outside, 1 },                  // an existing file outside warns
        { "Y:\\missing.bmp", "X:\\Menu", "Y:\\missing.bmp", 0 },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE((LPCSTR)row.in);
        size_t nBefore = boxes.Count();
        CString path = row.in;
        ContractProjectPath(path, row.folder, TRUE);
        EXPECT_EQ(row.out, std::string(path));
        EXPECT_EQ(row.nBoxes, boxes.Count() - nBefore);
    }
}

TEST(ProjectPathsTest, FileListNamesLoseFolderOrMarker)
{
    CBuildFileList list;
    list.SetPaths("C:\\Proj", "_CURRENTDIR_");
    struct Row { LPCSTR pszName; LPCSTR pszEntry; } rows[] = {
        { "c:\\proj\\Sound\\A.wav", "sound\\a.wav" },
        { "_CURRENTDIR_\\B.bmp", "b.bmp" },
        { "C:\\Project2\\c.bmp", "c:\\project2\\c.bmp" },
        { "Ärger.txt", "ärger.txt" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszName);
        EXPECT_EQ(row.pszEntry, std::string(list.Normalize(row.pszName)));
    }
    list.AddRef("c:\\proj\\x.wav");
    list.AddRef("_CURRENTDIR_\\X.WAV");
    EXPECT_EQ(CSize(1, 2), CSize(list.GetSize(), list.GetCount(0))) << "entries, references";
    list.Release("unknown.wav");
    EXPECT_EQ(2, list.GetCount(0));
}
