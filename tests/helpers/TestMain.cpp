// Every test executable runs GoogleTest under an application object, with
// message boxes answered by a recorder (and beeps silenced) so that no test can
// wait for a person.
#include "TestSupport.h"

#include "framework/WinApp.h"

#include <gtest/gtest.h>

namespace {

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp("TarnixTests") {}
};

CTestApp theTestApp;

} // namespace

int main(int argc, char** argv)
{
    theTestApp.SetInstanceData(GetModuleHandleA(nullptr), GetCommandLineA(), SW_SHOWNORMAL);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    testing_support::MessageBoxRecorder unexpectedBoxes;
    AfxSetMessageBeepHook([](UINT) {});
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
