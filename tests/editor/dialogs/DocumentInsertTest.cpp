#include "editor/dialogs/DocumentInsertDlg.h"
#include "editor/dialogs/PdfInsert.h"
#include "editor/dialogs/SlideShowInsert.h"
#include "editor/dialogs/ViewerSetupDlg.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MObjList.h"

#include "editor/WizardIds.h"

#include "DialogTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

using namespace dialog_tests;
using testing_support::MessageBoxRecorder;
using testing_support::ReadFileText;
using testing_support::TempFolder;

namespace {

// A project folder, an editor folder with both starters and a reader setup.
struct InsertFixture
{
    TempFolder project;
    TempFolder editor;
    TempFolder outside;
    FakeServices services;
    CString setup;
    CString document;

    InsertFixture()
    {
        services.projectFolder = project.Path();
        services.editorFolder = editor.Path();
        editor.Write("Pagolin\\pagolin.exe", "starter");
        editor.Write("Pagolin\\pagolin.ini", "[SETTINGS]\r\n");
        editor.Write("Slidora\\slidora.exe", "starter");
        editor.Write("Slidora\\slidora.ini", "[SETTINGS]\r\n");
        setup = outside.Write("ReaderSetup.exe", "setup");
        document = outside.Write("Price.List.pdf", "new document");
    }

    // The insertion of the document into the folder, as the dialogs leave it.
    void Prepare(CDocumentInsert& insert, LPCSTR lpszFolder) const
    {
        insert.m_strProjectFolder = project.Path();
        insert.m_strViewerSetup = setup;
        insert.m_strDocument = document;
        insert.m_strFolder = lpszFolder;
    }
};

CString ProfileValue(const CString& strFile, LPCSTR lpszSection, LPCSTR lpszKey)
{
    char szValue[260] = "";
    ::GetPrivateProfileStringA(lpszSection, lpszKey, "", szValue, sizeof(szValue), strFile);
    return szValue;
}

TEST(DocumentInsert, SetupCopiesDocumentStarterAndReaderSetup)
{
    InsertFixture fx;
    CPdfInsert insert;
    fx.Prepare(insert, "PdfFiles");
    ASSERT_TRUE(insert.Setup());

    CString folder = fx.project.File("PdfFiles");
    EXPECT_EQ(CString("new document"), ReadFileText(folder + "\\Price.List.pdf"));
    EXPECT_EQ(CString("setup"), ReadFileText(folder + "\\PdfSetup\\ReaderSetup.exe"));
    EXPECT_EQ(CString("starter"), ReadFileText(folder + "\\pagolin.exe"));
    EXPECT_EQ(CString("PdfSetup\\ReaderSetup.exe"), ProfileValue(folder + "\\pagolin.ini", "SETTINGS", "SETUP"));
    EXPECT_EQ(CString("PdfFiles\\pagolin.exe"), insert.m_strProgram);
    EXPECT_EQ(CString("/O \"Price.List.pdf\""), insert.m_strParameter);
    EXPECT_TRUE(insert.m_strDocumentArgument.IsEmpty());
}

TEST(DocumentInsert, KeepsADocumentAlreadyInTheFolderAndFailsWithoutStarter)
{
    InsertFixture fx;
    fx.project.Write("PpsFiles\\Price.List.pdf", "author's copy");
    CSlideShowInsert insert;
    fx.Prepare(insert, "PpsFiles");
    EXPECT_TRUE(insert.Setup());
    EXPECT_EQ(CString("author's copy"), ReadFileText(fx.project.File("PpsFiles\\Price.List.pdf")));
    EXPECT_EQ(CString("PpsSetup\\ReaderSetup.exe"),
              ProfileValue(fx.project.File("PpsFiles\\slidora.ini"), "SETTINGS", "SETUP"));

    // A failure is named: which file did not reach which folder.
    ::DeleteFileA(fx.editor.File("Slidora\\slidora.ini"));
    insert.m_strFolder = "Other";
    MessageBoxRecorder boxes;
    EXPECT_FALSE(insert.Setup());
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(CString("Fehler:\n\nDie Datei \"") + fx.editor.File("Slidora\\slidora.ini") +
                  "\" konnte nicht in den Ordner \"" + fx.project.File("Other") + "\" kopiert werden.",
              boxes.Last().strText);
}

// The folder field names one folder inside the project; a document dropped
// on its field is taken from anywhere, as browsing takes it.
TEST(DocumentInsertDlg, FolderNamesAndDroppedDocuments)
{
    const struct
    {
        LPCSTR name;
        BOOL usable;
    } names[] = {
        { "PdfFiles", TRUE }, { "Mein Ordner", TRUE }, { "..", FALSE },    { "..\\x", FALSE }, { "C:\\x", FALSE },
        { "\\x", FALSE },      { "a/b", FALSE },       { "a:b", FALSE },   { "x?", FALSE },    { "con", FALSE },
        { "LPT1.txt", FALSE }, { "name.", FALSE },     { "name ", FALSE }, { "COM10", TRUE },
    };
    for (const auto& n : names)
    {
        SCOPED_TRACE(n.name);
        EXPECT_EQ(n.usable, CDocumentInsertDlg::IsUsableFolderName(n.name));
    }

    InsertFixture fx;
    MessageBoxRecorder boxes;
    CDocumentInsertDlg dlg(g_pdfInsertKind);
    dlg.m_strProjectFolder = fx.project.Path();
    CString dropped;
    BOOL bStayed = FALSE;
    ModalScript script([&](CDialog* pDlg) {
        pDlg->GetDlgItem(IDC_INS_DOCUMENT)->SendMessage(WM_DROPFILES, (WPARAM)MakeDrop(fx.document));
        dropped = ItemText(pDlg, IDC_INS_DOCUMENT);
        pDlg->SetDlgItemText(IDC_INS_FOLDER, "..\\Neben");
        Click(pDlg, IDOK);
        bStayed = pDlg->ContinueModal();
        pDlg->SetDlgItemText(IDC_INS_FOLDER, "Handbuch");
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(fx.document, dropped);
    EXPECT_TRUE(bStayed);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(0, boxes.Last().strText.Find("Achtung !\n\nDer Ordner \"..\\Neben\" kann nicht verwendet werden."));
    EXPECT_EQ(CString("Handbuch"), dlg.m_strFolder);
}

TEST(DocumentInsertDlg, ProposesTheStarterFolderTheRememberedOneOrTheDefault)
{
    const struct
    {
        LPCSTR buttonProgram;  // of a button on the page; null: none
        LPCSTR remembered;
        LPCSTR existingFolder;
        LPCSTR proposed;
        BOOL folderEnabled;
    } cases[] = {
        { "_CURRENTDIR_\\Docs\\Pagolin.exe", "Other", "Docs", "Docs", FALSE },
        { "_CURRENTDIR_\\Gone\\pagolin.exe", "Manuals", "Docs", "Manuals", TRUE },
        { "Docs\\viewer.exe", "Docs", "Docs", "PdfFiles", TRUE },
        { nullptr, "", nullptr, "PdfFiles", TRUE },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.proposed);
        InsertFixture fx;
        if (c.existingFolder != nullptr)
            ::CreateDirectoryA(fx.project.File(c.existingFolder), nullptr);
        fx.services.strings["PDFFOLDER"] = c.remembered;
        CMObjList objects;
        CMButCreateStruct* pButton = new CMButCreateStruct;
        if (c.buttonProgram != nullptr)
        {
            pButton->m_strApplication = c.buttonProgram;
            objects.Add(pButton);
        }
        CDocumentInsertDlg dlg(g_pdfInsertKind);
        dlg.m_strProjectFolder = fx.project.Path();
        dlg.m_pObjects = &objects;
        CString shown;
        BOOL bEnabled = FALSE;
        ModalScript script([&](CDialog* pDlg) {
            shown = ItemText(pDlg, IDC_INS_FOLDER);
            bEnabled = ItemEnabled(pDlg, IDC_INS_FOLDER);
            Click(pDlg, IDCANCEL);
        });
        dlg.DoModal();
        EXPECT_EQ(CString(c.proposed), shown);
        EXPECT_EQ(c.folderEnabled, bEnabled);
        EXPECT_EQ(!c.folderEnabled, dlg.m_bStarterFound);
        if (c.buttonProgram != nullptr)
            objects.DeleteAll();
        else
            delete pButton;
    }
}

TEST(DocumentInsert, RunAsksForTheReaderThenTheDocumentAndRemembersTheFolder)
{
    InsertFixture fx;
    CPdfInsert insert;
    int nDialogs = 0;
    MessageBoxRecorder boxes;
    ModalScript script([&](CDialog* pDlg) {
        ++nDialogs;
        if (dynamic_cast<CViewerSetupDlg*>(pDlg) != nullptr)
        {
            Click(pDlg, IDOK);  // empty: refused
            pDlg->SetDlgItemText(IDC_INS_SETUP_PATH, fx.setup);
            Click(pDlg, IDOK);
            return;
        }
        pDlg->SetDlgItemText(IDC_INS_DOCUMENT, fx.outside.File("Missing.pdf"));
        Click(pDlg, IDOK);
        pDlg->SetDlgItemText(IDC_INS_DOCUMENT, fx.document);
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_INS_DOCUMENT, EN_KILLFOCUS),
                          (LPARAM)::GetDlgItem(pDlg->m_hWnd, IDC_INS_DOCUMENT));
        pDlg->SetDlgItemText(IDC_INS_FOLDER, "");
        Click(pDlg, IDOK);
        pDlg->SetDlgItemText(IDC_INS_FOLDER, "Handbuch");
        Click(pDlg, IDOK);
    });
    ASSERT_TRUE(insert.Run(fx.project.Path(), nullptr));
    EXPECT_EQ(2, nDialogs);
    EXPECT_EQ(3u, boxes.Count());  // no setup, missing document, no folder
    EXPECT_TRUE(insert.m_bViewerChosen);
    EXPECT_EQ(fx.setup, insert.m_strViewerSetup);
    EXPECT_EQ(CString("Price.List"), insert.m_strButtonText);
    EXPECT_EQ(std::string("Handbuch"), fx.services.strings["PDFFOLDER"]);
    EXPECT_EQ(CString("Handbuch\\pagolin.exe"), insert.m_strProgram);
}

TEST(DocumentInsert, ARememberedReaderIsNotAskedForAndCancelStops)
{
    InsertFixture fx;
    CSlideShowInsert insert;
    insert.m_strViewerSetup = fx.setup;
    int nDialogs = 0;
    ModalScript script([&](CDialog* pDlg) {
        ++nDialogs;
        EXPECT_NE(nullptr, dynamic_cast<CDocumentInsertDlg*>(pDlg));
        Click(pDlg, IDCANCEL);
    });
    EXPECT_FALSE(insert.Run(fx.project.Path(), nullptr));
    EXPECT_EQ(1, nDialogs);
    EXPECT_FALSE(insert.m_bViewerChosen);
}

} // namespace
