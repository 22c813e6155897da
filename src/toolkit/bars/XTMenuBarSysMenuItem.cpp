#include "toolkit/bars/XTMenuBarSysMenuItem.h"

#include "toolkit/bars/XTMenuBar.h"
#include "toolkit/frame/XTGlobalData.h"

BOOL CXTMenuBarSysMenuItem::IsHidden() const
{
    return !(m_pBar->IsMDIChildMaximized() && m_pBar->IsShowMDIButtons());
}

CSize CXTMenuBarSysMenuItem::GetButtonSize()
{
    if (xtAfxData.m_bFlatLook)
        return CSize(16, 15);
    return CSize(xtAfxData.m_cxSmIcon, xtAfxData.m_cySmIcon - 1);
}

CSize CXTMenuBarSysMenuItem::GetSize() const
{
    return GetButtonSize();
}

void CXTMenuBarSysMenuItem::Draw(CDC* pDC)
{
    m_pBar->DrawSysMenuItem(this, pDC);
}

void CXTMenuBarSysMenuItem::OnClick()
{
    m_pBar->ClickSysMenuItem(this);
}

void CXTMenuBarSysMenuItem::OnDblClick()
{
    m_pBar->DblClickSysMenuItem();
}
