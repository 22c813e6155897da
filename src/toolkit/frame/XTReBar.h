// The toolkit's rebar: a band per bar whose size the bar fills in itself
// (XTWM_REBARBANDQUERY), and the band's child told when the band resizes it
// (XTWM_REBARCHILDSIZE), so that a tool bar can hide and show buttons to fit.
#pragma once

#include "framework/ReBar.h"

class CXTReBar : public CReBar
{
    DECLARE_DYNAMIC(CXTReBar)
public:
    // Construction
    CXTReBar() = default;

    // Attributes
    BOOL IsHorizontal() const { return (GetStyle() & CCS_VERT) == 0; }

protected:
    // The bar's own answer to the band query; a bar that does not answer
    // gets its fixed layout (a plain window its window size).
    void SizeBand(CWnd* pBar, REBARBANDINFOA& band) override;

    void OnChildSize(NMHDR* pNotifyStruct, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};
