// Runs the real Tarnix.exe, placed in a folder of the test's own so that its
// program folder is known.
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

    // Runs the player with the arguments; its exit code, or -1 when it did not
    // end by itself within the time.
    DWORD Run(const CString& arguments)
    {
        CString commandLine = "\"" + m_app.File("Tarnix.exe") + "\"";
        if (!arguments.IsEmpty())
            commandLine += " " + arguments;
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi = {};
        TempFolder startFolder;
        if (!CreateProcessA(nullptr, commandLine.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, startFolder.Path(),
                            &si, &pi))
            return (DWORD)-2;
        DWORD exitCode = (DWORD)-1;
        if (WaitForSingleObject(pi.hProcess, 20000) == WAIT_OBJECT_0)
            GetExitCodeProcess(pi.hProcess, &exitCode);
        else
            TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return exitCode;
    }

    TempFolder m_app;
};

// Each run takes seconds under the test display, so one run stands for the
// others, whose choice of project is covered without the program.
TEST_F(PlayerProgramTest, StartsOnTheProjectThatAutorunNamesAndEnds)
{
    m_app.Write("autorun.inf", "[autorun]\r\nopen=Tarnix.exe\r\nicon=Tarnix.ico\r\nparameter=Menu.ini\r\n");
    m_app.Write("Menu.ini", "[Tarnix]\r\nINTERNET=x\r\nLANGUAGE=G\r\n \r\n[TarnixPro]\r\nLANGUAGE=E\r\n");
    EXPECT_EQ(0u, Run(""));
}

} // namespace
