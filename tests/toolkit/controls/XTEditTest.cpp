#include "toolkit/controls/XTEdit.h"
#include "toolkit/controls/XTMaskEdit.h"

#include "toolkit/XTResource.h"
#include "toolkit/frame/XTGlobalData.h"

#include "helpers/TestSupport.h"
#include "toolkit/XTContextMenuSeen.h"
#include "toolkit/controls/XTPrintGeometry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void PutTextOnClipboard(LPCSTR pszText)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    if (pszText != nullptr)
    {
        HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, strlen(pszText) + 1);
        memcpy(::GlobalLock(hMem), pszText, strlen(pszText) + 1);
        ::GlobalUnlock(hMem);
        ::SetClipboardData(CF_TEXT, hMem);
    }
    ::CloseClipboard();
}

class XTEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "Edits", WS_POPUP | WS_VISIBLE, 100, 100, 300, 100, nullptr, nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    toolkit_test::ContextMenuSeen OpenContextMenu(CXTEdit& edit, CPoint point)
    {
        toolkit_test::ContextMenuSeen seen = toolkit_test::MenuOpenedBy(
            [&] { edit.SendMessage(WM_CONTEXTMENU, (WPARAM)edit.m_hWnd, MAKELPARAM(point.x, point.y)); });
        testing_support::PumpPendingMessages();
        return seen;
    }

    CWnd m_parent;
};

TEST_F(XTEditTest, ContextMenuEnablesByTextSelectionAndClipboardAndOpensWhereAsked)
{
    CXTEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 34), &m_parent, 1));
    EXPECT_EQ((HFONT)xtAfxData.m_fontNormal.m_hObject, (HFONT)edit.SendMessage(WM_GETFONT));
    CRect rc;
    edit.GetWindowRect(&rc);
    const CPoint ptClick(rc.left + 20, rc.top + 5);

    struct Row { const char* name; LPCSTR pszText; LPCSTR pszClipboard; BOOL bPaste; BOOL bSelectAll; };
    const Row rows[] = {
        { "empty, clipboard text", "", "clip", TRUE, FALSE },
        { "empty, clipboard empty", "", nullptr, FALSE, FALSE },
        { "text", "abc", nullptr, FALSE, TRUE },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        edit.SetWindowText(row.pszText);
        PutTextOnClipboard(row.pszClipboard);
        toolkit_test::ContextMenuSeen seen = OpenContextMenu(edit, ptClick);
        ASSERT_TRUE(seen.bSeen);
        EXPECT_EQ(row.bPaste, !(seen.states[XT_ID_EDIT_PASTE] & MF_GRAYED));
        EXPECT_EQ(row.bSelectAll, !(seen.states[XT_ID_EDIT_SELECT_ALL] & MF_GRAYED));
        EXPECT_GEOMETRY_EQ(ptClick, seen.ptTopLeft);
    }
    // From the keyboard it opens five pixels inside the top left corner.
    CPoint ptClient(0, 0);
    edit.ClientToScreen(&ptClient);
    toolkit_test::ContextMenuSeen seen = OpenContextMenu(edit, CPoint(-1, -1));
    ASSERT_TRUE(seen.bSeen);
    EXPECT_GEOMETRY_EQ(CPoint(ptClient.x + 5, ptClient.y + 5), seen.ptTopLeft);
}

TEST_F(XTEditTest, SubclassedEditGetsTheToolkitFontAndSelectAllCommand)
{
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "hello", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, m_parent.m_hWnd,
                                   (HMENU)2, nullptr, nullptr);
    CXTEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_EQ((HFONT)xtAfxData.m_fontNormal.m_hObject, (HFONT)edit.SendMessage(WM_GETFONT));
    edit.SendMessage(WM_COMMAND, XT_ID_EDIT_SELECT_ALL);
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(5, nEnd);
}

TEST_F(XTEditTest, ASubMenuItemFollowsItsFirstCommand)
{
    CXTEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 30), &m_parent, 4));
    HMENU hPopup = ::CreatePopupMenu();
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenuA(hSub, MF_STRING, XT_ID_EDIT_SELECT_ALL, "All");
    ::AppendMenuA(hPopup, MF_POPUP, (UINT_PTR)hSub, "More");
    ::AppendMenuA(hPopup, MF_STRING, 0x1234, "Unhandled");
    struct Row { const char* name; LPCSTR pszText; BOOL bEnabled; };
    const Row rows[] = { { "empty", "", FALSE }, { "text", "abc", TRUE } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        edit.SetWindowText(row.pszText);
        edit.SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, MAKELPARAM(0, FALSE));
        EXPECT_EQ(row.bEnabled, !(::GetMenuState(hPopup, 0, MF_BYPOSITION) & MF_GRAYED));
        EXPECT_TRUE(::GetMenuState(hPopup, 1, MF_BYPOSITION) & MF_GRAYED);
    }
    ::DestroyMenu(hPopup);
}

// The mask operations work on the text alone.
TEST(XTMaskEditTest, InputPositionsShiftAndClear)
{
    struct Row { const char* name; char op; int nPos; char ch; BOOL bOverType; const char* expected; };
    const Row rows[] = {
        { "insert shifts right", 'p', 0, '9', FALSE, "91/23/4567" },
        { "insert after a literal", 'p', 3, '9', FALSE, "12/93/4567" },
        { "overtype replaces", 'p', 0, '9', TRUE, "92/34/5678" },
        { "put on a literal does nothing", 'p', 2, '9', FALSE, "12/34/5678" },
        { "delete shifts left", 'd', 3, 0, FALSE, "12/45/678_" },
        { "delete from a literal takes the next input", 'd', 2, 0, FALSE, "12/45/678_" },
        { "delete the last", 'd', 9, 0, FALSE, "12/34/567_" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CXTMaskEdit edit;
        edit.SetEditMask("00/00/0000");
        edit.SetMaskedText("12/34/5678");
        edit.SetOverType(row.bOverType);
        if (row.op == 'p')
            edit.PutAt(row.nPos, row.ch);
        else
            edit.DeleteAt(row.nPos);
        EXPECT_EQ(std::string(row.expected), std::string(edit.GetMaskedText()));
    }
}

TEST(XTMaskEditTest, FindsInputPositionsBothWays)
{
    CXTMaskEdit edit;
    edit.SetEditMask("(00) 0");
    EXPECT_EQ(std::string("(__) _"), std::string(edit.GetLiteral()));
    struct Row { int nPos; BOOL bForward; BOOL bInclusive; BOOL bFound; int nResult; };
    const Row rows[] = {
        { 0, TRUE, TRUE, TRUE, 1 }, { 1, TRUE, TRUE, TRUE, 1 }, { 1, TRUE, FALSE, TRUE, 2 },
        { 2, TRUE, FALSE, TRUE, 5 }, { 5, TRUE, FALSE, FALSE, 5 }, { 4, FALSE, TRUE, TRUE, 2 },
        { 1, FALSE, FALSE, FALSE, 1 },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.nPos << (row.bForward ? " forward" : " back")
                                        << (row.bInclusive ? " inclusive" : ""));
        int nPos = row.nPos;
        EXPECT_EQ(row.bFound, edit.FindInputPosition(nPos, row.bForward, row.bInclusive));
        EXPECT_EQ(row.nResult, nPos);
    }
}

TEST_F(XTEditTest, MaskedTypingFillsInputPositionsAndBackspaceAtTheStartChangesNothing)
{
    CXTMaskEdit edit;
    edit.SetEditMask("00/00");
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 30), &m_parent, 3));
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_EQ(std::string("__/__"), std::string(strText));

    edit.SetSel(0, 0);
    edit.SendMessage(WM_KEYDOWN, VK_BACK);
    edit.GetWindowText(strText);
    EXPECT_EQ(std::string("__/__"), std::string(strText));

    for (char ch : std::string("1x23"))
        edit.SendMessage(WM_CHAR, (WPARAM)ch);
    edit.GetWindowText(strText);
    EXPECT_EQ(std::string("12/3_"), std::string(strText));
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(4, nStart);

    edit.SendMessage(WM_KEYDOWN, VK_BACK);
    edit.GetWindowText(strText);
    EXPECT_EQ(std::string("12/__"), std::string(strText));
}

TEST_F(XTEditTest, WithoutAMaskEveryCharacterCanBeTyped)
{
    CXTMaskEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 30), &m_parent, 3));
    for (char ch : std::string("a #$%&'(.b"))
        edit.SendMessage(WM_CHAR, (WPARAM)ch);
    edit.SendMessage(WM_CHAR, VK_BACK);
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_EQ(std::string("a #$%&'(."), std::string(strText));
}

} // namespace
