#include "toolkit/controls/XTShellFolderList.h"
#include "toolkit/controls/XTShellFolderTree.h"

#include "framework/ComboBox.h"
#include "framework/ComboBoxEx.h"
#include "framework/WinApp.h"
#include "helpers/TestSupport.h"
#include "toolkit/XTTestCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const char kFolder[] = "C:\\TarnixShellViews";

// A folder of known files: sizes, local write times, a subfolder with a child
// folder and a hidden file.
class ShellFolderFixture
{
public:
    struct File { LPCSTR name; DWORD nSize; WORD y, mo, d, h, mi; };
    static const std::vector<File>& Files()
    {
        static const std::vector<File> files = {
            { "a.txt", 0, 1999, 12, 31, 23, 30 },
            { "b.txt", 1024, 2060, 1, 1, 0, 0 },
            { "c.txt", 1500, 2021, 3, 4, 10, 0 },
            { "d.txt", 10240, 2021, 4, 3, 10, 0 },
        };
        return files;
    }

    ShellFolderFixture()
    {
        Remove();
        ::CreateDirectoryA(kFolder, nullptr);
        for (const File& file : Files())
        {
            CString strPath = CString(kFolder) + "\\" + file.name;
            HANDLE h = ::CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            std::vector<char> bytes(file.nSize, 'x');
            DWORD nWritten = 0;
            if (!bytes.empty())
                ::WriteFile(h, bytes.data(), file.nSize, &nWritten, nullptr);
            SYSTEMTIME st = { file.y, file.mo, 0, file.d, file.h, file.mi, 0, 0 };
            FILETIME ftLocal, ftUtc;
            ::SystemTimeToFileTime(&st, &ftLocal);
            ::LocalFileTimeToFileTime(&ftLocal, &ftUtc);
            ::SetFileTime(h, nullptr, nullptr, &ftUtc);
            ::CloseHandle(h);
        }
        ::CreateDirectoryA(CString(kFolder) + "\\sub", nullptr);
        ::CreateDirectoryA(CString(kFolder) + "\\sub\\child", nullptr);
        CString strHidden = CString(kFolder) + "\\hidden.txt";
        ::CloseHandle(::CreateFileA(strHidden, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ::SetFileAttributesA(strHidden, FILE_ATTRIBUTE_HIDDEN);
    }
    ~ShellFolderFixture() { Remove(); }

private:
    static void Remove()
    {
        CString strHidden = CString(kFolder) + "\\hidden.txt";
        ::SetFileAttributesA(strHidden, FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(strHidden);
        for (const File& file : Files())
            ::DeleteFileA(CString(kFolder) + "\\" + file.name);
        ::RemoveDirectoryA(CString(kFolder) + "\\sub\\child");
        ::RemoveDirectoryA(CString(kFolder) + "\\sub");
        ::RemoveDirectoryA(kFolder);
    }
};

// Sets the Explorer's "Hidden" value for its scope and puts the old one back.
class HiddenSetting
{
public:
    explicit HiddenSetting(DWORD dwValue, LPCSTR lpszName = "Hidden") : m_lpszName(lpszName)
    {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hKey, nullptr);
        DWORD cb = sizeof(m_dwOld);
        m_bHadValue = ::RegQueryValueExA(m_hKey, m_lpszName, nullptr, nullptr, (BYTE*)&m_dwOld, &cb) == ERROR_SUCCESS;
        ::RegSetValueExA(m_hKey, m_lpszName, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue));
    }
    ~HiddenSetting()
    {
        if (m_bHadValue)
            ::RegSetValueExA(m_hKey, m_lpszName, 0, REG_DWORD, (const BYTE*)&m_dwOld, sizeof(m_dwOld));
        else
            ::RegDeleteValueA(m_hKey, m_lpszName);
        ::RegCloseKey(m_hKey);
    }
    HiddenSetting(const HiddenSetting&) = delete;
    HiddenSetting& operator=(const HiddenSetting&) = delete;

private:
    static constexpr const char* kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
    LPCSTR m_lpszName;
    HKEY m_hKey = nullptr;
    DWORD m_dwOld = 0;
    BOOL m_bHadValue = FALSE;
};

// A drop target that records the files and formats it is offered, and can
// move the files away itself (reporting a move).
class CFileDropTarget : public IDropTarget
{
public:
    std::vector<CString> files;
    BOOL bPrivate = FALSE;
    BOOL bMoveFiles = FALSE;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = riid == IID_IUnknown || riid == IID_IDropTarget ? this : nullptr;
        return *ppv != nullptr ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP DragEnter(IDataObject*, DWORD, POINTL, DWORD* pdwEffect) override
    {
        *pdwEffect = bMoveFiles ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
        return S_OK;
    }
    STDMETHODIMP DragOver(DWORD, POINTL, DWORD* pdwEffect) override
    {
        *pdwEffect = bMoveFiles ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
        return S_OK;
    }
    STDMETHODIMP DragLeave() override { return S_OK; }
    STDMETHODIMP Drop(IDataObject* pData, DWORD, POINTL, DWORD* pdwEffect) override
    {
        FORMATETC format = { CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL };
        STGMEDIUM medium = {};
        if (SUCCEEDED(pData->GetData(&format, &medium)))
        {
            HDROP hDrop = (HDROP)medium.hGlobal;
            for (UINT i = 0; i < ::DragQueryFileA(hDrop, 0xFFFFFFFF, nullptr, 0); ++i)
            {
                char szPath[MAX_PATH] = "";
                ::DragQueryFileA(hDrop, i, szPath, MAX_PATH);
                files.push_back(szPath);
                if (bMoveFiles)
                    ::MoveFileA(szPath, CString(szPath) + ".moved");
            }
            ::ReleaseStgMedium(&medium);
        }
        format.cfFormat = (CLIPFORMAT)::RegisterClipboardFormatA("{B0D76F7A-B5D9-436c-8F10-BA16AEE69D42}");
        bPrivate = pData->QueryGetData(&format) == S_OK;
        *pdwEffect = bMoveFiles ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
        return S_OK;
    }
};

class XTShellViewsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "Shell", WS_POPUP | WS_VISIBLE, 0, 0, 800, 400, nullptr, nullptr));
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        m_tree.reset();
        m_list.reset();
        EXPECT_EQ(0, CXTShellPidl::GetLiveItemDataCount());
    }
    void CreateViews()
    {
        m_tree = std::make_unique<CXTShellFolderTree>();
        m_list = std::make_unique<CXTShellFolderList>();
        ASSERT_TRUE(m_tree->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 400), &m_parent, 1));
        ASSERT_TRUE(m_list->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(300, 0, 800, 400), &m_parent, 2));
        m_tree->SetListView(m_list.get());
        m_list->SetTreeCtrl(m_tree.get());
        testing_support::PumpPendingMessages();
    }
    std::vector<CString> Column(int nCol)
    {
        std::vector<CString> texts;
        for (int i = 0; i < m_list->GetItemCount(); ++i)
            texts.push_back(m_list->GetItemText(i, nCol));
        return texts;
    }
    int Find(LPCSTR name)
    {
        for (int i = 0; i < m_list->GetItemCount(); ++i)
            if (m_list->GetItemText(i, 0).CompareNoCase(name) == 0)
                return i;
        return -1;
    }
    void DoubleClick(int nItem)
    {
        NMITEMACTIVATE nmia = {};
        nmia.hdr.hwndFrom = m_list->m_hWnd;
        nmia.hdr.idFrom = 2;
        nmia.hdr.code = NM_DBLCLK;
        nmia.iItem = nItem;
        m_parent.SendMessage(WM_NOTIFY, 2, (LPARAM)&nmia);
    }

    ShellFolderFixture m_folder;
    CWnd m_parent;
    std::unique_ptr<CXTShellFolderTree> m_tree;
    std::unique_ptr<CXTShellFolderList> m_list;
};

TEST_F(XTShellViewsTest, SelectPathFillsTheLinkedList)
{
    HiddenSetting hidden(2);
    CreateViews();
    ASSERT_TRUE(m_tree->SelectPath(kFolder));
    CString strPath;
    ASSERT_TRUE(m_tree->GetSelectedFolderPath(strPath));
    EXPECT_STREQ(kFolder, strPath);
    // The ancestors lead through the drive to the Desktop.
    HTREEITEM hItem = m_tree->GetSelectedItem();
    HTREEITEM hDrive = m_tree->GetParentItem(hItem);
    m_tree->GetItemPath(hDrive, strPath);
    EXPECT_STREQ("C:\\", strPath);
    HTREEITEM hTop = hDrive;
    while (m_tree->GetParentItem(hTop) != nullptr)
        hTop = m_tree->GetParentItem(hTop);
    EXPECT_EQ(m_tree->GetRootItem(), hTop);
    EXPECT_EQ(nullptr, m_tree->GetShellItemData(hTop)->lpsfParent);

    std::vector<CString> names = Column(0);
    std::sort(names.begin(), names.end(), [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
    ASSERT_EQ((std::vector<CString>{ "a.txt", "b.txt", "c.txt", "d.txt", "sub" }), names);
    struct Row { LPCSTR name, size; } rows[] = {
        { "a.txt", "1KB" }, { "b.txt", "2KB" }, { "c.txt", "2KB" }, { "d.txt", "11KB" }, { "sub", "0 bytes" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        int nItem = Find(row.name);
        EXPECT_STREQ(row.size, m_list->GetItemText(nItem, 1));
        CString strFile = CString(kFolder) + "\\" + row.name;
        SHFILEINFOA sfi = {};
        ::SHGetFileInfoA(strFile, 0, &sfi, sizeof(sfi), SHGFI_TYPENAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
        EXPECT_STREQ(sfi.szTypeName, m_list->GetItemText(nItem, 2));
        LVITEMA lvi = {};
        lvi.mask = LVIF_IMAGE;
        lvi.iItem = nItem;
        m_list->GetItem(&lvi);
        EXPECT_EQ(sfi.iIcon, lvi.iImage);
    }
    EXPECT_STREQ("12/31/99 11:30 PM", m_list->GetItemText(Find("a.txt"), 3));
}

TEST_F(XTShellViewsTest, TheTreeLooksLikeTheSystemsShellTree)
{
    struct Row { DWORD nPlatform, nMajor, nMinor; BOOL bTracking; } rows[] = {
        { VER_PLATFORM_WIN32_WINDOWS, 4, 90, FALSE },
        { VER_PLATFORM_WIN32_NT, 4, 0, FALSE },
        { VER_PLATFORM_WIN32_NT, 5, 0, FALSE },
        { VER_PLATFORM_WIN32_NT, 5, 1, TRUE },
        { VER_PLATFORM_WIN32_NT, 6, 0, TRUE },
        { VER_PLATFORM_WIN32_NT, 10, 0, TRUE },
    };
    const DWORD nTracking = TVS_HASBUTTONS | TVS_SHOWSELALWAYS | TVS_TRACKSELECT | TVS_SINGLEEXPAND;
    const DWORD nLines = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
    for (const Row& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.nPlatform << " " << row.nMajor << "." << row.nMinor);
        OSVERSIONINFOA os = {};
        os.dwPlatformId = row.nPlatform;
        os.dwMajorVersion = row.nMajor;
        os.dwMinorVersion = row.nMinor;
        EXPECT_EQ(row.bTracking ? nTracking : nLines, CXTShellFolderTree::GetSystemTreeStyle(os));
    }

    // The deferred initialisation gives the tree this system's look.
    CreateViews();
    OSVERSIONINFOA os = {};
    os.dwOSVersionInfoSize = sizeof(os);
    ::GetVersionExA(&os);
    DWORD nStyle = CXTShellFolderTree::GetSystemTreeStyle(os);
    EXPECT_EQ(nStyle, m_tree->GetStyle() & nStyle);
}

TEST_F(XTShellViewsTest, SizeAndModifiedSortByTheFilesValues)
{
    CreateViews();
    m_tree->SelectPath(kFolder);
    m_list->SortList(1, TRUE);
    EXPECT_EQ((std::vector<CString>{ "0 bytes", "1KB", "2KB", "2KB", "11KB" }), Column(1));
    m_list->SortList(3, TRUE);
    std::vector<CString> order;
    for (const CString& name : Column(0))
        if (name != "sub")
            order.push_back(name);
    EXPECT_EQ((std::vector<CString>{ "a.txt", "c.txt", "d.txt", "b.txt" }), order);
    // The records are the items' own again after sorting.
    for (int i = 0; i < m_list->GetItemCount(); ++i)
    {
        CString strPath;
        EXPECT_TRUE(m_list->GetItemPath(i, strPath));
        EXPECT_STREQ(CString(kFolder) + "\\" + m_list->GetItemText(i, 0), strPath);
    }
}

TEST_F(XTShellViewsTest, HiddenObjectsShowOnlyWhenAllObjectsAreShown)
{
    for (DWORD dwHidden : { 1u, 2u })
    {
        SCOPED_TRACE(dwHidden);
        HiddenSetting hidden(dwHidden);
        CreateViews();
        m_tree->SelectPath(kFolder);
        EXPECT_EQ(dwHidden == 1, Find("hidden.txt") >= 0);
        m_tree->DestroyWindow();
        m_list->DestroyWindow();
    }
}

TEST_F(XTShellViewsTest, DoubleClicksSelectFoldersAndOpenFiles)
{
    CreateViews();
    m_tree->SelectPath(kFolder);
    DoubleClick(Find("sub"));
    CString strPath;
    m_tree->GetSelectedFolderPath(strPath);
    EXPECT_STREQ(CString(kFolder) + "\\sub", strPath);
    EXPECT_EQ((std::vector<CString>{ "child" }), Column(0));

    m_tree->SelectPath(kFolder);
    testing_support::ProgramStartRecorder starts(TRUE);
    DoubleClick(Find("c.txt"));
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_EQ(AFX_PROGRAM_START::shellExecuteEx, starts.Starts()[0].kind);
    // The id list is valid during the start only; the recorder keeps the record.
    EXPECT_NE(nullptr, starts.Starts()[0].pidl);
}

TEST_F(XTShellViewsTest, MissingPathsAndDriveLetters)
{
    CreateViews();
    testing_support::MessageBoxRecorder boxes;
    EXPECT_FALSE(m_tree->SelectPath("C:\\NoSuchFolderHere"));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_STREQ("Folder not found", boxes.Last().strCaption);
    EXPECT_STREQ("C:\\NoSuchFolderHere", boxes.Last().strText);
    EXPECT_TRUE(m_tree->SelectPath("C"));
    CString strPath;
    m_tree->GetSelectedFolderPath(strPath);
    EXPECT_STREQ("C:\\", strPath);
    // A refill frees the old records.
    m_tree->InitializeTree();
    m_tree->SelectPath(kFolder);
}

TEST_F(XTShellViewsTest, DraggedItemsReachADropTargetAsFiles)
{
    ASSERT_TRUE(AfxOleInit());
    CreateViews();
    m_tree->SelectPath(kFolder);
    CWnd targetWnd;
    ASSERT_TRUE(targetWnd.CreateEx(0, nullptr, "Target", WS_POPUP | WS_VISIBLE, 900, 500, 200, 200, nullptr, nullptr));
    CFileDropTarget target;
    ASSERT_EQ(S_OK, ::RegisterDragDrop(targetWnd.m_hWnd, &target));
    toolkit_test::MoveCursorTo(1000, 600);

    // The list: two selected files, both as paths and in the private format.
    m_list->SetItemState(Find("b.txt"), LVIS_SELECTED, LVIS_SELECTED);
    m_list->SetItemState(Find("d.txt"), LVIS_SELECTED, LVIS_SELECTED);
    NMLISTVIEW nmlv = {};
    m_list->BeginDrag(&nmlv);
    std::sort(target.files.begin(), target.files.end());
    EXPECT_EQ((std::vector<CString>{ CString(kFolder) + "\\b.txt", CString(kFolder) + "\\d.txt" }), target.files);
    EXPECT_TRUE(target.bPrivate);
    EXPECT_EQ(5, m_list->GetItemCount());

    // A target that moves the files: the list drops the items.
    target.files.clear();
    target.bMoveFiles = TRUE;
    m_list->BeginDrag(&nmlv);
    EXPECT_EQ(2u, target.files.size());
    EXPECT_EQ(3, m_list->GetItemCount());
    EXPECT_EQ(-1, Find("b.txt"));
    for (LPCSTR name : { "b.txt", "d.txt" })
        ::MoveFileA(CString(kFolder) + "\\" + name + ".moved", CString(kFolder) + "\\" + name);

    // The tree offers its folder.
    target.files.clear();
    target.bMoveFiles = FALSE;
    NMTREEVIEWA nmtv = {};
    nmtv.itemNew.hItem = m_tree->GetSelectedItem();
    m_tree->BeginDrag(&nmtv);
    EXPECT_EQ((std::vector<CString>{ kFolder }), target.files);

    ::RevokeDragDrop(targetWnd.m_hWnd);
    targetWnd.DestroyWindow();
}

TEST_F(XTShellViewsTest, ATreeRootedAtAFolderAndAComboBoxShowingTheSelection)
{
    CreateViews();
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 200, 200), &m_parent, 3));
    m_tree->AttachComboBox(&combo);
    m_tree->SelectPath(CString(kFolder) + "\\sub");
    CString strText;
    combo.GetLBText(combo.GetCurSel(), strText);
    EXPECT_STREQ("sub", strText);

    EXPECT_TRUE(m_tree->InitializeTreeAt(CString(kFolder) + "\\"));
    std::vector<CString> roots;
    for (HTREEITEM h = m_tree->GetRootItem(); h != nullptr; h = m_tree->GetNextSiblingItem(h))
        roots.push_back(m_tree->GetItemText(h));
    EXPECT_EQ((std::vector<CString>{ "sub" }), roots);
    HTREEITEM hChild = m_tree->GetChildItem(m_tree->GetRootItem());
    ASSERT_NE(nullptr, hChild);
    EXPECT_STREQ("child", m_tree->GetItemText(hChild));
    EXPECT_FALSE(m_tree->InitializeTreeAt("C:\\NoSuchFolderHere\\"));
}

// The icons are asked for when the items are drawn; drawn, each item shows
// the shell's own icons, the combo box the selected folder's.
TEST_F(XTShellViewsTest, IconsLookedUpOnDrawAreTheShells)
{
    CreateViews();
    CComboBoxEx combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 200, 200), &m_parent, 3));
    m_tree->AttachComboBox(&combo);
    ASSERT_TRUE(m_tree->SelectPath(kFolder));
    m_tree->Expand(m_tree->GetSelectedItem(), TVE_EXPAND);
    m_parent.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    const UINT uFlags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    HTREEITEM hFolder = m_tree->GetSelectedItem();
    HTREEITEM hDrive = m_tree->GetParentItem(hFolder);
    struct Row { HTREEITEM hItem; CString strPath; } rows[] = {
        { hDrive, "C:\\" }, { hFolder, kFolder }, { m_tree->GetChildItem(hFolder), CString(kFolder) + "\\sub" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.strPath);
        ASSERT_NE(nullptr, row.hItem);
        SHFILEINFOA sfi = {}, sfiOpen = {};
        ::SHGetFileInfoA(row.strPath, 0, &sfi, sizeof(sfi), uFlags);
        ::SHGetFileInfoA(row.strPath, 0, &sfiOpen, sizeof(sfiOpen), uFlags | SHGFI_OPENICON);
        TVITEMA tvi = {};
        tvi.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        tvi.hItem = row.hItem;
        m_tree->GetItem(&tvi);
        EXPECT_EQ(sfi.iIcon, tvi.iImage);
        EXPECT_EQ(sfiOpen.iIcon, tvi.iSelectedImage);
        if (row.hItem == hFolder)
        {
            COMBOBOXEXITEMA item = {};
            item.mask = CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
            item.iItem = combo.GetCurSel();
            combo.GetItem(&item);
            EXPECT_EQ(sfi.iIcon, item.iImage);
            EXPECT_EQ(sfiOpen.iIcon, item.iSelectedImage);
        }
    }
}

// Items of one kind share the shell's answer for the first of them; every
// item drawn still shows the icon the shell gives for it alone: files of a
// type, programs with icons of their own, plain folders and a read-only
// folder (which may name its own icon).
TEST_F(XTShellViewsTest, IconsSharedByKindAreTheShellsForEachItem)
{
    const CString strFolder = CString(kFolder) + "\\kinds";
    char szProgram[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    const CString strFiles[] = { "one.ini", "two.ini", "three.txt", "none", "first.exe", "second.exe" };
    const CString strFolders[] = { "plain", "plain2", "locked" };
    ::CreateDirectoryA(strFolder, nullptr);
    for (const CString& strFile : strFiles)
    {
        if (strFile.Right(4) == ".exe")
            ::CopyFileA(szProgram, strFolder + "\\" + strFile, FALSE);
        else
            ::CloseHandle(::CreateFileA(strFolder + "\\" + strFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                        nullptr));
    }
    for (const CString& strSub : strFolders)
        ::CreateDirectoryA(strFolder + "\\" + strSub, nullptr);
    ::SetFileAttributesA(strFolder + "\\locked", FILE_ATTRIBUTE_READONLY);

    CreateViews();
    ASSERT_TRUE(m_tree->SelectPath(strFolder));
    m_tree->Expand(m_tree->GetSelectedItem(), TVE_EXPAND);
    m_parent.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const UINT uFlags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    EXPECT_EQ((int)(std::size(strFiles) + std::size(strFolders)), m_list->GetItemCount());
    for (int i = 0; i < m_list->GetItemCount(); ++i)
    {
        const CString strPath = strFolder + "\\" + m_list->GetItemText(i, 0);
        SCOPED_TRACE(strPath);
        SHFILEINFOA sfi = {};
        ::SHGetFileInfoA(strPath, 0, &sfi, sizeof(sfi), uFlags);
        LVITEMA lvi = {};
        lvi.mask = LVIF_IMAGE;
        lvi.iItem = i;
        m_list->GetItem(&lvi);
        EXPECT_EQ(sfi.iIcon, lvi.iImage);
    }
    int nTreeItems = 0;
    for (HTREEITEM hItem = m_tree->GetChildItem(m_tree->GetSelectedItem()); hItem != nullptr;
         hItem = m_tree->GetNextSiblingItem(hItem), ++nTreeItems)
    {
        const CString strPath = strFolder + "\\" + m_tree->GetItemText(hItem);
        SCOPED_TRACE(strPath);
        SHFILEINFOA sfi = {}, sfiOpen = {};
        ::SHGetFileInfoA(strPath, 0, &sfi, sizeof(sfi), uFlags);
        ::SHGetFileInfoA(strPath, 0, &sfiOpen, sizeof(sfiOpen), uFlags | SHGFI_OPENICON);
        int nImage = -1, nSelected = -1;
        m_tree->GetItemImage(hItem, nImage, nSelected);
        EXPECT_EQ(sfi.iIcon, nImage);
        EXPECT_EQ(sfiOpen.iIcon, nSelected);
    }
    EXPECT_EQ((int)std::size(strFolders), nTreeItems);

    m_parent.DestroyWindow();
    ::SetFileAttributesA(strFolder + "\\locked", FILE_ATTRIBUTE_NORMAL);
    for (const CString& strSub : strFolders)
        ::RemoveDirectoryA(strFolder + "\\" + strSub);
    for (const CString& strFile : strFiles)
        ::DeleteFileA(strFolder + "\\" + strFile);
    ::RemoveDirectoryA(strFolder);
}

// The list shows each entry by the shell's name for it, with or without the
// extension as the shell shows it, also where a desktop.ini may name the
// folder's files.
TEST_F(XTShellViewsTest, NamesAreTheShellsForEachItem)
{
    const CString strFolder = CString(kFolder) + "\\names";
    const CString strFiles[] = { "one.ini", "two.ini", "three.txt", "four.TXT", "none", "a.b.txt", "five.zzq" };
    ::CreateDirectoryA(strFolder, nullptr);
    ::CreateDirectoryA(strFolder + "\\dir.txt", nullptr);
    for (const CString& strFile : strFiles)
        ::CloseHandle(::CreateFileA(strFolder + "\\" + strFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    for (DWORD dwHide : { 0u, 1u })
        for (bool bDesktopIni : { false, true })
        {
            SCOPED_TRACE(testing::Message() << "HideFileExt " << dwHide << (bDesktopIni ? ", desktop.ini" : ""));
            HiddenSetting hide(dwHide, "HideFileExt");
            if (bDesktopIni)
                ::CloseHandle(::CreateFileA(strFolder + "\\desktop.ini", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                            nullptr));
            CreateViews();
            ASSERT_TRUE(m_tree->SelectPath(strFolder));
            EXPECT_EQ((int)std::size(strFiles) + 1 + (bDesktopIni ? 1 : 0), m_list->GetItemCount());
            for (int i = 0; i < m_list->GetItemCount(); ++i)
            {
                const XT_SHELLITEMDATA* pData = m_list->GetShellItemData(i);
                const CString strShell = CXTShellPidl::GetDisplayName(pData->lpsfParent, pData->lpi, SHGDN_NORMAL);
                EXPECT_STREQ(strShell, m_list->GetItemText(i, 0));
            }
            m_parent.DestroyWindow();
            m_tree.reset();
            m_list.reset();
            SetUp();
            ::DeleteFileA(strFolder + "\\desktop.ini");
        }
    for (const CString& strFile : strFiles)
        ::DeleteFileA(strFolder + "\\" + strFile);
    ::RemoveDirectoryA(strFolder + "\\dir.txt");
    ::RemoveDirectoryA(strFolder);
}

// The key an object's icon is shared under: none for drives, objects not on
// disk, folders that may name their own icon and files of a type with icons
// of their own.
TEST(XTShellIconCacheTest, KeysOfKinds)
{
    struct Row { LPCSTR path; BOOL bFolder; DWORD dwAttributes; BOOL bOwnType; LPCSTR key; } rows[] = {
        { "C:\\a\\b.INI", FALSE, FILE_ATTRIBUTE_NORMAL, FALSE, "*.ini" },
        { "C:\\a.b\\c", FALSE, FILE_ATTRIBUTE_ARCHIVE, FALSE, "*" },
        { "C:\\a\\p.exe", FALSE, FILE_ATTRIBUTE_NORMAL, TRUE, "" },
        { "C:\\a\\b.ini", FALSE, INVALID_FILE_ATTRIBUTES, FALSE, "" },
        { "C:\\a\\sub", TRUE, FILE_ATTRIBUTE_DIRECTORY, FALSE, "<folder>" },
        { "C:\\a\\sub", TRUE, FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY, FALSE, "" },
        { "C:\\a\\sub", TRUE, FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM, FALSE, "" },
        { "C:\\", TRUE, FILE_ATTRIBUTE_DIRECTORY, FALSE, "" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.path);
        EXPECT_STREQ(row.key, CXTShellIconCache::KeyOf(row.path, row.bFolder, row.dwAttributes, row.bOwnType));
    }
    EXPECT_TRUE(CXTShellIconCache::HasOwnIconType(".exe"));
    EXPECT_TRUE(CXTShellIconCache::HasOwnIconType(".lnk"));
    EXPECT_FALSE(CXTShellIconCache::HasOwnIconType(".txt"));
}

TEST_F(XTShellViewsTest, Screenshot)
{
    CreateViews();
    m_tree->SelectPath(kFolder);
    m_parent.UpdateWindow();
    m_tree->UpdateWindow();
    m_list->UpdateWindow();
    toolkit_test::CCanvas canvas(800, 400, RGB(0, 0, 0));
    m_tree->SendMessage(WM_PAINT, (WPARAM)canvas.dc.m_hDC);
    ::SetViewportOrgEx(canvas.dc, 300, 0, nullptr);
    m_list->SendMessage(WM_PAINT, (WPARAM)canvas.dc.m_hDC);
    m_list->GetFlatHeaderCtrl()->SendMessage(WM_PAINT, (WPARAM)canvas.dc.m_hDC);
    ::SetViewportOrgEx(canvas.dc, 0, 0, nullptr);
    canvas.SaveBmp("XTShellViews.bmp");
}

} // namespace
