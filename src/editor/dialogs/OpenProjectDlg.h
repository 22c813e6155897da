// Opening a project: the recently used projects, or a project file found with
// a file chooser.
#pragma once

#include "framework/Dialog.h"

class COpenProjectDlg : public CDialog
{
public:
    explicit COpenProjectDlg(CWnd* pParent = nullptr);

    // The chosen project: the selected recent project, or the browsed file.
    CString m_strPath;
    BOOL m_bBrowsed;
    CString m_strBrowsedPath;

    static constexpr int kMaxRecentFiles = 19;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnDoubleClickList();
    void OnBrowse();

    DECLARE_MESSAGE_MAP()
};
