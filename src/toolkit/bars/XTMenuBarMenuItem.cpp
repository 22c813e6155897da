#include "toolkit/bars/XTMenuBarMenuItem.h"

#include "toolkit/bars/XTMenuBar.h"

CXTMenuBarMenuItem::CXTMenuBarMenuItem(CXTMenuBar* pBar, int nPosition, const CString& strText, CSize size)
    : CXTMenuBarItem(pBar), m_nPosition(nPosition), m_strText(strText), m_size(size),
      m_chMnemonic(FindMnemonic(strText))
{
}

char CXTMenuBarMenuItem::FindMnemonic(const CString& strText)
{
    LPCSTR p = strText;
    for (; *p != '\0'; ++p)
    {
        if (*p != '&')
            continue;
        if (p[1] == '&')
        {
            ++p;   // "&&" is an ampersand, no mark
            continue;
        }
        if (p[1] == '\0')
            return '\0';
        return (char)(UINT_PTR)::CharUpperA(reinterpret_cast<LPSTR>((UINT_PTR)(BYTE)p[1]));
    }
    return '\0';
}

void CXTMenuBarMenuItem::Draw(CDC* pDC)
{
    m_pBar->DrawMenuItem(this, pDC);
}

BOOL CXTMenuBarMenuItem::GetMnemonic(char& chMnemonic) const
{
    chMnemonic = m_chMnemonic;
    return m_chMnemonic != '\0';
}

void CXTMenuBarMenuItem::OnClick()
{
    m_pBar->ClickMenuItem(this);
}
