// What happens when the player starts: the welcome screen and the background
// sound, with the sound's file in the project folder.
#pragma once

#include "editor/dialogs/SoundFileDlg.h"

class CStartEventsDlg : public CSoundFileDlg
{
    DECLARE_DYNAMIC(CStartEventsDlg)
public:
    explicit CStartEventsDlg(CWnd* pParentWnd = nullptr);

    int m_bStartSound;
    int m_bEndless;
    int m_bShowSplash;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int& SoundSwitch() override { return m_bStartSound; }

    DECLARE_MESSAGE_MAP()
};
