#include "editor/dialogs/StartEventsDlg.h"

#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CStartEventsDlg, CSoundFileDlg)

// void OnXxx()
BEGIN_MESSAGE_MAP(CStartEventsDlg, CSoundFileDlg)
    ON_BN_CLICKED(IDC_STARTEV_BROWSE, OnBrowse)
    ON_HELP_BUTTON(IDC_STARTEV_HELP, OnHelp)
END_MESSAGE_MAP()

// Without a file the start sound has nothing to play: a refused one stops it.
CStartEventsDlg::CStartEventsDlg(CWnd* pParentWnd)
    : CSoundFileDlg(IDD_START_EVENTS, ".mid;.wav", "wav", "hilfe_startevents.htm", TRUE, pParentWnd),
      m_bStartSound(0), m_bEndless(0), m_bShowSplash(0)
{
}

void CStartEventsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_STARTEV_SOUND, m_bStartSound);
    DDX_Check(pDX, IDC_STARTEV_LOOP, m_bEndless);
    DDX_Check(pDX, IDC_STARTEV_SPLASH, m_bShowSplash);
    ExchangeSoundFile(pDX);
}
