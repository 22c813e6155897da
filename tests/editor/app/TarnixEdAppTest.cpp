// The editor's start-up steps, the checks before a project opens, laying out
// a new project folder and the Start Center's choices.
#include "editor/app/TarnixEdApp.h"

#include "EditorTesting.h"
#include "editor/app/EditorAppServices.h"
#include "editor/dialogs/StartDialogs.h"
#include "editor/dialogs/UiLanguage.h"
#include "framework/FrameWnd.h"

#include "editor/resource.h"

#include <string>
#include <vector>

using editor_testing::App;
using editor_testing::ModalAnswers;
using editor_testing::Text;
using editor_testing::CopyProject;
using editor_testing::EditorFolder;
using editor_testing::FreshRegistry;
using editor_testing::LanguageScope;
using editor_testing::TemplatePath;
using testing_support::MessageBoxRecorder;
using testing_support::ProgramFolder;
using testing_support::ReadFileBytes;
using testing_support::ReadFileText;
using testing_support::TempFolder;


TEST(TarnixEdAppTest, VersionTextsComeFromTheModulesVersionBlock)
{
    CTarnixEdApp& app = App();
    app.ReadVersionInfo();
    EXPECT_EQ("024000", Text(app.m_strFileVersion));
    EXPECT_EQ("Tarnix Editor 2.40", Text(app.m_strBuildText));
    EXPECT_EQ(Text(ProgramFolder()), Text(app.m_strEditorFolder));
}

TEST(TarnixEdAppTest, AFreshRegistryKeepsGermanAndTheGridDefaults)
{
    FreshRegistry registry;
    TempFolder folder;
    LanguageScope scope;
    CTarnixEdApp& app = App();
    app.LoadInterfaceLanguage(folder.Path());
    EXPECT_EQ('G', GetUiLanguage());
    EXPECT_EQ(nullptr, app.m_hLanguageLib);
    EXPECT_EQ("", Text(app.GetProfileString("SETTINGS", "LANGUAGE", "")));
    app.ReadGridSettings();
    EXPECT_EQ(1, app.m_nGridFlag);
    EXPECT_EQ(2, app.m_nGridStep);
}

TEST(TarnixEdAppTest, TheLanguageLibraryLoadsForEveryLanguageButGerman)
{
    // Any module with a string table serves as the library: the player's
    // program title differs from the editor's.
    struct Row
    {
        LPCSTR pszRegistry, pszIniFile;
        bool bLoaded;
        char chLetter;
        LPCSTR pszWritten;
        int nAnswer;   // to the question; 0 when none is asked
    } rows[] = {
        { "English", nullptr, true, 'E', "English", 0 },
        { "French", nullptr, true, 'F', "French", 0 },
        { "German", nullptr, false, 'G', "German", 0 },
        { nullptr, "[SETTINGS]\r\nLANGUAGE=English\r\n", true, 'E', "English", 0 },
        // Neither names a language: the question is asked, once; Cancel keeps German unwritten.
        { nullptr, "[SETTINGS]\r\nLANGUAGE=-\r\n", false, 'G', "", IDCANCEL },
        { nullptr, nullptr, true, 'E', "English", IDC_LANG_ENGLISH },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszRegistry ? row.pszRegistry : row.pszIniFile ? row.pszIniFile : "first start");
        FreshRegistry registry;
        TempFolder folder;
        LanguageScope scope;
        folder.Write("tarnix_english.dll", ReadFileText(ProgramFolder() + "\\Tarnix.exe"));
        if (row.pszIniFile != nullptr)
            folder.Write("TarnixLanguage.ini", row.pszIniFile);
        CTarnixEdApp& app = App();
        if (row.pszRegistry != nullptr)
            app.WriteProfileString("SETTINGS", "LANGUAGE", row.pszRegistry);
        ModalAnswers answers;
        if (row.nAnswer == IDC_LANG_ENGLISH)
            answers.Then([](CDialog* pDlg) {
                pDlg->CheckRadioButton(IDC_LANG_ENGLISH, IDC_LANG_GERMAN, IDC_LANG_ENGLISH);
                pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            });
        app.LoadInterfaceLanguage(folder.Path());
        EXPECT_EQ(row.nAnswer != 0 ? 1u : 0u, answers.Captions().size());
        EXPECT_EQ(row.chLetter, GetUiLanguage());
        EXPECT_EQ(1, app.m_bLanguageLibPresent);
        EXPECT_EQ(row.bLoaded, app.m_hLanguageLib != nullptr);
        CString title;
        title.LoadString(AFX_IDS_APP_TITLE);
        EXPECT_EQ(row.bLoaded ? "Tarnix" : "TarnixEd", Text(title));
        EXPECT_EQ(row.pszWritten, Text(app.GetProfileString("SETTINGS", "LANGUAGE", "")));
    }
}

namespace {

const char* const kTemplateFiles[] = { "Autorun.inf", "Velicon.ico", "Start.txt", "Sound\\Click.wav",
                                       "Sound\\Over.wav" };

void ExpectTemplateCopies(const TempFolder& project, bool bCopied)
{
    for (LPCSTR name : kTemplateFiles)
    {
        SCOPED_TRACE(name);
        std::vector<unsigned char> copy = ReadFileBytes(project.File(name));
        if (bCopied)
            EXPECT_EQ(ReadFileBytes(TemplatePath(name)), copy);
        else
            EXPECT_TRUE(copy.empty());
    }
}

} // namespace

TEST(TarnixEdAppTest, NewProjectInAnEmptyFolderGetsEveryTemplateFile)
{
    FreshRegistry registry;
    MessageBoxRecorder boxes;
    EditorFolder editor;
    TempFolder project;
    App().CreateProject(project.Path());
    EXPECT_EQ(0u, boxes.Count());
    ExpectTemplateCopies(project, true);
    EXPECT_EQ(ReadFileBytes(editor.File("Tarnix.exe")), ReadFileBytes(project.File("Tarnix.exe")));
    CString text = ReadFileText(project.File("Velconf.ini"));
    EXPECT_NE(std::string::npos, Text(text).find("[WINDOWSIZE]\r\nW=500\r\nH=350\r\n"));
    EXPECT_EQ(Text(project.File("Velconf.ini")), Text(App().GetProfileString("PROJECT", "FILE", "")));
    EXPECT_EQ(Text(project.Path()), Text(App().GetProfileString("PROJECT", "PATH", "")));
}

TEST(TarnixEdAppTest, AnExistingProjectIsKeptOrReplacedByTheAnswer)
{
    struct Row { int nAnswer; bool bReplaced; } rows[] = { { IDNO, false }, { IDYES, true } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.nAnswer);
        FreshRegistry registry;
        MessageBoxRecorder boxes;
        EditorFolder editor;
        boxes.Answer(row.nAnswer);
        TempFolder project;
        CString original = CopyProject(project, "centred", "024000");
        std::vector<unsigned char> before = ReadFileBytes(original);
        App().CreateProject(project.Path());
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_NE(std::string::npos, Text(boxes.Last().strText).find("bereits ein Tarnix Projekt"));
        EXPECT_EQ(!row.bReplaced, before == ReadFileBytes(original));
        ExpectTemplateCopies(project, row.bReplaced);
        // The player was missing: it is copied either way, and the sound folder made.
        EXPECT_FALSE(ReadFileBytes(project.File("Tarnix.exe")).empty());
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(project.File("Sound")));
    }
}

TEST(TarnixEdAppTest, AFolderThatCannotBeMadeIsReportedAndNothingChanges)
{
    FreshRegistry registry;
    MessageBoxRecorder boxes;
    TempFolder folder;
    CString file = folder.Write("datei", "x");
    CString before = App().m_strProjectFolder;
    App().CreateProject(file + "\\projekt");
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("FEHLER !\n\nProjektpfad konnte nicht erstellt werden !\n\n", Text(boxes.Last().strText));
    EXPECT_EQ(Text(before), Text(App().m_strProjectFolder));
    EXPECT_EQ("", Text(App().GetProfileString("PROJECT", "PATH", "")));
}

namespace {

class ScriptedStartDialogs : public CStartDialogs
{
public:
    StartChoice m_choice = choiceNone;
    StartChoice RunStartCenter() override { return m_choice; }
    BOOL RunOpenProject(CString&) override { return FALSE; }
    BOOL RunNewProject(CString&) override { return FALSE; }
};

std::vector<UINT> PostedCommands(HWND hWnd)
{
    std::vector<UINT> commands;
    MSG msg;
    while (PeekMessageA(&msg, hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE))
        commands.push_back(LOWORD(msg.wParam));
    return commands;
}

} // namespace

TEST(TarnixEdAppTest, StartCenterChoicesArePostedToTheMainWindow)
{
    FreshRegistry registry;
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Main"));
    CTarnixEdApp& app = App();
    app.m_pMainWnd = pFrame;
    ScriptedStartDialogs dialogs;
    app.SetStartDialogs(&dialogs);
    struct Row { CStartDialogs::StartChoice choice; std::vector<UINT> posted; } rows[] = {
        { CStartDialogs::choiceNewProject, { ID_FILE_NEW, ID_HELP_QUICKINFO } },
        { CStartDialogs::choiceNewProject, { ID_FILE_NEW } },
        { CStartDialogs::choiceExit, { ID_APP_EXIT } },
        { CStartDialogs::choiceNone, {} },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.choice);
        dialogs.m_choice = row.choice;
        app.OnCmdMsg(ID_START_CENTER, CN_COMMAND, nullptr, nullptr);
        EXPECT_EQ(row.posted, PostedCommands(pFrame->GetSafeHwnd()));
    }
    EXPECT_EQ(0u, app.GetProfileInt("SETTINGS", "BFIRST", 1));
    app.SetStartDialogs(nullptr);
    app.m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
}

TEST(TarnixEdAppTest, WithoutTheButtonImageProgramTheDriverStaysUnbound)
{
    MessageBoxRecorder boxes;
    App().OpenInOrvenna("knopf.bmp");
    EXPECT_FALSE(App().IsOrvennaBound());
    App().CloseOrvenna();
    App().OnCmdMsg(ID_ORVENNA_OPEN, CN_COMMAND, nullptr, nullptr);
    EXPECT_FALSE(App().IsOrvennaBound());
    EXPECT_EQ(0u, boxes.Count());
}

TEST(TarnixEdAppTest, TheDialogsServicesAreTheApplications)
{
    FreshRegistry registry;
    TempFolder project;
    CString file = project.Write("sound\\a.wav", "x");
    CTarnixEdApp& app = App();
    app.m_strProjectFolder = project.Path();
    IEditorServices* pBefore = &EditorServices();
    std::vector<std::string> topics;
    HelpTopicFunction previous = CTarnixEdApp::SetHelpFunction([&](const CString& topic) { topics.push_back(Text(topic)); });
    {
        CEditorAppServices services(app);
        services.Install();
        IEditorServices& installed = EditorServices();
        EXPECT_EQ(&services, &installed);
        EXPECT_EQ(Text(app.m_strEditorFolder), Text(installed.GetEditorFolder()));
        EXPECT_EQ(Text(project.Path()), Text(installed.GetProjectFolder()));
        CString path = file;
        installed.MakeProjectRelativePath(path, TRUE);
        EXPECT_EQ("_CURRENTDIR_\\sound\\a.wav", Text(path));
        installed.WriteSettingInt("NGRID", 7);
        EXPECT_EQ(7u, app.GetProfileInt("SETTINGS", "NGRID", 2));
        installed.WriteSettingString("GRAFIKPATH", "C:\\paint.exe");
        EXPECT_EQ("C:\\paint.exe", Text(installed.GetSettingString("GRAFIKPATH", "")));
        installed.ShowHelpPage("hilfe_raster.htm");
        EXPECT_EQ("", Text(installed.TakeReturnedImageFile()));
        services.Uninstall();
        EXPECT_EQ(pBefore, &EditorServices());
    }
    CTarnixEdApp::SetHelpFunction(previous);
    ASSERT_EQ(1u, topics.size());
    EXPECT_NE(std::string::npos, topics[0].find("tarnix.chm::/web/hilfe_raster.htm"));
}
