// A zero-filled MENUITEMINFO with its size set. The size is the platform's
// record size: the system refuses a shorter one (on 64 bits too).
#pragma once

#include <windows.h>

struct CXTMenuItemInfo : public MENUITEMINFOA
{
    CXTMenuItemInfo()
    {
        ::ZeroMemory(static_cast<MENUITEMINFOA*>(this), sizeof(MENUITEMINFOA));
        cbSize = sizeof(MENUITEMINFOA);
    }
};
