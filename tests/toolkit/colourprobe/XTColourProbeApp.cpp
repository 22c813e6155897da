#include "XTColourProbeApp.h"

#include "XTColourProbeFrame.h"

#include "toolkit/XTRealInput.h"
#include "toolkit/controls/XTColorPopupWnd.h"

#include <fstream>

CXTColourProbeApp theApp;

namespace {

const UINT kTickMs = 30;
const int kMaxTicks = 200;   // six seconds for one step

} // namespace

BOOL CXTColourProbeApp::InitInstance()
{
    if (__argc < 2)
        return FALSE;
    m_strReport = __argv[1];
    m_pFrame = new CXTColourProbeFrame;
    m_pMainWnd = m_pFrame;
    if (!m_pFrame->Build())
        return FALSE;
    ::SetTimer(nullptr, 0, kTickMs, OnTick);
    return TRUE;
}

int CXTColourProbeApp::ExitInstance()
{
    CWinApp::ExitInstance();
    return m_nExitCode;
}

void CALLBACK CXTColourProbeApp::OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    theApp.Tick();
}

CXTColorPopupWnd* CXTColourProbeApp::OpenPopup()
{
    // The open popup holds the mouse.
    HWND hCapture = ::GetCapture();
    return hCapture != nullptr ? dynamic_cast<CXTColorPopupWnd*>(CWnd::FromHandlePermanent(hCapture)) : nullptr;
}

void CXTColourProbeApp::Tick()
{
    static const Step kSteps[] = {
        { kOpen, 0 }, { kWalk, VK_DOWN }, { kEnd, VK_ESCAPE }, { kOpen, 0 }, { kWalk, VK_DOWN }, { kEnd, VK_RETURN },
    };
    if (m_pFrame == nullptr)
        return;
    if (m_nStep >= sizeof(kSteps) / sizeof(kSteps[0]))
    {
        Finish(0);
        return;
    }
    const Step& step = kSteps[m_nStep];
    if (!m_bActed)
    {
        Act(step);
        m_bActed = true;
        m_nTicks = 0;
    }
    else if (Done(step))
    {
        if (step.kind != kEnd)
            m_pFrame->m_lines.push_back((step.kind == kOpen ? "open " : "hot ") + std::to_string(OpenPopup()->GetCurSel()));
        ++m_nStep;
        m_bActed = false;
    }
    else if (++m_nTicks > kMaxTicks)
    {
        m_pFrame->m_lines.push_back("timeout " + std::to_string(m_nStep));
        Finish(3);
    }
}

void CXTColourProbeApp::Act(const Step& step)
{
    using namespace toolkit_test;
    std::vector<INPUT> inputs;
    if (step.kind == kOpen)
    {
        const CPoint pt = m_pFrame->ArrowPoint();
        inputs = { MouseInput(0, pt), MouseInput(MOUSEEVENTF_LEFTDOWN, pt), MouseInput(MOUSEEVENTF_LEFTUP, pt) };
    }
    else
        inputs = { KeyInput(step.wKey, FALSE), KeyInput(step.wKey, TRUE) };
    if (CXTColorPopupWnd* pPopup = OpenPopup())
        m_nHotBefore = pPopup->GetCurSel();
    ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
}

bool CXTColourProbeApp::Done(const Step& step) const
{
    CXTColorPopupWnd* pPopup = OpenPopup();
    switch (step.kind)
    {
    case kOpen:
        return pPopup != nullptr;
    case kWalk:
        return pPopup != nullptr && pPopup->GetCurSel() != m_nHotBefore;
    default:
        return pPopup == nullptr;
    }
}

void CXTColourProbeApp::Finish(int nExitCode)
{
    m_nExitCode = nExitCode;
    std::ofstream out(m_strReport);
    for (const std::string& line : m_pFrame->m_lines)
        out << line << "\n";
    out << "end\n";
    CXTColourProbeFrame* pFrame = m_pFrame;
    m_pFrame = nullptr;
    pFrame->DestroyWindow();
}
