#include "toolkit/bars/XTAccelManager.h"

#include "toolkit/bars/XTTestAppKey.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/FrameWnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The application's registry key is the test's own while it runs.
class AccelManagerTest : public testing::Test
{
protected:
    void SetUp() override { m_manager.SetSaveOnDestroy(FALSE); }
    static BOOL StoredBytes(std::vector<BYTE>& data)
    {
        BYTE* pData = nullptr;
        UINT nBytes = 0;
        if (!CXTRegistryStore().GetProfileBinary("Settings", "Accelerators", &pData, &nBytes))
            return FALSE;
        data.assign(pData, pData + nBytes);
        delete[] pData;
        return TRUE;
    }

    toolkit_test::AppKeyScope m_key { "TarnixAccelManagerTest", "Keys" };
    CXTAccelManager m_manager;
};

TEST_F(AccelManagerTest, ShortcutsReadAsText)
{
    struct Row { BYTE fVirt; WORD wKey; const char* pszText; };
    const Row rows[] = {
        { FVIRTKEY | FCONTROL | FSHIFT, 'S', "Shift+Ctrl+S" },
        { FVIRTKEY | FALT | FCONTROL, VK_F4, "Ctrl+Alt+F4" },
        { 0, '0', "0" },
        { FVIRTKEY, VK_NUMPAD5, "Num 5" },
        { FVIRTKEY, VK_OEM_CLEAR, "Oem Clear" },
        { FVIRTKEY | FSHIFT, VK_DELETE, "Shift+Del" },
        { FVIRTKEY | FCONTROL, 0, "" },
        { FVIRTKEY | FCONTROL, 0xE9, "Ctrl+" },   // no name for the key
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszText);
        EXPECT_STREQ(row.pszText, CXTAccelManager::FormatShortcut(row.fVirt, row.wKey));
    }

    m_manager.AddShortcut(100, FVIRTKEY | FCONTROL, 'S');
    m_manager.AddShortcut(101, FVIRTKEY | FCONTROL, 'O');
    m_manager.AddShortcut(100, FVIRTKEY, VK_F12);
    CString strText;
    EXPECT_TRUE(m_manager.GetShortcutText(100, strText));
    EXPECT_STREQ("Ctrl+S, F12", strText);
    EXPECT_FALSE(m_manager.GetShortcutText(102, strText));
    EXPECT_STREQ("", strText);
}

TEST_F(AccelManagerTest, KeyPressesMatchByModifiersOnly)
{
    m_manager.AddShortcut(100, FCONTROL, 'S');   // stored without FVIRTKEY
    BYTE saved[256];
    ::GetKeyboardState(saved);
    struct Row { BOOL bShift, bCtrl; UINT message; WORD wKey; BOOL bMatch; const char* pszWhat; };
    const Row rows[] = {
        { FALSE, TRUE, WM_KEYDOWN, 'S', TRUE, "Ctrl+S" },
        { TRUE, TRUE, WM_KEYDOWN, 'S', FALSE, "Shift+Ctrl+S" },
        { FALSE, FALSE, WM_KEYDOWN, 'S', FALSE, "S" },
        { FALSE, TRUE, WM_KEYDOWN, VK_CONTROL, FALSE, "Ctrl alone" },
        { FALSE, TRUE, WM_KEYUP, 'S', FALSE, "a key going up" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszWhat);
        BYTE keys[256];
        memcpy(keys, saved, sizeof(keys));
        keys[VK_SHIFT] = row.bShift ? 0x80 : 0;
        keys[VK_CONTROL] = row.bCtrl ? 0x80 : 0;
        keys[VK_MENU] = 0;
        ::SetKeyboardState(keys);
        MSG msg = { nullptr, row.message, row.wKey, 0, 0, { 0, 0 } };
        EXPECT_EQ(row.bMatch, m_manager.TranslateKey(&msg));
    }
    ::SetKeyboardState(saved);
}

TEST_F(AccelManagerTest, TableIsStoredAsSixBytesARecord)
{
    const BYTE bytes[13] = { FVIRTKEY | FCONTROL, 0, 'S', 0, 0x64, 0, FVIRTKEY, 0, VK_F12, 0, 0x34, 0x12, 0xFF };
    ASSERT_TRUE(CXTRegistryStore().WriteProfileBinary("Settings", "Accelerators", bytes, sizeof(bytes)));
    EXPECT_TRUE(m_manager.Load());
    ASSERT_EQ(2u, m_manager.GetTable().size());
    EXPECT_EQ(0x1234, m_manager.GetTable()[1].cmd);
    EXPECT_EQ(VK_F12, m_manager.GetTable()[1].key);

    m_manager.RemoveShortcut(FVIRTKEY | FCONTROL, 'S');
    EXPECT_TRUE(m_manager.SaveIfChanged());
    std::vector<BYTE> stored;
    ASSERT_TRUE(StoredBytes(stored));
    EXPECT_EQ((std::vector<BYTE>{ FVIRTKEY, 0, VK_F12, 0, 0x34, 0x12 }), stored);

    m_manager.ResetAll();   // no frame: the table is the (empty) default, and the stored one goes
    EXPECT_TRUE(m_manager.SaveIfChanged());
    EXPECT_FALSE(StoredBytes(stored));
    EXPECT_FALSE(m_manager.Load());
    EXPECT_TRUE(m_manager.GetTable().empty());
}

TEST_F(AccelManagerTest, BoundFrameGetsTheStoredTableAndItsDefaultBack)
{
    ACCEL defaults[] = { { FVIRTKEY | FCONTROL, 'N', 1 }, { FVIRTKEY, VK_F1, 2 } };
    CFrameWnd frame;
    frame.m_hAccelTable = ::CreateAcceleratorTableA(defaults, 2);
    auto frameTable = [&frame]() {
        std::vector<ACCEL> table(::CopyAcceleratorTableA(frame.m_hAccelTable, nullptr, 0));
        ::CopyAcceleratorTableA(frame.m_hAccelTable, table.data(), (int)table.size());
        return table;
    };
    {
        SCOPED_TRACE("nothing stored: the frame's table stays");
        EXPECT_TRUE(m_manager.Bind(&frame));
        EXPECT_TRUE(m_manager.IsEnabled());
        EXPECT_EQ(2u, m_manager.GetTable().size());
        EXPECT_EQ(2u, frameTable().size());
    }
    {
        SCOPED_TRACE("a stored table replaces it");
        const ACCEL stored[] = { { FVIRTKEY | FALT, 'X', 3 } };
        ASSERT_TRUE(m_manager.Save(stored, 1));
        CXTAccelManager manager;
        manager.SetSaveOnDestroy(FALSE);
        EXPECT_TRUE(manager.Bind(&frame));
        std::vector<ACCEL> table = frameTable();
        ASSERT_EQ(1u, table.size());
        EXPECT_EQ(3, table[0].cmd);
        EXPECT_EQ(2u, manager.GetDefaultTable().size());   // the program's table, as it was when bound

        SCOPED_TRACE("reset: the default back");
        EXPECT_TRUE(m_manager.ResetAll());
        EXPECT_EQ(2u, frameTable().size());
    }
}

TEST_F(AccelManagerTest, CommandsAreListedByTheirMenuPaths)
{
    HMENU hMenu = ::CreateMenu();
    HMENU hFile = ::CreatePopupMenu(), hRecent = ::CreatePopupMenu(), hEdit = ::CreatePopupMenu();
    ::AppendMenuA(hRecent, MF_STRING, 2, "&A");
    ::AppendMenuA(hFile, MF_STRING, 1, "&New\tCtrl+N");
    ::AppendMenuA(hFile, MF_POPUP, (UINT_PTR)hRecent, "&Recent");
    ::AppendMenuA(hFile, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hEdit, MF_STRING, 3, "&Copy");
    ::AppendMenuA(hEdit, MF_STRING, 4, "&Paste");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hFile, "&File");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hEdit, "&Edit");
    m_manager.ExcludeCommand(3);
    m_manager.AddSubCommand(4, 41, "Text");
    m_manager.AddSubCommand(4, 42, "Picture");
    m_manager.AddExtraCommand("EDIT", "Select All", 5);
    m_manager.BuildCommandList(hMenu);

    std::vector<CString> categories;
    for (const XT_ACCEL_CATEGORY& c : m_manager.GetCategories())
        categories.push_back(c.strName);
    EXPECT_EQ((std::vector<CString>{ "File", "File | Recent", "Edit" }), categories);
    EXPECT_EQ(hRecent, m_manager.GetCategories()[1].hMenu);

    struct Row { UINT nID; const char* pszPath; };
    const Row rows[] = {
        { 1, "File\\New" }, { 2, "File\\Recent\\A" }, { 41, "Edit\\Paste\\Text" }, { 42, "Edit\\Paste\\Picture" },
        { 5, "Edit\\Select All" },
    };
    ASSERT_EQ(5u, m_manager.GetCommands().size());
    for (size_t i = 0; i < 5; ++i)
    {
        SCOPED_TRACE(rows[i].pszPath);
        EXPECT_EQ(rows[i].nID, m_manager.GetCommands()[i].nID);
        EXPECT_STREQ(rows[i].pszPath, m_manager.GetCommands()[i].strName);
        EXPECT_STREQ(rows[i].pszPath, m_manager.GetCommandPath(rows[i].nID));
    }
    CString strName;
    EXPECT_FALSE(m_manager.FindCommandName(3, strName));
    ::DestroyMenu(hMenu);
}

TEST_F(AccelManagerTest, PopupEntriesShowTheFirstShortcut)
{
    m_manager.AddShortcut(1, FVIRTKEY, VK_F3);
    m_manager.AddShortcut(1, FVIRTKEY | FCONTROL, 'O');
    m_manager.AddShortcut(3, FVIRTKEY | FCONTROL, 'P');
    HMENU hMenu = ::CreatePopupMenu(), hSub = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, 1, "&Open\tCtrl+O");
    ::AppendMenuA(hMenu, MF_STRING, 2, "&Save\tCtrl+S");
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hMenu, MF_STRING, 3, "&Print");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hSub, "&Recent\tList");
    m_manager.AnnotateMenu(hMenu);
    const char* expected[] = { "&Open\tF3", "&Save", "", "&Print\tCtrl+P", "&Recent\tList" };
    for (int i = 0; i < 5; ++i)
    {
        SCOPED_TRACE(i);
        char szText[64] = "";
        ::GetMenuStringA(hMenu, i, szText, sizeof(szText), MF_BYPOSITION);
        EXPECT_STREQ(expected[i], szText);
    }
    EXPECT_EQ(hSub, ::GetSubMenu(hMenu, 4));
    ::DestroyMenu(hMenu);
}

} // namespace
