#include "editor/dialogs/SupportDlg.h"

#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/MailText.h"
#include "shared/support/Starter.h"

#include "editor/WizardIds.h"

IMPLEMENT_DYNAMIC(CSupportDlg, CDialog)

// void OnSendMail()
// void OnHelpPage()
BEGIN_MESSAGE_MAP(CSupportDlg, CDialog)
    ON_BN_CLICKED(IDC_SUPPORT_SEND, OnSendMail)
    ON_HELP_BUTTON(IDC_SUPPORT_HELP, OnHelpPage)
END_MESSAGE_MAP()

namespace {

const char kSupportAddress[] = "support@tarnix.example";

} // namespace

CSupportDlg::CSupportDlg(CWnd* pParentWnd) : CDialog(IDD_SUPPORT, pParentWnd) {}

CString CSupportDlg::BuildMailAddress() const
{
    CString body(m_strBody);
    ReplaceAllText(body, "\r\n", "%0d%0a", FALSE);
    EscapeMailText(body);
    ReplaceAllText(body, " ", "%20", FALSE);
    return CString("mailto:") + kSupportAddress + "?subject=" + m_strSubject + "&body=" + body + "%0d%0a";
}

void CSupportDlg::OnSendMail()
{
    // The details also go to the clipboard, when the dialog shows them.
    HWND hText = ::GetDlgItem(m_hWnd, IDC_SUPPORT_TEXT);
    if (hText != nullptr)
    {
        ::SendMessageA(hText, EM_SETSEL, 0, -1);
        ::SendMessageA(hText, EM_SCROLLCARET, 0, 0);
        ::SendMessageA(hText, WM_COPY, 0, 0);
    }
    CStarter starter;
    starter.ShellOpen(BuildMailAddress(), nullptr, FALSE);
}

void CSupportDlg::OnHelpPage()
{
    EditorServices().ShowHelpPage("support.htm");
}
