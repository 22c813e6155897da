// The common status control ("msctls_statusbar32"): parts with texts and
// right edges, one message each.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

class CStatusBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CStatusBarCtrl)
public:
    CStatusBarCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(STATUSCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    // The right edges of the parts (-1: to the end); at most 256 parts.
    BOOL SetParts(int nParts, const int* pWidths) { return (BOOL)SendMessage(SB_SETPARTS, (WPARAM)nParts, (LPARAM)pWidths); }
    int GetParts(int nParts, int* pParts) const { return (int)SendMessage(SB_GETPARTS, (WPARAM)nParts, (LPARAM)pParts); }
    BOOL SetText(LPCSTR lpszText, int nPane, int nType)
    {
        return (BOOL)SendMessage(SB_SETTEXTA, (WPARAM)(nPane | nType), (LPARAM)lpszText);
    }
    // The part's text and its drawing type (SBT_...).
    CString GetText(int nPane, int* pType = nullptr) const;
    int GetTextLength(int nPane, int* pType = nullptr) const;
    BOOL GetRect(int nPane, LPRECT lpRect) const { return (BOOL)SendMessage(SB_GETRECT, (WPARAM)nPane, (LPARAM)lpRect); }
    BOOL GetBorders(int* pBorders) const { return (BOOL)SendMessage(SB_GETBORDERS, 0, (LPARAM)pBorders); }
    void SetMinHeight(int nMin) { SendMessage(SB_SETMINHEIGHT, (WPARAM)nMin); }
    BOOL SetSimple(BOOL bSimple = TRUE) { return (BOOL)SendMessage(SB_SIMPLE, (WPARAM)bSimple); }
    BOOL IsSimple() const { return (BOOL)SendMessage(SB_ISSIMPLE); }
    void SetTipText(int nPane, LPCSTR lpszTip) { SendMessage(SB_SETTIPTEXTA, (WPARAM)nPane, (LPARAM)lpszTip); }
    COLORREF SetBkColor(COLORREF clr) { return (COLORREF)SendMessage(SB_SETBKCOLOR, 0, (LPARAM)clr); }
};
