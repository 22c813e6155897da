// The toolkit test program: builds its frame, runs the steps its command line
// names, writes what the frame shows and ends without a message loop.
//   --load <profile>   apply the bar state saved under the profile
//   --float            float "Zwei"
//   --drag <n>         drag the left row splitter n pixels to the right
//   --split <n>        drag the splitter between "Eins" and "Zwei" n pixels down
//   --save <profile>   save the bar state under the profile
//   --out <file>       the report (bars, dock bars and rectangles)
//   --bmp <file>       the frame as the screen shows it
// The exit code is 0 when every step succeeded.
#pragma once

#include "framework/WinApp.h"

class CXTDemoApp : public CWinApp
{
public:
    CXTDemoApp() : CWinApp("TarnixToolkitDemo") {}
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    int m_nExitCode = 1;
    int RunScript();
};
