// The size grip in the bottom-right corner of a resizable window: the system's
// size-box bitmap; pressing it starts the system's sizing of the parent.
#pragma once

#include "framework/Static.h"

#define XT_IDC_SIZEGRIP 0x7FFF

class CXTSizeGrip : public CStatic
{
    DECLARE_DYNAMIC(CXTSizeGrip)
public:
    enum { GripSize = 16 };

    // Creates the grip in the parent's bottom-right client corner.
    BOOL Create(CWnd* pParentWnd);
    // The grip's place in a client area of the given size.
    static CRect GripRect(const CRect& rcClient);

protected:
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()
};
