#include "toolkit/bars/XTPersonalOptions.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTCoolMenu.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/MessageBox.h"

namespace {

BOOL* GlobalOption(int nOption)
{
    switch (nOption)
    {
    case CXTPersonalOptions::barContentsWhileDragging: return &xtAfxData.m_bShowBarWhileDragging;
    case CXTPersonalOptions::menuShadows: return &xtAfxData.m_bMenuDropShadows;
    case CXTPersonalOptions::recentFirst: return &xtAfxData.m_bRecentFirstMenus;
    case CXTPersonalOptions::barTips: return &xtAfxData.m_bBarTips;
    case CXTPersonalOptions::fullMenusAfterDelay: return &xtAfxData.m_bFullMenusAfterDelay;
    default: return &xtAfxData.m_bBarTipKeys;
    }
}

CString SettingsSection()
{
    return LoadToolkitString(XT_IDS_SETTINGS, "Settings");
}

} // namespace

CXTPersonalOptions& GetPersonalOptions()
{
    static CXTPersonalOptions s_options;
    return s_options;
}

CXTPersonalOptions::CXTPersonalOptions() : m_bEnabled(FALSE), m_bSaveOnExit(TRUE), m_bDirty(FALSE), m_options{}
{
}

CXTPersonalOptions::~CXTPersonalOptions()
{
    if (m_bSaveOnExit)
        SaveOnExit();
}

void CXTPersonalOptions::ToGlobalData() const
{
    for (int i = 0; i < count; ++i)
        *GlobalOption(i) = m_options[i] != 0;
}

void CXTPersonalOptions::Load()
{
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (CXTRegistryStore(HKEY_CURRENT_USER).GetProfileBinary(SettingsSection(), "Options", &pData, &nBytes) &&
        nBytes >= (UINT)count)
    {
        for (int i = 0; i < count; ++i)
            m_options[i] = pData[i] != 0;
        ToGlobalData();
    }
    else
        for (int i = 0; i < count; ++i)
            m_options[i] = *GlobalOption(i) == 1;
    delete[] pData;
    m_bDirty = FALSE;
}

void CXTPersonalOptions::Save()
{
    CXTRegistryStore(HKEY_CURRENT_USER).WriteProfileBinary(SettingsSection(), "Options", m_options, count);
    ToGlobalData();
    m_bDirty = FALSE;
}

void CXTPersonalOptions::Set(const BYTE options[count])
{
    for (int i = 0; i < count; ++i)
        m_options[i] = options[i] != 0;
    m_bDirty = TRUE;
}

void CXTPersonalOptions::SaveOnExit()
{
    if (m_bDirty)
        Save();
}

void CXTPersonalOptions::ResetUsage(CXTCoolMenu* pCoolMenu)
{
    CString strAsk = LoadToolkitString(XT_IDS_RESETUSAGE, "Reset the record of the commands you've used?");
    if (AfxMessageBox(strAsk, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    if (pCoolMenu != nullptr)
        pCoolMenu->ResetUsageData();
}
