// The folder in which a new project is laid out: a path with a drive, not a
// drive's root, without trailing backslashes.
#pragma once

#include "framework/Dialog.h"

class CNewProjectDlg : public CDialog
{
public:
    explicit CNewProjectDlg(CWnd* pParent = nullptr);

    CString m_strFolder;

    static constexpr int kMaxFolderChars = 240;
    // Cuts trailing backslashes while more than one character is left.
    static void CutTrailingBackslashes(CString& strPath);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnHelp();
    void OnBrowse();

    DECLARE_MESSAGE_MAP()
};
