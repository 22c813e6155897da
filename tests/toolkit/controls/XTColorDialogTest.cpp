#include "toolkit/controls/XTColorDialog.h"

#include "toolkit/XTResource.h"
#include "toolkit/controls/XTColorPageCustom.h"
#include "toolkit/controls/XTColorPageStandard.h"
#include "toolkit/XTTestCanvas.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using toolkit_test::CCanvas;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// Runs the dialog; the check sees it initialised, then it ends with nEnd.
INT_PTR RunDialog(CXTColorDialog& dlg, std::function<void(CXTColorDialog&)> check, int nEnd = IDCANCEL)
{
    CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog*) {
        check(dlg);
        if (dlg.m_hWnd != nullptr)
            dlg.PostMessage(PSM_PRESSBUTTON, nEnd == IDOK ? PSBTN_OK : PSBTN_CANCEL);
    });
    INT_PTR nResult = dlg.DoModal();
    CDialog::SetModalHook(previous);
    return nResult;
}

CXTHoneycombCtrl& Honeycomb(CXTColorDialog& dlg)
{
    return dlg.GetStandardPage()->GetHoneycomb();
}

// The honeycomb as painted, on a canvas of its size.
void DrawHoneycomb(CXTColorDialog& dlg, CCanvas& canvas)
{
    canvas.dc.FillSolidRect(0, 0, 220, 220, RGB(1, 2, 3));
    Honeycomb(dlg).Draw(&canvas.dc);
}

void PressKey(CWnd& wnd, UINT nKey)
{
    wnd.SendMessage(WM_KEYDOWN, nKey, 1);
}

CString EditText(CWnd* pPage, int nID)
{
    CString str;
    pPage->GetDlgItemText(nID, str);
    return str;
}

} // namespace

TEST(XTColorDialog, HexTextHasTwoDigitsPerComponent)
{
    const struct
    {
        COLORREF clr;
        const char* pszText;
    } rows[] = {
        { RGB(10, 200, 5), "Hex: 0AC805" }, { RGB(0, 0, 0), "Hex: 000000" },
        { RGB(255, 15, 16), "Hex: FF0F10" }, { RGB(16, 255, 15), "Hex: 10FF0F" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.pszText);
        EXPECT_EQ(CString(row.pszText), CXTColorDialog::FormatHexText(row.clr));
    }
}

TEST(XTColorDialog, WhiteMarksBothWhiteCells)
{
    CXTColorDialog dlg(kWhite, kBlack);
    RunDialog(dlg, [](CXTColorDialog& dlg) {
        // The control shows every cell, the big black one included.
        CRect rc;
        Honeycomb(dlg).GetClientRect(&rc);
        EXPECT_GE(rc.Width(), 199);
        EXPECT_GE(rc.Height(), 200);
        CCanvas canvas(220, 220, 0);
        DrawHoneycomb(dlg, canvas);
        // Black just left of each white cell's first column, white on it.
        EXPECT_EQ(kBlack, canvas.At(99, 83));
        EXPECT_EQ(kWhite, canvas.At(100, 83));
        EXPECT_EQ(kBlack, canvas.At(15, 184));
        EXPECT_EQ(RGB(0xCC, 0xFF, 0xCC), canvas.At(98, 83));   // the cell left of the centre
    });
}

TEST(XTColorDialog, AColourOutsideTheHoneycombMarksNoCellButShowsInTheSwatch)
{
    const COLORREF clrNew = RGB(1, 2, 3), clrCurrent = RGB(200, 100, 50);
    CXTColorDialog dlg(clrNew, clrCurrent, CPS_XT_SHOW3DSELECTION);
    RunDialog(dlg, [&](CXTColorDialog& dlg) {
        CCanvas canvas(220, 220, 0);
        DrawHoneycomb(dlg, canvas);
        // Only the big black cell is black: no marker outline anywhere.
        EXPECT_EQ(691, canvas.Count(kBlack, CRect(0, 0, 220, 220)));

        CRect rcClient;
        dlg.GetClientRect(&rcClient);
        CCanvas sheet(rcClient.Width(), rcClient.Height(), RGB(9, 9, 9));
        dlg.PaintSwatches(&sheet.dc);
        CRect rcArea = CXTColorDialog::SwatchArea(rcClient);
        EXPECT_EQ(clrNew, sheet.At(rcArea.CenterPoint().x, rcArea.top + 2));
        EXPECT_EQ(clrCurrent, sheet.At(rcArea.CenterPoint().x, rcArea.bottom - 2));
        EXPECT_EQ(xtAfxData.m_clr3DShadow, sheet.At(rcArea.CenterPoint().x, rcArea.top));
        EXPECT_EQ(xtAfxData.m_clr3DHilight, sheet.At(rcArea.CenterPoint().x, rcArea.top - 3));
    });
}

TEST(XTColorDialog, ArrowKeysMoveToTheNeighbourCell)
{
    const struct
    {
        int nStart;
        UINT nKey;
        int nExpected;
    } rows[] = {
        { 6, VK_RIGHT, 7 }, { 0, VK_LEFT, 0 }, { 143, VK_RIGHT, 143 }, { 126, VK_RIGHT, 142 },
        { 142, VK_RIGHT, 127 }, { 142, VK_LEFT, 126 }, { 119, VK_DOWN, 142 }, { 69, VK_DOWN, 82 },
        { 15, VK_UP, 6 },
    };
    CXTColorDialog dlg(RGB(1, 2, 3), kBlack, CPS_XT_SHOWHEXVALUE);
    RunDialog(dlg, [&](CXTColorDialog& dlg) {
        CXTHoneycombCtrl& honeycomb = Honeycomb(dlg);
        for (const auto& row : rows)
        {
            SCOPED_TRACE(row.nStart);
            honeycomb.MarkCell(row.nStart);
            PressKey(honeycomb, row.nKey);
            EXPECT_EQ(row.nExpected, honeycomb.GetCurrentCell());
            EXPECT_EQ(honeycomb.GetCells()[row.nExpected].clr, dlg.GetNewColor());
            EXPECT_EQ(CXTColorDialog::FormatHexText(dlg.GetNewColor()), EditText(&dlg, 101));
        }
    });
}

TEST(XTColorDialog, EnterOrADoubleClickOnACellEndsWithItsColour)
{
    const struct
    {
        const char* name;
        int nCell;
        BOOL bEnter;   // marked and Enter pressed, else double-clicked
        INT_PTR nResult;
        COLORREF clrNew;
    } rows[] = {
        { "Enter", 5, TRUE, IDOK, RGB(0xCC, 0x00, 0x00) },
        { "a double click", 20, FALSE, IDOK, RGB(0xFF, 0x66, 0x00) },
        { "a double click between the cells", -1, FALSE, IDCANCEL, RGB(1, 2, 3) },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CXTColorDialog dlg(RGB(1, 2, 3), kBlack);
        CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog*) {
            if (row.bEnter)
            {
                Honeycomb(dlg).MarkCell(row.nCell);
                PressKey(Honeycomb(dlg), VK_RETURN);
                return;
            }
            POINT pt = row.nCell >= 0 ? Honeycomb(dlg).GetCells()[row.nCell].pixels.front() : POINT{ 1, 1 };
            Honeycomb(dlg).SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
            Honeycomb(dlg).SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
            dlg.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
        });
        EXPECT_EQ(row.nResult, dlg.DoModal());
        CDialog::SetModalHook(previous);
        EXPECT_EQ(row.clrNew, dlg.GetNewColor());
    }
}

TEST(XTColorPageCustom, NumbersOfAColour)
{
    const struct
    {
        COLORREF clr;
        int nHue, nSaturation, nLuminance;
    } rows[] = {
        { RGB(255, 0, 0), 0, 255, 127 },   { RGB(128, 128, 128), 0, 0, 128 }, { RGB(0, 0, 0), 0, 0, 0 },
        { RGB(255, 255, 255), 0, 0, 255 }, { RGB(0, 255, 0), 85, 255, 127 },  { RGB(255, 0, 1), 254, 255, 127 },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << std::hex << row.clr);
        int nHue = -1, nSaturation = -1, nLuminance = -1;
        CXTColorPageCustom::ColorToHSL(row.clr, nHue, nSaturation, nLuminance);
        EXPECT_EQ(row.nHue, nHue);
        EXPECT_EQ(row.nSaturation, nSaturation);
        EXPECT_EQ(row.nLuminance, nLuminance);
    }
}

TEST(XTColorPageCustom, ExchangesValuesWithTheDialog)
{
    testing_support::MessageBoxRecorder boxes;
    CXTColorDialog dlg(RGB(255, 0, 0), kBlack, CPS_XT_SHOWHEXVALUE);
    INT_PTR nResult = RunDialog(
        dlg,
        [&](CXTColorDialog& dlg) {
            dlg.SetActivePage(1);
            CXTColorPageCustom* pPage = dlg.GetCustomPage();
            ASSERT_NE(nullptr, pPage->m_hWnd);
            EXPECT_EQ(CString("0"), EditText(pPage, XT_IDC_EDIT_HUE));
            EXPECT_EQ(CString("255"), EditText(pPage, XT_IDC_EDIT_SAT));
            EXPECT_EQ(CString("127"), EditText(pPage, XT_IDC_EDIT_LUM));
            EXPECT_EQ(CString("255"), EditText(pPage, XT_IDC_EDIT_RED));

            // While typing, an emptied or too large field changes nothing and
            // shows no box; leaving it shows the range box.
            pPage->GetDlgItem(XT_IDC_EDIT_RED)->SetFocus();
            for (const char* pszTyped : { "", "256" })
            {
                SCOPED_TRACE(pszTyped);
                pPage->SetDlgItemText(XT_IDC_EDIT_RED, pszTyped);
                EXPECT_EQ(0u, boxes.Count());
                EXPECT_EQ(RGB(255, 0, 0), dlg.GetNewColor());
            }
            pPage->GetDlgItem(XT_IDC_EDIT_GREEN)->SetFocus();
            ASSERT_EQ(1u, boxes.Count());
            EXPECT_NE(-1, boxes.Last().strText.Find("255"));
            EXPECT_EQ(RGB(255, 0, 0), dlg.GetNewColor());

            pPage->SetDlgItemText(XT_IDC_EDIT_RED, "10");
            pPage->SetDlgItemText(XT_IDC_EDIT_GREEN, "200");
            pPage->SetDlgItemText(XT_IDC_EDIT_BLUE, "5");
            EXPECT_EQ(RGB(10, 200, 5), dlg.GetNewColor());
            EXPECT_EQ(CString("Hex: 0AC805"), EditText(&dlg, 101));
            EXPECT_EQ(RGB(10, 200, 5), pPage->GetHueSatField().GetFieldColor());
            EXPECT_EQ(RGB(10, 200, 5), pPage->GetLumBar().GetFieldColor());
            // The typed colour's hue, saturation and luminance, not red's any more.
            EXPECT_EQ(CString("83"), EditText(pPage, XT_IDC_EDIT_HUE));
            EXPECT_EQ(CString("242"), EditText(pPage, XT_IDC_EDIT_SAT));
            EXPECT_EQ(CString("102"), EditText(pPage, XT_IDC_EDIT_LUM));
        },
        IDOK);
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(RGB(10, 200, 5), dlg.GetNewColor());
}

TEST(XTColorPageCustom, LuminanceRunsFromBlackToWhite)
{
    CXTColorDialog dlg(RGB(0, 0, 200), kBlack);
    RunDialog(dlg, [&](CXTColorDialog& dlg) {
        dlg.SetActivePage(1);
        CXTColorPageCustom* pPage = dlg.GetCustomPage();
        const struct
        {
            const char* pszLuminance;
            COLORREF clr;
        } rows[] = { { "0", kBlack }, { "255", kWhite } };
        for (const auto& row : rows)
        {
            SCOPED_TRACE(row.pszLuminance);
            pPage->SetDlgItemText(XT_IDC_EDIT_LUM, row.pszLuminance);
            EXPECT_EQ(row.clr, dlg.GetNewColor());
            EXPECT_EQ(row.clr, pPage->GetHueSatField().GetFieldColor());
            EXPECT_EQ(CString(row.clr == kBlack ? "0" : "255"), EditText(pPage, XT_IDC_EDIT_BLUE));
        }
        // The bar keeps its hue: the middle of the strip is still blue.
        CRect rcStrip = pPage->GetLumBar().GetStripRect();
        COLORREF clrMiddle = pPage->GetLumBar().ColorAt(0, rcStrip.CenterPoint().y);
        EXPECT_GT(GetBValue(clrMiddle), GetRValue(clrMiddle));

        // A pick in the field (top left: red) goes to the bar, the dialog and the numbers.
        pPage->GetHueSatField().PickAt(0, 0, TRUE);
        COLORREF clrPicked = pPage->GetHueSatField().GetFieldColor();
        EXPECT_EQ(0, GetGValue(clrPicked));
        EXPECT_GT(GetRValue(clrPicked), 250);
        EXPECT_EQ(clrPicked, dlg.GetNewColor());
        EXPECT_EQ(clrPicked, pPage->GetLumBar().GetFieldColor());
        CString strRed;
        strRed.Format("%d", GetRValue(clrPicked));
        EXPECT_EQ(strRed, EditText(pPage, XT_IDC_EDIT_RED));
        EXPECT_EQ(CString("0"), EditText(pPage, XT_IDC_EDIT_HUE));
    });
}

TEST(XTColorPageCustom, PickersPaintTheirMarkersByFocus)
{
    CXTColorDialog dlg(RGB(0, 0, 200), kBlack);
    RunDialog(dlg, [&](CXTColorDialog& dlg) {
        dlg.SetActivePage(1);
        CXTColorPageCustom* pPage = dlg.GetCustomPage();
        CXTHueSatField& field = pPage->GetHueSatField();
        CXTLumBar& bar = pPage->GetLumBar();
        CRect rcField, rcBar;
        field.GetClientRect(&rcField);
        bar.GetClientRect(&rcBar);
        const struct
        {
            CWnd* pFocus;
            COLORREF clrCross, clrTriangle;
        } rows[] = {
            { &field, kWhite, xtAfxData.m_clr3DShadow },
            { &bar, kBlack, kBlack },
        };
        for (const auto& row : rows)
        {
            SCOPED_TRACE(row.pFocus == &field ? "field focused" : "bar focused");
            row.pFocus->SetFocus();
            CCanvas fieldCanvas(rcField.Width(), rcField.Height(), RGB(1, 2, 3));
            field.Draw(&fieldCanvas.dc);
            CPoint pt = field.GetMarker();
            EXPECT_EQ(row.clrCross, fieldCanvas.At(pt.x - 8, pt.y));
            EXPECT_EQ(row.clrCross, fieldCanvas.At(pt.x, pt.y + 8));
            EXPECT_EQ(field.ColorAt(pt.x + 3, pt.y), fieldCanvas.At(pt.x + 3, pt.y));

            CCanvas barCanvas(rcBar.Width(), rcBar.Height(), RGB(1, 2, 3));
            bar.Draw(&barCanvas.dc);
            CRect rcStrip = bar.GetStripRect();
            EXPECT_EQ(kBlack, barCanvas.At(rcStrip.left + 5, rcStrip.bottom - 1));
            EXPECT_EQ(kWhite, barCanvas.At(rcStrip.left + 5, rcStrip.top));
            EXPECT_EQ(row.clrTriangle, barCanvas.At(rcStrip.left + 23, bar.GetMarker().y));
        }
        // Up on the focused bar moves its marker one pixel and passes the colour on.
        int yBefore = bar.GetMarker().y;
        bar.SendMessage(WM_KEYDOWN, VK_UP, 1);
        EXPECT_EQ(yBefore - 1, bar.GetMarker().y);
        EXPECT_EQ(bar.GetFieldColor(), dlg.GetNewColor());
    });
}
