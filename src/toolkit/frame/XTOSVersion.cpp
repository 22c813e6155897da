#include "toolkit/frame/XTOSVersion.h"

const OSVERSIONINFOA& GetOSVersionInfo()
{
    static OSVERSIONINFOA info = [] {
        OSVERSIONINFOA v = {};
        v.dwOSVersionInfoSize = sizeof(v);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        ::GetVersionExA(&v);
#pragma GCC diagnostic pop
        return v;
    }();
    return info;
}
