#include "editor/dialogs/AlignHorzDlg.h"
#include "editor/dialogs/AlignVertDlg.h"
#include "editor/dialogs/GraphicsProgramDlg.h"
#include "editor/dialogs/GridDlg.h"
#include "editor/dialogs/ProgramDlg.h"
#include "editor/dialogs/VirtualDriveDlg.h"

#include "editor/DialogIds.h"

#include "DialogTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <set>

using namespace dialog_tests;
using testing_support::CommonDialogScript;
using testing_support::MessageBoxRecorder;
using testing_support::ProgramStartRecorder;
using testing_support::TempFolder;

namespace {

TEST(GridDlg, KeepsTheStepBetweenTwoAndTen)
{
    const struct
    {
        int stored;
        LPCSTR typed;
        LPCSTR shown;
        int kept;
    } cases[] = { { 2, "1", "2", 2 }, { 4, "11", "4", 10 }, { 0, "6", "2", 6 }, { 40, "10", "10", 10 } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typed);
        CGridDlg dlg;
        dlg.m_nStoredGridSize = c.stored;
        CString shown;
        ModalScript script([&](CDialog* pDlg) {
            shown = ItemText(pDlg, IDC_GRID_SIZE);
            pDlg->SetDlgItemText(IDC_GRID_SIZE, c.typed);
            Click(pDlg, IDOK);
        });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(CString(c.shown), shown);
        EXPECT_EQ(c.kept, dlg.m_nStoredGridSize);
    }
}

TEST(AlignButtonsDlg, GapArithmetic)
{
    const struct
    {
        int size, gap, step;
        int horizontal, vertical;
    } cases[] = {
        { 122, 10, 5, 8, 13 },    // a row rounds down: 130 - 122; a column up: 135 - 122
        { 120, 0, 10, 0, 0 },
        { 120, 10, 10, 10, 10 },
        { 120, 5, 10, 10, 10 },   // 125 falls to the width itself: one step
        { 122, 2, 5, 3, 3 },      // not below the width: the buttons would overlap
        { 120, 7, 1, 7, 7 },      // without grid the gap stays
        { 120, 7, 0, 7, 7 },      // a step of 0 counts as 1
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.size << "/" << c.gap << "/" << c.step);
        EXPECT_EQ(c.horizontal, CAlignButtonsDlg::FitGapHorizontal(c.size, c.gap, c.step));
        EXPECT_EQ(c.vertical, CAlignButtonsDlg::FitGapVertical(c.size, c.gap, c.step));
    }
    EXPECT_EQ(10, CAlignButtonsDlg::InitialGap(120, 10));
    EXPECT_EQ(3, CAlignButtonsDlg::InitialGap(122, 5));
    EXPECT_EQ(1, CAlignButtonsDlg::InitialGap(26, 1));
}

TEST(AlignButtonsDlg, RowFitsTheGapOnOpenLeaveAndOK)
{
    CAlignHorzDlg dlg;
    dlg.m_nWidth = 120;
    dlg.m_nGap = 0;
    dlg.m_nGridStep = 10;
    dlg.m_nX = -5;
    CString openGap, openX, leftGap;
    ModalScript script([&](CDialog* pDlg) {
        openGap = ItemText(pDlg, IDC_ALIGN_HORZ_GAP);
        openX = ItemText(pDlg, IDC_ALIGN_X);
        pDlg->SetDlgItemText(IDC_ALIGN_WIDTH, "122");
        pDlg->SetDlgItemText(IDC_ALIGN_HORZ_GAP, "10");
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ALIGN_HORZ_GAP, EN_KILLFOCUS),
                          (LPARAM)::GetDlgItem(pDlg->m_hWnd, IDC_ALIGN_HORZ_GAP));
        leftGap = ItemText(pDlg, IDC_ALIGN_HORZ_GAP);
        static_cast<CAlignHorzDlg*>(pDlg)->m_nGridStep = 5;
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString("10"), openGap);   // 120 is a multiple of 10: one step
    EXPECT_EQ(CString("0"), openX);
    EXPECT_EQ(CString("8"), leftGap);    // 122 + 10 down to 130
    EXPECT_EQ(8, dlg.m_nGap);
    EXPECT_EQ(122, dlg.m_nWidth);
}

TEST(AlignButtonsDlg, FieldsOutsideTheirRangesKeepTheDialogOpen)
{
    const FieldCase cases[] = {
        { IDC_ALIGN_WIDTH, "19", FALSE }, { IDC_ALIGN_WIDTH, "600", TRUE },  { IDC_ALIGN_HEIGHT, "201", FALSE },
        { IDC_ALIGN_X, "751", FALSE },    { IDC_ALIGN_X, "750", TRUE },      { IDC_ALIGN_VERT_GAP, "301", FALSE },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.id << "=" << c.value);
        MessageBoxRecorder boxes;
        CAlignVertDlg dlg;
        dlg.m_nMaxX = 750;
        BOOL stayed = FALSE;
        ModalScript script([&](CDialog* pDlg) {
            pDlg->SetDlgItemText(c.id, c.value);
            Click(pDlg, IDOK);
            stayed = ::IsWindow(pDlg->m_hWnd) && pDlg->ContinueModal();
            if (stayed)
            {
                // Leaving the refused field for Cancel tells nothing more.
                ::SetFocus(::GetDlgItem(pDlg->m_hWnd, IDCANCEL));
                Click(pDlg, IDCANCEL);
            }
        });
        dlg.DoModal();
        EXPECT_EQ(!c.accepted, stayed);
        EXPECT_EQ(c.accepted ? 0u : 1u, boxes.Count());
    }
}

TEST(VirtualDriveDlg, ProposesADriveAfterTheLastOne)
{
    const struct
    {
        int last;       // drives C up to this one exist
        int proposed;
    } cases[] = { { 5, 8 }, { 23, 24 }, { 3, 6 }, { 21, 22 }, { 20, 23 }, { 25, 26 } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.last);
        auto exists = [&](int nDrive) { return nDrive >= 3 && nDrive <= c.last ? TRUE : FALSE; };
        EXPECT_EQ(c.proposed, CVirtualDriveDlg::FindFreeDriveLetter(exists));
    }
}

// The dialog on a machine with the drives given.
class CDrivesDlg : public CVirtualDriveDlg
{
public:
    std::set<int> drives;

protected:
    BOOL DriveExists(int nDrive) override { return drives.count(nDrive) != 0; }
};

TEST(VirtualDriveDlg, ProposesOnOpenAndKeepsAUsableLetter)
{
    FakeServices services;
    CDrivesDlg dlg;
    dlg.drives = { 3, 4, 5 };
    CString shown;
    ModalScript script([&](CDialog* pDlg) {
        shown = ItemText(pDlg, IDC_VDRIVE_LETTER);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString("H"), shown);
    EXPECT_EQ("H", services.strings["VIRTUAL_DRIVE"]);
}

TEST(VirtualDriveDlg, ButtonsRunSubstOnlyForUsableLetters)
{
    FakeServices services;
    services.strings["VIRTUAL_DRIVE"] = "k";
    ProgramStartRecorder starts;
    CDrivesDlg dlg;
    dlg.drives = { 3, 11 };
    dlg.m_strFolder = "C:\\Menu Project";
    CString shown;
    ModalScript script([&](CDialog* pDlg) {
        shown = ItemText(pDlg, IDC_VDRIVE_LETTER);
        Click(pDlg, IDC_VDRIVE_CREATE);
        Click(pDlg, IDC_VDRIVE_DELETE);
        Click(pDlg, IDC_VDRIVE_TEST);
        pDlg->SetDlgItemText(IDC_VDRIVE_LETTER, "c");
        Click(pDlg, IDC_VDRIVE_CREATE);
        Click(pDlg, IDC_VDRIVE_DELETE);
        Click(pDlg, IDC_VDRIVE_SHOW);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString("K"), shown);
    ASSERT_EQ(4u, starts.Starts().size());
    // Create, delete, then the test creates and starts the player from the drive.
    EXPECT_NE(-1, starts.Starts()[0].strParameters.Find("/c SUBST K: \"C:\\Menu Project\""));
    EXPECT_NE(-1, starts.Starts()[1].strParameters.Find("/C SUBST K: /D"));
    EXPECT_NE(-1, starts.Starts()[2].strParameters.Find("/c SUBST K: \"C:\\Menu Project\""));
    EXPECT_NE(-1, starts.Starts()[3].strParameters.Find("K:\\Tarnix.exe"));
    EXPECT_EQ('C', dlg.m_chLetter);
    EXPECT_EQ("k", services.strings["VIRTUAL_DRIVE"]);   // C is not usable: not stored
}

TEST(VirtualDriveDlg, SearchWithoutAFreeDriveTellsSo)
{
    FakeServices services;
    services.strings["VIRTUAL_DRIVE"] = "M";
    MessageBoxRecorder boxes;
    CDrivesDlg dlg;
    for (int nDrive = 1; nDrive <= 26; ++nDrive)
        dlg.drives.insert(nDrive);
    CString shown;
    ModalScript script([&](CDialog* pDlg) {
        Click(pDlg, IDC_VDRIVE_SEARCH);
        shown = ItemText(pDlg, IDC_VDRIVE_LETTER);
        Click(pDlg, IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(CString("Z"), shown);   // Y exists: Z follows
    EXPECT_EQ(0u, boxes.Count());
}

TEST(GraphicsProgramDlg, StoresOnlyAReadableProgram)
{
    TempFolder folder;
    const CString program = folder.Write("Paint.exe", CString("MZ"));
    const CString picture = folder.Write("Paint.bmp", CString("BM"));
    const struct
    {
        CString typed;
        CString stored;
    } cases[] = {
        { program, program },
        { picture, "C:\\old.exe" },
        { folder.File("Missing.exe"), "C:\\old.exe" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typed);
        FakeServices services;
        services.strings["GRAFIKPATH"] = "C:\\old.exe";
        CGraphicsProgramDlg dlg;
        CString shown;
        ModalScript script([&](CDialog* pDlg) {
            shown = ItemText(pDlg, IDC_GRAPHICS_PATH);
            pDlg->SetDlgItemText(IDC_GRAPHICS_PATH, c.typed);
            Click(pDlg, IDOK);
        });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(CString("C:\\old.exe"), shown);
        EXPECT_EQ(std::string((LPCSTR)c.stored), services.strings["GRAFIKPATH"]);
    }
}

TEST(ProgramDlg, BrowsingReplacesThePathOnlyWithAChoice)
{
    CommonDialogScript files;
    files.Answer(IDCANCEL);
    files.AnswerFile("C:\\Tools\\viewer.exe");
    CProgramDlg dlg;
    dlg.m_strPath = "C:\\old.exe";
    CString afterCancel, afterChoice;
    ModalScript script([&](CDialog* pDlg) {
        Click(pDlg, IDC_PROGRAM_BROWSE);
        afterCancel = ItemText(pDlg, IDC_PROGRAM_PATH);
        Click(pDlg, IDC_PROGRAM_BROWSE);
        afterChoice = ItemText(pDlg, IDC_PROGRAM_PATH);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString("C:\\old.exe"), afterCancel);
    EXPECT_EQ(CString("C:\\Tools\\viewer.exe"), afterChoice);
    EXPECT_EQ(CString("C:\\Tools\\viewer.exe"), dlg.m_strPath);
}

} // namespace
