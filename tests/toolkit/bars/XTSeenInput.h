// Real mouse input given one event at a time from another thread, each event
// waiting until this thread has taken it from its queue (a mouse hook of the
// thread sees it go by, in the test's own pump as in the modal loops and the
// drag detection the events start). Moves then never merge, and no step
// waits for a time: a busy machine only makes the steps slower.
#pragma once

#include "toolkit/XTRealInput.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <thread>
#include <vector>

namespace toolkit_test {

struct SeenStep
{
    INPUT input;
    // The program is held where it takes this event until the next event
    // has been given: the pointer is further on before the program goes on,
    // as under a quick hand.
    BOOL bNextBeforeHandled = FALSE;
};

inline SeenStep Seen(DWORD dwFlags, CPoint ptScreen, BOOL bNextBeforeHandled = FALSE)
{
    return SeenStep{ MouseInput(dwFlags, ptScreen), bNextBeforeHandled };
}

class CSeenInput
{
public:
    CSeenInput()
    {
        s_pThis = this;
        m_hHook = ::SetWindowsHookExA(WH_MOUSE, HookProc, nullptr, ::GetCurrentThreadId());
    }
    ~CSeenInput()
    {
        if (m_hHook != nullptr)
            ::UnhookWindowsHookEx(m_hHook);
        s_pThis = nullptr;
    }
    CSeenInput(const CSeenInput&) = delete;
    CSeenInput& operator=(const CSeenInput&) = delete;

    // Gives the events in order while this thread runs its messages; FALSE
    // when an event was not seen (it went to another thread's window, or the
    // program hangs). When it returns TRUE, the last event has been handled.
    BOOL Play(const std::vector<SeenStep>& steps)
    {
        if (m_hHook == nullptr)
            return FALSE;
        m_nUnseen = -1;
        m_nGiven = -1;
        m_nSteps = (int)steps.size();
        std::atomic<bool> bDone(false);
        std::thread feeder([&] {
            for (int i = 0; i < (int)steps.size(); ++i)
            {
                const BOOL bMessage = Arm(i, steps[i]);
                INPUT input = steps[i].input;
                ::SendInput(1, &input, sizeof(INPUT));
                // A program held at the event before goes on now.
                m_nGiven = i;
                if (bMessage && !WaitSeen(i, input))
                {
                    m_nUnseen = i;
                    break;
                }
            }
            // A step not taken still lets the buttons go, so that no capture
            // or drag loop is left waiting for a release that never comes.
            m_nWanted = -1;
            for (int i = m_nUnseen < 0 ? m_nSteps : m_nUnseen + 1; i < m_nSteps; ++i)
            {
                INPUT input = steps[i].input;
                if (input.mi.dwFlags & (MOUSEEVENTF_LEFTUP | MOUSEEVENTF_RIGHTUP))
                    ::SendInput(1, &input, sizeof(INPUT));
            }
            m_nWanted = -1;
            m_nGiven = m_nSteps;
            bDone = true;
        });
        while (!bDone)
            PumpFor(5);
        feeder.join();
        return m_nUnseen < 0;
    }
    // The step Play did not see taken (counted from 0; -1 when all were).
    int Unseen() const { return m_nUnseen; }

private:
    static constexpr DWORD kStepBound = 15000;   // a hung program, not a slow machine
    static constexpr DWORD kMoveAgain = 1000;

    // The point an absolute event goes to.
    static CPoint EventPoint(const INPUT& input)
    {
        const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
        return CPoint((int)((input.mi.dx * (LONGLONG)(cx - 1) + 32767) / 65535),
                      (int)((input.mi.dy * (LONGLONG)(cy - 1) + 32767) / 65535));
    }

    // Tells the hook which message shows the event; FALSE when the event
    // makes none (a move to where the pointer already is).
    BOOL Arm(int nStep, const SeenStep& step)
    {
        const DWORD dwButtons = step.input.mi.dwFlags & ~(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
        const CPoint pt = EventPoint(step.input);
        CPoint ptBefore;
        ::GetCursorPos(&ptBefore);
        if (dwButtons == 0 && abs(ptBefore.x - pt.x) <= 1 && abs(ptBefore.y - pt.y) <= 1)
            return FALSE;
        UINT nDouble = 0;
        if (dwButtons & MOUSEEVENTF_LEFTDOWN)
            m_nClient = WM_LBUTTONDOWN, m_nNonClient = WM_NCLBUTTONDOWN, nDouble = WM_LBUTTONDBLCLK;
        else if (dwButtons & MOUSEEVENTF_LEFTUP)
            m_nClient = WM_LBUTTONUP, m_nNonClient = WM_NCLBUTTONUP;
        else if (dwButtons & MOUSEEVENTF_RIGHTDOWN)
            m_nClient = WM_RBUTTONDOWN, m_nNonClient = WM_NCRBUTTONDOWN, nDouble = WM_RBUTTONDBLCLK;
        else if (dwButtons & MOUSEEVENTF_RIGHTUP)
            m_nClient = WM_RBUTTONUP, m_nNonClient = WM_NCRBUTTONUP;
        else
            m_nClient = WM_MOUSEMOVE, m_nNonClient = WM_NCMOUSEMOVE;
        m_nDouble = nDouble;
        m_ptWanted = MAKELONG(pt.x, pt.y);
        m_bHold = step.bNextBeforeHandled && nStep + 1 < m_nSteps;
        m_nWanted = nStep;
        return TRUE;
    }

    // A move that does not come is given again, as a hand moves on: under
    // load the platform may take the pointer back to where an earlier event
    // left it, and the move never reaches the queue. A button event is
    // given once.
    BOOL WaitSeen(int nStep, INPUT input)
    {
        const BOOL bMove = (input.mi.dwFlags & ~(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE)) == 0;
        const DWORD dwStart = ::GetTickCount();
        DWORD dwGiven = dwStart;
        while (m_nSeen != nStep)
        {
            const DWORD dwNow = ::GetTickCount();
            if (dwNow - dwStart > kStepBound)
                return FALSE;
            if (bMove && dwNow - dwGiven > kMoveAgain)
            {
                ::SendInput(1, &input, sizeof(INPUT));
                dwGiven = dwNow;
            }
            ::Sleep(1);
        }
        return TRUE;
    }

    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        CSeenInput* pThis = s_pThis;
        if (nCode == HC_ACTION && pThis != nullptr && pThis->m_nWanted >= 0)
        {
            const MOUSEHOOKSTRUCT* pInfo = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
            const UINT nMessage = (UINT)wParam;
            const LONG ptWanted = pThis->m_ptWanted;
            if ((nMessage == pThis->m_nClient || nMessage == pThis->m_nNonClient ||
                 (pThis->m_nDouble != 0 && nMessage == pThis->m_nDouble)) &&
                abs(pInfo->pt.x - (SHORT)LOWORD(ptWanted)) <= 1 && abs(pInfo->pt.y - (SHORT)HIWORD(ptWanted)) <= 1)
            {
                const int nStep = pThis->m_nWanted;
                const bool bHold = pThis->m_bHold;
                pThis->m_nWanted = -1;
                pThis->m_nSeen = nStep;
                // Held: the next event is given before this one is handled.
                const DWORD dwStart = ::GetTickCount();
                while (bHold && pThis->m_nGiven <= nStep && ::GetTickCount() - dwStart < kStepBound)
                    ::Sleep(1);
            }
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    static inline CSeenInput* s_pThis = nullptr;
    HHOOK m_hHook = nullptr;
    int m_nSteps = 0;
    std::atomic<int> m_nWanted{ -1 };   // the step the hook waits for
    std::atomic<UINT> m_nClient{ 0 };
    std::atomic<UINT> m_nNonClient{ 0 };
    std::atomic<UINT> m_nDouble{ 0 };
    std::atomic<LONG> m_ptWanted{ 0 };
    std::atomic<bool> m_bHold{ false };
    std::atomic<int> m_nSeen{ -1 };    // the last step seen
    std::atomic<int> m_nGiven{ -1 };   // the last step given
    std::atomic<int> m_nUnseen{ -1 };
};

} // namespace toolkit_test
