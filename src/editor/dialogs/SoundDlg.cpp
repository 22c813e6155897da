#include "editor/dialogs/SoundDlg.h"

#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CSoundDlg, CSoundFileDlg)

// void OnXxx()
BEGIN_MESSAGE_MAP(CSoundDlg, CSoundFileDlg)
    ON_BN_CLICKED(IDC_SOUND_BROWSE, OnBrowse)
    ON_HELP_BUTTON(IDC_DLG_HELP, OnHelp)
END_MESSAGE_MAP()

// A refused file leaves the switch: the author may still choose another.
CSoundDlg::CSoundDlg(CWnd* pParentWnd)
    : CSoundFileDlg(IDD_SOUND, ".wav;.mid", nullptr, "hilfe_sound.htm", FALSE, pParentWnd), m_bKeyClick(0),
      m_bSoundEnabled(0), m_bKeyOver(0), m_bEndless(0)
{
}

void CSoundDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_SOUND_ENABLE, m_bSoundEnabled);
    DDX_Check(pDX, IDC_SOUND_LOOP, m_bEndless);
    ExchangeSoundFile(pDX);
}
