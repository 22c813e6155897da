// Page "Sound" of the button sheet: the sound a button starts. The sheet keeps
// the page but does not show it.
#pragma once

#include "editor/dialogs/ButDlgPage.h"
#include "editor/dialogs/FileEdit.h"

class CButDlg_Page3 : public CButDlgPage
{
    DECLARE_DYNAMIC(CButDlg_Page3)
public:
    CButDlg_Page3();

    int m_bStopSound;
    int m_bStartSound;
    CString m_strSoundFile;
    int m_bLoop;
    CFileEdit m_soundEdit;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void EnableSoundFile();
    void OnStartSound();
    void OnBrowse();

    DECLARE_MESSAGE_MAP()
};
