#include "toolkit/bars/XTToolsManager.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTCoolMenu.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/ListBox.h"
#include "framework/ProgramStart.h"

#include <shellapi.h>
#include <stdlib.h>
#include <string.h>

namespace {

const char kToolsEntry[] = "Tools";

// Copies a text into a record field, cut to fit and always terminated.
template <size_t N> void CopyField(char (&field)[N], const char* pszText)
{
    lstrcpynA(field, pszText, (int)N);
}

// A stored field may lack its terminator: never read past the field.
template <size_t N> void TerminateField(char (&field)[N])
{
    field[N - 1] = '\0';
}

BOOL FileExists(LPCSTR pszPath)
{
    return pszPath[0] != '\0' && ::GetFileAttributesA(pszPath) != INVALID_FILE_ATTRIBUTES;
}

BOOL IsWebAddress(LPCSTR pszCommand)
{
    return strstr(pszCommand, "http://") != nullptr || strstr(pszCommand, "ftp://") != nullptr;
}

} // namespace

CXTToolsManager& GetToolsManager()
{
    static CXTToolsManager manager;
    return manager;
}

CXTToolsManager::~CXTToolsManager()
{
    if (m_bSaveOnDestroy)
        SaveIfChanged();
    if (m_hMenu != nullptr && ::IsMenu(m_hMenu))
        ::DestroyMenu(m_hMenu);
}

// ---------------------------------------------------------------------------
// Stored list

BOOL CXTToolsManager::Load()
{
    CXTRegistryStore store;
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    m_tools.clear();
    m_commands.clear();
    if (!store.GetProfileBinary(GetToolkitSettingsSection(), kToolsEntry, &pData, &nBytes))
        return FALSE;
    for (UINT n = 0; n + sizeof(XT_TOOL) <= nBytes; n += sizeof(XT_TOOL))
    {
        std::unique_ptr<XT_TOOL> pTool = std::make_unique<XT_TOOL>();
        memcpy(pTool.get(), pData + n, sizeof(XT_TOOL));
        TerminateField(pTool->szTitle);
        TerminateField(pTool->szArguments);
        TerminateField(pTool->szCommand);
        TerminateField(pTool->szDirectory);
        m_tools.push_back(std::move(pTool));
    }
    delete[] pData;
    return TRUE;
}

BOOL CXTToolsManager::Save(const XT_TOOL* pTools, int nCount)
{
    std::vector<BYTE> data(sizeof(XT_TOOL) * nCount);
    if (nCount > 0)
        memcpy(data.data(), pTools, data.size());
    CXTRegistryStore store;
    return store.WriteProfileBinary(GetToolkitSettingsSection(), kToolsEntry, data.data(),
                                    (UINT)data.size());
}

BOOL CXTToolsManager::SaveIfChanged(BOOL bTurnOff)
{
    if (m_bResetAll)
    {
        CXTRegistryStore store;
        if (!store.DeleteValue(GetToolkitSettingsSection(), kToolsEntry))
            return FALSE;
        m_bResetAll = FALSE;
    }
    else if (!m_bChanged)
        return TRUE;
    else
    {
        std::vector<XT_TOOL> tools;
        for (const std::unique_ptr<XT_TOOL>& p : m_tools)
            tools.push_back(*p);
        if (!Save(tools.data(), (int)tools.size()))
            return FALSE;
        if (bTurnOff)
            m_bEnabled = FALSE;
    }
    m_bChanged = FALSE;
    RebuildMenu();
    return TRUE;
}

void CXTToolsManager::Enable(CXTCoolMenu* pCoolMenu, int nDefaultMenuPos, int nOtherMenuPos)
{
    m_pCoolMenu = pCoolMenu;
    m_nDefaultMenuPos = nDefaultMenuPos;
    m_nOtherMenuPos = nOtherMenuPos;
    Load();
    RebuildMenu();
    m_bEnabled = TRUE;
}

// ---------------------------------------------------------------------------
// Editing

void CXTToolsManager::AddTool(const XT_TOOL& tool)
{
    std::unique_ptr<XT_TOOL> pTool = std::make_unique<XT_TOOL>();
    memset(pTool.get(), 0, sizeof(XT_TOOL));
    if (tool.szTitle[0] != '\0')
        CopyField(pTool->szTitle, tool.szTitle);
    if (tool.szArguments[0] != '\0')
        CopyField(pTool->szArguments, tool.szArguments);
    if (tool.szCommand[0] != '\0')
        CopyField(pTool->szCommand, tool.szCommand);
    if (tool.szDirectory[0] != '\0')
        CopyField(pTool->szDirectory, tool.szDirectory);
    pTool->nCmdID = tool.nCmdID != 0 ? tool.nCmdID : NextFreeId();
    m_tools.push_back(std::move(pTool));
    m_bChanged = TRUE;
    m_bResetAll = FALSE;
    RebuildMenu();
}

BOOL CXTToolsManager::RemoveTool(const XT_TOOL* pTool)
{
    for (auto it = m_tools.begin(); it != m_tools.end(); ++it)
        if (it->get() == pTool)
        {
            m_commands.erase((*it)->nCmdID);
            m_tools.erase(it);
            m_bChanged = TRUE;
            return TRUE;
        }
    return FALSE;
}

void CXTToolsManager::RemoveAll()
{
    m_tools.clear();
    m_commands.clear();
    m_bResetAll = TRUE;
    m_bChanged = TRUE;
}

UINT CXTToolsManager::NextFreeId() const
{
    if (m_hMenu == nullptr || !::IsMenu(m_hMenu))
        return 0;
    // Tools without a menu entry keep their ids too: a second tool must not share one.
    auto isToolId = [this](UINT nID) {
        for (const std::unique_ptr<XT_TOOL>& p : m_tools)
            if (p->nCmdID == nID)
                return true;
        return false;
    };
    for (UINT nID = XT_IDC_FIRSTTOOL; nID <= XT_IDC_LASTTOOL; ++nID)
        if (::GetMenuState(m_hMenu, nID, MF_BYCOMMAND) == (UINT)-1 && !isToolId(nID))
            return nID;
    return 0;
}

void CXTToolsManager::FillListBox(CListBox* pListBox) const
{
    pListBox->ResetContent();
    for (auto it = m_tools.rbegin(); it != m_tools.rend(); ++it)
    {
        int nIndex = pListBox->AddString((*it)->szTitle);
        if (nIndex >= 0)
            pListBox->SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(it->get()));
    }
}

// ---------------------------------------------------------------------------
// Menu

int CXTToolsManager::GetHtmlIcon()
{
    if (m_nHtmlIcon != -1)
        return m_nHtmlIcon;
    // The icon the shell shows for a web page: asked by extension alone, so no
    // file is made (a file of any chosen name could be someone's).
    SHFILEINFOA info = {};
    if (::SHGetFileInfoA(".htm", FILE_ATTRIBUTE_NORMAL, &info, sizeof(info),
                         SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES))
        m_nHtmlIcon = info.iIcon;
    return m_nHtmlIcon;
}

int CXTToolsManager::GetToolIcon(const XT_TOOL& tool)
{
    if (FileExists(tool.szCommand))
    {
        SHFILEINFOA info = {};
        if (::SHGetFileInfoA(tool.szCommand, 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
            return info.iIcon;
        return -1;
    }
    if (IsWebAddress(tool.szCommand))
        return GetHtmlIcon();
    return -2;   // no menu entry
}

void CXTToolsManager::RebuildMenu()
{
    if (m_hMenu == nullptr || !::IsMenu(m_hMenu))
        m_hMenu = ::CreatePopupMenu();
    while (::GetMenuItemCount(m_hMenu) > 0)
        ::DeleteMenu(m_hMenu, 0, MF_BYPOSITION);
    if (m_hSysImages == nullptr)
    {
        SHFILEINFOA info = {};
        m_hSysImages = (HIMAGELIST)::SHGetFileInfoA("C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    }
    m_commands.clear();
    for (auto it = m_tools.rbegin(); it != m_tools.rend(); ++it)
    {
        XT_TOOL* pTool = it->get();
        int nIcon = GetToolIcon(*pTool);
        if (nIcon == -2)
            continue;
        if (m_pCoolMenu != nullptr && m_hSysImages != nullptr && nIcon >= 0)
        {
            CSize size = m_pCoolMenu->GetIconSize();
            HICON hIcon = ImageList_GetIcon(m_hSysImages, nIcon, ILD_NORMAL);
            HICON hSized = hIcon != nullptr ? (HICON)::CopyImage(hIcon, IMAGE_ICON, size.cx, size.cy, LR_COPYDELETEORG)
                                            : nullptr;
            m_pCoolMenu->SetImage(pTool->nCmdID, hSized);
        }
        m_commands[pTool->nCmdID] = pTool;
        ::AppendMenuA(m_hMenu, MF_STRING, pTool->nCmdID, pTool->szTitle);
    }
    if (!m_tools.empty())
        ::AppendMenuA(m_hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(m_hMenu, MF_STRING, XT_IDC_CUSTOMIZE, LoadToolkitString(XT_IDS_CUSTOMIZE, "Customize..."));
}

BOOL CXTToolsManager::Launch(UINT nCmdID) const
{
    auto it = m_commands.find(nCmdID);
    if (it == m_commands.end())
        return FALSE;
    const XT_TOOL* pTool = it->second;
    AfxShellExecute(nullptr, "open", pTool->szCommand, pTool->szArguments, pTool->szDirectory, SW_SHOW);
    return TRUE;
}
