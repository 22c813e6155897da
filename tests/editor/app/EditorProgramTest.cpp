// Runs the real TarnixEd.exe from an editor folder of the test's own: the Start
// Center, a new project laid out and opened, and the player started on it.
#include "EditorTesting.h"
#include "editor/app/TarnixEdDoc.h"

#include "editor/resource.h"

#include <functional>
#include <string>
#include <vector>

using editor_testing::CopyProject;
using editor_testing::CopySample;
using editor_testing::TemplatePath;
using testing_support::MessageBoxRecorder;
using testing_support::ProgramFolder;
using testing_support::ReadFileText;
using testing_support::TempFolder;

namespace {

// The editor's own registry key: the program under test runs with a fresh one.
const char kProgramKey[] = "Software\\Morvadeth\\Tarnix 2";

struct Process
{
    PROCESS_INFORMATION pi = {};

    bool Start(const CString& strProgram, const CString& strFolder)
    {
        CString commandLine = "\"" + strProgram + "\"";
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        return CreateProcessA(nullptr, commandLine.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, strFolder, &si,
                              &pi) != FALSE;
    }
    // Closes the window and waits for the end; a program that does not end is stopped.
    bool CloseAndWait(HWND hWnd)
    {
        if (hWnd != nullptr)
            PostMessageA(hWnd, WM_CLOSE, 0, 0);
        bool bEnded = WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0;
        if (!bEnded)
            TerminateProcess(pi.hProcess, 1);
        return bEnded;
    }
    ~Process()
    {
        if (pi.hProcess != nullptr)
        {
            if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(pi.hProcess, 1);
            CloseHandle(pi.hThread);
            CloseHandle(pi.hProcess);
        }
    }
};

// Waits up to about ten seconds for the finder to give a window.
HWND WaitFor(const std::function<HWND()>& find)
{
    for (int i = 0; i < 100; ++i)
    {
        if (HWND hWnd = find())
            return hWnd;
        Sleep(100);
    }
    return nullptr;
}

bool WaitForFile(const CString& strPath)
{
    for (int i = 0; i < 100; ++i)
    {
        if (GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES)
            return true;
        Sleep(100);
    }
    return false;
}

// The visible top-level window of the process that holds an MDI client.
HWND FindMainFrame(DWORD dwProcessId)
{
    struct Search { DWORD dwProcessId; HWND hFound; } search = { dwProcessId, nullptr };
    EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            Search* pSearch = (Search*)lParam;
            DWORD dwOwner = 0;
            GetWindowThreadProcessId(hWnd, &dwOwner);
            if (dwOwner == pSearch->dwProcessId && IsWindowVisible(hWnd) &&
                FindWindowExA(hWnd, nullptr, "MDIClient", nullptr) != nullptr)
                pSearch->hFound = hWnd;
            return pSearch->hFound == nullptr;
        },
        (LPARAM)&search);
    return search.hFound;
}

HWND FindDialog(LPCSTR pszCaption)
{
    HWND hDlg = FindWindowA("#32770", pszCaption);
    return hDlg != nullptr && IsWindowVisible(hDlg) ? hDlg : nullptr;
}

void Click(HWND hDlg, int nID)
{
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, nID));
}

class EditorProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKey);
        for (LPCSTR name : { "TarnixEd.exe", "Tarnix.exe" })
            ASSERT_TRUE(CopyFileA(ProgramFolder() + "\\" + name, m_editor.File(name), FALSE)) << name;
        for (LPCSTR name : { "Autorun.inf", "Velicon.ico", "Start.txt", "Sound\\Click.wav", "Sound\\Over.wav" })
            m_editor.Write(name, ReadFileText(TemplatePath(name)));
    }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKey); }

    TempFolder m_editor;
};

} // namespace

TEST_F(EditorProgramTest, ANewProjectFromTheStartCenterIsPlayedByThePlayer)
{
    // The quick information after the first new project opens the help viewer:
    // it is taken as seen.
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, CString(kProgramKey) + "\\SETTINGS", 0, nullptr, 0,
                                             KEY_WRITE, nullptr, &hKey, nullptr));
    DWORD dwZero = 0;
    RegSetValueExA(hKey, "BFIRST", 0, REG_DWORD, (const BYTE*)&dwZero, sizeof(dwZero));
    RegCloseKey(hKey);

    TempFolder projects;
    CString project = projects.File("Neu");
    {
        Process editor;
        ASSERT_TRUE(editor.Start(m_editor.File("TarnixEd.exe"), projects.Path()));
        HWND hFrame = WaitFor([&] { return FindMainFrame(editor.pi.dwProcessId); });
        ASSERT_NE(nullptr, hFrame);
        HWND hStart = WaitFor([] { return FindDialog("Tarnix Start Center"); });
        ASSERT_NE(nullptr, hStart);
        for (int nID : { IDC_START_NEW, IDC_START_OPEN, IDC_START_EXIT })
            EXPECT_NE(nullptr, GetDlgItem(hStart, nID)) << nID;

        Click(hStart, IDC_START_NEW);
        HWND hNew = WaitFor([] { return FindDialog("Neues Projekt"); });
        ASSERT_NE(nullptr, hNew);
        SendMessageA(GetDlgItem(hNew, IDC_PROJECT_FOLDER), WM_SETTEXT, 0, (LPARAM)(LPCSTR)project);
        Click(hNew, IDOK);

        HWND hClient = FindWindowExA(hFrame, nullptr, "MDIClient", nullptr);
        HWND hChild = WaitFor([&] { return FindWindowExA(hClient, nullptr, nullptr, "Velconf.ini"); });
        EXPECT_NE(nullptr, hChild);
        EXPECT_TRUE(editor.CloseAndWait(hFrame));
    }
    for (LPCSTR name : { "Velconf.ini", "Tarnix.exe", "Autorun.inf", "Velicon.ico", "Start.txt", "Sound\\Click.wav",
                         "Sound\\Over.wav" })
        EXPECT_TRUE(WaitForFile(project + "\\" + name)) << name;
    EXPECT_EQ(0u, std::string(ReadFileText(project + "\\Velconf.ini")).find("[Tarnix]\r\n"));

    // The player finds the project through the autorun file.
    Process player;
    ASSERT_TRUE(player.Start(project + "\\Tarnix.exe", project));
    HWND hMenu = WaitFor([] { return FindDialog("Tarnix"); });
    ASSERT_NE(nullptr, hMenu);
    Sleep(300);
    RECT rc;
    GetClientRect(hMenu, &rc);
    EXPECT_EQ(500, rc.right);
    EXPECT_EQ(350, rc.bottom);
    POINT pt = { rc.right / 2, rc.bottom - 5 };
    ClientToScreen(hMenu, &pt);
    HDC hScreen = GetDC(nullptr);
    COLORREF crPixel = GetPixel(hScreen, pt.x, pt.y);
    ReleaseDC(nullptr, hScreen);
    EXPECT_EQ(RGB(255, 255, 236), crPixel);
    EXPECT_TRUE(player.CloseAndWait(hMenu));
}

namespace {

// The menu window's child windows as the player made them: class, id, text and
// place.
std::vector<std::string> MenuWindows(const CString& strFolder, LPCSTR pszTitle)
{
    std::vector<std::string> windows;
    Process player;
    if (!player.Start(strFolder + "\\Tarnix.exe", strFolder))
        return windows;
    HWND hMenu = WaitFor([&] { return FindDialog(pszTitle); });
    if (hMenu == nullptr)
        return windows;
    Sleep(300);
    RECT rcMenu;
    GetClientRect(hMenu, &rcMenu);
    windows.push_back("menu " + std::to_string(rcMenu.right) + "x" + std::to_string(rcMenu.bottom));
    for (HWND hChild = GetWindow(hMenu, GW_CHILD); hChild != nullptr; hChild = GetWindow(hChild, GW_HWNDNEXT))
    {
        char className[64] = "", text[200] = "";
        GetClassNameA(hChild, className, sizeof(className));
        // Registered class names carry handles of the process after a colon.
        if (char* pColon = strchr(className, ':'))
            *pColon = '\0';
        GetWindowTextA(hChild, text, sizeof(text));
        RECT rc;
        GetWindowRect(hChild, &rc);
        MapWindowPoints(nullptr, hMenu, (POINT*)&rc, 2);
        char line[400];
        wsprintfA(line, "%s %d \"%s\" %d,%d,%d,%d", className, GetDlgCtrlID(hChild), text, rc.left, rc.top, rc.right,
                  rc.bottom);
        windows.push_back(line);
    }
    player.CloseAndWait(hMenu);
    return windows;
}

// The full sample without its welcome screen and load error boxes, which only
// delay the menu.
void WriteFullSample(const TempFolder& folder)
{
    CString path = CopyProject(folder, "full", "024000");
    CString text = ReadFileText(path);
    text.Replace("[WELCOME]\r\nENABLE=1", "[WELCOME]\r\nENABLE=0");
    text.Replace("ERROR=1", "ERROR=0");
    folder.Write("Velconf.ini", text);
    CopySample(folder, "full", { "seite2.ini", "liesmich.txt", "hintergrund.bmp", "knopf.bmp", "sound\\klick.wav",
                                 "sound\\hintergrund.wav" });
    CopyFileA(ProgramFolder() + "\\Tarnix.exe", folder.File("Tarnix.exe"), FALSE);
}

} // namespace

TEST_F(EditorProgramTest, TheFullSampleSavedByTheEditorPlaysAsTheOriginal)
{
    TempFolder original, saved;
    WriteFullSample(original);
    WriteFullSample(saved);
    {
        MessageBoxRecorder boxes;
        CTarnixEdDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(saved.File("Velconf.ini")));
        ASSERT_TRUE(doc.OnSaveDocument(saved.File("Velconf.ini")));
    }
    std::vector<std::string> expected = MenuWindows(original.Path(), "Grüße aus Tarnix");
    ASSERT_GT(expected.size(), 6u);
    EXPECT_EQ(expected, MenuWindows(saved.Path(), "Grüße aus Tarnix"));
}
