// The project's background sound: whether it plays, whether endlessly, and
// its file in the project folder.
#pragma once

#include "editor/dialogs/SoundFileDlg.h"

class CSoundDlg : public CSoundFileDlg
{
    DECLARE_DYNAMIC(CSoundDlg)
public:
    explicit CSoundDlg(CWnd* pParentWnd = nullptr);

    int m_bKeyClick;          // passed through
    int m_bSoundEnabled;
    int m_bKeyOver;           // passed through
    int m_bEndless;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int& SoundSwitch() override { return m_bSoundEnabled; }

    DECLARE_MESSAGE_MAP()
};
