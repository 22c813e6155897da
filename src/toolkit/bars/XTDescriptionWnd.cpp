#include "toolkit/bars/XTDescriptionWnd.h"

#include "toolkit/frame/XTGlobalData.h"

#include "framework/ClientDC.h"
#include "framework/PaintDC.h"

#include <algorithm>

// Handler signatures: see CWnd.
BEGIN_MESSAGE_MAP(CXTDescriptionWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

const int kMarginX = 20;
const int kMarginY = 10;
const int kTitleGap = 18;

} // namespace

CXTDescriptionWnd::CXTDescriptionWnd()
    : m_nFlags(0), m_clrBack(::GetSysColor(COLOR_INFOBK)), m_clrText(::GetSysColor(COLOR_INFOTEXT))
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
    dc.FillSolidRect(&rc, m_clrBack);
    dc.Draw3dRect(&rc, xtAfxData.m_clrWindowFrame, xtAfxData.m_clrWindowFrame);
    if (m_nFlags & 0x01)
    {
        CRect rcInner = rc;
        rcInner.DeflateRect(1, 1);
        dc.Draw3dRect(&rcInner, xtAfxData.m_clrWindowFrame, xtAfxData.m_clrWindowFrame);
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_clrText);
    int y = kMarginY - 5 + 2;
    if (!m_strTitle.IsEmpty())
    {
        HGDIOBJ hOld = dc.SelectObject(xtAfxData.m_fontBold.m_hObject);
        dc.TextOut(kMarginX, 12, m_strTitle);
        dc.SelectObject(hOld);
        y = kMarginY + kTitleGap + 2;
    }
    HGDIOBJ hOld = dc.SelectObject(xtAfxData.m_fontNormal.m_hObject);
    for (const CString& line : m_lines)
    {
        dc.TextOut(kMarginX, y, line);
        y += dc.GetTextExtent(line.IsEmpty() ? CString(" ") : line).cy;
    }
    dc.SelectObject(hOld);
}

void CXTDescriptionWnd::OnLButtonDown(UINT, CPoint)
{
    Close();
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
