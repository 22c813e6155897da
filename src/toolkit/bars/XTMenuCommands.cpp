#include "toolkit/bars/XTMenuCommands.h"

#include "toolkit/bars/XTCrc32.h"

namespace {

CString MenuText(HMENU hMenu, int nPos)
{
    char szText[256] = "";
    ::GetMenuStringA(hMenu, (UINT)nPos, szText, sizeof(szText), MF_BYPOSITION);
    return CString(szText);
}

// The text as the sheet shows it: no "&", nothing from the tab on.
CString CleanText(CString strText)
{
    int nTab = strText.Find('\t');
    if (nTab >= 0)
        strText = strText.Left(nTab);
    strText.Remove('&');
    return strText;
}

} // namespace

DWORD XTMenuPathKey(LPCSTR lpszText, DWORD dwParentKey, BOOL bTopLevel)
{
    CXTCrc32 crc;
    crc.SetValue(bTopLevel ? 0 : dwParentKey);
    crc.Update(lpszText, strlen(lpszText));
    const BYTE zeros[4] = {};
    return crc.Update(zeros, sizeof(zeros));
}

void XTBuildMenuCommandGroups(HMENU hMenu, XT_COMMAND_GROUPS& groups)
{
    for (int i = 0; hMenu != nullptr && i < ::GetMenuItemCount(hMenu); ++i)
    {
        CString strTop = MenuText(hMenu, i);
        HMENU hPopup = ::GetSubMenu(hMenu, i);
        if (strTop.IsEmpty() || hPopup == nullptr)
            continue;
        auto pGroup = std::make_unique<CXTCommandGroup>();
        pGroup->m_strName = CleanText(strTop);
        pGroup->m_nSortKey = 1000 + i;
        const DWORD dwTopKey = XTMenuPathKey(strTop);
        for (int j = 0; j < ::GetMenuItemCount(hPopup); ++j)
        {
            CString strText = MenuText(hPopup, j);
            if (strText.IsEmpty())
                continue;
            auto pItem = std::make_unique<CXTCommandItem>();
            pItem->m_strText = CleanText(strText);
            if (::GetSubMenu(hPopup, j) != nullptr)
            {
                pItem->m_nID = 0;
                pItem->m_strText2 = strText;
                pItem->m_pDropDown = std::make_unique<CXTButtonInfo>();
                pItem->m_pDropDown->bManagerPopup = TRUE;
                pItem->m_pDropDown->nPopupID = XTMenuPathKey(strText, dwTopKey, FALSE);
            }
            else
                pItem->m_nID = ::GetMenuItemID(hPopup, j);
            pGroup->m_items.push_back(std::move(pItem));
        }
        groups.push_back(std::move(pGroup));
    }
}

namespace {

// Finds the item one level below the top whose path key is dwKey and which the
// test accepts (a command, or a popup).
template <class Accept>
bool FindItemByKey(HMENU hMenu, DWORD dwKey, Accept accept, HMENU& hFoundIn, int& nFound)
{
    for (int i = 0; hMenu != nullptr && i < ::GetMenuItemCount(hMenu); ++i)
    {
        HMENU hPopup = ::GetSubMenu(hMenu, i);
        if (hPopup == nullptr)
            continue;
        const DWORD dwTopKey = XTMenuPathKey(MenuText(hMenu, i));
        for (int j = 0; j < ::GetMenuItemCount(hPopup); ++j)
        {
            if (accept(hPopup, j) && XTMenuPathKey(MenuText(hPopup, j), dwTopKey, FALSE) == dwKey)
            {
                hFoundIn = hPopup;
                nFound = j;
                return true;
            }
        }
    }
    return false;
}

} // namespace

UINT XTFindMenuCommandByKey(HMENU hMenu, DWORD dwKey)
{
    auto isCommand = [](HMENU h, int n) {
        const UINT nID = ::GetMenuItemID(h, n);
        return nID != 0 && nID != (UINT)-1;
    };
    HMENU hPopup = nullptr;
    int nItem = 0;
    return FindItemByKey(hMenu, dwKey, isCommand, hPopup, nItem) ? ::GetMenuItemID(hPopup, nItem) : 0;
}

HMENU XTFindMenuPopupByKey(HMENU hMenu, DWORD dwKey)
{
    auto isPopup = [](HMENU h, int n) { return ::GetSubMenu(h, n) != nullptr; };
    HMENU hPopup = nullptr;
    int nItem = 0;
    return FindItemByKey(hMenu, dwKey, isPopup, hPopup, nItem) ? ::GetSubMenu(hPopup, nItem) : nullptr;
}
