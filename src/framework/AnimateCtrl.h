// An animation control playing a silent AVI clip.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>
class CAnimateCtrl : public CWnd
{
    DECLARE_DYNAMIC(CAnimateCtrl)
public:
    CAnimateCtrl() = default;
    // Creates the control as a child; its messages reach this object's map first.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(ANIMATE_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    BOOL Open(LPCSTR lpszFileName) { return (BOOL)SendMessage(ACM_OPENA, 0, (LPARAM)lpszFileName); }
    BOOL Open(UINT nID) { return (BOOL)SendMessage(ACM_OPENA, 0, (LPARAM)MAKEINTRESOURCEA(nID)); }
    BOOL Play(UINT nFrom, UINT nTo, UINT nRep) { return (BOOL)SendMessage(ACM_PLAY, nRep, MAKELONG(nFrom, nTo)); }
    BOOL Stop() { return (BOOL)SendMessage(ACM_STOP); }
    BOOL Close() { return (BOOL)SendMessage(ACM_OPENA); }
    BOOL Seek(UINT nTo) { return (BOOL)SendMessage(ACM_PLAY, 0, MAKELONG(nTo, nTo)); }
};
