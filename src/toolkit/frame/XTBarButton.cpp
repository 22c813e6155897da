#include "toolkit/frame/XTBarButton.h"

#include "toolkit/frame/XTDockWindow.h"
#include "toolkit/frame/XTGlobalData.h"

IMPLEMENT_DYNAMIC(CXTBarButton, CXTButton)

CXTBarButton::CXTBarButton() : m_pDockWindow(nullptr)
{
}

// The base frees the two icons it holds.
CXTBarButton::~CXTBarButton() = default;

BOOL CXTBarButton::IsOwnerActive() const
{
    return m_pDockWindow != nullptr && m_pDockWindow->IsActive();
}

void CXTBarButton::DrawButton(LPDRAWITEMSTRUCT lpDIS)
{
    // The face takes the caption's colour: filled on an active owner in the flat look.
    COLORREF clrFace = xtAfxData.m_bFlatLook && IsOwnerActive() ? xtAfxData.m_clrActiveCaption : xtAfxData.m_clr3DFace;
    SetFaceColor(clrFace, FALSE);
    CXTButton::DrawButton(lpDIS);
}

void CXTBarButton::DrawIcon(CDC* pDC, UINT nState, const CRect& rcItem)
{
    const BOOL bPressed = (nState & ODS_SELECTED) != 0;
    const BOOL bPushedIcon = bPressed && m_hIconPushed != nullptr;
    HICON hIcon = bPushedIcon ? m_hIconPushed : m_hIcon;
    if (hIcon == nullptr)
        return;
    const int nOffset = bPressed && !bPushedIcon ? 2 : 1;
    const int x = rcItem.left + nOffset, y = rcItem.top + nOffset;
    if (xtAfxData.m_bFlatLook && IsOwnerActive() && !(nState & ODS_DISABLED))
    {
        // A white glyph on the filled caption.
        ::DrawStateA(pDC->m_hDC, (HBRUSH)::GetStockObject(WHITE_BRUSH), nullptr, (LPARAM)hIcon, 0, x, y,
                     m_sizeImage.cx, m_sizeImage.cy, DST_ICON | DSS_MONO);
        return;
    }
    ::DrawStateA(pDC->m_hDC, nullptr, nullptr, (LPARAM)hIcon, 0, x, y, m_sizeImage.cx, m_sizeImage.cy,
                 DST_ICON | ((nState & ODS_DISABLED) ? DSS_DISABLED : DSS_NORMAL));
}
