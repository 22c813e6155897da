// Floor for the editor's open of a project with its side bar: what the
// page-only floor (IniFloor) does, and beside the document client a tree view
// of the way from the Desktop down to the project folder and a report list of
// the folder's files, both with the shell's system image list. The image
// lists and the icon of each kind (the Desktop, the computer, a drive, a
// folder closed and open, one file of each type) are taken at start, before
// the window shows, as the editor takes them while its Start Center waits;
// on command 1 the views are made, filled, laid out and drawn once.
#include "IniPage.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <map>

static const int kSideWidth = 300, kTreeHeight = 175;

static HWND g_hTree, g_hList;
static HIMAGELIST g_hSmallImages;
static std::string g_desktopName, g_computerName;
static int g_nDesktopIcon, g_nComputerIcon, g_nDriveIcon, g_nFolderIcon, g_nOpenFolderIcon;
// The icon of each file type in the project folder, by its lower-case extension.
static std::map<std::string, int> g_typeIcons;

static int IconOf(LPCSTR lpszPath, UINT uFlags, std::string* pDisplayName = nullptr)
{
    SHFILEINFOA sfi = {};
    SHGetFileInfoA(lpszPath, 0, &sfi, sizeof(sfi), uFlags | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    if (pDisplayName != nullptr)
    {
        SHGetFileInfoA(lpszPath, 0, &sfi, sizeof(sfi), uFlags | SHGFI_DISPLAYNAME);
        *pDisplayName = sfi.szDisplayName;
    }
    return sfi.iIcon;
}

static int SpecialFolderIcon(int nFolder, std::string& name)
{
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, nFolder, &pidl)))
        return 0;
    int nIcon = IconOf((LPCSTR)pidl, SHGFI_PIDL, &name);
    CoTaskMemFree(pidl);
    return nIcon;
}

static std::string TypeOf(const char* lpszName, bool bFolder)
{
    if (bFolder)
        return "\\";
    const char* pDot = strrchr(lpszName, '.');
    std::string type = pDot != nullptr ? pDot : "";
    for (char& c : type)
        c = (char)tolower((unsigned char)c);
    return type;
}

// The image lists and each kind's icon, as the editor's loader asks for them.
static void LoadIcons()
{
    SHFILEINFOA sfi = {};
    g_hSmallImages = (HIMAGELIST)SHGetFileInfoA("C:\\", 0, &sfi, sizeof(sfi), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    SHGetFileInfoA("C:\\", 0, &sfi, sizeof(sfi), SHGFI_SYSICONINDEX | SHGFI_LARGEICON);
    g_nFolderIcon = IconOf(g_folder.c_str(), 0);
    g_nOpenFolderIcon = IconOf(g_folder.c_str(), SHGFI_OPENICON);
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA((g_folder + "\\*").c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            std::string type = TypeOf(fd.cFileName, (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
            if (type != "\\" && g_typeIcons.find(type) == g_typeIcons.end())
                g_typeIcons[type] = IconOf((g_folder + "\\" + fd.cFileName).c_str(), 0);
        } while (FindNextFileA(hFind, &fd));
        FindClose(hFind);
    }
    g_nDesktopIcon = SpecialFolderIcon(CSIDL_DESKTOP, g_desktopName);
    g_nComputerIcon = SpecialFolderIcon(CSIDL_DRIVES, g_computerName);
    g_nDriveIcon = IconOf(g_folder.substr(0, 3).c_str(), 0);
}

static HTREEITEM InsertFolder(HTREEITEM hParent, const std::string& name, int nIcon, int nOpenIcon)
{
    TVINSERTSTRUCTA tvis = {};
    tvis.hParent = hParent;
    tvis.hInsertAfter = TVI_LAST;
    tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
    tvis.item.pszText = const_cast<char*>(name.c_str());
    tvis.item.iImage = nIcon;
    tvis.item.iSelectedImage = nOpenIcon;
    tvis.item.cChildren = 1;
    return (HTREEITEM)SendMessageA(g_hTree, TVM_INSERTITEMA, 0, (LPARAM)&tvis);
}

// The Desktop, the computer, the drive and each folder down to the project's,
// each level expanded; the project folder selected.
static void FillTree()
{
    HTREEITEM hItem = InsertFolder(TVI_ROOT, g_desktopName, g_nDesktopIcon, g_nDesktopIcon);
    hItem = InsertFolder(hItem, g_computerName, g_nComputerIcon, g_nComputerIcon);
    hItem = InsertFolder(hItem, g_folder.substr(0, 2), g_nDriveIcon, g_nDriveIcon);
    for (size_t nStart = 3; nStart < g_folder.size();)
    {
        size_t nEnd = g_folder.find('\\', nStart);
        if (nEnd == std::string::npos)
            nEnd = g_folder.size();
        hItem = InsertFolder(hItem, g_folder.substr(nStart, nEnd - nStart), g_nFolderIcon, g_nOpenFolderIcon);
        nStart = nEnd + 1;
    }
    for (HTREEITEM h = hItem; h != nullptr; h = (HTREEITEM)SendMessageA(g_hTree, TVM_GETNEXTITEM, TVGN_PARENT, (LPARAM)h))
        SendMessageA(g_hTree, TVM_EXPAND, TVE_EXPAND, (LPARAM)h);
    SendMessageA(g_hTree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)hItem);
    SendMessageA(g_hTree, TVM_ENSUREVISIBLE, 0, (LPARAM)hItem);
}

static void AddColumn(int nColumn, const char* lpszTitle, int cx, int fmt)
{
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(lpszTitle);
    column.cx = cx;
    column.fmt = fmt;
    column.iSubItem = nColumn;
    SendMessageA(g_hList, LVM_INSERTCOLUMNA, nColumn, (LPARAM)&column);
}

static void SetSubItem(int nItem, int nColumn, const char* lpszText)
{
    LVITEMA item = {};
    item.iSubItem = nColumn;
    item.pszText = const_cast<char*>(lpszText);
    SendMessageA(g_hList, LVM_SETITEMTEXTA, nItem, (LPARAM)&item);
}

// The folder's entries with their size, type (asked of the shell once per
// type) and time.
static void FillList()
{
    AddColumn(0, "Name", 120, LVCFMT_LEFT);
    AddColumn(1, "Size", 50, LVCFMT_RIGHT);
    AddColumn(2, "Type", 50, LVCFMT_LEFT);
    AddColumn(3, "Modified", 50, LVCFMT_LEFT);
    std::map<std::string, std::string> typeNames;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA((g_folder + "\\*").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do
    {
        if (strcmp(fd.cFileName, ".") == 0 || strcmp(fd.cFileName, "..") == 0)
            continue;
        const bool bFolder = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const std::string type = TypeOf(fd.cFileName, bFolder);
        auto icon = g_typeIcons.find(type);
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = (int)SendMessageA(g_hList, LVM_GETITEMCOUNT, 0, 0);
        item.pszText = fd.cFileName;
        item.iImage = bFolder ? g_nFolderIcon : icon != g_typeIcons.end() ? icon->second : 0;
        const int nItem = (int)SendMessageA(g_hList, LVM_INSERTITEMA, 0, (LPARAM)&item);
        char text[64];
        snprintf(text, sizeof(text), "%lu KB", (fd.nFileSizeLow + 1023) / 1024);
        SetSubItem(nItem, 1, text);
        auto name = typeNames.find(type);
        if (name == typeNames.end())
        {
            SHFILEINFOA sfi = {};
            SHGetFileInfoA((g_folder + "\\" + fd.cFileName).c_str(), 0, &sfi, sizeof(sfi), SHGFI_TYPENAME);
            name = typeNames.emplace(type, sfi.szTypeName).first;
        }
        SetSubItem(nItem, 2, name->second.c_str());
        FILETIME ftLocal;
        SYSTEMTIME st;
        FileTimeToLocalFileTime(&fd.ftLastWriteTime, &ftLocal);
        FileTimeToSystemTime(&ftLocal, &st);
        char date[32] = "", time[32] = "";
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, sizeof(date));
        GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &st, nullptr, time, sizeof(time));
        snprintf(text, sizeof(text), "%s %s", date, time);
        SetSubItem(nItem, 3, text);
    } while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
}

static void Layout(HWND hFrame)
{
    RECT rc;
    GetClientRect(hFrame, &rc);
    if (g_hTree == nullptr)
    {
        MoveWindow(g_hClient, 0, 0, rc.right, rc.bottom, TRUE);
        return;
    }
    // The views are sized while hidden and then shown: under Wine, a view
    // shown and sized at once (or in one deferred move with the others)
    // costs several times as much.
    const UINT uFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(g_hTree, nullptr, 0, 0, kSideWidth, kTreeHeight, uFlags);
    SetWindowPos(g_hList, nullptr, 0, kTreeHeight, kSideWidth, rc.bottom - kTreeHeight, uFlags);
    SetWindowPos(g_hClient, nullptr, kSideWidth, 0, rc.right - kSideWidth, rc.bottom, uFlags);
    ShowWindow(g_hTree, SW_SHOWNA);
    ShowWindow(g_hList, SW_SHOWNA);
}

// The views are made and filled unseen and shown once laid out.
static void ShowSideBar(HWND hFrame)
{
    HINSTANCE hInstance = (HINSTANCE)GetWindowLongPtrA(hFrame, GWLP_HINSTANCE);
    g_hTree = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                              WS_CHILD | WS_TABSTOP | TVS_HASBUTTONS | TVS_SHOWSELALWAYS | TVS_TRACKSELECT |
                                  TVS_SINGLEEXPAND,
                              0, 0, 0, 0, hFrame, nullptr, hInstance, nullptr);
    g_hList = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                              WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_SHAREIMAGELISTS, 0, 0, 0, 0, hFrame, nullptr,
                              hInstance, nullptr);
    SendMessageA(g_hTree, TVM_SETIMAGELIST, TVSIL_NORMAL, (LPARAM)g_hSmallImages);
    SendMessageA(g_hList, LVM_SETIMAGELIST, LVSIL_SMALL, (LPARAM)g_hSmallImages);
    FillTree();
    FillList();
    Layout(hFrame);
}

static LRESULT CALLBACK FrameProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_CREATE:
        g_hClient = CreateMdiClient(hWnd, lParam);
        return 0;
    case WM_SIZE:
        Layout(hWnd);
        return 0;
    }
    return IniFrameProc(hWnd, nMsg, wParam, lParam, ShowSideBar);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    StartIniFloor(hInstance, lpCmdLine);
    LoadIcons();
    RegisterFloorClass(hInstance, "BenchSideBarFloor", FrameProc, COLOR_APPWORKSPACE);
    HWND hWnd = CreateWindowA("BenchSideBarFloor", "Bench side bar", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, hInstance,
                              nullptr);
    return RunFloor(hWnd, nCmdShow, g_hClient);
}
