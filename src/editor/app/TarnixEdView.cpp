#include "editor/app/TarnixEdView.h"

#include "editor/app/TarnixEdDoc.h"
#include "framework/DC.h"

IMPLEMENT_DYNCREATE(CTarnixEdView, CView)

CTarnixEdDoc* CTarnixEdView::GetDocument() const
{
    return static_cast<CTarnixEdDoc*>(CView::GetDocument());
}

void CTarnixEdView::OnDraw(CDC* pDC)
{
    CTarnixEdDoc* pDoc = GetDocument();
    if (pDoc == nullptr)
        return;
    RECT rc;
    GetClientRect(&rc);
    HBRUSH hBrush = ::CreateSolidBrush(pDoc->GetPage().m_crWindowBg);
    ::FillRect(AfxHdc(pDC), &rc, hBrush);
    ::DeleteObject(hBrush);
}
