#include "framework/WinThread.h"

#include "framework/DC.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {

MSG& ThreadMessage()
{
    thread_local MSG msg = {};
    return msg;
}

} // namespace

CWinThread::CWinThread() : m_pMainWnd(nullptr), m_nThreadID(GetCurrentThreadId()), m_msgCur(), m_nExitCode(0) {}

HWND CWinThread::GetMainWndHandle() const
{
    return m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
}

int CWinThread::ExitInstance()
{
    return m_nExitCode;
}

BOOL PASCAL CWinThread::WalkPreTranslateTree(MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        // A top-level window ends the walk; its owner is not its parent.
        if ((::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD) == 0)
            break;
    }
    return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (WalkPreTranslateTree(pMsg))
        return TRUE;
    // Keys in another top-level window of the thread (a floating bar's frame,
    // a modeless dialog) still reach the main window's accelerators; not while
    // a modal loop keeps the main window disabled.
    CWnd* pMainWnd = m_pMainWnd;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || pMainWnd == nullptr ||
        pMainWnd->m_hWnd == nullptr || !::IsWindowEnabled(pMainWnd->m_hWnd))
        return FALSE;
    HWND hWndTop = pMsg->hwnd;
    while (hWndTop != nullptr && (::GetWindowLongPtrA(hWndTop, GWL_STYLE) & WS_CHILD))
        hWndTop = ::GetParent(hWndTop);
    if (hWndTop == nullptr || hWndTop == pMainWnd->m_hWnd)
        return FALSE;
    return pMainWnd->PreTranslateMessage(pMsg);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        // Bring command states of the main window and its bars up to date.
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && ::IsWindowVisible(pMainWnd->m_hWnd))
        {
            ::SendMessageA(pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
        }
        return TRUE;
    }
    AfxDeleteTempMaps();
    return FALSE;
}

void AfxDeleteTempMaps()
{
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CMenu::DeleteTempMap();
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    return AfxIsIdleMessage(pMsg);
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0))
    {
        m_nExitCode = (int)m_msgCur.wParam;
        ThreadMessage() = m_msgCur;
        return FALSE;
    }
    ThreadMessage() = m_msgCur;
    if (!PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        MSG msg;
        while (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL AfxPumpMessage()
{
    if (CWinApp* pApp = AfxGetApp())
        return pApp->PumpMessage();
    MSG& msg = ThreadMessage();
    if (!::GetMessageA(&msg, nullptr, 0, 0))
        return FALSE;
    if (!CWinThread::WalkPreTranslateTree(&msg))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

const MSG* AfxGetCurrentMessage()
{
    return &ThreadMessage();
}

BOOL AfxIsIdleMessage(const MSG* pMsg)
{
    // Mouse moves, caret blinks and the modal loop's wake-up do not start a new round.
    return pMsg->message != WM_MOUSEMOVE && pMsg->message != WM_NCMOUSEMOVE && pMsg->message != 0x0118 &&
           !(pMsg->message == WM_NULL && pMsg->hwnd != nullptr);
}
