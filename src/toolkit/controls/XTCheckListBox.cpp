#include "toolkit/controls/XTCheckListBox.h"

#include "toolkit/XTResource.h"
#include "toolkit/controls/XTListBox.h"
#include "toolkit/controls/XTPaintFlickerFree.h"
#include "toolkit/frame/XTGlobalData.h"


IMPLEMENT_DYNAMIC(CXTCheckListBox, CXTCheckListBase)

BEGIN_MESSAGE_MAP(CXTCheckListBox, CXTCheckListBase)
    // void OnLButtonDown(UINT nFlags, CPoint point), and the double click
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    // void OnPaint()
    ON_WM_PAINT()
    // BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_ERASEBKGND()
    // void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
    ON_WM_DRAWITEM_REFLECT()
    // void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

namespace {

const COLORREF kDisabledText = RGB(128, 128, 128);

} // namespace

CXTCheckListBox::CXTCheckListBox()
{
}

const XT_CHECKIMAGES& CXTCheckListBox::GetCheckImages()
{
    static XT_CHECKIMAGES images = [] {
        XT_CHECKIMAGES loaded = {};
        loaded.hBitmap = ::LoadBitmapA(xtAfxData.m_hInstance, MAKEINTRESOURCEA(XT_IDB_CHECKBOXES));
        BITMAP bm = {};
        if (loaded.hBitmap != nullptr && ::GetObjectA(loaded.hBitmap, sizeof(bm), &bm) != 0)
        {
            loaded.cx = bm.bmWidth / 3;
            loaded.cy = bm.bmHeight;
        }
        return loaded;
    }();
    return images;
}

CRect CXTCheckListBox::CheckArea(const CRect& rcItem)
{
    return CRect(rcItem.left, rcItem.top, rcItem.left + GetCheckImages().cx + 2, rcItem.bottom);
}

void CXTCheckListBox::ToggleAt(CPoint point, BOOL bAnywhere)
{
    BOOL bOutside = TRUE;
    int nIndex = ItemFromPoint(point, bOutside);
    CRect rcItem;
    if (bOutside || !IsWindowEnabled() || GetItemRect(nIndex, &rcItem) == LB_ERR)
        return;
    if (!bAnywhere && !CheckArea(rcItem).PtInRect(point))
        return;
    int nCheck = GetCheck(nIndex);
    int nNext = NextCheck(m_nCheckStyle, nCheck);
    if (nNext == nCheck)
        return;
    SetCheck(nIndex, nNext);
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE), (LPARAM)m_hWnd);
}

void CXTCheckListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    ToggleAt(point, FALSE);
    Default();
    (void)nFlags;
}

void CXTCheckListBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    ToggleAt(point, TRUE);
    Default();
    (void)nFlags;
}

void CXTCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    TEXTMETRICA tm = {};
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, (HFONT)SendMessage(WM_GETFONT));
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    lpMIS->itemHeight = (UINT)tm.tmHeight;
}

void CXTCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS->itemID == (UINT)-1)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rcItem(lpDIS->rcItem);
    const XT_CHECKIMAGES& images = GetCheckImages();

    pDC->FillSolidRect(rcItem.left, rcItem.top, images.cx + 2, rcItem.Height(), xtAfxData.m_clrWindow);
    if (images.hBitmap != nullptr)
    {
        HDC hMemDC = ::CreateCompatibleDC(lpDIS->hDC);
        HGDIOBJ hOld = ::SelectObject(hMemDC, images.hBitmap);
        int nFrame = GetCheck((int)lpDIS->itemID);
        ::BitBlt(lpDIS->hDC, rcItem.left, rcItem.top + (rcItem.Height() - images.cy) / 2, images.cx, images.cy,
                 hMemDC, nFrame * images.cx, 0, SRCCOPY);
        ::SelectObject(hMemDC, hOld);
        ::DeleteDC(hMemDC);
    }

    CRect rcText(rcItem.left + images.cx + 2, rcItem.top, rcItem.right, rcItem.bottom);
    COLORREF clrBack, clrText;
    CXTListBox::GetItemColors(lpDIS->itemState & ~ODS_DISABLED, TRUE, clrBack, clrText);
    if (!IsWindowEnabled() || (lpDIS->itemState & ODS_DISABLED))
        clrText = kDisabledText;
    CString strText;
    GetText((int)lpDIS->itemID, strText);
    CXTListBox::DrawItemText(pDC, rcText, strText, clrBack, clrText);
    if (lpDIS->itemState & ODS_FOCUS)
        pDC->DrawFocusRect(&rcText);
}

void CXTCheckListBox::OnPaint()
{
    XTPaintFlickerFree(this, xtAfxData.m_clrWindow);
}

BOOL CXTCheckListBox::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
