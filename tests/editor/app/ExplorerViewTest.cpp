// The explorer side bar with an open project: the list follows the files the
// editor adds, folders are found by their names on disk, the list's columns,
// and a creation that fails half-way.
#include "editor/app/ExplorerList.h"
#include "editor/app/ExplorerTree.h"

#include "EditorSession.h"
#include "EditorTesting.h"

#include "editor/resource.h"

#include <algorithm>
#include <string>
#include <vector>

using editor_testing::App;
using editor_testing::CopyProject;
using editor_testing::Text;
using testing_support::PumpPendingMessages;
using testing_support::TempFolder;

namespace {

using ExplorerViewTest = EditorSessionTest;

bool ListHas(CListCtrl& list, LPCSTR name)
{
    for (int i = 0; i < list.GetItemCount(); ++i)
        if (list.GetItemText(i, 0).CompareNoCase(name) == 0)
            return true;
    return false;
}

// Refuses to make windows of one class while it lives.
class RefusedWindowClass
{
public:
    explicit RefusedWindowClass(LPCSTR pszClass)
    {
        s_pszClass = pszClass;
        m_hHook = ::SetWindowsHookExA(WH_CBT, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~RefusedWindowClass() { ::UnhookWindowsHookEx(m_hHook); }
    RefusedWindowClass(const RefusedWindowClass&) = delete;
    RefusedWindowClass& operator=(const RefusedWindowClass&) = delete;

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        char name[64] = "";
        if (nCode == HCBT_CREATEWND && ::GetClassNameA((HWND)wParam, name, sizeof(name)) &&
            _stricmp(name, s_pszClass) == 0)
            return 1;
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static LPCSTR s_pszClass;
    HHOOK m_hHook;
};
LPCSTR RefusedWindowClass::s_pszClass = "";

} // namespace

// A file the editor adds to the project (a picture copied, a sub-page made)
// shows in the list at once.
TEST_F(ExplorerViewTest, TheListShowsTheFilesTheEditorAdds)
{
    TempFolder folder;
    folder.Write("Tarnix.exe", CString("x"));
    ASSERT_TRUE(App().OpenProjectFile(CopyProject(folder, "centred", "024000")));
    PumpPendingMessages();
    CExplorerView& bar = Frame()->GetExplorer();
    ASSERT_TRUE(bar.HasViews());
    CExplorerTree* pTree = bar.GetTree();
    struct Row { int nList; LPCSTR name; } rows[] = {
        { FILES_IMAGES, "Bild.bmp" }, { FILES_PAGES, "Seite2.ini" }, { FILES_DOCUMENTS, "Text.txt" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(ListHas(*bar.GetList(), row.name));
        folder.Write(row.name, CString("x"));
        ActiveDocument()->GetPage().UseFile(row.nList, row.name);
        EXPECT_TRUE(ListHas(*bar.GetList(), row.name));
    }
    // The tree stays as it was: the same views, the same folder.
    EXPECT_EQ(pTree, bar.GetTree());
    CString strSelected;
    ASSERT_TRUE(pTree->GetSelectedFolderPath(strSelected));
    EXPECT_EQ(0, strSelected.CompareNoCase(folder.Path())) << Text(strSelected);
}

// An open leaves nothing of its own for the message loop, where it would
// hold up the author's next command: when it returns, the side bar shows the
// project's folder and files, the tool bar the page's button states, and no
// window of the frame waits to be drawn.
TEST_F(ExplorerViewTest, AnOpenEndsWithEverythingItShowsDrawn)
{
    TempFolder folder;
    folder.Write("Tarnix.exe", CString("x"));
    const CString strProject = CopyProject(folder, "centred", "024000");
    // The bars as the idle turn leaves them without a page: nothing to save.
    Frame()->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    Frame()->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
    CXTToolBar& bar = Frame()->GetMainBar();
    const int nSave = bar.CommandToIndex(ID_FILE_SAVE);
    ASSERT_GE(nSave, 0);
    ASSERT_NE(0u, bar.GetButtonStyle(nSave) & TBBS_DISABLED);

    ASSERT_TRUE(App().OpenProjectFile(strProject));
    EXPECT_EQ(0u, bar.GetButtonStyle(nSave) & TBBS_DISABLED);
    CExplorerView& explorer = Frame()->GetExplorer();
    ASSERT_TRUE(explorer.HasViews());
    CString strSelected;
    ASSERT_TRUE(explorer.GetTree()->GetSelectedFolderPath(strSelected));
    EXPECT_EQ(0, strSelected.CompareNoCase(folder.Path())) << Text(strSelected);
    EXPECT_TRUE(ListHas(*explorer.GetList(), "Velconf.ini"));
    // The list takes the shell's icons only now, but before it is drawn.
    EXPECT_NE(nullptr, explorer.GetList()->GetImageList(LVSIL_SMALL));
    std::vector<std::string> waiting;
    auto collect = [](HWND hWnd, LPARAM lParam) -> BOOL {
        char name[64] = "";
        if (::IsWindowVisible(hWnd) && ::GetUpdateRect(hWnd, nullptr, FALSE) && ::GetClassNameA(hWnd, name, 64))
            reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(name);
        return TRUE;
    };
    collect(Frame()->m_hWnd, (LPARAM)&waiting);
    ::EnumChildWindows(Frame()->m_hWnd, collect, (LPARAM)&waiting);
    EXPECT_TRUE(waiting.empty()) << testing::PrintToString(waiting);
}

// The side bar's views are made, laid out and filled unseen, then drawn once:
// each resize, scroll bar and fill step would draw the list's themed frame and
// scroll bars again, and the list's and tree's first draws are the dearest
// part of an open. The list's header, which the list has drawn as it draws,
// is not drawn again after it.
TEST_F(ExplorerViewTest, AnOpenDrawsTheSideBarsViewsOnce)
{
    TempFolder folder;
    folder.Write("Tarnix.exe", CString("x"));
    const CString strProject = CopyProject(folder, "centred", "024000");
    struct Count { LPCSTR cls; UINT message; int n; } counts[] = {
        { "SysListView32", WM_NCPAINT, 0 }, { "SysListView32", WM_PAINT, 0 },
        { "SysTreeView32", WM_NCPAINT, 0 }, { "SysTreeView32", WM_PAINT, 0 },
        { "SysHeader32", WM_PAINT, 0 },
    };
    static Count* s_pCounts = counts;
    static const size_t s_nCounts = sizeof(counts) / sizeof(counts[0]);
    HHOOK hHook = ::SetWindowsHookExA(
        WH_CALLWNDPROC,
        [](int nCode, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
            char name[64] = "";
            if (nCode == HC_ACTION && ::GetClassNameA(pMsg->hwnd, name, sizeof(name)))
                for (size_t i = 0; i < s_nCounts; ++i)
                    if (pMsg->message == s_pCounts[i].message && _stricmp(name, s_pCounts[i].cls) == 0)
                        ++s_pCounts[i].n;
            return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
        },
        nullptr, ::GetCurrentThreadId());
    ASSERT_NE(nullptr, hHook);
    const BOOL bOpened = App().OpenProjectFile(strProject);
    PumpPendingMessages();
    ::UnhookWindowsHookEx(hHook);
    ASSERT_TRUE(bOpened);
    for (const Count& count : counts)
        EXPECT_EQ(1, count.n) << count.cls << " message " << count.message;
    CExplorerView& explorer = Frame()->GetExplorer();
    ASSERT_TRUE(explorer.HasViews());
    EXPECT_TRUE(explorer.GetList()->IsWindowVisible());
    EXPECT_TRUE(explorer.GetTree()->IsWindowVisible());
}

// A folder is found by its name on disk, also where the shell shows another.
TEST_F(ExplorerViewTest, AFolderIsFoundByItsNameOnDisk)
{
    TempFolder folder;
    folder.Write("Bilder.txt\\a.bmp", CString("x"));
    const CString strProject = folder.Write(
        "Bilder.txt\\Velconf.ini", testing_support::ReadFileText(CopyProject(folder, "centred", "024000")));
    ASSERT_TRUE(App().OpenProjectFile(strProject));
    PumpPendingMessages();
    CExplorerTree* pTree = Frame()->GetExplorer().GetTree();
    ASSERT_NE(nullptr, pTree);
    HTREEITEM hFolder = pTree->GetSelectedItem();
    ASSERT_NE(nullptr, hFolder);
    // The shell shows the folder as "Bilder" (as with extensions hidden).
    pTree->SetItemText(hFolder, "Bilder");
    pTree->Select(pTree->GetParentItem(hFolder), TVGN_CARET);
    EXPECT_TRUE(pTree->SelectPath(folder.File("Bilder.txt")));
    EXPECT_EQ(hFolder, pTree->GetSelectedItem());
    EXPECT_TRUE(ListHas(*Frame()->GetExplorer().GetList(), "a.bmp"));

    // The text compared in each mode: the drive of a root, the last name, the path.
    struct Row { LPCSTR path; int nMode; LPCSTR compared; } rows[] = {
        { "C:\\", 0, "C:" }, { "C:\\Bilder.txt", 0, "" }, { "C:\\Work\\Bilder.txt", 1, "Bilder.txt" },
        { "C:\\", 1, "" }, { "C:\\Work", 2, "C:\\Work" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.path << " " << row.nMode);
        EXPECT_EQ(row.compared, Text(CExplorerTree::CompareTextOf(row.path, row.nMode)));
    }
}

TEST_F(ExplorerViewTest, TheListHasNarrowColumnsTitledFromTheStrings)
{
    TempFolder folder;
    ASSERT_TRUE(App().OpenProjectFile(CopyProject(folder, "centred", "024000")));
    PumpPendingMessages();
    CExplorerList* pList = Frame()->GetExplorer().GetList();
    ASSERT_NE(nullptr, pList);
    CHeaderCtrl* pHeader = pList->GetHeaderCtrl();
    ASSERT_NE(nullptr, pHeader);
    struct Row { UINT nTitle; int cx; int fmt; } rows[] = {
        { IDS_EXPLORER_NAME, 120, LVCFMT_LEFT }, { IDS_EXPLORER_SIZE, 50, LVCFMT_RIGHT },
        { IDS_EXPLORER_TYPE, 50, LVCFMT_LEFT }, { IDS_EXPLORER_MODIFIED, 50, LVCFMT_LEFT },
    };
    ASSERT_EQ(4, pHeader->GetItemCount());
    for (int i = 0; i < 4; ++i)
    {
        SCOPED_TRACE(i);
        CString strTitle;
        ASSERT_TRUE(strTitle.LoadString(rows[i].nTitle));
        char text[64] = "";
        HDITEMA item = {};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        pHeader->GetItem(i, &item);
        EXPECT_EQ(Text(strTitle), std::string(text));
        EXPECT_EQ(rows[i].cx, item.cxy);
        EXPECT_EQ(rows[i].fmt, item.fmt & LVCFMT_JUSTIFYMASK);
    }
}

// The splitter is made, then the tree cannot be: nothing half-made stays, and
// the next project makes the views.
TEST_F(ExplorerViewTest, ACreationFailingAfterTheSplitterLeavesNothing)
{
    TempFolder folder;
    CExplorerView& bar = Frame()->GetExplorer();
    CWnd& tabs = bar.GetTabCtrl();
    {
        RefusedWindowClass refused(WC_TREEVIEWA);
        ASSERT_TRUE(App().OpenProjectFile(CopyProject(folder, "centred", "024000")));
        PumpPendingMessages();
        EXPECT_FALSE(bar.HasViews());
        EXPECT_EQ(nullptr, bar.GetTree());
        EXPECT_EQ(nullptr, bar.GetList());
        for (CWnd* pChild = tabs.GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetWindow(GW_HWNDNEXT))
        {
            char name[64] = "";
            // The tab control's own scroller is no view.
            ::GetClassNameA(pChild->m_hWnd, name, sizeof(name));
            if (_stricmp(name, UPDOWN_CLASSA) != 0)
                ADD_FAILURE() << "left over: " << name;
        }
        EXPECT_EQ(0, bar.GetTabCtrl().GetItemCount());
        EXPECT_EQ(nullptr, (HIMAGELIST)tabs.SendMessage(TCM_GETIMAGELIST));
    }
    ActiveDocument()->GetPage().UseFile(FILES_DOCUMENTS, "Text.txt");
    EXPECT_TRUE(bar.HasViews());
    EXPECT_EQ(1, bar.GetTabCtrl().GetItemCount());
}
