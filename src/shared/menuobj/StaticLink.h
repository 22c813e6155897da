// A hyperlink label on a static control: underlined, blue until the link has
// been opened and purple afterwards; a click opens the link target, else the
// label's text, else the string resource of the label's control id.
#pragma once

#include "framework/Afx.h"

class CStaticLink : public CStatic
{
    DECLARE_DYNAMIC(CStaticLink)
public:
    // Construction
    explicit CStaticLink(LPCSTR lpszTarget = nullptr, BOOL bDeleteOnDestroy = FALSE);

    // Attributes
    const CString& GetTarget() const { return m_strTarget; }
    COLORREF GetLinkColor() const { return m_crLink; }
    // The label's background is not painted from now on.
    void SetTransparent() { m_bTransparent = TRUE; }

    // Operations
    // Opens the first that opens of the target, the label's text and the
    // string resource; TRUE on success, which turns the link purple.
    BOOL OpenLink();

protected:
    void PostNcDestroy() override;

    // HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    // LRESULT OnNcHitTest(CPoint point)
    LRESULT OnNcHitTest(CPoint point);
    // void OnLButtonDown(UINT nFlags, CPoint point)
    void OnLButtonDown(UINT nFlags, CPoint point);
    // BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

    DECLARE_MESSAGE_MAP()

private:
    static BOOL Open(HWND hWnd, const CString& strTarget);
    void MakeLinkFont(CDC* pDC);

    CString m_strTarget;
    COLORREF m_crLink;
    CFont m_font;              // the label's font, underlined; made on first use
    BOOL m_bTransparent;
    BOOL m_bDeleteOnDestroy;
};
