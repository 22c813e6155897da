// The editor started in this process: its main frame, the Start Center and
// the roads that create and open projects, with dialogs answered by the modal
// hook and boxes by the recorder.
#include "editor/app/ChildFrame.h"
#include "editor/app/MainFrame.h"
#include "editor/app/TarnixEdDoc.h"
#include "editor/dialogs/ProjectStartDialogs.h"
#include "editor/dialogs/SupportDlg.h"
#include "editor/dialogs/TextFontDlg.h"
#include "editor/dialogs/UiLanguage.h"

#include "EditorSession.h"
#include "EditorTesting.h"
#include "framework/DocTemplate.h"
#include "framework/MDIChildWnd.h"
#include "shared/menuobj/ProjectPage.h"

#include "editor/DialogIds.h"
#include "editor/resource.h"

#include <functional>
#include <string>
#include <vector>

using editor_testing::App;
using editor_testing::ModalAnswers;
using editor_testing::Text;
using editor_testing::CopyProject;
using editor_testing::EditorFolder;
using testing_support::CommonDialogScript;
using testing_support::MessageBoxRecorder;
using testing_support::PumpPendingMessages;
using testing_support::ReadFileText;
using testing_support::TempFolder;

namespace {

// A new-project dialog that takes the folder and OK.
void TypeNewProject(ModalAnswers& answers, const CString& strFolder)
{
    answers.Then([strFolder](CDialog* pDlg) {
        pDlg->SetDlgItemText(IDC_PROJECT_FOLDER, strFolder);
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
}

} // namespace

CProjectStartDialogs EditorSessionTest::s_dialogs;
std::vector<std::string> EditorSessionTest::s_startCaptions;
CString EditorSessionTest::s_strLanguage;


TEST_F(EditorSessionTest, AFreshStartAsksTheLanguageShowsTheStartCenterAndWritesNoLanguage)
{
    // The language library and its settings file ("-") lie beside the tests:
    // the question comes first, and Cancel leaves the registry unwritten.
    ASSERT_NE(nullptr, Frame());
    EXPECT_NE(nullptr, Frame()->m_hWndMDIClient);
    EXPECT_EQ((std::vector<std::string>{ "Tarnix Editor - Language / Sprache", "Tarnix Start Center" }),
              s_startCaptions);
    EXPECT_EQ("", Text(s_strLanguage));
}

TEST_F(EditorSessionTest, FileNewLaysOutTheFolderAndOpensTheFullProject)
{
    EditorFolder editor;
    TempFolder projects;
    CString folder = projects.File("Neu");
    MessageBoxRecorder boxes;
    ModalAnswers answers;
    TypeNewProject(answers, folder + "\\");
    Command(ID_FILE_NEW);
    EXPECT_EQ(std::vector<std::string>{ "Neues Projekt" }, answers.Captions());
    CTarnixEdDoc* pDoc = ActiveDocument();
    ASSERT_NE(nullptr, pDoc);
    EXPECT_EQ("Velconf.ini", Text(pDoc->GetTitle()));
    EXPECT_FALSE(pDoc->IsModified());
    std::string text = Text(ReadFileText(folder + "\\Velconf.ini"));
    EXPECT_EQ(0u, text.find("[Tarnix]\r\n"));
    for (LPCSTR lines : { "[WINDOWSIZE]\r\nSIZETYPE=1\r\nW=500\r\nH=350\r\n",
                          "[WINDOWBGCOLOR]\r\nRED=255\r\nGREEN=255\r\nBLUE=236\r\n" })
        EXPECT_NE(std::string::npos, text.find(lines)) << lines;
    EXPECT_EQ(Text(folder), Text(App().m_strProjectFolder));
    EXPECT_EQ(0u, boxes.Count());
}

TEST_F(EditorSessionTest, CancelAtTheSaveQuestionKeepsTheOpenProject)
{
    EditorFolder editor;
    TempFolder first, second;
    CString path = CopyProject(first, "centred", "024000");
    CString newFolder = second.File("Neu");
    ASSERT_TRUE(App().OpenProjectFile(path));
    CTarnixEdDoc* pDoc = ActiveDocument();
    ASSERT_NE(nullptr, pDoc);
    pDoc->SetModifiedFlag(TRUE);

    MessageBoxRecorder boxes;
    boxes.Answer(IDCANCEL);
    EXPECT_FALSE(App().CreateProject(newFolder));
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_EQ(pDoc, ActiveDocument());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(newFolder));
    EXPECT_EQ(Text(first.Path()), Text(App().m_strProjectFolder));
}

// What is no editor project, or cannot be opened now, is refused with the file
// named: the open project stays open, and the project file and folder and the
// settings stay as they were.
TEST_F(EditorSessionTest, OpeningRefusesWhatIsNoEditorProjectAndKeepsTheOpenOne)
{
    TempFolder folder, other;
    CString good = CopyProject(folder, "centred", "024000");
    CString upper = other.Write("menu.INI", ReadFileText(good));
    CString text = other.Write("menu.txt", ReadFileText(good));
    CString readOnly = other.Write("alt.ini", ReadFileText(good));
    SetFileAttributesA(readOnly, FILE_ATTRIBUTE_READONLY);
    CString foreign = other.Write("fremd.ini", testing_support::Lines({ "[Tarnix]", "VERSION=2.1 Tarnix", " " }));
    CString held = other.Write("offen.ini", ReadFileText(good));
    // Another program writes the file and lets others only read it.
    HANDLE hHeld = CreateFileA(held, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hHeld);
    ASSERT_TRUE(App().OpenProjectFile(good));
    CTarnixEdDoc* pOpen = ActiveDocument();
    struct Row { CString path; CString strBox; } rows[] = {
        { text, "FEHLER !\n\nEs sind nur Dateien vom Type INI möglich !\n\n" },
        { readOnly, "Die Datei ist schreibgeschützt und kann nicht verwendet werden.\n\n" + readOnly },
        { other.File("weg.ini"), "Die Datei\n\n" + other.File("weg.ini") + "\n\nexistiert nicht." },
        { foreign, "Ungültige Projektdatei" },
        { held, held },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE((LPCSTR)row.path);
        MessageBoxRecorder boxes;
        EXPECT_FALSE(App().OpenProjectFile(row.path));
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_EQ(0, boxes.Last().strText.Find(row.strBox)) << Text(boxes.Last().strText);
        EXPECT_EQ(pOpen, ActiveDocument());
        EXPECT_EQ(Text(good), Text(App().m_strProjectFile));
        EXPECT_EQ(Text(folder.Path()), Text(App().m_strProjectFolder));
        EXPECT_EQ(Text(good), Text(App().GetProfileString("PROJECT", "FILE", "")));
        EXPECT_EQ(Text(good), Text(App().GetProfileString("Recent File List", "File1", "")));
    }
    CloseHandle(hHeld);
    SetFileAttributesA(readOnly, FILE_ATTRIBUTE_NORMAL);

    MessageBoxRecorder boxes;
    EXPECT_TRUE(App().OpenProjectFile(upper));
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_EQ(Text(upper), Text(App().GetProfileString("PROJECT", "FILE", "")));
    EXPECT_EQ(Text(other.Path()), Text(App().m_strProjectFolder));
}

// The project's own sample opens as the author finds it, with its buttons and
// texts and no message.
TEST_F(EditorSessionTest, TheSampleProjectOpens)
{
    TempFolder folder;
    for (LPCSTR name : { "Velconf.ini", "liesmich.txt", "Autorun.inf" })
        folder.Write(name, ReadFileText(testing_support::TestDataPath(CString("..\\..\\examples\\demo\\") + name)));
    MessageBoxRecorder boxes;
    ASSERT_TRUE(App().OpenProjectFile(folder.File("Velconf.ini")));
    EXPECT_EQ(0u, boxes.Count()) << (boxes.Count() > 0 ? Text(boxes.Last().strText) : std::string());
    CTarnixEdDoc* pDoc = ActiveDocument();
    ASSERT_NE(nullptr, pDoc);
    EXPECT_EQ("Tarnix Demo", Text(pDoc->GetPage().GetWindow().strTitle));
    EXPECT_EQ(4, pDoc->GetPage().GetButtons().GetSize());
    EXPECT_EQ(3, pDoc->GetPage().GetTexts().GetSize());
}

// The recent list and the Start Center's preset hold projects: a sub-page,
// made or opened, stays behind its main page.
TEST_F(EditorSessionTest, ASubPageMadeOrOpenedLeavesItsProjectAtTheHeadOfTheRecentList)
{
    TempFolder folder;
    MessageBoxRecorder boxes;
    CString path = CopyProject(folder, "centred", "024000");
    ASSERT_TRUE(App().OpenProjectFile(path));
    CTarnixEdDoc* pDoc = ActiveDocument();
    ASSERT_NE(nullptr, pDoc);
    CString page;
    int nNumber = 0;
    ASSERT_TRUE(pDoc->CreateSubmenuPage(page, nNumber));
    for (LPCSTR pszStep : { "made", "opened", "saved" })
    {
        SCOPED_TRACE(pszStep);
        if (strcmp(pszStep, "opened") == 0)
        {
            Command(ID_PAGEMENU_BASE + nNumber);
            ASSERT_NE(nullptr, ActiveDocument());
            EXPECT_EQ(Text(page), Text(ActiveDocument()->GetPathName()));
        }
        else if (strcmp(pszStep, "saved") == 0)
            ASSERT_TRUE(ActiveDocument()->SaveTo(page));
        EXPECT_EQ(Text(path), Text(App().GetProfileString("Recent File List", "File1", "")));
        EXPECT_EQ(Text(path), Text(App().GetProfileString("PROJECT", "FILE", "")));
    }
    EXPECT_EQ(Text(page), Text(App().m_strProjectFile)) << "the open page is the one saved";
}

// The default text font chosen for one project is the editor's: the next
// project opened starts with it, every part of it, from the settings.
TEST_F(EditorSessionTest, TheDefaultTextFontComesBackFromTheSettings)
{
    TempFolder first, second;
    MessageBoxRecorder boxes;
    ASSERT_TRUE(App().OpenProjectFile(CopyProject(first, "centred", "024000")));
    ModalAnswers answers;
    answers.Then([](CDialog* pDlg) {
        auto* pFont = dynamic_cast<CTextFontDlg*>(pDlg);
        ASSERT_NE(nullptr, pFont);
        LOGFONTA& lf = pFont->m_font.m_logFont;
        lstrcpynA(lf.lfFaceName, "Courier New", LF_FACESIZE);
        lf.lfHeight = -21;
        lf.lfWeight = FW_BOLD;
        lf.lfItalic = 1;
        lf.lfUnderline = 1;
        pFont->m_font.m_crColor = RGB(200, 100, 50);
        pFont->SendDlgItemMessage(IDC_TEXT_EFFECT, CB_SETCURSEL, 2);
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Command(ID_STYLE_TEXT_FONT);
    ASSERT_EQ(1u, answers.Captions().size());
    const CFontDesc chosen(ActiveDocument()->GetPage().GetDefaultTextFont());
    EXPECT_EQ(-21, (int)App().GetProfileInt("SETTINGS", "TEXT_FONT_SIZE", 0));

    ASSERT_TRUE(App().OpenProjectFile(CopyProject(second, "centred", "024000")));
    CTarnixEdDoc* pDoc = ActiveDocument();
    ASSERT_NE(nullptr, pDoc);
    const CFontDesc& read = pDoc->GetPage().GetDefaultTextFont();
    EXPECT_STREQ("Courier New", read.m_logFont.lfFaceName);
    EXPECT_EQ(-21, read.m_logFont.lfHeight);
    EXPECT_EQ(FW_BOLD, read.m_logFont.lfWeight);
    EXPECT_EQ(1, read.m_logFont.lfItalic);
    EXPECT_EQ(1, read.m_logFont.lfUnderline);
    EXPECT_EQ(RGB(200, 100, 50), read.m_crColor);
    EXPECT_EQ(chosen.m_nEffect, read.m_nEffect);
    EXPECT_EQ(2, read.m_nEffect);
    EXPECT_TRUE(pDoc->m_bDefaultTextFontSet);
    for (LPCSTR key : { "NAME", "SIZE", "STYLE", "ITALIC", "UNDERLINE", "RED", "GREEN", "BLUE", "EFFECT", "INIT" })
        App().WriteProfileString("SETTINGS", CString("TEXT_FONT_") + key, nullptr);
}

TEST_F(EditorSessionTest, OpeningARecentProjectGoesThroughTheChecks)
{
    TempFolder folder;
    CString path = CopyProject(folder, "centred", "024000");
    ASSERT_TRUE(App().OpenProjectFile(path));
    EXPECT_EQ(Text(path), Text(App().GetProfileString("Recent File List", "File1", "")));
    EXPECT_EQ(Text(path), Text(App().GetProfileString("PROJECT", "FILE", "")));

    // The recent-file list's road refuses what the checks refuse.
    CString text = folder.Write("menu.txt", ReadFileText(path));
    MessageBoxRecorder boxes;
    EXPECT_EQ(nullptr, App().OpenDocumentFile(text));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_NE(std::string::npos, Text(boxes.Last().strText).find("nur Dateien vom Type INI"));
}

TEST_F(EditorSessionTest, TheOpenDialogTakesARecentOrABrowsedProject)
{
    TempFolder folder;
    CString path = CopyProject(folder, "centred", "024000");
    CString browsed = folder.Write("projekt.INI", ReadFileText(path));
    ASSERT_TRUE(App().OpenProjectFile(path));
    struct Row { LPCSTR pszChosen; std::string expected; } rows[] = {
        { "C:\\x\\project.txt", Text(path) },      // ignored: the recent project stays chosen
        { browsed, Text(browsed) },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszChosen);
        CommonDialogScript files;
        files.AnswerFile(row.pszChosen);
        ModalAnswers answers;
        answers.Then([](CDialog* pDlg) {
            pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BROWSE_PROJECT, BN_CLICKED), 0);
            if (pDlg->GetSafeHwnd() != nullptr && ::IsWindowEnabled(pDlg->GetSafeHwnd()))
                pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        CString chosen;
        EXPECT_TRUE(s_dialogs.RunOpenProject(chosen));
        EXPECT_EQ(row.expected, Text(chosen));
    }
}

TEST_F(EditorSessionTest, PageCommandsOpenTheirSubPage)
{
    TempFolder folder;
    CString path = CopyProject(folder, "centred", "024000");
    CString page = folder.Write("page03.ini", ReadFileText(path));
    ASSERT_TRUE(App().OpenProjectFile(path));
    CTarnixEdDoc* pDoc = ActiveDocument();
    ASSERT_NE(nullptr, pDoc);
    EXPECT_EQ(3, pDoc->GetPage().AddSubPage(page, "Galerie"));

    HMENU hPages = CPageList::FindAnchorMenu(Frame()->GetMenu()->m_hMenu, ID_PAGE_NEW);
    ASSERT_NE(nullptr, hPages);
    char text[80] = "";
    GetMenuStringA(hPages, ID_PAGEMENU_BASE + 3, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ("Open Menu: Galerie", text);

    Command(ID_PAGEMENU_BASE + 3);
    CTarnixEdDoc* pOpened = ActiveDocument();
    ASSERT_NE(nullptr, pOpened);
    EXPECT_EQ(Text(page), Text(pOpened->GetPathName()));
}

TEST_F(EditorSessionTest, ReopeningAProjectListsEachPageOnce)
{
    TempFolder folder;
    CString path = CopyProject(folder, "full", "024000");
    CopyProject(folder, "full", "024000", "seite2.ini");
    for (int nOpen = 1; nOpen <= 2; ++nOpen)
    {
        SCOPED_TRACE(nOpen);
        MessageBoxRecorder boxes;
        ASSERT_TRUE(App().OpenProjectFile(path));
        HMENU hPages = CPageList::FindAnchorMenu(Frame()->GetMenu()->m_hMenu, ID_PAGE_NEW);
        ASSERT_NE(nullptr, hPages);
        ASSERT_EQ(3, GetMenuItemCount(hPages));
        char text[80] = "";
        GetMenuStringA(hPages, 2, text, sizeof(text), MF_BYPOSITION);
        EXPECT_STREQ("Open Menu: Seite 2", text);
        EXPECT_EQ(ID_PAGEMENU_BASE + 1, GetMenuItemID(hPages, 2));
    }
}

TEST_F(EditorSessionTest, TheAboutBoxShowsTheVersionTexts)
{
    std::string build, version;
    ModalAnswers answers;
    answers.Then([&](CDialog* pDlg) {
        char text[100] = "";
        ::GetDlgItemTextA(pDlg->GetSafeHwnd(), IDC_ABOUT_BUILD, text, sizeof(text));
        build = text;
        ::GetDlgItemTextA(pDlg->GetSafeHwnd(), IDC_ABOUT_FILEVERSION, text, sizeof(text));
        version = text;
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Command(ID_APP_ABOUT);
    EXPECT_EQ(std::vector<std::string>{ "Info über Tarnix" }, answers.Captions());
    EXPECT_EQ("Tarnix Editor 2.40", build);
    EXPECT_EQ("Fileversion: 024000", version);
}

TEST_F(EditorSessionTest, AnUpdatedProjectIsOpenedAgainThroughTheChecks)
{
    EditorFolder editor;
    TempFolder folder;
    CString path = CopyProject(folder, "centred", "023900");
    MessageBoxRecorder boxes;
    boxes.Answer(IDYES);
    ASSERT_TRUE(App().OpenProjectFile(path));
    PumpPendingMessages();
    ASSERT_EQ(1u, boxes.Count()) << "the updated project asks no more";
    CTarnixEdDoc* pDoc = ActiveDocument();
    ASSERT_NE(nullptr, pDoc);
    EXPECT_EQ(Text(path), Text(pDoc->GetPathName()));
    EXPECT_EQ("024000", Text(pDoc->GetPage().GetFileVersion()));
    EXPECT_FALSE(testing_support::ReadFileBytes(folder.File("Tarnix.exe")).empty());
}

TEST_F(EditorSessionTest, GridAndLanguageSettingsAreKept)
{
    ModalAnswers answers;
    answers.Then([](CDialog* pDlg) {
        pDlg->SetDlgItemText(IDC_GRID_SIZE, "5");
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Command(ID_EDITOR_SETTINGS);
    EXPECT_EQ(5, App().m_nGridStep);
    EXPECT_EQ(5u, App().GetProfileInt("SETTINGS", "NGRID", 2));

    MessageBoxRecorder boxes;
    answers.Then([](CDialog* pDlg) {
        pDlg->CheckRadioButton(IDC_LANG_ENGLISH, IDC_LANG_GERMAN, IDC_LANG_ENGLISH);
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Command(ID_EDITOR_LANGUAGE);
    EXPECT_EQ("English", Text(App().GetProfileString("SETTINGS", "LANGUAGE", "")));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_NE(std::string::npos, Text(boxes.Last().strText).find("Neustart"));
    SetUiLanguage('G');
}

TEST_F(EditorSessionTest, AChildFrameWithATrackSizeKeepsIt)
{
    TempFolder folder;
    ASSERT_TRUE(App().OpenProjectFile(CopyProject(folder, "centred", "024000")));
    CChildFrame* pChild = dynamic_cast<CChildFrame*>(Frame()->MDIGetActive());
    ASSERT_NE(nullptr, pChild);
    struct Row { int cx, cy; SIZE expected; } rows[] = {
        { -1, -1, { 400, 300 } },      // free until the view sizes it
        { 320, 240, { 320, 240 } },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.cx);
        pChild->SetTrackSize(row.cx, row.cy);
        pChild->ShowWindow(SW_RESTORE);
        pChild->MoveWindow(0, 0, 400, 300);
        RECT rc;
        pChild->GetWindowRect(&rc);
        EXPECT_EQ(row.expected.cx, rc.right - rc.left);
        EXPECT_EQ(row.expected.cy, rc.bottom - rc.top);
    }
}

TEST_F(EditorSessionTest, SupportOpensItsDialogWithTheVersionAndSystemDetails)
{
    CString subject, body;
    App().BuildSupportInfo(subject, body);
    ASSERT_FALSE(body.IsEmpty());
    CString shownBody, shownSubject;
    BOOL bSupportDialog = FALSE;
    ModalAnswers answers;
    answers.Then([&](CDialog* pDlg) {
        if (CSupportDlg* pSupport = dynamic_cast<CSupportDlg*>(pDlg))
        {
            bSupportDialog = TRUE;
            shownBody = pSupport->m_strBody;
            shownSubject = pSupport->m_strSubject;
        }
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    Command(ID_HELP_SUPPORT);
    ASSERT_EQ(1u, answers.Captions().size());
    EXPECT_TRUE(bSupportDialog);
    EXPECT_EQ(Text(body), Text(shownBody));
    EXPECT_EQ(Text(subject), Text(shownSubject));
    EXPECT_NE(std::string::npos, Text(shownBody).find("Tarnix-Version:"));
}
