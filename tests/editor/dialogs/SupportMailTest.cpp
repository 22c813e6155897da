#include "editor/dialogs/MailText.h"
#include "editor/dialogs/SupportDlg.h"

#include "editor/WizardIds.h"

#include "DialogTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

using namespace dialog_tests;
using testing_support::ProgramStartRecorder;

namespace {

TEST(MailText, ReplacesEveryOccurrenceAndEndsOnReplacementsHoldingTheSearch)
{
    const struct
    {
        LPCSTR text;
        LPCSTR search;
        LPCSTR replacement;
        BOOL ignoreCase;
        LPCSTR expected;
    } cases[] = {
        { "Ärger ÄRGER", "ärger", "x", TRUE, "x x" },
        { "Ärger ÄRGER", "ärger", "x", FALSE, "Ärger ÄRGER" },
        { "aabb", "ab", "", FALSE, "" },  // from the start again after each replacement
        { "a b c", " ", "%20", FALSE, "a%20b%20c" },
        { "aa", "a", "aa", FALSE, "aaaa" },  // would never end when scanned from the start
        { "text", "", "x", FALSE, "text" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        CString text(c.text);
        ReplaceAllText(text, c.search, c.replacement, c.ignoreCase);
        EXPECT_EQ(CString(c.expected), text);
    }
}

TEST(MailText, EscapesUmlautsSharpSAndColonOnly)
{
    CString text("Größe: ÄÖÜ äöü 100% & ?");
    EscapeMailText(text);
    EXPECT_EQ(CString("Gr%F6%DFe%3A %C4%D6%DC %E4%F6%FC 100% & ?"), text);
}

TEST(SupportDlg, SendsTheEscapedBodyToTheMailProgram)
{
    FakeServices services;
    CSupportDlg dlg;
    dlg.m_strBody = "Größe: 5\r\nOK";
    dlg.m_strSubject = "Tarnix Editor 2.40";
    ProgramStartRecorder starts;
    ModalScript script([&](CDialog* pDlg) {
        Click(pDlg, IDC_SUPPORT_SEND);
        pDlg->SendMessage(WM_COMMAND, IDC_SUPPORT_HELP);
        Click(pDlg, IDOK);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_EQ(CString("open"), starts.Starts()[0].strOperation);
    EXPECT_EQ(CString("mailto:support@tarnix.example?subject=Tarnix Editor 2.40&body=Gr%F6%DFe%3A%205%0d%0aOK%0d%0a"),
              starts.Starts()[0].strFile);
    EXPECT_EQ(std::vector<std::string>({ "support.htm" }), services.helpPages);
}

} // namespace
