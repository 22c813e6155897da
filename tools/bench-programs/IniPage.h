// What the floors for the editor's open and save share: the project's pages
// read whole into sections, keys and values, the main page shown in a
// document window as plain child windows, and the main page written back.
#pragma once

#include "FloorWindow.h"

#include <string>
#include <vector>

static std::string g_folder, g_mainPage;

struct Entry
{
    std::string file, section, key, value;
};
static std::vector<Entry> g_entries;

inline bool ReadFileWhole(const std::string& path, std::string& bytes)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD nSize = GetFileSize(h, nullptr), nRead = 0;
    bytes.resize(nSize);
    BOOL ok = ReadFile(h, &bytes[0], nSize, &nRead, nullptr);
    CloseHandle(h);
    bytes.resize(nRead);
    return ok;
}

inline void Parse(const std::string& file, const std::string& bytes)
{
    std::string section;
    size_t pos = 0;
    while (pos < bytes.size())
    {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] == '[')
            section = line.substr(1, line.find(']') - 1);
        else if (size_t eq = line.find('='); eq != std::string::npos)
            g_entries.push_back({file, section, line.substr(0, eq), line.substr(eq + 1)});
    }
}

inline void ReadAll()
{
    g_entries.clear();
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA((g_folder + "\\*.ini").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do
    {
        std::string bytes;
        if (ReadFileWhole(g_folder + "\\" + fd.cFileName, bytes))
            Parse(fd.cFileName, bytes);
    } while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
}

static std::string g_mainBytes;

inline void WriteMainPage()
{
    HANDLE h = CreateFileA(g_mainPage.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    DWORD nWritten = 0;
    WriteFile(h, g_mainBytes.data(), (DWORD)g_mainBytes.size(), &nWritten, nullptr);
    CloseHandle(h);
}

static HWND g_hClient;

// The main page's buttons and texts as plain child windows of a document window.
inline void ShowMainPage(HWND hFrame)
{
    HINSTANCE hInstance = (HINSTANCE)GetWindowLongPtrA(hFrame, GWLP_HINSTANCE);
    MDICREATESTRUCTA mcs = {};
    mcs.szClass = "BenchIniPage";
    mcs.szTitle = "Velconf.ini";
    mcs.hOwner = hInstance;
    mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
    HWND hPage = (HWND)SendMessageA(g_hClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    HFONT hFont = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    struct Object
    {
        std::string section, text;
        int x = 0, y = 0, w = 300, h = 24;
    };
    std::vector<Object> objects;
    for (const Entry& e : g_entries)
    {
        if (e.file != "Velconf.ini" || (e.section.rfind("BUTTON", 0) != 0 && e.section.rfind("TEXT", 0) != 0) ||
            e.section == "BUTTONS")
            continue;
        if (objects.empty() || objects.back().section != e.section)
            objects.push_back({e.section, ""});
        Object& o = objects.back();
        if (e.key == "X")
            o.x = atoi(e.value.c_str());
        else if (e.key == "Y")
            o.y = atoi(e.value.c_str());
        else if (e.key == "W")
            o.w = atoi(e.value.c_str());
        else if (e.key == "H")
            o.h = atoi(e.value.c_str());
        else if (e.key == "TEXT")
            o.text = e.value;
    }
    for (const Object& o : objects)
    {
        bool bButton = o.section.rfind("BUTTON", 0) == 0;
        HWND h = CreateWindowA(bButton ? "BUTTON" : "STATIC", o.text.c_str(),
                               WS_CHILD | WS_VISIBLE | (bButton ? BS_PUSHBUTTON : 0), o.x, o.y, o.w, o.h, hPage,
                               nullptr, hInstance, nullptr);
        SendMessageA(h, WM_SETFONT, (WPARAM)hFont, FALSE);
    }
}

inline LRESULT CALLBACK IniPageProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return DefMDIChildProcA(hWnd, nMsg, wParam, lParam);
}

// The bench's commands to a floor's frame.
static const UINT ID_READ = 1, ID_WRITE = 2;

// What both floors' frames do alike: on the read command the folder is read
// and shown (what a floor shows beside the page before the page), answering
// with the count of keys read; on the write command the main page is written
// back.
inline LRESULT IniFrameProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam,
                            void (*pfnShowBeside)(HWND) = nullptr)
{
    switch (nMsg)
    {
    case WM_COMMAND:
        if (LOWORD(wParam) == ID_READ)
        {
            ReadAll();
            if (pfnShowBeside != nullptr)
                pfnShowBeside(hWnd);
            ShowMainPage(hWnd);
            return (LRESULT)g_entries.size();
        }
        if (LOWORD(wParam) == ID_WRITE)
        {
            WriteMainPage();
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefFrameProcA(hWnd, g_hClient, nMsg, wParam, lParam);
}

// The folder named on the command line, the main page's bytes and the
// document window's class.
inline void StartIniFloor(HINSTANCE hInstance, LPSTR lpCmdLine)
{
    g_folder = lpCmdLine;
    if (g_folder.size() >= 2 && g_folder.front() == '"' && g_folder.back() == '"')
        g_folder = g_folder.substr(1, g_folder.size() - 2);
    g_mainPage = g_folder + "\\Velconf.ini";
    ReadFileWhole(g_mainPage, g_mainBytes);
    RegisterFloorClass(hInstance, "BenchIniPage", IniPageProc, COLOR_WINDOW);
}
