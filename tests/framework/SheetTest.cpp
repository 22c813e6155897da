// Property sheets and wizards run by the framework's modal loop: page
// notifications, refusal, OK on the pages that were made, wizard jumps.
#include "framework/Afx.h"

#include "TestResources.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testing_support::MessageBoxRecorder;

namespace sheet_test {

std::vector<std::string> g_events;

class CNumberPage : public CPropertyPage
{
public:
    CNumberPage(UINT nIDTemplate, int nIndex) : CPropertyPage(nIDTemplate), m_nIndex(nIndex)
    {
        m_psp.dwFlags |= PSP_HASHELP;
    }
    int m_nNumber = 1;
    LRESULT m_nextAnswer = 0;
    LRESULT m_backAnswer = 0;
    DWORD m_dwButtons = 0;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_PAGENUMBER, m_nNumber);
        DDV_MinMaxInt(pDX, m_nNumber, 1, 10);
    }
    BOOL OnSetActive() override
    {
        Log("set active");
        if (m_dwButtons != 0)
            static_cast<CPropertySheet*>(GetParent())->SetWizardButtons(m_dwButtons);
        return CPropertyPage::OnSetActive();
    }
    void OnOK() override { Log("ok"); }
    LRESULT OnWizardNext() override { return m_nextAnswer; }
    LRESULT OnWizardBack() override { return m_backAnswer; }

protected:
    void Log(const char* what) { g_events.push_back("page " + std::to_string(m_nIndex) + " " + what); }
    void OnHelpCommand() { Log("help"); }
    void OnOuterCommand() { Log("command 143"); }
    int m_nIndex;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNumberPage, CPropertyPage)
    ON_COMMAND(ID_HELP, OnHelpCommand)
    ON_COMMAND(143, OnOuterCommand)
END_MESSAGE_MAP()

class ModalScript
{
public:
    explicit ModalScript(CDialog::ModalHook hook) { m_previous = CDialog::SetModalHook(std::move(hook)); }
    ~ModalScript() { CDialog::SetModalHook(m_previous); }

private:
    CDialog::ModalHook m_previous;
};

// Clicks a button of the sheet as the mouse would.
void Click(CWnd* pSheet, int nID)
{
    pSheet->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(pSheet->m_hWnd, nID));
}

std::vector<std::string> Events(std::initializer_list<const char*> list)
{
    return std::vector<std::string>(list.begin(), list.end());
}

TEST(Sheet, RefusesABadNumberAndCallsOKOnTheVisitedPagesOnly)
{
    MessageBoxRecorder boxes;
    CNumberPage page1(IDD_PAGE1, 1), page2(IDD_PAGE2, 2), page3(IDD_PAGE3, 3);
    CPropertySheet sheet("Eigenschaften");
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    sheet.AddPage(&page3);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW | PSH_HASHELP;
    sheet.SetActivePage(1);
    EXPECT_EQ(&page2, sheet.GetActivePage());
    g_events.clear();

    int nActiveAtStart = -1;
    int nIndexAfterRefusal = -1;
    BOOL bApplyShown = TRUE;
    BOOL bHelpShown = FALSE;
    ModalScript script([&](CDialog* pDlg) {
        CPropertySheet* pSheet = dynamic_cast<CPropertySheet*>(pDlg);
        ASSERT_EQ(&sheet, pSheet);
        nActiveAtStart = pSheet->GetActiveIndex();
        bApplyShown = ::IsWindowVisible(::GetDlgItem(pSheet->m_hWnd, ID_APPLY_NOW));
        bHelpShown = ::IsWindowVisible(::GetDlgItem(pSheet->m_hWnd, IDHELP));
        // A bad number keeps the page.
        ASSERT_EQ(&page2, CWnd::FromHandlePermanent(page2.m_hWnd));
        page2.SetDlgItemText(IDC_PAGENUMBER, "99");
        pSheet->SetActivePage(0);
        nIndexAfterRefusal = pSheet->GetActiveIndex();
        page2.SetDlgItemText(IDC_PAGENUMBER, "7");
        pSheet->SetActivePage(0);
        pSheet->SetActivePage(&page2);   // a later activation is told too
        // The active page takes commands while the sheet runs; help reaches it as ID_HELP.
        pSheet->GetActivePage()->SendMessage(WM_COMMAND, 143);
        Click(pSheet, IDHELP);
        Click(pSheet, IDOK);
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ(1, nActiveAtStart);
    EXPECT_EQ(1, nIndexAfterRefusal);
    EXPECT_FALSE(bApplyShown);
    EXPECT_TRUE(bHelpShown);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(CString("Geben Sie bitte eine ganze Zahl zwischen 1 und 10 ein."), boxes.Last().strText);
    EXPECT_EQ(7, page2.m_nNumber);
    EXPECT_EQ(1, page3.m_nNumber);
    EXPECT_EQ(Events({ "page 2 set active", "page 1 set active", "page 2 set active", "page 2 command 143",
                       "page 2 help", "page 1 ok", "page 2 ok" }),
              g_events);
    EXPECT_EQ(nullptr, sheet.m_hWnd);
    EXPECT_EQ(nullptr, page1.m_hWnd);
}

TEST(Sheet, TheCloseBoxCancelsAndGivesTheOwnerBack)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "Besitzer", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    CNumberPage page1(IDD_PAGE1, 1), page2(IDD_PAGE2, 2);
    CPropertySheet sheet("Eigenschaften", &owner);
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    g_events.clear();
    BOOL bOwnerDisabled = FALSE;
    HWND hOwnerSeen = nullptr;
    ModalScript script([&](CDialog* pDlg) {
        bOwnerDisabled = !owner.IsWindowEnabled();
        hOwnerSeen = ::GetWindow(pDlg->m_hWnd, GW_OWNER);
        page1.SetDlgItemText(IDC_PAGENUMBER, "4");
        pDlg->PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_TRUE(bOwnerDisabled);
    EXPECT_EQ(owner.m_hWnd, hOwnerSeen);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(1, page1.m_nNumber);
    EXPECT_EQ(Events({ "page 1 set active" }), g_events);
}

TEST(Wizard, JumpsByTemplateIdAndFinishes)
{
    std::vector<CNumberPage*> pages;
    CPropertySheet wizard("Assistent");
    for (int i = 0; i < 6; ++i)
    {
        pages.push_back(new CNumberPage(IDD_PAGE1 + i, i + 1));
        wizard.AddPage(pages.back());
    }
    wizard.m_psh.dwFlags |= PSH_WIZARD | PSH_WIZARDHASFINISH;
    pages[0]->m_dwButtons = PSWIZB_NEXT;
    pages[1]->m_dwButtons = PSWIZB_BACK | PSWIZB_NEXT;
    pages[2]->m_nextAnswer = IDD_PAGE6;   // from page 3 straight to page 6...
    pages[5]->m_backAnswer = IDD_PAGE3;   // ...and back
    std::vector<int> visited;
    BOOL bBackOnFirst = TRUE, bBackOnSecond = FALSE;
    ModalScript script([&](CDialog* pDlg) {
        CPropertySheet* pSheet = static_cast<CPropertySheet*>(pDlg);
        visited.push_back(pSheet->GetActiveIndex());
        bBackOnFirst = ::IsWindowEnabled(::GetDlgItem(pSheet->m_hWnd, ID_WIZBACK));
        Click(pSheet, ID_WIZNEXT);
        visited.push_back(pSheet->GetActiveIndex());
        bBackOnSecond = ::IsWindowEnabled(::GetDlgItem(pSheet->m_hWnd, ID_WIZBACK));
        // Page 2 refuses once.
        pages[1]->m_nextAnswer = -1;
        Click(pSheet, ID_WIZNEXT);
        visited.push_back(pSheet->GetActiveIndex());
        pages[1]->m_nextAnswer = 0;
        Click(pSheet, ID_WIZNEXT);
        visited.push_back(pSheet->GetActiveIndex());
        Click(pSheet, ID_WIZNEXT);
        visited.push_back(pSheet->GetActiveIndex());
        Click(pSheet, ID_WIZBACK);
        visited.push_back(pSheet->GetActiveIndex());
        Click(pSheet, ID_WIZNEXT);
        visited.push_back(pSheet->GetActiveIndex());
        pSheet->SendMessage(PSM_PRESSBUTTON, PSBTN_FINISH);
    });
    EXPECT_EQ(ID_WIZFINISH, wizard.DoModal());
    EXPECT_EQ(12325, ID_WIZFINISH);
    EXPECT_EQ(std::vector<int>({ 0, 1, 1, 2, 5, 2, 5 }), visited);
    EXPECT_FALSE(bBackOnFirst);
    EXPECT_TRUE(bBackOnSecond);
    for (CNumberPage* p : pages)
        delete p;
}

} // namespace sheet_test
