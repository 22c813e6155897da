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

    // Operations
    // A new last band holding the bar; a bar that does not answer the band
    // query gets its fixed layout (a plain window its window size).
    BOOL AddBar(CWnd* pBar, LPCSTR pszText = nullptr, CBitmap* pbmp = nullptr,
                DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);
    BOOL AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCSTR pszText = nullptr,
                DWORD dwStyle = RBBS_GRIPPERALWAYS);

    // Attributes
    BOOL IsHorizontal() const { return (GetStyle() & CCS_VERT) == 0; }

protected:
    BOOL InsertBarBand(CWnd* pBar, REBARBANDINFOA& band);

    void OnChildSize(NMHDR* pNotifyStruct, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};
