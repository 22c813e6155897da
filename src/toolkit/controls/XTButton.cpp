#include "toolkit/controls/XTButton.h"

#include "toolkit/frame/XTDCValueSaver.h"
#include "toolkit/frame/XTDrawHelpers.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"
#include "toolkit/frame/XTSysColorBitmap.h"

#include "framework/PaintDC.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CXTButton, CButton)

namespace {

const UINT_PTR kHotTimer = 1;
const UINT kHotTimerDelay = 10;
const DWORD kHotTrackingLooks = BS_XT_HILITEPRESSED | BS_XT_FLAT | BS_XT_XPFLAT;

// Single "&" go, "&&" becomes "&".
CString StripPrefixes(const CString& strText)
{
    CString strResult;
    for (LPCSTR p = strText; *p != '\0'; ++p)
    {
        if (*p == '&')
        {
            if (p[1] != '&')
                continue;
            ++p;
        }
        strResult += *p;
    }
    return strResult;
}

int AtLeastZero(int n)
{
    return n < 0 ? 0 : n;
}

} // namespace

BEGIN_MESSAGE_MAP(CXTButton, CButton)
    // int OnCreate(LPCREATESTRUCT lpCreateStruct)
    ON_WM_CREATE()
    // void OnDestroy()
    ON_WM_DESTROY()
    // void OnPaint()
    ON_WM_PAINT()
    // BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_ERASEBKGND()
    // void OnMouseMove(UINT nFlags, CPoint point)
    ON_WM_MOUSEMOVE()
    // void OnTimer(UINT_PTR nIDEvent)
    ON_WM_TIMER()
    // void OnLButtonDown(UINT nFlags, CPoint point), and up and double click
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    // void OnSysColorChange()
    ON_WM_SYSCOLORCHANGE()
    // LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_CTRL_INITIALUPDATE, OnInitialUpdate)
    // LRESULT OnFrameInitialUpdate(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_INITIALUPDATE, OnFrameInitialUpdate)
    // void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

CXTButton::CXTButton()
    : m_hIcon(nullptr), m_hIconPushed(nullptr), m_hBitmap(nullptr), m_hBitmapDisabled(nullptr), m_sizeImage(0, 0),
      m_ptImage(0, 0), m_ptText(0, 0), m_nBorderGap(4), m_nImageGap(8), m_dwxStyle(BS_XT_HILITEPRESSED),
      m_bHot(FALSE), m_bLBtnDown(FALSE), m_bOwnColors(FALSE), m_bChecked(FALSE), m_clrFlatBorder(0),
      m_clrFlatHot(0), m_clrFlatPressed(0), m_bOwnFlatColors(FALSE), m_bUserPositions(FALSE), m_nInitQueue(1)
{
    ReadSystemColors();
}

CXTButton::~CXTButton()
{
    FreeImages();
}

void CXTButton::ReadSystemColors()
{
    m_clrBtnText = ::GetSysColor(COLOR_BTNTEXT);
    m_clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    m_clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
}

void CXTButton::RedrawIf(BOOL bRedraw)
{
    if (bRedraw && ::IsWindow(m_hWnd))
        Invalidate();
}

// Attributes and setters

DWORD CXTButton::SetStyleFlags(DWORD dwStyle, BOOL bRedraw)
{
    DWORD dwOld = m_dwxStyle;
    m_dwxStyle = dwStyle;
    RedrawIf(bRedraw);
    return dwOld;
}

DWORD CXTButton::GetStyleFlags()
{
    return m_dwxStyle;
}

void CXTButton::SetChecked(BOOL bChecked, BOOL bRedraw)
{
    m_bChecked = bChecked;
    RedrawIf(bRedraw);
}

void CXTButton::SetColors(COLORREF clrFace, COLORREF clrHilite, COLORREF clrShadow, COLORREF clrText)
{
    m_clrBtnFace = clrFace;
    m_clrBtnHilite = clrHilite;
    m_clrBtnShadow = clrShadow;
    m_clrBtnText = clrText;
    m_bOwnColors = TRUE;
    RedrawIf(TRUE);
}

void CXTButton::SetFaceColor(COLORREF clrFace, BOOL bRedraw)
{
    m_clrBtnFace = clrFace;
    RedrawIf(bRedraw);
}

COLORREF CXTButton::GetFaceColor()
{
    return m_clrBtnFace;
}

void CXTButton::SetHighlightColor(COLORREF clrHilite, BOOL bRedraw)
{
    m_clrBtnHilite = clrHilite;
    RedrawIf(bRedraw);
}

void CXTButton::SetShadowColor(COLORREF clrShadow, BOOL bRedraw)
{
    m_clrBtnShadow = clrShadow;
    RedrawIf(bRedraw);
}

void CXTButton::SetTextColor(COLORREF clrText, BOOL bRedraw)
{
    m_clrBtnText = clrText;
    RedrawIf(bRedraw);
}

void CXTButton::SetFlatColors(COLORREF clrBorder, COLORREF clrHot, COLORREF clrPressed, BOOL bRedraw)
{
    m_clrFlatBorder = clrBorder;
    m_clrFlatHot = clrHot;
    m_clrFlatPressed = clrPressed;
    m_bOwnFlatColors = TRUE;
    RedrawIf(bRedraw);
}

// Images

BOOL CXTButton::SetIcon(CSize size, HICON hIcon, HICON hIconPushed, BOOL bRedraw)
{
    // The held images go unless they are the ones handed in again.
    if (m_hIcon != nullptr && m_hIcon != hIcon && m_hIcon != hIconPushed)
        ::DestroyIcon(m_hIcon);
    if (m_hIconPushed != nullptr && m_hIconPushed != hIcon && m_hIconPushed != hIconPushed)
        ::DestroyIcon(m_hIconPushed);
    m_hIcon = m_hIconPushed = nullptr;
    FreeImages();
    m_hIcon = hIcon;
    m_hIconPushed = hIconPushed;
    m_sizeImage = size;
    RedrawIf(bRedraw);
    return TRUE;
}

BOOL CXTButton::SetIcon(CSize size, LPCSTR lpszIcon, LPCSTR lpszIconPushed, BOOL bRedraw)
{
    FreeImages();
    HINSTANCE hInst = AfxGetResourceHandle();
    HICON hIcon = (HICON)::LoadImageA(hInst, lpszIcon, IMAGE_ICON, size.cx, size.cy, LR_DEFAULTCOLOR);
    if (hIcon == nullptr)
        return FALSE;
    HICON hPushed = lpszIconPushed != nullptr
                        ? (HICON)::LoadImageA(hInst, lpszIconPushed, IMAGE_ICON, size.cx, size.cy, LR_DEFAULTCOLOR)
                        : nullptr;
    return SetIcon(size, hIcon, hPushed, bRedraw);
}

BOOL CXTButton::SetIcon(CSize size, UINT nID, UINT nPushedID, BOOL bRedraw)
{
    return SetIcon(size, MAKEINTRESOURCEA(nID), nPushedID != 0 ? MAKEINTRESOURCEA(nPushedID) : nullptr, bRedraw);
}

BOOL CXTButton::SetBitmap(CSize size, UINT nID, BOOL bRedraw)
{
    FreeImages();
    HINSTANCE hInst = AfxGetResourceHandle();
    m_hBitmap = LoadSysColorBitmap(hInst, MAKEINTRESOURCEA(nID), FALSE);
    m_hBitmapDisabled = m_hBitmap != nullptr ? LoadSysColorBitmap(hInst, MAKEINTRESOURCEA(nID), TRUE) : nullptr;
    if (m_hBitmapDisabled == nullptr)
    {
        FreeImages();
        return FALSE;
    }
    m_sizeImage = size;
    RedrawIf(bRedraw);
    return TRUE;
}

void CXTButton::SetPositions(CPoint ptImage, CPoint ptText, BOOL bRedraw)
{
    m_ptImage = ptImage;
    m_ptText = ptText;
    m_bUserPositions = TRUE;
    RedrawIf(bRedraw);
}

void CXTButton::ClearImages()
{
    FreeImages();
    m_sizeImage = CSize(0, 0);
    m_ptImage = m_ptText = CPoint(0, 0);
    RedrawIf(TRUE);
}

void CXTButton::FreeImages()
{
    HICON* icons[] = { &m_hIcon, &m_hIconPushed };
    for (HICON* phIcon : icons)
    {
        if (*phIcon != nullptr)
            ::DestroyIcon(*phIcon);
        *phIcon = nullptr;
    }
    HBITMAP* bitmaps[] = { &m_hBitmap, &m_hBitmapDisabled };
    for (HBITMAP* phBitmap : bitmaps)
    {
        if (*phBitmap != nullptr)
            ::DeleteObject(*phBitmap);
        *phBitmap = nullptr;
    }
}

CString CXTButton::GetButtonText(BOOL bStrip)
{
    CString strText;
    if (::IsWindow(m_hWnd))
        GetWindowText(strText);
    return bStrip ? StripPrefixes(strText) : strText;
}

// Drawing

CSize CXTButton::MeasureText(CDC* pDC)
{
    CString strText = GetButtonText(TRUE);
    return strText.IsEmpty() ? CSize(0, 0) : pDC->GetTextExtent(strText);
}

void CXTButton::DrawBorder(CDC* pDC, const CRect& rcItem, BOOL bPressed)
{
    const CXTGlobalData& data = xtAfxData;
    DWORD dwStyle = GetStyleFlags();
    CRect rc = rcItem;
    if (dwStyle & BS_XT_HILITEPRESSED)
    {
        if (bPressed)
            pDC->Draw3dRect(&rc, m_clrBtnShadow, m_clrBtnHilite);
        else if (m_bHot)
            pDC->Draw3dRect(&rc, m_clrBtnHilite, m_clrBtnShadow);
    }
    else if (dwStyle & BS_XT_XPFLAT)
    {
        if (m_bHot || bPressed)
        {
            COLORREF clrBorder = m_bOwnFlatColors ? m_clrFlatBorder : data.m_clrHighlight;
            COLORREF clrFill = bPressed ? (m_bOwnFlatColors ? m_clrFlatPressed : data.m_clrFlatHighlight)
                                        : (m_bOwnFlatColors ? m_clrFlatHot : data.m_clrFlatHighlightLight);
            pDC->Draw3dRect(&rc, clrBorder, clrBorder);
            rc.DeflateRect(1, 1);
            pDC->FillSolidRect(&rc, clrFill);
        }
    }
    else if (dwStyle & BS_XT_FLAT)
    {
        if (bPressed)
            pDC->Draw3dRect(&rc, data.m_clr3DShadow, data.m_clr3DHilight);
        else
            pDC->Draw3dRect(&rc, data.m_clr3DHilight, data.m_clr3DShadow);
    }
    else if (bPressed)
    {
        pDC->Draw3dRect(&rc, data.m_clr3DDkShadow, m_clrBtnHilite);
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(&rc, m_clrBtnShadow, m_clrBtnFace);
    }
    else
    {
        pDC->Draw3dRect(&rc, m_clrBtnHilite, data.m_clr3DDkShadow);
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(&rc, m_clrBtnFace, m_clrBtnShadow);
    }
}

void CXTButton::DrawButton(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS == nullptr)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rc(lpDIS->rcItem);
    UINT nState = lpDIS->itemState;
    BOOL bPressed = (nState & ODS_SELECTED) != 0;

    // Step 1: the face, and where the cursor is.
    pDC->FillSolidRect(&rc, GetFaceColor());
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ::ScreenToClient(lpDIS->hwndItem, &ptCursor);

    // Step 2: the checked look and the border.
    if ((GetStyleFlags() & BS_XT_SEMIFLAT) && (bPressed || (m_bChecked && !rc.PtInRect(ptCursor))))
        FillDitheredRect(pDC, rc);
    DrawBorder(pDC, rc, bPressed);

    // Step 3: caption and images in the button's font.
    CXTBkModeSaver bkMode(pDC->m_hDC, TRANSPARENT);
    CXTObjectSaver font(pDC->m_hDC, (HGDIOBJ)::SendMessageA(lpDIS->hwndItem, WM_GETFONT, 0, 0));
    CXTTextColorSaver textColor(pDC->m_hDC, pDC->GetTextColor());
    DrawText(pDC, nState, rc);
    DrawIcon(pDC, nState, rc);
    DrawBitmap(pDC, nState, rc);
    if ((GetStyleFlags() & BS_XT_SHOWFOCUS) && (nState & ODS_FOCUS))
    {
        CRect rcFocus = rc;
        rcFocus.DeflateRect(2, 2);
        pDC->DrawFocusRect(&rcFocus);
    }
}

CPoint CXTButton::CalcImagePosition(CDC* pDC, UINT nState, const CRect& rcItem, BOOL bNoPressedShift)
{
    CPoint pt;
    if (m_bUserPositions)
        pt = m_ptImage;
    else
    {
        DWORD dwStyle = GetStyleFlags();
        UINT nAlign = GetStyle() & BS_CENTER;
        UINT nVAlign = GetStyle() & BS_VCENTER;
        BOOL bCaption = !GetButtonText(TRUE).IsEmpty();
        int xCentred = rcItem.left + AtLeastZero((rcItem.Width() - m_sizeImage.cx) / 2);
        pt.x = (dwStyle & BS_XT_TWOROWS) ? xCentred : rcItem.left + m_nBorderGap;
        pt.y = rcItem.top + AtLeastZero((rcItem.Height() - m_sizeImage.cy) / 2);
        if ((dwStyle & BS_XT_TWOROWS) && bCaption)
        {
            pt.y -= MeasureText(pDC).cy / 2 + m_nImageGap / 2;
            if (nAlign == BS_CENTER || nAlign == 0)
                pt.x = xCentred;
            else if (nAlign == BS_RIGHT)
                pt.x = rcItem.right - m_nBorderGap - m_sizeImage.cx;
        }
        else if (!(dwStyle & BS_XT_TWOROWS) && !bCaption)
        {
            if (nAlign == BS_CENTER && m_sizeImage.cx <= rcItem.Width())
                pt.x = xCentred;
            if (nVAlign == BS_VCENTER && m_sizeImage.cy <= rcItem.Height())
                pt.y = rcItem.top + (rcItem.Height() - m_sizeImage.cy) / 2;
        }
    }
    if ((nState & ODS_SELECTED) && !bNoPressedShift && !IsFlat())
        pt.Offset(1, 1);
    return pt;
}

void CXTButton::DrawIcon(CDC* pDC, UINT nState, const CRect& rcItem)
{
    BOOL bPushedIcon = (nState & ODS_SELECTED) && m_hIconPushed != nullptr;
    HICON hIcon = bPushedIcon ? m_hIconPushed : m_hIcon;
    if (hIcon == nullptr)
        return;
    CPoint pt = CalcImagePosition(pDC, nState, rcItem, bPushedIcon);
    ::DrawStateA(pDC->m_hDC, nullptr, nullptr, (LPARAM)hIcon, 0, pt.x, pt.y, m_sizeImage.cx, m_sizeImage.cy,
                 DST_ICON | ((nState & ODS_DISABLED) ? DSS_DISABLED : DSS_NORMAL));
}

void CXTButton::DrawBitmap(CDC* pDC, UINT nState, const CRect& rcItem)
{
    BOOL bDisabled = (nState & ODS_DISABLED) != 0;
    HBITMAP hBitmap = bDisabled && m_hBitmapDisabled != nullptr ? m_hBitmapDisabled : m_hBitmap;
    if (hBitmap == nullptr)
        return;
    CPoint pt = CalcImagePosition(pDC, nState, rcItem, FALSE);
    ::DrawStateA(pDC->m_hDC, nullptr, nullptr, (LPARAM)hBitmap, 0, pt.x, pt.y, m_sizeImage.cx, m_sizeImage.cy,
                 DST_BITMAP | (bDisabled ? DSS_DISABLED : DSS_NORMAL));
}

void CXTButton::DrawText(CDC* pDC, UINT nState, const CRect& rcItem)
{
    CString strCaption = GetButtonText(FALSE);
    if (strCaption.IsEmpty())
        return;
    CSize sizeText = MeasureText(pDC);
    DWORD dwStyle = GetStyleFlags();
    CPoint pt;
    if (m_bUserPositions)
        pt = m_ptText;
    else
    {
        UINT nAlign = GetStyle() & BS_CENTER;
        pt.y = rcItem.top + (rcItem.Height() - sizeText.cy) / 2;
        if (dwStyle & BS_XT_TWOROWS)
            pt.y += m_sizeImage.cy / 2 + m_nImageGap / 2;
        if (nAlign == BS_RIGHT)
            pt.x = rcItem.right - sizeText.cx - m_nBorderGap;
        else if (nAlign == BS_LEFT)
            pt.x = rcItem.left + m_nBorderGap + m_sizeImage.cx + m_nImageGap;
        else
        {
            int nLeft = rcItem.left + m_nBorderGap + ((dwStyle & BS_XT_TWOROWS) ? 0 : m_sizeImage.cx);
            pt.x = nLeft + (rcItem.right - nLeft - sizeText.cx) / 2;
        }
    }
    BOOL bPressed = (nState & ODS_SELECTED) != 0;
    if (bPressed && !IsFlat())
        pt.Offset(1, 1);
    COLORREF clrText = m_clrBtnText;
    if (nState & ODS_DISABLED)
        clrText = xtAfxData.m_clrGrayText;
    else if (bPressed && IsFlat())
        clrText = xtAfxData.m_clrFlatHighlightText;
    pDC->SetTextColor(clrText);
    ::DrawStateA(pDC->m_hDC, nullptr, nullptr, (LPARAM)(LPCSTR)strCaption, (WPARAM)strCaption.GetLength(), pt.x,
                 pt.y, sizeText.cx, sizeText.cy, DST_PREFIXTEXT | DSS_NORMAL);
}

// Messages

void CXTButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    PostMessage(WM_CTRL_INITIALUPDATE, (WPARAM)++m_nInitQueue);
}

int CXTButton::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CButton::OnCreate(lpCreateStruct) == -1)
        return -1;
    PostMessage(WM_CTRL_INITIALUPDATE, (WPARAM)++m_nInitQueue);
    return 0;
}

LRESULT CXTButton::OnInitialUpdate(WPARAM wParam, LPARAM)
{
    // Only the latest request counts.
    if ((int)wParam != m_nInitQueue)
        return 0;
    m_nInitQueue = 0;
    ModifyStyle(0, BS_OWNERDRAW);
    SetFont(&xtAfxData.m_fontNormal);
    return 0;
}

LRESULT CXTButton::OnFrameInitialUpdate(WPARAM, LPARAM)
{
    // Nothing awaited: made after the frame's update, or done already.
    if (m_nInitQueue > 1)
        OnInitialUpdate((WPARAM)m_nInitQueue, 0);
    return 0;
}

void CXTButton::OnDestroy()
{
    m_nInitQueue = 1;
    CButton::OnDestroy();
}

void CXTButton::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTMemDC memDC(&dc, rcClient, xtAfxData.m_clr3DFace);
    DefWindowProc(WM_PAINT, (WPARAM)memDC.m_hDC, 0);
}

BOOL CXTButton::OnEraseBkgnd(CDC*)
{
    return FALSE;
}

void CXTButton::OnMouseMove(UINT, CPoint)
{
    if (GetStyleFlags() & kHotTrackingLooks)
    {
        SetTimer(kHotTimer, kHotTimerDelay);
        CheckHot();
    }
    Default();
}

void CXTButton::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kHotTimer)
        CheckHot();
    else
        Default();
}

void CXTButton::CheckHot()
{
    CPoint pt;
    ::GetCursorPos(&pt);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (m_bLBtnDown || !rcWindow.PtInRect(pt))
    {
        KillTimer(kHotTimer);
        if (m_bHot)
        {
            m_bHot = FALSE;
            Invalidate();
        }
    }
    else if (!m_bHot)
    {
        m_bHot = TRUE;
        Invalidate();
    }
}

void CXTButton::OnLButtonDown(UINT, CPoint)
{
    if (!m_bLBtnDown)
    {
        m_bLBtnDown = TRUE;
        Invalidate();
    }
    Default();
}

void CXTButton::OnLButtonUp(UINT, CPoint)
{
    m_bLBtnDown = FALSE;
    Default();
}

void CXTButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A quick second click presses the button again instead of being lost,
    // through the press handling of whatever class this button is.
    SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void CXTButton::OnSysColorChange()
{
    if (!m_bOwnColors)
        ReadSystemColors();
    Default();
}
