// The small red label that shows an object's place in the tab order while the
// editor's tab-order editing runs.
#pragma once

#include "framework/Afx.h"

class CTabLabel : public CStatic
{
    DECLARE_DYNAMIC(CTabLabel)
public:
    // Construction
    CTabLabel();

    // A visible child showing the number, just inside the object's top-left
    // corner (x, y) in the parent's client coordinates.
    BOOL CreateLabel(CWnd* pParent, int x, int y, int nNumber);

    // Operations
    void SetNumber(int nNumber);

protected:
    // HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

private:
    CBrush m_brush;
};
