// F1 pressed by a user in a shown dialog or property sheet: it asks for the
// help that the dialog's Help button asks for.
#include "editor/dialogs/ButtonPropSheet.h"
#include "editor/dialogs/TitleBarDlg.h"
#include "editor/dialogs/ViewerOptionsDlg.h"

#include "DialogTestSupport.h"

#include <atomic>
#include <memory>
#include <thread>

using namespace dialog_tests;

namespace {

// Services that also tell another thread how often help was asked.
class HelpCounter : public FakeServices
{
public:
    void ShowHelpPage(LPCSTR lpszPage) override
    {
        FakeServices::ShowHelpPage(lpszPage);
        ++nAsked;
    }
    std::atomic<int> nAsked{ 0 };
};

// Waits, a few seconds at most, until the condition holds.
bool WaitFor(const std::function<bool()>& condition)
{
    for (int i = 0; i < 1000 && !condition(); ++i)
        ::Sleep(10);
    return condition();
}

void SendKey(WORD wVk)
{
    INPUT keys[2] = {};
    for (INPUT& key : keys)
    {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = wVk;
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, keys, sizeof(INPUT));
}

// Runs the dialog in its own modal loop while another thread, as a user's
// hand, presses F1 once the dialog is shown and active, waits for the help
// to be asked and then ends the dialog. TRUE when the dialog was shown.
BOOL PressF1In(CDialog& dlg, HelpCounter& services)
{
    std::unique_ptr<std::thread> hand;
    std::atomic<bool> bShown{ false };
    ModalScript script([&](CDialog* pDlg) {
        const HWND hDlg = pDlg->m_hWnd;
        hand.reset(new std::thread([&, hDlg] {
            bShown = WaitFor([hDlg] { return ::IsWindowVisible(hDlg) && ::GetForegroundWindow() == hDlg; });
            if (bShown)
            {
                SendKey(VK_F1);
                WaitFor([&] { return services.nAsked > 0; });
            }
            ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }));
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    if (hand)
        hand->join();
    return bShown;
}

TEST(HelpKey, F1AsksForTheHelpOfTheDialogsHelpButton)
{
    const struct
    {
        LPCSTR name;
        std::function<std::unique_ptr<CDialog>()> make;
        LPCSTR page;
    } cases[] = {
        { "title bar dialog", [] { return std::unique_ptr<CDialog>(new CTitleBarDlg); }, "hilfe_titel.htm" },
        { "viewer options", [] { return std::unique_ptr<CDialog>(new CViewerOptionsDlg); }, "scrollet.htm" },
        { "button sheet", [] { return std::unique_ptr<CDialog>(new CButtonPropSheet("Button")); },
          "hilfe_button.htm" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        HelpCounter services;
        std::unique_ptr<CDialog> pDlg = c.make();
        ASSERT_TRUE(PressF1In(*pDlg, services)) << "the dialog was not shown and active";
        EXPECT_EQ(std::vector<std::string>{ c.page }, services.helpPages);
    }
}

} // namespace
