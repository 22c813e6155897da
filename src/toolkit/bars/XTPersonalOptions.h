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
    // Saves a change when save-on-exit is set.
    ~CXTPersonalOptions();

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

    // Whether the Options page stores what the user set.
    BOOL IsEnabled() const { return m_bEnabled; }
    void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }
    BOOL IsSaveOnExit() const { return m_bSaveOnExit; }
    void SetSaveOnExit(BOOL bSave) { m_bSaveOnExit = bSave; }
    BOOL IsDirty() const { return m_bDirty; }

private:
    BOOL m_bEnabled;
    BOOL m_bSaveOnExit;
    BOOL m_bDirty;
    BYTE m_options[count];
    void ToGlobalData() const;
};

CXTPersonalOptions& GetPersonalOptions();
