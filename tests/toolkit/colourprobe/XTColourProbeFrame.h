// The colour probe's main window: a toolkit frame with one tool bar at the top
// whose only button is a colour button with its drop-down. The frame is the
// bar's owner: it writes down every outcome of the colour popup it receives.
#pragma once

#include "toolkit/bars/XTToolBar.h"
#include "toolkit/frame/XTFrameWnd.h"

#include <string>
#include <vector>

#define ID_PROBE_COLOR 32900   // the colour button's command
#define IDW_PROBE_BAR  0xE850

class CXTColourProbeFrame : public CXTFrameWnd
{
public:
    BOOL Build();
    // The screen point of the colour button's drop-down arrow.
    CPoint ArrowPoint();

    // What happened, a line each: the outcomes in the order they came, and
    // whatever the program adds.
    std::vector<std::string> m_lines;

protected:
    CXTToolBar m_wndBar;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // void OnColor()
    void OnColor() {}
    DECLARE_MESSAGE_MAP()
};
