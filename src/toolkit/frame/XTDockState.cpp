#include "toolkit/frame/XTDockState.h"

#include "toolkit/frame/XTRegistryStore.h"

IMPLEMENT_DYNCREATE(CXTDockState, CDockState)

CXTDockState::CXTDockState() = default;

CXTDockState::~CXTDockState() = default;

void CXTDockState::LoadState(LPCSTR lpszProfileName)
{
    m_pStore = std::make_unique<CXTRegistryStore>(HKEY_CURRENT_USER);
    CDockState::LoadState(lpszProfileName);
    m_pStore.reset();
}

void CXTDockState::SaveState(LPCSTR lpszProfileName)
{
    m_pStore = std::make_unique<CXTRegistryStore>(HKEY_CURRENT_USER);
    CDockState::SaveState(lpszProfileName);
    m_pStore.reset();
}

// Outside a load or save each call has a store of its own: the state takes
// the INI override as it stands then, and may outlive a change of it.

int CXTDockState::GetStoredInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    CXTRegistryStore own(HKEY_CURRENT_USER);
    return (int)(m_pStore ? *m_pStore : own).GetProfileInt(lpszSection, lpszEntry, nDefault);
}

BOOL CXTDockState::WriteStoredInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    CXTRegistryStore own(HKEY_CURRENT_USER);
    return (m_pStore ? *m_pStore : own).WriteProfileInt(lpszSection, lpszEntry, nValue);
}

BOOL CXTDockState::DeleteStoredSection(LPCSTR lpszSection)
{
    CXTRegistryStore own(HKEY_CURRENT_USER);
    return (m_pStore ? *m_pStore : own).WriteProfileString(lpszSection, nullptr, nullptr);
}
