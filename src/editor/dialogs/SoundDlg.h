// The project's background sound: whether it plays, whether endlessly, and
// its file in the project folder.
#pragma once

#include "editor/dialogs/FileEdit.h"
#include "framework/Dialog.h"

class CSoundDlg : public CDialog
{
    DECLARE_DYNAMIC(CSoundDlg)
public:
    explicit CSoundDlg(CWnd* pParentWnd = nullptr);

    int m_bKeyClick;          // passed through
    int m_bSoundEnabled;
    int m_bKeyOver;           // passed through
    int m_bEndless;
    CString m_strSoundFile;
    CFileEdit m_fileEdit;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnBrowse();
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
