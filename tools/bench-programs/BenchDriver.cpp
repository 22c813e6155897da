// Times the player and the editor against the floor programs and prints the
// median ratios. Every run is watched from outside: a program is "visible and
// idle" when its window is shown, it answers a sent message (so it is back in
// its message loop) and none of its windows waits for a paint. Runs of a
// program and of its floor alternate, round by round, in one Wine prefix.
//
// Usage: BenchDriver.exe <bench folder> <editor exe> [rounds]
// The bench folder holds the floor programs and medium\Tarnix.exe, and may
// hold an earlier player as baseline\Tarnix.exe and an earlier editor as
// baseline\TarnixEd.exe, which are then timed too; the driver writes the
// project into those folders and edit\, ini\ and side\ itself.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

const int kPages = 30, kButtons = 10, kTexts = 10, kPageChanges = 3;
const UINT kMruFirst = 0xE110, kFileSave = 0xE103;
const DWORD kTimeoutMs = 15000;

std::string g_folder, g_editorExe;
LARGE_INTEGER g_freq;

[[noreturn]] void Fail(const std::string& what)
{
    fprintf(stderr, "bench: %s\n", what.c_str());
    fflush(stderr);
    ExitProcess(2);
}

// Lists the visible windows of a process and their texts, which tells what
// a program that does not go on is showing (a message box, say).
void DescribeWindows(DWORD pid)
{
    EnumWindows(
        [](HWND h, LPARAM lParam) -> BOOL {
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (pid != (DWORD)lParam || !IsWindowVisible(h))
                return TRUE;
            char cls[64] = "", text[256] = "";
            GetClassNameA(h, cls, sizeof(cls));
            GetWindowTextA(h, text, sizeof(text));
            fprintf(stderr, "bench:   window %s \"%s\"\n", cls, text);
            EnumChildWindows(
                h,
                [](HWND c, LPARAM) -> BOOL {
                    char text[256] = "";
                    GetWindowTextA(c, text, sizeof(text));
                    if (text[0] != '\0')
                        fprintf(stderr, "bench:     \"%s\"\n", text);
                    return TRUE;
                },
                0);
            return TRUE;
        },
        (LPARAM)pid);
}

double Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) * 1000.0 / double(g_freq.QuadPart);
}

// ---------------------------------------------------------------------------
// The generated project: page 1 is Velconf.ini, pages 2 to 30 pageNN.ini;
// each page's first button opens the next page, the last page's the first.

std::string PageName(int k)
{
    char name[32];
    if (k == 1)
        snprintf(name, sizeof(name), "Velconf.ini");
    else
        snprintf(name, sizeof(name), "page%02d.ini", k);
    return name;
}

std::string PageText(int k)
{
    std::string s;
    auto line = [&s](const char* fmt, auto... args) {
        char buf[256];
        snprintf(buf, sizeof(buf), fmt, args...);
        s += buf;
        s += "\r\n";
    };
    auto font = [&line](const char* prefix, int size, int weight, int r, int g, int b) {
        line("%s_FONT_NAME=Arial", prefix);
        line("%s_FONT_SIZE=%d", prefix, size);
        line("%s_FONT_STYLE=%d", prefix, weight);
        line("%s_FONT_ITALIC=0", prefix);
        line("%s_FONT_UNDERLINE=0", prefix);
        line("%s_FONT_EFFECT=NONE", prefix);
        line("%s_FONT_RED=%d", prefix, r);
        line("%s_FONT_GREEN=%d", prefix, g);
        line("%s_FONT_BLUE=%d", prefix, b);
    };
    line("[Tarnix]");
    line("INTERNET=http://www.tarnix.example");
    line("EMAIL=info@tarnix.example");
    line("VERSION=Tarnix Editor 2.40 CD-Menu");
    line("FILEVERSION=024000");
    line("LANGUAGE=G");
    line(" ");
    line("[MENUTYPE]");
    line("TYPE=%s", k == 1 ? "MAINMENU" : "SUBMENU");
    if (k != 1)
        line("MAIN=Velconf.ini");
    line("LEVEL=%d", k == 1 ? 0 : 1);
    line(" ");
    line("[WINDOWPOS]");
    line("X=100");
    line("Y=80");
    line(" ");
    line("[WINDOWSIZE]");
    line("SIZETYPE=1");
    line("W=600");
    line("H=400");
    line(" ");
    line("[WINDOWBGCOLOR]");
    line("RED=0");
    line("GREEN=64");
    line("BLUE=128");
    line(" ");
    line("[WINDOW]");
    line("BORDER=1");
    line("CORNERWIDTH=20");
    line("CORNERHEIGHT=20");
    line("TITLE=Page %d", k);
    line("ESCEXIT=1");
    line("ERROR=1");
    line("IMAGE=0");
    line(" ");
    line("[DESKTOP]");
    line("PAINT=0");
    line("RED=0");
    line("GREEN=0");
    line("BLUE=0");
    line(" ");
    line("[SOUND]");
    line("ENABLE=0");
    line("FILE=");
    line("REPEAT=0");
    line("KEYCLICK=0");
    line("KEYOVER=0");
    line(" ");
    line("[BUTTONS]");
    line("BRIGHTNESS=20");
    line("HOOVER=1");
    font("BUTTON", 14, 700, 255, 255, 255);
    line(" ");
    for (int i = 1; i <= kButtons; ++i)
    {
        line("[BUTTON%d]", i);
        line("ENABLE=1");
        line("X=20");
        line("Y=%d", 20 + 36 * (i - 1));
        line("W=160");
        line("H=28");
        line("TEXT=Page %d button %d", k, i);
        line("STYLE=WINDOWS");
        line("DOKUMENT=%s", i == 1 ? ("_CURRENTDIR_\\" + PageName(k % kPages + 1)).c_str() : "");
        line("APPLIKATION=");
        line("PARAMETER=");
        line("FUNKTION=%s", i == 1 ? "NEWPAGE" : "NONE");
        line("TOOLTIP=Button %d", i);
        line("STOPSOUND=0");
        line("STARTSOUND=0");
        line(" ");
    }
    for (int i = 1; i <= kTexts; ++i)
    {
        line("[TEXT%d]", i);
        line("X=220");
        line("Y=%d", 20 + 36 * (i - 1));
        line("TEXT=Text %d on page %d", i, k);
        font("TEXT", 14, 400, 255, 255, 255);
        line(" ");
    }
    // The editor ends every page it writes with this section; a page of its
    // head without it counts as cut short.
    line("[TOOLTIP]");
    line("ENABLE=0");
    line(" ");
    return s;
}

void WriteProject(const std::string& folder)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int k = 1; k <= kPages; ++k)
    {
        std::string text = PageText(k), path = folder + "\\" + PageName(k);
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            Fail("cannot write " + path);
        DWORD nWritten = 0;
        WriteFile(h, text.data(), (DWORD)text.size(), &nWritten, nullptr);
        CloseHandle(h);
    }
}

// ---------------------------------------------------------------------------
// Watching a program from outside

struct Program
{
    PROCESS_INFORMATION pi = {};
    std::string name;

    void Start(const std::string& exe, const std::string& args, const std::string& folder)
    {
        name = exe;
        std::string cmd = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        std::vector<char> line(cmd.begin(), cmd.end());
        line.push_back('\0');
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.empty() ? nullptr : folder.c_str(), &si, &pi))
            Fail("cannot start " + exe);
    }

    // Closes the window and waits for the end; a program that does not end
    // in time is ended.
    void Stop(HWND hWnd)
    {
        if (hWnd != nullptr)
            PostMessageA(hWnd, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        {
            fprintf(stderr, "bench: %s did not end when closed\n", name.c_str());
            TerminateProcess(pi.hProcess, 1);
            WaitForSingleObject(pi.hProcess, 5000);
        }
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        pi = {};
    }
};

// The first visible top-level window of the process that matches.
HWND FindWindowOf(DWORD pid, const std::function<bool(HWND)>& match)
{
    struct Search
    {
        DWORD pid;
        const std::function<bool(HWND)>* match;
        HWND found;
    } search = {pid, &match, nullptr};
    EnumWindows(
        [](HWND h, LPARAM lParam) -> BOOL {
            Search* s = (Search*)lParam;
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (pid != s->pid || !IsWindowVisible(h) || !(*s->match)(h))
                return TRUE;
            s->found = h;
            return FALSE;
        },
        (LPARAM)&search);
    return search.found;
}

std::function<bool(HWND)> Titled(const std::string& title)
{
    return [title](HWND h) {
        char text[256] = "";
        GetWindowTextA(h, text, sizeof(text));
        return title == text;
    };
}

std::function<bool(HWND)> OfClass(const std::string& cls)
{
    return [cls](HWND h) {
        char name[256] = "";
        GetClassNameA(h, name, sizeof(name));
        return cls == name;
    };
}

BOOL CALLBACK HasPendingPaint(HWND h, LPARAM lParam)
{
    if (IsWindowVisible(h) && GetUpdateRect(h, nullptr, FALSE))
    {
        *(bool*)lParam = true;
        return FALSE;
    }
    return TRUE;
}

// Back in its message loop with nothing left to paint in any of its windows.
bool IsIdle(HWND hWnd, DWORD pid)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &result))
        return false;
    struct Check
    {
        DWORD pid;
        bool pending;
    } check = {pid, false};
    EnumWindows(
        [](HWND h, LPARAM lParam) -> BOOL {
            Check* c = (Check*)lParam;
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (pid != c->pid || !IsWindowVisible(h))
                return TRUE;
            HasPendingPaint(h, (LPARAM)&c->pending);
            if (!c->pending)
                EnumChildWindows(h, HasPendingPaint, (LPARAM)&c->pending);
            return c->pending ? FALSE : TRUE;
        },
        (LPARAM)&check);
    return !check.pending;
}

// Waits until the process shows a matching window and is idle; the window.
HWND WaitVisibleIdle(const Program& program, const std::function<bool(HWND)>& match, const char* what)
{
    double start = Now();
    for (;;)
    {
        HWND h = FindWindowOf(program.pi.dwProcessId, match);
        if (h != nullptr && IsIdle(h, program.pi.dwProcessId))
            return h;
        if (WaitForSingleObject(program.pi.hProcess, 0) == WAIT_OBJECT_0)
            Fail(program.name + " ended before " + what);
        if (Now() - start > kTimeoutMs)
        {
            DescribeWindows(program.pi.dwProcessId);
            Fail(program.name + " did not show " + what + " in time");
        }
        Sleep(1);
    }
}

// A real click on the first button of page k-1, which opens page k. Two
// clicks in a row land apart: a second click on the same spot within the
// double-click time counts as a double click, which the player ignores.
void ClickForPage(HWND hWnd, int k)
{
    POINT pt = {30 + 40 * (k % 4), 30};
    ClientToScreen(hWnd, &pt);
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

// Sends a command and waits until its effects are painted.
double TimeCommand(const Program& program, HWND hWnd, UINT nCommand)
{
    double start = Now();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hWnd, WM_COMMAND, nCommand, 0, SMTO_NORMAL, kTimeoutMs, &result))
    {
        DescribeWindows(program.pi.dwProcessId);
        Fail(program.name + " did not finish command " + std::to_string(nCommand) + " (a message box?)");
    }
    while (!IsIdle(hWnd, program.pi.dwProcessId))
        Sleep(1);
    return Now() - start;
}

// ---------------------------------------------------------------------------
// The measurements

struct Samples
{
    std::vector<double> program, floor;
};
Samples g_start, g_page, g_baseStart, g_basePage;
bool g_bBaseline, g_bBaselineEditor;

// An editor's times, each against the older, barer floor and the fuller one
// that shows what the editor shows (bars and the Start Center's dialog; the
// side bar).
struct EditorSamples
{
    Samples start, open, save, startBars, openSideBar;
};
EditorSamples g_editor, g_baseEditor;

std::string In(const char* name)
{
    return g_folder + "\\" + name;
}

// The player from its start to its first page, then page changes by clicks
// on each page's first button.
void RunPlayer(bool bKeep, const std::string& folder, Samples& startSamples, Samples& pageSamples)
{
    Program player;
    double start = Now();
    player.Start(In((folder + "\\Tarnix.exe").c_str()), "", In(folder.c_str()));
    HWND hMenu = WaitVisibleIdle(player, Titled("Page 1"), "its first page");
    double t = Now() - start;
    std::vector<double> changes;
    for (int k = 2; k < 2 + kPageChanges; ++k)
    {
        start = Now();
        ClickForPage(hMenu, k);
        hMenu = WaitVisibleIdle(player, Titled("Page " + std::to_string(k)), "the next page");
        changes.push_back(Now() - start);
    }
    player.Stop(hMenu);
    if (!bKeep)
        return;
    startSamples.program.push_back(t);
    pageSamples.program.insert(pageSamples.program.end(), changes.begin(), changes.end());
}

void RunPlayers(bool bKeep)
{
    RunPlayer(bKeep, "medium", g_start, g_page);
    if (g_bBaseline)
        RunPlayer(bKeep, "baseline", g_baseStart, g_basePage);
}

// A floor program from its start until its window is visible and idle.
double TimeFloorStart(const char* exe, const std::function<bool(HWND)>& match)
{
    Program floor;
    double start = Now();
    floor.Start(In(exe), "", "");
    HWND h = WaitVisibleIdle(floor, match, "its window");
    double t = Now() - start;
    floor.Stop(h);
    return t;
}

void RunBareWindow(bool bKeep)
{
    double t = TimeFloorStart("BareWindow.exe", Titled("Page 1"));
    if (!bKeep)
        return;
    g_start.floor.push_back(t);
    g_baseStart.floor.push_back(t);
}

void RunPageWindows(bool bKeep)
{
    Program floor;
    floor.Start(In("PageWindows.exe"), "", "");
    HWND h = WaitVisibleIdle(floor, Titled("Page 1"), "its window");
    for (int k = 2; k < 2 + kPageChanges; ++k)
    {
        double start = Now();
        ClickForPage(h, k);
        h = WaitVisibleIdle(floor, Titled("Page " + std::to_string(k)), "the next page");
        if (bKeep)
        {
            g_page.floor.push_back(Now() - start);
            g_basePage.floor.push_back(g_page.floor.back());
        }
    }
    floor.Stop(h);
}

// The editor opens the project as its most recent file, in German, without
// asking for the language first.
void PrepareEditorSettings()
{
    const char* kKey = "Software\\Morvadeth\\Tarnix 2";
    HKEY hKey;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kKey) + "\\Recent File List").c_str(), 0, nullptr, 0,
                        KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        Fail("cannot write the editor's recent file list");
    std::string path = In("edit\\Velconf.ini");
    RegSetValueExA(hKey, "File1", 0, REG_SZ, (const BYTE*)path.c_str(), (DWORD)path.size() + 1);
    RegCloseKey(hKey);
    if (RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kKey) + "\\SETTINGS").c_str(), 0, nullptr, 0, KEY_WRITE,
                        nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        Fail("cannot write the editor's settings");
    RegSetValueExA(hKey, "LANGUAGE", 0, REG_SZ, (const BYTE*)"German", 7);
    RegCloseKey(hKey);
}

HWND MdiChild(HWND hFrame)
{
    HWND hClient = FindWindowExA(hFrame, nullptr, "MDICLIENT", nullptr);
    return hClient != nullptr ? GetWindow(hClient, GW_CHILD) : nullptr;
}

void RunEditor(bool bKeep, const std::string& exe, EditorSamples& samples)
{
    PrepareEditorSettings();
    Program editor;
    double start = Now();
    editor.Start(exe, "", In("edit"));
    // The Start Center is the dialog over the editor's frame.
    HWND hCenter = WaitVisibleIdle(
        editor, [](HWND h) { return OfClass("#32770")(h) && GetWindow(h, GW_OWNER) != nullptr; }, "the Start Center");
    double tStart = Now() - start;
    HWND hFrame = GetWindow(hCenter, GW_OWNER);
    if (hFrame == nullptr)
        Fail("the Start Center has no owner");
    // Back to the editor: the Start Center closes without a choice.
    PostMessageA(hCenter, WM_COMMAND, IDCANCEL, 0);
    while (IsWindow(hCenter) && IsWindowVisible(hCenter))
        Sleep(1);
    while (!IsIdle(hFrame, editor.pi.dwProcessId))
        Sleep(1);
    double tOpen = TimeCommand(editor, hFrame, kMruFirst);
    if (MdiChild(hFrame) == nullptr)
        Fail("the editor did not open the project");
    double tSave = TimeCommand(editor, hFrame, kFileSave);
    editor.Stop(hFrame);
    if (!bKeep)
        return;
    samples.start.program.push_back(tStart);
    samples.startBars.program.push_back(tStart);
    samples.open.program.push_back(tOpen);
    samples.openSideBar.program.push_back(tOpen);
    samples.save.program.push_back(tSave);
}

void RunEditors(bool bKeep)
{
    RunEditor(bKeep, g_editorExe, g_editor);
    if (g_bBaselineEditor)
        RunEditor(bKeep, In("baseline\\TarnixEd.exe"), g_baseEditor);
}

void RunBareMdi(bool bKeep)
{
    double t = TimeFloorStart("BareMdi.exe", OfClass("BenchBareMdi"));
    if (!bKeep)
        return;
    g_editor.start.floor.push_back(t);
    g_baseEditor.start.floor.push_back(t);
}

// The fuller start floor, from its start until its dialog over the frame is
// shown and idle; the dialog is closed before the frame.
void RunStartFloor(bool bKeep)
{
    Program floor;
    double start = Now();
    floor.Start(In("StartFloor.exe"), "", "");
    HWND hDialog = WaitVisibleIdle(
        floor, [](HWND h) { return OfClass("#32770")(h) && GetWindow(h, GW_OWNER) != nullptr; }, "its dialog");
    double t = Now() - start;
    HWND hFrame = GetWindow(hDialog, GW_OWNER);
    PostMessageA(hDialog, WM_COMMAND, IDCANCEL, 0);
    while (IsWindow(hDialog) && IsWindowVisible(hDialog))
        Sleep(1);
    floor.Stop(hFrame);
    if (!bKeep)
        return;
    g_editor.startBars.floor.push_back(t);
    g_baseEditor.startBars.floor.push_back(t);
}

// A floor of the open and save, from its command to read the project until
// its windows are drawn, and from its command to write the main page.
void TimeIniFloor(const char* exe, const char* cls, const char* folder, double& tRead, double& tWrite)
{
    Program floor;
    floor.Start(In(exe), "\"" + In(folder) + "\"", "");
    HWND h = WaitVisibleIdle(floor, OfClass(cls), "its window");
    tRead = TimeCommand(floor, h, 1);
    tWrite = TimeCommand(floor, h, 2);
    floor.Stop(h);
}

// A floor of the editor's open and, where given, of its save: its times
// count for the editor and the baseline editor alike.
void RunOpenFloor(bool bKeep, const char* exe, const char* cls, const char* folder, Samples EditorSamples::*open,
                  Samples EditorSamples::*save)
{
    double tRead = 0, tWrite = 0;
    TimeIniFloor(exe, cls, folder, tRead, tWrite);
    if (!bKeep)
        return;
    for (EditorSamples* pSamples : {&g_editor, &g_baseEditor})
    {
        (pSamples->*open).floor.push_back(tRead);
        if (save != nullptr)
            (pSamples->*save).floor.push_back(tWrite);
    }
}

void RunIniFloor(bool bKeep)
{
    RunOpenFloor(bKeep, "IniFloor.exe", "BenchIniFloor", "ini", &EditorSamples::open, &EditorSamples::save);
}

// The side bar's floor shows a folder that holds what the editor's does.
void RunSideBarFloor(bool bKeep)
{
    RunOpenFloor(bKeep, "SideBarFloor.exe", "BenchSideBarFloor", "side", &EditorSamples::openSideBar, nullptr);
}

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Best(const std::vector<double>& v)
{
    return v.empty() ? 0 : *std::min_element(v.begin(), v.end());
}

// The median of the rounds' ratios, and the ratio of the best runs, which a
// busy machine disturbs least.
void Report(const char* what, const Samples& s)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < s.program.size() && i < s.floor.size(); ++i)
        ratios.push_back(s.program[i] / s.floor[i]);
    printf("%-44s %5.2f %5.2f   %6.1f / %6.1f ms   %6.1f / %6.1f ms\n", what, Median(ratios),
           Best(s.program) / Best(s.floor), Median(s.program), Median(s.floor), Best(s.program), Best(s.floor));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        fprintf(stderr, "usage: BenchDriver <bench folder> <editor exe> [rounds]\n");
        return 2;
    }
    QueryPerformanceFrequency(&g_freq);
    g_folder = argv[1];
    g_editorExe = argv[2];
    int nRounds = argc > 3 ? std::max(1, atoi(argv[3])) : 9;
    g_bBaseline = GetFileAttributesA(In("baseline\\Tarnix.exe").c_str()) != INVALID_FILE_ATTRIBUTES;
    g_bBaselineEditor = GetFileAttributesA(In("baseline\\TarnixEd.exe").c_str()) != INVALID_FILE_ATTRIBUTES;
    for (const char* folder : {"medium", "edit", "ini", "side", "baseline"})
        if (strcmp(folder, "baseline") != 0 || g_bBaseline || g_bBaselineEditor)
            WriteProject(In(folder));

    // The first round warms Wine up and is not counted; after it the order
    // of program and floor alternates.
    for (int r = 0; r <= nRounds; ++r)
    {
        bool bKeep = r > 0;
        if (r % 2 == 0)
        {
            RunPlayers(bKeep);
            RunBareWindow(bKeep);
            RunPageWindows(bKeep);
            RunEditors(bKeep);
            RunBareMdi(bKeep);
            RunStartFloor(bKeep);
            RunIniFloor(bKeep);
            RunSideBarFloor(bKeep);
        }
        else
        {
            RunBareWindow(bKeep);
            RunPageWindows(bKeep);
            RunPlayers(bKeep);
            RunBareMdi(bKeep);
            RunStartFloor(bKeep);
            RunIniFloor(bKeep);
            RunSideBarFloor(bKeep);
            RunEditors(bKeep);
        }
        fprintf(stderr, ".");
    }
    fprintf(stderr, "\n");
    printf("Ratio to the floor program over %d interleaved rounds: the median of the rounds' ratios, the\n"
           "ratio of the best runs, then the median and the best times of program and floor.\n",
           nRounds);
    printf("%-44s %5s %5s   %-18s   %-18s\n", "", "med", "best", "median", "best");
    Report("player start to its idle first page", g_start);
    Report("player full-page change", g_page);
    Report("editor start to the Start Center", g_editor.start);
    Report("editor start, floor with bars and a dialog", g_editor.startBars);
    Report("editor open of a 30-page project", g_editor.open);
    Report("editor open, floor with the side bar", g_editor.openSideBar);
    Report("editor save of that project", g_editor.save);
    if (g_bBaseline)
    {
        Report("baseline player start", g_baseStart);
        Report("baseline player full-page change", g_basePage);
    }
    if (g_bBaselineEditor)
    {
        Report("baseline editor start", g_baseEditor.start);
        Report("baseline editor start, floor with bars", g_baseEditor.startBars);
        Report("baseline editor open", g_baseEditor.open);
        Report("baseline editor open, floor with side bar", g_baseEditor.openSideBar);
        Report("baseline editor save", g_baseEditor.save);
    }
    return 0;
}
