#include "toolkit/controls/XTHeaderCtrl.h"

#include "framework/ClientDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTHeaderCtrl, CHeaderCtrl)

CXTHeaderCtrl::CXTHeaderCtrl() : m_nMinWidth(0), m_bRTL(FALSE), m_bAutoSize(FALSE)
{
    m_bRTL = DetectRTL();
}

CXTHeaderCtrl::~CXTHeaderCtrl() = default;

BEGIN_MESSAGE_MAP(CXTHeaderCtrl, CHeaderCtrl)
    // void OnWindowPosChanging(WINDOWPOS* lpwndpos)
    ON_WM_WINDOWPOSCHANGING()
    // BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    ON_WM_SETCURSOR()
    // BOOL OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult); a list's header sends the W form
    ON_NOTIFY_REFLECT_EX(HDN_ITEMCHANGINGA, OnItemChanging)
    ON_NOTIFY_REFLECT_EX(HDN_ITEMCHANGINGW, OnItemChanging)
END_MESSAGE_MAP()

BOOL CXTHeaderCtrl::DetectRTL()
{
    CClientDC dc(nullptr);
    return (::GetTextAlign(dc) & TA_RTLREADING) != 0;
}

BOOL CXTHeaderCtrl::IsColFrozen(int nCol) const
{
    return std::find(m_frozen.begin(), m_frozen.end(), nCol) != m_frozen.end();
}

void CXTHeaderCtrl::DistributeWidth(int nWidth)
{
    int nShared = GetItemCount() - (int)m_frozen.size();
    if (nShared <= 0)
        return;
    int nShare = nWidth / nShared;
    if (nShare <= m_nMinWidth)
        return;
    CWnd* pList = GetParent();
    for (int i = 0; i < GetItemCount(); ++i)
        if (!IsColFrozen(i))
            pList->SendMessage(LVM_SETCOLUMNWIDTH, i, MAKELPARAM(nShare, 0));
}

void CXTHeaderCtrl::FitColumnsToWidth(int nWidth)
{
    if (nWidth == 0)
    {
        CRect rc;
        GetWindowRect(&rc);
        nWidth = rc.Width() - ::GetSystemMetrics(SM_CXVSCROLL) - GetFrozenColumnsWidth();
    }
    DistributeWidth(nWidth);
}

int CXTHeaderCtrl::GetFrozenColumnsWidth()
{
    int nWidth = 0;
    for (int nCol : m_frozen)
        nWidth += (int)GetParent()->SendMessage(LVM_GETCOLUMNWIDTH, nCol);
    return nWidth;
}

void CXTHeaderCtrl::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    if (!m_bAutoSize)
    {
        Default();
        return;
    }
    CRect rc;
    GetWindowRect(&rc);
    if (GetItemCount() > 0 && !(lpwndpos->flags & SWP_NOSIZE) && lpwndpos->cx != rc.Width())
        FitColumnsToWidth(lpwndpos->cx - ::GetSystemMetrics(SM_CXVSCROLL) - GetFrozenColumnsWidth());
}

BOOL CXTHeaderCtrl::OnSetCursor(CWnd*, UINT, UINT)
{
    if (!m_frozen.empty())
    {
        HDHITTESTINFO hti = {};
        ::GetCursorPos(&hti.pt);
        ScreenToClient(&hti.pt);
        int nItem = HitTest(&hti);
        if (nItem >= 0)
        {
            if (IsColFrozen(nItem))
                return TRUE;
            // The divider on the frozen neighbour's side belongs to it.
            CRect rc;
            GetItemRect(nItem, &rc);
            int nNeighbour = m_bRTL ? nItem + 1 : nItem - 1;
            BOOL bNearHalf = m_bRTL ? hti.pt.x >= rc.CenterPoint().x : hti.pt.x < rc.CenterPoint().x;
            if (nNeighbour >= 0 && IsColFrozen(nNeighbour) && bNearHalf)
                return TRUE;
        }
    }
    return (BOOL)Default();
}

BOOL CXTHeaderCtrl::OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult)
{
    // The item record is read for its mask and width only, which the A and W forms share.
    NMHEADERA* pNMH = reinterpret_cast<NMHEADERA*>(pNMHDR);
    BOOL bRefuse = IsColFrozen(pNMH->iItem) ||
                   (pNMH->pitem != nullptr && (pNMH->pitem->mask & HDI_WIDTH) && pNMH->pitem->cxy < m_nMinWidth);
    *pResult = bRefuse;
    return TRUE;
}
