#include "toolkit/frame/XTResourceSwitch.h"

#include "framework/WinApp.h"

CXTResourceSwitch::CXTResourceSwitch(HINSTANCE hModule)
    : m_hSavedResource(AfxGetResourceHandle()), m_hSavedInstance(AfxGetInstanceHandle()), m_bActive(TRUE)
{
    AfxSetResourceHandle(hModule);
    if (CWinApp* pApp = AfxGetApp())
        pApp->m_hInstance = hModule;
}

void CXTResourceSwitch::Restore()
{
    if (!m_bActive)
        return;
    AfxSetResourceHandle(m_hSavedResource);
    if (CWinApp* pApp = AfxGetApp())
        pApp->m_hInstance = m_hSavedInstance;
    m_bActive = FALSE;
}

void CXTResourceSwitchHolder::Release()
{
    if (m_pSwitch == nullptr)
        return;
    m_pSwitch->Restore();
    delete m_pSwitch;
    m_pSwitch = nullptr;
}
