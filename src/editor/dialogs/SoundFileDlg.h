// What the sound settings and the start events share: the background sound's
// file, in the project folder, with its edit, its browse and its help page.
#pragma once

#include "editor/dialogs/FileEdit.h"
#include "framework/Dialog.h"

class CSoundFileDlg : public CDialog
{
    DECLARE_DYNAMIC(CSoundFileDlg)
public:
    CString m_strSoundFile;
    CFileEdit m_fileEdit;

protected:
    // lpszTypes: the allowed types; lpszDefExt: the file dialog's default
    // extension (may be null); bOffWhenRefused: a refused file also switches
    // the sound off.
    CSoundFileDlg(UINT nIDTemplate, LPCSTR lpszTypes, LPCSTR lpszDefExt, LPCSTR lpszHelpPage, BOOL bOffWhenRefused,
                  CWnd* pParentWnd);

    // The switch that a chosen file turns on.
    virtual int& SoundSwitch() = 0;

    // The file edit with the length the project keeps.
    void ExchangeSoundFile(CDataExchange* pDX);
    BOOL OnInitDialog() override;
    // Accepted: the file, and the sound on; refused: no file. The dialog's
    // data is read first, so that the refresh keeps what was typed.
    void OnBrowse();
    void OnHelp();

private:
    LPCSTR m_lpszTypes;
    LPCSTR m_lpszDefExt;
    LPCSTR m_lpszHelpPage;
    BOOL m_bOffWhenRefused;
};
