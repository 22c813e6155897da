// The toolkit's flat owner-drawn list box: menu-high items in the toolkit's
// colours, painted without flicker.
#pragma once

#include "toolkit/controls/XTButton.h"

#include "framework/ListBox.h"

class CXTListBox : public CListBox
{
    DECLARE_DYNAMIC(CXTListBox)
public:
    // Construction
    CXTListBox();

    // Attributes
    void UseToolkitFont(BOOL bUse) { m_bUseToolkitFont = bUse; }

    // Overridables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMIS);

    // The background and text colours of an item in the given state.
    static void GetItemColors(UINT nState, BOOL bListEnabled, COLORREF& clrBack, COLORREF& clrText);
    // Fills the item and draws its text from 2 pixels in.
    static void DrawItemText(CDC* pDC, const CRect& rcItem, LPCSTR lpszText, COLORREF clrBack, COLORREF clrText);

protected:
    void PreSubclassWindow() override;
    // The set-up that message WM_CTRL_INITIALUPDATE runs once.
    virtual void Initialize();

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);

    BOOL m_bUseToolkitFont;
    BOOL m_bInitPending;

    DECLARE_MESSAGE_MAP()
};
