// The window of one menu object. Object windows are child windows of the page
// for input, focus, tab order and cursor; they never paint themselves: the page
// window paints every object through Draw into its own device context, and an
// object that must be redrawn invalidates its rectangle in the page.
#pragma once

#include "framework/Afx.h"

class CBasisObj : public CWnd
{
    DECLARE_DYNAMIC(CBasisObj)
public:
    // Construction
    CBasisObj();
    ~CBasisObj() override;   // destroys the window

    // Creates the window over the rectangle, which becomes the object's.
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, void* lpParam = nullptr) override;

    // Attributes
    const RECT& GetObjectRect() const { return m_rcObject; }
    BOOL HasFocus() const { return m_bFocus; }

    // Operations
    // Moves the object and its window (with repaint).
    void MoveTo(int x, int y, int cx, int cy);
    void SetObjectRect(const RECT& rc);
    // Invalidates the object in the page (with erase) and updates the page at
    // once; nothing without a page.
    void InvalidateInParent();

    // Overridables
    // Paints the object into the page's DC; windows that paint themselves
    // (list boxes) keep this empty one.
    virtual void Draw(CDC* pDC);
    virtual void OnBnClicked();

protected:
    // BOOL OnEraseBkgnd(CDC* pDC)
    BOOL OnEraseBkgnd(CDC* pDC);

    RECT m_rcObject;   // in the page's client coordinates, equal to the window's
    int m_bFocus;      // the window has the keyboard focus

    DECLARE_MESSAGE_MAP()
};
