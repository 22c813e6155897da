#include "shared/menuobj/PageList.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"

IMPLEMENT_DYNAMIC(CPageList, CObject)

namespace {

const UINT IDS_OPEN_MENU = 195;
const int kMaxMenusSearched = 20;

CString OpenMenuText(const CSubmenuFiles& entry)
{
    CString prefix;
    if (!prefix.LoadString(IDS_OPEN_MENU) || prefix.IsEmpty())
        prefix = "Open Menu: ";
    return prefix + entry.m_strTitle;
}

CString FileNameOf(const CString& strPath)
{
    CString name = strPath.Mid(strPath.ReverseFind('\\') + 1);
    name.MakeLower();
    return name;
}

} // namespace

void CPageList::Reset()
{
    for (int i = 0; i < kMaxPages; ++i)
    {
        m_entries[i].Clear();
        m_entries[i].m_nNumber = i + 1;
    }
    m_nUsed = 0;
}

int CPageList::NumberFromFileName(const CString& strPageFile)
{
    // Only the file name counts: a dot in a folder name is no extension.
    CString name = strPageFile.Mid(strPageFile.ReverseFind('\\') + 1);
    int nDot = name.ReverseFind('.');
    if (nDot < 2)
        return 0;
    char chTens = name[nDot - 2], chOnes = name[nDot - 1];
    if (chTens < '0' || chTens > '9' || chOnes < '0' || chOnes > '9')
        return 0;
    int nNumber = (chTens - '0') * 10 + (chOnes - '0');
    return nNumber >= 1 && nNumber <= kMaxPages - 1 ? nNumber : 0;
}

int CPageList::AddPage(const CString& strTitle, const CString& strMainFile, const CString& strBackText,
                       const CString& strPageFile)
{
    if (IsFull())
        return -1;
    int nIndex = NumberFromFileName(strPageFile) - 1;
    for (int i = 0; nIndex < 0 && i < kMaxPages; ++i)
        if (!m_entries[i].m_bUsed)
            nIndex = i;
    CSubmenuFiles& entry = m_entries[nIndex];
    // An entry named twice is one page: counting it again would fill the list early.
    if (!entry.m_bUsed)
        ++m_nUsed;
    entry.Set(nIndex + 1, strTitle, strMainFile, strBackText, strPageFile);
    AddPageMenuItem(entry, ID_PAGEMENU_ANCHOR, ID_PAGEMENU_BASE + 1);
    return entry.m_nNumber;
}

void CPageList::RemovePage(const CString& strPath, BOOL bBackup)
{
    CString name = FileNameOf(strPath);
    if (name.IsEmpty())
        return;
    for (CSubmenuFiles& entry : m_entries)
    {
        if (!entry.m_bUsed || entry.m_strPageFile.IsEmpty() || FileNameOf(entry.m_strPageFile) != name)
            continue;
        int nNumber = entry.m_nNumber;
        if (bBackup)
            entry.RemoveFile(strPath);
        else
            entry.Clear();
        entry.m_nNumber = nNumber;
        --m_nUsed;
    }
}

CSubmenuFiles* CPageList::GetPage(int nNumber)
{
    if (nNumber < 1 || nNumber > kMaxPages)
        return nullptr;
    CSubmenuFiles& entry = m_entries[nNumber - 1];
    return entry.m_bUsed && entry.m_nNumber == nNumber ? &entry : nullptr;
}

void CPageList::BuildPageMenu(HMENU hMenu)
{
    if (hMenu == nullptr)
        return;
    while (GetMenuItemCount(hMenu) > 1)
        DeleteMenu(hMenu, 1, MF_BYPOSITION);
    for (int k = 1; GetPage(k) != nullptr; ++k)
    {
        if (k == 1)
            AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
        InsertMenuA(hMenu, (UINT)(k + 1), MF_BYPOSITION | MF_STRING, ID_PAGEMENU_BASE + k, OpenMenuText(*GetPage(k)));
    }
}

HMENU CPageList::FindAnchorMenu(HMENU hMenuBar, UINT nAnchorId)
{
    int nMenus = hMenuBar != nullptr ? GetMenuItemCount(hMenuBar) : 0;
    for (int i = 0; i < nMenus && i < kMaxMenusSearched; ++i)
    {
        HMENU hSub = GetSubMenu(hMenuBar, i);
        if (hSub != nullptr && GetMenuItemID(hSub, 0) == nAnchorId)
            return hSub;
    }
    return nullptr;
}

namespace {
CPageList::MainMenuFinder g_pfnMainMenuFinder = nullptr;
} // namespace

void CPageList::SetMainMenuFinder(MainMenuFinder pfnFinder)
{
    g_pfnMainMenuFinder = pfnFinder;
}

void CPageList::AddPageMenuItem(const CSubmenuFiles& entry, UINT nAnchorId, UINT nBaseId)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    HMENU hMenuBar = nullptr;
    if (g_pfnMainMenuFinder != nullptr)
        hMenuBar = g_pfnMainMenuFinder();
    else if (pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != nullptr)
        hMenuBar = ::GetMenu(pMainWnd->GetSafeHwnd());
    HMENU hPages = FindAnchorMenu(hMenuBar, nAnchorId);
    if (hPages == nullptr)
        return;
    if (entry.m_nNumber == 1)
        AppendMenuA(hPages, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hPages, MF_STRING, nBaseId - 1 + entry.m_nNumber, OpenMenuText(entry));
}
