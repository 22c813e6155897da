// The view's project report: the page captured as the author sees it, listed
// with its objects in the print preview, from which it is printed.
#include "editor/app/TarnixEdView.h"

#include "editor/app/ProjectReport.h"
#include "editor/app/TarnixEdDoc.h"

#include "framework/FrameWnd.h"
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
    UpdateWindow();
    // With a border the page is seen in its frame; without one, its client area.
    CRect rect;
    CFrameWnd* pFrame = GetParentFrame();
    if (GetDocument()->GetPage().GetWindow().bBorder && pFrame != nullptr)
        pFrame->GetWindowRect(&rect);
    else
    {
        GetClientRect(&rect);
        ClientToScreen(&rect);
    }
    delete m_pReport;
    m_pReport = new CProjectReport;
    m_pReport->Capture(rect, GetDocument()->GetPage());
    CView::OnFilePrintPreview();
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
