#include "framework/ReBar.h"

#include "framework/Bitmap.h"
#include "framework/FrameWnd.h"

IMPLEMENT_DYNAMIC(CReBar, CControlBar)

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
    // The layout places the bar: the control must not place itself.
    DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    return CreateBar(REBARCLASSNAMEA, dwWindowStyle, dwStyle, pParentWnd, nID);
}

BOOL CReBar::AddBand(CWnd* pBar, REBARBANDINFOA& band)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr)
        return FALSE;
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    band.cbSize = sizeof(band);
    SizeBand(pBar, band);
    band.fMask |= RBBIM_CHILD | RBBIM_STYLE;
    band.hwndChild = pBar->m_hWnd;
    BOOL bResult = (BOOL)SendMessage(RB_INSERTBANDA, (WPARAM)-1, (LPARAM)&band);
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
    return bResult;
}

void CReBar::SizeBand(CWnd* pBar, REBARBANDINFOA& band)
{
    SizeBandToWindow(pBar, band, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
}

void CReBar::SizeBandToWindow(CWnd* pBar, REBARBANDINFOA& band, BOOL bHorz)
{
    CSize size;
    if (CControlBar* pControlBar = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(pBar->m_hWnd)))
        size = pControlBar->CalcFixedLayout(FALSE, bHorz);
    else
    {
        CRect rect;
        pBar->GetWindowRect(&rect);
        size = rect.Size();
    }
    band.fMask |= RBBIM_CHILDSIZE | RBBIM_SIZE;
    band.cxMinChild = (UINT)size.cx;
    band.cyMinChild = (UINT)size.cy;
    band.cx = (UINT)size.cx;
}

BOOL CReBar::AddBar(CWnd* pBar, LPCSTR pszText, CBitmap* pbmp, DWORD dwStyle)
{
    REBARBANDINFOA band = {};
    band.fStyle = dwStyle;
    if (pszText != nullptr)
    {
        band.fMask |= RBBIM_TEXT;
        band.lpText = const_cast<LPSTR>(pszText);
    }
    if (pbmp != nullptr)
    {
        band.fMask |= RBBIM_BACKGROUND;
        band.hbmBack = static_cast<HBITMAP>(pbmp->m_hObject);
    }
    return AddBand(pBar, band);
}

BOOL CReBar::AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCSTR pszText, DWORD dwStyle)
{
    REBARBANDINFOA band = {};
    band.fStyle = dwStyle;
    band.fMask = RBBIM_COLORS;
    band.clrFore = clrFore;
    band.clrBack = clrBack;
    if (pszText != nullptr)
    {
        band.fMask |= RBBIM_TEXT;
        band.lpText = const_cast<LPSTR>(pszText);
    }
    return AddBand(pBar, band);
}

CSize CReBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    // As deep as the control's rows of bands, along the whole side.
    int nDepth = (int)SendMessage(RB_GETBARHEIGHT);
    return bHorz ? CSize(32767, nDepth) : CSize(nDepth, 32767);
}
