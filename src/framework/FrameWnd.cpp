#include "framework/FrameWnd.h"

#include "framework/CmdUI.h"
#include "framework/ControlBar.h"
#include "framework/CreateContext.h"
#include "framework/DockBar.h"
#include "framework/DockContext.h"
#include "framework/DockState.h"
#include "framework/MiniDockFrameWnd.h"
#include "framework/Exceptions.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Menu.h"
#include "framework/View.h"
#include "framework/WinApp.h"

#include <vector>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ERASEBKGND()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_ACTIVATE()
    ON_MESSAGE(WM_NCACTIVATE, OnNcActivateMessage)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUIMessage)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
    ON_COMMAND_EX_RANGE(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, OnBarCheck)
    ON_UPDATE_COMMAND_UI_RANGE(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFFFFFF, OnToolTipText)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFFFFFF, OnToolTipText)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);


CFrameWnd::CFrameWnd()
    : m_hAccelTable(nullptr), m_nIDHelp(0), m_hMenuDefault(nullptr),
      m_pFloatingFrameClass(RUNTIME_CLASS(CMiniDockFrameWnd)), m_nFlags(0), m_nIDTracking(0), m_nIDLastMessage(0),
      m_nIdleFlags(0), m_bInRecalcLayout(FALSE), m_pViewActive(nullptr), m_nIDResource(0), m_lpszMenuName(nullptr)
{
}

CFrameWnd::~CFrameWnd()
{
    if (m_hAccelTable != nullptr)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
    {
        HINSTANCE hIconModule = m_nIDResource ? AfxFindResourceHandle(MAKEINTRESOURCEA(m_nIDResource), RT_GROUP_ICON) : nullptr;
        HICON hIcon = hIconModule ? ::LoadIconA(hIconModule, MAKEINTRESOURCEA(m_nIDResource)) : nullptr;
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
    }
    // The frame styles are ours, not the platform's.
    cs.style &= ~(FWS_ADDTOTITLE | FWS_PREFIXTITLE | FWS_SNAPTOBARS);
    return TRUE;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr)
    {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, RT_MENU);
        hMenu = hInst ? ::LoadMenuA(hInst, lpszMenuName) : nullptr;
    }
    m_strTitle = lpszWindowName;
    m_hMenuDefault = hMenu;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, AfxHwnd(pParentWnd), hMenu, pContext))
    {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

CString AfxLoadStringPart(UINT nID, int nIndex)
{
    CString strFull;
    strFull.LoadString(nID);
    int nStart = 0;
    for (int i = 0; i < nIndex; ++i)
    {
        int nl = strFull.Find('\n', nStart);
        if (nl < 0)
            return CString();
        nStart = nl + 1;
    }
    int nEnd = strFull.Find('\n', nStart);
    return strFull.Mid(nStart, (nEnd < 0 ? strFull.GetLength() : nEnd) - nStart);
}

CString CFrameWnd::BeginLoadFrame(UINT nIDResource)
{
    m_nIDResource = nIDResource;
    m_nIDHelp = nIDResource;
    return AfxLoadStringPart(nIDResource, 0);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    CString title = BeginLoadFrame(nIDResource);
    LPCSTR lpszResource = MAKEINTRESOURCEA(nIDResource);
    LPCSTR lpszMenu = AfxFindResourceHandle(lpszResource, RT_MENU) ? lpszResource : nullptr;
    if (!Create(nullptr, title, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext))
        return FALSE;
    if (HINSTANCE hAccel = AfxFindResourceHandle(lpszResource, RT_ACCELERATOR))
        m_hAccelTable = ::LoadAcceleratorsA(hAccel, lpszResource);
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    CCreateContext* pContext = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    CWnd* pView = dynamic_cast<CWnd*>(pObject);
    if (pView == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW & ~WS_BORDER, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;   // a view whose window failed has deleted itself
    return pView;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    // A bar that moves may ask for a layout while one runs.
    if (m_bInRecalcLayout || m_hWnd == nullptr)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposDefault);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd != nullptr && (UINT)pBar->GetDlgCtrlID() == nID)
            return pBar;
    }
    return nullptr;
}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (m_listControlBars.Find(pBar) == nullptr)
        m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    POSITION pos = m_listControlBars.Find(pBar);
    if (pos != nullptr)
        m_listControlBars.RemoveAt(pos);
}

namespace {

// The dock bars in the order the frame makes them (and lays them out).
const struct
{
    UINT nID;
    DWORD dwStyle;
} kDockBars[] = {
    { AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP },
    { AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM },
    { AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT },
    { AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT },
};

} // namespace

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    for (const auto& side : kDockBars)
    {
        if (!(dwDockStyle & side.dwStyle) || GetControlBar(side.nID) != nullptr)
            continue;
        CDockBar* pDockBar = new CDockBar;
        pDockBar->m_bAutoDelete = TRUE;
        if (!pDockBar->Create(this, side.dwStyle, side.nID))
        {
            delete pDockBar;
            AfxThrowResourceException();
        }
    }
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    if (nDockBarID == 0)
    {
        // The side the bar's style names when it may dock there, else the first it may.
        DWORD dwAlign = pBar->GetBarStyle() & CBRS_ALIGN_ANY;
        for (const auto& side : kDockBars)
            if (dwAlign == side.dwStyle && (pBar->m_dwDockStyle & side.dwStyle) && GetControlBar(side.nID))
                nDockBarID = side.nID;
        for (const auto& side : kDockBars)
            if (nDockBarID == 0 && (pBar->m_dwDockStyle & side.dwStyle) && GetControlBar(side.nID))
                nDockBarID = side.nID;
        if (nDockBarID == 0)
            return;
    }
    DockControlBar(pBar, dynamic_cast<CDockBar*>(GetControlBar(nDockBarID)), lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pDockBar == nullptr)
        return;
    pBar->m_pDockSite = this;
    if (pBar->m_hWndOwner == nullptr)
        pBar->SetOwner(this);
    pDockBar->DockControlBar(pBar, lpRect);
    RecalcLayout();
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar)
{
    // An empty dock bar still takes a bar that touches its edge.
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        CDockBar* pDockBar = pBar->IsDockBar() ? static_cast<CDockBar*>(pBar) : nullptr;
        if (pDockBar == nullptr || pDockBar->m_hWnd == nullptr || !pDockBar->IsWindowVisible() ||
            !(pDockBar->GetBarStyle() & dwDockStyle & CBRS_ALIGN_ANY))
            continue;
        if (pDockBar->m_bFloating && !(pDockBar->GetBarStyle() & dwDockStyle & CBRS_FLOAT_MULTI))
            continue;
        CRect rectBar;
        pDockBar->GetWindowRect(&rectBar);
        if (rectBar.Width() == 0)
            ++rectBar.right;
        if (rectBar.Height() == 0)
            ++rectBar.bottom;
        if (rectBar.IntersectRect(&rectBar, &rect))
        {
            if (ppDockBar != nullptr)
                *ppDockBar = pDockBar;
            return pDockBar->GetBarStyle() & dwDockStyle & CBRS_ALIGN_ANY;
        }
    }
    return 0;
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    const CRuntimeClass* pClass = m_pFloatingFrameClass != nullptr ? m_pFloatingFrameClass
                                                                    : RUNTIME_CLASS(CMiniDockFrameWnd);
    CObject* pObject = pClass->CreateObject();
    CMiniDockFrameWnd* pFrame = dynamic_cast<CMiniDockFrameWnd*>(pObject);
    if (pFrame == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    if (!pFrame->Create(this, dwStyle))
    {
        // A frame whose window never existed deletes nothing itself.
        if (pFrame->m_hWnd == nullptr)
            delete pFrame;
        return nullptr;
    }
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    // Where it floats now is where it floats again after docking.
    if (pBar->m_pDockContext != nullptr)
    {
        pBar->m_pDockContext->m_ptMRUFloatPos = point;
        pBar->m_pDockContext->m_dwMRUFloatStyle = dwStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
    }
    // Alone in a floating frame that takes the style: only the frame moves.
    if (pOldDockBar != nullptr && pOldDockBar->m_bFloating && pOldDockBar->GetDockedCount() == 1 &&
        (dwStyle & pOldDockBar->GetBarStyle() & CBRS_ALIGN_ANY))
    {
        CFrameWnd* pFloat = pOldDockBar->GetParentFrame();
        if (pFloat != nullptr)
        {
            pFloat->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pFloat->RecalcLayout(TRUE);
            pFloat->UpdateWindow();
            return;
        }
    }
    // A bar that sizes itself floats horizontally, at the width the user chose.
    if (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC)
    {
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if (dwStyle & CBRS_ORIENT_VERT)
            dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;
    }
    CMiniDockFrameWnd* pFloat = CreateFloatingFrame(dwStyle);
    if (pFloat == nullptr)
        return;
    pFloat->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (pFloat->m_hWndOwner == nullptr)
        pFloat->m_hWndOwner = pBar->m_hWnd;
    DockControlBar(pBar, &pFloat->m_wndDockBar, nullptr);
    pFloat->RecalcLayout(TRUE);
    if (pBar->GetStyle() & WS_VISIBLE)
    {
        pFloat->ShowWindow(SW_SHOWNOACTIVATE);
        pFloat->UpdateWindow();
    }
    // It looks active while this frame does.
    pFloat->SendMessage(WM_NCACTIVATE, FALSE);
}

void CFrameWnd::SendToFloatingFrames(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    // Floating dock bars belong to this frame's list; their parents are the floating frames.
    std::vector<HWND> frames;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->IsDockBar() && static_cast<CDockBar*>(pBar)->m_bFloating && pBar->m_hWnd != nullptr)
            frames.push_back(::GetParent(pBar->m_hWnd));
    }
    for (HWND hWnd : frames)
        if (::IsWindow(hWnd))
            ::SendMessageA(hWnd, nMsg, wParam, lParam);
}

LRESULT CFrameWnd::OnNcActivateMessage(WPARAM wParam, LPARAM lParam)
{
    BOOL bActive = (BOOL)wParam;
    if (!(GetStyle() & WS_CHILD))
    {
        // The window taking the activation: one of ours keeps us looking active.
        HWND hWndOther = reinterpret_cast<HWND>(lParam);
        BOOL bOurs = FALSE;
        if (!bActive && hWndOther != nullptr && ::IsWindow(hWndOther))
        {
            for (HWND hWnd = ::GetWindow(hWndOther, GW_OWNER); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_OWNER))
                if (hWnd == m_hWnd)
                    bOurs = TRUE;
        }
        if (bActive || !bOurs)
            m_nFlags &= ~WF_STAYACTIVE;
        else
            m_nFlags |= WF_STAYACTIVE;
        if (m_nFlags & WF_STAYACTIVE)
            bActive = TRUE;
        if (!IsWindowEnabled())
            bActive = FALSE;
        UINT nOld = m_nFlags;
        if (bActive)
            m_nFlags |= WF_KEEPMINIACTIVE;
        else
            m_nFlags &= ~WF_KEEPMINIACTIVE;
        // The floating frames take the new look (they ask for the flag).
        if ((nOld ^ m_nFlags) & WF_KEEPMINIACTIVE || !bActive)
            SendToFloatingFrames(WM_NCACTIVATE, (WPARAM)bActive, 0);
    }
    return DefWindowProc(WM_NCACTIVATE, (WPARAM)bActive, lParam);
}

void CFrameWnd::GetDockState(CDockState& state) const
{
    state.Clear();
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd == nullptr)
            continue;
        CControlBarInfo* pInfo = state.NewBarInfo();
        pBar->GetBarInfo(pInfo);
        state.m_arrBarInfo.Add(pInfo);
    }
}

void CFrameWnd::SetDockState(const CDockState& state)
{
    // Each record finds its bar: floating dock bars come new with their frames.
    std::vector<CControlBarInfo*> infos;
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i)
    {
        CControlBarInfo* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        pInfo->m_pBar = nullptr;
        if (pInfo->m_bFloating)
        {
            CMiniDockFrameWnd* pFloat = CreateFloatingFrame(pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
            if (pFloat == nullptr)
                continue;
            CRect rect(pInfo->m_pointPos, CSize(10, 10));
            pFloat->CalcWindowRect(&rect);
            pFloat->SetWindowPos(nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pInfo->m_pBar = &pFloat->m_wndDockBar;
        }
        else
            pInfo->m_pBar = GetControlBar(pInfo->m_nBarID);
        if (pInfo->m_pBar == nullptr)
            continue;
        pInfo->m_pBar->m_nMRUWidth = pInfo->m_nMRUWidth;
        infos.push_back(pInfo);
    }
    for (CControlBarInfo* pInfo : infos)
        pInfo->m_pBar->SetBarInfo(pInfo, this);
    // Floating frames with a bar to show lay out and show.
    for (CControlBarInfo* pInfo : infos)
    {
        CDockBar* pDockBar = pInfo->m_bFloating ? static_cast<CDockBar*>(pInfo->m_pBar) : nullptr;
        if (pDockBar == nullptr || pDockBar->GetDockedVisibleCount() == 0)
            continue;
        if (CFrameWnd* pFloat = pDockBar->GetParentFrame())
        {
            pFloat->RecalcLayout();
            pFloat->ShowWindow(SW_SHOWNA);
        }
    }
    for (CControlBarInfo* pInfo : infos)
        pInfo->m_pBar = nullptr;
    DelayRecalcLayout();
}

void CFrameWnd::LoadBarState(LPCSTR lpszProfileName)
{
    CDockState state;
    state.LoadState(lpszProfileName);
    SetDockState(state);
}

void CFrameWnd::SaveBarState(LPCSTR lpszProfileName) const
{
    CDockState state;
    GetDockState(state);
    state.SaveState(lpszProfileName);
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (bDelay)
    {
        pBar->DelayShow(bShow);
        DelayRecalcLayout();
    }
    else
    {
        pBar->DelayShow(bShow);
        pBar->ApplyDelayedShow();
        RecalcLayout();
    }
    // A floating bar's frame follows it.
    if (pBar->IsFloating())
        if (CFrameWnd* pBarFrame = pBar->GetParentFrame())
            pBarFrame->RecalcLayout();
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr)
        return FALSE;
    ShowControlBar(pBar, !pBar->IsVisible(), FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr)
    {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck(pBar->IsVisible() ? 1 : 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    int nVirtKey = pCmdUI->m_nID == ID_INDICATOR_CAPS ? VK_CAPITAL
                   : pCmdUI->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK
                                                       : VK_SCROLL;
    pCmdUI->Enable((::GetKeyState(nVirtKey) & 1) != 0);
}

CWnd* CFrameWnd::GetMessageBar()
{
    return GetControlBar(AFX_IDW_STATUS_BAR);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    rMessage = AfxLoadStringPart(nID, 0);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar != nullptr)
    {
        CString strMessage;
        LPCSTR lpsz = reinterpret_cast<LPCSTR>(lParam);
        if (lpsz == nullptr && wParam != 0)
        {
            GetMessageString((UINT)wParam, strMessage);
            lpsz = strMessage;
        }
        pMessageBar->SetWindowText(lpsz != nullptr ? lpsz : "");
    }
    m_nIDLastMessage = (UINT)wParam;
    m_nIDTracking = (UINT)wParam;
    return (LRESULT)nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    return OnSetMessageString(wParam, lParam);
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    // The id is the tool's, or the window's id when the tool is a window.
    UINT_PTR nID = pNMHDR->idFrom;
    BOOL bUnicode = pNMHDR->code == TTN_NEEDTEXTW;
    UINT uFlags = bUnicode ? reinterpret_cast<NMTTDISPINFOW*>(pNMHDR)->uFlags
                           : reinterpret_cast<NMTTDISPINFOA*>(pNMHDR)->uFlags;
    if (uFlags & TTF_IDISHWND)
        nID = (UINT_PTR)::GetDlgCtrlID(reinterpret_cast<HWND>(nID));
    if (nID == 0)
        return FALSE;
    CString strTip = AfxLoadStringPart((UINT)nID, 1);
    if (bUnicode)
    {
        NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        ::MultiByteToWideChar(CP_ACP, 0, strTip, -1, pInfo->szText, (int)(sizeof(pInfo->szText) / sizeof(WCHAR)));
        pInfo->szText[sizeof(pInfo->szText) / sizeof(WCHAR) - 1] = 0;
        pInfo->lpszText = pInfo->szText;
        pInfo->hinst = nullptr;
    }
    else
    {
        NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        lstrcpynA(pInfo->szText, strTip, (int)sizeof(pInfo->szText));
        pInfo->lpszText = pInfo->szText;
        pInfo->hinst = nullptr;
    }
    *pResult = 0;
    // The tip shows on top of the other windows.
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
    return TRUE;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = nullptr;
    if (pViewOld != nullptr && bNotify)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (pViewNew != nullptr && bNotify)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView ? pView->GetDocument() : nullptr;
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsIconic() ? SW_RESTORE : SW_SHOW;
    ShowWindow(nCmdShow);
    if (nCmdShow != SW_HIDE)
        BringWindowToTop();
}

namespace {

// The view of the pane window, or, when the pane is a splitter (or another
// window holding panes), the first view among its panes.
CView* FindFirstPaneView(HWND hWndPane)
{
    if (hWndPane == nullptr)
        return nullptr;
    if (CView* pView = dynamic_cast<CView*>(CWnd::FromHandlePermanent(hWndPane)))
        return pView;
    for (HWND hChild = ::GetTopWindow(hWndPane); hChild != nullptr; hChild = ::GetNextWindow(hChild, GW_HWNDNEXT))
    {
        UINT nID = (UINT)::GetDlgCtrlID(hChild);
        if (nID < AFX_IDW_PANE_FIRST || nID > AFX_IDW_PANE_LAST)
            continue;
        if (CView* pView = FindFirstPaneView(hChild))
            return pView;
    }
    return nullptr;
}

} // namespace

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = GetActiveView();
    if (pView == nullptr)
    {
        pView = FindFirstPaneView(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST));
        if (pView != nullptr)
            SetActiveView(pView, FALSE);
    }
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    OnUpdateFrameTitle(TRUE);
    if (bMakeVisible)
    {
        CWinApp* pApp = AfxGetApp();
        int nCmdShow = (pApp != nullptr && pApp->m_pMainWnd == this) ? pApp->m_nCmdShow : -1;
        ActivateFrame(nCmdShow);
        if (pView != nullptr)
            pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc != nullptr)
        pDoc->UpdateAllViews(nullptr);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0 && !bAddToTitle)
        return;
    CDocument* pDoc = GetActiveDocument();
    if (pDoc == nullptr || pDoc->GetTitle().IsEmpty())
        return;
    CString title = m_strTitle.IsEmpty() ? pDoc->GetTitle() : pDoc->GetTitle() + " - " + m_strTitle;
    SetWindowText(title);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable != nullptr &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view (and through it the document) first, then the frame,
    // then the application.
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// The status line follows the menu: the prompt of the command under the
// cursor, nothing over a sub-menu, a separator or a system command, and the
// idle text once the menu closes (else the last prompt stays behind).
void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    if (nFlags == 0xFFFF && hSysMenu == nullptr)
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;
    else if ((nFlags & (MF_SEPARATOR | MF_POPUP | MF_SYSMENU)) != 0 || nItemID >= 0xF000)
        m_nIDTracking = 0;
    else
        m_nIDTracking = nItemID;
    if (m_nIDTracking != m_nIDLastMessage)
        SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
    Default();
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu)
        return;
    AfxUpdateMenuItems(pPopupMenu, this, TRUE);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM)
{
    if (m_nIdleFlags & idleLayout)
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
    // The floating frames are not children: they get their update from here.
    SendToFloatingFrames(WM_IDLEUPDATECMDUI, wParam, 0);
    return 0;
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    CView* pView = GetActiveView();
    if (pView != nullptr && nState != WA_INACTIVE && !bMinimized)
        pView->OnActivateView(TRUE, pView, pView);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->m_hWnd != nullptr)
        ::SetFocus(pView->m_hWnd);
    else
        CWnd::OnSetFocus(pOldWnd);
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    // The view covers the whole client area.
    if (GetDlgItem(AFX_IDW_PANE_FIRST) != nullptr)
        return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

void CFrameWnd::OnClose()
{
    // A modal loop runs over a disabled frame; closing it would pull the
    // ground from under that loop.
    if (!IsWindowEnabled())
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
    {
        // The main frame's end is every document's end: each is asked first.
        if (!pApp->SaveAllModified())
            return;
        HWND hWnd = m_hWnd;
        pApp->CloseAllDocuments(FALSE);
        if (!::IsWindow(hWnd))
            return;   // the frame went with its document
    }
    else
    {
        CDocument* pDoc = GetActiveDocument();
        if (pDoc != nullptr && !pDoc->CanCloseFrame(this))
            return;
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    // The frame's own menu goes with the window; a shared one stays with its owner.
    if (m_hMenuDefault != nullptr && ::GetMenu(m_hWnd) != m_hMenuDefault)
        ::SetMenu(m_hWnd, m_hMenuDefault);
    CWnd::OnDestroy();
}

void CFrameWnd::OnHelp()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->WinHelp(HID_BASE_RESOURCE + m_nIDHelp, HELP_CONTEXT);
}

void CFrameWnd::OnHelpFinder()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->WinHelp(0, HELP_FINDER);
}

void CFrameWnd::OnContextHelp()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->WinHelp(HID_BASE_RESOURCE + m_nIDHelp, HELP_CONTEXTPOPUP);
}

void CFrameWnd::PostNcDestroy()
{
    // The main window's end is the program's end.
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
    {
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    delete this;
}
