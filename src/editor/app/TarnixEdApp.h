// The editor's application object: start-up (registry key, interface
// language, version texts, grid settings), the editor-wide state others read
// (project file and folder, editor folder), and the application commands: new
// and open project, the Start Center, help and the about box.
#pragma once

#include "editor/app/DocServerDriver.h"
#include "editor/app/EditorAppServices.h"
#include "editor/app/ObjectClipboard.h"
#include "editor/dialogs/ProjectStartDialogs.h"
#include "framework/WinApp.h"

#include <functional>

class CCmdUI;

// Opens one page of a help file ("file::/page"); the default calls HTML Help.
typedef std::function<void(const CString& strTopic)> HelpTopicFunction;

class CTarnixEdApp : public CWinApp
{
    DECLARE_DYNAMIC(CTarnixEdApp)
public:
    // The product name is the application's registry key below "Morvadeth".
    explicit CTarnixEdApp(LPCSTR lpszProductName = "Tarnix 2");
    ~CTarnixEdApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    // The recent-file list and every other road to a project file end in
    // OpenProjectFile's checks.
    CDocument* OpenDocumentFile(LPCSTR lpszFileName) override;
    // The list holds projects: a sub-page, reached through its main page, is
    // not put in it.
    void AddToRecentFileList(LPCSTR lpszPathName) override;
    // The frames' help commands open the editor's HTML help.
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;

    // Start-up steps
    // The application name and the registry key it fixes.
    void InitRegistry();
    // The interface language from SETTINGS/LANGUAGE; a language other than
    // German takes its resources from tarnix_english.dll in the folder.
    void LoadInterfaceLanguage(const CString& strFolder);
    // File version ("%02d%02d%02d"), build text and editor folder of the module.
    void ReadVersionInfo(HMODULE hModule = nullptr);
    void ReadGridSettings();

    // Projects
    // Opens an existing project file after its checks; every road that opens a
    // project comes here. FALSE when refused or cancelled.
    BOOL OpenProjectFile(const CString& strPath);
    // Opens the project after the current message (command 32850).
    void RequestOpenProject(const CString& strPath);
    // Lays out the project folder and opens its project (File New).
    BOOL CreateProject(const CString& strFolder);
    // A path inside the project folder as "_CURRENTDIR_\..."; with bWarn an
    // existing file outside it is reported.
    void MakeProjectRelativePath(CString& strPath, BOOL bWarn);

    // Help, system text, support texts
    void ShowHelpPage(LPCSTR lpszPage);
    void ShowQuickInfo(LPCSTR lpszPage);
    // Replaces the function help pages go through; returns the previous one.
    static HelpTopicFunction SetHelpFunction(HelpTopicFunction function);
    static void GetOSDescription(CString& strText);
    void BuildSupportInfo(CString& strSubject, CString& strBody);

    // The external button-image program: binds it (when it exists) and hands
    // it the project folder and the file; CloseOrvenna lets it go.
    void OpenInOrvenna(LPCSTR lpszFile);
    void CloseOrvenna();
    BOOL IsOrvennaBound() const { return m_orvenna.IsBound(); }
    static const char kOrvennaProgID[];

    // The project start dialogs the program runs (not owned); null: the real ones.
    void SetStartDialogs(CStartDialogs* pDialogs) { m_pStartDialogs = pDialogs ? pDialogs : &m_startDialogs; }
    // A button picture the button-image program handed back, taken once.
    CString TakeReturnedImageFile();
    void SetReturnedImageFile(const CString& strFile) { m_strReturnedImageFile = strFile; }
    // What the author copied or cut, kept over page changes.
    CObjectClipboard& GetObjectClipboard() { return m_objectClipboard; }

    // State other parts read
    HINSTANCE m_hLanguageLib;
    HINSTANCE m_hSavedResource;
    int m_bLanguageLibPresent;
    CString m_strProjectFile;
    CString m_strProjectFolder;
    CString m_strFileVersion;
    CString m_strBuildText;
    CString m_strEditorFolder;
    CString m_strReopenPath;
    int m_nGridFlag;
    int m_nGridStep;
    CString m_strPendingOpenPath;

protected:
    void OnFileNew();
    void OnFileOpen();
    void OnStartCenter();
    void OnHelpIndex();
    void OnQuickInfo();
    void OnAppAbout();
    void OnSupport();
    void OnReopenProject();
    void OnOpenRequestedProject();
    void OnOpenOrvenna();
    void OnEditorLanguage();
    void OnGridSettings();
    void OnGraphicsProgram();
    void OnIconConverter();
    void OnUpdateLaterCommand(CCmdUI* pCmdUI);
    void OnUpdateLanguage(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    void ShowHelpTopic(const CString& strFile, LPCSTR lpszSeparator, LPCSTR lpszPage);
    CDocument* OpenProject(const CString& strPath);
    // Whether the head of the page says the editor wrote it; otherwise the
    // refusal names the VERSION line found and the one expected.
    static BOOL IsEditorPage(const CString& strPath);
    // Sets the interface language and writes its name to SETTINGS/LANGUAGE.
    void StoreLanguage(char chLetter);
    CDocument* OpenProjectDocument(const CString& strPath);
    // Before a dialog that draws the shell's icons.
    void StopExplorerPreload();
    // Whether an open document of that path shows a sub-page.
    BOOL IsOpenSubPage(const CString& strPath);

    CString OrvennaVersion();

    CString m_strProductName;
    CProjectStartDialogs m_startDialogs;
    CStartDialogs* m_pStartDialogs;
    CEditorAppServices m_services;
    CString m_strReturnedImageFile;
    CDocServerDriver m_orvenna;
    CObjectClipboard m_objectClipboard;
};

// The running editor's application object; null when the application is not the editor's.
CTarnixEdApp* GetEditorApp();
