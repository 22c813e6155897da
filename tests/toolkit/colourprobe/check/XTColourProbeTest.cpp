// A black-box run of the colour probe: a program on the toolkit alone whose
// colour button's popup is driven with real input while its message loop
// runs. What its frame received must show the walk, the cancel and the choice.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

const char kDir[] = XTCOLOURPROBE_DIR;

// Runs the probe; the lines of its report, and its exit code.
std::vector<std::string> RunProbe(DWORD& dwExitCode)
{
    const std::string strReport = std::string(kDir) + "\\colourprobe.txt";
    ::DeleteFileA(strReport.c_str());
    std::string strCommand = "\"" + std::string(kDir) + "\\XTColourProbe.exe\" \"" + strReport + "\"";
    std::vector<char> command(strCommand.begin(), strCommand.end());
    command.push_back('\0');
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    dwExitCode = (DWORD)-1;
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, kDir, &si, &pi))
        return {};
    if (::WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(pi.hProcess, &dwExitCode);
    else
        ::TerminateProcess(pi.hProcess, 99);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    std::vector<std::string> lines;
    std::ifstream in(strReport);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(XTColourProbe, RealInputWalksCancelsAndChoosesAndTheOwnerHearsOfEach)
{
    DWORD dwExitCode = 0;
    const std::vector<std::string> lines = RunProbe(dwExitCode);
    // Red (cell 17 of 40) is current; Down walks to pink (25). The frame owns
    // the bar, which passes the popup's outcomes on with the command (32900).
    const std::vector<std::string> expected = {
        "open 17",
        "hot 25",
        "received cancel 0000FF 32900",
        "received closeup 0000FF -1",
        "open 17",
        "hot 25",
        "received selchange FF00FF 32900",
        "received closeup 0000FF -1",
        "end",
    };
    EXPECT_EQ(expected, lines);
    EXPECT_EQ(0u, dwExitCode);
}

} // namespace
