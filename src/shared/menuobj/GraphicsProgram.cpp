#include "shared/menuobj/GraphicsProgram.h"

#include "framework/ProgramStart.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "shared/support/FileHandle.h"
#include "shared/support/FileUtils.h"

#include <shellapi.h>

namespace {

const char kSection[] = "SETTINGS";
const char kEntry[] = "GRAFIKPATH";

const int kProbeAttempts = 100;

// A new, empty file of the given extension in the temporary folder, under a
// name no other file has: asking the system about a file type must never
// touch a file of the user's. Empty when none can be made.
CString CreateProbeFile(LPCSTR lpszExtension)
{
    char szFolder[MAX_PATH] = "";
    const DWORD nLength = GetTempPathA(sizeof(szFolder), szFolder);
    if (nLength == 0 || nLength >= sizeof(szFolder))
        return CString();
    for (int nAttempt = 0; nAttempt < kProbeAttempts; ++nAttempt)
    {
        CString strPath;
        strPath.Format("%sTarnixProbe%lu_%lu_%d%s", szFolder, GetCurrentProcessId(), GetTickCount(), nAttempt,
                       lpszExtension);
        CFileHandle file(CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.IsOpen())
        {
            DWORD dwWritten = 0;
            WriteFile(file.Get(), "BM   ", 5, &dwWritten, nullptr);
            return strPath;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    return CString();
}

// The program the system opens BMP files with, asked with a probe file of
// that type; empty when there is none.
CString FindBmpProgram(const std::function<CString()>& makeProbeFile)
{
    const CString strProbe = makeProbeFile ? makeProbeFile() : CreateProbeFile(".bmp");
    if (strProbe.IsEmpty())
        return CString();
    char szProgram[MAX_PATH] = "";
    const INT_PTR nResult = reinterpret_cast<INT_PTR>(FindExecutableA(strProbe, nullptr, szProgram));
    DeleteFileA(strProbe);
    return nResult > 32 && FileExists(szProgram) ? CString(szProgram) : CString();
}

} // namespace

void OpenInGraphicsProgram(CWnd* pOwner, const CString& strFile, const GraphicsProgramChooser& chooseProgram,
                           const std::function<CString()>& makeProbeFile)
{
    CWinApp* pApp = AfxGetApp();
    CString strProgram = pApp->GetProfileString(kSection, kEntry, "");
    if (strProgram.IsEmpty() || !FileExists(strProgram))
    {
        strProgram = FindBmpProgram(makeProbeFile);
        if (!strProgram.IsEmpty())
            pApp->WriteProfileString(kSection, kEntry, strProgram);
        else if (chooseProgram)
            strProgram = chooseProgram();
    }
    if (strProgram.IsEmpty() || !FileExists(strProgram))
        return;
    AfxShellExecute(pOwner != nullptr ? pOwner->m_hWnd : nullptr, "open", strProgram, strFile.IsEmpty() ? nullptr : (LPCSTR)strFile, nullptr,
                    SW_SHOWNORMAL);
}
