#include "toolkit/bars/XTToolkitString.h"

#include "toolkit/XTResource.h"
#include "toolkit/frame/XTGlobalData.h"

CString LoadToolkitString(UINT nID, LPCSTR pszFallback)
{
    char szText[256] = "";
    if (::LoadStringA(xtAfxData.m_hInstance, nID, szText, sizeof(szText)) > 0)
        return szText;
    return pszFallback;
}

CString GetToolkitSettingsSection()
{
    return LoadToolkitString(XT_IDS_SETTINGS, "Settings");
}
