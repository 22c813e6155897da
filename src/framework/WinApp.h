// The application object: start-up, the message loop, profile settings and
// the resource module.
#pragma once

#include "framework/Collections.h"
#include "framework/String.h"
#include "framework/WinThread.h"

class CDocTemplate;
class CDocument;
class CCommandLineInfo;
class CCmdUI;
class CRecentFileList;

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // Attributes
    LPCSTR m_pszAppName;        // caption of message boxes and the profile's application key
    HINSTANCE m_hInstance;
    LPSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCSTR m_pszExeName;        // the exe's name without extension
    LPCSTR m_pszRegistryKey;    // NULL: the profile is an INI file
    LPCSTR m_pszProfileName;    // the application key, or the INI file's name

    // Start-up, called from the program entry before InitInstance.
    virtual BOOL InitApplication() { return TRUE; }
    void SetInstanceData(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow);

    // Profile: HKCU\Software\<key>\<application>\<section> once SetRegistryKey ran,
    // else the INI file named m_pszProfileName in the Windows folder.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);
    HKEY GetAppRegistryKey();                    // caller closes it
    HKEY GetSectionKey(LPCSTR lpszSection);      // caller closes it

    // Documents
    void AddDocTemplate(CDocTemplate* pTemplate);   // the application owns it
    POSITION GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const { return static_cast<CDocTemplate*>(m_templateList.GetNext(pos)); }
    // Opens the file through the template of its file type (the first
    // template when none claims it).
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    void CloseAllDocuments(BOOL bEndSession);
    // Asks about every modified document; FALSE when the user cancelled.
    virtual BOOL SaveAllModified();

    // Recent files: up to nMaxMRU of them in the profile section "Recent File
    // List" as "File1", "File2"...; the File menu's ID_FILE_MRU_FILE1 entry
    // expands into them.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    virtual void AddToRecentFileList(LPCSTR lpszPathName);
    CRecentFileList* m_pRecentFileList;

    // Help: the frames' help commands end here. There is no WinHelp on 64-bit
    // Windows; a program answers with its own help.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    // Parses m_lpCmdLine: the first parameter that is not a flag is the file.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // Opens the named file or a new document; FALSE when that failed.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // Resources
    HICON LoadIcon(UINT nIDResource) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const { return ::LoadCursorA(nullptr, lpszCursorName); }

    int ExitInstance() override;

protected:
    void OnFileNew();
    void OnAppExit();
    void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    BOOL OnOpenRecentFile(UINT nID);

    CPtrList m_templateList;

    DECLARE_MESSAGE_MAP()

private:
    CString m_strAppName;
    CString m_strExeName;
    CString m_strRegistryKey;
    CString m_strProfileName;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds a resource: the resource module, else the exe; NULL when neither does.
HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);

// Initialises OLE for the user-interface thread (the picture object needs it);
// the program entry uninitialises it when the program ends. FALSE on failure.
BOOL AfxOleInit();

// The program entry, called by WinMain.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
