#include "shared/menuobj/GraphicsProgram.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "helpers/TestSupport.h"
#include "shared/support/TempVariables.h"
#include "shared/support/Values.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using testing_support::ProgramFolder;
using testing_support::ProgramStartRecorder;
using testing_support::TempFolder;

const char kSection[] = "SETTINGS";
const char kEntry[] = "GRAFIKPATH";

// Runs in a fresh current folder with no stored program, and puts both back.
class GraphicsProgramTest : public testing::Test
{
protected:
    void SetUp() override { AfxGetApp()->WriteProfileString(kSection, kEntry, nullptr); }
    void TearDown() override { AfxGetApp()->WriteProfileString(kSection, kEntry, nullptr); }

    CString StoredProgram() { return AfxGetApp()->GetProfileString(kSection, kEntry, ""); }

    TempFolder m_folder;
    testing_support::ScopedCurrentFolder m_current{ m_folder.Path() };
    CString m_strEcho = ProgramFolder() + "\\EchoArgs.exe";
};

// BMP files open with the program while the object lives.
class BmpAssociation
{
public:
    explicit BmpAssociation(const CString& strProgram)
    {
        LONG nSize = sizeof(m_szOldClass);
        m_bHadClass = RegQueryValueA(HKEY_CLASSES_ROOT, ".bmp", m_szOldClass, &nSize) == ERROR_SUCCESS;
        SetDefault(".bmp", "TarnixTestPicture");
        SetDefault("TarnixTestPicture\\shell\\open\\command", "\"" + strProgram + "\" \"%1\"");
    }
    ~BmpAssociation()
    {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "TarnixTestPicture");
        if (m_bHadClass)
            SetDefault(".bmp", m_szOldClass);
        else
            RegDeleteTreeA(HKEY_CLASSES_ROOT, ".bmp");
    }
    BmpAssociation(const BmpAssociation&) = delete;
    BmpAssociation& operator=(const BmpAssociation&) = delete;

private:
    static void SetDefault(LPCSTR lpszKey, const CString& strValue)
    {
        RegSetValueA(HKEY_CLASSES_ROOT, lpszKey, REG_SZ, strValue, DWORD(strValue.GetLength()));
    }

    bool m_bHadClass = false;
    char m_szOldClass[MAX_PATH] = "";
};

TEST_F(GraphicsProgramTest, StoredProgramOpensTheFile)
{
    AfxGetApp()->WriteProfileString(kSection, kEntry, m_strEcho);
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "Owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    ProgramStartRecorder starts;
    int nAsked = 0;
    OpenInGraphicsProgram(&owner, "C:\\pics\\a.bmp", [&] { ++nAsked; return CString(); });
    OpenInGraphicsProgram(&owner, "", [&] { ++nAsked; return CString(); });
    const HWND hOwner = owner.m_hWnd;
    owner.DestroyWindow();
    EXPECT_EQ(0, nAsked);
    ASSERT_EQ(2u, starts.Starts().size());
    const AFX_PROGRAM_START& start = starts.Starts()[0];
    EXPECT_EQ(hOwner, start.hWnd);
    EXPECT_EQ(testing_values::Texts({ "open", m_strEcho, "C:\\pics\\a.bmp" }),
              testing_values::Texts({ start.strOperation, start.strFile, start.strParameters }));
    EXPECT_EQ((testing_values::Ints{ AFX_PROGRAM_START::shellExecute, SW_SHOWNORMAL }),
              (testing_values::Ints{ start.kind, start.nShowCmd }));
    EXPECT_TRUE(starts.Starts()[1].strParameters.IsEmpty());
}

TEST_F(GraphicsProgramTest, ProgramForBmpFilesIsFoundAndStored)
{
    BmpAssociation association(m_strEcho);
    AfxGetApp()->WriteProfileString(kSection, kEntry, "C:\\gone\\paint.exe");
    ProgramStartRecorder starts;
    int nAsked = 0;
    OpenInGraphicsProgram(nullptr, "a.bmp", [&] { ++nAsked; return CString(); });
    EXPECT_EQ(0, nAsked);
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_EQ(0, starts.Starts()[0].strFile.CompareNoCase(m_strEcho));
    EXPECT_EQ(0, StoredProgram().CompareNoCase(m_strEcho));
}

// The names of the files in the folder.
std::vector<CString> FilesIn(const CString& strFolder)
{
    std::vector<CString> names;
    WIN32_FIND_DATAA found;
    HANDLE hFind = FindFirstFileA(strFolder + "\\*", &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
    {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.push_back(found.cFileName);
    } while (FindNextFileA(hFind, &found));
    FindClose(hFind);
    return names;
}

TEST_F(GraphicsProgramTest, LookingForTheProgramLeavesTheUsersFilesAlone)
{
    // The author's own x.bmp in the current folder and a file in the
    // temporary folder stay as they were; the probe leaves nothing behind.
    const CString strOwn = m_folder.Write("x.bmp", CString("BM my picture"));
    TempFolder temp;
    temp.Write("keep.bmp", CString("BM kept"));
    BmpAssociation association(m_strEcho);
    ProgramStartRecorder starts;
    {
        support_testing::TempVariables variables(temp.Path());
        OpenInGraphicsProgram(nullptr, "a.bmp", [] { return CString(); });
    }
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_EQ(0, StoredProgram().CompareNoCase(m_strEcho));
    EXPECT_EQ("BM my picture", testing_support::ReadFileText(strOwn));
    EXPECT_EQ(std::vector<CString>{ "keep.bmp" }, FilesIn(temp.Path()));
    EXPECT_EQ("BM kept", testing_support::ReadFileText(temp.File("keep.bmp")));
}

TEST_F(GraphicsProgramTest, WithoutAProgramTheUserIsAsked)
{
    ProgramStartRecorder starts;
    OpenInGraphicsProgram(nullptr, "a.bmp", [&] { return m_strEcho; });
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_STREQ(m_strEcho, starts.Starts()[0].strFile);
    EXPECT_TRUE(StoredProgram().IsEmpty());

    // No answer, or a program that does not exist: nothing starts.
    OpenInGraphicsProgram(nullptr, "a.bmp", [] { return CString(); });
    OpenInGraphicsProgram(nullptr, "a.bmp", [] { return CString("C:\\gone\\paint.exe"); });
    OpenInGraphicsProgram(nullptr, "a.bmp", GraphicsProgramChooser());
    EXPECT_EQ(1u, starts.Starts().size());
}

} // namespace
