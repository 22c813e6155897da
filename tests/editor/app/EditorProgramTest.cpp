// Runs the real TarnixEd.exe from an editor folder of the test's own: the Start
// Center, a new project laid out and opened, and the player started on it.
#include "EditorTesting.h"
#include "ProgramRun.h"
#include "editor/app/TarnixEdDoc.h"

#include "editor/resource.h"

#include <algorithm>
#include <commctrl.h>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

using editor_testing::CopyProject;
using editor_testing::CopySample;
using editor_testing::Click;
using editor_testing::FindDialog;
using editor_testing::OpenThroughRecentList;
using editor_testing::Process;
using editor_testing::SaveAndClose;
using editor_testing::WaitFor;
using editor_testing::WaitForFile;
using testing_support::MessageBoxRecorder;
using testing_support::ProgramFolder;
using testing_support::ReadFileText;
using testing_support::TempFolder;

namespace {

const char* const kProgramKey = editor_testing::kEditorProgramKey;

// Chooses a new project in the Start Center, names its folder in the dialog
// of that caption and waits for the project's window.
HWND MakeProjectFromStartCenter(HWND hFrame, HWND hStart, LPCSTR pszNewCaption, const CString& strProject)
{
    Click(hStart, IDC_START_NEW);
    HWND hNew = WaitFor([&] { return FindDialog(pszNewCaption); });
    if (hNew == nullptr)
        return nullptr;
    SendMessageA(GetDlgItem(hNew, IDC_PROJECT_FOLDER), WM_SETTEXT, 0, (LPARAM)(LPCSTR)strProject);
    Click(hNew, IDOK);
    HWND hClient = FindWindowExA(hFrame, nullptr, "MDIClient", nullptr);
    return WaitFor([&] { return FindWindowExA(hClient, nullptr, nullptr, "Velconf.ini"); });
}

// The windows below a window, at any depth, of the class (or, without one,
// with the id).
std::vector<HWND> Descendants(HWND hParent, LPCSTR pszClass, int nID = 0)
{
    return editor_testing::DescendantsWhere(hParent, [pszClass, nID](HWND hWnd) {
        char className[64] = "";
        GetClassNameA(hWnd, className, sizeof(className));
        return pszClass != nullptr ? lstrcmpiA(className, pszClass) == 0 : GetDlgCtrlID(hWnd) == nID;
    });
}

HWND FindDescendant(HWND hParent, LPCSTR pszClass, int nID = 0)
{
    const std::vector<HWND> found = Descendants(hParent, pszClass, nID);
    return found.empty() ? nullptr : found[0];
}

int CountVisible(HWND hParent, LPCSTR pszClass)
{
    const std::vector<HWND> found = Descendants(hParent, pszClass);
    return (int)std::count_if(found.begin(), found.end(), [](HWND hWnd) { return IsWindowVisible(hWnd) != FALSE; });
}

class EditorProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKey);
        ASSERT_NO_FATAL_FAILURE(editor_testing::MakeEditorFolder(m_editor));
    }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKey); }

    // The quick information after the first new project opens the help viewer:
    // it is taken as seen. A language, when given, is the one chosen before.
    static void MarkQuickInfoSeen(LPCSTR pszLanguage = nullptr)
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, CString(kProgramKey) + "\\SETTINGS", 0, nullptr,
                                                 0, KEY_WRITE, nullptr, &hKey, nullptr));
        DWORD dwZero = 0;
        RegSetValueExA(hKey, "BFIRST", 0, REG_DWORD, (const BYTE*)&dwZero, sizeof(dwZero));
        if (pszLanguage != nullptr)
            RegSetValueExA(hKey, "LANGUAGE", 0, REG_SZ, (const BYTE*)pszLanguage, lstrlenA(pszLanguage) + 1);
        RegCloseKey(hKey);
    }

    TempFolder m_editor;
};

} // namespace

TEST_F(EditorProgramTest, ANewProjectFromTheStartCenterIsPlayedByThePlayer)
{
    MarkQuickInfoSeen();
    TempFolder projects;
    CString project = projects.File("Neu");
    {
        Process editor;
        HWND hFrame = nullptr, hStart = nullptr;
        ASSERT_TRUE(StartAtStartCenter(editor, m_editor.File("TarnixEd.exe"), projects.Path(), hFrame, hStart));
        for (int nID : { IDC_START_NEW, IDC_START_OPEN, IDC_START_EXIT })
            EXPECT_NE(nullptr, GetDlgItem(hStart, nID)) << nID;

        HWND hChild = MakeProjectFromStartCenter(hFrame, hStart, "Neues Projekt", project);
        EXPECT_NE(nullptr, hChild);

        // The frame's bars as another process sees them: the menu bar and two
        // tool bars, the status bar, the side bar's folder tree and the
        // project's files in its list, and the canvas in the child. The side
        // bar's views are filled unseen and shown once they are drawn.
        HWND hList = WaitFor([&] {
            HWND hFound = FindDescendant(hFrame, "SysListView32");
            return hFound != nullptr && ::IsWindowVisible(hFound) && CountVisible(hFrame, "SysTreeView32") > 0 &&
                           SendMessageA(hFound, LVM_GETITEMCOUNT, 0, 0) >= 6
                       ? hFound
                       : nullptr;
        });
        EXPECT_NE(nullptr, hList);
        EXPECT_EQ(3, CountVisible(hFrame, "ToolbarWindow32"));
        EXPECT_EQ(1, CountVisible(hFrame, "msctls_statusbar32"));
        EXPECT_EQ(1, CountVisible(hFrame, "SysTreeView32"));
        EXPECT_NE(nullptr, FindWindowExA(hChild, nullptr, nullptr, nullptr));
        EXPECT_TRUE(editor.CloseAndWait(hFrame));
    }
    for (LPCSTR name : { "Velconf.ini", "Tarnix.exe", "Autorun.inf", "Velicon.ico", "Start.txt", "Sound\\Click.wav",
                         "Sound\\Over.wav" })
        EXPECT_TRUE(WaitForFile(project + "\\" + name)) << name;
    EXPECT_EQ(0u, std::string(ReadFileText(project + "\\Velconf.ini")).find("[Tarnix]\r\n"));

    // The player finds the project through the autorun file.
    Process player;
    ASSERT_TRUE(player.Start(project + "\\Tarnix.exe", project));
    HWND hMenu = WaitFor([] { return FindDialog("Tarnix"); });
    ASSERT_NE(nullptr, hMenu);
    Sleep(300);
    RECT rc;
    GetClientRect(hMenu, &rc);
    EXPECT_EQ(500, rc.right);
    EXPECT_EQ(350, rc.bottom);
    POINT pt = { rc.right / 2, rc.bottom - 5 };
    ClientToScreen(hMenu, &pt);
    HDC hScreen = GetDC(nullptr);
    COLORREF crPixel = GetPixel(hScreen, pt.x, pt.y);
    ReleaseDC(nullptr, hScreen);
    EXPECT_EQ(RGB(255, 255, 236), crPixel);
    EXPECT_TRUE(player.CloseAndWait(hMenu));
}

namespace {

// The child windows of a page window (the editor's canvas or the player's menu
// window): class, id, text and place in its client area, after its size.
// Windows wholly outside the page (the player's focus holder) are left out.
std::vector<std::string> PageWindows(HWND hPage)
{
    std::vector<std::string> windows;
    RECT rcPage;
    GetClientRect(hPage, &rcPage);
    windows.push_back("menu " + std::to_string(rcPage.right) + "x" + std::to_string(rcPage.bottom));
    for (HWND hChild = GetWindow(hPage, GW_CHILD); hChild != nullptr; hChild = GetWindow(hChild, GW_HWNDNEXT))
    {
        char className[64] = "", text[200] = "";
        GetClassNameA(hChild, className, sizeof(className));
        if (char* pColon = strchr(className, ':'))
            *pColon = '\0';
        GetWindowTextA(hChild, text, sizeof(text));
        RECT rc;
        GetWindowRect(hChild, &rc);
        MapWindowPoints(nullptr, hPage, (POINT*)&rc, 2);
        if (rc.right <= 0 || rc.bottom <= 0)
            continue;
        char line[400];
        wsprintfA(line, "%s %d \"%s\" %d,%d,%d,%d", className, GetDlgCtrlID(hChild), text, rc.left, rc.top, rc.right,
                  rc.bottom);
        windows.push_back(line);
    }
    return windows;
}

// The menu window's child windows as the player made them: class, id, text and
// place.
std::vector<std::string> MenuWindows(const CString& strFolder, LPCSTR pszTitle)
{
    std::vector<std::string> windows;
    Process player;
    if (!player.Start(strFolder + "\\Tarnix.exe", strFolder))
        return windows;
    HWND hMenu = WaitFor([&] { return FindDialog(pszTitle); });
    if (hMenu == nullptr)
        return windows;
    Sleep(300);
    windows = PageWindows(hMenu);
    player.CloseAndWait(hMenu);
    return windows;
}

// The full sample without its welcome screen and load error boxes, which only
// delay the menu.
void WriteFullSample(const TempFolder& folder)
{
    CString path = CopyProject(folder, "full", "024000");
    CString text = ReadFileText(path);
    text.Replace("[WELCOME]\r\nENABLE=1", "[WELCOME]\r\nENABLE=0");
    text.Replace("ERROR=1", "ERROR=0");
    folder.Write("Velconf.ini", text);
    CopySample(folder, "full", { "seite2.ini", "liesmich.txt", "hintergrund.bmp", "knopf.bmp", "sound\\klick.wav",
                                 "sound\\hintergrund.wav" });
    CopyFileA(ProgramFolder() + "\\Tarnix.exe", folder.File("Tarnix.exe"), FALSE);
}

} // namespace

TEST_F(EditorProgramTest, TheButtonStylesExamplePlaysItsSevenButtons)
{
    TempFolder folder;
    for (LPCSTR name : { "Velconf.ini", "knopf.bmp", "knopf.bti" })
        ASSERT_TRUE(CopyFileA(ProgramFolder() + "\\Examples\\ButStyles\\" + name, folder.File(name), FALSE)) << name;
    ASSERT_TRUE(CopyFileA(ProgramFolder() + "\\Tarnix.exe", folder.File("Tarnix.exe"), FALSE));
    std::vector<std::string> windows = MenuWindows(folder.Path(), "Button Stile");
    const std::string all = std::accumulate(windows.begin(), windows.end(), std::string());
    for (LPCSTR style : { "(WINDOWS)", "(IMAGE)", "(DRAW)", "(HYPERTEXT)", "(BITMAP)", "(OFFICE)", "(MONOCHROME)" })
        EXPECT_NE(std::string::npos, all.find(style)) << style;
}

TEST_F(EditorProgramTest, TheFullSampleSavedByTheEditorPlaysAsTheOriginal)
{
    TempFolder original, saved;
    WriteFullSample(original);
    WriteFullSample(saved);
    {
        MessageBoxRecorder boxes;
        CTarnixEdDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(saved.File("Velconf.ini")));
        ASSERT_TRUE(doc.OnSaveDocument(saved.File("Velconf.ini")));
    }
    std::vector<std::string> expected = MenuWindows(original.Path(), "Grüße aus Tarnix");
    ASSERT_GT(expected.size(), 6u);
    EXPECT_EQ(expected, MenuWindows(saved.Path(), "Grüße aus Tarnix"));
}

namespace {

// The window's client area (or the whole window) as it stands on the screen, as a 24-bit bitmap
// file beside the tests. The screen is read: another process's child window
// gives no picture through its own DC here.
void SaveScreenshot(HWND hWnd, LPCSTR pszName, bool bWholeWindow = false)
{
    RECT rc;
    GetClientRect(hWnd, &rc);
    POINT origin = { 0, 0 };
    ClientToScreen(hWnd, &origin);
    if (bWholeWindow)
    {
        GetWindowRect(hWnd, &rc);
        origin = { rc.left, rc.top };
        OffsetRect(&rc, -rc.left, -rc.top);
    }
    HDC hdc = GetDC(nullptr);
    HDC hMem = CreateCompatibleDC(hdc);
    BITMAPINFO bmi = {};
    bmi.bmiHeader = { sizeof(BITMAPINFOHEADER), rc.right, rc.bottom, 1, 24, BI_RGB };
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = SelectObject(hMem, hBitmap);
    BitBlt(hMem, 0, 0, rc.right, rc.bottom, hdc, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const DWORD cbImage = ((rc.right * 3 + 3) & ~3) * rc.bottom;
    BITMAPFILEHEADER bfh = { 0x4D42, (DWORD)(sizeof(bfh) + sizeof(BITMAPINFOHEADER) + cbImage), 0, 0,
                             (DWORD)(sizeof(bfh) + sizeof(BITMAPINFOHEADER)) };
    std::string bytes((const char*)&bfh, sizeof(bfh));
    bytes.append((const char*)&bmi.bmiHeader, sizeof(BITMAPINFOHEADER));
    bytes.append((const char*)pBits, cbImage);
    HANDLE hFile = CreateFileA(ProgramFolder() + "\\" + pszName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD dwWritten = 0;
    WriteFile(hFile, bytes.data(), (DWORD)bytes.size(), &dwWritten, nullptr);
    CloseHandle(hFile);
    SelectObject(hMem, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hMem);
    ReleaseDC(nullptr, hdc);
}

// Inserts a button captioned "Start" through the button sheet of that caption
// and waits for it on the page; gives the page's view.
HWND InsertButtonThroughSheet(HWND hFrame, HWND hChild, LPCSTR pszSheetCaption)
{
    PostMessageA(hFrame, WM_COMMAND, ID_OBJ_BUTTON, 0);
    HWND hSheet = WaitFor([&] { return FindDialog(pszSheetCaption); });
    HWND hCaption = hSheet ? FindDescendant(hSheet, nullptr, IDC_BUT_CAPTION) : nullptr;
    if (hCaption == nullptr)
        return nullptr;
    SendMessageA(hCaption, WM_SETTEXT, 0, (LPARAM) "Start");
    Click(hSheet, IDOK);
    HWND hView = GetWindow(hChild, GW_CHILD);
    return WaitFor([&] { return FindDescendant(hView, nullptr, 5000); }) ? hView : nullptr;
}

// Opens the page, saves it with no edit and closes the editor.
bool SaveUneditedInEditor(const TempFolder& editorFolder, const CString& strPath)
{
    Process editor;
    HWND hFrame = nullptr;
    return OpenThroughRecentList(editor, editorFolder, strPath, hFrame) != nullptr && SaveAndClose(editor, hFrame);
}

} // namespace

TEST_F(EditorProgramTest, AButtonPlacedInTheEditorStandsAlikeInThePlayer)
{
    TempFolder folder;
    CString path = CopyProject(folder, "centred", "024000");
    CString text = ReadFileText(path);
    text.Replace("TITLE=\r\n", "TITLE=Leinwand\r\n");
    folder.Write("Velconf.ini", text);
    ASSERT_TRUE(CopyFileA(ProgramFolder() + "\\Tarnix.exe", folder.File("Tarnix.exe"), FALSE));

    std::vector<std::string> canvas;
    {
        Process editor;
        HWND hFrame = nullptr;
        HWND hChild = OpenThroughRecentList(editor, m_editor, path, hFrame);
        ASSERT_NE(nullptr, hChild);

        HWND hView = InsertButtonThroughSheet(hFrame, hChild, "Funktionsschalter (Button) Eigenschaften");
        ASSERT_NE(nullptr, hView);
        SetForegroundWindow(hFrame);
        RedrawWindow(hView, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(300);
        canvas = PageWindows(hView);
        SaveScreenshot(hView, "canvas.bmp");
        SaveScreenshot(hFrame, "TarnixEd.bmp", true);

        ASSERT_TRUE(SaveAndClose(editor, hFrame));
    }
    ASSERT_EQ(2u, canvas.size());
    EXPECT_NE(std::string::npos, canvas[1].find("\"Start\" 10,10,130,36"));

    Process player;
    ASSERT_TRUE(player.Start(folder.File("Tarnix.exe"), folder.Path()));
    HWND hMenu = WaitFor([] { return FindDialog("Leinwand"); });
    ASSERT_NE(nullptr, hMenu);
    Sleep(300);
    EXPECT_EQ(canvas, PageWindows(hMenu));
    SaveScreenshot(hMenu, "player.bmp");
    EXPECT_TRUE(player.CloseAndWait(hMenu));
}

TEST_F(EditorProgramTest, AnUneditedSaveInTheEditorKeepsEveryByte)
{
    TempFolder full, extras;
    WriteFullSample(full);
    CString extrasPage = CopyProject(extras, "extras", "024000");
    CopySample(extras, "extras", { "hintergrund.bmp", "knopf.bmp", "liesmich.txt", "sound\\klick.wav" });
    for (CString path : { full.File("Velconf.ini"), extrasPage })
    {
        SCOPED_TRACE((LPCSTR)path);
        std::string before = (LPCSTR)ReadFileText(path);
        EXPECT_TRUE(SaveUneditedInEditor(m_editor, path));
        EXPECT_EQ(before, std::string(ReadFileText(path)));
    }
}

// A page edited by hand with LF or mixed line ends and the player's head
// section: the editor's save leaves the player showing every window it showed.
TEST_F(EditorProgramTest, AHandEditedPageSavedByTheEditorStillPlaysItsButtons)
{
    TempFolder original;
    CString text = ReadFileText(CopyProject(original, "extras", "024000"));
    text.Replace("[WELCOME]\r\nENABLE=1", "[WELCOME]\r\nENABLE=0");
    CString lf = text, mixed = text;
    lf.Replace("\r\n", "\n");
    mixed.Replace("[BUTTON1]\r\nENABLE=1\r\n", "[BUTTON1]\rENABLE=1\r");
    mixed.Replace("\r\n[TEXTFELD1]", "\n[TEXTFELD1]");
    const struct { LPCSTR name; CString page; } pages[] = { { "CR LF", text }, { "LF", lf }, { "mixed", mixed } };
    std::vector<std::string> expected;
    for (const auto& [name, page] : pages)
    {
        TempFolder folder;
        SCOPED_TRACE(name);
        CopySample(folder, "extras", { "hintergrund.bmp", "knopf.bmp", "liesmich.txt", "sound\\klick.wav" });
        folder.Write("Velconf.ini", page);
        ASSERT_TRUE(CopyFileA(ProgramFolder() + "\\Tarnix.exe", folder.File("Tarnix.exe"), FALSE));
        if (expected.empty())
        {
            expected = MenuWindows(folder.Path(), "Extras");
            ASSERT_GT(expected.size(), 1u);
            continue;
        }
        EXPECT_TRUE(SaveUneditedInEditor(m_editor, folder.File("Velconf.ini")));
        EXPECT_EQ(expected, MenuWindows(folder.Path(), "Extras"));
    }
}

TEST_F(EditorProgramTest, TheEnglishEditorMakesAProjectWhoseButtonPlays)
{
    // The language library beside the editor and English in a fresh registry.
    ASSERT_TRUE(CopyFileA(ProgramFolder() + "\\tarnix_english.dll", m_editor.File("tarnix_english.dll"), FALSE));
    MarkQuickInfoSeen("English");

    TempFolder projects;
    CString project = projects.File("New");
    {
        Process editor;
        HWND hFrame = nullptr, hStart = nullptr;
        ASSERT_TRUE(StartAtStartCenter(editor, m_editor.File("TarnixEd.exe"), projects.Path(), hFrame, hStart));
        char title[100] = "";
        GetDlgItemTextA(hStart, IDC_START_TITLE, title, sizeof(title));
        EXPECT_STREQ("Welcome to the Tarnix Start Center", title);
        Sleep(300);
        SaveScreenshot(hStart, "english_start.bmp", true);
        HWND hChild = MakeProjectFromStartCenter(hFrame, hStart, "New Project", project);
        ASSERT_NE(nullptr, hChild);

        ASSERT_NE(nullptr, InsertButtonThroughSheet(hFrame, hChild, "Button Properties"));
        SetForegroundWindow(hFrame);
        RedrawWindow(hFrame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        Sleep(300);
        SaveScreenshot(hFrame, "english.bmp", true);
        ASSERT_TRUE(SaveAndClose(editor, hFrame));
    }
    std::vector<std::string> windows = MenuWindows(project, "Tarnix");
    const std::string all = std::accumulate(windows.begin(), windows.end(), std::string());
    EXPECT_NE(std::string::npos, all.find("\"Start\"")) << all;
}
