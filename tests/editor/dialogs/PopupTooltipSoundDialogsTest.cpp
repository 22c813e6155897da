#include "editor/dialogs/PopupItemDlg.h"
#include "editor/dialogs/PopupMenuDlg.h"
#include "editor/dialogs/SoundDlg.h"
#include "editor/dialogs/StartEventsDlg.h"
#include "editor/dialogs/TooltipDlg.h"
#include "editor/dialogs/TooltipPictureDlg.h"

#include "editor/DialogIds.h"

#include "DialogTestSupport.h"

using namespace dialog_tests;
using testing_support::CommonDialogScript;
using testing_support::MessageBoxRecorder;

namespace {

const char kVideoItem[] = "TEXT=Video:DOCUMENT=film.avi:APPLICATION=:PARAMETER=:FUNCTION=PLAYAVI";

int ListCount(CWnd* pDlg)
{
    return (int)pDlg->SendDlgItemMessage(IDC_POPUP_LIST, LB_GETCOUNT);
}

// The enabled state of add, edit, delete, up, down and preview, as "1" and "0".
CString ButtonStates(CWnd* pDlg)
{
    CString states;
    for (int nID : { IDC_POPUP_ADD, IDC_POPUP_EDIT, IDC_POPUP_DELETE, IDC_POPUP_UP, IDC_POPUP_DOWN, IDC_POPUP_PREVIEW })
        states += ItemEnabled(pDlg, nID) ? "1" : "0";
    return states;
}

TEST(PopupMenuDlg, OneEntryAtMostAndTheButtonsFollowTheList)
{
    FakeServices services;
    CPopupMenuDlg dlg;
    dlg.m_strButtonText = "Filme";
    dlg.m_strItems[0] = "TEXT=Alt:DOCUMENT=a.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE";
    CString atOpen, selected, afterDelete, afterAdd, preview, previewTyped;
    ModalScript script([&](CDialog* pDlg) {
        if (auto* pItem = dynamic_cast<CPopupItemDlg*>(pDlg))
        {
            pItem->SetDlgItemText(IDC_PITEM_CAPTION, "Video");
            pItem->SetDlgItemText(IDC_PITEM_DOCUMENT, "film.avi");
            pItem->SendDlgItemMessage(IDC_PITEM_ACTION, CB_SETCURSEL, 3);
            Click(pItem, IDOK);
            return;
        }
        preview = ItemText(pDlg, IDC_POPUP_PREVIEW);
        atOpen = ButtonStates(pDlg);
        pDlg->SendDlgItemMessage(IDC_POPUP_LIST, LB_SETCURSEL, 0);
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_POPUP_LIST, LBN_SELCHANGE),
                          (LPARAM)::GetDlgItem(pDlg->m_hWnd, IDC_POPUP_LIST));
        selected = ButtonStates(pDlg);
        Click(pDlg, IDC_POPUP_DELETE);
        afterDelete = ButtonStates(pDlg);
        Click(pDlg, IDC_POPUP_ADD);
        afterAdd = ButtonStates(pDlg);
        Click(pDlg, IDC_POPUP_PREVIEW);   // no main window in the tests: no menu shows
        pDlg->SetDlgItemText(IDC_POPUP_CAPTION, "Videos");
        previewTyped = ItemText(pDlg, IDC_POPUP_PREVIEW);
        Click(pDlg, IDC_POPUP_HELP);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString("Filme"), preview);
    EXPECT_EQ(CString("000001"), atOpen);
    EXPECT_EQ(CString("011111"), selected);
    EXPECT_EQ(CString("100000"), afterDelete);
    EXPECT_EQ(CString("000001"), afterAdd);
    EXPECT_EQ(CString("Videos"), previewTyped);
    EXPECT_EQ(CString("Videos"), dlg.m_strButtonText);
    EXPECT_EQ(CString(kVideoItem), dlg.m_strItems[0]);
    EXPECT_EQ(std::vector<std::string>{ "hilfe_popupmenu.htm" }, services.helpPages);
}

TEST(PopupMenuDlg, EditingReplacesTheLineInPlace)
{
    CPopupMenuDlg dlg;
    dlg.m_strItems[0] = "TEXT=Alt:DOCUMENT=a.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE";
    CString itemSeen;
    int nLines = 0;
    ModalScript script([&](CDialog* pDlg) {
        if (auto* pItem = dynamic_cast<CPopupItemDlg*>(pDlg))
        {
            itemSeen = ItemText(pItem, IDC_PITEM_CAPTION) + "|" + ItemText(pItem, IDC_PITEM_DOCUMENT);
            pItem->SetDlgItemText(IDC_PITEM_CAPTION, "Neu");
            Click(pItem, IDOK);
            return;
        }
        pDlg->SendDlgItemMessage(IDC_POPUP_LIST, LB_SETCURSEL, 0);
        Click(pDlg, IDC_POPUP_EDIT);
        Click(pDlg, IDC_POPUP_UP);     // the only line: nothing moves
        Click(pDlg, IDC_POPUP_DOWN);
        nLines = ListCount(pDlg);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString("Alt|a.txt"), itemSeen);
    EXPECT_EQ(1, nLines);
    EXPECT_EQ(CString("TEXT=Neu:DOCUMENT=a.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE"), dlg.m_strItems[0]);
}

TEST(PopupItemDlg, ActionFromTheItemAndBrowsedFilesOutsideTheProjectWarn)
{
    const struct
    {
        LPCSTR item;
        int action;
    } cases[] = { { "TEXT=Ende:DOCUMENT=:FUNCTION=EXIT", 4 }, { "TEXT=Info:DOCUMENT=info.txt", 0 }, { "", 0 } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.item);
        FakeServices services;
        MessageBoxRecorder boxes;
        CommonDialogScript files;
        files.AnswerFile("C:\\Tools\\viewer.exe");
        CPopupItemDlg dlg;
        dlg.m_strProjectFolder = "C:\\Menu";
        dlg.m_strItem = c.item;
        int nShown = -1, nEntries = 0;
        ModalScript script([&](CDialog* pDlg) {
            nEntries = (int)pDlg->SendDlgItemMessage(IDC_PITEM_ACTION, CB_GETCOUNT);
            nShown = (int)pDlg->SendDlgItemMessage(IDC_PITEM_ACTION, CB_GETCURSEL);
            Click(pDlg, IDC_PITEM_BROWSE_APP);
            Click(pDlg, IDOK);
        });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(5, nEntries);
        EXPECT_EQ(c.action, nShown);
        EXPECT_EQ(c.action, dlg.m_nAction);
        EXPECT_EQ(1u, boxes.Count());   // outside the project: a warning, the path stays
        EXPECT_EQ(CString("C:\\Tools\\viewer.exe"), dlg.m_strApplication);
        EXPECT_GE(dlg.m_strItem.Find(":APPLICATION=C:\\Tools\\viewer.exe:"), 0);
    }
}

// The reader keeps 1,023 characters of an entry: with the field marks and
// the action's keyword a caption of 970 characters fills it.
TEST(PopupItemDlg, AnEntryLongerThanTheProjectKeepsIsRefused)
{
    for (int nCaption : { 971, 970 })
    {
        SCOPED_TRACE(nCaption);
        MessageBoxRecorder boxes;
        CPopupItemDlg dlg;
        dlg.m_strProjectFolder = "C:\\Menu";
        const BOOL bStayed =
            OkIsRefused(dlg, [&](CDialog* pDlg) { pDlg->SetDlgItemText(IDC_PITEM_CAPTION, CString('c', nCaption)); });
        EXPECT_EQ(nCaption > 970, bStayed);
        EXPECT_EQ(nCaption > 970 ? 1u : 0u, boxes.Count());
        if (!bStayed)
        {
            EXPECT_EQ(1023, dlg.m_strItem.GetLength());
        }
    }
}

// The length counts the stored form, a line break as "<BR>": a longer text is
// refused rather than cut, which could leave half a tag for the player.
TEST(TooltipDlg, LineBreaksAndTheLengthTheProjectKeeps)
{
    const struct
    {
        CString in;
        CString shown;
        CString out;   // empty: refused with the length message
    } cases[] = {
        { "Zeile 1<br>Zeile 2<BR>", "Zeile 1\r\nZeile 2\r\n", "Zeile 1<BR>Zeile 2<BR>" },
        { CString('x', 496) + "<br>", CString('x', 496) + "\r\n", CString('x', 496) + "<BR>" },
        { CString('x', 497) + "<BR>", CString('x', 497) + "\r\n", "" },
        { CString('x', 600), CString('x', 600), "" },
        { "<Br", "<Br", "<Br" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.in.Left(20));
        MessageBoxRecorder boxes;
        CTooltipDlg dlg;
        dlg.m_nWidth = dlg.m_nHeight = 20;
        dlg.m_strDefaultText = c.in;
        CString shown;
        EXPECT_EQ(c.out.IsEmpty(), OkIsRefused(dlg, [&](CDialog* pDlg) { shown = ItemText(pDlg, IDC_TIP_TEXT); }));
        EXPECT_EQ(c.shown, shown);
        ASSERT_EQ(c.out.IsEmpty() ? 1u : 0u, boxes.Count());
        if (c.out.IsEmpty())
        {
            EXPECT_GE(boxes.Last().strText.Find("500"), 0) << boxes.Last().strText;
        }
        else
        {
            EXPECT_EQ(c.out, dlg.m_strDefaultText);
        }
    }
}

TEST(TooltipDlg, TheAreaMustLieOnThePage)
{
    const FieldCase cases[] = {
        { IDC_TIP_WIDTH, "0", FALSE }, { IDC_TIP_HEIGHT, "0", FALSE }, { IDC_TIP_X, "300", TRUE },
        { IDC_TIP_X, "301", FALSE },   { IDC_TIP_Y, "270", TRUE },     { IDC_TIP_Y, "-1", FALSE },
    };
    for (const auto& c : cases)
    {
        CTooltipDlg dlg;
        dlg.m_sizePage = CSize(400, 300);
        dlg.m_nX = dlg.m_nY = 10;
        dlg.m_nWidth = 100;
        dlg.m_nHeight = 30;
        ExpectFieldChecks(c.id, c.value, c.accepted, dlg);
    }
}

// Transparency disables the background colour; the picture button puts the
// picture's tag before the text, keeping what was typed.
TEST(TooltipDlg, TransparencyColoursFontAndPictureTag)
{
    FakeServices services;
    services.projectFolder = "C:\\Menu";
    CommonDialogScript dialogs;
    AnswerColor(dialogs, RGB(1, 2, 3));
    AnswerColor(dialogs, RGB(4, 5, 6));
    AnswerFont(dialogs, "Arial", -15, RGB(7, 8, 9));
    dialogs.AnswerFile("C:\\Menu\\logo.bmp");
    CTooltipDlg dlg;
    dlg.m_nWidth = dlg.m_nHeight = 20;
    dlg.m_bTransparent = 1;
    dlg.m_strDefaultText = "Willkommen";
    BOOL atOpen = TRUE, afterUntick = FALSE;
    CString shown;
    ModalScript script([&](CDialog* pDlg) {
        if (dynamic_cast<CTooltipPictureDlg*>(pDlg) != nullptr)
        {
            Click(pDlg, IDC_TIP_PICTURE_BROWSE);
            Click(pDlg, IDOK);
            return;
        }
        atOpen = ItemEnabled(pDlg, IDC_TIP_BACKCOLOR);
        pDlg->CheckDlgButton(IDC_TIP_TRANSPARENT, BST_UNCHECKED);
        Click(pDlg, IDC_TIP_TRANSPARENT);
        afterUntick = ItemEnabled(pDlg, IDC_TIP_BACKCOLOR);
        Click(pDlg, IDC_TIP_BACKCOLOR);
        Click(pDlg, IDC_TIP_FONTCOLOR);
        Click(pDlg, IDC_TIP_FONT);
        Click(pDlg, IDC_DLG_HELP);
        pDlg->SetDlgItemText(IDC_TIP_X, "12");
        Click(pDlg, IDC_TIP_PICTURE);
        shown = ItemText(pDlg, IDC_TIP_TEXT);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(atOpen);
    EXPECT_TRUE(afterUntick);
    EXPECT_EQ(0, dlg.m_bTransparent);
    EXPECT_EQ(RGB(1, 2, 3), dlg.m_crBackground);
    EXPECT_EQ(RGB(7, 8, 9), dlg.m_font.m_crColor);   // the font dialog's colour wins
    EXPECT_STREQ("Arial", dlg.m_font.m_logFont.lfFaceName);
    EXPECT_EQ(std::vector<std::string>{ "hilfe_tooltip.htm" }, services.helpPages);
    EXPECT_EQ(CString("<img src=\"LOGO.BMP\">Willkommen"), shown);
    EXPECT_EQ(12, dlg.m_nX);
}

TEST(TooltipPictureDlg, TagOfAPictureInTheProject)
{
    const struct
    {
        LPCSTR text;
        LPCSTR picture;
        LPCSTR out;
    } cases[] = {
        { "Hallo", "C:\\Menu\\bilder\\a.gif", "<img src=\"BILDER\\A.GIF\">Hallo" },
        { "vorher <img src=\"OLD.BMP\">Hallo", "c:\\menu\\b.bmp", "<img src=\"B.BMP\">Hallo" },
        { "vorher <img src=\"OLD.BMP", "C:\\Menu\\b.bmp", "<img src=\"B.BMP\"><img src=\"OLD.BMP" },
        { "Hallo", "C:\\Other\\a.gif", "Hallo" },
        { "Hallo", "C:\\Menu2\\a.gif", "Hallo" },   // a longer folder is not the project's
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.picture);
        CString text(c.text);
        CTooltipPictureDlg::InsertPictureTag(text, c.picture, "C:\\Menu");
        EXPECT_EQ(CString(c.out), text);
    }
}

TEST(SoundDialogs, OnlySoundsOfTheProjectAreTaken)
{
    const struct
    {
        BOOL startEvents;
        LPCSTR chosen;
        LPCSTR fileOut;
        int soundOut;
    } cases[] = {
        { FALSE, "C:\\Menu\\musik.mid", "C:\\Menu\\musik.mid", 1 },
        { FALSE, "C:\\Other\\musik.wav", "", 1 },   // the sound dialog leaves its switch
        { TRUE, "C:\\Menu\\start.wav", "C:\\Menu\\start.wav", 1 },
        { TRUE, "C:\\Other\\start.wav", "", 0 },
        { TRUE, "C:\\Menu\\start.mp3", "", 0 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.chosen);
        FakeServices services;
        services.projectFolder = "C:\\Menu";
        MessageBoxRecorder boxes;
        CommonDialogScript files;
        files.AnswerFile(c.chosen);
        CSoundDlg sound;
        sound.m_bKeyClick = 1;
        sound.m_bKeyOver = 1;
        sound.m_bSoundEnabled = 1;
        sound.m_strSoundFile = "alt.wav";
        CStartEventsDlg start;
        start.m_bStartSound = 1;
        start.m_strSoundFile = "alt.wav";
        int nBrowse = c.startEvents ? IDC_STARTEV_BROWSE : IDC_SOUND_BROWSE;
        int nLoop = c.startEvents ? IDC_STARTEV_LOOP : IDC_SOUND_LOOP;
        int nHelp = c.startEvents ? IDC_STARTEV_HELP : IDC_DLG_HELP;
        ModalScript script([&](CDialog* pDlg) {
            pDlg->CheckDlgButton(nLoop, BST_CHECKED);
            Click(pDlg, nBrowse);
            Click(pDlg, nHelp);
            Click(pDlg, IDOK);
        });
        CDialog& dlg = c.startEvents ? static_cast<CDialog&>(start) : sound;
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(CString(c.fileOut), c.startEvents ? start.m_strSoundFile : sound.m_strSoundFile);
        EXPECT_EQ(c.soundOut, c.startEvents ? start.m_bStartSound : sound.m_bSoundEnabled);
        EXPECT_EQ(1, c.startEvents ? start.m_bEndless : sound.m_bEndless);
        EXPECT_EQ(*c.fileOut != '\0' ? 0u : 1u, boxes.Count());
        EXPECT_EQ(1, sound.m_bKeyClick);
        EXPECT_EQ(1, sound.m_bKeyOver);
        EXPECT_EQ(std::vector<std::string>{ c.startEvents ? "hilfe_startevents.htm" : "hilfe_sound.htm" },
                  services.helpPages);
    }
}

} // namespace
