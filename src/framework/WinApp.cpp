#include "framework/WinApp.h"

#include "framework/CmdUI.h"
#include "framework/CommandLineInfo.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Exceptions.h"
#include "framework/Ids.h"
#include "framework/RecentFileList.h"
#include "framework/Wnd.h"

#include <ole2.h>
#include <stdlib.h>
#include <vector>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
END_MESSAGE_MAP()

namespace {

CWinApp* g_pApp = nullptr;
HINSTANCE g_hResource = nullptr;
BOOL g_bOleInitialized = FALSE;

CString ExeBaseName(HINSTANCE hInstance)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(hInstance, path, MAX_PATH);
    CString name(path);
    name = name.Mid(name.ReverseFind('\\') + 1);
    int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Left(dot) : name;
}

} // namespace

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(nullptr), m_hInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL),
      m_pszExeName(nullptr), m_pszRegistryKey(nullptr), m_pszProfileName(nullptr), m_pRecentFileList(nullptr)
{
    if (lpszAppName != nullptr)
    {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    delete m_pRecentFileList;
    while (!m_templateList.IsEmpty())
        delete static_cast<CDocTemplate*>(m_templateList.RemoveHead());
    if (g_pApp == this)
        g_pApp = nullptr;
}

void CWinApp::SetInstanceData(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow)
{
    m_hInstance = hInstance;
    m_lpCmdLine = lpCmdLine;
    m_nCmdShow = nCmdShow;
    if (g_hResource == nullptr)
        g_hResource = hInstance;

    m_strExeName = ExeBaseName(hInstance);
    m_pszExeName = m_strExeName;
    if (m_pszAppName == nullptr)
    {
        // The application's title string (0xE000) names it; else the exe does.
        CString title;
        m_strAppName = title.LoadString(0xE000) ? title : m_strExeName;
        m_pszAppName = m_strAppName;
    }
    if (m_pszProfileName == nullptr)
    {
        m_strProfileName = m_strExeName + ".INI";
        m_pszProfileName = m_strProfileName;
    }
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
    m_strProfileName = m_pszAppName ? m_pszAppName : "";
    m_pszProfileName = m_strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == nullptr)
        return nullptr;
    CString path;
    path.Format("Software\\%s\\%s", m_pszRegistryKey, m_pszProfileName);
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    HKEY hApp = GetAppRegistryKey();
    if (hApp == nullptr)
        return nullptr;
    HKEY hSection = nullptr;
    if (RegCreateKeyExA(hApp, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &hSection, nullptr) != ERROR_SUCCESS)
        hSection = nullptr;
    RegCloseKey(hApp);
    return hSection;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == nullptr)
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return (UINT)nDefault;
    DWORD value = 0, type = 0, size = sizeof(value);
    LONG rc = RegQueryValueExA(hKey, lpszEntry, nullptr, &type, (LPBYTE)&value, &size);
    RegCloseKey(hKey);
    if (rc != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value))
        return (UINT)nDefault;
    return value;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    if (m_pszRegistryKey == nullptr)
    {
        std::vector<char> buf(4096);
        ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault ? lpszDefault : "", buf.data(),
                                   (DWORD)buf.size(), m_pszProfileName);
        return CString(buf.data());
    }
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return CString(lpszDefault);
    DWORD type = 0, size = 0;
    CString result(lpszDefault);
    if (RegQueryValueExA(hKey, lpszEntry, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ)
    {
        std::vector<char> buf(size + 1, '\0');
        if (RegQueryValueExA(hKey, lpszEntry, nullptr, &type, (LPBYTE)buf.data(), &size) == ERROR_SUCCESS)
            result = buf.data();
    }
    RegCloseKey(hKey);
    return result;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    if (m_pszRegistryKey == nullptr)
        return FALSE;
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    DWORD type = 0, size = 0;
    BOOL ok = FALSE;
    if (RegQueryValueExA(hKey, lpszEntry, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_BINARY)
    {
        // The caller frees the data with delete[].
        LPBYTE data = new BYTE[size ? size : 1];
        if (RegQueryValueExA(hKey, lpszEntry, nullptr, &type, data, &size) == ERROR_SUCCESS)
        {
            *ppData = data;
            *pBytes = size;
            ok = TRUE;
        }
        else
            delete[] data;
    }
    RegCloseKey(hKey);
    return ok;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == nullptr)
    {
        CString text;
        text.Format("%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, m_pszProfileName);
    }
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    DWORD value = (DWORD)nValue;
    LONG rc = RegSetValueExA(hKey, lpszEntry, 0, REG_DWORD, (const BYTE*)&value, sizeof(value));
    RegCloseKey(hKey);
    return rc == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (m_pszRegistryKey == nullptr)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (lpszEntry == nullptr)
    {
        // No entry: the whole section goes.
        HKEY hApp = GetAppRegistryKey();
        if (hApp == nullptr)
            return FALSE;
        LONG rc = RegDeleteKeyA(hApp, lpszSection);
        RegCloseKey(hApp);
        return rc == ERROR_SUCCESS;
    }
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    LONG rc;
    if (lpszValue == nullptr)
        rc = RegDeleteValueA(hKey, lpszEntry);
    else
        rc = RegSetValueExA(hKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue, (DWORD)lstrlenA(lpszValue) + 1);
    RegCloseKey(hKey);
    return rc == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey == nullptr)
        return FALSE;
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    LONG rc = RegSetValueExA(hKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
    RegCloseKey(hKey);
    return rc == ERROR_SUCCESS;
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    m_templateList.AddTail(pTemplate);
}

namespace {

// Whether the template's file extension (".ini") ends the path.
bool TemplateTakesFile(const CDocTemplate* pTemplate, LPCSTR lpszFileName)
{
    CString ext;
    if (lpszFileName == nullptr || !pTemplate->GetDocString(ext, CDocTemplate::filterExt) || ext.IsEmpty())
        return false;
    CString name(lpszFileName);
    return name.GetLength() >= ext.GetLength() && name.Right(ext.GetLength()).CompareNoCase(ext) == 0;
}

} // namespace

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    POSITION pos = GetFirstDocTemplatePosition();
    if (pos == nullptr)
        return nullptr;
    CDocTemplate* pChosen = GetNextDocTemplate(pos);
    for (POSITION p = GetFirstDocTemplatePosition(); p != nullptr;)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(p);
        if (TemplateTakesFile(pTemplate, lpszFileName))
        {
            pChosen = pTemplate;
            break;
        }
    }
    return pChosen->OpenDocumentFile(lpszFileName);
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

BOOL CWinApp::SaveAllModified()
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;)
    {
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    if (nMaxMRU > ID_FILE_MRU_FILE16 - ID_FILE_MRU_FILE1 + 1)
        nMaxMRU = ID_FILE_MRU_FILE16 - ID_FILE_MRU_FILE1 + 1;
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nMaxMRU == 0)
        return;
    m_pRecentFileList = new CRecentFileList(ID_FILE_MRU_FILE1, "Recent File List", "File%d", (int)nMaxMRU);
    m_pRecentFileList->ReadList();
}

void CWinApp::AddToRecentFileList(LPCSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (m_pRecentFileList == nullptr)
        pCmdUI->Enable(FALSE);
    else
        m_pRecentFileList->UpdateMenu(pCmdUI);
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    if (m_pRecentFileList == nullptr)
        return FALSE;
    int nIndex = (int)(nID - ID_FILE_MRU_FILE1);
    if (nIndex < 0 || nIndex >= m_pRecentFileList->GetCount())
        return FALSE;
    // The program's own OpenDocumentFile decides; a file that fails leaves the list.
    if (OpenDocumentFile((*m_pRecentFileList)[nIndex]) == nullptr)
        m_pRecentFileList->Remove(nIndex);
    return TRUE;
}

void CWinApp::WinHelp(DWORD_PTR, UINT)
{
}

void CWinApp::OnFileNew()
{
    OpenDocumentFile(nullptr);
}

void CWinApp::OnAppExit()
{
    // Closing the main window ends the message loop.
    if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
    else
        ::PostQuitMessage(0);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    CStringArray params;
    AfxSplitCommandLine(m_lpCmdLine, params);
    for (INT_PTR i = 0; i < params.GetSize(); ++i)
    {
        CString param = params[i];
        BOOL bFlag = !param.IsEmpty() && (param[0] == '/' || param[0] == '-');
        if (bFlag)
            param = param.Mid(1);
        rCmdInfo.ParseParam(param, bFlag, i + 1 == params.GetSize());
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
        OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    default:
        return TRUE;
    }
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    HICON h = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    return h ? h : ::LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDResource));
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    HCURSOR h = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    return h ? h : ::LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDResource));
}

int CWinApp::ExitInstance()
{
    CloseAllDocuments(TRUE);
    return CWinThread::ExitInstance();
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_pApp && g_pApp->m_hInstance ? g_pApp->m_hInstance : GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return g_hResource ? g_hResource : GetModuleHandleA(nullptr);
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_hResource = hInstResource;
}

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    HINSTANCE hRes = AfxGetResourceHandle();
    if (::FindResourceA(hRes, lpszName, lpszType) != nullptr)
        return hRes;
    HINSTANCE hExe = ::GetModuleHandleA(nullptr);
    return ::FindResourceA(hExe, lpszName, lpszType) != nullptr ? hExe : nullptr;
}

BOOL AfxOleInit()
{
    if (g_bOleInitialized)
        return TRUE;
    g_bOleInitialized = SUCCEEDED(::OleInitialize(nullptr));
    return g_bOleInitialized;
}

namespace {

int EndProgram(int nReturnCode)
{
    if (g_bOleInitialized)
    {
        ::OleUninitialize();
        g_bOleInitialized = FALSE;
    }
    return nReturnCode;
}

} // namespace

namespace {

// Runs one stage of the program; what escapes it is reported and counts as failure.
template <class STAGE>
bool RunStage(STAGE stage)
{
    try
    {
        stage();
        return true;
    }
    catch (CException* e)
    {
        e->ReportError();
        e->Delete();
    }
    catch (...)
    {
    }
    return false;
}

} // namespace

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    pApp->SetInstanceData(hInstance, lpCmdLine, nCmdShow);
    int nReturnCode = -1;
    BOOL bStarted = FALSE;
    RunStage([&] { bStarted = pApp->InitApplication() && pApp->InitInstance(); });
    if (bStarted)
    {
        if (!RunStage([&] { nReturnCode = pApp->Run(); }))
            nReturnCode = -1;
        return EndProgram(nReturnCode);
    }
    // A failed start-up still ends through ExitInstance, so that what
    // InitInstance made is released.
    if (!RunStage([&] { nReturnCode = pApp->ExitInstance(); }))
        nReturnCode = -1;
    return EndProgram(nReturnCode);
}
