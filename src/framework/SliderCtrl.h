// A trackbar.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>
class CSliderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSliderCtrl)
public:
    CSliderCtrl() = default;
    // Creates the control as a child; its messages reach this object's map first.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(TRACKBAR_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    int GetPos() const { return (int)SendMessage(TBM_GETPOS); }
    void SetPos(int nPos) { SendMessage(TBM_SETPOS, TRUE, nPos); }
    int GetRangeMin() const { return (int)SendMessage(TBM_GETRANGEMIN); }
    int GetRangeMax() const { return (int)SendMessage(TBM_GETRANGEMAX); }
    void GetRange(int& nMin, int& nMax) const { nMin = GetRangeMin(); nMax = GetRangeMax(); }
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE) { SendMessage(TBM_SETRANGE, bRedraw, MAKELPARAM(nMin, nMax)); }
    void SetRangeMin(int nMin, BOOL bRedraw = FALSE) { SendMessage(TBM_SETRANGEMIN, bRedraw, nMin); }
    void SetRangeMax(int nMax, BOOL bRedraw = FALSE) { SendMessage(TBM_SETRANGEMAX, bRedraw, nMax); }
    int SetPageSize(int nSize) { return (int)SendMessage(TBM_SETPAGESIZE, 0, nSize); }
    int SetLineSize(int nSize) { return (int)SendMessage(TBM_SETLINESIZE, 0, nSize); }
    void SetTicFreq(int nFreq) { SendMessage(TBM_SETTICFREQ, (WPARAM)nFreq); }
    void ClearSel(BOOL bRedraw = FALSE) { SendMessage(TBM_CLEARSEL, bRedraw); }
    void GetChannelRect(LPRECT lprc) const { SendMessage(TBM_GETCHANNELRECT, 0, (LPARAM)lprc); }
    void GetThumbRect(LPRECT lprc) const { SendMessage(TBM_GETTHUMBRECT, 0, (LPARAM)lprc); }
};
