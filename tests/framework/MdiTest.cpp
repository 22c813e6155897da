// A program with several documents: MDI frame, child frames, the shared menu,
// command routing through the active child, recent files and closing.
#include "framework/Afx.h"

#include "TestResources.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testing_support::CommonDialogScript;
using testing_support::MessageBoxRecorder;
using testing_support::PumpPendingMessages;
using testing_support::TempFolder;

namespace mdi_test {

std::vector<std::string> g_route;

class CMdiDoc : public CDocument
{
    DECLARE_DYNCREATE(CMdiDoc)
public:
    BOOL OnOpenDocument(LPCSTR lpszPathName) override
    {
        // A file that is not there fails, as reading it would.
        return ::GetFileAttributesA(lpszPathName) != INVALID_FILE_ATTRIBUTES;
    }
    BOOL OnSaveDocument(LPCSTR) override
    {
        SetModifiedFlag(FALSE);
        return TRUE;
    }

protected:
    BOOL OnRouted(UINT)
    {
        g_route.push_back("document");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CMdiDoc, CDocument)

BEGIN_MESSAGE_MAP(CMdiDoc, CDocument)
    ON_COMMAND_EX(ID_TEST_ROUTED, OnRouted)
END_MESSAGE_MAP()

class CMdiView : public CView
{
    DECLARE_DYNCREATE(CMdiView)
public:
    void OnDraw(CDC*) override {}

protected:
    BOOL OnRouted(UINT)
    {
        g_route.push_back("view");
        return FALSE;
    }
    void OnUpdateRouted(CCmdUI* pCmdUI)
    {
        g_route.push_back("view update");
        pCmdUI->ContinueRouting();
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CMdiView, CView)

BEGIN_MESSAGE_MAP(CMdiView, CView)
    ON_COMMAND_EX(ID_TEST_ROUTED, OnRouted)
    ON_UPDATE_COMMAND_UI(ID_TEST_ROUTED, OnUpdateRouted)
END_MESSAGE_MAP()

// A child frame that can hold its size fixed, as a menu editor's does.
class CMdiChild : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CMdiChild)
public:
    CSize sizeFixed = CSize(-1, -1);

protected:
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
    {
        if (sizeFixed.cx > 0 && sizeFixed.cy > 0)
        {
            POINT pt = { sizeFixed.cx, sizeFixed.cy };
            lpMMI->ptMaxSize = pt;
            lpMMI->ptMinTrackSize = pt;
            lpMMI->ptMaxTrackSize = pt;
        }
        CMDIChildWnd::OnGetMinMaxInfo(lpMMI);
    }
    BOOL OnRouted(UINT)
    {
        g_route.push_back("child frame");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CMdiChild, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CMdiChild, CMDIChildWnd)
    ON_WM_GETMINMAXINFO()
    ON_COMMAND_EX(ID_TEST_ROUTED, OnRouted)
END_MESSAGE_MAP()

class CMdiMain : public CMDIFrameWnd
{
public:
    BOOL bHandleRouted = TRUE;

protected:
    BOOL OnRouted(UINT)
    {
        g_route.push_back("main frame");
        return bHandleRouted;
    }
    void OnUpdateRouted(CCmdUI* pCmdUI)
    {
        g_route.push_back("main frame update");
        pCmdUI->SetCheck(1);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMdiMain, CMDIFrameWnd)
    ON_COMMAND_EX(ID_TEST_ROUTED, OnRouted)
    ON_UPDATE_COMMAND_UI(ID_TEST_ROUTED, OnUpdateRouted)
    ON_COMMAND(ID_HELP_FINDER, OnHelpFinder)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

// One MDI program per test: templates, main frame and a profile key of its own.
class MdiProgram : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pApp = AfxGetApp();
        m_savedKey = m_pApp->m_pszRegistryKey;
        m_savedProfile = m_pApp->m_pszProfileName;
        m_pApp->SetRegistryKey("TarnixFrameworkTest");
        m_pApp->LoadStdProfileSettings(16);
        // Another kind of document first, so that opening by file type matters.
        m_pOther = new CMultiDocTemplate(IDR_OTHERDOC, RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CMdiChild),
                                         RUNTIME_CLASS(CMdiView));
        m_pApp->AddDocTemplate(m_pOther);
        m_pTemplate = new CMultiDocTemplate(IDR_TESTDOC, RUNTIME_CLASS(CMdiDoc), RUNTIME_CLASS(CMdiChild),
                                            RUNTIME_CLASS(CMdiView));
        m_pApp->AddDocTemplate(m_pTemplate);
        m_pMain = new CMdiMain;
        ASSERT_TRUE(m_pMain->LoadFrame(IDR_TESTMDI));
        m_hMain = m_pMain->m_hWnd;
        m_pApp->m_pMainWnd = m_pMain;
        m_pMain->ShowWindow(SW_SHOWNA);
        g_route.clear();
    }
    void TearDown() override
    {
        testing_support::TestAppStages().openDocumentFile = nullptr;
        testing_support::TestAppStages().winHelp = nullptr;
        if (::IsWindow(m_hMain))
        {
            for (POSITION pos = m_pTemplate->GetFirstDocPosition(); pos != nullptr;)
                m_pTemplate->GetNextDoc(pos)->SetModifiedFlag(FALSE);
            m_pApp->CloseAllDocuments(FALSE);
            m_pApp->m_pMainWnd = nullptr;
            ::DestroyWindow(m_hMain);
        }
        m_pApp->m_pMainWnd = nullptr;
        testing_support::RemoveDocTemplate(m_pTemplate);
        testing_support::RemoveDocTemplate(m_pOther);
        m_pApp->LoadStdProfileSettings(0);
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TarnixFrameworkTest");
        m_pApp->m_pszRegistryKey = m_savedKey;
        m_pApp->m_pszProfileName = m_savedProfile;
    }

    CDocument* Open(LPCSTR lpszPath) { return m_pApp->OpenDocumentFile(lpszPath); }
    CMdiChild* ChildOf(CDocument* pDoc)
    {
        POSITION pos = pDoc->GetFirstViewPosition();
        return pos ? dynamic_cast<CMdiChild*>(pDoc->GetNextView(pos)->GetParentFrame()) : nullptr;
    }
    int ChildCount() const
    {
        int n = 0;
        for (HWND h = ::GetWindow(m_pMain->m_hWndMDIClient, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
            n += CWnd::FromHandlePermanent(h) != nullptr;
        return n;
    }

    CWinApp* m_pApp = nullptr;
    LPCSTR m_savedKey = nullptr;
    LPCSTR m_savedProfile = nullptr;
    CMultiDocTemplate* m_pTemplate = nullptr;
    CMultiDocTemplate* m_pOther = nullptr;
    CMdiMain* m_pMain = nullptr;
    HWND m_hMain = nullptr;
    TempFolder m_folder;
};

TEST_F(MdiProgram, OpensTwoDocumentsAndRoutesCommandsThroughTheActiveChild)
{
    CString pathA = m_folder.Write("a.tst", CString("A"));
    CString pathB = m_folder.Write("b.TST", CString("B"));
    CDocument* pDocA = Open(pathA);
    ASSERT_NE(nullptr, pDocA);
    EXPECT_TRUE(pDocA->IsKindOf(RUNTIME_CLASS(CMdiDoc)));   // the template of the file's type
    // The list is in the profile as soon as the file is open.
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER,
                                           "Software\\TarnixFrameworkTest\\TarnixTests\\Recent File List", 0,
                                           KEY_READ, &hKey));
    RegCloseKey(hKey);
    EXPECT_EQ(pathA, m_pApp->GetProfileString("Recent File List", "File1"));

    CDocument* pDocB = Open(pathB);
    ASSERT_NE(nullptr, pDocB);
    EXPECT_EQ(2, ChildCount());
    EXPECT_EQ(pathB, m_pApp->GetProfileString("Recent File List", "File1"));
    EXPECT_EQ(pathA, m_pApp->GetProfileString("Recent File List", "File2"));

    // The active child is B's; the frame shows the template's menu.
    CMdiChild* pChildB = ChildOf(pDocB);
    ASSERT_NE(nullptr, pChildB);
    EXPECT_EQ(pChildB, m_pMain->MDIGetActive());
    EXPECT_EQ(pDocB, m_pMain->GetActiveDocument());
    EXPECT_EQ(m_pTemplate->m_hMenuShared, ::GetMenu(m_hMain));
    EXPECT_EQ(CString("b.TST"), pDocB->GetTitle());

    // A command goes view, document, child frame, then the main frame.
    m_pMain->SendMessage(WM_COMMAND, ID_TEST_ROUTED);
    std::vector<std::string> expected = { "view", "document", "child frame", "main frame" };
    EXPECT_EQ(expected, g_route);

    // The same from a popup that the main frame tracks: its items are updated
    // through the same route, and the choice reaches the view first.
    g_route.clear();
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, ID_TEST_ROUTED, "Weitergereicht");
    popup.AppendMenu(MF_STRING, ID_TEST_UNHANDLED, "Ohne Behandlung");
    m_pMain->PostMessage(WM_KEYDOWN, VK_DOWN, 0);
    m_pMain->PostMessage(WM_KEYDOWN, VK_RETURN, 0);
    UINT_PTR nGuard = ::SetTimer(nullptr, 0, 2000, [](HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); });
    m_pMain->SetForegroundWindow();
    popup.TrackPopupMenu(TPM_LEFTALIGN, 10, 10, m_pMain);
    ::KillTimer(nullptr, nGuard);
    PumpPendingMessages();
    EXPECT_TRUE(popup.GetMenuState(ID_TEST_UNHANDLED, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(popup.GetMenuState(ID_TEST_ROUTED, MF_BYCOMMAND) & MF_CHECKED);
    expected = { "view update", "main frame update", "view", "document", "child frame", "main frame" };
    EXPECT_EQ(expected, g_route);
}

TEST_F(MdiProgram, TheActiveDocumentsKeysReachTheRoute)
{
    CDocument* pDoc = Open(m_folder.Write("a.tst", CString("A")));
    ASSERT_NE(nullptr, pDoc);
    POSITION pos = pDoc->GetFirstViewPosition();
    CView* pView = pDoc->GetNextView(pos);
    // Ctrl+R is the template's key for the routed command.
    BYTE keys[256];
    ::GetKeyboardState(keys);
    BYTE saved = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG msg = { pView->m_hWnd, WM_KEYDOWN, 'R', 0x00130001, 0, { 0, 0 } };
    BOOL bTranslated = CWinThread::WalkPreTranslateTree(&msg);
    keys[VK_CONTROL] = saved;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(bTranslated);
    // The system updates the menu item before it sends the command.
    std::vector<std::string> expected = { "view update", "main frame update", "view", "document", "child frame",
                                          "main frame" };
    EXPECT_EQ(expected, g_route);
}

TEST_F(MdiProgram, ClosingAsksAboutModifiedDocumentsAndCancelKeepsThem)
{
    MessageBoxRecorder boxes;
    CDocument* pDocA = Open(m_folder.Write("a.tst", CString("A")));
    CDocument* pDocB = Open(m_folder.Write("b.tst", CString("B")));
    ASSERT_NE(nullptr, pDocA);
    ASSERT_NE(nullptr, pDocB);
    pDocA->SetModifiedFlag();
    pDocB->SetModifiedFlag();

    // Closing A's child asks; Cancel keeps it.
    boxes.Answer(IDCANCEL);
    ChildOf(pDocA)->SendMessage(WM_CLOSE);
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_NE(-1, boxes.Last().strText.Find("a.tst"));
    EXPECT_EQ(2, ChildCount());

    // Closing the main frame asks for each; Cancel on the second keeps everything.
    boxes.Answer(IDNO);
    boxes.Answer(IDCANCEL);
    m_pMain->SendMessage(WM_CLOSE);
    EXPECT_EQ(3u, boxes.Count());
    EXPECT_TRUE(::IsWindow(m_hMain));
    EXPECT_EQ(2, ChildCount());

    // No on both closes every document and the frame.
    boxes.Answer(IDNO);
    boxes.Answer(IDNO);
    m_pMain->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(m_hMain));
    EXPECT_EQ(nullptr, m_pTemplate->GetFirstDocPosition());
    EXPECT_EQ(nullptr, m_pApp->m_pMainWnd);
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));   // the program would end
}

TEST_F(MdiProgram, AFailedOpenLeavesNoFrame)
{
    EXPECT_EQ(nullptr, Open(m_folder.File("fehlt.tst")));
    EXPECT_EQ(0, ChildCount());
    EXPECT_EQ(nullptr, m_pTemplate->GetFirstDocPosition());
    EXPECT_TRUE(m_pApp->GetProfileString("Recent File List", "File1").IsEmpty());
    EXPECT_EQ(m_pMain->m_hMenuDefault, ::GetMenu(m_hMain));
}

TEST_F(MdiProgram, TheFileMenuListsRecentFilesAndTheChoiceReachesTheProgram)
{
    CString pathA = m_folder.Write("a.tst", CString("A"));
    CString pathB = m_folder.Write("b.tst", CString("B"));
    ASSERT_NE(nullptr, Open(pathA));
    CDocument* pDocB = Open(pathB);
    ASSERT_NE(nullptr, pDocB);

    CMenu* pFile = CMenu::FromHandle(::GetSubMenu(::GetMenu(m_hMain), 0));
    UINT nBefore = pFile->GetMenuItemCount();
    m_pMain->SendMessage(WM_INITMENUPOPUP, (WPARAM)pFile->m_hMenu, 0);
    EXPECT_EQ(nBefore + 1, pFile->GetMenuItemCount());
    CString first, second;
    pFile->GetMenuString(ID_FILE_MRU_FILE1, first, MF_BYCOMMAND);
    pFile->GetMenuString(ID_FILE_MRU_FILE1 + 1, second, MF_BYCOMMAND);
    EXPECT_EQ(0, first.Find("&1 ")) << (LPCSTR)first;
    EXPECT_NE(-1, first.Find(pathB)) << (LPCSTR)first;
    EXPECT_NE(-1, second.Find(pathA)) << (LPCSTR)second;
    // Opening the menu again does not add them twice.
    m_pMain->SendMessage(WM_INITMENUPOPUP, (WPARAM)pFile->m_hMenu, 0);
    EXPECT_EQ(nBefore + 1, pFile->GetMenuItemCount());

    CString asked;
    testing_support::TestAppStages().openDocumentFile = [&](LPCSTR lpszFileName) -> CDocument* {
        asked = lpszFileName;
        return pDocB;
    };
    m_pMain->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(pathA, asked);
}

TEST_F(MdiProgram, AChildWhoseSizeIsFixedKeepsItAfterAResizeRequest)
{
    CDocument* pDoc = Open(m_folder.Write("a.tst", CString("A")));
    ASSERT_NE(nullptr, pDoc);
    CMdiChild* pChild = ChildOf(pDoc);
    ASSERT_NE(nullptr, pChild);
    pChild->sizeFixed = CSize(220, 170);
    pChild->SetWindowPos(nullptr, 0, 0, 220, 170, SWP_NOZORDER | SWP_NOACTIVATE);
    pChild->SetWindowPos(nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    CRect rc;
    pChild->GetWindowRect(&rc);
    EXPECT_EQ(220, rc.Width());
    EXPECT_EQ(170, rc.Height());
}

// The empty client is drawn without scroll bars from the first: it does not
// show them to hide them with its first posted calculation.
TEST_F(MdiProgram, TheEmptyClientHasNoScrollBarsBeforeItsFirstMessages)
{
    EXPECT_EQ(0, ::GetWindowLongA(m_pMain->m_hWndMDIClient, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
}

TEST_F(MdiProgram, HelpCommandsEndInTheProgramsHelp)
{
    std::vector<UINT> commands;
    testing_support::TestAppStages().winHelp = [&](DWORD_PTR, UINT nCmd) { commands.push_back(nCmd); };
    m_pMain->SendMessage(WM_COMMAND, ID_HELP_FINDER);
    m_pMain->SendMessage(WM_COMMAND, ID_HELP);
    std::vector<UINT> expected = { HELP_FINDER, HELP_CONTEXT };
    EXPECT_EQ(expected, commands);
}

TEST_F(MdiProgram, WindowCommandsAreEnabledWithAChildOnly)
{
    CMenu* pWindow = CMenu::FromHandle(::GetSubMenu(m_pTemplate->m_hMenuShared, 2));
    m_pMain->SendMessage(WM_INITMENUPOPUP, (WPARAM)pWindow->m_hMenu, 2);
    EXPECT_TRUE(pWindow->GetMenuState(ID_WINDOW_CASCADE, MF_BYCOMMAND) & MF_GRAYED);
    ASSERT_NE(nullptr, Open(m_folder.Write("a.tst", CString("A"))));
    m_pMain->SendMessage(WM_INITMENUPOPUP, (WPARAM)pWindow->m_hMenu, 2);
    EXPECT_FALSE(pWindow->GetMenuState(ID_WINDOW_CASCADE, MF_BYCOMMAND) & MF_GRAYED);
    // The client lists the child in the window popup.
    EXPECT_NE(0xFFFFFFFFu, pWindow->GetMenuState(AFX_IDM_FIRST_MDICHILD, MF_BYCOMMAND));
}

} // namespace mdi_test
