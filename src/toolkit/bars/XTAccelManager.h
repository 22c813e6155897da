// Keeps the main frame's keyboard shortcuts editable: the frame's default
// accelerator table and the current one, key presses matched against it,
// shortcuts as text ("Shift+Ctrl+S"), the frame menu's commands by category
// for the customise sheet, and the user's table in the settings store.
#pragma once

#include "framework/String.h"

#include <windows.h>

#include <map>
#include <vector>

class CComboBox;
class CFrameWnd;

struct XT_ACCEL_CATEGORY
{
    CString strName;   // popup names joined by " | "
    HMENU hMenu;
};

struct XT_ACCEL_COMMAND
{
    UINT nID;
    CString strName;   // the menu path, names joined by a backslash
};

struct XT_ACCEL_EXTRA
{
    CString strCategory;
    CString strCommand;
    UINT nID;
};

class CXTAccelManager
{
public:
    // Construction
    CXTAccelManager() = default;
    CXTAccelManager(const CXTAccelManager&) = delete;
    CXTAccelManager& operator=(const CXTAccelManager&) = delete;
    virtual ~CXTAccelManager();   // saves when save-on-destroy is still set

    // Stored table
    virtual BOOL Load();
    virtual BOOL Save(const ACCEL* pAccel, int nCount);
    BOOL SaveIfChanged(BOOL bTurnOff = FALSE);

    // Binding: the frame whose table is managed. Its table becomes the
    // default, a stored table replaces it, and the manager is enabled.
    BOOL Bind(CFrameWnd* pFrame);

    // Current table
    BOOL ResetAll();
    BOOL Apply();
    void AddShortcut(UINT nCommand, BYTE fVirt, WORD wKey);
    BOOL FindShortcut(BYTE fVirt, WORD wKey, UINT& nCommand) const;
    BOOL RemoveShortcut(BYTE fVirt, WORD wKey);
    BOOL GetShortcutText(UINT nCommand, CString& strText) const;
    BOOL EnumShortcuts(int& nIndex, UINT nCommand, CString& strText, BYTE& fVirt, WORD& wKey) const;
    const std::vector<ACCEL>& GetTable() const { return m_table; }
    const std::vector<ACCEL>& GetDefaultTable() const { return m_defaultTable; }
    BOOL TranslateKey(const MSG* pMsg) const;
    // Shows each command's first shortcut after a tab in its popup entry
    // (entries without one lose their tab text); sub-menu entries stay as they are.
    void AnnotateMenu(HMENU hMenu) const;

    static CString FormatShortcut(BYTE fVirt, WORD wKey);
    static CString GetKeyName(WORD wKey);

    // Commands of the frame's menu
    void BuildCommandList(HMENU hMenu = nullptr);
    void FillCategoryCombo(CComboBox* pCombo) const;
    BOOL FindCommandName(UINT nID, CString& strName) const;
    void AddCommand(UINT nID, LPCSTR pszName);
    void ExcludeCommand(UINT nID) { m_excluded[nID] = TRUE; }
    void AddSubCommand(UINT nID, UINT nSubID, LPCSTR pszName);
    void AddExtraCommand(LPCSTR pszCategory, LPCSTR pszCommand, UINT nID);
    const std::vector<XT_ACCEL_CATEGORY>& GetCategories() const { return m_categories; }
    const std::vector<XT_ACCEL_COMMAND>& GetCommands() const { return m_commands; }
    CString GetCommandPath(UINT nID) const;
    HMENU GetFrameMenu() const;

    // The menu of the frame's toolkit menu bar, for a frame without a menu of
    // its own; the menu bar installs the query.
    typedef HMENU (*MenuBarMenuQuery)(HWND hWndFrame);
    static void SetMenuBarMenuQuery(MenuBarMenuQuery pfnQuery);

    // Flags
    BOOL IsResetAll() const { return m_bResetAll; }
    BOOL IsChanged() const { return m_bChanged; }
    void SetChanged(BOOL bChanged) { m_bChanged = bChanged; }
    // Whether key presses are matched and popups show the shortcuts (Bind turns it on).
    BOOL IsEnabled() const { return m_bEnabled; }
    void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }
    // Whether destruction saves a change; the frames save themselves.
    BOOL IsSaveOnDestroy() const { return m_bSaveOnDestroy; }
    void SetSaveOnDestroy(BOOL bSave) { m_bSaveOnDestroy = bSave; }

protected:
    BOOL m_bResetAll = FALSE;
    BOOL m_bChanged = FALSE;
    BOOL m_bSaveOnDestroy = TRUE;
    BOOL m_bEnabled = FALSE;

    BOOL RebuildFrameTable(const std::vector<ACCEL>& table);
    void AddCategories(HMENU hMenu, const CString& strPath);
    void AddCommands(HMENU hMenu, const CString& strPath);

    CFrameWnd* m_pFrame = nullptr;
    std::vector<XT_ACCEL_CATEGORY> m_categories;
    std::vector<XT_ACCEL_COMMAND> m_commands;
    std::map<UINT, CString> m_paths;
    std::map<UINT, BOOL> m_excluded;
    std::map<UINT, std::vector<XT_ACCEL_COMMAND>> m_subCommands;
    std::vector<XT_ACCEL_EXTRA> m_extras;
    std::vector<ACCEL> m_table;
    std::vector<ACCEL> m_defaultTable;
};

// The one manager of the process, made on first use.
CXTAccelManager& GetAccelManager();
