#include "toolkit/frame/XTControlBar.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTMenu.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTDockContext.h"
#include "toolkit/frame/XTDrawHelpers.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"

#include "framework/FrameWnd.h"
#include "framework/MDIChildWnd.h"
#include "framework/PaintDC.h"
#include "framework/Pen.h"
#include "framework/StatusBar.h"
#include "framework/View.h"
#include "framework/WinApp.h"
#include "framework/WindowDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTControlBar, CControlBar)

// Handler signatures: see CWnd; LRESULT OnX(WPARAM, LPARAM) for ON_MESSAGE.
BEGIN_MESSAGE_MAP(CXTControlBar, CControlBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_ERASEBKGND()
    ON_WM_SETCURSOR()
    ON_WM_RBUTTONDOWN()
    ON_WM_WINDOWPOSCHANGING()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(XTWM_REBARBANDQUERY, OnRebarBandQuery)
    ON_MESSAGE(XTWM_REBARCHILDSIZE, OnRebarChildSize)
    ON_MESSAGE(XTWM_FULLWINDOWDRAG, OnFullWindowDrag)
    ON_MESSAGE(XTWM_DRAGRECTQUERY, OnDragRectQueryMessage)
END_MESSAGE_MAP()

namespace {

const UINT kStatusBarID = 59393;
const UINT kCustomizeCommand = 53782;

BOOL CALLBACK FindStatusBarProc(HWND hWnd, LPARAM lParam)
{
    if (::GetDlgCtrlID(hWnd) != (int)kStatusBarID)
        return TRUE;
    *reinterpret_cast<BOOL*>(lParam) = TRUE;
    return FALSE;
}

BOOL HasStatusBarDescendant(CWnd* pWnd)
{
    BOOL bFound = FALSE;
    if (pWnd != nullptr)
        ::EnumChildWindows(pWnd->m_hWnd, FindStatusBarProc, reinterpret_cast<LPARAM>(&bFound));
    return bFound;
}

CFrameWnd* TopLevelFrame(CWnd* pWnd)
{
    CFrameWnd* pFrame = pWnd->GetParentFrame();
    while (pFrame != nullptr && pFrame->GetParentFrame() != nullptr)
        pFrame = pFrame->GetParentFrame();
    return pFrame;
}

// A copy of a global font at 8 points.
void CreateEightPointFont(CFont& font, CFont& fontGlobal, int nHeight)
{
    font.DeleteObject();
    LOGFONTA lf;
    if (fontGlobal.m_hObject == nullptr || !fontGlobal.GetLogFont(&lf))
        return;
    lf.lfHeight = -nHeight;
    font.CreateFontIndirect(&lf);
}

} // namespace

CXTControlBar::CXTControlBar()
    : m_sizeVertDocked(200, 100), m_sizeHorzDocked(200, 100), m_sizeMRUFloat(200, 100), m_sizeFloat(200, 100),
      m_bAloneInRow(FALSE), m_bExpanded(FALSE), m_bContextMenus(TRUE), m_bDockInOtherFrame(FALSE),
      m_dwBarStyleEx(BARSTYLE_CAPTION | BARSTYLE_CAPTION_TEXT | BARSTYLE_BUTTONS), m_pParentFrame(nullptr),
      m_nMenuSubIndex(0), m_nMenuID(0), m_bInRebar(FALSE)
{
    CreateBarFonts();
}

CXTControlBar::~CXTControlBar()
{
    // The window goes while this class's handlers still run.
    if (m_hWnd != nullptr)
        DestroyWindow();
}

void CXTControlBar::CreateBarFonts()
{
    HDC hScreen = ::GetDC(nullptr);
    int nHeight = ::MulDiv(8, ::GetDeviceCaps(hScreen, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, hScreen);
    CreateEightPointFont(m_fontHorz, xtAfxData.m_fontNormal, nHeight);
    CreateEightPointFont(m_fontVert, xtAfxData.m_fontVert, nHeight);
    CreateEightPointFont(m_fontBold, xtAfxData.m_fontBold, nHeight);
}

void CXTControlBar::EnableDocking(DWORD dwDockStyle)
{
    // The toolkit's drag: dock bars chosen by the cursor, live dragging.
    if (m_pDockContext == nullptr)
        m_pDockContext = new CXTDockContext(this);
    CControlBar::EnableDocking(dwDockStyle);
    if (m_hWndOwner == nullptr && m_hWnd != nullptr)
        SetOwner(GetParent());
}

void CXTControlBar::EnableDockingStyle(DWORD dwDockStyle, DWORD dwBarStyleEx)
{
    EnableDocking(dwDockStyle);
    SetBarStyleEx(GetBarStyleEx() | dwBarStyleEx);
}

void CXTControlBar::DelayShow(BOOL bShow)
{
    CControlBar::DelayShow(bShow);
    BOOL bVisible = IsVisible();
    // A listener may leave while it is told.
    const std::vector<std::pair<void*, XT_BARNOTIFYPROC>> listeners = m_arrNotify;
    for (const auto& notify : listeners)
        notify.second(notify.first, bVisible);
}

void CXTControlBar::RemoveNotify(void* pObject)
{
    m_arrNotify.erase(std::remove_if(m_arrNotify.begin(), m_arrNotify.end(),
                                     [pObject](const auto& notify) { return notify.first == pObject; }),
                      m_arrNotify.end());
}

BOOL CXTControlBar::SetStatusText(INT_PTR nHit)
{
    if (!CControlBar::SetStatusText(nHit))
        return FALSE;
    // A status bar among the owner's windows already shows the text.
    if (HasStatusBarDescendant(GetOwner()))
        return TRUE;
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != nullptr)
    {
        if (nHit == -1)
            pMain->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        else
            pMain->SendMessage(WM_SETMESSAGESTRING, (WPARAM)nHit);
    }
    return TRUE;
}

void CXTControlBar::SetBarStyleEx(DWORD dwStyle)
{
    if (m_dwBarStyleEx != dwStyle)
        m_dwBarStyleEx = dwStyle;
}

BOOL CXTControlBar::ModifyBarStyleEx(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw)
{
    SetBarStyleEx(dwAdd | (GetBarStyleEx() & ~dwRemove));
    if (m_hWnd == nullptr)
        return TRUE;
    // The z-order stays: the frame lays its bars out in child order.
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (bRedraw)
        Invalidate();
    // The dock bar keeps the style its frame gave it: a bar's own bits share
    // values with the dock bar's (button look 2 is the dock bar's "no
    // splitter line"), so only the plain-splitter bit, which no bar uses for
    // itself, passes on, and only when the caller names it.
    if (CXTDockBar* pDockBar = dynamic_cast<CXTDockBar*>(m_pDockBar))
    {
        const DWORD dwDockBits = XT_DOCKBAR_PLAINSPLITTERS;
        pDockBar->SetDockBarStyle((dwAdd & dwDockBits) | (pDockBar->GetDockBarStyle() & ~(dwRemove & dwDockBits)));
        if (bRedraw && pDockBar->m_hWnd != nullptr)
            pDockBar->Invalidate();
    }
    return TRUE;
}

void CXTControlBar::SetContextMenu(UINT nMenuID, int nSubIndex)
{
    m_nMenuID = nMenuID;
    m_nMenuSubIndex = nSubIndex;
}

UINT CXTControlBar::GetParentID() const
{
    HWND hParent = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
    return hParent != nullptr ? (UINT)::GetDlgCtrlID(hParent) : 0;
}

BOOL CXTControlBar::IsLeftDocked() const
{
    return GetParentID() == XT_IDW_DOCKBAR_LEFT;
}

BOOL CXTControlBar::IsRightDocked() const
{
    return GetParentID() == XT_IDW_DOCKBAR_RIGHT;
}

BOOL CXTControlBar::IsTopDocked() const
{
    return GetParentID() == XT_IDW_DOCKBAR_TOP;
}

BOOL CXTControlBar::IsBottomDocked() const
{
    return GetParentID() == XT_IDW_DOCKBAR_BOTTOM;
}

COLORREF CXTControlBar::GetBackgroundColor() const
{
    return xtAfxData.m_bFlatLook ? xtAfxData.m_clrFlatBarFace : xtAfxData.m_clr3DFace;
}

BOOL CXTControlBar::CanDockInFrame(CFrameWnd*) const
{
    return m_bDockInOtherFrame;
}

BOOL CXTControlBar::OnDragRectQuery(LPSIZE)
{
    return FALSE;
}

void CXTControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    const int cxBorder2 = ::GetSystemMetrics(SM_CXBORDER) * 2;
    const int cyBorder2 = ::GetSystemMetrics(SM_CYBORDER) * 2;
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += cxBorder2;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += cyBorder2;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= cxBorder2;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= cyBorder2;
    // The margins run along the bar, turned for a vertical one.
    if (bHorz)
    {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    }
    else
    {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER)
    {
        if (bHorz)
            rect.left += 7;
        else
            rect.top += 7;
    }
}

void CXTControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    const DWORD dwStyle = m_dwStyle;
    if (!(dwStyle & CBRS_BORDER_ANY))
        return;
    const BOOL bFlat = xtAfxData.m_bFlatLook;
    const COLORREF clrDark = bFlat ? xtAfxData.m_clr3DFace : xtAfxData.m_clr3DShadow;
    const COLORREF clrLight = bFlat ? xtAfxData.m_clr3DFace : xtAfxData.m_clr3DHilight;
    const BOOL b3D = (dwStyle & CBRS_BORDER_3D) != 0;
    const int nBorder2 = ::GetSystemMetrics(SM_CYBORDER) * 2;
    const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    const int cx = r - l;
    const int top = t + ((dwStyle & CBRS_BORDER_TOP) ? nBorder2 : 0);
    const int h = (b - ((dwStyle & CBRS_BORDER_BOTTOM) ? nBorder2 : 0)) - top;

    if (dwStyle & CBRS_BORDER_LEFT)
        pDC->FillSolidRect(l, top - 1, 1, h + 1, clrDark);
    if (dwStyle & CBRS_BORDER_TOP)
        pDC->FillSolidRect(l, t, cx - 1, 1, clrDark);
    if (dwStyle & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(r - (b3D ? 2 : 1), top - 1, 1, h + 1, clrDark);
    if (dwStyle & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(l, b - (b3D ? 2 : 1), cx - 1, 1, clrDark);
    if (b3D)
    {
        if (dwStyle & CBRS_BORDER_LEFT)
            pDC->FillSolidRect(l + 1, top, 1, h, clrLight);
        if (dwStyle & CBRS_BORDER_TOP)
            pDC->FillSolidRect(l + 1, t + 1, cx - 3, 1, clrLight);
        if (dwStyle & CBRS_BORDER_RIGHT)
            pDC->FillSolidRect(r - 1, top - 2, 1, h + 3, clrLight);
        if (dwStyle & CBRS_BORDER_BOTTOM)
            pDC->FillSolidRect(l, b - 1, cx, 1, clrLight);
    }
    // One more frame line on each bordered side, and the rectangle shrinks by it.
    if (dwStyle & CBRS_BORDER_RIGHT)
    {
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), clrDark);
        rect.right -= 1;
    }
    if (dwStyle & CBRS_BORDER_BOTTOM)
    {
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, clrDark);
        rect.bottom -= 1;
    }
    if (dwStyle & CBRS_BORDER_TOP)
    {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, clrLight);
        rect.top += 1;
    }
    if (dwStyle & CBRS_BORDER_LEFT)
    {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), clrLight);
        rect.left += 1;
    }
}

void CXTControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) != CBRS_GRIPPER)
        return;
    const COLORREF clrLight = xtAfxData.m_clr3DHilight;
    const COLORREF clrDark = xtAfxData.m_clr3DShadow;
    const BOOL bHorz = (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
    const int cx = rect.Width(), cy = rect.Height();
    if (m_dwBarStyleEx & BARSTYLE_CAPTION_3D)
    {
        // Two raised bars, each with its far corner pixel in the light colour.
        for (int nOffset : { 2, 5 })
        {
            if (bHorz)
            {
                pDC->Draw3dRect(rect.left + nOffset, rect.top + 2, 3, cy - 4, clrLight, clrDark);
                pDC->SetPixel(rect.left + nOffset, rect.top + cy - 3, clrLight);
            }
            else
            {
                pDC->Draw3dRect(rect.left + 2, rect.top + nOffset, cx - 4, 3, clrLight, clrDark);
                pDC->SetPixel(rect.left + cx - 3, rect.top + nOffset, clrLight);
            }
        }
    }
    else if (xtAfxData.m_bFlatLook)
    {
        CPen pen(PS_SOLID, 1, xtAfxData.m_clrFlatGripper);
        CPen* pOldPen = pDC->SelectObject(&pen);
        const int nExtent = bHorz ? cy : cx;
        const int nLines = nExtent - 9 > 0 ? (nExtent - 8) / 2 : 0;
        for (int i = 0; i < nLines; ++i)
        {
            if (bHorz)
            {
                pDC->MoveTo(rect.left + 2, rect.top + 4 + 2 * i);
                pDC->LineTo(rect.left + 5, rect.top + 4 + 2 * i);
            }
            else
            {
                pDC->MoveTo(rect.left + 4 + 2 * i, rect.top + 2);
                pDC->LineTo(rect.left + 4 + 2 * i, rect.top + 5);
            }
        }
        pDC->SelectObject(pOldPen);
    }
    else if (bHorz)
        pDC->Draw3dRect(rect.left + 2, rect.top + m_cyTopBorder + 2, 3, cy - m_cyBottomBorder - m_cyTopBorder - 4,
                        clrLight, clrDark);
    else
        pDC->Draw3dRect(rect.left + m_cyTopBorder + 2, rect.top + 2, cx - m_cyBottomBorder - m_cyTopBorder - 4, 3,
                        clrLight, clrDark);
}

void CXTControlBar::DoNcPaint()
{
    CWindowDC dc(this);
    CRect rectWindow = ExcludeClientArea(this, &dc);

    const COLORREF clrBack = GetBackgroundColor();
    CXTMemDC memDC(&dc, rectWindow, clrBack);
    CRect rect = rectWindow;
    DrawBorders(&memDC, rect);
    memDC.FillSolidRect(&rect, clrBack);
    DrawGripper(&memDC, rect);
}

BOOL CXTControlBar::IsCursorOverGripper() const
{
    if (!(m_dwStyle & CBRS_GRIPPER))
        return FALSE;
    CRect rectStrip, rectClient;
    GetWindowRect(&rectStrip);
    ScreenToClient(&rectStrip);
    GetClientRect(&rectClient);
    if (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM))
        rectStrip.right = rectClient.left;
    else
        rectStrip.bottom = rectClient.top;
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    return rectStrip.PtInRect(point);
}

void CXTControlBar::ShowBarListMenu(CPoint ptScreen, CFrameWnd* pFrame)
{
    if (pFrame == nullptr || !xtAfxData.m_bBarListMenus)
        return;
    CXTMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    int nAdded = 0;
    auto addBar = [&](CControlBar* pBar, LPCSTR lpszText) {
        UINT nFlags = MF_STRING | (pBar->IsVisible() ? MF_CHECKED : MF_UNCHECKED);
        menu.AppendMenu(nFlags, pBar->GetDlgCtrlID(), lpszText);
        ++nAdded;
    };
    auto windowText = [](CControlBar* pBar, UINT nFallback, LPCSTR lpszFallback) {
        CString strText;
        pBar->GetWindowText(strText);
        return strText.IsEmpty() ? LoadToolkitString(nFallback, lpszFallback) : strText;
    };
    // Dock windows, tool bars and the other toolkit bars that take part, in
    // that order; then the status bars.
    struct Group
    {
        BarListGroup group;
        UINT nFallback;
        LPCSTR lpszFallback;
    };
    const Group groups[] = {
        { barListDockWindow, XT_IDS_DOCKWND, "Dock Window" },
        { barListToolBar, XT_IDS_TOOLBAR, "Toolbar" },
        { barListOther, XT_IDS_CONTROLBAR, "Control Bar" },
    };
    BOOL bCustomize = FALSE;
    for (const Group& group : groups)
    {
        for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
        {
            CXTControlBar* pBar =
                dynamic_cast<CXTControlBar*>(static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos)));
            if (pBar == nullptr || !pBar->m_bContextMenus || pBar->GetBarListGroup() != group.group)
                continue;
            addBar(pBar, windowText(pBar, group.nFallback, group.lpszFallback));
            if (pBar == this && group.group == barListToolBar)
                bCustomize = IsCustomizable();
        }
        if (group.group == barListDockWindow && nAdded > 0)
            menu.AppendMenu(MF_SEPARATOR);
    }
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CControlBar* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
        if (dynamic_cast<CStatusBar*>(pBar) != nullptr)
            addBar(pBar, LoadToolkitString(XT_IDS_STATUSBAR, "Status Bar"));
    }
    TrackBarListMenu(menu, nAdded, bCustomize, ptScreen, pFrame);
}

void CXTControlBar::TrackBarListMenu(CXTMenu& menu, int nAdded, BOOL bCustomize, CPoint ptScreen, CFrameWnd* pFrame)
{
    if (bCustomize)
    {
        if (nAdded > 0)
            menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_STRING, kCustomizeCommand, LoadToolkitString(XT_IDS_CUSTOMIZE, "Customize..."));
        ++nAdded;
    }
    if (nAdded > 0)
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, pFrame);
}

void CXTControlBar::FillRebarBandSize(REBARBANDINFOA* pInfo, BOOL bHorz)
{
    CSize size = CalcFixedLayout(FALSE, bHorz);
    pInfo->fMask |= RBBIM_CHILDSIZE;
    pInfo->cxMinChild = size.cx;
    pInfo->cyMinChild = size.cy;
}

void CXTControlBar::CalcOverflowLayout(NMREBARCHILDSIZE*, BOOL)
{
}

void CXTControlBar::ReleaseActiveView(CFrameWnd* pFrame)
{
    if (pFrame == nullptr)
        return;
    CView* pView = pFrame->GetActiveView();
    if (pView != nullptr && pView->m_hWnd != nullptr && ::IsChild(m_hWnd, pView->m_hWnd))
        pFrame->SetActiveView(nullptr, FALSE);
}

int CXTControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CControlBar::OnCreate(lpcs) == -1)
        return -1;
    SendMessage(WM_SETFONT, (WPARAM)xtAfxData.m_fontNormal.m_hObject, TRUE);
    m_pParentFrame = GetParentFrame();
    return 0;
}

void CXTControlBar::OnDestroy()
{
    // A frame must not keep a view that dies with this bar as its active view.
    CFrameWnd* pTop = TopLevelFrame(this);
    CFrameWnd* pParent = GetParentFrame();
    ReleaseActiveView(pTop);
    if (pParent != pTop && dynamic_cast<CMDIChildWnd*>(pParent) == nullptr)
        ReleaseActiveView(pParent);
    if (m_pParentFrame != pTop && m_pParentFrame != pParent && ::IsWindow(AfxHwnd(m_pParentFrame)))
        ReleaseActiveView(m_pParentFrame);
    CControlBar::OnDestroy();
}

void CXTControlBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    CXTMemDC memDC(&dc, rect, GetBackgroundColor());
    if (IsVisible())
        DoPaint(&memDC);
}

void CXTControlBar::DoPaint(CDC*)
{
    // Borders and gripper lie in the non-client area; derived bars draw their items.
}

void CXTControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    // The borders, margins and gripper lie outside the client area.
    CalcInsideNcRect(lpncsp);
}

void CXTControlBar::OnNcPaint()
{
    DoNcPaint();
}

BOOL CXTControlBar::OnEraseBkgnd(CDC*)
{
    return FALSE;
}

BOOL CXTControlBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    const CXTDockContext* pContext = dynamic_cast<const CXTDockContext*>(m_pDockContext);
    if ((pContext != nullptr && pContext->IsInLoop()) || IsCursorOverGripper())
    {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEALL));
        return TRUE;
    }
    return CControlBar::OnSetCursor(pWnd, nHitTest, message);
}

void CXTControlBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bContextMenus || !xtAfxData.m_bBarListMenus)
    {
        CControlBar::OnRButtonDown(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    if (m_nMenuID != 0)
    {
        CXTMenu menu;
        if (!menu.Attach(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nMenuID))))
            return;
        HMENU hPopup = ::GetSubMenu(menu.m_hMenu, m_nMenuSubIndex);
        if (hPopup == nullptr)
            return;
        CWnd* pOwner = this;
        while (pOwner->GetStyle() & WS_CHILD)
            pOwner = pOwner->GetParent();
        CXTMenu popup;
        popup.Attach(hPopup);
        popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, pOwner);
        popup.Detach();
        return;
    }
    CFrameWnd* pFrame = m_pDockSite;
    if (pFrame == nullptr)
        return;
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER && dynamic_cast<CMDIChildWnd*>(pFrame) != nullptr)
        pFrame = pFrame->GetParentFrame();
    if (pFrame == nullptr)
        return;
    ShowBarListMenu(point, pFrame);
    pFrame->RecalcLayout();
}

void CXTControlBar::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CControlBar::OnWindowPosChanging(lpwndpos);
    if (lpwndpos->flags & SWP_NOSIZE)
        return;
    // The right and bottom borders move with the edge: repaint them at both places.
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    const CPoint ptOrigin(rectClient.left - rectWindow.left, rectClient.top - rectWindow.top);
    auto invalidate = [&](const CRect& rectStrip) {
        CRect rect = rectStrip;
        rect.OffsetRect(-ptOrigin.x, -ptOrigin.y);
        RedrawWindow(&rect, nullptr, RDW_INVALIDATE | RDW_FRAME);
    };
    const int cxOld = rectWindow.Width(), cyOld = rectWindow.Height();
    if (lpwndpos->cx != cxOld && m_cxRightBorder > 0)
    {
        invalidate(CRect(cxOld - m_cxRightBorder, 0, cxOld, cyOld));
        invalidate(CRect(lpwndpos->cx - m_cxRightBorder, 0, lpwndpos->cx, lpwndpos->cy));
    }
    if (lpwndpos->cy != cyOld && m_cyBottomBorder > 0)
    {
        invalidate(CRect(0, cyOld - m_cyBottomBorder, cxOld, cyOld));
        invalidate(CRect(0, lpwndpos->cy - m_cyBottomBorder, lpwndpos->cx, lpwndpos->cy));
    }
}

void CXTControlBar::IdleUpdateBar(CControlBar* pBar, BOOL bDisableIfNoHndler)
{
    const BOOL bVisible = (pBar->GetStyle() & WS_VISIBLE) != 0;
    UINT nFlags = 0;
    if ((pBar->m_nStateFlags & delayHide) && bVisible)
        nFlags = SWP_HIDEWINDOW;
    else if ((pBar->m_nStateFlags & delayShow) && !bVisible)
        nFlags = SWP_SHOWWINDOW;
    pBar->m_nStateFlags &= ~(delayHide | delayShow);
    if (nFlags != 0)
    {
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0, nFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        // The frame gives the room to the others or takes it back.
        if (CFrameWnd* pFrame = pBar->GetDockingFrame())
            pFrame->DelayRecalcLayout();
    }
    if (!(pBar->GetStyle() & WS_VISIBLE))
        return;
    if (pBar->m_pDockBar != nullptr && !::IsWindowVisible(::GetParent(pBar->m_hWnd)))
        return;
    // The owner (the parent when none is set) when it is a frame, else its frame.
    CFrameWnd* pTarget = dynamic_cast<CFrameWnd*>(pBar->GetOwner());
    if (pTarget == nullptr)
        pTarget = pBar->GetParentFrame();
    if (pTarget != nullptr)
        pBar->OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

LRESULT CXTControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    IdleUpdateBar(this, (BOOL)wParam);
    return 0;
}

LRESULT CXTControlBar::OnRebarBandQuery(WPARAM wParam, LPARAM lParam)
{
    m_bInRebar = TRUE;
    FillRebarBandSize(reinterpret_cast<REBARBANDINFOA*>(lParam), (BOOL)wParam);
    return TRUE;
}

LRESULT CXTControlBar::OnRebarChildSize(WPARAM wParam, LPARAM lParam)
{
    CalcOverflowLayout(reinterpret_cast<NMREBARCHILDSIZE*>(lParam), (BOOL)wParam);
    return 0;
}

LRESULT CXTControlBar::OnFullWindowDrag(WPARAM, LPARAM)
{
    return IsFullWindowDrag();
}

LRESULT CXTControlBar::OnDragRectQueryMessage(WPARAM, LPARAM lParam)
{
    return OnDragRectQuery(reinterpret_cast<LPSIZE>(lParam));
}
