#include "toolkit/frame/XTDockState.h"

#include "toolkit/frame/XTRegistryStore.h"

IMPLEMENT_DYNCREATE(CXTDockState, CDockState)

// A store per call: it takes the INI override as it stands now, and the
// state may outlive a change of it.

int CXTDockState::GetStoredInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    CXTRegistryStore store(HKEY_CURRENT_USER);
    return (int)store.GetProfileInt(lpszSection, lpszEntry, nDefault);
}

BOOL CXTDockState::WriteStoredInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    CXTRegistryStore store(HKEY_CURRENT_USER);
    return store.WriteProfileInt(lpszSection, lpszEntry, nValue);
}

BOOL CXTDockState::DeleteStoredSection(LPCSTR lpszSection)
{
    CXTRegistryStore store(HKEY_CURRENT_USER);
    return store.WriteProfileString(lpszSection, nullptr, nullptr);
}
