// The canvas of a project page. Placing and editing objects comes with the
// editor's view; so far it shows the page's background colour.
#pragma once

#include "framework/View.h"

class CTarnixEdDoc;

class CTarnixEdView : public CView
{
    DECLARE_DYNCREATE(CTarnixEdView)
public:
    CTarnixEdView() = default;

    CTarnixEdDoc* GetDocument() const;

protected:
    void OnDraw(CDC* pDC) override;
};
