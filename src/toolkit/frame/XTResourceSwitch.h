// Switches the framework's resource and instance handles to a module while a
// dialog template or page is loaded from it, and switches them back.
#pragma once

#include <windows.h>

class CXTResourceSwitch
{
public:
    explicit CXTResourceSwitch(HINSTANCE hModule);
    CXTResourceSwitch(const CXTResourceSwitch&) = delete;
    CXTResourceSwitch& operator=(const CXTResourceSwitch&) = delete;
    ~CXTResourceSwitch() { Restore(); }

    // Writes both saved handles back; nothing once restored.
    void Restore();

private:
    HINSTANCE m_hSavedResource;
    HINSTANCE m_hSavedInstance;
    BOOL m_bActive;
};

// Holds a switch; Release (and the destructor) restores and deletes it.
class CXTResourceSwitchHolder
{
public:
    explicit CXTResourceSwitchHolder(CXTResourceSwitch* pSwitch = nullptr) : m_pSwitch(pSwitch) {}
    CXTResourceSwitchHolder(const CXTResourceSwitchHolder&) = delete;
    CXTResourceSwitchHolder& operator=(const CXTResourceSwitchHolder&) = delete;
    ~CXTResourceSwitchHolder() { Release(); }

    void Release();

private:
    CXTResourceSwitch* m_pSwitch;
};
