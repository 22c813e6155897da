#include "toolkit/controls/XTColorFieldBase.h"

#include "toolkit/controls/XTColorDialog.h"
#include "toolkit/frame/XTColorValue.h"

int CXTColorFieldBase::s_nFocusPicker = 0;

IMPLEMENT_DYNAMIC(CXTColorFieldBase, CXTNotifyStatic)

BEGIN_MESSAGE_MAP(CXTColorFieldBase, CXTNotifyStatic)
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYDOWN()
    // void OnSetFocus(CWnd* pOldWnd)
    ON_WM_SETFOCUS()
    // void OnKillFocus(CWnd* pNewWnd)
    ON_WM_KILLFOCUS()
    // void OnLButtonDown(UINT nFlags, CPoint point)
    ON_WM_LBUTTONDOWN()
    // void OnLButtonUp(UINT nFlags, CPoint point)
    ON_WM_LBUTTONUP()
    // void OnLButtonDblClk(UINT nFlags, CPoint point)
    ON_WM_LBUTTONDBLCLK()
    // void OnMouseMove(UINT nFlags, CPoint point)
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CXTColorFieldBase::CXTColorFieldBase()
    : m_clr(0), m_dLuminance(0), m_dSaturation(0), m_dHue(0), m_ptMarker(0, 0)
{
}

void CXTColorFieldBase::SetFieldColor(COLORREF clr, BOOL bReposition)
{
    if (clr == (COLORREF)-1)
        return;
    m_clr = clr;
    CXTColorValue(clr).RGBtoHSL(m_dHue, m_dSaturation, m_dLuminance);
    if (bReposition)
        MoveMarkerToColor();
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

void CXTColorFieldBase::PickAt(int x, int y, BOOL bNotify)
{
    m_clr = ColorAt(x, y);
    if (bNotify && GetParent() != nullptr)
        GetParent()->SendMessage(WM_XT_UPDATECOLOR, (WPARAM)m_clr);
    m_ptMarker = ClampMarker(CPoint(x, y));
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

void CXTColorFieldBase::UpdateFromPoint(CPoint point, BOOL bNotify)
{
    point = ClampMarker(point);
    PickAt(point.x, point.y, bNotify);
}

// Input

void CXTColorFieldBase::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN || nChar == VK_SPACE)
        CXTColorDialog::EndWithOK(this);
    else if (nChar == VK_LEFT || nChar == VK_RIGHT || nChar == VK_UP || nChar == VK_DOWN)
        OnArrowKey(nChar);
    else
        CXTNotifyStatic::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CXTColorFieldBase::OnSetFocus(CWnd* pOldWnd)
{
    CXTNotifyStatic::OnSetFocus(pOldWnd);
    s_nFocusPicker = FocusId();
    Invalidate(FALSE);
}

void CXTColorFieldBase::OnKillFocus(CWnd* pNewWnd)
{
    CXTNotifyStatic::OnKillFocus(pNewWnd);
    if (s_nFocusPicker == FocusId())
        s_nFocusPicker = 0;
    Invalidate(FALSE);
}

void CXTColorFieldBase::OnLButtonDown(UINT, CPoint point)
{
    SetCapture();
    UpdateFromPoint(point, TRUE);
    SetFocus();
}

void CXTColorFieldBase::OnMouseMove(UINT nFlags, CPoint point)
{
    if ((nFlags & MK_LBUTTON) && ::GetCapture() == m_hWnd)
        UpdateFromPoint(point, TRUE);
}

void CXTColorFieldBase::OnLButtonUp(UINT, CPoint)
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CXTColorFieldBase::OnLButtonDblClk(UINT, CPoint point)
{
    UpdateFromPoint(point, TRUE);
    CXTColorDialog::EndWithOK(this);
}
