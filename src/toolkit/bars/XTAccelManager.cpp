#include "toolkit/bars/XTAccelManager.h"

#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/XTMenuItemInfo.h"
#include "toolkit/frame/XTRegistryStore.h"
#include "toolkit/frame/XTTextHelpers.h"

#include "framework/ComboBox.h"
#include "framework/FrameWnd.h"

#include <string.h>

namespace {

const char kAcceleratorsEntry[] = "Accelerators";
const UINT kRecordSize = 6;   // the stored ACCEL: fVirt, a pad byte, key, command
const BYTE kModifierBits = FSHIFT | FCONTROL | FALT;

struct KeyName
{
    WORD wKey;
    const char* pszName;
};

// Searched from the start; the digits and letters come before it.
const KeyName kKeyNames[] = {
    { VK_LBUTTON, "Left Button" }, { VK_RBUTTON, "Right Button" }, { VK_CANCEL, "Cancel" },
    { VK_MBUTTON, "Middle Button" }, { VK_BACK, "Back" }, { VK_TAB, "Tab" }, { VK_CLEAR, "Clear" },
    { VK_RETURN, "Enter" }, { VK_SHIFT, "Shift" }, { VK_CONTROL, "Ctrl" }, { VK_MENU, "Alt" },
    { VK_PAUSE, "Pause" }, { VK_CAPITAL, "Caps Lock" }, { VK_ESCAPE, "Esc" }, { VK_SPACE, "Space" },
    { VK_PRIOR, "Page Up" }, { VK_NEXT, "Page Down" }, { VK_END, "End" }, { VK_HOME, "Home" },
    { VK_LEFT, "Left Arrow" }, { VK_UP, "Up Arrow" }, { VK_RIGHT, "Right Arrow" }, { VK_DOWN, "Down Arrow" },
    { VK_SELECT, "Select" }, { VK_PRINT, "Print" }, { VK_EXECUTE, "Execute" }, { VK_SNAPSHOT, "Snapshot" },
    { VK_INSERT, "Ins" }, { VK_DELETE, "Del" }, { VK_HELP, "Help" }, { VK_LWIN, "Left Windows" },
    { VK_RWIN, "Right Windows" }, { VK_APPS, "Application" }, { VK_MULTIPLY, "Num *" }, { VK_ADD, "Num +" },
    { VK_SEPARATOR, "Separator" }, { VK_SUBTRACT, "Num -" }, { VK_DECIMAL, "Num ." }, { VK_DIVIDE, "Num /" },
    { VK_F1, "F1" }, { VK_F2, "F2" }, { VK_F3, "F3" }, { VK_F4, "F4" }, { VK_F5, "F5" }, { VK_F6, "F6" },
    { VK_F7, "F7" }, { VK_F8, "F8" }, { VK_F9, "F9" }, { VK_F10, "F10" }, { VK_F11, "F11" }, { VK_F12, "F12" },
    { VK_NUMPAD0, "Num 0" }, { VK_NUMPAD1, "Num 1" }, { VK_NUMPAD2, "Num 2" }, { VK_NUMPAD3, "Num 3" },
    { VK_NUMPAD4, "Num 4" }, { VK_NUMPAD5, "Num 5" }, { VK_NUMPAD6, "Num 6" }, { VK_NUMPAD7, "Num 7" },
    { VK_NUMPAD8, "Num 8" }, { VK_NUMPAD9, "Num 9" }, { VK_NUMLOCK, "Num Lock" }, { VK_SCROLL, "Scrl Lock" },
    { VK_ATTN, "Attn" }, { VK_CRSEL, "Crsel" }, { VK_EXSEL, "Exsel" }, { VK_EREOF, "Ereof" }, { VK_PLAY, "Play" },
    { VK_ZOOM, "Zoom" }, { VK_NONAME, "No Name" }, { VK_PA1, "Pa1" }, { VK_OEM_CLEAR, "Oem Clear" },
};

const KeyName kModifiers[] = { { FSHIFT, "Shift" }, { FCONTROL, "Ctrl" }, { FALT, "Alt" } };

CXTAccelManager::MenuBarMenuQuery g_pfnMenuBarMenu = nullptr;

// A menu item's name as a category or path part: no mnemonics, nothing after a tab.
CString CleanItemName(HMENU hMenu, int nPos)
{
    char szText[256] = "";
    ::GetMenuStringA(hMenu, nPos, szText, sizeof(szText), MF_BYPOSITION);
    CString strName = szText;
    int nTab = strName.Find('\t');
    if (nTab >= 0)
        strName = strName.Left(nTab);
    StripMnemonicAmpersands(strName);
    return strName;
}

BOOL IsCommandItem(HMENU hMenu, int nPos)
{
    UINT nState = ::GetMenuState(hMenu, nPos, MF_BYPOSITION);
    return (nState & MF_SEPARATOR) == 0 && ::GetSubMenu(hMenu, nPos) == nullptr && ::GetMenuItemID(hMenu, nPos) != 0;
}

CString JoinPath(const CString& strPath, LPCSTR pszSeparator, const CString& strName)
{
    return strPath.IsEmpty() ? strName : strPath + pszSeparator + strName;
}

BOOL SameModifiers(BYTE a, BYTE b)
{
    return (a & kModifierBits) == (b & kModifierBits);
}

} // namespace

CXTAccelManager& GetAccelManager()
{
    static CXTAccelManager manager;
    return manager;
}

CXTAccelManager::~CXTAccelManager()
{
    if (m_bSaveOnDestroy)
        SaveIfChanged();
}

void CXTAccelManager::SetMenuBarMenuQuery(MenuBarMenuQuery pfnQuery)
{
    g_pfnMenuBarMenu = pfnQuery;
}

// ---------------------------------------------------------------------------
// Stored table

BOOL CXTAccelManager::Load()
{
    CXTRegistryStore store;
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    m_table.clear();
    if (!store.GetProfileBinary(GetToolkitSettingsSection(), kAcceleratorsEntry, &pData, &nBytes))
        return FALSE;
    for (UINT n = 0; n + kRecordSize <= nBytes; n += kRecordSize)
    {
        ACCEL accel;
        accel.fVirt = pData[n];
        accel.key = (WORD)(pData[n + 2] | (pData[n + 3] << 8));
        accel.cmd = (WORD)(pData[n + 4] | (pData[n + 5] << 8));
        m_table.push_back(accel);
    }
    delete[] pData;
    return TRUE;
}

BOOL CXTAccelManager::Save(const ACCEL* pAccel, int nCount)
{
    std::vector<BYTE> data;
    for (int i = 0; i < nCount; ++i)
    {
        const ACCEL& a = pAccel[i];
        data.insert(data.end(), { a.fVirt, 0, (BYTE)(a.key & 0xFF), (BYTE)(a.key >> 8), (BYTE)(a.cmd & 0xFF),
                                  (BYTE)(a.cmd >> 8) });
    }
    CXTRegistryStore store;
    return store.WriteProfileBinary(GetToolkitSettingsSection(), kAcceleratorsEntry, data.data(), (UINT)data.size());
}

BOOL CXTAccelManager::SaveIfChanged(BOOL bTurnOff)
{
    if (m_bResetAll)
    {
        CXTRegistryStore store;
        if (!store.DeleteValue(GetToolkitSettingsSection(), kAcceleratorsEntry))
            return FALSE;
        m_bResetAll = FALSE;
    }
    else if (m_bChanged)
    {
        if (!Save(m_table.data(), (int)m_table.size()))
            return FALSE;
        m_bChanged = FALSE;
        if (bTurnOff)
            m_bEnabled = FALSE;
    }
    return TRUE;
}

BOOL CXTAccelManager::Bind(CFrameWnd* pFrame)
{
    m_pFrame = pFrame;
    m_defaultTable.clear();
    HACCEL hAccel = pFrame != nullptr ? pFrame->m_hAccelTable : nullptr;
    int nCount = hAccel != nullptr ? ::CopyAcceleratorTableA(hAccel, nullptr, 0) : 0;
    if (nCount > 0)
    {
        m_defaultTable.resize(nCount);
        ::CopyAcceleratorTableA(hAccel, m_defaultTable.data(), nCount);
    }
    if (Load())
        Apply();
    else
        m_table = m_defaultTable;
    m_bEnabled = pFrame != nullptr;
    return m_bEnabled;
}

// ---------------------------------------------------------------------------
// Current table

BOOL CXTAccelManager::RebuildFrameTable(const std::vector<ACCEL>& table)
{
    if (m_pFrame == nullptr)
        return FALSE;
    HACCEL hNew = table.empty() ? nullptr
                                : ::CreateAcceleratorTableA(const_cast<ACCEL*>(table.data()), (int)table.size());
    if (!table.empty() && hNew == nullptr)
        return FALSE;
    HACCEL hOld = m_pFrame->m_hAccelTable;
    m_pFrame->m_hAccelTable = hNew;
    return hOld == nullptr || ::DestroyAcceleratorTable(hOld);
}

BOOL CXTAccelManager::ResetAll()
{
    m_table = m_defaultTable;
    BOOL bOk = RebuildFrameTable(m_defaultTable);
    m_bChanged = FALSE;
    m_bResetAll = TRUE;
    return bOk;
}

BOOL CXTAccelManager::Apply()
{
    return RebuildFrameTable(m_table);
}

void CXTAccelManager::AddShortcut(UINT nCommand, BYTE fVirt, WORD wKey)
{
    ACCEL accel = { fVirt, wKey, (WORD)nCommand };
    m_table.push_back(accel);
    m_bChanged = TRUE;
    m_bResetAll = FALSE;
}

BOOL CXTAccelManager::FindShortcut(BYTE fVirt, WORD wKey, UINT& nCommand) const
{
    for (const ACCEL& a : m_table)
        if (a.key == wKey && SameModifiers(a.fVirt, fVirt))
        {
            nCommand = a.cmd;
            return TRUE;
        }
    return FALSE;
}

BOOL CXTAccelManager::RemoveShortcut(BYTE fVirt, WORD wKey)
{
    for (auto it = m_table.begin(); it != m_table.end(); ++it)
        if (it->key == wKey && SameModifiers(it->fVirt, fVirt))
        {
            m_table.erase(it);
            m_bChanged = TRUE;
            m_bResetAll = FALSE;
            return TRUE;
        }
    return FALSE;
}

BOOL CXTAccelManager::EnumShortcuts(int& nIndex, UINT nCommand, CString& strText, BYTE& fVirt, WORD& wKey) const
{
    for (; nIndex >= 0 && nIndex < (int)m_table.size(); ++nIndex)
    {
        const ACCEL& a = m_table[nIndex];
        if (a.cmd != nCommand)
            continue;
        strText = FormatShortcut(a.fVirt, a.key);
        fVirt = a.fVirt;
        wKey = a.key;
        ++nIndex;
        return TRUE;
    }
    return FALSE;
}

BOOL CXTAccelManager::GetShortcutText(UINT nCommand, CString& strText) const
{
    strText.Empty();
    int nIndex = 0;
    CString strOne;
    BYTE fVirt = 0;
    WORD wKey = 0;
    while (EnumShortcuts(nIndex, nCommand, strOne, fVirt, wKey))
        strText = strText.IsEmpty() ? strOne : strText + ", " + strOne;
    return !strText.IsEmpty();
}

CString CXTAccelManager::GetKeyName(WORD wKey)
{
    if ((wKey >= '0' && wKey <= '9') || (wKey >= 'A' && wKey <= 'Z'))
        return CString((char)wKey, 1);
    for (const KeyName& k : kKeyNames)
        if (k.wKey == wKey)
            return k.pszName;
    return "";
}

CString CXTAccelManager::FormatShortcut(BYTE fVirt, WORD wKey)
{
    if (wKey == 0)
        return "";
    CString strText;
    for (const KeyName& m : kModifiers)
        if (fVirt & m.wKey)
            strText += CString(m.pszName) + "+";
    return strText + GetKeyName(wKey);
}

BOOL CXTAccelManager::TranslateKey(const MSG* pMsg) const
{
    // Alt combinations arrive as system keys: without them an Alt shortcut
    // would lose to the menu bar's mnemonics.
    if (pMsg == nullptr || (pMsg->message != WM_KEYDOWN && pMsg->message != WM_SYSKEYDOWN))
        return FALSE;
    WORD wKey = (WORD)pMsg->wParam;
    if (wKey == VK_SHIFT || wKey == VK_CONTROL || wKey == VK_MENU)
        return FALSE;
    BYTE fVirt = FVIRTKEY | FNOINVERT;
    if (::GetKeyState(VK_MENU) < 0)
        fVirt |= FALT;
    if (::GetKeyState(VK_CONTROL) < 0)
        fVirt |= FCONTROL;
    if (::GetKeyState(VK_SHIFT) < 0)
        fVirt |= FSHIFT;
    UINT nCommand = 0;
    return FindShortcut(fVirt, wKey, nCommand);
}

void CXTAccelManager::AnnotateMenu(HMENU hMenu) const
{
    int nCount = ::IsMenu(hMenu) ? ::GetMenuItemCount(hMenu) : 0;
    for (int i = 0; i < nCount; ++i)
    {
        char szText[256] = "";
        CXTMenuItemInfo info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = szText;
        info.cch = sizeof(szText);
        if (!::GetMenuItemInfoA(hMenu, i, TRUE, &info) || info.hSubMenu != nullptr
            || (info.fType & (MFT_SEPARATOR | MFT_OWNERDRAW | MFT_BITMAP)) != 0)
            continue;
        CString strText = szText;
        int nTab = strText.Find('\t');
        if (nTab >= 0)
            strText = strText.Left(nTab);
        CString strShortcut;
        if (GetShortcutText(info.wID, strShortcut))
        {
            int nComma = strShortcut.Find(',');
            strText += "\t" + (nComma >= 0 ? strShortcut.Left(nComma) : strShortcut);
        }
        if (strText == szText)
            continue;
        CXTMenuItemInfo change;
        change.fMask = MIIM_STRING;
        change.dwTypeData = const_cast<LPSTR>((LPCSTR)strText);
        ::SetMenuItemInfoA(hMenu, i, TRUE, &change);
    }
}

// ---------------------------------------------------------------------------
// Commands of the frame's menu

HMENU CXTAccelManager::GetFrameMenu() const
{
    HWND hWndFrame = m_pFrame != nullptr ? m_pFrame->GetSafeHwnd() : nullptr;
    if (hWndFrame == nullptr)
        return nullptr;
    if (HMENU hMenu = ::GetMenu(hWndFrame))
        return hMenu;
    return g_pfnMenuBarMenu != nullptr ? g_pfnMenuBarMenu(hWndFrame) : nullptr;
}

void CXTAccelManager::AddCategories(HMENU hMenu, const CString& strPath)
{
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
        if (IsCommandItem(hMenu, i))
        {
            m_categories.push_back({ strPath, hMenu });
            break;
        }
    for (int i = 0; i < nCount; ++i)
        if (HMENU hSub = ::GetSubMenu(hMenu, i))
            AddCategories(hSub, JoinPath(strPath, " | ", CleanItemName(hMenu, i)));
}

void CXTAccelManager::AddCommands(HMENU hMenu, const CString& strPath)
{
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        CString strItemPath = JoinPath(strPath, "\\", CleanItemName(hMenu, i));
        if (HMENU hSub = ::GetSubMenu(hMenu, i))
        {
            AddCommands(hSub, strItemPath);
            continue;
        }
        if (!IsCommandItem(hMenu, i))
            continue;
        UINT nID = ::GetMenuItemID(hMenu, i);
        if (m_excluded.count(nID))
            continue;
        auto sub = m_subCommands.find(nID);
        if (sub != m_subCommands.end())
        {
            for (const XT_ACCEL_COMMAND& c : sub->second)
            {
                CString strSubPath = JoinPath(strItemPath, "\\", c.strName);
                m_commands.push_back({ c.nID, strSubPath });
                m_paths[c.nID] = strSubPath;
            }
            continue;
        }
        m_commands.push_back({ nID, strItemPath });
        m_paths[nID] = strItemPath;
    }
}

void CXTAccelManager::BuildCommandList(HMENU hMenu)
{
    if (hMenu == nullptr)
        hMenu = GetFrameMenu();
    m_categories.clear();
    m_commands.clear();
    m_paths.clear();
    if (!::IsMenu(hMenu))
        return;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        HMENU hPopup = ::GetSubMenu(hMenu, i);
        if (hPopup == nullptr)
            continue;
        CString strName = CleanItemName(hMenu, i);
        AddCategories(hPopup, strName);
        AddCommands(hPopup, strName);
        for (const XT_ACCEL_EXTRA& extra : m_extras)
            if (extra.strCategory.CompareNoCase(strName) == 0)
            {
                CString strPath = strName + "\\" + extra.strCommand;
                m_commands.push_back({ extra.nID, strPath });
                m_paths[extra.nID] = strPath;
            }
    }
}

void CXTAccelManager::FillCategoryCombo(CComboBox* pCombo) const
{
    for (const XT_ACCEL_CATEGORY& c : m_categories)
    {
        int nIndex = pCombo->AddString(c.strName);
        if (nIndex >= 0)
            pCombo->SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(c.hMenu));
    }
}

BOOL CXTAccelManager::FindCommandName(UINT nID, CString& strName) const
{
    for (const XT_ACCEL_COMMAND& c : m_commands)
        if (c.nID == nID)
        {
            strName = c.strName;
            return TRUE;
        }
    return FALSE;
}

void CXTAccelManager::AddCommand(UINT nID, LPCSTR pszName)
{
    m_commands.push_back({ nID, pszName });
}

void CXTAccelManager::AddSubCommand(UINT nID, UINT nSubID, LPCSTR pszName)
{
    m_subCommands[nID].push_back({ nSubID, pszName });
}

void CXTAccelManager::AddExtraCommand(LPCSTR pszCategory, LPCSTR pszCommand, UINT nID)
{
    m_extras.push_back({ pszCategory, pszCommand, nID });
}

CString CXTAccelManager::GetCommandPath(UINT nID) const
{
    auto it = m_paths.find(nID);
    return it == m_paths.end() ? CString() : it->second;
}
