#include "toolkit/bars/XTCustCommandsPage.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTCustomizeManager.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/DC.h"
#include "framework/DataExchange.h"

#include <windowsx.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTCustCommandsPage, CXTResizePropertyPage)

// void OnX(); HBRUSH OnCtlColor(CDC*, CWnd*, UINT)
BEGIN_MESSAGE_MAP(CXTCustCommandsPage, CXTResizePropertyPage)
    ON_LBN_SELCHANGE(XT_IDC_LIST_CATEGORIES, OnCategoryChange)
    ON_LBN_SELCHANGE(XT_IDC_LIST_COMMANDS, OnCommandChange)
    ON_BN_CLICKED(XT_IDC_BTN_DESCRIPTION, OnDescription)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

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
    AutoLoadPlacement("CXTCustCommandsPage");
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

CXTCommandItem* CXTCustCommandsPage::GroupItem(DWORD_PTR nItem) const
{
    int nCategory = m_categories.GetCurSel();
    if (nCategory < 0)
        return nullptr;
    size_t nGroup = (size_t)m_categories.GetItemData(nCategory);
    if (nGroup >= m_groups.size())
        return nullptr;
    const CXTCommandGroup& group = *m_groups[nGroup];
    return nItem < group.m_items.size() ? group.m_items[nItem].get() : nullptr;
}

CXTCommandItem* CXTCustCommandsPage::GetItem(int nListIndex) const
{
    if (nListIndex < 0 || nListIndex >= m_commands.GetCount())
        return nullptr;
    return GroupItem(m_commands.GetItemData(nListIndex));
}

UINT CXTCustCommandsPage::GetCommandId(DWORD_PTR dwItemData)
{
    const CXTCommandItem* pItem = GroupItem(dwItemData);
    return pItem != nullptr ? pItem->m_nID : 0;
}

BOOL CXTCustCommandsPage::GetIcons(UINT nID, HICON& hIcon, HICON& hIconHot)
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

BOOL CXTCustCommandsPage::DragCommand(DWORD_PTR dwItemData)
{
    CXTCommandItem* pItem = GroupItem(dwItemData);
    if (pItem == nullptr)
        return FALSE;
    HICON hIcon = nullptr, hIconHot = nullptr;
    GetIcons(pItem->m_nID, hIcon, hIconHot);
    pItem->m_icon.SetHandle(hIcon);
    pItem->m_iconHot.SetHandle(hIconHot);
    CXTCustomizeManager& manager = GetCustomizeManager();
    manager.m_clearSelection.Raise();
    // The list's drag detection ended on the move that made this a drag.
    const DWORD dwPos = ::GetMessagePos();
    return manager.DoDragDrop(&m_commands, FALSE, *pItem, CPoint(GET_X_LPARAM(dwPos), GET_Y_LPARAM(dwPos)));
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
    // The "Selected Command:" label follows the button's state.
    if (CWnd* pLabel = GetDlgItem(XT_IDC_TXT_SELECTED))
        pLabel->Invalidate();
}

HBRUSH CXTCustCommandsPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH hBrush = CXTResizePropertyPage::OnCtlColor(pDC, pWnd, nCtlColor);
    if (pWnd != nullptr && pWnd->GetDlgCtrlID() == XT_IDC_TXT_SELECTED)
    {
        CWnd* pButton = GetDlgItem(XT_IDC_BTN_DESCRIPTION);
        const BOOL bEnabled = pButton != nullptr && pButton->IsWindowEnabled();
        pDC->SetTextColor(bEnabled ? xtAfxData.m_clrBtnText : xtAfxData.m_clrGrayText);
    }
    return hBrush;
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
