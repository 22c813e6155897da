#include "toolkit/frame/XTFlatStyle.h"

#include "toolkit/frame/XTDrawHelpers.h"

#include "toolkit/frame/IXTCommandList.h"
#include "toolkit/frame/XTDCValueSaver.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTIconHandle.h"
#include "toolkit/frame/XTMemDC.h"

#include "framework/ComboBox.h"
#include "framework/Wnd.h"

#include <vector>

namespace {

// The down arrow centred in the rectangle.
void DrawDownArrow(CDC* pDC, const CRect& rc, COLORREF clr)
{
    DrawDownArrow(pDC, (rc.left + rc.right - 5) / 2, (rc.top + rc.bottom - 3) / 2, clr);
}

} // namespace

CXTStyle* GetPainter()
{
    static CXTFlatStyle flat;
    static CXTDefaultStyle classic;
    return xtAfxData.m_bFlatLook ? static_cast<CXTStyle*>(&flat) : &classic;
}

void CXTFlatEditPainter::DrawBorder(CWnd* pWnd, CDC* pDC, BOOL bHot)
{
    // The client rectangle in window coordinates, framed outwards.
    CRect rcWindow, rcClient;
    pWnd->GetWindowRect(&rcWindow);
    pWnd->GetClientRect(&rcClient);
    pWnd->ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    const CXTGlobalData& data = xtAfxData;
    const COLORREF frames[3] = { pWnd->IsWindowEnabled() ? data.m_clrWindow : data.m_clr3DFace,
                                 bHot ? data.m_clrHighlight : data.m_clrWindow, data.m_clr3DFace };
    for (COLORREF clr : frames)
    {
        rcClient.InflateRect(1, 1);
        FrameSolid(pDC, rcClient, clr);
    }
}

void CXTFlatComboPainter::DrawCombo(CComboBox* pCombo, CDC* pDC, BOOL bHot)
{
    const CXTGlobalData& data = xtAfxData;
    COLORREF clrButton = data.m_clr3DFace, clrFrame = data.m_clrActiveCaptText, clrArrow = data.m_clrBtnText;
    if (pCombo->SendMessage(CB_GETDROPPEDSTATE))
    {
        clrButton = data.m_clrFlatHighlightFace;
        clrArrow = data.m_clrActiveCaptText;
        clrFrame = data.m_clrHighlight;
    }
    else if (bHot && !m_pStyle->IsDesignMode())
    {
        clrButton = data.m_clrFlatHighlightLight;
        clrFrame = data.m_clrHighlight;
    }
    CRect rc;
    pCombo->GetClientRect(&rc);
    FrameSolid(pDC, rc, data.m_clr3DFace);
    rc.DeflateRect(1, 1);
    FrameSolid(pDC, rc, clrFrame);
    CRect rcButton(rc.right - (data.m_cxHThumb + 2), rc.top, rc.right, rc.bottom);
    FrameSolid(pDC, rcButton, clrFrame);
    rcButton.DeflateRect(1, 1);
    pDC->FillSolidRect(&rcButton, clrButton);
    DrawDownArrow(pDC, rcButton, clrArrow);
}

void CXTFlatListBoxPainter::Paint(IXTCommandList* pList)
{
    HWND hWnd = pList->GetListHwnd();
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(hWnd, &ps);
    {
        CRect rcClient;
        ::GetClientRect(hWnd, &rcClient);
        CDC dc;
        dc.Attach(hDC);
        CXTMemDC memDC(&dc, rcClient, xtAfxData.m_clrFlatWindowFace);
        memDC.FillSolidRect(0, 0, pList->GetIconColumnWidth(), rcClient.Height(), xtAfxData.m_clrFlatBarFace);
        // The list's own painting asks for each item (owner drawn) into the memory DC.
        WNDPROC pfnClass = reinterpret_cast<WNDPROC>(::GetClassLongPtrA(hWnd, GCLP_WNDPROC));
        ::CallWindowProcA(pfnClass, hWnd, WM_PAINT, (WPARAM)memDC.m_hDC, 0);
        dc.Detach();
    }
    ::EndPaint(hWnd, &ps);
}

void CXTFlatListBoxPainter::DrawItem(LPDRAWITEMSTRUCT lpDIS, IXTCommandList* pList)
{
    if (lpDIS == nullptr || (int)lpDIS->itemID < 0)
        return;
    const CXTGlobalData& data = xtAfxData;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rc(lpDIS->rcItem);
    int cxColumn = pList->GetIconColumnWidth();
    BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    int nIndex = (int)lpDIS->itemID;

    pDC->FillSolidRect(&rc, data.m_clrFlatWindowFace);
    pDC->FillSolidRect(rc.left, rc.top, cxColumn, rc.Height(), data.m_clrFlatBarFace);
    if (bSelected)
    {
        pDC->FillSolidRect(&rc, data.m_clrFlatHighlightLight);
        FrameSolid(pDC, rc, data.m_clrHighlight);
    }

    CString strText;
    int nLength = (int)::SendMessageA(pList->GetListHwnd(), LB_GETTEXTLEN, (WPARAM)nIndex, 0);
    if (nLength > 0)
    {
        std::vector<char> text((size_t)nLength + 1, '\0');
        ::SendMessageA(pList->GetListHwnd(), LB_GETTEXT, (WPARAM)nIndex, (LPARAM)text.data());
        strText = text.data();
    }
    CXTBkModeSaver bkMode(pDC->m_hDC, TRANSPARENT);
    CXTTextColorSaver text(pDC->m_hDC, data.m_clrWindowText);
    CRect rcText(rc.left + cxColumn + 6, rc.top, rc.right, rc.bottom);
    pDC->DrawText(strText, &rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);

    if (pList->GetItemCommand(nIndex) == 0)
    {
        // A sub-menu entry: a triangle pointing right.
        int x = rc.right - 11;
        for (int i = 0; i < 5; ++i)
            pDC->FillSolidRect(x + i, rc.top + 6 + i, 1, 9 - 2 * i, data.m_clrWindowText);
        return;
    }
    HICON hIcon = pList->GetItemIcon(nIndex);
    if (hIcon == nullptr)
        return;
    CXTIconHandle scaled;
    hIcon = CXTIconHandle::ShrinkToFit(hIcon, data.m_cxSmIcon, data.m_cySmIcon, scaled);
    const CSize size = CXTIconHandle::GetExtent(hIcon);
    int x = rc.left + (cxColumn - size.cx) / 2;
    int y = rc.top + (rc.Height() - size.cy) / 2;
    if (bSelected)
    {
        HBRUSH hShadow = ::CreateSolidBrush(data.m_clr3DShadow);
        ::DrawStateA(pDC->m_hDC, hShadow, nullptr, (LPARAM)hIcon, 0, x + 1, y + 1, size.cx, size.cy,
                     DST_ICON | DSS_MONO);
        ::DeleteObject(hShadow);
        x -= 1;
        y -= 1;
    }
    ::DrawIconEx(pDC->m_hDC, x, y, hIcon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
}
