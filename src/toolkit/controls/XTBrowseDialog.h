// Chooses a folder with the shell's folder browser, which opens on the
// path handed in (the current folder when none). It runs through the common
// dialogs' seam, so a test answers it instead of the shell.
#pragma once

#include "framework/CommonDialog.h"

#include <shlobj.h>

class CXTBrowseDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CXTBrowseDialog)
public:
    // Construction
    explicit CXTBrowseDialog(CWnd* pParentWnd = nullptr);

    // Attributes
    BROWSEINFOA m_bi;
    void SetTitle(LPCSTR lpszTitle);
    void SetSelPath(LPCSTR lpszPath);
    CString GetSelPath() const { return CString(m_szSelPath); }

    // Operations
    // 1 when a folder was chosen (GetSelPath), 2 when the browser was
    // cancelled or gave no file system path.
    int Run();

    // Selects the starting path when the browser opens and shows the path of
    // the selected folder as its status text.
    static int CALLBACK BrowseCallbackProc(HWND hWnd, UINT uMsg, LPARAM lParam, LPARAM lpData);

protected:
    BOOL RunSystemDialog(HWND hWndOwner) override;

    char m_szSelPath[MAX_PATH];
    char m_szDisplayName[MAX_PATH];
    CString m_strTitle;
};
