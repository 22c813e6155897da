// The player program's application object.
#include "framework/WinApp.h"

namespace {

class CBareApp : public CWinApp
{
public:
    // Until the player's start-up is built the program opens and closes cleanly.
    BOOL InitInstance() override { return FALSE; }
};

CBareApp theApp;

} // namespace
