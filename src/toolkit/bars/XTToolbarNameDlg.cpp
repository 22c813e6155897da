#include "toolkit/bars/XTToolbarNameDlg.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTCustomizeManager.h"
#include "toolkit/bars/XTToolkitString.h"

#include "framework/ControlBar.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"

namespace {

// Ids and default names run out after this many.
const int kLimit = 255;

} // namespace

CXTToolbarNameDlg::CXTToolbarNameDlg(CFrameWnd* pFrame)
    : CDialog(XT_IDD_NEWTOOLBAR, pFrame), m_nCandidateID(AFX_IDW_CONTROLBAR_FIRST), m_pFrame(pFrame)
{
}

CWnd* CXTToolbarNameDlg::FindBarNamed(LPCSTR lpszName, UINT nExceptID) const
{
    for (POSITION pos = m_pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CControlBar* pBar = static_cast<CControlBar*>(m_pFrame->m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd == nullptr || (UINT)pBar->GetDlgCtrlID() == nExceptID)
            continue;
        CString strText;
        pBar->GetWindowText(strText);
        if (strText == lpszName)
            return pBar;
    }
    return nullptr;
}

BOOL CXTToolbarNameDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_strName.IsEmpty())
    {
        CString strFormat = LoadToolkitString(XT_IDS_CUSTOMNAME, "Custom %d");
        for (int n = 1;; ++n)
        {
            if (n >= kLimit)
            {
                AfxMessageBox(LoadToolkitString(XT_IDS_LIMITREACHED, "Sorry you have reached your limit."), MB_ICONSTOP);
                EndDialog(IDCANCEL);
                return TRUE;
            }
            m_strName.Format(strFormat, n);
            if (FindBarNamed(m_strName, 0) == nullptr)
                break;
        }
        m_strInitialName.Empty();
    }
    else
        m_strInitialName = m_strName;
    SetDlgItemText(XT_IDC_TOOLBARNAME, m_strName);
    CWnd* pEdit = GetDlgItem(XT_IDC_TOOLBARNAME);
    pEdit->SetFocus();
    pEdit->SendMessage(EM_SETSEL, 0, -1);
    return FALSE;
}

void CXTToolbarNameDlg::OnOK()
{
    CString strName;
    GetDlgItemText(XT_IDC_TOOLBARNAME, strName);
    strName.Trim();
    if (strName.IsEmpty())
    {
        AfxMessageBox(LoadToolkitString(XT_IDS_BLANKNAME, "The toolbar name cannot be blank. Type a name."), MB_ICONSTOP);
        return;
    }
    if (!m_strInitialName.IsEmpty() && strName == m_strInitialName)
    {
        // A rename that keeps the name: nothing to check, nothing to change.
        m_strName = strName;
        EndDialog(IDOK);
        return;
    }
    if (m_strInitialName.IsEmpty())
    {
        // A new bar: the first id no bar of the frame and no framework bar uses.
        m_nCandidateID = CXTCustomizeManager::NextCustomBarID(m_pFrame, AFX_IDW_CONTROLBAR_FIRST);
        if (m_nCandidateID == 0)
        {
            AfxMessageBox(LoadToolkitString(XT_IDS_LIMITREACHED, "Sorry you have reached your limit."), MB_ICONSTOP);
            EndDialog(IDCANCEL);
            return;
        }
    }
    if (FindBarNamed(strName, 0) != nullptr)
    {
        CString strText;
        strText.Format(LoadToolkitString(XT_IDS_NAMEEXISTS, "A toolbar named '%s' already exists. Type another name."),
                       (LPCSTR)strName);
        AfxMessageBox(strText, MB_ICONSTOP);
        return;
    }
    m_strName = strName;
    EndDialog(IDOK);
}
