// The user's six personal options of menus and tool bars, kept in the
// toolkit's settings ("Settings"/"Options") and mirrored in its global data.
#pragma once

#include <windows.h>

class CXTCoolMenu;

class CXTPersonalOptions
{
public:
    enum Option { barContentsWhileDragging, menuShadows, recentFirst, barTips, fullMenusAfterDelay, tipKeys, count };

    CXTPersonalOptions();

    // The stored options into this object and the global data; without a
    // stored value, the global data's present values.
    void Load();
    // Stores them and hands them to the global data.
    void Save();
    void Set(const BYTE options[count]);
    BYTE Get(int nOption) const { return m_options[nOption]; }
    // Saves when changed.
    void SaveOnExit();
    // Asks, then has the frame's cool menu forget the commands used.
    void ResetUsage(CXTCoolMenu* pCoolMenu);

    BOOL m_bEnabled;
    BOOL m_bSaveOnExit;
    BOOL m_bDirty;

private:
    BYTE m_options[count];
    void ToGlobalData() const;
};

CXTPersonalOptions& GetPersonalOptions();
