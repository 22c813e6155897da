// The project start dialogs, run modally and answered by the modal hook: the
// Start Center's choices, the recent projects, and the checks of a new
// project's folder.
#include "editor/dialogs/NewProjectDlg.h"
#include "editor/dialogs/OpenProjectDlg.h"
#include "editor/dialogs/ProjectStartDialogs.h"
#include "editor/dialogs/StartCenterDlg.h"

#include "EditorTesting.h"

#include "editor/resource.h"

#include <functional>
#include <string>

using editor_testing::App;
using editor_testing::ModalAnswers;
using editor_testing::Text;
using editor_testing::FreshRegistry;
using testing_support::MessageBoxRecorder;

namespace {

void Click(CDialog* pDlg, int nID)
{
    pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(pDlg->GetSafeHwnd(), nID));
}

} // namespace

TEST(ProjectStartDialogsTest, TheStartCenterReportsTheButtonPressed)
{
    struct Row { int nButton; CStartDialogs::StartChoice choice; } rows[] = {
        { IDC_START_NEW, CStartDialogs::choiceNewProject },
        { IDC_START_OPEN, CStartDialogs::choiceOpenProject },
        { IDC_START_EXIT, CStartDialogs::choiceExit },
        { IDCANCEL, CStartDialogs::choiceNone },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.nButton);
        ModalAnswers script;
        script.Then([&](CDialog* pDlg) {
            char caption[64] = "";
            ::GetWindowTextA(pDlg->GetSafeHwnd(), caption, sizeof(caption));
            EXPECT_STREQ("Tarnix Start Center", caption);
            for (int nID : { IDC_START_NEW, IDC_START_OPEN, IDC_START_EXIT })
                EXPECT_NE(nullptr, (HANDLE)pDlg->SendDlgItemMessage(nID, BM_GETIMAGE, IMAGE_ICON, 0)) << nID;
            Click(pDlg, row.nButton);
        });
        CProjectStartDialogs dialogs;
        EXPECT_EQ(row.choice, dialogs.RunStartCenter());
    }
}

TEST(ProjectStartDialogsTest, TheStartCenterTitleIsDrawnInItsOwnFont)
{
    LONG nTitleHeight = 0, nNoteHeight = 0;
    ModalAnswers script;
    script.Then([&](CDialog* pDlg) {
        for (auto [nID, pHeight] : { std::pair<int, LONG*>(IDC_START_TITLE, &nTitleHeight),
                                     std::pair<int, LONG*>(IDC_START_NOTE1, &nNoteHeight) })
        {
            HWND hStatic = ::GetDlgItem(pDlg->GetSafeHwnd(), nID);
            HDC hDC = ::GetDC(hStatic);
            ::SendMessageA(pDlg->GetSafeHwnd(), WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)hStatic);
            TEXTMETRICA tm;
            ::GetTextMetricsA(hDC, &tm);
            *pHeight = tm.tmHeight;
            ::ReleaseDC(hStatic, hDC);
        }
        Click(pDlg, IDCANCEL);
    });
    CStartCenterDlg dlg;
    dlg.DoModal();
    EXPECT_GT(nTitleHeight, nNoteHeight);
    EXPECT_GE(nTitleHeight, 16);
}

TEST(ProjectStartDialogsTest, RecentProjectsEndAtTheFirstGap)
{
    FreshRegistry registry;
    App().WriteProfileString("Recent File List", "File1", "C:\\a\\Velconf.ini");
    App().WriteProfileString("Recent File List", "File2", "C:\\b\\menu.ini");
    App().WriteProfileString("Recent File List", "File4", "C:\\d\\Velconf.ini");
    int nCount = -1;
    ModalAnswers script;
    script.Then([&](CDialog* pDlg) {
        nCount = (int)pDlg->SendDlgItemMessage(IDC_RECENT_PROJECTS, LB_GETCOUNT, 0, 0);
        pDlg->SendDlgItemMessage(IDC_RECENT_PROJECTS, LB_SETCURSEL, 1, 0);
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RECENT_PROJECTS, LBN_DBLCLK),
                          (LPARAM)::GetDlgItem(pDlg->GetSafeHwnd(), IDC_RECENT_PROJECTS));
    });
    CProjectStartDialogs dialogs;
    CString path;
    EXPECT_TRUE(dialogs.RunOpenProject(path));
    EXPECT_EQ(2, nCount);
    EXPECT_EQ("C:\\b\\menu.ini", Text(path));
}

TEST(ProjectStartDialogsTest, WithoutRecentProjectsOkIsDisabled)
{
    FreshRegistry registry;
    BOOL bOkEnabled = TRUE;
    ModalAnswers script;
    script.Then([&](CDialog* pDlg) {
        bOkEnabled = ::IsWindowEnabled(::GetDlgItem(pDlg->GetSafeHwnd(), IDOK));
        Click(pDlg, IDCANCEL);
    });
    CProjectStartDialogs dialogs;
    CString path;
    EXPECT_FALSE(dialogs.RunOpenProject(path));
    EXPECT_FALSE(bOkEnabled);
}

TEST(ProjectStartDialogsTest, NewProjectFoldersNeedADriveAndNoRoot)
{
    struct Row { LPCSTR pszTyped; bool bAccepted; LPCSTR pszFolder; LPCSTR pszBox; } rows[] = {
        { "D:\\Menu\\\\\\", true, "D:\\Menu", nullptr },
        { "D:\\", false, "", "Wurzelverzeichniss" },
        { "\\\\server\\share", false, "\\\\server\\share", "Ungültiger Projektpfad" },
        { "\\", false, "\\", "Ungültiger Projektpfad" },
        { "D:Menu", false, "D:Menu", "Ungültiger Projektpfad" },
        { "", false, "", "Ungültiger Projektpfad" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszTyped);
        MessageBoxRecorder boxes;
        CString shown;
        ModalAnswers script;
        script.Then([&](CDialog* pDlg) {
            pDlg->SetDlgItemText(IDC_PROJECT_FOLDER, row.pszTyped);
            Click(pDlg, IDOK);
            if (row.bAccepted)
                return;
            char text[300] = "";
            ::GetDlgItemTextA(pDlg->GetSafeHwnd(), IDC_PROJECT_FOLDER, text, sizeof(text));
            shown = text;
            Click(pDlg, IDCANCEL);
        });
        CNewProjectDlg dlg;
        INT_PTR nResult = dlg.DoModal();
        EXPECT_EQ(row.bAccepted ? IDOK : IDCANCEL, nResult);
        if (row.bAccepted)
        {
            EXPECT_EQ(row.pszFolder, Text(dlg.m_strFolder));
            EXPECT_EQ(0u, boxes.Count());
            continue;
        }
        EXPECT_EQ(row.pszFolder, Text(shown));
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_NE(std::string::npos, Text(boxes.Last().strText).find(row.pszBox));
    }
}
