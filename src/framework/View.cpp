#include "framework/View.h"

#include "framework/CreateContext.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"
#include "framework/PaintDC.h"
#include "framework/PrintDialog.h"
#include "framework/PrintInfo.h"
#include "framework/PrintPreviewFrame.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::CView() : m_pDocument(nullptr) {}

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    CCreateContext* pContext = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy()
{
    delete this;
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc, nullptr);
    OnDraw(&dc);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() != this)
        pFrame->SetActiveView(this);
    return nResult;
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (bActivate && pActivateView == this)
        ::SetFocus(m_hWnd);
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CView::OnPrepareDC(CDC*, CPrintInfo*)
{
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*)
{
}

void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

void CView::OnEndPrintPreview() {}

void CView::OnEndPrinting(CDC*, CPrintInfo*)
{
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CPrintDialog* pDlg = pInfo->m_pPD;
    // The system says nothing itself: the one report is ours.
    pDlg->m_pd.Flags |= PD_NOWARNING;
    if (pInfo->m_bDirect)
        pDlg->m_pd.Flags |= PD_RETURNDEFAULT;
    INT_PTR nResult = pDlg->DoModal();
    if (nResult == IDOK && pDlg->GetPrinterDC() != nullptr)
        return TRUE;
    if (nResult == IDOK || pDlg->m_dwCommDlgError != 0)
        AfxMessageBox(AfxLoadFrameworkText(AFX_IDP_NO_PRINTER,
                                           "Es ist kein Drucker verfügbar. Richten Sie bitte einen Drucker ein."),
                      MB_ICONEXCLAMATION);
    return FALSE;
}

void CView::OnFilePrint()
{
    CPrintInfo info;
    const MSG* pMsg = GetCurrentMessage();
    info.m_bDirect = pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT;
    if (!OnPreparePrinting(&info))
        return;
    CDC dc;
    dc.Attach(info.m_pPD->GetPrinterDC());
    info.m_pPD->m_pd.hDC = nullptr;   // the DC is ours to delete now
    info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    OnBeginPrinting(&dc, &info);

    CString title;
    if (m_pDocument != nullptr)
        title = m_pDocument->GetTitle();
    DOCINFOA di = {};
    di.cbSize = sizeof(di);
    di.lpszDocName = title;
    BOOL bPrinted = ::StartDocA(dc.m_hDC, &di) > 0;
    if (bPrinted)
    {
        bPrinted = ::StartPage(dc.m_hDC) > 0;
        if (bPrinted)
        {
            OnPrepareDC(&dc, &info);
            OnPrint(&dc, &info);
            bPrinted = ::EndPage(dc.m_hDC) > 0;
        }
        if (bPrinted)
            ::EndDoc(dc.m_hDC);
        else
            ::AbortDoc(dc.m_hDC);
    }
    OnEndPrinting(&dc, &info);
    if (!bPrinted)
        AfxMessageBox(AfxLoadFrameworkText(AFX_IDP_FAILED_TO_PRINT, "Das Dokument konnte nicht gedruckt werden."),
                      MB_ICONEXCLAMATION);
    ::DeleteDC(dc.Detach());
}

void CView::OnFilePrintPreview()
{
    CPrintPreviewFrame::Show(this);
}
