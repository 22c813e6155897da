// The system's open and save dialogs.
#pragma once

#include "framework/CommonDialog.h"

class CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter: pairs of text and pattern separated by '|', ended by "||".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);

    // Attributes
    OPENFILENAMEA m_ofn;      // the caller may set lpstrInitialDir, lpstrTitle and the flags
    CString GetPathName() const { return CString(m_szFileName); }
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

    enum { nFileNameMax = 1024 };   // characters of the chosen path, ending zero included

protected:
    BOOL RunSystemDialog(HWND hWndOwner) override;

    BOOL m_bOpenFileDialog;
    char m_szFileName[nFileNameMax];
    char m_szFileTitle[nFileNameMax];
    CString m_strDefExt;
    CString m_strFilter;      // '|' turned into the zero bytes the system wants
};
