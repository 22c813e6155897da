#include "editor/dialogs/ButtonStyleDlg.h"
#include "editor/dialogs/DesktopDlg.h"
#include "editor/dialogs/FlagsDlg.h"
#include "editor/dialogs/FramelessDlg.h"
#include "editor/dialogs/ImageFormatDlg.h"
#include "editor/dialogs/LanguageDlg.h"
#include "editor/dialogs/SplashDlg.h"
#include "editor/dialogs/TitleBarDlg.h"
#include "editor/dialogs/WindowPosDlg.h"

#include "framework/ColorDialog.h"

#include "editor/DialogIds.h"

#include "DialogTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

using namespace dialog_tests;
using testing_support::CommonDialogScript;
using testing_support::MessageBoxRecorder;
using testing_support::PumpPendingMessages;

namespace {

TEST(WindowPosDlg, RangesOfSizeAndPosition)
{
    const FieldCase cases[] = {
        { IDC_WINPOS_WIDTH, "119", FALSE },  { IDC_WINPOS_WIDTH, "120", TRUE },  { IDC_WINPOS_HEIGHT, "1201", FALSE },
        { IDC_WINPOS_HEIGHT, "1200", TRUE }, { IDC_WINPOS_X, "1000", TRUE },     { IDC_WINPOS_Y, "1001", FALSE },
    };
    for (const auto& c : cases)
    {
        CWindowPosDlg dlg;
        dlg.m_nWidth = 500;
        dlg.m_nHeight = 350;
        dlg.m_nPositionMode = dlg.m_nSizeMode = 1;
        ExpectFieldChecks(c.id, c.value, c.accepted, dlg);
    }
}

// A size taken from a large background picture and the position of a centred
// window are kept as they are, not refused. A framed window has no corner
// settings.
TEST(WindowPosDlg, OnlyTheFieldsOfTheChosenModesAreChecked)
{
    const struct
    {
        int positionMode, sizeMode;
        BOOL accepted;
    } cases[] = { { 0, 0, TRUE }, { 1, 0, FALSE }, { 0, 1, FALSE } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.positionMode << c.sizeMode);
        MessageBoxRecorder boxes;
        CWindowPosDlg dlg;
        dlg.m_nX = dlg.m_nY = -1;
        dlg.m_nWidth = 1250;
        dlg.m_nHeight = 900;
        dlg.m_nPositionMode = c.positionMode;
        dlg.m_nSizeMode = c.sizeMode;
        BOOL bFrameless = TRUE;
        ModalScript script([&](CDialog* pDlg) {
            bFrameless = ItemEnabled(pDlg, IDC_WINPOS_FRAMELESS);
            Click(pDlg, IDOK);
            if (pDlg->ContinueModal())
                Click(pDlg, IDCANCEL);
        });
        EXPECT_EQ(c.accepted ? IDOK : IDCANCEL, dlg.DoModal());
        EXPECT_EQ(c.accepted ? 0u : 1u, boxes.Count());
        EXPECT_FALSE(bFrameless);
        if (c.accepted)
        {
            EXPECT_EQ(-1, dlg.m_nX);
            EXPECT_EQ(1250, dlg.m_nWidth);
        }
    }
}

TEST(WindowPosDlg, ModesEnableTheirFields)
{
    FakeServices services;
    CWindowPosDlg dlg;
    dlg.m_nWidth = 500;
    dlg.m_nHeight = 350;
    dlg.m_nSizeMode = 1;
    dlg.m_nBorder = 0;
    dlg.m_nCornerWidth = 20;
    BOOL xAtOpen = TRUE, widthAtOpen = FALSE, framelessAtOpen = FALSE, xAfterPosition = FALSE, widthAfterPicture = TRUE;
    CString cornerShown;
    ModalScript script([&](CDialog* pDlg) {
        if (dynamic_cast<CFramelessDlg*>(pDlg) != nullptr)
        {
            cornerShown = ItemText(pDlg, IDC_FRAMELESS_WIDTH);
            pDlg->SetDlgItemText(IDC_FRAMELESS_HEIGHT, "12");
            Click(pDlg, IDC_FRAMELESS_HELP);
            Click(pDlg, IDOK);
            return;
        }
        xAtOpen = ItemEnabled(pDlg, IDC_WINPOS_X);
        widthAtOpen = ItemEnabled(pDlg, IDC_WINPOS_WIDTH);
        framelessAtOpen = ItemEnabled(pDlg, IDC_WINPOS_FRAMELESS);
        ChooseRadio(pDlg, { IDC_WINPOS_CENTER, IDC_WINPOS_POSITION }, IDC_WINPOS_POSITION);
        xAfterPosition = ItemEnabled(pDlg, IDC_WINPOS_Y);
        ChooseRadio(pDlg, { IDC_WINPOS_AS_PICTURE, IDC_WINPOS_SIZE_GIVEN }, IDC_WINPOS_AS_PICTURE);
        widthAfterPicture = ItemEnabled(pDlg, IDC_WINPOS_HEIGHT);
        Click(pDlg, IDC_WINPOS_FRAMELESS);
        Click(pDlg, IDC_DLG_HELP);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(xAtOpen);
    EXPECT_TRUE(widthAtOpen);
    EXPECT_TRUE(framelessAtOpen);
    EXPECT_TRUE(xAfterPosition);
    EXPECT_FALSE(widthAfterPicture);
    EXPECT_EQ(CString("20"), cornerShown);
    EXPECT_EQ(20, dlg.m_nCornerWidth);
    EXPECT_EQ(12, dlg.m_nCornerHeight);
    EXPECT_EQ(1, dlg.m_nPositionMode);
    EXPECT_EQ(0, dlg.m_nSizeMode);
    EXPECT_EQ(0, dlg.m_nBorder);
    EXPECT_EQ((std::vector<std::string>{ "hilfe_frameless.htm", "hilfe_fenster.htm" }), services.helpPages);
}

// The frame box decides whether the window has a frame and opens the frameless
// options only without one.
TEST(WindowPosDlg, TheFrameBoxMakesAFramelessWindow)
{
    for (int nBorder : { 1, 0 })
    {
        SCOPED_TRACE(nBorder);
        CWindowPosDlg dlg;
        dlg.m_nBorder = nBorder;
        UINT nShown = 2;
        BOOL bAtOpen = !nBorder, bAfterClick = nBorder;
        ModalScript script([&](CDialog* pDlg) {
            nShown = pDlg->IsDlgButtonChecked(IDC_WINPOS_BORDER);
            bAtOpen = ItemEnabled(pDlg, IDC_WINPOS_FRAMELESS);
            pDlg->CheckDlgButton(IDC_WINPOS_BORDER, nBorder ? BST_UNCHECKED : BST_CHECKED);
            Click(pDlg, IDC_WINPOS_BORDER);
            bAfterClick = ItemEnabled(pDlg, IDC_WINPOS_FRAMELESS);
            Click(pDlg, IDOK);
        });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ((UINT)nBorder, nShown);
        EXPECT_EQ(!nBorder, bAtOpen);
        EXPECT_EQ(nBorder, bAfterClick);
        EXPECT_EQ(!nBorder, dlg.m_nBorder);
    }
}

// Every check box these dialogs show is one whose state the project keeps:
// a box that no key holds would promise what the menu never does.
TEST(OptionDialogs, EveryCheckBoxIsKept)
{
    const auto checkBoxes = [](CDialog& dlg) {
        std::vector<int> ids;
        ModalScript script([&](CDialog* pDlg) {
            for (HWND hWnd = ::GetWindow(pDlg->m_hWnd, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
            {
                const LONG nType = ::GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK;
                char szClass[16] = "";
                ::GetClassNameA(hWnd, szClass, sizeof(szClass));
                if (lstrcmpiA(szClass, "Button") == 0 && (nType == BS_AUTOCHECKBOX || nType == BS_CHECKBOX))
                {
                    ids.push_back(::GetDlgCtrlID(hWnd));
                    ::SendMessageA(hWnd, BM_SETCHECK, BST_CHECKED, 0);
                }
            }
            Click(pDlg, IDOK);
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
        return ids;
    };
    CFlagsDlg flags;
    EXPECT_EQ(std::vector<int>({ IDC_FLAGS_SHOW_ERRORS, IDC_FLAGS_ESCAPE }), checkBoxes(flags));
    EXPECT_EQ(1, flags.m_bShowErrors);
    EXPECT_EQ(1, flags.m_bEscapeExits);
    CButtonStyleDlg style;
    EXPECT_EQ(std::vector<int>({ IDC_STYLE_HOVER }), checkBoxes(style));
    EXPECT_EQ(1, style.m_nHover);
}

TEST(DesktopDlg, ColourOnlyWhileTheDesktopIsCovered)
{
    FakeServices services;
    CommonDialogScript colours;
    colours.Answer(IDOK, [](CCommonDialog* pDlg) {
        CColorDialog* pColor = dynamic_cast<CColorDialog*>(pDlg);
        ASSERT_NE(nullptr, pColor);
        EXPECT_EQ(RGB(0, 128, 128), pColor->m_cc.rgbResult);
        EXPECT_EQ((DWORD)(CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR), pColor->m_cc.Flags);
        pColor->m_cc.rgbResult = RGB(1, 2, 3);
    });
    CDesktopDlg dlg;
    BOOL colourAtOpen = TRUE, colourWhenCovered = FALSE;
    ModalScript script([&](CDialog* pDlg) {
        colourAtOpen = ItemEnabled(pDlg, IDC_DESKTOP_COLOR);
        pDlg->CheckDlgButton(IDC_DESKTOP_COVER, BST_CHECKED);
        Click(pDlg, IDC_DESKTOP_COVER);
        colourWhenCovered = ItemEnabled(pDlg, IDC_DESKTOP_COLOR);
        Click(pDlg, IDC_DESKTOP_COLOR);
        Click(pDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(colourAtOpen);
    EXPECT_TRUE(colourWhenCovered);
    EXPECT_EQ(1, dlg.m_bCover);
    EXPECT_EQ(RGB(1, 2, 3), dlg.m_crColor);
}

TEST(TitleBarDlg, TakesNoMoreThanTheProjectKeeps)
{
    const struct
    {
        int length;
        BOOL accepted;
    } cases[] = { { 198, TRUE }, { 199, FALSE } };
    for (const auto& c : cases)
    {
        CTitleBarDlg dlg;
        ExpectFieldChecks(IDC_TITLE_TEXT, CString('t', c.length), c.accepted, dlg);
        if (c.accepted)
            EXPECT_EQ(c.length, dlg.m_strTitle.GetLength());
    }
}

TEST(SplashDlg, LinesAndTimeWithinTheirLimits)
{
    const struct
    {
        int id;
        CString value;
        BOOL accepted;
    } cases[] = {
        { IDC_SPLASH_LINE1, CString('a', 79), TRUE }, { IDC_SPLASH_LINE1, CString('a', 80), FALSE },
        { IDC_SPLASH_LINE4, CString('a', 80), FALSE }, { IDC_SPLASH_TIME, "0", FALSE },
        { IDC_SPLASH_TIME, "21", FALSE },              { IDC_SPLASH_TIME, "20", TRUE },
    };
    for (const auto& c : cases)
    {
        CSplashDlg dlg;
        dlg.m_bEnable = 1;
        ExpectFieldChecks(c.id, c.value, c.accepted, dlg);
    }
    // The time of a screen that is not shown: kept, unless a usable one was typed.
    for (LPCSTR value : { "0", "7" })
    {
        CSplashDlg dlg;
        dlg.m_nTime = 30;
        ExpectFieldChecks(IDC_SPLASH_TIME, value, TRUE, dlg);
        EXPECT_EQ(value[0] == '7' ? 7 : 30, dlg.m_nTime);
    }
}

TEST(SplashDlg, BrowsedIconMustLieInTheProject)
{
    FakeServices services;
    services.projectFolder = "C:\\Menu";
    const struct
    {
        LPCSTR chosen;
        LPCSTR kept;
        size_t boxes;
    } cases[] = {
        { "C:\\Menu\\icons\\start.ico", "C:\\Menu\\icons\\start.ico", 0 },
        { "C:\\Elsewhere\\start.ico", "", 1 },
        { "C:\\Menu\\start.bmp", "", 1 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.chosen);
        MessageBoxRecorder boxes;
        CommonDialogScript files;
        files.AnswerFile(c.chosen);
        CSplashDlg dlg;
        dlg.m_strIcon = "C:\\Menu\\old.ico";
        CString shown;
        ModalScript script([&](CDialog* pDlg) {
            Click(pDlg, IDC_SPLASH_ICON_BROWSE);
            shown = ItemText(pDlg, IDC_SPLASH_ICON);
            Click(pDlg, IDOK);
        });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(CString(c.kept), shown);
        EXPECT_EQ(CString(c.kept), dlg.m_strIcon);
        EXPECT_EQ(c.boxes, boxes.Count());
    }
}

TEST(SplashDlg, PaintsTheBackgroundSwatch)
{
    CSplashDlg dlg;
    dlg.m_crBackground = RGB(200, 10, 30);
    COLORREF frame = 0, inside = 0, outside = 0;
    ModalScript script([&](CDialog* pDlg) {
        pDlg->ShowWindow(SW_SHOW);
        pDlg->UpdateWindow();
        PumpPendingMessages();
        HDC hdc = ::GetDC(pDlg->m_hWnd);
        frame = ::GetPixel(hdc, CSplashDlg::kSwatch.left, CSplashDlg::kSwatch.top + 5);
        inside = ::GetPixel(hdc, CSplashDlg::kSwatch.left + 5, CSplashDlg::kSwatch.top + 5);
        outside = ::GetPixel(hdc, CSplashDlg::kSwatch.right + 1, CSplashDlg::kSwatch.top + 5);
        ::ReleaseDC(pDlg->m_hWnd, hdc);
        Click(pDlg, IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(RGB(0, 0, 0), frame);
    EXPECT_EQ(RGB(200, 10, 30), inside);
    EXPECT_NE(RGB(200, 10, 30), outside);
}

TEST(SplashDlg, AGifPictureGetsTheFormatHintOnce)
{
    FakeServices services;
    int hints = 0;
    ModalScript script([&](CDialog* pDlg) {
        if (dynamic_cast<CImageFormatDlg*>(pDlg) != nullptr)
        {
            ++hints;
            pDlg->CheckDlgButton(IDC_IMGFMT_DONT_SHOW, BST_CHECKED);
            Click(pDlg, IDC_IMGFMT_READ);
        }
        Click(pDlg, IDOK);
    });
    for (LPCSTR picture : { "welcome.GIF", "welcome.jpg", "welcome.bmp" })
    {
        SCOPED_TRACE(picture);
        CSplashDlg dlg;
        dlg.m_strPictureFile = picture;
        EXPECT_EQ(IDOK, dlg.DoModal());
    }
    // Switched off at the first showing.
    EXPECT_EQ(1, hints);
    EXPECT_EQ(1, services.ints["IMAGE_MESSAGE_DI"]);
    EXPECT_EQ((std::vector<std::string>{ "hilfe_imageformat.htm" }), services.helpPages);
}

TEST(LanguageDlg, LetterInAndOut)
{
    const struct
    {
        char in;
        int choose;     // 0 German, 1 English, -1 leave
        int shown;
        char out;
    } cases[] = { { 'G', -1, 0, 'G' }, { 'E', -1, 1, 'E' }, { 'F', -1, 1, 'E' }, { 'G', 1, 0, 'E' }, { 'E', 0, 1, 'G' } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.in << " " << c.choose);
        CLanguageDlg dlg;
        dlg.m_chLetter = c.in;
        int shown = -1;
        ModalScript script([&](CDialog* pDlg) {
            shown = pDlg->IsDlgButtonChecked(IDC_LANG_ENGLISH) ? 1 : 0;
            if (c.choose >= 0)
                ChooseRadio(pDlg, { IDC_LANG_GERMAN, IDC_LANG_ENGLISH }, c.choose ? IDC_LANG_ENGLISH : IDC_LANG_GERMAN);
            Click(pDlg, IDOK);
        });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(c.shown, shown);
        EXPECT_EQ(c.out, dlg.m_chLetter);
    }
}

} // namespace
