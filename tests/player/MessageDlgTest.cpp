#include "player/MessageDlg.h"

#include "framework/Afx.h"

#include "PlayerTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

using player_test::HasInk;
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

// The window is as wide as the widest line, at least the least text width and
// at most 640 pixels, and a line's height higher for each line; nothing is
// painted but the lines and the button, which sits centred 60 pixels above the bottom.
TEST(MessageDlg, TheWindowFitsTheLinesBrokenAtBreakTagsAndNeverWraps)
{
    struct Case
    {
        CString text;
        int lines;
        int width;   // 0: the widest line's and 30
    } cases[] = {
        { "Kurz", 1, 230 },
        { "Erste Zeile<BR>Zweite<br>Die dritte und längste Zeile des Textes<bR>", 3, 0 },
        { CString('W', 120), 1, 640 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        Shown shown = RunAndLook(c.text);
        EXPECT_EQ(CString("Titel"), shown.title);
        EXPECT_EQ(c.lines, shown.lines);
        const int nWidest = shown.extents[c.lines - 1].cx;
        if (c.width == 230)
            ASSERT_LT(nWidest, CMessageDlg::kMinTextWidth);
        if (c.width == 640)
            ASSERT_GT(nWidest, 610);
        EXPECT_EQ(c.width != 0 ? c.width : std::max(nWidest, CMessageDlg::kMinTextWidth) + 30, shown.window.Width());
        EXPECT_EQ(c.lines * shown.extents[0].cy + 80, shown.window.Height());
        for (int i = 0; i < c.lines; ++i)
            EXPECT_TRUE(shown.ink[i]) << i;
        if (c.width != 640)
            EXPECT_FALSE(shown.inkBelow);
        EXPECT_EQ(shown.window.Width() / 2 - shown.button.Width() / 2, shown.button.left);
        EXPECT_EQ(shown.window.Height() - 60, shown.button.top);
    }
}

} // namespace
