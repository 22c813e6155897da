// The tool bar inside the chevron's popup: copies of the buttons its owner
// bar hides for lack of room, on the popup's colour. A colour popup opened
// from one of its buttons reports to the owner bar.
#pragma once

#include "toolkit/bars/XTToolBar.h"

class CXTHiddenButtonsToolbar : public CXTToolBar
{
    DECLARE_DYNAMIC(CXTHiddenButtonsToolbar)
public:
    // Construction
    CXTHiddenButtonsToolbar() = default;

    // Attributes
    CXTToolBar* GetOwnerBar() const { return m_pOwnerBar; }
    void SetOwnerBar(CXTToolBar* pOwnerBar) { m_pOwnerBar = pOwnerBar; }
    // The popup's background: the flat menu face in the flat look, else the face colour.
    static COLORREF GetPopupColor();

    // Overridables
    COLORREF GetBackgroundColor() const override { return GetPopupColor(); }
    BOOL FillsBackground() const override { return TRUE; }
    // Its buttons are all shown; it never hides any behind a chevron.
    BOOL HasChevron() const override { return FALSE; }
    BOOL CreateColorPopup(CXTButtonInfo* pInfo, const CRect& rcButton) override;

protected:
    CXTToolBar* m_pOwnerBar = nullptr;
};
