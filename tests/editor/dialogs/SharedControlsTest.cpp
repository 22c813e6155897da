#include "editor/dialogs/DialogTexts.h"
#include "editor/dialogs/FileEdit.h"
#include "editor/dialogs/FontStatic.h"

#include "framework/Dialog.h"
#include "shared/support/Language.h"

#include "editor/DialogIds.h"

#include "DialogTestSupport.h"
#include "helpers/TestSupport.h"
#include "shared/menuobj/TestWindows.h"

#include <gtest/gtest.h>

#include <shlobj.h>

using testing_support::MessageBoxRecorder;
using testing_support::PumpPendingMessages;

namespace {

TEST(FileEditChecks, TypeListDecidesAndNamesTheAllowedTypes)
{
    struct Case
    {
        LPCSTR file;
        LPCSTR types;
        BOOL passes;
    } cases[] = {
        { "C:\\PROJ\\A.WAV", ".mid;.wav", TRUE },
        { "c:\\proj\\song.mid", ".mid;.wav", TRUE },   // case does not matter
        { "C:\\PROJ\\A.MP3", ".mid;.wav", FALSE },
        { "C:\\PROJ\\A.MP3", "*", TRUE },
        { "C:\\PROJ\\A.MP3", ".bmp;*", TRUE },
        { "C:\\PROJ\\A.MP3", "", TRUE },
        { ".wav", ".wav", FALSE },                       // only after the first character
        { "C:\\x.mp3", ".wav;", FALSE },                 // an empty last item matches nothing
        { "C:\\x.avi", ".mid;.wav;.avi", TRUE },         // the part after the last ';'
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(CString(c.file) + " / " + c.types);
        MessageBoxRecorder boxes;
        EXPECT_EQ(c.passes, CFileEdit::CheckFileType(c.file, c.types));
        ASSERT_EQ(c.passes ? 0u : 1u, boxes.Count());
        if (!c.passes)
        {
            EXPECT_EQ(CString("FEHLER !\n\nEs sind nur Dateien vom Typ:\n") + c.types + " zulässig !",
                      boxes.Last().strText);
        }
    }
}

TEST(FileEditChecks, ProjectFolderHoldsOnlyPathsBelowIt)
{
    struct Case
    {
        LPCSTR file;
        LPCSTR folder;
        BOOL passes;
        BOOL warns;
    } cases[] = {
        { "c:\\proj\\sound\\x.wav", "C:\\Proj", TRUE, FALSE },
        { "C:\\Proj\\x.wav", "C:\\Proj\\", TRUE, FALSE },
        { "C:\\Proj", "C:\\Proj", TRUE, FALSE },
        { "D:\\x.wav", "C:\\Proj", FALSE, TRUE },
        { "C:\\Project2\\a.wav", "C:\\Proj", FALSE, TRUE },   // a longer folder name is another folder
        { "C:\\Proj\\x.wav", "", FALSE, FALSE },
        { "", "C:\\Proj", FALSE, FALSE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(CString(c.file) + " in " + c.folder);
        MessageBoxRecorder boxes;
        EXPECT_EQ(c.passes, CFileEdit::CheckFileInProject(c.file, c.folder));
        ASSERT_EQ(c.warns ? 1u : 0u, boxes.Count());
        if (c.warns)
        {
            EXPECT_EQ(CString("WARNUNG !\n\nDie Datei befindet sich nicht im Projektpfad !\n\nProjektpfad: ") +
                          c.folder + "\nDatei: " + c.file + "\n",
                      boxes.Last().strText);
        }
    }
}

TEST(FileEditChecks, CheckFileStopsAtTheFirstFailure)
{
    MessageBoxRecorder boxes;
    EXPECT_FALSE(CFileEdit::CheckFile("D:\\x.mp3", ".wav", "C:\\Proj", TRUE));
    EXPECT_EQ(1u, boxes.Count());   // the type message only
    EXPECT_TRUE(CFileEdit::CheckFile("D:\\x.wav", ".wav", "C:\\Proj", FALSE));
    EXPECT_FALSE(CFileEdit::CheckFile("D:\\x.wav", ".wav", "C:\\Proj", TRUE));
    EXPECT_EQ(2u, boxes.Count());
}

class FileEditDropTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(IDD_TITLEBAR));
        ASSERT_TRUE(m_edit.SubclassItem(IDC_TITLE_TEXT, &m_dlg, "C:\\Proj", ".wav"));
        m_edit.SetWindowText("C:\\Proj\\old.wav");
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    CDialog m_dlg;
    CFileEdit m_edit;
};

TEST_F(FileEditDropTest, AcceptsFilesOnceDrawn)
{
    EXPECT_FALSE(m_edit.GetExStyle() & WS_EX_ACCEPTFILES);
    m_dlg.ShowWindow(SW_SHOW);
    m_dlg.UpdateWindow();
    PumpPendingMessages();
    EXPECT_TRUE(m_edit.m_bDropEnabled);
    EXPECT_TRUE(m_edit.GetExStyle() & WS_EX_ACCEPTFILES);
}

// A long name is cut, not overrun: its first 300 characters end without the
// type, so it is refused.
TEST_F(FileEditDropTest, TakesADroppedFileOnlyWhenItPasses)
{
    const CString longName = "C:\\Proj\\" + CString('a', 400) + ".wav";
    struct Case
    {
        CString dropped;
        LPCSTR shown;
        size_t boxes;
    } cases[] = {
        { longName, "C:\\Proj\\old.wav", 1 },
        { "C:\\Proj\\sound\\click.wav", "C:\\Proj\\sound\\click.wav", 0 },
        { "C:\\Proj\\sound\\click.mp3", "C:\\Proj\\sound\\click.wav", 1 },
        { "C:\\Other\\click.wav", "C:\\Proj\\sound\\click.wav", 1 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.dropped.Left(40));
        MessageBoxRecorder boxes;
        m_edit.SendMessage(WM_DROPFILES, (WPARAM)dialog_tests::MakeDrop(c.dropped));
        CString text;
        m_edit.GetWindowText(text);
        EXPECT_EQ(CString(c.shown), text);
        EXPECT_EQ(c.boxes, boxes.Count());
    }
}

// A text label paints in its own colour straight onto what lies below it; an
// icon keeps the dialog's background.
TEST(FontStatic, TextInItsColourOverTheBackgroundAndIconsLeftAlone)
{
    const COLORREF kBelow = RGB(0, 255, 0), kText = RGB(200, 0, 0);
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TITLEBAR));
    for (DWORD dwType : { (DWORD)SS_LEFT, (DWORD)(SS_ICON | SS_CENTERIMAGE) })
    {
        SCOPED_TRACE(dwType);
        const BOOL bText = dwType == SS_LEFT;
        CFontStatic label;
        label.SetFontStyle(-20, FW_BOLD, TRUE, kText);
        ASSERT_TRUE(label.Create(bText ? "WWW" : "", WS_CHILD | WS_VISIBLE | dwType, CRect(0, 0, 80, 40), &dlg, 0x7001));
        if (!bText)
            label.SendMessage(STM_SETICON, (WPARAM)::LoadIconA(nullptr, IDI_APPLICATION));
        menuobj_testing::BitmapCanvas canvas(80, 40, kBelow);
        label.SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.DC()->m_hDC, PRF_CLIENT);
        int nText = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 80; ++x)
                nText += canvas.Pixel(x, y) == kText;
        EXPECT_EQ(bText, nText > 0);
        EXPECT_EQ(bText, canvas.Pixel(79, 39) == kBelow) << "transparent only as text";
        label.DestroyWindow();
    }
    dlg.DestroyWindow();
}

// The label draws in its own font, made before or after it was subclassed (as
// the Start Center styles its labels): the painted text is as tall as the font
// makes it, taller than the dialog's own.
TEST(FontStatic, TheTextIsDrawnInTheLabelsOwnFont)
{
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TITLEBAR));
    // Rows holding black text.
    auto inkRows = [](CWnd& label) {
        menuobj_testing::BitmapCanvas canvas(120, 60, RGB(255, 255, 255));
        label.SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.DC()->m_hDC, PRF_CLIENT);
        int nRows = 0;
        for (int y = 0; y < 60; ++y)
        {
            bool bInk = false;
            for (int x = 0; x < 120 && !bInk; ++x)
                bInk = canvas.Pixel(x, y) == RGB(0, 0, 0);
            nRows += bInk;
        }
        return nRows;
    };
    auto makeLabel = [&dlg](CWnd& label, UINT nID) {
        HWND hWnd = ::CreateWindowExA(0, "STATIC", "WWW", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 120, 60, dlg.m_hWnd,
                                      (HMENU)(UINT_PTR)nID, nullptr, nullptr);
        ::SendMessageA(hWnd, WM_SETFONT, (WPARAM)dlg.SendMessage(WM_GETFONT), FALSE);
        return label.SubclassWindow(hWnd);
    };
    CStatic plain;
    ASSERT_TRUE(makeLabel(plain, 0x7002));
    const int nPlainRows = inkRows(plain);
    ASSERT_GT(nPlainRows, 0);
    for (bool bStyledFirst : { true, false })
    {
        SCOPED_TRACE(bStyledFirst ? "styled, then subclassed" : "subclassed, then styled");
        CFontStatic label;
        if (bStyledFirst)
            label.SetFontStyle(-40, FW_BOLD, FALSE, RGB(0, 0, 0));
        ASSERT_TRUE(makeLabel(label, 0x7003));
        if (!bStyledFirst)
            label.SetFontStyle(-40, FW_BOLD, FALSE, RGB(0, 0, 0));
        LOGFONTA lf = {};
        ASSERT_NE(0, ::GetObjectA((HFONT)label.SendMessage(WM_GETFONT), sizeof(lf), &lf));
        EXPECT_EQ(-40, lf.lfHeight);
        EXPECT_EQ(FW_BOLD, lf.lfWeight);
        EXPECT_GT(inkRows(label), nPlainRows);
        label.DestroyWindow();
    }
    plain.DestroyWindow();
    dlg.DestroyWindow();
}

TEST(DialogTexts, EffectCaptionsAndLanguageNames)
{
    // The string table's language follows the system's: either set of captions.
    EXPECT_EQ(3, GetTextEffectCount());
    CString captions[5];
    for (int nEffect = -1; nEffect < 4; ++nEffect)
        GetTextEffectCaption(nEffect, captions[nEffect + 1]);
    EXPECT_EQ(CString("Normal"), captions[1]);
    EXPECT_TRUE(captions[2] == "Erhaben" || captions[2] == "Raised") << captions[2];
    EXPECT_TRUE(captions[3] == "Geprägt" || captions[3] == "Embossed") << captions[3];
    EXPECT_EQ(captions[1], captions[0]);   // unknown codes read as "none"
    EXPECT_EQ(captions[1], captions[4]);

    const char previous = GetLanguageLetter();
    const struct
    {
        char letter;
        LPCSTR name;
    } languages[] = { { 'G', "German" }, { 'E', "English" }, { 'F', "French" }, { 'x', "German" } };
    for (const auto& language : languages)
    {
        SCOPED_TRACE(language.letter);
        SetLanguageLetter(language.letter);
        CString name;
        GetUiLanguageName(name);
        EXPECT_EQ(CString(language.name), name);
    }
    SetLanguageLetter(previous);
}

TEST(DialogTexts, FileMessagesNameTheFile)
{
    MessageBoxRecorder boxes;
    ShowFileMessage("C:\\Proj\\missing.bmp");
    ShowStarterNotInProject();
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_EQ(CString("Fehler:\n\nDie angegebene Datei kann nicht geöffnet werden:\nC:\\Proj\\missing.bmp\n\n"),
              boxes.Boxes()[0].strText);
    EXPECT_EQ(CString("Die Datei: Dorvstart.exe befindet sich nicht im Projektpfad !"), boxes.Boxes()[1].strText);
}

} // namespace
