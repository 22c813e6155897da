// The small caption button of a dock window (hide, expand/contract): a
// toolkit button drawn on the caption's colour, its icon offset while pressed.
#pragma once

#include "toolkit/controls/XTButton.h"

class CXTDockWindow;

class CXTBarButton : public CXTButton
{
    DECLARE_DYNAMIC(CXTBarButton)
public:
    // Construction
    CXTBarButton();
    ~CXTBarButton() override;

    // Attributes
    CXTDockWindow* m_pDockWindow;   // the owning dock window

    // Overridables
    void DrawButton(LPDRAWITEMSTRUCT lpDIS) override;
    void DrawIcon(CDC* pDC, UINT nState, const CRect& rcItem) override;

protected:
    BOOL IsOwnerActive() const;
};
