// The print preview: a plain frame that shows a view's drawing scaled onto a
// page, with Print and Close.
#pragma once

#include "framework/Button.h"
#include "framework/FrameWnd.h"

class CView;

class CPrintPreviewFrame : public CFrameWnd
{
    DECLARE_DYNAMIC(CPrintPreviewFrame)
public:
    // Shows the preview of pView; the frame deletes itself when closed.
    static CPrintPreviewFrame* PASCAL Show(CView* pView);

    CView* m_pView;
    // The page in client coordinates: the view's shape, as large as fits below the buttons.
    CRect GetPageRect() const;

protected:
    CPrintPreviewFrame();

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnPreviewPrint();
    void OnPreviewClose();
    void OnDestroy();

    CButton m_btnPrint;
    CButton m_btnClose;
    int m_nBarHeight;
    BOOL m_bPrinting;   // closed by Print: the view goes on printing

    DECLARE_MESSAGE_MAP()
};
