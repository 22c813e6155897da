// The volume slider of a menu page.
#pragma once

#include "shared/menuobj/MObjBasis.h"
#include "shared/menuobj/SpeakerSlider.h"

class CMObjSlider : public CMObjBasis
{
    DECLARE_DYNAMIC(CMObjSlider)
public:
    // Writes the id and colour into the struct and makes the trackbar over the
    // struct's rectangle in the edit mode; FALSE leaves the object without a
    // window.
    BOOL Create(CMObjCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode);

    const CSpeakerSlider& GetSlider() const { return m_wndSlider; }

    // Both sides, no ticks.
    static const DWORD kTrackbarStyle = TBS_BOTH | TBS_NOTICKS;

protected:
    CSpeakerSlider m_wndSlider;
};
