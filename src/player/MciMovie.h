// One video on the platform's MCI video device, driven through command
// strings: the generic device "avivideo" and the movie under the alias "mov",
// shown in a child window of a given parent.
#pragma once

#include "framework/Afx.h"

#include <mmsystem.h>

class CMciMovie : public CObject
{
    DECLARE_DYNAMIC(CMciMovie)
public:
    // Construction; destruction closes the movie and the device when open.
    CMciMovie();
    ~CMciMovie() override;
    CMciMovie(const CMciMovie&) = delete;
    CMciMovie& operator=(const CMciMovie&) = delete;

    // Attributes
    BOOL m_bShowErrors;
    MCIERROR m_dwLastError;
    char m_szErrorText[260];
    BOOL m_bMovieOpen;
    HWND m_hMovieWnd;
    BOOL m_bPlaying;
    BOOL m_bDeviceOpen;

    // Operations
    // Sends one command; a failure keeps its text and, with show errors set,
    // shows it. Returns the MCI result (0 for success).
    MCIERROR SendCommand(LPCSTR lpszCommand, LPSTR lpszReply = nullptr, UINT cchReply = 0, CWnd* pNotify = nullptr);
    BOOL OpenDevice();
    void CloseDevice();
    // Opens the file (quoted when it is not yet) as a child window of the parent
    // and shows it. Returns whether the movie is open.
    BOOL OpenMovie(CWnd* pParent, LPCSTR lpszPath);
    void CloseMovie(CWnd* pWnd);
    // Toggles playing (mode 0: stops it): plays from the start with completion
    // notice to the window, or pauses.
    void PlayPause(CWnd* pNotify, int nMode);
    // (0, 0, width, height) of the video; empty without a movie.
    void GetSourceRect(CRect& rect);
    void MoveMovie(int x, int y);

    // The (left, top, width, height) reply of "where": width and height, or
    // an empty size when the reply does not hold four numbers.
    static CSize ParseSourceSize(LPCSTR lpszReply);
};
