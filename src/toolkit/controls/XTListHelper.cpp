#include "toolkit/controls/XTListHelper.h"

#include "toolkit/controls/XTViewText.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/ClientDC.h"
#include "framework/HeaderCtrl.h"
#include "framework/ListCtrl.h"
#include "toolkit/XTResource.h"

#include <algorithm>
#include <string.h>
#include <vector>

CXTListHelper::CXTListHelper()
    : m_bUseToolkitFont(TRUE), m_pListCtrl(nullptr), m_nMinColWidth(0),
      m_nMaxColWidth(::GetSystemMetrics(SM_CXFULLSCREEN)), m_nSortColumn(-1),
      m_clrText(::GetSysColor(COLOR_WINDOWTEXT)), m_clrBack(::GetSysColor(COLOR_WINDOW)), m_bLockColumns(FALSE),
      m_bAscending(TRUE), m_bAutoSave(FALSE)
{
}

CXTListHelper::~CXTListHelper() = default;

BOOL CXTListHelper::IsReportView() const
{
    return m_pListCtrl != nullptr && ::IsWindow(m_pListCtrl->m_hWnd) &&
           (m_pListCtrl->GetStyle() & LVS_TYPEMASK) == LVS_REPORT;
}

CXTFlatHeaderCtrl* CXTListHelper::GetFlatHeaderCtrl()
{
    if (m_flatHeader.m_hWnd == nullptr || m_pListCtrl == nullptr)
        return nullptr;
    HWND hHeader = (HWND)m_pListCtrl->SendMessage(LVM_GETHEADER);
    return hHeader == m_flatHeader.m_hWnd ? &m_flatHeader : nullptr;
}

BOOL CXTListHelper::IsFromOwnHeader(const NMHDR* pNMHDR) const
{
    return m_pListCtrl != nullptr && pNMHDR->hwndFrom == (HWND)m_pListCtrl->SendMessage(LVM_GETHEADER);
}

void CXTListHelper::SetSortImage(int nCol, BOOL bAsc)
{
    if (CXTFlatHeaderCtrl* pHeader = GetFlatHeaderCtrl())
        pHeader->SetSortImage(nCol, bAsc);
}

int CXTListHelper::LoadColumnWidth(int nCol)
{
    CXTRegistryStore store(HKEY_CURRENT_USER);
    CString strWidths = store.GetProfileString(m_strSection, m_strEntry, m_strDefault);
    // A column the stored list does not reach (a first run, or a column added
    // since) has no stored width: -1.
    LPCSTR p = strWidths;
    for (int i = 0; i < nCol && p != nullptr; ++i)
        if ((p = strchr(p, ',')) != nullptr)
            ++p;
    if (p == nullptr || *p < '0' || *p > '9')
        return -1;
    return XTGetListField(strWidths, nCol);
}

void CXTListHelper::RestoreColumnWidth(int nCol)
{
    int nWidth = LoadColumnWidth(nCol);
    if (nWidth >= 0)   // else the column keeps the width it was built with
        m_pListCtrl->SendMessage(LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(nWidth, 0));
}

void CXTListHelper::RestoreColumnWidths()
{
    if (!IsReportView())
        return;
    for (int i = 0; i < GetColumnCount(); ++i)
        RestoreColumnWidth(i);
}

void CXTListHelper::SaveColumnWidths()
{
    if (!IsReportView())
        return;
    std::vector<int> widths;
    for (int i = 0; i < GetColumnCount(); ++i)
        widths.push_back(m_pListCtrl->GetColumnWidth(i));
    CXTRegistryStore store(HKEY_CURRENT_USER);
    store.WriteProfileString(m_strSection, m_strEntry, XTFormatColumnWidths(widths));
}

void CXTListHelper::AutoSaveColumns(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    m_bAutoSave = TRUE;
    if (lpszSection != nullptr)
        m_strSection = lpszSection;
    else
        m_strSection.LoadString(XT_IDS_SETTINGS);
    if (lpszEntry != nullptr)
        m_strEntry = lpszEntry;
    else
        m_strEntry.LoadString(XT_IDS_COLUMNINFO);
    m_strDefault = lpszDefault != nullptr ? lpszDefault : "";
    RestoreColumnWidths();
}

void CXTListHelper::AutoSizeColumn(int nCol)
{
    int nCount = GetColumnCount();
    if (nCount <= 0)
        return;
    m_pListCtrl->SetRedraw(FALSE);
    int nFirst = nCol < 0 ? 0 : nCol, nLast = nCol < 0 ? nCount - 1 : nCol;
    CXTFlatHeaderCtrl* pFlat = GetFlatHeaderCtrl();
    HWND hHeader = (HWND)m_pListCtrl->SendMessage(LVM_GETHEADER);
    CClientDC dc(m_pListCtrl);
    HGDIOBJ hOldFont = ::SelectObject(dc, (HFONT)::SendMessageA(hHeader, WM_GETFONT, 0, 0));
    for (int i = nFirst; i <= nLast; ++i)
    {
        m_pListCtrl->SetColumnWidth(i, LVSCW_AUTOSIZE);
        int cxContents = m_pListCtrl->GetColumnWidth(i);
        char szHeading[256] = "";
        LVCOLUMNA lvc = {};
        lvc.mask = LVCF_TEXT;
        lvc.pszText = szHeading;
        lvc.cchTextMax = sizeof(szHeading);
        m_pListCtrl->GetColumn(i, &lvc);
        int cxHeading = dc.GetTextExtent(szHeading).cx + 12;
        if (pFlat != nullptr && pFlat->IsSortArrowShown() && pFlat->GetSortedCol() == i)
            cxHeading += 24;
        int cx = std::min(std::max({ cxContents, cxHeading, m_nMinColWidth }), m_nMaxColWidth);
        m_pListCtrl->SetColumnWidth(i, cx);
    }
    ::SelectObject(dc, hOldFont);
    m_pListCtrl->SetRedraw(TRUE);
    m_pListCtrl->Invalidate();
}

BOOL CXTListHelper::SubclassHeader(BOOL bBoldFont)
{
    if (!IsReportView() || m_flatHeader.m_hWnd != nullptr)
        return FALSE;
    HWND hHeader = (HWND)m_pListCtrl->SendMessage(LVM_GETHEADER);
    if (hHeader == nullptr || !m_flatHeader.SubclassWindow(hHeader))
        return FALSE;
    m_flatHeader.InitializeHeader(bBoldFont);
    return TRUE;
}

BOOL CXTListHelper::SortList(int, BOOL)
{
    return TRUE;
}

DWORD CXTListHelper::SetExtendedStyle(DWORD dwExStyle)
{
    return (DWORD)m_pListCtrl->SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, GetExtendedStyle() | dwExStyle);
}

DWORD CXTListHelper::GetExtendedStyle()
{
    return (DWORD)m_pListCtrl->SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE);
}

int CXTListHelper::HitTestEx(CPoint& point, int* pCol)
{
    if (pCol != nullptr)
        *pCol = 0;
    if (!IsReportView())
        return m_pListCtrl->HitTest(point);
    int nLast = std::min(m_pListCtrl->GetTopIndex() + m_pListCtrl->GetCountPerPage(), m_pListCtrl->GetItemCount());
    int nColumns = GetColumnCount();
    for (int nRow = m_pListCtrl->GetTopIndex(); nRow < nLast; ++nRow)
    {
        CRect rc;
        if (!m_pListCtrl->GetItemRect(nRow, &rc, LVIR_BOUNDS) || !rc.PtInRect(point))
            continue;
        int x = rc.left;
        for (int nCol = 0; nCol < nColumns; ++nCol)
        {
            int cx = m_pListCtrl->GetColumnWidth(nCol);
            if (point.x >= x && point.x <= x + cx)
            {
                if (pCol != nullptr)
                    *pCol = nCol;
                return nRow;
            }
            x += cx;
        }
    }
    return -1;
}

int CXTListHelper::AddColumn(LPCSTR lpszColHeading, int nWidth, int nFormat)
{
    int nCount = GetColumnCount();
    if (nCount < 0)
        return -1;
    if (nWidth == -1)
        nWidth = nCount > 0 ? m_pListCtrl->GetColumnWidth(nCount - 1) : 0;
    return m_pListCtrl->InsertColumn(nCount, lpszColHeading, nFormat, nWidth, nCount);
}

BOOL CXTListHelper::BuildColumns(int nCols, const int* nWidth, const int* nColString)
{
    for (int i = 0; i < nCols; ++i)
    {
        CString strHeading;
        strHeading.LoadString(nColString[i]);
        if (AddColumn(strHeading, nWidth[i], LVCFMT_LEFT) == -1)
            return FALSE;
    }
    return TRUE;
}

BOOL CXTListHelper::BuildColumns(int nCols, const int* nWidth, const CString* strColString)
{
    for (int i = 0; i < nCols; ++i)
        if (AddColumn(strColString[i], nWidth[i], LVCFMT_LEFT) == -1)
            return FALSE;
    return TRUE;
}

void CXTListHelper::SetListColors(COLORREF clrText, COLORREF clrBack)
{
    m_clrText = clrText;
    m_clrBack = clrBack;
    m_pListCtrl->Invalidate();
}

int CXTListHelper::GetColumnCount()
{
    if (!IsReportView())
        return -1;
    HWND hHeader = (HWND)m_pListCtrl->SendMessage(LVM_GETHEADER);
    return hHeader == nullptr ? -1 : (int)::SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0);
}

int CXTListHelper::CopyRow(int nFrom, int nTo)
{
    if (nFrom == nTo || nFrom < 0 || nTo < 0)
        return -1;
    char szText[256] = "";
    LVITEMA lvi = {};
    lvi.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    lvi.iItem = nFrom;
    lvi.pszText = szText;
    lvi.cchTextMax = sizeof(szText);
    if (!m_pListCtrl->GetItem(&lvi))
        return -1;
    lvi.iItem = nTo;
    int nNew = m_pListCtrl->InsertItem(&lvi);
    if (nNew < 0)
        return -1;
    // The insertion moves a later source row down by one.
    if (nNew <= nFrom)
        ++nFrom;
    for (int nCol = 1; nCol < GetColumnCount(); ++nCol)
    {
        CString strText = m_pListCtrl->GetItemText(nFrom, nCol);
        if (!strText.IsEmpty())
            m_pListCtrl->SetItemText(nNew, nCol, strText);
    }
    return nFrom;
}

BOOL CXTListHelper::MoveRow(int nFrom, int nTo)
{
    if (nFrom == nTo || nFrom < 0 || nTo < 0)
        return FALSE;
    int nSource = CopyRow(nFrom, nTo);
    return nSource >= 0 && m_pListCtrl->DeleteItem(nSource);
}

void CXTListHelper::OnHeaderClick(const NMHEADERA* pNMH)
{
    CXTFlatHeaderCtrl* pHeader = GetFlatHeaderCtrl();
    if (pHeader == nullptr)
        return;
    BOOL bAscending;
    if (pNMH->iButton == 0)
        bAscending = pNMH->iItem != m_nSortColumn ? TRUE : !m_bAscending;
    else if (pNMH->iButton == 1)
        bAscending = pHeader->GetSortDirection() != 0;
    else
        return;
    m_nSortColumn = pNMH->iItem;
    m_bAscending = bAscending;
    pHeader->SetSortImage(m_nSortColumn, m_bAscending);
    SortList(m_nSortColumn, m_bAscending);
}

BOOL CXTListHelper::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    // Another list's header (the owner passes its notifications on) is none of this list's business.
    if (!IsFromOwnHeader(pNMHDR))
        return FALSE;
    // iItem, iButton and the item's mask and width sit at the same places in the A and W records.
    NMHEADERA* pNMH = reinterpret_cast<NMHEADERA*>(lParam);
    switch (pNMHDR->code)
    {
    case HDN_ITEMCLICKA:
    case HDN_ITEMCLICKW:
        OnHeaderClick(pNMH);
        return FALSE;
    case HDN_BEGINTRACKA:
    case HDN_BEGINTRACKW:
    case HDN_DIVIDERDBLCLICKA:
    case HDN_DIVIDERDBLCLICKW:
        if (m_bLockColumns)
        {
            *pResult = 1;
            return TRUE;
        }
        return FALSE;
    case HDN_ITEMCHANGINGA:
    case HDN_ITEMCHANGINGW:
    case HDN_ENDTRACKA:
    case HDN_ENDTRACKW:
        if (pNMH->pitem != nullptr && (pNMH->pitem->mask & HDI_WIDTH) && pNMH->pitem->cxy < m_nMinColWidth)
            pNMH->pitem->cxy = m_nMinColWidth;
        return FALSE;
    default:
        return FALSE;
    }
}

void CXTListHelper::UpdateFont()
{
    if (!m_bUseToolkitFont)
        return;
    WPARAM wFont = (WPARAM)xtAfxData.m_fontNormal.GetSafeHandle();
    if (xtAfxData.m_bWin95)
        m_pListCtrl->PostMessage(WM_SETFONT, wFont, TRUE);
    else
        m_pListCtrl->SendMessage(WM_SETFONT, wFont, TRUE);
}
