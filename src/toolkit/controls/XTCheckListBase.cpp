#include "toolkit/controls/XTCheckListBase.h"

IMPLEMENT_DYNAMIC(CXTCheckListBase, CListBox)

CXTCheckListBase::CXTCheckListBase() : m_nCheckStyle(BS_AUTOCHECKBOX)
{
}

void CXTCheckListBase::SetCheck(int nIndex, int nCheck)
{
    if (nIndex < 0 || nIndex >= (int)m_checks.size())
        return;
    m_checks[(size_t)nIndex] = nCheck;
    CRect rc;
    if (m_hWnd != nullptr && GetItemRect(nIndex, &rc) != LB_ERR)
        InvalidateRect(&rc, FALSE);
}

int CXTCheckListBase::GetCheck(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_checks.size() ? m_checks[(size_t)nIndex] : 0;
}

int CXTCheckListBase::NextCheck(UINT nCheckStyle, int nCheck)
{
    switch (nCheckStyle)
    {
    case BS_CHECKBOX:
    case BS_3STATE:
        return nCheck;
    case BS_AUTO3STATE:
        return (nCheck + 1) % 3;
    default:
        return nCheck == 0 ? 1 : 0;
    }
}

LRESULT CXTCheckListBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
    switch (message)
    {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        if (lResult >= 0 && (size_t)lResult <= m_checks.size())
            m_checks.insert(m_checks.begin() + lResult, 0);
        break;
    case LB_DELETESTRING:
        if (lResult != LB_ERR && wParam < m_checks.size())
            m_checks.erase(m_checks.begin() + (ptrdiff_t)wParam);
        break;
    case LB_RESETCONTENT:
    case WM_NCDESTROY:
        m_checks.clear();
        break;
    }
    return lResult;
}
