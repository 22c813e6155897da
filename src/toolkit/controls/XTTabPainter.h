// The flat painting of the toolkit's tab control: one edge painter for each of
// the four tab positions, and labels padded so that a bold selected tab keeps
// its width.
#pragma once

#include "framework/Pen.h"
#include "framework/Rect.h"
#include "framework/String.h"

class CDC;
class CTabCtrl;

class CXTTabPainter
{
public:
    // Construction
    CXTTabPainter();
    CXTTabPainter(const CXTTabPainter&) = delete;
    CXTTabPainter& operator=(const CXTTabPainter&) = delete;
    virtual ~CXTTabPainter();

    // Attributes
    void SetBoldSelected(BOOL bBold) { m_bBoldSelected = bBold; }
    void SetFramePage(BOOL bFrame) { m_bFramePage = bFrame; }
    void SetDefaultLook(BOOL bDefault) { m_bDefaultLook = bDefault; }

    // Overridables
    // The page rectangle of the selected tab's window; empty without a selection.
    virtual void GetChildRect(CRect& rcChild) const;
    virtual void DrawTabsTop(CDC* pDC, const CRect& rcClient, const CRect& rcSel);
    virtual void DrawTabsBottom(CDC* pDC, const CRect& rcClient, const CRect& rcSel);
    virtual void DrawTabsLeft(CDC* pDC, const CRect& rcClient, const CRect& rcSel);
    virtual void DrawTabsRight(CDC* pDC, const CRect& rcClient, const CRect& rcSel);
    virtual void PadLabel(CString& strLabel);

protected:
    void CreatePens();
    // The whole control into the DC: the chosen edge painter and the page frame.
    void PaintTabs(CDC* pDC);
    // Every tab's image, label and separator.
    void DrawTabItems(CDC* pDC, BOOL bVertical);
    void Line(CDC* pDC, CPen& pen, int x1, int y1, int x2, int y2);

    CPen m_penFrame;
    CPen m_penLight;
    CPen m_penFace;
    CPen m_penSeparator;
    int m_cxEdge;
    CTabCtrl* m_pTabCtrl;
    BOOL m_bBoldSelected;
    BOOL m_bFramePage;
    BOOL m_bDefaultLook;
};
