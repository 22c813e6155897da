#include "toolkit/bars/XTDescriptionWnd.h"

#include "toolkit/bars/XTShadowRamp.h"
#include "toolkit/frame/XTDCValueSaver.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"

#include "framework/ClientDC.h"
#include "framework/DragFeedback.h"
#include "framework/PaintDC.h"

#include <algorithm>

// Handler signatures: see CWnd; LRESULT OnPrintClient(WPARAM, LPARAM).
BEGIN_MESSAGE_MAP(CXTDescriptionWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

const int kMarginX = 20;
const int kMarginY = 10;
const int kTitleGap = 18;
// Keeps the target where the pattern is white and blackens it where it is black.
const DWORD kRopPatternAnd = 0x00A000C9;

} // namespace

CXTDescriptionWnd::CXTDescriptionWnd()
    : m_hWndParent(nullptr), m_nFlags(0), m_clrBack(::GetSysColor(COLOR_INFOBK)), m_clrText(::GetSysColor(COLOR_INFOTEXT))
{
}

CXTDescriptionWnd::~CXTDescriptionWnd()
{
    Close();
}

BOOL CXTDescriptionWnd::Show(CPoint point, CWnd* pParent, LPCSTR lpszTitle, LPCSTR lpszText, UINT nFlags,
                             UINT nElapse, BOOL bCentre)
{
    Close();
    m_strTitle = lpszTitle;
    m_nFlags = nFlags;
    m_hWndParent = pParent != nullptr ? pParent->m_hWnd : nullptr;
    m_lines.clear();
    CString strText(lpszText);
    for (int nStart = 0;;)
    {
        int nEnd = strText.Find('\n', nStart);
        m_lines.push_back(strText.Mid(nStart, nEnd < 0 ? strText.GetLength() - nStart : nEnd - nStart));
        if (nEnd < 0)
            break;
        nStart = nEnd + 1;
    }
    // The size from the texts as the fonts measure them.
    CClientDC dc(nullptr);
    HGDIOBJ hOld = dc.SelectObject(xtAfxData.m_fontBold.m_hObject);
    CSize sizeTitle = m_strTitle.IsEmpty() ? CSize(0, 0) : dc.GetTextExtent(m_strTitle);
    dc.SelectObject(xtAfxData.m_fontNormal.m_hObject);
    int cxLines = 0, cyLines = 0;
    for (const CString& line : m_lines)
    {
        CSize size = dc.GetTextExtent(line.IsEmpty() ? CString(" ") : line);
        cxLines = std::max<int>(cxLines, size.cx);
        cyLines += size.cy;
    }
    dc.SelectObject(hOld);
    const int cx = std::max<int>(sizeTitle.cx, cxLines) + 2 * kMarginX;
    const int cy = (m_strTitle.IsEmpty() ? 0 : sizeTitle.cy + kTitleGap) + 2 * kMarginY + cyLines;
    if (bCentre)
        point.x -= cx / 2;
    // The shadow darkens what is under the popup: keep it before showing.
    m_behind.DeleteObject();
    CDC behind;
    if (behind.CreateCompatibleDC(&dc) && m_behind.CreateCompatibleBitmap(&dc, cx, cy))
    {
        CXTObjectSaver bitmap(behind.m_hDC, m_behind.m_hObject);
        behind.BitBlt(0, 0, cx, cy, &dc, point.x, point.y, SRCCOPY);
    }
    m_rcFace.SetRect(0, 0, cx - shadowDepth, cy - shadowDepth);
    m_rcShadow = m_rcFace;
    m_rcShadow.OffsetRect(shadowDepth, shadowDepth);
    LPCSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS | CS_CLASSDC | CS_HREDRAW | CS_VREDRAW,
                                           ::LoadCursor(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_INFOBK));
    if (!CreateEx(WS_EX_TOOLWINDOW, lpszClass, "", WS_POPUP, CRect(point.x, point.y, point.x + cx, point.y + cy),
                  pParent, 0))
        return FALSE;
    ShowWindow(SW_SHOWNOACTIVATE);
    if (nElapse != 0)
        SetTimer(1, nElapse, nullptr);
    else
        SetCapture();
    return TRUE;
}

void CXTDescriptionWnd::Close()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

void CXTDescriptionWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CXTMemDC memDC(&dc, rc);
    if (m_behind.m_hObject != nullptr)
    {
        CDC behind;
        behind.CreateCompatibleDC(&dc);
        CXTObjectSaver bitmap(behind.m_hDC, m_behind.m_hObject);
        memDC.BitBlt(0, 0, rc.Width(), rc.Height(), &behind, 0, 0, SRCCOPY);
    }
    Draw(&memDC);
}

BOOL CXTDescriptionWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;   // painting covers everything
}

LRESULT CXTDescriptionWnd::OnPrintClient(WPARAM wParam, LPARAM)
{
    Draw(CDC::FromHandle((HDC)wParam));
    return 0;
}

void CXTDescriptionWnd::Draw(CDC* pDC)
{
    if (m_nFlags & styleShadow)
    {
        if (m_nFlags & styleSoftShadow)
            DrawSoftShadow(pDC->m_hDC, m_rcShadow, m_rcFace);
        else
        {
            CXTTextColorSaver text(pDC->m_hDC, RGB(0, 0, 0));
            CXTBkColorSaver back(pDC->m_hDC, RGB(255, 255, 255));
            CXTObjectSaver brush(pDC->m_hDC, AfxGetHalftoneBrush());
            pDC->PatBlt(m_rcShadow.left, m_rcShadow.top, m_rcShadow.Width(), m_rcShadow.Height(), kRopPatternAnd);
        }
    }
    CRect rc = m_rcFace;
    pDC->FillSolidRect(&rc, m_clrBack);
    pDC->Draw3dRect(&rc, xtAfxData.m_clrWindowFrame, xtAfxData.m_clrWindowFrame);
    if (m_nFlags & styleInnerBorder)
    {
        CRect rcInner = rc;
        rcInner.DeflateRect(1, 1);
        pDC->Draw3dRect(&rcInner, xtAfxData.m_clrWindowFrame, xtAfxData.m_clrWindowFrame);
    }
    CXTBkModeSaver mode(pDC->m_hDC, TRANSPARENT);
    CXTTextColorSaver text(pDC->m_hDC, m_clrText);
    int y = kMarginY - 5 + 2;
    if (!m_strTitle.IsEmpty())
    {
        CXTObjectSaver font(pDC->m_hDC, xtAfxData.m_fontBold.m_hObject);
        pDC->TextOut(kMarginX, 12, m_strTitle);
        y = kMarginY + kTitleGap + 2;
    }
    CXTObjectSaver font(pDC->m_hDC, xtAfxData.m_fontNormal.m_hObject);
    for (const CString& line : m_lines)
    {
        pDC->TextOut(kMarginX, y, line);
        y += pDC->GetTextExtent(line.IsEmpty() ? CString(" ") : line).cy;
    }
}

void CXTDescriptionWnd::OnDestroy()
{
    CWnd::OnDestroy();
    // What the shadow darkened is the parent's again.
    if ((m_nFlags & styleShadow) && ::IsWindow(m_hWndParent))
        ::RedrawWindow(m_hWndParent, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CXTDescriptionWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    // The click that closes the popup is meant for what lies under it: the
    // window there gets it, so that the user need not click twice.
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    const HWND hWndSelf = m_hWnd;
    Close();
    HWND hWndUnder = ::WindowFromPoint(ptScreen);
    if (hWndUnder == nullptr || hWndUnder == hWndSelf || ::GetWindowThreadProcessId(hWndUnder, nullptr) != ::GetCurrentThreadId())
        return;
    ::ScreenToClient(hWndUnder, &ptScreen);
    ::PostMessageA(hWndUnder, WM_LBUTTONDOWN, nFlags, MAKELPARAM(ptScreen.x, ptScreen.y));
}

void CXTDescriptionWnd::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    Close();
}

void CXTDescriptionWnd::OnTimer(UINT_PTR)
{
    Close();
}
