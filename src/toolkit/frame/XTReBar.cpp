#include "toolkit/frame/XTReBar.h"

#include "toolkit/frame/XTControlBar.h"

#include "framework/Bitmap.h"
#include "framework/FrameWnd.h"

IMPLEMENT_DYNAMIC(CXTReBar, CReBar)

// void OnChildSize(NMHDR* pNotifyStruct, LRESULT* pResult)
BEGIN_MESSAGE_MAP(CXTReBar, CReBar)
    ON_NOTIFY_REFLECT(RBN_CHILDSIZE, OnChildSize)
END_MESSAGE_MAP()

BOOL CXTReBar::InsertBarBand(CWnd* pBar, REBARBANDINFOA& band)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr)
        return FALSE;
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    band.cbSize = sizeof(band);
    const BOOL bHorz = IsHorizontal();
    // A toolkit bar fills in its own sizes; any other window is measured.
    if (!pBar->SendMessage(XTWM_REBARBANDQUERY, (WPARAM)bHorz, reinterpret_cast<LPARAM>(&band)))
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
    band.fMask |= RBBIM_CHILD | RBBIM_STYLE;
    band.hwndChild = pBar->m_hWnd;
    BOOL bResult = (BOOL)SendMessage(RB_INSERTBANDA, (WPARAM)-1, reinterpret_cast<LPARAM>(&band));
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
    return bResult;
}

BOOL CXTReBar::AddBar(CWnd* pBar, LPCSTR pszText, CBitmap* pbmp, DWORD dwStyle)
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
    return InsertBarBand(pBar, band);
}

BOOL CXTReBar::AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCSTR pszText, DWORD dwStyle)
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
    return InsertBarBand(pBar, band);
}

void CXTReBar::OnChildSize(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    NMREBARCHILDSIZE* pNotify = reinterpret_cast<NMREBARCHILDSIZE*>(pNotifyStruct);
    REBARBANDINFOA band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD;
    if (SendMessage(RB_GETBANDINFOA, pNotify->uBand, reinterpret_cast<LPARAM>(&band)) && band.hwndChild != nullptr)
        ::SendMessageA(band.hwndChild, XTWM_REBARCHILDSIZE, (WPARAM)IsHorizontal(), reinterpret_cast<LPARAM>(pNotify));
    *pResult = 0;
}
