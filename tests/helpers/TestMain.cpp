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
    BOOL InitInstance() override
    {
        return testing_support::TestAppStages().initInstance ? testing_support::TestAppStages().initInstance()
                                                             : CWinApp::InitInstance();
    }
};

CTestApp theTestApp;

} // namespace

namespace testing_support {

TestAppStageHooks& TestAppStages()
{
    static TestAppStageHooks hooks;
    return hooks;
}

} // namespace testing_support

int main(int argc, char** argv)
{
    theTestApp.SetInstanceData(GetModuleHandleA(nullptr), GetCommandLineA(), SW_SHOWNORMAL);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    testing_support::MessageBoxRecorder unexpectedBoxes;
    AfxSetMessageBeepHook([](UINT) {});
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
