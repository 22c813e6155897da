#include "editor/dialogs/ButtonPropSheet.h"
#include "editor/dialogs/HypertextButtonDlg.h"
#include "editor/dialogs/UiLanguage.h"

#include "framework/ColorDialog.h"

#include "editor/DialogIds.h"

#include "DialogTestSupport.h"
#include "helpers/TestSupport.h"
#include "shared/support/BmpTestFiles.h"

#include <gtest/gtest.h>

using namespace dialog_tests;
using testing_support::CommonDialogScript;
using testing_support::MessageBoxRecorder;
using testing_support::ProgramStartRecorder;
using testing_support::TempFolder;

namespace {

const std::initializer_list<int> kStyleRadios = { IDC_BUT_STYLE_WINDOW, IDC_BUT_STYLE_IMAGE,  IDC_BUT_STYLE_DRAW,
                                                  IDC_BUT_STYLE_HYPERTEXT, IDC_BUT_STYLE_BITMAP, IDC_BUT_STYLE_OFFICE,
                                                  IDC_BUT_STYLE_MONO };

enum { kPageText = 0, kPageStyle = 1, kPageLink = 2 };

// Runs the sheet; the script gets it with its first page shown.
INT_PTR RunSheet(CButtonPropSheet& sheet, std::function<void(CButtonPropSheet*)> script)
{
    ModalScript hook([&](CDialog* pDlg) {
        if (CButtonPropSheet* pSheet = dynamic_cast<CButtonPropSheet*>(pDlg))
            script(pSheet);
        else
            Click(pDlg, IDOK);   // a dialog the sheet opens
    });
    return sheet.DoModal();
}

CWnd* ShowPage(CButtonPropSheet* pSheet, int nPage)
{
    pSheet->SetActivePage(nPage);
    return pSheet->GetActivePage();
}

TEST(ButtonPropSheet, StyleKeywordsBothWays)
{
    const struct
    {
        int number;
        LPCSTR keyword;
    } cases[] = { { 0, "WINDOW" }, { 1, "IMAGE" },  { 2, "DRAW" },       { 3, "HYPERTEXT" },
                  { 4, "BITMAP" }, { 5, "OFFICE" }, { 6, "MONOCHROME" } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.keyword);
        EXPECT_EQ(CString(c.keyword), CButtonPropSheet::StyleKeywordOf(c.number));
        EXPECT_EQ(c.number, CButtonPropSheet::StyleNumberOf(c.keyword));
        EXPECT_EQ(c.number, CButtonPropSheet::StyleNumberOf(CString(c.keyword).Left(1) + "xyz"));
    }
    EXPECT_EQ(CString("WINDOW"), CButtonPropSheet::StyleKeywordOf(7));
    EXPECT_EQ(CString("WINDOW"), CButtonPropSheet::StyleKeywordOf(-1));
    EXPECT_EQ(0, CButtonPropSheet::StyleNumberOf("XYZ"));
    EXPECT_EQ(0, CButtonPropSheet::StyleNumberOf(""));
}

// The limits count the stored form, in which a line break is "<BR>"; a value
// beyond them keeps the sheet open, on its page, with the range message, and
// is not cut.
TEST(ButtonPropSheet, AValueBeyondItsLimitKeepsTheSheetOnItsPage)
{
    const struct
    {
        int page, id;
        CString typed;
        CString kept;       // empty: refused with the message
        LPCSTR message;
    } cases[] = {
        { kPageText, IDC_BUT_CAPTION, CString('a', 94) + "\r\nb", CString('a', 94) + "<BR>b", nullptr },
        { kPageText, IDC_BUT_CAPTION, CString('a', 95) + "\r\nb", "", "höchstens 99 Zeichen" },
        { kPageText, IDC_BUT_CAPTION, CString('a', 98) + "\r\n", "", "höchstens 99 Zeichen" },
        { kPageText, IDC_BUT_CAPTION, CString('c', 99), CString('c', 99), nullptr },
        { kPageText, IDC_BUT_CAPTION, CString('c', 100), "", "höchstens 99 Zeichen" },
        // The writer makes the tooltip's tag.
        { kPageText, IDC_BUT_TOOLTIP, CString('t', 494) + "\r\nb", CString('t', 494) + "\r\nb", nullptr },
        { kPageText, IDC_BUT_TOOLTIP, CString('t', 495) + "\r\nb", "", "höchstens 499 Zeichen" },
        { kPageText, IDC_BUT_TOOLTIP, CString('t', 499), CString('t', 499), nullptr },
        { kPageText, IDC_BUT_TOOLTIP, CString('t', 500), "", "höchstens 499 Zeichen" },
        { kPageStyle, IDC_BUT_HEIGHT, "481", "", "eine ganze Zahl zwischen 10 und 480" },
        { kPageStyle, IDC_BUT_WIDTH, "9", "", "eine ganze Zahl zwischen 10 und 1000" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.id << " " << c.typed.GetLength());
        MessageBoxRecorder boxes;
        CButtonPropSheet sheet("Button");
        int nPageStayed = -1;
        const INT_PTR nResult = RunSheet(sheet, [&](CButtonPropSheet* pSheet) {
            ShowPage(pSheet, c.page)->SetDlgItemText(c.id, c.typed);
            Click(pSheet, IDOK);
            if (!pSheet->ContinueModal())
                return;
            nPageStayed = pSheet->GetActiveIndex();
            Click(pSheet, IDCANCEL);
        });
        if (c.message != nullptr)
        {
            EXPECT_EQ(IDCANCEL, nResult);
            EXPECT_EQ(c.page, nPageStayed);
            ASSERT_EQ(1u, boxes.Count());
            EXPECT_EQ(CString("Geben Sie bitte ") + c.message + " ein.", boxes.Last().strText);
        }
        else
        {
            EXPECT_EQ(IDOK, nResult);
            EXPECT_EQ(0u, boxes.Count());
            EXPECT_EQ(c.kept, c.id == IDC_BUT_CAPTION ? sheet.m_strCaption : sheet.m_strTooltip);
        }
    }
    EXPECT_EQ(CString("eins\r\nzwei"), CButDlg_Page1::ShownCaption("eins<BR>zwei"));
}

// A button beyond the page could be neither seen, selected nor deleted.
TEST(ButtonPropSheet, TheButtonMustLieOnThePage)
{
    const struct
    {
        int id;
        LPCSTR typed;
        BOOL accepted;
    } cases[] = { { IDC_BUT_X, "990", FALSE }, { IDC_BUT_X, "250", TRUE }, { IDC_BUT_Y, "271", FALSE },
                  { IDC_BUT_Y, "270", TRUE } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.id << " = " << c.typed);
        MessageBoxRecorder boxes;
        CButtonPropSheet sheet("Button");
        sheet.m_sizePage = CSize(400, 300);
        BOOL bStayed = FALSE;
        const INT_PTR nResult = RunSheet(sheet, [&](CButtonPropSheet* pSheet) {
            ShowPage(pSheet, kPageStyle)->SetDlgItemText(c.id, c.typed);
            Click(pSheet, IDOK);
            bStayed = pSheet->ContinueModal();
            if (bStayed)
                Click(pSheet, IDCANCEL);
        });
        EXPECT_EQ(c.accepted ? IDOK : IDCANCEL, nResult);
        ASSERT_EQ(c.accepted ? 0u : 1u, boxes.Count());
        if (!c.accepted)
        {
            EXPECT_EQ(0, boxes.Last().strText.Find("Das Objekt muss ganz auf der Seite liegen"))
                << boxes.Last().strText;
        }
    }
}

TEST(ButtonPropSheet, WhatOKMakesOfStyleCaptionAndPicture)
{
    TempFolder folder;
    const CString picture = folder.Write("knopf.bmp", CString("BM"));
    const struct
    {
        int style;
        LPCSTR caption;
        CString image;
        int styleOut;
        LPCSTR captionOut;
    } cases[] = {
        { 3, "", "", 3, "Text" },
        { 3, "  ", "", 3, "Text" },
        { 3, "Mehr", "", 3, "Mehr" },
        { 0, "", "", 0, "" },
        { 4, "B", folder.File("fehlt.bmp"), 0, "B" },
        { 4, "B", "", 0, "B" },
        { 5, "O", folder.Path(), 0, "O" },   // a folder is no picture
        { 6, "M", picture, 6, "M" },
        { 4, "B", picture, 4, "B" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.style << " " << (LPCSTR)c.image);
        CButtonPropSheet sheet("Button");
        sheet.m_nStyle = c.style;
        sheet.m_strCaption = c.caption;
        sheet.m_strImageFile = c.image;
        ASSERT_EQ(IDOK, RunSheet(sheet, [&](CButtonPropSheet* pSheet) { Click(pSheet, IDOK); }));
        EXPECT_EQ(c.styleOut, sheet.m_nStyle);
        EXPECT_EQ(CString(c.captionOut), sheet.m_strCaption);
    }
}

// A picture that is no strip of three states and the transparent row keeps the
// sheet open with everything typed, on the page where the picture is chosen.
TEST(ButtonPropSheet, ABitmapButtonNeedsAStateStrip)
{
    TempFolder folder;
    const struct
    {
        int height;
        BOOL accepted;
    } cases[] = { { 30, FALSE }, { 31, TRUE } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.height);
        const std::vector<BYTE> bytes = bmp_test::BmpFileBytes(bmp_test::MakePattern(20, c.height, 24));
        const CString picture = folder.Write("strip.bmp", bytes.data(), bytes.size());
        MessageBoxRecorder boxes;
        CButtonPropSheet sheet("Button");
        sheet.m_nStyle = 4;
        sheet.m_strImageFile = picture;
        BOOL bStayed = FALSE;
        int nPage = -1;
        CString caption;
        RunSheet(sheet, [&](CButtonPropSheet* pSheet) {
            pSheet->GetActivePage()->SetDlgItemText(IDC_BUT_CAPTION, "Start");
            Click(pSheet, IDOK);
            bStayed = pSheet->ContinueModal();
            if (!bStayed)
                return;
            nPage = pSheet->GetActiveIndex();
            pSheet->SetActivePage(kPageText);
            caption = ItemText(pSheet->GetActivePage(), IDC_BUT_CAPTION);
            Click(pSheet, IDCANCEL);
        });
        EXPECT_EQ(!c.accepted, bStayed);
        EXPECT_EQ(c.accepted ? 0u : 1u, boxes.Count());
        if (!c.accepted)
        {
            EXPECT_EQ(kPageStyle, nPage);
            EXPECT_EQ(CString("Start"), caption);
            EXPECT_GT(boxes.Last().strText.Find("\"" + picture + "\" ist 30 Pixel hoch."), 0);
        }
        else
            EXPECT_EQ(4, sheet.m_nStyle);
    }
}

// The caption's lines are shown apart and come back joined, trimmed.
TEST(ButtonPropSheet, FieldsComeBackAndSoundsSurvive)
{
    FakeServices services;
    CButtonPropSheet sheet("Funktionsschalter (Button) Eigenschaften");
    sheet.m_strCaption = "alt<BR>neu";
    sheet.m_nX = 10;
    sheet.m_nY = 46;
    sheet.m_nWidth = 120;
    sheet.m_nHeight = 26;
    sheet.m_nFunction = 1;
    sheet.m_strDocument = "page02.ini";
    sheet.m_bStopSound = 1;
    sheet.m_bStartSound = 1;
    sheet.m_strSoundFile = "C:\\Menu\\Sound\\Click.wav";
    sheet.m_captionFont.m_crColor = RGB(1, 2, 3);
    CString shownX, shownFunction, shownCaption, title;
    ASSERT_EQ(IDOK, RunSheet(sheet, [&](CButtonPropSheet* pSheet) {
        pSheet->GetWindowText(title);
        shownCaption = ItemText(pSheet->GetActivePage(), IDC_BUT_CAPTION);
        pSheet->GetActivePage()->SetDlgItemText(IDC_BUT_CAPTION, "  eins\r\nzwei\r\ndrei ");
        CWnd* pStyle = ShowPage(pSheet, kPageStyle);
        shownX = ItemText(pStyle, IDC_BUT_X);
        pStyle->SetDlgItemText(IDC_BUT_Y, "80");
        pStyle->SetDlgItemText(IDC_BUT_WIDTH, "200");
        ChooseRadio(pStyle, kStyleRadios, IDC_BUT_STYLE_DRAW);
        CWnd* pLink = ShowPage(pSheet, kPageLink);
        shownFunction = ItemText(pLink, IDC_BUT_FUNCTION);
        pLink->SendDlgItemMessage(IDC_BUT_FUNCTION, CB_SETCURSEL, 3);
        pLink->SetDlgItemText(IDC_BUT_APPLICATION, "notepad.exe");
        pLink->SetDlgItemText(IDC_BUT_PARAMETER, "liesmich.txt");
        ShowPage(pSheet, kPageText)->SetDlgItemText(IDC_BUT_TOOLTIP, "Hilfe");
        Click(pSheet, IDOK);
    }));
    EXPECT_EQ(CString("Funktionsschalter (Button) Eigenschaften"), title);
    EXPECT_EQ(CString("alt\r\nneu"), shownCaption);
    EXPECT_EQ(CString("eins<BR>zwei<BR>drei"), sheet.m_strCaption);
    EXPECT_EQ(CString("10"), shownX);
    EXPECT_FALSE(shownFunction.IsEmpty());
    EXPECT_EQ(80, sheet.m_nY);
    EXPECT_EQ(200, sheet.m_nWidth);
    EXPECT_EQ(26, sheet.m_nHeight);
    EXPECT_EQ(2, sheet.m_nStyle);
    EXPECT_EQ(3, sheet.m_nFunction);
    EXPECT_EQ(CString("notepad.exe"), sheet.m_strApplication);
    EXPECT_EQ(CString("page02.ini"), sheet.m_strDocument);
    EXPECT_EQ(CString("liesmich.txt"), sheet.m_strParameter);
    EXPECT_EQ(CString("Hilfe"), sheet.m_strTooltip);
    EXPECT_EQ(RGB(1, 2, 3), sheet.m_captionFont.m_crColor);
    EXPECT_EQ(1, sheet.m_bStopSound);
    EXPECT_EQ(1, sheet.m_bStartSound);
    EXPECT_EQ(CString("C:\\Menu\\Sound\\Click.wav"), sheet.m_strSoundFile);
    EXPECT_EQ(kPageText, sheet.m_nStartPage);   // the page shown last
}

TEST(ButtonPropSheet, StyleRadiosEnableTheirControls)
{
    struct State
    {
        BOOL props, browse, file, edit;
        bool operator==(const State& o) const
        {
            return props == o.props && browse == o.browse && file == o.file && edit == o.edit;
        }
    };
    auto stateOf = [](CWnd* pPage) {
        return State{ ItemEnabled(pPage, IDC_BUT_HYPERTEXT_PROPS), ItemEnabled(pPage, IDC_BUT_BROWSE_IMAGE),
                      ItemEnabled(pPage, IDC_BUT_IMAGE_FILE), ItemEnabled(pPage, IDC_BUT_EDIT_IMAGE) };
    };
    const struct
    {
        int radio;
        State state;
    } clicks[] = {
        { IDC_BUT_STYLE_HYPERTEXT, { TRUE, FALSE, FALSE, FALSE } }, { IDC_BUT_STYLE_BITMAP, { FALSE, TRUE, TRUE, TRUE } },
        { IDC_BUT_STYLE_OFFICE, { FALSE, TRUE, TRUE, FALSE } },     { IDC_BUT_STYLE_MONO, { FALSE, TRUE, TRUE, FALSE } },
        { IDC_BUT_STYLE_IMAGE, { FALSE, FALSE, FALSE, FALSE } },    { IDC_BUT_STYLE_BITMAP, { FALSE, TRUE, TRUE, TRUE } },
        { IDC_BUT_STYLE_DRAW, { FALSE, FALSE, FALSE, FALSE } },     { IDC_BUT_STYLE_BITMAP, { FALSE, TRUE, TRUE, TRUE } },
        { IDC_BUT_STYLE_WINDOW, { FALSE, FALSE, FALSE, FALSE } },
    };
    const State opened[] = { { FALSE, FALSE, FALSE, FALSE }, { FALSE, FALSE, FALSE, FALSE },
                             { FALSE, FALSE, FALSE, FALSE }, { TRUE, FALSE, FALSE, FALSE },
                             { FALSE, TRUE, TRUE, TRUE },    { FALSE, TRUE, TRUE, FALSE },
                             { FALSE, TRUE, TRUE, FALSE } };
    for (int nStyle = 0; nStyle < 7; ++nStyle)
    {
        SCOPED_TRACE(nStyle);
        CButtonPropSheet sheet("Button");
        sheet.m_nStyle = nStyle;
        sheet.m_nStartPage = kPageStyle;
        RunSheet(sheet, [&](CButtonPropSheet* pSheet) {
            CWnd* pPage = pSheet->GetActivePage();
            EXPECT_TRUE(opened[nStyle] == stateOf(pPage));
            if (nStyle == 0)
            {
                for (const auto& click : clicks)
                {
                    SCOPED_TRACE(click.radio);
                    ChooseRadio(pPage, kStyleRadios, click.radio);
                    EXPECT_TRUE(click.state == stateOf(pPage));
                }
            }
            Click(pSheet, IDCANCEL);
        });
    }
}

TEST(ButtonPropSheet, HypertextDefaultsOnlyTheFirstTime)
{
    CommonDialogScript colours;
    colours.Answer(IDOK, [](CCommonDialog* pDlg) { static_cast<CColorDialog*>(pDlg)->m_cc.rgbResult = RGB(0, 99, 0); });
    CButtonPropSheet sheet("Button");
    sheet.m_idleFont.m_crColor = RGB(7, 7, 7);
    sheet.m_overFont.m_crColor = RGB(7, 7, 7);
    COLORREF afterFirst = 0;
    ModalScript hook([&](CDialog* pDlg) {
        if (dynamic_cast<CHypertextButtonDlg*>(pDlg) != nullptr)
        {
            Click(pDlg, IDC_HYPER_IDLE_COLOR);
            Click(pDlg, IDOK);
            return;
        }
        CButtonPropSheet* pSheet = static_cast<CButtonPropSheet*>(pDlg);
        CWnd* pPage = ShowPage(pSheet, kPageStyle);
        ChooseRadio(pPage, kStyleRadios, IDC_BUT_STYLE_HYPERTEXT);
        afterFirst = pSheet->m_page4.m_overFont.m_crColor;
        Click(pPage, IDC_BUT_HYPERTEXT_PROPS);   // the idle colour becomes green
        ChooseRadio(pPage, kStyleRadios, IDC_BUT_STYLE_WINDOW);
        ChooseRadio(pPage, kStyleRadios, IDC_BUT_STYLE_HYPERTEXT);
        Click(pSheet, IDOK);
    });
    ASSERT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ((COLORREF)0xFF0000, afterFirst);
    EXPECT_EQ(RGB(0, 99, 0), sheet.m_idleFont.m_crColor);
    EXPECT_TRUE(sheet.m_idleFont.m_logFont.lfUnderline);
    EXPECT_EQ((COLORREF)0xFF0000, sheet.m_overFont.m_crColor);
    EXPECT_TRUE(sheet.m_overFont.m_logFont.lfItalic);
    EXPECT_EQ((COLORREF)0xC00000, sheet.m_downFont.m_crColor);
    EXPECT_FALSE(sheet.m_downFont.m_logFont.lfItalic);
    EXPECT_EQ(CString("Text"), sheet.m_strCaption);
}

TEST(ButtonPropSheet, LinkPageBrowsesInfosAndHelp)
{
    FakeServices services;
    services.projectFolder = "C:\\Menu";
    MessageBoxRecorder boxes;
    CommonDialogScript files;
    files.AnswerFile("C:\\Other\\handbuch.pdf");
    files.AnswerFile("C:\\Menu\\tools\\viewer.exe");
    CButtonPropSheet sheet("Button");
    CString document, application;
    ASSERT_EQ(IDOK, RunSheet(sheet, [&](CButtonPropSheet* pSheet) {
        CWnd* pLink = ShowPage(pSheet, kPageLink);
        Click(pLink, IDC_BUT_BROWSE_DOCUMENT);
        Click(pLink, IDC_BUT_BROWSE_APP);
        document = ItemText(pLink, IDC_BUT_DOCUMENT);
        application = ItemText(pLink, IDC_BUT_APPLICATION);
        Click(pLink, IDC_BUT_FUNCTION_INFO);
        Click(pLink, IDC_BUT_LINK_INFO);
        Click(pSheet, IDHELP);
        Click(pSheet, IDOK);
    }));
    // Outside the project: warned, kept.
    EXPECT_EQ(CString("C:\\Other\\handbuch.pdf"), document);
    EXPECT_EQ(CString("C:\\Menu\\tools\\viewer.exe"), application);
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_EQ(CString("C:\\Other\\handbuch.pdf"), sheet.m_strDocument);
    EXPECT_EQ((std::vector<std::string>{ "but_info_function.htm", "but_info_link.htm" }), services.quickInfoPages);
    EXPECT_EQ((std::vector<std::string>{ "hilfe_button.htm" }), services.helpPages);
    EXPECT_TRUE(sheet.m_strQuickInfoFile.IsEmpty());
}

TEST(ButtonPropSheet, QuickInfoFileNamesItsPage)
{
    const struct
    {
        LPCSTR file;
        LPCSTR page;    // null: nothing shown
    } cases[] = {
        { "infotext\\but_info_function.txt", "but_info_function.htm" },
        { "infotext\\INFO.TXT", "INFO.htm" },
        { "plain.htm", "plain.htm" },
        { "", nullptr },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        FakeServices services;
        CButtonPropSheet sheet("Button");
        sheet.m_strQuickInfoFile = c.file;
        sheet.ShowQuickInfoFile();
        if (c.page == nullptr)
            EXPECT_TRUE(services.quickInfoPages.empty());
        else
            EXPECT_EQ((std::vector<std::string>{ c.page }), services.quickInfoPages);
    }
}

TEST(ButtonPropSheet, PictureFromBrowsingAndFromTheImageProgram)
{
    FakeServices services;
    services.projectFolder = "C:\\Menu";
    services.editorFolder = "C:\\Programme\\Tarnix";
    CommonDialogScript files;
    files.AnswerFile("C:\\Andere\\knopf.gif");   // not on the medium: refused as a drop is
    files.AnswerFile("C:\\Menu\\bilder\\knopf.gif");
    MessageBoxRecorder boxes;
    ProgramStartRecorder starts;
    int hints = 0;
    CButtonPropSheet sheet("Button");
    sheet.m_nStyle = 4;
    sheet.m_strImageFile = "C:\\Menu\\alt.bmp";
    CString refused, browsed;
    ModalScript hook([&](CDialog* pDlg) {
        if (dynamic_cast<CButtonPropSheet*>(pDlg) == nullptr)
        {
            ++hints;
            Click(pDlg, IDOK);
            return;
        }
        CButtonPropSheet* pSheet = static_cast<CButtonPropSheet*>(pDlg);
        CWnd* pPage = ShowPage(pSheet, kPageStyle);
        Click(pPage, IDC_BUT_BROWSE_IMAGE);
        refused = ItemText(pPage, IDC_BUT_IMAGE_FILE);
        Click(pPage, IDC_BUT_BROWSE_IMAGE);
        browsed = ItemText(pPage, IDC_BUT_IMAGE_FILE);
        Click(pPage, IDC_BUT_EDIT_IMAGE);
        pSheet->SendMessage(WM_COMMAND, ID_BUTTON_IMAGE_READY);   // nothing handed back yet
        services.returnedImageFile = "C:\\Menu\\bilder\\neu.bmp";
        pSheet->SendMessage(WM_COMMAND, ID_BUTTON_IMAGE_READY);
        Click(pSheet, IDCANCEL);
    });
    sheet.DoModal();
    EXPECT_EQ(CString("C:\\Menu\\alt.bmp"), refused);
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_EQ(CString("C:\\Menu\\bilder\\knopf.gif"), browsed);
    EXPECT_EQ(1, hints);
    EXPECT_EQ((std::vector<std::string>{ "C:\\Menu\\bilder\\knopf.gif" }), services.orvennaFiles);
    EXPECT_EQ(CString("C:\\Menu\\bilder\\neu.bmp"), sheet.m_page4.m_strImageFile);
    EXPECT_EQ(1, services.orvennaClosed);
}

// The player shows the example of the button styles in the interface language.
TEST(ButtonPropSheet, TheStylesExampleSpeaksTheInterfaceLanguage)
{
    FakeServices services;
    services.editorFolder = "C:\\Programme\\Tarnix";
    const char chPrevious = GetUiLanguage();
    const struct
    {
        char language;
        LPCSTR project;
    } cases[] = { { 'G', "Velconf.ini" }, { 'E', "VelconfEnglish.ini" } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.language);
        SetUiLanguage(c.language);
        ProgramStartRecorder starts;
        CButtonPropSheet sheet("Button");
        RunSheet(sheet, [&](CButtonPropSheet* pSheet) {
            Click(ShowPage(pSheet, kPageStyle), IDC_BUT_EXAMPLES);
            Click(pSheet, IDCANCEL);
        });
        ASSERT_EQ(1u, starts.Starts().size());
        EXPECT_EQ(CString("open"), starts.Starts()[0].strOperation);
        EXPECT_EQ(CString("C:\\Programme\\Tarnix\\Tarnix.exe"), starts.Starts()[0].strFile);
        EXPECT_EQ("/o \"C:\\Programme\\Tarnix\\Examples\\ButStyles\\" + CString(c.project) + "\"",
                  starts.Starts()[0].strParameters);
    }
    SetUiLanguage(chPrevious);
}

TEST(ButtonPropSheet, SoundPageTakesOnlySoundsOfTheProject)
{
    FakeServices services;
    services.projectFolder = "C:\\Menu";
    MessageBoxRecorder boxes;
    CommonDialogScript files;
    files.AnswerFile("C:\\Menu\\Sound\\klick.mp3");
    files.AnswerFile("C:\\Menu\\Sound\\klick.wav");
    CButDlg_Page3 page;
    CPropertySheet sheet("Sound");
    sheet.AddPage(&page);
    BOOL fileAtOpen = TRUE, fileWhenStarting = FALSE;
    CString afterRefused, afterTaken;
    ModalScript hook([&](CDialog* pDlg) {
        fileAtOpen = ItemEnabled(&page, IDC_BUT_SOUND_FILE);
        page.CheckDlgButton(IDC_BUT_START_SOUND, BST_CHECKED);
        Click(&page, IDC_BUT_START_SOUND);
        fileWhenStarting = ItemEnabled(&page, IDC_BUT_BROWSE_SOUND);
        Click(&page, IDC_BUT_BROWSE_SOUND);
        afterRefused = ItemText(&page, IDC_BUT_SOUND_FILE);
        Click(&page, IDC_BUT_BROWSE_SOUND);
        afterTaken = ItemText(&page, IDC_BUT_SOUND_FILE);
        page.SetDlgItemText(IDC_BUT_SOUND_FILE, "");
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, sheet.DoModal());
    EXPECT_FALSE(fileAtOpen);
    EXPECT_TRUE(fileWhenStarting);
    EXPECT_EQ(CString(""), afterRefused);
    EXPECT_EQ(CString("C:\\Menu\\Sound\\klick.wav"), afterTaken);
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_EQ(0, page.m_bStartSound);   // no file: no sound to start
}

// The example of the button styles that "Beispiele zeigen..." plays: Escape
// closes it, and every caption fits into its button (into the picture, where
// the style draws one) in the example's button font, as this machine draws it.
TEST(ButtonPropSheet, TheStylesExampleClosesWithEscapeAndShowsWholeCaptions)
{
    const CString folder = testing_support::ProgramFolder() + "\\Examples\\ButStyles";
    for (LPCSTR lpszProject : { "Velconf.ini", "VelconfEnglish.ini" })
    {
        SCOPED_TRACE(lpszProject);
        const CString project = folder + "\\" + lpszProject;
        ASSERT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(project));
        EXPECT_EQ(1u, ::GetPrivateProfileIntA("WINDOW", "ESCEXIT", 0, project));

        LOGFONTA lf = {};
        ::GetPrivateProfileStringA("BUTTONS", "BUTTON_FONT_NAME", "Arial", lf.lfFaceName, LF_FACESIZE, project);
        lf.lfHeight = (LONG)::GetPrivateProfileIntA("BUTTONS", "BUTTON_FONT_SIZE", 16, project);
        lf.lfWeight = (LONG)::GetPrivateProfileIntA("BUTTONS", "BUTTON_FONT_STYLE", 400, project);
        HFONT hFont = ::CreateFontIndirectA(&lf);
        HDC hDC = ::GetDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(hDC, hFont);
        const int nWindowWidth = (int)::GetPrivateProfileIntA("WINDOWSIZE", "W", 0, project);
        int nButtons = 0;
        for (int n = 1; n <= 10; ++n)
        {
            CString section;
            section.Format("BUTTON%d", n);
            char szText[100] = "", szPicture[MAX_PATH] = "";
            if (::GetPrivateProfileStringA(section, "TEXT", "", szText, sizeof(szText), project) == 0)
                continue;
            ++nButtons;
            SCOPED_TRACE(szText);
            int nWidth = (int)::GetPrivateProfileIntA(section, "W", 0, project);
            ::GetPrivateProfileStringA(section, "BMP", "", szPicture, sizeof(szPicture), project);
            CString picture(szPicture);
            if (!picture.IsEmpty())
            {
                picture.Replace("_CURRENTDIR_", folder);
                const CString bytes = testing_support::ReadFileText(picture);
                ASSERT_GE(bytes.GetLength(), 26);
                nWidth = *reinterpret_cast<const LONG*>((LPCSTR)bytes + 18);
            }
            SIZE extent = {};
            ::GetTextExtentPoint32A(hDC, szText, lstrlenA(szText), &extent);
            // Insets of up to 4 pixels a side, a pixel for the press, two for the effect.
            EXPECT_LE(extent.cx + 11, nWidth);
            const int nLeft = (int)::GetPrivateProfileIntA(section, "X", 0, project);
            EXPECT_LE(nLeft + nWidth, nWindowWidth);
        }
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(nullptr, hDC);
        ::DeleteObject(hFont);
        EXPECT_EQ(7, nButtons);
    }
}

} // namespace
