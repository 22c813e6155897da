// Runs the real Tarnix.exe, placed in a folder of the test's own so that its
// program folder is known.
#include "framework/String.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::TempFolder;

namespace {

class PlayerProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CString built = testing_support::ProgramFolder() + "\\Tarnix.exe";
        ASSERT_TRUE(CopyFileA(built, m_app.File("Tarnix.exe"), FALSE)) << "Tarnix.exe is built beside the tests";
    }

    struct Run
    {
        DWORD exitCode = (DWORD)-1;   // -1: it did not end within the time
        bool bMenuShown = false;      // its menu window was seen
        bool bOtherShown = false;     // a window of its own besides the menu was seen
    };

    // The sample project's window title.
    static constexpr LPCSTR kMenuTitle = "Tarnix Beispiel";

    // Whether the process shows a top-level window other than the menu (the
    // "Loading..." window aside, which comes and goes before the menu).
    static bool HasOtherVisibleWindow(DWORD nProcessId, HWND hMenu)
    {
        struct Search
        {
            DWORD nProcessId;
            HWND hMenu;
            bool bFound;
        } search = { nProcessId, hMenu, false };
        EnumWindows(
            [](HWND hWnd, LPARAM lParam) -> BOOL {
                Search& s = *reinterpret_cast<Search*>(lParam);
                DWORD nOwner = 0;
                GetWindowThreadProcessId(hWnd, &nOwner);
                if (nOwner == s.nProcessId && hWnd != s.hMenu && IsWindowVisible(hWnd) && s.hMenu != nullptr)
                    s.bFound = true;
                return TRUE;
            },
            (LPARAM)&search);
        return search.bFound;
    }

    // Runs the player with the arguments until it ends.
    Run RunPlayer(const CString& arguments)
    {
        Run run;
        CString commandLine = "\"" + m_app.File("Tarnix.exe") + "\"";
        if (!arguments.IsEmpty())
            commandLine += " " + arguments;
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi = {};
        TempFolder startFolder;
        if (!CreateProcessA(nullptr, commandLine.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, startFolder.Path(),
                            &si, &pi))
        {
            run.exitCode = (DWORD)-2;
            return run;
        }
        // The player shows its menu until it is closed: close it once it is there.
        for (int nWait = 0; nWait < 200 && WaitForSingleObject(pi.hProcess, 100) == WAIT_TIMEOUT; ++nWait)
        {
            HWND hMenu = FindWindowA("#32770", kMenuTitle);
            run.bOtherShown = run.bOtherShown || HasOtherVisibleWindow(pi.dwProcessId, hMenu);
            if (hMenu != nullptr && IsWindowVisible(hMenu))
            {
                run.bMenuShown = true;
                PostMessageA(hMenu, WM_CLOSE, 0, 0);
            }
        }
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
            GetExitCodeProcess(pi.hProcess, &run.exitCode);
        else
            TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return run;
    }

    // The player's sample project, beside the program under the name.
    void CopySampleProject(LPCSTR lpszProjectName)
    {
        CopyFileA(testing_support::TestDataPath("player\\sample\\liesmich.txt"), m_app.File("liesmich.txt"), FALSE);
        ASSERT_TRUE(CopyFileA(testing_support::TestDataPath("player\\sample\\Velconf.ini"),
                              m_app.File(lpszProjectName), FALSE));
    }

    TempFolder m_app;
};

// Each run takes seconds under the test display, so one run stands for the
// others, whose choice of project is covered without the program.
TEST_F(PlayerProgramTest, StartsOnTheProjectThatAutorunNamesAndEndsCleanly)
{
    m_app.Write("autorun.inf", "[autorun]\r\nopen=Tarnix.exe\r\nicon=Tarnix.ico\r\nparameter=Menu.ini\r\n");
    CopySampleProject("Menu.ini");
    Run run = RunPlayer("");
    // It shows the sample's menu and ends cleanly when that is closed. The
    // frame's placement is checked in process.
    EXPECT_TRUE(run.bMenuShown);
    EXPECT_EQ(0u, run.exitCode);
    // The main frame never shows beside the menu.
    EXPECT_FALSE(run.bOtherShown);
}

} // namespace
