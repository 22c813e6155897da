// The layout of a frame's control bars (the framework's records, sections
// "<profile>-Summary" and "<profile>-Bar<n>") kept through the toolkit's
// settings store below HKEY_CURRENT_USER, so that the toolkit's INI file
// takes it when the global data names one.
#pragma once

#include "framework/DockState.h"

#include <memory>

class CXTRegistryStore;

class CXTDockState : public CDockState
{
    DECLARE_DYNCREATE(CXTDockState)
public:
    // Construction
    CXTDockState();
    ~CXTDockState() override;

    // Operations: one store for all the values of a load or a save.
    void LoadState(LPCSTR lpszProfileName) override;
    void SaveState(LPCSTR lpszProfileName) override;

    // Overridables: the store
    int GetStoredInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) override;
    BOOL WriteStoredInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) override;
    // Removes the section with all its values (also a dock window's "Bar Position").
    BOOL DeleteStoredSection(LPCSTR lpszSection) override;

private:
    std::unique_ptr<CXTRegistryStore> m_pStore;   // during a load or a save
};
