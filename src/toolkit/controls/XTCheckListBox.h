// The toolkit's check list: its own check images, the check flipped by a
// click in the check area or a double click anywhere on the item.
#pragma once

#include "toolkit/controls/XTCheckListBase.h"

struct XT_CHECKIMAGES
{
    HBITMAP hBitmap;
    int cx;     // one frame: unchecked, checked, indeterminate side by side
    int cy;
};

class CXTCheckListBox : public CXTCheckListBase
{
    DECLARE_DYNAMIC(CXTCheckListBox)
public:
    // Construction
    CXTCheckListBox();

    // Overridables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMIS);

    // The check images, loaded once for the process.
    static const XT_CHECKIMAGES& GetCheckImages();
    // The part of an item that a click toggles.
    static CRect CheckArea(const CRect& rcItem);

protected:
    void ToggleAt(CPoint point, BOOL bAnywhere);

    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()
};
