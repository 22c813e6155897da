#include "toolkit/controls/XTShellSettings.h"

#include <string.h>

CXTShellSettings::CXTShellSettings()
{
    memset(&m_flags, 0, sizeof(m_flags));
    // Looked up by name: without the export all flags stay off.
    typedef void(WINAPI * PFNSHGETSETTINGS)(LPSHELLFLAGSTATE, DWORD);
    HMODULE hShell = ::GetModuleHandleA("shell32.dll");
    if (hShell == nullptr)
        hShell = ::LoadLibraryA("shell32.dll");
    PFNSHGETSETTINGS pfn = hShell != nullptr ? (PFNSHGETSETTINGS)(void*)::GetProcAddress(hShell, "SHGetSettings") : nullptr;
    if (pfn != nullptr)
        pfn(&m_flags, 0xFFAB);
}
