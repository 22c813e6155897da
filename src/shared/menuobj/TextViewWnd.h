// The window of a page's text field: a text file, plain or in simple HTML,
// laid out once by the HTML renderer, its visible part drawn off screen on
// every paint and scrolled by the window's own scroll bars.
#pragma once

#include "shared/menuobj/BasisObj.h"
#include "shared/support/HtmlRenderer.h"

class CLineStore;

class CTextViewWnd : public CBasisObj
{
    DECLARE_DYNAMIC(CTextViewWnd)
public:
    // Construction: both scroll bars and the border on.
    CTextViewWnd();
    ~CTextViewWnd() override;

    // Attributes, set before CreateViewer
    void SetScrollBars(BOOL bHorz, BOOL bVert);
    void SetBorder(BOOL bBorder) { m_bBorder = bBorder; }

    const CSize& GetTextSize() const { return m_sizeText; }
    CPoint GetScrollPosition() const { return m_ptScroll; }

    // Operations
    // Lays the lines out and creates the window over the rectangle. The line
    // store is borrowed: it must outlive the window. Non-zero on success.
    BOOL CreateViewer(const RECT& rect, CWnd* pParent, UINT nID, CLineStore* pLines, LPCSTR lpszFace,
                      COLORREF crText, COLORREF crBack);
    // Draws the client area as it shows at the scroll position into the DC,
    // from its top left.
    void Paint(CDC* pDC);

protected:
    // void OnSize(UINT nType, int cx, int cy)
    void OnSize(UINT nType, int cx, int cy);
    // void OnPaint()
    void OnPaint();
    // void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    // void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    // void OnMove(int x, int y)
    void OnMove(int x, int y);

    DECLARE_MESSAGE_MAP()

private:
    // The renderer reads the text field's line store through this.
    class StoreLines : public CHtmlRenderer::LineSource
    {
    public:
        CLineStore* m_pStore = nullptr;
        int GetFirst(CString& strLine) override;
        int GetNext(CString& strLine) override;
    };

    void ShowScrollPos(int nBar, int nPos);

    CHtmlRenderer m_renderer;
    StoreLines m_lines;
    CSize m_sizeText;              // what the whole text needs
    CSize m_sizeClient;            // from the last size message
    CSize m_sizeRange;             // text size raised to the client size
    CPoint m_ptScroll;
    COLORREF m_crBack = RGB(255, 255, 255);
    BOOL m_bScrollHorz = TRUE;
    BOOL m_bScrollVert = TRUE;
    BOOL m_bBorder = TRUE;
};
