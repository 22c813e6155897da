// What the toolkit's frames share, kept once: the frame's cool menu and menu
// bar, the toolkit dock bars, docking a bar beside another, the menu as the
// user sees it, hidden commands, the customise sheet, user tools, shortcut
// texts in popups and the frame's window class with an icon. Each frame
// embeds one helper and forwards to it with itself.
#pragma once

#include "toolkit/bars/XTCoolMenu.h"
#include "toolkit/frame/IXTCustomizeSheet.h"
#include "toolkit/frame/IXTMenuBar.h"

#include "framework/String.h"

#include <windows.h>

class CControlBar;
class CFrameWnd;
class CMenu;

class CXTFrameHelper
{
public:
    // Construction: the managers' save-on-destroy flags are cleared, since
    // the helper saves them itself when its frame goes.
    CXTFrameHelper();
    CXTFrameHelper(const CXTFrameHelper&) = delete;
    CXTFrameHelper& operator=(const CXTFrameHelper&) = delete;
    virtual ~CXTFrameHelper();

    // Attributes
    CXTCoolMenu& GetCoolMenu() { return m_coolMenu; }
    // The menu bar object this helper made; none without a registered factory.
    IXTMenuBar* GetMenuBar() const { return m_pMenuBar; }
    // The frame's menu bar window: its control bar XT_IDW_MENUBAR, else (for
    // an MDI child) its parent frame's.
    static IXTMenuBar* FindMenuBar(CFrameWnd* pFrame);

    // Operations
    BOOL InstallCoolMenus(CFrameWnd* pFrame, const UINT* pIDToolBars, int nCount);
    // The toolkit dock bars of the sides asked for; every dock bar of the
    // frame takes the toolkit style. A dock bar that cannot be made throws
    // the framework's resource exception.
    void EnableDocking(CFrameWnd* pFrame, DWORD dwDockStyle, DWORD dwFlatStyle);
    // Into the dock bar of that id; 0: the side the bar's style names, else
    // the first it may dock at.
    void DockControlBar(CFrameWnd* pFrame, CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect);
    void DockControlBarLeftOf(CFrameWnd* pFrame, CControlBar* pBar, CControlBar* pLeftOf);
    // The window menu, else the menu bar's menu, else none.
    CMenu* GetMenu(CFrameWnd* pFrame) const;
    BOOL HideCommand(CFrameWnd* pFrame, UINT nID);
    BOOL HideCommands(CFrameWnd* pFrame, const UINT* pIDs, int nCount);
    // The keys of the shortcut manager go to the frame's own translation;
    // others are offered to the menu bar. TRUE: the bar consumed the message.
    BOOL PreTranslateByMenuBar(CFrameWnd* pFrame, MSG* pMsg);
    // The frame's class with no style, cursor or background and the icon.
    static BOOL RegisterIconClass(CREATESTRUCTA& cs, UINT nIconID);

    // Command handlers the frames route here
    void AddShortcutTexts(HMENU hPopup) const;
    // The customise sheet for the frame, modally; TRUE when one was shown.
    BOOL RunCustomizeSheet(CFrameWnd* pFrame);
    static BOOL CanCustomize() { return s_pfnCustomizeSheet != nullptr; }
    // Starts the user tool of the command; nothing for a command without one.
    void RunUserTool(UINT nID);

    // Registration of the modules that come later
    static void SetMenuBarFactory(XT_MENUBAR_FACTORY pfnFactory) { s_pfnMenuBar = pfnFactory; }
    static XT_MENUBAR_FACTORY GetMenuBarFactory() { return s_pfnMenuBar; }
    static void SetCustomizeSheetFactory(XT_CUSTOMIZESHEET_FACTORY pfnFactory) { s_pfnCustomizeSheet = pfnFactory; }
    // The open customise sheet, process-wide; none while no sheet is open.
    static IXTCustomizeSheet* GetOpenCustomizeSheet() { return s_pOpenSheet; }

    // The thread's CBT hook, installed at start-up for the owner-drawn popup
    // menus; a frame taking the focus keeps its floating frames above it.
    static HHOOK GetThreadCbtHook();

protected:
    CXTCoolMenu m_coolMenu;
    IXTMenuBar* m_pMenuBar;

    static XT_MENUBAR_FACTORY s_pfnMenuBar;
    static XT_CUSTOMIZESHEET_FACTORY s_pfnCustomizeSheet;
    static IXTCustomizeSheet* s_pOpenSheet;
};

// The text of a popup item with the shortcut in place of whatever followed
// its tab: the first of the shortcuts (a comma list) when there is one.
CString XTMenuTextWithShortcut(const CString& strText, const CString& strShortcuts);
