// The layout of a frame's control bars: one record per bar, with the screen
// size it was taken at, kept in the application's profile under
// "<profile>-Summary" and "<profile>-Bar<n>". A derived state may keep it in
// another store by overriding the three store functions.
#pragma once

#include "framework/Collections.h"
#include "framework/ControlBarInfo.h"
#include "framework/Object.h"
#include "framework/Rect.h"

// The most bar ids one record reads.
#define AFX_DOCKSTATE_MAX_IDS 1024

class CDockState : public CObject
{
    DECLARE_DYNCREATE(CDockState)
public:
    CDockState();
    ~CDockState() override;

    // Attributes
    CPtrArray m_arrBarInfo;   // CControlBarInfo*, owned
    BOOL m_bScaling;          // positions are scaled from the saved screen size
    CRect m_rectDevice;       // the screen now
    CRect m_rectClip;         // where positions may lie (the screen less a margin)
    CSize m_sizeDevice;       // the screen when saved

    // Operations
    virtual void LoadState(LPCSTR lpszProfileName);
    virtual void SaveState(LPCSTR lpszProfileName);
    void Clear();   // deletes every record
    DWORD GetVersion() const { return 1; }
    CSize GetScreenSize() const { return m_sizeDevice; }
    void SetScreenSize(const CSize& size);
    // From the saved screen size to the current one; clipped to the screen.
    void ScalePoint(CPoint& pt) const;
    void ScaleRectPos(CRect& rect) const;

    // The store: integers of a section, and removing a section (the
    // application's profile here).
    virtual int GetStoredInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    virtual BOOL WriteStoredInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    virtual BOOL DeleteStoredSection(LPCSTR lpszSection);
    // A new empty record (a derived state may keep more per bar).
    virtual CControlBarInfo* NewBarInfo() const { return new CControlBarInfo; }
};
