// The edit control of every dialog that names a file of the project: it takes
// a file dropped from the shell, and its checks tell whether a file has one of
// the allowed types and lies in the project folder.
#pragma once

#include "framework/Edit.h"

class CFileEdit : public CEdit
{
    DECLARE_DYNAMIC(CFileEdit)
public:
    CFileEdit();

    // Binds the dialog's item to this object with the project folder and the
    // ';'-separated type list (".mid;.wav"; "*" or empty allows every file).
    BOOL SubclassItem(UINT nID, CWnd* pParent, const CString& strProjectFolder, const CString& strTypes);

    // The type check, then, with bCheckFolder, the folder check. Each failing
    // check has shown its message.
    static BOOL CheckFile(const CString& strFile, const CString& strTypes, const CString& strProjectFolder,
                          BOOL bCheckFolder);
    // TRUE when the name holds one of the types after its first character
    // (without regard to case); otherwise string 205 names the allowed types.
    static BOOL CheckFileType(const CString& strFile, const CString& strTypes);
    // TRUE when the file lies in the folder: the name begins with it (without
    // regard to case) and a backslash or the end follows. An empty name or
    // folder fails quietly; a file elsewhere shows string 206.
    static BOOL CheckFileInProject(const CString& strFile, const CString& strProjectFolder);

    BOOL m_bDropEnabled;
    CString m_strProjectFolder;
    CString m_strTypes;
    // FALSE for a file that is copied into the project: a drop then checks
    // only the type, as browsing for it does.
    BOOL m_bCheckFolder;

protected:
    // Files are accepted from the first time the control is drawn.
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    void OnDropFiles(HDROP hDropInfo);

    DECLARE_MESSAGE_MAP()
};
