// The user-interface thread: its message loop and idle processing.
#pragma once

#include "framework/CmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();

    // Attributes
    CWnd* m_pMainWnd;          // the main window; closing it ends the loop
    DWORD m_nThreadID;
    HWND GetMainWndHandle() const;

    // Overridables
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance();
    virtual int Run();
    // Offers a queued message for translation before it is dispatched; TRUE: consumed.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Called while the queue is empty; TRUE asks for more idle time.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // Offers the message to the target window's object and its parents up to
    // the top-level window; TRUE when one consumed it.
    static BOOL PASCAL WalkPreTranslateTree(MSG* pMsg);

    // Operations
    // Gets and dispatches one message; FALSE on WM_QUIT.
    BOOL PumpMessage();

    MSG m_msgCur;

protected:
    int m_nExitCode;
};

// Flags of CWnd::RunModalLoop.
#define MLF_SHOWONIDLE 0x0001

// Gets and dispatches one message through the application's PreTranslateMessage
// walk; FALSE on WM_QUIT.
BOOL AfxPumpMessage();
// The message the last AfxPumpMessage got.
const MSG* AfxGetCurrentMessage();
// Frees the temporary objects FromHandle made since the last idle step.
void AfxDeleteTempMaps();
// Whether a message starts a new round of idle work.
BOOL AfxIsIdleMessage(const MSG* pMsg);
