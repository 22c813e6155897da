// Runs the real Tarnix.exe, placed in a folder of the test's own so that its
// program folder is known.
#include "framework/Rect.h"

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

    // How the player's main frame was seen while the program ran.
    struct Run
    {
        DWORD exitCode = (DWORD)-1;   // -1: it did not end by itself within the time
        CRect frame;                  // where it stood last; empty when never seen
        bool shown = false;           // it was seen visible
    };

    // Runs the player with the arguments, watching for its frame window.
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
        const DWORD nStart = GetTickCount();
        while (WaitForSingleObject(pi.hProcess, 1) == WAIT_TIMEOUT && GetTickCount() - nStart < 20000)
        {
            FindFrame(pi.dwProcessId, run);
        }
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
            GetExitCodeProcess(pi.hProcess, &run.exitCode);
        else
            TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return run;
    }

    // Notes where the process's top-level window titled "Tarnix" stands now
    // and whether it is visible.
    static void FindFrame(DWORD nProcessId, Run& run)
    {
        for (HWND hWnd = FindWindowExA(nullptr, nullptr, nullptr, "Tarnix"); hWnd != nullptr;
             hWnd = FindWindowExA(nullptr, hWnd, nullptr, "Tarnix"))
        {
            DWORD nOwner = 0;
            GetWindowThreadProcessId(hWnd, &nOwner);
            CRect rect;
            if (nOwner != nProcessId || !GetWindowRect(hWnd, &rect))
                continue;
            run.frame = rect;
            run.shown = run.shown || IsWindowVisible(hWnd);
            return;
        }
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
TEST_F(PlayerProgramTest, StartsOnTheProjectThatAutorunNamesShowsItsFrameAndEnds)
{
    m_app.Write("autorun.inf", "[autorun]\r\nopen=Tarnix.exe\r\nicon=Tarnix.ico\r\nparameter=Menu.ini\r\n");
    CopySampleProject("Menu.ini");
    Run run = RunPlayer("");
    EXPECT_EQ(0u, run.exitCode);

    RECT screen;
    GetClientRect(GetDesktopWindow(), &screen);
    const int nLeft = (screen.right - 140) / 2;
    const int nTop = (screen.bottom - 70) / 2;
    EXPECT_EQ(CRect(nLeft, nTop, nLeft + 140, nTop + 70), run.frame);
    EXPECT_TRUE(run.shown);
}

} // namespace
