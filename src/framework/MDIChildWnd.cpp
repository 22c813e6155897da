#include "framework/MDIChildWnd.h"

#include "framework/CreateContext.h"
#include "framework/Document.h"
#include "framework/MDIFrameWnd.h"
#include "framework/MultiDocTemplate.h"
#include "framework/View.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_GETMINMAXINFO()
    ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() : m_hMenuShared(nullptr), m_hAccelShared(nullptr) {}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hClient = ::GetParent(m_hWnd);
    return dynamic_cast<CMDIFrameWnd*>(CWnd::FromHandlePermanent(hClient ? ::GetParent(hClient) : nullptr));
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style |= WS_CHILD;
    return TRUE;
}

BOOL CMDIChildWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == nullptr)
        pParentWnd = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    // Every failure ends in PostNcDestroy, as CWnd::CreateEx's do: the child
    // frame deletes itself and its creator never deletes it.
    if (pParentWnd == nullptr || pParentWnd->m_hWndMDIClient == nullptr)
    {
        PostNcDestroy();
        return FALSE;
    }
    m_strTitle = lpszWindowName;

    CREATESTRUCTA cs = {};
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = (LONG)dwStyle;
    cs.hwndParent = pParentWnd->m_hWndMDIClient;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    // The client makes the window; the context rides in the MDI create record.
    MDICREATESTRUCTA mcs = {};
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = lpszWindowName ? lpszWindowName : "";
    mcs.hOwner = AfxGetInstanceHandle();
    mcs.x = rect.left;
    mcs.y = rect.top;
    mcs.cx = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    mcs.cy = rect.top == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    mcs.style = (DWORD)cs.style & ~(WS_MAXIMIZE | WS_VISIBLE | WS_CHILD);
    mcs.lParam = reinterpret_cast<LPARAM>(pContext);
    HookWindowCreate(this, cs.lpszClass, pParentWnd->m_hWndMDIClient, TRUE);
    HWND hWnd = reinterpret_cast<HWND>(
        ::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    if (!UnhookWindowCreate() && hWnd == nullptr)
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    CString title = BeginLoadFrame(nIDResource);
    CMDIFrameWnd* pFrame = dynamic_cast<CMDIFrameWnd*>(pParentWnd);
    return Create(nullptr, title, dwDefaultStyle | WS_CHILD, rectDefault, pFrame, pContext);
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    // An MDI child's creation parameter is the MDI record, which holds the context.
    const MDICREATESTRUCTA* pmcs = static_cast<const MDICREATESTRUCTA*>(lpcs->lpCreateParams);
    CCreateContext* pContext = pmcs ? reinterpret_cast<CCreateContext*>(pmcs->lParam) : nullptr;
    if (pContext != nullptr)
    {
        if (CMultiDocTemplate* pTemplate = dynamic_cast<CMultiDocTemplate*>(pContext->m_pNewDocTemplate))
        {
            m_hMenuShared = pTemplate->m_hMenuShared;
            m_hAccelShared = pTemplate->m_hAccelTable;
        }
    }
    CREATESTRUCTA cs = *lpcs;
    cs.lpCreateParams = pContext;
    return CFrameWnd::OnCreate(&cs);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hClient = ::GetParent(m_hWnd);
    if (hClient == nullptr)
        return CFrameWnd::DestroyWindow();
    // The client takes the child out of its window menu as it goes.
    MDIDestroy();
    return TRUE;
}

HMENU CMDIChildWnd::GetSharedMenu()
{
    return m_hMenuShared;
}

HACCEL CMDIChildWnd::GetDefaultAccelerator()
{
    return m_hAccelShared != nullptr ? m_hAccelShared : m_hAccelTable;
}

void CMDIChildWnd::MDIDestroy()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIDESTROY, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIActivate()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIACTIVATE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIMaximize()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIMAXIMIZE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIRestore()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIRESTORE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsIconic() ? SW_RESTORE : SW_SHOW;
    ShowWindow(nCmdShow);
    MDIActivate();
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameMenu(m_hMenuShared);
}

BOOL CMDIChildWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The view (and through it the document and its template), then this
    // frame; the main frame and the application come after, from the MDI frame.
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CMDIChildWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETMINMAXINFO)
    {
        // The default child procedure sizes a maximised child from the client;
        // a handler that fixes the sizes must have the last word.
        DefWindowProc(message, wParam, lParam);
        LRESULT lResult = 0;
        OnWndMsg(message, wParam, lParam, &lResult);
        return 0;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

void CMDIChildWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != nullptr)
    {
        if (bActivate)
            pFrame->OnUpdateFrameMenu(m_hMenuShared);
        else if (pActivateWnd == nullptr)
            pFrame->OnUpdateFrameMenu(pFrame->m_hMenuDefault);   // the last child goes
    }
    CView* pView = GetActiveView();
    if (bActivate && pView != nullptr)
        pView->OnActivateView(TRUE, pView, pView);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL)
{
    CDocument* pDoc = GetActiveDocument();
    if (pDoc != nullptr && !pDoc->GetTitle().IsEmpty())
        SetWindowText(pDoc->GetTitle());
}
