// The layout of a frame's control bars between runs, for the toolkit frames'
// LoadBarState and SaveBarState: the dock state in the toolkit's settings
// store, and beside each dock window's bar record its "Bar Position" (the
// sizes it has docked and floating).
#pragma once

#include "framework/String.h"

#include <windows.h>

class CDockState;
class CFrameWnd;
class CXTRegistryStore;

class CXTBarState
{
public:
    // Operations
    // Saves the frame's dock state under the profile name, then each dock
    // window's sizes into the section of its bar record.
    static void SaveBarState(const CFrameWnd* pFrame, LPCSTR lpszProfileName);
    // Loads the dock state saved under the profile name, drops what names
    // bars the frame no longer has, gives each dock window its saved sizes
    // and applies the state with the frame's SetDockState. A dock window
    // without a bar record (saved before it existed) stops there: the
    // state is not applied and the bars stay as they are. TRUE when applied.
    static BOOL LoadBarState(CFrameWnd* pFrame, LPCSTR lpszProfileName);

    // Implementation (each step alone)
    // The stored dock state applied as LoadBarState describes, without the user's bars.
    static BOOL ApplyDockState(CFrameWnd* pFrame, LPCSTR lpszProfileName);
    // Removes the ids of bars the frame does not have from every record's
    // list (a kept place, above 0xFFFF, is looked up by its low 16 bits and
    // stays a kept place), and the docked records of such bars.
    static void PruneDockState(CFrameWnd* pFrame, CDockState& state);
    // The section "<profile>-Bar<n>", among the summary's count, whose
    // "BarID" is the bar's id (in 16 bits); FALSE when a section without
    // "BarID" comes first or none has it.
    static BOOL FindBarSection(LPCSTR lpszProfileName, UINT nBarID, CString& strSection);
    static BOOL FindBarSection(CXTRegistryStore& store, LPCSTR lpszProfileName, UINT nBarID, CString& strSection);
};
