#include "toolkit/bars/XTCustAccelerators.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTAccelManager.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/DataExchange.h"
#include "framework/MessageBox.h"

IMPLEMENT_DYNAMIC(CXTCustAccelerators, CXTResizePropertyPage)

// void OnX()
BEGIN_MESSAGE_MAP(CXTCustAccelerators, CXTResizePropertyPage)
    ON_CBN_SELCHANGE(XT_IDC_COMBO_CATEGORY, OnCategoryChange)
    ON_LBN_SELCHANGE(XT_IDC_LIST_KEYCOMMANDS, OnCommandChange)
    ON_LBN_SELCHANGE(XT_IDC_LIST_KEYS, UpdateButtons)
    ON_EN_CHANGE(XT_IDC_EDIT_SHORTCUT, OnEditChange)
    ON_BN_CLICKED(XT_IDC_BTN_ASSIGN, OnAssign)
    ON_BN_CLICKED(XT_IDC_BTN_REMOVE, OnRemove)
    ON_BN_CLICKED(XT_IDC_BTN_RESETALL, OnResetAll)
END_MESSAGE_MAP()

CXTCustAccelerators::CXTCustAccelerators(CFrameWnd* pFrame)
    : CXTResizePropertyPage(XT_IDD_CUSTKEYBOARD), m_pFrame(pFrame)
{
}

void CXTCustAccelerators::DoDataExchange(CDataExchange* pDX)
{
    CXTResizePropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, XT_IDC_EDIT_SHORTCUT, m_edit);
    DDX_Control(pDX, XT_IDC_LIST_KEYCOMMANDS, m_commands);
    DDX_Control(pDX, XT_IDC_LIST_KEYS, m_keys);
    DDX_Control(pDX, XT_IDC_COMBO_CATEGORY, m_category);
}

BOOL CXTCustAccelerators::IsAssignable(WORD wKey, BOOL bCtrl, BOOL bAlt)
{
    if (bCtrl || bAlt)
        return TRUE;
    const BOOL bPrintable = (wKey >= '0' && wKey <= '9') || (wKey >= 'A' && wKey <= 'Z') || wKey == VK_SPACE ||
                            (wKey >= VK_NUMPAD0 && wKey <= VK_DIVIDE) || (wKey >= VK_OEM_1 && wKey <= VK_OEM_3) ||
                            (wKey >= VK_OEM_4 && wKey <= VK_OEM_8) || wKey == VK_OEM_102;
    return !bPrintable;
}

BOOL CXTCustAccelerators::OnInitDialog()
{
    CXTResizePropertyPage::OnInitDialog();
    CXTAccelManager& accel = GetAccelManager();
    accel.BuildCommandList();
    // The left half holds the commands, the right half their keys, the
    // description runs along the bottom.
    SetResize(XT_IDC_COMBO_CATEGORY, CXTResizeRect(0, 0, 0.5f, 0));
    SetResize(XT_IDC_TXT_KEYCOMMANDS, CXTResizeRect(0, 0, 0.5f, 0));
    SetResize(XT_IDC_LIST_KEYCOMMANDS, CXTResizeRect(0, 0, 0.5f, 1));
    SetResize(XT_IDC_TXT_DESCLABEL, CXTResizeRect(0, 1, 0, 1));
    SetResize(XT_IDC_TXT_DESCRIPTION, CXTResizeRect(0, 1, 1, 1));
    SetResize(XT_IDC_TXT_ASSIGNMENTS, CXTResizeRect(0.5f, 0, 1, 0));
    SetResize(XT_IDC_LIST_KEYS, CXTResizeRect(0.5f, 0, 1, 1));
    SetResize(XT_IDC_TXT_NEWKEY, CXTResizeRect(0.5f, 1, 1, 1));
    SetResize(XT_IDC_EDIT_SHORTCUT, CXTResizeRect(0.5f, 1, 1, 1));
    for (UINT nID : { XT_IDC_BTN_ASSIGN, XT_IDC_BTN_REMOVE, XT_IDC_BTN_RESETALL })
        SetResize(nID, CXTResizeRect(1, 0, 1, 0));
    AutoLoadPlacement("CXTCustToolBarPage");
    accel.FillCategoryCombo(&m_category);
    m_category.SetFont(&xtAfxData.m_fontNormal);
    m_category.SetCurSel(0);
    FillCommands();
    return TRUE;
}

BOOL CXTCustAccelerators::OnSetActive()
{
    // Another page or the frame may have changed the keys meanwhile.
    UpdateData(FALSE);
    FillCommands();
    return CXTResizePropertyPage::OnSetActive();
}

UINT CXTCustAccelerators::SelectedCommand() const
{
    int nItem = m_commands.GetCurSel();
    return nItem >= 0 ? (UINT)m_commands.GetItemData(nItem) : 0;
}

void CXTCustAccelerators::FillCommands()
{
    m_commands.ResetContent();
    int nCategory = m_category.GetCurSel();
    HMENU hMenu = nCategory >= 0 ? (HMENU)m_category.GetItemData(nCategory) : nullptr;
    for (int i = 0; hMenu != nullptr && i < ::GetMenuItemCount(hMenu); ++i)
    {
        UINT nID = ::GetMenuItemID(hMenu, i);
        if (nID == 0 || nID == (UINT)-1 || (nID >= 0xE110 && nID <= 0xE11F))
            continue;
        char szText[256] = "";
        ::GetMenuStringA(hMenu, (UINT)i, szText, sizeof(szText), MF_BYPOSITION);
        CString strText(szText);
        int nTab = strText.Find('\t');
        if (nTab >= 0)
            strText = strText.Left(nTab);
        strText.Remove('&');
        int nItem = m_commands.AddString(strText);
        m_commands.SetItemData(nItem, nID);
    }
    if (m_commands.GetCount() > 0)
        m_commands.SetCurSel(0);
    FillKeys();
}

void CXTCustAccelerators::FillKeys()
{
    m_keys.ResetContent();
    const UINT nID = SelectedCommand();
    CString strText, strDescription;
    BYTE fVirt = 0;
    WORD wKey = 0;
    for (int nIndex = 0; nID != 0 && GetAccelManager().EnumShortcuts(nIndex, nID, strText, fVirt, wKey);)
    {
        int nItem = m_keys.AddString(strText);
        m_keys.SetItemData(nItem, ((DWORD_PTR)fVirt << 16) | wKey);
    }
    if (nID != 0 && strDescription.LoadString(nID))
    {
        int nEnd = strDescription.FindOneOf("\t\n");
        if (nEnd >= 0)
            strDescription = strDescription.Left(nEnd);
    }
    SetDlgItemText(XT_IDC_TXT_DESCRIPTION, strDescription);
    UpdateButtons();
}

void CXTCustAccelerators::UpdateButtons()
{
    WORD wKey = 0;
    BOOL bCtrl = FALSE, bAlt = FALSE, bShift = FALSE;
    BOOL bKey = m_edit.GetKey(wKey, bCtrl, bAlt, bShift) && IsAssignable(wKey, bCtrl, bAlt);
    GetDlgItem(XT_IDC_BTN_ASSIGN)->EnableWindow(bKey && SelectedCommand() != 0);
    GetDlgItem(XT_IDC_BTN_REMOVE)->EnableWindow(m_keys.GetCurSel() >= 0);
}

void CXTCustAccelerators::OnCategoryChange()
{
    FillCommands();
}

void CXTCustAccelerators::OnCommandChange()
{
    FillKeys();
}

void CXTCustAccelerators::OnEditChange()
{
    UpdateButtons();
}

void CXTCustAccelerators::OnAssign()
{
    WORD wKey = 0;
    BOOL bCtrl = FALSE, bAlt = FALSE, bShift = FALSE;
    const UINT nID = SelectedCommand();
    if (nID == 0 || !m_edit.GetKey(wKey, bCtrl, bAlt, bShift) || !IsAssignable(wKey, bCtrl, bAlt))
        return;
    BYTE fVirt = FVIRTKEY | FNOINVERT | (bCtrl ? FCONTROL : 0) | (bAlt ? FALT : 0) | (bShift ? FSHIFT : 0);
    CXTAccelManager& accel = GetAccelManager();
    UINT nOwner = 0;
    if (accel.FindShortcut(fVirt, wKey, nOwner))
    {
        CString strName, strAsk;
        accel.FindCommandName(nOwner, strName);
        strAsk.Format(LoadToolkitString(XT_IDS_REASSIGNKEY, "This shortcut is assigned to %s. Re-assign it?"),
                      (LPCSTR)strName);
        if (AfxMessageBox(strAsk, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
            return;
        accel.RemoveShortcut(fVirt, wKey);
    }
    accel.AddShortcut(nID, fVirt, wKey);
    // The frame takes it at once.
    accel.Apply();
    m_edit.Clear();
    FillKeys();
}

void CXTCustAccelerators::OnRemove()
{
    int nItem = m_keys.GetCurSel();
    if (nItem < 0)
        return;
    DWORD_PTR dwData = m_keys.GetItemData(nItem);
    CXTAccelManager& accel = GetAccelManager();
    if (accel.RemoveShortcut((BYTE)(dwData >> 16), (WORD)(dwData & 0xFFFF)))
    {
        accel.Apply();
        m_keys.DeleteString((UINT)nItem);
    }
    UpdateButtons();
}

void CXTCustAccelerators::OnResetAll()
{
    CString strAsk = LoadToolkitString(XT_IDS_RESETKEYS, "Are you sure you want to reset the key assignments?");
    if (AfxMessageBox(strAsk, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    GetAccelManager().ResetAll();
    FillCommands();
}
