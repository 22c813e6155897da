#include "editor/dialogs/SoundFileDlg.h"

#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/ProjectFileChoice.h"
#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CSoundFileDlg, CDialog)

namespace {

// What the project reader keeps of the file's name.
const int kMaxSoundFile = 299;

} // namespace

CSoundFileDlg::CSoundFileDlg(UINT nIDTemplate, LPCSTR lpszTypes, LPCSTR lpszDefExt, LPCSTR lpszHelpPage,
                             BOOL bOffWhenRefused, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_lpszTypes(lpszTypes), m_lpszDefExt(lpszDefExt),
      m_lpszHelpPage(lpszHelpPage), m_bOffWhenRefused(bOffWhenRefused)
{
}

void CSoundFileDlg::ExchangeSoundFile(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_SOUND_FILE, m_strSoundFile);
    DDV_MaxChars(pDX, m_strSoundFile, kMaxSoundFile);
}

BOOL CSoundFileDlg::OnInitDialog()
{
    m_fileEdit.SubclassItem(IDC_SOUND_FILE, this, EditorServices().GetProjectFolder(), m_lpszTypes);
    return CDialog::OnInitDialog();
}

void CSoundFileDlg::OnBrowse()
{
    CString path;
    ProjectFileChoice choice = ChooseProjectFile(this, "Sound Files (.wav;.mid)|*.wav;*.mid||", m_lpszDefExt,
                                                 m_lpszTypes, EditorServices().GetProjectFolder(), path);
    if (choice == PROJECT_FILE_CANCELLED)
        return;
    UpdateData(TRUE);
    BOOL bAccepted = choice == PROJECT_FILE_ACCEPTED;
    m_strSoundFile = bAccepted ? path : CString();
    if (bAccepted || m_bOffWhenRefused)
        SoundSwitch() = bAccepted;
    UpdateData(FALSE);
}

void CSoundFileDlg::OnHelp()
{
    EditorServices().ShowHelpPage(m_lpszHelpPage);
}
