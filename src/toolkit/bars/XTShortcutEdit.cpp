#include "toolkit/bars/XTShortcutEdit.h"

#include "toolkit/bars/XTAccelManager.h"

BOOL CXTShortcutEdit::GetKey(WORD& wKey, BOOL& bCtrl, BOOL& bAlt, BOOL& bShift) const
{
    if (!m_bKeySet)
        return FALSE;
    wKey = m_wKey;
    bCtrl = m_bCtrl;
    bAlt = m_bAlt;
    bShift = m_bShift;
    return TRUE;
}

void CXTShortcutEdit::Clear()
{
    m_bShift = m_bCtrl = m_bAlt = m_bKeySet = FALSE;
    m_wKey = 0;
    UpdateText();
}

void CXTShortcutEdit::UpdateText()
{
    CString strText;
    if (m_bCtrl)
        strText += "Ctrl+";
    if (m_bAlt)
        strText += "Alt+";
    if (m_bShift)
        strText += "Shift+";
    if (m_bKeySet)
        strText += CXTAccelManager::GetKeyName(m_wKey);
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strText)
    {
        SetWindowText(strText);
        SendMessage(EM_SETSEL, strText.GetLength(), strText.GetLength());
    }
}

LRESULT CXTShortcutEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    {
        const BOOL bDown = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
        const WORD wKey = (WORD)wParam;
        if (bDown && m_bKeySet)
            Clear();
        if (wKey == VK_BACK && bDown)
            Clear();
        else if (wKey == VK_SHIFT || wKey == VK_CONTROL || wKey == VK_MENU)
        {
            if (!m_bKeySet)
            {
                BOOL& bFlag = wKey == VK_SHIFT ? m_bShift : (wKey == VK_CONTROL ? m_bCtrl : m_bAlt);
                bFlag = bDown;
            }
        }
        else if (bDown && !m_bKeySet)
        {
            m_bKeySet = TRUE;
            m_wKey = wKey;
        }
        UpdateText();
        return 0;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
        return 0;
    case WM_KILLFOCUS:
        if (!m_bKeySet)
            Clear();
        break;
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}
