#include "toolkit/bars/XTCustTools.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/controls/XTItemEdit.h"

#include "framework/DataExchange.h"
#include "framework/MessageBox.h"

#include <string.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTCustTools, CXTResizePropertyPage)

// void OnX()
BEGIN_MESSAGE_MAP(CXTCustTools, CXTResizePropertyPage)
    ON_LBN_SELCHANGE(XT_IDC_LIST_TOOLS, OnSelChange)
    ON_CONTROL(XT_LBN_LABELEDITEND, XT_IDC_LIST_TOOLS, OnLabelEdited)
    ON_CONTROL(XT_LBN_LABELEDITCANCEL, XT_IDC_LIST_TOOLS, OnSelChange)
    ON_CONTROL(XT_LBN_NEWITEM, XT_IDC_LIST_TOOLS, OnNewItem)
    ON_CONTROL(XT_LBN_PREDELETEITEM, XT_IDC_LIST_TOOLS, OnPreDelete)
    ON_CONTROL(XT_LBN_DELETEITEM, XT_IDC_LIST_TOOLS, OnDeleted)
    ON_EN_CHANGE(XT_IDC_EDIT_TOOLCOMMAND, OnFieldChange)
    ON_EN_CHANGE(XT_IDC_EDIT_TOOLARGS, OnFieldChange)
    ON_EN_CHANGE(XT_IDC_EDIT_TOOLDIR, OnFieldChange)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

const UINT kFields[] = { XT_IDC_EDIT_TOOLCOMMAND, XT_IDC_EDIT_TOOLARGS, XT_IDC_EDIT_TOOLDIR };

} // namespace

CXTCustTools::CXTCustTools(CFrameWnd* pFrame)
    : CXTResizePropertyPage(XT_IDD_CUSTTOOLS), m_pFrame(pFrame), m_pDeleting(nullptr), m_bRefreshing(FALSE)
{
}

CXTCustTools::~CXTCustTools()
{
    CXTToolsManager& tools = GetToolsManager();
    if (tools.IsEnabled())
        tools.SaveIfChanged(FALSE);
}

void CXTCustTools::DoDataExchange(CDataExchange* pDX)
{
    CXTResizePropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, XT_IDC_LIST_TOOLS, m_list);
    for (int i = 0; i < 3; ++i)
        DDX_Control(pDX, kFields[i], m_fields[i]);
}

BOOL CXTCustTools::OnInitDialog()
{
    CXTResizePropertyPage::OnInitDialog();
    m_list.SetEditStyle(LoadToolkitString(XT_IDS_MENUCONTENTS, " &Menu contents:"), 0);
    // The buttons are made after this returns, in the styles set here.
    const CXTToolsManager& manager = GetToolsManager();
    CXTBrowseEdit& command = m_fields[0];
    command.SetBrowseStyle(BES_XT_CHOOSEFILE);
    command.SetDlgTitle(LoadToolkitString(XT_IDS_BROWSE, "Browse"));
    command.SetDlgFilter(LoadToolkitString(XT_IDS_EXEFILTER, "All Files (*.*)|*.*||"));
    m_fields[1].SetBrowseStyle(manager.GetArgumentsMenu() != 0 ? BES_XT_POPUPMENU : BES_XT_CHOOSEFILE,
                               manager.GetArgumentsMenu());
    m_fields[2].SetBrowseStyle(manager.GetDirectoryMenu() != 0 ? BES_XT_POPUPMENU : BES_XT_CHOOSEDIR,
                               manager.GetDirectoryMenu());
    // The fields keep the record's limits: a longer text is cut.
    SendDlgItemMessage(XT_IDC_EDIT_TOOLCOMMAND, EM_LIMITTEXT, sizeof(XT_TOOL::szCommand) - 1);
    SendDlgItemMessage(XT_IDC_EDIT_TOOLARGS, EM_LIMITTEXT, sizeof(XT_TOOL::szArguments) - 1);
    SendDlgItemMessage(XT_IDC_EDIT_TOOLDIR, EM_LIMITTEXT, sizeof(XT_TOOL::szDirectory) - 1);
    GetToolsManager().FillListBox(&m_list);
    m_list.SetCurSel(0);
    SetResize(XT_IDC_LIST_TOOLS, CXTResizeRect(0, 0, 1, 1));
    for (UINT nID : kFields)
        SetResize(nID, CXTResizeRect(0, 1, 1, 1));
    RefreshFields();
    return TRUE;
}

CXTBrowseEdit* CXTCustTools::GetField(UINT nID)
{
    for (int i = 0; i < 3; ++i)
        if (kFields[i] == nID)
            return &m_fields[i];
    return nullptr;
}

XT_TOOL* CXTCustTools::Selected() const
{
    int nItem = m_list.GetCurSel();
    return nItem >= 0 ? reinterpret_cast<XT_TOOL*>(m_list.GetItemData(nItem)) : nullptr;
}

void CXTCustTools::RefreshFields()
{
    XT_TOOL* pTool = Selected();
    m_bRefreshing = TRUE;
    SetDlgItemText(XT_IDC_EDIT_TOOLCOMMAND, pTool != nullptr ? pTool->szCommand : "");
    SetDlgItemText(XT_IDC_EDIT_TOOLARGS, pTool != nullptr ? pTool->szArguments : "");
    SetDlgItemText(XT_IDC_EDIT_TOOLDIR, pTool != nullptr ? pTool->szDirectory : "");
    // Each field with its label (just before it) and its browse button.
    for (CXTBrowseEdit& field : m_fields)
    {
        field.EnableWindow(pTool != nullptr);
        if (HWND hLabel = ::GetWindow(field.m_hWnd, GW_HWNDPREV))
            ::EnableWindow(hLabel, pTool != nullptr);
    }
    m_bRefreshing = FALSE;
}

void CXTCustTools::OnSelChange()
{
    RefreshFields();
}

void CXTCustTools::OnFieldChange()
{
    XT_TOOL* pTool = Selected();
    if (m_bRefreshing || pTool == nullptr)
        return;
    ::GetDlgItemTextA(m_hWnd, XT_IDC_EDIT_TOOLCOMMAND, pTool->szCommand, sizeof(pTool->szCommand));
    ::GetDlgItemTextA(m_hWnd, XT_IDC_EDIT_TOOLARGS, pTool->szArguments, sizeof(pTool->szArguments));
    ::GetDlgItemTextA(m_hWnd, XT_IDC_EDIT_TOOLDIR, pTool->szDirectory, sizeof(pTool->szDirectory));
    GetToolsManager().SetChanged();
}

void CXTCustTools::OnLabelEdited()
{
    XT_TOOL* pTool = Selected();
    if (pTool != nullptr)
    {
        CString strText;
        m_list.GetText(m_list.GetCurSel(), strText);
        lstrcpynA(pTool->szTitle, strText, sizeof(pTool->szTitle));
        GetToolsManager().SetChanged();
    }
    RefreshFields();
}

void CXTCustTools::OnNewItem()
{
    int nItem = m_list.GetCurSel();
    if (nItem < 0)
        return;
    auto pTool = std::make_unique<XT_TOOL>();
    *pTool = XT_TOOL();
    CString strText;
    m_list.GetText(nItem, strText);
    lstrcpynA(pTool->szTitle, strText, sizeof(pTool->szTitle));
    m_list.SetItemData(nItem, reinterpret_cast<DWORD_PTR>(pTool.get()));
    m_created.push_back(std::move(pTool));
    GetToolsManager().SetChanged();
    RefreshFields();
}

void CXTCustTools::OnPreDelete()
{
    m_pDeleting = Selected();
}

void CXTCustTools::OnDeleted()
{
    // A tool made here goes with its entry; a stored one leaves the manager
    // when the sheet closes, with the tools added here kept.
    for (auto it = m_created.begin(); it != m_created.end(); ++it)
        if (it->get() == m_pDeleting)
        {
            m_created.erase(it);
            break;
        }
    m_pDeleting = nullptr;
    GetToolsManager().SetChanged();
    if (m_list.GetCurSel() < 0 && m_list.GetCount() > 0)
        m_list.SetCurSel(0);
    RefreshFields();
}

BOOL CXTCustTools::IsValidCommand(LPCSTR lpszCommand)
{
    if (lpszCommand == nullptr || *lpszCommand == '\0')
        return FALSE;
    if (strstr(lpszCommand, "http://") != nullptr || strstr(lpszCommand, "ftp://") != nullptr)
        return TRUE;
    if (::GetFileAttributesA(lpszCommand) != INVALID_FILE_ATTRIBUTES)
        return TRUE;
    // A program the system finds on the path.
    char szFound[MAX_PATH] = "";
    return ::SearchPathA(nullptr, lpszCommand, ".exe", sizeof(szFound), szFound, nullptr) != 0;
}

BOOL CXTCustTools::Validate()
{
    // A chooser's own modal loop can close or switch the page: its field
    // is not finished yet.
    for (const CXTBrowseEdit& field : m_fields)
        if (field.IsBrowsing())
            return TRUE;
    for (int i = 0; i < m_list.GetCount(); ++i)
    {
        const XT_TOOL* pTool = reinterpret_cast<XT_TOOL*>(m_list.GetItemData(i));
        if (pTool != nullptr && !IsValidCommand(pTool->szCommand))
        {
            AfxMessageBox(LoadToolkitString(XT_IDS_PATHINVALID, "The path is invalid."), MB_OK);
            m_list.SetFocus();
            m_list.SetCurSel(i);
            RefreshFields();
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CXTCustTools::OnKillActive()
{
    return (!m_bCheckOnLeave || Validate()) && CXTResizePropertyPage::OnKillActive();
}

void CXTCustTools::OnDestroy()
{
    // The list becomes the manager's tools, in the list's order.
    std::vector<XT_TOOL> tools;
    for (int i = 0; i < m_list.GetCount(); ++i)
        if (const XT_TOOL* pTool = reinterpret_cast<XT_TOOL*>(m_list.GetItemData(i)))
            tools.push_back(*pTool);
    CXTToolsManager& manager = GetToolsManager();
    if (manager.IsChanged())
    {
        // Ids stay unique and in the tools' range: kept where they are, the
        // first free one for a tool made here.
        std::vector<UINT> used;
        for (const XT_TOOL& tool : tools)
            if (tool.nCmdID >= XT_IDC_FIRSTTOOL && tool.nCmdID <= XT_IDC_LASTTOOL &&
                std::find(used.begin(), used.end(), tool.nCmdID) == used.end())
                used.push_back(tool.nCmdID);
            else
                const_cast<XT_TOOL&>(tool).nCmdID = 0;
        for (XT_TOOL& tool : tools)
            for (UINT nID = XT_IDC_FIRSTTOOL; tool.nCmdID == 0 && nID <= XT_IDC_LASTTOOL; ++nID)
                if (std::find(used.begin(), used.end(), nID) == used.end())
                {
                    tool.nCmdID = nID;
                    used.push_back(nID);
                }
        manager.RemoveAll();
        for (auto it = tools.rbegin(); it != tools.rend(); ++it)
            if (it->nCmdID != 0)
                manager.AddTool(*it);
    }
    CXTResizePropertyPage::OnDestroy();
}
