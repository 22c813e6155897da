#include "framework/FrameWnd.h"

#include "framework/CmdUI.h"
#include "framework/CreateContext.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Menu.h"
#include "framework/View.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ERASEBKGND()
    ON_WM_INITMENUPOPUP()
    ON_WM_ACTIVATE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUIMessage)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);


CFrameWnd::CFrameWnd()
    : m_hAccelTable(nullptr), m_nIDHelp(0), m_hMenuDefault(nullptr), m_pViewActive(nullptr), m_nIDResource(0),
      m_lpszMenuName(nullptr)
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

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDResource = nIDResource;
    m_nIDHelp = nIDResource;
    CString strFull;
    strFull.LoadString(nIDResource);
    int nl = strFull.Find('\n');
    CString title = nl >= 0 ? strFull.Left(nl) : strFull;

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
    CWnd* pView = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pView == nullptr)
        return;
    CRect rc;
    GetClientRect(&rc);
    pView->MoveWindow(&rc);
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

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = GetActiveView();
    if (pView == nullptr)
    {
        CWnd* pWnd = GetDlgItem(AFX_IDW_PANE_FIRST);
        pView = dynamic_cast<CView*>(CWnd::FromHandlePermanent(AfxHwnd(pWnd)));
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

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu)
        return;
    AfxUpdateMenuItems(pPopupMenu, this, TRUE);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUIMessage(WPARAM, LPARAM)
{
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
