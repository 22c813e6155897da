// Running the real programs from a test: starting a process, waiting for its
// windows and pressing their buttons from outside, as a user would.
#pragma once

#include "framework/String.h"
#include "helpers/TestSupport.h"

#include "EditorTesting.h"

#include "editor/resource.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace editor_testing {

inline constexpr DWORD kWaitLimit = 60000;

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
    bool HasEnded() const { return WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0; }
    DWORD ExitCode() const
    {
        DWORD dwExit = STILL_ACTIVE;
        GetExitCodeProcess(pi.hProcess, &dwExit);
        return dwExit;
    }
    // Closes the window and waits for the end; a program that does not end is stopped.
    bool CloseAndWait(HWND hWnd)
    {
        if (hWnd != nullptr)
            PostMessageA(hWnd, WM_CLOSE, 0, 0);
        return WaitForEnd();
    }
    bool WaitForEnd()
    {
        bool bEnded = WaitForSingleObject(pi.hProcess, kWaitLimit) == WAIT_OBJECT_0;
        if (!bEnded)
            TerminateProcess(pi.hProcess, 1);
        return bEnded;
    }
    ~Process()
    {
        if (pi.hProcess != nullptr)
        {
            if (!HasEnded())
                TerminateProcess(pi.hProcess, 1);
            CloseHandle(pi.hThread);
            CloseHandle(pi.hProcess);
        }
    }
};

// Waits for the finder to give a window. The bound only ends a wait for a
// fault: a program started beside other suites may take many seconds to show
// a window or to end.
inline HWND WaitFor(const std::function<HWND()>& find)
{
    const DWORD dwStart = GetTickCount();
    do
    {
        if (HWND hWnd = find())
            return hWnd;
        Sleep(50);
    } while (GetTickCount() - dwStart < kWaitLimit);
    return find();
}

inline bool WaitForFile(const CString& strPath)
{
    return WaitFor([&] { return GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES ? HWND(1) : nullptr; });
}

// The process's visible top-level window that the test accepts.
inline HWND FindProcessWindow(DWORD dwProcessId, const std::function<bool(HWND)>& accept)
{
    struct Search { DWORD dwProcessId; const std::function<bool(HWND)>* pAccept; HWND hFound; } search = {
        dwProcessId, &accept, nullptr
    };
    EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            Search* pSearch = (Search*)lParam;
            DWORD dwOwner = 0;
            GetWindowThreadProcessId(hWnd, &dwOwner);
            if (dwOwner == pSearch->dwProcessId && IsWindowVisible(hWnd) && (*pSearch->pAccept)(hWnd))
                pSearch->hFound = hWnd;
            return pSearch->hFound == nullptr;
        },
        (LPARAM)&search);
    return search.hFound;
}

// The visible top-level window of the process that holds an MDI client.
inline HWND FindMainFrame(DWORD dwProcessId)
{
    return FindProcessWindow(dwProcessId, [](HWND hWnd) {
        return FindWindowExA(hWnd, nullptr, "MDIClient", nullptr) != nullptr;
    });
}

// The windows below the parent, at any depth, that the test accepts, in the
// order the system lists them.
inline std::vector<HWND> DescendantsWhere(HWND hParent, const std::function<bool(HWND)>& accept)
{
    struct Search { const std::function<bool(HWND)>* pAccept; std::vector<HWND> found; } search = { &accept, {} };
    EnumChildWindows(
        hParent,
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            Search* pSearch = (Search*)lParam;
            if ((*pSearch->pAccept)(hWnd))
                pSearch->found.push_back(hWnd);
            return TRUE;
        },
        (LPARAM)&search);
    return search.found;
}

inline HWND FindDialog(LPCSTR pszCaption)
{
    HWND hDlg = FindWindowA("#32770", pszCaption);
    return hDlg != nullptr && IsWindowVisible(hDlg) ? hDlg : nullptr;
}

// The process's visible dialog with the caption.
inline HWND FindDialogOf(DWORD dwProcessId, LPCSTR pszCaption)
{
    for (HWND hDlg = FindWindowExA(nullptr, nullptr, "#32770", pszCaption); hDlg != nullptr;
         hDlg = FindWindowExA(nullptr, hDlg, "#32770", pszCaption))
    {
        DWORD dwOwner = 0;
        GetWindowThreadProcessId(hDlg, &dwOwner);
        if (dwOwner == dwProcessId && IsWindowVisible(hDlg))
            return hDlg;
    }
    return nullptr;
}

// Starts the editor and waits for its frame and the Start Center over it.
inline bool StartAtStartCenter(Process& editor, const CString& strProgram, const CString& strFolder, HWND& hFrame,
                               HWND& hStart)
{
    hFrame = hStart = nullptr;
    if (!editor.Start(strProgram, strFolder))
        return false;
    hFrame = WaitFor([&] { return FindMainFrame(editor.pi.dwProcessId); });
    hStart = WaitFor([] { return FindDialog("Tarnix Start Center"); });
    return hFrame != nullptr && hStart != nullptr;
}

inline void Click(HWND hDlg, int nID)
{
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, nID));
}

// A real press and release of one key, for the window that has the focus.
inline void PressKey(WORD wVk)
{
    INPUT keys[2] = {};
    for (int i = 0; i < 2; ++i)
    {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = wVk;
        keys[i].ki.dwFlags = i == 1 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(2, keys, sizeof(INPUT));
}

// The editor's own registry key: the program under test runs with a fresh one.
inline constexpr char kEditorProgramKey[] = "Software\\Morvadeth\\Tarnix 2";

// Fills a folder of the test's own as the installation fills the editor's:
// the editor and the player from the build, the template files from the
// source tree.
inline void MakeEditorFolder(const testing_support::TempFolder& folder)
{
    for (LPCSTR name : { "TarnixEd.exe", "Tarnix.exe" })
        ASSERT_TRUE(CopyFileA(testing_support::ProgramFolder() + "\\" + name, folder.File(name), FALSE)) << name;
    for (LPCSTR name : { "Autorun.inf", "Velicon.ico", "Start.txt", "Sound\\Click.wav", "Sound\\Over.wav" })
        folder.Write(name, testing_support::ReadFileText(TemplatePath(name)));
}

// Opens the page in TarnixEd.exe through the Start Center's recent list;
// gives the page's window.
inline HWND OpenThroughRecentList(Process& editor, const testing_support::TempFolder& editorFolder,
                                  const CString& strPath, HWND& hFrame)
{
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, CString(kEditorProgramKey) + "\\Recent File List", 0, nullptr, 0,
                        KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return nullptr;
    RegSetValueExA(hKey, "File1", 0, REG_SZ, (const BYTE*)(LPCSTR)strPath, strPath.GetLength() + 1);
    RegCloseKey(hKey);
    HWND hStart = nullptr;
    if (!StartAtStartCenter(editor, editorFolder.File("TarnixEd.exe"), editorFolder.Path(), hFrame, hStart))
        return nullptr;
    Click(hStart, IDC_START_OPEN);
    HWND hOpen = WaitFor([] { return FindDialog("Projekt öffnen"); });
    if (hOpen == nullptr)
        return nullptr;
    Click(hOpen, IDOK);
    CString name = strPath.Mid(strPath.ReverseFind('\\') + 1);
    HWND hClient = FindWindowExA(hFrame, nullptr, "MDIClient", nullptr);
    return WaitFor([&] { return FindWindowExA(hClient, nullptr, nullptr, name); });
}

// The Save command, then the frame closed: true when the editor ended at
// once, without a question, and cleanly.
inline bool SaveAndClose(Process& editor, HWND hFrame)
{
    PostMessageA(hFrame, WM_COMMAND, ID_FILE_SAVE, 0);
    return editor.CloseAndWait(hFrame) && editor.ExitCode() == 0;
}

} // namespace editor_testing
