#include "editor/dialogs/ListboxWizard.h"
#include "editor/dialogs/LumivaneTipDlg.h"

#include "editor/WizardIds.h"
#include "framework/Ids.h"

#include "DialogTestSupport.h"
#include "PelmoraRegistry.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

using namespace dialog_tests;
using namespace dialog_tests::wizard;
using testing_support::CommonDialogScript;
using testing_support::Lines;
using testing_support::MessageBoxRecorder;
using testing_support::ReadFileText;
using testing_support::TempFolder;

namespace {

BOOL Contains(const CString& strText, LPCSTR lpszPart)
{
    return strText.Find(lpszPart) >= 0;
}

TEST(ListboxWizard, InsertingWritesANewListFileOfThePictures)
{
    TempFolder project;
    FakeServices services;
    services.projectFolder = project.Path();
    project.Write("Pics\\a.jpg", "a");
    project.Write("Pics\\b.jpg", "b");
    project.Write("Pics\\notes.txt", "n");
    CListboxWizard wizard;
    wizard.m_strProjectFolder = project.Path();
    wizard.m_nX = 10;
    wizard.m_nY = 20;
    wizard.m_nWidth = 200;
    wizard.m_nHeight = 150;
    MessageBoxRecorder boxes;
    boxes.Answer(IDNO);  // no further picture types
    CommonDialogScript files;
    files.AnswerFile(project.File("Pics\\a.jpg"));
    PelmoraRegistry noShowPrograms;  // the picture-show tip comes instead of the offer
    std::vector<int> pages;
    CString buttonText, listText;
    ModalScript script([&](CDialog* pDlg) {
        if (dynamic_cast<CLumivaneTipDlg*>(pDlg) != nullptr)
        {
            Click(pDlg, IDOK);
            return;
        }
        pages.push_back(AsSheet(pDlg)->GetActiveIndex());
        Click(pDlg, ID_WIZBACK);  // refused by the welcome page
        pages.push_back(AsSheet(pDlg)->GetActiveIndex());
        Next(pDlg);
        Page(pDlg)->SetDlgItemText(IDC_LB_X, "30");
        Page(pDlg)->CheckDlgButton(IDC_LB_NO_STYLE, BST_CHECKED);
        Next(pDlg);
        pages.push_back(AsSheet(pDlg)->GetActiveIndex());
        Click(Page(pDlg), IDC_LB_BROWSE);
        Next(pDlg);
        pages.push_back(AsSheet(pDlg)->GetActiveIndex());
        buttonText = ItemText(Page(pDlg), IDC_LB_BUTTON_TEXT);
        Next(pDlg);
        pages.push_back(AsSheet(pDlg)->GetActiveIndex());
        listText = ItemText(Page(pDlg), IDC_LB_LIST_TEXT);
        Finish(pDlg);
    });
    ASSERT_EQ(ID_WIZFINISH, wizard.DoModal());
    EXPECT_EQ(std::vector<int>({ 0, 0, 2, 3, 4 }), pages);
    // A new list's chooser starts in the project, where its entries must lie.
    EXPECT_EQ(std::vector<CString>({ project.Path() }), files.StartFolders());
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_TRUE(wizard.m_bPictureList);
    EXPECT_EQ(CString("Ausführen"), buttonText);
    EXPECT_EQ(project.File("Pics\\List001.ini"), wizard.m_strListFile);
    CString written = ReadFileText(wizard.m_strListFile);
    EXPECT_EQ(written, listText);
    for (LPCSTR line : { "[SCRIPT]", "DOCUMENT=%1\r\n", "APPLICATION=\r\n", "FOLDER=Pics\r\n", "EXT=*.jpg\r\n",
                         "BUTTONTEXT=Ausführen\r\n", "[LIST]", "a.jpg", "b.jpg" })
    {
        SCOPED_TRACE(line);
        EXPECT_TRUE(Contains(written, line));
    }
    EXPECT_FALSE(Contains(written, "notes.txt"));
    EXPECT_EQ(30, wizard.m_nX);
    EXPECT_EQ(20, wizard.m_nY);
    EXPECT_FALSE(wizard.m_bStyle);
}

// An existing list of PDF documents in Docs, edited.
struct EditFixture
{
    TempFolder project;
    FakeServices services;
    CListboxWizard wizard;

    EditFixture()
    {
        services.projectFolder = project.Path();
        project.Write("Docs\\a.pdf", "a");
        project.Write("Other\\c.pdf", "c");
        project.Write("Docs\\List001.ini", Lines({ "[SCRIPT]", "DOCUMENT=\"%1\"", "APPLICATION=", "PARAMETER=",
                                                   "FOLDER=Docs", "EXT=*.pdf", "BUTTONTEXT=Lesen", "[LIST]",
                                                   "LISTITEM=a:FILE=a.pdf:TOOLTIP=a" }));
        wizard.m_bEditMode = TRUE;
        wizard.m_strProjectFolder = project.Path();
        wizard.m_strListFile = project.File("Docs\\List001.ini");
        wizard.m_nWidth = 200;
        wizard.m_nHeight = 150;
        wizard.m_bStyle = TRUE;
    }
};

TEST(ListboxWizard, EditingAnotherFolderMakesANewListAndEmptiesTheProgram)
{
    EditFixture fx;
    int nPages = 0;
    BOOL bBackOnFirst = TRUE, bButtonTextEnabled = TRUE;
    CString document;
    ModalScript script([&](CDialog* pDlg) {
        nPages = AsSheet(pDlg)->GetPageCount();
        testing_support::PumpPendingMessages();
        bBackOnFirst = ItemEnabled(pDlg, ID_WIZBACK);
        Next(pDlg);
        Page(pDlg)->SetDlgItemText(IDC_LB_FOLDER, fx.project.File("Other"));
        Next(pDlg);
        bButtonTextEnabled = ItemEnabled(Page(pDlg), IDC_LB_BUTTON_TEXT);
        document = ItemText(Page(pDlg), IDC_LB_DOCUMENT);
        Page(pDlg)->SetDlgItemText(IDC_LB_APPLICATION, fx.project.File("tools\\view.exe"));
        Next(pDlg);
        Finish(pDlg);
    });
    ASSERT_EQ(ID_WIZFINISH, fx.wizard.DoModal());
    EXPECT_EQ(4, nPages);
    EXPECT_FALSE(bBackOnFirst);
    EXPECT_FALSE(bButtonTextEnabled);
    EXPECT_TRUE(document.IsEmpty());  // the old "%1" was emptied, and editing proposes nothing
    EXPECT_EQ(fx.project.File("Other\\List001.ini"), fx.wizard.m_strListFile);
    EXPECT_EQ(CString("Lesen"), fx.wizard.m_strButtonText);
    CString written = ReadFileText(fx.wizard.m_strListFile);
    EXPECT_TRUE(Contains(written, "APPLICATION=tools\\view.exe\r\n"));
    EXPECT_TRUE(Contains(written, "FOLDER=Other\r\n"));
    EXPECT_TRUE(fx.wizard.m_bStyle);
}

TEST(ListboxWizard, EditingWithoutChangeUpdatesTheScriptAndKeepsABackup)
{
    EditFixture fx;
    ModalScript script([&](CDialog* pDlg) {
        Next(pDlg);
        Next(pDlg);
        Page(pDlg)->SetDlgItemText(IDC_LB_PARAMETER, "/view");
        Next(pDlg);
        Finish(pDlg);
    });
    ASSERT_EQ(ID_WIZFINISH, fx.wizard.DoModal());
    EXPECT_EQ(fx.project.File("Docs\\List001.ini"), fx.wizard.m_strListFile);
    EXPECT_TRUE(Contains(ReadFileText(fx.wizard.m_strListFile), "PARAMETER=/view"));
    EXPECT_TRUE(Contains(ReadFileText(fx.project.File("Docs\\List001.ini.bak")), "PARAMETER=\r\n"));
    EXPECT_EQ(fx.project.Path(), fx.wizard.m_strFolder.Left(fx.project.Path().GetLength()));
}

TEST(ListboxWizard, RefusesMissingValuesAFolderOutsideTheProjectAndOutOfRangeSizes)
{
    EditFixture fx;
    TempFolder outside;
    outside.Write("x.pdf", "x");
    MessageBoxRecorder boxes;
    std::vector<int> pages;
    BOOL bFinished = TRUE;
    ModalScript script([&](CDialog* pDlg) {
        Page(pDlg)->SetDlgItemText(IDC_LB_WIDTH, "601");
        Next(pDlg);  // range message
        pages.push_back(AsSheet(pDlg)->GetActiveIndex());
        Page(pDlg)->SetDlgItemText(IDC_LB_WIDTH, "600");
        Next(pDlg);
        Page(pDlg)->SetDlgItemText(IDC_LB_PATTERN, "");
        Next(pDlg);  // string 232
        pages.push_back(AsSheet(pDlg)->GetActiveIndex());
        Page(pDlg)->SetDlgItemText(IDC_LB_PATTERN, "*.pdf");
        Page(pDlg)->SetDlgItemText(IDC_LB_FOLDER, outside.Path());
        Next(pDlg);
        Page(pDlg)->SetDlgItemText(IDC_LB_DOCUMENT, "%1");
        Page(pDlg)->SetDlgItemText(IDC_LB_BUTTON_TEXT, "");
        Next(pDlg);  // stays quietly without button text
        pages.push_back(AsSheet(pDlg)->GetActiveIndex());
        Page(pDlg)->SetDlgItemText(IDC_LB_BUTTON_TEXT, "Lesen");
        Next(pDlg);  // string 236
        pages.push_back(AsSheet(pDlg)->GetActiveIndex());
        bFinished = Finish(pDlg);
    });
    EXPECT_EQ(IDCANCEL, fx.wizard.DoModal());
    EXPECT_EQ(std::vector<int>({ 0, 1, 2, 3 }), pages);
    EXPECT_FALSE(bFinished);
    EXPECT_EQ(3u, boxes.Count());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(outside.File("List001.ini")));
}

// A list written on an earlier visit of the last page does not let the wizard
// finish once the folder was changed to one it refuses.
TEST(ListboxWizard, NoFinishAfterARefusedFolder)
{
    EditFixture fx;
    TempFolder outside;
    MessageBoxRecorder boxes;
    BOOL bFinished = TRUE;
    CString listShown;
    ModalScript script([&](CDialog* pDlg) {
        Next(pDlg);
        Next(pDlg);
        Next(pDlg);
        Click(pDlg, ID_WIZBACK);
        Click(pDlg, ID_WIZBACK);
        Page(pDlg)->SetDlgItemText(IDC_LB_FOLDER, outside.Path());
        Next(pDlg);
        Page(pDlg)->SetDlgItemText(IDC_LB_DOCUMENT, "%1");
        Next(pDlg);  // string 236
        listShown = ItemText(Page(pDlg), IDC_LB_LIST_TEXT);
        bFinished = Finish(pDlg);
    });
    EXPECT_EQ(IDCANCEL, fx.wizard.DoModal());
    EXPECT_FALSE(bFinished);
    EXPECT_TRUE(listShown.IsEmpty());
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(CString("Der angegebene Ordner liegt nicht im Projekt Pfad"), boxes.Last().strText);
}

// Every button the wizard shows lies inside it, whatever the font's size.
TEST(ListboxWizard, ItsButtonsLieInsideTheWizard)
{
    TempFolder project;
    FakeServices services;
    services.projectFolder = project.Path();
    CListboxWizard wizard;
    wizard.m_strProjectFolder = project.Path();
    std::vector<std::pair<int, CRect>> outside;
    CRect client;
    ModalScript script([&](CDialog* pDlg) {
        testing_support::PumpPendingMessages();
        pDlg->GetClientRect(&client);
        for (int nID : { ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH, IDCANCEL, IDHELP })
        {
            HWND hButton = ::GetDlgItem(pDlg->m_hWnd, nID);
            if (hButton == nullptr || !::IsWindowVisible(hButton))
                continue;
            CRect rc;
            ::GetWindowRect(hButton, &rc);
            pDlg->ScreenToClient(&rc);
            CRect inside;
            if (!inside.IntersectRect(&rc, &client) || inside != rc)
                outside.push_back({ nID, rc });
        }
        Click(pDlg, IDCANCEL);
    });
    wizard.DoModal();
    for (const auto& button : outside)
        ADD_FAILURE() << "button " << button.first << " at " << button.second.left << "," << button.second.top << "-"
                      << button.second.right << "," << button.second.bottom << " outside 0,0-" << client.right << ","
                      << client.bottom;
}

TEST(ListboxWizard, PicturePatterns)
{
    const struct
    {
        LPCSTR pattern;
        BOOL pictures;
    } cases[] = { { "*.gif", TRUE }, { "*.GIF", TRUE }, { "*.jpeg", TRUE }, { "*.wmf", TRUE },
                  { "*.JPG", FALSE }, { "*.png", FALSE }, { "*.pdf:*.gif", TRUE }, { "*.txt", FALSE } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(c.pictures, CLB_FolderPage::IsPicturePattern(c.pattern));
    }
}

TEST(ListboxWizard, AListFileFolderOfDotBackslashIsTheProjectFolder)
{
    TempFolder project;
    CString listFile = project.Write("List001.ini", Lines({ "[SCRIPT]", "FOLDER=.\\", "EXT=*.exe" }));
    CListboxWizard wizard;
    wizard.m_strProjectFolder = project.Path();
    wizard.m_strListFile = listFile;
    wizard.ReadListFile();
    EXPECT_EQ(project.Path(), wizard.m_strFolder);
    EXPECT_EQ(CString("*.exe"), wizard.m_strExt);
}

} // namespace
