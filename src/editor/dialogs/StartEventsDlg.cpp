#include "editor/dialogs/StartEventsDlg.h"

#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/SoundFileChoice.h"
#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CStartEventsDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CStartEventsDlg, CDialog)
    ON_BN_CLICKED(IDC_STARTEV_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_STARTEV_HELP, OnHelp)
END_MESSAGE_MAP()

namespace {

const char kSoundTypes[] = ".mid;.wav";

} // namespace

CStartEventsDlg::CStartEventsDlg(CWnd* pParentWnd)
    : CDialog(IDD_START_EVENTS, pParentWnd), m_bStartSound(0), m_bEndless(0), m_bShowSplash(0)
{
}

void CStartEventsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_STARTEV_SOUND, m_bStartSound);
    DDX_Check(pDX, IDC_STARTEV_LOOP, m_bEndless);
    DDX_Check(pDX, IDC_STARTEV_SPLASH, m_bShowSplash);
    DDX_SoundFile(pDX, m_strSoundFile);
}

BOOL CStartEventsDlg::OnInitDialog()
{
    m_fileEdit.SubclassItem(IDC_SOUND_FILE, this, EditorServices().GetProjectFolder(), kSoundTypes);
    return CDialog::OnInitDialog();
}

void CStartEventsDlg::OnBrowse()
{
    ChooseSoundFile(this, "wav", kSoundTypes, m_strSoundFile, m_bStartSound, TRUE);
}

void CStartEventsDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_startevents.htm");
}
