#include "framework/Afx.h"

#include "TestResources.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

using testing_support::MessageBoxRecorder;

namespace dialog_test {

class CNumberDlg : public CDialog
{
public:
    explicit CNumberDlg(CWnd* pParent = nullptr) : CDialog(IDD_NUMBER, pParent) {}
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

// The owner of a modal dialog hears each time the dialog falls idle that it
// waits for the user (the editor starts its background work on it), once the
// dialog is shown. Each notice arms one tick, so that every tick follows an
// idle turn however late a busy machine delivers it.
class CIdleOwnerWnd : public CTickWnd
{
public:
    std::vector<HWND> waiting;   // the dialog named by each notice

protected:
    void OnEnterIdle(UINT nWhy, CWnd* pWho)
    {
        EXPECT_EQ((UINT)MSGF_DIALOGBOX, nWhy);
        EXPECT_TRUE(pWho != nullptr && pWho->IsWindowVisible());
        waiting.push_back(pWho != nullptr ? pWho->m_hWnd : nullptr);
        SetTimer(1, 10, nullptr);
    }
    void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        // Timer 2 only ends a loop that stopped telling its owner.
        if (nIDEvent == 2)
            pDialogToEnd->EndDialog(IDCANCEL);
        else
            CTickWnd::OnTimer(nIDEvent);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleOwnerWnd, CTickWnd)
    ON_WM_ENTERIDLE()
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(ModalDialog, TheOwnerHearsThatTheShownDialogWaits)
{
    CIdleOwnerWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "Owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    CNumberDlg dlg(&owner);
    owner.pDialogToEnd = &dlg;
    HWND hDialog = nullptr;
    ModalScript script([&](CDialog* pDlg) {
        hDialog = pDlg->m_hWnd;
        EXPECT_TRUE(owner.waiting.empty());
        owner.SetTimer(2, 60000);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    owner.KillTimer(1);
    owner.KillTimer(2);
    // The first idle turn, and one after each tick but the last, which ends the loop.
    EXPECT_GE(owner.waiting.size(), 3u);
    for (HWND hWho : owner.waiting)
        EXPECT_EQ(hDialog, hWho);
}

} // namespace dialog_test

namespace dialog_template_test {

// A template written word by word, in the old or the extended layout.
class TemplateWriter
{
public:
    TemplateWriter(bool bExtended, bool bFont, int nItems) : m_bExtended(bExtended)
    {
        const DWORD dwStyle = WS_POPUP | (bFont ? DS_SETFONT : 0);
        if (bExtended)
        {
            Words({ 1, 0xFFFF });
            Dword(0);   // help id
            Dword(0);   // extended style
            Dword(dwStyle);
        }
        else
        {
            Dword(dwStyle);
            Dword(0);
        }
        Words({ (WORD)nItems, 0, 0, 100, 50 });
        Name("MENU");
        Words({ 0xFFFF, 0x8002 });   // the dialog's class by ordinal
        Name("Title");
        if (bFont)
        {
            Words({ 8 });
            if (bExtended)
                Words({ FW_NORMAL, 0 });
            Name("MS Shell Dlg");
        }
    }

    // An item of a class given by ordinal (the class string empty) or by name,
    // with some bytes of creation data.
    void Item(WORD nOrdinal, const char* pszClass, WORD nDataBytes = 0)
    {
        while (m_words.size() % 2 != 0)
            m_words.push_back(0);
        if (m_bExtended)
            Dword(0);   // help id
        Dword(WS_CHILD | WS_VISIBLE);
        Dword(0);
        Words({ 1, 2, 30, 10 });
        if (m_bExtended)
            Dword(7);
        else
            Words({ 7 });
        if (pszClass == nullptr)
            Words({ 0xFFFF, nOrdinal });
        else
            Name(pszClass);
        Name("text");
        Words({ nDataBytes });
        // Data words that would read as a class name if they were not skipped.
        for (int i = 0; i < (nDataBytes + 1) / 2; ++i)
            m_words.push_back('x');
    }

    LPCDLGTEMPLATEA Get() const { return reinterpret_cast<LPCDLGTEMPLATEA>(m_words.data()); }

private:
    void Words(std::initializer_list<WORD> words) { m_words.insert(m_words.end(), words); }
    void Dword(DWORD dw) { Words({ LOWORD(dw), HIWORD(dw) }); }
    void Name(const char* psz)
    {
        for (; *psz != '\0'; ++psz)
            m_words.push_back((WORD)*psz);
        m_words.push_back(0);
    }

    bool m_bExtended;
    std::vector<WORD> m_words;
};

// The player's dialogs hold only the system's controls and must not load the
// common controls; a template walked wrongly would either load them for
// nothing or miss a control that needs them.
TEST(DialogTemplate, TellsCommonControlsFromTheSystemsOwn)
{
    struct Item
    {
        WORD nOrdinal;
        const char* pszClass;
        WORD nDataBytes;
    };
    const struct
    {
        const char* pszCase;
        bool bExtended, bFont;
        std::vector<Item> items;
        bool bCommon;
    } cases[] = {
        { "extended, system ordinals", true, true, { { 0x80, nullptr, 0 }, { 0x82, nullptr, 0 } }, false },
        { "extended, a trackbar after a button", true, true,
          { { 0x80, nullptr, 0 }, { 0, "msctls_trackbar32", 0 } }, true },
        { "extended, system names in any case", true, false, { { 0, "Edit", 0 }, { 0, "STATIC", 0 } }, false },
        { "old, creation data skipped", false, false, { { 0x80, nullptr, 6 }, { 0, "SysAnimate32", 0 } }, true },
        { "old, odd creation data", false, true, { { 0x85, nullptr, 3 }, { 0, "button", 0 } }, false },
        { "old, an unknown ordinal", false, true, { { 0x81, nullptr, 0 }, { 0x90, nullptr, 0 } }, true },
        { "no items", true, true, {}, false },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszCase);
        TemplateWriter writer(c.bExtended, c.bFont, (int)c.items.size());
        for (const Item& item : c.items)
            writer.Item(item.nOrdinal, item.pszClass, item.nDataBytes);
        EXPECT_EQ(c.bCommon, AfxTemplateHoldsCommonControls(writer.Get()));
    }
}

} // namespace dialog_template_test
