// One MCI sound channel: a wave, MIDI or CD audio file opened under an alias,
// played from the start or from where it stopped, with its completion notice
// sent to a window, and played again on completion when it repeats.
#pragma once

#include "framework/Afx.h"

#include <mmsystem.h>

class CMciPlayer : public CObject
{
    DECLARE_DYNAMIC(CMciPlayer)
public:
    CMciPlayer() = default;
    CMciPlayer(const CMciPlayer&) = delete;
    CMciPlayer& operator=(const CMciPlayer&) = delete;
    ~CMciPlayer() override;

    // Attributes
    MCIERROR GetLastResult() const { return m_dwLastResult; }
    BOOL IsOpen() const { return m_bOpen; }
    BOOL IsPlaying() const { return m_bPlaying; }
    BOOL GetRepeat() const { return m_bRepeat; }
    void SetRepeat(BOOL bRepeat) { m_bRepeat = bRepeat; }
    HWND GetNotifyWindow() const { return m_hWndNotify; }
    int GetDeviceID() const { return m_nDeviceID; }   // -1 while closed
    const CString& GetAlias() const { return m_strAlias; }

    // Operations
    // Sends the command with this channel's notify window; a failure is shown
    // in a message box when errors are shown. The reply goes to pstrReply when
    // one is given. Returns the MCI result.
    MCIERROR SendCommand(LPCSTR lpszCommand, CString* pstrReply = nullptr);
    // Opens the file under the alias; the device type follows the file's
    // extension (.mid sequencer, .cda CD audio, else wave audio). A channel
    // that is open closes its file first.
    MCIERROR WavOpen(LPCSTR lpszPath, LPCSTR lpszAlias, BOOL bShowErrors, CWnd* pNotifyWnd);
    // Plays from the start (stopping first when playing); 1 when not open.
    MCIERROR WavPlay();
    // Plays on from the current position; 1 when not open.
    MCIERROR WavResume();
    void WavStop();
    void WavClose();
    // A completion notice for the device: the channel stops playing and, when
    // it repeats, plays again from the start. Notices for other devices, and
    // late ones for a channel that was stopped meanwhile, are ignored.
    void OnNotify(int nDeviceID);

private:
    void ShowError(LPCSTR lpszCommand) const;

    MCIERROR m_dwLastResult = 0;
    BOOL m_bOpen = FALSE;
    BOOL m_bShowErrors = FALSE;
    BOOL m_bPlaying = FALSE;
    BOOL m_bRepeat = FALSE;
    HWND m_hWndNotify = nullptr;
    int m_nDeviceID = -1;
    CString m_strAlias;
};
