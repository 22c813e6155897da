#include "shared/menuobj/ButBmp.h"

#include "shared/menuobj/MObjButBmp.h"
#include "shared/support/Language.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

using namespace objwnd_testing;
using menuobj_testing::BitmapCanvas;
using testing_support::MessageBoxRecorder;
using testing_support::TempFolder;

namespace {

const DWORD kMagenta = 0xFF00FF;

// Three states of nStateHeight rows (red, green, blue), each with a magenta
// pixel at its top-left corner, and the row whose first pixel is magenta.
bmp_test::TestBmp StateBmp(int nStateHeight, int nExtraRows = 1)
{
    bmp_test::TestBmp bmp = BandedBmp(8, { { nStateHeight, 0xFF0000 }, { nStateHeight, 0x00FF00 },
                                           { nStateHeight, 0x0000FF }, { nExtraRows, 0x808080 } });
    for (int nState = 0; nState < 3; ++nState)
        bmp.pixels[size_t(nState * nStateHeight) * 8] = kMagenta;
    bmp.pixels[size_t(3 * nStateHeight) * 8] = kMagenta;
    return bmp;
}

class ButBmpTest : public testing::Test
{
protected:
    ButBmpTest() { m_struct.m_rect = { 30, 20, 130, 50 }; }
    ~ButBmpTest() override { ::ReleaseCapture(); }

    BOOL CreateObject(const CString& strFile)
    {
        m_struct.m_strBitmap = strFile;
        return m_object.Create(&m_struct, &m_page, 5003, RGB(128, 128, 128), FALSE);
    }
    CButBmp* Window() { return static_cast<CButBmp*>(m_object.GetButtonWnd()); }

    TempFolder m_folder;
    CTestPage m_page;
    CRecordingProgram m_program;
    CMButCreateStruct m_struct;
    CMObjButBmp m_object;
};

} // namespace

TEST_F(ButBmpTest, TheButtonIsAsLargeAsOneStateAndDrawsItWithoutTheTransparentColour)
{
    ASSERT_TRUE(CreateObject(WriteBmp(m_folder, "states.bmp", StateBmp(4))));
    ASSERT_NE(nullptr, Window());
    EXPECT_EQ(CRect(30, 20, 130, 50), CRect(m_struct.m_rect));   // as the page stored it
    EXPECT_EQ(CRect(30, 20, 38, 24), CRect(m_object.GetObjectRect()));
    EXPECT_EQ(CRect(30, 20, 38, 24), RectInParent(*Window()));
    EXPECT_EQ(RGB(255, 0, 255), Window()->GetTransparentColor());

    static const struct { ButtonState state; COLORREF cr; } kCases[] = {
        { STATE_IDLE, RGB(255, 0, 0) }, { STATE_HOVER, RGB(0, 255, 0) }, { STATE_FOCUS, RGB(0, 255, 0) },
        { STATE_PRESSED, RGB(0, 0, 255) },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.state);
        BringInto(*Window(), c.state);
        BitmapCanvas canvas(60, 40, kCanvas);
        m_object.Draw(canvas.DC());
        EXPECT_EQ(kCanvas, canvas.Pixel(30, 20)) << "transparent";
        EXPECT_EQ(c.cr, canvas.Pixel(31, 20));
        EXPECT_EQ(c.cr, canvas.Pixel(37, 23));
        EXPECT_EQ(kCanvas, canvas.Pixel(30, 24)) << "one state only";
        EXPECT_EQ(kCanvas, canvas.Pixel(38, 20));
        m_page.SetFocus();
        MouseMove(*Window(), 100, 100);
    }

    // Asked for another size, it keeps the picture's.
    m_object.SetWindowRect(0, 0, 200, 100);
    EXPECT_EQ(CRect(30, 20, 38, 24), CRect(m_object.GetObjectRect()));
    EXPECT_EQ(CRect(30, 20, 38, 24), RectInParent(*Window()));
}

TEST_F(ButBmpTest, ThePictureMustHoldThreeStatesAndOneRow)
{
    MessageBoxRecorder boxes;
    ASSERT_TRUE(CreateObject(WriteBmp(m_folder, "tall.bmp", StateBmp(20))));
    EXPECT_EQ(20, Window()->GetStateHeight());
    EXPECT_EQ(CRect(30, 20, 38, 40), CRect(m_object.GetObjectRect()));
    EXPECT_EQ(0u, boxes.Count());

    // A single row holds no state at all: the button sheet refuses it too.
    const CString files[] = { WriteBmp(m_folder, "format.bmp", StateBmp(19, 3)),
                              WriteBmp(m_folder, "row.bmp", bmp_test::MakePattern(8, 1, 24)) };
    for (const CString& strFile : files)
    {
        SCOPED_TRACE(strFile);
        MessageBoxRecorder refusal;
        CMObjButBmp second;
        m_struct.m_strBitmap = strFile;
        EXPECT_FALSE(second.Create(&m_struct, &m_page, 5004, RGB(128, 128, 128), FALSE));
        EXPECT_EQ(nullptr, second.GetButtonWnd());
        ASSERT_EQ(1u, refusal.Count());
        EXPECT_EQ("ERROR:\n\nFormat Error - file: \"" + strFile + "\" ! \n", refusal.Last().strText);
        EXPECT_TRUE(refusal.Last().nType & MB_ICONERROR);
    }
}

TEST_F(ButBmpTest, AMissingFileIsReportedInTheInterfaceLanguageAndMakesNoWindow)
{
    const char chLanguage = GetLanguageLetter();
    CString strFile = m_folder.File("missing.bmp");
    static const struct { char chLetter; const char* pszFormat; } kCases[] = {
        { 'G', "Fehler\n\nBitmap-Datei : \"%s\"\nkann nicht geöffnet werden !" },
        { 'E', "ERROR:\n\nCannot open file: \"%s\"\n !" },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.chLetter);
        SetLanguageLetter(c.chLetter);
        MessageBoxRecorder boxes;
        CMObjButBmp object;
        m_struct.m_strBitmap = strFile;
        EXPECT_FALSE(object.Create(&m_struct, &m_page, 5005, RGB(128, 128, 128), FALSE));
        EXPECT_EQ(nullptr, object.GetButtonWnd());
        ASSERT_EQ(1u, boxes.Count());
        CString strExpected;
        strExpected.Format(c.pszFormat, (LPCSTR)strFile);
        EXPECT_EQ(strExpected, boxes.Last().strText);
    }
    SetLanguageLetter(chLanguage);
}

TEST_F(ButBmpTest, APictureThatFailsAtTheFirstDrawLeavesADisabledButtonThatDrawsNothing)
{
    CString strFile = WriteBmp(m_folder, "gone.bmp", StateBmp(4));
    m_struct.m_strText = "Go";
    ASSERT_TRUE(CreateObject(strFile));
    ASSERT_TRUE(::DeleteFileA(strFile));
    MessageBoxRecorder boxes;
    BitmapCanvas canvas(60, 40, kCanvas);
    m_object.Draw(canvas.DC());
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_FALSE(Window()->IsEnabled());
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(kCanvas, canvas.Pixel(x, y)) << x << "," << y;

    Window()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    Window()->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(m_program.m_executed.empty());
}
