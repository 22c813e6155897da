// A page window for object windows, a program whose buttons are recorded, and
// test pictures, for the tests of the menu object windows.
#pragma once

#include "shared/menuobj/ButBasis.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/ObjWndProgram.h"
#include "shared/menuobj/PageMessages.h"
#include "shared/support/BmpTestFiles.h"

#include "TestWindows.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace objwnd_testing {

// The test executable's hand cursor resource.
const UINT kTestHandCursor = 131;
const UINT kTestClickCommand = 114;

// The colours the pictures of the tests are checked for: the page's green
// canvas and the lines of the buttons.
const COLORREF kCanvas = RGB(0, 128, 0);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGrey = RGB(128, 128, 128);

// A visible page that records what its object windows send and how often it
// is painted.
class CTestPage : public CWnd
{
public:
    struct Message
    {
        UINT nMessage;
        WPARAM wParam;
        LPARAM lParam;
    };

    CTestPage()
    {
        EXPECT_TRUE(CreateEx(0, nullptr, "Page", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr));
        UpdateWindow();
    }

    std::vector<Message> m_messages;
    int m_nPaints = 0;
    std::function<void()> m_onPaint;   // called as each paint begins

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND || message == WM_TARNIX_RUNLISTBOX || message == WM_TARNIX_SHOWPOPUP)
            m_messages.push_back({ message, wParam, lParam });
        if (message == WM_PAINT)
        {
            ++m_nPaints;
            if (m_onPaint)
                m_onPaint();
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A program installed while it lives: click command 114, the test hand cursor,
// and a record of the buttons executed (with the page messages seen by then).
class CRecordingProgram : public CObjWndProgram
{
public:
    explicit CRecordingProgram(CTestPage* pPage = nullptr, BOOL bPicturesInRunMode = TRUE)
        : m_pPage(pPage), m_bPicturesInRunMode(bPicturesInRunMode)
    {
        m_pPrevious = CObjWndProgram::Set(this);
    }
    ~CRecordingProgram() override { CObjWndProgram::Set(m_pPrevious); }

    UINT GetClickCommand() const override { return kTestClickCommand; }
    UINT GetHandCursorId() const override { return kTestHandCursor; }
    BOOL LoadsPicturesInRunMode() const override { return m_bPicturesInRunMode; }
    void ExecuteButton(CButBasis& button) override
    {
        m_executed.push_back(&button);
        m_nMessagesBeforeExecute = m_pPage ? m_pPage->m_messages.size() : 0;
    }

    std::vector<CButBasis*> m_executed;
    size_t m_nMessagesBeforeExecute = 0;

private:
    CObjWndProgram* m_pPrevious;
    CTestPage* m_pPage;
    BOOL m_bPicturesInRunMode;
};

// The mouse moved to (x, y) in the window's client coordinates.
inline void MouseMove(CWnd& wnd, int x, int y)
{
    wnd.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

// A button window set up as its menu object does, created on the page.
inline void CreateButtonOn(CTestPage& page, CButBasis& button, CMButCreateStruct& crStruct, const RECT& rc,
                           BOOL bEditMode = FALSE)
{
    button.SetCreateStruct(&crStruct);
    button.SetEditMode(bEditMode);
    button.SetFontDesc(crStruct.m_font);
    ASSERT_TRUE(button.CreateButton(crStruct.m_strText, WS_CHILD | WS_VISIBLE, rc, &page, 5000));
}

// The states a button is brought into by the mouse and the focus.
enum ButtonState
{
    STATE_IDLE,
    STATE_HOVER,
    STATE_PRESSED,   // hovered and pressed
    STATE_FOCUS,
};

inline void BringInto(CButBasis& button, ButtonState state)
{
    if (state == STATE_HOVER || state == STATE_PRESSED)
        MouseMove(button, 2, 2);
    if (state == STATE_PRESSED)
        button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    if (state == STATE_FOCUS)
        button.SetFocus();
}

// A 24-bit picture of one colour per block of rows, colours as 0x00RRGGBB.
inline bmp_test::TestBmp BandedBmp(int nWidth, const std::vector<std::pair<int, DWORD>>& bands)
{
    bmp_test::TestBmp bmp;
    bmp.nWidth = nWidth;
    bmp.nBitCount = 24;
    for (const auto& band : bands)
    {
        bmp.nHeight += band.first;
        bmp.pixels.insert(bmp.pixels.end(), size_t(band.first) * nWidth, band.second);
    }
    return bmp;
}

// Writes the picture as a BMP file into the folder and returns its path.
inline CString WriteBmp(const testing_support::TempFolder& folder, LPCSTR name, const bmp_test::TestBmp& bmp)
{
    std::vector<BYTE> bytes = bmp_test::BmpFileBytes(bmp);
    return folder.Write(name, bytes.data(), bytes.size());
}

// Draws a button of class TButton at (10, 10)-(110, 40) on a page, brought
// into the state, onto a 130 by 60 canvas of crCanvas and checks the pixels.
template <class TButton>
void ExpectButtonLook(CMButCreateStruct& crStruct, BOOL bEditMode, ButtonState state, COLORREF crCanvas,
                      std::initializer_list<menuobj_testing::PixelCase> pixels)
{
    CTestPage page;
    TButton button;
    CreateButtonOn(page, button, crStruct, CRect(10, 10, 110, 40), bEditMode);
    BringInto(button, state);
    menuobj_testing::BitmapCanvas canvas(130, 60, crCanvas);
    button.Draw(canvas.DC());
    ::ReleaseCapture();
    menuobj_testing::ExpectPixels(canvas, (testing::Message() << "mode " << bEditMode << " state " << state).GetString(),
                                  pixels);
}

// The window's rectangle in its parent's client coordinates.
inline CRect RectInParent(CWnd& wnd)
{
    CRect rc;
    wnd.GetWindowRect(rc);
    ::MapWindowPoints(nullptr, ::GetParent(wnd), (LPPOINT)(LPRECT)rc, 2);
    return rc;
}

} // namespace objwnd_testing
