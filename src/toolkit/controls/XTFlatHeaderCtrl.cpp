#include "toolkit/controls/XTFlatHeaderCtrl.h"

#include "toolkit/bars/XTCoolMenu.h"
#include "toolkit/bars/XTMenu.h"
#include "toolkit/controls/XTButton.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"

#include "framework/ListCtrl.h"
#include "framework/PaintDC.h"
#include "framework/Pen.h"
#include "framework/View.h"
#include "toolkit/XTResource.h"

#include <vector>

IMPLEMENT_DYNAMIC(CXTFlatHeaderCtrl, CXTHeaderCtrl)

CXTFlatHeaderCtrl::CXTFlatHeaderCtrl()
    : m_pt(0, 0), m_nMenuID(0), m_nSubMenu(0), m_nOffset(6), m_nSortedCol(-1), m_bLBtnDown(FALSE), m_nSortDir(-1),
      m_bSortArrow(FALSE), m_bEnableMenus(TRUE), m_bInitControl(TRUE)
{
}

CXTFlatHeaderCtrl::~CXTFlatHeaderCtrl() = default;

BEGIN_MESSAGE_MAP(CXTFlatHeaderCtrl, CXTHeaderCtrl)
    // void OnPaint(), BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    // void OnWindowPosChanged(WINDOWPOS* lpwndpos)
    ON_WM_WINDOWPOSCHANGED()
    // void OnLButtonDown(UINT nFlags, CPoint point) and the others of the mouse
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    // void OnSortAsc() and the other menu commands
    ON_COMMAND(XT_IDC_SORTASC, OnSortAsc)
    ON_COMMAND(XT_IDC_SORTDSC, OnSortDsc)
    ON_COMMAND(XT_IDC_ALIGNLEFT, OnAlignLeft)
    ON_COMMAND(XT_IDC_ALIGNCENTER, OnAlignCenter)
    ON_COMMAND(XT_IDC_ALIGNRIGHT, OnAlignRight)
    // LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_CTRL_INITIALUPDATE, OnInitialUpdate)
    // void DrawItem(LPDRAWITEMSTRUCT lpDIS): the sorted column's item, drawn by the header
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

// ---------------------------------------------------------------------------
// Attributes and operations

CWnd* CXTFlatHeaderCtrl::GetParentList() const
{
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return nullptr;
    char szClass[32] = "";
    ::GetClassNameA(pParent->m_hWnd, szClass, sizeof(szClass));
    BOOL bList = pParent->IsKindOf(RUNTIME_CLASS(CListCtrl)) || lstrcmpiA(szClass, WC_LISTVIEWA) == 0;
    return bList ? pParent : nullptr;
}

BOOL CXTFlatHeaderCtrl::ParentAllowsSorting() const
{
    CWnd* pParent = GetParent();
    return pParent == nullptr || !(pParent->GetStyle() & LVS_NOSORTHEADER);
}

void CXTFlatHeaderCtrl::SetPopupMenu(int nMenuID, int nSubIndex)
{
    m_nMenuID = nMenuID;
    m_nSubMenu = nSubIndex;
}

void CXTFlatHeaderCtrl::InitializeHeader(BOOL bBoldFont)
{
    SetFontBold(bBoldFont);
    Invalidate();
}

void CXTFlatHeaderCtrl::SetFontBold(BOOL bBoldFont)
{
    CFont& font = bBoldFont ? xtAfxData.m_fontBold : xtAfxData.m_fontNormal;
    SendMessage(WM_SETFONT, (WPARAM)font.GetSafeHandle());
}

int CXTFlatHeaderCtrl::SetSortImage(int nCol, BOOL bAsc)
{
    int nPrevious = m_nSortedCol;
    m_nSortedCol = nCol;
    m_nSortDir = bAsc ? 1 : 0;
    HDITEMA hdi = {};
    hdi.mask = HDI_FORMAT;
    if (GetItem(nCol, &hdi) && !(hdi.fmt & HDF_BITMAP))
    {
        hdi.fmt |= HDF_OWNERDRAW;
        SetItem(nCol, &hdi);
        Invalidate();
    }
    return nPrevious;
}

void CXTFlatHeaderCtrl::ShowSortArrow(BOOL bSortArrow)
{
    m_bSortArrow = bSortArrow;
    Invalidate();
}

int CXTFlatHeaderCtrl::HitTest(CPoint pt) const
{
    for (int i = 0; i < GetItemCount(); ++i)
    {
        CRect rc;
        if (GetItemRect(i, &rc) && rc.PtInRect(pt))
            return i;
    }
    return -1;
}

BOOL CXTFlatHeaderCtrl::SetAlignment(int nFlag)
{
    int nCol = HitTest(m_pt);
    CWnd* pList = GetParentList();
    if (nCol < 0 || pList == nullptr)
        return FALSE;
    LVCOLUMNA lvc = {};
    lvc.mask = LVCF_FMT;
    pList->SendMessage(LVM_GETCOLUMNA, nCol, (LPARAM)&lvc);
    lvc.fmt = (lvc.fmt & ~LVCFMT_JUSTIFYMASK) | nFlag;
    pList->SendMessage(LVM_SETCOLUMNA, nCol, (LPARAM)&lvc);
    // No work areas: the list lays itself out again and repaints.
    pList->SendMessage(LVM_SETWORKAREAS, 0, 0);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Messages

LRESULT CXTFlatHeaderCtrl::OnInitialUpdate(WPARAM, LPARAM)
{
    if (m_bInitControl)
    {
        m_bInitControl = FALSE;
        if (GetParent() != nullptr)
            GetParent()->ModifyStyle(0, WS_CLIPCHILDREN);
    }
    return 0;
}

void CXTFlatHeaderCtrl::OnLButtonDown(UINT, CPoint)
{
    m_bLBtnDown = TRUE;
    Default();
}

void CXTFlatHeaderCtrl::OnLButtonUp(UINT, CPoint)
{
    m_bLBtnDown = FALSE;
    Default();
}

void CXTFlatHeaderCtrl::OnWindowPosChanged(WINDOWPOS*)
{
    Default();
    Invalidate();
}

BOOL CXTFlatHeaderCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTFlatHeaderCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTMemDC memDC(&dc, rcClient, xtAfxData.m_clr3DFace);
    DefWindowProc(WM_PAINT, (WPARAM)memDC.m_hDC, 0);
    DrawBorders(&memDC, rcClient);
}

void CXTFlatHeaderCtrl::OnRButtonDown(UINT, CPoint point)
{
    m_pt = point;
    if (!ParentAllowsSorting() || !m_bEnableMenus)
    {
        Default();
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (m_nMenuID != 0)
    {
        CMenu menu;
        if (!menu.LoadMenu(m_nMenuID))
            return;
        CMenu* pPopup = menu.GetSubMenu(m_nSubMenu);
        CWnd* pTarget = GetOwner() != nullptr ? GetOwner() : GetParent();
        if (pPopup != nullptr)
            pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, pTarget);
        return;
    }
    int nCol = HitTest(point);
    if (nCol >= 0)
        TrackBuiltInMenu(nCol, ptScreen);
}

void CXTFlatHeaderCtrl::TrackBuiltInMenu(int nCol, CPoint ptScreen)
{
    CXTCoolMenu coolMenu;
    coolMenu.Install(m_hWnd);
    coolMenu.LoadToolbar(XT_IDR_TBAR_HDR);
    CXTMenu menu;
    if (!menu.LoadMenu(XT_IDM_POPUP))
        return;
    HMENU hPopup = ::GetSubMenu(menu.m_hMenu, 2);
    if (hPopup == nullptr)
        return;
    if (nCol == m_nSortedCol && m_nSortDir == 1)
        ::CheckMenuItem(hPopup, XT_IDC_SORTASC, MF_BYCOMMAND | MF_CHECKED);
    if (nCol == m_nSortedCol && m_nSortDir == 0)
        ::CheckMenuItem(hPopup, XT_IDC_SORTDSC, MF_BYCOMMAND | MF_CHECKED);
    if (CWnd* pList = GetParentList())
    {
        LVCOLUMNA lvc = {};
        lvc.mask = LVCF_FMT;
        pList->SendMessage(LVM_GETCOLUMNA, nCol, (LPARAM)&lvc);
        UINT nAlign = (lvc.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT    ? XT_IDC_ALIGNRIGHT
                      : (lvc.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER ? XT_IDC_ALIGNCENTER
                                                                        : XT_IDC_ALIGNLEFT;
        ::CheckMenuItem(hPopup, nAlign, MF_BYCOMMAND | MF_CHECKED);
    }
    // The popup is tracked through a toolkit menu object so that the cool menu draws it.
    CXTMenu popup;
    popup.Attach(hPopup);
    popup.TrackPopupMenu(TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, this);
    popup.Detach();
}

void CXTFlatHeaderCtrl::OnSortAsc()
{
    SortFromMenu(1);
}

void CXTFlatHeaderCtrl::OnSortDsc()
{
    SortFromMenu(0);
}

void CXTFlatHeaderCtrl::OnAlignLeft()
{
    SetAlignment(LVCFMT_LEFT);
}

void CXTFlatHeaderCtrl::OnAlignCenter()
{
    SetAlignment(LVCFMT_CENTER);
}

void CXTFlatHeaderCtrl::OnAlignRight()
{
    SetAlignment(LVCFMT_RIGHT);
}

// The click notification goes to this header's own list (and its owner), so
// that two lists under one owner sort independently.
void CXTFlatHeaderCtrl::SortFromMenu(int nDirection)
{
    int nCol = HitTest(m_pt);
    if (nCol < 0 || (nCol == m_nSortedCol && m_nSortDir == nDirection))
        return;
    m_nSortDir = nDirection;
    m_nSortedCol = nCol;
    CWnd* pList = GetParentList();
    if (pList == nullptr)
        return;
    char szText[256] = "";
    HDITEMA hdi = {};
    hdi.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE | HDI_ORDER;
    hdi.pszText = szText;
    hdi.cchTextMax = sizeof(szText);
    GetItem(nCol, &hdi);
    NMHEADERA nmh = {};
    nmh.hdr.hwndFrom = m_hWnd;
    nmh.hdr.idFrom = GetDlgCtrlID();
    nmh.hdr.code = HDN_ITEMCLICKA;
    nmh.iItem = nCol;
    nmh.iButton = 1;
    nmh.pitem = &hdi;
    pList->SendMessage(WM_NOTIFY, nmh.hdr.idFrom, (LPARAM)&nmh);
    CWnd* pOwner = pList->GetOwner() != nullptr ? pList->GetOwner() : pList->GetParent();
    if (pOwner != nullptr)
        pOwner->SendMessage(WM_NOTIFY, nmh.hdr.idFrom, (LPARAM)&nmh);
}

// ---------------------------------------------------------------------------
// Drawing

void CXTFlatHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rcItem(lpDIS->rcItem);
    int nSaved = pDC->SaveDC();
    pDC->FillSolidRect(&rcItem, xtAfxData.m_clr3DFace);
    pDC->SetBkMode(TRANSPARENT);
    pDC->IntersectClipRect(&rcItem);

    char szText[256] = "";
    HDITEMA hdi = {};
    hdi.mask = HDI_TEXT | HDI_FORMAT;
    hdi.pszText = szText;
    hdi.cchTextMax = 255;
    GetItem(lpDIS->itemID, &hdi);
    UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP | DT_END_ELLIPSIS;
    if ((hdi.fmt & HDF_JUSTIFYMASK) == HDF_CENTER)
        nFormat |= DT_CENTER;
    else if ((hdi.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT)
        nFormat |= DT_RIGHT;

    const BOOL bSorting = ParentAllowsSorting();
    int nRight = rcItem.right;
    CRect rcText = rcItem;
    if ((lpDIS->itemState & ODS_SELECTED) && bSorting)
    {
        rcText.left += 1;
        rcText.top += 2;
        nRight += 1;
    }
    const BOOL bArrow = (int)lpDIS->itemID == m_nSortedCol && m_bSortArrow;
    if (bArrow)
        nRight -= 3 * m_nOffset;
    rcText.left += m_nOffset;
    rcText.right = nRight - m_nOffset;
    if (!rcText.IsRectEmpty())
    {
        CFont* pOld = pDC->SelectObject(GetFont());
        pDC->DrawText(szText, &rcText, nFormat);
        pDC->SelectObject(pOld);
    }

    if (bArrow && bSorting)
    {
        const int s = m_nOffset, R = rcItem.right, B = rcItem.bottom;
        CPen penLight(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        CPen penShadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
        CPen* pOldPen = pDC->SelectObject(&penLight);
        if (m_nSortDir == 1)
        {
            pDC->MoveTo(R - 2 * s, s - 1);
            pDC->LineTo(R - 3 * s / 2, B - s);
            pDC->LineTo(R - 5 * s / 2 - 2, B - s);
            pDC->SelectObject(&penShadow);
            pDC->MoveTo(R - 5 * s / 2 - 1, B - s - 1);
            pDC->LineTo(R - 2 * s, s - 2);
        }
        else
        {
            pDC->MoveTo(R - 3 * s / 2, s - 1);
            pDC->LineTo(R - 2 * s - 1, B - s + 1);
            pDC->SelectObject(&penShadow);
            pDC->MoveTo(R - 2 * s - 1, B - s);
            pDC->LineTo(R - 5 * s / 2 - 1, s - 1);
            pDC->LineTo(R - 3 * s / 2, s - 1);
        }
        pDC->SelectObject(pOldPen);
    }
    pDC->RestoreDC(nSaved);
}

void CXTFlatHeaderCtrl::DrawBorders(CDC* pDC, CRect& rect)
{
    CRect rc = rect;
    rc.right += 1;
    pDC->Draw3dRect(&rc, xtAfxData.m_clr3DHilight, xtAfxData.m_clr3DShadow);
    rc.DeflateRect(1, 1, 0, 1);
    pDC->Draw3dRect(&rc, xtAfxData.m_clr3DFace, xtAfxData.m_clr3DFace);

    // Dividers at the right edges of the items in display order.
    int nCount = GetItemCount();
    std::vector<int> order(nCount > 0 ? nCount : 0);
    if (nCount > 0)
        GetOrderArray(order.data(), nCount);
    CPen penShadow(PS_SOLID, 1, xtAfxData.m_clr3DShadow);
    CPen penLight(PS_SOLID, 1, xtAfxData.m_clr3DHilight);
    CPen penFace(PS_SOLID, 1, xtAfxData.m_clr3DFace);
    CPen* pOldPen = pDC->SelectObject(&penShadow);
    int x = 0;
    for (int nIndex : order)
    {
        HDITEMA hdi = {};
        hdi.mask = HDI_WIDTH;
        GetItem(nIndex, &hdi);
        x += hdi.cxy;
        struct { CPen* pPen; int dx; } lines[] = { { &penShadow, 0 }, { &penLight, 1 }, { &penFace, -1 }, { &penFace, -2 } };
        for (const auto& line : lines)
        {
            pDC->SelectObject(line.pPen);
            pDC->MoveTo(x + line.dx, 2);
            pDC->LineTo(x + line.dx, rc.bottom - 1);
        }
    }
    if (!m_bLBtnDown)
    {
        pDC->SelectObject(&penShadow);
        pDC->MoveTo(rect.right - 1, rect.top);
        pDC->LineTo(rect.right - 1, rect.bottom);
    }
    pDC->SelectObject(pOldPen);
}
