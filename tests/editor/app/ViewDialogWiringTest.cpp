// What the view hands to the object and page dialogs it opens and takes back
// from them, seen through the view's commands with the dialogs answered: the
// page's size that an object must fit, the window's frame, and a text viewer
// button's command line on the button sheet.
#include "editor/app/TarnixEdView.h"
#include "editor/dialogs/ButDlg_Page2.h"
#include "editor/dialogs/ButtonPropSheet.h"
#include "shared/menuobj/AviTestFiles.h"
#include "shared/menuobj/MButCreateStruct.h"

#include "EditorSession.h"
#include "EditorTesting.h"

#include "editor/DialogIds.h"
#include "editor/resource.h"

#include <functional>

using editor_testing::App;
using editor_testing::CopyProject;
using editor_testing::EditorFolder;
using editor_testing::ModalAnswers;
using editor_testing::PumpLoop;
using testing_support::MessageBoxRecorder;
using testing_support::TempFolder;

namespace {

class ViewDialogWiringTest : public EditorSessionTest
{
protected:
    // The sample page of 400 x 300 without objects.
    void Open() { OpenFile(CopyProject(m_folder, "centred", "024000")); }
    void OpenFile(const CString& strPath)
    {
        ASSERT_TRUE(App().OpenProjectFile(strPath));
        m_pView = ActiveView();
        ASSERT_NE(nullptr, m_pView);
        m_pDoc = m_pView->GetDocument();
        PumpLoop();
    }
    void ViewCommand(UINT nID)
    {
        m_pView->SendMessage(WM_COMMAND, nID);
        PumpLoop();
    }
    CString ClipFile()
    {
        menuobj_testing::AviClip clip;
        clip.cx = 40;
        clip.cy = 30;
        menuobj_testing::AviBytes avi(clip);
        return m_folder.Write("clip.avi", avi.Bytes().data(), avi.Bytes().size());
    }
    CMButCreateStruct* Button(int i) { return static_cast<CMButCreateStruct*>(m_pDoc->GetPage().GetButtons().GetAt(i)); }
    CMObjCreateStruct* Clip() { return static_cast<CMObjCreateStruct*>(m_pDoc->GetPage().GetAviClips().GetAt(0)); }

    TempFolder m_folder;
    CTarnixEdView* m_pView = nullptr;
    CTarnixEdDoc* m_pDoc = nullptr;
};

// Types the position on the button sheet's page "Position, Stil".
std::function<void(CDialog*)> SheetAt(LPCSTR pszX, LPCSTR pszY)
{
    return [=](CDialog* pDlg) {
        CPropertySheet* pSheet = static_cast<CPropertySheet*>(pDlg);
        pSheet->SetActivePage(1);
        pSheet->GetActivePage()->SetDlgItemText(IDC_BUT_X, pszX);
        pSheet->GetActivePage()->SetDlgItemText(IDC_BUT_Y, pszY);
    };
}

std::function<void(CDialog*)> ClipAt(const CString& strFile, LPCSTR pszX, LPCSTR pszY)
{
    return [=](CDialog* pDlg) {
        pDlg->SetDlgItemText(IDC_OBJ_FILE, strFile);
        pDlg->SetDlgItemText(IDC_OBJ_X, pszX);
        pDlg->SetDlgItemText(IDC_OBJ_Y, pszY);
    };
}

// The dialog filled, then OK; one that stays is cancelled and noted.
void AnswerOk(ModalAnswers& answers, std::function<void(CDialog*)> fill, BOOL* pStayed = nullptr)
{
    answers.Then([fill, pStayed](CDialog* pDlg) {
        fill(pDlg);
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        const BOOL bStayed = pDlg->ContinueModal();
        if (pStayed != nullptr)
            *pStayed = bStayed;
        if (bStayed)
            pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
}

} // namespace

// A button or a clip placed off the 400 x 300 page is refused by its dialog,
// which names the page's size, on insert and on change alike; the page keeps
// what it had.
TEST_F(ViewDialogWiringTest, TheButtonSheetAndTheClipDialogKnowThePagesSize)
{
    const CString clip = ClipFile();
    Open();
    MessageBoxRecorder unexpected;
    const struct
    {
        LPCSTR name;
        UINT nCommand;
        POINT ptSelect;   // the object changed; (-1, -1) for an insert
        std::function<void(CDialog*)> offPage;
    } rows[] = {
        { "button inserted", ID_OBJ_BUTTON, { -1, -1 }, SheetAt("990", "990") },
        { "clip inserted", ID_OBJ_AVICLIP, { -1, -1 }, ClipAt(clip, "2000", "2000") },
        { "button changed", ID_OBJ_CHANGE, { 15, 15 }, SheetAt("990", "990") },
        { "clip changed", ID_OBJ_CHANGE, { 205, 105 }, ClipAt(clip, "2000", "2000") },
    };
    ModalAnswers answers;
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        if (row.ptSelect.x >= 0 && m_pDoc->GetPage().GetButtons().GetSize() == 0)
        {
            // The objects to change, where they fit.
            AnswerOk(answers, SheetAt("10", "10"));
            AnswerOk(answers, ClipAt(clip, "200", "100"));
            ViewCommand(ID_OBJ_BUTTON);
            ViewCommand(ID_OBJ_AVICLIP);
            ASSERT_EQ(1, m_pDoc->GetPage().GetButtons().GetSize());
            ASSERT_EQ(1, m_pDoc->GetPage().GetAviClips().GetSize());
        }
        const int nObjects = m_pView->GetObjects().GetObjectCount();
        MessageBoxRecorder boxes;
        BOOL bStayed = FALSE;
        AnswerOk(answers, row.offPage, &bStayed);
        if (row.ptSelect.x >= 0)
            m_pView->GetObjects().SelectOnlyAt(row.ptSelect.x, row.ptSelect.y);
        ViewCommand(row.nCommand);
        EXPECT_TRUE(bStayed);
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_NE(-1, boxes.Last().strText.Find("400")) << boxes.Last().strText;
        EXPECT_NE(-1, boxes.Last().strText.Find("300")) << boxes.Last().strText;
        EXPECT_EQ(nObjects, m_pView->GetObjects().GetObjectCount());
    }
    EXPECT_EQ(10, Button(0)->m_rect.left);
    EXPECT_EQ(200, Clip()->m_rect.left);
}

// The window dialog's frame box reaches the saved page, set and cleared.
TEST_F(ViewDialogWiringTest, TheWindowDialogsFrameReachesTheSavedPage)
{
    Open();
    ModalAnswers answers;
    for (UINT nCheck : { BST_CHECKED, BST_UNCHECKED })
    {
        SCOPED_TRACE(nCheck);
        AnswerOk(answers, [nCheck](CDialog* pDlg) { pDlg->CheckDlgButton(IDC_WINPOS_BORDER, nCheck); });
        ViewCommand(ID_PAGE_WINDOWPOS);
        ASSERT_TRUE(m_pDoc->OnSaveDocument(m_folder.File("Velconf.ini")));
        const CString saved = testing_support::ReadFileText(m_folder.File("Velconf.ini"));
        EXPECT_NE(-1, saved.Find(nCheck == BST_CHECKED ? "\r\nBORDER=1\r\n" : "\r\nBORDER=0\r\n"));
    }
}

// A text viewer button whose command line is as long as the viewer dialog
// allows can still be edited on the button sheet, and keeps its whole line
// through the sheet and the saved page.
TEST_F(ViewDialogWiringTest, AViewerButtonAtTheLimitGoesThroughTheSheet)
{
    EditorFolder editor;
    editor.Write("Scrollet.exe", "MZ");
    m_folder.Write("liesmich.txt", "Zeile\r\n");
    Open();
    // The line without a title, and what a title adds: /TITLE="..." before /NOMENU.
    const CString untitled =
        "\"liesmich.txt\" /NOMENU /FONT=COURIER /COLOR=255,255,226 /TEXT=0,0,0 /WINDOW=-1,0,400,470 /ICON=1";
    const CString title('t', CButDlg_Page2::kMaxParameter - untitled.GetLength() - 10);
    ModalAnswers answers;
    AnswerOk(answers, [title](CDialog* pDlg) {
        pDlg->SetDlgItemText(IDC_VIEWER_DOCUMENT, "liesmich.txt");
        pDlg->SetDlgItemText(IDC_VIEWER_TITLE, title);
    });
    ViewCommand(ID_OBJ_TEXTVIEWER);
    ASSERT_EQ(1, m_pDoc->GetPage().GetButtons().GetSize());
    const CString line = Button(0)->m_strParameter;
    ASSERT_EQ(CButDlg_Page2::kMaxParameter, line.GetLength());

    BOOL bStayed = TRUE;
    AnswerOk(answers, [](CDialog* pDlg) {
        CPropertySheet* pSheet = static_cast<CPropertySheet*>(pDlg);
        pSheet->SetActivePage(0);
        pSheet->GetActivePage()->SetDlgItemText(IDC_BUT_CAPTION, "Liesmich");
        pSheet->SetActivePage(2);
    }, &bStayed);
    const RECT rc = Button(0)->m_rect;
    m_pView->GetObjects().SelectOnlyAt(rc.left + 2, rc.top + 2);
    ViewCommand(ID_OBJ_CHANGE);
    EXPECT_FALSE(bStayed);
    EXPECT_EQ(CString("Liesmich"), Button(0)->m_strText);
    EXPECT_EQ(line, Button(0)->m_strParameter);

    ASSERT_TRUE(m_pDoc->OnSaveDocument(m_folder.File("Velconf.ini")));
    App().CloseAllDocuments(FALSE);
    PumpLoop();
    OpenFile(m_folder.File("Velconf.ini"));
    ASSERT_EQ(1, m_pDoc->GetPage().GetButtons().GetSize());
    EXPECT_EQ(line, Button(0)->m_strParameter);
}
