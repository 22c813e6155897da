#include "toolkit/bars/XTMenuBarMDIButton.h"

#include "toolkit/bars/XTMenuBar.h"
#include "toolkit/bars/XTMenuBarSysMenuItem.h"

BOOL CXTMenuBarMDIButton::IsHidden() const
{
    return !(m_pBar->IsMDIChildMaximized() && m_pBar->IsShowMDIButtons());
}

CSize CXTMenuBarMDIButton::GetSize() const
{
    return CXTMenuBarSysMenuItem::GetButtonSize();
}

void CXTMenuBarMDIButton::Draw(CDC* pDC)
{
    m_pBar->DrawMDIButton(this, pDC);
}
