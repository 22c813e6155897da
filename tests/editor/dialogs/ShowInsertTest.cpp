#include "editor/dialogs/FolderBrowserTree.h"
#include "editor/dialogs/ListboxWizard.h"
#include "editor/dialogs/LumivaneMissingDlg.h"
#include "editor/dialogs/LumivaneSheet.h"
#include "editor/dialogs/LumivaneTipDlg.h"
#include "editor/dialogs/ShowInsert.h"

#include "editor/WizardIds.h"
#include "editor/resource.h"
#include "framework/Ids.h"

#include "DialogTestSupport.h"
#include "PelmoraRegistry.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

using namespace dialog_tests;
using namespace dialog_tests::wizard;
using testing_support::CommonDialogScript;
using testing_support::MessageBoxRecorder;
using testing_support::ProgramStartRecorder;
using testing_support::ReadFileText;
using testing_support::TempFolder;

namespace {

// Installed programs in a folder of their own and a project with a show folder.
struct ShowFixture
{
    TempFolder programs;
    TempFolder project;
    PelmoraRegistry registry;
    FakeServices services;
    CString player, authoring, showFolder;

    ShowFixture()
    {
        player = programs.Write("Lumivane.exe", "player");
        authoring = programs.Write("Pelmora.exe", "authoring");
        showFolder = project.File("Urlaub");
        project.Write("Urlaub\\bild.jpg", "jpg");
        registry.Set("122", player, authoring);
        services.projectFolder = project.Path();
    }
    CString SettingsFile() const { return showFolder + "\\LumivaneShow01.ini"; }
};

TEST(ShowInsert, TheProgramsCountFromVersion122WithBothFilesReadable)
{
    TempFolder programs;
    const CString player = programs.Write("Lumivane.exe", "player");
    const CString authoring = programs.Write("Pelmora.exe", "authoring");
    const CString missing = programs.File("Fehlt.exe");
    PelmoraRegistry registry;
    const struct
    {
        LPCSTR version;
        CString player, authoring;
        BOOL installed;
    } cases[] = {
        { "122", player, authoring, TRUE },  { "1.22", player, authoring, FALSE },
        { "1.21", player, authoring, FALSE }, { "121", player, authoring, FALSE },
        { "200", player, authoring, TRUE },  { "", player, authoring, FALSE },
        { "122", missing, authoring, FALSE }, { "122", player, missing, FALSE },
        { "122", player, "", FALSE },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.version << " " << (LPCSTR)c.player << " " << (LPCSTR)c.authoring);
        registry.Set(c.version, c.player, c.authoring);
        CShowInsert insert;
        EXPECT_EQ(c.installed, insert.IsInstalled());
        EXPECT_EQ(CString(c.version), insert.m_strVersion);
    }
    // Without the programs only the missing dialog shows.
    registry.Clear();
    std::vector<CString> shown;
    ModalScript script([&](CDialog* pDlg) {
        shown.push_back(pDlg->GetRuntimeClass()->m_lpszClassName);
        Click(pDlg, IDOK);
    });
    CShowInsert insert;
    EXPECT_FALSE(insert.IsInstalled());
    EXPECT_FALSE(insert.Run(programs.Path()));
    EXPECT_EQ(std::vector<CString>({ "CLumivaneMissingDlg" }), shown);
    EXPECT_EQ(programs.Path(), insert.m_strTargetFolder);
}

// The basic settings skip the configuring pages both ways; the authoring
// program makes the settings file unless it is there already.
TEST(ShowInsert, BasicSettingsSkipToTheCaptionAndCopyThePlayer)
{
    for (BOOL bSettingsThere : { FALSE, TRUE })
    {
        SCOPED_TRACE(bSettingsThere ? "settings file there" : "no settings file");
        ShowFixture fx;
        if (bSettingsThere)
            fx.project.Write("Urlaub\\LumivaneShow01.ini", "[SHOW]");
        ProgramStartRecorder starts;
        MessageBoxRecorder boxes;
        std::vector<int> pages;
        CString startFolder, caption;
        ModalScript script([&](CDialog* pDlg) {
            startFolder = ItemText(Page(pDlg), IDC_SHOW_FOLDER);
            Page(pDlg)->SetDlgItemText(IDC_SHOW_FOLDER, fx.showFolder + "\\");
            Next(pDlg);
            pages.push_back(Index(pDlg));
            Click(Page(pDlg), IDC_SHOW_COPY_PICTURES);
            Next(pDlg);
            ChooseRadio(Page(pDlg), { IDC_SHOW_BASIC, IDC_SHOW_CONFIGURE }, IDC_SHOW_BASIC);
            Next(pDlg);
            pages.push_back(Index(pDlg));
            Click(pDlg, ID_WIZBACK);
            pages.push_back(Index(pDlg));
            Next(pDlg);
            caption = ItemText(Page(pDlg), IDC_SHOW_CAPTION);
            Finish(pDlg);
        });
        CShowInsert insert;
        ASSERT_TRUE(insert.Run(fx.project.Path()));
        EXPECT_EQ(fx.project.Path(), startFolder);
        EXPECT_EQ(std::vector<int>({ 1, 5, 2 }), pages);
        EXPECT_EQ(CString("Urlaub"), caption);
        EXPECT_EQ(0u, boxes.Count());
        ASSERT_EQ(bSettingsThere ? 1u : 3u, starts.Starts().size());
        EXPECT_EQ(CString("explore"), starts.Starts()[0].strOperation);
        EXPECT_EQ(fx.showFolder, starts.Starts()[0].strFile);
        if (!bSettingsThere)
            for (size_t i : { 1u, 2u })
            {
                const AFX_PROGRAM_START& start = starts.Starts()[i];
                EXPECT_EQ(CString("open"), start.strOperation);
                EXPECT_EQ(fx.authoring, start.strFile);
                EXPECT_EQ("/C \"" + fx.SettingsFile() + "\"", start.strParameters);
                EXPECT_EQ(fx.showFolder, start.strDirectory);
            }
        EXPECT_EQ(fx.showFolder, insert.m_strShowFolder);
        EXPECT_EQ(fx.SettingsFile(), insert.m_strSettingsFile);
        EXPECT_EQ(CString("Urlaub"), insert.m_strButtonCaption);
        EXPECT_EQ(fx.showFolder + "\\Lumivane.exe", insert.m_strPlayerCopy);
        EXPECT_EQ(CString("player"), ReadFileText(insert.m_strPlayerCopy));
        EXPECT_EQ(CString("/O \"LumivaneShow01.ini\""), insert.GetShowParameter());
    }
}

// Back to the first page and another show folder: a caption the author has
// not edited follows the folder, an edited one stays.
TEST(ShowInsert, TheCaptionFollowsANewFolderUntilItIsEdited)
{
    const struct
    {
        LPCSTR typed;       // on the first visit of the caption page; null: none
        LPCSTR caption;     // on the second visit
    } cases[] = { { nullptr, "Ferien" }, { "Unsere Reise", "Unsere Reise" } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.caption);
        ShowFixture fx;
        fx.project.Write("Ferien\\bild.jpg", "jpg");
        ProgramStartRecorder starts;
        CString first, second;
        const auto toCaption = [](CDialog* pDlg, const CString& strFolder) {
            Page(pDlg)->SetDlgItemText(IDC_SHOW_FOLDER, strFolder);
            Next(pDlg);
            Next(pDlg);
            ChooseRadio(Page(pDlg), { IDC_SHOW_BASIC, IDC_SHOW_CONFIGURE }, IDC_SHOW_BASIC);
            Next(pDlg);
        };
        ModalScript script([&](CDialog* pDlg) {
            toCaption(pDlg, fx.showFolder);
            first = ItemText(Page(pDlg), IDC_SHOW_CAPTION);
            if (c.typed != nullptr)
                Page(pDlg)->SetDlgItemText(IDC_SHOW_CAPTION, c.typed);
            for (int i = 0; i < 3; ++i)
                Click(pDlg, ID_WIZBACK);
            toCaption(pDlg, fx.project.File("Ferien"));
            second = ItemText(Page(pDlg), IDC_SHOW_CAPTION);
            Finish(pDlg);
        });
        CShowInsert insert;
        ASSERT_TRUE(insert.Run(fx.project.Path()));
        EXPECT_EQ(CString("Urlaub"), first);
        EXPECT_EQ(CString(c.caption), second);
        EXPECT_EQ(CString(c.caption), insert.m_strButtonCaption);
    }
}

// Configuring: the authoring program is started once, its settings file must
// then exist; the file page takes only files that are there, and an emptied
// caption gives the default one.
TEST(ShowInsert, ConfiguringWaitsForTheSettingsFile)
{
    ShowFixture fx;
    const CString other = fx.project.Write("Urlaub\\Andere.ini", "[SHOW]");
    ProgramStartRecorder starts;
    MessageBoxRecorder boxes;
    CommonDialogScript files;
    files.AnswerFile(fx.project.File("Urlaub\\Fehlt.ini"));
    files.AnswerFile(other);
    std::vector<int> pages;
    std::vector<CString> settingsShown;
    ModalScript script([&](CDialog* pDlg) {
        Page(pDlg)->SetDlgItemText(IDC_SHOW_FOLDER, fx.showFolder);
        Next(pDlg);
        Next(pDlg);
        ChooseRadio(Page(pDlg), { IDC_SHOW_BASIC, IDC_SHOW_CONFIGURE }, IDC_SHOW_CONFIGURE);
        Next(pDlg);
        pages.push_back(Index(pDlg));
        Next(pDlg);  // starts the authoring program and stays
        pages.push_back(Index(pDlg));
        Next(pDlg);  // no settings file yet
        pages.push_back(Index(pDlg));
        fx.project.Write("Urlaub\\LumivaneShow01.ini", "[SHOW]");
        Next(pDlg);
        pages.push_back(Index(pDlg));
        settingsShown.push_back(ItemText(Page(pDlg), IDC_SHOW_SETTINGS_FILE));
        Click(Page(pDlg), IDC_SHOW_SETTINGS_BROWSE);  // a missing file
        settingsShown.push_back(ItemText(Page(pDlg), IDC_SHOW_SETTINGS_FILE));
        Click(Page(pDlg), IDC_SHOW_SETTINGS_BROWSE);
        settingsShown.push_back(ItemText(Page(pDlg), IDC_SHOW_SETTINGS_FILE));
        Next(pDlg);
        pages.push_back(Index(pDlg));
        Page(pDlg)->SetDlgItemText(IDC_SHOW_CAPTION, "");
        Finish(pDlg);
    });
    CShowInsert insert;
    ASSERT_TRUE(insert.Run(fx.project.Path()));
    EXPECT_EQ(std::vector<int>({ 3, 3, 3, 4, 5 }), pages);
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_EQ(fx.authoring, starts.Starts()[0].strFile);
    EXPECT_EQ("/N \"" + fx.SettingsFile() + "\"", starts.Starts()[0].strParameters);
    EXPECT_EQ(fx.showFolder, starts.Starts()[0].strDirectory);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("FEHLER:\n\nDatei: " + fx.SettingsFile() + " existiert nicht !", boxes.Last().strText);
    EXPECT_EQ(std::vector<CString>({ fx.SettingsFile(), fx.SettingsFile(), other }), settingsShown);
    EXPECT_EQ(other, insert.m_strSettingsFile);
    EXPECT_EQ(CString("Urlaub"), insert.m_strButtonCaption);
    EXPECT_EQ(CString("/O \"Andere.ini\""), insert.GetShowParameter());
}

// The folder page refuses what a project folder may not be, and a folder that
// is not there puts the previous one back.
TEST(ShowInsert, TheShowFolderIsCheckedLikeAProjectFolder)
{
    ShowFixture fx;
    const struct
    {
        CString typed;
        UINT nMessage;
        CString after;
    } cases[] = {
        { "C", IDS_BAD_PROJECT_PATH, "C" },
        { "C:\\", IDS_ROOT_FOLDER, "" },
        { "\\\\server\\share", IDS_BAD_PROJECT_PATH, "\\\\server\\share" },
        { fx.project.File("Fehlt"), IDS_PATH_MISSING, fx.project.Path() },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE((LPCSTR)c.typed);
        MessageBoxRecorder boxes;
        int nPage = -1;
        CString after;
        ModalScript script([&](CDialog* pDlg) {
            Page(pDlg)->SetDlgItemText(IDC_SHOW_FOLDER, c.typed);
            Next(pDlg);
            nPage = Index(pDlg);
            after = ItemText(Page(pDlg), IDC_SHOW_FOLDER);
            Click(pDlg, IDCANCEL);
        });
        CShowInsert insert;
        EXPECT_FALSE(insert.Run(fx.project.Path()));
        EXPECT_EQ(0, nPage);
        EXPECT_EQ(c.after, after);
        ASSERT_EQ(1u, boxes.Count());
        CString message;
        message.LoadString(c.nMessage);
        EXPECT_NE(-1, boxes.Last().strText.Find(message));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(fx.project.File("Lumivane.exe")));
    }
}

// A show outside the project is allowed after a warning; the folder browser
// chooses it.
TEST(ShowInsert, AShowOutsideTheProjectIsWarnedAboutAndStillMade)
{
    ShowFixture fx;
    TempFolder outside;
    outside.Write("Show\\bild.jpg", "jpg");
    ProgramStartRecorder starts;
    MessageBoxRecorder boxes;
    CString title;
    ModalScript script([&](CDialog* pDlg) {
        if (dynamic_cast<CLumivaneSheet*>(pDlg) == nullptr)
        {
            pDlg->GetWindowText(title);
            CFolderBrowserTree* pTree = dynamic_cast<CFolderBrowserTree*>(
                CWnd::FromHandlePermanent(::GetDlgItem(pDlg->m_hWnd, IDC_FOLDER_TREE)));
            ASSERT_NE(nullptr, pTree);
            pTree->SelectPath(outside.File("Show"));
            Click(pDlg, IDOK);
            return;
        }
        Click(Page(pDlg), IDC_SHOW_BROWSE);
        Next(pDlg);
        Next(pDlg);
        Next(pDlg);
        Finish(pDlg);
    });
    CShowInsert insert;
    ASSERT_TRUE(insert.Run(fx.project.Path()));
    EXPECT_EQ(CString("Ordner wählen."), title);
    EXPECT_EQ(outside.File("Show"), insert.m_strShowFolder);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_NE(-1, boxes.Last().strText.Find(outside.File("Show")));
    EXPECT_EQ((UINT)(MB_ICONEXCLAMATION), boxes.Last().nType & MB_ICONMASK);
    EXPECT_EQ(CString("player"), ReadFileText(outside.File("Show\\Lumivane.exe")));
    EXPECT_EQ(CString("Show"), insert.m_strButtonCaption);
}

TEST(ShowInsert, DefaultCaptions)
{
    const struct
    {
        LPCSTR folder, caption;
    } cases[] = { { "D:\\Proj\\Urlaub", "Urlaub" }, { "", "Show" }, { "Urlaub", "Show" }, { "D:\\Proj\\", "Show" } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(CString(c.caption), CLumivaneSheet::DefaultCaption(c.folder));
    }
}

// The tip counter: 0 shows the tip, 1 to 18 count on unseen, 19 shows it and
// starts again. Silenced, it counts from 1; its link starts the home page.
TEST(ShowInsert, TheTipComesBackEveryTwentiethTime)
{
    const struct
    {
        int before;
        BOOL shown;
        int after;
        bool bSilence;
    } cases[] = { { 0, TRUE, 0, false },  { -3, TRUE, -3, false }, { 1, FALSE, 2, false },
                  { 18, FALSE, 19, false }, { 19, TRUE, 0, false },  { 0, TRUE, 1, true } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.before << (c.bSilence ? " silenced" : ""));
        FakeServices services;
        services.ints[CLumivaneTipDlg::kCounterKey] = c.before;
        ProgramStartRecorder starts;
        BOOL bShown = FALSE, bTicked = TRUE;
        ModalScript script([&](CDialog* pDlg) {
            MSG msg;
            bShown = !::PeekMessageA(&msg, pDlg->m_hWnd, WM_COMMAND, WM_COMMAND, PM_NOREMOVE);
            bTicked = pDlg->IsDlgButtonChecked(IDC_TIP_DONT_SHOW);
            if (c.bSilence)
            {
                pDlg->CheckDlgButton(IDC_TIP_DONT_SHOW, BST_CHECKED);
                Click(pDlg, IDC_TIP_DONT_SHOW);
                Click(pDlg, IDC_TIP_HOMEPAGE);
            }
            if (bShown)
                Click(pDlg, IDOK);
        });
        CLumivaneTipDlg tip;
        EXPECT_EQ(IDOK, tip.DoModal());
        EXPECT_EQ(c.shown, bShown);
        EXPECT_FALSE(bTicked);
        EXPECT_EQ(c.after, services.ints[CLumivaneTipDlg::kCounterKey]);
        ASSERT_EQ(c.bSilence ? 1u : 0u, starts.Starts().size());
        if (c.bSilence)
            EXPECT_EQ(CString(CLumivaneTipDlg::kHomePage), starts.Starts()[0].strFile);
    }
}

// A list of pictures: with the programs installed the wizard offers the
// player, which is copied beside the pictures; without them the tip shows.
TEST(ShowInsert, TheListBoxWizardOffersThePlayerForAPictureList)
{
    for (BOOL bInstalled : { TRUE, FALSE })
    {
        SCOPED_TRACE(bInstalled ? "installed" : "not installed");
        ShowFixture fx;
        if (!bInstalled)
            fx.registry.Clear();
        CListboxWizard wizard;
        wizard.m_strProjectFolder = fx.project.Path();
        wizard.m_nWidth = 200;
        wizard.m_nHeight = 150;
        MessageBoxRecorder boxes;
        boxes.Answer(IDNO);   // no further picture types
        boxes.Answer(IDYES);  // the player shows them
        CommonDialogScript files;
        files.AnswerFile(fx.project.File("Urlaub\\bild.jpg"));
        ProgramStartRecorder starts;
        std::vector<CString> dialogs;
        CString application, document, parameter;
        ModalScript script([&](CDialog* pDlg) {
            dialogs.push_back(pDlg->GetRuntimeClass()->m_lpszClassName);
            if (dynamic_cast<CLumivaneTipDlg*>(pDlg) != nullptr)
            {
                Click(pDlg, IDOK);
                return;
            }
            Next(pDlg);
            Next(pDlg);
            Click(Page(pDlg), IDC_LB_BROWSE);
            Next(pDlg);
            application = ItemText(Page(pDlg), IDC_LB_APPLICATION);
            document = ItemText(Page(pDlg), IDC_LB_DOCUMENT);
            parameter = ItemText(Page(pDlg), IDC_LB_PARAMETER);
            Click(pDlg, IDCANCEL);
        });
        wizard.DoModal();
        if (!bInstalled)
        {
            EXPECT_EQ(std::vector<CString>({ "CListboxWizard", "CLumivaneTipDlg" }), dialogs);
            EXPECT_EQ(1u, boxes.Count());
            EXPECT_EQ(CString("%1"), document);
            EXPECT_TRUE(starts.Starts().empty());
            continue;
        }
        EXPECT_EQ(std::vector<CString>({ "CListboxWizard" }), dialogs);
        ASSERT_EQ(2u, boxes.Count());
        EXPECT_EQ(CString("Lumivane zur Anzeige der Bilder verwenden ?"), boxes.Last().strText);
        EXPECT_EQ(fx.showFolder + "\\Lumivane.exe", application);
        EXPECT_TRUE(document.IsEmpty());
        EXPECT_EQ(CString("/SHOW %1"), parameter);
        EXPECT_EQ(CString("player"), ReadFileText(fx.showFolder + "\\Lumivane.exe"));
        ASSERT_EQ(1u, starts.Starts().size());
        EXPECT_EQ(fx.authoring, starts.Starts()[0].strFile);
        EXPECT_EQ("/C \"" + fx.showFolder + "\\Show.ini\"", starts.Starts()[0].strParameters);
        EXPECT_EQ(fx.showFolder, starts.Starts()[0].strDirectory);
    }
}

} // namespace
