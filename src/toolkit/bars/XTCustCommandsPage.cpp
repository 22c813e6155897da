#include "toolkit/bars/XTCustCommandsPage.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTCustomizeManager.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTIconHandle.h"

#include "framework/DC.h"
#include "framework/DataExchange.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTCustCommandsPage, CXTResizePropertyPage)

// void OnX()
BEGIN_MESSAGE_MAP(CXTCustCommandsPage, CXTResizePropertyPage)
    ON_LBN_SELCHANGE(XT_IDC_LIST_CATEGORIES, OnCategoryChange)
    ON_LBN_SELCHANGE(XT_IDC_LIST_COMMANDS, OnCommandChange)
    ON_BN_CLICKED(XT_IDC_BTN_DESCRIPTION, OnDescription)
END_MESSAGE_MAP()

// void OnLButtonDown(UINT, CPoint); void DrawItem(LPDRAWITEMSTRUCT); void MeasureItem(LPMEASUREITEMSTRUCT)
BEGIN_MESSAGE_MAP(CXTCommandListBox, CListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

namespace {

const int kIconColumn = 22;
const int kItemHeight = 22;

} // namespace

CXTCustCommandsPage::CXTCustCommandsPage(CFrameWnd* pFrame)
    : CXTResizePropertyPage(XT_IDD_CUSTCOMMANDS), m_pFrame(pFrame), m_commands(this)
{
}

CXTCustCommandsPage::~CXTCustCommandsPage() = default;

void CXTCustCommandsPage::DoDataExchange(CDataExchange* pDX)
{
    CXTResizePropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, XT_IDC_LIST_CATEGORIES, m_categories);
    DDX_Control(pDX, XT_IDC_LIST_COMMANDS, m_commands);
}

BOOL CXTCustCommandsPage::OnInitDialog()
{
    CXTResizePropertyPage::OnInitDialog();
    CXTCustomizeManager& manager = GetCustomizeManager();
    m_groups.clear();
    manager.m_categories.Raise(m_groups);
    std::stable_sort(m_groups.begin(), m_groups.end(), [](const auto& a, const auto& b) {
        if (a->m_nSortKey != b->m_nSortKey)
            return a->m_nSortKey < b->m_nSortKey;
        return a->m_strName.CompareNoCase(b->m_strName) < 0;
    });
    for (size_t i = 0; i < m_groups.size(); ++i)
    {
        int nItem = m_categories.AddString(m_groups[i]->m_strName);
        m_categories.SetItemData(nItem, (DWORD_PTR)i);
    }
    m_icons.RemoveAll();
    manager.m_commandIcons.Raise(m_icons);
    m_categories.SetCurSel(0);
    FillCommands();
    SetResize(XT_IDC_LIST_CATEGORIES, CXTResizeRect(0, 0, 0.5f, 1));
    SetResize(XT_IDC_TXT_COMMANDS, CXTResizeRect(0.5f, 0, 0.5f, 0));
    SetResize(XT_IDC_LIST_COMMANDS, CXTResizeRect(0.5f, 0, 1, 1));
    SetResize(XT_IDC_TXT_SELECTED, CXTResizeRect(0, 1, 0, 1));
    SetResize(XT_IDC_BTN_DESCRIPTION, CXTResizeRect(0, 1, 0, 1));
    return TRUE;
}

void CXTCustCommandsPage::FillCommands()
{
    m_commands.ResetContent();
    int nCategory = m_categories.GetCurSel();
    if (nCategory >= 0)
    {
        const CXTCommandGroup& group = *m_groups[(size_t)m_categories.GetItemData(nCategory)];
        for (size_t i = 0; i < group.m_items.size(); ++i)
            if (CXTCustomizeManager::IsCustomizableCommand(group.m_items[i]->m_nID))
            {
                int nItem = m_commands.AddString(group.m_items[i]->m_strText);
                m_commands.SetItemData(nItem, (DWORD_PTR)i);
            }
    }
    m_commands.SetCurSel(-1);
    GetDlgItem(XT_IDC_BTN_DESCRIPTION)->EnableWindow(FALSE);
}

CXTCommandItem* CXTCustCommandsPage::GetItem(int nListIndex) const
{
    int nCategory = m_categories.GetCurSel();
    if (nCategory < 0 || nListIndex < 0 || nListIndex >= m_commands.GetCount())
        return nullptr;
    const CXTCommandGroup& group = *m_groups[(size_t)m_categories.GetItemData(nCategory)];
    size_t nItem = (size_t)m_commands.GetItemData(nListIndex);
    return nItem < group.m_items.size() ? group.m_items[nItem].get() : nullptr;
}

BOOL CXTCustCommandsPage::GetIcons(UINT nID, HICON& hIcon, HICON& hIconHot) const
{
    HICON hMapIcon = nullptr, hMapHot = nullptr;
    if (!m_icons.Lookup(nID, hMapIcon, hMapHot))
    {
        hIcon = hIconHot = nullptr;
        return FALSE;
    }
    hIcon = hMapIcon != nullptr ? ::CopyIcon(hMapIcon) : nullptr;
    hIconHot = hMapHot != nullptr ? ::CopyIcon(hMapHot) : nullptr;
    return TRUE;
}

BOOL CXTCustCommandsPage::DragCommand(int nListIndex)
{
    CXTCommandItem* pItem = GetItem(nListIndex);
    if (pItem == nullptr)
        return FALSE;
    HICON hIcon = nullptr, hIconHot = nullptr;
    GetIcons(pItem->m_nID, hIcon, hIconHot);
    pItem->m_icon.SetHandle(hIcon);
    pItem->m_iconHot.SetHandle(hIconHot);
    CXTCustomizeManager& manager = GetCustomizeManager();
    manager.m_clearSelection.Raise();
    return manager.DoDragDrop(&m_commands, FALSE, *pItem);
}

void CXTCustCommandsPage::OnCategoryChange()
{
    FillCommands();
}

void CXTCustCommandsPage::OnCommandChange()
{
    CXTCommandItem* pItem = GetItem(m_commands.GetCurSel());
    m_strDescription.Empty();
    m_strDescriptionTitle.Empty();
    if (pItem != nullptr && pItem->m_nID != 0)
    {
        CString strText;
        if (!strText.LoadString(pItem->m_nID))
            strText.Format(LoadToolkitString(XT_IDS_NOHELPTOPIC, "No help topic is associated with this item.\nCommand ID %d"),
                           (int)pItem->m_nID);
        int nNewLine = strText.Find('\n');
        m_strDescription = nNewLine >= 0 ? strText.Left(nNewLine) : strText;
        if (!m_strDescription.IsEmpty())
            m_commands.GetText(m_commands.GetCurSel(), m_strDescriptionTitle);
    }
    GetDlgItem(XT_IDC_BTN_DESCRIPTION)->EnableWindow(!m_strDescription.IsEmpty());
}

void CXTCustCommandsPage::OnDescription()
{
    if (m_strDescription.IsEmpty())
        return;
    CRect rcButton;
    GetDlgItem(XT_IDC_BTN_DESCRIPTION)->GetWindowRect(&rcButton);
    CWnd* pParent = GetOwner() != nullptr ? GetOwner() : GetParent();
    m_description.Show(CPoint(rcButton.left - 50, rcButton.bottom + 5), pParent, m_strDescriptionTitle,
                       m_strDescription, 0x03);
}

// ---------------------------------------------------------------------------
// The commands list

void CXTCommandListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    lpMIS->itemHeight = kItemHeight;
}

void CXTCommandListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS->itemID == (UINT)-1)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rc(lpDIS->rcItem);
    pDC->FillSolidRect(&rc, xtAfxData.m_clr3DFace);
    CRect rcText(rc.left + kIconColumn + 1, rc.top, rc.right, rc.bottom);
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    pDC->FillSolidRect(&rcText, bSelected ? xtAfxData.m_clrHighlight : xtAfxData.m_clr3DFace);
    if (lpDIS->itemState & ODS_FOCUS)
    {
        CRect rcFocus = rcText;
        rcFocus.DeflateRect(2, 2);
        pDC->DrawFocusRect(&rcFocus);
    }
    CString strText;
    GetText((int)lpDIS->itemID, strText);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(bSelected ? xtAfxData.m_clrHighlightText : xtAfxData.m_clrBtnText);
    CRect rcLabel(rc.left + 28, rc.top, rc.right - kIconColumn, rc.bottom);
    pDC->DrawText(strText, &rcLabel, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);

    CXTCommandItem* pItem = m_pPage->GetItem((int)lpDIS->itemID);
    if (pItem == nullptr)
        return;
    if (pItem->m_nID == 0)
    {
        // An entry that opens a sub-menu: a small triangle.
        for (int i = 0; i < 5; ++i)
            pDC->FillSolidRect(rc.right - 11 + i, rc.top + 6 + i, 1, 10 - 2 * i, xtAfxData.m_clrBtnText);
        return;
    }
    HICON hIcon = nullptr, hIconHot = nullptr;
    m_pPage->GetIcons(pItem->m_nID, hIcon, hIconHot);
    // The copies live for this drawing only.
    CXTIconHandle icon(hIcon), iconHot(hIconHot);
    if (icon.GetHandle() == nullptr)
        return;
    CRect rcIcon(rc.left, rc.top, rc.left + kIconColumn, rc.bottom);
    if (bSelected)
        pDC->Draw3dRect(&rcIcon, xtAfxData.m_clr3DHilight, xtAfxData.m_clr3DShadow);
    CSize size = icon.GetExtent();
    const int cx = std::min<int>(size.cx, xtAfxData.m_cxSmIcon), cy = std::min<int>(size.cy, xtAfxData.m_cySmIcon);
    ::DrawIconEx(pDC->m_hDC, rcIcon.left + (kIconColumn - cx) / 2, rcIcon.top + (kItemHeight - cy) / 2, icon, cx, cy,
                 0, nullptr, DI_NORMAL);
}

void CXTCommandListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    BOOL bOutside = TRUE;
    UINT nItem = ItemFromPoint(point, bOutside);
    if (bOutside || (int)nItem >= GetCount())
    {
        Default();
        return;
    }
    SetCurSel((int)nItem);
    SetFocus();
    GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), LBN_SELCHANGE), (LPARAM)m_hWnd);
    (void)nFlags;
    m_pPage->DragCommand((int)nItem);
}
