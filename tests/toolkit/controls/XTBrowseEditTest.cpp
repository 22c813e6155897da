#include "toolkit/controls/XTBrowseBtn.h"
#include "toolkit/controls/XTBrowseDialog.h"
#include "toolkit/controls/XTBrowseEdit.h"

#include "toolkit/XTResource.h"

#include "framework/FileDialog.h"
#include "helpers/TestSupport.h"
#include "toolkit/controls/XTPrintGeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::CommonDialogScript;

std::string TextOf(CWnd& wnd)
{
    CString str;
    wnd.GetWindowText(str);
    return std::string(str);
}

// Records the selection and status texts the folder browser's callback sends.
class CBrowserStandIn : public CWnd
{
public:
    std::vector<std::string> selections;
    std::vector<std::string> statusTexts;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == BFFM_SETSELECTIONA)
            selections.push_back(reinterpret_cast<LPCSTR>(lParam));
        else if (message == BFFM_SETSTATUSTEXTA)
            statusTexts.push_back(reinterpret_cast<LPCSTR>(lParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class XTBrowseEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "Browse", WS_POPUP | WS_VISIBLE, 100, 100, 400, 100, nullptr,
                                      nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    void CreateEdit(DWORD dwBStyle)
    {
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 210, 32), &m_parent, 7));
        m_edit.SetBrowseStyle(dwBStyle);
        testing_support::PumpPendingMessages();
    }

    CWnd m_parent;
    CXTBrowseEdit m_edit;
};

TEST_F(XTBrowseEditTest, ButtonStaysGluedToTheRightOfTheEdit)
{
    CreateEdit(BES_XT_CHOOSEDIR);
    CXTBrowseBtn* pButton = m_edit.GetBrowseButton();
    ASSERT_NE(nullptr, pButton);
    const int nGap = CXTBrowseEdit::GetButtonGap(), cxButton = CXTBrowseEdit::GetButtonWidth();
    struct Row { const char* name; CRect rcGiven; };
    const Row rows[] = { { "created", CRect(10, 10, 210, 32) }, { "wider and lower", CRect(20, 40, 320, 70) } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_edit.MoveWindow(&row.rcGiven);
        CRect rcEdit(row.rcGiven.left, row.rcGiven.top, row.rcGiven.right - nGap - cxButton, row.rcGiven.bottom);
        EXPECT_GEOMETRY_EQ(rcEdit, RectInParent(&m_edit));
        EXPECT_GEOMETRY_EQ(CRect(rcEdit.right + nGap, rcEdit.top, row.rcGiven.right, rcEdit.bottom),
                           RectInParent(pButton));
    }
    EXPECT_EQ(std::string("..."), TextOf(*pButton));
    // Next in the tab order.
    EXPECT_EQ(pButton->m_hWnd, ::GetWindow(m_edit.m_hWnd, GW_HWNDNEXT));
}

TEST_F(XTBrowseEditTest, DisablingOrHidingTheEditDoesTheSameToItsButton)
{
    CreateEdit(BES_XT_CHOOSEFILE);
    CXTBrowseBtn* pButton = m_edit.GetBrowseButton();
    ASSERT_NE(nullptr, pButton);
    m_edit.EnableWindow(FALSE);
    EXPECT_FALSE(pButton->IsWindowEnabled());
    m_edit.EnableWindow(TRUE);
    EXPECT_TRUE(pButton->IsWindowEnabled());
    m_edit.ShowWindow(SW_HIDE);
    EXPECT_FALSE(pButton->IsWindowVisible());
}

TEST_F(XTBrowseEditTest, NoBrowseStyleMakesNoButtonAndBrowsesNothing)
{
    CreateEdit(0);
    EXPECT_EQ(nullptr, m_edit.GetBrowseButton());
    CommonDialogScript script;
    m_edit.Browse();
    EXPECT_TRUE(script.Asked().empty());
}

TEST_F(XTBrowseEditTest, ChosenFolderOrFileFillsTheEditAndCancelKeepsTheText)
{
    struct Row { const char* name; DWORD dwBStyle; INT_PTR nAnswer; const char* expected; };
    const Row rows[] = {
        { "folder chosen", BES_XT_CHOOSEDIR, IDOK, "C:\\Chosen" },
        { "folder cancelled", BES_XT_CHOOSEDIR, IDCANCEL, "C:\\Start" },
        { "file chosen", BES_XT_CHOOSEFILE, IDOK, "C:\\Chosen\\file.txt" },
        { "file cancelled", BES_XT_CHOOSEFILE, IDCANCEL, "C:\\Start" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CreateEdit(row.dwBStyle);
        m_edit.SetWindowText("C:\\Start");
        CommonDialogScript script;
        CString strStartPath;
        if (row.dwBStyle == BES_XT_CHOOSEFILE && row.nAnswer == IDOK)
            script.AnswerFile("C:\\Chosen\\file.txt");
        else
            script.Answer(row.nAnswer, [&](CCommonDialog* pDlg) {
                if (CXTBrowseDialog* pBrowse = dynamic_cast<CXTBrowseDialog*>(pDlg))
                {
                    strStartPath = pBrowse->GetSelPath();
                    pBrowse->SetSelPath("C:\\Chosen");
                }
            });
        // The button's click runs the browse.
        CXTBrowseBtn* pButton = m_edit.GetBrowseButton();
        ASSERT_NE(nullptr, pButton);
        pButton->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        pButton->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        ASSERT_EQ(1u, script.Asked().size());
        EXPECT_EQ(std::string(row.dwBStyle == BES_XT_CHOOSEDIR ? "CXTBrowseDialog" : "CFileDialog"),
                  std::string(script.Asked()[0]));
        if (row.dwBStyle == BES_XT_CHOOSEDIR)
            EXPECT_EQ(std::string("C:\\Start"), std::string(strStartPath));
        EXPECT_EQ(std::string(row.expected), TextOf(m_edit));
        m_edit.DestroyWindow();
    }
}

TEST(XTBrowseDialogTest, OpensOnThePathOrTheCurrentFolder)
{
    char szCurrent[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof(szCurrent), szCurrent);
    struct Row { const char* name; const char* path; std::string expected; };
    const Row rows[] = { { "path", "C:\\windows", "C:\\windows" }, { "empty", "", szCurrent } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CBrowserStandIn browser;
        ASSERT_TRUE(browser.CreateEx(0, nullptr, "Browser", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
        CXTBrowseDialog dlg;
        dlg.SetSelPath(row.path);
        CXTBrowseDialog::BrowseCallbackProc(browser.m_hWnd, BFFM_INITIALIZED, 0, dlg.m_bi.lParam);
        ASSERT_EQ(1u, browser.selections.size());
        EXPECT_EQ(row.expected, browser.selections[0]);
        browser.DestroyWindow();
    }
}

TEST(XTBrowseDialogTest, RunAnswersOneForAChosenFolderAndTwoOtherwise)
{
    CommonDialogScript script;
    script.Answer(IDOK, [](CCommonDialog* pDlg) { static_cast<CXTBrowseDialog*>(pDlg)->SetSelPath("C:\\Here"); });
    script.Answer(IDCANCEL);
    CXTBrowseDialog dlg;
    EXPECT_EQ(1, dlg.Run());
    EXPECT_EQ(std::string("C:\\Here"), std::string(dlg.GetSelPath()));
    EXPECT_EQ(2, dlg.Run());
}

} // namespace
