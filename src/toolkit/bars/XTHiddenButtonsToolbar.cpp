#include "toolkit/bars/XTHiddenButtonsToolbar.h"

#include "toolkit/frame/XTGlobalData.h"

IMPLEMENT_DYNAMIC(CXTHiddenButtonsToolbar, CXTToolBar)

COLORREF CXTHiddenButtonsToolbar::GetPopupColor()
{
    return xtAfxData.m_bFlatLook ? xtAfxData.m_clrFlatWindowFace : xtAfxData.m_clr3DFace;
}

BOOL CXTHiddenButtonsToolbar::CreateColorPopup(CXTButtonInfo* pInfo, const CRect& rcButton)
{
    // The owner bar keeps the record and hears the choice.
    if (m_pOwnerBar == nullptr)
        return CXTToolBar::CreateColorPopup(pInfo, rcButton);
    return m_pOwnerBar->OpenColorPopup(pInfo, rcButton);
}
