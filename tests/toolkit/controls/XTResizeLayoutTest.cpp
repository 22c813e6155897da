#include "toolkit/controls/XTBrowseEdit.h"
#include "toolkit/controls/XTEditListBox.h"
#include "toolkit/controls/XTResizeDialog.h"
#include "toolkit/controls/XTResizePropertyPage.h"
#include "toolkit/controls/XTResizePropertySheet.h"
#include "toolkit/controls/XTSizeGrip.h"

#include "toolkit/XTResource.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "helpers/TestSupport.h"
#include "toolkit/controls/XTPrintGeometry.h"
#include "toolkit/bars/XTTestAppKey.h"

#include <gtest/gtest.h>

namespace {

const UINT kIDResizable = 3950;
const UINT kIDFixed = 3951;
const UINT kIDPage = 3952;

CRect ChildRect(CWnd* pParent, int nID)
{
    CRect rc;
    ::GetWindowRect(::GetDlgItem(pParent->m_hWnd, nID), &rc);
    pParent->ScreenToClient(&rc);
    return rc;
}

CSize WindowSize(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc.Size();
}

void Resize(CWnd* pWnd, int cx, int cy)
{
    pWnd->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST(XTResizeRectTest, ManySmallStepsAndBackEndWhereTheyStarted)
{
    const CXTResizeRect start(10, 20, 110, 70);
    const CXTResizeRect anchors[] = { XT_RESIZE_STRETCH, XT_RESIZE_CORNER, CXTResizeRect(0.5f, 0.25f, 0.5f, 0.75f),
                                      CXTResizeRect(0.375f, 0.625f, 0.875f, 0.125f) };
    for (const CXTResizeRect& a : anchors)
    {
        SCOPED_TRACE(testing::Message() << a.left << "," << a.top << "," << a.right << "," << a.bottom);
        CXTResizeRect rc = start;
        for (int i = 0; i < 200; ++i)
            rc = XTMoveResizeRect(rc, a, 1, 1);
        CXTResizeRect grown = rc;
        for (int i = 0; i < 200; ++i)
            rc = XTMoveResizeRect(rc, a, -1, -1);
        EXPECT_GEOMETRY_EQ(start.ToRect(), rc.ToRect());
        // Truncated pixels lag behind a half-moving edge, but never add up.
        EXPECT_GEOMETRY_EQ(CRect(10 + (int)(200 * a.left), 20 + (int)(200 * a.top), 110 + (int)(200 * a.right),
                        70 + (int)(200 * a.bottom)),
                  grown.ToRect());
    }
}

TEST(XTResizeRectTest, PositionFlagsSkipWhatStays)
{
    const UINT base = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    struct Row { const char* name; CRect rcNew; UINT nFlags; };
    const CRect rcOld(10, 10, 50, 30);
    const Row rows[] = {
        { "moved", CRect(20, 15, 60, 35), base | SWP_NOSIZE },
        { "sized", CRect(10, 10, 70, 30), base | SWP_NOMOVE | SWP_NOCOPYBITS },
        { "both", CRect(0, 0, 10, 10), base | SWP_NOCOPYBITS },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.nFlags, XTResizePosFlags(rcOld, row.rcNew));
    }
}

class XTResizeDialogTest : public testing::Test
{
protected:
    void TearDown() override
    {
        if (m_dlg.m_hWnd != nullptr)
            m_dlg.DestroyWindow();
    }
    void CreateResizable(UINT nID = kIDResizable)
    {
        m_dlg.m_lpszTemplateName = MAKEINTRESOURCEA(nID);
        ASSERT_TRUE(m_dlg.Create(nID));
        m_dlg.SetResize(100, XT_RESIZE_STRETCH);
        m_dlg.SetResize(IDOK, XT_RESIZE_RIGHT);
        m_dlg.SetResize(IDCANCEL, XT_RESIZE_RIGHT);
        m_dlg.SetResize(101, XT_RESIZE_CORNER);
        m_dlg.SetResize(102, XT_RESIZE_CORNER);
    }

    CXTResizeDialog m_dlg;
};

TEST_F(XTResizeDialogTest, ControlsFollowTheirAnchorsAndComeBackExactly)
{
    CreateResizable();
    const CRect rcList = ChildRect(&m_dlg, 100), rcOK = ChildRect(&m_dlg, IDOK), rcGroup = ChildRect(&m_dlg, 102);
    const CRect rcGrip = ChildRect(&m_dlg, XT_IDC_SIZEGRIP);
    const CSize size = WindowSize(&m_dlg);

    Resize(&m_dlg, size.cx + 60, size.cy + 40);
    EXPECT_GEOMETRY_EQ(CRect(rcList.left, rcList.top, rcList.right + 60, rcList.bottom + 40), ChildRect(&m_dlg, 100));
    EXPECT_GEOMETRY_EQ(CRect(rcOK.left + 60, rcOK.top, rcOK.right + 60, rcOK.bottom), ChildRect(&m_dlg, IDOK));
    EXPECT_GEOMETRY_EQ(CRect(rcGroup.left + 60, rcGroup.top + 40, rcGroup.right + 60, rcGroup.bottom + 40),
              ChildRect(&m_dlg, 102));
    EXPECT_GEOMETRY_EQ(CRect(rcGrip.left + 60, rcGrip.top + 40, rcGrip.right + 60, rcGrip.bottom + 40),
              ChildRect(&m_dlg, XT_IDC_SIZEGRIP));

    for (int i = 0; i < 30; ++i)
        Resize(&m_dlg, size.cx + 60 - 2 * i, size.cy + 40 - i);
    Resize(&m_dlg, size.cx, size.cy);
    EXPECT_GEOMETRY_EQ(rcList, ChildRect(&m_dlg, 100));
    EXPECT_GEOMETRY_EQ(rcOK, ChildRect(&m_dlg, IDOK));
    EXPECT_GEOMETRY_EQ(rcGroup, ChildRect(&m_dlg, 102));
}

TEST_F(XTResizeDialogTest, ControlsWithCompanionsKeepThemInPlace)
{
    m_dlg.m_lpszTemplateName = MAKEINTRESOURCEA(kIDResizable);
    ASSERT_TRUE(m_dlg.Create(kIDResizable));
    CXTBrowseEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 210, 32), &m_dlg, 200));
    CXTEditListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
                            CRect(10, 40, 210, 140), &m_dlg, 201));
    // Registered after their set-up made the button and the bar.
    testing_support::PumpPendingMessages();
    ASSERT_NE(nullptr, edit.GetBrowseButton());
    ASSERT_NE(nullptr, list.GetEditGroup());
    m_dlg.SetResize(200, XT_RESIZE_BOTTOM);
    m_dlg.SetResize(201, XT_RESIZE_STRETCH);
    const CRect rcEdit = ChildRect(&m_dlg, 200), rcButton = ChildRect(&m_dlg, XT_IDC_BTN_BROWSE);
    const CRect rcList = ChildRect(&m_dlg, 201), rcGroup = ChildRect(&m_dlg, XT_IDC_EDIT_GROUP);

    const CSize size = WindowSize(&m_dlg);
    Resize(&m_dlg, size.cx + 30, size.cy + 20);
    EXPECT_GEOMETRY_EQ(CRect(rcEdit.left, rcEdit.top + 20, rcEdit.right + 30, rcEdit.bottom + 20),
                       ChildRect(&m_dlg, 200));
    EXPECT_GEOMETRY_EQ(CRect(rcButton.left + 30, rcButton.top + 20, rcButton.right + 30, rcButton.bottom + 20),
                       ChildRect(&m_dlg, XT_IDC_BTN_BROWSE));
    EXPECT_GEOMETRY_EQ(CRect(rcList.left, rcList.top, rcList.right + 30, rcList.bottom + 20), ChildRect(&m_dlg, 201));
    EXPECT_GEOMETRY_EQ(CRect(rcGroup.left, rcGroup.top, rcGroup.right + 30, rcGroup.bottom),
                       ChildRect(&m_dlg, XT_IDC_EDIT_GROUP));
}

TEST_F(XTResizeDialogTest, CannotBecomeSmallerThanItsTemplate)
{
    CreateResizable();
    const CSize size = WindowSize(&m_dlg);
    MINMAXINFO mmi = {};
    m_dlg.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_EQ(size.cx, mmi.ptMinTrackSize.x);
    EXPECT_EQ(size.cy, mmi.ptMinTrackSize.y);

    Resize(&m_dlg, size.cx - 50, size.cy - 30);
    EXPECT_GEOMETRY_EQ(size, WindowSize(&m_dlg));
}

TEST_F(XTResizeDialogTest, OnlyASizingBorderGetsAGrip)
{
    struct Row { const char* name; UINT nID; BOOL bGrip; };
    const Row rows[] = { { "sizing border", kIDResizable, TRUE }, { "fixed", kIDFixed, FALSE } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CXTResizeDialog dlg(row.nID);
        ASSERT_TRUE(dlg.Create(row.nID));
        EXPECT_EQ(row.bGrip, ::GetDlgItem(dlg.m_hWnd, XT_IDC_SIZEGRIP) != nullptr);
        dlg.DestroyWindow();
    }
}

TEST_F(XTResizeDialogTest, OnlyUntabbedCheckAndGroupBoxesLetTheParentPaintThrough)
{
    CreateResizable();
    EXPECT_TRUE(::GetWindowLongPtrA(::GetDlgItem(m_dlg.m_hWnd, 102), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_FALSE(::GetWindowLongPtrA(::GetDlgItem(m_dlg.m_hWnd, 101), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_FALSE(::GetWindowLongPtrA(::GetDlgItem(m_dlg.m_hWnd, IDOK), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

TEST_F(XTResizeDialogTest, PlacementIsKeptUnderItsSectionAndOtherSizesAreIgnored)
{
    toolkit_test::AppKeyScope key("TarnixResizeTest", "Test");
    CreateResizable();
    m_dlg.AutoLoadPlacement("ResizeTest");
    m_dlg.SetWindowPos(nullptr, 40, 50, WindowSize(&m_dlg).cx + 30, WindowSize(&m_dlg).cy + 20,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rcSaved;
    m_dlg.GetWindowRect(&rcSaved);
    m_dlg.DestroyWindow();

    CreateResizable();
    m_dlg.AutoLoadPlacement("ResizeTest");
    CRect rc;
    m_dlg.GetWindowRect(&rc);
    EXPECT_GEOMETRY_EQ(rcSaved, rc);
    m_dlg.DestroyWindow();

    CXTRegistryStore store;
    BYTE shortValue[40] = {};
    ASSERT_TRUE(store.WriteProfileBinary("ResizeTest", "WindowPlacement", shortValue, sizeof(shortValue)));
    CreateResizable();
    EXPECT_FALSE(m_dlg.LoadPlacement("ResizeTest"));
    m_dlg.GetWindowRect(&rc);
    EXPECT_NE(rcSaved.Size(), rc.Size());
}

TEST(XTResizePropertySheetTest, TabButtonsAndPagesGrowWithTheSheet)
{
    CXTResizePropertySheet sheet("Sheet");
    CXTResizePropertyPage page1(kIDPage), page2(kIDPage);
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    struct Seen { BOOL bGrip, bThick; CSize growTab; CPoint moveOK; CRect rcPage1, rcPage2, rcPageRect; } seen = {};
    CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog* pDlg) {
        const CRect rcTab = ChildRect(pDlg, 12320), rcOK = ChildRect(pDlg, IDOK);
        seen.bGrip = ::GetDlgItem(pDlg->m_hWnd, XT_IDC_SIZEGRIP) != nullptr;
        seen.bThick = (pDlg->GetStyle() & WS_THICKFRAME) != 0;
        CSize size = WindowSize(pDlg);
        Resize(pDlg, size.cx + 50, size.cy + 30);
        sheet.SetActivePage(1);
        seen.growTab = CSize(ChildRect(pDlg, 12320).Width() - rcTab.Width(), ChildRect(pDlg, 12320).Height() - rcTab.Height());
        seen.moveOK = CPoint(ChildRect(pDlg, IDOK).left - rcOK.left, ChildRect(pDlg, IDOK).top - rcOK.top);
        CRect rc;
        page1.GetWindowRect(&rc);
        pDlg->ScreenToClient(&rc);
        seen.rcPage1 = rc;
        page2.GetWindowRect(&rc);
        pDlg->ScreenToClient(&rc);
        seen.rcPage2 = rc;
        seen.rcPageRect = sheet.GetPageRect();
        pDlg->PostMessage(WM_COMMAND, IDCANCEL);
    });
    sheet.DoModal();
    CDialog::SetModalHook(previous);

    EXPECT_TRUE(seen.bGrip);
    EXPECT_TRUE(seen.bThick);
    EXPECT_FALSE(seen.rcPageRect.IsRectEmpty());
    EXPECT_GEOMETRY_EQ(seen.rcPageRect, seen.rcPage1);
    // The second page was made after the sheet grew.
    EXPECT_GEOMETRY_EQ(seen.rcPageRect, seen.rcPage2);
    EXPECT_GEOMETRY_EQ(CSize(50, 30), seen.growTab);
    EXPECT_GEOMETRY_EQ(CPoint(50, 30), seen.moveOK);
}

TEST(XTResizePropertySheetTest, WizardButtonsKeepToTheCornerAndTheLineStretches)
{
    CXTResizePropertySheet sheet("Wizard");
    sheet.SetWizardMode();
    CXTResizePropertyPage page(kIDPage);
    sheet.AddPage(&page);
    CPoint moveNext, moveBack;
    CSize growLine;
    CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog* pDlg) {
        const CRect rcNext = ChildRect(pDlg, ID_WIZNEXT), rcBack = ChildRect(pDlg, ID_WIZBACK);
        const CRect rcLine = ChildRect(pDlg, 12326);
        CSize size = WindowSize(pDlg);
        Resize(pDlg, size.cx + 40, size.cy + 20);
        pDlg->SendMessage(XT_WM_SHEETPAGECHANGED);
        moveNext = CPoint(ChildRect(pDlg, ID_WIZNEXT).left - rcNext.left, ChildRect(pDlg, ID_WIZNEXT).top - rcNext.top);
        moveBack = CPoint(ChildRect(pDlg, ID_WIZBACK).left - rcBack.left, ChildRect(pDlg, ID_WIZBACK).top - rcBack.top);
        growLine = CSize(ChildRect(pDlg, 12326).Width() - rcLine.Width(), ChildRect(pDlg, 12326).top - rcLine.top);
        pDlg->PostMessage(WM_COMMAND, IDCANCEL);
    });
    sheet.DoModal();
    CDialog::SetModalHook(previous);

    EXPECT_GEOMETRY_EQ(CPoint(40, 20), moveNext);
    EXPECT_GEOMETRY_EQ(CPoint(40, 20), moveBack);
    EXPECT_GEOMETRY_EQ(CSize(40, 20), growLine);   // wider, and 20 lower
}

} // namespace
