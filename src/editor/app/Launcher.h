// The editor's names for the starter: opening documents, starting programs and
// handing button actions to a window (the test run, the about box's link and
// the canvas buttons use it).
#pragma once

#include "shared/support/Starter.h"

#include <initializer_list>

class CLauncher : public CStarter
{
    DECLARE_DYNAMIC(CLauncher)
public:
    CLauncher() = default;

    void SetNotifyWindow(CWnd* pWnd) { SetNotifyWnd(pWnd); }
    int GetLastOpenResult() const { return GetOpenResult(); }
    int GetLastRunResult() const { return GetProgramResult(); }

    // -1 on success, else the platform's code. Without an application a
    // document the platform cannot open stays a failure.
    int OpenDocument(LPCSTR lpszDocument, LPCSTR lpszApplication, BOOL bChangeFolder)
    {
        return ShellOpen(lpszDocument, lpszApplication, bChangeFolder);
    }
    int RunProgram(LPCSTR lpszProgram, LPCSTR lpszParameters, BOOL bChangeFolder)
    {
        return WinExecProgram(lpszProgram, lpszParameters, bChangeFolder);
    }
    int Execute(LPCSTR lpszDocument, LPCSTR lpszApplication, LPCSTR lpszParameter, int nAction, CString& strError,
                BOOL bChangeFolder)
    {
        return Start(lpszDocument, lpszApplication, lpszParameter, nAction, strError, bChangeFolder);
    }
    void PostStartSound(LPCSTR lpszFile) { PostPlaySound(lpszFile); }
    static void ChangeToFolderOf(LPCSTR lpszPath) { SetWorkingDir(lpszPath); }

    // The product's programs outside this system (the text viewer, the
    // document starters) are copied or started from beside the editor only.
    // Empty when each file is in the editor's folder (or its sub-folder, given
    // as "\\Name" or empty); else the reason, naming the first file missing.
    static CString MissingSibling(const CString& strEditorFolder, LPCSTR lpszSubFolder,
                                  std::initializer_list<LPCSTR> files);
};
