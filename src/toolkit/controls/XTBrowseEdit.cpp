#include "toolkit/controls/XTBrowseEdit.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTCoolMenu.h"
#include "toolkit/bars/XTMenu.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/controls/XTBrowseBtn.h"
#include "toolkit/controls/XTBrowseDialog.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/FileDialog.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CXTBrowseEdit, CXTEdit)

BEGIN_MESSAGE_MAP(CXTBrowseEdit, CXTEdit)
    // void OnDestroy()
    ON_WM_DESTROY()
    // void OnWindowPosChanging(WINDOWPOS* lpwndpos)
    ON_WM_WINDOWPOSCHANGING()
    // void OnWindowPosChanged(WINDOWPOS* lpwndpos)
    ON_WM_WINDOWPOSCHANGED()
    // void OnEnable(BOOL bEnable)
    ON_WM_ENABLE()
    // void OnShowWindow(BOOL bShow, UINT nStatus)
    ON_WM_SHOWWINDOW()
    // LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_CTRL_INITIALUPDATE, OnInitialUpdate)
END_MESSAGE_MAP()

CXTBrowseEdit::CXTBrowseEdit()
    : m_bOpenFileDialog(TRUE), m_pFileDialog(nullptr),
      m_dwFlags(OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY), m_dwBStyle(BES_XT_CHOOSEDIR), m_nMenu(0),
      m_nSubMenuIndx(0), m_pParentWnd(nullptr), m_bBrowsing(FALSE), m_nInitQueue(0)
{
    m_strDefExt = LoadToolkitString(XT_IDS_DEFEXT, "*.*");
    m_strFilter = LoadToolkitString(XT_IDS_DEFFILT, "All Files (*.*)|*.*||");
    m_strTitle = LoadToolkitString(XT_IDS_DEFTITLE, "Choose Directory Name:");
}

CXTBrowseEdit::~CXTBrowseEdit() = default;

int CXTBrowseEdit::GetButtonWidth()
{
    static const int cxButton = 2 * ::GetSystemMetrics(SM_CXEDGE) + ::GetSystemMetrics(SM_CXHTHUMB);
    return cxButton;
}

CRect CXTBrowseEdit::GetButtonRect(const CRect& rcEdit)
{
    int nLeft = rcEdit.right + GetButtonGap();
    return CRect(nLeft, rcEdit.top, nLeft + GetButtonWidth(), rcEdit.bottom);
}

void CXTBrowseEdit::SetBrowseStyle(DWORD dwBStyle, UINT nMenu, int nSubMenuIndx)
{
    m_dwBStyle = dwBStyle;
    m_nMenu = nMenu;
    m_nSubMenuIndx = nSubMenuIndx;
}

void CXTBrowseEdit::Initialize()
{
    CXTEdit::Initialize();
    PostMessage(WM_CTRL_INITIALUPDATE, (WPARAM)++m_nInitQueue);
}

LRESULT CXTBrowseEdit::OnInitialUpdate(WPARAM wParam, LPARAM)
{
    if ((int)wParam != m_nInitQueue)
        return 0;
    if ((m_dwBStyle & BES_XT_BROWSEMASK) != 0 && !m_pBrowseButton)
        CreateButton();
    SetFont(&xtAfxData.m_fontNormal);
    // The choosers are modal to the window the edit is in.
    if (m_pParentWnd == nullptr)
        m_pParentWnd = this;
    return 0;
}

void CXTBrowseEdit::CreateButton()
{
    m_pBrowseButton.reset(new CXTBrowseBtn);
    if (!m_pBrowseButton->Create(this, m_dwBStyle & BES_XT_BROWSEMASK, m_nMenu, m_nSubMenuIndx))
    {
        m_pBrowseButton.reset();
        return;
    }
    // The edit gives up the button's room (OnWindowPosChanging) and the button takes it.
    CRect rc;
    GetWindowRect(&rc);
    GetParent()->ScreenToClient(&rc);
    SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CXTBrowseEdit::OnDestroy()
{
    if (m_pBrowseButton && m_pBrowseButton->m_hWnd != nullptr)
        m_pBrowseButton->DestroyWindow();
    m_pBrowseButton.reset();
    ++m_nInitQueue;
    CXTEdit::OnDestroy();
}

void CXTBrowseEdit::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CXTEdit::OnWindowPosChanging(lpwndpos);
    if (m_pBrowseButton && m_pBrowseButton->m_hWnd != nullptr && !(lpwndpos->flags & SWP_NOSIZE))
        lpwndpos->cx -= GetButtonGap() + GetButtonWidth();
}

void CXTBrowseEdit::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CXTEdit::OnWindowPosChanged(lpwndpos);
    if (!(lpwndpos->flags & SWP_NOSIZE) || !(lpwndpos->flags & SWP_NOMOVE))
        PlaceButton();
}

void CXTBrowseEdit::PlaceButton()
{
    if (!m_pBrowseButton || m_pBrowseButton->m_hWnd == nullptr)
        return;
    CRect rc;
    GetWindowRect(&rc);
    CWnd* pParent = GetParent();
    pParent->ScreenToClient(&rc);
    CRect rcButton = GetButtonRect(rc);
    m_pBrowseButton->SetWindowPos(nullptr, rcButton.left, rcButton.top, rcButton.Width(), rcButton.Height(),
                                  SWP_NOZORDER | SWP_NOACTIVATE);
    pParent->Invalidate();
}

void CXTBrowseEdit::OnEnable(BOOL bEnable)
{
    CXTEdit::OnEnable(bEnable);
    if (m_pBrowseButton && m_pBrowseButton->m_hWnd != nullptr)
        m_pBrowseButton->EnableWindow(bEnable);
}

void CXTBrowseEdit::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CXTEdit::OnShowWindow(bShow, nStatus);
    if (m_pBrowseButton && m_pBrowseButton->m_hWnd != nullptr)
        m_pBrowseButton->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CXTBrowseEdit::Browse()
{
    m_bBrowsing = TRUE;
    switch (m_dwBStyle & BES_XT_BROWSEMASK)
    {
    case BES_XT_CHOOSEDIR:
        ChooseDirectory();
        break;
    case BES_XT_CHOOSEFILE:
        ChooseFile();
        break;
    case BES_XT_POPUPMENU:
        PopupMenu();
        break;
    default:
        m_bBrowsing = FALSE;
        return;
    }
    SetSel(0, -1);
    SetFocus();
    m_bBrowsing = FALSE;
}

void CXTBrowseEdit::ChooseDirectory()
{
    CXTBrowseDialog dlg(GetParent());
    dlg.SetTitle(m_strTitle);
    CString strPath;
    GetWindowText(strPath);
    dlg.SetSelPath(strPath);
    if (dlg.Run() == 1)
        SetWindowText(dlg.GetSelPath());
}

void CXTBrowseEdit::ChooseFile()
{
    if (m_pFileDialog != nullptr)
    {
        if (m_pFileDialog->DoModal() == IDOK)
            SetWindowText(m_pFileDialog->GetPathName());
        return;
    }
    CFileDialog dlg(m_bOpenFileDialog, m_strDefExt, m_strFileName, m_dwFlags, m_strFilter, m_pParentWnd);
    if (dlg.DoModal() == IDOK)
        SetWindowText(dlg.GetPathName());
}

void CXTBrowseEdit::PopupMenu()
{
    if (!m_pBrowseButton || m_pBrowseButton->m_hWnd == nullptr)
        return;
    HINSTANCE hInst = AfxGetResourceHandle();
    HMENU hMenu = ::LoadMenuA(hInst, MAKEINTRESOURCEA(m_nMenu));
    if (hMenu == nullptr)
        hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nMenu));
    if (hMenu == nullptr)
        return;
    // The popup leaves its menu so that each is destroyed once.
    HMENU hPopup = ::GetSubMenu(hMenu, m_nSubMenuIndx);
    if (hPopup != nullptr)
        ::RemoveMenu(hMenu, (UINT)m_nSubMenuIndx, MF_BYPOSITION);
    ::DestroyMenu(hMenu);
    if (hPopup == nullptr)
        return;

    m_pBrowseButton->SetState(TRUE);
    CWnd* pTop = GetTopLevelParent();
    CXTCoolMenu coolMenu;
    coolMenu.HookWindow(pTop);
    CRect rcButton;
    m_pBrowseButton->GetWindowRect(&rcButton);
    TPMPARAMS tpm = { sizeof(tpm), rcButton };
    CXTMenu popup;
    popup.Attach(hPopup);
    popup.TrackPopupMenuEx(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_VERTICAL, rcButton.right, rcButton.top, pTop, &tpm);
    m_pBrowseButton->SetState(FALSE);
}
