// The sub-pages of an open project (at most 25, numbered 1 to 25) and their
// "Open Menu: " commands in the editor's menu.
#pragma once

#include "shared/menuobj/SubmenuFiles.h"

// The menu whose first item has this command gets the page commands.
const UINT ID_PAGEMENU_ANCHOR = 106;
// Page n opens with ID_PAGEMENU_BASE + n (32851 to 32875).
const UINT ID_PAGEMENU_BASE = 32850;

class CPageList : public CObject
{
    DECLARE_DYNAMIC(CPageList)
public:
    static constexpr int kMaxPages = 25;

    CPageList() { Reset(); }
    CPageList(const CPageList&) = delete;
    CPageList& operator=(const CPageList&) = delete;

    // Frees every entry; entry k gets the number k.
    void Reset();
    // Takes an entry and returns its number, -1 when all are used. A page file
    // named with two digits 1 to 24 before its extension ("page03.ini") takes
    // that entry; any other the first free one. Adds the page's command to the
    // main window's menu.
    int AddPage(const CString& strTitle, const CString& strMainFile, const CString& strBackText,
                const CString& strPageFile);
    // Frees every used entry whose page file has the file name of the path
    // (whole names, without regard to case). With bBackup the page file (the
    // path) is renamed to a backup.
    void RemovePage(const CString& strPath, BOOL bBackup);
    // The used entry of that number, else null.
    CSubmenuFiles* GetPage(int nNumber);
    BOOL IsFull() const { return m_nUsed >= kMaxPages; }
    int GetUsedCount() const { return m_nUsed; }

    // Keeps the menu's first item and lists the pages 1, 2, ... after a
    // separator, up to the first number without a page.
    void BuildPageMenu(HMENU hMenu);
    // Appends the entry's command to the main window's menu that begins with
    // nAnchorId; nothing when there is none.
    static void AddPageMenuItem(const CSubmenuFiles& entry, UINT nAnchorId, UINT nBaseId);
    // The popup of the menu bar (among its first 20) whose first item is
    // nAnchorId; null when none is.
    static HMENU FindAnchorMenu(HMENU hMenuBar, UINT nAnchorId);
    // The main window's menu as the user sees it; a window whose menu lives
    // in a menu bar control (not in the window) installs its own finder.
    typedef HMENU (*MainMenuFinder)();
    static void SetMainMenuFinder(MainMenuFinder pfnFinder);

    // The number in a page file name, 1 to 24, or 0.
    static int NumberFromFileName(const CString& strPageFile);

private:
    CSubmenuFiles m_entries[kMaxPages];
    int m_nUsed;
};
