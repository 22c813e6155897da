// The layout of a frame's control bars (the framework's records, sections
// "<profile>-Summary" and "<profile>-Bar<n>") kept through the toolkit's
// settings store below HKEY_CURRENT_USER, so that the toolkit's INI file
// takes it when the global data names one.
#pragma once

#include "framework/DockState.h"

class CXTDockState : public CDockState
{
    DECLARE_DYNCREATE(CXTDockState)
public:
    // Construction
    CXTDockState() = default;
    ~CXTDockState() override = default;

    // Overridables: the store
    int GetStoredInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) override;
    BOOL WriteStoredInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) override;
    // Removes the section with all its values (also a dock window's "Bar Position").
    BOOL DeleteStoredSection(LPCSTR lpszSection) override;
};
