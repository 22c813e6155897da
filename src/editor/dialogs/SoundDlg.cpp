#include "editor/dialogs/SoundDlg.h"

#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/SoundFileChoice.h"
#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CSoundDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CSoundDlg, CDialog)
    ON_BN_CLICKED(IDC_SOUND_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_DLG_HELP, OnHelp)
END_MESSAGE_MAP()

namespace {

const char kSoundTypes[] = ".wav;.mid";

} // namespace

CSoundDlg::CSoundDlg(CWnd* pParentWnd)
    : CDialog(IDD_SOUND, pParentWnd), m_bKeyClick(0), m_bSoundEnabled(0), m_bKeyOver(0), m_bEndless(0)
{
}

void CSoundDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_SOUND_ENABLE, m_bSoundEnabled);
    DDX_Check(pDX, IDC_SOUND_LOOP, m_bEndless);
    DDX_SoundFile(pDX, m_strSoundFile);
}

BOOL CSoundDlg::OnInitDialog()
{
    m_fileEdit.SubclassItem(IDC_SOUND_FILE, this, EditorServices().GetProjectFolder(), kSoundTypes);
    return CDialog::OnInitDialog();
}

void CSoundDlg::OnBrowse()
{
    ChooseSoundFile(this, nullptr, kSoundTypes, m_strSoundFile, m_bSoundEnabled, FALSE);
}

void CSoundDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_sound.htm");
}
