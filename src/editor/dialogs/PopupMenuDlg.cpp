#include "editor/dialogs/PopupMenuDlg.h"
#include "editor/dialogs/ButDlg_Page1.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/PopupItemDlg.h"
#include "framework/DataExchange.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/PopupMenuDesc.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CPopupMenuDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CPopupMenuDlg, CDialog)
    ON_EN_CHANGE(IDC_POPUP_CAPTION, OnCaptionChange)
    ON_LBN_SELCHANGE(IDC_POPUP_LIST, OnSelChange)
    ON_BN_CLICKED(IDC_POPUP_ADD, OnAdd)
    ON_BN_CLICKED(IDC_POPUP_EDIT, OnEdit)
    ON_BN_CLICKED(IDC_POPUP_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_POPUP_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_POPUP_DOWN, OnMoveDown)
    ON_BN_CLICKED(IDC_POPUP_PREVIEW, OnPreview)
    ON_HELP_BUTTON(IDC_POPUP_HELP, OnHelp)
END_MESSAGE_MAP()

namespace {

const char kPreviewDocument[] = "<POPUPMENU00>";

} // namespace

CPopupMenuDlg::CPopupMenuDlg(CWnd* pParentWnd) : CDialog(IDD_POPUP_MENU, pParentWnd), m_bInitialised(FALSE) {}

void CPopupMenuDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_POPUP_LIST, m_list);
    DDX_Text(pDX, IDC_POPUP_CAPTION, m_strButtonText);
    // The caption is the popup button's, which the project keeps as long as
    // the button sheet's.
    DDV_MaxChars(pDX, m_strButtonText, CButDlg_Page1::kMaxCaption);
}

BOOL CPopupMenuDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_strItems[0].IsEmpty())
        m_list.AddString(m_strItems[0]);
    UpdateButtons();
    m_heading.SubclassDlgItem(IDC_POPUP_HEADING, this);
    m_heading.SetFontStyle(-16, FW_BOLD, FALSE, 0x800000);
    if (!m_strButtonText.IsEmpty())
        SetDlgItemText(IDC_POPUP_PREVIEW, m_strButtonText);
    m_bInitialised = TRUE;
    return TRUE;
}

void CPopupMenuDlg::UpdateButtons()
{
    int nCount = m_list.GetCount();
    BOOL bSelected = nCount > 0 && m_list.GetCurSel() >= 0;
    EnableDlgItem(this, IDC_POPUP_ADD, nCount == 0);
    for (int nID : { IDC_POPUP_DOWN, IDC_POPUP_UP, IDC_POPUP_EDIT, IDC_POPUP_DELETE })
        EnableDlgItem(this, nID, bSelected);
    EnableDlgItem(this, IDC_POPUP_PREVIEW, nCount > 0);
}

void CPopupMenuDlg::OnCaptionChange()
{
    // The template's text reaches the edit before the dialog is set up.
    if (!m_bInitialised)
        return;
    UpdateData(TRUE);
    SetDlgItemText(IDC_POPUP_PREVIEW, m_strButtonText);
}

void CPopupMenuDlg::OnSelChange()
{
    UpdateButtons();
}

void CPopupMenuDlg::OnAdd()
{
    CPopupItemDlg dlg(this);
    dlg.m_strProjectFolder = m_strProjectFolder;
    if (dlg.DoModal() == IDOK)
        m_list.AddString(dlg.m_strItem);
    UpdateButtons();
}

void CPopupMenuDlg::OnEdit()
{
    int nSelected = m_list.GetCurSel();
    if (nSelected < 0)
        return;
    CPopupItemDlg dlg(this);
    dlg.m_strProjectFolder = m_strProjectFolder;
    m_list.GetText(nSelected, dlg.m_strItem);
    if (dlg.DoModal() == IDOK)
    {
        m_list.DeleteString(nSelected);
        m_list.InsertString(nSelected, dlg.m_strItem);
        m_list.SetCurSel(nSelected);
    }
    UpdateButtons();
}

void CPopupMenuDlg::OnDelete()
{
    int nSelected = m_list.GetCurSel();
    if (nSelected < 0)
        return;
    m_list.DeleteString(nSelected);
    int nCount = m_list.GetCount();
    if (nCount > 0)
        m_list.SetCurSel(nSelected < nCount ? nSelected : nCount - 1);
    UpdateButtons();
}

void CPopupMenuDlg::MoveLine(int nFrom, int nTo)
{
    CString line;
    m_list.GetText(nFrom, line);
    m_list.DeleteString(nFrom);
    m_list.InsertString(nTo, line);
    m_list.SetCurSel(nTo);
    UpdateButtons();
}

void CPopupMenuDlg::OnMoveUp()
{
    int nSelected = m_list.GetCurSel();
    if (nSelected > 0)
        MoveLine(nSelected, nSelected - 1);
}

void CPopupMenuDlg::OnMoveDown()
{
    int nSelected = m_list.GetCurSel();
    if (nSelected >= 0 && nSelected < m_list.GetCount() - 1)
        MoveLine(nSelected, nSelected + 1);
}

void CPopupMenuDlg::TakeFirstLine()
{
    m_strItems[0].Empty();
    if (m_list.GetCount() > 0)
        m_list.GetText(0, m_strItems[0]);
}

void CPopupMenuDlg::OnPreview()
{
    TakeFirstLine();
    CMButCreateStruct button;
    button.m_strDocument = kPreviewDocument;
    button.m_strText = m_strButtonText;
    button.m_rect = { 10, 10, 210, 40 };
    if (CWnd* pPreview = GetDlgItem(IDC_POPUP_PREVIEW))
    {
        CRect rect;
        pPreview->GetWindowRect(rect);
        ScreenToClient(rect);
        button.m_rect = rect;
    }
    CPopupMenuDesc popup;
    popup.Bind(0, &button, this);
    popup.SetText(m_strItems[0]);
    popup.TrackPopup(&button, TRUE);
}

void CPopupMenuDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_popupmenu.htm");
}

void CPopupMenuDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    TakeFirstLine();
    EndDialog(IDOK);
}
