#include "XTDemoApp.h"

#include "XTDemoFrame.h"

#include "toolkit/bars/XTCustomizeSheet.h"
#include "toolkit/frame/XTBarState.h"

#include <cstdlib>
#include <string>
#include <vector>

BOOL CXTDemoApp::InitInstance()
{
    SetRegistryKey("TarnixToolkitDemo");
    // The frames' customise command opens the sheet with these pages.
    CXTCustomizeSheet::Register(XT_CUST_TOOLBARS | XT_CUST_COMMANDS | XT_CUST_KEYBOARD | XT_CUST_TOOLS | XT_CUST_OPTIONS);
    m_nExitCode = RunScript();
    // Everything happened above: no message loop follows.
    return FALSE;
}

int CXTDemoApp::ExitInstance()
{
    CWinApp::ExitInstance();
    return m_nExitCode;
}

int CXTDemoApp::RunScript()
{
    std::vector<std::string> args(__argv + 1, __argv + __argc);
    CXTDemoFrame* pFrame = new CXTDemoFrame;
    m_pMainWnd = pFrame;
    if (!pFrame->Build(CRect(10, 10, 810, 610)))
        return 2;

    int nResult = 0;
    for (size_t i = 0; i < args.size(); ++i)
    {
        const std::string& arg = args[i];
        const bool bHasValue = i + 1 < args.size();
        if (arg == "--float")
            pFrame->FloatZwei();
        else if ((arg == "--drag" || arg == "--split") && bHasValue)
        {
            if (!pFrame->DragLeftSplitter(arg == "--split", std::atoi(args[++i].c_str())))
                nResult = 3;
        }
        else if (arg == "--save" && bHasValue)
            CXTBarState::SaveBarState(pFrame, args[++i].c_str());
        else if (arg == "--load" && bHasValue)
        {
            if (!CXTBarState::LoadBarState(pFrame, args[++i].c_str()))
                nResult = 4;
            pFrame->Settle();
        }
        else if (arg == "--altdrag-off" && bHasValue)
        {
            if (!pFrame->AltDragOff(std::atoi(args[++i].c_str())))
                nResult = 8;
        }
        else if (arg == "--newbar" && bHasValue)
        {
            if (!pFrame->NewBarInSheet(args[++i]))
                nResult = 9;
        }
        else if (arg == "--shortcut")
        {
            if (!pFrame->AssignCtrlK())
                nResult = 13;
        }
        else if (arg == "--press-ctrl-k")
            pFrame->PressCtrlK();
        else if (arg == "--shadows")
        {
            if (!pFrame->SetShadowOption())
                nResult = 10;
        }
        else if (arg == "--colorpopup" && bHasValue)
        {
            if (!pFrame->OpenColorPopup(args[++i]))
                nResult = 11;
        }
        else if (arg == "--chevron" && bHasValue)
        {
            if (!pFrame->OpenChevronPopup(args[++i]))
                nResult = 12;
        }
        else if (arg == "--out" && bHasValue)
        {
            if (!pFrame->WriteReport(args[++i]))
                nResult = 5;
        }
        else if (arg == "--bmp" && bHasValue)
        {
            if (!pFrame->WriteBitmap(args[++i]))
                nResult = 6;
        }
        else
            nResult = 7;
    }
    pFrame->DestroyWindow();
    m_pMainWnd = nullptr;
    return nResult;
}
