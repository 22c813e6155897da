#include "toolkit/controls/XTTabPainter.h"

#include "toolkit/controls/XTTabLayout.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/DC.h"
#include "framework/TabCtrl.h"

// The tab strip takes the flat bar face, the separators and inactive labels the
// darker face: the nearest colours the global data derives.
static COLORREF TabStripColor()
{
    return xtAfxData.m_clrFlatBarFace;
}

static COLORREF TabSeparatorColor()
{
    return xtAfxData.m_clrFlatFaceDark;
}

CXTTabPainter::CXTTabPainter()
    : m_cxEdge(::GetSystemMetrics(SM_CYEDGE)), m_pTabCtrl(nullptr), m_bBoldSelected(FALSE), m_bFramePage(TRUE),
      m_bDefaultLook(FALSE)
{
    CreatePens();
}

CXTTabPainter::~CXTTabPainter() = default;

void CXTTabPainter::CreatePens()
{
    for (CPen* pPen : { &m_penFrame, &m_penLight, &m_penFace, &m_penSeparator })
        pPen->DeleteObject();
    m_penFrame.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_WINDOWFRAME));
    m_penLight.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_WINDOW));
    m_penFace.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE));
    m_penSeparator.CreatePen(PS_SOLID, 1, TabSeparatorColor());
}

void CXTTabPainter::GetChildRect(CRect& rcChild) const
{
    rcChild.SetRectEmpty();
    int nSel = m_pTabCtrl->GetCurSel();
    CRect rcTab;
    if (nSel < 0 || !m_pTabCtrl->GetItemRect(nSel, &rcTab))
        return;
    CRect rcClient;
    m_pTabCtrl->GetClientRect(&rcClient);
    rcChild = XTTabChildRect(rcClient, m_pTabCtrl->GetStyle(), rcTab.Size(), m_pTabCtrl->GetRowCount());
}

void CXTTabPainter::Line(CDC* pDC, CPen& pen, int x1, int y1, int x2, int y2)
{
    CPen* pOld = pDC->SelectObject(&pen);
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
    pDC->SelectObject(pOld);
}

void CXTTabPainter::DrawTabsTop(CDC* pDC, const CRect& rcClient, const CRect& rcSel)
{
    const int L = rcClient.left, T = rcClient.top, R = rcClient.right;
    const int l = rcSel.left, t = rcSel.top, r = rcSel.right, b = rcSel.bottom;
    pDC->FillSolidRect(CRect(L, T, R, b), TabStripColor());
    Line(pDC, m_penLight, L, T + b - t, R, T + b - t);
    pDC->FillSolidRect(&rcSel, xtAfxData.m_clr3DFace);
    Line(pDC, m_penLight, l, t, l, T + b - t);
    Line(pDC, m_penLight, r, t, l, t);
    Line(pDC, m_penFrame, r, T + b - t - 1, r, t - 1);
    Line(pDC, m_penFace, l + 1, T + b - t, r, T + b - t);
    DrawTabItems(pDC, FALSE);
}

void CXTTabPainter::DrawTabsBottom(CDC* pDC, const CRect& rcClient, const CRect& rcSel)
{
    const int L = rcClient.left, R = rcClient.right, B = rcClient.bottom;
    const int l = rcSel.left, t = rcSel.top, r = rcSel.right, b = rcSel.bottom;
    pDC->FillSolidRect(CRect(L, t, R, B), TabStripColor());
    Line(pDC, m_penFrame, L, t, R, t);
    pDC->FillSolidRect(&rcSel, xtAfxData.m_clr3DFace);
    Line(pDC, m_penFrame, r, t + 1, r, b - 1);
    Line(pDC, m_penFrame, r, b - 1, l, b - 1);
    Line(pDC, m_penLight, l, t, l, b);
    Line(pDC, m_penFace, r - 1, b - 2, l, b - 2);
    DrawTabItems(pDC, FALSE);
}

void CXTTabPainter::DrawTabsLeft(CDC* pDC, const CRect& rcClient, const CRect& rcSel)
{
    const int L = rcClient.left, T = rcClient.top, B = rcClient.bottom;
    const int l = rcSel.left, t = rcSel.top, r = rcSel.right, b = rcSel.bottom;
    pDC->FillSolidRect(CRect(L, T, r, B), TabStripColor());
    Line(pDC, m_penLight, r, T, r, B);
    pDC->FillSolidRect(&rcSel, xtAfxData.m_clr3DFace);
    Line(pDC, m_penLight, l, t, l, b);
    Line(pDC, m_penLight, r, t, l, t);
    Line(pDC, m_penFrame, l, b, r, b);
    Line(pDC, m_penFace, r, t, r, b);
    DrawTabItems(pDC, TRUE);
}

void CXTTabPainter::DrawTabsRight(CDC* pDC, const CRect& rcClient, const CRect& rcSel)
{
    const int T = rcClient.top, R = rcClient.right, B = rcClient.bottom;
    const int l = rcSel.left, t = rcSel.top, r = rcSel.right, b = rcSel.bottom;
    pDC->FillSolidRect(CRect(l, T, R, B), TabStripColor());
    Line(pDC, m_penFrame, l, T, l, B);
    pDC->FillSolidRect(&rcSel, xtAfxData.m_clr3DFace);
    Line(pDC, m_penFrame, r, t, r, b + 1);
    Line(pDC, m_penFrame, l, b, r, b);
    Line(pDC, m_penLight, r, t, l, t);
    Line(pDC, m_penFace, l, t, l, b);
    DrawTabItems(pDC, TRUE);
}

void CXTTabPainter::DrawTabItems(CDC* pDC, BOOL bVertical)
{
    pDC->SetBkMode(TRANSPARENT);
    const int nSel = m_pTabCtrl->GetCurSel(), nCount = m_pTabCtrl->GetItemCount();
    HIMAGELIST hImages = m_pTabCtrl->GetImageList();
    CFont* pNormal = bVertical ? &xtAfxData.m_fontVert : m_pTabCtrl->GetFont();
    CFont* pBold = bVertical ? &xtAfxData.m_fontVertBold : &xtAfxData.m_fontBold;
    for (int i = 0; i < nCount; ++i)
    {
        CRect rcTab;
        m_pTabCtrl->GetItemRect(i, &rcTab);
        char szText[256] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = szText;
        item.cchTextMax = sizeof(szText);
        m_pTabCtrl->GetItem(i, &item);
        const BOOL bSelected = i == nSel;
        CRect rcText = rcTab;
        int cxImage = 0, cyImage = 0;
        if (hImages != nullptr && item.iImage >= 0)
        {
            ImageList_GetIconSize(hImages, &cxImage, &cyImage);
            int x = rcTab.left + m_cxEdge + (bVertical ? 0 : 2);
            ImageList_Draw(hImages, item.iImage, pDC->m_hDC, x, rcTab.top + m_cxEdge, ILD_TRANSPARENT);
            if (bVertical)
                rcText.top += m_cxEdge + cyImage;
            else
                rcText.left += m_cxEdge + cxImage;
        }
        pDC->SetTextColor(bSelected ? xtAfxData.m_clrBtnText : TabSeparatorColor());
        CFont* pOld = pDC->SelectObject(bSelected && m_bBoldSelected ? pBold : pNormal);
        if (bVertical)
        {
            int cxText = pDC->GetTextExtent(szText).cx;
            int y = rcTab.bottom - (rcText.Height() - cxText) / 2;
            ::ExtTextOutA(pDC->m_hDC, rcTab.left + m_cxEdge, y, ETO_CLIPPED, &rcText, szText, lstrlenA(szText), nullptr);
        }
        else
            pDC->DrawText(szText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        pDC->SelectObject(pOld);
        // A separator between two tabs that are both not selected.
        if (i + 1 < nCount && !bSelected && i + 1 != nSel)
        {
            if (bVertical)
                Line(pDC, m_penSeparator, rcTab.left + 2, rcTab.bottom, rcTab.right - 2, rcTab.bottom);
            else
                Line(pDC, m_penSeparator, rcTab.right, rcTab.top + 4, rcTab.right, rcTab.bottom - 2);
        }
    }
}

void CXTTabPainter::PaintTabs(CDC* pDC)
{
    int nSel = m_pTabCtrl->GetCurSel();
    if (m_pTabCtrl->GetItemCount() == 0)
        return;
    int nSaved = pDC->SaveDC();
    CRect rcClient, rcSel;
    m_pTabCtrl->GetClientRect(&rcClient);
    if (nSel >= 0)
        m_pTabCtrl->GetItemRect(nSel, &rcSel);
    DWORD dwStyle = m_pTabCtrl->GetStyle();
    if (dwStyle & TCS_VERTICAL)
    {
        if (dwStyle & TCS_RIGHT)
            DrawTabsRight(pDC, rcClient, rcSel);
        else
            DrawTabsLeft(pDC, rcClient, rcSel);
    }
    else if (dwStyle & TCS_BOTTOM)
        DrawTabsBottom(pDC, rcClient, rcSel);
    else
        DrawTabsTop(pDC, rcClient, rcSel);
    if (m_bFramePage)
    {
        CRect rcChild;
        GetChildRect(rcChild);
        rcChild.InflateRect(1, 1);
        pDC->Draw3dRect(&rcChild, xtAfxData.m_clr3DShadow, xtAfxData.m_clr3DShadow);
    }
    pDC->RestoreDC(nSaved);
}

void CXTTabPainter::PadLabel(CString& strLabel)
{
    if (strLabel.IsEmpty())
        return;
    HDC hDC = ::GetDC(nullptr);
    auto width = [hDC](const CString& s, HFONT hFont) {
        HGDIOBJ hOld = ::SelectObject(hDC, hFont);
        SIZE size = {};
        ::GetTextExtentPoint32A(hDC, s, s.GetLength(), &size);
        ::SelectObject(hDC, hOld);
        return size.cx;
    };
    HFONT hBold = (HFONT)xtAfxData.m_fontBold.GetSafeHandle();
    HFONT hNormal = (HFONT)xtAfxData.m_fontNormal.GetSafeHandle();
    const int cxBold = width(strLabel, hBold);
    for (BOOL bFront = TRUE; width(strLabel, hNormal) < cxBold; bFront = !bFront)
    {
        if (bFront)
            strLabel.Insert(0, ' ');
        else
            strLabel += ' ';
    }
    ::ReleaseDC(nullptr, hDC);
}
