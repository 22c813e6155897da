#include "toolkit/controls/XTWindowList.h"

#include "toolkit/XTResource.h"

#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "helpers/TestSupport.h"
#include "toolkit/bars/XTTestAppKey.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

const UINT kAllButtons[] = { XT_IDC_BTN_ACTIVATE, IDOK, XT_IDC_BTN_SAVE, XT_IDC_BTN_CLOSEWINDOWS,
                             XT_IDC_BTN_CASCADE, XT_IDC_BTN_TILEHORZ, XT_IDC_BTN_TILEVERT, XT_IDC_BTN_MINIMIZE };

// Child frames delete themselves when their window goes.
class CTestChild : public CMDIChildWnd
{
};

class XTWindowListTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.Create(nullptr, "Main", WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, 500)));
        m_frame.ShowWindow(SW_SHOWNA);
    }
    void TearDown() override
    {
        if (::IsWindow(m_frame.m_hWnd))
            m_frame.DestroyWindow();
    }
    HWND AddChild(LPCSTR pszTitle)
    {
        CTestChild* pChild = new CTestChild;
        EXPECT_TRUE(pChild->Create(nullptr, pszTitle, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                   CRect(0, 0, 200, 150), &m_frame));
        pChild->ShowWindow(SW_SHOW);
        m_frame.MDIActivate(pChild);
        return pChild->m_hWnd;
    }
    // Runs the dialog; the check sees it initialised, then it is cancelled.
    void RunDialog(std::function<void(CXTWindowList&)> check)
    {
        CXTWindowList dlg(&m_frame);
        CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog*) {
            check(dlg);
            if (dlg.m_hWnd != nullptr)
                dlg.PostMessage(WM_COMMAND, IDCANCEL);
        });
        dlg.DoModal();
        CDialog::SetModalHook(previous);
    }
    static std::string EnabledButtons(CWnd& dlg)
    {
        std::string text;
        for (UINT nID : kAllButtons)
            text += ::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, (int)nID)) ? "1" : "0";
        return text;
    }
    static std::string Lines(CWnd& dlg)
    {
        std::string text;
        char sz[64];
        int nCount = (int)dlg.SendDlgItemMessage(XT_IDC_LBOX_WINDOWS, LB_GETCOUNT);
        for (int i = 0; i < nCount; ++i)
        {
            dlg.SendDlgItemMessage(XT_IDC_LBOX_WINDOWS, LB_GETTEXT, i, (LPARAM)sz);
            BOOL bSelected = dlg.SendDlgItemMessage(XT_IDC_LBOX_WINDOWS, LB_GETSEL, i) > 0;
            text += std::string(bSelected ? "*" : "") + sz + ";";
        }
        return text;
    }
    static void Select(CWnd& dlg, std::initializer_list<int> lines)
    {
        dlg.SendDlgItemMessage(XT_IDC_LBOX_WINDOWS, LB_SETSEL, FALSE, -1);
        for (int i : lines)
            dlg.SendDlgItemMessage(XT_IDC_LBOX_WINDOWS, LB_SETSEL, TRUE, i);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(XT_IDC_LBOX_WINDOWS, LBN_SELCHANGE),
                        (LPARAM)::GetDlgItem(dlg.m_hWnd, XT_IDC_LBOX_WINDOWS));
    }

    toolkit_test::AppKeyScope m_key { "TarnixWindowListTest", "Test" };
    CMDIFrameWnd m_frame;
};

TEST_F(XTWindowListTest, ListsTheChildrenOldestFirstWithTheActiveOneSelected)
{
    // Without children only OK is enabled.
    std::string lines, buttons;
    RunDialog([&](CXTWindowList& dlg) {
        lines = Lines(dlg);
        buttons = EnabledButtons(dlg);
    });
    EXPECT_EQ("", lines);
    EXPECT_EQ("01000000", buttons);

    AddChild("One");
    AddChild("Two");
    AddChild("Three");
    struct Row { const char* name; std::initializer_list<int> select; const char* buttons; };
    const Row rows[] = {
        { "none", {}, "01000000" },
        { "one", { 0 }, "11110001" },
        { "two", { 0, 2 }, "01111111" },
    };
    RunDialog([&](CXTWindowList& dlg) {
        lines = Lines(dlg);
        for (const Row& row : rows)
        {
            SCOPED_TRACE(row.name);
            Select(dlg, row.select);
            EXPECT_EQ(row.buttons, EnabledButtons(dlg));
        }
    });
    EXPECT_EQ("One;Two;*Three;", lines);
}

TEST_F(XTWindowListTest, TilingRestoresTheSelectedAndMinimisesTheOthers)
{
    HWND hOne = AddChild("One");
    HWND hTwo = AddChild("Two");
    HWND hThree = AddChild("Three");
    RunDialog([&](CXTWindowList& dlg) {
        Select(dlg, { 0, 2 });
        dlg.SendMessage(WM_COMMAND, XT_IDC_BTN_TILEVERT);
    });
    EXPECT_FALSE(::IsIconic(hOne));
    EXPECT_TRUE(::IsIconic(hTwo));
    EXPECT_FALSE(::IsIconic(hThree));
    // Tiled side by side: One and Three share the client's width.
    CRect rcOne, rcThree, rcClient;
    ::GetWindowRect(hOne, &rcOne);
    ::GetWindowRect(hThree, &rcThree);
    EXPECT_EQ(rcOne.top, rcThree.top);
    EXPECT_NE(rcOne.left, rcThree.left);
}

TEST_F(XTWindowListTest, ActivateBringsTheChildBackAndCloseClosesTheSelected)
{
    HWND hOne = AddChild("One");
    HWND hTwo = AddChild("Two");
    ::ShowWindow(hOne, SW_MINIMIZE);
    RunDialog([&](CXTWindowList& dlg) {
        Select(dlg, { 0 });
        dlg.SendMessage(WM_COMMAND, XT_IDC_BTN_ACTIVATE);
    });
    EXPECT_FALSE(::IsIconic(hOne));
    EXPECT_EQ(hOne, (HWND)::SendMessageA(m_frame.m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));

    std::string lines;
    RunDialog([&](CXTWindowList& dlg) {
        Select(dlg, { 0 });
        dlg.SendMessage(WM_COMMAND, XT_IDC_BTN_CLOSEWINDOWS);
        lines = Lines(dlg);
    });
    EXPECT_FALSE(::IsWindow(hTwo));
    EXPECT_EQ("*One;", lines);
}

} // namespace
