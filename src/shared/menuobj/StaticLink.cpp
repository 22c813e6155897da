#include "shared/menuobj/StaticLink.h"

#include "framework/MessageBox.h"
#include "shared/menuobj/ObjWndProgram.h"

IMPLEMENT_DYNAMIC(CStaticLink, CStatic)

BEGIN_MESSAGE_MAP(CStaticLink, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_NCHITTEST()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace {

const COLORREF kUnvisited = RGB(0, 0, 255);
const COLORREF kVisited = RGB(128, 0, 128);

} // namespace

CStaticLink::CStaticLink(LPCSTR lpszTarget, BOOL bDeleteOnDestroy)
    : m_strTarget(lpszTarget ? lpszTarget : ""), m_crLink(kUnvisited), m_bTransparent(FALSE),
      m_bDeleteOnDestroy(bDeleteOnDestroy)
{
}

void CStaticLink::PostNcDestroy()
{
    if (m_bDeleteOnDestroy)
        delete this;
}

// Only text labels are links.
HBRUSH CStaticLink::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    DWORD dwType = GetStyle() & SS_TYPEMASK;
    if (dwType != SS_LEFT && dwType != SS_CENTER && dwType != SS_RIGHT)
        return nullptr;
    if (m_font.GetSafeHandle() == nullptr)
        MakeLinkFont(pDC);
    if (m_font.GetSafeHandle() != nullptr)
        pDC->SelectObject(&m_font);
    pDC->SetTextColor(m_crLink);
    pDC->SetBkMode(TRANSPARENT);
    return (HBRUSH)::GetStockObject(m_bTransparent ? HOLLOW_BRUSH : WHITE_BRUSH);
}

// The control's font, or the font it paints with when it has none.
void CStaticLink::MakeLinkFont(CDC* pDC)
{
    HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
    if (hFont == nullptr)
        hFont = (HFONT)::GetCurrentObject(AfxHdc(pDC), OBJ_FONT);
    LOGFONTA lf = {};
    if (hFont == nullptr || ::GetObjectA(hFont, sizeof(lf), &lf) == 0)
        return;
    lf.lfUnderline = TRUE;
    m_font.CreateFontIndirect(&lf);
}

// The whole label takes the mouse.
LRESULT CStaticLink::OnNcHitTest(CPoint /*point*/)
{
    return HTCLIENT;
}

void CStaticLink::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    if (!OpenLink())
        AfxMessageBeep(0);
}

BOOL CStaticLink::OpenLink()
{
    CString strText;
    GetWindowText(strText);
    CString strResource;
    strResource.LoadString(UINT(GetDlgCtrlID()));
    for (const CString* pTarget : { &m_strTarget, &strText, &strResource })
    {
        if (Open(m_hWnd, *pTarget))
        {
            m_crLink = kVisited;
            Invalidate();
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CStaticLink::Open(HWND hWnd, const CString& strTarget)
{
    if (strTarget.IsEmpty())
        return FALSE;
    HINSTANCE hResult = AfxShellExecute(hWnd, "open", strTarget, nullptr, nullptr, SW_SHOWNORMAL);
    return (INT_PTR)hResult > 32;
}

BOOL CStaticLink::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    HCURSOR hHand = CObjWndProgram::Get().LoadHandCursor();
    if (hHand != nullptr)
        ::SetCursor(hHand);
    return TRUE;
}
