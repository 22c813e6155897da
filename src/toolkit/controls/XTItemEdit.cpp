#include "toolkit/controls/XTItemEdit.h"

#include "toolkit/XTResource.h"
#include "toolkit/controls/XTBrowseBtn.h"
#include "toolkit/frame/XTGlobalData.h"

IMPLEMENT_DYNAMIC(CXTItemEdit, CXTBrowseEdit)

BEGIN_MESSAGE_MAP(CXTItemEdit, CXTBrowseEdit)
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYDOWN()
    // void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_CHAR()
    // void OnKillFocus(CWnd* pNewWnd)
    ON_WM_KILLFOCUS()
    // UINT OnGetDlgCode()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CXTItemEdit::CXTItemEdit(CWnd* pParent, const CRect& rect, CString* pstrText, DWORD dwBStyle, BOOL bAutoDelete)
    : m_pstrText(pstrText), m_bAutoDelete(bAutoDelete), m_bCancelled(FALSE), m_bClosing(FALSE), m_bNotified(FALSE)
{
    SetBrowseStyle(dwBStyle);
    if (!Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, pParent, XT_IDC_ITEM_EDIT))
        return;
    SetFont(&xtAfxData.m_fontNormal);
    SetWindowText(*m_pstrText);
    SetSel(0, -1);
    SetFocus();
}

void CXTItemEdit::EndEdit(BOOL bCancel)
{
    if (m_bClosing)
        return;
    m_bClosing = TRUE;
    m_bCancelled = bCancel;
    if (GetBrowseButton() != nullptr && GetBrowseButton()->m_hWnd != nullptr)
        GetBrowseButton()->PostMessage(WM_CLOSE);
    PostMessage(WM_CLOSE);
    if (m_bNotified)
        return;
    m_bNotified = TRUE;
    if (!bCancel)
        GetWindowText(*m_pstrText);
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(XT_IDC_ITEM_EDIT, bCancel ? XT_LBN_LABELEDITCANCEL : XT_LBN_LABELEDITEND),
                             (LPARAM)m_hWnd);
}

void CXTItemEdit::PostNcDestroy()
{
    CXTBrowseEdit::PostNcDestroy();
    if (m_bAutoDelete)
        delete this;
}

void CXTItemEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN || nChar == VK_ESCAPE)
    {
        EndEdit(nChar == VK_ESCAPE);
        return;
    }
    CXTBrowseEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CXTItemEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN || nChar == VK_ESCAPE)
    {
        EndEdit(nChar == VK_ESCAPE);
        return;
    }
    CXTBrowseEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CXTItemEdit::OnKillFocus(CWnd* pNewWnd)
{
    CXTBrowseEdit::OnKillFocus(pNewWnd);
    // Browsing (its dialog or menu) and its own button keep the edit open.
    if (IsBrowsing() || (pNewWnd != nullptr && GetBrowseButton() != nullptr && pNewWnd->m_hWnd == GetBrowseButton()->m_hWnd))
        return;
    EndEdit(FALSE);
}

UINT CXTItemEdit::OnGetDlgCode()
{
    // Enter and Escape end the edit, not the dialog.
    return CXTBrowseEdit::OnGetDlgCode() | DLGC_WANTALLKEYS;
}
