// The view's project report: the page painted as the author sees it, listed
// with its objects in the print preview, from which it is printed.
#include "editor/app/TarnixEdView.h"

#include "editor/app/ProjectReport.h"
#include "editor/app/TarnixEdDoc.h"

#include "framework/PrintInfo.h"
#include "framework/WinApp.h"

void CTarnixEdView::OnProjectReport()
{
    if (CWnd* pMainWnd = AfxGetMainWnd())
    {
        pMainWnd->BringWindowToTop();
        pMainWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    LeaveSelectionMode();
    delete m_pReport;
    m_pReport = new CProjectReport;
    m_pReport->Capture(this, GetDocument()->GetPage());
    CView::OnFilePrintPreview();
}

// The page as the view paints it, into the given device context.
LRESULT CTarnixEdView::OnPrintClient(WPARAM wParam, LPARAM)
{
    CDC dc;
    if (!dc.Attach((HDC)wParam))
        return 0;
    OnDraw(&dc);
    dc.Detach();
    return 0;
}

void CTarnixEdView::OnPagePreview()
{
    delete m_pReport;
    m_pReport = nullptr;
    CView::OnFilePrintPreview();
}

void CTarnixEdView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_pReport != nullptr && pInfo != nullptr)
        m_pReport->Draw(pDC, pInfo->m_rectDraw);
    else
        CView::OnPrint(pDC, pInfo);
}

// A report previewed and closed is done with: the next Print prints the page.
void CTarnixEdView::OnEndPrintPreview()
{
    delete m_pReport;
    m_pReport = nullptr;
}

void CTarnixEdView::OnEndPrinting(CDC*, CPrintInfo* pInfo)
{
    if (pInfo != nullptr && !pInfo->m_bPreview)
    {
        delete m_pReport;
        m_pReport = nullptr;
    }
}
