#include "editor/dialogs/ButDlg_Page3.h"

#include "framework/DataExchange.h"
#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CButDlg_Page3, CButDlgPage)

// void OnXxx()
BEGIN_MESSAGE_MAP(CButDlg_Page3, CButDlgPage)
    ON_BN_CLICKED(IDC_BUT_START_SOUND, OnStartSound)
    ON_BN_CLICKED(IDC_BUT_BROWSE_SOUND, OnBrowse)
END_MESSAGE_MAP()

namespace {

const char kSoundTypes[] = ".wav;.mid";

} // namespace

CButDlg_Page3::CButDlg_Page3() : CButDlgPage(IDD_BUT_PAGE_SOUND, 3), m_bStopSound(0), m_bStartSound(0), m_bLoop(0) {}

void CButDlg_Page3::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_BUT_STOP_SOUND, m_bStopSound);
    DDX_Check(pDX, IDC_BUT_START_SOUND, m_bStartSound);
    DDX_Check(pDX, IDC_BUT_SOUND_LOOP, m_bLoop);
    DDX_Text(pDX, IDC_BUT_SOUND_FILE, m_strSoundFile);
}

BOOL CButDlg_Page3::OnInitDialog()
{
    m_soundEdit.SubclassItem(IDC_BUT_SOUND_FILE, this, EditorServices().GetProjectFolder(), ".mid;.wav");
    CButDlgPage::OnInitDialog();
    EnableSoundFile();
    return TRUE;
}

void CButDlg_Page3::EnableSoundFile()
{
    EnableDlgItem(this, IDC_BUT_SOUND_FILE, m_bStartSound);
    EnableDlgItem(this, IDC_BUT_BROWSE_SOUND, m_bStartSound);
}

void CButDlg_Page3::OnStartSound()
{
    if (UpdateData(TRUE))
        EnableSoundFile();
}

void CButDlg_Page3::OnBrowse()
{
    const CString folder = EditorServices().GetProjectFolder();
    CString path;
    if (!BrowseForFile(this, "Sound Files(.wav;mid)|*.wav;*.mid||", nullptr, nullptr, folder, path) ||
        !UpdateData(TRUE))
        return;
    if (CFileEdit::CheckFile(path, kSoundTypes, folder, TRUE))
        m_strSoundFile = path;
    UpdateData(FALSE);
}

void CButDlg_Page3::OnOK()
{
    UpdateData(TRUE);
    if (m_strSoundFile.IsEmpty())
        m_bStartSound = 0;
    CButDlgPage::OnOK();
}
