// The tooltip area of a menu page: a fixed rectangle of the page window that
// shows the tooltip text of the button under the mouse or with the focus, and
// a default text otherwise. It is no window of its own: it invalidates its
// area in the page window, which calls Draw when it paints.
#pragma once

#include "shared/menuobj/TipText.h"
#include "shared/support/FontDesc.h"

class CWnd;

class CToolTip : public CObject
{
    DECLARE_DYNAMIC(CToolTip)
public:
    // Construction: disabled, transparent, white, with an empty area.
    CToolTip();
    CToolTip(const CToolTip&) = delete;
    CToolTip& operator=(const CToolTip&) = delete;
    ~CToolTip() override;

    // Attributes
    BOOL IsEnabled() const { return m_bEnabled; }
    const CRect& GetArea() const { return m_rcArea; }
    const CString& GetText() const { return m_strText; }
    const CString& GetDefaultText() const { return m_strDefaultText; }
    const CString& GetProjectFolder() const { return m_strProjectFolder; }
    const CTipText& GetLayout() const { return m_layout; }

    // Operations
    // Takes the page's tooltip settings and enables the area. The parent is
    // borrowed: it must outlive the tooltip's use.
    void Setup(const RECT& rcArea, BOOL bTransparent, COLORREF crBack, const CFontDesc& font,
               const CString& strDefaultText, CWnd* pParent, const CString& strProjectFolder, BOOL bCentre);
    // Shows the text at the next paint; an empty text empties the area but
    // keeps the current text. Areas outside 1024 by 768 never show a text.
    void NewTip(const CString& strText);
    void DefaultTip();
    // Paints the area: called by the parent from its paint handler.
    void Draw(CDC* pDC);

private:
    BOOL IsAreaShown() const;
    void InvalidateArea();

    BOOL m_bEnabled = FALSE;
    CString m_strText;
    CString m_strDefaultText;
    CRect m_rcArea;
    CRect m_rcText;                // the rectangle of the last layout
    BOOL m_bTransparent = TRUE;
    COLORREF m_crBack = RGB(255, 255, 255);
    CWnd* m_pParent = nullptr;
    CFontDesc m_font;
    CTipText m_layout;
    CString m_strProjectFolder;
    BOOL m_bCentre = FALSE;
};
