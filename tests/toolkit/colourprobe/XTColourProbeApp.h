// The colour probe: a program on the toolkit alone that plays a user at its
// colour button while its message loop runs. It clicks the drop-down arrow,
// walks down a cell and presses Escape; then opens the popup again, walks
// down and presses Enter, each with real input. It writes what its frame
// received and which cell was hot to the file named on its command line; the
// exit code is 0 when every step came about, 3 when one did not.
#pragma once

#include "framework/WinApp.h"

#include <string>

class CXTColorPopupWnd;
class CXTColourProbeFrame;

class CXTColourProbeApp : public CWinApp
{
public:
    CXTColourProbeApp() : CWinApp("TarnixColourProbe") {}
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    enum Kind { kOpen, kWalk, kEnd };
    struct Step
    {
        Kind kind;
        unsigned short wKey;
    };

    CXTColourProbeFrame* m_pFrame = nullptr;
    std::string m_strReport;
    int m_nExitCode = 3;
    size_t m_nStep = 0;
    bool m_bActed = false;
    int m_nTicks = 0;
    int m_nHotBefore = -1;

    static void CALLBACK OnTick(HWND hWnd, UINT message, UINT_PTR nID, DWORD dwTime);
    void Tick();
    void Act(const Step& step);
    bool Done(const Step& step) const;
    void Finish(int nExitCode);
    static CXTColorPopupWnd* OpenPopup();
};
