#include "editor/dialogs/AviPropDlg.h"
#include "editor/dialogs/BackgroundImageDlg.h"
#include "editor/dialogs/InsertObjectsDlg.h"
#include "editor/dialogs/InsertPictureDlg.h"
#include "editor/dialogs/InsertTextDlg.h"
#include "editor/dialogs/SliderPropDlg.h"
#include "editor/dialogs/TextFieldDlg.h"

#include "editor/DialogIds.h"

#include "DialogTestSupport.h"
#include "shared/menuobj/AviTestFiles.h"
#include "toolkit/XTRealInput.h"

using namespace dialog_tests;
using menuobj_testing::AviBytes;
using menuobj_testing::AviClip;
using testing_support::CommonDialogScript;
using testing_support::MessageBoxRecorder;
using testing_support::ProgramStartRecorder;
using testing_support::TempFolder;

namespace {

CString WriteClip(const TempFolder& folder, LPCSTR name, const AviClip& clip)
{
    AviBytes bytes(clip);
    return folder.Write(name, bytes.Bytes().data(), bytes.Bytes().size());
}

AviClip CompressedClip()
{
    AviClip clip;
    clip.dwCompression = mmioFOURCC('c', 'v', 'i', 'd');
    clip.pszHandler = "cvid";
    return clip;
}

// An object that is not at least a pixel wide and high, or not on the page,
// could neither be seen nor selected: the dialog refuses it.
TEST(ObjectDialogs, TheObjectMustLieOnThePage)
{
    const CSize page(500, 350);
    enum Kind { kSlider, kPicture, kText, kTextField };
    const struct
    {
        Kind kind;
        int id;
        LPCSTR value;
        BOOL accepted;
    } cases[] = {
        { kSlider, IDC_SLIDER_WIDTH, "0", FALSE },   { kSlider, IDC_SLIDER_HEIGHT, "-3", FALSE },
        { kSlider, IDC_OBJ_X, "5000", FALSE },        { kSlider, IDC_OBJ_X, "440", TRUE },
        { kSlider, IDC_OBJ_X, "441", FALSE },         { kSlider, IDC_OBJ_Y, "-1", FALSE },
        { kPicture, IDC_OBJ_X, "499", TRUE },         { kPicture, IDC_OBJ_X, "500", FALSE },
        { kPicture, IDC_OBJ_Y, "-5", FALSE },         { kText, IDC_OBJ_Y, "350", FALSE },
        { kText, IDC_OBJ_Y, "349", TRUE },            { kTextField, IDC_OBJ_X, "301", FALSE },
        { kTextField, IDC_OBJ_X, "300", TRUE },
    };
    FakeServices services;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind);
        if (c.kind == kSlider)
        {
            CSliderPropDlg dlg;
            dlg.m_nWidth = 60;
            dlg.m_sizePage = page;
            ExpectFieldChecks(c.id, c.value, c.accepted, dlg);
        }
        else if (c.kind == kPicture)
        {
            CInsertPictureDlg dlg;
            dlg.m_sizePage = page;
            ExpectFieldChecks(c.id, c.value, c.accepted, dlg);
        }
        else if (c.kind == kText)
        {
            CInsertTextDlg dlg;
            dlg.m_strText = "Text";
            dlg.m_sizePage = page;
            ExpectFieldChecks(c.id, c.value, c.accepted, dlg);
        }
        else
        {
            CTextFieldDlg dlg;
            dlg.m_sizePage = page;
            ExpectFieldChecks(c.id, c.value, c.accepted, dlg);
        }
    }
}

// A click of the user's hand on the address opens it.
TEST(InsertObjectsDlg, TheLinkOpensTheHomePage)
{
    ProgramStartRecorder starts;
    CInsertObjectsDlg dlg;
    CString address;
    ModalScript script([&](CDialog* pDlg) {
        auto* pInsert = static_cast<CInsertObjectsDlg*>(pDlg);
        ASSERT_NE(nullptr, pInsert->m_link.m_hWnd);
        pInsert->m_link.GetWindowText(address);
        pDlg->ShowWindow(SW_SHOW);
        pDlg->UpdateWindow();
        ::SetForegroundWindow(pDlg->m_hWnd);
        CRect rc;
        pInsert->m_link.GetWindowRect(rc);
        toolkit_test::Click(CPoint(rc.left + 4, rc.CenterPoint().y));
        toolkit_test::PumpUntil([&] { return !starts.Starts().empty(); });
        Click(pDlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(CString("http://www.lumivane.example"), address);
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_EQ(CString("open"), starts.Starts()[0].strOperation);
    EXPECT_EQ(address, starts.Starts()[0].strFile);
}

TEST(AviPropDlg, ClipCheckRefusesWhatThePageCannotPlay)
{
    TempFolder folder;
    WriteClip(folder, "play.avi", AviClip());
    WriteClip(folder, "cvid.avi", CompressedClip());
    AviClip noFrame;
    noFrame.cx = 0;
    noFrame.cy = 0;
    WriteClip(folder, "noframe.avi", noFrame);
    folder.Write("text.avi", CString("no clip"));
    const struct
    {
        LPCSTR file;
        BOOL passes;
        LPCSTR boxPart;     // in the one box shown; null: no box
        RECT rect;
    } cases[] = {
        { "", FALSE, "Bitte eine Datei angeben.", { 1, 2, 3, 4 } },
        { "missing.avi", FALSE, "missing.avi", { 1, 2, 3, 4 } },
        { "text.avi", FALSE, "text.avi", { 1, 2, 3, 4 } },
        { "cvid.avi", FALSE, "CVID", { 1, 2, 3, 4 } },
        { "play.avi", TRUE, nullptr, { 5, 7, 37, 31 } },
        { "_CURRENTDIR_\\play.avi", TRUE, nullptr, { 5, 7, 37, 31 } },
        { "noframe.avi", TRUE, nullptr, { 1, 2, 3, 4 } },   // the old rectangle stays
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        MessageBoxRecorder boxes;
        CAviPropDlg dlg;
        dlg.m_strProjectFolder = folder.Path();
        dlg.m_strFile = c.file;
        dlg.m_nX = 5;
        dlg.m_nY = 7;
        dlg.m_rcClip = { 1, 2, 3, 4 };
        EXPECT_EQ(c.passes, dlg.CheckAviFile());
        ASSERT_EQ(c.boxPart != nullptr ? 1u : 0u, boxes.Count());
        if (c.boxPart != nullptr)
            EXPECT_GE(boxes.Last().strText.Find(c.boxPart), 0) << boxes.Last().strText;
        EXPECT_TRUE(EqualRect(&c.rect, &dlg.m_rcClip));
        if (c.passes && *c.file != '\0')
            EXPECT_EQ(folder.Path(), dlg.m_strFile.Left(folder.Path().GetLength()));
    }
}

// The 32 by 24 clip must also lie on the 400 by 300 page.
TEST(AviPropDlg, OkNeedsAPlayableClipOnThePageAndARepeatCountInRange)
{
    TempFolder folder;
    CString clip = WriteClip(folder, "play.avi", AviClip());
    const struct
    {
        LPCSTR file;
        LPCSTR repeat;
        LPCSTR x;
        BOOL closes;
    } cases[] = {
        { "play.avi", "-1", "10", TRUE },         { "play.avi", "-2", "10", FALSE },
        { "play.avi", "1000000000", "368", TRUE }, { "play.avi", "3", "369", FALSE },
        { "play.avi", "3", "2000", FALSE },       { "", "-1", "10", FALSE },
        { "missing.avi", "3", "10", FALSE },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.file << " " << c.repeat);
        MessageBoxRecorder boxes;
        CAviPropDlg dlg;
        dlg.m_strProjectFolder = folder.Path();
        dlg.m_sizePage = CSize(400, 300);
        BOOL stayed = FALSE;
        ModalScript script([&](CDialog* pDlg) {
            pDlg->SetDlgItemText(IDC_OBJ_FILE, c.file);
            pDlg->SetDlgItemText(IDC_AVI_REPEAT, c.repeat);
            pDlg->SetDlgItemText(IDC_OBJ_X, c.x);
            Click(pDlg, IDOK);
            stayed = pDlg->ContinueModal();
            if (stayed)
                Click(pDlg, IDCANCEL);
        });
        EXPECT_EQ(c.closes ? IDOK : IDCANCEL, dlg.DoModal());
        EXPECT_EQ(!c.closes, stayed);
        EXPECT_EQ(c.closes ? 0u : 1u, boxes.Count());
        if (c.closes)
        {
            EXPECT_EQ(clip, dlg.m_strFile);
            EXPECT_EQ(atol(c.repeat), dlg.m_nRepeat);
            RECT expected = { atol(c.x), 0, atol(c.x) + 32, 24 };
            EXPECT_TRUE(EqualRect(&expected, &dlg.m_rcClip));
        }
    }
}

TEST(AviPropDlg, BrowseKeepsOnlyPlayableClipsOfTheProject)
{
    TempFolder folder;
    CString good = WriteClip(folder, "play.avi", AviClip());
    CString bad = WriteClip(folder, "cvid.avi", CompressedClip());
    const struct
    {
        CString chosen;
        LPCSTR shown;       // the edit afterwards
        size_t boxes;
    } cases[] = {
        { good, good, 0 },
        { bad, "", 1 },                          // not allowed: emptied
        { "C:\\Elsewhere\\clip.avi", "old.avi", 1 },   // outside the project: nothing taken
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.chosen);
        MessageBoxRecorder boxes;
        CommonDialogScript files;
        files.AnswerFile(c.chosen);
        CAviPropDlg dlg;
        dlg.m_strProjectFolder = folder.Path();
        dlg.m_strFile = "old.avi";
        CString shown, repeat;
        ModalScript script([&](CDialog* pDlg) {
            pDlg->SetDlgItemText(IDC_AVI_REPEAT, "7");
            Click(pDlg, IDC_OBJ_BROWSE);
            shown = ItemText(pDlg, IDC_OBJ_FILE);
            repeat = ItemText(pDlg, IDC_AVI_REPEAT);
            Click(pDlg, IDCANCEL);
        });
        dlg.DoModal();
        EXPECT_EQ(CString(c.shown), shown);
        EXPECT_EQ(c.boxes, boxes.Count());
        if (c.boxes == 0)
            EXPECT_EQ(CString("7"), repeat);   // what was typed survives the refresh
    }
}

TEST(BackgroundImageDlg, LegacyAndModeDecideThePositionFields)
{
    const struct
    {
        int legacy, mode;
        BOOL radios, xy;
    } cases[] = { { 0, 0, TRUE, FALSE }, { 0, 2, TRUE, TRUE }, { 1, 2, FALSE, FALSE }, { 0, 1, TRUE, FALSE } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.legacy << "/" << c.mode);
        CBackgroundImageDlg dlg;
        dlg.m_bLegacy = c.legacy;
        dlg.m_nPosMode = c.mode;
        BOOL radios = !c.radios, xy = !c.xy, xAfterPosition = FALSE, xAfterCenter = TRUE;
        ModalScript script([&](CDialog* pDlg) {
            radios = ItemEnabled(pDlg, IDC_BKIMG_CENTER);
            xy = ItemEnabled(pDlg, IDC_OBJ_Y);
            ChooseRadio(pDlg, { IDC_BKIMG_FIT, IDC_BKIMG_CENTER, IDC_BKIMG_POSITION }, IDC_BKIMG_POSITION);
            xAfterPosition = ItemEnabled(pDlg, IDC_OBJ_X);
            ChooseRadio(pDlg, { IDC_BKIMG_FIT, IDC_BKIMG_CENTER, IDC_BKIMG_POSITION }, IDC_BKIMG_CENTER);
            xAfterCenter = ItemEnabled(pDlg, IDC_OBJ_X);
            Click(pDlg, IDCANCEL);
        });
        dlg.DoModal();
        EXPECT_EQ(c.radios, radios);
        EXPECT_EQ(c.xy, xy);
        EXPECT_TRUE(xAfterPosition);
        EXPECT_FALSE(xAfterCenter);
    }
}

TEST(BackgroundImageDlg, LegacyClickResetsToPositionAtTheOrigin)
{
    CBackgroundImageDlg dlg;
    dlg.m_bLegacy = 1;
    dlg.m_nX = 30;
    dlg.m_nY = 40;
    BOOL xEnabled = FALSE;
    CString x;
    ModalScript script([&](CDialog* pDlg) {
        pDlg->CheckDlgButton(IDC_BKIMG_LEGACY, BST_UNCHECKED);
        Click(pDlg, IDC_BKIMG_LEGACY);
        xEnabled = ItemEnabled(pDlg, IDC_OBJ_X);
        x = ItemText(pDlg, IDC_OBJ_X);
        Click(pDlg, IDC_DLG_HELP);
        Click(pDlg, IDOK);
    });
    FakeServices services;
    MessageBoxRecorder boxes;   // no file: the picture goes off
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString("0"), x);
    EXPECT_TRUE(xEnabled);   // "position" comes with its fields
    EXPECT_EQ(CBackgroundImageDlg::POS_AT_XY, dlg.m_nPosMode);
    EXPECT_EQ(0, dlg.m_nY);
    EXPECT_EQ(0, dlg.m_bLegacy);
    EXPECT_EQ(std::vector<std::string>{ "hilfe_image.htm" }, services.helpPages);
}

TEST(BackgroundImageDlg, OkSwitchesThePictureOffWithoutAnAcceptedFile)
{
    TempFolder folder;
    CString inside = folder.File("back.bmp");
    const struct
    {
        CString file;
        int enabled;
        CString fileOut;
        int enabledOut;
        size_t boxes;
    } cases[] = {
        { "", 1, "", 0, 1 },   // says why the picture goes off
        { inside, 1, inside, 1, 0 },
        { "C:\\Elsewhere\\back.bmp", 1, "", 0, 1 },
        { folder.File("back.gif"), 1, "", 0, 1 },
        { "C:\\Elsewhere\\back.bmp", 0, "C:\\Elsewhere\\back.bmp", 0, 0 },   // off: not checked
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        FakeServices services;
        services.projectFolder = folder.Path();
        MessageBoxRecorder boxes;
        CBackgroundImageDlg dlg;
        dlg.m_strFile = c.file;
        dlg.m_bEnabled = c.enabled;
        ModalScript script([&](CDialog* pDlg) { Click(pDlg, IDOK); });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(c.fileOut, dlg.m_strFile);
        EXPECT_EQ(c.enabledOut, dlg.m_bEnabled);
        EXPECT_EQ(c.boxes, boxes.Count());
    }
}

// Browses in the dialog after typing into another field, and closes it with OK.
void BrowseAndClose(CDialog& dlg, int nBrowseID, int nTypedID, LPCSTR lpszTyped)
{
    ModalScript script([&](CDialog* pDlg) {
        pDlg->SetDlgItemText(nTypedID, lpszTyped);
        Click(pDlg, nBrowseID);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
}

TEST(FileDialogs, BrowsingTakesOnlyFilesOfTheProject)
{
    TempFolder folder;
    const struct
    {
        BOOL textField;
        CString chosen;
        BOOL taken;
    } cases[] = {
        { FALSE, folder.File("bild.jpg"), TRUE },
        { FALSE, folder.File("bild.png"), FALSE },
        { FALSE, "C:\\Elsewhere\\bild.gif", FALSE },
        { TRUE, folder.File("info.htm"), TRUE },       // every type of document
        { TRUE, "C:\\Elsewhere\\info.txt", FALSE },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.chosen);
        FakeServices services;
        services.projectFolder = folder.Path();
        MessageBoxRecorder boxes;
        CommonDialogScript files;
        files.AnswerFile(c.chosen);
        CString result;
        int nTyped = 0;
        if (c.textField)
        {
            CTextFieldDlg dlg;
            dlg.m_strDocument = "alt.txt";
            BrowseAndClose(dlg, IDC_TFIELD_BROWSE, IDC_OBJ_Y, "9");
            result = dlg.m_strDocument;
            nTyped = dlg.m_nY;
        }
        else
        {
            CInsertPictureDlg dlg;
            dlg.m_strFile = "alt.bmp";
            BrowseAndClose(dlg, IDC_OBJ_BROWSE, IDC_OBJ_Y, "9");
            result = dlg.m_strFile;
            nTyped = dlg.m_nY;
        }
        EXPECT_EQ(c.taken ? c.chosen : CString(), result);
        EXPECT_EQ(c.taken ? 0u : 1u, boxes.Count());
        EXPECT_EQ(9, nTyped);   // what was typed survives the refresh
    }
}

} // namespace
