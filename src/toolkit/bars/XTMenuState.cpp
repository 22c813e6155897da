#include "toolkit/bars/XTMenuState.h"

#include "toolkit/frame/XTOSVersion.h"

XT_MENU_STATE& GetXTMenuState()
{
    static XT_MENU_STATE state = [] {
        XT_MENU_STATE s;
        s.bOldSystem = IsOldMenuSystem(GetOSVersionInfo());
        return s;
    }();
    return state;
}

BOOL IsOldMenuSystem(const OSVERSIONINFOA& os)
{
    if (os.dwMajorVersion != 4)
        return FALSE;
    if (os.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
        return os.dwMinorVersion < 10;
    return os.dwPlatformId == VER_PLATFORM_WIN32_NT && os.dwMinorVersion == 0;
}

BOOL SystemDrawsMenuShadows()
{
    const OSVERSIONINFOA& os = GetOSVersionInfo();
    return os.dwPlatformId == VER_PLATFORM_WIN32_NT
        && (os.dwMajorVersion > 5 || (os.dwMajorVersion == 5 && os.dwMinorVersion >= 1));
}
