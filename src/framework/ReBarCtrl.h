// The common rebar control ("ReBarWindow32"): bands holding child windows,
// one message each.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

class CReBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CReBarCtrl)
public:
    CReBarCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    UINT GetBandCount() const { return (UINT)SendMessage(RB_GETBANDCOUNT); }
    BOOL GetBandInfo(UINT uBand, REBARBANDINFOA* prbbi) const
    {
        return (BOOL)SendMessage(RB_GETBANDINFOA, (WPARAM)uBand, (LPARAM)prbbi);
    }
    BOOL SetBandInfo(UINT uBand, REBARBANDINFOA* prbbi) { return (BOOL)SendMessage(RB_SETBANDINFOA, (WPARAM)uBand, (LPARAM)prbbi); }
    BOOL InsertBand(UINT uIndex, REBARBANDINFOA* prbbi) { return (BOOL)SendMessage(RB_INSERTBANDA, (WPARAM)uIndex, (LPARAM)prbbi); }
    BOOL DeleteBand(UINT uBand) { return (BOOL)SendMessage(RB_DELETEBAND, (WPARAM)uBand); }
    void GetBandBorders(UINT uBand, LPRECT prc) const { SendMessage(RB_GETBANDBORDERS, (WPARAM)uBand, (LPARAM)prc); }
    BOOL GetRect(UINT uBand, LPRECT prc) const { return (BOOL)SendMessage(RB_GETRECT, (WPARAM)uBand, (LPARAM)prc); }
    UINT GetBarHeight() const { return (UINT)SendMessage(RB_GETBARHEIGHT); }
    UINT GetRowCount() const { return (UINT)SendMessage(RB_GETROWCOUNT); }
    UINT GetRowHeight(UINT uRow) const { return (UINT)SendMessage(RB_GETROWHEIGHT, (WPARAM)uRow); }
    int IDToIndex(UINT uBandID) const { return (int)SendMessage(RB_IDTOINDEX, (WPARAM)uBandID); }
    void MaximizeBand(UINT uBand) { SendMessage(RB_MAXIMIZEBAND, (WPARAM)uBand, 0); }
    void MinimizeBand(UINT uBand) { SendMessage(RB_MINIMIZEBAND, (WPARAM)uBand); }
    BOOL ShowBand(UINT uBand, BOOL fShow = TRUE) { return (BOOL)SendMessage(RB_SHOWBAND, (WPARAM)uBand, (LPARAM)fShow); }
    BOOL SizeToRect(CRect& rect) { return (BOOL)SendMessage(RB_SIZETORECT, 0, (LPARAM)(LPRECT)&rect); }
    BOOL MoveBand(UINT uFrom, UINT uTo) { return (BOOL)SendMessage(RB_MOVEBAND, (WPARAM)uFrom, (LPARAM)uTo); }
    COLORREF GetBkColor() const { return (COLORREF)SendMessage(RB_GETBKCOLOR); }
    COLORREF SetBkColor(COLORREF clr) { return (COLORREF)SendMessage(RB_SETBKCOLOR, 0, (LPARAM)clr); }
    COLORREF GetTextColor() const { return (COLORREF)SendMessage(RB_GETTEXTCOLOR); }
    COLORREF SetTextColor(COLORREF clr) { return (COLORREF)SendMessage(RB_SETTEXTCOLOR, 0, (LPARAM)clr); }
    HWND GetToolTips() const { return (HWND)SendMessage(RB_GETTOOLTIPS); }
    void SetToolTips(HWND hWndTip) { SendMessage(RB_SETTOOLTIPS, (WPARAM)hWndTip); }
};
