#include "shared/support/Starter.h"

IMPLEMENT_DYNAMIC(CStarter, CObject)

namespace {

const int kSuccess = -1;

// Action codes of the action keywords that the starter turns into requests.
const int kActionNewPage = 1;
const int kActionPlayVideo = 3;
const int kActionExit = 4;

// The texts that posted requests point to; the receiving window reads them
// when it handles the message, after the starter is gone.
char g_szDocument[STARTER_DOCUMENT_BUFFER];
char g_szSound[STARTER_SOUND_BUFFER];
char g_szEmpty[2];

LPARAM CopyToBuffer(char* pBuffer, int nSize, const CString& strText)
{
    lstrcpynA(pBuffer, strText, nSize);
    return (LPARAM)pBuffer;
}

LPARAM EmptyText()
{
    g_szEmpty[0] = '\0';
    return (LPARAM)g_szEmpty;
}

CString ShellErrorText(int nCode)
{
    switch (nCode)
    {
    case 0: return "The operating system is out of memory or resources.";
    case ERROR_FILE_NOT_FOUND: return "  The specified file was not found.";
    case ERROR_PATH_NOT_FOUND: return "  The specified path was not found. ";
    case SE_ERR_ACCESSDENIED: return "  The operating system denied access to the specified file.  ";
    case SE_ERR_OOM: return "  There was not enough memory to complete the operation. ";
    case ERROR_BAD_FORMAT: return "  The .exe file is invalid (non-Win32® .exe or error in .exe image). ";
    case SE_ERR_SHARE: return "  A sharing violation occurred. ";
    case SE_ERR_ASSOCINCOMPLETE: return "  The file name association is incomplete or invalid. ";
    case SE_ERR_DDETIMEOUT: return "  The DDE transaction could not be completed because the request timed out. ";
    case SE_ERR_DDEFAIL: return "  The DDE transaction failed.";
    case SE_ERR_DDEBUSY:
        return "  The DDE transaction could not be completed because other DDE transactions were being processed. ";
    case SE_ERR_NOASSOC: return "  There is no application associated with the given file name extension. ";
    case SE_ERR_DLLNOTFOUND: return "  The specified dynamic-link library was not found. ";
    }
    return CString();
}

// The platform knows no usable program for the document, so a program the
// caller names may open it instead.
bool NeedsFallbackProgram(int nCode)
{
    return nCode == SE_ERR_NOASSOC || nCode == ERROR_BAD_FORMAT || nCode == SE_ERR_ASSOCINCOMPLETE;
}

} // namespace

CStarter::CStarter()
    : m_bShowErrors(TRUE), m_nOpenResult(kSuccess), m_nProgramResult(kSuccess), m_pNotifyWnd(nullptr)
{
}

CStarter::~CStarter() = default;

void CStarter::SetWorkingDir(LPCSTR lpszPath)
{
    CString strFolder = lpszPath;
    const int nSlash = strFolder.ReverseFind('\\');
    if (nSlash < 0)
        return;
    strFolder = strFolder.Left(nSlash);
    // The quotes go first, so that a quoted document at a drive's root still
    // changes to the root and not to the drive's current folder.
    strFolder.TrimLeft('"');
    strFolder.TrimRight('"');
    if (strFolder.GetLength() == 2 && strFolder[1] == ':')
        strFolder += '\\';
    if (!strFolder.IsEmpty())
        SetCurrentDirectoryA(strFolder);
}

int CStarter::ShellOpen(LPCSTR lpszDocument, LPCSTR lpszFallbackProgram, BOOL bSetFolder)
{
    // 1. Start from success.
    m_strOpenError.Empty();
    m_nOpenResult = kSuccess;
    // 2. The document's folder.
    if (bSetFolder)
        SetWorkingDir(lpszDocument);
    // 3. Open it with its associated program.
    const INT_PTR nInstance = (INT_PTR)AfxShellExecute(GetDesktopWindow(), "open", lpszDocument, nullptr, nullptr,
                                                      SW_SHOWNORMAL);
    int nResult = kSuccess;
    // 4. Only a result above 32 is success; 32 itself is an error code.
    if (nInstance <= 32)
    {
        nResult = (int)nInstance;
        m_strOpenError = ShellErrorText(nResult);
    }
    // 5. A program of the caller's for a document the platform cannot open.
    const CString strFallback = lpszFallbackProgram;
    if (NeedsFallbackProgram(nResult) && !strFallback.IsEmpty()
        && WinExecProgram(strFallback, lpszDocument, TRUE) == kSuccess)
        nResult = kSuccess;
    // 6. Report what still failed.
    if (nResult != kSuccess)
        ShowError(m_strOpenError);
    // 7. Keep the outcome.
    m_nOpenResult = nResult;
    if (nResult == kSuccess)
        m_strOpenError.Empty();
    return nResult;
}

int CStarter::WinExecProgram(LPCSTR lpszProgram, LPCSTR lpszParameter, BOOL bSetFolder)
{
    m_strProgramError.Empty();
    m_nProgramResult = kSuccess;
    const CString strProgram = lpszProgram;
    if (strProgram.IsEmpty())
        return kSuccess;
    if (bSetFolder)
        SetWorkingDir(strProgram);
    CString strCommandLine;
    strCommandLine.Format("%s %s", (LPCSTR)strProgram, (LPCSTR)CString(lpszParameter));
    const UINT nResult = AfxWinExec(strCommandLine, SW_SHOW);
    if (nResult > 31)
        return kSuccess;
    m_nProgramResult = (int)nResult;
    m_strProgramError.Format("WinExec failed\nFile = %s\nerror code = %d", (LPCSTR)strCommandLine, (int)nResult);
    ShowError(m_strProgramError);
    return m_nProgramResult;
}

int CStarter::Start(LPCSTR lpszDocument, LPCSTR lpszApplication, LPCSTR lpszParameter, int nAction,
                    CString& strError, BOOL bSetFolder)
{
    const CString strDocument = lpszDocument;
    const CString strApplication = lpszApplication;
    const CString strParameter = lpszParameter;
    // 1. The caller reports failures itself.
    m_bShowErrors = FALSE;
    // 2. Another page.
    if (nAction == kActionNewPage)
    {
        PostRequest(WM_STARTER_SHOWPAGE, CopyToBuffer(g_szDocument, sizeof(g_szDocument), strDocument));
        return kSuccess;
    }
    // 3. A video, when one is named.
    if (nAction == kActionPlayVideo && !strDocument.IsEmpty())
    {
        PostRequest(WM_STARTER_PLAYVIDEO, CopyToBuffer(g_szDocument, sizeof(g_szDocument), strDocument));
        return kSuccess;
    }
    // 4.1 The document, 4.2 else the program. A button that names neither
    // (a sound button, a button without a function) has nothing that can fail.
    int nResult = strDocument.IsEmpty() && strApplication.IsEmpty() ? kSuccess : 0;
    if (!strDocument.IsEmpty())
        nResult = ShellOpen(strDocument, "", bSetFolder);
    if (nResult != kSuccess && !strApplication.IsEmpty())
        nResult = WinExecProgram(strApplication, strParameter, bSetFolder);
    // 4.3 Describe the failure.
    if (nResult != kSuccess)
        strError = "F E H L E R   !\n\n" "Dokument=" + strDocument + "\n" "Applikation=" + strApplication + "\n"
                   "Parameter=" + strParameter + "\n\n" + m_strOpenError + "\n" + m_strProgramError + "\n";
    // 4.4 An exit button leaves the menu after starting what it names.
    if (nAction == kActionExit)
    {
        nResult = kSuccess;
        PostExit();
    }
    return nResult;
}

void CStarter::PostPlaySound(LPCSTR lpszFile)
{
    const CString strFile = lpszFile;
    if (strFile.IsEmpty())
        return;
    const LPARAM lFile = CopyToBuffer(g_szSound, sizeof(g_szSound), strFile);
    PostRequest(WM_STARTER_SOUND, EmptyText());
    PostRequest(WM_STARTER_SOUND, lFile);
}

void CStarter::PostStopSound()
{
    PostRequest(WM_STARTER_CLOSESOUND, 0);
}

HWND CStarter::GetTargetWnd() const
{
    return m_pNotifyWnd != nullptr ? AfxHwnd(m_pNotifyWnd) : AfxHwnd(AfxGetMainWnd());
}

// A window object without a window gets nothing: a null handle would post to
// the thread's own queue instead.
void CStarter::PostRequest(UINT nMessage, LPARAM lParam) const
{
    const HWND hWnd = GetTargetWnd();
    if (hWnd != nullptr)
        ::PostMessageA(hWnd, nMessage, 0, lParam);
}

void CStarter::PostExit() const
{
    const HWND hWnd = GetTargetWnd();
    if (hWnd != nullptr)
        ::PostMessageA(hWnd, WM_COMMAND, m_pNotifyWnd != nullptr ? ID_STARTER_EXIT : ID_APP_EXIT, 0);
}

void CStarter::ShowError(const CString& strText) const
{
    if (m_bShowErrors)
        AfxMessageBox(strText, MB_OK);
}
