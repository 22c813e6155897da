#include "player/MessageDlg.h"

#include "framework/Afx.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using testing_support::PumpPendingMessages;

namespace {

TEST(MessageDlgLines, SplitAtBreakTagsInAnyCase)
{
    struct Case
    {
        LPCSTR text;
        std::vector<CString> lines;
    } cases[] = {
        { "Hallo", { "Hallo" } },
        { "First<BR>Second<br>Third", { "First", "Second", "Third" } },
        { "a<Br>b<bR>c", { "a", "b", "c" } },
        // The tag's fourth character is never looked at.
        { "a<BRxb", { "a", "b" } },
        { "a<BR><BR>b", { "a", "", "b" } },
        { "a<BR>", { "a" } },
        // A tag cut short at the very end ends the text there.
        { "a<BR", { "a" } },
        { "a<B", { "a<B" } },
        { "<B R>", { "<B R>" } },
        { "", {} },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        CStringArray lines;
        CMessageDlg::SplitLines(c.text, lines);
        ASSERT_EQ((INT_PTR)c.lines.size(), lines.GetSize());
        for (size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(c.lines[i], lines[(INT_PTR)i]);
    }
}

// What the dialog looked like while it ran.
struct Shown
{
    CRect window;
    CRect client;
    CRect button;          // client coordinates
    CString title;
    int lines = 0;
    CSize extents[3];      // of the first three lines in the dialog's font
    bool ink[3] = {};      // each line's place holds text
    bool inkBelow = true;  // something between the last line and the button
};

bool HasInk(HDC hdc, const CRect& rc, COLORREF crBackground)
{
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if ((GetPixel(hdc, x, y) & 0xFFFFFF) != crBackground)
                return true;
    return false;
}

Shown RunAndLook(LPCSTR text)
{
    Shown shown;
    CDialog::ModalHook previous = CDialog::SetModalHook([&shown](CDialog* pDialog) {
        CMessageDlg* pDlg = static_cast<CMessageDlg*>(pDialog);
        HWND hWnd = pDlg->m_hWnd;
        ShowWindow(hWnd, SW_SHOW);
        UpdateWindow(hWnd);
        PumpPendingMessages();
        GetWindowRect(hWnd, &shown.window);
        GetClientRect(hWnd, &shown.client);
        HWND hOK = GetDlgItem(hWnd, IDOK);
        GetWindowRect(hOK, &shown.button);
        MapWindowPoints(nullptr, hWnd, (POINT*)&shown.button, 2);
        pDlg->GetWindowText(shown.title);
        shown.lines = pDlg->m_nLines;

        CStringArray lines;
        CMessageDlg::SplitLines(pDlg->m_strText, lines);
        HDC hdc = GetDC(hWnd);
        COLORREF crBackground = GetPixel(hdc, shown.client.right - 2, 2) & 0xFFFFFF;
        pDlg->m_font.SelectInto(CDC::FromHandle(hdc));
        int nTop = CMessageDlg::kTextTop;
        for (INT_PTR i = 0; i < lines.GetSize() && i < 3; ++i)
        {
            GetTextExtentPoint32A(hdc, lines[i], lines[i].GetLength(), &shown.extents[i]);
            int nLineTop = CMessageDlg::kTextTop + (int)i * shown.extents[0].cy;
            CRect place(CMessageDlg::kTextLeft, nLineTop, CMessageDlg::kTextLeft + shown.extents[i].cx,
                        nLineTop + shown.extents[i].cy);
            shown.ink[i] = HasInk(hdc, place, crBackground);
            nTop = nLineTop + shown.extents[i].cy;
        }
        pDlg->m_font.RestoreFont(CDC::FromHandle(hdc));
        shown.inkBelow = HasInk(hdc, CRect(0, nTop + 1, shown.client.right, shown.button.top - 1), crBackground);
        ReleaseDC(hWnd, hdc);
        pDlg->EndDialog(IDOK);
    });
    CMessageDlg dlg(text, "Titel");
    EXPECT_EQ(IDOK, dlg.DoModal());
    CDialog::SetModalHook(previous);
    return shown;
}

TEST(MessageDlg, OneShortLine)
{
    Shown shown = RunAndLook("Kurz");
    EXPECT_EQ(CString("Titel"), shown.title);
    EXPECT_EQ(1, shown.lines);
    ASSERT_LT(shown.extents[0].cx, CMessageDlg::kMinTextWidth);
    EXPECT_EQ(230, shown.window.Width());
    EXPECT_EQ(shown.extents[0].cy + 80, shown.window.Height());
    EXPECT_TRUE(shown.ink[0]);
    EXPECT_FALSE(shown.inkBelow);
    // The button sits centred, 60 pixels above the window's bottom.
    EXPECT_EQ(230 / 2 - shown.button.Width() / 2, shown.button.left);
    EXPECT_EQ(shown.window.Height() - 60, shown.button.top);
}

TEST(MessageDlg, LinesBrokenAtBreakTagsStandBelowEachOther)
{
    Shown shown = RunAndLook("Erste Zeile<BR>Zweite<br>Die dritte und längste Zeile des Textes<bR>");
    EXPECT_EQ(3, shown.lines);
    int nWidest = shown.extents[2].cx > CMessageDlg::kMinTextWidth ? shown.extents[2].cx : CMessageDlg::kMinTextWidth;
    EXPECT_EQ(nWidest + 30, shown.window.Width());
    EXPECT_EQ(3 * shown.extents[0].cy + 80, shown.window.Height());
    for (int i = 0; i < 3; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_TRUE(shown.ink[i]);
    }
    EXPECT_FALSE(shown.inkBelow);
}

TEST(MessageDlg, AWideLineIsNotWrappedButTheWindowIsCapped)
{
    CString wide('W', 120);
    Shown shown = RunAndLook(wide);
    ASSERT_GT(shown.extents[0].cx, 610);
    EXPECT_EQ(1, shown.lines);
    EXPECT_EQ(640, shown.window.Width());
    EXPECT_EQ(shown.extents[0].cy + 80, shown.window.Height());
}

} // namespace
