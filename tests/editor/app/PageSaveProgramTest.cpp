// TarnixEd.exe run as an author runs it on a page edited by hand: its buttons
// numbered 1, 2 and 5, the first playing a sound. The first is clicked and
// deleted with the Delete key, the page saved: the other two stay, once each,
// with their own keys and none of the deleted one's.
#include "EditorTesting.h"
#include "ProgramRun.h"
#include "toolkit/XTRealInput.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/ProjectPage.h"

#include <shlwapi.h>

#include <string>

using editor_testing::OpenThroughRecentList;
using editor_testing::Process;
using editor_testing::SaveAndClose;
using editor_testing::Text;
using editor_testing::WaitFor;
using testing_support::Lines;
using testing_support::ProgramFolder;
using testing_support::ReadFileText;
using testing_support::TempFolder;

TEST(PageSaveProgramTest, ADeletedButtonTakesItsKeysAlongAndTheOthersStayOnceEach)
{
    SHDeleteKeyA(HKEY_CURRENT_USER, editor_testing::kEditorProgramKey);
    TempFolder editorFolder, folder;
    ASSERT_NO_FATAL_FAILURE(editor_testing::MakeEditorFolder(editorFolder));
    ASSERT_TRUE(CopyFileA(ProgramFolder() + "\\Tarnix.exe", folder.File("Tarnix.exe"), FALSE));
    folder.Write("klick.wav", "RIFF");
    CString path = folder.Write(
        "Velconf.ini",
        Lines({ "[Tarnix]", "VERSION=Tarnix Editor 2.40 CD-Menu", "FILEVERSION=024000", " ", "[WINDOWSIZE]",
                "SIZETYPE=1", "W=400", "H=300", " ", "[WINDOW]", "TITLE=Seite", " ", "[BUTTON1]", "ENABLE=1",
                "X=20", "Y=20", "W=120", "H=30", "TEXT=Eins", "FUNKTION=PLAYSOUND", "DOKUMENT=_CURRENTDIR_\\klick.wav",
                "EIGEN=eins", " ", "[BUTTON2]", "ENABLE=1", "X=20", "Y=70", "W=120", "H=30", "TEXT=Zwei",
                "FUNKTION=EXIT", " ", "[BUTTON5]", "ENABLE=1", "X=20", "Y=120", "W=120", "H=30", "TEXT=Fuenf",
                "FUNKTION=EXIT", "EIGEN=fuenf", " ", "[TOOLTIP]", "ENABLE=0", " " }));
    {
        Process editor;
        HWND hFrame = nullptr;
        HWND hChild = OpenThroughRecentList(editor, editorFolder, path, hFrame);
        ASSERT_NE(nullptr, hChild);
        HWND hView = GetWindow(hChild, GW_CHILD);
        // The page's first object, the first button, has the first control id.
        HWND hFirst = WaitFor([&] { return GetDlgItem(hView, 5000); });
        ASSERT_NE(nullptr, hFirst);
        SetForegroundWindow(hFrame);
        ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == hFrame ? hFrame : nullptr; }));
        RECT rc;
        GetWindowRect(hFirst, &rc);
        toolkit_test::Click(CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2));
        // The key follows the click in the editor's queue once the editor has
        // the keyboard focus.
        ASSERT_TRUE(WaitFor([&] {
            GUITHREADINFO info = { sizeof(info) };
            return GetGUIThreadInfo(editor.pi.dwThreadId, &info) && info.hwndFocus != nullptr &&
                           (info.hwndFocus == hFrame || IsChild(hFrame, info.hwndFocus))
                       ? hFrame
                       : nullptr;
        }));
        editor_testing::PressKey(VK_DELETE);
        EXPECT_TRUE(WaitFor([&] { return IsWindow(hFirst) ? nullptr : hView; }) != nullptr) << "not deleted";
        ASSERT_TRUE(SaveAndClose(editor, hFrame));
    }
    SHDeleteKeyA(HKEY_CURRENT_USER, editor_testing::kEditorProgramKey);

    const std::string saved = "\r\n" + Text(ReadFileText(path));
    for (LPCSTR line : { "TEXT=Eins", "FUNKTION=PLAYSOUND", "EIGEN=eins", "[BUTTON3]", "[BUTTON5]" })
        EXPECT_EQ(std::string::npos, saved.find(std::string("\r\n") + line + "\r\n")) << line << " in\n" << saved;
    for (LPCSTR line : { "TEXT=Zwei", "TEXT=Fuenf", "EIGEN=fuenf" })
    {
        size_t nAt = saved.find(std::string("\r\n") + line + "\r\n");
        EXPECT_NE(std::string::npos, nAt) << line << " not in\n" << saved;
        EXPECT_EQ(std::string::npos, saved.find(std::string("\r\n") + line + "\r\n", nAt + 1)) << line << " twice";
    }
    CProjectPage page;
    page.LoadProject(path);
    ASSERT_EQ(2, page.GetButtons().GetSize()) << saved;
    const char* const captions[] = { "Zwei", "Fuenf" };
    for (int i = 0; i < 2; ++i)
    {
        const CMButCreateStruct* pButton = static_cast<CMButCreateStruct*>(page.GetButtons()[i]);
        EXPECT_EQ(captions[i], Text(pButton->m_strText));
        EXPECT_EQ(0, pButton->m_bStartSound);
        EXPECT_TRUE(pButton->m_strSoundFile.IsEmpty());
    }
}
