// TarnixEd.exe run as an author runs it: the main page's "Video" button is
// clicked and cut with Ctrl+X, the sub-page chosen from the page menu (the
// save question answered Yes), the button pasted there with Ctrl+V and the
// page saved. The button is in the sub-page's file once and in no other.
#include "EditorTesting.h"
#include "ProgramRun.h"
#include "toolkit/XTRealInput.h"

#include "shared/menuobj/PageList.h"

#include <shlwapi.h>

#include <string>
#include <vector>

using editor_testing::Click;
using editor_testing::CopyProject;
using editor_testing::CopySample;
using editor_testing::OpenThroughRecentList;
using editor_testing::Process;
using editor_testing::SaveAndClose;
using editor_testing::Text;
using editor_testing::WaitFor;
using testing_support::ReadFileText;
using testing_support::TempFolder;

namespace {

// The window below the parent, at any depth, with the text.
HWND FindByText(HWND hParent, LPCSTR pszText)
{
    const std::vector<HWND> found = editor_testing::DescendantsWhere(hParent, [pszText](HWND hWnd) {
        char text[64] = "";
        GetWindowTextA(hWnd, text, sizeof(text));
        return lstrcmpA(text, pszText) == 0;
    });
    return found.empty() ? nullptr : found[0];
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
    ASSERT_NO_FATAL_FAILURE(editor_testing::MakeEditorFolder(editorFolder));
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
        toolkit_test::Click(CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2));
        toolkit_test::PressKeys({ VK_CONTROL, 'X' });
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
        toolkit_test::PressKeys({ VK_CONTROL, 'V' });
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
