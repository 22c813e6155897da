// The user's Explorer view settings, read once.
#pragma once

#include <windows.h>
#include <shlobj.h>

class CXTShellSettings
{
public:
    CXTShellSettings();

    BOOL ShowAllObjects() const { return m_flags.fShowAllObjects; }
    BOOL ShowSysFiles() const { return m_flags.fShowSysFiles; }
    // The enumeration flags of a shell view: hidden objects whenever all objects are shown.
    DWORD EnumFlags(DWORD dwBase) const { return dwBase | (ShowAllObjects() ? SHCONTF_INCLUDEHIDDEN : 0); }

private:
    SHELLFLAGSTATE m_flags;
};
