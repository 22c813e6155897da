#include "toolkit/bars/XTToolsManager.h"

#include "toolkit/bars/XTCoolMenu.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "toolkit/bars/XTTestAppKey.h"

#include "framework/ListBox.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>

namespace {

XT_TOOL Tool(LPCSTR pszTitle, LPCSTR pszCommand, DWORD nCmdID = 0, LPCSTR pszArguments = "", LPCSTR pszDirectory = "")
{
    XT_TOOL tool = {};
    lstrcpynA(tool.szTitle, pszTitle, sizeof(tool.szTitle));
    lstrcpynA(tool.szCommand, pszCommand, sizeof(tool.szCommand));
    lstrcpynA(tool.szArguments, pszArguments, sizeof(tool.szArguments));
    lstrcpynA(tool.szDirectory, pszDirectory, sizeof(tool.szDirectory));
    tool.nCmdID = nCmdID;
    return tool;
}

// The application's registry key is the test's own while it runs; the
// manager's tools start from this test program, a file that exists.
class ToolsManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ::GetModuleFileNameA(nullptr, m_szProgram, sizeof(m_szProgram));
        m_manager.SetSaveOnDestroy(FALSE);
        m_hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        m_cool.Install(m_hWnd);
        m_manager.Enable(&m_cool, 3, 2);
    }
    void TearDown() override
    {
        m_cool.Destroy();
        ::DestroyWindow(m_hWnd);
    }
    std::vector<std::string> MenuTexts() const
    {
        std::vector<std::string> texts;
        HMENU hMenu = m_manager.GetMenu();
        for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
        {
            char szText[64] = "";
            ::GetMenuStringA(hMenu, i, szText, sizeof(szText), MF_BYPOSITION);
            texts.push_back(::GetMenuItemID(hMenu, i) == 0 ? "-" : szText);
        }
        return texts;
    }

    toolkit_test::AppKeyScope m_key { "TarnixToolsManagerTest", "Tools" };
    char m_szProgram[MAX_PATH] = "";
    HWND m_hWnd = nullptr;
    CXTCoolMenu m_cool;
    CXTToolsManager m_manager;
};

TEST_F(ToolsManagerTest, NewestToolsComeFirstAndEachGetsAFreeId)
{
    EXPECT_EQ((std::vector<std::string>{ "Customize..." }), MenuTexts());
    m_manager.AddTool(Tool("First", m_szProgram));
    m_manager.AddTool(Tool("Second", "http://example.invalid/"));
    m_manager.AddTool(Tool("Nowhere", "C:\\no\\such\\program.exe"));   // kept, but no entry
    m_manager.AddTool(Tool("Third", m_szProgram));
    EXPECT_EQ((std::vector<std::string>{ "Third", "Second", "First", "-", "Customize..." }), MenuTexts());
    const DWORD expectedIds[] = { 53000, 53001, 53002, 53003 };
    for (int i = 0; i < 4; ++i)
    {
        SCOPED_TRACE(m_manager.GetTool(i)->szTitle);
        EXPECT_EQ(expectedIds[i], m_manager.GetTool(i)->nCmdID);
    }
    EXPECT_GE(m_cool.GetImageIndex(53000), 0);   // the program's icon
    EXPECT_EQ(-1, m_cool.GetImageIndex(53002));

    CListBox list;
    list.Attach(::CreateWindowExA(0, "LISTBOX", "", WS_CHILD, 0, 0, 100, 100, m_hWnd, nullptr, nullptr, nullptr));
    m_manager.FillListBox(&list);
    ASSERT_EQ(4, (int)list.SendMessage(LB_GETCOUNT));
    const char* titles[] = { "Third", "Nowhere", "Second", "First" };
    for (int i = 0; i < 4; ++i)
    {
        char szText[64] = "";
        list.SendMessage(LB_GETTEXT, i, (LPARAM)szText);
        EXPECT_STREQ(titles[i], szText);
        EXPECT_EQ((LRESULT)m_manager.GetTool(3 - i), list.SendMessage(LB_GETITEMDATA, i));
    }
    list.DestroyWindow();
}

TEST_F(ToolsManagerTest, StoredRecordsRoundTripAndRemovingTheLastLeavesCustomizeOnly)
{
    m_manager.AddTool(Tool("Editor", m_szProgram, 53100, "-n", "C:\\"));
    EXPECT_TRUE(m_manager.SaveIfChanged());
    CXTToolsManager loaded;
    loaded.SetSaveOnDestroy(FALSE);
    ASSERT_TRUE(loaded.Load());
    ASSERT_EQ(1, loaded.GetToolCount());
    EXPECT_EQ(0, memcmp(m_manager.GetTool(0), loaded.GetTool(0), sizeof(XT_TOOL)));

    EXPECT_TRUE(m_manager.RemoveTool(m_manager.GetTool(0)));
    EXPECT_FALSE(m_manager.RemoveTool(loaded.GetTool(0)));   // not one of its records
    EXPECT_TRUE(m_manager.SaveIfChanged());
    EXPECT_EQ((std::vector<std::string>{ "Customize..." }), MenuTexts());
    loaded.Load();   // an empty list is stored as an empty value
    EXPECT_EQ(0, loaded.GetToolCount());

    m_manager.RemoveAll();
    EXPECT_TRUE(m_manager.SaveIfChanged());
    EXPECT_FALSE(loaded.Load());
}

TEST_F(ToolsManagerTest, ValueOfOddSizeKeepsWholeRecordsWithTerminatedTexts)
{
    std::vector<BYTE> data(1561, 'x');   // two records and a byte, no terminator anywhere
    ASSERT_TRUE(CXTRegistryStore().WriteProfileBinary("Settings", "Tools", data.data(), (UINT)data.size()));
    ASSERT_TRUE(m_manager.Load());
    ASSERT_EQ(2, m_manager.GetToolCount());
    EXPECT_EQ(127u, strlen(m_manager.GetTool(1)->szTitle));
    EXPECT_EQ(259u, strlen(m_manager.GetTool(1)->szDirectory));
}

TEST_F(ToolsManagerTest, ChosenToolStartsAsStored)
{
    testing_support::ProgramStartRecorder starts;
    m_manager.AddTool(Tool("Editor", m_szProgram, 53007, "-n %1", "C:\\work"));
    m_manager.AddTool(Tool("Nowhere", "nothing", 53008));
    EXPECT_TRUE(m_manager.Launch(53007));
    EXPECT_FALSE(m_manager.Launch(53008));
    EXPECT_FALSE(m_manager.Launch(53009));
    ASSERT_EQ(1u, starts.Starts().size());
    const AFX_PROGRAM_START& start = starts.Starts()[0];
    EXPECT_EQ(AFX_PROGRAM_START::shellExecute, start.kind);
    EXPECT_STREQ("open", start.strOperation);
    EXPECT_STREQ(m_szProgram, start.strFile);
    EXPECT_STREQ("-n %1", start.strParameters);
    EXPECT_STREQ("C:\\work", start.strDirectory);
    EXPECT_EQ(SW_SHOW, start.nShowCmd);
}

// A web address gets the shell's page icon without any file being written:
// a file of the user's in the temporary folder stays as it was.
TEST_F(ToolsManagerTest, WebAddressGetsAnIconAndTouchesNoFile)
{
    char szTemp[MAX_PATH] = "";
    ASSERT_GT(::GetTempPathA(sizeof(szTemp), szTemp), 0u);
    std::string strFile = std::string(szTemp) + "~tempfile.htm";
    FILE* pFile = fopen(strFile.c_str(), "wb");
    ASSERT_NE(nullptr, pFile);
    fputs("mine", pFile);
    fclose(pFile);

    m_manager.AddTool(Tool("Home page", "http://example.org/", 53010));
    EXPECT_EQ((std::vector<std::string>{ "Home page", "-", "Customize..." }), MenuTexts());

    char szRead[16] = "";
    pFile = fopen(strFile.c_str(), "rb");
    ASSERT_NE(nullptr, pFile);
    size_t nRead = fread(szRead, 1, sizeof(szRead) - 1, pFile);
    fclose(pFile);
    ::DeleteFileA(strFile.c_str());
    EXPECT_EQ(std::string("mine"), std::string(szRead, nRead));
}

} // namespace
