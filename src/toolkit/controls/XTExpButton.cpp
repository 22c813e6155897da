#include "toolkit/controls/XTExpButton.h"

#include "toolkit/bars/XTExpMenuWnd.h"
#include "toolkit/bars/XTToolBar.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"

#include "framework/PaintDC.h"

IMPLEMENT_DYNAMIC(CXTExpButton, CXTButton)

// Handler signatures: see CWnd; LRESULT OnX(WPARAM, LPARAM) for ON_MESSAGE.
BEGIN_MESSAGE_MAP(CXTExpButton, CXTButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_PAINT()
    ON_MESSAGE(XTWM_CHEVRON_CLOSED, OnPopupClosed)
    ON_MESSAGE(WM_CANCELMODE, OnCancelMode)
    // void OnClicked()
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

namespace {

// Child, clip siblings and children, flat, owner drawn.
const DWORD kChevronStyle = 0x4600800B;

// One-bit arrow images, 8 pixels wide, most significant bit first, 0 drawn.
struct ArrowImage
{
    int cx, cy;
    BYTE rows[8];
};
const ArrowImage kOverflowHorz = { 8, 5, { 0x33, 0x99, 0xCC, 0x99, 0x33 } };
const ArrowImage kCustomizeHorz = { 5, 3, { 0x07, 0x8F, 0xDF } };
const ArrowImage kOverflowVert = { 8, 8, { 0xEE, 0xE4, 0xF1, 0xFB, 0xEE, 0xE4, 0xF1, 0xFB } };
const ArrowImage kCustomizeVert = { 3, 5, { 0xDF, 0x9F, 0x1F, 0x9F, 0xDF } };

// Draws the image's 0 bits in the DC's text colour over its background colour.
void DrawArrow(CDC* pDC, const ArrowImage& image, int x, int y, BOOL bDisabled)
{
    // Monochrome bitmap rows are word-aligned.
    WORD bits[8] = {};
    for (int i = 0; i < image.cy; ++i)
        bits[i] = image.rows[i];
    HBITMAP hBitmap = ::CreateBitmap(8, image.cy, 1, 1, bits);
    if (hBitmap == nullptr)
        return;
    ::DrawStateA(pDC->m_hDC, nullptr, nullptr, (LPARAM)hBitmap, 0, x, y, image.cx, image.cy,
                 DST_BITMAP | (bDisabled ? DSS_DISABLED : DSS_NORMAL));
    ::DeleteObject(hBitmap);
}

} // namespace

CXTExpButton::CXTExpButton() : m_pToolBar(nullptr), m_pPopup(nullptr)
{
}

CXTExpButton::~CXTExpButton()
{
    ClosePopup();
}

BOOL CXTExpButton::ShowPopup()
{
    if (m_pPopup != nullptr || m_pToolBar == nullptr)
        return FALSE;
    // The button as far as its ancestors show it, on the screen.
    CRect rect;
    GetClientRect(&rect);
    ClientToScreen(&rect);
    for (HWND hWnd = m_hWnd; ::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD;)
    {
        HWND hParent = ::GetParent(hWnd);
        if (hParent == nullptr)
            break;
        CRect rcParent;
        ::GetClientRect(hParent, &rcParent);
        ::MapWindowPoints(hParent, nullptr, (LPPOINT)&rcParent, 2);
        rect.IntersectRect(&rect, &rcParent);
        hWnd = hParent;
    }
    rect.right -= 1;
    rect.bottom -= 1;
    CXTExpMenuWnd* pPopup = new CXTExpMenuWnd(this, XTWM_CHEVRON_CLOSED);
    m_pPopup = pPopup;
    if (!pPopup->ShowPopup(rect, m_pToolBar))
    {
        if (pPopup->m_hWnd != nullptr)
            pPopup->DestroyWindow();   // deletes itself
        else
            delete pPopup;
        m_pPopup = nullptr;
    }
    RedrawWindow();
    return m_pPopup != nullptr;
}

void CXTExpButton::ClosePopup()
{
    if (m_pPopup != nullptr)
        m_pPopup->Close();
    m_pPopup = nullptr;
}

void CXTExpButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    CXTButton::OnLButtonDown(nFlags, point);
    // The press opens the popup; the button's release finds the popup open
    // and clicks nothing.
    if (m_pPopup == nullptr)
        ShowPopup();
}

LRESULT CXTExpButton::OnPopupClosed(WPARAM, LPARAM)
{
    m_pPopup = nullptr;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    Invalidate();
    return 0;
}

LRESULT CXTExpButton::OnCancelMode(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    ClosePopup();
    return lResult;
}

void CXTExpButton::OnClicked()
{
    // The press opened the popup: the click is no command of the bar's frame
    // (the button's id is the customise command).
}

BOOL CXTExpButton::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // "Customize..." in the popup.
    if (LOWORD(wParam) == XT_IDC_CUSTOMIZE && lParam == 0)
    {
        if (m_pToolBar != nullptr)
            m_pToolBar->Customize();
        return TRUE;
    }
    return CXTButton::OnCommand(wParam, lParam);
}

void CXTExpButton::DrawButton(LPDRAWITEMSTRUCT lpDIS)
{
    // Pressed while its popup is open.
    if (lpDIS != nullptr && m_pPopup != nullptr)
        lpDIS->itemState |= ODS_SELECTED;
    CXTButton::DrawButton(lpDIS);
}

void CXTExpButton::OnPaint()
{
    if (m_pPopup == nullptr || !xtAfxData.m_bFlatLook || m_pToolBar == nullptr)
    {
        CXTButton::OnPaint();
        return;
    }
    // Open in the flat look: the bar's face, the arrows unpressed, a frame.
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTMemDC memDC(&dc, rcClient, m_pToolBar->GetBackgroundColor());
    DrawBitmap(&memDC, IsWindowEnabled() ? 0 : ODS_DISABLED, rcClient);
    memDC.Draw3dRect(&rcClient, xtAfxData.m_clr3DShadow, xtAfxData.m_clr3DShadow);
}

BOOL CXTExpButton::Create(CXTToolBar* pBar, UINT nID)
{
    m_pToolBar = pBar;
    return CButton::Create("", kChevronStyle, CRect(0, 0, 0, 0), pBar, nID);
}

BOOL CXTExpButton::IsUseful() const
{
    return m_pToolBar != nullptr && (m_pToolBar->HasHiddenButtons() || m_pToolBar->IsCustomizable());
}

COLORREF CXTExpButton::GetFaceColor()
{
    return m_pToolBar != nullptr ? m_pToolBar->GetBackgroundColor() : CXTButton::GetFaceColor();
}

DWORD CXTExpButton::GetStyleFlags()
{
    DWORD dwLook = xtAfxData.m_bFlatLook ? BS_XT_XPFLAT : BS_XT_HILITEPRESSED;
    return (CXTButton::GetStyleFlags() & ~(BS_XT_XPFLAT | BS_XT_HILITEPRESSED | BS_XT_FLAT)) | dwLook;
}

void CXTExpButton::DrawBitmap(CDC* pDC, UINT nState, const CRect& rcItem)
{
    if (m_pToolBar == nullptr)
        return;
    const BOOL bDisabled = (nState & ODS_DISABLED) != 0;
    const BOOL bShift = (nState & ODS_SELECTED) && !xtAfxData.m_bFlatLook;
    CRect rc = rcItem;
    if (bShift)
        rc.OffsetRect(1, 1);
    COLORREF clrOldText = pDC->SetTextColor(xtAfxData.m_clrBtnText);
    COLORREF clrOldBack = pDC->SetBkColor(GetFaceColor());
    if (m_pToolBar->IsHorizontal())
    {
        if (m_pToolBar->HasHiddenButtons())
            DrawArrow(pDC, kOverflowHorz, rc.left + (rc.Width() - kOverflowHorz.cx) / 2, rc.top + 2, bDisabled);
        if (m_pToolBar->IsCustomizable())
            DrawArrow(pDC, kCustomizeHorz, rc.left + (rc.Width() - kCustomizeHorz.cx) / 2,
                      rc.bottom - 2 - kCustomizeHorz.cy, bDisabled);
    }
    else
    {
        if (m_pToolBar->HasHiddenButtons())
            DrawArrow(pDC, kOverflowVert, rc.right - 2 - kOverflowVert.cx, rc.top + (rc.Height() - kOverflowVert.cy) / 2,
                      bDisabled);
        if (m_pToolBar->IsCustomizable())
            DrawArrow(pDC, kCustomizeVert, rc.left + 2, rc.top + (rc.Height() - kCustomizeVert.cy) / 2, bDisabled);
    }
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBack);
}
