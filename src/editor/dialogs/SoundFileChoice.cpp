#include "editor/dialogs/SoundFileChoice.h"

#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/ProjectFileChoice.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"

#include "editor/DialogIds.h"

namespace {

// What the project reader keeps of the file's name.
const int kMaxSoundFile = 299;

} // namespace

void DDX_SoundFile(CDataExchange* pDX, CString& strFile)
{
    DDX_Text(pDX, IDC_SOUND_FILE, strFile);
    DDV_MaxChars(pDX, strFile, kMaxSoundFile);
}

void ChooseSoundFile(CDialog* pDlg, LPCSTR lpszDefExt, LPCSTR lpszTypes, CString& strFile, int& bSoundOn,
                     BOOL bOffWhenRefused)
{
    CString path;
    ProjectFileChoice choice = ChooseProjectFile(pDlg, "Sound Files (.wav;.mid)|*.wav;*.mid||", lpszDefExt, lpszTypes,
                                                 EditorServices().GetProjectFolder(), path);
    if (choice == PROJECT_FILE_CANCELLED)
        return;
    pDlg->UpdateData(TRUE);
    BOOL bAccepted = choice == PROJECT_FILE_ACCEPTED;
    strFile = bAccepted ? path : CString();
    if (bAccepted || bOffWhenRefused)
        bSoundOn = bAccepted;
    pDlg->UpdateData(FALSE);
}
