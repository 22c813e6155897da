#include "shared/menuobj/AviCtrl.h"

#include "shared/menuobj/AviInfo.h"
#include "shared/menuobj/MObjCreateStruct.h"
#include "shared/menuobj/PageMessages.h"
#include "shared/support/Language.h"

#include "AviTestFiles.h"
#include "ObjWndTesting.h"
#include "helpers/TestSupport.h"
#include "shared/support/Values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using menuobj_testing::AviBytes;
using menuobj_testing::AviClip;
using objwnd_testing::RectInParent;
using testing_support::MessageBoxRecorder;
using testing_values::Ints;

namespace {

// A page window that keeps the input records its clips send.
class CAviPageWnd : public CWnd
{
public:
    CAviPageWnd() { EXPECT_TRUE(CreateEx(0, nullptr, "Page", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr)); }

    std::vector<AVI_INPUT_RECORD> records;

protected:
    LRESULT OnObjNotify(WPARAM, LPARAM lParam)
    {
        records.push_back(*(const AVI_INPUT_RECORD*)lParam);
        return 1;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAviPageWnd, CWnd)
    ON_MESSAGE(WM_TARNIX_OBJNOTIFY, OnObjNotify)
END_MESSAGE_MAP()

class AviCtrlTest : public ::testing::Test
{
protected:
    CString WriteClip(const char* pszName, const AviClip& clip)
    {
        AviBytes avi(clip);
        return m_folder.Write(pszName, avi.Bytes().data(), avi.Bytes().size());
    }
    CString WriteClip(const char* pszName, int cx, int cy)
    {
        AviClip clip;
        clip.cx = cx;
        clip.cy = cy;
        return WriteClip(pszName, clip);
    }
    // A clip object at (10, 20) on the page, as the page's AVI object makes it.
    void CreateOnPage(CAviCtrl& ctrl, BOOL bEditMode)
    {
        m_struct.m_rect = { 10, 20, 0, 0 };
        m_struct.m_strText = WriteClip("clip.avi", 40, 30);
        m_struct.m_nID = 5007;
        m_struct.m_dwStyle = 0;
        ASSERT_TRUE(ctrl.CreateFromStruct(&m_struct, &m_page));
        m_struct.m_rect = { 10, 20, 50, 50 };
        ctrl.SetCreateStruct(&m_struct);
        ctrl.SetEditMode(bEditMode);
    }

    testing_support::TempFolder m_folder;
    CAviPageWnd m_page;
    CMObjCreateStruct m_struct;
};

} // namespace

TEST_F(AviCtrlTest, AClipFromItsStructGetsTheSizeOfItsFrame)
{
    m_struct.m_rect = { 10, 20, 99, 99 };
    m_struct.m_strText = WriteClip("big.avi", 320, 240);
    m_struct.m_nID = 5003;
    m_struct.m_nRepeat = 3;
    m_struct.m_crColor = RGB(1, 2, 3);
    CAviCtrl ctrl;
    EXPECT_EQ(-1, ctrl.GetRepeat());
    ASSERT_TRUE(ctrl.CreateFromStruct(&m_struct, &m_page));

    EXPECT_EQ(CRect(10, 20, 330, 260), RectInParent(ctrl));
    EXPECT_EQ((Ints{ 5003, 3, 1 }), (Ints{ ctrl.GetDlgCtrlID(), ctrl.GetRepeat(), ctrl.IsProbed() }));
    EXPECT_EQ("Uncompressed", std::string(ctrl.GetCodec()));
    EXPECT_EQ(std::string(m_struct.m_strText), std::string(ctrl.GetFile()));
    EXPECT_TRUE(ctrl.IsClipOpen());
    DWORD dwStyle = ctrl.GetStyle();
    EXPECT_EQ((DWORD)(WS_CHILD | WS_VISIBLE | ACS_CENTER), dwStyle & (WS_CHILD | WS_VISIBLE | ACS_CENTER));
}

TEST_F(AviCtrlTest, NoWindowForAMissingOrForeignFile)
{
    CAviCtrl missing;
    EXPECT_FALSE(missing.CreateAt(0, 0, 0, &m_page, 5001, m_folder.File("none.avi"), 0));
    EXPECT_EQ(nullptr, missing.m_hWnd);
    EXPECT_FALSE(missing.IsProbed());

    CAviCtrl foreign;
    CString strWave = m_folder.Write("sound.avi", std::string(300, 'x').c_str(), 300);
    EXPECT_FALSE(foreign.CreateAt(0, 0, 0, &m_page, 5001, strWave, 0));
    EXPECT_EQ(nullptr, foreign.m_hWnd);
    RECT rc = { 0, 0, 10, 10 };
    EXPECT_FALSE(foreign.CreateClip(0, rc, &m_page, 5001, strWave, 0));
    EXPECT_EQ(nullptr, foreign.m_hWnd);
}

TEST_F(AviCtrlTest, AClipTheControlCannotOpenStillGetsItsWindow)
{
    AviBytes avi{ AviClip() };
    std::vector<BYTE> headers(avi.Bytes().begin(), avi.Bytes().begin() + CAviInfo::headerSize);
    CString strPath = m_folder.Write("headers.avi", headers.data(), headers.size());
    CAviCtrl ctrl;
    ASSERT_TRUE(ctrl.CreateAt(0, 5, 6, &m_page, 5002, strPath, 0));
    EXPECT_NE(nullptr, ctrl.m_hWnd);
    EXPECT_FALSE(ctrl.IsClipOpen());
}

TEST_F(AviCtrlTest, OnlyUncompressedAndRunLengthClipsArePlayable)
{
    struct Row { DWORD dwCompression; const char* pszHandler; BOOL bPlayable; };
    const Row rows[] = {
        { BI_RGB, "", TRUE },
        { BI_RLE8, "", TRUE },
        { mmioFOURCC('m', 'r', 'l', 'e'), "mrle", TRUE },
        { mmioFOURCC('c', 'v', 'i', 'd'), "cvid", FALSE },
        { BI_RGB, "DIB ", TRUE },     // the DIB handler holds uncompressed frames as well
        { BI_RGB, "MSVC", FALSE },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszHandler);
        AviClip clip;
        clip.dwCompression = row.dwCompression;
        clip.pszHandler = row.pszHandler;
        CAviCtrl ctrl;
        EXPECT_EQ(row.bPlayable, ctrl.IsPlayableFile(WriteClip("codec.avi", clip)));
        EXPECT_TRUE(ctrl.IsProbed());
    }
    CAviCtrl ctrl;
    EXPECT_FALSE(ctrl.IsPlayableFile(m_folder.File("none.avi")));
    EXPECT_FALSE(ctrl.IsProbed());
}

TEST_F(AviCtrlTest, CheckAviFileWarnsInTheInterfaceLanguage)
{
    MessageBoxRecorder boxes;
    char chLanguage = GetLanguageLetter();
    EXPECT_TRUE(CAviCtrl::CheckAviFile(WriteClip("ok.avi", 16, 16)));
    EXPECT_EQ(0u, boxes.Count());

    CString strMissing = m_folder.File("none.avi");
    SetLanguageLetter('E');
    EXPECT_FALSE(CAviCtrl::CheckAviFile(strMissing));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("Attention !\n\nThe file: \"" + std::string(strMissing) + "\"\ncan not be opened.",
              std::string(boxes.Last().strText));
    SetLanguageLetter('G');
    EXPECT_FALSE(CAviCtrl::CheckAviFile(m_folder.Write("foreign.avi", std::string(300, 'x').c_str(), 300)));
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_EQ("Achtung !\n\nDie Datei: \"" + std::string(m_folder.File("foreign.avi")) +
                  "\"\nkann nicht geöffnet werden.",
              std::string(boxes.Last().strText));
    SetLanguageLetter(chLanguage);
}

// Run mode keeps the same input to itself.
TEST_F(AviCtrlTest, DesignModeHandsMouseButtonsAndKeysToThePage)
{
    CAviCtrl ctrl, running;
    CreateOnPage(ctrl, TRUE);
    CreateOnPage(running, FALSE);
    struct Row { UINT message; WPARAM wParam; LPARAM lParam; int nEvent; int x; int y; UINT nFlags; UINT nVirtKey; };
    const LPARAM keyFlags = 0x001E0001;
    const Row rows[] = {
        { WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6), AVIINPUT_LBUTTONDOWN, 15, 26, MK_LBUTTON, 0 },
        { WM_LBUTTONUP, 0, MAKELPARAM(7, 8), AVIINPUT_LBUTTONUP, 17, 28, 0, 0 },
        { WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, MAKELPARAM(0, 0), AVIINPUT_RBUTTONDOWN, 10, 20,
          MK_RBUTTON | MK_SHIFT, 0 },
        { WM_RBUTTONUP, MK_CONTROL, MAKELPARAM(39, 29), AVIINPUT_RBUTTONUP, 49, 49, MK_CONTROL, 0 },
        { WM_KEYDOWN, VK_LEFT, keyFlags, AVIINPUT_KEYDOWN, 0, 0, HIWORD(keyFlags), VK_LEFT },
        { WM_KEYUP, 'A', keyFlags | 0xC0000000, AVIINPUT_KEYUP, 0, 0, HIWORD(keyFlags | 0xC0000000), 'A' },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.nEvent);
        m_page.records.clear();
        running.SendMessage(row.message, row.wParam, row.lParam);
        EXPECT_TRUE(m_page.records.empty()) << "run mode";
        ctrl.SendMessage(row.message, row.wParam, row.lParam);
        ASSERT_EQ(1u, m_page.records.size());
        const AVI_INPUT_RECORD& record = m_page.records[0];
        EXPECT_EQ(ctrl.m_hWnd, record.hWnd);
        EXPECT_EQ(row.nVirtKey ? &m_struct : nullptr, record.pCrStruct);
        EXPECT_EQ((Ints{ 5007, row.nEvent, row.x, row.y, int(row.nFlags), int(row.nVirtKey) }),
                  (Ints{ int(record.nID), record.nEvent, record.x, record.y, int(record.nFlags),
                         int(record.nVirtKey) }));
    }
    ::ReleaseCapture();
}

TEST_F(AviCtrlTest, TheMouseOverTheClipHoldsTheCaptureUntilItLeaves)
{
    for (BOOL bEditMode : { TRUE, FALSE })
    {
        SCOPED_TRACE(bEditMode ? "design mode" : "run mode");
        CAviCtrl ctrl;
        CreateOnPage(ctrl, bEditMode);
        ctrl.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        EXPECT_TRUE(ctrl.IsMouseOver());
        EXPECT_EQ(ctrl.m_hWnd, ::GetCapture());
        ctrl.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(40, 30));   // the far edges still count as inside
        EXPECT_TRUE(ctrl.IsMouseOver());
        ctrl.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(41, 30));
        EXPECT_FALSE(ctrl.IsMouseOver());
        EXPECT_EQ(nullptr, ::GetCapture());
    }
}

TEST_F(AviCtrlTest, InRunModeAHeldLeftButtonKeepsTheMouseOverState)
{
    CAviCtrl ctrl;
    CreateOnPage(ctrl, FALSE);
    ctrl.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    ctrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ctrl.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, -5));
    EXPECT_TRUE(ctrl.IsMouseOver());
    ctrl.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-5, -5));
    ctrl.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(-5, -5));
    EXPECT_FALSE(ctrl.IsMouseOver());
    ::ReleaseCapture();
}

TEST_F(AviCtrlTest, MovingTheWindowMovesTheStructsRectangle)
{
    CAviCtrl ctrl;
    CreateOnPage(ctrl, TRUE);
    ctrl.SetWindowPos(nullptr, 100, 70, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(CRect(100, 70, 140, 100), CRect(m_struct.m_rect));
}

TEST_F(AviCtrlTest, ColoursOfTheControlAreTheBackgroundOnAHollowBrush)
{
    AviClip clip;
    CAviCtrl ctrl;
    ASSERT_TRUE(ctrl.CreateAt(0, 0, 0, &m_page, 5004, WriteClip("c.avi", clip), RGB(10, 20, 30)));
    CClientDC dc(&ctrl);
    dc.SetBkColor(RGB(255, 255, 255));
    dc.SetBkMode(OPAQUE);
    LRESULT hBrush = m_page.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)ctrl.m_hWnd);
    EXPECT_EQ((LRESULT)::GetStockObject(HOLLOW_BRUSH), hBrush);
    EXPECT_EQ((Ints{ int(RGB(10, 20, 30)), TRANSPARENT }), (Ints{ int(dc.GetBkColor()), dc.GetBkMode() }));
}
