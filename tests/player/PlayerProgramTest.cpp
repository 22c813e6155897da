// Runs the real Tarnix.exe, placed in a folder of the test's own so that its
// program folder is known.
#include "framework/String.h"
#include "shared/menuobj/LineStore.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MObjScriptListBox.h"
#include "shared/menuobj/MenuObjects.h"
#include "shared/menuobj/ProjectPage.h"
#include "shared/menuobj/ProjectWriter.h"

#include "PlayerTestFiles.h"
#include "helpers/TestSupport.h"
#include "shared/menuobj/AviTestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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
    void TearDown() override
    {
        if (m_pi.hProcess != nullptr)
            Finish(0);
    }

    // Starts the player with the arguments from a folder of its own.
    bool Start(const CString& arguments)
    {
        CString commandLine = "\"" + m_app.File("Tarnix.exe") + "\" " + arguments;
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        return CreateProcessA(nullptr, commandLine.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, m_start.Path(),
                              &si, &m_pi) != FALSE;
    }

    // Waits while the player runs for its menu of the title to show and
    // answer; `found`, asked of the menu window whenever it exists, may ask
    // for more. Null when the player ends or never shows it.
    HWND WaitForMenu(LPCSTR lpszTitle, const std::function<bool(HWND)>& found = nullptr)
    {
        for (int nWait = 0; nWait < 200 && WaitForSingleObject(m_pi.hProcess, 50) == WAIT_TIMEOUT; ++nWait)
        {
            HWND hMenu = FindWindowA("#32770", lpszTitle);
            DWORD_PTR nResult = 0;
            if (hMenu != nullptr && (!found || found(hMenu)) && IsWindowVisible(hMenu) &&
                SendMessageTimeoutA(hMenu, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &nResult))
                return hMenu;
        }
        return nullptr;
    }

    // Waits for the player to end; one that does not is ended. Its exit code,
    // -1 when it had to be ended.
    DWORD Finish(int nWaits)
    {
        DWORD exitCode = (DWORD)-1;
        for (int nWait = 0; nWait < nWaits && WaitForSingleObject(m_pi.hProcess, 100) == WAIT_TIMEOUT; ++nWait)
        {
        }
        if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_OBJECT_0)
            GetExitCodeProcess(m_pi.hProcess, &exitCode);
        else
            TerminateProcess(m_pi.hProcess, 1);
        CloseHandle(m_pi.hThread);
        CloseHandle(m_pi.hProcess);
        m_pi = {};
        return exitCode;
    }

    TempFolder m_app;
    TempFolder m_start;
    PROCESS_INFORMATION m_pi = {};
};

// Whether the process shows a top-level window other than the menu (the
// "Loading..." window aside, which comes and goes before the menu).
bool HasOtherVisibleWindow(DWORD nProcessId, HWND hMenu)
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
            s.bFound = s.bFound || (nOwner == s.nProcessId && hWnd != s.hMenu && IsWindowVisible(hWnd));
            return TRUE;
        },
        (LPARAM)&search);
    return search.bFound;
}

// Each run takes seconds under the test display, so one run stands for the
// others, whose choice of project is covered without the program.
TEST_F(PlayerProgramTest, StartsOnTheProjectThatAutorunNamesAndEndsCleanly)
{
    m_app.Write("autorun.inf", "[autorun]\r\nopen=Tarnix.exe\r\nicon=Tarnix.ico\r\nparameter=Menu.ini\r\n");
    CopyFileA(testing_support::TestDataPath("player\\sample\\liesmich.txt"), m_app.File("liesmich.txt"), FALSE);
    ASSERT_TRUE(CopyFileA(testing_support::TestDataPath("player\\sample\\Velconf.ini"), m_app.File("Menu.ini"), FALSE));
    ASSERT_TRUE(Start(""));
    // It shows the sample's menu, never the main frame beside it, and ends
    // cleanly when the menu is closed. The frame's placement is checked in process.
    bool bOtherShown = false;
    HWND hMenu = WaitForMenu("Tarnix Beispiel", [&](HWND hFound) {
        bOtherShown = bOtherShown || HasOtherVisibleWindow(m_pi.dwProcessId, hFound);
        return true;
    });
    EXPECT_NE(nullptr, hMenu);
    PostMessageA(hMenu, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, Finish(100));
    EXPECT_FALSE(bOtherShown);
}

// A child window as another process sees it: class, control id and place in
// its parent's client area.
struct ChildWindow
{
    std::string strClass;
    int nID;
    CRect rect;
};

std::vector<ChildWindow> ListChildren(HWND hParent)
{
    std::vector<ChildWindow> children;
    EnumChildWindows(
        hParent,
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto& list = *reinterpret_cast<std::vector<ChildWindow>*>(lParam);
            char szClass[128] = "";
            GetClassNameA(hWnd, szClass, sizeof(szClass));
            // The framework's own classes carry their cursor's handle in the
            // name, which differs between processes: the kind is what counts.
            std::string strClass = szClass;
            if (strClass.compare(0, 7, "Tarnix:") == 0)
                strClass = "Tarnix";
            CRect rect;
            GetWindowRect(hWnd, &rect);
            MapWindowPoints(nullptr, GetParent(hWnd), reinterpret_cast<POINT*>(&rect), 2);
            list.push_back({ strClass, GetDlgCtrlID(hWnd), rect });
            return TRUE;
        },
        (LPARAM)&children);
    return children;
}

const ChildWindow* FindChild(const std::vector<ChildWindow>& children, int nID)
{
    for (const ChildWindow& child : children)
        if (child.nID == nID)
            return &child;
    return nullptr;
}

// A left click with real input at the screen point.
void ClickAt(POINT pt)
{
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    const DWORD flags[3] = { 0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP };
    for (int i = 0; i < 3; ++i)
    {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dx = (pt.x * 65535 + (cx - 1) / 2) / (cx - 1);
        inputs[i].mi.dy = (pt.y * 65535 + (cy - 1) / 2) / (cy - 1);
        inputs[i].mi.dwFlags = flags[i] | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    SendInput(3, inputs, sizeof(INPUT));
}

std::string Describe(const std::vector<ChildWindow>& children)
{
    std::string text;
    for (const ChildWindow& child : children)
        text += child.strClass + " " + std::to_string(child.nID) + " (" + std::to_string(child.rect.left) + ", " +
                std::to_string(child.rect.top) + ", " + std::to_string(child.rect.right) + ", " +
                std::to_string(child.rect.bottom) + ")\n";
    return text;
}

// A page made as the editor makes one: the objects stand on a canvas of the
// editor's kind (design mode) and the editor's writer writes the project. The
// player, run on it, must hold each object where the canvas had it, and the
// list box's start button must start the chosen entry.
TEST_F(PlayerProgramTest, PlaysThePictureClipSliderAndListBoxTheEditorPlaced)
{
    static constexpr LPCSTR kTitle = "Tarnix Objekte";
    const CString folder = m_app.Path();
    player_test::WriteBmp(m_app, "bild.bmp", 40, 30, RGB(200, 0, 0));
    menuobj_testing::AviBytes clip{ menuobj_testing::AviClip() };
    m_app.Write("film.avi", clip.Bytes().data(), clip.Bytes().size());
    ASSERT_TRUE(CopyFileA(testing_support::ProgramFolder() + "\\EchoArgs.exe", m_app.File("EchoArgs.exe"), FALSE));
    ASSERT_TRUE(CreateDirectoryA(m_app.File("docs"), nullptr));
    m_app.Write("docs\\eintrag.txt", "Eintrag");
    // The list file as the list-box wizard writes it.
    CMObjScriptListBox script;
    ASSERT_TRUE(script.CreateScriptFile(folder, m_app.File("docs"), "*.txt", "", m_app.File("EchoArgs.exe"), "%1",
                                        "Start"));

    CProjectPage page;
    const CString project = m_app.File("Velconf.ini");
    page.LoadProject(project);
    PageWindow window = page.GetWindow();
    window.strTitle = kTitle;
    window.nW = 500;
    window.nH = 400;
    page.SetWindow(window);
    auto object = [](int nType, const CString& file, RECT rc, CMObjCreateStruct* pObject) {
        pObject->m_nType = nType;
        pObject->m_strText = file;
        pObject->m_rect = rc;
        return pObject;
    };
    CMObjCreateStruct* pPicture = object(MOBJ_PICTURE, m_app.File("bild.bmp"), { 10, 10, 50, 40 }, new CMObjCreateStruct);
    CMObjCreateStruct* pClip = object(MOBJ_AVICLIP, m_app.File("film.avi"), { 300, 10, 332, 34 }, new CMObjCreateStruct);
    CMObjCreateStruct* pSlider = object(MOBJ_SLIDER, "", { 10, 300, 160, 320 }, new CMObjCreateStruct);
    auto* pList = static_cast<CMButCreateStruct*>(
        object(MOBJ_LISTBOX, script.GetScriptFileName(), { 100, 60, 280, 200 }, new CMButCreateStruct));
    auto* pStart = new CMButCreateStruct;
    pStart->m_strStyle = "WINDOWS";
    pStart->m_rect = { 100, 220, 220, 250 };
    pStart->m_strText = "Start";
    pStart->m_strDocument = ProjectFormat::kListBoxDocument;
    ASSERT_TRUE(page.AddImage(pPicture));
    ASSERT_TRUE(page.AddAviClip(pClip));
    ASSERT_TRUE(page.AddSlider(pSlider));
    ASSERT_TRUE(page.AddListBox(pList));
    ASSERT_TRUE(page.AddButton(pStart));

    // The canvas, as the editor's view builds it.
    CWnd canvasWnd;
    ASSERT_TRUE(canvasWnd.CreateEx(0, nullptr, "Canvas", WS_POPUP, 0, 0, 500, 400, nullptr, nullptr));
    std::vector<ChildWindow> canvas;
    {
        CMenuObjects objects;
        objects.Init(&canvasWnd, MENUOBJ_FIRST_ID, MENUOBJ_MAX_COUNT, TRUE);
        objects.AddPageObjects(page.GetObjectLists(), page.GetButtonStyle().font);
        canvas = ListChildren(canvasWnd.m_hWnd);
        CLineStore lines;
        CProjectWriter(page, lines, project).WriteProject();
        ASSERT_TRUE(lines.SaveFile(project));
    }
    canvasWnd.DestroyWindow();
    ASSERT_EQ(5u, canvas.size()) << Describe(canvas);

    ASSERT_TRUE(Start("\"" + project + "\""));
    HWND hMenu = WaitForMenu(kTitle, [&](HWND hFound) { return ListChildren(hFound).size() > canvas.size(); });
    ASSERT_NE(nullptr, hMenu) << "the menu with its objects";
    const std::vector<ChildWindow> played = ListChildren(hMenu);
    // Each object of the canvas is a window of the same class with the same
    // id in the same place.
    for (const ChildWindow& shown : canvas)
    {
        SCOPED_TRACE(shown.strClass + " " + std::to_string(shown.nID));
        const ChildWindow* pPlayed = FindChild(played, shown.nID);
        ASSERT_NE(nullptr, pPlayed) << "player:\n" << Describe(played);
        EXPECT_EQ(shown.strClass, pPlayed->strClass);
        EXPECT_EQ(shown.rect, pPlayed->rect);
    }

    // The entry chosen, the start button clicked with the mouse: the stand-in
    // program records how it was started.
    const ChildWindow* pListWnd = FindChild(played, MENUOBJ_LISTBOX_ID);
    ASSERT_NE(nullptr, pListWnd);
    HWND hList = GetDlgItem(hMenu, MENUOBJ_LISTBOX_ID);
    ASSERT_EQ(1, (int)SendMessageA(hList, LB_GETCOUNT, 0, 0));
    SendMessageA(hList, LB_SETCURSEL, 0, 0);
    SetForegroundWindow(hMenu);
    POINT pt = { (pStart->m_rect.left + pStart->m_rect.right) / 2, (pStart->m_rect.top + pStart->m_rect.bottom) / 2 };
    ClientToScreen(hMenu, &pt);
    ClickAt(pt);
    const CString marker = m_app.File("EchoArgs.out");
    for (int nWait = 0; nWait < 100 && GetFileAttributesA(marker) == INVALID_FILE_ATTRIBUTES; ++nWait)
        Sleep(100);
    const CString started = testing_support::ReadFileText(marker);
    CString lower = started;
    lower.MakeLower();
    EXPECT_NE(-1, lower.Find("docs\\eintrag.txt")) << (LPCSTR)started;

    PostMessageA(hMenu, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, Finish(100));
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

    ASSERT_TRUE(Start(""));
    HWND hMenu = WaitForMenu("Gif Seite");
    ASSERT_NE(nullptr, hMenu);
    // A real click on the picture plays the click sound and opens the next page.
    POINT pt = { 40, 25 };
    ClientToScreen(hMenu, &pt);
    ClickAt(pt);
    HWND hNext = WaitForMenu("Seite 2");
    ASSERT_NE(nullptr, hNext);
    PostMessageA(hNext, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, Finish(100));
}

// The process's visible box that reports a sound error, or null.
HWND FindSoundErrorBox(DWORD nProcessId)
{
    struct Search
    {
        DWORD nProcessId;
        HWND hFound;
    } search = { nProcessId, nullptr };
    EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            Search& s = *reinterpret_cast<Search*>(lParam);
            DWORD nOwner = 0;
            GetWindowThreadProcessId(hWnd, &nOwner);
            if (nOwner != s.nProcessId || !IsWindowVisible(hWnd))
                return TRUE;
            for (HWND hChild = FindWindowExA(hWnd, nullptr, "Static", nullptr); hChild != nullptr;
                 hChild = FindWindowExA(hWnd, hChild, "Static", nullptr))
            {
                char szText[32] = "";
                GetWindowTextA(hChild, szText, sizeof(szText));
                if (strncmp(szText, "M C I", 5) == 0)
                    s.hFound = hWnd;
            }
            return s.hFound == nullptr;
        },
        (LPARAM)&search);
    return search.hFound;
}

// Whether hAbove comes before hBelow in the order of the top-level windows,
// top first.
bool IsAbove(HWND hAbove, HWND hBelow)
{
    for (HWND hWnd = GetTopWindow(nullptr); hWnd != nullptr; hWnd = GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (hWnd == hAbove)
            return true;
        if (hWnd == hBelow)
            return false;
    }
    return false;
}

// A page whose sound file is missing, with errors shown: the box telling so
// is what the author sees, above the menu window, and the menu waits for it,
// whether the menu shows at once or after the welcome window (the sound
// starts behind it).
TEST_F(PlayerProgramTest, TheErrorBoxOfAMissingPageSoundIsAboveTheMenu)
{
    static constexpr LPCSTR kTitle = "Klang fehlt";
    const struct
    {
        LPCSTR name;
        std::vector<CString> lines;
    } cases[] = {
        { "shown at once", {} },
        { "after the welcome window", { "[WELCOME]", "ENABLE=1", "TIME=1", "TEXT1=Hallo" } },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        // The menu is centred on the screen, as the box is.
        std::vector<CString> lines = { "[Tarnix]", "VERSION=Tarnix Editor 2.40 CD-Menu", "[WINDOWSIZE]",
                                       "SIZETYPE=1", "W=400", "H=300", "[WINDOW]", "BORDER=1", "ERROR=1",
                                       "TITLE=Klang fehlt", "[SOUND]", "ENABLE=1", "FILE=_CURRENTDIR_\\fehlt.wav" };
        lines.insert(lines.end(), c.lines.begin(), c.lines.end());
        CString text;
        for (const CString& line : lines)
            text += line + "\r\n";
        m_app.Write("Velconf.ini", text);
        ASSERT_TRUE(Start(""));
        HWND hMenu = nullptr, hBox = nullptr;
        for (int nWait = 0; nWait < 400 && WaitForSingleObject(m_pi.hProcess, 50) == WAIT_TIMEOUT; ++nWait)
        {
            hMenu = FindWindowA("#32770", kTitle);
            hBox = FindSoundErrorBox(m_pi.dwProcessId);
            if (hBox != nullptr && hMenu != nullptr && IsWindowVisible(hMenu))
                break;
        }
        ASSERT_NE(nullptr, hBox) << "the error box";
        ASSERT_NE(nullptr, hMenu);
        ASSERT_TRUE(IsWindowVisible(hMenu));
        DWORD_PTR nResult = 0;
        ASSERT_TRUE(SendMessageTimeoutA(hBox, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &nResult));
        // The box comes to the front as it is shown: waited for, since the
        // platform raises it a moment after it is visible.
        auto seenAtItsCentre = [hBox]() {
            CRect box;
            GetWindowRect(hBox, &box);
            return GetAncestor(WindowFromPoint(box.CenterPoint()), GA_ROOT) == hBox;
        };
        for (int nWait = 0;
             nWait < 100 && !(GetForegroundWindow() == hBox && IsAbove(hBox, hMenu) && seenAtItsCentre()); ++nWait)
            Sleep(50);
        EXPECT_EQ(hBox, GetForegroundWindow());
        EXPECT_EQ(hMenu, GetWindow(hBox, GW_OWNER));
        EXPECT_TRUE(IsAbove(hBox, hMenu));
        EXPECT_TRUE(seenAtItsCentre());
        EXPECT_FALSE(IsWindowEnabled(hMenu)) << "the menu waits for the box";

        PostMessageA(hBox, WM_COMMAND, IDOK, 0);
        PostMessageA(hMenu, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, Finish(100));
    }
}

} // namespace
