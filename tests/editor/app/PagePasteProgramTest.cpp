// TarnixEd.exe run as an author runs it: the main page's "Video" button is
// clicked and cut with Ctrl+X, the sub-page chosen from the page menu (the
// save question answered Yes), the button pasted there with Ctrl+V and the
// page saved. The button is in the sub-page's file once and in no other.
#include "EditorTesting.h"
#include "ProgramRun.h"

#include "shared/menuobj/PageList.h"

#include <shlwapi.h>

#include <string>

using editor_testing::Click;
using editor_testing::CopyProject;
using editor_testing::CopySample;
using editor_testing::OpenThroughRecentList;
using editor_testing::Process;
using editor_testing::SaveAndClose;
using editor_testing::TemplatePath;
using editor_testing::Text;
using editor_testing::WaitFor;
using testing_support::ProgramFolder;
using testing_support::ReadFileText;
using testing_support::TempFolder;

namespace {

// The window below the parent, at any depth, with the text.
HWND FindByText(HWND hParent, LPCSTR pszText)
{
    struct Search { LPCSTR pszText; HWND hFound; } search = { pszText, nullptr };
    EnumChildWindows(
        hParent,
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            Search* pSearch = (Search*)lParam;
            char text[64] = "";
            GetWindowTextA(hWnd, text, sizeof(text));
            if (lstrcmpA(text, pSearch->pszText) == 0)
                pSearch->hFound = hWnd;
            return pSearch->hFound == nullptr;
        },
        (LPARAM)&search);
    return search.hFound;
}

void ClickAt(POINT pt)
{
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT clicks[3] = {};
    const DWORD flags[3] = { 0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP };
    for (int i = 0; i < 3; ++i)
    {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dx = (LONG)((pt.x * 65535LL + cx / 2) / (cx - 1));
        clicks[i].mi.dy = (LONG)((pt.y * 65535LL + cy / 2) / (cy - 1));
        clicks[i].mi.dwFlags = flags[i] | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    SendInput(3, clicks, sizeof(INPUT));
}

void PressCtrlWith(char chKey)
{
    INPUT keys[4] = {};
    const WORD vk[4] = { VK_CONTROL, (WORD)chKey, (WORD)chKey, VK_CONTROL };
    for (int i = 0; i < 4; ++i)
    {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = vk[i];
        keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, keys, sizeof(INPUT));
}

// The process's message box that asks Yes or No.
HWND FindQuestion(DWORD dwProcessId)
{
    return editor_testing::FindProcessWindow(dwProcessId, [](HWND hWnd) {
        char className[16] = "";
        GetClassNameA(hWnd, className, sizeof(className));
        return lstrcmpA(className, "#32770") == 0 && GetDlgItem(hWnd, IDYES) != nullptr;
    });
}

// The page's window in the frame, once it shows its objects.
HWND WaitForPage(HWND hFrame, LPCSTR pszFile)
{
    HWND hClient = FindWindowExA(hFrame, nullptr, "MDIClient", nullptr);
    return WaitFor([&] { return FindWindowExA(hClient, nullptr, nullptr, pszFile); });
}

// How often a line stands in the text.
int LineCount(const CString& strText, LPCSTR pszLine)
{
    const std::string text = "\r\n" + Text(strText);
    const std::string line = std::string("\r\n") + pszLine + "\r\n";
    int nCount = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
        ++nCount;
    return nCount;
}

// The full sample's main page and its sub-page as this editor wrote them,
// without the boxes of files the test does not need.
void WritePages(const TempFolder& folder)
{
    for (LPCSTR name : { "Velconf.ini", "seite2.ini" })
    {
        CString text = ReadFileText(CopyProject(folder, "full", "024000", name));
        text.Replace("[WELCOME]\r\nENABLE=1", "[WELCOME]\r\nENABLE=0");
        text.Replace("ERROR=1", "ERROR=0");
        folder.Write(name, text);
    }
    CopySample(folder, "full", { "liesmich.txt", "hintergrund.bmp", "knopf.bmp" });
}

} // namespace

TEST(PagePasteProgramTest, AButtonCutOnTheMainPageIsPastedOnTheSubPageAndSavedThereOnly)
{
    SHDeleteKeyA(HKEY_CURRENT_USER, editor_testing::kEditorProgramKey);
    TempFolder editorFolder, folder;
    for (LPCSTR name : { "TarnixEd.exe", "Tarnix.exe" })
        ASSERT_TRUE(CopyFileA(ProgramFolder() + "\\" + name, editorFolder.File(name), FALSE)) << name;
    for (LPCSTR name : { "Autorun.inf", "Velicon.ico", "Start.txt", "Sound\\Click.wav", "Sound\\Over.wav" })
        editorFolder.Write(name, ReadFileText(TemplatePath(name)));
    WritePages(folder);
    {
        Process editor;
        HWND hFrame = nullptr;
        HWND hMain = OpenThroughRecentList(editor, editorFolder, folder.File("Velconf.ini"), hFrame);
        ASSERT_NE(nullptr, hMain);
        HWND hVideo = WaitFor([&] { return FindByText(GetWindow(hMain, GW_CHILD), "Video"); });
        ASSERT_NE(nullptr, hVideo);
        SetForegroundWindow(hFrame);
        RECT rc;
        GetWindowRect(hVideo, &rc);
        ClickAt({ (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2 });
        PressCtrlWith('X');
        ASSERT_TRUE(WaitFor([&] { return IsWindow(hVideo) ? nullptr : hFrame; }) != nullptr) << "not cut";

        // The page menu's first entry is the button "Seite 2"'s page.
        PostMessageA(hFrame, WM_COMMAND, ID_PAGEMENU_BASE + 1, 0);
        HWND hQuestion = WaitFor([&] { return FindQuestion(editor.pi.dwProcessId); });
        ASSERT_NE(nullptr, hQuestion) << "no save question";
        Click(hQuestion, IDYES);
        HWND hSub = WaitForPage(hFrame, "seite2.ini");
        ASSERT_NE(nullptr, hSub);
        HWND hSubView = GetWindow(hSub, GW_CHILD);
        ASSERT_NE(nullptr, WaitFor([&] { return FindByText(hSubView, "Exit"); }));
        SetForegroundWindow(hFrame);
        PressCtrlWith('V');
        EXPECT_NE(nullptr, WaitFor([&] { return FindByText(hSubView, "Video"); })) << "not pasted";
        ASSERT_TRUE(SaveAndClose(editor, hFrame));
    }
    SHDeleteKeyA(HKEY_CURRENT_USER, editor_testing::kEditorProgramKey);

    // Every page file of the folder: the button, its picture and its action
    // on the sub-page once, nowhere else.
    WIN32_FIND_DATAA found;
    HANDLE hFind = FindFirstFileA(folder.File("*.ini"), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFind);
    int nFiles = 0;
    do
    {
        SCOPED_TRACE(found.cFileName);
        ++nFiles;
        const CString text = ReadFileText(folder.File(found.cFileName));
        const int nExpected = lstrcmpiA(found.cFileName, "seite2.ini") == 0 ? 1 : 0;
        EXPECT_EQ(nExpected, LineCount(text, "TEXT=Video")) << Text(text);
        EXPECT_EQ(nExpected, LineCount(text, "DOKUMENT=_CURRENTDIR_\\film.avi"));
        EXPECT_EQ(nExpected, LineCount(text, "BMP=_CURRENTDIR_\\knopf.bmp"));
    } while (FindNextFileA(hFind, &found));
    FindClose(hFind);
    EXPECT_EQ(2, nFiles);
}
