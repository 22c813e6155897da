#include "toolkit/frame/XTStatusBar.h"

#include "toolkit/frame/XTControlBar.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"

#include "framework/PaintDC.h"

IMPLEMENT_DYNAMIC(CXTStatusBar, CStatusBar)

// Handler signatures: see CWnd; LRESULT OnX(WPARAM, LPARAM) for ON_MESSAGE.
BEGIN_MESSAGE_MAP(CXTStatusBar, CStatusBar)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

int XTStatusPaneFrameRight(const RECT& rcItem, BOOL bLast, UINT nStyle, int cxWidth, const RECT& rcClient,
                           BOOL bSizeGrip, int cxSmIcon, int cxEdge)
{
    if (!bLast)
        return rcItem.right;
    if (nStyle & SBPS_STRETCH)
        return rcClient.right - (bSizeGrip ? cxSmIcon + cxEdge : 0);
    return rcItem.left + cxWidth + 3 * cxEdge;
}

BOOL CXTStatusBar::GetPaneRecord(int nIndex, XT_ITEM_RECORD& item) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    GetPaneInfo(nIndex, item.nID, item.nStyle, item.cxWidth);
    SetItemCaption(item, GetPaneText(nIndex));
    return TRUE;
}

BOOL CXTStatusBar::SetPaneRecord(int nIndex, const XT_ITEM_RECORD& item)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    SetPaneInfo(nIndex, item.nID, item.nStyle, item.cxWidth);
    SetPaneText(nIndex, item.pszCaption != nullptr ? item.pszCaption : "", TRUE);
    return TRUE;
}

BOOL CXTStatusBar::SetPaneWidth(int nIndex, int cxWidth)
{
    XT_ITEM_RECORD item;
    BOOL bDone = GetPaneRecord(nIndex, item);
    if (bDone)
    {
        item.cxWidth = cxWidth;
        bDone = SetPaneRecord(nIndex, item);
    }
    DestroyItemCaption(item);
    return bDone;
}

int CXTStatusBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CStatusBar::OnCreate(lpcs) == -1)
        return -1;
    SendMessage(WM_SETFONT, (WPARAM)xtAfxData.m_fontNormal2.m_hObject, TRUE);
    return 0;
}

void CXTStatusBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    CXTMemDC memDC(&dc, rect, xtAfxData.m_clr3DFace);
    // The control paints itself into the off-screen DC.
    DefWindowProc(WM_PAINT, (WPARAM)memDC.m_hDC, 0);
    if (xtAfxData.m_bFlatLook)
        DrawFlatPaneFrames(&memDC);
}

void CXTStatusBar::DrawFlatPaneFrames(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    const BOOL bSizeGrip = (GetStyle() & SBARS_SIZEGRIP) != 0;
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    for (int i = 0; i < GetCount(); ++i)
    {
        UINT nID, nStyle;
        int cxWidth;
        GetPaneInfo(i, nID, nStyle, cxWidth);
        if (nStyle & SBPS_NOBORDERS)
            continue;
        CRect rect;
        GetItemRect(i, &rect);
        rect.right = XTStatusPaneFrameRight(rect, i == GetCount() - 1, nStyle, cxWidth, rectClient, bSizeGrip,
                                            xtAfxData.m_cxSmIcon, cxEdge);
        pDC->Draw3dRect(&rect, xtAfxData.m_clr3DShadow, xtAfxData.m_clr3DShadow);
    }
}

BOOL CXTStatusBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

LRESULT CXTStatusBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    CXTControlBar::IdleUpdateBar(this, (BOOL)wParam);
    return 0;
}
