// The real TarnixEd.exe asked for help in every way a user or a window has: the
// Help menu's command, F1 pressed on the frame, and the frame's help commands.
// Each opens the help viewer on the editor's help file, as the Help menu does.
#include "EditorTesting.h"
#include "ProgramRun.h"

#include "framework/Ids.h"

#include "editor/resource.h"

#include <string>

using editor_testing::Click;
using editor_testing::FindDialog;
using editor_testing::Process;
using editor_testing::WaitFor;
using testing_support::ProgramFolder;
using testing_support::ReadFileText;
using testing_support::TempFolder;

namespace {

const char kProgramKey[] = "Software\\Morvadeth\\Tarnix 2";

// The help viewer's visible window of the process.
HWND FindHelpViewer(DWORD dwProcessId)
{
    return editor_testing::FindProcessWindow(dwProcessId, [](HWND hWnd) {
        char className[64] = "";
        GetClassNameA(hWnd, className, sizeof(className));
        return lstrcmpA(className, "HH Parent") == 0;
    });
}

} // namespace

TEST(HelpCommandsProgramTest, F1AndTheFramesHelpCommandsOpenTheHelpAsTheHelpMenuDoes)
{
    SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKey);
    TempFolder editorFolder, projects;
    ASSERT_TRUE(CopyFileA(ProgramFolder() + "\\TarnixEd.exe", editorFolder.File("TarnixEd.exe"), FALSE));
    for (LPCSTR name : { "help\\tarnix.chm", "help\\quickinfo.chm" })
        editorFolder.Write(name, ReadFileText(ProgramFolder() + "\\" + name));

    Process editor;
    HWND hFrame = nullptr, hStart = nullptr;
    ASSERT_TRUE(StartAtStartCenter(editor, editorFolder.File("TarnixEd.exe"), projects.Path(), hFrame, hStart));
    Click(hStart, IDCANCEL);
    ASSERT_TRUE(WaitFor([] { return FindDialog("Tarnix Start Center") == nullptr ? HWND(1) : nullptr; }));

    const struct
    {
        LPCSTR pszWay;
        UINT nCommand;   // posted to the frame; 0: F1 pressed
    } ways[] = {
        { "Help menu", ID_HELP_TARNIX }, { "F1", 0 },
        { "help", ID_HELP }, { "help finder", ID_HELP_FINDER },
        { "default help", ID_DEFAULT_HELP }, { "context help", ID_CONTEXT_HELP },
    };
    std::string menuTitle;
    for (const auto& way : ways)
    {
        SCOPED_TRACE(way.pszWay);
        if (way.nCommand != 0)
            PostMessageA(hFrame, WM_COMMAND, MAKEWPARAM(way.nCommand, 0), 0);
        else
        {
            SetForegroundWindow(hFrame);
            ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == hFrame ? hFrame : nullptr; }));
            editor_testing::PressKey(VK_F1);
        }
        HWND hViewer = WaitFor([&] { return FindHelpViewer(editor.pi.dwProcessId); });
        ASSERT_NE(nullptr, hViewer);
        char title[200] = "";
        GetWindowTextA(hViewer, title, sizeof(title));
        if (menuTitle.empty())
            menuTitle = title;
        EXPECT_EQ(menuTitle, std::string(title));
        PostMessageA(hViewer, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitFor([&] { return FindHelpViewer(editor.pi.dwProcessId) == nullptr ? HWND(1) : nullptr; }));
    }
    EXPECT_FALSE(menuTitle.empty());
    EXPECT_TRUE(editor.CloseAndWait(hFrame));
    SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKey);
}
