#include "editor/dialogs/FolderBrowserDlg.h"
#include "editor/dialogs/NewFolderDlg.h"
#include "editor/dialogs/NewProjectDlg.h"

#include "editor/resource.h"

#include "DialogTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

using namespace dialog_tests;
using testing_support::MessageBoxRecorder;
using testing_support::ScopedCurrentFolder;
using testing_support::TempFolder;

namespace {

CFolderBrowserTree* Tree(CDialog* pDlg)
{
    return dynamic_cast<CFolderBrowserTree*>(CWnd::FromHandlePermanent(::GetDlgItem(pDlg->m_hWnd, IDC_FOLDER_TREE)));
}

CString TreeFolder(CDialog* pDlg)
{
    CString path;
    Tree(pDlg)->GetSelectedFolderPath(path);
    return path;
}

TEST(FolderBrowser, JoinsANameWithOneBackslash)
{
    const struct
    {
        LPCSTR folder, expected;
    } cases[] = { { "C:\\", "C:\\Neu" }, { "C:\\Daten", "C:\\Daten\\Neu" }, { "C:\\Daten\\", "C:\\Daten\\Neu" } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(CString(c.expected), CFolderBrowserDlg::JoinFolder(c.folder, "Neu"));
    }
}

// Without a start folder nothing can be created until a folder is chosen; the
// path follows the tree also when the dialog is then cancelled.
TEST(FolderBrowser, AnEmptyStartDisablesCreatingUntilAFolderIsChosen)
{
    TempFolder folder;
    CFolderBrowserDlg dlg;
    dlg.SetTitle("Ordner wählen.");
    dlg.SetPrompt("Bitte wählen");
    BOOL bCreateAtStart = TRUE, bCreateLater = FALSE;
    CString caption, prompt, shown;
    ModalScript script([&](CDialog* pDlg) {
        pDlg->GetWindowText(caption);
        prompt = ItemText(pDlg, IDC_FOLDER_PROMPT);
        bCreateAtStart = ItemEnabled(pDlg, IDC_FOLDER_CREATE);
        ASSERT_NE(nullptr, Tree(pDlg));
        EXPECT_TRUE(Tree(pDlg)->SelectPath(folder.Path()));
        bCreateLater = ItemEnabled(pDlg, IDC_FOLDER_CREATE);
        shown = ItemText(pDlg, IDC_FOLDER_PATH);
        Click(pDlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(CString("Ordner wählen."), caption);
    EXPECT_EQ(CString("Bitte wählen"), prompt);
    EXPECT_FALSE(bCreateAtStart);
    EXPECT_TRUE(bCreateLater);
    EXPECT_EQ(folder.Path(), shown);
    EXPECT_EQ(folder.Path(), dlg.m_strFolderPath);
}

TEST(FolderBrowser, TheStartFolderIsSelectedAndOkReturnsIt)
{
    TempFolder folder;
    folder.Write("Bilder\\a.txt", "a");
    CFolderBrowserDlg dlg;
    dlg.m_strFolderPath = folder.File("Bilder\\");
    CString caption, selected;
    BOOL bCreate = FALSE;
    ModalScript script([&](CDialog* pDlg) {
        pDlg->GetWindowText(caption);
        selected = TreeFolder(pDlg);
        bCreate = ItemEnabled(pDlg, IDC_FOLDER_CREATE);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString("Ordner suchen"), caption);
    EXPECT_EQ(folder.File("Bilder"), selected);
    EXPECT_TRUE(bCreate);
    EXPECT_EQ(folder.File("Bilder"), dlg.m_strFolderPath);
}

// A start folder that is not there keeps its text: the tree's own message,
// and OK on a tree item that is no folder returns the path as it stands.
TEST(FolderBrowser, AMissingStartFolderIsNotLost)
{
    TempFolder folder;
    const CString missing = folder.File("Fehlt");
    CFolderBrowserDlg dlg;
    dlg.m_strFolderPath = missing;
    MessageBoxRecorder boxes;
    ModalScript script([&](CDialog* pDlg) { Click(pDlg, IDOK); });
    ASSERT_EQ(IDOK, dlg.DoModal());
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(CString("Folder not found"), boxes.Last().strCaption);
    EXPECT_EQ(missing, dlg.m_strFolderPath);
}

// The new folder is made inside the chosen one and chosen; a name that cannot
// be made leaves the chosen folder as it was, without a message.
TEST(FolderBrowser, CreatesANewFolderInsideTheChosenOne)
{
    const struct
    {
        LPCSTR name;
        BOOL created;
    } cases[] = { { "Urlaub", TRUE }, { "a<b", FALSE } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        ScopedCurrentFolder current(folder.Path());
        CFolderBrowserDlg dlg;
        dlg.m_strFolderPath = folder.Path();
        MessageBoxRecorder boxes;
        int nDialogs = 0;
        CString shown;
        ModalScript script([&](CDialog* pDlg) {
            ++nDialogs;
            if (dynamic_cast<CNewFolderDlg*>(pDlg) != nullptr)
            {
                pDlg->SetDlgItemText(IDC_NEW_FOLDER_NAME, c.name);
                Click(pDlg, IDOK);
                return;
            }
            Click(pDlg, IDC_FOLDER_CREATE);
            shown = ItemText(pDlg, IDC_FOLDER_PATH);
            Click(pDlg, IDOK);
        });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(2, nDialogs);
        EXPECT_EQ(0u, boxes.Count());
        const CString expected = c.created ? folder.File(c.name) : folder.Path();
        EXPECT_EQ(expected, shown);
        EXPECT_EQ(expected, dlg.m_strFolderPath);
        EXPECT_EQ(c.created, ::GetFileAttributesA(folder.File(c.name)) != INVALID_FILE_ATTRIBUTES);
    }
}

TEST(FolderBrowser, TheNewProjectDialogBrowsesFromTheTypedPath)
{
    TempFolder folder;
    folder.Write("Projekt\\a.txt", "a");
    CNewProjectDlg dlg;
    CString title, start;
    ModalScript script([&](CDialog* pDlg) {
        if (CFolderBrowserDlg* pBrowser = dynamic_cast<CFolderBrowserDlg*>(pDlg))
        {
            pBrowser->GetWindowText(title);
            start = TreeFolder(pDlg);
            Tree(pDlg)->SelectPath(folder.File("Projekt"));
            Click(pDlg, IDOK);
            return;
        }
        pDlg->SetDlgItemText(IDC_PROJECT_FOLDER, folder.Path());
        Click(pDlg, IDC_BROWSE_FOLDER);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString("Projektordner auswählen"), title);
    EXPECT_EQ(folder.Path(), start);
    EXPECT_EQ(folder.File("Projekt"), dlg.m_strFolder);
}

} // namespace
