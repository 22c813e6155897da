#include "shared/menuobj/GraphicsProgram.h"

#include "framework/ProgramStart.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

#include <shellapi.h>

namespace {

const char kSection[] = "SETTINGS";
const char kEntry[] = "GRAFIKPATH";

bool FileExists(LPCSTR lpszPath)
{
    const DWORD dwAttributes = GetFileAttributesA(lpszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The program the system opens BMP files with, asked with a small file of
// that type in the current folder; empty when there is none.
CString FindBmpProgram()
{
    const char szProbe[] = "x.bmp";
    HANDLE hFile = CreateFileA(szProbe, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return CString();
    DWORD dwWritten = 0;
    WriteFile(hFile, "BM   ", 5, &dwWritten, nullptr);
    CloseHandle(hFile);
    char szProgram[MAX_PATH] = "";
    const INT_PTR nResult = reinterpret_cast<INT_PTR>(FindExecutableA(szProbe, nullptr, szProgram));
    DeleteFileA(szProbe);
    return nResult > 32 && FileExists(szProgram) ? CString(szProgram) : CString();
}

} // namespace

void OpenInGraphicsProgram(CWnd* pOwner, const CString& strFile, const GraphicsProgramChooser& chooseProgram)
{
    CWinApp* pApp = AfxGetApp();
    CString strProgram = pApp->GetProfileString(kSection, kEntry, "");
    if (strProgram.IsEmpty() || !FileExists(strProgram))
    {
        strProgram = FindBmpProgram();
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
