#include "toolkit/frame/XTReBar.h"

#include "toolkit/frame/XTControlBar.h"


IMPLEMENT_DYNAMIC(CXTReBar, CReBar)

// void OnChildSize(NMHDR* pNotifyStruct, LRESULT* pResult)
BEGIN_MESSAGE_MAP(CXTReBar, CReBar)
    ON_NOTIFY_REFLECT(RBN_CHILDSIZE, OnChildSize)
END_MESSAGE_MAP()

void CXTReBar::SizeBand(CWnd* pBar, REBARBANDINFOA& band)
{
    const BOOL bHorz = IsHorizontal();
    // A toolkit bar fills in its own sizes; any other window is measured.
    if (!pBar->SendMessage(XTWM_REBARBANDQUERY, (WPARAM)bHorz, reinterpret_cast<LPARAM>(&band)))
        SizeBandToWindow(pBar, band, bHorz);
}

void CXTReBar::OnChildSize(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    NMREBARCHILDSIZE* pNotify = reinterpret_cast<NMREBARCHILDSIZE*>(pNotifyStruct);
    REBARBANDINFOA band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD;
    if (SendMessage(RB_GETBANDINFOA, pNotify->uBand, reinterpret_cast<LPARAM>(&band)) && band.hwndChild != nullptr)
        ::SendMessageA(band.hwndChild, XTWM_REBARCHILDSIZE, (WPARAM)IsHorizontal(), reinterpret_cast<LPARAM>(pNotify));
    *pResult = 0;
}
