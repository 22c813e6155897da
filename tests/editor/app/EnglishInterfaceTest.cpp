// The editor's words in either language, through the resource module that
// start-up chooses from SETTINGS/LANGUAGE and the real library beside the
// tests: the Start Center (its words and pictures), the main menu, the button
// sheet and a message box; and what the library lacks still comes from the
// editor's German resources.
#include "editor/app/TarnixEdApp.h"

#include "EditorTesting.h"
#include "editor/dialogs/ButtonPropSheet.h"
#include "editor/dialogs/StartCenterDlg.h"
#include "framework/Document.h"
#include "framework/Menu.h"

#include "editor/DialogIds.h"
#include "editor/resource.h"

#include <commctrl.h>

#include <string>
#include <vector>

using editor_testing::App;
using editor_testing::FreshRegistry;
using editor_testing::LanguageScope;
using editor_testing::ModalAnswers;
using editor_testing::Text;
using testing_support::MessageBoxRecorder;
using testing_support::ProgramFolder;
using testing_support::ReadFileText;
using testing_support::TempFolder;

namespace {

std::string ItemText(CDialog* pDlg, int nID)
{
    char text[200] = "";
    ::GetDlgItemTextA(pDlg->GetSafeHwnd(), nID, text, sizeof(text));
    return text;
}

struct Words
{
    std::string startTitle, menu, tabs, label, box, savePrompt;
    int nStartImages = 0;
};

// What the user reads in each place, with the interface as start-up chose it.
Words ReadTheWords()
{
    Words words;
    {
        ModalAnswers answers;
        answers.Then([&](CDialog* pDlg) {
            words.startTitle = ItemText(pDlg, IDC_START_TITLE);
            for (int nID : { IDC_START_NEW, IDC_START_OPEN, IDC_START_EXIT })
                words.nStartImages += pDlg->SendDlgItemMessage(nID, BM_GETIMAGE, IMAGE_ICON, 0) != 0;
            words.nStartImages += pDlg->SendDlgItemMessage(IDCANCEL, BM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
            pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        CStartCenterDlg dlg;
        dlg.DoModal();
    }
    HMENU hMenu = ::LoadMenuA(AfxFindResourceHandle(MAKEINTRESOURCEA(IDR_TARNIXTYPE), RT_MENU),
                              MAKEINTRESOURCEA(IDR_TARNIXTYPE));
    for (int i = 0; hMenu != nullptr && i < ::GetMenuItemCount(hMenu); ++i)
    {
        char text[100] = "";
        ::GetMenuStringA(hMenu, i, text, sizeof(text), MF_BYPOSITION);
        words.menu += std::string(text) + "|";
    }
    if (hMenu != nullptr)
        ::DestroyMenu(hMenu);
    {
        ModalAnswers answers;
        answers.Then([&](CDialog* pDlg) {
            HWND hTab = (HWND)pDlg->SendMessage(PSM_GETTABCONTROL, 0, 0);
            for (int i = 0; hTab != nullptr && i < TabCtrl_GetItemCount(hTab); ++i)
            {
                char text[100] = "";
                TCITEMA item = {};
                item.mask = TCIF_TEXT;
                item.pszText = text;
                item.cchTextMax = sizeof(text);
                ::SendMessageA(hTab, TCM_GETITEMA, i, (LPARAM)&item);
                words.tabs += std::string(text) + "|";
            }
            CWnd* pPage = static_cast<CButtonPropSheet*>(pDlg)->GetActivePage();
            HWND hLabel = pPage ? ::GetWindow(pPage->GetSafeHwnd(), GW_CHILD) : nullptr;
            char label[100] = "";
            if (hLabel != nullptr)
                ::GetWindowTextA(hLabel, label, sizeof(label));
            words.label = label;
            pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        CButtonPropSheet sheet("Button");
        sheet.DoModal();
    }
    MessageBoxRecorder boxes;
    App().OpenProjectFile("menu.txt");
    if (boxes.Count() == 1)
        words.box = Text(boxes.Last().strText);
    // The framework's own question, asked when a changed page closes.
    CDocument page;
    page.SetTitle("Velconf.ini");
    page.SetModifiedFlag(TRUE);
    boxes.Answer(IDNO);
    page.SaveModified();
    if (boxes.Count() == 2)
        words.savePrompt = Text(boxes.Last().strText);
    return words;
}

} // namespace

// A library with none of the editor's resources (the player) still loads; the
// editor's German menu, dialogs and strings stand in for each item.
TEST(EnglishInterfaceTest, TheChosenLanguageSpeaksEverywhere)
{
    const Words german = { "Willkommen im Tarnix Start Center",
                           "&Projekt|&Bearbeiten|&Objekte|Seite|Seiten|Stile|Editor|Extras|",
                           "Text|Position, Stil|Verknüpfung|", "Beschriftung:",
                           "FEHLER !\n\nEs sind nur Dateien vom Type INI möglich !\n\n",
                           "Änderungen in Velconf.ini speichern?" };
    struct Row { LPCSTR pszLanguage; bool bPlayerAsLibrary; Words expected; } rows[] = {
        { "English", false,
          { "Welcome to the Tarnix Start Center",
            "&Project|&Edit|&Objects|Page|Pages|Styles|Editor|Tools|", "Text|Position, Style|Link|",
            "Caption:", "ERROR !\n\nOnly files of type INI can be used !\n\n", "Save changes to Velconf.ini?" } },
        { "German", false, german },
        { "English", true, german },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::string(row.pszLanguage) + (row.bPlayerAsLibrary ? " from the player" : ""));
        FreshRegistry registry;
        TempFolder folder;
        LanguageScope scope;
        if (row.bPlayerAsLibrary)
            folder.Write("tarnix_english.dll", ReadFileText(ProgramFolder() + "\\Tarnix.exe"));
        App().WriteProfileString("SETTINGS", "LANGUAGE", row.pszLanguage);
        App().LoadInterfaceLanguage(row.bPlayerAsLibrary ? folder.Path() : ProgramFolder());
        EXPECT_EQ(row.pszLanguage[0] == 'E', App().m_hLanguageLib != nullptr);
        Words words = ReadTheWords();
        EXPECT_EQ(row.expected.startTitle, words.startTitle);
        EXPECT_EQ(0u, words.menu.find(row.expected.menu)) << words.menu;
        EXPECT_EQ(row.expected.tabs, words.tabs);
        EXPECT_EQ(row.expected.label, words.label);
        EXPECT_EQ(row.expected.box, words.box);
        EXPECT_EQ(row.expected.savePrompt, words.savePrompt);
        EXPECT_EQ(4, words.nStartImages);
    }
}

TEST(EnglishInterfaceTest, TheLanguageCommandTakesEffectAtTheNextStart)
{
    FreshRegistry registry;
    LanguageScope scope;
    App().WriteProfileString("SETTINGS", "LANGUAGE", "German");
    App().LoadInterfaceLanguage(ProgramFolder());
    ASSERT_EQ(nullptr, App().m_hLanguageLib);
    ModalAnswers answers;
    answers.Then([](CDialog* pDlg) {
        pDlg->CheckRadioButton(IDC_LANG_ENGLISH, IDC_LANG_GERMAN, IDC_LANG_ENGLISH);
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    MessageBoxRecorder boxes;
    App().OnCmdMsg(ID_EDITOR_LANGUAGE, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ("English", Text(App().GetProfileString("SETTINGS", "LANGUAGE", "")));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("Die Einstellung wird erst nach einem Neustart des Programmes wirksam.\n\n"
              "The settings take effect after program restart. ",
              Text(boxes.Last().strText));
    // Still German in this run; the next start reads the registry.
    EXPECT_EQ(nullptr, App().m_hLanguageLib);
    App().LoadInterfaceLanguage(ProgramFolder());
    EXPECT_NE(nullptr, App().m_hLanguageLib);
    EXPECT_EQ("Welcome to the Tarnix Start Center", ReadTheWords().startTitle);
}

// A page another program wrote is refused with the reason: the VERSION line
// found (or that there is none) and the one the editor expects.
TEST(EnglishInterfaceTest, AForeignPageIsRefusedWithItsVersionLineInTheInterfaceLanguage)
{
    TempFolder folder;
    const CString foreign = folder.Write("fremd.ini", testing_support::Lines({ "[Tarnix]", "VERSION=2.1 Tarnix", " " }));
    const CString headless = folder.Write("ohne.ini", testing_support::Lines({ "[WINDOW]", "TITLE=Seite", " " }));
    const struct
    {
        LPCSTR pszLanguage;
        CString path;
        std::vector<std::string> named;
    } rows[] = {
        { "German", foreign, { "Ungültige Projektdatei", "Gefunden:\tVERSION=2.1 Tarnix\n",
                               "Erwartet:\tVERSION=Tarnix Editor ..." } },
        { "German", headless, { "Gefunden:\tkeine Zeile VERSION im Abschnitt [Tarnix]" } },
        { "English", foreign, { "Invalid project file", "Found:\tVERSION=2.1 Tarnix\n",
                                "Expected:\tVERSION=Tarnix Editor ..." } },
        { "English", headless, { "Found:\tno VERSION line in the section [Tarnix]" } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(std::string(row.pszLanguage) + " " + (LPCSTR)row.path);
        FreshRegistry registry;
        LanguageScope scope;
        App().WriteProfileString("SETTINGS", "LANGUAGE", row.pszLanguage);
        App().LoadInterfaceLanguage(ProgramFolder());
        MessageBoxRecorder boxes;
        EXPECT_FALSE(App().OpenProjectFile(row.path));
        ASSERT_EQ(1u, boxes.Count());
        const std::string text = Text(boxes.Last().strText);
        for (const std::string& named : row.named)
            EXPECT_NE(std::string::npos, text.find(named)) << text;
        EXPECT_NE(std::string::npos, text.find(Text(row.path))) << text;
    }
}
