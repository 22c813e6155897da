#include "framework/Afx.h"

#include "TestResources.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace frame_test {

std::vector<std::string> g_events;

class CTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CTestDoc)
public:
    BOOL OnNewDocument() override
    {
        g_events.push_back("new document");
        return CDocument::OnNewDocument();
    }

protected:
    void OnHandled() { g_events.push_back("document handled"); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND(ID_TEST_HANDLED, OnHandled)
END_MESSAGE_MAP()

class CTestView : public CView
{
    DECLARE_DYNCREATE(CTestView)
public:
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override
    {
        g_events.push_back(GetDocument() != nullptr ? "initial update with document" : "initial update alone");
        CView::OnInitialUpdate();
    }

protected:
    void OnUpdateUpdated(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_UPDATE_COMMAND_UI(ID_TEST_UPDATED, OnUpdateUpdated)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CTestFrame)
public:
    ~CTestFrame() override { g_events.push_back("frame deleted"); }
};

IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)

TEST(SingleDocument, MakesFrameDocumentAndViewAndEndsOnAppExit)
{
    g_events.clear();
    CWinApp* pApp = AfxGetApp();
    CSingleDocTemplate* pTemplate = new CSingleDocTemplate(
        IDR_TESTFRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame), RUNTIME_CLASS(CTestView));
    pApp->AddDocTemplate(pTemplate);
    pApp->m_nCmdShow = SW_SHOWNORMAL;

    CCommandLineInfo cmdInfo;
    LPSTR savedCmdLine = pApp->m_lpCmdLine;
    pApp->m_lpCmdLine = const_cast<LPSTR>("");
    pApp->ParseCommandLine(cmdInfo);
    pApp->m_lpCmdLine = savedCmdLine;
    ASSERT_TRUE(pApp->ProcessShellCommand(cmdInfo));

    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(pApp->m_pMainWnd);
    ASSERT_NE(nullptr, pFrame);
    EXPECT_TRUE(pFrame->IsKindOf(RUNTIME_CLASS(CTestFrame)));
    CView* pView = pFrame->GetActiveView();
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(AFX_IDW_PANE_FIRST, pView->GetDlgCtrlID());
    EXPECT_TRUE(pView->GetDocument()->IsKindOf(RUNTIME_CLASS(CTestDoc)));
    CString title;
    pFrame->GetWindowText(title);
    EXPECT_EQ(0, title.Find("Testrahmen")) << (LPCSTR)title;
    ASSERT_GE(g_events.size(), 2u);
    EXPECT_EQ("new document", g_events[0]);
    EXPECT_EQ("initial update with document", g_events[1]);

    // A menu command routes from the frame through the view to the document.
    pFrame->SendMessage(WM_COMMAND, ID_TEST_HANDLED);
    EXPECT_EQ("document handled", g_events.back());

    // Opening the menu updates its items: no handler means disabled.
    CMenu* pPopup = pFrame->GetMenu()->GetSubMenu(0);
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)pPopup->m_hMenu, 0);
    EXPECT_FALSE(pPopup->GetMenuState(ID_TEST_HANDLED, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(pPopup->GetMenuState(ID_TEST_UNHANDLED, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(pPopup->GetMenuState(ID_TEST_UPDATED, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(pPopup->GetMenuState(ID_APP_EXIT, MF_BYCOMMAND) & MF_GRAYED);

    // The exit command closes the frame and ends the message loop.
    pFrame->PostMessage(WM_COMMAND, ID_APP_EXIT);
    MSG msg;
    int guard = 0;
    while (::GetMessageA(&msg, nullptr, 0, 0) && ++guard < 10000)
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    EXPECT_EQ((UINT)WM_QUIT, msg.message);
    EXPECT_EQ(nullptr, pApp->m_pMainWnd);
    EXPECT_EQ("frame deleted", g_events.back());
}

TEST(CommandLine, FirstParameterThatIsNotAFlagIsTheFile)
{
    struct Case
    {
        const char* line;
        const char* file;
        int command;
    };
    const Case cases[] = {
        { "", "", CCommandLineInfo::FileNew },
        { "\"C:\\Mein Menü\\Velconf.ini\"", "C:\\Mein Menü\\Velconf.ini", CCommandLineInfo::FileOpen },
        { "/unknown -x a.ini b.ini", "a.ini", CCommandLineInfo::FileOpen },
        { "  spaced.ini  ", "spaced.ini", CCommandLineInfo::FileOpen },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.line);
        CWinApp* pApp = AfxGetApp();
        LPSTR saved = pApp->m_lpCmdLine;
        pApp->m_lpCmdLine = const_cast<LPSTR>(c.line);
        CCommandLineInfo info;
        pApp->ParseCommandLine(info);
        pApp->m_lpCmdLine = saved;
        EXPECT_EQ(CString(c.file), info.m_strFileName);
        EXPECT_EQ(c.command, info.m_nShellCommand);
    }
}

} // namespace frame_test
