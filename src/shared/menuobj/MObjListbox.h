// A list box on a menu page: a real list box window that paints itself and
// widens its horizontal scroll range to its widest entry.
#pragma once

#include "shared/menuobj/MObjBasis.h"

class CBasisListBox;

class CMObjListbox : public CMObjBasis
{
    DECLARE_DYNAMIC(CMObjListbox)
public:
    CMObjListbox();
    ~CMObjListbox() override;   // deletes the window

    // Makes an empty list box (the style gets WS_CHILD, WS_VISIBLE and
    // WS_TABSTOP) on a white background; FALSE when the object has a window
    // already or the window cannot be made.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, int nID);

    // Attributes
    CBasisListBox* GetListBox() const { return m_pListWnd; }
    int GetMaxExtent() const { return m_nMaxExtent; }
    // The selected entry's text; empty when nothing is selected.
    CString GetSelectedText() const;

    // Operations
    // Adds an entry at the end; nothing without a window.
    void AddString(LPCSTR lpszItem);

    // The horizontal scroll range is this much wider than the widest entry.
    static const int kExtentMargin = 20;

protected:
    CBasisListBox* m_pListWnd;   // owned; the same window as m_pObjWnd
    int m_nMaxExtent;            // widest entry text so far, in pixels
};
