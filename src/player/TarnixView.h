// The player's view: it loads the page into the document on its initial
// update and then runs the start window; when the start window ends, the
// program ends.
#pragma once

#include "framework/Brush.h"
#include "framework/View.h"

class CTarnixDoc;

class CTarnixView : public CView
{
    DECLARE_DYNCREATE(CTarnixView)
protected:
    CTarnixView();

public:
    CTarnixDoc* GetDocument() const;

    CBrush m_brDesktop;            // the document's desktop colour
    int m_bStarted;                // the start window has been asked for
    CWnd* m_pStartWnd;             // the running start window, not owned

protected:
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    void OnRunStartWindow();
    LRESULT OnMenuChoice(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
