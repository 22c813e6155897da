#include "editor/dialogs/ButDlg_Page2.h"
#include "editor/dialogs/DialogTexts.h"
#include "editor/dialogs/InsertTextDlg.h"
#include "editor/dialogs/TextFieldDlg.h"
#include "editor/dialogs/TextFontDlg.h"
#include "editor/dialogs/ViewerOptionsDlg.h"

#include "editor/DialogIds.h"

#include "DialogTestSupport.h"

using namespace dialog_tests;
using testing_support::CommonDialogScript;
using testing_support::MessageBoxRecorder;

namespace {

TEST(TextStyleDialogs, EffectFontAndColourComeBack)
{
    for (BOOL bDefaultFont : { FALSE, TRUE })
    {
        SCOPED_TRACE(bDefaultFont ? "default font" : "text object");
        CommonDialogScript dialogs;
        AnswerColor(dialogs, RGB(1, 2, 3));
        AnswerFont(dialogs, "Courier New", -21, RGB(7, 8, 9));
        CInsertTextDlg textDlg;
        CTextFontDlg fontDlg;
        CTextStyleDlg& dlg = bDefaultFont ? static_cast<CTextStyleDlg&>(fontDlg) : textDlg;
        dlg.m_font.m_nEffect = 1;
        int nEntries = 0, nShown = -1;
        ModalScript script([&](CDialog* pDlg) {
            nEntries = (int)pDlg->SendDlgItemMessage(IDC_TEXT_EFFECT, CB_GETCOUNT);
            nShown = (int)pDlg->SendDlgItemMessage(IDC_TEXT_EFFECT, CB_GETCURSEL);
            pDlg->SendDlgItemMessage(IDC_TEXT_EFFECT, CB_SETCURSEL, 2);
            Click(pDlg, IDC_TEXT_COLOR);
            Click(pDlg, IDC_TEXT_FONT);
            Click(pDlg, IDOK);
        });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(3, nEntries);
        EXPECT_EQ(1, nShown);
        EXPECT_EQ(2, dlg.m_font.m_nEffect);
        EXPECT_STREQ("Courier New", dlg.m_font.m_logFont.lfFaceName);
        EXPECT_EQ(-21, dlg.m_font.m_logFont.lfHeight);
        // Only the default font's dialog hands the font dialog's colour back.
        EXPECT_EQ(bDefaultFont ? RGB(7, 8, 9) : RGB(1, 2, 3), dlg.m_font.m_crColor);
        if (bDefaultFont)
            EXPECT_EQ(2, fontDlg.m_nEffect);
        else
        {
            CString caption;
            GetTextEffectCaption(2, caption);
            EXPECT_EQ(caption, textDlg.m_strEffect);
        }
    }
}

TEST(InsertTextDlg, TextLongerThanTheObjectKeepsIsRefused)
{
    MessageBoxRecorder boxes;
    FakeServices services;
    CInsertTextDlg dlg;
    BOOL stayed = FALSE;
    ModalScript script([&](CDialog* pDlg) {
        pDlg->SetDlgItemText(IDC_TEXT_TEXT, CString('x', 241));
        Click(pDlg, IDC_TEXT_HELP);
        Click(pDlg, IDOK);
        stayed = pDlg->ContinueModal();
        pDlg->SetDlgItemText(IDC_TEXT_TEXT, CString('x', 240));
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(stayed);
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_EQ(240, dlg.m_strText.GetLength());
    EXPECT_EQ(std::vector<std::string>{ "hilfe_text.htm" }, services.helpPages);
}

TEST(TextFieldDlg, SizeAndPositionRanges)
{
    const FieldCase cases[] = {
        { IDC_TFIELD_WIDTH, "59", FALSE },  { IDC_TFIELD_WIDTH, "640", TRUE }, { IDC_TFIELD_HEIGHT, "481", FALSE },
        { IDC_TFIELD_HEIGHT, "40", TRUE },  { IDC_OBJ_X, "1000", FALSE },      { IDC_OBJ_Y, "999", TRUE },
    };
    for (const auto& c : cases)
    {
        CTextFieldDlg dlg;
        ExpectFieldChecks(c.id, c.value, c.accepted, dlg);
    }
}

TEST(ViewerOptionsDlg, CommandLineOfADocumentInTheProject)
{
    testing_support::TempFolder folder;
    folder.Write("Demo.txt", CString("Hallo"));
    folder.Write("docs\\a b.htm", CString("<p>"));
    const struct
    {
        LPCSTR document;
        LPCSTR title;
        int menu, font, icon;
        LPCSTR documentOut;
        LPCSTR commandLine;
    } cases[] = {
        { "Demo.txt", "", 0, 0, 0, "Demo.txt",
          "\"Demo.txt\" /NOMENU /FONT=COURIER /COLOR=255,255,226 /TEXT=0,0,0 /WINDOW=-1,0,400,470 /ICON=1" },
        { "docs\\a b.htm", "Mein Titel", 1, 1, 2, "docs\\a b.htm",
          "\"docs\\a b.htm\" /TITLE=\"Mein Titel\" /FONT=ARIAL /COLOR=255,255,226 /TEXT=0,0,0 "
          "/WINDOW=-1,0,400,470 /ICON=3" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.document);
        FakeServices services;
        services.projectFolder = folder.Path();
        CViewerOptionsDlg dlg;
        dlg.m_strDocument = folder.File(c.document);
        dlg.m_strTitle = c.title;
        dlg.m_bShowMenu = c.menu;
        dlg.m_nFont = c.font;
        dlg.m_nIcon = c.icon;
        dlg.m_strCommandLine = "old";
        ModalScript script([&](CDialog* pDlg) { Click(pDlg, IDOK); });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(CString(c.documentOut), dlg.m_strDocument);
        EXPECT_EQ(CString(c.commandLine), dlg.m_strCommandLine);
    }
}

// Whatever form a typed document has (a name from the project folder, a full
// path, "." or ".." in it), it is resolved first and then checked alike: it
// lies in the project, it exists, it is no folder. A refused one keeps the
// dialog with the message that says why, and builds no command line.
TEST(ViewerOptionsDlg, TypedPathsAreResolvedThenChecked)
{
    testing_support::TempFolder root;
    const CString project = root.File("Projekt");
    root.Write("Projekt\\Demo.txt", CString("Hallo"));
    root.Write("Projekt\\docs\\a b.htm", CString("<p>"));
    root.Write("Draussen\\x.txt", CString("fort"));
    root.Write("Projekt2\\Demo.txt", CString("daneben"));
    const char kOutside[] = "WARNUNG !\n\nDie Datei befindet sich nicht im Projektpfad !";
    // The file that cannot be opened is named in quotes, in either language.
    const char kNoFile[] = "\"\n";
    const struct
    {
        LPCSTR typed;        // "<P>" stands for the project folder, "<R>" for the folder above it
        LPCSTR accepted;     // the document the button names; null: refused
        LPCSTR refusal;
    } cases[] = {
        { "Demo.txt", "Demo.txt", nullptr },
        { "<P>\\Demo.txt", "Demo.txt", nullptr },
        { "<P>\\docs\\..\\Demo.txt", "Demo.txt", nullptr },
        { ".\\docs\\a b.htm", "docs\\a b.htm", nullptr },
        { "<P>/docs/a b.htm", "docs\\a b.htm", nullptr },
        { "..\\Draussen\\x.txt", nullptr, kOutside },
        { "<P>\\..\\Draussen\\x.txt", nullptr, kOutside },
        { "<R>\\Projekt2\\Demo.txt", nullptr, kOutside },
        { "fehlt.txt", nullptr, kNoFile },
        { "<P>\\fehlt.txt", nullptr, kNoFile },
        { "<P>\\", nullptr, kNoFile },
        { "<P>", nullptr, kNoFile },
        { "docs", nullptr, kNoFile },
        { "<P>\\docs", nullptr, kNoFile },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typed);
        CString typed(c.typed);
        typed.Replace("<P>", project);
        typed.Replace("<R>", root.Path());
        FakeServices services;
        services.projectFolder = project;
        MessageBoxRecorder boxes;
        CViewerOptionsDlg dlg;
        dlg.m_strDocument = typed;
        EXPECT_EQ(c.accepted == nullptr, OkIsRefused(dlg));
        if (c.accepted != nullptr)
        {
            EXPECT_EQ(0u, boxes.Count());
            EXPECT_EQ(CString(c.accepted), dlg.m_strDocument);
            EXPECT_EQ(0, dlg.m_strCommandLine.Find("\"" + CString(c.accepted) + "\" /NOMENU")) << dlg.m_strCommandLine;
            continue;
        }
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_NE(-1, boxes.Last().strText.Find(c.refusal)) << boxes.Last().strText;
        EXPECT_TRUE(dlg.m_strCommandLine.IsEmpty());
    }
}

// A document outside the project would not be on the medium: the warning, and
// the dialog stays, so no button without a document is made.
TEST(ViewerOptionsDlg, ADocumentOutsideTheProjectKeepsTheDialog)
{
    for (LPCSTR document : { "C:\\Other\\Demo.txt", "C:\\Menu2\\Demo.txt" })
    {
        SCOPED_TRACE(document);
        FakeServices services;
        services.projectFolder = "C:\\Menu";
        MessageBoxRecorder boxes;
        CViewerOptionsDlg dlg;
        dlg.m_strDocument = document;
        BOOL bStayed = FALSE;
        ModalScript script([&](CDialog* pDlg) {
            Click(pDlg, IDOK);
            bStayed = pDlg->ContinueModal();
            if (bStayed)
                Click(pDlg, IDCANCEL);
        });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_TRUE(bStayed);
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_EQ(0, boxes.Last().strText.Find("WARNUNG !\n\nDie Datei befindet sich nicht im Projektpfad !"));
        EXPECT_TRUE(dlg.m_strCommandLine.IsEmpty());
    }
}

// A name without a drive counts from the project folder and must name a file
// there; the whole command line becomes the button's parameter and must fit
// what the button sheet's link page takes.
TEST(ViewerOptionsDlg, ARelativeDocumentAndTheLengthOfTheCommandLine)
{
    testing_support::TempFolder folder;
    folder.Write("Demo.txt", CString("Hallo"));
    const struct
    {
        LPCSTR document;
        int title;          // characters of the title
        LPCSTR refusal;     // the start of the message; null: accepted
    } cases[] = {
        { "Demo.txt", CButDlg_Page2::kMaxParameter - 102, nullptr },
        { "Demo.txt", CButDlg_Page2::kMaxParameter - 101, "Die Einstellungen ergeben eine Befehlszeile von 299 Zeichen" },
        { "..\\Demo.txt", 0, "WARNUNG !\n\nDie Datei befindet sich nicht im Projektpfad !" },
        { "fehlt.txt", 0, "" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.document << " " << c.title);
        FakeServices services;
        services.projectFolder = folder.Path();
        MessageBoxRecorder boxes;
        CViewerOptionsDlg dlg;
        dlg.m_strDocument = c.document;
        dlg.m_strTitle = CString('t', c.title);
        EXPECT_EQ(c.refusal != nullptr, OkIsRefused(dlg));
        ASSERT_EQ(c.refusal != nullptr ? 1u : 0u, boxes.Count());
        if (c.refusal != nullptr)
        {
            EXPECT_EQ(0, boxes.Last().strText.Find(c.refusal)) << boxes.Last().strText;
            EXPECT_TRUE(dlg.m_strCommandLine.IsEmpty());
        }
        else
        {
            EXPECT_EQ(CButDlg_Page2::kMaxParameter, dlg.m_strCommandLine.GetLength());
        }
    }
}

TEST(ViewerOptionsDlg, ColoursWindowAndAMissingDocument)
{
    testing_support::TempFolder folder;
    FakeServices services;
    services.projectFolder = folder.Path();
    MessageBoxRecorder boxes;
    CommonDialogScript dialogs;
    AnswerColor(dialogs, RGB(10, 20, 30));
    AnswerColor(dialogs, RGB(40, 50, 60));
    dialogs.AnswerFile(folder.Write("liesmich.txt", CString("Zeile")));
    CViewerOptionsDlg dlg;
    BOOL stayed = FALSE;
    CString refused;
    ModalScript script([&](CDialog* pDlg) {
        Click(pDlg, IDOK);
        stayed = pDlg->ContinueModal();
        pDlg->SetDlgItemText(IDC_VIEWER_WIDTH, "2049");
        Click(pDlg, IDOK);
        refused = ItemText(pDlg, IDC_VIEWER_WIDTH);
        pDlg->SetDlgItemText(IDC_VIEWER_WIDTH, "640");
        pDlg->SetDlgItemText(IDC_OBJ_Y, "-1");
        Click(pDlg, IDC_VIEWER_BACKCOLOR);
        Click(pDlg, IDC_VIEWER_TEXTCOLOR);
        Click(pDlg, IDC_VIEWER_BROWSE);
        Click(pDlg, IDC_VIEWER_HELP);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(stayed);
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_EQ(CString("Fehler:\n\nEs muss eine Datei (txt, html) angegeben werden !"), boxes.Boxes()[0].strText);
    EXPECT_EQ(CString("\"liesmich.txt\" /NOMENU /FONT=COURIER /COLOR=10,20,30 /TEXT=40,50,60 /WINDOW=-1,-1,640,470 "
                      "/ICON=1"),
              dlg.m_strCommandLine);
    EXPECT_EQ(std::vector<std::string>{ "scrollet.htm" }, services.helpPages);
}

} // namespace
