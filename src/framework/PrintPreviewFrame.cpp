#include "framework/PrintPreviewFrame.h"

#include "framework/PaintDC.h"
#include "framework/PrintInfo.h"
#include "framework/View.h"
#include "framework/WinApp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CPrintPreviewFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CPrintPreviewFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_COMMAND(ID_PREVIEW_PRINT, OnPreviewPrint)
    ON_COMMAND(ID_PREVIEW_CLOSE, OnPreviewClose)
END_MESSAGE_MAP()

namespace {

const int kMargin = 8;

} // namespace

CPrintPreviewFrame::CPrintPreviewFrame() : m_pView(nullptr), m_nBarHeight(0), m_bPrinting(FALSE) {}

CPrintPreviewFrame* PASCAL CPrintPreviewFrame::Show(CView* pView)
{
    CPrintPreviewFrame* pFrame = new CPrintPreviewFrame;
    pFrame->m_pView = pView;
    CWnd* pOwner = pView->GetTopLevelParent();
    if (!pFrame->Create(nullptr, AfxLoadFrameworkText(AFX_IDS_PREVIEW_CAPTION, "Seitenansicht"), WS_OVERLAPPEDWINDOW,
                        rectDefault, pOwner))
        return nullptr;   // a frame whose window failed has deleted itself
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    return pFrame;
}

int CPrintPreviewFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    // The buttons follow the wider of their texts in the font they show.
    const CString strPrint = AfxLoadFrameworkText(AFX_IDS_PREVIEW_PRINT, "&Drucken");
    const CString strClose = AfxLoadFrameworkText(AFX_IDS_PREVIEW_CLOSE, "&Schließen");
    HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size = {};
    for (const CString& text : { strPrint, strClose })
    {
        SIZE extent = {};
        ::GetTextExtentPoint32A(hDC, text, text.GetLength(), &extent);
        size.cx = std::max(size.cx, extent.cx);
        size.cy = std::max(size.cy, extent.cy);
    }
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    int cxButton = size.cx + 4 * kMargin;
    int cyButton = size.cy + kMargin;
    m_nBarHeight = cyButton + 2 * kMargin;
    if (!m_btnPrint.Create(strPrint, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                           CRect(kMargin, kMargin, kMargin + cxButton, kMargin + cyButton), this, ID_PREVIEW_PRINT) ||
        !m_btnClose.Create(strClose, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                           CRect(2 * kMargin + cxButton, kMargin, 2 * kMargin + 2 * cxButton, kMargin + cyButton),
                           this, ID_PREVIEW_CLOSE))
        return -1;
    m_btnPrint.SetFont(CFont::FromHandle(hFont), FALSE);
    m_btnClose.SetFont(CFont::FromHandle(hFont), FALSE);
    return 0;
}

CRect CPrintPreviewFrame::GetPageRect() const
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcArea(rcClient.left + kMargin, rcClient.top + m_nBarHeight, rcClient.right - kMargin,
                 rcClient.bottom - kMargin);
    CRect rcView(0, 0, 1, 1);
    if (m_pView != nullptr && m_pView->m_hWnd != nullptr)
        m_pView->GetClientRect(&rcView);
    if (rcArea.Width() <= 0 || rcArea.Height() <= 0 || rcView.Width() <= 0 || rcView.Height() <= 0)
        return CRect(rcArea.left, rcArea.top, rcArea.left, rcArea.top);
    // The largest rectangle of the view's shape that fits, centred.
    int cx = rcArea.Width();
    int cy = MulDiv(cx, rcView.Height(), rcView.Width());
    if (cy > rcArea.Height())
    {
        cy = rcArea.Height();
        cx = MulDiv(cy, rcView.Width(), rcView.Height());
    }
    int x = rcArea.left + (rcArea.Width() - cx) / 2;
    int y = rcArea.top + (rcArea.Height() - cy) / 2;
    return CRect(x, y, x + cx, y + cy);
}

void CPrintPreviewFrame::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    ::FillRect(dc.m_hDC, &rcClient, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
    CRect rcPage = GetPageRect();
    ::FillRect(dc.m_hDC, &rcPage, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (m_pView == nullptr || m_pView->m_hWnd == nullptr || rcPage.IsRectEmpty())
        return;

    // The view draws in its own coordinates; the page scales them.
    CRect rcView;
    m_pView->GetClientRect(&rcView);
    int nSaved = dc.SaveDC();
    ::IntersectClipRect(dc.m_hDC, rcPage.left, rcPage.top, rcPage.right, rcPage.bottom);
    ::SetMapMode(dc.m_hDC, MM_ANISOTROPIC);
    ::SetWindowExtEx(dc.m_hDC, rcView.Width(), rcView.Height(), nullptr);
    ::SetViewportExtEx(dc.m_hDC, rcPage.Width(), rcPage.Height(), nullptr);
    ::SetViewportOrgEx(dc.m_hDC, rcPage.left, rcPage.top, nullptr);
    CPrintInfo info;
    info.m_bPreview = TRUE;
    info.m_rectDraw = rcView;
    m_pView->OnPrepareDC(&dc, &info);
    m_pView->OnPrint(&dc, &info);
    dc.RestoreDC(nSaved);
}

void CPrintPreviewFrame::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    Invalidate();
}

void CPrintPreviewFrame::OnPreviewPrint()
{
    CView* pView = m_pView;
    m_bPrinting = TRUE;
    DestroyWindow();
    if (pView != nullptr)
        pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}

// However the preview closes (its button, the system menu, its owner going),
// the view hears of it unless it is about to print.
void CPrintPreviewFrame::OnDestroy()
{
    if (!m_bPrinting && m_pView != nullptr)
        m_pView->OnEndPrintPreview();
    CFrameWnd::OnDestroy();
}

void CPrintPreviewFrame::OnPreviewClose()
{
    DestroyWindow();
}
