// The page list of a project: which entry a page file takes, the "Open Menu: "
// commands, and the backup of a removed page's file.
#include "shared/menuobj/PageList.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

using testing_support::MessageBoxRecorder;
using testing_support::TempFolder;

TEST(PageListTest, PageFileNamesChooseTheirEntry)
{
    struct Row { std::initializer_list<LPCSTR> used; LPCSTR pszFile; int nNumber; } rows[] = {
        { {}, "page03.ini", 3 },
        { { "a.ini", "b.ini" }, "menu.ini", 3 },
        { {}, "page25.ini", 1 },
        { {}, "page00.ini", 1 },
        { { "a.ini" }, "C:\\Proj\\seite24.ini", 24 },
        { { "a.ini" }, "C:\\Proj.12\\seite", 2 },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszFile);
        CPageList pages;
        for (LPCSTR name : row.used)
            pages.AddPage("t", "", "", name);
        EXPECT_EQ(row.nNumber, pages.AddPage("Titel", "", "", row.pszFile));
        ASSERT_NE(nullptr, pages.GetPage(row.nNumber));
        EXPECT_EQ(row.pszFile, std::string(pages.GetPage(row.nNumber)->m_strPageFile));
    }
}

TEST(PageListTest, APageNamedTwiceCountsOnce)
{
    CPageList pages;
    pages.AddPage("a", "", "", "page02.ini");
    pages.AddPage("a", "", "", "page02.ini");
    EXPECT_EQ(1, pages.GetUsedCount());
    for (int i = 0; i < 24; ++i)
        EXPECT_GT(pages.AddPage("x", "", "", "x.ini"), 0) << i;
    EXPECT_TRUE(pages.IsFull());
    EXPECT_EQ(-1, pages.AddPage("y", "", "", "y.ini"));
}

TEST(PageListTest, EntriesTakeDefaultsAndBareTitles)
{
    CPageList pages;
    int nNumber = pages.AddPage("  %Galerie%  ", "", "", "");
    const CSubmenuFiles* pEntry = pages.GetPage(nNumber);
    ASSERT_NE(nullptr, pEntry);
    EXPECT_EQ("Galerie", std::string(pEntry->m_strTitle));
    EXPECT_EQ("Velconf.ini", std::string(pEntry->m_strMainFile));
    EXPECT_EQ("page01.ini", std::string(pEntry->m_strPageFile));
    EXPECT_EQ("Submenu-1", std::string(pEntry->m_strDefaultTitle));
    pages.AddPage("", "", "", "");
    EXPECT_EQ("Submenu-2", std::string(pages.GetPage(2)->m_strTitle));
}

TEST(PageListTest, RebuiltMenuStopsAtTheFirstGap)
{
    CPageList pages;
    for (LPCSTR name : { "page01.ini", "page02.ini", "page04.ini" })
        pages.AddPage(name, "", "", name);
    HMENU hMenu = CreatePopupMenu();
    AppendMenuA(hMenu, MF_STRING, 106, "Seite");
    AppendMenuA(hMenu, MF_STRING, 999, "old");
    pages.BuildPageMenu(hMenu);
    ASSERT_EQ(4, GetMenuItemCount(hMenu));
    EXPECT_EQ(106u, GetMenuItemID(hMenu, 0));
    EXPECT_EQ(32851u, GetMenuItemID(hMenu, 2));
    EXPECT_EQ(32852u, GetMenuItemID(hMenu, 3));
    char text[64] = "";
    GetMenuStringA(hMenu, 3, text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ("Open Menu: page02.ini", text);
    DestroyMenu(hMenu);
}

TEST(PageListTest, RemovingMatchesWholeFileNamesAndKeepsABackup)
{
    MessageBoxRecorder boxes;
    TempFolder folder;
    CString page1 = folder.Write("page1.ini", "x");
    folder.Write("page1.ini.bak", "older");
    CPageList pages;
    pages.AddPage("a", "", "", folder.File("page11.ini"));
    pages.AddPage("b", "", "", page1);
    pages.RemovePage(page1, TRUE);
    EXPECT_EQ(1, pages.GetUsedCount());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(page1));
    EXPECT_EQ("x", std::string(testing_support::ReadFileText(page1 + ".bak")));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_NE(std::string::npos, std::string(boxes.Last().strText).find("page1.ini.bak"));

    pages.RemovePage(folder.File("page11.ini"), TRUE);   // no such file: no box
    EXPECT_EQ(0, pages.GetUsedCount());
    EXPECT_EQ(1u, boxes.Count());
}
