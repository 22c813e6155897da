#include "player/PlayerApp.h"

#include "framework/CommandLineInfo.h"
#include "framework/SingleDocTemplate.h"
#include "player/LoadingDlg.h"
#include "player/MainFrame.h"
#include "player/ProjectDiscovery.h"
#include "player/TarnixDoc.h"
#include "player/TarnixView.h"
#include "player/resource.h"

namespace {

// The folder of the running program, or the current folder when the module
// path names none.
CString ProgramFolder()
{
    CString path;
    DWORD nSize = GetModuleFileNameA(nullptr, path.GetBuffer(32768), 32768);
    path.ReleaseBuffer((int)nSize);
    int nSlash = path.ReverseFind('\\');
    if (nSlash >= 1)
        return path.Left(nSlash);
    CString folder;
    DWORD nFolder = GetCurrentDirectoryA(0, nullptr);
    if (nFolder > 0)
    {
        nFolder = GetCurrentDirectoryA(nFolder, folder.GetBuffer((int)nFolder));
        folder.ReleaseBuffer((int)nFolder);
    }
    return folder;
}

} // namespace

CPlayerApp::CPlayerApp() : m_nLoadCount(0), m_pLoadOwner(nullptr), m_pSplash(nullptr)
{
}

BOOL CPlayerApp::InitInstance()
{
    // OLE is set up by the first picture that needs it, not here: the first
    // page appears sooner without loading OLE at the start.
    ShowSplash();

    m_strAppFolder = ProgramFolder();
    m_pLoadOwner = nullptr;
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    m_strProjectFile = SelectProject(cmdInfo.m_strFileName, m_strAppFolder, m_settings);
    ReadInterfaceLanguage(m_settings, m_pLoadOwner);

    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTarnixDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CTarnixView)));
    // The document reads the project through the settings, never from the
    // file named on the command line, so a new document is always made: a
    // name that is no project then cannot stop the start.
    cmdInfo.m_nShellCommand = CCommandLineInfo::FileNew;
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;
    // The main frame stays hidden; the view starts the run from its initial
    // update.
    HideSplash();
    return TRUE;
}

int CPlayerApp::ExitInstance()
{
    HideSplash();
    return CWinApp::ExitInstance();
}

CLoadingDlg* CPlayerApp::ShowSplash()
{
    m_pSplash = nullptr;
    CLoadingDlg* pSplash = new CLoadingDlg(&m_pSplash);
    if (!pSplash->Create())
    {
        delete pSplash;
        return nullptr;
    }
    m_pSplash = pSplash;
    m_pSplash->ShowWindow(SW_SHOW);
    m_pSplash->UpdateWindow();
    return m_pSplash;
}

void CPlayerApp::HideSplash()
{
    if (m_pSplash != nullptr)
        m_pSplash->DestroyWindow();   // the window deletes its object and clears m_pSplash
    m_pSplash = nullptr;
}

CPlayerApp* GetPlayerApp()
{
    return dynamic_cast<CPlayerApp*>(AfxGetApp());
}
