#include "shared/menuobj/TextViewWnd.h"

#include "shared/menuobj/LineStore.h"
#include "shared/menuobj/MemDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CTextViewWnd, CBasisObj)

namespace {

// Child, visible, clipping its siblings, in the tab order, with the class
// bits that text fields have always been created with.
const DWORD kViewerStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | 0x984;
const int kLineStep = 10;

// The position along one bar after a scroll request, kept within the text.
int NewScrollPos(UINT nSBCode, UINT nPos, int nCurrent, int nClient, int nRange, int nText)
{
    int nNew = nCurrent;
    switch (nSBCode)
    {
    case SB_LINEUP: nNew = nCurrent - kLineStep; break;
    case SB_LINEDOWN: nNew = nCurrent + kLineStep; break;
    case SB_PAGEUP: nNew = nCurrent - nClient / 2; break;
    case SB_PAGEDOWN: nNew = nCurrent + nClient / 2; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: nNew = (int)nPos; break;
    case SB_TOP: nNew = 0; break;
    case SB_BOTTOM: nNew = nRange; break;
    default: break;
    }
    return std::max(std::min(nNew, nText - nClient), 0);
}

} // namespace

BEGIN_MESSAGE_MAP(CTextViewWnd, CBasisObj)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOVE()
END_MESSAGE_MAP()

int CTextViewWnd::StoreLines::GetFirst(CString& strLine)
{
    return m_pStore != nullptr ? m_pStore->GetFirst(strLine) : 0;
}

int CTextViewWnd::StoreLines::GetNext(CString& strLine)
{
    return m_pStore != nullptr ? m_pStore->GetNext(strLine) : 0;
}

CTextViewWnd::CTextViewWnd() = default;

// The window goes before the renderer and the line source it paints from.
CTextViewWnd::~CTextViewWnd()
{
    DestroyWindow();
}

void CTextViewWnd::SetScrollBars(BOOL bHorz, BOOL bVert)
{
    m_bScrollHorz = bHorz;
    m_bScrollVert = bVert;
}

BOOL CTextViewWnd::CreateViewer(const RECT& rect, CWnd* pParent, UINT nID, CLineStore* pLines, LPCSTR lpszFace,
                                COLORREF crText, COLORREF crBack)
{
    m_crBack = crBack;
    m_lines.m_pStore = pLines;
    m_renderer.Prepare(&m_lines, lpszFace, crText, crBack);
    {
        CClientDC screen(nullptr);
        CDC measure;
        measure.CreateCompatibleDC(&screen);
        m_sizeText = m_renderer.Render(&measure, CRect(0, 0, rect.right - rect.left, rect.bottom - rect.top));
    }

    DWORD dwStyle = kViewerStyle;
    if (m_bBorder)
        dwStyle |= WS_BORDER;
    if (m_bScrollVert)
        dwStyle |= WS_VSCROLL;
    if (m_bScrollHorz)
        dwStyle |= WS_HSCROLL;
    return Create(nullptr, "", dwStyle, rect, pParent, nID);
}

void CTextViewWnd::OnSize(UINT nType, int cx, int cy)
{
    CBasisObj::OnSize(nType, cx, cy);
    m_sizeClient = CSize(cx, cy);
    m_sizeRange = CSize(std::max<int>({ m_sizeText.cx, cx, 0 }), std::max<int>({ m_sizeText.cy, cy, 0 }));
    m_ptScroll = CPoint(0, 0);

    SCROLLINFO si = { sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0 };
    if (m_bScrollVert)
    {
        si.nMax = m_sizeRange.cy;
        si.nPage = (UINT)std::max(cy, 0);
        ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
    }
    if (m_bScrollHorz)
    {
        si.nMax = m_sizeRange.cx;
        si.nPage = (UINT)std::max(cx, 0);
        ::SetScrollInfo(m_hWnd, SB_HORZ, &si, TRUE);
    }
}

void CTextViewWnd::OnPaint()
{
    CPaintDC dc(this);
    Paint(&dc);
}

// Only the lines that show are drawn, off screen in a picture of the client
// area's size: a long text costs no more per paint than a short one, and no
// text is too large to be shown.
void CTextViewWnd::Paint(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(rcClient);
    CMemDC memDC(pDC, rcClient, m_crBack);
    m_renderer.RenderVisible(&memDC, rcClient, m_ptScroll);
    memDC.CopyTo(pDC);
}

void CTextViewWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* /*pScrollBar*/)
{
    m_ptScroll.x = NewScrollPos(nSBCode, nPos, m_ptScroll.x, m_sizeClient.cx, m_sizeRange.cx, m_sizeText.cx);
    ShowScrollPos(SB_HORZ, m_ptScroll.x);
}

void CTextViewWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* /*pScrollBar*/)
{
    m_ptScroll.y = NewScrollPos(nSBCode, nPos, m_ptScroll.y, m_sizeClient.cy, m_sizeRange.cy, m_sizeText.cy);
    ShowScrollPos(SB_VERT, m_ptScroll.y);
}

void CTextViewWnd::ShowScrollPos(int nBar, int nPos)
{
    ::SetScrollPos(m_hWnd, nBar, nPos, TRUE);
    Invalidate(TRUE);
    UpdateWindow();
}

// The object's rectangle follows the window. WM_MOVE gives the client
// area's position, which a border puts inside the window rectangle.
void CTextViewWnd::OnMove(int x, int y)
{
    CBasisObj::OnMove(x, y);
    CRect rcWindow;
    GetWindowRect(rcWindow);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(m_hWnd), (LPPOINT)&rcWindow, 2);
    ::OffsetRect(&m_rcObject, rcWindow.left - m_rcObject.left, rcWindow.top - m_rcObject.top);
}
