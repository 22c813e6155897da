// The user's external tools (programs, documents, web addresses), kept in
// the settings store, and the "&Tools" popup the menu bar shows: one entry
// per tool with its icon, then "Customize...". Choosing an entry starts the tool.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <vector>

class CListBox;
class CXTCoolMenu;

// One tool: the stored form is the record as it stands, 780 bytes.
struct XT_TOOL
{
    char szTitle[128];
    char szArguments[128];
    char szCommand[MAX_PATH];
    char szDirectory[MAX_PATH];
    DWORD nCmdID;
};
static_assert(sizeof(XT_TOOL) == 780, "the stored tool record is 780 bytes");

#define XT_IDC_FIRSTTOOL 53000
#define XT_IDC_LASTTOOL  53250
#define XT_IDC_CUSTOMIZE 53782

class CXTToolsManager
{
public:
    // Construction
    CXTToolsManager() = default;
    CXTToolsManager(const CXTToolsManager&) = delete;
    CXTToolsManager& operator=(const CXTToolsManager&) = delete;
    virtual ~CXTToolsManager();   // saves when save-on-destroy is still set

    // Stored list
    virtual BOOL Load();
    virtual BOOL Save(const XT_TOOL* pTools, int nCount);
    BOOL SaveIfChanged(BOOL bTurnOff = FALSE);

    // Turns the Tools menu on: its icons go to the cool menu, the menu bar
    // inserts it at the positions given.
    void Enable(CXTCoolMenu* pCoolMenu, int nDefaultMenuPos, int nOtherMenuPos);

    // Editing
    void AddTool(const XT_TOOL& tool);
    BOOL RemoveTool(const XT_TOOL* pTool);
    void RemoveAll();
    UINT NextFreeId() const;
    void FillListBox(CListBox* pListBox) const;
    int GetToolCount() const { return (int)m_tools.size(); }
    XT_TOOL* GetTool(int nIndex) const { return m_tools[nIndex].get(); }

    // Menu
    void RebuildMenu();
    HMENU GetMenu() const { return m_hMenu; }
    int GetMenuPosition(BOOL bDefaultMenu) const { return bDefaultMenu ? m_nDefaultMenuPos : m_nOtherMenuPos; }
    // Starts the tool of a command; FALSE for a command without one.
    BOOL Launch(UINT nCmdID) const;

    // Flags
    BOOL IsChanged() const { return m_bChanged; }
    void SetChanged(BOOL bChanged = TRUE) { m_bChanged = bChanged; }
    BOOL IsResetAll() const { return m_bResetAll; }
    void SetResetAll(BOOL bResetAll) { m_bResetAll = bResetAll; }
    // Whether the Tools menu is shown (Enable turns it on).
    BOOL IsEnabled() const { return m_bEnabled; }
    void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }
    // Whether destruction saves a change; the frames save themselves.
    BOOL IsSaveOnDestroy() const { return m_bSaveOnDestroy; }
    void SetSaveOnDestroy(BOOL bSave) { m_bSaveOnDestroy = bSave; }

    // Popup menu resources (0 for none) whose first popup the Tools page's
    // arguments and initial folder fields offer instead of a file or folder chooser.
    void SetBrowseMenus(UINT nArgumentsMenu, UINT nDirectoryMenu)
    {
        m_nArgumentsMenu = nArgumentsMenu;
        m_nDirectoryMenu = nDirectoryMenu;
    }
    UINT GetArgumentsMenu() const { return m_nArgumentsMenu; }
    UINT GetDirectoryMenu() const { return m_nDirectoryMenu; }

protected:
    BOOL m_bChanged = FALSE;
    BOOL m_bSaveOnDestroy = TRUE;
    BOOL m_bEnabled = FALSE;
    BOOL m_bResetAll = FALSE;
    UINT m_nArgumentsMenu = 0;
    UINT m_nDirectoryMenu = 0;

    int GetToolIcon(const XT_TOOL& tool);
    int GetHtmlIcon();

    std::vector<std::unique_ptr<XT_TOOL>> m_tools;
    HIMAGELIST m_hSysImages = nullptr;   // the system's, never destroyed
    CXTCoolMenu* m_pCoolMenu = nullptr;
    std::map<UINT, XT_TOOL*> m_commands;
    HMENU m_hMenu = nullptr;
    int m_nHtmlIcon = -1;
    int m_nDefaultMenuPos = 0;
    int m_nOtherMenuPos = 0;
};

// The one manager of the process, made on first use.
CXTToolsManager& GetToolsManager();
