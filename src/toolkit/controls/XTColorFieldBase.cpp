#include "toolkit/controls/XTColorFieldBase.h"

#include "framework/PaintDC.h"
#include "toolkit/controls/XTButton.h"
#include "toolkit/controls/XTColorDialog.h"
#include "toolkit/frame/XTColorValue.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"

int CXTColorFieldBase::s_nFocusPicker = 0;

IMPLEMENT_DYNAMIC(CXTColorFieldBase, CStatic)

BEGIN_MESSAGE_MAP(CXTColorFieldBase, CStatic)
    // int OnCreate(LPCREATESTRUCT lpCreateStruct)
    ON_WM_CREATE()
    // LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_CTRL_INITIALUPDATE, OnInitialUpdate)
    // void OnPaint()
    ON_WM_PAINT()
    // BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_ERASEBKGND()
    // UINT OnGetDlgCode()
    ON_WM_GETDLGCODE()
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
    : m_clr(0), m_nNotifyInit(1), m_dLuminance(0), m_dSaturation(0), m_dHue(0), m_ptMarker(0, 0)
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

// Painting

void CXTColorFieldBase::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CXTMemDC memDC(&dc, rc, xtAfxData.m_clr3DFace);
    DrawPicker(&memDC);
}

BOOL CXTColorFieldBase::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

// Input

int CXTColorFieldBase::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CStatic::OnCreate(lpCreateStruct) == -1)
        return -1;
    PostMessage(WM_CTRL_INITIALUPDATE);
    return 0;
}

void CXTColorFieldBase::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    PostMessage(WM_CTRL_INITIALUPDATE);
}

LRESULT CXTColorFieldBase::OnInitialUpdate(WPARAM, LPARAM)
{
    // A static without SS_NOTIFY lets mouse clicks through to its parent.
    if (m_nNotifyInit != 0)
    {
        ModifyStyle(0, SS_NOTIFY);
        m_nNotifyInit = 0;
    }
    return 0;
}

UINT CXTColorFieldBase::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void CXTColorFieldBase::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN || nChar == VK_SPACE)
        CXTColorDialog::EndWithOK(this);
    else if (nChar == VK_LEFT || nChar == VK_RIGHT || nChar == VK_UP || nChar == VK_DOWN)
        OnArrowKey(nChar);
    else
        CStatic::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CXTColorFieldBase::OnSetFocus(CWnd* pOldWnd)
{
    CStatic::OnSetFocus(pOldWnd);
    s_nFocusPicker = FocusId();
    Invalidate(FALSE);
}

void CXTColorFieldBase::OnKillFocus(CWnd* pNewWnd)
{
    CStatic::OnKillFocus(pNewWnd);
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
