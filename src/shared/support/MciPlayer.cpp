#include "shared/support/MciPlayer.h"

#include "shared/support/MciCommand.h"

#include <stdlib.h>

IMPLEMENT_DYNAMIC(CMciPlayer, CObject)

namespace {

// The open command for the file's device type, chosen by its last three characters.
CString OpenCommand(const CString& strPath, LPCSTR lpszAlias)
{
    CString strExtension = strPath.Right(3);
    LPCSTR lpszType = "WaveAudio";
    if (strExtension.CompareNoCase("cda") == 0)
        lpszType = "CDAudio";
    else if (strExtension.CompareNoCase("mid") == 0)
        lpszType = "sequencer";
    CString strCommand;
    strCommand.Format("open \"%s\" type %s alias %s wait", (LPCSTR)strPath, lpszType, lpszAlias);
    return strCommand;
}

} // namespace

CMciPlayer::~CMciPlayer()
{
    WavClose();
}

MCIERROR CMciPlayer::SendCommand(LPCSTR lpszCommand, CString* pstrReply)
{
    char szReply[255] = "";
    m_dwLastResult = SendMciCommand(lpszCommand, szReply, sizeof(szReply), m_hWndNotify);
    szReply[sizeof(szReply) - 1] = '\0';
    if (pstrReply)
        *pstrReply = szReply;
    if (m_dwLastResult != 0 && m_bShowErrors)
        ShowError(lpszCommand);
    return m_dwLastResult;
}

void CMciPlayer::ShowError(LPCSTR lpszCommand) const
{
    char szError[255] = "";
    if (!::mciGetErrorStringA(m_dwLastResult, szError, sizeof(szError)))
        szError[0] = '\0';
    CString strBlock;
    strBlock.Format("M C I - E R R O R\n\n     Command=%s\n     Error=%d\n", lpszCommand, (int)m_dwLastResult);
    CString strText;
    strText.Format("%s     %s\n", (LPCSTR)strBlock, szError);
    // The box belongs to the window the sound plays for (the menu window) and
    // comes to the front: owned by the hidden main frame it opened behind the menu.
    HWND hOwner = m_hWndNotify != nullptr && ::IsWindow(m_hWndNotify) ? ::GetAncestor(m_hWndNotify, GA_ROOT) : nullptr;
    if (hOwner == nullptr)
        AfxMessageBox(strText, MB_OK);
    else
        AfxMessageBox(hOwner, strText, MB_OK | MB_SETFOREGROUND);
}

MCIERROR CMciPlayer::WavOpen(LPCSTR lpszPath, LPCSTR lpszAlias, BOOL bShowErrors, CWnd* pNotifyWnd)
{
    WavClose();
    m_bShowErrors = bShowErrors;
    m_hWndNotify = AfxHwnd(pNotifyWnd);
    m_strAlias = lpszAlias;

    // The open command answers with the new device's id.
    CString strReply;
    if (SendCommand(OpenCommand(lpszPath, lpszAlias), &strReply) == 0)
    {
        m_bOpen = TRUE;
        m_nDeviceID = atoi(strReply);
    }
    return m_dwLastResult;
}

MCIERROR CMciPlayer::WavPlay()
{
    if (!m_bOpen)
        return 1;
    if (m_bPlaying)
        WavStop();
    CString strCommand;
    strCommand.Format("play %s from 0 notify", (LPCSTR)m_strAlias);
    if (SendCommand(strCommand) == 0)
        m_bPlaying = TRUE;
    return m_dwLastResult;
}

MCIERROR CMciPlayer::WavResume()
{
    if (!m_bOpen)
        return 1;
    CString strCommand;
    strCommand.Format("play %s notify", (LPCSTR)m_strAlias);
    if (SendCommand(strCommand) == 0)
        m_bPlaying = TRUE;
    return m_dwLastResult;
}

void CMciPlayer::WavStop()
{
    if (!m_bOpen)
        return;
    CString strCommand;
    strCommand.Format("stop %s wait", (LPCSTR)m_strAlias);
    if (SendCommand(strCommand) == 0)
        m_bPlaying = FALSE;
}

void CMciPlayer::WavClose()
{
    if (m_bOpen)
    {
        WavStop();
        CString strCommand;
        strCommand.Format("close %s wait", (LPCSTR)m_strAlias);
        if (SendCommand(strCommand) == 0)
        {
            m_bOpen = FALSE;
            m_bPlaying = FALSE;
            m_nDeviceID = -1;
        }
    }
    m_hWndNotify = nullptr;
}

void CMciPlayer::OnNotify(int nDeviceID)
{
    if (!m_bOpen || !m_bPlaying || nDeviceID != m_nDeviceID)
        return;
    m_bPlaying = FALSE;
    if (m_bRepeat)
        WavPlay();
}
