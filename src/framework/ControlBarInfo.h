// What a frame keeps of one control bar between runs: where it is docked or
// floats, whether it shows, where it docked and floated last, and for a dock
// bar the ids of the bars in its rows (0 ends a row, an id above 0xFFFF is a
// place kept for a bar that left).
#pragma once

#include "framework/Collections.h"
#include "framework/Rect.h"

class CControlBar;
class CDockState;

class CControlBarInfo
{
public:
    CControlBarInfo();
    virtual ~CControlBarInfo() = default;

    // Attributes
    UINT m_nBarID;            // the bar's id; 0: the record is empty
    BOOL m_bVisible;
    BOOL m_bFloating;
    BOOL m_bHorz;
    BOOL m_bDockBar;
    CPoint m_pointPos;        // (-1, -1): not set
    UINT m_nMRUWidth;         // 32767: not set
    BOOL m_bDocking;          // docking is allowed; the MRU values are kept
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;
    CPtrArray m_arrBarID;     // a dock bar's rows, as ids
    CControlBar* m_pBar;      // the bar while a state is applied or taken

    // Operations: the record's section "<profile>-Bar<index>", read and
    // written through the dock state's store.
    virtual BOOL SaveState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState);
    virtual BOOL LoadState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState);
    // Whether the record needs a section at all (a visible, docked dock bar
    // without position and with at most one id needs none).
    BOOL NeedsSection() const;
};
