// Carries out the part of a button action that leaves the menu: opens a
// document with the program the platform associates with it, starts a program
// with a parameter, or turns the action into a request posted to the window
// that shows the menu (another page, a video, a sound, exit).
//
// A starter is made for one action and dropped afterwards. Failures are shown
// in message boxes while error boxes are on, and always kept as a result code
// and a text. The requests' texts live in process-wide buffers that stay valid
// until the next request of the same kind, so the receiving window can read
// them when it handles the posted message.
#pragma once

#include "framework/Afx.h"

// Requests posted to the notify window (wParam 0 unless said otherwise).
// lParam: the project file of the page to show.
const UINT WM_STARTER_SHOWPAGE = 111;
// lParam: the video to play.
const UINT WM_STARTER_PLAYVIDEO = 109;
// lParam: an empty text stops the background sound; a file name plays it.
const UINT WM_STARTER_SOUND = 110;
// Stop and close the background sound (lParam 0).
const UINT WM_STARTER_CLOSESOUND = 122;
// WM_COMMAND to the notify window: leave the menu. Without a notify window the
// main window gets the framework's ID_APP_EXIT instead.
const UINT ID_STARTER_EXIT = 108;

// Capacities of the request buffers, terminating zero included; a longer text
// is cut to fit.
const int STARTER_DOCUMENT_BUFFER = 300;
const int STARTER_SOUND_BUFFER = 260;

class CStarter : public CObject
{
    DECLARE_DYNAMIC(CStarter)
public:
    // Construction: error boxes on, no notify window, both texts empty.
    CStarter();
    CStarter(const CStarter&) = delete;
    CStarter& operator=(const CStarter&) = delete;
    ~CStarter() override;

    // Attributes
    // The window that receives the requests; null: the application's main window.
    void SetNotifyWnd(CWnd* pWnd) { m_pNotifyWnd = pWnd; }
    void SetShowErrors(BOOL bShow) { m_bShowErrors = bShow; }
    BOOL GetShowErrors() const { return m_bShowErrors; }
    int GetOpenResult() const { return m_nOpenResult; }
    const CString& GetOpenError() const { return m_strOpenError; }
    int GetProgramResult() const { return m_nProgramResult; }
    const CString& GetProgramError() const { return m_strProgramError; }

    // Operations. Each returns -1 for success, else the platform's error code.
    // Opens a document with its associated program. When the platform knows no
    // usable program for it and a fallback program is given, the fallback is
    // started with the document as its parameter instead.
    int ShellOpen(LPCSTR lpszDocument, LPCSTR lpszFallbackProgram, BOOL bSetFolder);
    // Starts "program parameter"; an empty program starts nothing and succeeds.
    int WinExecProgram(LPCSTR lpszProgram, LPCSTR lpszParameter, BOOL bSetFolder);
    // Carries out one button action (codes of the action keywords). Shows no
    // box: error boxes are turned off for good, and a failure is described in
    // strError.
    int Start(LPCSTR lpszDocument, LPCSTR lpszApplication, LPCSTR lpszParameter, int nAction,
              CString& strError, BOOL bSetFolder);
    // Asks the menu to stop its background sound and play the file instead;
    // nothing for an empty name.
    void PostPlaySound(LPCSTR lpszFile);
    void PostStopSound();

    // Makes the folder of the path the current folder: the path up to its last
    // backslash, a bare drive with its backslash, without surrounding double
    // quotes. A path without a backslash, or a failure to change, leaves the
    // current folder as it is.
    static void SetWorkingDir(LPCSTR lpszPath);

private:
    // The notify window, else the main window; null when there is neither.
    HWND GetTargetWnd() const;
    void PostRequest(UINT nMessage, LPARAM lParam) const;
    void PostExit() const;
    void ShowError(const CString& strText) const;

    BOOL m_bShowErrors;
    int m_nOpenResult;
    CString m_strOpenError;
    int m_nProgramResult;
    CString m_strProgramError;
    CWnd* m_pNotifyWnd;
};
