// Every test executable runs GoogleTest under an application object, with
// message boxes answered by a recorder (and beeps silenced) so that no test can
// wait for a person.
#include "TestSupport.h"

#include "framework/DocTemplate.h"
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
    CDocument* OpenDocumentFile(LPCSTR lpszFileName) override
    {
        return testing_support::TestAppStages().openDocumentFile
                   ? testing_support::TestAppStages().openDocumentFile(lpszFileName)
                   : CWinApp::OpenDocumentFile(lpszFileName);
    }
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override
    {
        if (testing_support::TestAppStages().winHelp)
            testing_support::TestAppStages().winHelp(dwData, nCmd);
    }
    void RemoveTemplate(CDocTemplate* pTemplate)
    {
        POSITION pos = m_templateList.Find(pTemplate);
        if (pos != nullptr)
            m_templateList.RemoveAt(pos);
        delete pTemplate;
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

void RemoveDocTemplate(CDocTemplate* pTemplate)
{
    theTestApp.RemoveTemplate(pTemplate);
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
