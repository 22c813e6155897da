#include "editor/app/TarnixEdApp.h"

#include "editor/app/AboutDlg.h"
#include "editor/app/ChildFrame.h"
#include "editor/app/EditorObjWndProgram.h"
#include "editor/app/MainFrame.h"
#include "editor/app/TarnixEdDoc.h"
#include "editor/app/TarnixEdView.h"
#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/GraphicsProgramDlg.h"
#include "editor/dialogs/GridDlg.h"
#include "editor/dialogs/IconConverterDlg.h"
#include "editor/dialogs/LanguageDlg.h"
#include "editor/dialogs/StartDialogs.h"
#include "editor/dialogs/SupportDlg.h"
#include "editor/dialogs/UiLanguage.h"
#include "framework/CmdUI.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/CommandLineInfo.h"
#include "framework/Exceptions.h"
#include "framework/File.h"
#include "framework/FileDialog.h"
#include "framework/MultiDocTemplate.h"
#include "framework/RegKey.h"
#include "framework/MessageBox.h"
#include "framework/Wnd.h"
#include "shared/menuobj/LineStore.h"
#include "shared/menuobj/ObjWndProgram.h"
#include "shared/support/ProjectFormat.h"
#include "shared/menuobj/ProjectPaths.h"
#include "shared/support/FileUtils.h"

#include "editor/resource.h"

#include <direct.h>
#include <errno.h>
#include <io.h>
#include <stdlib.h>
#include <vector>

IMPLEMENT_DYNAMIC(CTarnixEdApp, CWinApp)

BEGIN_MESSAGE_MAP(CTarnixEdApp, CWinApp)
    // void OnFileNew()
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    // void OnFileOpen()
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    // void OnStartCenter()
    ON_COMMAND(ID_START_CENTER, OnStartCenter)
    // void OnHelpIndex()
    ON_COMMAND(ID_HELP_TARNIX, OnHelpIndex)
    // void OnQuickInfo()
    ON_COMMAND(ID_HELP_QUICKINFO, OnQuickInfo)
    // void OnAppAbout()
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    // void OnReopenProject()
    ON_COMMAND(ID_PROJECT_REOPEN, OnReopenProject)
    // void OnOpenRequestedProject()
    ON_COMMAND(ID_PROJECT_OPEN_REQUESTED, OnOpenRequestedProject)
    // void OnOpenOrvenna()
    ON_COMMAND(ID_ORVENNA_OPEN, OnOpenOrvenna)
    // void OnEditorLanguage()
    ON_COMMAND(ID_EDITOR_LANGUAGE, OnEditorLanguage)
    // void OnGridSettings()
    ON_COMMAND(ID_EDITOR_SETTINGS, OnGridSettings)
    // void OnGraphicsProgram()
    ON_COMMAND(ID_EDITOR_GRAPHICS, OnGraphicsProgram)
    // void OnUpdateLanguage(CCmdUI* pCmdUI)
    ON_UPDATE_COMMAND_UI(ID_EDITOR_LANGUAGE, OnUpdateLanguage)
    // void OnIconConverter()
    ON_COMMAND(ID_TOOLS_ICON, OnIconConverter)
    // void OnSupport()
    ON_COMMAND(ID_HELP_SUPPORT, OnSupport)
    // void OnUpdateLaterCommand(CCmdUI* pCmdUI)
    ON_UPDATE_COMMAND_UI(ID_PROJECT_COMPILE, OnUpdateLaterCommand)
END_MESSAGE_MAP()

namespace {

const char kRegistryCompany[] = "Morvadeth";
const char kLanguageLibrary[] = "tarnix_english.dll";
const char kLanguageSettings[] = "TarnixLanguage.ini";
const char kPlayerProgram[] = "Tarnix.exe";
const char kSoundFolder[] = "Sound";

void DefaultHelpTopic(const CString& strTopic)
{
    typedef HWND(WINAPI * HtmlHelpProc)(HWND, LPCSTR, UINT, DWORD_PTR);
    const UINT HH_DISPLAY_TOPIC = 0;
    static HMODULE hHelp = LoadLibraryA("hhctrl.ocx");
    HtmlHelpProc pHtmlHelp = hHelp ? (HtmlHelpProc)(void*)GetProcAddress(hHelp, "HtmlHelpA") : nullptr;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pHtmlHelp != nullptr)
        pHtmlHelp(pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr, strTopic, HH_DISPLAY_TOPIC, 0);
}

HelpTopicFunction& HelpFunction()
{
    static HelpTopicFunction function = DefaultHelpTopic;
    return function;
}

CString QueryVersionString(const std::vector<char>& block, LPCSTR lpszName)
{
    CString key;
    key.Format("\\StringFileInfo\\040704b0\\%s", lpszName);
    LPVOID pValue = nullptr;
    UINT nLength = 0;
    if (!VerQueryValueA(block.data(), key, &pValue, &nLength) || pValue == nullptr || nLength == 0)
        return CString();
    return CString((LPCSTR)pValue, (int)strnlen((LPCSTR)pValue, nLength));
}

// "2, 40, 0, 0" gives "024000": major, minor and build, two digits each. A
// text without commas gives zeros.
CString SixDigitVersion(const CString& strVersion)
{
    int parts[3] = { 0, 0, 0 };
    if (strVersion.Find(',') >= 0)
    {
        CString rest = strVersion;
        for (int i = 0; i < 3 && !rest.IsEmpty(); ++i)
        {
            int nComma = rest.Find(',');
            parts[i] = atoi(nComma >= 0 ? rest.Left(nComma) : rest);
            rest = nComma >= 0 ? rest.Mid(nComma + 1) : CString();
        }
    }
    CString digits;
    digits.Format("%02d%02d%02d", parts[0] % 100, parts[1] % 100, parts[2] % 100);
    return digits;
}

CString FullPathIn(const CString& strFolder, LPCSTR lpszName)
{
    return strFolder.IsEmpty() ? CString(lpszName) : strFolder + "\\" + lpszName;
}

void PostToMainWnd(UINT nCommand)
{
    if (CWnd* pMainWnd = AfxGetMainWnd())
        pMainWnd->PostMessage(WM_COMMAND, MAKEWPARAM(nCommand, 0), 0);
}

} // namespace

CTarnixEdApp* GetEditorApp()
{
    return dynamic_cast<CTarnixEdApp*>(AfxGetApp());
}

CTarnixEdApp::CTarnixEdApp(LPCSTR lpszProductName)
    : m_hLanguageLib(nullptr), m_hSavedResource(nullptr), m_bLanguageLibPresent(0), m_nGridFlag(1),
      m_nGridStep(2), m_strProductName(lpszProductName), m_pStartDialogs(&m_startDialogs), m_services(*this)
{
}

CTarnixEdApp::~CTarnixEdApp()
{
    m_services.Uninstall();
    if (m_hLanguageLib != nullptr)
    {
        AfxSetResourceHandle(m_hSavedResource);
        FreeLibrary(m_hLanguageLib);
    }
}

BOOL CTarnixEdApp::InitInstance()
{
    InitRegistry();
    if (!AfxOleInit())
        return FALSE;
    m_services.Install();
    LoadStdProfileSettings(16);
    ReadVersionInfo();
    LoadInterfaceLanguage(m_strEditorFolder);

    static CEditorObjWndProgram theObjWndProgram;
    CObjWndProgram::Set(&theObjWndProgram);
    AddDocTemplate(new CMultiDocTemplate(IDR_TARNIXTYPE, RUNTIME_CLASS(CTarnixEdDoc), RUNTIME_CLASS(CChildFrame),
                                         RUNTIME_CLASS(CTarnixEdView)));
    // A frame whose creation failed has deleted itself (its window's end, or
    // the failed creation, ran PostNcDestroy): it is not touched again.
    CMainFrame* pMainFrame = new CMainFrame;
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
        return FALSE;
    m_pMainWnd = pMainFrame;

    // The command line opens nothing: every project comes through the Start Center.
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    ReadGridSettings();
    pMainFrame->ShowFirstTime(m_nCmdShow);
    pMainFrame->UpdateWindow();
    PostToMainWnd(ID_START_CENTER);
    return TRUE;
}

int CTarnixEdApp::ExitInstance()
{
    m_orvenna.ReleaseDispatch();
    m_services.Uninstall();
    CObjWndProgram::Set(nullptr);
    return CWinApp::ExitInstance();
}

CDocument* CTarnixEdApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    return OpenProject(lpszFileName != nullptr ? CString(lpszFileName) : CString());
}

void CTarnixEdApp::WinHelp(DWORD_PTR /*dwData*/, UINT /*nCmd*/)
{
    ShowHelpPage("index.htm");
}

// ---------------------------------------------------------------------------
// Start-up steps

void CTarnixEdApp::InitRegistry()
{
    m_pszAppName = m_strProductName;
    SetRegistryKey(kRegistryCompany);
}

void CTarnixEdApp::LoadInterfaceLanguage(const CString& strFolder)
{
    CString language = GetProfileString("SETTINGS", "LANGUAGE", "-");
    SetUiLanguage(language.IsEmpty() ? 'G' : language[0]);

    CString library = FullPathIn(strFolder, kLanguageLibrary);
    if (GetFileAttributesA(library) == INVALID_FILE_ATTRIBUTES)
        return;
    m_bLanguageLibPresent = 1;

    if (language.Left(1) == "-")
    {
        // The first start takes the language of the settings file, else asks once.
        char letter[10] = "-";
        GetPrivateProfileStringA("SETTINGS", "LANGUAGE", "-", letter, sizeof(letter),
                                 FullPathIn(strFolder, kLanguageSettings));
        if (letter[0] != '-' && letter[0] != '\0')
            StoreLanguage(letter[0]);
        else
        {
            CLanguageDlg dlg;
            dlg.m_chLetter = GetUiLanguage();
            if (dlg.DoModal() == IDOK)
                StoreLanguage(dlg.m_chLetter);
        }
    }

    if (IsGermanUi())
        return;
    // The library holds resources only: it is mapped as data, never run.
    HINSTANCE hLibrary = LoadLibraryExA(library, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (hLibrary == nullptr)
        return;
    m_hLanguageLib = hLibrary;
    m_hSavedResource = AfxGetResourceHandle();
    AfxSetResourceHandle(hLibrary);
}

void CTarnixEdApp::StoreLanguage(char chLetter)
{
    SetUiLanguage(chLetter);
    CString name;
    GetUiLanguageName(name);
    WriteProfileString("SETTINGS", "LANGUAGE", name);
}

void CTarnixEdApp::ReadVersionInfo(HMODULE hModule)
{
    char path[300] = "";
    GetModuleFileNameA(hModule, path, sizeof(path) - 1);
    CString modulePath(path);
    int nSlash = modulePath.ReverseFind('\\');
    m_strEditorFolder = nSlash >= 0 ? modulePath.Left(nSlash) : CString();

    DWORD dwHandle = 0;
    DWORD dwSize = GetFileVersionInfoSizeA(path, &dwHandle);
    m_strBuildText.Empty();
    if (dwSize == 0)
        return;
    std::vector<char> block(dwSize);
    if (!GetFileVersionInfoA(path, 0, dwSize, block.data()))
        return;
    m_strBuildText = QueryVersionString(block, "PrivateBuild");
    m_strFileVersion = SixDigitVersion(QueryVersionString(block, "FileVersion"));
}

void CTarnixEdApp::ReadGridSettings()
{
    m_nGridFlag = (int)GetProfileInt("SETTINGS", "BGRID", 1);
    m_nGridStep = (int)GetProfileInt("SETTINGS", "NGRID", 2);
}

// ---------------------------------------------------------------------------
// Projects

void CTarnixEdApp::StopExplorerPreload()
{
    // The shell's image lists are drawn from one thread only.
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(m_pMainWnd))
        pFrame->GetExplorer().StopPreloading();
}

CDocument* CTarnixEdApp::OpenProjectDocument(const CString& strPath)
{
    POSITION pos = GetFirstDocTemplatePosition();
    return pos != nullptr ? GetNextDocTemplate(pos)->OpenDocumentFile(strPath, TRUE) : nullptr;
}

BOOL CTarnixEdApp::OpenProjectFile(const CString& strPath)
{
    return OpenProject(strPath) != nullptr;
}

BOOL CTarnixEdApp::IsEditorPage(const CString& strPath)
{
    // The key is told apart from an empty value by a default no value can be.
    char version[81] = "";
    const char kNoKey[] = "\n";
    GetPrivateProfileStringA(ProjectFormat::kSecHead, ProjectFormat::kKeyVersion, kNoKey, version, sizeof(version),
                             strPath);
    if (ProjectFormat::IsEditorVersion(version))
        return TRUE;
    CString found, format, text;
    if (lstrcmpA(version, kNoKey) == 0)
        LoadResString(IDS_NO_VERSION_LINE, found);
    else
        found = CString(ProjectFormat::kKeyVersion) + "=" + version;
    LoadResString(IDS_FOREIGN_PROJECT, format);
    text.Format(format, (LPCSTR)strPath, (LPCSTR)found,
                (LPCSTR)(CString(ProjectFormat::kKeyVersion) + "=" + ProjectFormat::kEditorVersionPrefix));
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

CDocument* CTarnixEdApp::OpenProject(const CString& strPath)
{
    if (strPath.IsEmpty())
        return nullptr;
    if (strPath.Right(4).CompareNoCase(".ini") != 0)
    {
        ErrorBoxById(IDS_ONLY_INI_FILES);
        return nullptr;
    }
    if (GetFileAttributesA(strPath) == INVALID_FILE_ATTRIBUTES)
    {
        CString text;
        text.Format(IsGermanUi() ? "Die Datei\n\n%s\n\nexistiert nicht." : "The file\n\n%s\n\ndoes not exist.",
                    (LPCSTR)strPath);
        AfxMessageBox(text, MB_ICONEXCLAMATION);
        return nullptr;
    }
    if (_access(strPath, 2) != 0)
    {
        CTarnixEdDoc::ReportReadOnlyFile(strPath);
        return nullptr;
    }
    if (!IsEditorPage(strPath))
        return nullptr;
    // A file another program holds is refused while the open project is still open.
    {
        CFile probe;
        CFileException fe;
        if (!probe.Open(strPath, CFile::modeRead | CFile::shareDenyWrite, &fe))
        {
            AfxMessageBox(fe.GetErrorMessage(), MB_ICONEXCLAMATION);
            return nullptr;
        }
    }
    if (!SaveAllModified())
        return nullptr;
    CloseAllDocuments(FALSE);

    // The document reads the project's file and folder while it opens; an open
    // that fails leaves them, and the settings, as they were.
    const CString previousFile = m_strProjectFile, previousFolder = m_strProjectFolder;
    m_strProjectFile = strPath;
    GetFolderPart(strPath, m_strProjectFolder);
    CTarnixEdDoc* pDoc = dynamic_cast<CTarnixEdDoc*>(OpenProjectDocument(strPath));
    if (pDoc == nullptr)
    {
        m_strProjectFile = previousFile;
        m_strProjectFolder = previousFolder;
        return nullptr;
    }
    // A sub-page is reached through its project: it never becomes the preset.
    if (pDoc->IsMainMenu())
        WriteProfileString("PROJECT", "FILE", strPath);
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(m_pMainWnd))
        pFrame->FinishOpen();
    return pDoc;
}

void CTarnixEdApp::AddToRecentFileList(LPCSTR lpszPathName)
{
    if (!IsOpenSubPage(lpszPathName))
        CWinApp::AddToRecentFileList(lpszPathName);
}

BOOL CTarnixEdApp::IsOpenSubPage(const CString& strPath)
{
    POSITION pos = GetFirstDocTemplatePosition();
    CDocTemplate* pTemplate = pos != nullptr ? GetNextDocTemplate(pos) : nullptr;
    for (POSITION docPos = pTemplate != nullptr ? pTemplate->GetFirstDocPosition() : nullptr; docPos != nullptr;)
    {
        const CTarnixEdDoc* pDoc = dynamic_cast<CTarnixEdDoc*>(pTemplate->GetNextDoc(docPos));
        if (pDoc != nullptr && pDoc->GetPathName().CompareNoCase(strPath) == 0)
            return !pDoc->IsMainMenu();
    }
    return FALSE;
}

void CTarnixEdApp::RequestOpenProject(const CString& strPath)
{
    if (strPath.IsEmpty())
        return;
    m_strPendingOpenPath = strPath;
    PostToMainWnd(ID_PROJECT_OPEN_REQUESTED);
}

void CTarnixEdApp::OnReopenProject()
{
    OpenProjectFile(m_strReopenPath);
}

void CTarnixEdApp::OnOpenRequestedProject()
{
    OpenProjectFile(m_strPendingOpenPath);
}

BOOL CTarnixEdApp::CreateProject(const CString& strFolder)
{
    // Cancel at the save question keeps the open project and writes nothing.
    if (!SaveAllModified())
        return FALSE;
    if (_mkdir(strFolder) != 0 && errno != EEXIST)
    {
        ErrorBoxById(IDS_PROJECT_PATH_FAILED);
        return FALSE;
    }
    CloseAllDocuments(FALSE);
    m_strProjectFolder = strFolder;
    m_strProjectFile = FullPathIn(strFolder, ProjectFormat::kDefaultFileName);

    BOOL bProjectExists = FileExists(m_strProjectFile);
    BOOL bPlayerExists = FileExists(FullPathIn(strFolder, kPlayerProgram));
    BOOL bCopyAll = TRUE;
    if (bProjectExists || bPlayerExists)
        bCopyAll = AskOverwriteProject() == IDYES;

    BOOL bWriteProject = !(bProjectExists && !bCopyAll);
    if (bWriteProject)
    {
        CLineStore lines;
        for (LPCSTR line : { "[WINDOWSIZE]", "W=500", "H=350", " ", "[WINDOWBGCOLOR]", "RED=255", "GREEN=255",
                             "BLUE=236", " ", "[REGISTER]" })
            lines.AddLine(line);
        lines.AddLine("EDITOR=" + m_strBuildText);
        lines.SaveFile(m_strProjectFile);
    }

    CDocument* pDoc = OpenProjectDocument(m_strProjectFile);
    // The template has no head section, which the player and the open checks
    // look for: the new project is written out in full at once.
    if (CTarnixEdDoc* pProject = dynamic_cast<CTarnixEdDoc*>(pDoc); pProject != nullptr && bWriteProject)
        pProject->SaveInFull(m_strProjectFile);
    WriteProfileString("PROJECT", "PATH", strFolder);
    WriteProfileString("PROJECT", "FILE", m_strProjectFile);

    if (!bPlayerExists || bCopyAll)
        CopyFileToFolder(kPlayerProgram, m_strEditorFolder, strFolder);
    if (bCopyAll)
        for (LPCSTR name : { "Velicon.ico", "Autorun.inf", "Start.txt" })
            CopyFileToFolder(name, m_strEditorFolder, strFolder);
    CString soundFolder = FullPathIn(strFolder, kSoundFolder);
    _mkdir(soundFolder);
    if (bCopyAll)
        for (LPCSTR name : { "Click.wav", "Over.wav" })
            CopyFileToFolder(name, FullPathIn(m_strEditorFolder, kSoundFolder), soundFolder);
    return pDoc != nullptr;
}

void CTarnixEdApp::MakeProjectRelativePath(CString& strPath, BOOL bWarn)
{
    if (strPath.IsEmpty() || _access(strPath, 0) != 0)
        return;
    ContractProjectPath(strPath, m_strProjectFolder, bWarn);
}

// ---------------------------------------------------------------------------
// Commands

void CTarnixEdApp::OnFileNew()
{
    // The new project dialog's Browse shows the shell's folders and icons.
    StopExplorerPreload();
    CString folder = GetProfileString("PROJECT", "PATH", "");
    if (m_pStartDialogs->RunNewProject(folder))
        CreateProject(folder);
}

void CTarnixEdApp::OnFileOpen()
{
    StopExplorerPreload();
    CString preset = GetProfileString("PROJECT", "FILE", "Velconf.ini").Left(299);
    CFileDialog dlg(TRUE, "ini", preset, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                    "Tarnix Project Files (*.ini)|*.ini||");
    if (dlg.DoModal() == IDOK && !dlg.GetPathName().IsEmpty())
        OpenProjectFile(dlg.GetPathName());
}

void CTarnixEdApp::OnStartCenter()
{
    const CStartDialogs::StartChoice nChoice = m_pStartDialogs->RunStartCenter();
    // A new project and an open show the shell's folders and icons.
    if (nChoice == CStartDialogs::choiceNewProject || nChoice == CStartDialogs::choiceOpenProject)
        StopExplorerPreload();
    switch (nChoice)
    {
    case CStartDialogs::choiceNewProject:
        PostToMainWnd(ID_FILE_NEW);
        if (GetProfileInt("SETTINGS", "BFIRST", 1) != 0)
        {
            PostToMainWnd(ID_HELP_QUICKINFO);
            WriteProfileInt("SETTINGS", "BFIRST", 0);
        }
        break;
    case CStartDialogs::choiceOpenProject:
    {
        CString path;
        if (m_pStartDialogs->RunOpenProject(path) && !path.IsEmpty())
            OpenProjectFile(path);
        break;
    }
    case CStartDialogs::choiceExit:
        PostToMainWnd(ID_APP_EXIT);
        break;
    default:
        break;
    }
}

void CTarnixEdApp::OnEditorLanguage()
{
    CLanguageDlg dlg;
    dlg.m_chLetter = GetUiLanguage();
    if (dlg.DoModal() != IDOK || dlg.m_chLetter == GetUiLanguage())
        return;
    // The resources change with the next start only.
    StoreLanguage(dlg.m_chLetter);
    MessageBoxById(IDS_RESTART_FOR_LANGUAGE);
}

void CTarnixEdApp::OnUpdateLanguage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bLanguageLibPresent != 0);
}

void CTarnixEdApp::OnGridSettings()
{
    ReadGridSettings();
    CGridDlg dlg;
    dlg.m_bSnap = m_nGridFlag;
    dlg.m_nStoredGridSize = m_nGridStep;
    if (dlg.DoModal() != IDOK)
        return;
    m_nGridFlag = dlg.m_bSnap;
    m_nGridStep = dlg.m_nStoredGridSize;
    WriteProfileInt("SETTINGS", "BGRID", m_nGridFlag);
    WriteProfileInt("SETTINGS", "NGRID", m_nGridStep);
    PostToMainWnd(ID_VIEW_GRID_CHANGED);
}

void CTarnixEdApp::OnGraphicsProgram()
{
    CGraphicsProgramDlg dlg;
    dlg.DoModal();
}

// The icon is proposed in the open project's folder.
void CTarnixEdApp::OnIconConverter()
{
    CIconConverterDlg dlg;
    dlg.SetFolder(m_strProjectFolder);
    dlg.DoModal();
}

void CTarnixEdApp::OnUpdateLaterCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void CTarnixEdApp::OnSupport()
{
    CSupportDlg dlg(m_pMainWnd);
    BuildSupportInfo(dlg.m_strSubject, dlg.m_strBody);
    dlg.DoModal();
}

void CTarnixEdApp::OnAppAbout()
{
    CAboutDlg dlg;
    dlg.m_strBuildText = m_strBuildText;
    dlg.m_strFileVersion = m_strFileVersion;
    GetOSDescription(dlg.m_strOSText);
    dlg.DoModal();
}

// ---------------------------------------------------------------------------
// The button-image program

const char CTarnixEdApp::kOrvennaProgID[] = "Orvenna.Document";

CString CTarnixEdApp::OrvennaVersion()
{
    try
    {
        return m_orvenna.GetVersion();
    }
    catch (CException* e)
    {
        e->Delete();
        return CString();
    }
}

void CTarnixEdApp::OpenInOrvenna(LPCSTR lpszFile)
{
    // Versions before 2.0 of the program are let go and made again.
    if (m_orvenna.IsBound() && atol(OrvennaVersion()) < 20000)
        m_orvenna.ReleaseDispatch();
    if (!m_orvenna.IsBound() && !m_orvenna.CreateDispatch(kOrvennaProgID))
        return;
    if (atol(OrvennaVersion()) <= 19999)
        return;
    try
    {
        m_orvenna.CallDispid1();
        m_orvenna.CallDispid5(m_strProjectFolder);
        if (lpszFile != nullptr && *lpszFile != '\0')
            m_orvenna.OpenFile(lpszFile);
    }
    catch (CException* e)
    {
        e->Delete();
    }
}

void CTarnixEdApp::CloseOrvenna()
{
    if (!m_orvenna.IsBound())
        return;
    try
    {
        m_orvenna.CallDispid4();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    m_orvenna.ReleaseDispatch();
}

CString CTarnixEdApp::TakeReturnedImageFile()
{
    CString file = m_strReturnedImageFile;
    m_strReturnedImageFile.Empty();
    return file;
}

void CTarnixEdApp::OnOpenOrvenna()
{
    OpenInOrvenna(nullptr);
}

// ---------------------------------------------------------------------------
// Help and texts

HelpTopicFunction CTarnixEdApp::SetHelpFunction(HelpTopicFunction function)
{
    HelpTopicFunction previous = HelpFunction();
    HelpFunction() = function ? function : HelpTopicFunction(DefaultHelpTopic);
    return previous;
}

void CTarnixEdApp::ShowHelpTopic(const CString& strFile, LPCSTR lpszSeparator, LPCSTR lpszPage)
{
    // A missing help file is said so: the help viewer would show nothing at all.
    CString strPath = FullPathIn(m_strEditorFolder, strFile);
    if (GetFileAttributesA(strPath) == INVALID_FILE_ATTRIBUTES)
    {
        FormatWarningBoxById(IDS_HELP_MISSING, strPath);
        return;
    }
    // Help files name their pages relative to the editor's folder.
    char saved[300] = "";
    GetCurrentDirectoryA(sizeof(saved) - 1, saved);
    SetCurrentDirectoryA(m_strEditorFolder);
    HelpFunction()(strPath + lpszSeparator + lpszPage);
    SetCurrentDirectoryA(saved);
}

void CTarnixEdApp::ShowHelpPage(LPCSTR lpszPage)
{
    ShowHelpTopic("help\\tarnix.chm", "::/web/", lpszPage);
}

void CTarnixEdApp::ShowQuickInfo(LPCSTR lpszPage)
{
    ShowHelpTopic("help\\quickinfo.chm", "::/", lpszPage);
}

void CTarnixEdApp::OnHelpIndex()
{
    ShowHelpPage("index.htm");
}

void CTarnixEdApp::OnQuickInfo()
{
    ShowQuickInfo("index.htm");
}

namespace {

CString ReadRegistryText(CRegKey& key, LPCSTR lpszName)
{
    char buffer[90] = "";
    DWORD dwCount = sizeof(buffer);
    if (key.QueryValue(buffer, lpszName, &dwCount) != ERROR_SUCCESS)
        return CString();
    buffer[sizeof(buffer) - 1] = '\0';
    return buffer;
}

} // namespace

void CTarnixEdApp::GetOSDescription(CString& strText)
{
    strText.Empty();
    CRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", KEY_READ) == ERROR_SUCCESS)
    {
        CString product = ReadRegistryText(key, "ProductName");
        CString version = ReadRegistryText(key, "CurrentVersion");
        key.Close();
        if (!product.IsEmpty() || !version.IsEmpty())
        {
            strText = product + " - " + version;
            return;
        }
    }
    if (key.Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", KEY_READ) != ERROR_SUCCESS)
        return;
    CString version = ReadRegistryText(key, "Version");
    CString number = ReadRegistryText(key, "VersionNumber");
    CString sub = ReadRegistryText(key, "SubVersionNumber");
    key.Close();
    strText = version + " - " + number;
    if (!sub.IsEmpty() && sub != " ")
        strText += " - " + sub;
}

void CTarnixEdApp::BuildSupportInfo(CString& strSubject, CString& strBody)
{
    CString language, os;
    GetUiLanguageName(language);
    language = language.Left(3);
    language.MakeUpper();
    GetOSDescription(os);
    strBody = "Tarnix-Version:" + m_strBuildText + "\r\n" + "Fileversion: " + m_strFileVersion + "-" + language +
              "\r\n" + "OS:" + os + "\r\n";
    strSubject = "Tarnix-Support_" + m_strBuildText + "_" + "Vers-" + m_strFileVersion + "-" + language + "_" + os;
    strSubject.Replace(' ', '_');
}
