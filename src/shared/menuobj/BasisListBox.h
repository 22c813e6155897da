// The window of a list-box menu object: a real list box that paints itself. A
// double click asks the page window to run the selected entry.
#pragma once

#include "shared/menuobj/BasisObj.h"

class CBasisListBox : public CBasisObj
{
    DECLARE_DYNAMIC(CBasisListBox)
public:
    // Construction
    CBasisListBox();

    // Attributes
    COLORREF GetBackground() const { return m_crBackground; }

    // Overridables
    // A "LISTBOX" window with a border, both scroll bars, no integral height
    // and notifications, besides the given style.
    virtual BOOL CreateListBox(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, COLORREF crBackground);

protected:
    // BOOL OnEraseBkgnd(CDC* pDC)
    BOOL OnEraseBkgnd(CDC* pDC);
    // void OnLButtonDblClk(UINT nFlags, CPoint point)
    void OnLButtonDblClk(UINT nFlags, CPoint point);

    COLORREF m_crBackground;

    DECLARE_MESSAGE_MAP()
};
