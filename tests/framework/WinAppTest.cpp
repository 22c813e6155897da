#include "framework/MessageBox.h"
#include "framework/ProgramStart.h"
#include "framework/WinApp.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::MessageBoxRecorder;
using testing_support::ProgramStartRecorder;
using testing_support::TempFolder;

namespace {

// Profile tests use a key of their own and remove it at the end.
class ProfileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CWinApp* app = AfxGetApp();
        m_savedKey = app->m_pszRegistryKey;
        m_savedProfile = app->m_pszProfileName;
        app->SetRegistryKey("TarnixFrameworkTest");
    }
    void TearDown() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TarnixFrameworkTest");
        CWinApp* app = AfxGetApp();
        app->m_pszRegistryKey = m_savedKey;
        app->m_pszProfileName = m_savedProfile;
    }
    LPCSTR m_savedKey = nullptr;
    LPCSTR m_savedProfile = nullptr;
};

TEST_F(ProfileTest, ValuesRoundTripThroughTheRegistry)
{
    CWinApp* app = AfxGetApp();
    EXPECT_EQ(2u, app->GetProfileInt("SETTINGS", "NGRID", 2));
    EXPECT_EQ(CString("dflt"), app->GetProfileString("SETTINGS", "NAME", "dflt"));

    EXPECT_TRUE(app->WriteProfileInt("SETTINGS", "NGRID", 7));
    EXPECT_TRUE(app->WriteProfileString("SETTINGS", "NAME", "Grüße"));
    BYTE blob[] = { 1, 2, 0, 255 };
    EXPECT_TRUE(app->WriteProfileBinary("SETTINGS", "BLOB", blob, sizeof(blob)));

    EXPECT_EQ(7u, app->GetProfileInt("SETTINGS", "NGRID", 2));
    EXPECT_EQ(CString("Grüße"), app->GetProfileString("SETTINGS", "NAME"));
    LPBYTE data = nullptr;
    UINT size = 0;
    ASSERT_TRUE(app->GetProfileBinary("SETTINGS", "BLOB", &data, &size));
    ASSERT_EQ(4u, size);
    EXPECT_EQ(0, memcmp(blob, data, 4));
    delete[] data;

    // The values live where other programs of the maker look for them.
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\TarnixFrameworkTest\\TarnixTests\\SETTINGS",
                                           0, KEY_READ, &hKey));
    RegCloseKey(hKey);

    // A string stored where a number is expected gives the default.
    EXPECT_EQ(5u, app->GetProfileInt("SETTINGS", "NAME", 5));
}

TEST(OleInit, InitialisesTheThreadOnce)
{
    ASSERT_TRUE(AfxOleInit());
    EXPECT_TRUE(AfxOleInit());
    // The apartment is already initialised: a further initialisation only counts up.
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_EQ(S_FALSE, hr);
    if (SUCCEEDED(hr))
        CoUninitialize();
}

TEST(MessageBoxes, RecorderSeesCaptionTextAndStyle)
{
    MessageBoxRecorder boxes;
    boxes.Answer(IDNO);
    EXPECT_EQ(IDNO, AfxMessageBox("Datei fehlt", MB_YESNO | MB_ICONQUESTION));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(CString("Datei fehlt"), boxes.Last().strText);
    EXPECT_EQ(CString("TarnixTests"), boxes.Last().strCaption);
    EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION), boxes.Last().nType);
    EXPECT_EQ(nullptr, boxes.Last().hWndOwner);   // no window exists yet

    EXPECT_EQ(IDOK, AfxMessageBox(1001));
    EXPECT_EQ(CString("Grüße aus der Stringtabelle"), boxes.Last().strText);
}

TEST(ProgramStart, StartsAreRecordedInsteadOfRun)
{
    ProgramStartRecorder starts(33);
    EXPECT_EQ((HINSTANCE)33, AfxShellExecute(nullptr, "open", "C:\\x\\readme.txt", nullptr, "C:\\x", SW_SHOW));
    EXPECT_EQ(33u, AfxWinExec("notepad.exe a.txt", SW_SHOW));
    ASSERT_EQ(2u, starts.Starts().size());
    EXPECT_EQ(AFX_PROGRAM_START::shellExecute, starts.Starts()[0].kind);
    EXPECT_EQ(CString("C:\\x\\readme.txt"), starts.Starts()[0].strFile);
    EXPECT_EQ(CString("notepad.exe a.txt"), starts.Starts()[1].strParameters);
}

TEST(ProgramStart, TheHelperProgramRecordsItsCommandLineAndFolder)
{
    TempFolder folder;
    CString out = folder.File("echo.out");
    SetEnvironmentVariableA("ECHOARGS_OUT", out);
    CString exe = testing_support::ProgramFolder() + "\\EchoArgs.exe";
    CString commandLine = "\"" + exe + "\" \"a b\" c";
    // CreateProcess does not wait; the helper writes its file and ends at once.
    ASSERT_TRUE(AfxCreateProcess(nullptr, commandLine, folder.Path(), SW_HIDE));
    CString text;
    for (int i = 0; i < 100 && text.Find("\r\n", text.Find("\r\n") + 2) < 0; ++i)
    {
        Sleep(50);
        text = testing_support::ReadFileText(out);
    }
    SetEnvironmentVariableA("ECHOARGS_OUT", nullptr);
    EXPECT_NE(-1, text.Find("\"a b\" c"));
    EXPECT_NE(-1, text.Find(folder.Path()));
}

} // namespace
