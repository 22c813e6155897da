// Runs the real Tarnix.exe, placed in a folder of the test's own so that its
// program folder is known.
#include "framework/String.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

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

// A GIF of three button states of the size, red, and the row of the
// transparent colour below them, blue. Each pixel follows a clear code, so
// that every code stays 3 bits wide.
std::string StateGif(int nWidth, int nStateHeight)
{
    const int nHeight = 3 * nStateHeight + 1;
    std::string bytes = std::string("GIF89a") + char(nWidth) + '\0' + char(nHeight) + '\0' + '\x80' + '\0' + '\0';
    bytes += std::string("\xFF\0\0\0\0\xFF", 6);
    bytes += std::string("\x2C\0\0\0\0", 5) + char(nWidth) + '\0' + char(nHeight) + '\0' + '\0' + '\x02';
    std::string data;
    unsigned nBits = 0, nBitCount = 0;
    auto put = [&](unsigned nCode) {
        nBits |= nCode << nBitCount;
        for (nBitCount += 3; nBitCount >= 8; nBitCount -= 8, nBits >>= 8)
            data += char(nBits & 0xFF);
    };
    for (int i = 0; i < nWidth * nHeight; ++i)
    {
        put(4);
        put(i < nWidth * (nHeight - 1) ? 0 : 1);
    }
    put(5);
    if (nBitCount > 0)
        data += char(nBits & 0xFF);
    for (size_t nPos = 0; nPos < data.size(); nPos += 255)
    {
        std::string block = data.substr(nPos, 255);
        bytes += char(block.size()) + block;
    }
    bytes += std::string("\0\x3B", 2);
    return bytes;
}

// The player loads OLE, the picture object and the multimedia functions only
// when a page first needs them (a DLL that failed to load then would end the
// program): a picture button with a GIF, its click sound and the page it
// opens all work in the shipped program, which then ends cleanly.
TEST_F(PlayerProgramTest, LoadsWhatAPageNeedsOnFirstUse)
{
    const std::string gif = StateGif(40, 10);
    m_app.Write("knopf.gif", gif.data(), gif.size());
    m_app.Write("Velconf.ini",
                testing_support::Lines({ "[Tarnix]", "VERSION=Tarnix Editor 2.40 CD-Menu", "[WINDOWPOS]", "X=100",
                                         "Y=80", "[WINDOWSIZE]", "SIZETYPE=1", "W=300", "H=200", "[WINDOW]",
                                         "BORDER=1", "TITLE=Gif Seite", "IMAGE=0", "[SOUND]", "ENABLE=0",
                                         "KEYCLICK=1", "KEYOVER=1", "[BUTTON1]", "ENABLE=1", "X=20", "Y=20",
                                         "W=100", "H=50", "TEXT=Weiter", "STYLE=BITMAP",
                                         "BMP=_CURRENTDIR_\\knopf.gif", "DOKUMENT=_CURRENTDIR_\\seite2.ini",
                                         "FUNKTION=NEWPAGE" }));
    m_app.Write("seite2.ini", testing_support::Lines({ "[Tarnix]", "[WINDOW]", "BORDER=1", "TITLE=Seite 2" }));

    CString commandLine = "\"" + m_app.File("Tarnix.exe") + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, m_app.Path(),
                               &si, &pi));
    auto waitForMenu = [&pi](LPCSTR lpszTitle) -> HWND {
        for (int nWait = 0; nWait < 200 && WaitForSingleObject(pi.hProcess, 50) == WAIT_TIMEOUT; ++nWait)
        {
            HWND hMenu = FindWindowA("#32770", lpszTitle);
            DWORD_PTR nResult = 0;
            if (hMenu != nullptr && IsWindowVisible(hMenu) &&
                SendMessageTimeoutA(hMenu, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &nResult))
                return hMenu;
        }
        return nullptr;
    };
    HWND hMenu = waitForMenu("Gif Seite");
    if (hMenu != nullptr)
    {
        // A real click on the picture plays the click sound and opens the
        // next page.
        POINT pt = { 40, 25 };
        ClientToScreen(hMenu, &pt);
        const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
        INPUT in[3] = {};
        for (INPUT& i : in)
        {
            i.type = INPUT_MOUSE;
            i.mi.dx = (pt.x * 65535 + cx / 2) / (cx - 1);
            i.mi.dy = (pt.y * 65535 + cy / 2) / (cy - 1);
            i.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        }
        in[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
        in[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
        SendInput(3, in, sizeof(INPUT));
    }
    HWND hNext = hMenu != nullptr ? waitForMenu("Seite 2") : nullptr;
    if (hNext != nullptr)
        PostMessageA(hNext, WM_CLOSE, 0, 0);
    DWORD nExitCode = (DWORD)-1;
    if (WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &nExitCode);
    else
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);

    ASSERT_NE(nullptr, hMenu);
    EXPECT_NE(nullptr, hNext);
    EXPECT_EQ(0u, nExitCode);
}

} // namespace
