#include "shared/menuobj/ButBasis.h"

#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/ObjWndProgram.h"
#include "shared/menuobj/PageMessages.h"
#include "shared/menuobj/TipText.h"
#include "shared/menuobj/ToolTip.h"
#include "shared/support/ButtonSounds.h"
#include "shared/support/ProjectFormat.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CButBasis, CBasisObj)

namespace {

// The last mouse release that clicked a button, on any page.
struct LastClick
{
    bool bSet;
    DWORD nTime;
    POINT pt;       // screen coordinates
};
LastClick g_lastClick = { false, 0, { 0, 0 } };

// Whether a release at the time and screen point is the second click of a
// double-click: within the double-click time of the last click (a later
// time, for sent messages all carry the time of the last queued one) and
// within the double-click rectangle around it.
bool IsSecondClick(DWORD nTime, POINT pt)
{
    if (!g_lastClick.bSet || nTime == g_lastClick.nTime || nTime - g_lastClick.nTime >= ::GetDoubleClickTime())
        return false;
    return std::abs(pt.x - g_lastClick.pt.x) <= ::GetSystemMetrics(SM_CXDOUBLECLK) / 2
           && std::abs(pt.y - g_lastClick.pt.y) <= ::GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

} // namespace

BEGIN_MESSAGE_MAP(CButBasis, CBasisObj)
    ON_WM_PAINT()
    ON_WM_KILLFOCUS()
    ON_WM_SETFOCUS()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CButBasis::CButBasis()
    : m_bHover(0), m_bPressed(0), m_bEditMode(0), m_bEnabled(1), m_bReportErrors(0), m_pNotifyWnd(nullptr),
      m_pButCrStruct(nullptr)
{
}

CString CButBasis::GetCaption() const
{
    return m_pButCrStruct ? m_pButCrStruct->m_strText : CString();
}

BOOL CButBasis::CreateButton(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    m_pNotifyWnd = pParent;
    return Create(AfxDefaultWndClass(), lpszCaption, dwStyle | WS_TABSTOP, rect, pParent, nID);
}

// Each style draws itself completely.
void CButBasis::Draw(CDC* /*pDC*/)
{
}

// The page paints the button: its window only takes its update as done, which
// spares the frame and background messages of a full paint.
void CButBasis::OnPaint()
{
    ::ValidateRect(m_hWnd, nullptr);
}

void CButBasis::DrawCaption(CDC* pDC, RECT* pRect, CFontDesc* pFont, CString strText, BOOL bPressed)
{
    StripEnclosingMarkers(strText);
    if (bPressed)
    {
        pRect->left += 1;
        pRect->top += 1;
    }
    else
    {
        pRect->right -= 1;
        pRect->bottom -= 1;
    }
    // A caption typed on several lines keeps its line breaks as "<BR>".
    CStringArray lines;
    SplitAtBreakTags(strText, lines);
    pFont->DrawLinesFitted(pDC, *pRect, lines);
}

void CButBasis::DrawCaptionInset(CDC* pDC, int dx, int dy, BOOL bPressed)
{
    CString strCaption = GetCaption();
    if (strCaption.IsEmpty())
        return;
    CRect rc(m_rcObject);
    rc.DeflateRect(dx, dy);
    DrawCaption(pDC, rc, &m_fontDesc, strCaption, bPressed);
}

// Mouse-over tracking: the capture is taken on entry and released when the
// mouse leaves the object; there is no timer.
void CButBasis::OnMouseMove(UINT nFlags, CPoint point)
{
    CBasisObj::OnMouseMove(nFlags, point);
    CPoint ptParent(point.x + m_rcObject.left, point.y + m_rcObject.top);
    SetCapture();
    if (!m_bHover)
    {
        EnterHover();
        return;
    }
    if (IsInsideObject(ptParent))
        return;
    LeaveHover();
}

// Edges included on every side.
BOOL CButBasis::IsInsideObject(CPoint ptParent) const
{
    return ptParent.x >= m_rcObject.left && ptParent.x <= m_rcObject.right && ptParent.y >= m_rcObject.top
           && ptParent.y <= m_rcObject.bottom;
}

void CButBasis::EnterHover()
{
    m_bHover = 1;
    if (!m_bEditMode)
    {
        HCURSOR hHand = CObjWndProgram::Get().LoadHandCursor();
        if (hHand != nullptr)
            ::SetCursor(hHand);
    }
    ShowTip();
    if (!m_bEditMode)
        PlayOverSound();
    InvalidateInParent();
}

void CButBasis::LeaveHover()
{
    ::ReleaseCapture();
    m_bHover = 0;
    if (!m_bEditMode)
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    ShowDefaultTip();
    m_bPressed = 0;
    InvalidateInParent();
}

void CButBasis::OnSetFocus(CWnd* pOldWnd)
{
    CBasisObj::OnSetFocus(pOldWnd);
    m_bFocus = 1;
    ShowTip();
    InvalidateInParent();
}

void CButBasis::OnKillFocus(CWnd* pNewWnd)
{
    CBasisObj::OnKillFocus(pNewWnd);
    if (m_bHover)
    {
        m_bHover = 0;
        ::ReleaseCapture();
    }
    ShowDefaultTip();
    m_bPressed = 0;
    m_bFocus = 0;
    InvalidateInParent();
}

// The click sound is heard in design mode too.
void CButBasis::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    PlayClickSound();
    if (m_bEditMode)
        return;
    // The button is pressed before it takes the focus, whose paint then
    // shows it pressed: one paint instead of two.
    BOOL bWasPressed = m_bPressed;
    m_bPressed = 1;
    BOOL bPainted = FALSE;
    if (!m_bFocus)
    {
        SetFocus();
        bPainted = m_bFocus;
    }
    if (!bWasPressed && !bPainted)
        InvalidateInParent();
}

// A press dragged out of the button has already released the capture, so the
// release does not come here. The second click of a double-click runs
// nothing: an installer would start twice, and after a page change the
// second click would hit whatever object of the new page lies at that spot.
void CButBasis::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    m_bPressed = 0;
    if (!m_bEditMode)
    {
        POINT ptScreen = point;
        ::ClientToScreen(m_hWnd, &ptScreen);
        DWORD nTime = (DWORD)::GetMessageTime();
        if (IsSecondClick(nTime, ptScreen))
        {
            g_lastClick.bSet = false;
            InvalidateInParent();
            return;
        }
        g_lastClick = { true, nTime, ptScreen };
    }
    OnBnClicked();
}

// After the click the button counts as not hovered although it keeps the
// capture: the next mouse move is a new entry.
void CButBasis::OnBnClicked()
{
    if (m_bEditMode)
        return;
    UINT nCommand = CObjWndProgram::Get().GetClickCommand();
    if (m_pNotifyWnd != nullptr && nCommand != 0)
        m_pNotifyWnd->SendMessage(WM_COMMAND, MAKEWPARAM(nCommand, 0), 0);
    Execute();
    m_bPressed = 0;
    m_bHover = 0;
    ShowDefaultTip();
}

void CButBasis::Execute()
{
    if (!m_bEnabled || m_bEditMode)
        return;
    CObjWndProgram::Get().ExecuteButton(*this);
}

BOOL CButBasis::SendPageRequest()
{
    if (m_pButCrStruct == nullptr)
        return FALSE;
    UINT nMessage;
    if (m_pButCrStruct->m_strDocument.Find(ProjectFormat::kListBoxDocument) == 0)
        nMessage = WM_TARNIX_RUNLISTBOX;
    else if (ProjectFormat::IsPopupDocument(m_pButCrStruct->m_strDocument))
        nMessage = WM_TARNIX_SHOWPOPUP;
    else
        return FALSE;
    if (m_pNotifyWnd != nullptr)
        m_pNotifyWnd->SendMessage(nMessage, (WPARAM)GetDlgCtrlID(), (LPARAM)m_pButCrStruct);
    return TRUE;
}

void CButBasis::ShowTip()
{
    if (m_pButCrStruct != nullptr && m_pButCrStruct->pToolTip != nullptr)
        m_pButCrStruct->pToolTip->NewTip(m_pButCrStruct->m_strToolTip);
}

void CButBasis::ShowDefaultTip()
{
    if (m_pButCrStruct != nullptr && m_pButCrStruct->pToolTip != nullptr)
        m_pButCrStruct->pToolTip->DefaultTip();
}

void CButBasis::PlayOverSound()
{
    if (m_pButCrStruct != nullptr && m_pButCrStruct->m_pSounds != nullptr)
        m_pButCrStruct->m_pSounds->PlayOver();
}

void CButBasis::PlayClickSound()
{
    if (m_pButCrStruct != nullptr && m_pButCrStruct->m_pSounds != nullptr)
        m_pButCrStruct->m_pSounds->PlayClick();
}

void StripEnclosingMarkers(CString& strText)
{
    int nLength = strText.GetLength();
    if (nLength < 3)
        return;
    char chFirst = strText[0];
    if ((chFirst == '%' || chFirst == '$') && strText[nLength - 1] == chFirst)
        strText = strText.Mid(1, nLength - 2);
}
