// What happens when the player starts: the welcome screen and the background
// sound, with the sound's file in the project folder.
#pragma once

#include "editor/dialogs/FileEdit.h"
#include "framework/Dialog.h"

class CStartEventsDlg : public CDialog
{
    DECLARE_DYNAMIC(CStartEventsDlg)
public:
    explicit CStartEventsDlg(CWnd* pParentWnd = nullptr);

    int m_bStartSound;
    int m_bEndless;
    int m_bShowSplash;
    CString m_strSoundFile;
    CFileEdit m_fileEdit;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnBrowse();
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
