#include "player/MciMovie.h"

#include "shared/support/MciCommand.h"

#include <cstdio>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CMciMovie, CObject)

CMciMovie::CMciMovie()
    : m_bShowErrors(TRUE), m_dwLastError(0), m_szErrorText(), m_bMovieOpen(FALSE), m_hMovieWnd(nullptr),
      m_bPlaying(FALSE), m_bDeviceOpen(FALSE)
{
}

CMciMovie::~CMciMovie()
{
    // A movie left open would keep the alias "mov" taken, and the next video
    // could not open.
    if (m_bMovieOpen)
        SendCommand("close mov");
    CloseDevice();
}

MCIERROR CMciMovie::SendCommand(LPCSTR lpszCommand, LPSTR lpszReply, UINT cchReply, CWnd* pNotify)
{
    m_szErrorText[0] = '\0';
    m_dwLastError = SendMciCommand(lpszCommand, lpszReply, cchReply, AfxHwnd(pNotify));
    if (m_dwLastError != 0)
    {
        if (!mciGetErrorStringA(m_dwLastError, m_szErrorText, sizeof m_szErrorText))
            m_szErrorText[0] = '\0';
        if (m_bShowErrors)
            AfxMessageBox(m_szErrorText, MB_OK | MB_ICONEXCLAMATION);
    }
    return m_dwLastError;
}

BOOL CMciMovie::OpenDevice()
{
    if (m_bDeviceOpen)
        CloseDevice();
    m_bDeviceOpen = SendCommand("open avivideo") == 0;
    return m_bDeviceOpen;
}

void CMciMovie::CloseDevice()
{
    if (!m_bDeviceOpen)
        return;
    SendCommand("close avivideo");
    m_bDeviceOpen = FALSE;
}

BOOL CMciMovie::OpenMovie(CWnd* pParent, LPCSTR lpszPath)
{
    if (m_bMovieOpen)
        CloseMovie(pParent);

    CString strPath(lpszPath);
    if (strPath.IsEmpty() || strPath[0] != '"')
        strPath = "\"" + strPath + "\"";
    CString strCommand;
    strCommand.Format("open %s alias mov style child parent %ld", (LPCSTR)strPath, HandleToLong(AfxHwnd(pParent)));
    if (SendCommand(strCommand) != 0)
    {
        m_bMovieOpen = FALSE;
        return FALSE;
    }

    m_bMovieOpen = TRUE;
    SendCommand("window mov state show");
    char szReply[260] = "";
    if (SendCommand("status mov window handle", szReply, sizeof szReply) == 0)
        m_hMovieWnd = (HWND)(LONG_PTR)std::strtol(szReply, nullptr, 10);
    return TRUE;
}

void CMciMovie::CloseMovie(CWnd* pWnd)
{
    if (m_bMovieOpen)
        SendCommand("close mov");
    m_bPlaying = FALSE;
    m_bMovieOpen = FALSE;
    // The movie's window went with the device.
    m_hMovieWnd = nullptr;
    HWND hWnd = AfxHwnd(pWnd);
    if (hWnd != nullptr)
    {
        ::InvalidateRect(hWnd, nullptr, TRUE);
        ::UpdateWindow(hWnd);
    }
}

void CMciMovie::PlayPause(CWnd* pNotify, int nMode)
{
    m_bPlaying = nMode == 0 ? FALSE : !m_bPlaying;
    if (m_bPlaying)
    {
        SendCommand("seek mov to start");
        SendCommand("play mov notify", nullptr, 0, pNotify);
    }
    else
        SendCommand("pause mov");
}

CSize CMciMovie::ParseSourceSize(LPCSTR lpszReply)
{
    int nLeft = 0, nTop = 0, nWidth = 0, nHeight = 0;
    if (std::sscanf(lpszReply, "%d %d %d %d", &nLeft, &nTop, &nWidth, &nHeight) != 4 || nWidth < 0 || nHeight < 0)
        return CSize(0, 0);
    return CSize(nWidth, nHeight);
}

void CMciMovie::GetSourceRect(CRect& rect)
{
    rect.SetRectEmpty();
    if (!m_bMovieOpen)
        return;
    char szReply[260] = "";
    if (SendCommand("where mov source", szReply, sizeof szReply) != 0)
        return;
    CSize size = ParseSourceSize(szReply);
    rect.SetRect(0, 0, size.cx, size.cy);
}

void CMciMovie::MoveMovie(int x, int y)
{
    if (m_hMovieWnd == nullptr)
        return;
    CRect source;
    GetSourceRect(source);
    source.OffsetRect(x, y);
    ::MoveWindow(m_hMovieWnd, source.left, source.top, source.Width(), source.Height(), TRUE);
}
