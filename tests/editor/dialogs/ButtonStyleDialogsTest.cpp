#include "editor/dialogs/ButtonStyleDlg.h"
#include "editor/dialogs/HypertextButtonDlg.h"

#include "framework/ColorDialog.h"
#include "framework/FontDialog.h"

#include "editor/DialogIds.h"

#include "DialogTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

using namespace dialog_tests;
using testing_support::CommonDialogScript;
using testing_support::MessageBoxRecorder;

namespace {

// The brightness as opened (manual within -50..50) and what comes back after
// the mode was switched or a value typed; a refused value is cancelled after
// the message.
TEST(ButtonStyleDlg, BrightnessComesBack)
{
    const struct
    {
        int in;
        BOOL manualAtOpen;   // the field enabled and the manual mode checked
        int radio;           // 0: the mode left
        LPCSTR typed;        // null: the field left
        int out;
        size_t boxes;
    } cases[] = {
        { 100, FALSE, 0, nullptr, 100, 0 },
        { -20, TRUE, 0, nullptr, -20, 0 },
        { 50, TRUE, 0, nullptr, 50, 0 },
        { 51, FALSE, 0, nullptr, 100, 0 },
        { 10, TRUE, 0, "-35", -35, 0 },
        { -20, TRUE, IDC_STYLE_AUTO_BRIGHT, "7", 100, 0 },
        { 100, FALSE, IDC_STYLE_MANUAL_BRIGHT, "12", 12, 0 },
        { 100, FALSE, IDC_STYLE_MANUAL_BRIGHT, "51", 100, 1 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.in << " " << c.radio << " " << (c.typed ? c.typed : ""));
        MessageBoxRecorder boxes;
        CButtonStyleDlg dlg;
        dlg.m_nBrightness = c.in;
        BOOL editEnabled = !c.manualAtOpen, manualChecked = !c.manualAtOpen, enabledAfter = FALSE;
        ModalScript script([&](CDialog* pDlg) {
            editEnabled = ItemEnabled(pDlg, IDC_STYLE_BRIGHTNESS);
            manualChecked = pDlg->IsDlgButtonChecked(IDC_STYLE_MANUAL_BRIGHT);
            if (c.radio != 0)
            {
                ChooseRadio(pDlg, { IDC_STYLE_AUTO_BRIGHT, IDC_STYLE_MANUAL_BRIGHT }, c.radio);
                enabledAfter = ItemEnabled(pDlg, IDC_STYLE_BRIGHTNESS);
            }
            if (c.typed != nullptr)
                pDlg->SetDlgItemText(IDC_STYLE_BRIGHTNESS, c.typed);
            Click(pDlg, IDOK);
            if (pDlg->ContinueModal())
                Click(pDlg, IDCANCEL);
        });
        const INT_PTR result = dlg.DoModal();
        EXPECT_EQ(c.manualAtOpen, editEnabled);
        EXPECT_EQ(c.manualAtOpen, manualChecked);
        if (c.radio != 0)
            EXPECT_EQ(c.radio == IDC_STYLE_MANUAL_BRIGHT, enabledAfter);
        EXPECT_EQ(c.boxes, boxes.Count());
        if (c.boxes == 0)
        {
            EXPECT_EQ(IDOK, result);
            EXPECT_EQ(c.out, dlg.m_nBrightness);
        }
    }
}

TEST(ButtonStyleDlg, EffectFontAndColourOfTheFontDescription)
{
    FakeServices services;
    CommonDialogScript dialogs;
    dialogs.Answer(IDCANCEL);                        // font dialog cancelled: nothing changes
    AnswerFont(dialogs, "Courier New", -20, RGB(9, 8, 7));
    dialogs.Answer(IDCANCEL);                        // colour dialog cancelled
    CButtonStyleDlg dlg;
    dlg.m_font.m_nEffect = 2;
    dlg.m_font.m_crColor = RGB(1, 1, 1);
    dlg.m_nHover = 1;
    int shownEffect = -1;
    BOOL hoverShown = FALSE;
    ModalScript script([&](CDialog* pDlg) {
        shownEffect = (int)pDlg->SendDlgItemMessage(IDC_STYLE_EFFECT, CB_GETCURSEL);
        hoverShown = pDlg->IsDlgButtonChecked(IDC_STYLE_HOVER);
        Click(pDlg, IDC_STYLE_FONT);
        EXPECT_EQ(CString("Arial"), CString(static_cast<CButtonStyleDlg*>(pDlg)->m_font.m_logFont.lfFaceName));
        Click(pDlg, IDC_STYLE_FONT);
        Click(pDlg, IDC_STYLE_COLOR);
        pDlg->SendDlgItemMessage(IDC_STYLE_EFFECT, CB_SETCURSEL, 1);
        pDlg->CheckDlgButton(IDC_STYLE_HOVER, BST_UNCHECKED);
        Click(pDlg, IDC_DLG_HELP);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(2, shownEffect);
    EXPECT_TRUE(hoverShown);
    EXPECT_EQ(1, dlg.m_nEffect);
    EXPECT_EQ(1, dlg.m_font.m_nEffect);
    EXPECT_EQ(0, dlg.m_nHover);
    EXPECT_EQ(CString("Courier New"), CString(dlg.m_font.m_logFont.lfFaceName));
    EXPECT_EQ(-20, dlg.m_font.m_logFont.lfHeight);
    EXPECT_EQ(RGB(9, 8, 7), dlg.m_font.m_crColor);   // the font dialog's colour is taken here
    EXPECT_EQ((std::vector<std::string>{ "index.htm" }), services.helpPages);
}

TEST(HypertextButtonDlg, EachStateKeepsItsOwnFontAndColour)
{
    CommonDialogScript dialogs;
    AnswerFont(dialogs, "Times New Roman", -30, RGB(5, 5, 5));   // idle font
    AnswerColor(dialogs, RGB(0, 0, 200));                         // over colour
    AnswerFont(dialogs, "Courier New", -12, RGB(6, 6, 6));        // down font
    CHypertextButtonDlg dlg;
    dlg.m_idleFont.m_crColor = RGB(1, 0, 0);
    ModalScript script([&](CDialog* pDlg) {
        Click(pDlg, IDC_HYPER_IDLE_FONT);
        Click(pDlg, IDC_HYPER_OVER_COLOR);
        Click(pDlg, IDC_HYPER_DOWN_FONT);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString("Times New Roman"), CString(dlg.m_idleFont.m_logFont.lfFaceName));
    EXPECT_EQ(-30, dlg.m_idleFont.m_logFont.lfHeight);
    EXPECT_EQ(RGB(1, 0, 0), dlg.m_idleFont.m_crColor);   // only the LOGFONT is taken from the font dialog
    EXPECT_EQ(CString("Arial"), CString(dlg.m_overFont.m_logFont.lfFaceName));
    EXPECT_EQ(RGB(0, 0, 200), dlg.m_overFont.m_crColor);
    EXPECT_EQ(CString("Courier New"), CString(dlg.m_downFont.m_logFont.lfFaceName));
    EXPECT_EQ(RGB(0, 0, 0), dlg.m_downFont.m_crColor);
}

} // namespace
