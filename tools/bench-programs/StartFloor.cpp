// Floor for the editor's start as the author sees it: the bare multiple-
// document frame (BareMdi) with the editor's menu bar, two tool bars of its
// main and object bars' button counts, a status bar, and over the frame a
// modal dialog with the controls of the editor's Start Center: four labels,
// four picture buttons, eight texts and a title.
#include "FloorWindow.h"

#include <commctrl.h>

#include <string>
#include <vector>

static HWND g_hClient, g_hMainBar, g_hObjectBar, g_hStatusBar;

// The main bar: 14 buttons in 5 groups; the object bar: 5 buttons, upright.
static const int kMainBar[] = {3, 3, 2, 5, 2};
static const int kObjectButtons = 5;

static HWND CreateBar(HWND hFrame, DWORD dwStyle, const std::vector<TBBUTTON>& buttons)
{
    HINSTANCE hInstance = (HINSTANCE)GetWindowLongPtrA(hFrame, GWLP_HINSTANCE);
    HWND hBar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN |
                                    CCS_NORESIZE | CCS_NODIVIDER | dwStyle,
                                0, 0, 0, 0, hFrame, nullptr, hInstance, nullptr);
    SendMessageA(hBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP bitmap = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    SendMessageA(hBar, TB_ADDBITMAP, 15, (LPARAM)&bitmap);
    SendMessageA(hBar, TB_ADDBUTTONSA, buttons.size(), (LPARAM)buttons.data());
    return hBar;
}

static void CreateBars(HWND hFrame)
{
    std::vector<TBBUTTON> buttons;
    int nCommand = 100;
    for (int nGroup = 0; nGroup < (int)(sizeof(kMainBar) / sizeof(kMainBar[0])); ++nGroup)
    {
        if (nGroup > 0)
            buttons.push_back({0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0});
        for (int i = 0; i < kMainBar[nGroup]; ++i, ++nCommand)
            buttons.push_back({nCommand % 15, nCommand, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0});
    }
    g_hMainBar = CreateBar(hFrame, 0, buttons);
    buttons.clear();
    for (int i = 0; i < kObjectButtons; ++i, ++nCommand)
        buttons.push_back({nCommand % 15, nCommand, TBSTATE_ENABLED | TBSTATE_WRAP, BTNS_BUTTON, {}, 0, 0});
    g_hObjectBar = CreateBar(hFrame, CCS_VERT, buttons);
    g_hStatusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "Bereit", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                   hFrame, nullptr, (HINSTANCE)GetWindowLongPtrA(hFrame, GWLP_HINSTANCE), nullptr);
}

static void Layout(HWND hFrame)
{
    RECT rc;
    GetClientRect(hFrame, &rc);
    SendMessageA(g_hStatusBar, WM_SIZE, 0, 0);
    RECT rcStatus;
    GetWindowRect(g_hStatusBar, &rcStatus);
    const int cyStatus = rcStatus.bottom - rcStatus.top;
    int parts[] = {rc.right - 100, -1};
    SendMessageA(g_hStatusBar, SB_SETPARTS, 2, (LPARAM)parts);
    SIZE size = {};
    SendMessageA(g_hMainBar, TB_GETMAXSIZE, 0, (LPARAM)&size);
    const int cyMain = size.cy + 4;
    SendMessageA(g_hObjectBar, TB_GETMAXSIZE, 0, (LPARAM)&size);
    const int cxObjects = size.cx + 4;
    MoveWindow(g_hMainBar, 0, 0, rc.right, cyMain, TRUE);
    MoveWindow(g_hObjectBar, 0, cyMain, cxObjects, rc.bottom - cyMain - cyStatus, TRUE);
    MoveWindow(g_hClient, cxObjects, cyMain, rc.right - cxObjects, rc.bottom - cyMain - cyStatus, TRUE);
}

static LRESULT CALLBACK FrameProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_CREATE:
        g_hClient = CreateMdiClient(hWnd, lParam);
        CreateBars(hWnd);
        return 0;
    case WM_SIZE:
        Layout(hWnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefFrameProcA(hWnd, g_hClient, nMsg, wParam, lParam);
}

// The frame's menu while no project is open.
static HMENU CreateMainMenu()
{
    struct Popup
    {
        const char* title;
        std::vector<const char*> items;
    };
    static const Popup popups[] = {
        {"&Projekt", {"&Neu\tStrg+N", "Ö&ffnen...\tStrg+O", "Start Center", "", "Letzte Datei", "", "&Beenden"}},
        {"Editor", {"Language / Sprache ...", "Einstellungen...", "Grafik-Programm..."}},
        {"Extras", {"Icon erstellen..."}},
        {"&Hilfe", {"Hilfe", "Support...", "", "Inf&o über Tarnix ..."}},
    };
    HMENU hMenu = CreateMenu();
    UINT nCommand = 1000;
    for (const Popup& popup : popups)
    {
        HMENU hPopup = CreatePopupMenu();
        for (const char* item : popup.items)
            AppendMenuA(hPopup, item[0] == '\0' ? MF_SEPARATOR : MF_STRING, nCommand++, item);
        AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hPopup, popup.title);
    }
    return hMenu;
}

// ---------------------------------------------------------------------------
// The Start Center's dialog, from a template made in memory

class DialogTemplate
{
public:
    DialogTemplate(const char* lpszTitle, short cx, short cy)
    {
        DLGTEMPLATE header = {};
        header.style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        header.cx = cx;
        header.cy = cy;
        Add(&header, sizeof(header));
        Word(0); // no menu
        Word(0); // the dialog class
        Text(lpszTitle);
        Word(8);
        Text("MS Shell Dlg");
    }

    void Control(WORD wClass, const char* lpszText, WORD wId, DWORD dwStyle, short x, short y, short cx, short cy)
    {
        m_bytes.resize((m_bytes.size() + 3) & ~size_t(3));
        DLGITEMTEMPLATE item = {};
        item.style = WS_CHILD | WS_VISIBLE | dwStyle;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = wId;
        Add(&item, sizeof(item));
        Word(0xFFFF);
        Word(wClass);
        Text(lpszText);
        Word(0); // no creation data
        ++reinterpret_cast<DLGTEMPLATE*>(m_bytes.data())->cdit;
    }

    LPCDLGTEMPLATEA Get() const { return reinterpret_cast<LPCDLGTEMPLATEA>(m_bytes.data()); }

private:
    void Add(const void* p, size_t n)
    {
        const BYTE* b = static_cast<const BYTE*>(p);
        m_bytes.insert(m_bytes.end(), b, b + n);
    }
    void Word(WORD w) { Add(&w, sizeof(w)); }
    void Text(const char* lpszText)
    {
        WCHAR wide[256] = L"";
        int n = MultiByteToWideChar(1252, 0, lpszText, -1, wide, 256);
        Add(wide, n * sizeof(WCHAR));
    }

    std::vector<BYTE> m_bytes;
};

static const WORD kButton = 0x0080, kStatic = 0x0082;
static const WORD kFirstTitle = 1300, kFirstLabel = 1310, kFirstButton = 1320;
static HFONT g_hTitleFont, g_hLabelFont;

static DialogTemplate StartCenterTemplate()
{
    DialogTemplate t("Tarnix Start Center", 320, 214);
    t.Control(kStatic, "Willkommen im Tarnix Start Center", kFirstTitle, 0, 10, 8, 300, 14);
    struct Row
    {
        const char *label, *title, *text;
        short cyText;
        DWORD dwPicture;
    };
    static const Row rows[] = {
        {"Anlegen", "Neues Projekt", "Tarnix Editor starten und leeres Projekt erstellen.", 10, BS_ICON},
        {"Bearbeiten", "Projekt öffnen", "Ein Projekt suchen oder aus der Liste auswählen und zur Bearbeitung öffnen",
         18, BS_ICON},
        {"Beenden", "Exit", "Tarnix schließen und zu Windows wechseln.", 10, BS_ICON},
        {"Weiter", "Zurück zum Editor", "Start Center ohne Aktion verlassen, zum Editor wechseln.", 18, BS_BITMAP},
    };
    for (int i = 0; i < 4; ++i)
    {
        const short y = short(30 + 44 * i);
        const WORD wButton = i == 3 ? IDCANCEL : WORD(kFirstButton + i);
        t.Control(kStatic, rows[i].label, WORD(kFirstLabel + i), 0, 10, short(y + 4), 50, 10);
        t.Control(kButton, "", wButton, BS_PUSHBUTTON | WS_TABSTOP | rows[i].dwPicture, 62, y, 28, 26);
        t.Control(kStatic, rows[i].title, WORD(kFirstTitle + 1 + i), 0, 98, y, 200, 12);
        t.Control(kStatic, rows[i].text, 0xFFFF, 0, 98, short(y + 14), 210, rows[i].cyText);
    }
    t.Control(kStatic, "Esc: zurück zum Editor", 0xFFFF, 0, 10, 200, 300, 10);
    return t;
}

static INT_PTR CALLBACK StartCenterProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM)
{
    switch (nMsg)
    {
    case WM_INITDIALOG:
    {
        // The pictures of the buttons and the fonts of the title and the labels.
        static const LPCSTR icons[] = {IDI_APPLICATION, IDI_INFORMATION, IDI_WARNING};
        for (int i = 0; i < 3; ++i)
            SendDlgItemMessageA(hDlg, kFirstButton + i, BM_SETIMAGE, IMAGE_ICON, (LPARAM)LoadIconA(nullptr, icons[i]));
        HDC hdc = GetDC(hDlg);
        HBITMAP hBitmap = CreateCompatibleBitmap(hdc, 32, 32);
        ReleaseDC(hDlg, hdc);
        SendDlgItemMessageA(hDlg, IDCANCEL, BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
        g_hTitleFont = CreateFontA(-18, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
        g_hLabelFont = CreateFontA(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
        SendDlgItemMessageA(hDlg, kFirstTitle, WM_SETFONT, (WPARAM)g_hTitleFont, FALSE);
        for (int i = 0; i < 4; ++i)
        {
            SendDlgItemMessageA(hDlg, kFirstTitle + 1 + i, WM_SETFONT, (WPARAM)g_hLabelFont, FALSE);
            SendDlgItemMessageA(hDlg, kFirstLabel + i, WM_SETFONT, (WPARAM)g_hLabelFont, FALSE);
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
        {
            EndDialog(hDlg, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    RegisterFloorClass(hInstance, "BenchStartFloor", FrameProc, COLOR_APPWORKSPACE);
    HWND hWnd = CreateWindowA("BenchStartFloor", "Bench start", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, CreateMainMenu(), hInstance,
                              nullptr);
    ShowWindow(hWnd, nCmdShow);
    UpdateWindow(hWnd);
    DialogTemplate t = StartCenterTemplate();
    DialogBoxIndirectParamA(hInstance, t.Get(), hWnd, StartCenterProc, 0);
    return RunFloor(hWnd, SW_SHOW, g_hClient);
}
