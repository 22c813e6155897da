// The editor started once for a whole test program: its main frame over the
// tests' registry key, with documents closed after every test.
#pragma once

#include "editor/app/MainFrame.h"
#include "editor/app/TarnixEdDoc.h"
#include "editor/app/TarnixEdView.h"
#include "framework/CmdUI.h"
#include "editor/dialogs/ProjectStartDialogs.h"

#include "EditorTesting.h"

#include <string>
#include <vector>

namespace editor_testing {

// Messages through the application's loop, so that the view's
// PreTranslateMessage sees its children's messages as the program does.
inline void PumpLoop()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        AfxPumpMessage();
}

} // namespace editor_testing

class EditorSessionTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        editor_testing::FreshRegistry::Clear();
        editor_testing::App().SetStartDialogs(&s_dialogs);
        editor_testing::ModalAnswers answers;
        ASSERT_TRUE(editor_testing::App().InitInstance());
        testing_support::PumpPendingMessages();
        s_startCaptions = answers.Captions();
        s_strLanguage = editor_testing::App().GetProfileString("SETTINGS", "LANGUAGE", "");
    }
    static void TearDownTestSuite()
    {
        editor_testing::App().CloseAllDocuments(FALSE);
        if (editor_testing::App().m_pMainWnd != nullptr)
            editor_testing::App().m_pMainWnd->DestroyWindow();
        editor_testing::App().m_pMainWnd = nullptr;
        editor_testing::App().SetStartDialogs(nullptr);
        editor_testing::FreshRegistry::Clear();
    }
    void TearDown() override
    {
        testing_support::MessageBoxRecorder boxes;
        boxes.Answer(IDNO);
        editor_testing::App().CloseAllDocuments(FALSE);
        testing_support::PumpPendingMessages();
        // What a test copied is not the next one's.
        editor_testing::App().GetObjectClipboard().Clear();
    }

    static CMainFrame* Frame() { return static_cast<CMainFrame*>(editor_testing::App().m_pMainWnd); }
    static CTarnixEdDoc* ActiveDocument() { return dynamic_cast<CTarnixEdDoc*>(Frame()->GetActiveDocument()); }
    static void Command(UINT nID)
    {
        Frame()->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
        testing_support::PumpPendingMessages();
    }
    static CTarnixEdView* ActiveView()
    {
        CMDIChildWnd* pChild = Frame()->MDIGetActive();
        return pChild != nullptr ? dynamic_cast<CTarnixEdView*>(pChild->GetActiveView()) : nullptr;
    }
    // Whether the target shows the command enabled.
    static BOOL Enabled(CCmdTarget* pTarget, UINT nID)
    {
        struct RecordingCmdUI : CCmdUI
        {
            void Enable(BOOL bOn) override { m_bEnabled = bOn; }
            BOOL m_bEnabled = TRUE;
        } ui;
        ui.m_nID = nID;
        pTarget->OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &ui, nullptr);
        return ui.m_bEnabled;
    }

    static CProjectStartDialogs s_dialogs;
    static std::vector<std::string> s_startCaptions;
    static CString s_strLanguage;
};

