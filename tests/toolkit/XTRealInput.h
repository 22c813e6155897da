// Real input for the toolkit's tests: mouse clicks and drags and key strokes
// through SendInput, so capture, activation and the thread hooks see what a
// user's hand would give them. Waits pump the thread's messages until a
// condition holds, with a bound so that a fault fails instead of hanging.
#pragma once

#include "framework/Point.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <initializer_list>
#include <thread>
#include <vector>

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

inline INPUT MouseInput(DWORD dwFlags, CPoint ptScreen)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = (LONG)((ptScreen.x * 65535LL + cx / 2) / (cx - 1));
    input.mi.dy = (LONG)((ptScreen.y * 65535LL + cy / 2) / (cy - 1));
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
}

inline INPUT KeyInput(WORD wVk, BOOL bUp)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVk;
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Queues the whole sequence at once: a modal loop started by its first
// events (drag detection, a drag) finds the rest already waiting.
inline void SendAll(const std::vector<INPUT>& inputs)
{
    if (!inputs.empty())
        ::SendInput((UINT)inputs.size(), const_cast<INPUT*>(inputs.data()), sizeof(INPUT));
    Settle();
}

// Sends the events one at a time from another thread, a step apart, while
// this thread runs its messages and the modal loops they start: moves queued
// at once reach a window merged into one, and a gesture measured between
// moves needs each of them to arrive alone.
inline void SendPaced(const std::vector<INPUT>& inputs, DWORD dwStep = 40)
{
    std::atomic<bool> bDone(false);
    std::thread feeder([&] {
        for (INPUT input : inputs)
        {
            ::SendInput(1, &input, sizeof(INPUT));
            ::Sleep(dwStep);
        }
        bDone = true;
    });
    while (!bDone)
        PumpFor(5);
    feeder.join();
    Settle();
}

inline void SendMouse(DWORD dwFlags, CPoint ptScreen)
{
    INPUT input = MouseInput(dwFlags, ptScreen);
    ::SendInput(1, &input, sizeof(input));
}

inline void MoveMouse(CPoint ptScreen)
{
    SendMouse(0, ptScreen);
    Settle();
}

inline void Click(CPoint ptScreen, BOOL bRight = FALSE)
{
    SendAll({ MouseInput(0, ptScreen), MouseInput(bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, ptScreen),
              MouseInput(bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, ptScreen) });
}

// Presses the keys in order and releases them in reverse (Ctrl+K: { VK_CONTROL, 'K' }).
inline void PressKeys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD wVk : keys)
        inputs.push_back(KeyInput(wVk, FALSE));
    for (auto it = keys.end(); it != keys.begin();)
        inputs.push_back(KeyInput(*--it, TRUE));
    SendAll(inputs);
}

// How a drag ends: released over the target, or cancelled on the way.
enum class DragEnd { release, escape, rightClick };

// A drag with the left button in steps (the held keys pressed before the
// button and released after it), queued at once.
inline void Drag(CPoint ptFrom, CPoint ptTo, std::initializer_list<WORD> heldKeys = {},
                 DragEnd end = DragEnd::release)
{
    std::vector<INPUT> inputs;
    inputs.push_back(MouseInput(0, ptFrom));
    for (WORD wVk : heldKeys)
        inputs.push_back(KeyInput(wVk, FALSE));
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTDOWN, ptFrom));
    for (int i = 1; i <= 8; ++i)
        inputs.push_back(MouseInput(0, CPoint(ptFrom.x + (ptTo.x - ptFrom.x) * i / 8,
                                              ptFrom.y + (ptTo.y - ptFrom.y) * i / 8)));
    if (end == DragEnd::escape)
    {
        inputs.push_back(KeyInput(VK_ESCAPE, FALSE));
        inputs.push_back(KeyInput(VK_ESCAPE, TRUE));
    }
    else if (end == DragEnd::rightClick)
    {
        inputs.push_back(MouseInput(MOUSEEVENTF_RIGHTDOWN, ptTo));
        inputs.push_back(MouseInput(MOUSEEVENTF_RIGHTUP, ptTo));
    }
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTUP, ptTo));
    for (auto it = heldKeys.end(); it != heldKeys.begin();)
    {
        // Alt let go alone would open the window's menu: a Shift tap first.
        if (*--it == VK_MENU)
        {
            inputs.push_back(KeyInput(VK_SHIFT, FALSE));
            inputs.push_back(KeyInput(VK_SHIFT, TRUE));
        }
        inputs.push_back(KeyInput(*it, TRUE));
    }
    SendAll(inputs);
    PumpFor(100);
}

// Leaves the pointer in the screen's bottom right corner, where no later test
// finds it over its windows.
inline void ParkMouse()
{
    SendAll({ MouseInput(0, CPoint(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1)) });
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
