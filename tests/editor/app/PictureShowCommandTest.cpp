// The view's picture-show button: the insertion's wizard on the project
// folder, and the button that starts the copied player on the show.
#include "editor/app/TarnixEdView.h"
#include "editor/dialogs/LumivaneSheet.h"
#include "framework/Ids.h"
#include "shared/menuobj/MObjButton.h"

#include "../dialogs/PelmoraRegistry.h"
#include "EditorSession.h"
#include "EditorTesting.h"

#include "editor/resource.h"

using dialog_tests::PelmoraRegistry;
using editor_testing::App;
using editor_testing::CopyProject;
using editor_testing::ModalAnswers;
using testing_support::MessageBoxRecorder;
using testing_support::ProgramStartRecorder;
using testing_support::TempFolder;

namespace {

class PictureShowTest : public EditorSessionTest
{
protected:
    void SetUp() override
    {
        m_player = m_programs.Write("Lumivane.exe", "player");
        m_authoring = m_programs.Write("Pelmora.exe", "authoring");
        m_folder.Write("Urlaub\\bild.jpg", "jpg");
        ASSERT_TRUE(App().OpenProjectFile(CopyProject(m_folder, "centred", "024000")));
        m_pView = ActiveView();
        ASSERT_NE(nullptr, m_pView);
        m_pDoc = m_pView->GetDocument();
        testing_support::PumpPendingMessages();
    }
    BOOL Enabled(UINT nID) { return EditorSessionTest::Enabled(m_pView, nID); }
    void ViewCommand(UINT nID)
    {
        m_pView->SendMessage(WM_COMMAND, nID);
        testing_support::PumpPendingMessages();
    }
    int ButtonCount() { return (int)m_pDoc->GetPage().GetButtons().GetSize(); }
    CMButCreateStruct* LastButton()
    {
        return dynamic_cast<CMButCreateStruct*>(m_pDoc->GetPage().GetButtons().GetAt(ButtonCount() - 1));
    }

    TempFolder m_folder;
    TempFolder m_programs;
    PelmoraRegistry m_registry;
    CString m_player, m_authoring;
    CTarnixEdView* m_pView = nullptr;
    CTarnixEdDoc* m_pDoc = nullptr;
};

// Without the programs nothing is inserted; with them the button starts the
// copied player on the show.
TEST_F(PictureShowTest, TheButtonStartsTheCopiedPlayerOnTheShow)
{
    const int nButtons = ButtonCount();
    {
        ModalAnswers answers;
        ViewCommand(ID_OBJ_PICTURESHOW);
        EXPECT_EQ(std::vector<std::string>({ "Lumivane & Pelmora" }), answers.Captions());
        EXPECT_EQ(nButtons, ButtonCount());
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(m_folder.File("Lumivane.exe")));
    }
    m_registry.Set("122", m_player, m_authoring);
    EXPECT_TRUE(Enabled(ID_OBJ_PICTURESHOW));
    MessageBoxRecorder boxes;
    ProgramStartRecorder starts;
    ModalAnswers answers;
    const CString showFolder = m_folder.File("Urlaub");
    answers.Then([showFolder](CDialog* pDlg) {
        ASSERT_NE(nullptr, dynamic_cast<CLumivaneSheet*>(pDlg));
        CPropertySheet* pSheet = static_cast<CPropertySheet*>(pDlg);
        pSheet->GetActivePage()->SetDlgItemText(IDC_SHOW_FOLDER, showFolder);
        for (int i = 0; i < 3; ++i)
            pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(ID_WIZNEXT, BN_CLICKED), 0);
        pSheet->GetActivePage()->SetDlgItemText(IDC_SHOW_CAPTION, "Ferien");
        testing_support::PumpPendingMessages();
        pDlg->SendMessage(PSM_PRESSBUTTON, PSBTN_FINISH);
    });
    ViewCommand(ID_OBJ_PICTURESHOW);
    EXPECT_EQ(std::vector<std::string>({ "Lumivane einfügen" }), answers.Captions());
    EXPECT_EQ(0u, boxes.Count());
    ASSERT_EQ(nButtons + 1, ButtonCount());
    CMButCreateStruct* pButton = LastButton();
    EXPECT_NE(-1, pButton->m_strApplication.Find("Urlaub\\Lumivane.exe"));
    EXPECT_EQ(CString("/O \"LumivaneShow01.ini\""), pButton->m_strParameter);
    EXPECT_TRUE(pButton->m_strDocument.IsEmpty());
    EXPECT_EQ(CString("Ferien"), pButton->m_strText);
    EXPECT_EQ(CString("player"), testing_support::ReadFileText(showFolder + "\\Lumivane.exe"));
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_EQ(m_authoring, starts.Starts()[0].strFile);
    EXPECT_TRUE(m_pView->GetDefaultButton().m_strApplication.IsEmpty()) << "the next button starts plain";
}

} // namespace
