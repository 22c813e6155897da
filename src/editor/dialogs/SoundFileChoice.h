// The background sound's file, shared by the sound settings and the start
// events: its edit's exchange and its choice.
#pragma once

#include "framework/String.h"

class CDataExchange;
class CDialog;

// The sound file edit (IDC_SOUND_FILE) with the length the project keeps.
void DDX_SoundFile(CDataExchange* pDX, CString& strFile);

// Lets the author choose a sound file of the project (the dialog's data read
// first). Accepted: it becomes the file and switches the sound on; refused:
// the file is emptied, and with bOffWhenRefused the sound switched off. The
// dialog's controls show the result.
void ChooseSoundFile(CDialog* pDlg, LPCSTR lpszDefExt, LPCSTR lpszTypes, CString& strFile, int& bSoundOn,
                     BOOL bOffWhenRefused);
