#include "framework/Afx.h"

#include "TestResources.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using testing_support::MessageBoxRecorder;

namespace dialog_test {

class CNumberDlg : public CDialog
{
public:
    CNumberDlg() : CDialog(IDD_NUMBER) {}
    int m_nNumber = 5;
    CString m_strName = "Tarnix";
    int nPreTranslatedKeys = 0;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_NUMBER, m_nNumber);
        DDV_MinMaxInt(pDX, m_nNumber, 1, 27);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 8);
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == 'Q')
        {
            ++nPreTranslatedKeys;
            return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }
};

// Installs a modal hook for one test; each step runs at the dialog's next idle.
class ModalScript
{
public:
    explicit ModalScript(std::function<void(CDialog*)> onInit)
    {
        m_previous = CDialog::SetModalHook(std::move(onInit));
    }
    ~ModalScript() { CDialog::SetModalHook(m_previous); }

private:
    CDialog::ModalHook m_previous;
};

void PressOK(CDialog* pDlg)
{
    pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(pDlg->m_hWnd, IDOK));
}

TEST(ModalDialog, ShowsMembersAndRefusesABadNumber)
{
    MessageBoxRecorder boxes;
    CNumberDlg dlg;
    int attempts = 0;
    CString shownNumber;
    ModalScript script([&](CDialog* pDlg) {
        pDlg->GetDlgItemText(IDC_NUMBER, shownNumber);
        // Not a number: refused, the dialog stays and the focus is on the field.
        pDlg->SetDlgItemText(IDC_NUMBER, "12a");
        PressOK(pDlg);
        ++attempts;
        EXPECT_TRUE(::IsWindow(pDlg->m_hWnd));
        EXPECT_EQ(::GetDlgItem(pDlg->m_hWnd, IDC_NUMBER), ::GetFocus());
        // Out of range: refused with the range message.
        pDlg->SetDlgItemText(IDC_NUMBER, "28");
        PressOK(pDlg);
        ++attempts;
        // Good: accepted.
        pDlg->SetDlgItemText(IDC_NUMBER, " 27 ");
        PressOK(pDlg);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString("5"), shownNumber);
    EXPECT_EQ(2, attempts);
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_EQ(CString("Geben Sie bitte eine ganze Zahl ein."), boxes.Boxes()[0].strText);
    EXPECT_EQ(CString("Geben Sie bitte eine ganze Zahl zwischen 1 und 27 ein."), boxes.Boxes()[1].strText);
    EXPECT_EQ(27, dlg.m_nNumber);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(ModalDialog, CancelKeepsTheMembers)
{
    CNumberDlg dlg;
    ModalScript script([](CDialog* pDlg) {
        pDlg->SetDlgItemText(IDC_NUMBER, "9");
        pDlg->SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(5, dlg.m_nNumber);
}

TEST(ModalDialog, AMissingTemplateFails)
{
    CDialog dlg(4711);
    EXPECT_EQ(-1, dlg.DoModal());
}

// A modeless window with a timer; its third tick ends the modal dialog.
class CTickWnd : public CWnd
{
public:
    int nTicks = 0;
    CDialog* pDialogToEnd = nullptr;

protected:
    void OnTimer(UINT_PTR)
    {
        if (++nTicks == 3 && pDialogToEnd != nullptr)
            pDialogToEnd->EndDialog(IDCANCEL);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTickWnd, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(ModalDialog, ModelessWindowsKeepRunningAndKeysAreWalkedToTheDialog)
{
    CTickWnd ticker;
    ASSERT_TRUE(ticker.CreateEx(0, nullptr, "Ticker", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    CNumberDlg dlg;
    ticker.pDialogToEnd = &dlg;
    ModalScript script([&](CDialog* pDlg) {
        // A key sent to the OK button is offered to the dialog on its way up.
        ::PostMessageA(::GetDlgItem(pDlg->m_hWnd, IDOK), WM_KEYDOWN, 'Q', 0);
        ticker.SetTimer(1, 10);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(3, ticker.nTicks);
    EXPECT_EQ(1, dlg.nPreTranslatedKeys);
    ticker.KillTimer(1);
}

} // namespace dialog_test
