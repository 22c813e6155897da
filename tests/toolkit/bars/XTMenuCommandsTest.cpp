// A menu's commands as the customise sheet offers them, and the keys that
// find an entry again by its path of texts.
#include "toolkit/bars/XTMenuCommands.h"

#include "toolkit/bars/XTCrc32.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

// "&File": New (100), Recent > One (101); "&Edit": Cut (102).
HMENU MakeMenu()
{
    HMENU hMenu = ::CreateMenu();
    HMENU hFile = ::CreatePopupMenu();
    HMENU hRecent = ::CreatePopupMenu();
    HMENU hEdit = ::CreatePopupMenu();
    ::AppendMenuA(hRecent, MF_STRING, 101, "One");
    ::AppendMenuA(hFile, MF_STRING, 100, "&New\tCtrl+N");
    ::AppendMenuA(hFile, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hFile, MF_POPUP, (UINT_PTR)hRecent, "&Recent");
    ::AppendMenuA(hEdit, MF_STRING, 102, "Cu&t");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hFile, "&File");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hEdit, "&Edit");
    return hMenu;
}

TEST(XTMenuCommands, GroupsPerPopupAndKeysByPath)
{
    HMENU hMenu = MakeMenu();
    XT_COMMAND_GROUPS groups;
    XTBuildMenuCommandGroups(hMenu, groups);
    ASSERT_EQ(2u, groups.size());
    EXPECT_EQ(CString("File"), groups[0]->m_strName);
    EXPECT_EQ(1000, groups[0]->m_nSortKey);
    EXPECT_EQ(1001, groups[1]->m_nSortKey);
    ASSERT_EQ(2u, groups[0]->m_items.size());   // the separator has no text
    EXPECT_EQ(CString("New"), groups[0]->m_items[0]->m_strText);
    EXPECT_EQ(100u, groups[0]->m_items[0]->m_nID);
    const CXTCommandItem& recent = *groups[0]->m_items[1];
    EXPECT_EQ(0u, recent.m_nID);
    ASSERT_NE(nullptr, recent.m_pDropDown);
    EXPECT_TRUE(recent.m_pDropDown->bManagerPopup);

    // The key: a CRC over the top-level text as stored and four zero bytes,
    // continued over the entry's text and four zero bytes.
    CXTCrc32 crc;
    crc.Update("&File", 5);
    const BYTE zeros[4] = {};
    crc.Update(zeros, 4);
    crc.Update("&New\tCtrl+N", strlen("&New\tCtrl+N"));
    const DWORD dwNewKey = crc.Update(zeros, 4);
    EXPECT_EQ(100u, XTFindMenuCommandByKey(hMenu, dwNewKey));
    EXPECT_EQ(0u, XTFindMenuCommandByKey(hMenu, dwNewKey ^ 1));
    EXPECT_EQ(::GetSubMenu(::GetSubMenu(hMenu, 0), 2), XTFindMenuPopupByKey(hMenu, recent.m_pDropDown->nPopupID));
    ::DestroyMenu(hMenu);
}

} // namespace
