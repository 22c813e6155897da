// Real input for the toolkit's tests: mouse clicks and drags and key strokes
// through SendInput, so capture, activation and the thread hooks see what a
// user's hand would give them. Waits pump the thread's messages until a
// condition holds, with a bound so that a fault fails instead of hanging.
#pragma once

#include "framework/Point.h"

#include <windows.h>

#include <functional>
#include <initializer_list>

namespace toolkit_test {

inline void PumpFor(DWORD dwMilliseconds)
{
    DWORD dwStart = ::GetTickCount();
    do
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(5);
    } while (::GetTickCount() - dwStart < dwMilliseconds);
}

// Pumps until the condition holds; FALSE when it still does not after a few seconds.
inline BOOL PumpUntil(const std::function<bool()>& condition)
{
    for (int i = 0; i < 600; ++i)
    {
        if (condition())
            return TRUE;
        PumpFor(5);
    }
    return condition();
}

// Lets the input queued so far arrive.
inline void Settle()
{
    PumpFor(60);
}

inline void SendMouse(DWORD dwFlags, CPoint ptScreen)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = (LONG)((ptScreen.x * 65535LL + cx / 2) / (cx - 1));
    input.mi.dy = (LONG)((ptScreen.y * 65535LL + cy / 2) / (cy - 1));
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof(input));
}

inline void MoveMouse(CPoint ptScreen)
{
    SendMouse(0, ptScreen);
    Settle();
}

inline void Click(CPoint ptScreen, BOOL bRight = FALSE)
{
    SendMouse(0, ptScreen);
    SendMouse(bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, ptScreen);
    SendMouse(bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, ptScreen);
    Settle();
}

inline void SendKey(WORD wVk, BOOL bUp)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVk;
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(input));
}

// Presses the keys in order and releases them in reverse (Ctrl+K: { VK_CONTROL, 'K' }).
inline void PressKeys(std::initializer_list<WORD> keys)
{
    for (WORD wVk : keys)
        SendKey(wVk, FALSE);
    for (auto it = keys.end(); it != keys.begin();)
        SendKey(*--it, TRUE);
    Settle();
}

// A drag with the left button in steps, so that drag detection and the drag loop see moves.
inline void Drag(CPoint ptFrom, CPoint ptTo, std::initializer_list<WORD> heldKeys = {})
{
    SendMouse(0, ptFrom);
    Settle();
    SendMouse(MOUSEEVENTF_LEFTDOWN, ptFrom);
    Settle();
    for (WORD wVk : heldKeys)
        SendKey(wVk, FALSE);
    for (int i = 1; i <= 8; ++i)
    {
        SendMouse(0, CPoint(ptFrom.x + (ptTo.x - ptFrom.x) * i / 8, ptFrom.y + (ptTo.y - ptFrom.y) * i / 8));
        Settle();
    }
    SendMouse(MOUSEEVENTF_LEFTUP, ptTo);
    for (auto it = heldKeys.end(); it != heldKeys.begin();)
        SendKey(*--it, TRUE);
    Settle();
}

// Brings the window to the front so that input reaches it.
inline void BringToFront(HWND hWnd)
{
    ::ShowWindow(hWnd, SW_SHOW);
    ::SetForegroundWindow(hWnd);
    ::SetActiveWindow(hWnd);
    Settle();
}

} // namespace toolkit_test
